#include "mainwin/picker_date_format.h"

#include "platform/cp1252.h"
#include "platform/date_time_picker.h"
#include "store/preference_globals.h"

#include <QApplication>

void applyDatePreferenceToPickers(const PreferenceGlobals &preferences)
{
    // The same words the viewer's dates go by; any other shows month, day, year.
    using Order = DateTimePicker::DateOrder;
    const Order order = preferences.DateFormat == "ddmmyyyy" ? Order::DayMonthYear
        : preferences.DateFormat == "yyyymmdd"               ? Order::YearMonthDay
                                                             : Order::MonthDayYear;
    const QString separator = Cp1252::toUnicode(preferences.DateSep);
    for (QWidget *widget : QApplication::allWidgets()) {
        auto *picker = qobject_cast<DateTimePicker *>(widget);
        if (picker && picker->mode() == DateTimePicker::Mode::Date)
            picker->setDateFormat(order, separator);
    }
}
