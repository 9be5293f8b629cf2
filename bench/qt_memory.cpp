// Peak memory of the real window while it reads a 10 MB hosts file: the growth of the peak
// resident set above the idle window, as a multiple of the file size.

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "blocklist.hpp"
#include "rules/read_rules.hpp"
#include "runtime/files.hpp"
#include "runtime/qt/curl_net.hpp"
#include "runtime/qt/desktop_shell.hpp"
#include "runtime/qt/qt_ui.hpp"
#include "runtime/qt/qt_window_system.hpp"
#include "ui/unit_names.hpp"

namespace {

long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
    }
    return -1;
}

void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

}  // namespace

int main(int argc, char** argv) {
    using namespace tesmolen;
    namespace fs = std::filesystem;
    QApplication application(argc, argv);
    const fs::path hosts = fs::temp_directory_path() / "tesmolen-memory-hosts";
    const std::string kind = argc > 1 ? argv[1] : "rule-blocks";
    {
        const Text text = kind == "blocklist"    ? bench::blocklistHostsText(10u << 20)
                          : kind == "four-rules" ? bench::ruleBlocksText(4, 10u << 20)
                                                 : bench::ruleBlocksText(100000, 10u << 20);
        std::ofstream(hosts, std::ios::binary) << text;
    }
    const auto fileSize = static_cast<double>(fs::file_size(hosts));

    QtUi ui;
    CurlNet net;
    DesktopShell shell;
    QtWindowSystem windows;
    Program program{{}, ui, net, shell, windows, {}};
    program.state.hostsPath = hosts.string();
    ui.createMainWindow([](UnitName, UiEvent) {});
    ui.showMainWindow();
    ui.selectPage(1);
    ui.mainWindow()->grab();
    QApplication::processEvents();

    const long idle = statusKilobytes("VmRSS:");
    resetPeak();
    readRules(program);
    ui.mainWindow()->grab();
    QApplication::processEvents();
    const long peak = statusKilobytes("VmHWM:");
    fs::remove(hosts);

    const double ratio = (peak - idle) * 1024.0 / fileSize;
    std::printf("%s hosts file %.1f MB, %d rows: idle %ld KB, peak %ld KB, growth %.2f x file "
                "(bound 3.00) %s\n",
                kind.c_str(), fileSize / (1 << 20), ui.list(unit::ruleList).rowCount(), idle, peak,
                ratio, ratio <= 3.0 ? "ok" : "EXCEEDED");
    return ratio <= 3.0 ? 0 : 1;
}
