#include "runtime/interrupted_write.hpp"

namespace tesmolen {

std::filesystem::path interruptedWriteCopy(const std::filesystem::path& file) {
    std::filesystem::path copy = file;
    copy += ".tesmolen-old";
    return copy;
}

}  // namespace tesmolen
