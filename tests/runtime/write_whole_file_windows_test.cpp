// Whole-file writes where only Windows can take them: share modes of other programs, file
// attributes, and paths whose GBK names the ANSI code page cannot spell.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "support/fault_folders.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;
using testing::HeldOpenFile;
using testing::TempFolder;

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
