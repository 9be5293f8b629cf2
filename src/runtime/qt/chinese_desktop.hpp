#pragma once
// Every text of the program is Chinese, whatever the user's locale: Qt's own texts (the buttons
// of message boxes, the file dialogs) follow, and the Windows font names of the window layout
// draw with a Chinese font that this machine has.

#include <QStringList>

namespace tesmolen {

// Once per application object; later calls do nothing.
void useChineseDesktop();

// The installed families that stand in for a font name of the layout, in the order tried; empty
// for a name that needs no stand-in.
QStringList standInFamilies(const QString& layoutFamily);

}  // namespace tesmolen
