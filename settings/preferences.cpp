#include "settings/preferences.h"

#include "text/cp1252.h"

namespace vantorelle {

Preferences::Preferences(QObject *parent)
    : QObject(parent)
{
}

void Preferences::load(const StoredPreferences &stored)
{
    password_ = Cp1252::toUnicode(stored.password);
    setDisplay(DisplayPreferences::from(stored));
}

void Preferences::setDisplay(const DisplayPreferences &display)
{
    if (display == display_)
        return;
    display_ = display;
    emit changed();
}

} // namespace vantorelle
