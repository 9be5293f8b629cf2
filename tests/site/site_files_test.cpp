#include <gtest/gtest.h>

#include <filesystem>

#include "rules/read_rules.hpp"
#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "support/fake_ui.hpp"
#include "support/source_tree.hpp"
#include "textsvc/text_cipher.hpp"

namespace tesmolen {
namespace {

const std::filesystem::path pages = testing::sourceTree() / "site" / "kovrel" / "ad";

Bytes pageBytes(const std::string& name) {
    return readWholeFile(pathText(pages / name));
}

bool linesEndInCrLf(const Text& text) {
    for (std::size_t at = text.find('\n'); at != Text::npos; at = text.find('\n', at + 1)) {
        if (at == 0 || text[at - 1] != '\r') return false;
    }
    return true;
}

// Width and height from the frame header of a JPEG file; {0, 0} when there is none.
std::pair<int, int> jpegSize(const Bytes& jpeg) {
    auto byte = [&](std::size_t at) { return static_cast<unsigned char>(jpeg[at]); };
    if (jpeg.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8) return {0, 0};
    std::size_t at = 2;
    while (at + 9 < jpeg.size() && byte(at) == 0xFF) {
        const unsigned marker = byte(at + 1);
        const std::size_t length = byte(at + 2) * 256u + byte(at + 3);
        if (marker >= 0xC0 && marker <= 0xC3) {
            return {byte(at + 7) * 256 + byte(at + 8), byte(at + 5) * 256 + byte(at + 6)};
        }
        at += 2 + length;
    }
    return {0, 0};
}

TEST(SiteFiles, NoticeIsAUsableGbkText) {
    const Bytes notice = pageBytes("notice.txt");
    ASSERT_FALSE(notice.empty());
    EXPECT_EQ(toText(notice), notice) << "no zero byte";
    EXPECT_EQ(notice.find('<'), Text::npos) << "the program would replace it";
    EXPECT_EQ(gbkToUtf8(notice).find("\xEF\xBF\xBD"), std::string::npos) << "GBK only";
    EXPECT_TRUE(linesEndInCrLf(notice));
}

TEST(SiteFiles, BannerPicturesAreJpegsOfTheBannersSize) {
    for (const char* name : {"banner1.jpg", "banner2.jpg", "banner3.jpg"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(jpegSize(pageBytes(name)), (std::pair{420, 60}));
    }
}

TEST(SiteFiles, RuleFilesReadAsRulesAndAreLinkedFromTheDownloadPage) {
    const Text downloadPage = pageBytes("ad.html");
    const Text head = gbk(u8"代码开始\r\n");
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(pages / "rules")) {
        if (entry.path().extension() != ".ad") continue;
        ++files;
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        EXPECT_NE(downloadPage.find("href=\"rules/" + name + "\""), Text::npos);

        testing::FakeReportList rows;
        parseRulesInto(decodeText(readWholeFile(pathText(entry.path())), "Tesmolen"), rows);
        ASSERT_GT(rows.rowCount(), 0);
        for (const Text& body : rows.bodies()) {
            const std::size_t entries = body.find(head);
            ASSERT_NE(entries, Text::npos) << body;
            EXPECT_GT(entries, 0u) << "a site name comes first";
            EXPECT_TRUE(body.substr(entries + head.size()).starts_with("0.0.0.0 ")) << body;
            EXPECT_TRUE(body.ends_with("\r\n"));
        }
    }
    EXPECT_GE(files, 3);
}

TEST(SiteFiles, EveryPageTheProgramLinksToExists) {
    for (const char* name : {"pan.html", "ad.html", "ads.html"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(pageBytes(name).find("</html>"), Text::npos);
    }
}

}  // namespace
}  // namespace tesmolen
