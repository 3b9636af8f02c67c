#pragma once

#include "store/clock.h"
#include "store/table_catalog.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

class MemoryTable;

// Record keys order a table ("Key ASC": a profile's rows together, newest
// first), tie a record to its profile (its key begins with the profile key)
// and identify it ("Key = 'k'").

// The clock key "yyyymmddHHmmss" + "p" of the current clock reading, or of `at`.
std::string clockKey();
std::string clockKey(const LocalDateTime &at);
// `at` plus one second, across minute, hour, day, month and year.
LocalDateTime nextSecond(const LocalDateTime &at);
// 99999999 minus a stored date, 8 digits, so later dates sort first; "00000000" for none.
std::string invertedDate(std::string_view date);
// 9999 minus HHmm of a stored time, 4 digits; "9999" for none.
std::string invertedTime(std::string_view time);
// `text` without "*" and "'", lower-cased: ASCII letters and the cp1252 letters
// (0xC0-0xDE but 0xD7; 0x8A, 0x8C, 0x8E).
std::string keyTextOf(std::string_view text);

inline constexpr std::size_t maxKeyLength = 200;

// One part of a key recipe.
struct KeyStep {
    enum class Part {
        ProfileKey, // the profile's Key
        Value, // the record's value of `field`
        InvertedDate, // invertedDate of `field`
        InvertedTime, // invertedTime of `field`
        DefaultedTime, // defaultedTime of `field` (appointments)
        ActiveCode, // activityCode of `field` (medications)
        Clock, // clockKey of the clock reading
        ClockMinuteSecond, // minute and second of the clock reading, two digits each
    };
    Part part;
    std::string_view field = {};
};

// How a table's keys are built, and which values, when changed on save, make
// the record be replaced under a new key.
struct KeyRecipe {
    std::vector<KeyStep> steps;
    bool keyText = true; // the result passes through keyTextOf
    std::vector<std::string_view> rekeyFields;

    bool usesClock() const;
};

const KeyRecipe &keyRecipe(TableId table);

// A record's values by field name, as they are being saved (dates "yyyymmdd",
// times "HH:mm"). Locations and provider types give their name as "Key".
using FieldLookup = std::function<std::string_view(std::string_view field)>;

// The key of a record of `table` by its recipe, with the clock reading `clock`;
// cut to 200 characters (the prefix, and so the order, stay).
std::string buildKey(TableId table, std::string_view profileKey, const FieldLookup &values,
    const LocalDateTime &clock);

// The key for a new row of `rows` (the table `table`): built with the current
// clock reading; a clock-made key that any row already has, tombstones
// included, is built again one second later until it is unique.
std::string uniqueKey(
    const MemoryTable &rows, TableId table, std::string_view profileKey, const FieldLookup &values);

} // namespace vantorelle
