// The stored pictures the layout names are in the resource file, in the formats and sizes their
// units expect.

#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <set>
#include <string>

#include "support/source_tree.hpp"
#include "ui/layout.hpp"

namespace tesmolen {
namespace {

using testing::sourceFile;

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

int byteAt(const std::string& bytes, size_t at) {
    return at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0;
}
int littleEndian16(const std::string& bytes, size_t at) {
    return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8;
}
int bigEndian16(const std::string& bytes, size_t at) {
    return byteAt(bytes, at) << 8 | byteAt(bytes, at + 1);
}

std::optional<Size> gif89aSize(const std::string& bytes) {
    if (bytes.substr(0, 6) != "GIF89a") return std::nullopt;
    return Size{littleEndian16(bytes, 6), littleEndian16(bytes, 8)};
}

// The frame size of a JFIF file: its first segment is APP0 "JFIF", a later one the frame header.
std::optional<Size> jfifSize(const std::string& bytes) {
    if (bytes.substr(0, 4) != "\xFF\xD8\xFF\xE0" ||
        bytes.substr(6, 5) != std::string("JFIF\0", 5)) {
        return std::nullopt;
    }
    for (size_t at = 2; byteAt(bytes, at) == 0xFF; at += 2 + bigEndian16(bytes, at + 2)) {
        int marker = byteAt(bytes, at + 1);
        if (marker >= 0xC0 && marker <= 0xC2) {
            return Size{bigEndian16(bytes, at + 7), bigEndian16(bytes, at + 5)};
        }
    }
    return std::nullopt;
}

std::string resourceFile(std::string_view path) {
    return sourceFile("resources/" + std::string(path.substr(2)));
}

std::set<std::string> resourceList() {
    const std::string qrc = sourceFile("resources/tesmolen.qrc");
    EXPECT_NE(qrc.find("<qresource prefix=\"/\">"), std::string::npos);
    const std::regex file("<file>([^<]+)</file>");
    std::set<std::string> listed;
    for (auto it = std::sregex_iterator(qrc.begin(), qrc.end(), file); it != std::sregex_iterator();
         ++it) {
        listed.insert(":/" + (*it)[1].str());
    }
    return listed;
}

TEST(Pictures, EveryLaidOutPictureIsAListedResourceOfItsUnitsSize) {
    std::set<std::string> used{std::string(windowLayout().window.icon)};
    for (const UnitSpec& unit : windowLayout().units) {
        for (std::string_view path : unit.pictures) {
            if (path.empty()) continue;
            SCOPED_TRACE(std::string(path));
            used.insert(std::string(path));
            const std::string bytes = resourceFile(path);
            std::optional<Size> size = path.ends_with(".gif") ? gif89aSize(bytes) : jfifSize(bytes);
            ASSERT_TRUE(size.has_value());
            EXPECT_EQ(*size, (Size{unit.width, unit.height}));
        }
    }
    EXPECT_EQ(used, resourceList());
}

TEST(Pictures, IconHoldsFiveUncompressed32BitImages) {
    const std::string icon = resourceFile(windowLayout().window.icon);
    ASSERT_GE(icon.size(), 6u);
    EXPECT_EQ(littleEndian16(icon, 0), 0);
    EXPECT_EQ(littleEndian16(icon, 2), 1);
    ASSERT_EQ(littleEndian16(icon, 4), 5);
    const int sizes[] = {256, 128, 48, 32, 16};
    for (size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(sizes[i]);
        const size_t entry = 6 + 16 * i;
        EXPECT_EQ(byteAt(icon, entry), sizes[i] % 256);  // 0 stands for 256
        EXPECT_EQ(byteAt(icon, entry + 1), sizes[i] % 256);
        EXPECT_EQ(littleEndian16(icon, entry + 6), 32);
        // A bitmap header whose height counts the image and its mask, with no compression.
        const size_t image = static_cast<size_t>(littleEndian16(icon, entry + 12)) |
                             static_cast<size_t>(littleEndian16(icon, entry + 14)) << 16;
        EXPECT_EQ(littleEndian16(icon, image), 40);
        EXPECT_EQ(littleEndian16(icon, image + 4), sizes[i]);
        EXPECT_EQ(littleEndian16(icon, image + 8), 2 * sizes[i]);
        EXPECT_EQ(littleEndian16(icon, image + 14), 32);
        EXPECT_EQ(littleEndian16(icon, image + 16), 0);
    }
}

}  // namespace
}  // namespace tesmolen
