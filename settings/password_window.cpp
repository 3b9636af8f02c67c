#include "settings/password_window.h"

#include <QGridLayout>

#include "settings/app_info.h"

namespace vantorelle {

frmPassword::frmPassword(QWidget *parent)
    : QDialog(parent)
    , lblText(new QLabel(this))
    , txtPassword(new QLineEdit(this))
    , cmdSave(new QPushButton(QStringLiteral("&OK"), this))
{
    setWindowTitle(QStringLiteral("Input Password"));
    lblText->setWordWrap(true);
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    cmdSave->setToolTip(QStringLiteral("Save Changes"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(lblText, 0, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Password:"), this), 1, 0);
    layout->addWidget(txtPassword, 1, 1);
    layout->addWidget(cmdSave, 1, 2);

    connect(txtPassword, &QLineEdit::returnPressed, this, &frmPassword::cmdSave_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmPassword::cmdSave_Click);
    Form_Load();
}

void frmPassword::Form_Load()
{
    lblText->setText(QString::fromUtf8(AppInfo::title)
        + QStringLiteral(" has been password protected. Please enter the correct password:"));
}

void frmPassword::cmdSave_Click()
{
    typed_ = txtPassword->text();
    accept();
}

} // namespace vantorelle
