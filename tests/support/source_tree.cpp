#include "support/source_tree.hpp"

#include <fstream>
#include <sstream>

namespace tesmolen::testing {

std::filesystem::path sourceTree() {
    // This file lies in tests/support/ of the source tree.
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
}

std::string sourceFile(const std::filesystem::path& relative) {
    std::ifstream in(sourceTree() / relative, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace tesmolen::testing
