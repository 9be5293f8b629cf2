#pragma once
// Whole files as exact bytes. Paths are program texts (GBK) and are turned into the file
// system's own encoding here, at the edge.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/elevated_write.hpp"
#include "runtime/text.hpp"

namespace tesmolen {

// The largest file the program reads or writes: rule files, backups and the hosts file alike.
// No hosts file of a working system comes near it, and a larger one is refused rather than
// taken into memory.
constexpr std::size_t largestFile = std::size_t{64} << 20;

// All bytes of the file; empty when it is missing, cannot be read or holds more than largestFile.
Bytes readWholeFile(const Text& path);

// All bytes of the file; nothing when it is missing, is a folder, cannot be read or holds more
// than largestFile bytes. An existing empty file gives no bytes, but gives them.
std::optional<Bytes> readWholeFileIfReadable(const Text& path);

bool fileExists(const Text& path);

// True only when the system says that nothing is at the path, not even a link; false when it
// cannot tell.
bool nothingAt(const Text& path);

// Replaces the file by exactly these bytes, or creates it. The bytes go to a temporary file
// beside the target, reach the disk, and are renamed over it, so a failure at any point leaves
// the previous file whole; the new file takes the old one's owner, group, permission bits and
// extended attributes as far as this user may set them. A link to the file stays a link; on POSIX
// systems a link is followed only where the system would follow it for this user (not another
// user's link in a sticky folder that everyone may write). Where a rename cannot replace the file
// (a bind-mounted file, a folder the user may not write, on Windows a file held open), the file is
// rewritten in place, its old bytes kept meanwhile (interrupted_write.hpp), and put back as they
// were if that write fails. On POSIX systems a write that the system refuses to this user goes to
// the elevated writer; on Windows the program runs as administrator and has none. True when the
// bytes reached the file.
bool writeWholeFile(const Text& path, std::string_view bytes,
                    ElevatedWriter& elevated = noElevatedWriter());

#ifndef _WIN32
// The same for a system file, written by its privileged writer: the new file has no name until
// it is complete, so a writer killed half way leaves nothing behind, and a file that did not exist
// is made 0644, owned by root, whatever the umask.
bool writeSystemFile(const Text& path, std::string_view bytes);
#endif

// The process's current directory, ending in a path separator.
Text currentDirectory();

// The folder that holds the running executable, ending in a path separator.
Text programFolder();

// Where the rule files' dialogs open. On Windows the program's folder, where the program, run as
// administrator, may write. Elsewhere the program lies in a folder of the system: there it is the
// folder the program was started in when the user may write it, else the home folder.
Text ruleFileFolder();

// The path as the operating system wants it: UTF-8 bytes on Linux; on Windows UTF-16, turned from
// GBK through code page 936, so that the wide API sees the same file whatever the ANSI code page.
std::filesystem::path nativePath(const Text& path);

// A path of the operating system as a program text.
Text pathText(const std::filesystem::path& path);

}  // namespace tesmolen
