#pragma once

struct PreferenceGlobals;

// Shows the dates of every date picker open in the program in the order and
// with the separator of the date preference. Called once the preferences are
// read at start-up and again whenever the user changes them.
void applyDatePreferenceToPickers(const PreferenceGlobals &preferences);
