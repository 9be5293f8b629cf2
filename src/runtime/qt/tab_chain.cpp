#include "runtime/qt/tab_chain.hpp"

#include <QWidget>

#include "runtime/qt/qt_ui.hpp"
#include "ui/tab_order.hpp"

namespace tesmolen {

void chainTabOrder(QtUi& ui, const WindowLayout& layout) {
    QWidget* previous = nullptr;
    for (UnitName name : unitsInTabOrder(layout)) {
        QWidget* widget = ui.widget(name);
        if (widget == nullptr) continue;
        // A unit made of parts (the IP box) moves with its parts, and the next unit comes after
        // its last part.
        if (previous != nullptr) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace tesmolen
