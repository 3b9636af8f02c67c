#include "store/stored_dates.h"

#include "store/clock.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vantorelle {

namespace {

std::string_view left(std::string_view text, std::size_t count)
{
    return text.substr(0, count);
}

std::string_view right(std::string_view text, std::size_t count)
{
    return text.size() <= count ? text : text.substr(text.size() - count);
}

// Characters from the fifth on, two of them (the month of a stored date).
std::string_view middle(std::string_view text)
{
    return text.size() <= 4 ? std::string_view() : text.substr(4, 2);
}

long long wholeNumber(double number)
{
    return std::llround(number);
}

} // namespace

double leadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number.push_back(text[i++]);
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point)
            point = true;
        else if (c < '0' || c > '9')
            break;
        number.push_back(c);
    }
    return std::strtod(number.c_str(), nullptr); // "", "-" and "." give 0
}

std::string paddedWholeNumber(double number, int digits)
{
    // Kept as a double: a stored "date" of twenty digits must not overflow an integer.
    const double whole = std::round(number);
    char magnitude[400]; // every finite double fits
    std::string text;
    if (std::fabs(whole) < 1e15) {
        // Exact as an integer, and far cheaper to write: keys are built from these.
        const auto end = std::to_chars(
            magnitude, magnitude + sizeof magnitude, static_cast<long long>(std::fabs(whole)));
        text.assign(magnitude, end.ptr);
    } else {
        std::snprintf(magnitude, sizeof magnitude, "%.0f", std::fabs(whole));
        text = magnitude;
    }
    if (static_cast<int>(text.size()) < digits)
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    return whole < 0 ? "-" + text : text;
}

std::string formatStoredDate(std::string_view date, DateFormat format, std::string_view separator)
{
    if (date.empty())
        return {};
    const std::string year(left(date, 4));
    const std::string month(middle(date));
    const std::string day(right(date, 2));
    const std::string sep(separator);
    switch (format) {
    case DateFormat::DayMonthYear:
        return day + sep + month + sep + year;
    case DateFormat::YearMonthDay:
        return year + sep + month + sep + day;
    case DateFormat::MonthDayYear:
        break;
    }
    return month + sep + day + sep + year;
}

std::string twelveHourTime(std::string_view time)
{
    if (time.empty())
        return {};
    const long long hour = wholeNumber(leadingNumber(left(time, 2)));
    const std::string rest(right(time, 3));
    if (hour == 12)
        return "12" + rest + " PM";
    if (hour > 12)
        return std::to_string(hour - 12) + rest + " PM";
    if (hour < 1)
        return "12" + rest + " AM";
    return std::to_string(hour) + rest + " AM";
}

std::string ageInYears(std::string_view birthDate)
{
    if (birthDate.empty())
        return {};
    const long long day = wholeNumber(leadingNumber(right(birthDate, 2)));
    const long long year = wholeNumber(leadingNumber(left(birthDate, 4)));
    const long long month = wholeNumber(leadingNumber(middle(birthDate)));
    const LocalDateTime today = Clock::current().now();
    long long age = today.year - year - 1;
    if (today.month > month || (today.month == month && today.day >= day))
        ++age;
    return age == 0 ? std::string() : std::to_string(age);
}

std::string activityCode(std::string_view active)
{
    return active == "No" ? "01" : "00";
}

std::string defaultedTime(std::string &time)
{
    if (time.empty())
        time = "00:00";
    return time;
}

} // namespace vantorelle
