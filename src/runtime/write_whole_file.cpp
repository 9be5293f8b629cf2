// Whole-file writes on POSIX systems; write_whole_file_windows.cpp holds the Windows ones.
#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "runtime/elevated_write.hpp"
#include "runtime/files.hpp"
#include "runtime/interrupted_write.hpp"

namespace tesmolen {

namespace fs = std::filesystem;

namespace {

struct WriteOptions {
    bool systemFile = false;  // written by its privileged writer; a new one is 0644 root:root
};

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    bool close() {
        if (fd_ < 0) return true;
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return closed;
    }

private:
    int fd_;
};

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

void flushFolder(const fs::path& folder) {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) ::fsync(fd.get());
}

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The file a path names, its trailing links followed only where the kernel's protection of
// links in shared folders would follow them for this user: a link in a sticky folder that
// everyone may write is followed only when this user or the folder's owner made it. Nothing
// when a link may not be followed or cannot be read.
std::optional<fs::path> followedTarget(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat link {};
        if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
        const fs::path folder = folderOf(path);
        struct stat shared {};
        if (::stat(folder.c_str(), &shared) != 0) return std::nullopt;
        const bool stickyForAll = (shared.st_mode & S_ISVTX) && (shared.st_mode & S_IWOTH);
        if (stickyForAll && link.st_uid != ::geteuid() && link.st_uid != shared.st_uid) {
            return std::nullopt;
        }
        std::error_code ec;
        const fs::path to = fs::read_symlink(path, ec);
        if (ec) return std::nullopt;
        path = to.is_absolute() ? to : folder / to;
    }
    return std::nullopt;
}

// The process's umask, read without changing it: another thread may be creating files.
mode_t processUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("Umask:")) return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    }
    return 022;
}

// Gives the new file the owner, group, mode and extended attributes (ACL, security label, user
// attributes) of the file it replaces. What the file system or this user's rights refuse is
// left as it is: a save never fails for it.
void takeOverAttributes(int from, int to) {
    struct stat old {};
    if (::fstat(from, &old) != 0) return;
    (void)::fchown(to, old.st_uid, old.st_gid);
    ::fchmod(to, old.st_mode & 07777);
    ssize_t listed = ::flistxattr(from, nullptr, 0);
    if (listed <= 0) return;
    std::string names(static_cast<std::size_t>(listed), '\0');
    listed = ::flistxattr(from, names.data(), names.size());
    if (listed <= 0) return;
    names.resize(static_cast<std::size_t>(listed));
    for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) {
        const char* name = names.c_str() + at;
        const ssize_t size = ::fgetxattr(from, name, nullptr, 0);
        if (size < 0) continue;
        std::string value(static_cast<std::size_t>(size), '\0');
        const ssize_t got = ::fgetxattr(from, name, value.data(), value.size());
        if (got < 0) continue;
        (void)::fsetxattr(to, name, value.data(), static_cast<std::size_t>(got), 0);
    }
}

void takeOverOrStartAttributes(const fs::path& target, int to, const WriteOptions& options) {
    Descriptor old(::open(target.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (old.valid()) {
        takeOverAttributes(old.get(), to);
    } else if (options.systemFile) {
        (void)::fchown(to, 0, 0);
        ::fchmod(to, 0644);
    } else {
        ::fchmod(to, 0666 & ~processUmask());
    }
}

// A file beside the target that no other name reaches yet. It has a name only once linked, just
// before the rename, so a writer killed while writing it leaves nothing in the folder.
// ".<name>.<suffix>" beside the target. Built by appending: GCC 12 warns falsely on a literal
// added to a temporary string at -O3.
std::string hiddenName(const fs::path& target, const std::string& suffix) {
    std::string name(1, '.');
    name += target.filename().string();
    name += '.';
    name += suffix;
    return name;
}

class NewFile {
public:
    NewFile(const fs::path& target, bool unnamed) : target_(target) {
        if (unnamed) {
            fd_ = ::open(folderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
            if (fd_ >= 0) return;
        }
        name_ = (folderOf(target) / hiddenName(target, "XXXXXX")).string();
        fd_ = ::mkstemp(name_.data());
        if (fd_ < 0) name_.clear();
    }
    ~NewFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!name_.empty()) ::unlink(name_.c_str());
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    int fd() const { return fd_; }

    // Flushes and closes the file and renames it over the target; false leaves the target as
    // it was and no new file behind.
    bool replaceTarget() {
        bool ok = ::fsync(fd_) == 0 && giveName();
        ok = ::close(std::exchange(fd_, -1)) == 0 && ok;
        if (!ok || ::rename(name_.c_str(), target_.c_str()) != 0) return false;
        name_.clear();
        flushFolder(folderOf(target_));
        return true;
    }

private:
    bool giveName() {
        if (!name_.empty()) return true;
        static std::atomic<unsigned> counter{0};
        const std::string proc = "/proc/self/fd/" + std::to_string(fd_);
        for (int tries = 0; tries < 100; ++tries) {
            const fs::path name = folderOf(target_) /
                                  hiddenName(target_, std::to_string(::getpid()) + "-" +
                                                          std::to_string(counter++));
            int linked = ::linkat(fd_, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH);
            if (linked != 0 && errno != EEXIST) {
                linked = ::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
            }
            if (linked == 0) {
                name_ = name.string();
                return true;
            }
            if (errno != EEXIST) return false;
        }
        return false;
    }

    fs::path target_;
    std::string name_;
    int fd_ = -1;
};

// Sets `refusal` to the error for which the system refused the rename, if it did.
bool replaceByRename(const fs::path& target, std::string_view bytes, const WriteOptions& options,
                     int& refusal) {
    NewFile file(target, options.systemFile);
    if (file.fd() < 0) {
        if (errno == EACCES || errno == EPERM || errno == EROFS) refusal = errno;
        return false;
    }
    takeOverOrStartAttributes(target, file.fd(), options);
    if (!writeAll(file.fd(), bytes)) return false;
    if (file.replaceTarget()) return true;
    if (errno == EBUSY || errno == EXDEV || errno == EPERM || errno == EACCES) refusal = errno;
    return false;
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

// Keeps the old bytes in a copy beside the file, flushed, until the rewrite is on disk: a write
// cut short leaves the copy, which the next save puts back. True when the copy is there: one left
// over from a rewrite that was cut short is kept as it is, since it holds the file as it was.
bool keepCopy(const fs::path& target, std::string_view previous) {
    const fs::path copy = interruptedWriteCopy(target);
    if (leftOverCopyOf(target)) return true;
    ::unlink(copy.c_str());
    Descriptor fd(::open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd.valid()) return false;
    const bool kept = writeAll(fd.get(), previous) && ::fsync(fd.get()) == 0 && fd.close();
    if (kept) {
        flushFolder(folderOf(target));
    } else {
        ::unlink(copy.c_str());
    }
    return kept;
}

// Sets `refusal` to the error for which the system refused to open the file, if it did.
bool replaceInPlace(const fs::path& target, std::string_view bytes, int& refusal) {
    refusal = 0;
    Descriptor fd(::open(target.c_str(), O_RDWR | O_CLOEXEC));
    if (!fd.valid()) {
        refusal = errno;
        return false;
    }
    const Bytes previous = readAll(fd.get());
    const bool copied = keepCopy(target, previous);
    const bool written = overwrite(fd.get(), bytes);
    const bool whole = written || overwrite(fd.get(), previous);
    const bool closed = fd.close();
    if (copied && whole) {
        ::unlink(interruptedWriteCopy(target).c_str());
        flushFolder(folderOf(target));
    }
    return written && closed;
}

bool writeFile(const Text& path, std::string_view bytes, const WriteOptions& options,
               ElevatedWriter& elevated) {
    const std::optional<fs::path> target = followedTarget(nativePath(path));
    if (!target) return false;
    int refusal = 0;
    if (replaceByRename(*target, bytes, options, refusal)) return true;
    std::error_code ec;
    if (refusal != 0 && fs::is_regular_file(*target, ec) &&
        replaceInPlace(*target, bytes, refusal)) {
        return true;
    }
    // The system hosts file, written by a user: its helper may write it.
    return (refusal == EACCES || refusal == EPERM) && elevated.write(path, bytes);
}

}  // namespace

bool writeWholeFile(const Text& path, std::string_view bytes, ElevatedWriter& elevated) {
    return writeFile(path, bytes, {.systemFile = false}, elevated);
}

bool writeSystemFile(const Text& path, std::string_view bytes) {
    return writeFile(path, bytes, {.systemFile = true}, noElevatedWriter());
}

std::optional<Bytes> leftOverCopyOf(const fs::path& file) {
    struct stat copy {}, own {};
    const fs::path copyPath = interruptedWriteCopy(file);
    if (::lstat(copyPath.c_str(), &copy) != 0 || !S_ISREG(copy.st_mode)) return std::nullopt;
    if (::stat(file.c_str(), &own) != 0 || own.st_uid != copy.st_uid) return std::nullopt;
    return readWholeFileIfReadable(pathText(copyPath));
}

void putBackInterruptedWrite(const Text& path, ElevatedWriter& elevated) {
    const std::optional<fs::path> target = followedTarget(nativePath(path));
    if (!target) return;
    const std::optional<Bytes> copy = leftOverCopyOf(*target);
    if (!copy) return;
    // Rewritten in place, the copy is kept until the file is whole again.
    int refusal = 0;
    if (!replaceInPlace(*target, *copy, refusal) && (refusal == EACCES || refusal == EPERM)) {
        elevated.write(path, *copy);
    }
}

}  // namespace tesmolen

#endif
