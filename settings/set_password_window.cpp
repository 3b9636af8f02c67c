#include "settings/set_password_window.h"

#include <QGridLayout>
#include <QValidator>

#include "platform/cp1252.h"
#include "platform/prompter.h"

namespace vantorelle {

namespace {

// The password is stored in cp1252, so only characters that survive the trip
// may be typed; another would be stored as "?" and never match again.
class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return Cp1252::canEncode(input) ? Acceptable : Invalid;
    }
};

} // namespace

frmSetPassword::frmSetPassword(
    const QString &currentPassword, SetPrefFunction setPref, QWidget *parent)
    : QDialog(parent)
    , txtCurrPW(new QLineEdit(this))
    , txtNewPW {new QLineEdit(this), new QLineEdit(this)}
    , cmdPasswordOK(new QPushButton(QStringLiteral("&OK"), this))
    , currentPassword_(currentPassword)
    , SetPref(std::move(setPref))
{
    setWindowTitle(QStringLiteral("Change Password"));
    auto *validator = new Cp1252Validator(this);
    for (QLineEdit *box : {txtCurrPW, txtNewPW[0], txtNewPW[1]}) {
        box->setEchoMode(QLineEdit::Password);
        box->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
        box->setMaxLength(12);
        box->setValidator(validator);
    }
    cmdPasswordOK->setToolTip(QStringLiteral("Select another record"));

    auto *explanation = new QLabel(
        QStringLiteral("If your password is blank, enter a new password in the text boxes to "
                       "create a password.  If you want to change the password from what it is "
                       "now, first enter the current password, then enter the new password."),
        this);
    explanation->setWordWrap(true);

    auto *layout = new QGridLayout(this);
    layout->addWidget(explanation, 0, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Current Password:"), this), 1, 0);
    layout->addWidget(txtCurrPW, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("New Password:"), this), 2, 0);
    layout->addWidget(txtNewPW[0], 2, 1);
    layout->addWidget(new QLabel(QStringLiteral("Retype Password:"), this), 3, 0);
    layout->addWidget(txtNewPW[1], 3, 1);
    layout->addWidget(cmdPasswordOK, 4, 1, Qt::AlignRight);

    connect(cmdPasswordOK, &QPushButton::clicked, this, &frmSetPassword::cmdPasswordOK_Click);
}

void frmSetPassword::cmdPasswordOK_Click()
{
    const QString mismatch = QStringLiteral("Password Mismatch");
    if (txtCurrPW->text() != currentPassword_) {
        prompter().ask(
            mismatch, QStringLiteral("The Current Password is not correct. Please try again."));
        txtCurrPW->clear();
        return;
    }
    if (txtNewPW[0]->text() != txtNewPW[1]->text()) {
        prompter().ask(mismatch,
            QStringLiteral("New Password and Confirm New do not match. Please try again."));
        txtNewPW[0]->clear();
        txtNewPW[1]->clear();
        txtNewPW[0]->setFocus();
        return;
    }

    // The previous value is longer than a password may be, so every new
    // password, the empty one included, is stored.
    const QString newPassword = txtNewPW[1]->text();
    SetPref("password", "harvestmoonly", Cp1252::toStdString(newPassword));
    if (newPassword.isEmpty())
        prompter().ask(
            QStringLiteral("Password Cleared"), QStringLiteral("The password has been CLEARED."));
    else
        prompter().ask(
            QStringLiteral("Password Saved"), QStringLiteral("The new password has been saved."));
    accept();
}

} // namespace vantorelle
