#pragma once

#include "store/display_preferences.h"

#include <string>
#include <string_view>

namespace vantorelle {

// Dates are stored as "yyyymmdd" and times as "HH:mm". These procedures turn
// them into display text; none validates its input: malformed text is shown
// as the piece rules make it.

// The decimal number at the start of `text` (blanks before it skipped, a sign
// and a decimal point allowed); 0 when it does not begin with a number.
double leadingNumber(std::string_view text);

// `number` rounded to a whole number (halves away from zero), zero-padded to
// at least `digits` digits; a negative number keeps its sign in front.
std::string paddedWholeNumber(double number, int digits);

// A stored date shown in `format`, its parts joined by `separator`.
std::string formatStoredDate(std::string_view date, DateFormat format, std::string_view separator);

// A stored time on the 12-hour clock: "00:00" gives "12:00 AM", "13:30" "1:30 PM".
std::string twelveHourTime(std::string_view time);

// Age in whole years on today's date (from the clock) of a stored birth date;
// the birthday itself counts. Empty for no date and for age 0.
std::string ageInYears(std::string_view birthDate);

// The medication activity code in its key: "01" when `active` is exactly "No", else "00".
std::string activityCode(std::string_view active);

// An appointment's time as stored and keyed: "00:00" when empty (the caller's
// variable changes too).
std::string defaultedTime(std::string &time);

} // namespace vantorelle
