#include "support/file_traps.hpp"

#include <fcntl.h>
#include <linux/fs.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tesmolen::testing {

namespace fs = std::filesystem;

namespace {

bool setImmutable(const fs::path& file, bool on) {
    int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

void clearImmutable(const fs::path& file) {
    setImmutable(file, false);
}

void unmount(const fs::path& target) {
    ::umount2(target.c_str(), MNT_DETACH);
}

// Once per process: from here on mounts stay inside the process.
bool privateMountNamespace() {
    static const bool entered = ::unshare(CLONE_NEWNS) == 0 &&
                                ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return entered;
}

}  // namespace

FileTrap::~FileTrap() {
    if (undo_ != nullptr) undo_(path_);
}

void FileTrap::fail(const std::string& what) {
    failure_ = what + ": " + std::strerror(errno);
}

ImmutableFile::ImmutableFile(const fs::path& file) {
    path_ = file;
    if (setImmutable(file, true)) {
        undo_ = clearImmutable;
    } else {
        fail("cannot set the immutable attribute");
    }
}

BindMountedFile::BindMountedFile(const fs::path& file, bool readOnly) {
    path_ = file;
    if (!privateMountNamespace()) {
        fail("no private mount namespace");
        return;
    }
    if (::mount(file.c_str(), file.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        fail("cannot bind-mount the file");
        return;
    }
    undo_ = unmount;
    const unsigned long readOnlyFlags = MS_REMOUNT | MS_BIND | MS_RDONLY;
    if (readOnly && ::mount(nullptr, file.c_str(), nullptr, readOnlyFlags, nullptr) != 0) {
        fail("cannot make the bind mount read-only");
        unmount(file);
        undo_ = nullptr;
    }
}

SmallFileSystem::SmallFileSystem(const fs::path& folder, std::size_t bytes) {
    path_ = folder;
    if (!privateMountNamespace()) {
        fail("no private mount namespace");
        return;
    }
    const std::string options = "size=" + std::to_string(bytes);
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        fail("cannot mount a small file system");
        return;
    }
    undo_ = unmount;
}

}  // namespace tesmolen::testing
