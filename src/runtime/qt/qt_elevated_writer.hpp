#pragma once

#include "runtime/elevated_write.hpp"

namespace tesmolen {

// The helper's command run on a worker thread: the elevation command reads nothing until the
// user has given the password, and meanwhile the window goes on painting. The window's input
// waits until the write has ended, so that a close or a second save comes after it.
class QtElevatedWriter : public CommandWriter {
public:
    using CommandWriter::CommandWriter;

    bool write(const Text& path, std::string_view bytes) override;
};

}  // namespace tesmolen
