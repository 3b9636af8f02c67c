#include "settings/about_window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "settings/app_info.h"
#include "settings/os_version.h"
#include "settings/product_notice.h"
#include "settings/registry_access.h"

namespace vantorelle {

namespace {

QString platformLine(Platform platform)
{
    switch (platform) {
    case Platform::Palm:
        return QStringLiteral("Platform: Windows PC and Palm OS");
    case Platform::WindowsMobile:
        return QStringLiteral("Platform: Windows PC and Windows Mobile");
    case Platform::BlackBerry:
        return QStringLiteral("Platform: Windows PC and Blackberry");
    case Platform::WindowsOnly:
        return QStringLiteral("Platform: Windows PC Only");
    case Platform::None:
        break;
    }
    return QStringLiteral("Platform: Unknown");
}

// The installation's registry values, in the order the text lists them.
struct RegistryLine {
    const char *label;
    RegistryScope root;
    const char *name;
    bool blankAfter;
};

const RegistryLine registryLines[] = {
    {"HKLM\\app_path: ", HKEY_LOCAL_MACHINE, "app_path", false},
    {"HKLM\\install_date: ", HKEY_LOCAL_MACHINE, "install_date", false},
    {"HKLM\\install_type: ", HKEY_LOCAL_MACHINE, "install_type", true},
    {"HKCU\\install_date: ", HKEY_CURRENT_USER, "install_date", false},
    {"HKCU\\install_type: ", HKEY_CURRENT_USER, "install_type", false},
};

QString registryValue(RegistryScope root, const char *name)
{
    return GetRegistryValue(
        root, QLatin1String(VantorelleKey), QLatin1String(name), QStringLiteral("na"))
        .toString();
}

} // namespace

frmAbout::frmAbout(const Installation &installation, QWidget *parent)
    : QDialog(parent)
    , lblTitle(new QLabel(this))
    , txtInfo(new QPlainTextEdit(this))
    , cmdOK(new QPushButton(QStringLiteral("&OK"), this))
    , Label1(new QLabel(QStringLiteral("For technical support, please go to:"), this))
    , Label3(new QLabel(this))
    , lblCopyright(new QLabel(this))
    , Label2(new QLabel(this))
    , Image1(new QLabel(this))
{
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    txtInfo->setReadOnly(true);
    txtInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtInfo->setMinimumSize(420, 240);
    Label2->setWordWrap(true);
    Image1->setPixmap(ProductNotice::logo());

    auto *header = new QHBoxLayout;
    header->addWidget(Image1);
    header->addWidget(lblTitle, 1);
    auto *footer = new QHBoxLayout;
    auto *notices = new QVBoxLayout;
    for (QWidget *w : {Label1, Label3, lblCopyright, Label2})
        notices->addWidget(w);
    footer->addLayout(notices, 1);
    footer->addWidget(cmdOK, 0, Qt::AlignBottom);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(txtInfo, 1);
    layout->addLayout(footer);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    Form_Load(installation);
}

QString frmAbout::InfoText(const Installation &installation)
{
    QStringList lines = {
        QStringLiteral("Application: ") + QString::fromUtf8(AppInfo::title),
        QStringLiteral("Version: ") + QString::fromUtf8(AppInfo::version),
        platformLine(installation.platform),
        QStringLiteral("OS: ") + GetOSVersionName(),
        QString(),
        QStringLiteral("Data Path: ") + installation.dataFolder,
        QStringLiteral("Program Path: ") + installation.programFolder,
        QString(),
    };
    for (const RegistryLine &r : registryLines) {
        lines << QLatin1String(r.label) + registryValue(r.root, r.name);
        if (r.blankAfter)
            lines << QString();
    }
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

void frmAbout::Form_Load(const Installation &installation)
{
    lblCopyright->setText(ProductNotice::copyright());
    Label2->setText(ProductNotice::warning());
    Label3->setText(ProductNotice::webAddress());
    const QString title = QString::fromUtf8(AppInfo::title);
    setWindowTitle(QStringLiteral("About ") + title);
    lblTitle->setText(title);
    // The box shows lines; the text keeps the CR LF ends it is built with.
    txtInfo->setPlainText(
        InfoText(installation).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void frmAbout::cmdOK_Click()
{
    accept();
}

} // namespace vantorelle
