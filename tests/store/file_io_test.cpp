#include "store/file_io.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace vantorelle;

namespace fs = std::filesystem;

namespace {

std::vector<std::string> entries(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(AtomicWrite, ReplacesTheFileAndKeepsItsPermissions)
{
    TempFolder folder;
    const std::string path = folder.file("VantorelleBP.cdb");
    writeBytes(path, "old");
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(writeFileAtomically(path, "new\r\n"), 0);
    EXPECT_EQ(readBytes(path), "new\r\n");
    struct stat st { };
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(entries(folder.path()), std::vector<std::string> {"VantorelleBP.cdb"});

    ASSERT_EQ(writeFileAtomically(folder.file("new.cdb"), ""), 0);
    EXPECT_TRUE(fs::exists(folder.file("new.cdb")));
}

// A write that fails part-way (here: the file size limit, as a full disk would)
// leaves the old file whole and no temporary file behind.
TEST(AtomicWrite, InterruptedWriteLeavesTheOldFileIntact)
{
    TempFolder folder;
    const std::string path = folder.file("VantorelleBP.cdb");
    const std::string old(5000, 'o');
    writeBytes(path, old);

    rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int error = writeFileAtomically(path, std::string(100000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(entries(folder.path()), std::vector<std::string> {"VantorelleBP.cdb"});
}

TEST(AtomicWrite, ReportsWhatCannotBeWritten)
{
    TempFolder folder;
    EXPECT_EQ(writeFileAtomically(folder.file("no/such/folder.cdb"), "x"), ENOENT);
    fs::create_directory(folder.path() / "taken.cdb");
    EXPECT_EQ(writeFileAtomically(folder.file("taken.cdb"), "x"), EISDIR);
}

// The mode a write leaves, whatever the umask: a new file is its owner's
// alone, a replaced one keeps what it had.
struct ModeCase {
    const char *name;
    mode_t umask;
    int existing; // the mode of the file already there; -1: none
    int expected;
};

void PrintTo(const ModeCase &c, std::ostream *out)
{
    *out << c.name;
}

class AtomicWriteModes : public ::testing::TestWithParam<ModeCase> { };

TEST_P(AtomicWriteModes, NewFilesAreTheOwnersAloneAndReplacedOnesKeepTheirMode)
{
    const ModeCase &c = GetParam();
    TempFolder folder;
    const std::string path = folder.file("VantorelleBP.cdb");
    if (c.existing >= 0) {
        writeBytes(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), mode_t(c.existing)), 0);
    }
    const ScopedUmask umask(c.umask);
    ASSERT_EQ(writeFileAtomically(path, "new\r\n"), 0);
    EXPECT_EQ(permissionsOf(path), c.expected) << std::oct << permissionsOf(path);
}

INSTANTIATE_TEST_SUITE_P(AtomicWrite, AtomicWriteModes,
    ::testing::Values(ModeCase {"NewUnderUmask022", 022, -1, 0600},
        ModeCase {"NewUnderUmask000", 0, -1, 0600}, ModeCase {"NewUnderUmask077", 077, -1, 0600},
        ModeCase {"Existing0644UnderUmask077", 077, 0644, 0644},
        ModeCase {"Existing0600UnderUmask000", 0, 0600, 0600},
        ModeCase {"Existing0664UnderUmask022", 022, 0664, 0664}),
    [](const ::testing::TestParamInfo<ModeCase> &info) { return std::string(info.param.name); });

} // namespace
