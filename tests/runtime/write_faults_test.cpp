#include <gtest/gtest.h>
#include <sys/mount.h>

#include <algorithm>
#include <filesystem>

#include "runtime/files.hpp"
#include "support/fault_folders.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;
using testing::LockedFile;
using testing::SmallDisk;
using testing::TempFolder;

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(WriteFaults, LockedFileStaysAsItWas) {
    TempFolder temp;
    temp.write("hosts", "old bytes");
    LockedFile lock(temp.folder() / "hosts");
    if (!lock.ready()) GTEST_SKIP() << "cannot lock a file here";
    EXPECT_FALSE(writeWholeFile(temp.path("hosts"), "new"));
    EXPECT_EQ(temp.read("hosts"), "old bytes");
    EXPECT_EQ(namesIn(temp.folder()), std::vector<std::string>{"hosts"});
}

TEST(WriteFaults, NoSpaceLeftKeepsThePreviousFileWhole) {
    SmallDisk disk(64 * 1024);
    if (!disk.ready()) GTEST_SKIP() << "cannot mount a small tmpfs here";
    const Text path = (disk.folder() / "hosts").string();
    const Bytes previous(40 * 1024, 'p');
    ASSERT_TRUE(writeWholeFile(path, previous));
    // The new bytes fit neither beside the old file nor in place of it: the write stops in the
    // middle for want of space.
    EXPECT_FALSE(writeWholeFile(path, Bytes(100 * 1024, 'n')));
    EXPECT_EQ(readWholeFile(path), previous);
    EXPECT_EQ(namesIn(disk.folder()), std::vector<std::string>{"hosts"});
}

TEST(WriteFaults, ReplacingNeedsRoomForTheNewFileBesideTheOld) {
    SmallDisk disk(64 * 1024);
    if (!disk.ready()) GTEST_SKIP() << "cannot mount a small tmpfs here";
    const Text path = (disk.folder() / "hosts").string();
    ASSERT_TRUE(writeWholeFile(path, Bytes(40 * 1024, 'p')));
    // 30 KB would fit in place but not beside the 40 KB file: refused, old file whole.
    EXPECT_FALSE(writeWholeFile(path, Bytes(30 * 1024, 'n')));
    EXPECT_EQ(readWholeFile(path), Bytes(40 * 1024, 'p'));
    EXPECT_EQ(namesIn(disk.folder()), std::vector<std::string>{"hosts"});
}

TEST(WriteFaults, BindMountedFileIsRewrittenInPlace) {
    TempFolder temp;
    temp.write("outside", "old");
    temp.write("hosts", "");
    const fs::path hosts = temp.folder() / "hosts";
    if (::mount((temp.folder() / "outside").c_str(), hosts.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        GTEST_SKIP() << "cannot bind-mount here";
    }
    const bool written = writeWholeFile(temp.path("hosts"), "new\r\n");
    ::umount2(hosts.c_str(), MNT_DETACH);
    EXPECT_TRUE(written);
    EXPECT_EQ(temp.read("outside"), "new\r\n");
    EXPECT_EQ(namesIn(temp.folder()), (std::vector<std::string>{"hosts", "outside"}));
}

TEST(WriteFaults, FailedInPlaceWriteIsPutBack) {
    SmallDisk disk(64 * 1024);
    TempFolder temp;
    temp.write("hosts", "");
    const fs::path hosts = temp.folder() / "hosts";
    const Bytes previous(40 * 1024, 'p');
    const Text outside = (disk.folder() / "outside").string();
    if (!disk.ready() || !writeWholeFile(outside, previous) ||
        ::mount(outside.c_str(), hosts.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        GTEST_SKIP() << "cannot mount here";
    }
    // Rewriting in place runs out of space half-way; the old bytes go back.
    const bool written = writeWholeFile(temp.path("hosts"), Bytes(100 * 1024, 'n'));
    ::umount2(hosts.c_str(), MNT_DETACH);
    EXPECT_FALSE(written);
    EXPECT_EQ(readWholeFile(outside), previous);
}

}  // namespace
}  // namespace tesmolen
