#include "settings/window_placement.h"

#include "settings/settings_access.h"

#include <QWidget>

#include <cmath>
#include <limits>
#include <optional>

namespace vantorelle {

namespace {

// Twips are 1/1440 inch; the settings file counts 15 of them to a pixel (96 dpi),
// so placements already in the file come back where they were.
constexpr int twipsPerPixel = 15;

const char *const placementKeys[] = {"Left", "Top", "Width", "Height"};

// The stored text as a 32-bit number; a half goes to the even neighbour.
std::optional<int> twipsValue(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(rounded);
}

} // namespace

void saveWindowPlacement(QWidget *window, const QString &settingsFile, const SettingsFailure &tell)
{
    if (window->isMinimized())
        return;
    // The frame's position and the inner size: what move() and resize() take back.
    const int pixels[] = {window->x(), window->y(), window->width(), window->height()};
    SettingsValues placement;
    for (int i = 0; i < 4; ++i)
        placement.emplace_back(
            QLatin1String(placementKeys[i]), QString::number(pixels[i] * twipsPerPixel));
    writeSettings(QStringLiteral("Form"), placement, settingsFile, tell);
}

void restoreWindowPlacement(QWidget *window, const QString &settingsFile)
{
    int twips[4];
    for (int i = 0; i < 4; ++i) {
        const auto value = twipsValue(readSetting(
            QStringLiteral("Form"), QLatin1String(placementKeys[i]), QString(), settingsFile));
        if (!value)
            return;
        twips[i] = *value;
    }
    window->move(twips[0] / twipsPerPixel, twips[1] / twipsPerPixel);
    window->resize(twips[2] / twipsPerPixel, twips[3] / twipsPerPixel);
}

} // namespace vantorelle
