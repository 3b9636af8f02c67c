#include "exchange/reading_import.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace vantorelle {

namespace {

std::optional<std::size_t> fieldNamed(const FieldValues &values, std::string_view name)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i].first == name)
            return i;
    }
    return std::nullopt;
}

// The visible field (row - 1) each column of the file names, by caption; the
// first field of that caption.
std::vector<std::optional<std::size_t>> fieldsOfColumns(
    const FieldTable &fields, const std::vector<std::string> &columns)
{
    std::vector<std::optional<std::size_t>> named;
    for (const std::string &caption : columns) {
        std::optional<std::size_t> field;
        for (int row = 1; row <= fields.visibleCount && !field; ++row) {
            if (fields.row(row).caption == caption)
                field = static_cast<std::size_t>(row - 1);
        }
        named.push_back(field);
    }
    return named;
}

// The size each column is cut to: its field's, 0 for a column not imported.
std::vector<std::size_t> columnSizes(
    const FieldTable &fields, const std::vector<std::optional<std::size_t>> &columnFields)
{
    std::vector<std::size_t> sizes;
    for (const std::optional<std::size_t> &field : columnFields)
        sizes.push_back(field ? static_cast<std::size_t>(fields.rows[*field].size) : 0);
    return sizes;
}

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

} // namespace

ReadingImport::ReadingImport(Store &store, ReadingImportChoices choices, std::string profileKey)
    : choices_(std::move(choices))
    , columnFields_(fieldsOfColumns(*choices_.topic->fields, choices_.columns))
    , parser_(choices_.delimiter, columnSizes(*choices_.topic->fields, columnFields_))
    , batch_(store, choices_.topic->records, std::move(profileKey))
{
    const FieldTable &fields = *choices_.topic->fields;
    for (int row = 1; row <= fields.visibleCount; ++row)
        values_.emplace_back(std::string(fields.row(row).name), std::string());
    dateField_ = fieldNamed(values_, "Date");
    timeField_ = fieldNamed(values_, "Time");
    if (choices_.topic->asksUnits)
        unitsField_ = fieldNamed(values_, "Units");
    for (std::size_t i = 0; i < columnFields_.size(); ++i) {
        const std::optional<std::size_t> &field = columnFields_[i];
        storedColumns_.push_back(field && field != unitsField_
            && std::find(columnFields_.begin() + std::ptrdiff_t(i) + 1, columnFields_.end(), field)
                == columnFields_.end());
    }
}

ReadingImport::LineResult ReadingImport::addLine(
    std::string_view line, const std::vector<std::size_t> &replaced)
{
    const ImportLineParser::Result read = parser_.parse(line);
    if (read == ImportLineParser::Result::Blank)
        return LineResult::Blank;
    ++counted_;
    if (read == ImportLineParser::Result::UnclosedQuote) {
        refusal_ = "A quoted column has no closing quote followed by a comma.";
        return LineResult::Refused;
    }

    for (auto &[name, value] : values_)
        value.clear();
    const std::vector<std::string> &columns = parser_.values();
    for (std::size_t i = 0; i < columnFields_.size(); ++i) {
        if (columnFields_[i])
            values_[*columnFields_[i]].second = columns[i];
    }
    if (unitsField_)
        values_[*unitsField_].second = choices_.units;

    if (!dateField_ || values_[*dateField_].second.empty())
        return LineResult::NoDate;
    std::string &date = values_[*dateField_].second;
    const std::optional<std::string> storedDate = importDate(date, choices_.dateOrder);
    if (!storedDate) {
        refusal_ = "The date " + quoted(date) + " is not a date in the chosen format.";
        return LineResult::Refused;
    }
    if (timeField_) {
        std::string &time = values_[*timeField_].second;
        const std::optional<std::string> storedTime = importTime(time);
        if (!storedTime) {
            refusal_ = "The time " + quoted(time) + " is not a time of day.";
            return LineResult::Refused;
        }
        time = *storedTime;
    }
    date = *storedDate;
    batch_.add(values_);
    return storesAnyOf(replaced) ? LineResult::AddedWithReplacements : LineResult::Added;
}

bool ReadingImport::storesAnyOf(const std::vector<std::size_t> &replaced) const
{
    const std::vector<ImportLineParser::Source> &sources = parser_.sources();
    for (std::size_t i = 0; i < storedColumns_.size() && !replaced.empty(); ++i) {
        if (!storedColumns_[i])
            continue;
        const auto first = std::lower_bound(replaced.begin(), replaced.end(), sources[i].begin);
        if (first != replaced.end() && *first < sources[i].end)
            return true;
    }
    return false;
}

} // namespace vantorelle
