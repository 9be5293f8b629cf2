#include "runtime/qt/file_dialog.hpp"

#include <QFileDialog>

#include "runtime/qt/qt_text.hpp"

namespace tesmolen {

QStringList qtNameFilters(const Text& filter) {
    const QStringList parts = toQString(filter).split(QChar(u'|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& display = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QChar(u';'), QChar(u' ')).trimmed();
        // A display text that already names its patterns in parentheses is kept as it is.
        if (display.trimmed().endsWith(QChar(u'(') + patterns + QChar(u')'))) {
            filters << display;
        } else {
            filters << display + QStringLiteral(" (") + patterns + QChar(u')');
        }
    }
    return filters;
}

void configureFileDialog(QFileDialog& dialog, const FileDialogSettings& settings) {
    const bool save = settings.kind == FileDialogKind::save;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!settings.title.empty()) dialog.setWindowTitle(toQString(settings.title));
    const QStringList filters = qtNameFilters(settings.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!settings.initialFolder.empty()) dialog.setDirectory(toQString(settings.initialFolder));
    dialog.setDefaultSuffix(toQString(settings.defaultExtension));
}

}  // namespace tesmolen
