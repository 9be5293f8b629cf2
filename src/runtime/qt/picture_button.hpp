#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include <array>

namespace tesmolen {

// A clickable picture with four slots: 1 normal, 2 under the mouse, 3 pressed, 4 disabled. A
// state whose slot is empty shows the normal picture; without one the button shows nothing.
class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit PictureButton(QWidget* parent);

    // Slots count from 1; a null pixmap empties the slot.
    void setPicture(int slot, const QPixmap& picture);
    const QPixmap& picture(int slot) const;
    // The slot whose picture the button draws in its present state, 0 when none.
    int shownSlot() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QPixmap, 4> pictures_;
};

}  // namespace tesmolen
