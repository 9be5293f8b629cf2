#pragma once
// On Linux the window runs as the user, who may not write the system hosts file. That one file
// is then written by a small privileged helper started through an elevation command (pkexec),
// which reads on its standard input the byte count as one decimal line, then the new bytes. Only
// POSIX systems have such a helper; elsewhere the program has none.

#include <atomic>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/text.hpp"

namespace tesmolen {

// The writer that whole-file writes hand over to when the system refuses them to this user.
class ElevatedWriter {
public:
    virtual ~ElevatedWriter() = default;
    // Called by a whole-file write that the system refused for lack of permission. True only
    // when the bytes reached the file.
    virtual bool write(const Text& path, std::string_view bytes) = 0;
};

// The writer of a program that has none: it writes nothing.
ElevatedWriter& noElevatedWriter();

struct ElevatedCommand {
    Text path;                         // the one file the helper writes
    std::vector<std::string> command;  // program and arguments, absolute paths; empty: none
};

#ifndef _WIN32
// Runs the helper's command on the calling thread.
class CommandWriter : public ElevatedWriter {
public:
    explicit CommandWriter(ElevatedCommand command) : command_(std::move(command)) {}

    // When the path is the helper's own and the process is not root, runs the command without a
    // shell, pipes the byte count ("<n>\n") and the bytes to it and waits for it. True only when
    // the command exited with 0.
    bool write(const Text& path, std::string_view bytes) override;

    // How many writes the helper has made so far. After each one, the helper itself asks the
    // system's name caches to forget what they hold.
    unsigned writesMade() const { return writesMade_; }

private:
    ElevatedCommand command_;
    std::atomic<unsigned> writesMade_{0};
};
#endif

}  // namespace tesmolen
