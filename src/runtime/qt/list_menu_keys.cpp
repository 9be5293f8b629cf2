#include "runtime/qt/list_menu_keys.hpp"

#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTreeView>

namespace tesmolen {

namespace {

bool asksForMenu(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

}  // namespace

ListMenuKeys::ListMenuKeys(QTreeView& view, Request request)
    : QObject(&view), view_(view), request_(std::move(request)) {
    view.installEventFilter(this);
}

bool ListMenuKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &view_) return false;
    if (event->type() == QEvent::KeyPress && asksForMenu(*static_cast<QKeyEvent*>(event))) {
        request_(selectedRowPoint());
        return true;
    }
    // The platform turns the Menu key into a menu request at the mouse pointer as well; the key
    // press above has already answered it.
    return event->type() == QEvent::ContextMenu &&
           static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
}

QPoint ListMenuKeys::selectedRowPoint() const {
    const QModelIndexList rows = view_.selectionModel()->selectedRows();
    if (rows.isEmpty()) return view_.viewport()->mapToGlobal(QPoint(0, 0));
    const QRect row = view_.visualRect(rows.front());
    return view_.viewport()->mapToGlobal(row.bottomLeft() + QPoint(row.height(), 0));
}

}  // namespace tesmolen
