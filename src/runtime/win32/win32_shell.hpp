#pragma once

#include <string>

#include "runtime/shell.hpp"

namespace tesmolen {

// Explorer by its full path in the Windows folder: ShellExecuteW looks for a bare name in the
// current folder first, and the program runs as administrator. Empty when the folder is unknown.
std::wstring windowsExplorer();

// Opens pages as "Explorer " + URL, started through ShellExecuteW without a command
// interpreter and not waited for.
class Win32Shell : public Shell {
public:
    // The program that opens the page; tests put a stand-in in Explorer's place.
    explicit Win32Shell(std::wstring opener = windowsExplorer());
    void openPage(const Text& url) override;

private:
    std::wstring opener_;
};

// One command-line argument that the receiving program's parser (CommandLineToArgvW and the C
// runtime's) reads back as exactly this text.
std::wstring quotedArgument(const std::wstring& argument);

}  // namespace tesmolen
