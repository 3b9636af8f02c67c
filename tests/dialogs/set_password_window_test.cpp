#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <array>
#include <string>
#include <vector>

#include "dialogs/set_password_window.h"
#include "support/fake_prompter.h"
#include "support/find_control.h"
#include "support/typed_keys.h"

using namespace vantorelle;

namespace {

using PrefCall = std::array<std::string, 3>;

class ChangePassword : public ::testing::Test {
protected:
    SetPasswordWindow::SetPreference recorder()
    {
        return
            [this](const std::string &key, const std::string &previous, const std::string &value) {
                prefCalls.push_back({key, previous, value});
            };
    }

    FakePrompter prompter;
    std::vector<PrefCall> prefCalls;
};

QLineEdit *currentBox(const SetPasswordWindow &window)
{
    return findControl<QLineEdit>(window, "txtCurrPW");
}

QLineEdit *newBox(const SetPasswordWindow &window, int i)
{
    return findControl<QLineEdit>(window, i == 0 ? "txtNewPW(0)" : "txtNewPW(1)");
}

QPushButton *okButton(const SetPasswordWindow &window)
{
    return findControl<QPushButton>(window, "cmdPasswordOK");
}

const QString mismatchTitle = QStringLiteral("Password Mismatch");
const QString wrongCurrent
    = QStringLiteral("The Current Password is not correct. Please try again.");
const QString noMatch
    = QStringLiteral("New Password and Confirm New do not match. Please try again.");

} // namespace

TEST_F(ChangePassword, OkChecksAndStoresAsTheCasesSay)
{
    const struct {
        const char *name;
        const char *stored, *current, *new0, *new1;
        QString title, message; // the one box shown
        std::vector<PrefCall> prefCalls; // what reached the preferences
        bool closed;
        const char *currentAfter, *new0After, *new1After;
    } cases[] = {
        {"wrong current", "abc", "abd", "x", "x", mismatchTitle, wrongCurrent, {}, false, "", "x",
            "x"},
        {"current differs in case", "abc", "ABC", "x", "x", mismatchTitle, wrongCurrent, {}, false,
            "", "x", "x"},
        {"current typed when none is set", "", "abc", "x", "x", mismatchTitle, wrongCurrent, {},
            false, "", "x", "x"},
        {"new boxes differ", "abc", "abc", "new1", "new2", mismatchTitle, noMatch, {}, false, "abc",
            "", ""},
        {"first password", "", "", "tulip", "tulip", "Password Saved",
            "The new password has been saved.", {{"password", "harvestmoonly", "tulip"}}, true, "",
            "tulip", "tulip"},
        {"changed password", "abc", "abc", "Z\u00fcrich", "Z\u00fcrich", "Password Saved",
            "The new password has been saved.", {{"password", "harvestmoonly", "Z\xfcrich"}}, true,
            "abc", "Z\u00fcrich", "Z\u00fcrich"},
        {"cleared", "abc", "abc", "", "", "Password Cleared", "The password has been CLEARED.",
            {{"password", "harvestmoonly", ""}}, true, "abc", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        prompter.boxes.clear();
        prefCalls.clear();
        SetPasswordWindow window(QString::fromUtf8(c.stored), recorder());
        window.show();
        currentBox(window)->setText(QString::fromUtf8(c.current));
        newBox(window, 0)->setText(QString::fromUtf8(c.new0));
        newBox(window, 1)->setText(QString::fromUtf8(c.new1));
        okButton(window)->click();

        ASSERT_EQ(prompter.boxes.size(), 1);
        EXPECT_EQ(prompter.boxes[0].title, c.title);
        EXPECT_EQ(prompter.boxes[0].text, c.message);
        EXPECT_EQ(prompter.boxes[0].buttons, Prompter::OkOnly);
        EXPECT_EQ(prompter.boxes[0].icon, Prompter::NoIcon);
        EXPECT_EQ(prefCalls, c.prefCalls);
        EXPECT_EQ(window.isVisible(), !c.closed);
        EXPECT_EQ(currentBox(window)->text(), QString::fromUtf8(c.currentAfter));
        EXPECT_EQ(newBox(window, 0)->text(), QString::fromUtf8(c.new0After));
        EXPECT_EQ(newBox(window, 1)->text(), QString::fromUtf8(c.new1After));
    }
}

TEST_F(ChangePassword, MismatchPutsTheFocusBackOnTheFirstNewBox)
{
    SetPasswordWindow window(QString(), recorder());
    window.show();
    window.activateWindow();
    newBox(window, 0)->setText(QStringLiteral("one"));
    newBox(window, 1)->setText(QStringLiteral("two"));
    newBox(window, 1)->setFocus();
    okButton(window)->click();
    EXPECT_EQ(window.focusWidget(), newBox(window, 0));
}

TEST_F(ChangePassword, ATriedWindowStaysUsableForTheNextTry)
{
    SetPasswordWindow window(QStringLiteral("abc"), recorder());
    window.show();
    currentBox(window)->setText(QStringLiteral("nope"));
    newBox(window, 0)->setText(QStringLiteral("pw"));
    newBox(window, 1)->setText(QStringLiteral("pw"));
    okButton(window)->click();
    currentBox(window)->setText(QStringLiteral("abc"));
    okButton(window)->click();

    ASSERT_EQ(prompter.boxes.size(), 2);
    EXPECT_EQ(prompter.boxes[1].title, QStringLiteral("Password Saved"));
    EXPECT_EQ(prefCalls, (std::vector<PrefCall> {{"password", "harvestmoonly", "pw"}}));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ChangePassword, BoxesTakeTwelveMaskedCp1252Characters)
{
    SetPasswordWindow window(QString(), recorder());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Change Password"));
    for (QLineEdit *box : {currentBox(window), newBox(window, 0), newBox(window, 1)}) {
        // Twelve characters also keep the previous value that setPreference is given
        // out of reach, so every new password is stored.
        QTest::keyClicks(box, QStringLiteral("harvestmoonly"));
        EXPECT_EQ(box->text(), QStringLiteral("harvestmoonl"));
        EXPECT_EQ(box->displayText(), QString(12, QLatin1Char('*')));

        // A character cp1252 cannot hold would be stored as "?" and never match.
        box->clear();
        typeKeys(box, QStringLiteral("a\u0142\u20acb"));
        EXPECT_EQ(box->text(), QStringLiteral("a\u20acb"));
    }
}
