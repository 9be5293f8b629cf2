#pragma once
// Ways to make the writing of a file fail, even for root. Each undoes itself when it goes.
// Mounts are made in a mount namespace of the test process's own, so nothing outside sees
// them. Where the machine does not allow one, made() is false and the test should skip.

#include <cstddef>
#include <filesystem>
#include <string>

namespace tesmolen::testing {

class FileTrap {
public:
    FileTrap(const FileTrap&) = delete;
    FileTrap& operator=(const FileTrap&) = delete;
    bool made() const { return undo_ != nullptr; }
    // Why the trap could not be made.
    const std::string& failure() const { return failure_; }

protected:
    FileTrap() = default;
    ~FileTrap();
    void fail(const std::string& what);

    void (*undo_)(const std::filesystem::path&) = nullptr;
    std::filesystem::path path_;
    std::string failure_;
};

// The file's immutable attribute: no rename over it, no write into it.
class ImmutableFile : public FileTrap {
public:
    explicit ImmutableFile(const std::filesystem::path& file);
};

// The file bind-mounted onto itself, so that no rename can replace it; read-only on request.
class BindMountedFile : public FileTrap {
public:
    BindMountedFile(const std::filesystem::path& file, bool readOnly);
};

// A file system of this many bytes mounted on the (existing, empty) folder.
class SmallFileSystem : public FileTrap {
public:
    SmallFileSystem(const std::filesystem::path& folder, std::size_t bytes);
};

}  // namespace tesmolen::testing
