#pragma once
// The real main window and the desktop's windows, built as the program builds them, with their
// dialog scripts active; network and shell are faked.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>

#include <chrono>
#include <functional>
#include <utility>
#include <vector>

#include "app/application.hpp"
#include "app/bindings.hpp"
#include "runtime/codepage.hpp"
#include "runtime/qt/curl_net.hpp"
#include "runtime/qt/qt_text.hpp"
#include "runtime/qt/qt_ui.hpp"
#include "runtime/qt/qt_window_system.hpp"
#include "support/test_program.hpp"
#include "ui/layout.hpp"

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

    // The keyboard: a unit takes it, in the active window; a key is pressed where it is ('\t'
    // for Tab); the name of the unit that has it.
    void focus(UnitName name) {
        ui.mainWindow()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(ui.mainWindow()));
        ui.widget(name)->setFocus(Qt::OtherFocusReason);
    }
    void press(wchar_t key, bool shift) {
        QWidget* at = ui.mainWindow()->focusWidget();
        if (key != L'\t') return QTest::keyClick(at, static_cast<char>(key));
        QTest::keyClick(at, shift ? Qt::Key_Backtab : Qt::Key_Tab,
                        shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
    Text focused() {
        QWidget* at = ui.mainWindow()->focusWidget();
        for (const UnitSpec& spec : windowLayout().units) {
            QWidget* unit = ui.widget(spec.name);
            if (spec.focusable && unit != nullptr && (unit == at || unit->isAncestorOf(at))) {
                return gbk(spec.name);
            }
        }
        return {};
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
