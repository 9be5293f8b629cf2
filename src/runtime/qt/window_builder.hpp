#pragma once

#include <QPoint>

#include <map>
#include <memory>
#include <string>

#include "runtime/dialog_script.hpp"
#include "runtime/events.hpp"
#include "runtime/qt/qt_units.hpp"
#include "runtime/unit_table.hpp"
#include "ui/layout.hpp"

class QMenu;
class QTabBar;
class QWidget;

namespace tesmolen {

// Shows the page of the tab bar's current tab and hides the others.
void showCurrentPage(QTabBar& bar);

// The main window as built from the window layout: the window owns every widget; the units,
// menus and tab bar point into it.
struct BuiltWindow {
    std::unique_ptr<QWidget> window;
    std::unique_ptr<QtUnit> windowUnit;
    UnitTable<QtUnit> units;
    std::map<std::u8string, QMenu*, std::less<>> menus;
    QTabBar* tabBar = nullptr;
};

// Where the built window's events go: the window that runs it.
class WindowEvents {
public:
    virtual void raise(UnitName unit, UiEvent event) = 0;
    // An event asked for from the keyboard, with the point the keyboard names.
    virtual void raiseFromKeyboard(UnitName unit, UiEvent event, QPoint at) = 0;

protected:
    ~WindowEvents() = default;
};

// What the built window reaches of the one that runs it: where its events go, whether its
// message loop runs, and the script that answers its dialogs.
struct WindowHooks {
    WindowEvents& events;
    const bool& looping;
    DialogScript& script;
};

// Builds the main window from the window layout: every unit with its widget, the tab pages, the
// pop-up menus, and the signals that raise the units' events.
class WindowBuilder {
public:
    WindowBuilder(const WindowLayout& layout, WindowHooks hooks);
    BuiltWindow build();

private:
    void buildWindow();
    QWidget* buildWidget(const UnitSpec& spec, QWidget* parent);
    QWidget* buildTabControl(const UnitSpec& spec, QWidget* parent);
    QWidget* buildTabPage(const UnitSpec& spec, QWidget* tabControl);
    QWidget* buildReportList(const UnitSpec& spec, QWidget* parent);
    static QWidget* buildEditBox(QWidget* parent, bool multiLine);
    QWidget* buildPictureButton(const UnitSpec& spec, QWidget* parent);
    void addUnit(const UnitSpec& spec, std::unique_ptr<QtUnit> unit);
    void buildMenus();
    void stackUnits();

    const WindowLayout& layout_;
    WindowHooks hooks_;
    BuiltWindow built_;
    // Every unit's widget by name; the main window under the empty name.
    std::map<std::u8string, QWidget*, std::less<>> widgets_;
};

}  // namespace tesmolen
