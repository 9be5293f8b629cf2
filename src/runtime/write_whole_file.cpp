// Whole-file writes on POSIX systems; write_whole_file_windows.cpp holds the Windows ones.
#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "runtime/elevated_write.hpp"
#include "runtime/files.hpp"

namespace tesmolen {

namespace fs = std::filesystem;

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Writes the bytes over the open file from its start and cuts it to their length.
bool overwrite(int fd, std::string_view bytes) {
    return ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, bytes) &&
           ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// The file that a path names, following symbolic links, so that a link stays a link.
fs::path resolvedTarget(const fs::path& path) {
    std::error_code ec;
    fs::path resolved = fs::canonical(path, ec);
    return ec ? path : resolved;
}

mode_t newFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Sets `refusal` to the error for which the system refused the rename, if it did.
bool replaceByRename(const fs::path& target, std::string_view bytes, int& refusal) {
    std::string hidden = ".";
    hidden += target.filename().string();
    hidden += ".XXXXXX";
    std::string name = (target.parent_path() / hidden).string();
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
        if (errno == EACCES || errno == EPERM || errno == EROFS) refusal = errno;
        return false;
    }
    struct stat old {};
    mode_t mode = ::stat(target.c_str(), &old) == 0 ? old.st_mode & 07777 : newFileMode();
    bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(name.c_str(), target.c_str()) != 0) {
        if (errno == EBUSY || errno == EXDEV || errno == EPERM || errno == EACCES) refusal = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(name.c_str());
        return false;
    }
    // Make the rename itself durable.
    int folder = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

Bytes readAll(int fd) {
    Bytes all;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return all;
        all.append(buffer, static_cast<std::size_t>(n));
    }
}

// Sets `refusal` to the error for which the system refused to open the file, if it did.
bool replaceInPlace(const fs::path& target, std::string_view bytes, int& refusal) {
    refusal = 0;
    int fd = ::open(target.c_str(), O_RDWR);
    if (fd < 0) {
        refusal = errno;
        return false;
    }
    Bytes previous = readAll(fd);
    bool ok = overwrite(fd, bytes);
    if (!ok) overwrite(fd, previous);
    ok = ::close(fd) == 0 && ok;
    return ok;
}

}  // namespace

bool writeWholeFile(const Text& path, std::string_view bytes) {
    const fs::path target = resolvedTarget(nativePath(path));
    int refusal = 0;
    if (replaceByRename(target, bytes, refusal)) return true;
    std::error_code ec;
    if (refusal != 0 && fs::is_regular_file(target, ec) && replaceInPlace(target, bytes, refusal)) {
        return true;
    }
    // The system hosts file, written by a user: its helper may write it.
    return (refusal == EACCES || refusal == EPERM) && writeThroughElevatedWriter(path, bytes);
}

}  // namespace tesmolen

#endif
