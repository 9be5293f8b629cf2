#pragma once
// Whether a program found on disk is one that only root can have put there. POSIX systems only.

#include <filesystem>

namespace tesmolen {

// True when the file and every folder above it, links resolved, are owned by root and writable
// by neither their group nor others: no other user can have placed or changed it.
bool onlyRootMayChange(const std::filesystem::path& file);

}  // namespace tesmolen
