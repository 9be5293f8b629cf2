#pragma once

#include <map>
#include <memory>
#include <string>

#include "ui/layout.hpp"

class QTabBar;
class QWidget;

namespace tesmolen {

class QtUi;
class QtUnit;

// Shows the page of the tab bar's current tab and hides the others.
void showCurrentPage(QTabBar& bar);

// Builds the main window of a QtUi from the window layout: every unit with its widget, the tab
// pages, the pop-up menus, and the signals that raise the units' events.
class WindowBuilder {
public:
    WindowBuilder(QtUi& ui, const WindowLayout& layout);
    void build();

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

    QtUi& ui_;
    const WindowLayout& layout_;
    // Every unit's widget by name; the main window under the empty name.
    std::map<std::u8string, QWidget*, std::less<>> widgets_;
};

}  // namespace tesmolen
