// The privileged hosts writer, run as pkexec runs it. The scratch build writes a file in the
// build tree instead of the system hosts file; tests take turns at that one file.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "runtime/files.hpp"
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

}  // namespace
}  // namespace tesmolen
