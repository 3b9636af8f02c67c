#include "dialogs/set_password_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/prompter.h"
#include "text/cp1252.h"
#include "widgets/accessible_caption.h"
#include "widgets/tab_order.h"
#include "widgets/typing_limit.h"

#include <utility>

namespace vantorelle {

SetPasswordWindow::SetPasswordWindow(
    const QString &currentPassword, SetPreference setPreference, QWidget *parent)
    : QDialog(parent)
    , current_(new QLineEdit(this))
    , new_ {new QLineEdit(this), new QLineEdit(this)}
    , currentPassword_(currentPassword)
    , setPreference_(std::move(setPreference))
{
    setWindowTitle(QStringLiteral("Change Password"));
    current_->setObjectName(QStringLiteral("txtCurrPW"));
    new_[0]->setObjectName(QStringLiteral("txtNewPW(0)"));
    new_[1]->setObjectName(QStringLiteral("txtNewPW(1)"));
    for (QLineEdit *box : {current_, new_[0], new_[1]}) {
        box->setEchoMode(QLineEdit::Password);
        box->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
        // The password is stored in cp1252: another character would be
        // stored as "?" and never match again.
        TypingLimit::of(box)->setLimit(12);
    }
    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdPasswordOK"));
    ok->setToolTip(QStringLiteral("Select another record"));

    auto *explanation = new QLabel(
        QStringLiteral("If your password is blank, enter a new password in the text boxes to "
                       "create a password.  If you want to change the password from what it is "
                       "now, first enter the current password, then enter the new password."),
        this);
    explanation->setWordWrap(true);

    auto *layout = new QGridLayout(this);
    layout->addWidget(explanation, 0, 0, 1, 2);
    const std::pair<QString, QLineEdit *> rows[] = {{QStringLiteral("Current Password:"), current_},
        {QStringLiteral("New Password:"), new_[0]}, {QStringLiteral("Retype Password:"), new_[1]}};
    int row = 1;
    for (const auto &[text, box] : rows) {
        auto *caption = new QLabel(text, this);
        layout->addWidget(caption, row, 0);
        layout->addWidget(box, row++, 1);
        captionControl(*caption, *box);
    }
    layout->addWidget(ok, 4, 1, Qt::AlignRight);
    orderTabsByLayout(*this);

    connect(ok, &QPushButton::clicked, this, &SetPasswordWindow::submit);
}

void SetPasswordWindow::submit()
{
    const QString mismatch = QStringLiteral("Password Mismatch");
    if (current_->text() != currentPassword_) {
        prompter().ask(
            mismatch, QStringLiteral("The Current Password is not correct. Please try again."));
        current_->clear();
        return;
    }
    if (new_[0]->text() != new_[1]->text()) {
        prompter().ask(mismatch,
            QStringLiteral("New Password and Confirm New do not match. Please try again."));
        new_[0]->clear();
        new_[1]->clear();
        new_[0]->setFocus();
        return;
    }

    // The previous value is longer than a password may be, so every new
    // password, the empty one included, is stored.
    const QString newPassword = new_[1]->text();
    setPreference_("password", "harvestmoonly", Cp1252::toStdString(newPassword));
    if (newPassword.isEmpty())
        prompter().ask(
            QStringLiteral("Password Cleared"), QStringLiteral("The password has been CLEARED."));
    else
        prompter().ask(
            QStringLiteral("Password Saved"), QStringLiteral("The new password has been saved."));
    accept();
}

} // namespace vantorelle
