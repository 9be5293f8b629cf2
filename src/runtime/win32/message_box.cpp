#include "runtime/win32/message_box.hpp"

#include "runtime/codepage.hpp"

namespace tesmolen {

namespace {

// The button the next box of this thread is pressed with; the hook that presses it lives as
// long as one box is being shown.
thread_local int pendingPress = 0;

LRESULT CALLBACK pressWhenUp(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && pendingPress != 0) {
        auto box = reinterpret_cast<HWND>(wParam);
        wchar_t kind[16] = {};
        GetClassNameW(box, kind, 16);
        if (lstrcmpW(kind, L"#32770") == 0) {
            const int id = pendingPress;
            pendingPress = 0;
            HWND button = GetDlgItem(box, id);
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class PressHook {
public:
    explicit PressHook(int id)
        : hook_(SetWindowsHookExW(WH_CBT, pressWhenUp, nullptr, GetCurrentThreadId())) {
        pendingPress = id;
    }
    ~PressHook() {
        pendingPress = 0;
        if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    }
    PressHook(const PressHook&) = delete;
    PressHook& operator=(const PressHook&) = delete;

private:
    HHOOK hook_;
};

bool styleHasButton(std::uint32_t style, int id) {
    switch (style & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return id == IDOK || id == IDCANCEL;
        case MB_ABORTRETRYIGNORE:
            return id == IDABORT || id == IDRETRY || id == IDIGNORE;
        case MB_YESNOCANCEL:
            return id == IDYES || id == IDNO || id == IDCANCEL;
        case MB_YESNO:
            return id == IDYES || id == IDNO;
        case MB_RETRYCANCEL:
            return id == IDRETRY || id == IDCANCEL;
        default:
            return id == IDOK;
    }
}

}  // namespace

int firstButtonOfStyle(std::uint32_t style) {
    switch (style & MB_TYPEMASK) {
        case MB_ABORTRETRYIGNORE:
            return IDABORT;
        case MB_YESNOCANCEL:
        case MB_YESNO:
            return IDYES;
        case MB_RETRYCANCEL:
            return IDRETRY;
        default:
            return IDOK;
    }
}

ShowMessageBox scriptedMessageBoxes(DialogScript& script) {
    return [&script](HWND owner, const std::wstring& text, const std::wstring& title, UINT style) {
        MessageBoxRequest request{owner, wideToGbk(text), wideToGbk(title), style};
        std::optional<int> press;
        if (script.active) {
            script.shownBoxes.push_back({request.text, request.title, style});
            press = script.takeAnswer().value_or(firstButtonOfStyle(style));
        }
        return showMessageBox(request, press);
    };
}

int showMessageBox(const MessageBoxRequest& request, std::optional<int> press) {
    const std::wstring text = gbkToWide(request.text);
    const std::wstring title = gbkToWide(request.title);
    std::optional<PressHook> hook;
    if (press) {
        hook.emplace(styleHasButton(request.style, *press) ? *press
                                                           : firstButtonOfStyle(request.style));
    }
    return MessageBoxW(request.owner, text.c_str(), title.c_str(), request.style);
}

}  // namespace tesmolen
