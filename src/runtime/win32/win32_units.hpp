#pragma once
// The window's units as the commands see them, over Win32 controls. Each unit keeps the exact
// bytes it was given and hands them back for as long as the user has not changed what it shows.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <optional>
#include <string>

#include "runtime/dialog_script.hpp"
#include "runtime/kept_text.hpp"
#include "runtime/row_store.hpp"
#include "runtime/ui.hpp"
#include "runtime/win32/gdi_owners.hpp"

namespace tesmolen {

class PictureButton;

// Posted to the main window when rows were appended, so that the lists show them once the
// running work is done.
inline constexpr UINT publishRowsMessage = WM_APP + 1;

// How a unit's text reaches its control.
enum class TextPlace {
    none,        // kept by the unit only
    windowText,  // the control's window text; multi-line edit boxes show "\r\n" line ends
    ipAddress,   // the four fields of an IP address control
};

// Positions of the units on a tab page are given from the tab control's corner, but the page
// window starts below the tab strip: origin is where the parent's window lies in the units'
// coordinates.
struct UnitPlace {
    HWND window = nullptr;
    TextPlace text = TextPlace::none;
    POINT origin{};
    // Units without a window (timer, file dialog) are never visible and sit here.
    POINT stored{};
};

class Win32Unit : public virtual Unit {
public:
    explicit Win32Unit(UnitPlace place);

    bool visible() const override;
    void setVisible(bool visible) override;
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;
    int left() const override;
    int top() const override;
    Text text() const override;
    void setText(const Text& text) override;

    HWND window() const { return place_.window; }
    // Where the parent's window lies in the units' coordinates.
    void setOrigin(POINT origin) { place_.origin = origin; }
    POINT origin() const { return place_.origin; }
    // Edit boxes that only display their text while disabled.
    void disableAsReadOnly() { disabledAsReadOnly_ = true; }
    bool multiLine() const;

private:
    // Relative to the parent, in the units' coordinates; for the main window, on the screen.
    POINT position() const;
    std::wstring shown() const;
    void show(const std::wstring& text);

    UnitPlace place_;
    bool enabled_ = true;
    bool disabledAsReadOnly_ = false;
    KeptText<std::wstring> kept_;
};

// The report list: a list view in owner-data mode, whose rows live in a packed row store and
// are turned into display strings only when the view draws them.
class Win32ReportList : public ReportList, public Win32Unit {
public:
    explicit Win32ReportList(HWND view);

    void deleteAllRows() override;
    int appendRow(const Text& column0) override;
    void setCell(int row, int column, Text text) override;
    Text cell(int row, int column = 0) const override;
    int rowCount() const override { return rows_.rowCount(); }
    void deleteRow(int row) override;
    int selectedRow() const override;

    // Lets the view know of the rows appended so far; true when there were any.
    bool publishRows();
    // Answers the view's LVN_GETDISPINFOW.
    void describeItem(NMLVDISPINFOW& info) const;

private:
    RowStore rows_;
    int published_ = 0;
    bool publishQueued_ = false;
};

class Win32GraphicButton : public GraphicButton, public Win32Unit {
public:
    // Transparent parts of a picture show the background.
    Win32GraphicButton(PictureButton& button, COLORREF background);

    void setPicture(int slot, const Bytes& image) override;
    bool hasPicture(int slot) const override;

private:
    PictureButton& button_;
    COLORREF background_;
};

class Win32Timer : public Timer, public Win32Unit {
public:
    // Ticks arrive as WM_TIMER with this id at the owner window.
    Win32Timer(HWND owner, UINT_PTR id, POINT stored);

    int period() const override { return period_; }
    void setPeriod(int milliseconds) override;

private:
    HWND owner_;
    UINT_PTR id_;
    int period_ = 0;
};

class Win32FileDialog : public FileDialog, public Win32Unit {
public:
    // Shown over owner; answered from the script while it is active.
    Win32FileDialog(HWND owner, DialogScript& script, POINT stored);

    bool show() override;
    Text chosenFile() const override { return chosen_; }

private:
    HWND owner_;
    DialogScript& script_;
    Text chosen_;
};

}  // namespace tesmolen
