#pragma once

#include <QPoint>

#include <optional>

#include "runtime/dialog_script.hpp"
#include "runtime/qt/window_builder.hpp"
#include "runtime/ui.hpp"
#include "runtime/window_runtime.hpp"

class QMenu;
class QTabBar;

namespace tesmolen {

// The main window on Qt Widgets, built unit by unit from the window layout.
class QtUi : public Ui, public WindowRuntime, private WindowEvents {
public:
    QtUi();
    ~QtUi() override;
    QtUi(const QtUi&) = delete;
    QtUi& operator=(const QtUi&) = delete;

    Unit& window() override;
    Unit& unit(UnitName name) override;
    ReportList& list(UnitName name) override;
    GraphicButton& graphicButton(UnitName name) override;
    Timer& timer(UnitName name) override;
    FileDialog& fileDialog(UnitName name) override;
    Answer messageBox(const Text& text, MessageButtons buttons, const Text& title) override;
    void popUpMenu(UnitName menu, ScreenPoint at) override;
    ScreenPoint mousePosition() const override;
    void switchVisualStyle() override;
    void endProcess(int exitCode) override;

    void createMainWindow(RaiseEvent raise) override;
    void showMainWindow() override;
    int runMessageLoop() override;
    std::optional<int> endedWith() const override { return endedWith_; }

    // For tests and screenshots: the widgets behind the units, the pages of the tab control,
    // and the script that answers modal dialogs.
    QWidget* mainWindow() const;
    // Null for a unit without a widget.
    QWidget* widget(UnitName name);
    QMenu* menu(UnitName name) const;
    QTabBar* tabBar() const { return built_.tabBar; }
    void selectPage(int page);
    DialogScript& dialogScript() { return script_; }

private:
    void raise(UnitName unit, UiEvent event) override;
    // Raises an event asked for from the keyboard: while it runs, the mouse position is the
    // point the keyboard names, so that a pop-up menu opens there.
    void raiseFromKeyboard(UnitName unit, UiEvent event, QPoint at) override;

    BuiltWindow built_;
    RaiseEvent raise_;
    DialogScript script_;
    std::optional<int> endedWith_;
    std::optional<QPoint> keyboardPoint_;
    bool looping_ = false;
};

}  // namespace tesmolen
