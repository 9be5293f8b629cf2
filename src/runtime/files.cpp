#include "runtime/files.hpp"

#include <filesystem>
#include <fstream>
#include <cstdlib>
#include <system_error>

#include "runtime/codepage.hpp"

#ifdef _WIN32
#include <windows.h>

#include "runtime/wide_text.hpp"
#else
#include <unistd.h>
#endif

namespace tesmolen {

namespace fs = std::filesystem;

namespace {

constexpr char separator = static_cast<char>(fs::path::preferred_separator);

Text withSeparator(Text folder) {
    if (folder.empty() || folder.back() != separator) folder += separator;
    return folder;
}

}  // namespace

fs::path nativePath(const Text& path) {
#ifdef _WIN32
    return fs::path(gbkToWide(path));
#else
    return fs::path(gbkToUtf8(path));
#endif
}

Text pathText(const fs::path& path) {
#ifdef _WIN32
    return wideToGbk(path.native());
#else
    return utf8ToGbk(path.native());
#endif
}

std::optional<Bytes> readWholeFileIfReadable(const Text& path) {
    const fs::path native = nativePath(path);
    std::error_code ec;
    if (fs::is_directory(native, ec)) return std::nullopt;
    std::ifstream in(native, std::ios::binary);
    if (!in) return std::nullopt;
    // The size the file claims is only a first guess: a sparse file may claim a terabyte, a
    // device nothing, and a file may grow while it is read. Memory is taken as bytes arrive,
    // and one byte past the limit refuses the file.
    const auto claimed = fs::file_size(native, ec);
    if (!ec && claimed > largestFile) return std::nullopt;
    Bytes bytes;
    bytes.reserve(ec ? 0 : static_cast<std::size_t>(claimed));
    char piece[1 << 16];
    while (in.read(piece, sizeof piece) || in.gcount() > 0) {
        const auto got = static_cast<std::size_t>(in.gcount());
        if (bytes.size() + got > largestFile) return std::nullopt;
        bytes.append(piece, got);
        if (!in) break;
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

Bytes readWholeFile(const Text& path) {
    return readWholeFileIfReadable(path).value_or(Bytes{});
}

bool fileExists(const Text& path) {
    std::error_code ec;
    return fs::is_regular_file(nativePath(path), ec);
}

bool nothingAt(const Text& path) {
    std::error_code ec;
    return fs::symlink_status(nativePath(path), ec).type() == fs::file_type::not_found &&
           ec == std::errc::no_such_file_or_directory;
}

Text currentDirectory() {
    std::error_code ec;
    fs::path cwd = fs::current_path(ec);
    return ec ? Text{} : withSeparator(pathText(cwd));
}

Text programFolder() {
    std::error_code ec;
#ifdef _WIN32
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);
    }
    fs::path exe(name);
#else
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
#endif
    if (ec || exe.empty()) return currentDirectory();
    return withSeparator(pathText(exe.parent_path()));
}

Text ruleFileFolder() {
#ifdef _WIN32
    return programFolder();
#else
    const Text current = currentDirectory();
    if (!current.empty() && access(nativePath(current).c_str(), W_OK) == 0) return current;
    const char* home = std::getenv("HOME");
    return home != nullptr && *home != '\0' ? withSeparator(utf8ToGbk(home)) : current;
#endif
}

}  // namespace tesmolen
