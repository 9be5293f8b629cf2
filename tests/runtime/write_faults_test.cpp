#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "runtime/files.hpp"
#include "support/fault_folders.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;
using testing::BindMount;
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
    const Text path = pathText(disk.folder() / "hosts");
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
    const Text path = pathText(disk.folder() / "hosts");
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
    bool written = false;
    {
        BindMount mount(temp.folder() / "outside", temp.folder() / "hosts");
        if (!mount.ready()) GTEST_SKIP() << "cannot bind-mount here";
        written = writeWholeFile(temp.path("hosts"), "new\r\n");
    }
    EXPECT_TRUE(written);
    EXPECT_EQ(temp.read("outside"), "new\r\n");
    EXPECT_EQ(namesIn(temp.folder()), (std::vector<std::string>{"hosts", "outside"}));
}

TEST(WriteFaults, FailedInPlaceWriteIsPutBack) {
    SmallDisk disk(64 * 1024);
    TempFolder temp;
    temp.write("hosts", "");
    const Bytes previous(40 * 1024, 'p');
    const Text outside = pathText(disk.folder() / "outside");
    if (!disk.ready() || !writeWholeFile(outside, previous)) GTEST_SKIP() << "cannot mount here";
    bool written = true;
    {
        BindMount mount(disk.folder() / "outside", temp.folder() / "hosts");
        if (!mount.ready()) GTEST_SKIP() << "cannot mount here";
        // Rewriting in place runs out of space half-way; the old bytes go back.
        written = writeWholeFile(temp.path("hosts"), Bytes(100 * 1024, 'n'));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(readWholeFile(outside), previous);
}

}  // namespace
}  // namespace tesmolen
