#include "runtime/elevated_write.hpp"

namespace tesmolen {

ElevatedWriter& noElevatedWriter() {
    struct None : ElevatedWriter {
        bool write(const Text&, std::string_view) override { return false; }
    };
    static None none;
    return none;
}

}  // namespace tesmolen

#ifndef _WIN32

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

#include "runtime/files.hpp"

extern char** environ;

namespace tesmolen {

namespace fs = std::filesystem;

namespace {

fs::path sameFile(const Text& path) {
    std::error_code ec;
    const fs::path native = nativePath(path);
    fs::path resolved = fs::weakly_canonical(native, ec);
    return ec ? native : resolved;
}

// Writes all bytes to the pipe; false when the reader went away before taking them. A reader
// that leaves early must not end this process with SIGPIPE.
bool pipeAll(int fd, std::string_view bytes) {
    struct sigaction ignore {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, &previous);
    bool ok = true;
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    ::sigaction(SIGPIPE, &previous, nullptr);
    return ok;
}

bool exitedWithZero(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool runWithInput(const std::vector<std::string>& command, std::string_view bytes) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return false;
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[0]);
    if (spawned != 0) {
        ::close(ends[1]);
        return false;
    }
    // The count first: should this process die while sending, the writer sees fewer bytes than
    // announced and writes nothing.
    const std::string count = std::to_string(bytes.size()) + "\n";
    const bool piped = pipeAll(ends[1], count) && pipeAll(ends[1], bytes);
    ::close(ends[1]);
    // Always wait: pkexec refuses to go on for a parent that has gone.
    return exitedWithZero(child) && piped;
}

}  // namespace

bool CommandWriter::write(const Text& path, std::string_view bytes) {
    if (command_.command.empty() || ::geteuid() == 0) return false;
    if (sameFile(path) != sameFile(command_.path)) return false;
    if (!runWithInput(command_.command, bytes)) return false;
    ++writesMade_;
    return true;
}

}  // namespace tesmolen

#endif
