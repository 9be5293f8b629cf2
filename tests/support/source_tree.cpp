#include "support/source_tree.hpp"

#include <fstream>
#include <sstream>

namespace tesmolen::testing {

std::filesystem::path sourceTree() {
    return TESMOLEN_SOURCE_TREE;
}

std::string sourceFile(const std::filesystem::path& relative) {
    std::ifstream in(sourceTree() / relative, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace tesmolen::testing
