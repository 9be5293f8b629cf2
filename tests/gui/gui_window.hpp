#pragma once
// The real main window and the desktop's windows, built as the program builds them, with their
// dialog scripts active; network and shell are faked.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QPlainTextEdit>
#include <QWidget>

#include <chrono>
#include <functional>
#include <utility>
#include <vector>

#include "app/application.hpp"
#include "app/bindings.hpp"
#include "runtime/qt/curl_net.hpp"
#include "runtime/qt/qt_text.hpp"
#include "runtime/qt/qt_ui.hpp"
#include "runtime/qt/qt_window_system.hpp"
#include "support/test_program.hpp"

namespace tesmolen::testing {

// The real network of this build, for the tests in contract/ that both windows run.
using WindowNet = CurlNet;

// Handles the window's events until the condition holds or ten seconds have gone.
inline bool pumpUntil(const std::function<bool()>& condition) {
    QDeadlineTimer limit(std::chrono::seconds(10));
    while (!condition()) {
        if (limit.hasExpired()) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

class GuiWindow : public ::testing::Test {
protected:
    GuiWindow() {
        ui.createMainWindow([this](UnitName unit, UiEvent event) {
            raised.emplace_back(unit, event);
            raiseEvent(program, eventBindings(), unit, event);
        });
        program.state.titleText = "Tesmolen";
        ui.dialogScript().active = true;
        windows.dialogScript().active = true;
        ui.showMainWindow();
    }

    template <typename Widget>
    Widget* widget(UnitName name) {
        return qobject_cast<Widget*>(ui.widget(name));
    }

    // What a text unit shows, as GBK with the line ends of the program's texts.
    Text textOnScreen(UnitName name) {
        auto* edit = widget<QPlainTextEdit>(name);
        return edit ? fromQString(withCrLf(edit->toPlainText())) : Text("(no text box)");
    }

    QtUi ui;
    FakeNet net;
    FakeShell shell;
    QtWindowSystem windows;
    FakeResolverCache resolverCache;
    TempFolder temp;
    Program program{{}, ui, net, shell, windows, resolverCache, {}};
    std::vector<std::pair<UnitName, UiEvent>> raised;
};

}  // namespace tesmolen::testing
