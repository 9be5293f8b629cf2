#pragma once
// The window as the commands see it: named units, message boxes, menus and the file dialog.
// The Qt runtime realises it for the user; tests/support realises it as plain data.

#include <functional>
#include <string_view>

#include "runtime/box_style.hpp"
#include "runtime/text.hpp"

namespace tesmolen {

// Unit names are the program's own names, spelled as UTF-8 literals (see ui/unit_names.hpp).
using UnitName = std::u8string_view;

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

class Unit {
public:
    virtual ~Unit() = default;
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    // Position relative to the parent (for the main window: on the screen).
    virtual int left() const = 0;
    virtual int top() const = 0;
    // Content of edit boxes, the super edit box and labels; the IP box gives its dotted
    // address, or the empty text when it is blank.
    virtual Text text() const = 0;
    virtual void setText(const Text& text) = 0;
};

// The report list: rows and columns count from 0.
class ReportList : public virtual Unit {
public:
    virtual void deleteAllRows() = 0;
    // Appends a row with this text in column 0; returns the new row's index.
    virtual int appendRow(const Text& column0) = 0;
    // The cell takes the text over.
    virtual void setCell(int row, int column, Text text) = 0;
    // The empty text for a row or column that does not exist.
    virtual Text cell(int row, int column = 0) const = 0;
    virtual int rowCount() const = 0;
    virtual void deleteRow(int row) = 0;
    // -1 when no row is selected.
    virtual int selectedRow() const = 0;
    // Visits the cells of a column in row order. A list that packs its bytes shows them as they
    // are held, without a copy; a view lasts for its visit only.
    virtual void visitColumn(int column, const std::function<void(std::string_view)>& visit) const {
        for (int row = 0; row < rowCount(); ++row) visit(cell(row, column));
    }
};

// A clickable picture with four slots (1 normal, 2 hover, 3 pressed, 4 disabled).
class GraphicButton : public virtual Unit {
public:
    // Bytes of an image file; bytes that are not a picture leave the slot empty.
    virtual void setPicture(int slot, const Bytes& image) = 0;
    virtual bool hasPicture(int slot) const = 0;
};

class Timer : public virtual Unit {
public:
    // Milliseconds; 0 stops the timer.
    virtual int period() const = 0;
    virtual void setPeriod(int milliseconds) = 0;
};

enum class FileDialogKind { open = 0, save = 1 };

struct FileDialogSettings {
    FileDialogKind kind = FileDialogKind::open;
    Text title;
    // Display text, a bar, the pattern, as in 屏蔽规则(*.ad)|*.ad.
    Text filter;
    Text initialFolder;
    // Without the dot; added when the chosen name has no extension.
    Text defaultExtension;
};

// The common file dialog keeps every setting until it is set again.
class FileDialog : public virtual Unit {
public:
    void setKind(FileDialogKind kind) { settings_.kind = kind; }
    FileDialogKind kind() const { return settings_.kind; }
    void setTitle(const Text& title) { settings_.title = title; }
    Text title() const { return settings_.title; }
    void setFilter(const Text& filter) { settings_.filter = filter; }
    Text filter() const { return settings_.filter; }
    void setInitialFolder(const Text& folder) { settings_.initialFolder = folder; }
    Text initialFolder() const { return settings_.initialFolder; }
    void setDefaultExtension(const Text& extension) { settings_.defaultExtension = extension; }
    Text defaultExtension() const { return settings_.defaultExtension; }
    const FileDialogSettings& settings() const { return settings_; }

    // Modal; true when the user confirmed a file.
    virtual bool show() = 0;
    // Full path of the confirmed file.
    virtual Text chosenFile() const = 0;

private:
    FileDialogSettings settings_;
};

class Ui {
public:
    virtual ~Ui() = default;

    // The main window: its left and top are its position on the screen.
    virtual Unit& window() = 0;
    virtual Unit& unit(UnitName name) = 0;
    virtual ReportList& list(UnitName name) = 0;
    virtual GraphicButton& graphicButton(UnitName name) = 0;
    virtual Timer& timer(UnitName name) = 0;
    virtual FileDialog& fileDialog(UnitName name) = 0;

    // Modal, without an icon. Callers act on Answer::yes only; any other answer is a No.
    virtual Answer messageBox(const Text& text, MessageButtons buttons, const Text& title) = 0;

    // Shows the pop-up menu at a screen position; choosing an item raises its event.
    virtual void popUpMenu(UnitName menu, ScreenPoint at) = 0;
    virtual ScreenPoint mousePosition() const = 0;

    // Draws every control of the window in one fixed widget style from now on.
    virtual void switchVisualStyle() = 0;

    // Ends the process with this exit code once the running handler returns; no further
    // handler runs.
    virtual void endProcess(int exitCode) = 0;
};

}  // namespace tesmolen
