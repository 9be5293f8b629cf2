#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/cell_store.hpp"

namespace tesmolen {
namespace {

TEST(CellStore, CellsKeepTheirBytesAcrossBlocks) {
    CellStore store;
    std::vector<std::string> texts;
    std::vector<CellStore::Cell> cells;
    // Enough cells to fill several blocks, one larger than a block, and empty ones between.
    for (int i = 0; i < 30000; ++i) texts.push_back(std::string(100, static_cast<char>(i % 251)));
    texts.push_back(std::string(3 << 20, 'x'));
    texts.push_back("");
    texts.push_back(std::string("a\0b", 3));
    for (const std::string& t : texts) cells.push_back(store.store(t));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ASSERT_EQ(CellStore::view(cells[i]), texts[i]) << i;
    }
    store.clear();
    EXPECT_EQ(CellStore::view(store.store("again")), "again");
}

}  // namespace
}  // namespace tesmolen
