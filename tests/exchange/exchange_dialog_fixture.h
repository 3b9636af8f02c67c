#pragma once

#include "context/main_window_context.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_prompter.h"
#include "support/find_control.h"
#include "support/temporary_install.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QByteArray>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>

namespace vantorelle {

inline std::string text(const QString &shown)
{
    return shown.toStdString();
}

// What the tests of the import and the export dialog share: a temporary
// folder with the settings file, the dialog opened for Ann Lee, and its
// controls found by name, clicked and read as a user sees them.
template<typename Dialog> class ExchangeDialogTest : public ::testing::Test {
protected:
    // The dialog goes before the context the tests own.
    void TearDown() override
    {
        finished.reset();
        dialog.reset();
    }

    QString folder() const { return dir.path() + QLatin1Char('/'); }
    QString settingsFile() const { return folder() + QStringLiteral("vantorelleplus.ini"); }
    void storeSettings(const QByteArray &lines) { writeFile(settingsFile(), "[Main]\r\n" + lines); }

    Dialog &openOn(MainWindowContext &context)
    {
        dialog = std::make_unique<Dialog>(context, QStringLiteral("Lee, Ann"));
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        finished = std::make_unique<QSignalSpy>(dialog.get(), &QDialog::finished);
        return *dialog;
    }

    template<typename Control = QWidget> Control *control(const char *name)
    {
        return findControl<Control>(*dialog, name);
    }
    void click(const char *button)
    {
        QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton);
    }
    std::string shown(const char *label) { return text(control<QLabel>(label)->text()); }
    // The entries of a list joined by "|".
    std::string entries(const char *list)
    {
        QStringList all;
        for (int row = 0; row < control<QListWidget>(list)->count(); ++row)
            all << control<QListWidget>(list)->item(row)->text();
        return text(all.join(QLatin1Char('|')));
    }
    void clickEntry(const char *list, const QString &entry, Qt::KeyboardModifiers modifiers = {})
    {
        QListWidget *box = control<QListWidget>(list);
        const QList<QListWidgetItem *> found = box->findItems(entry, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << text(entry);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, modifiers,
            box->visualItemRect(found.first()).center());
    }
    // The titles of the boxes shown so far, joined by "|".
    std::string boxTitles() const
    {
        QStringList titles;
        for (const FakePrompter::Box &box : prompter.boxes)
            titles << box.title;
        return text(titles.join(QLatin1Char('|')));
    }

    QTemporaryDir dir;
    FakePrompter prompter;
    FakeFileDialogs fileDialogs;
    std::unique_ptr<Dialog> dialog;
    std::unique_ptr<QSignalSpy> finished;
};

} // namespace vantorelle
