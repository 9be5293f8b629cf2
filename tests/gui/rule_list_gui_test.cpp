// The rule list as a user meets it: rules of megabytes read, shown and saved without a stall,
// and the keyboard moving the selection and opening the pop-up menu.

#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <QTreeView>

#include <fstream>

#include "gui_window.hpp"
#include "rules/rule_texts.hpp"
#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "runtime/qt/report_list_model.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

// A rule of a site and `lines` hosts lines, as the program writes it.
Text hugeRuleBody(int site, int lines) {
    Text body = "site" + std::to_string(site) + gbk(u8"代码开始") + "\r\n";
    for (int line = 0; line < lines; ++line) {
        body += "0.0.0.0 ads" + std::to_string(line) + ".tracker-network.example\r\n";
    }
    return body;
}

class RuleListInTheWindow : public testing::GuiWindow {
protected:
    void SetUp() override { ui.selectPage(1); }

    void click(UnitName button) { QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton); }

    void readOver(const Bytes& hosts) {
        temp.write("hosts", hosts);
        program.state.hostsPath = temp.path("hosts");
        click(unit::readButton);
        QApplication::processEvents();
    }

    QTreeView* view() { return widget<QTreeView>(unit::ruleList); }
    // The text of the row's tooltip as its label draws it.
    std::string hoverTip(int row) {
        const QRect shown = view()->visualRect(at(row));
        QHelpEvent hover(QEvent::ToolTip, shown.center(),
                         view()->viewport()->mapToGlobal(shown.center()));
        QApplication::sendEvent(view()->viewport(), &hover);
        if (!QToolTip::isVisible()) return {};
        QTextDocument drawn;
        if (Qt::mightBeRichText(QToolTip::text())) {
            drawn.setHtml(QToolTip::text());
        } else {
            drawn.setPlainText(QToolTip::text());
        }
        QToolTip::hideText();
        return drawn.toPlainText().toStdString();
    }
    QModelIndex at(int row, int column = 1) { return view()->model()->index(row, column); }
    int selected() { return ui.list(unit::ruleList).selectedRow(); }
};

TEST_F(RuleListInTheWindow, FourRulesOfTenMegabytesShowOneBoundedLineEachAndSaveWhole) {
    Text hosts;
    for (int site = 0; site < 4; ++site) appendRuleBlock(hosts, hugeRuleBody(site, 65000));
    ASSERT_GT(hosts.size(), 10u << 20);
    readOver(hosts);
    ASSERT_EQ(view()->model()->rowCount(), 4);

    // The settings tab shown again repaints the list.
    ui.selectPage(0);
    ui.selectPage(1);
    EXPECT_FALSE(ui.mainWindow()->grab().isNull());

    const QString shown = at(0).data().toString();
    EXPECT_TRUE(shown.startsWith(QStringLiteral(u"site0代码开始\u21930.0.0.0 ads0.tracker")));
    EXPECT_TRUE(shown.endsWith(QChar(u'\u2026'))) << "the cut is marked";
    EXPECT_LT(shown.size(), 1024) << "a line of the column, not the rule";
    const int lineHeight = view()->fontMetrics().lineSpacing();
    EXPECT_LE(view()->visualRect(at(3)).height(), 2 * lineHeight) << "rows are one line high";

    click(unit::saveButton);
    EXPECT_EQ(readWholeFile(program.state.hostsPath), hosts) << "every byte is saved";
}

TEST_F(RuleListInTheWindow, TheTooltipOfARuleOfManyLinesShowsItsFirstLines) {
    readOver(composeRuleBlock(hugeRuleBody(7, 25000)));
    const QStringList lines = QString::fromStdString(hoverTip(0)).split(QChar(u'\n'));
    EXPECT_EQ(lines.size(), ReportListModel::tipLines + 1);
    EXPECT_EQ(lines.front(), QStringLiteral(u"site7代码开始"));
    EXPECT_EQ(lines.back(), QStringLiteral(u"\u2026"));
    EXPECT_LT(lines.size() * view()->fontMetrics().lineSpacing() * 2,
              view()->screen()->size().height());
}

std::size_t residentBytes() {
    std::size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages >> pages;
    return pages * 4096;
}

TEST_F(RuleListInTheWindow, TheTooltipShowsMarkupInARuleAsText) {
    readOver(composeRuleBlock(gbk(u8"<b>x</b>代码开始\r\n0.0.0.0  ads.example")) +
             composeRuleBlock(gbk(u8"<img src=\"/dev/zero\">代码开始\r\n")));
    const std::size_t before = residentBytes();
    EXPECT_EQ(hoverTip(0), QStringLiteral(u"<b>x</b>代码开始\n0.0.0.0  ads.example").toStdString());
    EXPECT_EQ(hoverTip(1), QStringLiteral(u"<img src=\"/dev/zero\">代码开始").toStdString());
    EXPECT_LT(residentBytes(), before + (64 << 20)) << "no picture was read";
}

TEST_F(RuleListInTheWindow, TheKeyboardMovesTheSelectionAfterAClick) {
    Text hosts;
    for (int rule = 0; rule < 200; ++rule) appendRuleBlock(hosts, "rule " + std::to_string(rule) + gbk(u8"代码开始"));
    readOver(hosts);
    ui.mainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ui.mainWindow()));

    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->visualRect(at(2)).center());
    EXPECT_TRUE(view()->hasFocus());
    EXPECT_EQ(selected(), 2);
    QTest::keyClick(view(), Qt::Key_End);
    EXPECT_EQ(selected(), 199);
    QTest::keyClick(view(), Qt::Key_Up);
    EXPECT_EQ(selected(), 198);
    QTest::keyClick(view(), Qt::Key_PageUp);
    EXPECT_LT(selected(), 190);
    QTest::keyClick(view(), Qt::Key_Home);
    EXPECT_EQ(selected(), 0);
    QTest::keyClick(view(), Qt::Key_PageDown);
    EXPECT_GT(selected(), 5);
    QTest::keyClick(view(), Qt::Key_Down);
    QTest::keyClick(view(), Qt::Key_Down);
    EXPECT_EQ(view()->currentIndex().row(), selected());
}

TEST_F(RuleListInTheWindow, TheMenuKeyAndShiftF10OpenThePopUpMenuAtTheSelectedRow) {
    readOver(composeRuleBlock(gbk(u8"A代码开始")) + composeRuleBlock(gbk(u8"B代码开始")) +
             composeRuleBlock(gbk(u8"C代码开始")));
    QMenu* menu = ui.menu(unit::listMenu);
    QTest::keyClick(view(), Qt::Key_Menu);
    EXPECT_FALSE(menu->isVisible()) << "no row is selected";

    view()->setCurrentIndex(at(1));
    ASSERT_EQ(selected(), 1);
    const QRect row = view()->visualRect(at(1, 0));
    const QPoint rowOnScreen = view()->viewport()->mapToGlobal(row.topLeft());
    for (auto [key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier},
                                  std::pair{Qt::Key_F10, Qt::ShiftModifier}}) {
        QTest::keyClick(view(), key, modifiers);
        ASSERT_TRUE(menu->isVisible()) << key;
        EXPECT_LE(std::abs(menu->pos().y() - rowOnScreen.y()), 2 * row.height()) << key;
        EXPECT_LE(std::abs(menu->pos().x() - rowOnScreen.x()), 2 * row.height()) << key;
        menu->hide();
    }
    EXPECT_EQ(selected(), 1) << "asking for the menu keeps the selection";
}

}  // namespace
}  // namespace tesmolen
