#pragma once
// Whole files as exact bytes. Paths are program texts (GBK) and are turned into the file
// system's own encoding here, at the edge.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/text.hpp"

namespace tesmolen {

// All bytes of the file; empty when it is missing or cannot be read.
Bytes readWholeFile(const Text& path);

// All bytes of the file; nothing when it is missing, is a folder or cannot be read. An existing
// empty file gives no bytes, but gives them.
std::optional<Bytes> readWholeFileIfReadable(const Text& path);

bool fileExists(const Text& path);

// True only when the system says that nothing is at the path, not even a link; false when it
// cannot tell.
bool nothingAt(const Text& path);

// Replaces the file by exactly these bytes, or creates it. The bytes go to a temporary file
// beside the target, reach the disk, and are renamed over it, so a failure at any point leaves
// the previous file whole; the target keeps its permission bits. Where a rename cannot replace
// the file (a bind-mounted file, a folder the user may not write), the file is rewritten in
// place, and put back as it was if that write fails. True when the bytes reached the file.
bool writeWholeFile(const Text& path, std::string_view bytes);

// The process's current directory, ending in a path separator.
Text currentDirectory();

// The folder that holds the running executable, ending in a path separator.
Text programFolder();

// The path as the operating system wants it: UTF-8 bytes on Linux; on Windows UTF-16, turned from
// GBK through code page 936, so that the wide API sees the same file whatever the ANSI code page.
std::filesystem::path nativePath(const Text& path);

// A path of the operating system as a program text.
Text pathText(const std::filesystem::path& path);

}  // namespace tesmolen
