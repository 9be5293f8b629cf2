#pragma once

#include <QGroupBox>

#include "ui/layout_decisions.hpp"

namespace tesmolen {

// A group box drawn as Windows draws one: the frame's top edge runs through the middle of the
// caption's line, and the caption sits on it, inside the frame's left corner, with the box's
// background behind its text. Units inside are placed from the box's top-left corner, caption
// row included.
class CaptionedFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    // The width of the frame's line: units end inside it.
    static constexpr int frameWidth = groupFrameWidth;
    // Where the caption's text starts, from the box's left edge.
    static constexpr int captionLeft = 8;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tesmolen
