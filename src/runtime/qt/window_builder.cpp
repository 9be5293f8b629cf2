#include "runtime/qt/window_builder.hpp"

#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "runtime/codepage.hpp"
#include "runtime/qt/captioned_frame.hpp"
#include "runtime/qt/ip_address_edit.hpp"
#include "runtime/qt/list_menu_keys.hpp"
#include "runtime/qt/one_line_rows.hpp"
#include "runtime/qt/picture_button.hpp"
#include "runtime/qt/qt_text.hpp"
#include "runtime/qt/report_list_model.hpp"
#include "runtime/qt/window_watcher.hpp"
#include "ui/build_order.hpp"
#include "ui/layout_decisions.hpp"

namespace tesmolen {

namespace {

// The property that marks a child of the tab control as a page, holding its tab's index.
constexpr const char* tabPageIndex = "tabPageIndex";

QColor qtColour(const Colour& colour) {
    return {colour.red, colour.green, colour.blue};
}

bool isEditable(UnitKind kind) {
    return kind == UnitKind::editBox || kind == UnitKind::superEditBox ||
           kind == UnitKind::ipEditBox || kind == UnitKind::reportList;
}

// Windows cuts a unit off at its container's edge, border and all; here, as in the Win32 window,
// a unit ends inside its container (sizeInside). The main window is left alone: its inner size
// depends on the desktop's frame.
void fitInside(QWidget& widget) {
    const QWidget* container = widget.parentWidget();
    if (container == nullptr || container->isWindow()) return;
    const int frame =
        dynamic_cast<const CaptionedFrame*>(container) != nullptr ? groupFrameWidth : 0;
    const UnitSize size =
        sizeInside(widget.x(), widget.y(), {widget.width(), widget.height()},
                   {container->width(), container->height()}, frame);
    widget.resize(size.width, size.height);
}

void applyLook(QWidget* widget, const UnitSpec& spec) {
    QPalette palette = widget->palette();
    if (spec.textColour) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(role, qtColour(*spec.textColour));
        }
    }
    if (spec.background) {
        palette.setColor(isEditable(spec.kind) ? QPalette::Base : QPalette::Window,
                         qtColour(*spec.background));
        if (spec.kind != UnitKind::transparentLabel) widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
    if (spec.font) {
        QFont font = widget->font();
        if (!spec.font->face.empty()) font.setFamilies({toQString(spec.font->face)});
        font.setPixelSize(spec.font->pixelHeight);
        font.setWeight(QFont::Normal);
        widget->setFont(font);
    }
    switch (spec.cursor) {
        case CursorShape::hand:
            widget->setCursor(Qt::PointingHandCursor);
            break;
        case CursorShape::upArrow:
            widget->setCursor(Qt::UpArrowCursor);
            break;
        case CursorShape::standard:
            break;
    }
    widget->setFocusPolicy(spec.focusable ? Qt::StrongFocus : Qt::NoFocus);
    widget->setGeometry(spec.left, spec.top, spec.width, spec.height);
    fitInside(*widget);
}

QLabel* newLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

}  // namespace

void showCurrentPage(QTabBar& bar) {
    for (QObject* child : bar.parent()->children()) {
        auto* page = qobject_cast<QWidget*>(child);
        const QVariant index = page != nullptr ? page->property(tabPageIndex) : QVariant();
        if (index.isValid()) page->setVisible(index.toInt() == bar.currentIndex());
    }
}

WindowBuilder::WindowBuilder(const WindowLayout& layout, WindowHooks hooks)
    : layout_(layout), hooks_(std::move(hooks)) {}

BuiltWindow WindowBuilder::build() {
    buildWindow();
    for (const UnitSpec* spec : unitsInBuildOrder(layout_)) {
        widgets_[std::u8string(spec->name)] =
            buildWidget(*spec, widgets_.find(spec->parent)->second);
    }
    buildMenus();
    stackUnits();
    return std::move(built_);
}

void WindowBuilder::buildWindow() {
    const WindowSpec& spec = layout_.window;
    built_.window = std::make_unique<QWidget>(
        nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                     Qt::WindowCloseButtonHint);
    QWidget* window = built_.window.get();
    QFont font = QApplication::font();
    font.setPixelSize(guiFontPixels);
    window->setFont(font);
    if (!spec.icon.empty()) window->setWindowIcon(QIcon(QString::fromUtf8(spec.icon)));
    window->move(spec.left, spec.top);
    window->setFixedSize(spec.outerWidth, spec.outerHeight);
    new WindowWatcher(*window, QSize(spec.outerWidth, spec.outerHeight), hooks_.looping);
    built_.windowUnit = std::make_unique<QtUnit>(window, "windowTitle", TextPlace::singleLine);
    built_.windowUnit->setText(gbk(spec.title));
    widgets_[std::u8string()] = window;
}

QWidget* WindowBuilder::buildWidget(const UnitSpec& spec, QWidget* parent) {
    QWidget* widget = nullptr;
    std::unique_ptr<QtUnit> unit;
    switch (spec.kind) {
        case UnitKind::tabControl:
            widget = buildTabControl(spec, parent);
            unit = std::make_unique<QtUnit>(widget, nullptr, TextPlace::none);
            break;
        case UnitKind::tabPage:
            widget = buildTabPage(spec, parent);
            unit = std::make_unique<QtUnit>(widget, nullptr, TextPlace::none);
            break;
        case UnitKind::groupBox:
            widget = new CaptionedFrame(parent);
            unit = std::make_unique<QtUnit>(widget, "title", TextPlace::singleLine);
            break;
        case UnitKind::shapeBox: {
            auto* frame = new QFrame(parent);
            frame->setFrameStyle(QFrame::NoFrame);
            widget = frame;
            unit = std::make_unique<QtUnit>(widget, nullptr, TextPlace::none);
            break;
        }
        case UnitKind::editBox:
        case UnitKind::superEditBox: {
            const bool multiLine = isMultiLine(spec);
            widget = buildEditBox(parent, multiLine);
            unit =
                std::make_unique<QtUnit>(widget, multiLine ? "plainText" : "text",
                                         multiLine ? TextPlace::multiLine : TextPlace::singleLine);
            unit->disableAsReadOnly();
            break;
        }
        case UnitKind::ipEditBox:
            widget = new IpAddressEdit(parent);
            unit = std::make_unique<QtUnit>(widget, "text", TextPlace::singleLine);
            break;
        case UnitKind::reportList:
            return buildReportList(spec, parent);
        case UnitKind::transparentLabel:
        case UnitKind::label:
            widget = newLabel(parent);
            unit = std::make_unique<QtUnit>(widget, "text", TextPlace::singleLine);
            break;
        case UnitKind::button: {
            auto* button = new QPushButton(parent);
            QObject::connect(button, &QPushButton::clicked, button,
                             [&events = hooks_.events, name = spec.name] { events.raise(name, UiEvent::click); });
            widget = button;
            unit = std::make_unique<QtUnit>(widget, "text", TextPlace::singleLine);
            break;
        }
        case UnitKind::graphicButton:
            return buildPictureButton(spec, parent);
        case UnitKind::timer: {
            auto* timer = new QTimer(built_.window.get());
            QObject::connect(timer, &QTimer::timeout, timer,
                             [&events = hooks_.events, name = spec.name] { events.raise(name, UiEvent::timerTick); });
            addUnit(spec, std::make_unique<QtTimer>(timer, spec.left, spec.top));
            return nullptr;
        }
        case UnitKind::commonDialog:
            addUnit(spec, std::make_unique<QtFileDialog>(built_.window.get(), hooks_.script,
                                                         spec.left, spec.top));
            return nullptr;
    }
    applyLook(widget, spec);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setWordWrap(labelWraps(spec, label->fontMetrics().lineSpacing()));
    }
    addUnit(spec, std::move(unit));
    return widget;
}

QWidget* WindowBuilder::buildTabControl(const UnitSpec& spec, QWidget* parent) {
    auto* tabControl = new QWidget(parent);
    // The control takes its place first: its strip is placed inside it.
    UnitSpec controlLook = spec;
    controlLook.font.reset();
    applyLook(tabControl, controlLook);
    auto* bar = new QTabBar(tabControl);
    bar->setExpanding(false);
    bar->setDrawBase(false);
    bar->setFocusPolicy(Qt::NoFocus);
    if (spec.font) {
        UnitSpec look = spec;
        look.left = 0;
        look.top = 0;
        look.height = tabStripHeight;
        applyLook(bar, look);
    } else {
        bar->setGeometry(0, 0, spec.width, tabStripHeight);
    }
    QObject::connect(bar, &QTabBar::currentChanged, tabControl, [bar] { showCurrentPage(*bar); });
    built_.tabBar = bar;
    return tabControl;
}

QWidget* WindowBuilder::buildTabPage(const UnitSpec& spec, QWidget* tabControl) {
    auto* page = new QWidget(tabControl);
    auto* bar = tabControl->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    const int index = bar->addTab(toQString(spec.content));
    bar->setTabToolTip(index, toQString(spec.hint));
    page->setProperty(tabPageIndex, index);
    page->setGeometry(tabControl->rect());
    page->setFocusPolicy(Qt::NoFocus);
    return page;
}

QWidget* WindowBuilder::buildEditBox(QWidget* parent, bool multiLine) {
    if (!multiLine) return new QLineEdit(parent);
    auto* box = new QPlainTextEdit(parent);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setTabChangesFocus(true);
    return box;
}

QWidget* WindowBuilder::buildReportList(const UnitSpec& spec, QWidget* parent) {
    QStringList headers;
    for (const ColumnSpec& column : layout_.ruleListColumns) headers << toQString(column.header);
    auto* view = new QTreeView(parent);
    auto* model = new ReportListModel(headers, view);
    view->setModel(model);
    view->setItemDelegate(new OneLineRows(view));
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTextElideMode(Qt::ElideRight);
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    // The cells show as much as the widest column can hold on one line.
    QObject::connect(header, &QHeaderView::sectionResized, model, [header, model] {
        int widest = 0;
        for (int column = 0; column < header->count(); ++column) {
            widest = std::max(widest, header->sectionSize(column));
        }
        model->setShownWidth(widest);
    });
    for (std::size_t i = 0; i < layout_.ruleListColumns.size(); ++i) {
        header->resizeSection(static_cast<int>(i), layout_.ruleListColumns[i].width);
    }
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, view,
                     [&events = hooks_.events, view, name = spec.name](const QPoint& at) {
                         const QModelIndex row = view->indexAt(at);
                         if (row.isValid()) {
                             view->selectionModel()->setCurrentIndex(
                                 row,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
                         }
                         events.raise(name, UiEvent::rightClick);
                     });
    new ListMenuKeys(*view, [&events = hooks_.events, name = spec.name](QPoint at) {
        events.raiseFromKeyboard(name, UiEvent::rightClick, at);
    });
    applyLook(view, spec);
    // A click gives the list the keyboard, so that the arrows, Home, End and the page keys move
    // its selection.
    view->setFocusPolicy(Qt::ClickFocus);
    addUnit(spec, std::make_unique<QtReportList>(view, model));
    return view;
}

QWidget* WindowBuilder::buildPictureButton(const UnitSpec& spec, QWidget* parent) {
    auto* button = new PictureButton(parent);
    for (std::size_t slot = 0; slot < spec.pictures.size(); ++slot) {
        if (spec.pictures[slot].empty()) continue;
        button->setPicture(static_cast<int>(slot) + 1,
                           QPixmap(QString::fromUtf8(spec.pictures[slot])));
    }
    QObject::connect(button, &PictureButton::clicked, button,
                     [&events = hooks_.events, name = spec.name] { events.raise(name, UiEvent::click); });
    applyLook(button, spec);
    addUnit(spec, std::make_unique<QtGraphicButton>(button));
    return button;
}

void WindowBuilder::addUnit(const UnitSpec& spec, std::unique_ptr<QtUnit> unit) {
    unit->setText(gbk(spec.content));
    unit->setVisible(spec.visible);
    unit->setEnabled(spec.enabled);
    built_.units[std::u8string(spec.name)] = std::move(unit);
}

void WindowBuilder::buildMenus() {
    for (const MenuSpec& spec : layout_.menus) {
        auto* menu = new QMenu(toQString(spec.name), built_.window.get());
        for (UnitName item : spec.items) {
            QAction* action = menu->addAction(toQString(item));
            QObject::connect(action, &QAction::triggered, menu,
                             [&events = hooks_.events, item] { events.raise(item, UiEvent::chosen); });
        }
        built_.menus[std::u8string(spec.name)] = menu;
    }
}

void WindowBuilder::stackUnits() {
    // Raising from the last unit of each parent to the first leaves the first on top.
    for (auto spec = layout_.units.rbegin(); spec != layout_.units.rend(); ++spec) {
        auto found = widgets_.find(spec->name);
        if (found != widgets_.end() && found->second != nullptr) found->second->raise();
    }
    if (built_.tabBar != nullptr) built_.tabBar->raise();
}

}  // namespace tesmolen
