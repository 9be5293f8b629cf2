#include "runtime/cell_line.hpp"

#include <gtest/gtest.h>

#include "runtime/codepage.hpp"

namespace tesmolen {
namespace {

TEST(CellLine, ShowsTheCellsStartOnOneLineAndMarksTheCut) {
    const Text cell = gbk(u8"ab中\r\nc\rd\ne");
    EXPECT_EQ(cellLine(cell, 100), gbk(u8"ab中↓c↓d↓e"));
    EXPECT_EQ(cellLine(cell, 4), gbk(u8"ab中…"));
    EXPECT_EQ(cellLine(cell, 3), gbk(u8"ab…")) << "never half a character";
    EXPECT_EQ(cellLine(gbk(u8"ab\r\n"), 3), gbk(u8"ab↓…")) << "a line end cut in two";
    EXPECT_EQ(cellLine("", 10), "");
    EXPECT_EQ(cellLine("\x81", 10), "\x81") << "a lead byte at the very end";
    EXPECT_EQ(cellLine("a\x81\nb", 10), gbk(u8"a?↓b")) << "a lead byte before a line end";
}

}  // namespace
}  // namespace tesmolen
