// tesmolen-real-save HOSTS WRITER [PICTURE]: the real window saves rules into HOSTS, a file its
// user may not write, through the real pkexec and the hosts writer WRITER. The window reads
// HOSTS, its second rule is deleted from the list, and 保存 is clicked; each message box shown
// is printed as "box: TEXT". With PICTURE, the confirmation box is left for the desktop to show,
// the screen is photographed into PICTURE while it is up, and then it is closed.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include "app/application.hpp"
#include "app/bindings.hpp"
#include "runtime/qt/curl_net.hpp"
#include "runtime/qt/desktop_shell.hpp"
#include "runtime/qt/qt_elevated_writer.hpp"
#include "runtime/qt/qt_text.hpp"
#include "runtime/qt/qt_ui.hpp"
#include "runtime/qt/qt_window_system.hpp"
#include "runtime/qt/system_resolver_cache.hpp"
#include "ui/unit_names.hpp"

namespace {

using namespace tesmolen;

// Photographs the screen once a message box is up, then presses its button.
void photographTheBox(const QString& picture, QTextStream& out) {
    auto* watch = new QTimer(qApp);
    QObject::connect(watch, &QTimer::timeout, [watch, picture, &out] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr || !box->isVisible()) continue;
            watch->stop();
            QApplication::processEvents();
            QGuiApplication::primaryScreen()->grabWindow(0).save(picture);
            out << "box: " << box->text() << "\n";
            box->accept();
            return;
        }
    });
    watch->start(100);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTextStream out(stdout);
    if (argc != 3 && argc != 4) {
        QTextStream(stderr) << "usage: tesmolen-real-save HOSTS WRITER [PICTURE]\n";
        return 2;
    }
    const Text hostsPath = argv[1];
    QtUi ui;
    CurlNet net;
    DesktopShell shell;
    QtWindowSystem windows;
    QtElevatedWriter elevatedWriter({hostsPath, {TESMOLEN_PKEXEC, argv[2]}});
    SystemResolverCache resolverCache(elevatedWriter);
    Program program{{}, ui, net, shell, windows, resolverCache, {}, elevatedWriter};
    ui.createMainWindow([&program](UnitName unit, UiEvent event) {
        raiseEvent(program, eventBindings(), unit, event);
    });
    program.state.titleText = "Tesmolen";
    program.state.hostsPath = hostsPath;
    ui.dialogScript().active = true;
    windows.dialogScript().active = argc == 3;
    if (argc == 4) photographTheBox(QString::fromLocal8Bit(argv[3]), out);
    ui.showMainWindow();
    ui.selectPage(1);

    auto click = [&ui](UnitName button) {
        QTest::mouseClick(qobject_cast<QPushButton*>(ui.widget(button)), Qt::LeftButton);
    };
    click(unit::readButton);
    ui.list(unit::ruleList).deleteRow(1);
    click(unit::saveButton);
    for (const DialogScript* script : {&ui.dialogScript(), &windows.dialogScript()}) {
        for (const ShownBox& box : script->shownBoxes)
            out << "box: " << toQString(box.text) << "\n";
    }
    return 0;
}
