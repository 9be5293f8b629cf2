#pragma once
// The window's units as the commands see them, over Qt widgets. Each unit keeps the exact bytes
// it was given and hands them back for as long as the user has not changed what it shows.

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

#include "runtime/dialog_script.hpp"
#include "runtime/kept_text.hpp"
#include "runtime/qt/file_dialog.hpp"
#include "runtime/ui.hpp"

class QTimer;
class QTreeView;

namespace tesmolen {

class PictureButton;
class ReportListModel;

// How a unit's text reaches its widget.
enum class TextPlace {
    none,         // kept by the unit only
    singleLine,   // the widget's "text", "title" or "windowTitle" property
    multiLine,    // "plainText", with "\n" line ends on screen and "\r\n" in the program
};

class QtUnit : public virtual Unit {
public:
    // A unit without a widget (timer, file dialog) is never visible and sits at (left, top).
    QtUnit(QWidget* widget, const char* textProperty, TextPlace place, int left = 0,
           int top = 0);

    bool visible() const override;
    void setVisible(bool visible) override;
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;
    int left() const override;
    int top() const override;
    Text text() const override;
    void setText(const Text& text) override;

    QWidget* widget() const { return widget_; }
    // Edit boxes that only display their text while disabled.
    void disableAsReadOnly() { disabledAsReadOnly_ = true; }

private:
    QString shown() const;

    QPointer<QWidget> widget_;
    const char* textProperty_;
    TextPlace place_;
    int left_;
    int top_;
    bool enabled_ = true;
    bool disabledAsReadOnly_ = false;
    QColor enabledBase_;
    KeptText<QString> kept_;
};

class QtReportList : public ReportList, public QtUnit {
public:
    QtReportList(QTreeView* view, ReportListModel* model);

    void deleteAllRows() override;
    int appendRow(const Text& column0) override;
    void setCell(int row, int column, Text text) override;
    Text cell(int row, int column = 0) const override;
    int rowCount() const override;
    void deleteRow(int row) override;
    int selectedRow() const override;
    void visitColumn(int column,
                     const std::function<void(std::string_view)>& visit) const override;

    QTreeView* view() const { return view_; }
    // Lets the view know of the rows appended so far.
    void publishRows();

private:
    QTreeView* view_;
    ReportListModel* model_;
};

class QtGraphicButton : public GraphicButton, public QtUnit {
public:
    explicit QtGraphicButton(PictureButton* button);

    void setPicture(int slot, const Bytes& image) override;
    bool hasPicture(int slot) const override;

private:
    PictureButton* button_;
};

class QtTimer : public Timer, public QtUnit {
public:
    QtTimer(QTimer* timer, int left, int top);

    int period() const override { return period_; }
    void setPeriod(int milliseconds) override;

private:
    QTimer* timer_;
    int period_ = 0;
};

class QtFileDialog : public FileDialog, public QtUnit {
public:
    // Shown over owner; answered from the script while it is active.
    QtFileDialog(QWidget* owner, DialogScript& script, int left, int top);

    bool show() override;
    Text chosenFile() const override { return chosen_; }

private:
    QWidget* owner_;
    DialogScript& script_;
    Text chosen_;
};

}  // namespace tesmolen
