#include "runtime/qt/desktop_shell.hpp"

#include <QProcess>
#include <QString>
#include <QStringList>

#include "runtime/codepage.hpp"

namespace tesmolen {

void DesktopShell::openPage(const Text& url) {
    const QString page = QString::fromStdString(gbkToUtf8(url));
#ifdef _WIN32
    QProcess::startDetached(QStringLiteral("Explorer"), {page});
#else
    QProcess::startDetached(QStringLiteral("xdg-open"), {page});
#endif
}

}  // namespace tesmolen
