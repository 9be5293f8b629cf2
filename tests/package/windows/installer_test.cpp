// The installer as a user meets it, run by run-installer-test in a Wine prefix of its own with the
// maker's site served: a silent install, the installed program started and closed, a silent
// uninstall that leaves nothing behind. TESMOLEN_SETUP names the installer.
#include <gtest/gtest.h>

// clang-format off
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>
// clang-format on

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "runtime/codepage.hpp"
#include "runtime/win32/win32_window_system.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const wchar_t uninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tesmolen";

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

fs::path knownFolder(int folder) {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

fs::path installFolder() {
    return knownFolder(CSIDL_PROGRAM_FILES) / L"Tesmolen";
}
fs::path shortcut() {
    return knownFolder(CSIDL_COMMON_PROGRAMS) / L"Tesmolen.lnk";
}

Handle start(const std::wstring& commandLine, const fs::path& folder = {}) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        return {};
    }
    CloseHandle(process.hThread);
    return Handle(process.hProcess);
}

// The exit code, or none when the process did not end in time.
std::optional<DWORD> exitCode(const Handle& process, std::chrono::milliseconds limit) {
    if (!process ||
        WaitForSingleObject(process.get(), static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    return code;
}

std::optional<std::wstring> registryText(const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, uninstallKey, name, RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

bool uninstallKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, uninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

struct ShortcutTarget {
    fs::path program;
    fs::path folder;
};

std::optional<ShortcutTarget> shortcutTarget(const fs::path& link) {
    CoInitialize(nullptr);
    std::optional<ShortcutTarget> target;
    IShellLinkW* shell = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&shell)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t program[MAX_PATH] = {};
            wchar_t folder[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
                SUCCEEDED(shell->GetPath(program, MAX_PATH, nullptr, 0)) &&
                SUCCEEDED(shell->GetWorkingDirectory(folder, MAX_PATH))) {
                target = ShortcutTarget{program, folder};
            }
            file->Release();
        }
        shell->Release();
    }
    CoUninitialize();
    return target;
}

// The bytes of one resource of the program, empty when it has none.
std::string resourceOf(const fs::path& program, LPCWSTR type, LPCWSTR name) {
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) return {};
    std::string bytes;
    if (HRSRC found = FindResourceW(module, name, type)) {
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        bytes.assign(data, SizeofResource(module, found));
    }
    FreeLibrary(module);
    return bytes;
}

std::optional<VS_FIXEDFILEINFO> versionOf(const fs::path& program) {
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), nullptr);
    if (size == 0) return std::nullopt;
    std::string data(size, '\0');
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(program.c_str(), 0, size, data.data()) ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length)) {
        return std::nullopt;
    }
    return *info;
}

// The first visible top-level window of the process, as soon as one shows.
std::optional<WindowRecord> firstWindowOf(const Handle& process, std::chrono::seconds limit) {
    Win32WindowSystem windows;
    const auto processId = static_cast<std::uint32_t>(GetProcessId(process.get()));
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        std::optional<WindowRecord> found;
        windows.enumerateWindows([&](WindowHandle window) {
            const WindowRecord record = windows.describeWindow(window);
            if (record.processId != processId || !IsWindowVisible(reinterpret_cast<HWND>(window))) {
                return true;
            }
            found = record;
            return false;
        });
        if (found) return found;
        if (WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0) return std::nullopt;
        std::this_thread::sleep_for(100ms);
    }
    return std::nullopt;
}

template <typename Condition>
bool becomesTrue(Condition condition, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(200ms);
    }
    return true;
}

std::wstring quoted(const fs::path& path) {
    return L"\"" + path.wstring() + L"\"";
}

TEST(Installer, InstallsStartsAndUninstallsLeavingNothing) {
    wchar_t setup[MAX_PATH] = {};
    ASSERT_NE(GetEnvironmentVariableW(L"TESMOLEN_SETUP", setup, MAX_PATH), 0u)
        << "TESMOLEN_SETUP names no installer";
    ASSERT_FALSE(fs::exists(installFolder())) << "the prefix is not fresh";

    // A silent install.
    EXPECT_EQ(exitCode(start(quoted(setup) + L" /S"), 120s), 0u);
    const fs::path program = installFolder() / L"tesmolen.exe";
    ASSERT_TRUE(fs::exists(program));
    EXPECT_TRUE(fs::exists(installFolder() / L"tesmolen-rulefile.exe"));
    const fs::path uninstaller = installFolder() / L"uninstall.exe";
    ASSERT_TRUE(fs::exists(uninstaller));

    const std::optional<ShortcutTarget> target = shortcutTarget(shortcut());
    ASSERT_TRUE(target) << "no Start-menu shortcut";
    EXPECT_TRUE(fs::equivalent(target->program, program));
    EXPECT_TRUE(fs::equivalent(target->folder, installFolder()));

    EXPECT_EQ(registryText(L"DisplayName"), L"Tesmolen");
    EXPECT_EQ(registryText(L"DisplayVersion"), L"2.0.0.0");
    EXPECT_EQ(registryText(L"UninstallString"), quoted(uninstaller));
    EXPECT_EQ(registryText(L"QuietUninstallString"), quoted(uninstaller) + L" /S");

    // The installed program asks for an administrator, uses the system's visual style and
    // carries its icon and version record.
    const std::string manifest = resourceOf(program, RT_MANIFEST, MAKEINTRESOURCEW(1));
    EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos) << manifest;
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos)
        << manifest;
    EXPECT_NE(manifest.find("<dpiAware"), std::string::npos) << manifest;
    // The icon group: reserved, type, then the number of icons, five sizes.
    const std::string icons = resourceOf(program, RT_GROUP_ICON, MAKEINTRESOURCEW(1));
    ASSERT_GE(icons.size(), 6u);
    EXPECT_EQ(icons[4] | icons[5] << 8, 5);
    const std::optional<VS_FIXEDFILEINFO> version = versionOf(program);
    ASSERT_TRUE(version);
    EXPECT_EQ(version->dwFileVersionMS, 0x00020000u);
    EXPECT_EQ(version->dwFileVersionLS, 0x00000000u);

    // Started as the shortcut starts it, against the served site: the main window comes up (a
    // message box would mean the site was not reached) and closes with exit code 0.
    const Handle running = start(quoted(program), installFolder());
    ASSERT_TRUE(running);
    const std::optional<WindowRecord> window = firstWindowOf(running, 90s);
    ASSERT_TRUE(window) << "the program showed no window";
    EXPECT_EQ(window->title, "Tesmolen");
    EXPECT_NE(window->className, "#32770") << "a message box instead of the main window";
    PostMessageW(reinterpret_cast<HWND>(window->handle), WM_CLOSE, 0, 0);
    EXPECT_EQ(exitCode(running, 60s), 0u);

    // A silent uninstall. The uninstaller runs from a copy of itself, so the test waits for what
    // it leaves behind to go.
    EXPECT_EQ(exitCode(start(quoted(uninstaller) + L" /S"), 120s), 0u);
    EXPECT_TRUE(becomesTrue([] { return !fs::exists(installFolder()); }, 120s))
        << "the program folder stays";
    EXPECT_FALSE(fs::exists(shortcut()));
    EXPECT_FALSE(uninstallKeyExists());
}

}  // namespace
}  // namespace tesmolen
