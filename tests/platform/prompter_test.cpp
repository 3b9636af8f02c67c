#include <gtest/gtest.h>

#include "platform/prompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace vantorelle;

namespace {

struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
};

// Shows a real box, notes what it holds and presses the button labelled `press`.
int askAndPress(const QString &press, Seen &seen, Prompter::Buttons buttons, Prompter::Icon icon,
    Prompter::DefaultButton defaultButton)
{
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton *b : box->buttons())
            seen.buttons << b->text().remove(QLatin1Char('&'));
        seen.defaultButton = box->defaultButton()->text().remove(QLatin1Char('&'));
        for (QAbstractButton *b : box->buttons()) {
            if (b->text().remove(QLatin1Char('&')) == press)
                b->click();
        }
    });
    return prompter().ask(QStringLiteral("Changes Not Saved"),
        QStringLiteral("Line one\r\n\r\nLine <b>two</b>"), buttons, icon, defaultButton);
}

} // namespace

TEST(MessageBoxPrompter, ShowsTheBoxAndAnswersWithItsCode)
{
    struct Case {
        Prompter::Buttons buttons;
        Prompter::Icon icon;
        QString press;
        int answer;
        QMessageBox::Icon shownIcon;
        QStringList shownButtons;
        Prompter::DefaultButton defaultButton = Prompter::FirstButton;
        QString shownDefault;
    };
    const Case cases[] = {
        {Prompter::OkOnly, Prompter::NoIcon, "OK", Prompter::Ok, QMessageBox::NoIcon, {"OK"},
            Prompter::FirstButton, "OK"},
        {Prompter::OkCancel, Prompter::Exclamation, "Cancel", Prompter::Cancel,
            QMessageBox::Warning, {"OK", "Cancel"}, Prompter::FirstButton, "OK"},
        {Prompter::YesNo, Prompter::Question, "No", Prompter::No, QMessageBox::Question,
            {"Yes", "No"}, Prompter::FirstButton, "Yes"},
        {Prompter::YesNo, Prompter::Exclamation, "Yes", Prompter::Yes, QMessageBox::Warning,
            {"Yes", "No"}, Prompter::SecondButton, "No"},
        {Prompter::YesNoCancel, Prompter::Information, "Yes", Prompter::Yes,
            QMessageBox::Information, {"Yes", "No", "Cancel"}, Prompter::FirstButton, "Yes"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.press.toStdString());
        Seen seen;
        EXPECT_EQ(askAndPress(c.press, seen, c.buttons, c.icon, c.defaultButton), c.answer);
        EXPECT_EQ(seen.title, QStringLiteral("Changes Not Saved"));
        // CR LF shows as a line break; the text is never read as markup.
        EXPECT_EQ(seen.text, QStringLiteral("Line one\n\nLine <b>two</b>"));
        EXPECT_EQ(seen.icon, c.shownIcon);
        QStringList shown = seen.buttons;
        shown.sort();
        QStringList expected = c.shownButtons;
        expected.sort();
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(seen.defaultButton, c.shownDefault);
    }
}
