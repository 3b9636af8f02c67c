#include "store/keys.h"

#include "store/memory_table.h"
#include "store/stored_dates.h"

#include <chrono>
#include <cstdio>

namespace vantorelle {

namespace {

std::string twoDigits(int number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", number);
    return text;
}

char cp1252Lower(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<char>(byte + 0x20);
    if (byte == 0x8A || byte == 0x8C || byte == 0x8E)
        return static_cast<char>(byte + 0x10);
    return c;
}

using Part = KeyStep::Part;

KeyRecipe recipe(
    std::vector<KeyStep> steps, std::vector<std::string_view> rekey, bool keyText = true)
{
    return {std::move(steps), keyText, std::move(rekey)};
}

const KeyStep profile {Part::ProfileKey};
const KeyStep clock {Part::Clock};
KeyStep value(std::string_view field)
{
    return {Part::Value, field};
}
KeyStep date(std::string_view field)
{
    return {Part::InvertedDate, field};
}
KeyStep time(std::string_view field)
{
    return {Part::InvertedTime, field};
}

// The recipe of every table, in TableId order.
const std::vector<KeyRecipe> &recipes()
{
    static const std::vector<KeyRecipe> all = {
        recipe({clock}, {}), // MainID
        recipe({value("Last"), value("First"), clock}, {"First", "Last"}), // MainNm
        recipe({profile, value("Company"), value("InsID")}, {"Company"}), // InsXref
        recipe({clock}, {}), // InsID
        recipe({clock}, {}), // ConID
        recipe({profile, value("ConLast"), value("ConFirst"), value("ConID")},
            {"ConFirst", "ConLast"}), // ConXref
        recipe({profile, value("Allergy")}, {"Allergy"}), // Allergy
        recipe({profile, date("Date"), value("Illness")}, {"Illness", "Date"}), // Illness
        recipe({profile, date("Date"), value("Surgery")}, {"Surgery", "Date"}), // Surgery
        recipe({profile, date("Date"), {Part::DefaultedTime, "Time"}, value("ProvID")},
            {"ProvID", "Date", "Time"}), // Appt
        recipe({profile, {Part::ActiveCode, "Active"}, date("Date"), value("Medication"),
                   {Part::ClockMinuteSecond}},
            {"Medication", "Date", "Active"}), // Med
        recipe({profile, value("Vaccination"), date("Date")}, {"Vaccination", "Date"}), // Vacc
        recipe({profile, date("Date"), clock}, {"Test", "Date"}), // Test
        recipe({profile, date("Date"), time("Time"), clock}, {"SBP", "DBP", "Date", "Time"}), // BP
        recipe({profile, date("Date"), time("Time"), clock}, {"Weight", "Date", "Time"}), // Weight
        recipe(
            {profile, date("Date"), time("Time"), clock}, {"Glucose", "Date", "Time"}), // Glucose
        recipe({profile, value("FamLast"), value("FamFirst"), clock},
            {"FamFirst", "FamLast"}), // Family
        recipe({clock}, {}), // PharmID
        recipe({clock}, {}), // ProvID
        recipe({value("Key")}, {"Key"}, false), // Location
        recipe({value("Key")}, {"Key"}, false), // ProvType
        recipe(
            {profile, date("Date"), time("Time"), clock}, {"Total", "LDL", "Date", "Time"}), // Chol
        recipe({}, {}), // Prefs
    };
    return all;
}

} // namespace

std::string clockKey()
{
    return clockKey(Clock::current().now());
}

std::string clockKey(const LocalDateTime &at)
{
    const auto inRange = [](int value, int last) { return value >= 0 && value <= last; };
    if (inRange(at.year, 9999) && inRange(at.month, 99) && inRange(at.day, 99)
        && inRange(at.hour, 99) && inRange(at.minute, 99) && inRange(at.second, 99)) {
        // Written digit by digit: an import builds one of these per reading.
        std::string key(15, 'p');
        const auto put = [&key](std::size_t at, int value, int digits) {
            for (int i = digits - 1; i >= 0; --i, value /= 10)
                key[at + static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
        };
        put(0, at.year, 4);
        put(4, at.month, 2);
        put(6, at.day, 2);
        put(8, at.hour, 2);
        put(10, at.minute, 2);
        put(12, at.second, 2);
        return key;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02dp", at.year, at.month, at.day,
        at.hour, at.minute, at.second);
    return text;
}

LocalDateTime nextSecond(const LocalDateTime &at)
{
    using namespace std::chrono;
    const sys_days day = year_month_day {year {at.year}, month {static_cast<unsigned>(at.month)},
        std::chrono::day {static_cast<unsigned>(at.day)}};
    const sys_seconds moment
        = day + hours {at.hour} + minutes {at.minute} + seconds {at.second + 1};
    const sys_days nextDay = floor<days>(moment);
    const year_month_day ymd {nextDay};
    const hh_mm_ss clock {moment - nextDay};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
        static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(clock.hours().count()),
        static_cast<int>(clock.minutes().count()), static_cast<int>(clock.seconds().count())};
}

std::string invertedDate(std::string_view date)
{
    if (date.empty())
        return "00000000";
    return paddedWholeNumber(99999999.0 - leadingNumber(date), 8);
}

std::string invertedTime(std::string_view time)
{
    if (time.empty())
        return "9999";
    const std::string hourAndMinute = std::string(time.substr(0, 2))
        + std::string(time.size() <= 2 ? time : time.substr(time.size() - 2));
    return paddedWholeNumber(9999.0 - leadingNumber(hourAndMinute), 4);
}

std::string keyTextOf(std::string_view text)
{
    std::string key;
    key.reserve(text.size());
    for (char c : text) {
        if (c != '*' && c != '\'')
            key.push_back(cp1252Lower(c));
    }
    return key;
}

bool KeyRecipe::usesClock() const
{
    for (const KeyStep &step : steps) {
        if (step.part == Part::Clock || step.part == Part::ClockMinuteSecond)
            return true;
    }
    return false;
}

const KeyRecipe &keyRecipe(TableId table)
{
    return recipes()[static_cast<std::size_t>(table)];
}

std::string buildKey(TableId table, std::string_view profileKey, const FieldLookup &values,
    const LocalDateTime &clock)
{
    const KeyRecipe &r = keyRecipe(table);
    std::string key;
    for (const KeyStep &step : r.steps) {
        switch (step.part) {
        case Part::ProfileKey:
            key += profileKey;
            break;
        case Part::Value:
            key += values(step.field);
            break;
        case Part::InvertedDate:
            key += invertedDate(values(step.field));
            break;
        case Part::InvertedTime:
            key += invertedTime(values(step.field));
            break;
        case Part::DefaultedTime: {
            std::string time(values(step.field));
            key += defaultedTime(time);
            break;
        }
        case Part::ActiveCode:
            key += activityCode(values(step.field));
            break;
        case Part::Clock:
            key += clockKey(clock);
            break;
        case Part::ClockMinuteSecond:
            key += twoDigits(clock.minute) + twoDigits(clock.second);
            break;
        }
    }
    if (r.keyText)
        key = keyTextOf(key);
    if (key.size() > maxKeyLength)
        key.resize(maxKeyLength);
    return key;
}

std::string uniqueKey(
    const MemoryTable &rows, TableId table, std::string_view profileKey, const FieldLookup &values)
{
    LocalDateTime clock = Clock::current().now();
    std::string key = buildKey(table, profileKey, values, clock);
    if (!keyRecipe(table).usesClock())
        return key;
    const std::size_t keyColumn = *rows.columnIndex("Key");
    while (rows.containsValue(keyColumn, key)) {
        clock = nextSecond(clock);
        std::string later = buildKey(table, profileKey, values, clock);
        if (later == key)
            break; // the clock part was cut off with an over-long value: nothing to advance
        key = std::move(later);
    }
    return key;
}

} // namespace vantorelle
