#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTreeView>

#include <algorithm>
#include <map>
#include <string>

#include "gui_window.hpp"
#include "runtime/codepage.hpp"
#include "runtime/qt/ip_address_edit.hpp"
#include "runtime/qt/qt_text.hpp"
#include "ui/layout.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using testing::GuiWindow;

std::string nameOf(UnitName name) { return toQString(name).toStdString(); }

// What the widget shows as its caption or content.
QString shownText(QWidget* widget) {
    if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title();
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) return box->toPlainText();
    if (auto* ip = qobject_cast<IpAddressEdit*>(widget)) return ip->text();
    return {};
}

bool hasWidget(UnitKind kind) { return kind != UnitKind::timer && kind != UnitKind::commonDialog; }

using WindowLayoutTest = GuiWindow;

TEST_F(WindowLayoutTest, TheWindowHasItsTitleSizeAndIcon) {
    QWidget* window = ui.mainWindow();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tesmolen"));
    EXPECT_EQ(ui.window().text(), "Tesmolen");
    EXPECT_EQ(window->frameGeometry().size(), QSize(423, 425));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    const QList<QSize> sizes = window->windowIcon().availableSizes();
    for (int side : {16, 32, 48, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
    }
}

TEST_F(WindowLayoutTest, EveryUnitHasItsParentRectangleFlagsAndCaption) {
    for (const UnitSpec& spec : windowLayout().units) {
        SCOPED_TRACE(nameOf(spec.name));
        Unit& unit = ui.unit(spec.name);
        EXPECT_EQ(unit.enabled(), spec.enabled);
        EXPECT_EQ(unit.left(), spec.left);
        EXPECT_EQ(unit.top(), spec.top);
        if (spec.kind != UnitKind::tabPage) {
            EXPECT_EQ(unit.text(), gbk(spec.content));
        }
        if (!hasWidget(spec.kind)) {
            EXPECT_EQ(ui.widget(spec.name), nullptr);
            EXPECT_FALSE(unit.visible());
            continue;
        }
        QWidget* widget = ui.widget(spec.name);
        ASSERT_NE(widget, nullptr);
        QWidget* parent = spec.parent.empty() ? ui.mainWindow() : ui.widget(spec.parent);
        EXPECT_EQ(widget->parentWidget(), parent);
        // Every unit lies inside its container; one that the layout lets reach past it is cut.
        // (The inner size of the main window depends on the desktop's frame.)
        const QRect placed(spec.left, spec.top, spec.width, spec.height);
        if (!parent->isWindow()) {
            EXPECT_TRUE(parent->rect().contains(widget->geometry()));
        }
        if (parent->isWindow() || parent->rect().contains(placed)) {
            EXPECT_EQ(widget->geometry(), placed);
        }
        EXPECT_EQ(widget->geometry().topLeft(), placed.topLeft());
        if (spec.kind != UnitKind::tabPage) {
            EXPECT_EQ(unit.visible(), spec.visible);
            EXPECT_EQ(shownText(widget), withNewlines(toQString(spec.content)));
        }
        // The Tab key visits the enabled focusable units; the rule list and a disabled edit box
        // take the keyboard on a click.
        EXPECT_EQ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isEnabled(),
                  spec.focusable && spec.enabled);
        const bool readOnly = widget->property("readOnly").toBool();
        EXPECT_EQ(widget->isEnabled() && !readOnly, spec.enabled);
        if (spec.cursor != CursorShape::standard) {
            EXPECT_EQ(widget->cursor().shape(), spec.cursor == CursorShape::hand
                                                    ? Qt::PointingHandCursor
                                                    : Qt::UpArrowCursor);
        }
        if (spec.font) {
            EXPECT_EQ(widget->font().pixelSize(), spec.font->pixelHeight);
        }
        if (spec.kind == UnitKind::graphicButton) {
            for (int slot = 1; slot <= 4; ++slot) {
                EXPECT_EQ(ui.graphicButton(spec.name).hasPicture(slot),
                          !spec.pictures[static_cast<std::size_t>(slot) - 1].empty())
                    << slot;
            }
        }
    }
}

TEST_F(WindowLayoutTest, EarlierUnitsOfAParentLieAboveLaterOnes) {
    std::map<std::u8string, std::vector<QWidget*>> listed;  // by parent, in table order
    for (const UnitSpec& spec : windowLayout().units) {
        if (hasWidget(spec.kind)) {
            listed[std::u8string(spec.parent)].push_back(ui.widget(spec.name));
        }
    }
    for (const auto& [parent, units] : listed) {
        SCOPED_TRACE(nameOf(parent));
        std::vector<QWidget*> bottomToTop;  // the parent's children as Qt stacks them
        for (QObject* child : units.front()->parentWidget()->children()) {
            if (std::find(units.begin(), units.end(), child) != units.end()) {
                bottomToTop.push_back(static_cast<QWidget*>(child));
            }
        }
        EXPECT_EQ(std::vector<QWidget*>(units.rbegin(), units.rend()), bottomToTop);
    }
}

TEST_F(WindowLayoutTest, TheTabStripHasTheFourPagesWithTheirHints) {
    QTabBar* tabs = ui.tabBar();
    std::vector<const UnitSpec*> pages;
    for (const UnitSpec& spec : windowLayout().units) {
        if (spec.kind == UnitKind::tabPage) pages.push_back(&spec);
    }
    ASSERT_EQ(tabs->count(), 4);
    ASSERT_EQ(pages.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tabs->tabText(i), toQString(pages[static_cast<std::size_t>(i)]->content));
        EXPECT_EQ(tabs->tabToolTip(i), toQString(pages[static_cast<std::size_t>(i)]->hint));
    }
    EXPECT_GT(tabs->geometry().bottom(), 0);
    EXPECT_LE(tabs->geometry().bottom(), 24);
    // The strip spans the control, and all four tabs show in it side by side.
    EXPECT_EQ(tabs->width(), tabs->parentWidget()->width());
    for (int i = 0; i < 4; ++i) {
        EXPECT_GE(tabs->tabRect(i).left(), 0) << i;
        EXPECT_LT(tabs->tabRect(i).right(), tabs->width()) << i;
    }
}

TEST_F(WindowLayoutTest, TheWindowOpensOnTheInstructionsPageWithTheNoticeShowing) {
    EXPECT_EQ(ui.tabBar()->currentIndex(), 0);
    EXPECT_TRUE(ui.widget(unit::instructionsPage)->isVisible());
    EXPECT_TRUE(ui.widget(unit::noticeBox)->isVisible());
    EXPECT_FALSE(ui.widget(unit::settingsPage)->isVisible());
    EXPECT_FALSE(ui.widget(unit::editorPage)->isVisible());
    EXPECT_FALSE(ui.widget(unit::donationPage)->isVisible());
}

TEST_F(WindowLayoutTest, TheRuleListStartsHiddenWithTheHintShowing) {
    ui.selectPage(1);
    EXPECT_TRUE(ui.widget(unit::settingsPage)->isVisible());
    EXPECT_FALSE(ui.widget(unit::instructionsPage)->isVisible());
    EXPECT_FALSE(ui.widget(unit::ruleList)->isVisible());
    EXPECT_TRUE(ui.widget(unit::hintLabel)->isVisible());
    EXPECT_TRUE(ui.widget(unit::readButton)->isVisible());
}

TEST_F(WindowLayoutTest, TheRuleListHasItsColumns) {
    auto* list = widget<QTreeView>(unit::ruleList);
    const auto& columns = windowLayout().ruleListColumns;
    ASSERT_EQ(list->model()->columnCount(), static_cast<int>(columns.size()));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int column = static_cast<int>(i);
        EXPECT_EQ(list->model()->headerData(column, Qt::Horizontal).toString(),
                  toQString(columns[i].header));
        EXPECT_EQ(list->header()->sectionSize(column), columns[i].width);
    }
    EXPECT_FALSE(list->header()->isHidden());
}

TEST_F(WindowLayoutTest, TheMenusHaveTheirItemsInOrder) {
    for (const MenuSpec& spec : windowLayout().menus) {
        SCOPED_TRACE(nameOf(spec.name));
        QMenu* menu = ui.menu(spec.name);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title(), toQString(spec.name));
        QStringList items;
        for (UnitName item : spec.items) items << toQString(item);
        QStringList shown;
        for (QAction* action : menu->actions()) shown << action->text();
        EXPECT_EQ(shown, items);
    }
}

}  // namespace
}  // namespace tesmolen
