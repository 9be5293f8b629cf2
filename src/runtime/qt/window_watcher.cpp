#include "runtime/qt/window_watcher.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace tesmolen {

WindowWatcher::WindowWatcher(QWidget& window, QSize outerSize, const bool& looping)
    : QObject(&window), window_(window), outerSize_(outerSize), looping_(looping) {
    window.installEventFilter(this);
}

bool WindowWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
            case QEvent::Show:
            case QEvent::Move:
                keepOuterSize();
                break;
            case QEvent::Close:
                if (looping_) QCoreApplication::exit(0);
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowWatcher::keepOuterSize() {
    const QSize frame = window_.frameGeometry().size() - window_.size();
    if (frame.width() < 0 || frame.height() < 0) return;
    const QSize inner = outerSize_ - frame;
    if (inner != window_.size()) window_.setFixedSize(inner);
}

}  // namespace tesmolen
