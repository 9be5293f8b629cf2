#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QTreeView;

namespace tesmolen {

// Asks for a list's pop-up menu from the keyboard, as the desktop does: the Menu key and
// Shift+F10 ask for it at the selected row (the screen point below the row's start, or the top
// of the list when no row is selected).
class ListMenuKeys : public QObject {
public:
    using Request = std::function<void(QPoint screenPoint)>;

    // Watches the view; the view owns the watcher.
    ListMenuKeys(QTreeView& view, Request request);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint selectedRowPoint() const;

    QTreeView& view_;
    Request request_;
};

}  // namespace tesmolen
