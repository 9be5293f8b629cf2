#include "runtime/qt/report_list_model.hpp"

#include <QTextDocument>

#include <algorithm>

#include "runtime/cell_line.hpp"
#include "runtime/qt/list_cell_text.hpp"
#include "runtime/qt/qt_text.hpp"

namespace tesmolen {

ReportListModel::ReportListModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)) {}

int ReportListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : published_;
}

int ReportListModel::rows() const { return rows_.rowCount(); }

int ReportListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !holds(index.row(), index.column())) return {};
    const std::string_view text = rows_.cellView(index.row(), index.column());
    switch (role) {
        case Qt::DisplayRole:
            return toQString(cellLine(text, shownBytes_));
        case Qt::ToolTipRole:
            // A tooltip that looks like markup is drawn as rich text, pictures and all; a rule
            // is never markup.
            if (text.empty()) return {};
            return Qt::convertFromPlainText(cellTip(text, tipLines, tipLineBytes),
                                            Qt::WhiteSpacePre);
        default:
            return {};
    }
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || section >= headers_.size()) return {};
    return headers_[section];
}

int ReportListModel::appendRow(const Text& column0) {
    const int row = rows_.appendRow(column0);
    // Announcing 100,000 rows one by one costs the views more than storing them.
    if (!publishQueued_) {
        publishQueued_ = true;
        QMetaObject::invokeMethod(this, &ReportListModel::publishRows, Qt::QueuedConnection);
    }
    return row;
}

void ReportListModel::publishRows() {
    publishQueued_ = false;
    const int all = rows();
    if (published_ >= all) return;
    beginInsertRows({}, published_, all - 1);
    published_ = all;
    endInsertRows();
}

void ReportListModel::setCell(int row, int column, const Text& text) {
    if (!holds(row, column)) return;
    rows_.setCell(row, column, text);
    if (row < published_) {
        const QModelIndex changed = index(row, column);
        emit dataChanged(changed, changed);
    }
}

Text ReportListModel::cell(int row, int column) const {
    return rows_.cell(row, column);
}

void ReportListModel::visitColumn(int column,
                                  const std::function<void(std::string_view)>& visit) const {
    rows_.visitColumn(column, visit);
}

bool ReportListModel::deleteRow(int row) {
    if (!holds(row, 0)) return false;
    publishRows();
    beginRemoveRows({}, row, row);
    rows_.deleteRow(row);
    --published_;
    endRemoveRows();
    return true;
}

void ReportListModel::deleteAllRows() {
    beginResetModel();
    rows_.clear();
    published_ = 0;
    endResetModel();
}

void ReportListModel::setShownWidth(int pixels) {
    const auto bytes = static_cast<std::size_t>(std::max(pixels, minimumShownBytes));
    if (bytes == shownBytes_) return;
    shownBytes_ = bytes;
    if (published_ > 0) emit dataChanged(index(0, 0), index(published_ - 1, columnCount() - 1));
}

bool ReportListModel::holds(int row, int column) const {
    return row >= 0 && row < rows() && column >= 0 && column < columnCount();
}

}  // namespace tesmolen
