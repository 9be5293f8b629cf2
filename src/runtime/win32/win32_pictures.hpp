#pragma once
// Pictures from the bytes of an image file, as the site sends them for the graphic buttons.

#include <windows.h>

#include <memory>
#include <type_traits>

#include "runtime/text.hpp"

namespace tesmolen {

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using BitmapOwner = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

struct Picture {
    BitmapOwner bitmap;
    int width = 0;
    int height = 0;

    explicit operator bool() const { return static_cast<bool>(bitmap); }
};

// A GIF (its first frame), JPEG or PNG, with transparent parts filled by the background colour.
// Bytes that are no picture, or a picture larger than picture_limit.hpp allows, give an empty one.
Picture decodePicture(const Bytes& bytes, COLORREF background = RGB(255, 255, 255));

}  // namespace tesmolen
