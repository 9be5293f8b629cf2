#include "runtime/qt/qt_units.hpp"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QItemSelectionModel>
#include <QPixmap>
#include <QTimer>
#include <QTreeView>
#include <QVariant>

#include "runtime/picture_limit.hpp"
#include "runtime/qt/picture_button.hpp"
#include "runtime/qt/qt_text.hpp"
#include "runtime/qt/report_list_model.hpp"

namespace tesmolen {

QtUnit::QtUnit(QWidget* widget, const char* textProperty, TextPlace place, int left, int top)
    : widget_(widget), textProperty_(textProperty), place_(place), left_(left), top_(top) {}

bool QtUnit::visible() const {
    if (!widget_) return false;
    return widget_->isWindow() ? widget_->isVisible() : !widget_->isHidden();
}

void QtUnit::setVisible(bool visible) {
    if (widget_) widget_->setVisible(visible);
}

void QtUnit::setEnabled(bool enabled) {
    const bool changed = enabled != enabled_;
    enabled_ = enabled;
    if (!widget_) return;
    if (!disabledAsReadOnly_) {
        widget_->setEnabled(enabled);
        return;
    }
    widget_->setProperty("readOnly", !enabled);
    // Tab passes a disabled box by; a click still lets the user copy its text.
    widget_->setFocusPolicy(enabled ? Qt::StrongFocus : Qt::ClickFocus);
    if (!changed) return;
    // A read-only box takes the background of the window around it, as a disabled one would.
    QPalette palette = widget_->palette();
    if (!enabled) {
        enabledBase_ = palette.color(QPalette::Base);
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    } else {
        palette.setColor(QPalette::Base, enabledBase_);
    }
    widget_->setPalette(palette);
}

int QtUnit::left() const { return widget_ ? widget_->x() : left_; }

int QtUnit::top() const { return widget_ ? widget_->y() : top_; }

QString QtUnit::shown() const {
    return widget_ ? widget_->property(textProperty_).toString() : QString();
}

Text QtUnit::text() const {
    if (place_ == TextPlace::none || !widget_) return kept_.bytes();
    return kept_.text(shown(), [this](const QString& now) {
        return fromQString(place_ == TextPlace::multiLine ? withCrLf(now) : now);
    });
}

void QtUnit::setText(const Text& text) {
    if (place_ == TextPlace::none || !widget_) {
        kept_.keep(text);
        return;
    }
    const QString display =
        place_ == TextPlace::multiLine ? withNewlines(toQString(text)) : toQString(text);
    widget_->setProperty(textProperty_, display);
    kept_.keep(text, display, shown());
}

QtReportList::QtReportList(QTreeView* view, ReportListModel* model)
    : QtUnit(view, nullptr, TextPlace::none), view_(view), model_(model) {}

void QtReportList::deleteAllRows() { model_->deleteAllRows(); }

int QtReportList::appendRow(const Text& column0) { return model_->appendRow(column0); }

void QtReportList::setCell(int row, int column, Text text) {
    model_->setCell(row, column, text);
}

Text QtReportList::cell(int row, int column) const { return model_->cell(row, column); }

int QtReportList::rowCount() const { return model_->rows(); }

void QtReportList::publishRows() { model_->publishRows(); }

void QtReportList::deleteRow(int row) {
    if (!model_->deleteRow(row)) return;
    const int selected = model_->store().selectionAfterDelete(row);
    if (selected < 0) return;
    const QModelIndex index = model_->index(selected, 0);
    view_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void QtReportList::visitColumn(int column,
                               const std::function<void(std::string_view)>& visit) const {
    model_->visitColumn(column, visit);
}

int QtReportList::selectedRow() const {
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

QtGraphicButton::QtGraphicButton(PictureButton* button)
    : QtUnit(button, nullptr, TextPlace::none), button_(button) {}

void QtGraphicButton::setPicture(int slot, const Bytes& image) {
    QByteArray bytes = QByteArray::fromRawData(image.data(), static_cast<qsizetype>(image.size()));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    QPixmap picture;
    if (pictureFits(size.width(), size.height())) picture = QPixmap::fromImage(reader.read());
    button_->setPicture(slot, picture);
}

bool QtGraphicButton::hasPicture(int slot) const { return !button_->picture(slot).isNull(); }

QtTimer::QtTimer(QTimer* timer, int left, int top)
    : QtUnit(nullptr, nullptr, TextPlace::none, left, top), timer_(timer) {}

void QtTimer::setPeriod(int milliseconds) {
    period_ = milliseconds;
    if (milliseconds > 0) {
        timer_->start(milliseconds);
    } else {
        timer_->stop();
    }
}

QtFileDialog::QtFileDialog(QWidget* owner, DialogScript& script, int left, int top)
    : QtUnit(nullptr, nullptr, TextPlace::none, left, top), owner_(owner), script_(script) {}

bool QtFileDialog::show() {
    std::optional<Text> choice;
    if (script_.active) {
        choice = script_.takeFileChoice();
    } else {
        QFileDialog dialog(owner_);
        configureFileDialog(dialog, settings());
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            choice = fromQString(QDir::toNativeSeparators(dialog.selectedFiles().front()));
        }
    }
    if (!choice) return false;
    chosen_ = *choice;
    return true;
}

}  // namespace tesmolen
