// The privileged hosts writer, run as pkexec runs it. The scratch build writes a file in the
// build tree instead of the system hosts file; tests take turns at that one file.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "runtime/files.hpp"
#include "support/child_process.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::TempFolder;

struct Outcome {
    int exitCode = -1;
    std::string errors;
};

class HostsWriter : public ::testing::Test {
protected:
    HostsWriter() {
        fs::create_directories(scratch.parent_path());
        lock_ = ::open((scratch.string() + ".lock").c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
        ::flock(lock_, LOCK_EX);
        fs::remove_all(scratch);
        writeWholeFile(scratch.string(), "old hosts\r\n");
    }
    ~HostsWriter() override { ::close(lock_); }

    // The writer's input: the byte count on a line of its own, then the bytes.
    static Bytes announced(const Bytes& bytes) {
        return std::to_string(bytes.size()) + "\n" + bytes;
    }

    // Runs the scratch writer with this standard input, or with it closed.
    Outcome run(const std::optional<Bytes>& input, const char* argument = nullptr) {
        temp.write("input", input.value_or(""));
        const std::string errors = temp.path("errors");
        const pid_t child = ::fork();
        if (child == 0) {
            // What the writer makes must not follow the umask of whoever started it.
            ::umask(077);
            if (input) {
                ::dup2(::open(temp.path("input").c_str(), O_RDONLY), STDIN_FILENO);
            } else {
                ::close(STDIN_FILENO);
            }
            ::dup2(::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
            const char* program = TESMOLEN_SCRATCH_HOSTS_WRITER;
            const char* argv[] = {program, argument, nullptr};
            // Variables that might be thought to move the file must not move it.
            const std::string moved = "TESMOLEN_HOSTS_PATH=" + temp.path("elsewhere");
            const char* envp[] = {moved.c_str(), "HOSTS=elsewhere", "TMPDIR=/nonexistent", nullptr};
            ::execve(program, const_cast<char**>(argv), const_cast<char**>(envp));
            ::_exit(99);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, temp.read("errors")};
    }

    static void expectOneLineOfRefusal(const Outcome& outcome) {
        EXPECT_NE(outcome.exitCode, 0);
        EXPECT_NE(outcome.exitCode, 99);  // it did run
        ASSERT_FALSE(outcome.errors.empty());
        EXPECT_EQ(outcome.errors.find('\n'), outcome.errors.size() - 1) << outcome.errors;
    }

    void expectUntouched() {
        EXPECT_EQ(readWholeFile(scratch.string()), "old hosts\r\n");
        EXPECT_EQ(namesBesideScratch(), std::vector<std::string>{"hosts"});
    }

    std::vector<std::string> namesBesideScratch() {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(scratch.parent_path())) {
            const std::string name = entry.path().filename().string();
            if (name != "hosts.lock") names.push_back(name);
        }
        return names;
    }

    const fs::path scratch = TESMOLEN_SCRATCH_HOSTS;
    TempFolder temp;

private:
    int lock_ = -1;
};

TEST_F(HostsWriter, WritesItsOwnFileAndNoOther) {
    const Bytes bytes = "0.0.0.0 ads.example\r\n\0\xFF#tail"s;
    const Outcome outcome = run(announced(bytes));
    EXPECT_EQ(outcome.exitCode, 0) << outcome.errors;
    EXPECT_EQ(outcome.errors, "");
    EXPECT_EQ(readWholeFile(scratch.string()), bytes);
    EXPECT_EQ(temp.names(), (std::vector<std::string>{"errors", "input"}));
    EXPECT_EQ(namesBesideScratch(), std::vector<std::string>{"hosts"});
}

TEST_F(HostsWriter, RefusesAPathArgument) {
    expectOneLineOfRefusal(run(announced("new"), temp.path("elsewhere").c_str()));
    expectUntouched();
    EXPECT_FALSE(fileExists(temp.path("elsewhere")));
}

TEST_F(HostsWriter, WritesNothingUnlessExactlyTheAnnouncedBytesArrive) {
    const std::optional<Bytes> refused[] = {
        std::nullopt,      // standard input closed
        ""s,               // nothing at all
        "new hosts\r\n"s,  // no byte count
        "11"s,             // count without its line end
        "+3\nnew"s,
        " 3\nnew"s,
        "3 \nnew"s,
        "03\nnew"s,
        "3\r\nnew"s,
        "\nnew"s,
        "11\nnew ho"s,        // the sender died part way: fewer bytes than announced
        "3\nnew hosts\r\n"s,  // more bytes than announced
        "67108865\n"s,        // more than 64 MiB announced
        announced(Bytes(largestFile + 1, 'x')),
        "99999999999999999999999\n"s,
    };
    for (const auto& input : refused) {
        SCOPED_TRACE(::testing::PrintToString(input));
        expectOneLineOfRefusal(run(input));
        expectUntouched();
    }
}

TEST_F(HostsWriter, TakesUpTo64MiBAndEmptyAsWell) {
    const std::size_t limit = 64u << 20;
    EXPECT_EQ(run(announced(Bytes(limit, 'y'))).exitCode, 0);
    EXPECT_EQ(fs::file_size(scratch), limit);
    // An empty rule list saves an empty hosts file.
    EXPECT_EQ(run("0\n"s).exitCode, 0);
    EXPECT_EQ(readWholeFile(scratch.string()), "");
    EXPECT_TRUE(fs::exists(scratch));
}

TEST_F(HostsWriter, ReplacesTheFileByRenameKeepingItsPermissions) {
    fs::permissions(scratch, fs::perms(0644));
    struct stat before {};
    ASSERT_EQ(::stat(scratch.c_str(), &before), 0);
    // A reader that opened the old file still reads it whole: the new file took its place.
    const int reader = ::open(scratch.c_str(), O_RDONLY);
    ASSERT_EQ(run(announced("new hosts\r\n")).exitCode, 0);
    char seen[64] = {};
    EXPECT_EQ(::pread(reader, seen, sizeof seen, 0), 11);
    EXPECT_STREQ(seen, "old hosts\r\n");
    ::close(reader);
    struct stat after {};
    ASSERT_EQ(::stat(scratch.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 07777, 0644u);
    EXPECT_EQ(readWholeFile(scratch.string()), "new hosts\r\n");
    EXPECT_EQ(namesBesideScratch(), std::vector<std::string>{"hosts"});
}

// An access list as the kernel stores it: owner rw, user nobody rw, owning group r, mask rw,
// others nothing. The mask shows in the group bits of the mode.
Bytes accessListGrantingNobody() {
    Bytes acl;
    const auto add32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) acl += static_cast<char>(v >> (8 * i) & 0xFF);
    };
    const auto entry = [&](std::uint16_t tag, std::uint16_t perm, std::uint32_t id) {
        add32(tag | static_cast<std::uint32_t>(perm) << 16);
        add32(id);
    };
    add32(2);
    entry(0x01, 6, 0xFFFFFFFF);
    entry(0x02, 6, 65534);
    entry(0x04, 4, 0xFFFFFFFF);
    entry(0x10, 6, 0xFFFFFFFF);
    entry(0x20, 0, 0xFFFFFFFF);
    return acl;
}

std::optional<Bytes> attribute(const fs::path& file, const char* name) {
    char value[256];
    const ssize_t size = ::getxattr(file.c_str(), name, value, sizeof value);
    if (size < 0) return std::nullopt;
    return Bytes(value, static_cast<std::size_t>(size));
}

TEST_F(HostsWriter, KeepsOwnerGroupModeAccessListAndAttributes) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give the file another group";
    const Bytes acl = accessListGrantingNobody();
    const std::pair<const char*, Bytes> attributes[] = {
        {"system.posix_acl_access", acl}, {"user.tesmolen", "kept"}, {"trusted.tesmolen", "kept"}};
    for (const auto& [name, value] : attributes) {
        if (::setxattr(scratch.c_str(), name, value.data(), value.size(), 0) != 0) {
            GTEST_SKIP() << "the file system of the build tree refuses " << name;
        }
    }
    ASSERT_EQ(::chown(scratch.c_str(), 0, 65534), 0);
    struct stat before {};
    ASSERT_EQ(::stat(scratch.c_str(), &before), 0);

    ASSERT_EQ(run(announced("new hosts\r\n")).exitCode, 0);
    struct stat after {};
    ASSERT_EQ(::stat(scratch.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, 0u);
    EXPECT_EQ(after.st_gid, 65534u);
    EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
    for (const auto& [name, value] : attributes) EXPECT_EQ(attribute(scratch, name), value) << name;
}

TEST_F(HostsWriter, MakesAMissingFile0644OwnedByRoot) {
    fs::remove(scratch);
    ASSERT_EQ(run(announced("new hosts\r\n")).exitCode, 0);
    struct stat made {};
    ASSERT_EQ(::stat(scratch.c_str(), &made), 0);
    EXPECT_EQ(made.st_mode & 07777, 0644u);
    if (::geteuid() == 0) {
        EXPECT_EQ(made.st_uid, 0u);
        EXPECT_EQ(made.st_gid, 0u);
    }
}

TEST_F(HostsWriter, KilledWhileWritingLeavesNothingBehind) {
    const char* strace = "/usr/bin/strace";
    if (::access(strace, X_OK) != 0) GTEST_SKIP() << "strace is not installed (scripts/setup)";
    temp.write("input", announced(Bytes(100000, 'n')));
    // The writer's first write is the one of the new bytes; it is killed there.
    const std::vector<std::string> argv = {strace, "-f", "-qq", "-o", temp.path("trace"), "-e",
                                           "inject=write:signal=KILL:when=1",
                                           TESMOLEN_SCRATCH_HOSTS_WRITER};
    EXPECT_NE(testing::runProgram(argv, temp.path("input"), temp.path("out"), temp.path("err")), 0);
    expectUntouched();
}

}  // namespace
}  // namespace tesmolen
