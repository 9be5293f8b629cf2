#pragma once
// Whole files as exact bytes. Paths are program texts (GBK) and are turned into the file
// system's own encoding here, at the edge.

#include <string>

#include "runtime/text.hpp"

namespace tesmolen {

// All bytes of the file; empty when it is missing or cannot be read.
Bytes readWholeFile(const Text& path);

bool fileExists(const Text& path);

// The process's current directory, ending in a path separator.
Text currentDirectory();

// The folder that holds the running executable, ending in a path separator.
Text programFolder();

// The path as the operating system wants it.
std::string nativePath(const Text& path);

}  // namespace tesmolen
