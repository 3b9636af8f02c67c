#include "exchange/import_dates.h"

#include <algorithm>
#include <array>

namespace vantorelle {

namespace {

constexpr std::string_view blanks = " \t";

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number written by `text` when it is `minDigits` to `maxDigits` digits
// and nothing else; -1 otherwise.
int digitsValue(std::string_view text, std::size_t minDigits, std::size_t maxDigits)
{
    if (text.size() < minDigits || text.size() > maxDigits)
        return -1;
    int value = 0;
    for (char c : text) {
        if (!isDigit(c))
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[static_cast<std::size_t>(month - 1)];
}

void appendTwoDigits(std::string &out, int value)
{
    out.push_back(static_cast<char>('0' + value / 10));
    out.push_back(static_cast<char>('0' + value % 10));
}

// "AM" or "PM" in any case: 0 for AM, 12 for PM, -1 for anything else.
int meridiemOffset(std::string_view text)
{
    if (text.size() != 2 || (text[1] != 'M' && text[1] != 'm'))
        return -1;
    if (text[0] == 'A' || text[0] == 'a')
        return 0;
    if (text[0] == 'P' || text[0] == 'p')
        return 12;
    return -1;
}

} // namespace

std::optional<std::string> importDate(std::string_view text, ImportDateOrder order)
{
    const std::string_view date = trimmed(text);
    const std::size_t firstSlash = date.find('/');
    if (firstSlash == std::string_view::npos)
        return std::nullopt;
    const std::size_t secondSlash = date.find('/', firstSlash + 1);
    if (secondSlash == std::string_view::npos)
        return std::nullopt;
    const int first = digitsValue(date.substr(0, firstSlash), 1, 2);
    const int second = digitsValue(date.substr(firstSlash + 1, secondSlash - firstSlash - 1), 1, 2);
    const int year = digitsValue(date.substr(secondSlash + 1), 4, 4);
    const bool monthFirst = order == ImportDateOrder::MonthDayYear;
    const int month = monthFirst ? first : second;
    const int day = monthFirst ? second : first;
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return std::nullopt;
    std::string stored(date.substr(secondSlash + 1));
    appendTwoDigits(stored, month);
    appendTwoDigits(stored, day);
    return stored;
}

std::optional<std::string> importTime(std::string_view text)
{
    std::string_view clock = trimmed(text);
    if (clock.empty())
        return std::string();
    int offset = -1; // no AM/PM
    if (clock.size() > 2) {
        offset = meridiemOffset(clock.substr(clock.size() - 2));
        if (offset >= 0)
            clock = trimmed(clock.substr(0, clock.size() - 2));
    }
    const std::size_t colon = clock.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    int hour = digitsValue(clock.substr(0, colon), 1, 2);
    const std::string_view afterHour = clock.substr(colon + 1);
    const int minute = digitsValue(afterHour.substr(0, 2), 2, 2);
    const std::string_view seconds = afterHour.substr(std::min(afterHour.size(), std::size_t(2)));
    if (!seconds.empty()) {
        const int second = seconds.front() == ':' ? digitsValue(seconds.substr(1), 2, 2) : -1;
        if (second < 0 || second > 59)
            return std::nullopt;
    }
    if (hour < 0 || minute < 0 || minute > 59)
        return std::nullopt;
    if (offset >= 0) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + offset;
    } else if (hour > 23) {
        return std::nullopt;
    }
    std::string stored;
    appendTwoDigits(stored, hour);
    stored.push_back(':');
    appendTwoDigits(stored, minute);
    return stored;
}

} // namespace vantorelle
