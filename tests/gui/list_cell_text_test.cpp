#include "runtime/qt/list_cell_text.hpp"

#include <gtest/gtest.h>

#include "runtime/codepage.hpp"

namespace tesmolen {
namespace {

using namespace std::string_literals;

TEST(ListCellText, ARowShowsTheCellsStartOnOneLineAndMarksTheCut) {
    const Text cell = gbk(u8"ab中\r\nc\rd\ne");
    EXPECT_EQ(cellLine(cell, 100), QStringLiteral(u"ab中\u23CEc\u23CEd\u23CEe"));
    EXPECT_EQ(cellLine(cell, 4), QStringLiteral(u"ab中\u2026"));
    EXPECT_EQ(cellLine(cell, 3), QStringLiteral(u"ab\u2026")) << "never half a character";
    EXPECT_EQ(cellLine("", 10), QString());
    EXPECT_EQ(cellLine("\x81", 10), QStringLiteral(u"\uFFFD")) << "a lead byte at the very end";
}

TEST(ListCellText, ATooltipShowsTheFirstLinesEachCut) {
    EXPECT_EQ(cellTip("one\r\ntwo", 3, 10), QStringLiteral("one\ntwo"));
    EXPECT_EQ(cellTip("one\r\ntwo\r\nthree\r\nfour", 2, 10), QStringLiteral(u"one\ntwo\n\u2026"));
    EXPECT_EQ(cellTip("a long first line\r\nb", 3, 6), QStringLiteral(u"a long\u2026\nb"));
    const Text oneHugeLine(1 << 20, 'x');
    EXPECT_EQ(cellTip(oneHugeLine, 8, 4), QStringLiteral(u"xxxx\u2026\n\u2026"));
}

}  // namespace
}  // namespace tesmolen
