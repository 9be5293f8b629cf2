// The real rule list of the Win32 window (an owner-data list view over the packed row store):
// filling 100,000 rows and painting once, against a plain report list view given the same rows
// one by one with LVM_INSERTITEM; reading a 10 MB hosts text of four huge rules into the list and
// painting it, and painting it again, against the same size in 100,000 small rules. Run under
// Wine (scripts/bench-windows).

#include <benchmark/benchmark.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "blocklist.hpp"
#include "list_rows.hpp"
#include "ratios.hpp"
#include "rules/read_rules.hpp"
#include "runtime/codepage.hpp"
#include "runtime/win32/win32_ui.hpp"
#include "ui/layout.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen::bench {
namespace {

// Handles what the window has been sent, as the message loop does after a command.
void handleMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void paintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

struct Window {
    Win32Ui ui;
    Window() {
        ui.createMainWindow([](UnitName, UiEvent) {});
        ui.showMainWindow();
        ui.selectPage(1);
        ui.list(unit::ruleList).setVisible(true);
        handleMessages();
    }
};

Window* theWindow = nullptr;

void fillOurs(benchmark::State& state) {
    ReportList& list = theWindow->ui.list(unit::ruleList);
    const ListRows& r = hundredThousandRows();
    for (auto _ : state) {
        state.PauseTiming();
        list.deleteAllRows();
        handleMessages();
        state.ResumeTiming();
        for (std::size_t i = 0; i < r.bodies.size(); ++i) {
            const int row = list.appendRow(r.numbers[i]);
            list.setCell(row, 1, r.bodies[i]);
        }
        handleMessages();
        paintNow(theWindow->ui.windowOf(unit::ruleList));
    }
    if (list.rowCount() != static_cast<int>(r.bodies.size())) state.SkipWithError("rows lost");
}

const Text& fourRules() {
    static const Text text = ruleBlocksText(4, 10u << 20);
    return text;
}

const Text& smallRules() {
    static const Text text = ruleBlocksText(100000, 10u << 20);
    return text;
}

void readIntoTheList(const Text& hosts) {
    parseRulesInto(hosts, theWindow->ui.list(unit::ruleList));
    handleMessages();  // back in the message loop, as after a command
    paintNow(theWindow->ui.windowOf(unit::ruleList));
}

void readAndPaint(benchmark::State& state, const Text& hosts) {
    ReportList& list = theWindow->ui.list(unit::ruleList);
    for (auto _ : state) {
        state.PauseTiming();
        list.deleteAllRows();
        handleMessages();
        state.ResumeTiming();
        readIntoTheList(hosts);
    }
}

void readFourRules(benchmark::State& state) { readAndPaint(state, fourRules()); }
void readSmallRules(benchmark::State& state) { readAndPaint(state, smallRules()); }

void repaint(benchmark::State& state, const Text& hosts) {
    ReportList& list = theWindow->ui.list(unit::ruleList);
    list.deleteAllRows();
    readIntoTheList(hosts);
    for (auto _ : state) paintNow(theWindow->ui.windowOf(unit::ruleList));
}

void repaintFourRules(benchmark::State& state) { repaint(state, fourRules()); }
void repaintSmallRules(benchmark::State& state) { repaint(state, smallRules()); }

// A report list view of the same size and columns in a window of its own, filled item by item.
void fillPlainListView(benchmark::State& state) {
    const WindowLayout& layout = windowLayout();
    HWND frame = CreateWindowExW(0, WC_STATICW, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 440,
                                 340, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND view = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, 0, 0, 418, 292,
                                frame, nullptr, GetModuleHandleW(nullptr), nullptr);
    int index = 0;
    for (const ColumnSpec& column : layout.ruleListColumns) {
        std::wstring header = gbkToWide(gbk(column.header));
        LVCOLUMNW entry{};
        entry.mask = LVCF_TEXT | LVCF_WIDTH;
        entry.cx = column.width;
        entry.pszText = header.data();
        SendMessageW(view, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index++),
                     reinterpret_cast<LPARAM>(&entry));
    }
    const ListRows& r = hundredThousandRows();
    for (auto _ : state) {
        state.PauseTiming();
        SendMessageW(view, LVM_DELETEALLITEMS, 0, 0);
        handleMessages();
        state.ResumeTiming();
        // As a careful program fills a list: without redrawing it after every item.
        SendMessageW(view, WM_SETREDRAW, FALSE, 0);
        for (std::size_t i = 0; i < r.bodies.size(); ++i) {
            std::wstring number = gbkToWide(r.numbers[i]);
            std::wstring body = gbkToWide(r.bodies[i]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(i);
            item.pszText = number.data();
            const auto row = static_cast<int>(
                SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
            item.iSubItem = 1;
            item.pszText = body.data();
            SendMessageW(view, LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&item));
        }
        SendMessageW(view, WM_SETREDRAW, TRUE, 0);
        handleMessages();
        paintNow(view);
    }
    if (SendMessageW(view, LVM_GETITEMCOUNT, 0, 0) != static_cast<LRESULT>(r.bodies.size())) {
        state.SkipWithError("rows lost");
    }
    DestroyWindow(frame);
}

}  // namespace
}  // namespace tesmolen::bench

int main(int argc, char** argv) {
    using namespace tesmolen::bench;
    Window benchWindow;
    theWindow = &benchWindow;
    hundredThousandRows();
    fourRules();
    smallRules();
    benchmark::RegisterBenchmark("list/ours/fill-and-paint-100k", fillOurs)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("list/lvm-insertitem/fill-and-paint-100k", fillPlainListView)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    const std::pair<const char*, void (*)(benchmark::State&)> readsAndRepaints[] = {
        {"list/read-and-paint/four-rules-10MB", readFourRules},
        {"list/read-and-paint/100k-rules-10MB", readSmallRules},
        {"list/repaint/four-rules-10MB", repaintFourRules},
        {"list/repaint/100k-rules-10MB", repaintSmallRules},
    };
    for (const auto& [name, run] : readsAndRepaints) {
        benchmark::RegisterBenchmark(name, run)->Unit(benchmark::kMillisecond)->UseRealTime();
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const bool holds = checkComparisons(
        {{"fill and paint 100k rows vs LVM_INSERTITEM", "list/ours/fill-and-paint-100k",
          "list/lvm-insertitem/fill-and-paint-100k", 0.2},
         {"read 4 rules vs 100k rules, 10 MB, painted", "list/read-and-paint/four-rules-10MB",
          "list/read-and-paint/100k-rules-10MB", 2.0},
         {"repaint 4 rules vs 100k rules, 10 MB", "list/repaint/four-rules-10MB",
          "list/repaint/100k-rules-10MB", 2.0}},
        reporter.medians());
    std::printf("%s\n", holds ? "every bound holds" : "a bound was exceeded");
    return holds ? 0 : 1;
}
