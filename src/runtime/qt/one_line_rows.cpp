#include "runtime/qt/one_line_rows.hpp"

#include <QApplication>
#include <QStyle>

namespace tesmolen {

QSize OneLineRows::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString shown = item.text;
    // Two letters with an ascender and a descender make one line of the font.
    item.text = QStringLiteral("Ag");
    const QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
    const QSize line =
        style->sizeFromContents(QStyle::CT_ItemViewItem, &item, QSize(), option.widget);
    const int padding = line.width() - item.fontMetrics.horizontalAdvance(item.text);
    return {padding + item.fontMetrics.horizontalAdvance(shown), line.height()};
}

}  // namespace tesmolen
