#include "support/fault_folders.hpp"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <random>

namespace tesmolen::testing {

namespace fs = std::filesystem;

SmallDisk::SmallDisk(std::size_t bytes) {
    folder_ =
        fs::temp_directory_path() / ("tesmolen-disk-" + std::to_string(std::random_device{}()));
    fs::create_directory(folder_);
    const std::string options = "size=" + std::to_string(bytes);
    mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

SmallDisk::~SmallDisk() {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

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

}  // namespace

LockedFile::LockedFile(const fs::path& file) : file_(file) {
    if (::geteuid() == 0) {
        immutable_ = setImmutable(file_, true);
        locked_ = immutable_;
        return;
    }
    std::error_code ec;
    fs::permissions(file_, fs::perms(0444), ec);
    if (!ec) fs::permissions(file_.parent_path(), fs::perms(0555), ec);
    locked_ = !ec;
}

LockedFile::~LockedFile() {
    if (immutable_) {
        setImmutable(file_, false);
        return;
    }
    std::error_code ec;
    fs::permissions(file_.parent_path(), fs::perms(0755), ec);
    fs::permissions(file_, fs::perms(0644), ec);
}

ReadOnlyMountedFile::ReadOnlyMountedFile(const fs::path& file) : file_(file) {
    if (::mount(file_.c_str(), file_.c_str(), nullptr, MS_BIND, nullptr) != 0) return;
    mounted_ =
        ::mount(nullptr, file_.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    if (!mounted_) ::umount2(file_.c_str(), MNT_DETACH);
}

ReadOnlyMountedFile::~ReadOnlyMountedFile() {
    if (mounted_) ::umount2(file_.c_str(), MNT_DETACH);
}

BindMountedFile::BindMountedFile(const fs::path& file) : file_(file) {
    mounted_ = ::mount(file_.c_str(), file_.c_str(), nullptr, MS_BIND, nullptr) == 0;
}

BindMountedFile::~BindMountedFile() {
    if (mounted_) ::umount2(file_.c_str(), MNT_DETACH);
}

BindMount::BindMount(const fs::path& source, const fs::path& onto) : onto_(onto) {
    mounted_ = ::mount(source.c_str(), onto.c_str(), nullptr, MS_BIND, nullptr) == 0;
}

BindMount::~BindMount() {
    if (mounted_) ::umount2(onto_.c_str(), MNT_DETACH);
}

// POSIX has no share modes: an open file never stops a rename or a write.
HeldOpenFile::HeldOpenFile(const fs::path&, bool) {}
HeldOpenFile::~HeldOpenFile() = default;
std::string HeldOpenFile::read() const {
    return {};
}

std::string whyPermissionsDoNotBind() {
    return ::geteuid() == 0 ? "root reads and writes every file" : "";
}

}  // namespace tesmolen::testing
