#pragma once

#include <string>

// The preference values the whole program reads while it runs, set at start-up
// from the preferences table over their built-in defaults, and again by the
// preferences dialog.
struct PreferenceGlobals {
    std::string StoredPassword;
    std::string CurrencySymbol = "$";
    std::string DateFormat = "mmddyyyy";
    std::string DateSep = "/";
    std::string GlucoseUnits = "mg/dL";
};

// The one set of preference globals of the process.
PreferenceGlobals &preferenceGlobals();
