#pragma once
// How both windows read the layout table: what the table leaves to the toolkit is decided here
// once, so that the Qt and the Win32 window look alike.

#include <algorithm>

#include "ui/layout.hpp"

namespace tesmolen {

// The default GUI font of the window is 12 pixels high, like the desktop font the layout was
// drawn for.
inline constexpr int guiFontPixels = 12;
// The tab control's strip; its pages start below it.
inline constexpr int tabStripHeight = 24;
// The frame of a group box, inside which its units end.
inline constexpr int groupFrameWidth = 2;

// Edit boxes that break their text into lines.
inline bool isMultiLine(const UnitSpec& spec) {
    return spec.multiLine || spec.kind == UnitKind::superEditBox;
}

// Only a label with room for two lines of its font wraps; a shorter one keeps its text on one
// line.
inline bool labelWraps(const UnitSpec& spec, int lineHeight) {
    return spec.height >= 2 * lineHeight;
}

struct UnitSize {
    int width = 0;
    int height = 0;
};

// A unit that the table lets reach past its container ends inside it instead (inside the frame
// of a group box), so that its whole border shows. `left` and `top` are the unit's place in the
// container's own coordinates, `container` the size of the container, `frame` the width of its frame.
inline UnitSize sizeInside(int left, int top, UnitSize wanted, UnitSize container, int frame) {
    auto fit = [frame](int start, int length, int room) {
        const int end = room - frame;
        return start + length > end ? std::max(end - start, 0) : length;
    };
    return {fit(left, wanted.width, container.width), fit(top, wanted.height, container.height)};
}

}  // namespace tesmolen
