#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

#include "runtime/row_store.hpp"
#include "runtime/text.hpp"

namespace tesmolen {

// The rows of a two-column report list as the exact bytes the program set (a RowStore). Cells are turned into display
// strings only when the view asks for them, and only the piece of a cell that one line of a
// column can show, so lists of many thousands of rows, or of rules of megabytes, stay cheap.
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
    void visitColumn(int column, const std::function<void(std::string_view)>& visit) const;
    // True when the row was there.
    bool deleteRow(int row);
    void deleteAllRows();
    const RowStore& store() const { return rows_; }

    // The bytes of a cell the view is given: enough for one line of a column this many pixels
    // wide, whatever the font (no character is narrower than a pixel per byte).
    void setShownWidth(int pixels);

    // A row's tooltip shows at most this many lines of at most tipLineBytes bytes.
    static constexpr int tipLines = 8;
    static constexpr std::size_t tipLineBytes = 120;

private:
    bool holds(int row, int column) const;

    static constexpr int minimumShownBytes = 256;

    QStringList headers_;
    std::size_t shownBytes_ = 1024;
    int published_ = 0;  // rows the views know of
    bool publishQueued_ = false;
    RowStore rows_;
};

}  // namespace tesmolen
