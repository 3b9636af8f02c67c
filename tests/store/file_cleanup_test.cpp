#include "store/file_cleanup.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

using namespace vantorelle;

namespace {

TEST(RetireDuplicateKeys, RetiresRepeatedKeysInTheFile)
{
    const std::string a1 = R"(0x00000001,0x0000,"date_sep","/","","",0,0,0)";
    const std::string a2 = R"(0x00000002,0x0000,"date_sep","-","","",0,0,0)";
    const std::string a2Retired = R"(0x00000002,0x0002,"date_sep","-","","",0,0,0)";
    const std::string b = R"(0x00000003,0x0004,"date_format","x","","",0,0,0)";
    struct Case {
        const char *what;
        std::string before, after;
    };
    const Case cases[] = {
        {"the second of two lines in a row", a1 + "\r\n" + a2 + "\r\n",
            a1 + "\r\n" + a2Retired + "\r\n"},
        {"separated by another key: nothing", a1 + "\r\n" + b + "\r\n" + a2 + "\r\n", ""},
        {"a never-synchronised duplicate becomes a tombstone",
            a1 + "\r\n" + R"(0x00000000,0x0008,"date_sep","-","","",0,0,0)" + "\r\n",
            a1 + "\r\n" + R"(0x00000000,0x0002,"date_sep","-","","",0,0,0)" + "\r\n"},
        {"a deleted line takes no part in the comparison",
            a1 + "\r\n" + R"(0x00000009,0x0002,"other","","","",0,0,0)" + "\r\n" + a2 + "\r\n",
            a1 + "\r\n" + R"(0x00000009,0x0002,"other","","","",0,0,0)" + "\r\n" + a2Retired
                + "\r\n"},
        {"header lines stay, short and empty lines go, the last line gets CR LF",
            "#RECCNT: 2\r\n" + a1 + "\r\n\r\nabc\r\n#X\r\n" + a2,
            "#RECCNT: 2\r\n" + a1 + "\r\n#X\r\n" + a2Retired + "\r\n"},
        {"only the status field changes, never a value",
            a1 + "\r\n" + R"(0x00000002,0x0004,"date_sep",",0x0000,","","",0,0,0)" + "\r\n",
            a1 + "\r\n" + R"(0x00000002,0x0002,"date_sep",",0x0000,","","",0,0,0)" + "\r\n"},
        {"a line whose key cannot be cut leaves the file as it was",
            a1 + "\r\n" + a2 + "\r\nnot a record\r\n", ""},
    };
    TempFolder folder;
    const std::string path = folder.file("VantorellePrefs.cdb");
    for (const Case &c : cases) {
        const std::string &expected = c.after.empty() ? c.before : c.after;
        EXPECT_EQ(withDuplicateKeysRetired(c.before), expected) << c.what;
        writeBytes(path, wholeHeader + c.before);
        EXPECT_FALSE(retireDuplicateKeys(path)) << c.what;
        EXPECT_EQ(readBytes(path), wholeHeader + expected) << c.what;
    }
    EXPECT_TRUE(retireDuplicateKeys(folder.file("missing.cdb")));
    // Without a whole header block the file is never written back.
    writeBytes(path, cases[0].before);
    EXPECT_FALSE(retireDuplicateKeys(path));
    EXPECT_EQ(readBytes(path), cases[0].before);
}

TEST(RemoveNearEmptyFile, DeletesFilesShorterThanFiftyBytes)
{
    TempFolder folder;
    const std::pair<std::size_t, bool> cases[] = {{0, true}, {49, true}, {50, false}, {500, false}};
    for (const auto &[size, deleted] : cases) {
        const std::string path = folder.file("t.cdb");
        writeBytes(path, std::string(size, 'x'));
        EXPECT_FALSE(removeNearEmptyFile(path));
        EXPECT_EQ(!std::filesystem::exists(path), deleted) << size;
        std::filesystem::remove(path);
    }
    EXPECT_FALSE(removeNearEmptyFile(folder.file("none.cdb")));
}

} // namespace
