#pragma once
// The main window as data: every unit with its kind, parent, rectangle, caption, initial flags,
// cursor, font, colours and pictures; the tab pages; the pop-up menus. Both realisations of the
// window (Qt and the tests' fake) build their units from this one table.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "runtime/ui.hpp"

namespace tesmolen {

enum class UnitKind {
    tabControl,
    // A page of the tab control: content is its tab title, hint its hint text. A page covers its
    // whole tab control, so its children are placed relative to the tab control's top-left
    // corner, tab strip included.
    tabPage,
    groupBox,
    shapeBox,
    editBox,
    superEditBox,
    ipEditBox,
    reportList,
    transparentLabel,
    label,
    button,
    graphicButton,
    timer,
    commonDialog,
};

enum class CursorShape { standard, hand, upArrow };

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Normal weight, GB2312 character set; an empty face means the default GUI face.
struct FontSpec {
    std::u8string_view face;
    int pixelHeight = 0;
};

struct UnitSpec {
    UnitKind kind;
    UnitName name{};
    UnitName parent{};  // the main window when empty
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // Caption of buttons, group boxes and tab pages; text of labels and edit boxes; the
    // address of the IP box.
    std::u8string_view content{};
    bool visible = true;
    bool enabled = true;
    bool multiLine = false;
    bool focusable = false;
    CursorShape cursor = CursorShape::standard;
    std::optional<Colour> textColour{};
    std::optional<Colour> background{};
    std::optional<FontSpec> font{};
    // Qt resource paths of the four picture slots; empty for an empty slot.
    std::array<std::string_view, 4> pictures{};
    // Tab pages: the hint text stored with the page.
    std::u8string_view hint{};
};

struct ColumnSpec {
    std::u8string_view header;
    int width = 0;
};

// A pop-up menu; each item's caption equals its name, and so does the menu's.
struct MenuSpec {
    UnitName name;
    std::vector<UnitName> items;
};

struct WindowSpec {
    std::u8string_view title{};
    int left = 0;
    int top = 0;
    int outerWidth = 0;
    int outerHeight = 0;
    std::string_view icon{};  // Qt resource path
};

struct WindowLayout {
    WindowSpec window{};
    // Among the children of one parent, an earlier unit lies above a later one.
    std::vector<UnitSpec> units{};
    std::vector<ColumnSpec> ruleListColumns{};
    std::vector<MenuSpec> menus{};
    // The page the window opens on (0-based).
    int initialPage = 0;
};

const WindowLayout& windowLayout();

}  // namespace tesmolen
