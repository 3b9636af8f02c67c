#include "dialogs/about_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/os_version.h"
#include "dialogs/product_notice.h"
#include "settings/app_info.h"
#include "settings/registry_access.h"
#include "widgets/tab_order.h"

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
    {"HKLM\\app_path: ", RegistryScope::LocalMachine, "app_path", false},
    {"HKLM\\install_date: ", RegistryScope::LocalMachine, "install_date", false},
    {"HKLM\\install_type: ", RegistryScope::LocalMachine, "install_type", true},
    {"HKCU\\install_date: ", RegistryScope::CurrentUser, "install_date", false},
    {"HKCU\\install_type: ", RegistryScope::CurrentUser, "install_type", false},
};

QString registryValue(RegistryScope root, const char *name)
{
    return readRegistryValue(
        root, QLatin1String(programRegistryKey), QLatin1String(name), QStringLiteral("na"))
        .toString();
}

QLabel *label(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

AboutWindow::AboutWindow(const Installation &installation, QWidget *parent)
    : QDialog(parent)
{
    const QString title = QString::fromUtf8(AppInfo::title);
    setWindowTitle(QStringLiteral("About ") + title);
    auto *titleLabel = label(title, "lblTitle", this);
    QFont titleFont = titleLabel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    titleLabel->setFont(titleFont);
    auto *info = new QPlainTextEdit(this);
    info->setObjectName(QStringLiteral("txtInfo"));
    info->setReadOnly(true);
    info->setLineWrapMode(QPlainTextEdit::NoWrap);
    info->setMinimumSize(420, 240);
    // The box shows lines; the text keeps the CR LF ends it is built with.
    info->setPlainText(
        infoText(installation).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    auto *warning = label(ProductNotice::warning(), "Label2", this);
    warning->setWordWrap(true);
    auto *logo = label(QString(), "Image1", this);
    logo->setPixmap(ProductNotice::logo());
    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));

    auto *header = new QHBoxLayout;
    header->addWidget(logo);
    header->addWidget(titleLabel, 1);
    auto *footer = new QHBoxLayout;
    auto *notices = new QVBoxLayout;
    notices->addWidget(
        label(QStringLiteral("For technical support, please go to:"), "Label1", this));
    notices->addWidget(label(ProductNotice::webAddress(), "Label3", this));
    notices->addWidget(label(ProductNotice::copyright(), "lblCopyright", this));
    notices->addWidget(warning);
    footer->addLayout(notices, 1);
    footer->addWidget(ok, 0, Qt::AlignBottom);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(info, 1);
    layout->addLayout(footer);
    orderTabsByLayout(*this);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString AboutWindow::infoText(const Installation &installation)
{
    QStringList lines = {
        QStringLiteral("Application: ") + QString::fromUtf8(AppInfo::title),
        QStringLiteral("Version: ") + QString::fromUtf8(AppInfo::version),
        platformLine(installation.platform),
        QStringLiteral("OS: ") + osVersionName(),
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

} // namespace vantorelle
