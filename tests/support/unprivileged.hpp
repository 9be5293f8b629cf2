#pragma once
// Work done by a user who may not write root's files, as the program runs on a desktop.

#include <functional>
#include <optional>
#include <string>

namespace tesmolen::testing {

// Runs the work as user nobody in a child process when the tests run as root, else right here,
// and gives back what it returned; nothing when the child could not become that user or died.
std::optional<std::string> runUnprivileged(const std::function<std::string()>& work);

// The same, on this thread, for work that cannot run in a child process (a window whose toolkit
// has started threads of its own): this thread alone, and the threads and programs it starts,
// run as user nobody until the work has returned.
std::optional<std::string> runUnprivilegedOnThisThread(const std::function<std::string()>& work);

// Makes the file one that the user of runUnprivileged may read but not write or replace: owned
// by root in a folder owned by root (as root), or read-only in a read-only folder (otherwise).
void makeUnwritable(const std::string& file);

// Makes the folder one that the user of runUnprivileged may write.
void makeWritableForAll(const std::string& folder);

}  // namespace tesmolen::testing
