// tesmolen-screenshots DIR: one picture of the main window per tab, one of the instructions
// scrolled to their end, and one of the settings tab with rules in its list. The window is built
// as the program builds it, on Qt's offscreen platform unless another one is asked for, and does
// the program's start-up work, so the maker's site must answer (scripts/screenshots serves the
// bundled one).

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTextStream>
#include <QWidget>

#include "app/startup.hpp"
#include "app/stored_values.hpp"
#include "rules/read_rules.hpp"
#include "runtime/qt/curl_net.hpp"
#include "runtime/qt/desktop_shell.hpp"
#include "runtime/qt/qt_ui.hpp"
#include "runtime/qt/qt_window_system.hpp"
#include "runtime/qt/system_resolver_cache.hpp"
#include "ui/unit_names.hpp"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: tesmolen-screenshots DIR\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        err << "cannot make the folder " << folder.path() << "\n";
        return 1;
    }

    tesmolen::QtUi ui;
    tesmolen::CurlNet net;
    tesmolen::DesktopShell shell;
    tesmolen::QtWindowSystem windows;
    tesmolen::CommandWriter noHelper({});  // the pictures save nothing
    tesmolen::SystemResolverCache resolverCache(noHelper);
    tesmolen::Program program{{}, ui, net, shell, windows, resolverCache,
                              tesmolen::defaultStoredValues()};
    ui.createMainWindow([](tesmolen::UnitName, tesmolen::UiEvent) {});
    ui.dialogScript().active = true;  // a failed start-up reports without waiting for a click
    tesmolen::mainWindowCreated(program);
    if (ui.endedWith()) {
        err << "the maker's site does not answer (serve it with scripts/serve-site)\n";
        return 1;
    }
    ui.showMainWindow();
    auto save = [&ui, &folder, &err](const QString& name) {
        QApplication::processEvents();
        const QString file = folder.filePath(name + QStringLiteral(".png"));
        if (!ui.mainWindow()->grab().save(file)) {
            err << "cannot write " << file << "\n";
            return false;
        }
        QTextStream(stdout) << file << "\n";
        return true;
    };
    const char* names[] = {"1-instructions", "2-settings", "3-editor", "4-donation"};
    for (int page = 0; page < ui.tabBar()->count() && page < 4; ++page) {
        ui.selectPage(page);
        if (!save(QString::fromLatin1(names[page]))) return 1;
    }

    // The instructions once more, scrolled to their end.
    auto* instructions = qobject_cast<QPlainTextEdit*>(ui.widget(tesmolen::unit::instructionsText));
    if (instructions != nullptr) {
        ui.selectPage(0);
        instructions->verticalScrollBar()->setValue(instructions->verticalScrollBar()->maximum());
        if (!save(QStringLiteral("1-instructions-end"))) return 1;
    }

    // The settings tab once more, with rules read into the list.
    tesmolen::ReportList& list = ui.list(tesmolen::unit::ruleList);
    list.setVisible(true);
    tesmolen::parseRulesInto(
        "#SiteA\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC\r\n0.0.0.0 ads.example.com\r\n"
        "0.0.0.0 track.example.com\r\n#\xB4\xFA\xC2\xEB\xBD\xE1\xCA\xF8\r\n"
        "#SiteB\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC\r\n0.0.0.0 banner.example.net\r\n#",
        list);
    ui.selectPage(1);
    if (!save(QStringLiteral("2-settings-rules"))) return 1;
    return 0;
}
