#pragma once
// The bytes of a list's cells, packed into large blocks: a list of 100,000 rule bodies costs
// little more than the bodies themselves. Cells are only ever added; the bytes of a replaced or
// deleted cell stay until the whole store is cleared, which every reading of the list does.

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace tesmolen {

class CellStore {
public:
    struct Cell {
        const char* data = nullptr;
        std::uint32_t size = 0;
    };

    Cell store(std::string_view bytes);
    static std::string_view view(Cell cell) { return {cell.data, cell.size}; }
    void clear();

private:
    static constexpr std::size_t blockSize = 1 << 20;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t used_ = 0;  // bytes used in the last block
    std::size_t room_ = 0;  // bytes left in the last block
};

}  // namespace tesmolen
