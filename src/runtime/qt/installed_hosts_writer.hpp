#pragma once

namespace tesmolen {

// Hands the hosts file to the privileged writer installed with the program, started through
// pkexec, for the saves the system refuses to a user. The writer is looked up beside the
// program's own install prefix, never on the search path, and used only when root alone can have
// placed it; a program run from its build tree has none, and such saves fail as they did.
void useInstalledHostsWriter();

}  // namespace tesmolen
