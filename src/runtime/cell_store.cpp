#include "runtime/cell_store.hpp"

#include <algorithm>
#include <cstring>
#include <limits>

namespace tesmolen {

CellStore::Cell CellStore::store(std::string_view bytes) {
    if (bytes.empty()) return {};
    const std::size_t size =
        std::min<std::size_t>(bytes.size(), std::numeric_limits<std::uint32_t>::max());
    if (size > room_) {
        const std::size_t block = std::max(blockSize, size);
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(block));
        used_ = 0;
        room_ = block;
    }
    char* at = blocks_.back().get() + used_;
    std::memcpy(at, bytes.data(), size);
    used_ += size;
    room_ -= size;
    return {at, static_cast<std::uint32_t>(size)};
}

void CellStore::clear() {
    blocks_.clear();
    blocks_.shrink_to_fit();
    used_ = 0;
    room_ = 0;
}

}  // namespace tesmolen
