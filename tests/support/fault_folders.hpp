#pragma once
// Places where writing a file fails, for the fault tests of whole-file writes. Each one says
// whether the machine let us make it; tests skip when it did not.

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
// read-only permissions on the file and its folder (everyone else). Undone on destruction.
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

}  // namespace tesmolen::testing
