#include "exchange/database_export.h"
#include "exchange/export_file.h"
#include "export_fixture.h"
#include "support/temporary_install.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>

using namespace vantorelle;

namespace {

// n empty values.
std::string empty(int n)
{
    std::string values;
    for (int i = 0; i < n; ++i)
        values += "\"\",";
    return values;
}

class DatabaseExportTest : public ::testing::Test {
protected:
    void SetUp() override { hideDeletedRecords(store); }

    std::string exported()
    {
        const QString path = dir.filePath(QStringLiteral("family.lxp"));
        ExportFile file(path);
        EXPECT_TRUE(file.open());
        lines = DatabaseExport(store).write(file, "/data/family.lxp", "Mar 8, 2024");
        file.commit();
        return readFile(path).toStdString();
    }

    Store store {std::string()};
    QTemporaryDir dir;
    std::size_t lines = 0;
};

TEST_F(DatabaseExportTest, BytesOfASmallDatabase)
{
    using enum TableId;
    const std::string ann = "20240101120000p", cy = "20230101000000p";
    addRecord(store, MainID, ann,
        {{"First", "Ann"}, {"Last", "Lee"}, {"Notes", "Likes \"tea\"\r\nand cake"}});
    addRecord(store, MainID, cy, {{"First", "Cy"}});
    addRecord(store, InsID, "i1", {{"Company", "Acme, Inc."}});
    addRecord(store, ConID, "c1", {{"ConFirst", "Sue"}});
    addRecord(store, ProvID, "p1", {{"Name", "Dr. \"Bo\""}, {"Notes", "C:\\path"}});
    addRecord(store, Location, "St. Mary's, \"East\"", {});
    addRecord(store, ProvType, "Dentist", {});
    addRecord(store, InsXref, ann + "i1", {{"InsID", "i1"}});
    addRecord(store, Allergy, ann + "2", {{"Allergy", "Dust"}}, "0x0002");
    addRecord(store, Allergy, ann + "1",
        {{"Allergy", "Pollen"}, {"Reaction", "lone\nLF"}, {"Date", "20240105"}}, "0x0008");
    addRecord(store, Chol, ann + "1", {{"Total", "190"}, {"Date", "20240301"}, {"Time", "08:15"}});
    addRecord(store, Family, ann + "1", {{"FamFirst", "Eve"}});

    EXPECT_EQ(exported(),
        "** Exported for Vantorelle VOXA! -- /data/family.lxp on Mar 8, 2024 **\r\n"
        "profiles,20230101000000p,\"Cy\","
            + empty(26)
            + "\r\n"
              "profiles,20240101120000p,\"Ann\",\"Lee\","
            + empty(24)
            + "\"Likes \\\"tea\\\"\\nand cake\",\r\n"
              "ins_master,i1,\"Acme, Inc.\","
            + empty(8)
            + "\r\n"
              "con_master,c1,\"Sue\","
            + empty(7)
            + "\r\n"
              "provider,p1,\"Dr. \\\"Bo\\\"\","
            + empty(9)
            + "\"C:\\path\",\r\n"
              "location,St. Mary's, \"East\",\r\n"
              "prov_type,Dentist,\r\n"
              "ins_xref,20240101120000pi1,\"i1\",\r\n"
              "allergy,20240101120000p1,\"Pollen\",\"lone\nLF\",\"20240105\",\"\",\r\n"
              "family,20240101120000p1,\"Eve\","
            + empty(7)
            + "\r\n"
              "cholesterol,20240101120000p1,\"190\",\"\",\"\",\"\",\"20240301\",\"08:15\",\"\","
              "\r\n");
    EXPECT_EQ(lines, 11u);
}

// Profiles and master lists come in the order the program lists them (by
// name), whatever order their Keys give; topic records stay in Key order.
TEST_F(DatabaseExportTest, ProfilesAndMasterListsInTheirListingOrder)
{
    using enum TableId;
    addRecord(store, MainID, "1", {{"First", "Zoe"}, {"Last", "Adams"}});
    addRecord(store, MainID, "2", {{"First", "Al"}, {"Last", "Young"}});
    addRecord(store, MainID, "3", {{"First", "Amy"}, {"Last", "Adams"}});
    addRecord(store, ConID, "c1", {{"ConFirst", "Bo"}, {"ConLast", "West"}});
    addRecord(store, ConID, "c2", {{"ConFirst", "Di"}, {"ConLast", "East"}});
    addRecord(store, ProvID, "p1", {{"Name", "Dr. Zhu"}});
    addRecord(store, ProvID, "p2", {{"Name", "Dr. Abe"}});
    addRecord(store, PharmID, "h1", {{"Pharmacy", "Walgreens"}});
    addRecord(store, PharmID, "h2", {{"Pharmacy", "CVS"}});
    addRecord(store, InsID, "i1", {{"Company", "Zenith"}});
    addRecord(store, InsID, "i2", {{"Company", "Aetna"}});
    addRecord(store, BP, "2b", {{"SBP", "120"}});
    addRecord(store, BP, "2a", {{"SBP", "130"}});

    std::vector<std::string> keys;
    const std::string text = exported();
    std::size_t at = text.find("\r\n") + 2;
    while (at < text.size()) {
        const std::size_t tag = text.find(',', at);
        keys.push_back(text.substr(tag + 1, text.find(',', tag + 1) - tag - 1));
        at = text.find("\r\n", at) + 2;
    }
    EXPECT_EQ(keys, (std::vector<std::string> {"3", "1", "2", "i2", "i1", "c2", "c1", "p2", "p1",
                        "h2", "h1", "2a", "2b"}));
}

TEST_F(DatabaseExportTest, AnEmptyDatabaseGivesTheHeaderOnly)
{
    EXPECT_EQ(
        exported(), "** Exported for Vantorelle VOXA! -- /data/family.lxp on Mar 8, 2024 **\r\n");
    EXPECT_EQ(lines, 0u);
}

TEST_F(DatabaseExportTest, MoreLinesThanASixteenBitCounterHolds)
{
    constexpr int readings = 40000;
    char key[32];
    for (int i = 0; i < readings; ++i) {
        std::snprintf(key, sizeof key, "20240101120000p%06d", i);
        addRecord(store, TableId::BP, key, {{"SBP", "120"}});
    }
    std::size_t progressed = 0;
    const QString path = dir.filePath(QStringLiteral("big.lxp"));
    ExportFile file(path);
    ASSERT_TRUE(file.open());
    EXPECT_EQ(DatabaseExport(store).write(
                  file, "big.lxp", "Mar 8, 2024", [&](std::size_t lines) { progressed = lines; }),
        std::size_t(readings));
    file.commit();
    const QByteArray written = readFile(path);
    EXPECT_EQ(written.count("\r\n"), readings + 1);
    EXPECT_TRUE(written.endsWith(
        "bp,20240101120000p039999,\"120\"," + QByteArray(empty(6).c_str()) + "\r\n"));
    EXPECT_EQ(progressed, std::size_t(readings));
}

TEST(LxpHeaderDate, AbbreviatedMonthAndTheDayWithoutALeadingZero)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(lxpHeaderDate({2024, 3, 8}), "Mar 8, 2024");
    EXPECT_EQ(lxpHeaderDate({1999, 12, 31}), "Dec 31, 1999");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(lxpHeaderDate({2024, 2, 8}), "f\xE9vr. 8, 2024"); // cp1252, as the file holds text
    QLocale::setDefault(before);
}

} // namespace
