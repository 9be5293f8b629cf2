// Whole-file writes where only Windows can take them: share modes of other programs, file
// attributes, and paths whose GBK names the ANSI code page cannot spell.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "runtime/codepage.hpp"
#include "runtime/disk_calls_windows.hpp"
#include "runtime/files.hpp"
#include "support/fault_folders.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;
using testing::HeldOpenFile;
using testing::TempFolder;

// The name of the file that a handle writes.
std::wstring fileNameOf(HANDLE file) {
    wchar_t name[MAX_PATH] = {};
    const DWORD length = GetFinalPathNameByHandleW(file, name, MAX_PATH, 0);
    return fs::path(std::wstring(name, length < MAX_PATH ? length : 0)).filename().native();
}

// Puts the system's own disk calls back when a test that replaced them ends.
struct OwnDiskCalls {
    ~OwnDiskCalls() { diskCalls() = DiskCalls{}; }
};

// What reached the disk: the file flushed, and what the target held at that moment.
std::vector<std::pair<std::wstring, Bytes>> flushes;
fs::path watchedTarget;

BOOL WINAPI recordingFlush(HANDLE file) {
    flushes.emplace_back(fileNameOf(file), readWholeFile(pathText(watchedTarget)));
    return FlushFileBuffers(file);
}

// Writes of new bytes ("n...") into the file named hosts get half through and then fail, as on
// a disk that fills up; every other write goes through.
BOOL WINAPI writeHalfOfTheNewBytes(HANDLE file, LPCVOID data, DWORD size, LPDWORD written,
                                   LPOVERLAPPED overlapped) {
    static bool halfWritten = false;
    if (fileNameOf(file) == L"hosts" && size > 0 && *static_cast<const char*>(data) == 'n') {
        if (std::exchange(halfWritten, true)) {
            SetLastError(ERROR_DISK_FULL);
            return FALSE;
        }
        size /= 2;
    }
    return WriteFile(file, data, size, written, overlapped);
}

TEST(WriteWholeFileOnWindows, FileHeldOpenSharingWritesIsRewrittenInPlace) {
    // An editor that keeps the hosts file open lets others write it but not replace it.
    TempFolder temp;
    temp.write("hosts", "old bytes, longer than the new");
    HeldOpenFile holder(temp.folder() / "hosts", true);
    ASSERT_TRUE(holder.ready());
    EXPECT_TRUE(writeWholeFile(temp.path("hosts"), "new\r\n"));
    EXPECT_EQ(holder.read(), "new\r\n");
    EXPECT_EQ(temp.names(), std::vector<std::string>{"hosts"});
}

TEST(WriteWholeFileOnWindows, TheNewBytesAreFlushedBeforeTheyTakeThePlaceOfTheOld) {
    OwnDiskCalls own;
    diskCalls().flushFileBuffers = recordingFlush;
    for (const bool heldOpen : {false, true}) {
        SCOPED_TRACE(heldOpen ? "rewritten in place" : "replaced");
        TempFolder temp;
        temp.write("hosts", "old bytes");
        watchedTarget = temp.folder() / "hosts";
        flushes.clear();
        std::optional<HeldOpenFile> holder;
        if (heldOpen) holder.emplace(watchedTarget, true);
        ASSERT_TRUE(writeWholeFile(temp.path("hosts"), "new bytes"));
        ASSERT_FALSE(flushes.empty());
        if (heldOpen) {
            // The refused replacement aside: the old bytes in their copy, then the file itself
            // once rewritten.
            ASSERT_GE(flushes.size(), 2u);
            const auto copy = std::pair(std::wstring(L"hosts.tesmolen-old"), Bytes("old bytes"));
            EXPECT_EQ(flushes[flushes.size() - 2], copy);
            EXPECT_EQ(flushes.back(), std::pair(std::wstring(L"hosts"), Bytes("new bytes")));
        } else {
            EXPECT_NE(flushes.back().first, L"hosts");
            EXPECT_EQ(flushes.back().second, "old bytes");
        }
        EXPECT_EQ(readWholeFile(temp.path("hosts")), "new bytes");
    }
}

TEST(WriteWholeFileOnWindows, AFailedRewriteInPlaceIsPutBack) {
    OwnDiskCalls own;
    diskCalls().writeFile = writeHalfOfTheNewBytes;
    TempFolder temp;
    temp.write("hosts", "old bytes, longer than half of the new");
    HeldOpenFile holder(temp.folder() / "hosts", true);
    ASSERT_TRUE(holder.ready());
    EXPECT_FALSE(writeWholeFile(temp.path("hosts"), Bytes(1000, 'n')));
    EXPECT_EQ(holder.read(), "old bytes, longer than half of the new");
    EXPECT_EQ(temp.names(), std::vector<std::string>{"hosts"});
}

TEST(WriteWholeFileOnWindows, AHiddenSystemFileKeepsItsAttributes) {
    TempFolder temp;
    temp.write("hosts", "old bytes");
    const std::wstring hosts = (temp.folder() / "hosts").wstring();
    const DWORD attributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(SetFileAttributesW(hosts.c_str(), attributes));
    EXPECT_TRUE(writeWholeFile(temp.path("hosts"), "new\r\n"));
    EXPECT_EQ(temp.read("hosts"), "new\r\n");
    EXPECT_EQ(GetFileAttributesW(hosts.c_str()), attributes);
    EXPECT_EQ(temp.names(), std::vector<std::string>{"hosts"});
}

TEST(WriteWholeFileOnWindows, ChinesePathsWorkWhateverTheAnsiCodePage) {
    TempFolder temp;
    const std::wstring folderName = L"\u5e7f\u544a\u89c4\u5219";  // 广告规则
    const fs::path folder = temp.folder() / folderName;
    ASSERT_TRUE(fs::create_directory(folder));
    const Text gbkFolder = pathText(temp.folder()) + "\\" + gbk(u8"广告规则");
    const Text file = gbkFolder + "\\" + gbk(u8"屏蔽.ad");

    ASSERT_TRUE(writeWholeFile(file, "bytes"));
    EXPECT_TRUE(fs::is_regular_file(folder / L"\u5c4f\u853d.ad"));  // 屏蔽.ad
    EXPECT_TRUE(fileExists(file));
    EXPECT_EQ(readWholeFile(file), "bytes");
    EXPECT_EQ(readWholeFileIfReadable(gbkFolder), std::nullopt);

    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    const Text current = currentDirectory();
    fs::current_path(previous);
    EXPECT_EQ(current, gbkFolder + "\\");
}

}  // namespace
}  // namespace tesmolen
