#pragma once

#include "runtime/elevated_write.hpp"

namespace tesmolen {

// The privileged writer installed with the program, started through pkexec, for the saves of the
// hosts file that the system refuses to a user. The writer is looked up beside the program's own
// install prefix, never on the search path, and used only when root alone can have placed it; a
// program run from its build tree has none (an empty command), and such saves fail as they did.
ElevatedCommand installedHostsWriter();

}  // namespace tesmolen
