#include "store/glucose_units.h"

#include "store/stored_dates.h"

#include <cmath>
#include <cstdio>

namespace vantorelle {

namespace {

constexpr double mgPerMmol = 18;

std::string oneDecimal(double number)
{
    double tenths = std::round(number * 10);
    if (tenths == 0)
        tenths = 0; // no "-0.0"
    char text[400]; // room for the largest double
    std::snprintf(text, sizeof text, "%.1f", tenths / 10);
    return text;
}

} // namespace

std::string glucoseInUnits(
    std::string_view glucose, std::string_view units, std::string_view preferredUnits)
{
    if (units == preferredUnits)
        return std::string(glucose);
    const double value = leadingNumber(glucose);
    if (units == "mmol/L")
        return paddedWholeNumber(value * mgPerMmol, 1);
    return oneDecimal(value / mgPerMmol);
}

} // namespace vantorelle
