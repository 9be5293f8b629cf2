#include <QAbstractItemModel>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTreeView>

#include "gui_window.hpp"
#include "rules/read_rules.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

class ReadRulesInTheWindow : public testing::GuiWindow {
protected:
    void SetUp() override { ui.selectPage(1); }

    void clickReadOver(const Bytes& hosts) {
        temp.write("hosts", hosts);
        program.state.hostsPath = temp.path("hosts");
        QTest::mouseClick(widget<QPushButton>(unit::readButton), Qt::LeftButton);
    }

    QTreeView* list() { return widget<QTreeView>(unit::ruleList); }
    QString shown(int row, int column) {
        return list()->model()->index(row, column).data().toString();
    }
};

TEST_F(ReadRulesInTheWindow, ClickingReadShowsTheRules) {
    clickReadOver("127.0.0.1 localhost\r\n# comment\r\n#SiteA" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "\r\n0.0.0.0 ads.example#x\n"
                  "#SiteB" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#");
    EXPECT_TRUE(list()->isVisible());
    ASSERT_EQ(list()->model()->rowCount(), 2);
    EXPECT_EQ(shown(0, 0), QStringLiteral("1"));
    EXPECT_EQ(shown(0, 1), QStringLiteral(u"SiteA代码开始\u21930.0.0.0 ads.example"));
    EXPECT_EQ(list()->model()->index(0, 1).data(Qt::ToolTipRole).toString(),
              Qt::convertFromPlainText(QStringLiteral(u"SiteA代码开始\n0.0.0.0 ads.example"),
                                       Qt::WhiteSpacePre));
    EXPECT_EQ(shown(1, 0), QStringLiteral("2"));
    EXPECT_EQ(shown(1, 1), QStringLiteral(u"SiteB代码开始"));
    EXPECT_TRUE(ui.dialogScript().shownBoxes.empty());
}

TEST_F(ReadRulesInTheWindow, ReadingAFileWithoutRulesReportsAndHidesTheListAgain) {
    clickReadOver("#a" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#");
    ASSERT_TRUE(list()->isVisible());
    clickReadOver("127.0.0.1 localhost\r\n");
    EXPECT_FALSE(list()->isVisible());
    EXPECT_TRUE(ui.widget(unit::hintLabel)->isVisible());
    EXPECT_EQ(list()->model()->rowCount(), 0);
    const auto& boxes = ui.dialogScript().shownBoxes;
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, readFailedMessage());
    EXPECT_EQ(boxes[0].title, "Tesmolen");
    EXPECT_EQ(boxes[0].style, BoxStyle{});
}

}  // namespace
}  // namespace tesmolen
