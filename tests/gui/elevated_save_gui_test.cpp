// A save that waits for the elevation command, as while the user types the password, leaves the
// window painting; the save ends as it would without the wait.

#include <QEvent>
#include <QTimer>

#include "gui_window.hpp"
#include "rules/save_rules.hpp"
#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "runtime/qt/qt_elevated_writer.hpp"
#include "support/unprivileged.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

// Counts the paints of a widget until told to stop.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && counting) ++paints;
        return false;
    }
    int paints = 0;
    bool counting = true;
};

using ElevatedSaveInTheWindow = testing::GuiWindow;

TEST_F(ElevatedSaveInTheWindow, TheWindowPaintsWhileTheSaveWaitsForTheHelper) {
    const Bytes rule = gbk(u8"A代码开始\r\n0.0.0.0 ads.example\r\n");
    const Bytes newHosts = "#" + rule + gbk(u8"#代码结束\r\n");
    temp.write("hosts", gbk(u8"#Old代码开始\r\n0.0.0.0 old.example\r\n#代码结束\r\n"));
    testing::makeUnwritable(temp.path("hosts"));
    testing::TempFolder records;
    testing::makeWritableForAll(records.folder().string());
    // The helper answers only after two seconds, then keeps what it was given.
    QtElevatedWriter helper({temp.path("hosts"),
                             {"/bin/sh", "-c", "sleep 2; cat > \"$0\"", records.path("stdin")}});
    Program saving{{}, ui, net, shell, windows, resolverCache, {}, helper};
    saving.state.titleText = program.state.titleText;
    saving.state.hostsPath = temp.path("hosts");
    ReportList& list = ui.list(unit::ruleList);
    list.setCell(list.appendRow("1"), 1, rule);

    const auto shown = testing::runUnprivilegedOnThisThread([&] {
        // The desktop asks the window to repaint, as when the password dialog moves over it;
        // only the paints before the helper has taken the bytes count.
        PaintCounter counter(*ui.mainWindow());
        QTimer asking;
        QObject::connect(&asking, &QTimer::timeout, [&] {
            counter.counting = !fileExists(records.path("stdin"));
            ui.mainWindow()->update();
        });
        asking.start(20);
        saveRules(saving);
        std::string result = counter.paints >= 5 ? "painted" : std::to_string(counter.paints);
        for (const ShownBox& box : windows.dialogScript().shownBoxes) result += " box:" + box.text;
        for (const ShownBox& box : ui.dialogScript().shownBoxes) result += " report:" + box.text;
        return result;
    });
    EXPECT_EQ(shown, "painted box:" + savedMessage());
    EXPECT_EQ(records.read("stdin"), std::to_string(newHosts.size()) + "\n" + newHosts);
}

}  // namespace
}  // namespace tesmolen
