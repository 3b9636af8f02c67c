#include <gtest/gtest.h>

#include <QTest>

#include <array>
#include <string>
#include <vector>

#include "settings/set_password_window.h"
#include "support/fake_prompter.h"

using namespace vantorelle;

namespace {

using PrefCall = std::array<std::string, 3>;

class ChangePassword : public ::testing::Test {
protected:
    frmSetPassword::SetPrefFunction recorder()
    {
        return
            [this](const std::string &key, const std::string &previous, const std::string &value) {
                prefCalls.push_back({key, previous, value});
            };
    }

    FakePrompter prompter;
    std::vector<PrefCall> prefCalls;
};

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
        frmSetPassword window(QString::fromUtf8(c.stored), recorder());
        window.show();
        window.txtCurrPW->setText(QString::fromUtf8(c.current));
        window.txtNewPW[0]->setText(QString::fromUtf8(c.new0));
        window.txtNewPW[1]->setText(QString::fromUtf8(c.new1));
        window.cmdPasswordOK->click();

        ASSERT_EQ(prompter.boxes.size(), 1);
        EXPECT_EQ(prompter.boxes[0].title, c.title);
        EXPECT_EQ(prompter.boxes[0].text, c.message);
        EXPECT_EQ(prompter.boxes[0].buttons, Prompter::OkOnly);
        EXPECT_EQ(prompter.boxes[0].icon, Prompter::NoIcon);
        EXPECT_EQ(prefCalls, c.prefCalls);
        EXPECT_EQ(window.isVisible(), !c.closed);
        EXPECT_EQ(window.txtCurrPW->text(), QString::fromUtf8(c.currentAfter));
        EXPECT_EQ(window.txtNewPW[0]->text(), QString::fromUtf8(c.new0After));
        EXPECT_EQ(window.txtNewPW[1]->text(), QString::fromUtf8(c.new1After));
    }
}

TEST_F(ChangePassword, MismatchPutsTheFocusBackOnTheFirstNewBox)
{
    frmSetPassword window(QString(), recorder());
    window.show();
    window.activateWindow();
    window.txtNewPW[0]->setText(QStringLiteral("one"));
    window.txtNewPW[1]->setText(QStringLiteral("two"));
    window.txtNewPW[1]->setFocus();
    window.cmdPasswordOK->click();
    EXPECT_EQ(window.focusWidget(), window.txtNewPW[0]);
}

TEST_F(ChangePassword, ATriedWindowStaysUsableForTheNextTry)
{
    frmSetPassword window(QStringLiteral("abc"), recorder());
    window.show();
    window.txtCurrPW->setText(QStringLiteral("nope"));
    window.txtNewPW[0]->setText(QStringLiteral("pw"));
    window.txtNewPW[1]->setText(QStringLiteral("pw"));
    window.cmdPasswordOK->click();
    window.txtCurrPW->setText(QStringLiteral("abc"));
    window.cmdPasswordOK->click();

    ASSERT_EQ(prompter.boxes.size(), 2);
    EXPECT_EQ(prompter.boxes[1].title, QStringLiteral("Password Saved"));
    EXPECT_EQ(prefCalls, (std::vector<PrefCall> {{"password", "harvestmoonly", "pw"}}));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ChangePassword, BoxesTakeTwelveMaskedCp1252Characters)
{
    frmSetPassword window(QString(), recorder());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Change Password"));
    for (QLineEdit *box : {window.txtCurrPW, window.txtNewPW[0], window.txtNewPW[1]}) {
        // Twelve characters also keep the previous value that SetPref is given
        // out of reach, so every new password is stored.
        QTest::keyClicks(box, QStringLiteral("harvestmoonly"));
        EXPECT_EQ(box->text(), QStringLiteral("harvestmoonl"));
        EXPECT_EQ(box->displayText(), QString(12, QLatin1Char('*')));

        // A character cp1252 cannot hold would be stored as "?" and never match.
        box->clear();
        for (const QChar ch : QStringLiteral("a\u0142\u20acb")) // keyClicks takes ASCII only
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        EXPECT_EQ(box->text(), QStringLiteral("a\u20acb"));
    }
}
