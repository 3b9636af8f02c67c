#include "documents/rtf_field.h"

#include <gtest/gtest.h>

using namespace vantorelle;

TEST(RtfField, MakesOneBoldLabelLine)
{
    EXPECT_EQ(rtfField("Allergy", "Peanuts"), "\\b Allergy:\\b0\\tab Peanuts\\line");
}

TEST(RtfField, EmptyValueGivesNoLine)
{
    EXPECT_EQ(rtfField("Allergy", ""), "");
    EXPECT_EQ(rtfField("", " "), "\\b :\\b0\\tab  \\line");
}

TEST(RtfField, ValuesShowAsTyped)
{
    const struct {
        const char *value;
        const char *escaped;
    } cases[] = {
        {"typed \\b here", "typed \\\\b here"},
        {"{in the safe}", "\\{in the safe\\}"},
        {"C:\\temp\\{x}", "C:\\\\temp\\\\\\{x\\}"},
        {"one\r\ntwo\r\nthree", "one\\line\\tab two\\line\\tab three"},
        {"lone\rCR and lone\nLF", "lone\rCR and lone\nLF"},
        {"caf\xe9 \"quoted\"", "caf\xe9 \"quoted\""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(rtfEscape(c.value), c.escaped) << c.value;
}

TEST(RtfField, LabelsFromTheDataAreEscapedToo)
{
    EXPECT_EQ(rtfField("{Cell}", "555"), "\\b \\{Cell\\}:\\b0\\tab 555\\line");
}
