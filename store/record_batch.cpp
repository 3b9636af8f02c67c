#include "store/record_batch.h"

#include "store/keys.h"
#include "store/memory_table.h"
#include "store/record_status.h"
#include "store/store.h"
#include "store/table_error.h"

#include <algorithm>
#include <tuple>

namespace vantorelle {

namespace {

constexpr std::size_t keyColumn = 2;

bool before(const LocalDateTime &a, const LocalDateTime &b)
{
    return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second)
        < std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
}

} // namespace

RecordBatch::RecordBatch(Store &store, TableId table, std::string profileKey)
    : rows_(store.table(table))
    , table_(table)
    , profileKey_(std::move(profileKey))
{
    std::string prefix = keyTextOf(profileKey_);
    if (prefix.size() > maxKeyLength)
        prefix.resize(maxKeyLength);
    for (std::string &key : rows_.valuesStartingWith(keyColumn, prefix))
        taken_.insert(std::move(key));
}

RecordBatch::~RecordBatch()
{
    finish();
}

void RecordBatch::add(const FieldValues &values)
{
    for (const auto &[name, value] : values) {
        if (!rows_.accepts(rows_.requireColumn(name), value))
            throw TableError(TableError::ValueRefused,
                "Multiple-step operation generated errors. Check each status value. (" + name
                    + ")");
    }
    const std::string key = newKey(values);
    rows_.addNew();
    rows_.setValueAsRead(0, newRecordId);
    rows_.setValueAsRead(1, RecordStatus::added);
    rows_.setValueAsRead(keyColumn, key);
    for (const auto &[name, value] : values)
        rows_.setValue(name, value);
    rows_.update();
    ++added_;
}

std::string RecordBatch::newKey(const FieldValues &values)
{
    const FieldLookup lookup = [&values](std::string_view field) -> std::string_view {
        for (const auto &[name, value] : values) {
            if (sameColumnName(name, field))
                return value;
        }
        return {};
    };
    const KeyRecipe &recipe = keyRecipe(table_);
    LocalDateTime clock = Clock::current().now();
    if (!recipe.usesClock())
        return buildKey(table_, profileKey_, lookup, clock);

    // Records whose key values are alike differ only by the clock part.
    std::string alike;
    for (const KeyStep &step : recipe.steps) {
        alike += lookup(step.field);
        alike.push_back('\0');
    }
    auto last = lastClock_.find(alike);
    if (last != lastClock_.end() && !before(last->second, clock))
        clock = nextSecond(last->second);
    std::string key = buildKey(table_, profileKey_, lookup, clock);
    while (taken_.contains(key)) {
        clock = nextSecond(clock);
        std::string later = buildKey(table_, profileKey_, lookup, clock);
        if (later == key)
            break; // the clock part was cut off with an over-long value: nothing to advance
        key = std::move(later);
    }
    if (last != lastClock_.end())
        last->second = clock;
    else
        lastClock_.emplace(std::move(alike), clock);
    taken_.insert(key);
    return key;
}

void RecordBatch::finish()
{
    if (finished_)
        return;
    finished_ = true;
    rows_.setFilter(rows_.filter());
}

} // namespace vantorelle
