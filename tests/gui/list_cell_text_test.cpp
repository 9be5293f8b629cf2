#include "runtime/qt/list_cell_text.hpp"

#include <gtest/gtest.h>

#include "runtime/text.hpp"

namespace tesmolen {
namespace {

TEST(ListCellText, ATooltipShowsTheFirstLinesEachCut) {
    EXPECT_EQ(cellTip("one\r\ntwo", 3, 10), QStringLiteral("one\ntwo"));
    EXPECT_EQ(cellTip("one\r\ntwo\r\nthree\r\nfour", 2, 10), QStringLiteral(u"one\ntwo\n\u2026"));
    EXPECT_EQ(cellTip("a long first line\r\nb", 3, 6), QStringLiteral(u"a long\u2026\nb"));
    const Text oneHugeLine(1 << 20, 'x');
    EXPECT_EQ(cellTip(oneHugeLine, 8, 4), QStringLiteral(u"xxxx\u2026\n\u2026"));
}

}  // namespace
}  // namespace tesmolen
