// Runs another program on Windows. The arguments, UTF-8 as a Linux terminal gives them, go through
// the wide command line, quoted the way CommandLineToArgvW and the C runtime split it again.

#include <windows.h>

#include "runtime/files.hpp"
#include "support/child_process.hpp"

namespace tesmolen::testing {

namespace {

std::wstring wideOf(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

// One argument as the command line holds it: quoted when it is empty or holds blanks or quotes,
// backslashes doubled where they stand before a quote.
std::wstring quoted(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(2 * backslashes, L'\\');
    return out + L"\"";
}

HANDLE openInherited(const std::string& path, bool forWriting) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    return CreateFileW(nativePath(path).c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                       forWriting ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

int runProgram(std::vector<std::string> argv, const std::string& in, const std::string& out,
               const std::string& err) {
    std::wstring commandLine;
    for (const std::string& arg : argv) {
        if (!commandLine.empty()) commandLine += L' ';
        commandLine += quoted(wideOf(arg));
    }
    const HANDLE streams[] = {openInherited(in, false), openInherited(out, true),
                              openInherited(err, true)};
    int exitCode = -1;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = streams[0];
    startup.hStdOutput = streams[1];
    startup.hStdError = streams[2];
    PROCESS_INFORMATION process{};
    const bool open = streams[0] != INVALID_HANDLE_VALUE && streams[1] != INVALID_HANDLE_VALUE &&
                      streams[2] != INVALID_HANDLE_VALUE;
    if (open && CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                               nullptr, &startup, &process)) {
        DWORD code = 0;
        if (WaitForSingleObject(process.hProcess, INFINITE) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(process.hProcess, &code)) {
            exitCode = static_cast<int>(code);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    for (HANDLE stream : streams) {
        if (stream != INVALID_HANDLE_VALUE) CloseHandle(stream);
    }
    return exitCode;
}

}  // namespace tesmolen::testing
