#include "runtime/root_owned.hpp"

#ifndef _WIN32

#include <sys/stat.h>

#include <system_error>

namespace tesmolen {

namespace fs = std::filesystem;

bool onlyRootMayChange(const fs::path& file) {
    std::error_code ec;
    fs::path at = fs::canonical(file, ec);
    if (ec) return false;
    for (;;) {
        struct stat status {};
        if (::stat(at.c_str(), &status) != 0 || status.st_uid != 0 ||
            (status.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
            return false;
        }
        if (at == at.root_path()) return true;
        at = at.parent_path();
    }
}

}  // namespace tesmolen

#endif
