#include "runtime/win32/win32_window_system.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "runtime/codepage.hpp"

namespace tesmolen {
namespace {

const wchar_t windowClass[] = L"TesmolenTestWindow";

class OwnWindow {
public:
    explicit OwnWindow(const std::wstring& title, const wchar_t* className = windowClass) {
        WNDCLASSW kind{};
        kind.lpfnWndProc = DefWindowProcW;
        kind.hInstance = GetModuleHandleW(nullptr);
        kind.lpszClassName = className;
        RegisterClassW(&kind);
        window_ = CreateWindowExW(0, className, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~OwnWindow() { DestroyWindow(window_); }
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;

    HWND get() const { return window_; }
    WindowHandle handle() const { return reinterpret_cast<WindowHandle>(window_); }

private:
    HWND window_;
};

std::vector<WindowHandle> allWindows(WindowSystem& windows) {
    std::vector<WindowHandle> seen;
    windows.enumerateWindows([&](WindowHandle window) {
        seen.push_back(window);
        return true;
    });
    return seen;
}

TEST(Win32WindowSystem, EnumerationFindsOurOwnWindowWithItsTitleAndClass) {
    Win32WindowSystem windows;
    const OwnWindow own(gbkToWide("Tesmolen " + gbk(u8"友情提醒")));
    ASSERT_NE(own.get(), nullptr);

    const std::vector<WindowHandle> seen = allWindows(windows);
    EXPECT_NE(std::find(seen.begin(), seen.end(), own.handle()), seen.end());

    const WindowRecord record = windows.describeWindow(own.handle());
    EXPECT_EQ(record.handle, own.handle());
    EXPECT_EQ(record.processId, windows.currentProcessId());
    EXPECT_EQ(record.processId, GetCurrentProcessId());
    EXPECT_EQ(record.threadId, GetCurrentThreadId());
    EXPECT_EQ(record.title, "Tesmolen " + gbk(u8"友情提醒"));
    EXPECT_EQ(record.className, "TesmolenTestWindow");

    int visited = 0;
    windows.enumerateWindows([&](WindowHandle) { return ++visited < 2; });
    EXPECT_EQ(visited, 2) << "the enumeration stops when the visitor says so";
}

TEST(Win32WindowSystem, LongTitlesAndClassNamesAreCutWithoutSplittingACharacter) {
    Win32WindowSystem windows;
    const std::wstring longClass = L"TesmolenTestWindowWithAVeryLongClassNameOfSixtyLetters";
    const OwnWindow own(std::wstring(200, L'\u4e2d'), longClass.c_str());
    ASSERT_NE(own.get(), nullptr);
    const WindowRecord record = windows.describeWindow(own.handle());
    EXPECT_EQ(record.title.size(), 254u);
    EXPECT_EQ(record.title.substr(0, 2), gbk(u8"中"));
    EXPECT_EQ(record.className, wideToGbk(longClass.substr(0, WindowRecord::classNameLimit)));

    const WindowRecord gone = windows.describeWindow(0);
    EXPECT_EQ(gone.processId, 0u);
    EXPECT_EQ(gone.title, "");
}

TEST(Win32WindowSystem, MessageBoxesGoThroughTheGivenFunction) {
    MessageBoxRequest shown;
    Win32WindowSystem windows([&](const MessageBoxRequest& request) {
        shown = request;
        return Answer::no;
    });
    const OwnWindow own(L"Tesmolen");
    EXPECT_EQ(windows.messageBox(own.handle(), gbk(u8"保存成功"), "Tesmolen", informationReport),
              Answer::no);
    EXPECT_EQ(shown.owner, own.get());
    EXPECT_EQ(shown.text, gbk(u8"保存成功"));
    EXPECT_EQ(shown.title, "Tesmolen");
    EXPECT_EQ(shown.style, informationReport);
}

struct OwnedBoxSearch {
    HWND owner;
    HWND box = nullptr;
};

BOOL CALLBACK findOwnedBox(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<OwnedBoxSearch*>(context);
    if (GetWindow(window, GW_OWNER) != search.owner || !IsWindowVisible(window)) return TRUE;
    search.box = window;
    return FALSE;
}

// Waits for a visible box owned by the window, reads its title and presses Yes on it.
void pressYesOnOwnedBox(HWND owner, std::wstring& boxTitle) {
    OwnedBoxSearch search{owner};
    for (int i = 0; i < 2400 && search.box == nullptr; ++i) {
        Sleep(25);
        EnumWindows(findOwnedBox, reinterpret_cast<LPARAM>(&search));
    }
    if (search.box == nullptr) return;
    wchar_t title[64] = {};
    GetWindowTextW(search.box, title, 64);
    boxTitle = title;
    PostMessageW(search.box, WM_COMMAND, IDYES, 0);
}

TEST(Win32WindowSystem, TheSystemMessageBoxIsOwnedByTheGivenWindow) {
    Win32WindowSystem windows;
    const OwnWindow own(L"Tesmolen");
    std::wstring boxTitle;
    std::thread presser(pressYesOnOwnedBox, own.get(), std::ref(boxTitle));
    const Answer pressed = windows.messageBox(
        own.handle(), gbk(u8"网盘下载需要提取码"), "Tesmolen " + gbk(u8"友情提醒"),
        {.buttons = MessageButtons::yesNo, .icon = MessageIcon::information});
    presser.join();
    EXPECT_EQ(boxTitle, L"Tesmolen \u53cb\u60c5\u63d0\u9192")
        << "no box owned by the window appeared";
    EXPECT_EQ(pressed, Answer::yes);
}

}  // namespace
}  // namespace tesmolen
