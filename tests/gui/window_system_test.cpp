#include <algorithm>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

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

TEST_F(WindowSystemInQt, MessageBoxesShowTheirStyleAndAnswerFromTheScript) {
    struct Case {
        BoxStyle style;
        std::optional<Answer> scripted;
        Answer answer;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };
    const Case cases[] = {
        {informationReport, std::nullopt, Answer::ok, QMessageBox::Information, QMessageBox::Ok},
        {{.buttons = MessageButtons::yesNo}, Answer::yes, Answer::yes, QMessageBox::NoIcon,
         QMessageBox::Yes | QMessageBox::No},
        {{.buttons = MessageButtons::yesNo}, std::nullopt, Answer::no, QMessageBox::NoIcon,
         QMessageBox::Yes | QMessageBox::No},
        {BoxStyle{}, Answer::yes, Answer::ok, QMessageBox::NoIcon, QMessageBox::Ok},
    };
    const WindowHandle owner = reinterpret_cast<WindowHandle>(&first);
    for (const Case& c : cases) {
        if (c.scripted) windows.dialogScript().answers.push_back(*c.scripted);
        QMessageBox::Icon icon = QMessageBox::Critical;
        QMessageBox::StandardButtons buttons;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                icon = box->icon();
                buttons = box->standardButtons();
            }
        });
        EXPECT_EQ(windows.messageBox(owner, "q", "Tesmolen", c.style), c.answer);
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(buttons, c.buttons);
    }
    const auto& boxes = windows.dialogScript().shownBoxes;
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].text, "q");
    EXPECT_EQ(boxes[0].title, "Tesmolen");
    EXPECT_EQ(boxes[0].style, informationReport);
}

}  // namespace
}  // namespace tesmolen
