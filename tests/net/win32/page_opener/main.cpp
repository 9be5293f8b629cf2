// Stands in for Explorer in the shell's tests. Waits until the file "go" appears in the folder
// named by TESMOLEN_OPENER_FOLDER, then writes its arguments there to "arguments" (UTF-16, one
// per line).
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <filesystem>
#include <fstream>
#include <string>

int main() {
    wchar_t folder[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"TESMOLEN_OPENER_FOLDER", folder, MAX_PATH) == 0) return 1;
    const std::wstring base = std::wstring(folder) + L"\\";
    for (int i = 0; i < 400; ++i) {
        if (GetFileAttributesW((base + L"go").c_str()) != INVALID_FILE_ATTRIBUTES) break;
        Sleep(50);
    }
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring written;
    for (int i = 1; i < count; ++i) written += std::wstring(arguments[i]) + L"\n";
    LocalFree(arguments);
    {
        std::ofstream out(std::filesystem::path(base + L"arguments.part"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(written.data()),
                  static_cast<std::streamsize>(written.size() * sizeof(wchar_t)));
    }
    return MoveFileW((base + L"arguments.part").c_str(), (base + L"arguments").c_str()) ? 0 : 1;
}
