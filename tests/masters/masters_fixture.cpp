#include "masters_fixture.h"

#include "store/store.h"
#include "support/temporary_install.h"
#include "support/typed_keys.h"
#include "text/cp1252.h"
#include "widgets/date_time_picker.h"
#include "widgets/text_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace vantorelle {

void MastersFixture::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    const QString fixture
        = QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath("../data/basic") + "/";
    copyTree(fixture, dir.path());
    folder = QFile::encodeName(dir.path() + "/").toStdString();
    Clock::install(&clock);
    context = std::make_unique<FakeMainWindowContext>(folder);
    ASSERT_TRUE(context->store().load().empty());
}

void MastersFixture::TearDown()
{
    editor.reset();
    context.reset();
    Clock::install(nullptr);
}

void MastersFixture::open(MasterListId list)
{
    editor = std::make_unique<MasterListEditor>(*context, list);
    editor->show();
    QApplication::setActiveWindow(editor.get());
}

namespace {

// Types `text` as keys, a line break as Enter.
void keyText(QWidget *widget, const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(widget, Qt::Key_Return);
        typeKeys(widget, lines[i]);
    }
}

} // namespace

void MastersFixture::type(const char *name, const QString &text)
{
    QWidget *widget = control<QWidget>(name);
    ASSERT_TRUE(widget);
    ASSERT_TRUE(widget->isEnabled()) << name;
    if (auto *box = qobject_cast<TextBox *>(widget)) {
        QWidget *edit = box->editor();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        keyText(edit, text);
    } else if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->isEditable()) {
        combo->setFocus();
        QTest::keyClick(combo->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
        typeKeys(combo->lineEdit(), text);
    } else if (combo) {
        combo->setFocus();
        QTest::keyClicks(combo, text);
    } else if (auto *picker = qobject_cast<DateTimePicker *>(widget)) {
        auto *box = picker->findChild<QCheckBox *>();
        if (!box->isChecked())
            QTest::mouseClick(box, Qt::LeftButton);
        auto *edit = picker->findChild<QDateTimeEdit *>();
        edit->setFocus();
        edit->setSelectedSection(edit->sectionAt(0));
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    } else {
        FAIL() << "no typing into " << name;
    }
}

void MastersFixture::click(const char *button)
{
    auto *b = control<QPushButton>(button);
    ASSERT_TRUE(b);
    ASSERT_TRUE(b->isVisible() && b->isEnabled()) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

QString MastersFixture::shown(const char *name) const
{
    QWidget *widget = control<QWidget>(name);
    if (auto *box = qobject_cast<TextBox *>(widget))
        return box->text();
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    if (auto *picker = qobject_cast<DateTimePicker *>(widget))
        return picker->storedText();
    ADD_FAILURE() << "nothing shown by " << name;
    return {};
}

QStringList MastersFixture::listed() const
{
    QStringList texts;
    auto *items = control<QListWidget>("lstMasterItems");
    for (int i = 0; i < items->count(); ++i)
        texts << items->item(i)->text();
    return texts;
}

QString MastersFixture::selected() const
{
    const QListWidgetItem *item = control<QListWidget>("lstMasterItems")->currentItem();
    return item ? item->text() : QString();
}

void MastersFixture::select(const QString &text, int from)
{
    auto *items = control<QListWidget>("lstMasterItems");
    for (int i = from; i < items->count(); ++i) {
        if (items->item(i)->text() == text) {
            QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                items->visualItemRect(items->item(i)).center());
            ASSERT_EQ(items->currentRow(), i);
            return;
        }
    }
    FAIL() << "no item " << text.toStdString();
}

QStringList MastersFixture::rows(TableId id)
{
    MemoryTable &rows = table(id);
    const auto filter = rows.filter();
    const auto sort = rows.sort();
    rows.setFilter(std::nullopt);
    QStringList all;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        all << Cp1252::toUnicode(std::string(rows.value(std::size_t {0})) + " "
            + std::string(rows.value(std::size_t {1})) + " " + std::string(rows.value(2)));
    }
    rows.setFilter(filter);
    rows.setSort(sort);
    all.sort();
    return all;
}

void MastersFixture::saveAll()
{
    EXPECT_TRUE(context->store().writeTables().empty());
}

QStringList MastersFixture::fileLines(TableId id) const
{
    QStringList lines;
    const QByteArray bytes = readFile(dir.path() + "/" + QString::fromStdString(tableFileName(id)));
    for (const QByteArray &line : bytes.split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#'))
            lines << Cp1252::toUnicode(line.endsWith('\r') ? line.chopped(1) : line);
    }
    return lines;
}

QStringList MastersFixture::fileRows(TableId id) const
{
    QStringList rows;
    for (const QString &line : fileLines(id)) {
        const QStringList parts = line.split(QLatin1Char(','));
        const qsizetype keyEnd
            = line.indexOf(QLatin1Char('"'), parts[0].size() + parts[1].size() + 3);
        const qsizetype keyStart = parts[0].size() + parts[1].size() + 3;
        rows << parts[0] + " " + parts[1] + " " + line.mid(keyStart, keyEnd - keyStart);
    }
    rows.sort();
    return rows;
}

} // namespace vantorelle
