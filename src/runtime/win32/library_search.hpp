#pragma once

namespace tesmolen {

// From here on, libraries the process loads by name come from the system folder only, never from
// the program's folder or the current one (the program runs as administrator and its folder may be
// the download folder). Windows 7 has the switch only with an update: without it, nothing changes.
void loadLibrariesFromSystemFolderOnly();

}  // namespace tesmolen
