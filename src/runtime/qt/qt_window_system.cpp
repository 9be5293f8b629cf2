#include "runtime/qt/qt_window_system.hpp"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <vector>

#include "runtime/qt/message_box.hpp"
#include "runtime/qt/qt_text.hpp"

namespace tesmolen {

namespace {

std::uint32_t currentThreadId() {
#ifdef _WIN32
    return static_cast<std::uint32_t>(GetCurrentThreadId());
#else
    return static_cast<std::uint32_t>(gettid());
#endif
}

WindowHandle handleOf(const QWidget* widget) {
    return reinterpret_cast<WindowHandle>(widget);
}

// In the order the windows were created, those never shown (and so without a native window)
// last.
std::vector<QWidget*> topLevelWidgets() {
    const QWidgetList widgets = QApplication::topLevelWidgets();
    std::vector<QWidget*> ordered;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        for (QWidget* widget : widgets) {
            if (widget->windowHandle() == window) ordered.push_back(widget);
        }
    }
    for (QWidget* widget : widgets) {
        if (widget->windowHandle() == nullptr) ordered.push_back(widget);
    }
    return ordered;
}

QWidget* liveWidget(WindowHandle handle) {
    if (handle == 0) return nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (handleOf(widget) == handle) return widget;
    }
    return nullptr;
}

}  // namespace

QtWindowSystem::QtWindowSystem() : guiThreadId_(currentThreadId()) {}

std::uint32_t QtWindowSystem::currentProcessId() const {
#ifdef _WIN32
    return static_cast<std::uint32_t>(GetCurrentProcessId());
#else
    return static_cast<std::uint32_t>(getpid());
#endif
}

void QtWindowSystem::enumerateWindows(const std::function<bool(WindowHandle)>& visit) {
    for (QWidget* widget : topLevelWidgets()) {
        if (!visit(handleOf(widget))) return;
    }
}

WindowRecord QtWindowSystem::describeWindow(WindowHandle window) {
    WindowRecord record;
    record.handle = window;
    const QWidget* widget = liveWidget(window);
    if (widget == nullptr) return record;
    record.processId = currentProcessId();
    record.threadId = guiThreadId_;
    record.title = Text(cutGbk(fromQString(widget->windowTitle()), WindowRecord::titleLimit));
    record.className =
        Text(cutGbk(widget->metaObject()->className(), WindowRecord::classNameLimit));
    return record;
}

Answer QtWindowSystem::messageBox(WindowHandle owner, const Text& text, const Text& title,
                                  BoxStyle style) {
    return showMessageBox({liveWidget(owner), toQString(text), toQString(title), style},
                          script_.answerTo(text, title, style));
}

}  // namespace tesmolen
