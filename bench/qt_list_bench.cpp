// The real rule list on Qt's offscreen platform: filling 100,000 rows and painting once,
// against a plain QTreeWidget given the same rows; scrolling to the end and back; reading a
// 10 MB hosts file of four huge rules into the window, against the same size in 100,000 small
// rules; and showing the list's tab again over the four huge rules.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTreeView>
#include <QTreeWidget>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "blocklist.hpp"
#include "list_rows.hpp"
#include "ratios.hpp"
#include "rules/read_rules.hpp"
#include "runtime/codepage.hpp"
#include "runtime/qt/qt_ui.hpp"
#include "support/fake_seams.hpp"
#include "support/fake_ui.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen::bench {
namespace {

namespace fs = std::filesystem;

// A hosts file of `blocks` rules in about 10 MB, removed at the end of the run.
struct HostsFile {
    fs::path path;
    HostsFile(const char* name, int blocks)
        : path(fs::temp_directory_path() / name) {
        std::ofstream(path, std::ios::binary) << ruleBlocksText(blocks, 10u << 20);
    }
    ~HostsFile() {
        std::error_code ec;
        fs::remove(path, ec);
    }
};

struct Window {
    QtUi ui;
    testing::FakeNet net;
    testing::FakeShell shell;
    testing::FakeWindowSystem windows;
    Program program{{}, ui, net, shell, windows, {}};
    HostsFile fourRules{"tesmolen-bench-four-rules", 4};
    HostsFile smallRules{"tesmolen-bench-small-rules", 100000};
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
Window& window() { return *theWindow; }

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
            items.append(new QTreeWidgetItem(
                {QString::fromStdString(r.numbers[i]),
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

void readIntoTheWindow(const fs::path& hosts) {
    window().program.state.hostsPath = hosts.string();
    readRules(window().program);
    QApplication::processEvents();  // back in the event loop, as after a command
}

void readAndPaint(benchmark::State& state, const HostsFile& hosts) {
    for (auto _ : state) {
        state.PauseTiming();
        window().ui.list(unit::ruleList).deleteAllRows();
        QApplication::processEvents();
        state.ResumeTiming();
        readIntoTheWindow(hosts.path);
        window().ui.mainWindow()->grab();
    }
}

void readFourRules(benchmark::State& state) { readAndPaint(state, window().fourRules); }
void readSmallRules(benchmark::State& state) { readAndPaint(state, window().smallRules); }

void showTheListAgain(benchmark::State& state) {
    readIntoTheWindow(window().fourRules.path);
    for (auto _ : state) {
        state.PauseTiming();
        window().ui.selectPage(0);
        window().ui.mainWindow()->grab();
        state.ResumeTiming();
        window().ui.selectPage(1);
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
    benchmark::RegisterBenchmark("list/read-and-paint/four-rules-10MB", readFourRules)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("list/read-and-paint/100k-rules-10MB", readSmallRules)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("list/show-again/four-rules-10MB", showTheListAgain)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    bool holds = checkComparisons({{"fill and paint 100k rows vs QTreeWidget",
                                    "list/ours/fill-and-paint-100k",
                                    "list/qtreewidget/fill-and-paint-100k", 0.2},
                                   {"read 4 rules vs 100k rules, 10 MB, painted",
                                    "list/read-and-paint/four-rules-10MB",
                                    "list/read-and-paint/100k-rules-10MB", 2.0}},
                                   reporter.medians());
    // A repaint that takes longer than a frame or two is a stall the user sees.
    holds = checkLimit("scroll to the end and back, 100k rows", "list/ours/scroll-end-and-back-100k",
                       0.050, reporter.medians()) && holds;
    holds = checkLimit("show the tab of 4 rules of 10 MB again", "list/show-again/four-rules-10MB",
                       0.005, reporter.medians()) && holds;
    std::printf("%s\n", holds ? "every bound holds" : "a bound was exceeded");
    return holds ? 0 : 1;
}
