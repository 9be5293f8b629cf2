#pragma once
// On Linux the window runs as the user, who may not write the system hosts file. That one file
// is then written by a small privileged helper started through an elevation command (pkexec),
// which reads on its standard input the byte count as one decimal line, then the new bytes. Only
// POSIX systems have this step.

#include <string>
#include <string_view>
#include <vector>

#include "runtime/text.hpp"

namespace tesmolen {

struct ElevatedWriter {
    Text path;                         // the one file the helper writes
    std::vector<std::string> command;  // program and arguments, absolute paths; empty: none
};

// The helper that whole-file writes hand over to; by default there is none.
void setElevatedWriter(ElevatedWriter writer);

// Called by a whole-file write that the system refused for lack of permission: when the path is
// the helper's own and the process is not root, runs the command without a shell, pipes the
// byte count ("<n>\n") and the bytes to it and waits for it. True only when the command exited
// with 0.
bool writeThroughElevatedWriter(const Text& path, std::string_view bytes);

// How many writes the helper has made for this process so far. After each one, the helper itself
// asks the system's name caches to forget what they hold.
unsigned elevatedWritesMade();

}  // namespace tesmolen
