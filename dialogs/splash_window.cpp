#include "dialogs/splash_window.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "dialogs/product_notice.h"
#include "settings/app_info.h"

namespace vantorelle {

namespace {

QLabel *label(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen)
    , timer_(new QTimer(this))
{
    auto *title = label(QString::fromUtf8(AppInfo::title), "lblTitle", this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto *warning = label(ProductNotice::warning(), "Label2", this);
    warning->setWordWrap(true);
    auto *logo = label(QString(), "Image1", this);
    logo->setPixmap(ProductNotice::logo());

    auto *text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(label(
        QStringLiteral("Version: ") + QString::fromUtf8(AppInfo::version), "lblVersion", this));
    text->addWidget(label(ProductNotice::copyright(), "lblCopyright", this));
    text->addWidget(warning);
    text->addWidget(
        label(QStringLiteral("For the technical support, please go to:"), "Label1", this));
    text->addWidget(label(ProductNotice::webAddress(), "Label3", this));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(logo, 0, Qt::AlignTop);
    layout->addLayout(text, 1);
    setFixedWidth(480);

    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(1500);
    connect(timer_, &QTimer::timeout, this, &SplashWindow::timerFired);
    timer_->start();
}

void SplashWindow::setShowTime(int milliseconds)
{
    timer_->setInterval(milliseconds);
}

void SplashWindow::waitUntilExpired()
{
    if (expired_)
        return;
    QEventLoop loop;
    connect(this, &SplashWindow::expired, &loop, &QEventLoop::quit);
    loop.exec();
}

void SplashWindow::timerFired()
{
    expired_ = true;
    timer_->stop();
    emit expired();
}

} // namespace vantorelle
