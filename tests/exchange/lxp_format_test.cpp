#include "exchange/export_line.h"
#include "exchange/lxp_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vantorelle;

namespace {

const LxpSection &section(std::string_view tag)
{
    for (const LxpSection &each : lxpSections) {
        if (each.tag == tag)
            return each;
    }
    throw std::logic_error("no section " + std::string(tag));
}

std::string recordLine(
    std::string_view tag, std::string_view key, const std::vector<std::string> &values)
{
    std::string line;
    appendLxpLineStart(line, section(tag), key);
    for (const std::string &value : values)
        appendLxpValue(line, section(tag), value);
    appendLineEnd(line);
    return line;
}

TEST(LxpFormat, HeaderLine)
{
    EXPECT_EQ(lxpHeaderLine("/home/ann/family.lxp", "Mar 8, 2024"),
        "** Exported for Vantorelle VOXA! -- /home/ann/family.lxp on Mar 8, 2024 **");
}

TEST(LxpFormat, TopicValuesAreEscaped)
{
    EXPECT_EQ(recordLine("allergy,", "k1",
                  {"Say \"no\"", "a\r\nb", "\"\r\n\"", "lone\nLF\r", "back\\slash, comma", ""}),
        "allergy,k1,\"Say \\\"no\\\"\",\"a\\nb\",\"\\\"\\n\\\"\",\"lone\nLF\r\","
        "\"back\\slash, comma\",\"\",\r\n");
}

TEST(LxpFormat, KeysAndLinkValuesAreWrittenAsTheyAre)
{
    EXPECT_EQ(recordLine("ins_xref,", "p1, \"x\"", {"ins \"1\"\r\n"}),
        "ins_xref,p1, \"x\",\"ins \"1\"\r\n\",\r\n");
    EXPECT_EQ(recordLine("location,", "Saint Mary's, \"East\"", {}),
        "location,Saint Mary's, \"East\",\r\n");
}

TEST(LxpFormat, SectionsInFileOrder)
{
    std::vector<std::string_view> tags;
    for (const LxpSection &each : lxpSections)
        tags.push_back(each.tag);
    EXPECT_EQ(tags,
        (std::vector<std::string_view> {"profiles,", "ins_master,", "con_master,", "provider,",
            "pharmacy,", "location,", "prov_type,", "ins_xref,", "con_xref,", "allergy,",
            "illness,", "surgery,", "appointment,", "medication,", "vaccination,", "test,", "bp,",
            "weight,", "glucose,", "family,", "cholesterol,"}));
}

TEST(LxpFormat, ValueFieldsOfEachKindOfSection)
{
    using Fields = std::vector<std::string_view>;
    EXPECT_EQ(section("provider,").valueFields(),
        (Fields {"Name", "Type", "Phone1", "Phone2", "Phone3", "Location", "Hours", "Address",
            "Email", "Website", "Notes"}));
    EXPECT_EQ(section("cholesterol,").valueFields(),
        (Fields {"Total", "LDL", "HDL", "Triglycerides", "Date", "Time", "Notes"}));
    EXPECT_EQ(section("profiles,").valueFields().size(), 27u);
    EXPECT_EQ(section("con_xref,").valueFields(), Fields {"ConID"});
    EXPECT_TRUE(section("prov_type,").valueFields().empty());
}

} // namespace
