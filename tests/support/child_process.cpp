#include "support/child_process.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace tesmolen::testing {

int runProgram(std::vector<std::string> argv, const std::string& in, const std::string& out,
               const std::string& err) {
    std::vector<char*> pointers;
    for (std::string& arg : argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    int exitCode = -1;
    if (posix_spawn(&pid, pointers[0], &files, nullptr, pointers.data(), environ) == 0) {
        int status = 0;
        if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) exitCode = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&files);
    return exitCode;
}

}  // namespace tesmolen::testing
