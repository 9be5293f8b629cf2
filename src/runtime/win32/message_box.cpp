#include "runtime/win32/message_box.hpp"

#include "runtime/wide_text.hpp"

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

UINT styleBits(BoxStyle style) {
    return (style.buttons == MessageButtons::yesNo ? MB_YESNO : MB_OK) |
           (style.icon == MessageIcon::information ? MB_ICONINFORMATION : 0);
}

constexpr AnswerButton<int> answerButtons[] = {
    {Answer::yes, IDYES},
    {Answer::no, IDNO},
    {Answer::ok, IDOK},
};

int buttonId(Answer answer) {
    return buttonFor<int>(answerButtons, answer, 0);
}

Answer answerOf(int buttonId) {
    return answerFor<int>(answerButtons, buttonId);
}

}  // namespace

ShowMessageBox scriptedMessageBoxes(DialogScript& script) {
    return [&script](const MessageBoxRequest& request) {
        return showMessageBox(request, script.answerTo(request.text, request.title, request.style));
    };
}

Answer showMessageBox(const MessageBoxRequest& request, std::optional<Answer> press) {
    const std::wstring text = gbkToWide(request.text);
    const std::wstring title = gbkToWide(request.title);
    std::optional<PressHook> hook;
    if (press) hook.emplace(buttonId(*press));
    return answerOf(
        MessageBoxW(request.owner, text.c_str(), title.c_str(), styleBits(request.style)));
}

}  // namespace tesmolen
