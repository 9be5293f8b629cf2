#pragma once
// Owners of the GDI objects and menus the window makes: each frees its handle when it goes.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tesmolen {

struct GdiObjectFree {
    void operator()(void* object) const {
        if (object != nullptr) DeleteObject(static_cast<HGDIOBJ>(object));
    }
};

struct MenuFree {
    void operator()(HMENU menu) const {
        if (menu != nullptr) DestroyMenu(menu);
    }
};

using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectFree>;
using OwnedBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectFree>;
using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuFree>;

}  // namespace tesmolen
