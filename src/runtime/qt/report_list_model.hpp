#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <deque>

#include "runtime/cell_store.hpp"
#include "runtime/text.hpp"

namespace tesmolen {

// The rows of a report list as the exact bytes the program set. Cells are turned into display
// strings only when the view asks for them, so lists of many thousands of rows stay cheap.
class ReportListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    ReportListModel(QStringList headers, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Rows as the program sees them: every row appended so far.
    int rows() const;
    // Appended rows reach the views in one batch: when control returns to the event loop, or
    // earlier through publishRows.
    int appendRow(const Text& column0);
    void publishRows();
    void setCell(int row, int column, const Text& text);
    // The empty text outside the rows and columns.
    Text cell(int row, int column) const;
    void deleteRow(int row);
    void deleteAllRows();

    // A cell's text on one line: each line end drawn as a visible mark.
    static QString oneLine(const QString& text);

private:
    bool holds(int row, int column) const;
    std::size_t at(int row, int column) const;

    QStringList headers_;
    int published_ = 0;  // rows the views know of
    bool publishQueued_ = false;
    CellStore bytes_;
    std::deque<CellStore::Cell> cells_;  // row after row, columnCount() cells each
};

}  // namespace tesmolen
