// writeTables interrupted: killed at any point of the write, stopped by a full
// disk, refused by a read-only folder. Every table file must afterwards be its
// whole old or its whole new version and load without error.
#include "store/record_status.h"
#include "store/store.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <functional>
#include <grp.h>
#include <set>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace vantorelle;

namespace fs = std::filesystem;

namespace {

// A scratch folder in memory where the machine has one: the kill test runs
// writeTables hundreds of times, and each of its flushes costs milliseconds on a
// disk. Renaming is atomic on every file system, so the test means the same.
class ScratchFolder {
public:
    ScratchFolder()
    {
        const fs::path base = fs::is_directory("/dev/shm") && ::access("/dev/shm", W_OK) == 0
            ? fs::path("/dev/shm")
            : fs::temp_directory_path();
        std::string pattern = (base / "vantorelle-save-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder()
    {
        ::chmod(path_.c_str(), 0700);
        fs::remove_all(path_);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const fs::path &path() const { return path_; }

    // The folder holds the fixture folder's files and nothing else.
    void fillWithFixture() const
    {
        for (const auto &entry : fs::directory_iterator(path_))
            fs::remove(entry.path());
        for (const auto &entry : fs::directory_iterator(testDataPath() / "basic"))
            fs::copy_file(entry.path(), path_ / entry.path().filename());
    }

private:
    fs::path path_;
};

TableId tableAt(std::size_t i)
{
    return static_cast<TableId>(i);
}

// One new record in every table, so that every file's new version differs from its old one.
void changeEveryTable(Store &store)
{
    for (std::size_t i = 0; i < tableCount; ++i) {
        MemoryTable &table = store.table(tableAt(i));
        table.addNew();
        table.setValue(std::size_t {0}, newRecordId);
        table.setValue(std::size_t {1}, RecordStatus::added);
        table.setValue(std::size_t {2}, "zz saved by the crash test");
        table.update();
    }
}

// The end of a child that ran writeTables.
struct ChildEnd {
    bool killed = false;
    int exitCode = -1; // 0: writeTables reported nothing
    int stops = 0; // system-call stops seen (traced runs)
    std::vector<std::string> failedPaths; // the files writeTables reported
};

constexpr int noPtrace = 77;
constexpr int noPrivilegeDrop = 78;

// Runs, in a child process: load the folder, change every table, `prepare`,
// writeTables; the child reports the paths of the failures through a pipe.
// With `traced`, writeTables runs under ptrace and the child is killed (SIGKILL)
// at system-call stop `killAt` (entries and exits both count; 0: never).
ChildEnd saveInChild(
    const fs::path &folder, const std::function<void()> &prepare, bool traced, int killAt = 0)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        Store store(folder.string());
        if (!store.load().empty())
            ::_exit(2);
        changeEveryTable(store);
        prepare();
        if (traced) {
            if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0)
                ::_exit(noPtrace);
            ::raise(SIGSTOP);
        }
        std::string report;
        for (const StoreFailure &failure : store.writeTables())
            report += failure.path + "\n";
        const bool written = ::write(pipeEnds[1], report.data(), report.size())
            == static_cast<ssize_t>(report.size());
        ::_exit(written ? (report.empty() ? 0 : 1) : 3);
    }
    ::close(pipeEnds[1]);

    ChildEnd end;
    int status = 0;
    if (traced) {
        ::waitpid(child, &status, 0);
        if (WIFSTOPPED(status)) {
            ::ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
            int deliver = 0;
            for (;;) {
                ::ptrace(PTRACE_SYSCALL, child, nullptr, deliver);
                ::waitpid(child, &status, 0);
                if (!WIFSTOPPED(status))
                    break;
                deliver = 0;
                if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
                    deliver = WSTOPSIG(status); // a signal of the child's own: pass it on
                } else if (++end.stops == killAt) {
                    ::kill(child, SIGKILL);
                    ::waitpid(child, &status, 0);
                    break;
                }
            }
        }
    } else {
        ::waitpid(child, &status, 0);
    }
    end.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    end.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;

    std::string report;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeEnds[0]);
    for (std::size_t start = 0, lineEnd; (lineEnd = report.find('\n', start)) != std::string::npos;
         start = lineEnd + 1)
        end.failedPaths.push_back(report.substr(start, lineEnd - start));
    return end;
}

class CrashSafeSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.fillWithFixture();
        // The new versions: the same change saved undisturbed.
        ScratchFolder reference;
        reference.fillWithFixture();
        {
            Store store(reference.path().string());
            ASSERT_TRUE(store.load().empty());
            changeEveryTable(store);
            ASSERT_TRUE(store.writeTables().empty());
        }
        for (std::size_t i = 0; i < tableCount; ++i) {
            const std::string name = tableFileName(tableAt(i));
            oldVersion[i] = readBytes(testDataPath() / "basic" / name);
            newVersion[i] = readBytes(reference.path() / name);
            ASSERT_NE(oldVersion[i], newVersion[i]) << name;
        }
    }

    std::string path(std::size_t i) const
    {
        return (folder.path() / tableFileName(tableAt(i))).string();
    }

    // How many table files hold their new version; a file that is neither its
    // old nor its new version fails the test.
    std::size_t countNewFiles() const
    {
        std::size_t updated = 0;
        for (std::size_t i = 0; i < tableCount; ++i) {
            const std::string bytes = readBytes(path(i));
            if (bytes == newVersion[i])
                ++updated;
            else
                EXPECT_EQ(bytes, oldVersion[i]) << tableFileName(tableAt(i)) << " is cut or mixed";
        }
        return updated;
    }

    void expectLoadsWithoutError() const
    {
        Store store(folder.path().string());
        EXPECT_TRUE(store.load().empty());
    }

    ScratchFolder folder;
    std::array<std::string, tableCount> oldVersion, newVersion;
};

TEST_F(CrashSafeSave, KilledAtAnySystemCallEveryFileIsWholeOldOrWholeNew)
{
    const ChildEnd whole = saveInChild(
        folder.path(), [] {}, true);
    if (whole.exitCode == noPtrace)
        GTEST_SKIP() << "this machine does not let a test trace its child (ptrace)";
    ASSERT_EQ(whole.exitCode, 0);
    ASSERT_GT(whole.stops, 0);
    EXPECT_EQ(countNewFiles(), tableCount);

    // Killed at every stop, before and after each call: the files written so
    // far are new, the others old, none cut.
    std::set<std::size_t> newFileCounts;
    for (int stop = 1; stop <= whole.stops; ++stop) {
        folder.fillWithFixture();
        const ChildEnd end = saveInChild(
            folder.path(), [] {}, true, stop);
        // The count can differ by a few calls from run to run (the allocator
        // maps memory as it needs it): a save that ended first was not killed.
        ASSERT_TRUE(end.killed || end.exitCode == 0) << "stop " << stop;
        newFileCounts.insert(countNewFiles());
        expectLoadsWithoutError();
        if (HasFailure()) {
            ADD_FAILURE() << "killed at system-call stop " << stop << " of " << whole.stops;
            return;
        }
    }
    // Every state from "no file written yet" to "all written" was met.
    EXPECT_EQ(newFileCounts.size(), tableCount + 1);
}

// A full disk, here the file size limit (700 bytes): the files that do not
// fit keep their old version and are reported; the others are written.
TEST_F(CrashSafeSave, FullDiskKeepsTheOldFilesAndReportsThem)
{
    const ChildEnd end = saveInChild(
        folder.path(),
        [] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit small {700, 700};
            ::setrlimit(RLIMIT_FSIZE, &small);
        },
        false);
    ASSERT_EQ(end.exitCode, 1) << "writeTables must report the files it could not write";
    const std::set<std::string> failed(end.failedPaths.begin(), end.failedPaths.end());
    for (std::size_t i = 0; i < tableCount; ++i) {
        const std::string bytes = readBytes(path(i));
        if (newVersion[i].size() > 700) {
            EXPECT_TRUE(failed.contains(path(i))) << tableFileName(tableAt(i));
            EXPECT_EQ(bytes, oldVersion[i]) << tableFileName(tableAt(i));
        } else {
            EXPECT_FALSE(failed.contains(path(i))) << tableFileName(tableAt(i));
            EXPECT_EQ(bytes, newVersion[i]) << tableFileName(tableAt(i));
        }
    }
    EXPECT_FALSE(failed.empty());
    EXPECT_LT(failed.size(), tableCount);
    expectLoadsWithoutError();
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto &entry : fs::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, tableCount) << "a temporary file was left behind";
}

// A folder the user may not write to. Root writes anywhere, so as root the
// child gives up its rights (to "nobody") before it saves.
TEST_F(CrashSafeSave, ReadOnlyFolderKeepsEveryFileAndReportsEachOne)
{
    ::chmod(folder.path().c_str(), 0555);
    const ChildEnd end = saveInChild(
        folder.path(),
        [] {
            if (::geteuid() != 0)
                return;
            const uid_t nobody = 65534;
            if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
                ::_exit(noPrivilegeDrop);
        },
        false);
    ::chmod(folder.path().c_str(), 0700);
    if (end.exitCode == noPrivilegeDrop)
        GTEST_SKIP() << "running as root, and the child cannot give up root's rights";

    ASSERT_EQ(end.exitCode, 1) << "writeTables must report the files it could not write";
    std::set<std::string> expected;
    for (std::size_t i = 0; i < tableCount; ++i) {
        expected.insert(path(i));
        EXPECT_EQ(readBytes(path(i)), oldVersion[i]) << tableFileName(tableAt(i));
    }
    EXPECT_EQ(std::set<std::string>(end.failedPaths.begin(), end.failedPaths.end()), expected);
    expectLoadsWithoutError();
}

} // namespace
