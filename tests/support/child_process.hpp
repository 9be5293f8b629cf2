#pragma once
// Runs another program as a user would, its standard streams on files.

#include <string>
#include <vector>

namespace tesmolen::testing {

// Runs argv[0] (a path, not looked up) with these arguments, standard input from the file in and
// standard output and error to the files out and err. Its exit code, or -1 when it could not run
// or did not exit.
int runProgram(std::vector<std::string> argv, const std::string& in, const std::string& out,
               const std::string& err);

}  // namespace tesmolen::testing
