#include <gtest/gtest.h>

#include "platform/prompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
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

// Escape and the title bar's close button answer a box that has a button for
// "never mind" (Cancel, or OK alone) with it; a Yes/No question waits for its
// answer with its default button still taking Enter.
TEST(MessageBoxPrompter, EscapeAndCloseAnswerOnlyABoxWithCancelOrOkAlone)
{
    struct Case {
        Prompter::Buttons buttons;
        Prompter::DefaultButton defaultButton;
        int escapeAnswer; // 0: the box stays open
        int enterAnswer;
    };
    const Case cases[] = {
        {Prompter::YesNo, Prompter::FirstButton, 0, Prompter::Yes},
        {Prompter::YesNo, Prompter::SecondButton, 0, Prompter::No},
        {Prompter::YesNoCancel, Prompter::FirstButton, Prompter::Cancel, Prompter::Yes},
        {Prompter::OkCancel, Prompter::FirstButton, Prompter::Cancel, Prompter::Ok},
        {Prompter::OkOnly, Prompter::FirstButton, Prompter::Ok, Prompter::Ok},
    };
    enum class Gesture { EscapeKey, CloseRequest };
    for (const Case &c : cases) {
        for (Gesture gesture : {Gesture::EscapeKey, Gesture::CloseRequest}) {
            SCOPED_TRACE(testing::Message() << "buttons " << c.buttons << ", default "
                                            << c.defaultButton << ", gesture " << int(gesture));
            bool stayedOpen = false;
            QTimer::singleShot(0, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                ASSERT_NE(box, nullptr);
                if (gesture == Gesture::EscapeKey)
                    QTest::keyClick(box->focusWidget(), Qt::Key_Escape);
                else
                    box->close();
                stayedOpen = box->isVisible();
                if (stayedOpen) {
                    EXPECT_EQ(box->focusWidget(), box->defaultButton());
                    QTest::keyClick(box->focusWidget(), Qt::Key_Return);
                }
            });
            const int answer = prompter().ask(QStringLiteral("Question"), QStringLiteral("Sure?"),
                c.buttons, Prompter::Question, c.defaultButton);
            EXPECT_EQ(stayedOpen, c.escapeAnswer == 0);
            EXPECT_EQ(answer, c.escapeAnswer == 0 ? c.enterAnswer : c.escapeAnswer);
        }
    }
}

// A box the program closes itself, as it does when nobody is there to answer,
// gives no button: Unanswered, whatever its buttons.
TEST(MessageBoxPrompter, ABoxTheProgramClosesIsUnanswered)
{
    for (const Prompter::Buttons buttons :
        {Prompter::OkOnly, Prompter::OkCancel, Prompter::YesNoCancel, Prompter::YesNo}) {
        SCOPED_TRACE(buttons);
        QTimer::singleShot(0, [] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            box->hide();
        });
        EXPECT_EQ(prompter().ask(QStringLiteral("Question"), QStringLiteral("Sure?"), buttons),
            Prompter::Unanswered);
    }
}
