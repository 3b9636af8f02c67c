#pragma once

#include "store/display_preferences.h"

#include <QObject>
#include <QString>

namespace vantorelle {

// The user's preferences for the whole run: the access password and the
// display preferences. Start-up loads them from the preferences table; the
// preferences window changes the display preferences, which take effect at
// once: whatever shows dates, amounts or glucose readings follows changed().
class Preferences : public QObject {
    Q_OBJECT
public:
    explicit Preferences(QObject *parent = nullptr);

    // Takes the values the preferences table held at start-up.
    void load(const StoredPreferences &stored);

    // The access password loaded at start-up ("" for none); a new one takes
    // effect at the next start.
    const QString &password() const { return password_; }

    const DisplayPreferences &display() const { return display_; }
    // Emits changed() when the values differ from the present ones.
    void setDisplay(const DisplayPreferences &display);

signals:
    void changed();

private:
    QString password_;
    DisplayPreferences display_;
};

} // namespace vantorelle
