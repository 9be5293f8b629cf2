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

TEST(ReadWholeFile, TakesUpToTheLimitAndRefusesMoreWithoutAskingForIt) {
    TempFolder temp;
    temp.write("limit", "");
    std::filesystem::resize_file(temp.folder() / "limit", largestFile);
    EXPECT_EQ(readWholeFileIfReadable(temp.path("limit")).value_or("").size(), largestFile);
    // Sparse files: a reader that trusted their size would ask for all of it. (Wine's files end
    // far short of a terabyte.)
#ifdef _WIN32
    for (const std::uintmax_t size : {largestFile + 1}) {
#else
    for (const std::uintmax_t size : {largestFile + 1, std::uintmax_t{1} << 40}) {
#endif
        temp.write("large", "x");
        std::filesystem::resize_file(temp.folder() / "large", size);
        EXPECT_EQ(readWholeFileIfReadable(temp.path("large")), std::nullopt) << size;
        EXPECT_EQ(readWholeFile(temp.path("large")), "");
    }
#ifndef _WIN32
    // A device that never ends, and claims no size.
    EXPECT_EQ(readWholeFileIfReadable("/dev/zero"), std::nullopt);
#endif
}

}  // namespace
}  // namespace tesmolen
