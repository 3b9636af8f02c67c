#pragma once

#include <string>
#include <string_view>

namespace vantorelle {

// A glucose reading stored in `units`, as the record grid shows it in the
// preferred units: unchanged when the units are the same (exact text), else
// converted by the factor 18 between "mmol/L" and "mg/dL", whole mg/dL or
// mmol/L to one decimal. The number is the leading number of the stored text;
// halves round away from zero.
std::string glucoseInUnits(
    std::string_view glucose, std::string_view units, std::string_view preferredUnits);

} // namespace vantorelle
