#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace vantorelle {

// Takes the browser's place for the addresses of `schemes` (http and https
// unless told) opened through QDesktopServices, and records them. Installed
// while it lives.
class FakeBrowser : public QObject {
    Q_OBJECT
public:
    explicit FakeBrowser(QStringList schemes = {QStringLiteral("http"), QStringLiteral("https")})
        : schemes_(std::move(schemes))
    {
        for (const QString &scheme : schemes_)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~FakeBrowser() override
    {
        for (const QString &scheme : schemes_)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }

private:
    QStringList schemes_;
};

} // namespace vantorelle
