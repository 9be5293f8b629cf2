#pragma once
// A file rewritten in place (where it cannot be replaced by a rename) first has its old bytes
// copied beside it, "<name>.tesmolen-old", flushed; the copy goes once the rewrite is on disk. A
// rewrite cut short (the program killed, the power gone) leaves the copy, and the next save of
// the file puts it back before reading the file.

#include <filesystem>
#include <optional>

#include "runtime/elevated_write.hpp"
#include "runtime/text.hpp"

namespace tesmolen {

// The name of the copy kept beside the file while it is rewritten in place.
std::filesystem::path interruptedWriteCopy(const std::filesystem::path& file);

// The bytes of a copy left over beside the file: only a regular file, not a link, with the
// file's own owner counts as one.
std::optional<Bytes> leftOverCopyOf(const std::filesystem::path& file);

// Called before a save reads the file: when a rewrite of it was cut short, puts the old bytes
// back and removes the copy. The file's links are followed, and a write refused to this user is
// handed to the elevated writer, as a whole-file write does.
void putBackInterruptedWrite(const Text& path, ElevatedWriter& elevated = noElevatedWriter());

}  // namespace tesmolen
