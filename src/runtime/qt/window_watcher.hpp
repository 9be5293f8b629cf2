#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace tesmolen {

// Keeps the main window at its outer size, frame included, once the desktop has told the frame's
// size; and ends the message loop when the window is closed.
class WindowWatcher : public QObject {
public:
    WindowWatcher(QWidget& window, QSize outerSize, const bool& looping);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keepOuterSize();

    QWidget& window_;
    QSize outerSize_;
    const bool& looping_;
};

}  // namespace tesmolen
