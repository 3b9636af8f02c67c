#include "settings/splash_window.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "settings/app_info.h"
#include "settings/product_notice.h"

namespace vantorelle {

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen)
    , lblTitle(new QLabel(QString::fromUtf8(AppInfo::title), this))
    , lblVersion(new QLabel(this))
    , lblCopyright(new QLabel(this))
    , Label2(new QLabel(this))
    , Label1(new QLabel(QStringLiteral("For the technical support, please go to:"), this))
    , Label3(new QLabel(this))
    , Image1(new QLabel(this))
    , Timer1(new QTimer(this))
{
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    Label2->setWordWrap(true);
    Image1->setPixmap(ProductNotice::logo());

    auto *text = new QVBoxLayout;
    for (QWidget *w : {lblTitle, lblVersion, lblCopyright, Label2, Label1, Label3})
        text->addWidget(w);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(Image1, 0, Qt::AlignTop);
    layout->addLayout(text, 1);
    setFixedWidth(480);

    Timer1->setInterval(1500);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Form_Load();
}

void frmSplash::waitUntilExpired()
{
    if (!tag.isEmpty())
        return;
    QEventLoop loop;
    connect(this, &frmSplash::expired, &loop, &QEventLoop::quit);
    loop.exec();
}

void frmSplash::Form_Load()
{
    lblVersion->setText(QStringLiteral("Version: ") + QString::fromUtf8(AppInfo::version));
    lblCopyright->setText(ProductNotice::copyright());
    Label2->setText(ProductNotice::warning());
    Label3->setText(ProductNotice::webAddress());
    Timer1->start();
}

void frmSplash::Timer1_Timer()
{
    tag = QStringLiteral("expired");
    Timer1->stop();
    emit expired();
}

} // namespace vantorelle
