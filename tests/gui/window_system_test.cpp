#include <algorithm>
#include <QApplication>
#include <QWidget>

#include <unistd.h>

#include "runtime/qt/message_box.hpp"
#include "runtime/qt/qt_window_system.hpp"
#include <gtest/gtest.h>

namespace tesmolen {
namespace {

using namespace std::string_literals;

class WindowSystemInQt : public ::testing::Test {
protected:
    WindowSystemInQt() {
        first.setWindowTitle(QStringLiteral(u"第一"));
        first.show();
        second.show();
        windows.dialogScript().active = true;
    }

    std::vector<WindowHandle> handles() {
        std::vector<WindowHandle> seen;
        windows.enumerateWindows([&seen](WindowHandle handle) {
            seen.push_back(handle);
            return true;
        });
        return seen;
    }

    QWidget first;
    QWidget second;
    QtWindowSystem windows;
};

TEST_F(WindowSystemInQt, EnumeratesTheProcesssWindowsInTheOrderTheyWereMade) {
    const std::vector<WindowHandle> seen = handles();
    const auto at = [&seen](const QWidget& widget) {
        return std::find(seen.begin(), seen.end(), reinterpret_cast<WindowHandle>(&widget));
    };
    ASSERT_NE(at(first), seen.end());
    ASSERT_NE(at(second), seen.end());
    EXPECT_LT(at(first), at(second));

    int visited = 0;
    windows.enumerateWindows([&visited](WindowHandle) { return ++visited < 1; });
    EXPECT_EQ(visited, 1);
}

TEST_F(WindowSystemInQt, DescribesAWindowAsThisProcesssOwn) {
    const WindowRecord record = windows.describeWindow(reinterpret_cast<WindowHandle>(&first));
    EXPECT_EQ(record.processId, static_cast<std::uint32_t>(getpid()));
    EXPECT_EQ(record.processId, windows.currentProcessId());
    EXPECT_EQ(record.threadId, static_cast<std::uint32_t>(gettid()));
    EXPECT_EQ(record.title, "\xB5\xDA\xD2\xBB");
    EXPECT_EQ(record.className, "QWidget");

    const WindowRecord gone = windows.describeWindow(1);
    EXPECT_EQ(gone.processId, 0u);
    EXPECT_EQ(gone.title, "");
}

TEST_F(WindowSystemInQt, TitlesAreCutWithoutSplittingACharacter) {
    first.setWindowTitle(QString(200, QChar(u'中')));
    const WindowRecord record = windows.describeWindow(reinterpret_cast<WindowHandle>(&first));
    EXPECT_EQ(record.title.size(), 254u);
    EXPECT_EQ(cutGbk("ab\xD6\xD0"s, 3), "ab");
    EXPECT_EQ(cutGbk("ab\xD6"s, 3), "ab\xD6");
}

TEST_F(WindowSystemInQt, MessageBoxesAnswerWithWin32ButtonIds) {
    const WindowHandle owner = reinterpret_cast<WindowHandle>(&first);
    windows.dialogScript().answers = {7, 2};
    EXPECT_EQ(windows.messageBox(owner, "q", "t", 0x24), 7);      // Yes, No: No
    EXPECT_EQ(windows.messageBox(owner, "q", "t", 0x31), 2);      // OK, Cancel: Cancel
    EXPECT_EQ(windows.messageBox(0, "saved", "Tesmolen", 0x40), 1);  // unanswered: its first
    EXPECT_EQ(windows.messageBox(owner, "q", "t", 2), 3);         // Abort first
    EXPECT_EQ(windows.messageBox(owner, "q", "t", 3), 6);         // Yes first
    EXPECT_EQ(windows.messageBox(owner, "q", "t", 5), 4);         // Retry first
    const auto& boxes = windows.dialogScript().shownBoxes;
    ASSERT_EQ(boxes.size(), 6u);
    EXPECT_EQ(boxes[2].text, "saved");
    EXPECT_EQ(boxes[2].title, "Tesmolen");
    EXPECT_EQ(boxes[2].style, 0x40u);
}

TEST(Win32MessageBoxStyles, MapToQtButtonsAndIcons) {
    EXPECT_EQ(win32Buttons(0x40), QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(win32Buttons(0x23), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(win32Buttons(0x2), QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
    EXPECT_EQ(win32Icon(0), QMessageBox::NoIcon);
    EXPECT_EQ(win32Icon(0x10), QMessageBox::Critical);
    EXPECT_EQ(win32Icon(0x21), QMessageBox::Question);
    EXPECT_EQ(win32Icon(0x30), QMessageBox::Warning);
    EXPECT_EQ(win32Icon(0x40), QMessageBox::Information);
    for (int id = 1; id <= 7; ++id) EXPECT_EQ(win32ButtonId(buttonOfWin32Id(id)), id);
}

}  // namespace
}  // namespace tesmolen
