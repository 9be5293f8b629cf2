#pragma once
// The real main window, built as the program builds it, with the dialog script active and the
// other seams faked.

#include <gtest/gtest.h>

#include <QWidget>

#include <utility>
#include <vector>

#include "app/application.hpp"
#include "app/bindings.hpp"
#include "runtime/qt/qt_ui.hpp"
#include "support/test_program.hpp"

namespace tesmolen::testing {

class GuiWindow : public ::testing::Test {
protected:
    GuiWindow() {
        ui.createMainWindow([this](UnitName unit, UiEvent event) {
            raised.emplace_back(unit, event);
            raiseEvent(program, eventBindings(), unit, event);
        });
        program.state.titleText = "Tesmolen";
        ui.dialogScript().active = true;
        ui.showMainWindow();
    }

    template <typename Widget>
    Widget* widget(UnitName name) {
        return qobject_cast<Widget*>(ui.widget(name));
    }

    QtUi ui;
    FakeNet net;
    FakeShell shell;
    FakeWindowSystem windows;
    TempFolder temp;
    Program program{{}, ui, net, shell, windows, {}};
    std::vector<std::pair<UnitName, UiEvent>> raised;
};

}  // namespace tesmolen::testing
