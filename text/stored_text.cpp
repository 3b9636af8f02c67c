#include "text/stored_text.h"

#include "text/cp1252.h"

namespace vantorelle {

QString shownText(std::string_view stored)
{
    return Cp1252::toUnicode(QByteArray(stored.data(), qsizetype(stored.size())))
        .replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

std::string storedText(const QString &shown)
{
    return Cp1252::toStdString(QString(shown).replace(u'\n', QLatin1String("\r\n")));
}

QString ownText(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace vantorelle
