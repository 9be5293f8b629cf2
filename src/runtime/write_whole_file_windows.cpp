// Whole-file writes on Windows, with the promise files.hpp gives: the bytes go to a new file beside
// the target, reach the disk, and replace the target in one move; where the move is refused, the
// target is rewritten in place, its old bytes kept in a copy beside it meanwhile, and put back as
// it was if that fails.

#include <windows.h>
// After windows.h, which it needs.
#include <aclapi.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <string_view>
#include <utility>

#include "runtime/disk_calls_windows.hpp"
#include "runtime/files.hpp"
#include "runtime/interrupted_write.hpp"

namespace tesmolen {

DiskCalls& diskCalls() {
    static DiskCalls calls;
    return calls;
}

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(FileHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        if (!valid()) return true;
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 24));
        DWORD written = 0;
        if (!diskCalls().writeFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// Writes the bytes over the open file from its start, cuts it to their length and flushes it.
bool overwrite(HANDLE file, std::string_view bytes) {
    LARGE_INTEGER start{};
    return SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && writeAll(file, bytes) &&
           SetEndOfFile(file) && diskCalls().flushFileBuffers(file);
}

bool readAll(HANDLE file, Bytes& all) {
    char buffer[65536];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &read, nullptr)) return false;
        if (read == 0) return true;
        all.append(buffer, read);
    }
}

// A file beside the target that this writer alone owns: CREATE_NEW refuses a name that exists,
// and the process id with a counter gives each try a name of its own.
FileHandle createTemporary(const std::wstring& target, std::wstring& name) {
    static std::atomic<unsigned> counter{0};
    for (int tries = 0; tries < 100; ++tries) {
        name = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(counter++) + L".tesmolen-new";
        FileHandle file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.valid() || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return FileHandle(INVALID_HANDLE_VALUE);
}

// Refused: the folder takes no new file, or the target may not be replaced though it may be
// written (another program holds it open, sharing reads and writes but not its removal).
bool refused(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
           error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

std::wstring fullPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length =
        size == 0 ? 0 : GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

// Whether the file may be replaced. ReplaceFileW finds out as well, but Wine's leaves an empty
// file of its own beside a target that another program holds open.
bool mayBeRemoved(const std::wstring& file) {
    FileHandle handle(CreateFileW(file.c_str(), DELETE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return handle.valid();
}

// Puts the written file in the target's place. An existing target is replaced, which keeps its
// security descriptor, and given its attributes again, which the replace may drop (Wine loses
// hidden and system). A missing target is moved to, never over a file that appeared meanwhile.
bool moveIntoPlace(const std::wstring& written, const std::wstring& target, bool& renameRefused) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    bool moved = false;
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        moved = MoveFileExW(written.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    } else if (mayBeRemoved(target)) {
        moved = ReplaceFileW(target.c_str(), written.c_str(), nullptr, REPLACEFILE_WRITE_THROUGH,
                             nullptr, nullptr);
    }
    const DWORD error = GetLastError();
    // The target is gone and the written file still has its own name.
    if (!moved && error == ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
        moved = MoveFileExW(written.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    }
    if (!moved) {
        renameRefused = refused(error);
        // Where the target is gone, the written file holds the only copy and is left for the user.
        if (error != ERROR_UNABLE_TO_MOVE_REPLACEMENT) DeleteFileW(written.c_str());
        return false;
    }
    // The bytes are in place either way; attributes that cannot be set again do not undo that.
    constexpr DWORD settable = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                               FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                               FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY;
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        const DWORD kept = attributes & settable;
        SetFileAttributesW(target.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
    }
    return true;
}

bool replaceByRename(const std::wstring& target, std::string_view bytes, bool& renameRefused) {
    const std::wstring full = fullPath(target);
    std::wstring temporary;
    FileHandle file = createTemporary(full, temporary);
    if (!file.valid()) {
        renameRefused = refused(GetLastError());
        return false;
    }
    bool ok = writeAll(file.get(), bytes) && diskCalls().flushFileBuffers(file.get());
    ok = file.close() && ok;
    if (ok) return moveIntoPlace(temporary, full, renameRefused);
    DeleteFileW(temporary.c_str());
    return false;
}

// Keeps the old bytes in a copy beside the file, flushed, until the rewrite is on disk. True when
// the copy is there: one left over from a rewrite that was cut short is kept as it is, since it
// holds the file as it was.
bool keepCopy(const std::wstring& target, std::string_view previous) {
    if (leftOverCopyOf(target)) return true;
    const std::wstring copy = interruptedWriteCopy(target).native();
    DeleteFileW(copy.c_str());
    FileHandle file(CreateFileW(copy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    const bool kept = writeAll(file.get(), previous) && diskCalls().flushFileBuffers(file.get());
    if (!(file.close() && kept)) {
        DeleteFileW(copy.c_str());
        return false;
    }
    return true;
}

bool replaceInPlace(const std::wstring& target, std::string_view bytes) {
    FileHandle file(CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    Bytes previous;
    if (!readAll(file.get(), previous)) return false;
    const bool copied = keepCopy(target, previous);
    const bool written = overwrite(file.get(), bytes);
    const bool whole = written || overwrite(file.get(), previous);
    const bool closed = file.close();
    if (copied && whole) DeleteFileW(interruptedWriteCopy(target).c_str());
    return written && closed;
}

// The owner of a file, as a security identifier; empty when it cannot be read.
std::string ownerOf(const std::wstring& file) {
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(file.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner,
                              nullptr, nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
        return {};
    }
    std::string sid;
    if (owner != nullptr && IsValidSid(owner)) {
        sid.assign(static_cast<const char*>(owner), GetLengthSid(owner));
    }
    LocalFree(descriptor);
    return sid;
}

}  // namespace

std::optional<Bytes> leftOverCopyOf(const std::filesystem::path& file) {
    const std::wstring copy = interruptedWriteCopy(file).native();
    const DWORD attributes = GetFileAttributesW(copy.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
        return std::nullopt;
    }
    const std::string owner = ownerOf(copy);
    if (owner.empty() || owner != ownerOf(file.native())) return std::nullopt;
    return readWholeFileIfReadable(pathText(copy));
}

void putBackInterruptedWrite(const Text& path, ElevatedWriter&) {
    const std::wstring target = nativePath(path).native();
    if (const std::optional<Bytes> copy = leftOverCopyOf(target)) replaceInPlace(target, *copy);
}

bool writeWholeFile(const Text& path, std::string_view bytes, ElevatedWriter&) {
    const std::wstring target = nativePath(path).native();
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    // Windows neither replaces nor changes a read-only file; saying so here keeps that true where
    // the file system itself would let the write through (an administrator's Wine, for one).
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return false;
    }
    bool renameRefused = false;
    if (replaceByRename(target, bytes, renameRefused)) return true;
    return renameRefused && exists && replaceInPlace(target, bytes);
}

}  // namespace tesmolen
