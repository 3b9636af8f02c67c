#include "dialogs/password_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "settings/app_info.h"
#include "widgets/accessible_caption.h"
#include "widgets/tab_order.h"
#include "widgets/typing_limit.h"

namespace vantorelle {

PasswordWindow::PasswordWindow(QWidget *parent)
    : QDialog(parent)
    , password_(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Input Password"));
    auto *text = new QLabel(QString::fromUtf8(AppInfo::title)
            + QStringLiteral(" has been password protected. Please enter the correct password:"),
        this);
    text->setObjectName(QStringLiteral("lblText"));
    text->setWordWrap(true);
    password_->setObjectName(QStringLiteral("txtPassword"));
    password_->setEchoMode(QLineEdit::Password);
    // No size: a password stored before may be longer than one set now.
    TypingLimit::of(password_);
    password_->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdSave"));
    ok->setToolTip(QStringLiteral("Save Changes"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(text, 0, 0, 1, 3);
    auto *caption = new QLabel(QStringLiteral("Password:"), this);
    layout->addWidget(caption, 1, 0);
    layout->addWidget(password_, 1, 1);
    captionControl(*caption, *password_);
    layout->addWidget(ok, 1, 2);
    orderTabsByLayout(*this);

    connect(password_, &QLineEdit::returnPressed, this, &PasswordWindow::submit);
    connect(ok, &QPushButton::clicked, this, &PasswordWindow::submit);
}

void PasswordWindow::submit()
{
    typed_ = password_->text();
    accept();
}

} // namespace vantorelle
