#include "reports/preferred_date_format.h"

#include "platform/cp1252.h"
#include "platform/date_time_picker.h"
#include "store/display_preferences.h"

namespace vantorelle {

void showPreferredDateFormat(DateTimePicker &picker, const DisplayPreferences &display)
{
    DateTimePicker::DateOrder order = DateTimePicker::DateOrder::MonthDayYear;
    switch (display.dateFormat) {
    case DateFormat::DayMonthYear:
        order = DateTimePicker::DateOrder::DayMonthYear;
        break;
    case DateFormat::YearMonthDay:
        order = DateTimePicker::DateOrder::YearMonthDay;
        break;
    case DateFormat::MonthDayYear:
        break;
    }
    picker.setDateFormat(order, Cp1252::toUnicode(display.dateSeparator));
}

} // namespace vantorelle
