#include <gtest/gtest.h>

#include <filesystem>

#include "runtime/files.hpp"
#include "support/fault_folders.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::TempFolder;

TEST(WriteWholeFile, CreatesAndReplacesWithExactBytes) {
    TempFolder temp;
    EXPECT_TRUE(writeWholeFile(temp.path("f"), "a\0b\r\n"s));
    EXPECT_EQ(temp.read("f"), "a\0b\r\n"s);
    EXPECT_TRUE(writeWholeFile(temp.path("f"), ""));
    EXPECT_EQ(temp.read("f"), "");
    EXPECT_TRUE(fileExists(temp.path("f")));
    EXPECT_EQ(temp.names(), std::vector<std::string>{"f"});
}

TEST(WriteWholeFile, KeepsPermissionBitsAndLinks) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX permission bits and symbolic links";
#endif
    TempFolder temp;
    temp.write("real", "old");
    fs::permissions(temp.folder() / "real", fs::perms(0640));
    fs::create_symlink(temp.folder() / "real", temp.folder() / "link");
    // One's own link is followed even in a sticky folder that everyone may write.
    fs::permissions(temp.folder(), fs::perms(01777));
    ASSERT_TRUE(writeWholeFile(temp.path("link"), "new"));
    EXPECT_TRUE(fs::is_symlink(temp.folder() / "link"));
    EXPECT_EQ(temp.read("real"), "new");
    EXPECT_EQ(fs::status(temp.folder() / "real").permissions(), fs::perms(0640));
}

TEST(WriteWholeFile, MissingFolderFails) {
    TempFolder temp;
    EXPECT_FALSE(writeWholeFile(temp.path("no/such/file"), "x"));
}

TEST(WriteWholeFile, ReadOnlyFolderFallsBackToWritingInPlace) {
    if (auto why = testing::whyPermissionsDoNotBind(); !why.empty()) GTEST_SKIP() << why;
    TempFolder temp;
    temp.write("hosts", "old");
    fs::permissions(temp.folder(), fs::perms(0500));
    EXPECT_TRUE(writeWholeFile(temp.path("hosts"), "new, longer"));
    fs::permissions(temp.folder(), fs::perms(0700));
    EXPECT_EQ(temp.read("hosts"), "new, longer");
    EXPECT_EQ(temp.names(), std::vector<std::string>{"hosts"});
}

TEST(WriteWholeFile, FailedWriteLeavesTheOldFileWhole) {
    // A folder in place of the file cannot be replaced by a file.
    TempFolder temp;
    fs::create_directory(temp.folder() / "taken");
    EXPECT_FALSE(writeWholeFile(temp.path("taken"), "x"));
    EXPECT_TRUE(fs::is_directory(temp.folder() / "taken"));
    EXPECT_EQ(temp.names(), std::vector<std::string>{"taken"});
}

}  // namespace
}  // namespace tesmolen
