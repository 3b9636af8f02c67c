#include "platform/web_page.h"

#include "platform/prompter.h"

#include <QDesktopServices>
#include <QUrl>

namespace vantorelle {

void openWebPage(const QString &address, const QString &title)
{
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid() || address.trimmed().isEmpty())
        prompter().ask(title, QStringLiteral("Web Page not Opened"));
    else if (!QDesktopServices::openUrl(url))
        prompter().ask(title, QStringLiteral("Could not find a browser"));
}

} // namespace vantorelle
