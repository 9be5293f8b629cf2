#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "gui_window.hpp"
#include "rules/rule_texts.hpp"
#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

class EditAndSaveInTheWindow : public testing::GuiWindow {
protected:
    const Text a = gbk(u8"A代码开始");
    const Text b = gbk(u8"B代码开始");
    const Text c = gbk(u8"C代码开始");

    void SetUp() override {
        ui.selectPage(1);
        temp.write("hosts", composeRuleBlock(a) + composeRuleBlock(b) + composeRuleBlock(c));
        program.state.hostsPath = temp.path("hosts");
    }

    void click(UnitName button) {
        QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton);
    }

    void rightClickRow(int row) {
        QTreeView* view = widget<QTreeView>(unit::ruleList);
        const QRect cell = view->visualRect(view->model()->index(row, 1));
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, cell.center());
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, cell.center(),
                                    view->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(view->viewport(), &menuEvent);
    }

    void choose(UnitName menu, const QString& item) {
        for (QAction* action : ui.menu(menu)->actions()) {
            if (action->text() == item) action->trigger();
        }
    }

    std::vector<Text> rows() {
        std::vector<Text> bodies;
        ReportList& list = ui.list(unit::ruleList);
        for (int row = 0; row < list.rowCount(); ++row) bodies.push_back(list.cell(row, 1));
        return bodies;
    }
};

TEST_F(EditAndSaveInTheWindow, ReadDeleteSaveAndReadAgain) {
    click(unit::readButton);
    ASSERT_EQ(rows(), (std::vector<Text>{a, b, c}));

    rightClickRow(1);
    ASSERT_TRUE(ui.menu(unit::listMenu)->isVisible());
    ui.menu(unit::listMenu)->hide();
    ui.dialogScript().answers.push_back(Answer::yes);
    choose(unit::listMenu, QStringLiteral("删除本条"));
    EXPECT_EQ(rows(), (std::vector<Text>{a, c}));
    EXPECT_EQ(ui.list(unit::ruleList).cell(1, 0), "3");  // the numbers keep their gap

    click(unit::saveButton);
    EXPECT_EQ(readWholeFile(program.state.hostsPath), composeRuleBlock(a) + composeRuleBlock(c));
    // The confirmation: an information box with OK only, titled with the product name.
    ASSERT_EQ(windows.dialogScript().shownBoxes.size(), 1u);
    EXPECT_EQ(windows.dialogScript().shownBoxes[0].title, "Tesmolen");
    EXPECT_EQ(windows.dialogScript().shownBoxes[0].style, informationReport);
    EXPECT_TRUE(program.state.windowList.empty());

    click(unit::readButton);
    EXPECT_EQ(rows(), (std::vector<Text>{a, c}));
    EXPECT_EQ(ui.list(unit::ruleList).cell(1, 0), "2");
}

TEST_F(EditAndSaveInTheWindow, NoToTheDeleteQuestionKeepsTheRow) {
    click(unit::readButton);
    rightClickRow(0);
    ui.menu(unit::listMenu)->hide();
    ui.dialogScript().answers.push_back(Answer::no);
    choose(unit::listMenu, QStringLiteral("删除本条"));
    EXPECT_EQ(rows(), (std::vector<Text>{a, b, c}));
}

}  // namespace
}  // namespace tesmolen
