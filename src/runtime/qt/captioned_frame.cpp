#include "runtime/qt/captioned_frame.hpp"

#include <QPainter>

namespace tesmolen {

void CaptionedFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    // An etched line: a shadow line with a light one beside it.
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (title().isEmpty()) return;
    const QString caption = metrics.elidedText(title(), Qt::ElideRight, width() - 2 * captionLeft);
    QRect behind(captionLeft - 2, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(behind, palette().brush(backgroundRole()));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.drawText(behind.adjusted(2, 0, -2, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

}  // namespace tesmolen
