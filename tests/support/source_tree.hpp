#pragma once
// Files of the source tree that tests check against the program's tables.

#include <filesystem>
#include <string>

namespace tesmolen::testing {

// The top folder of the source tree.
std::filesystem::path sourceTree();
// The whole content of a file under the top folder, as bytes; empty when it is missing.
std::string sourceFile(const std::filesystem::path& relative);

}  // namespace tesmolen::testing
