#pragma once
// Places where writing a file fails, for the fault tests of whole-file writes. Each one says
// whether the machine let us make it; tests skip when it did not. Mounts are Linux's; share modes
// are Windows'.

#include <filesystem>
#include <string>

namespace tesmolen::testing {

// A tmpfs of the given size mounted on a fresh folder (needs the right to mount).
class SmallDisk {
public:
    explicit SmallDisk(std::size_t bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool ready() const { return mounted_; }
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
};

// Makes an existing file impossible to replace or change: the immutable attribute (root), or
// read-only permissions on the file and its folder (everyone else); on Windows, the file's
// read-only attribute. Undone on destruction.
class LockedFile {
public:
    explicit LockedFile(const std::filesystem::path& file);
    ~LockedFile();
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    bool ready() const { return locked_; }

private:
    std::filesystem::path file_;
    bool locked_ = false;
    bool immutable_ = false;
};

// Mounts an existing file read-only onto itself (needs the right to mount): no rename can
// replace it and no write can change it. Undone on destruction.
class ReadOnlyMountedFile {
public:
    explicit ReadOnlyMountedFile(const std::filesystem::path& file);
    ~ReadOnlyMountedFile();
    ReadOnlyMountedFile(const ReadOnlyMountedFile&) = delete;
    ReadOnlyMountedFile& operator=(const ReadOnlyMountedFile&) = delete;

    bool ready() const { return mounted_; }

private:
    std::filesystem::path file_;
    bool mounted_ = false;
};

// Mounts an existing file onto itself (needs the right to mount): no rename can replace it, but
// it can still be written in place. Undone on destruction.
class BindMountedFile {
public:
    explicit BindMountedFile(const std::filesystem::path& file);
    ~BindMountedFile();
    BindMountedFile(const BindMountedFile&) = delete;
    BindMountedFile& operator=(const BindMountedFile&) = delete;

    bool ready() const { return mounted_; }

private:
    std::filesystem::path file_;
    bool mounted_ = false;
};

// Mounts one file onto another (needs the right to mount). Undone on destruction.
class BindMount {
public:
    BindMount(const std::filesystem::path& source, const std::filesystem::path& onto);
    ~BindMount();
    BindMount(const BindMount&) = delete;
    BindMount& operator=(const BindMount&) = delete;

    bool ready() const { return mounted_; }

private:
    std::filesystem::path onto_;
    bool mounted_ = false;
};

// Keeps an existing file open as another program would, letting others read it and, when asked,
// write it, but never remove or rename it (Windows share modes). Closed on destruction.
class HeldOpenFile {
public:
    HeldOpenFile(const std::filesystem::path& file, bool sharesWrites);
    ~HeldOpenFile();
    HeldOpenFile(const HeldOpenFile&) = delete;
    HeldOpenFile& operator=(const HeldOpenFile&) = delete;

    bool ready() const { return handle_ != nullptr; }
    // The file's bytes as the holder reads them now, from its own handle.
    std::string read() const;

private:
    void* handle_ = nullptr;
};

// Why permission bits cannot keep this process out of a file, or empty when they can.
std::string whyPermissionsDoNotBind();

}  // namespace tesmolen::testing
