#include <QApplication>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "gui_window.hpp"
#include "support/report_list_contract.hpp"
#include "runtime/qt/file_dialog.hpp"
#include "runtime/qt/ip_address_edit.hpp"
#include "runtime/qt/picture_button.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using namespace std::string_literals;

// Bytes that are not GBK: a lone lead byte, a lead byte before a blank, a byte no GBK text has.
const Bytes notGbk = "\x81\x20\xFF rule\r\nline\x81"s;

using Units = testing::GuiWindow;

TEST_F(Units, TheRuleListSelectsTheRowThatTookTheDeletedRowsPlace) {
    testing::expectSelectionFollowsDeletes(ui.list(unit::ruleList));
}

TEST_F(Units, ReportListCellsGiveBackTheExactBytesSet) {
    ReportList& list = ui.list(unit::ruleList);
    const int row = list.appendRow("1");
    list.setCell(row, 1, notGbk);
    EXPECT_EQ(list.cell(row, 1), notGbk);
    EXPECT_EQ(list.cell(row, 0), "1");
    EXPECT_EQ(list.cell(row, 2), "");
    EXPECT_EQ(list.cell(row + 1, 0), "");
    const QAbstractItemModel* model = widget<QTreeView>(unit::ruleList)->model();
    // The view learns of appended rows once control is back in the event loop.
    EXPECT_EQ(model->rowCount(), 0);
    QApplication::processEvents();
    ASSERT_EQ(model->rowCount(), 1);
    const QString shown = model->index(row, 1).data().toString();
    EXPECT_FALSE(shown.contains(QChar(u'\n')) || shown.contains(QChar(u'\r')));
    EXPECT_TRUE(shown.contains(QStringLiteral(u"rule\u2193line")));
}

TEST_F(Units, ReportListRowsKeepTheirOrderThroughDeletes) {
    ReportList& list = ui.list(unit::ruleList);
    for (const char* number : {"1", "2", "3"}) list.appendRow(number);
    list.deleteRow(1);
    list.deleteRow(5);
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.cell(1, 0), "3");
    list.deleteAllRows();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.selectedRow(), -1);
}

TEST_F(Units, ReportListHoldsAHundredThousandRows) {
    ui.selectPage(1);
    ReportList& list = ui.list(unit::ruleList);
    list.setVisible(true);
    for (int i = 0; i < 100000; ++i) {
        const int row = list.appendRow(std::to_string(i + 1));
        list.setCell(row, 1, "site " + std::to_string(i));
    }
    QApplication::processEvents();
    EXPECT_EQ(list.rowCount(), 100000);
    EXPECT_EQ(list.cell(99999, 1), "site 99999");
    auto* view = widget<QTreeView>(unit::ruleList);
    view->scrollToBottom();
    QApplication::processEvents();
    const QRect last = view->visualRect(view->model()->index(99999, 1));
    EXPECT_TRUE(view->viewport()->rect().contains(last.center()));
}

TEST_F(Units, RightClickOnTheListSelectsTheRowUnderThePointerAndRaisesItsEvent) {
    ui.selectPage(1);
    ReportList& list = ui.list(unit::ruleList);
    list.setVisible(true);
    for (const char* number : {"1", "2"}) list.appendRow(number);
    auto* view = widget<QTreeView>(unit::ruleList);
    QApplication::processEvents();
    const QPoint onSecondRow = view->visualRect(view->model()->index(1, 0)).center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, onSecondRow,
                                 view->viewport()->mapToGlobal(onSecondRow));
    QApplication::sendEvent(view->viewport(), &rightClick);
    EXPECT_EQ(list.selectedRow(), 1);
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].first, unit::ruleList);
    EXPECT_EQ(raised[0].second, UiEvent::rightClick);
}

TEST_F(Units, EditBoxesKeepTheirBytesUntilTheUserTypes) {
    Unit& site = ui.unit(unit::siteNameBox);
    site.setText(notGbk);
    EXPECT_EQ(site.text(), notGbk);
    auto* line = widget<QLineEdit>(unit::siteNameBox);
    line->selectAll();
    line->insert(QStringLiteral(u"新网站"));
    EXPECT_EQ(site.text(), "\xD0\xC2\xCD\xF8\xD5\xBE");

    Unit& preview = ui.unit(unit::previewBox);
    preview.setText("a\r\nb"s);
    EXPECT_EQ(widget<QPlainTextEdit>(unit::previewBox)->toPlainText(), QStringLiteral("a\nb"));
    widget<QPlainTextEdit>(unit::previewBox)->appendPlainText(QStringLiteral("c"));
    EXPECT_EQ(preview.text(), "a\r\nb\r\nc");
}

TEST_F(Units, DisabledEditBoxesAreReadOnlyDisplays) {
    Unit& preview = ui.unit(unit::previewBox);
    auto* box = widget<QPlainTextEdit>(unit::previewBox);
    EXPECT_FALSE(preview.enabled());
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_TRUE(box->isEnabled());
    EXPECT_EQ(box->palette().color(QPalette::Base), box->palette().color(QPalette::Window));
    preview.setEnabled(true);
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_TRUE(preview.enabled());
    EXPECT_NE(box->palette().color(QPalette::Base), box->palette().color(QPalette::Window));

    Unit& site = ui.unit(unit::siteNameBox);
    site.setEnabled(false);
    site.setEnabled(false);
    site.setEnabled(true);
    EXPECT_EQ(widget<QLineEdit>(unit::siteNameBox)->palette().color(QPalette::Base), Qt::white);
}

TEST_F(Units, TheIpBoxGivesItsDottedAddressOrTheEmptyText) {
    Unit& ip = ui.unit(unit::ipBox);
    EXPECT_EQ(ip.text(), "0.0.0.0");
    ip.setText("");
    EXPECT_EQ(ip.text(), "");
    ui.selectPage(2);
    widget<IpAddressEdit>(unit::ipBox)->field(0)->setFocus();
    // Keys go where the focus is, as the fields pass it on.
    auto type = [this](const char* keys) {
        for (const char* key = keys; *key != 0; ++key) {
            QTest::keyClick(ui.mainWindow()->focusWidget(), *key);
        }
    };
    type("192.168.1");
    EXPECT_EQ(ip.text(), "192.168.1.0");
    type(".20");
    EXPECT_EQ(ip.text(), "192.168.1.20");
    type("\b\b\b");
    EXPECT_EQ(ip.text(), "192.168.1.0");
    ip.setText("10.0.0.300");
    EXPECT_EQ(ip.text(), "");
    ip.setText("10.0.0.255");
    EXPECT_EQ(ip.text(), "10.0.0.255");
}

Bytes pngBytes() {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

TEST_F(Units, GraphicButtonSlotsTakeOnlyPictures) {
    GraphicButton& banner = ui.graphicButton(unit::banner);
    banner.setPicture(2, "<html>not found</html>");
    EXPECT_FALSE(banner.hasPicture(2));
    EXPECT_EQ(widget<PictureButton>(unit::banner)->shownSlot(), 0);
    banner.setPicture(1, pngBytes());
    EXPECT_TRUE(banner.hasPicture(1));
    EXPECT_EQ(widget<PictureButton>(unit::banner)->shownSlot(), 1);
    banner.setPicture(1, "");
    EXPECT_FALSE(banner.hasPicture(1));
}

TEST_F(Units, TheTimerTicksOnlyWhileItHasAPeriod) {
    Timer& timer = ui.timer(unit::noticeTimer);
    EXPECT_EQ(timer.period(), 0);
    timer.setPeriod(5);
    auto ticks = [this] {
        return std::count(raised.begin(), raised.end(),
                          std::pair{unit::noticeTimer, UiEvent::timerTick});
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks() >= 2; }, 5000));
    timer.setPeriod(0);
    const auto stoppedAt = ticks();
    QTest::qWait(50);
    EXPECT_EQ(ticks(), stoppedAt);
}

TEST_F(Units, ChoosingAPopUpMenuItemRaisesItsEvent) {
    ui.popUpMenu(unit::backupRestoreMenu, {120, 130});
    QMenu* menu = ui.menu(unit::backupRestoreMenu);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), QPoint(120, 130));
    menu->actions().at(1)->trigger();
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].first, unit::backupItem);
    EXPECT_EQ(raised[0].second, UiEvent::chosen);
    menu->close();
}

TEST_F(Units, MessageBoxesArePressedWithTheScriptedAnswers) {
    ui.dialogScript().answers = {Answer::yes, Answer::no, Answer::yes};
    EXPECT_EQ(ui.messageBox("q1", MessageButtons::yesNo, "Tesmolen"), Answer::yes);
    EXPECT_EQ(ui.messageBox("q2", MessageButtons::yesNo, "Tesmolen"), Answer::no);
    EXPECT_EQ(ui.messageBox("r", MessageButtons::ok, "T"), Answer::ok) << "a report has no Yes";
    EXPECT_EQ(ui.messageBox("q3", MessageButtons::yesNo, "Tesmolen"), Answer::no)
        << "unanswered: No";
    const auto& boxes = ui.dialogScript().shownBoxes;
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].text, "q1");
    EXPECT_EQ(boxes[0].style, BoxStyle{.buttons = MessageButtons::yesNo});
    EXPECT_EQ(boxes[2].title, "T");
    EXPECT_EQ(boxes[2].style, BoxStyle{});
}

TEST_F(Units, TheFileDialogReturnsTheScriptedChoice) {
    FileDialog& dialog = ui.fileDialog(unit::fileDialog);
    ui.dialogScript().fileChoices = {Text("/tmp/rules.ad"), std::nullopt};
    EXPECT_TRUE(dialog.show());
    EXPECT_EQ(dialog.chosenFile(), "/tmp/rules.ad");
    EXPECT_FALSE(dialog.show());
    EXPECT_FALSE(dialog.show());
}

TEST(FileDialogSettingsInQt, FiltersTitleAndExtensionReachTheDialog) {
    EXPECT_EQ(qtNameFilters("\xC6\xC1\xB1\xCE\xB9\xE6\xD4\xF2(*.ad)|*.ad"),
              QStringList{QStringLiteral(u"屏蔽规则(*.ad)")});
    EXPECT_EQ(qtNameFilters("Text|*.txt;*.log|All|*.*"),
              (QStringList{QStringLiteral("Text (*.txt *.log)"), QStringLiteral("All (*.*)")}));
    EXPECT_TRUE(qtNameFilters("").isEmpty());

    QFileDialog dialog;
    configureFileDialog(dialog, {.kind = FileDialogKind::save,
                                 .title = "Export",
                                 .filter = "Rules|*.ad",
                                 .initialFolder = "/tmp",
                                 .defaultExtension = "ad"});
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Export"));
    EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Rules (*.ad)")});
    EXPECT_EQ(dialog.directory().absolutePath(), QStringLiteral("/tmp"));
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("ad"));
}

TEST_F(Units, SwitchingTheVisualStyleFixesOneStyle) {
    ui.switchVisualStyle();
    EXPECT_EQ(ui.mainWindow()->style()->name(), QStringLiteral("fusion"));
}

TEST_F(Units, EndingTheProcessLeavesTheLoopWithItsCode) {
    QTimer::singleShot(0, [this] { ui.endProcess(4); });
    EXPECT_EQ(ui.runMessageLoop(), 4);
    EXPECT_EQ(ui.endedWith(), 4);
}

TEST_F(Units, ClosingTheWindowLeavesTheLoopWithCodeZero) {
    QTimer::singleShot(0, [this] { ui.mainWindow()->close(); });
    EXPECT_EQ(ui.runMessageLoop(), 0);
}

TEST(TheProgram, RunsUntilItsWindowIsClosedAndEndsWithCodeZero) {
    QtUi ui;
    testing::FakeNet net;
    testing::FakeShell shell;
    testing::FakeWindowSystem windows;
    StoredValues stored;
    stored.makerWebHost = "web.test";
    stored.makerRuleHost = "rules.test";
    net.answeringHosts = {{"web.test", 1}, {"rules.test", 1}};
    QTimer::singleShot(0, [&ui] {
        ASSERT_NE(ui.mainWindow(), nullptr);
        EXPECT_TRUE(ui.mainWindow()->isVisible());
        ui.mainWindow()->close();
    });
    testing::FakeResolverCache resolverCache;
    EXPECT_EQ(runApplication(ui, {ui, net, shell, windows, resolverCache}, stored, eventBindings()),
              0);
}

}  // namespace
}  // namespace tesmolen
