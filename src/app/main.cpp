// The process entry: the realisations of the seams chosen by the build (Win32 on Windows, Qt
// elsewhere), and the application shell.

#include "app/application.hpp"
#include "app/bindings.hpp"
#include "app/stored_values.hpp"

#ifdef _WIN32

#include "runtime/win32/library_search.hpp"
#include "runtime/win32/win32_net.hpp"
#include "runtime/win32/win32_resolver_cache.hpp"
#include "runtime/win32/win32_shell.hpp"
#include "runtime/win32/win32_ui.hpp"
#include "runtime/win32/win32_window_system.hpp"

int main() {
    using namespace tesmolen;
    loadLibrariesFromSystemFolderOnly();
    Win32Ui ui;
    Win32Net net;
    Win32Shell shell;
    Win32WindowSystem windows;
    Win32ResolverCache resolverCache;
    return runApplication(ui, {ui, net, shell, windows, resolverCache}, defaultStoredValues(),
                          eventBindings());
}

#else

#include <QApplication>
#include <QString>

#include "app/product.hpp"
#include "runtime/product.hpp"
#include "runtime/qt/curl_net.hpp"
#include "runtime/qt/desktop_shell.hpp"
#include "runtime/qt/installed_hosts_writer.hpp"
#include "runtime/qt/qt_elevated_writer.hpp"
#include "runtime/qt/qt_text.hpp"
#include "runtime/qt/qt_ui.hpp"
#include "runtime/qt/qt_window_system.hpp"
#include "runtime/qt/system_resolver_cache.hpp"

int main(int argc, char* argv[]) {
    using namespace tesmolen;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(productName));
    QApplication::setApplicationVersion(QString::fromUtf8(product::version));
    application.setProperty("applicationDescription", toQString(product::description));

    QtUi ui;
    CurlNet net;
    DesktopShell shell;
    QtWindowSystem windows;
    QtElevatedWriter elevatedWriter(installedHostsWriter());
    SystemResolverCache resolverCache(elevatedWriter);
    return runApplication(ui, {ui, net, shell, windows, resolverCache, elevatedWriter},
                          defaultStoredValues(),
                          eventBindings());
}

#endif
