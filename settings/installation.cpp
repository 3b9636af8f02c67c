#include "settings/installation.h"

#include <array>
#include <utility>

namespace vantorelle {

namespace {

constexpr std::array<std::pair<Platform, const char *>, 4> names = {{
    {Platform::Palm, "Palm"},
    {Platform::WindowsMobile, "WM"},
    {Platform::BlackBerry, "BB"},
    {Platform::WindowsOnly, "Win"},
}};

} // namespace

QString platformName(Platform platform)
{
    for (const auto &[named, name] : names) {
        if (named == platform)
            return QLatin1String(name);
    }
    return QString();
}

Platform platformNamed(const QString &name)
{
    for (const auto &[platform, text] : names) {
        if (name == QLatin1String(text))
            return platform;
    }
    return Platform::None;
}

} // namespace vantorelle
