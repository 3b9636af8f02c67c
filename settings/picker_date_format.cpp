#include "settings/picker_date_format.h"

#include "store/display_preferences.h"
#include "text/cp1252.h"
#include "widgets/date_time_picker.h"

#include <QApplication>

namespace vantorelle {

namespace {

DateTimePicker::DateOrder pickerOrder(DateFormat format)
{
    switch (format) {
    case DateFormat::DayMonthYear:
        return DateTimePicker::DateOrder::DayMonthYear;
    case DateFormat::YearMonthDay:
        return DateTimePicker::DateOrder::YearMonthDay;
    case DateFormat::MonthDayYear:
        break;
    }
    return DateTimePicker::DateOrder::MonthDayYear;
}

} // namespace

void applyDatePreference(DateTimePicker &picker, const DisplayPreferences &preferences)
{
    if (picker.mode() == DateTimePicker::Mode::Date)
        picker.setDateFormat(
            pickerOrder(preferences.dateFormat), Cp1252::toUnicode(preferences.dateSeparator));
}

void applyDatePreferenceToPickers(const DisplayPreferences &preferences)
{
    for (QWidget *widget : QApplication::allWidgets()) {
        if (auto *picker = qobject_cast<DateTimePicker *>(widget))
            applyDatePreference(*picker, preferences);
    }
}

} // namespace vantorelle
