#include "store/glucose_units.h"

#include <gtest/gtest.h>

using namespace vantorelle;

TEST(GlucoseUnits, ShowsReadingsInThePreferredUnits)
{
    const struct {
        const char *glucose, *units, *preferred, *shown;
    } cases[] = {
        // the preferred units: the stored text, unrounded
        {"99", "mg/dL", "mg/dL", "99"},
        {"5.55", "mmol/L", "mmol/L", "5.55"},
        {"abc", "mg/dL", "mg/dL", "abc"},
        // mmol/L to mg/dL: times 18, whole
        {"5.5", "mmol/L", "mg/dL", "99"},
        {"6.25", "mmol/L", "mg/dL", "113"}, // 112.5 rounds up
        {"7 mmol", "mmol/L", "mg/dL", "126"},
        {"", "mmol/L", "mg/dL", "0"},
        // anything else to mmol/L: divided by 18, one decimal
        {"99", "mg/dL", "mmol/L", "5.5"},
        {"100", "mg/dL", "mmol/L", "5.6"},
        {"9", "mg/dL", "mmol/L", "0.5"},
        {"99", "", "mmol/L", "5.5"},
        {"99", "MG/DL", "mg/dL", "5.5"}, // units compare exactly
        {"x", "mg/dL", "mmol/L", "0.0"},
        {"-0.5", "mg/dL", "mmol/L", "0.0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(glucoseInUnits(c.glucose, c.units, c.preferred), c.shown)
            << c.glucose << " " << c.units << " -> " << c.preferred;
}
