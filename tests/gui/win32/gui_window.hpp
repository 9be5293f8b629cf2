#pragma once
// The real Win32 main window and the desktop's windows, built as the program builds them, with
// their dialog scripts active; network and shell are faked. The tests drive the window through
// the messages a user's clicks and keys produce.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/application.hpp"
#include "app/bindings.hpp"
#include "runtime/win32/message_box.hpp"
#include "runtime/win32/win32_net.hpp"
#include "runtime/win32/win32_ui.hpp"
#include "runtime/win32/win32_window_system.hpp"
#include "support/test_program.hpp"

namespace tesmolen::testing {

// The real network of this build, for the tests in contract/ that both windows run.
using WindowNet = Win32Net;

// Handles the thread's messages until the condition holds or ten seconds have gone.
bool pumpUntil(const std::function<bool()>& condition);

class GuiWindow : public ::testing::Test {
protected:
    GuiWindow();

    HWND control(UnitName name) { return ui.windowOf(name); }
    // What a control shows, as GBK.
    Text textOnScreen(UnitName name);
    // A left click on a button, as the mouse gives it.
    void click(UnitName button);
    // Types the text into an edit box, character by character.
    void type(UnitName box, const std::wstring& text);
    // A right click on a row of the rule list, through the system's mouse input.
    void rightClickRow(int row);
    // Chooses a menu item, as the menu does when the user picks it.
    void choose(UnitName item);
    // What the list view shows in a cell, as it asks the window for it.
    std::wstring shownCell(int row, int column);
    int shownRows();
    std::vector<Text> bodies();
    // The keyboard: a unit takes it; a key is pressed where it is and handled as the program's
    // message loop handles it ('\t' for Tab); the name of the unit that has it.
    void focus(UnitName name) { SetFocus(control(name)); }
    void press(wchar_t key, bool shift);
    Text focused();
    const std::vector<ShownBox>& boxes() { return ui.dialogScript().shownBoxes; }

    Win32Ui ui;
    FakeNet net;
    FakeShell shell;
    DialogScript ownedBoxes;
    std::vector<HWND> ownersOfOwnedBoxes;
    Win32WindowSystem windows{[this](const MessageBoxRequest& request) {
        ownersOfOwnedBoxes.push_back(request.owner);
        return scriptedMessageBoxes(ownedBoxes)(request);
    }};
    FakeResolverCache resolverCache;
    TempFolder temp;
    Program program{{}, ui, net, shell, windows, resolverCache, {}};
    std::vector<std::pair<UnitName, UiEvent>> raised;
};

}  // namespace tesmolen::testing
