#pragma once

#include <QStyledItemDelegate>

namespace tesmolen {

// Draws a report list's rows one text line high, whatever their cells hold: the height comes
// from the font, never from measuring a cell.
class OneLineRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace tesmolen
