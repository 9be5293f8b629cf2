#include "runtime/resolver_cache_commands.hpp"

#ifndef _WIN32

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace tesmolen {

namespace {

struct FlushCommand {
    const char* runningSign;  // there while the cache's service runs
    const char* programs[2];  // where the command may be installed, in the order tried
    const char* arguments[3];
};

const FlushCommand flushCommands[] = {
    {"/run/systemd/resolve", {"/usr/bin/resolvectl", "/bin/resolvectl"}, {"flush-caches"}},
    {"/var/run/nscd/socket", {"/usr/sbin/nscd", "/sbin/nscd"}, {"-i", "hosts"}},
};

constexpr auto longestWait = std::chrono::seconds(2);

// Waits for the child until it ends or the longest wait has gone; then stops it.
void awaitOrStop(pid_t child) {
    const auto giveUp = std::chrono::steady_clock::now() + longestWait;
    while (std::chrono::steady_clock::now() < giveUp) {
        const pid_t ended = ::waitpid(child, nullptr, WNOHANG);
        if (ended == child || (ended < 0 && errno != EINTR)) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(child, SIGKILL);
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

void run(const char* program, const char* const arguments[3]) {
    const char* argv[] = {program, arguments[0], arguments[1], arguments[2], nullptr};
    char* noEnvironment[] = {nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null",
                                         fd == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0);
    }
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, program, &actions, nullptr,
                                      const_cast<char* const*>(argv), noEnvironment);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned == 0) awaitOrStop(child);
}

}  // namespace

void flushResolverCaches() {
    for (const FlushCommand& command : flushCommands) {
        if (::access(command.runningSign, F_OK) != 0) continue;
        for (const char* program : command.programs) {
            if (::access(program, X_OK) != 0) continue;
            run(program, command.arguments);
            break;
        }
    }
}

}  // namespace tesmolen

#endif
