// The fault places on Windows: no mounts, the read-only attribute for a locked file, and files
// held open under share modes.

#include <windows.h>

#include "support/fault_folders.hpp"

namespace tesmolen::testing {

namespace fs = std::filesystem;

namespace {

bool setReadOnly(const fs::path& file, bool on) {
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    const DWORD changed =
        on ? attributes | FILE_ATTRIBUTE_READONLY : attributes & ~DWORD{FILE_ATTRIBUTE_READONLY};
    return SetFileAttributesW(file.c_str(), changed) != 0;
}

}  // namespace

SmallDisk::SmallDisk(std::size_t) {}
SmallDisk::~SmallDisk() = default;

LockedFile::LockedFile(const fs::path& file) : file_(file) {
    locked_ = setReadOnly(file_, true);
}

LockedFile::~LockedFile() {
    if (locked_) setReadOnly(file_, false);
}

ReadOnlyMountedFile::ReadOnlyMountedFile(const fs::path& file) : file_(file) {}
ReadOnlyMountedFile::~ReadOnlyMountedFile() = default;

BindMountedFile::BindMountedFile(const fs::path& file) : file_(file) {}
BindMountedFile::~BindMountedFile() = default;

BindMount::BindMount(const fs::path&, const fs::path& onto) : onto_(onto) {}
BindMount::~BindMount() = default;

HeldOpenFile::HeldOpenFile(const fs::path& file, bool sharesWrites) {
    const DWORD share = FILE_SHARE_READ | (sharesWrites ? FILE_SHARE_WRITE : 0);
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) handle_ = handle;
}

HeldOpenFile::~HeldOpenFile() {
    if (handle_ != nullptr) CloseHandle(handle_);
}

std::string HeldOpenFile::read() const {
    std::string bytes;
    LARGE_INTEGER start{};
    if (handle_ == nullptr || !SetFilePointerEx(handle_, start, nullptr, FILE_BEGIN)) return bytes;
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(handle_, buffer, sizeof buffer, &count, nullptr) && count > 0) {
        bytes.append(buffer, count);
    }
    return bytes;
}

std::string whyPermissionsDoNotBind() {
    return "Windows has no POSIX permission bits";
}

}  // namespace tesmolen::testing
