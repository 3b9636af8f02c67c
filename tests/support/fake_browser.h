#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

namespace vantorelle {

// Takes the browser's place for http and https addresses opened through
// QDesktopServices, and records them. Installed while it lives.
class FakeBrowser : public QObject {
    Q_OBJECT
public:
    FakeBrowser()
    {
        for (const char *scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~FakeBrowser() override
    {
        for (const char *scheme : {"http", "https"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace vantorelle
