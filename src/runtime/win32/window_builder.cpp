#include "runtime/win32/window_builder.hpp"

#include <commctrl.h>
#include <uxtheme.h>

#include <utility>

#include "runtime/codepage.hpp"
#include "runtime/win32/dpi_scale.hpp"
#include "runtime/win32/win32_pictures.hpp"
#include "ui/build_order.hpp"
#include "ui/layout_decisions.hpp"

namespace tesmolen {

namespace {

constexpr wchar_t mainWindowClass[] = L"TesmolenWindow";
constexpr wchar_t containerClass[] = L"TesmolenContainer";

COLORREF win32Colour(const Colour& colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

// Containers hand what their controls tell them on to the main window, which knows the units,
// and paint their background as the main window says.
bool handOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            result = SendMessageW(GetAncestor(window, GA_ROOT), message, wParam, lParam);
            return true;
        case WM_ERASEBKGND: {
            auto dc = reinterpret_cast<HDC>(wParam);
            auto background = reinterpret_cast<HBRUSH>(
                SendMessageW(GetAncestor(window, GA_ROOT), WM_CTLCOLORSTATIC, wParam,
                             reinterpret_cast<LPARAM>(window)));
            RECT area;
            GetClientRect(window, &area);
            FillRect(dc, &area,
                     background != nullptr ? background : GetSysColorBrush(COLOR_BTNFACE));
            result = 1;
            return true;
        }
        default:
            return false;
    }
}

LRESULT CALLBACK containerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handOn(window, message, wParam, lParam, result)) return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

// Group boxes hold units too; they are system buttons, so they are subclassed.
LRESULT CALLBACK groupBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR) {
    LRESULT result = 0;
    if (handOn(window, message, wParam, lParam, result)) return result;
    if (message == WM_NCHITTEST) return HTCLIENT;  // a group box lets clicks through otherwise
    return DefSubclassProc(window, message, wParam, lParam);
}

void registerClasses(WNDPROC mainWindowProcedure) {
    static const bool registered = [mainWindowProcedure] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof type;
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        type.lpfnWndProc = mainWindowProcedure;
        type.lpszClassName = mainWindowClass;
        type.hIcon = static_cast<HICON>(LoadImageW(type.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXICON),
                                                   GetSystemMetrics(SM_CYICON), 0));
        type.hIconSm = static_cast<HICON>(LoadImageW(type.hInstance, MAKEINTRESOURCEW(1),
                                                     IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                     GetSystemMetrics(SM_CYSMICON), 0));
        RegisterClassExW(&type);
        type.lpfnWndProc = containerProcedure;
        type.lpszClassName = containerClass;
        type.hbrBackground = nullptr;
        type.hIcon = nullptr;
        type.hIconSm = nullptr;
        RegisterClassExW(&type);
        return true;
    }();
    (void)registered;
}

// The bytes of a picture compiled into the executable: ":/pictures/a-b.gif" is the RCDATA
// resource PICTURES_A_B_GIF.
Bytes pictureResource(std::string_view path) {
    if (path.starts_with(":/")) path.remove_prefix(2);
    std::wstring name;
    for (char c : path) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        const bool kept = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        name += kept ? static_cast<wchar_t>(c) : L'_';
    }
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) return {};
    return Bytes(static_cast<const char*>(bytes), SizeofResource(module, found));
}

int lineHeight(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

}  // namespace

WindowBuilder::WindowBuilder(const WindowLayout& layout, WindowHooks hooks)
    : layout_(layout), hooks_(hooks) {}

BuiltWindow WindowBuilder::build() {
    buildWindow();
    for (const UnitSpec* spec : unitsInBuildOrder(layout_)) {
        buildUnit(atDpi(*spec, dpi_), containers_.find(spec->parent)->second);
    }
    buildMenus();
    stackUnits();
    return std::move(built_);
}

void WindowBuilder::buildWindow() {
    const WindowSpec& spec = layout_.window;
    registerClasses(hooks_.procedure);
    const std::wstring title = gbkToWide(gbk(spec.title));
    built_.window = CreateWindowExW(WS_EX_CONTROLPARENT, mainWindowClass, title.c_str(),
                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                    spec.left, spec.top, spec.outerWidth, spec.outerHeight, nullptr, nullptr,
                    GetModuleHandleW(nullptr), hooks_.procedureData);
    dpi_ = windowDpi(built_.window);
    SetWindowPos(built_.window, nullptr, 0, 0, atDpi(spec.outerWidth, dpi_),
                 atDpi(spec.outerHeight, dpi_), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW look = metrics.lfMessageFont;
    look.lfHeight = -atDpi(guiFontPixels, dpi_);
    look.lfWeight = FW_NORMAL;
    look.lfCharSet = GB2312_CHARSET;
    built_.fonts.emplace_back(CreateFontIndirectW(&look));
    defaultFont_ = built_.fonts.back().get();
    built_.windowUnit = std::make_unique<Win32Unit>(
        UnitPlace{.window = built_.window, .text = TextPlace::windowText});
    built_.windowUnit->setText(gbk(spec.title));
    containers_[std::u8string()] = {
        built_.window, {}, GetSysColorBrush(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE)};
}

HWND WindowBuilder::createControl(const wchar_t* kind, DWORD style, DWORD extendedStyle,
                                  const UnitSpec& spec, const Container& parent) {
    if (spec.focusable) style |= WS_TABSTOP;
    const int left = spec.left - parent.origin.x;
    const int top = spec.top - parent.origin.y;
    UnitSize size{spec.width, spec.height};
    // The main window is left alone: its inner size depends on the desktop's frame.
    if (parent.window != built_.window) {
        RECT room;
        GetClientRect(parent.window, &room);
        size = sizeInside(left, top, size, {room.right, room.bottom}, parent.frame);
    }
    HWND control = CreateWindowExW(extendedStyle, kind, L"", WS_CHILD | WS_CLIPSIBLINGS | style,
                                   left, top, size.width, size.height, parent.window,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId_++)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font(spec)), FALSE);
    // The classic look until start-up switches the visual style on.
    SetWindowTheme(control, L"", L"");
    return control;
}

void WindowBuilder::buildUnit(const UnitSpec& spec, const Container& parent) {
    HWND control = nullptr;
    std::unique_ptr<Win32Unit> unit;
    auto plain = [&control](TextPlace text) {
        return std::make_unique<Win32Unit>(UnitPlace{.window = control, .text = text});
    };
    switch (spec.kind) {
        case UnitKind::tabControl:
            // No tooltips: a tooltip is a top-level window above all others, and the owned
            // message box takes the process's first top-level window as its owner.
            control = createControl(WC_TABCONTROLW, WS_CLIPCHILDREN | TCS_FOCUSNEVER, 0, spec,
                                    parent);
            built_.tabControl = control;
            addContainer(spec, control, parent);
            unit = plain(TextPlace::none);
            break;
        case UnitKind::tabPage:
            control = buildTabPage(spec, parent);
            unit = plain(TextPlace::none);
            break;
        case UnitKind::groupBox:
            control = createControl(L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                                    spec, parent);
            SetWindowSubclass(control, groupBoxProcedure, 1, 0);
            addContainer(spec, control, parent);
            unit = plain(TextPlace::windowText);
            break;
        case UnitKind::shapeBox:
            control =
                createControl(containerClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, spec, parent);
            addContainer(spec, control, parent);
            unit = plain(TextPlace::none);
            break;
        case UnitKind::editBox:
        case UnitKind::superEditBox: {
            const bool multiLine = isMultiLine(spec);
            const DWORD style = multiLine
                                    ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL
                                    : ES_AUTOHSCROLL;
            control = createControl(L"EDIT", style, WS_EX_CLIENTEDGE, spec, parent);
            unit = plain(TextPlace::windowText);
            unit->disableAsReadOnly();
            break;
        }
        case UnitKind::ipEditBox:
            control = createControl(WC_IPADDRESSW, 0, WS_EX_CLIENTEDGE, spec, parent);
            unit = plain(TextPlace::ipAddress);
            break;
        case UnitKind::reportList:
            control = buildReportList(spec, parent);
            unit = std::make_unique<Win32ReportList>(control);
            built_.lists[control] = static_cast<Win32ReportList*>(unit.get());
            break;
        case UnitKind::transparentLabel:
        case UnitKind::label: {
            // A label that keeps its text on one line centres it in its height.
            const bool oneLine = !labelWraps(spec, lineHeight(font(spec)));
            const DWORD style =
                SS_LEFT | SS_NOPREFIX | (oneLine ? SS_LEFTNOWORDWRAP | SS_CENTERIMAGE : 0);
            control = createControl(L"STATIC", style, 0, spec, parent);
            unit = plain(TextPlace::windowText);
            break;
        }
        case UnitKind::button:
            control = createControl(L"BUTTON", BS_PUSHBUTTON, 0, spec, parent);
            built_.clickables[GetDlgCtrlID(control)] = spec.name;
            unit = plain(TextPlace::windowText);
            break;
        case UnitKind::graphicButton:
            control = buildPictureButton(spec, parent);
            built_.clickables[GetDlgCtrlID(control)] = spec.name;
            unit = std::make_unique<Win32GraphicButton>(*built_.pictureButtons.back(), parent.colour);
            break;
        case UnitKind::timer: {
            const UINT_PTR id = static_cast<UINT_PTR>(nextId_++);
            built_.timers[id] = spec.name;
            unit = std::make_unique<Win32Timer>(built_.window, id, POINT{spec.left, spec.top});
            break;
        }
        case UnitKind::commonDialog:
            unit = std::make_unique<Win32FileDialog>(built_.window, hooks_.script,
                                                     POINT{spec.left, spec.top});
            break;
    }
    if (control != nullptr) {
        ControlLook look;
        if (spec.textColour) look.textColour = win32Colour(*spec.textColour);
        if (spec.background) {
            look.backgroundColour = win32Colour(*spec.background);
            look.background = brush(look.backgroundColour);
        }
        look.around = parent.background;
        look.aroundColour = parent.colour;
        look.transparent =
            spec.kind == UnitKind::transparentLabel || spec.kind == UnitKind::graphicButton;
        look.editBox = spec.kind == UnitKind::editBox || spec.kind == UnitKind::superEditBox;
        if (spec.cursor == CursorShape::hand) look.cursor = LoadCursorW(nullptr, IDC_HAND);
        if (spec.cursor == CursorShape::upArrow) look.cursor = LoadCursorW(nullptr, IDC_UPARROW);
        // Containers paint the background their units show.
        auto container = containers_.find(spec.name);
        if (container != containers_.end() && !spec.background) {
            look.background = container->second.background;
            look.backgroundColour = container->second.colour;
        }
        built_.looks[control] = look;
    }
    unit->setOrigin(parent.origin);
    addUnit(spec, std::move(unit));
}

HWND WindowBuilder::buildTabPage(const UnitSpec& spec, const Container& tabControl) {
    const std::wstring title = gbkToWide(gbk(spec.content));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(title.c_str());
    const auto index = static_cast<int>(built_.pages.size());
    SendMessageW(tabControl.window, TCM_INSERTITEMW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    // The page starts below the tab strip; its units are placed from the tab control's corner.
    UnitSpec page = spec;
    page.top = atDpi(tabStripHeight, dpi_);
    page.height = spec.height - page.top;
    HWND window =
        createControl(containerClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, page, tabControl);
    built_.pages.push_back(window);
    addContainer(spec, window, tabControl, POINT{0, page.top});
    return window;
}

HWND WindowBuilder::buildReportList(const UnitSpec& spec, const Container& parent) {
    HWND view =
        createControl(WC_LISTVIEWW, LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                      WS_EX_CLIENTEDGE, spec, parent);
    SendMessageW(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    if (spec.textColour) SendMessageW(view, LVM_SETTEXTCOLOR, 0, win32Colour(*spec.textColour));
    if (spec.background) {
        SendMessageW(view, LVM_SETBKCOLOR, 0, win32Colour(*spec.background));
        SendMessageW(view, LVM_SETTEXTBKCOLOR, 0, win32Colour(*spec.background));
    }
    int index = 0;
    for (const ColumnSpec& column : layout_.ruleListColumns) {
        const std::wstring header = gbkToWide(gbk(column.header));
        LVCOLUMNW entry{};
        entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        entry.fmt = LVCFMT_LEFT;
        entry.cx = atDpi(column.width, dpi_);
        entry.pszText = const_cast<wchar_t*>(header.c_str());
        SendMessageW(view, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index++),
                     reinterpret_cast<LPARAM>(&entry));
    }
    return view;
}

HWND WindowBuilder::buildPictureButton(const UnitSpec& spec, const Container& parent) {
    const RECT place{spec.left - parent.origin.x, spec.top - parent.origin.y,
                     spec.left - parent.origin.x + spec.width,
                     spec.top - parent.origin.y + spec.height};
    auto& button = built_.pictureButtons.emplace_back(
        std::make_unique<PictureButton>(parent.window, nextId_++, place));
    for (std::size_t slot = 0; slot < spec.pictures.size(); ++slot) {
        if (spec.pictures[slot].empty()) continue;
        button->setPicture(static_cast<int>(slot) + 1,
                           decodePicture(pictureResource(spec.pictures[slot]), parent.colour));
    }
    return button->window();
}

void WindowBuilder::addContainer(const UnitSpec& spec, HWND window, const Container& parent,
                                 POINT origin) {
    Container container{window, origin, parent.background, parent.colour,
                        spec.kind == UnitKind::groupBox ? atDpi(groupFrameWidth, dpi_) : 0};
    if (spec.background) {
        container.colour = win32Colour(*spec.background);
        container.background = brush(container.colour);
    }
    containers_[std::u8string(spec.name)] = container;
}

void WindowBuilder::addUnit(const UnitSpec& spec, std::unique_ptr<Win32Unit> unit) {
    unit->setText(gbk(spec.content));
    if (spec.kind != UnitKind::tabPage) unit->setVisible(spec.visible);
    unit->setEnabled(spec.enabled);
    built_.units[std::u8string(spec.name)] = std::move(unit);
}

HFONT WindowBuilder::font(const UnitSpec& spec) {
    if (!spec.font) return defaultFont_;
    LOGFONTW look{};
    GetObjectW(defaultFont_, sizeof look, &look);
    if (!spec.font->face.empty()) {
        const std::wstring face = gbkToWide(gbk(spec.font->face));
        lstrcpynW(look.lfFaceName, face.c_str(), LF_FACESIZE);
    }
    look.lfHeight = -spec.font->pixelHeight;
    look.lfWeight = FW_NORMAL;
    look.lfCharSet = GB2312_CHARSET;
    built_.fonts.emplace_back(CreateFontIndirectW(&look));
    return built_.fonts.back().get();
}

HBRUSH WindowBuilder::brush(COLORREF colour) {
    OwnedBrush& owned = built_.brushes[colour];
    if (!owned) owned.reset(CreateSolidBrush(colour));
    return owned.get();
}

void WindowBuilder::buildMenus() {
    int id = 1000;
    for (const MenuSpec& spec : layout_.menus) {
        OwnedMenu menu(CreatePopupMenu());
        for (UnitName item : spec.items) {
            const std::wstring caption = gbkToWide(gbk(item));
            AppendMenuW(menu.get(), MF_STRING, static_cast<UINT_PTR>(id), caption.c_str());
            built_.menuItems[id++] = item;
        }
        built_.menus[std::u8string(spec.name)] = std::move(menu);
    }
}

void WindowBuilder::stackUnits() {
    // Sending each unit to the bottom of its siblings, first to last, leaves the first on top.
    for (const UnitSpec& spec : layout_.units) {
        auto unit = built_.units.find(spec.name);
        if (unit == built_.units.end() || spec.kind == UnitKind::tabPage) continue;
        HWND control = unit->second->window();
        if (control == nullptr) continue;
        SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
}

}  // namespace tesmolen
