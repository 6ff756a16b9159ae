#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "services/FileReplace.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

namespace mox {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// The account with no rights of its own that the system keeps for unprivileged work.
constexpr uid_t kNobody = 65534;

fs::perms Mode(const fs::path& path) {
    return fs::status(path).permissions() & fs::perms::mask;
}

std::vector<fs::path> FolderContent(const fs::path& folder) {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs `check` in a child process once `limit` has taken from it what it must not do, and expects it
// to find nothing wrong: `check` returns what went wrong, empty when nothing did.
void InLimitedProcess(const std::function<bool()>& limit, const std::function<std::string()>& check) {
    EXPECT_EXIT(
        {
            if (!limit())
                std::_Exit(2);
            const std::string fault = check();
            std::fputs(fault.c_str(), stderr);
            std::_Exit(fault.empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// Runs `check` as an ordinary user: root may create files in any folder, so a folder without write
// permission only stops an ordinary user. Under root, `tree` is given to nobody and the check runs in
// a child process that has become nobody.
void AsOrdinaryUser(const fs::path& tree, const std::function<std::string()>& check) {
    if (::geteuid() != 0) {
        const std::string fault = check();
        EXPECT_TRUE(fault.empty()) << fault;
        return;
    }
    for (const auto& entry : fs::recursive_directory_iterator(tree))
        ASSERT_EQ(::lchown(entry.path().c_str(), kNobody, kNobody), 0) << entry.path();
    ASSERT_EQ(::lchown(tree.c_str(), kNobody, kNobody), 0);
    InLimitedProcess([] { return ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0; }, check);
}

// A file size limit makes every write past it fail, as a full disk does.
bool LimitFileSize(rlim_t bytes) {
    const rlimit limit{bytes, bytes};
    return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

constexpr fs::perms kReadOnlyFolder = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;

class FileReplaceTest : public ::testing::Test {
protected:
    fs::path At(const std::string& name) const { return folder.Root() / name; }

    TempFolder folder;
};

TEST_F(FileReplaceTest, ReadOnlyFileIsRefusedAndLeftAsItWas) {
    TempFolder::WriteFile(At("radio.dat"), "old");
    fs::permissions(At("radio.dat"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directory(At("folder.dat"));

    EXPECT_FALSE(ReplaceFileContent(At("radio.dat"), "new content"));
    EXPECT_FALSE(ReplaceFileContent(At("folder.dat"), "new content"));

    EXPECT_EQ(TempFolder::ReadFile(At("radio.dat")), "old");
    EXPECT_EQ(Mode(At("radio.dat")), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(fs::is_directory(At("folder.dat")));
}

TEST_F(FileReplaceTest, LinksAreFollowedToTheFileTheyFinallyName) {
    TempFolder::WriteFile(At("store/radio.dat"), "old");
    fs::create_symlink("store/radio.dat", At("inner.dat"));
    fs::create_symlink(At("inner.dat"), At("outer.dat"));
    fs::create_symlink("store/later.dat", At("dangling.dat"));
    fs::create_symlink("loop.dat", At("loop.dat"));

    EXPECT_TRUE(ReplaceFileContent(At("outer.dat"), "new content"));
    EXPECT_TRUE(ReplaceFileContent(At("dangling.dat"), "made"));
    EXPECT_FALSE(ReplaceFileContent(At("loop.dat"), "never"));

    EXPECT_TRUE(fs::is_symlink(At("outer.dat")));
    EXPECT_TRUE(fs::is_symlink(At("inner.dat")));
    EXPECT_EQ(TempFolder::ReadFile(At("store/radio.dat")), "new content");
    EXPECT_TRUE(fs::is_symlink(At("dangling.dat")));
    EXPECT_EQ(TempFolder::ReadFile(At("store/later.dat")), "made");
    EXPECT_TRUE(fs::is_symlink(At("loop.dat")));
}

TEST_F(FileReplaceTest, FileKeepsItsPermissionsAndLosesItsOldTail) {
    TempFolder::WriteFile(At("files/radio.dat"), "an older and much longer content");
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(At("files/radio.dat"), mode);

    EXPECT_TRUE(ReplaceFileContent(At("files/radio.dat"), "short"));

    EXPECT_EQ(TempFolder::ReadFile(At("files/radio.dat")), "short");
    EXPECT_EQ(Mode(At("files/radio.dat")), mode);
    EXPECT_EQ(FolderContent(At("files")), std::vector<fs::path>{"radio.dat"});
}

TEST_F(FileReplaceTest, FailedWriteLeavesTheOldContentAndNoTemporaryFile) {
    TempFolder::WriteFile(At("files/radio.dat"), "old");
    TempFolder::WriteFile(At("locked/radio.dat"), "old");
    fs::permissions(At("locked"), kReadOnlyFolder);
    const std::string large(8192, 'x');

    InLimitedProcess([] { return LimitFileSize(1024); },
                     [&]() -> std::string {
                         for (const char* name : {"files/radio.dat", "locked/radio.dat"}) {
                             if (ReplaceFileContent(At(name), large))
                                 return std::string("a write past the limit succeeded: ") + name;
                             if (TempFolder::ReadFile(At(name)) != "old")
                                 return std::string("the old content is lost: ") + name;
                         }
                         if (FolderContent(At("files")) != std::vector<fs::path>{"radio.dat"})
                             return "a temporary file was left behind";
                         return {};
                     });

    fs::permissions(At("locked"), fs::perms::owner_all, fs::perm_options::add);
}

TEST_F(FileReplaceTest, HardLinkedFileChangesUnderEveryName) {
    TempFolder::WriteFile(At("radio.dat"), "old");
    fs::create_hard_link(At("radio.dat"), At("copy.dat"));

    EXPECT_TRUE(ReplaceFileContent(At("copy.dat"), "new content"));

    EXPECT_EQ(TempFolder::ReadFile(At("radio.dat")), "new content");
    EXPECT_EQ(fs::hard_link_count(At("radio.dat")), 2u);
}

TEST_F(FileReplaceTest, WritableFileInAReadOnlyFolderIsWrittenInPlace) {
    const fs::path locked = At("locked");
    TempFolder::WriteFile(locked / "radio.dat", "an older and much longer content");
    TempFolder::WriteFile(locked / "protected.dat", "old");
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(locked / "radio.dat", mode);
    fs::permissions(locked / "protected.dat", fs::perms::owner_read);
    fs::permissions(locked, kReadOnlyFolder);

    AsOrdinaryUser(folder.Root(), [&]() -> std::string {
        if (!ReplaceFileContent(locked / "radio.dat", "short"))
            return "the writable file was not saved";
        if (TempFolder::ReadFile(locked / "radio.dat") != "short")
            return "wrong content: " + TempFolder::ReadFile(locked / "radio.dat");
        if (Mode(locked / "radio.dat") != mode)
            return "the permissions changed";
        if (ReplaceFileContent(locked / "protected.dat", "new") ||
            TempFolder::ReadFile(locked / "protected.dat") != "old")
            return "a read-only file was changed";
        if (ReplaceFileContent(locked / "new.dat", "new"))
            return "a new file was made in a read-only folder";
        if (FolderContent(locked) != std::vector<fs::path>{"protected.dat", "radio.dat"})
            return "the folder's content changed";
        return {};
    });

    fs::permissions(locked, fs::perms::owner_all, fs::perm_options::add);
}

TEST_F(FileReplaceTest, FileWrittenInPlaceMeetsAFailingDiskInItsTrialWriteFirst) {
    using Fault = test::FaultyFileSystem::Fault;
    const fs::path locked = At("locked");
    TempFolder::WriteFile(locked / "radio.dat", "old");
    fs::permissions(locked, kReadOnlyFolder);
    const std::string large(8192, 'x');

    for (const Fault fault : {Fault::Open, Fault::Write, Fault::DiskFull, Fault::Flush, Fault::Close}) {
        test::FaultyFileSystem faulty(fault, 1);
        EXPECT_FALSE(ReplaceFileContent(faulty, locked / "radio.dat", large));
        EXPECT_EQ(faulty.FaultsMet, 1);
        EXPECT_TRUE(faulty.OpenHandles.empty());
        EXPECT_EQ(TempFolder::ReadFile(locked / "radio.dat"), "old");
    }
    test::FaultyFileSystem working;
    EXPECT_TRUE(ReplaceFileContent(working, locked / "radio.dat", large));
    EXPECT_EQ(TempFolder::ReadFile(locked / "radio.dat"), large);
    // The trial and the file itself; nothing was made beside the file.
    EXPECT_EQ(working.FilesOpened, 2);

    fs::permissions(locked, fs::perms::owner_all, fs::perm_options::add);
}

}  // namespace
}  // namespace mox
