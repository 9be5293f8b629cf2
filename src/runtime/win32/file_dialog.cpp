#include "runtime/win32/file_dialog.hpp"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "runtime/codepage.hpp"

namespace tesmolen {

std::wstring win32Filter(const Text& filter) {
    std::wstring parts = gbkToWide(filter);
    if (parts.empty()) return {};
    for (wchar_t& c : parts) {
        if (c == L'|') c = L'\0';
    }
    // A filter with an odd number of parts ends with a display text that has no pattern.
    const auto bars = static_cast<std::size_t>(std::count(parts.begin(), parts.end(), L'\0'));
    if (bars % 2 == 0) parts.push_back(L'\0');
    parts.push_back(L'\0');
    parts.push_back(L'\0');
    return parts;
}

std::optional<Text> runFileDialog(HWND owner, const FileDialogSettings& settings) {
    const bool save = settings.kind == FileDialogKind::save;
    const std::wstring filter = win32Filter(settings.filter);
    const std::wstring title = gbkToWide(settings.title);
    const std::wstring folder = gbkToWide(settings.initialFolder);
    const std::wstring extension = gbkToWide(settings.defaultExtension);
    std::vector<wchar_t> file(32768, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL confirmed = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!confirmed) return std::nullopt;
    return wideToGbk(file.data());
}

}  // namespace tesmolen
