#include "runtime/qt/picture_button.hpp"

#include <QPainter>

namespace tesmolen {

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
}

void PictureButton::setPicture(int slot, const QPixmap& picture) {
    if (slot < 1 || slot > 4) return;
    pictures_[static_cast<std::size_t>(slot - 1)] = picture;
    update();
}

const QPixmap& PictureButton::picture(int slot) const {
    static const QPixmap none;
    return slot >= 1 && slot <= 4 ? pictures_[static_cast<std::size_t>(slot - 1)] : none;
}

int PictureButton::shownSlot() const {
    int slot = 1;
    if (!isEnabled()) {
        slot = 4;
    } else if (isDown()) {
        slot = 3;
    } else if (underMouse()) {
        slot = 2;
    }
    if (picture(slot).isNull()) slot = 1;
    return picture(slot).isNull() ? 0 : slot;
}

void PictureButton::paintEvent(QPaintEvent*) {
    const int slot = shownSlot();
    if (slot == 0) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture(slot));
}

}  // namespace tesmolen
