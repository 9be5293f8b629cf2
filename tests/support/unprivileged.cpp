#include "support/unprivileged.hpp"

#include <grp.h>
#include <pwd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace tesmolen::testing {

namespace fs = std::filesystem;

namespace {

bool becomeNobody() {
    const passwd* nobody = ::getpwnam("nobody");
    return nobody != nullptr && ::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0 &&
           ::setuid(nobody->pw_uid) == 0;
}

void writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

std::optional<std::string> runUnprivileged(const std::function<std::string()>& work) {
    if (::geteuid() != 0) return work();
    int ends[2];
    if (::pipe(ends) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        if (!becomeNobody()) ::_exit(1);
        writeAll(ends[1], work());
        ::_exit(0);
    }
    ::close(ends[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(ends[0], buffer, sizeof buffer)) > 0;) {
        result.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(ends[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return result;
}

std::optional<std::string> runUnprivilegedOnThisThread(const std::function<std::string()>& work) {
    if (::geteuid() != 0) return work();
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr) return std::nullopt;
    // The system calls change the calling thread alone, where the C library's wrappers would
    // change every thread. The saved ids stay root's, so that the thread may take them back.
    auto become = [](uid_t user, gid_t group) {
        return ::syscall(SYS_setresgid, group, group, 0) == 0 &&
               ::syscall(SYS_setresuid, user, user, 0) == 0;
    };
    struct BackToRoot {
        ~BackToRoot() {
            ::syscall(SYS_setresuid, 0, 0, 0);
            ::syscall(SYS_setresgid, 0, 0, 0);
        }
    } backToRoot;
    if (!become(nobody->pw_uid, nobody->pw_gid)) return std::nullopt;
    return work();
}

void makeUnwritable(const std::string& file) {
    const fs::path path(file);
    if (::geteuid() == 0) {
        fs::permissions(path, fs::perms(0644));
        fs::permissions(path.parent_path(), fs::perms(0755));
    } else {
        fs::permissions(path, fs::perms(0444));
        fs::permissions(path.parent_path(), fs::perms(0555));
    }
}

void makeWritableForAll(const std::string& folder) {
    fs::permissions(folder, fs::perms(0777));
}

}  // namespace tesmolen::testing
