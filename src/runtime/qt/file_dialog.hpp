#pragma once

#include <QStringList>

#include "runtime/ui.hpp"

class QFileDialog;

namespace tesmolen {

// "display|pattern|display|pattern..." as Qt's name filters: one "display (patterns)" per pair,
// patterns separated by blanks instead of ";".
QStringList qtNameFilters(const Text& filter);

// Prepares an open or save dialog with the settings; the dialog is Qt's own, the same on every
// desktop.
void configureFileDialog(QFileDialog& dialog, const FileDialogSettings& settings);

}  // namespace tesmolen
