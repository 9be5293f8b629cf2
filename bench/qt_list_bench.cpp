// The real rule list on Qt's offscreen platform: filling 100,000 rows and painting once,
// against a plain QTreeWidget given the same rows; and scrolling to the end and back.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTreeView>
#include <QTreeWidget>
#include <cstdio>
#include <vector>

#include "list_rows.hpp"
#include "ratios.hpp"
#include "runtime/codepage.hpp"
#include "runtime/qt/qt_ui.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen::bench {
namespace {

struct Window {
    QtUi ui;
    Window() {
        ui.createMainWindow([](UnitName, UiEvent) {});
        ui.showMainWindow();
        ui.selectPage(1);
        ui.list(unit::ruleList).setVisible(true);
    }
    QTreeView* view() { return qobject_cast<QTreeView*>(ui.widget(unit::ruleList)); }
};

// Made in main and gone before the application object.
Window* theWindow = nullptr;
Window& window() {
    return *theWindow;
}

void fillOurs(benchmark::State& state) {
    ReportList& list = window().ui.list(unit::ruleList);
    const ListRows& r = hundredThousandRows();
    for (auto _ : state) {
        state.PauseTiming();
        list.deleteAllRows();
        QApplication::processEvents();
        state.ResumeTiming();
        for (std::size_t i = 0; i < r.bodies.size(); ++i) {
            const int row = list.appendRow(r.numbers[i]);
            list.setCell(row, 1, r.bodies[i]);
        }
        QApplication::processEvents();  // back in the event loop, as after a command
        window().ui.mainWindow()->grab();
    }
}

void fillTreeWidget(benchmark::State& state) {
    QTreeWidget tree;
    tree.setColumnCount(2);
    tree.resize(418, 292);
    tree.show();
    const ListRows& r = hundredThousandRows();
    for (auto _ : state) {
        state.PauseTiming();
        tree.clear();
        QApplication::processEvents();
        state.ResumeTiming();
        QList<QTreeWidgetItem*> items;
        items.reserve(static_cast<qsizetype>(r.bodies.size()));
        for (std::size_t i = 0; i < r.bodies.size(); ++i) {
            items.append(new QTreeWidgetItem({QString::fromStdString(r.numbers[i]),
                                              QString::fromStdString(gbkToUtf8(r.bodies[i]))}));
        }
        tree.addTopLevelItems(items);
        tree.grab();
    }
}

void scrollToEndAndBack(benchmark::State& state) {
    QTreeView* view = window().view();
    for (auto _ : state) {
        view->scrollToBottom();
        window().ui.mainWindow()->grab();
        view->scrollToTop();
        window().ui.mainWindow()->grab();
    }
}

}  // namespace
}  // namespace tesmolen::bench

int main(int argc, char** argv) {
    using namespace tesmolen::bench;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Window benchWindow;
    theWindow = &benchWindow;
    benchmark::RegisterBenchmark("list/ours/fill-and-paint-100k", fillOurs)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("list/qtreewidget/fill-and-paint-100k", fillTreeWidget)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("list/ours/scroll-end-and-back-100k", scrollToEndAndBack)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    bool holds = checkComparisons(
        {{"fill and paint 100k rows vs QTreeWidget", "list/ours/fill-and-paint-100k",
          "list/qtreewidget/fill-and-paint-100k", 0.2}},
        reporter.medians());
    // A repaint that takes longer than a frame or two is a stall the user sees.
    holds = checkLimit("scroll to the end and back, 100k rows",
                       "list/ours/scroll-end-and-back-100k", 0.050, reporter.medians()) &&
            holds;
    std::printf("%s\n", holds ? "every bound holds" : "a bound was exceeded");
    return holds ? 0 : 1;
}
