#include "mainwin/picker_date_format.h"

#include "platform/cp1252.h"
#include "platform/date_time_picker.h"
#include "store/display_preferences.h"

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

void applyDatePreferenceToPickers(const DisplayPreferences &preferences)
{
    const DateTimePicker::DateOrder order = pickerOrder(preferences.dateFormat);
    const QString separator = Cp1252::toUnicode(preferences.dateSeparator);
    for (QWidget *widget : QApplication::allWidgets()) {
        auto *picker = qobject_cast<DateTimePicker *>(widget);
        if (picker && picker->mode() == DateTimePicker::Mode::Date)
            picker->setDateFormat(order, separator);
    }
}

} // namespace vantorelle
