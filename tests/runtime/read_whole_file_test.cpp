#include <gtest/gtest.h>

#include <filesystem>

#include "runtime/files.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

using namespace std::string_literals;
using testing::TempFolder;

TEST(ReadWholeFile, TellsAnEmptyFileFromOneThatCannotBeRead) {
    TempFolder temp;
    temp.write("empty", "");
    temp.write("bytes", "a\0\xFF\r\n"s);
    std::filesystem::create_directory(temp.folder() / "folder");

    EXPECT_EQ(readWholeFileIfReadable(temp.path("empty")), Bytes{});
    EXPECT_EQ(readWholeFileIfReadable(temp.path("bytes")), "a\0\xFF\r\n"s);
    EXPECT_EQ(readWholeFileIfReadable(temp.path("missing")), std::nullopt);
    EXPECT_EQ(readWholeFileIfReadable(temp.path("folder")), std::nullopt);
    // The plain read makes no difference between them.
    EXPECT_EQ(readWholeFile(temp.path("folder")), "");
    EXPECT_EQ(readWholeFile(temp.path("missing")), "");
    EXPECT_EQ(readWholeFile(temp.path("bytes")), "a\0\xFF\r\n"s);
}

}  // namespace
}  // namespace tesmolen
