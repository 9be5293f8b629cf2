#pragma once

#include <windows.h>

#include <array>

#include "runtime/win32/win32_pictures.hpp"

namespace tesmolen {

// A clickable picture with four slots: 1 normal, 2 under the mouse, 3 pressed, 4 disabled. A
// state whose slot is empty shows the normal picture; without one the button shows its parent's
// background. A click reaches the parent as BN_CLICKED, like a push button's.
class PictureButton {
public:
    PictureButton(HWND parent, int id, RECT place);
    ~PictureButton();
    PictureButton(const PictureButton&) = delete;
    PictureButton& operator=(const PictureButton&) = delete;

    HWND window() const { return window_; }
    // Slots count from 1; an empty picture empties the slot.
    void setPicture(int slot, Picture picture);
    bool hasPicture(int slot) const;
    // The slot whose picture the button draws in its present state, 0 when none.
    int shownSlot() const;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();

    HWND window_ = nullptr;
    std::array<Picture, 4> pictures_;
    bool hover_ = false;
    bool pressed_ = false;
};

}  // namespace tesmolen
