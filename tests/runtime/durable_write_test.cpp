// Whole-file writes reach the disk: the system calls of a real write, traced with strace, show
// the new bytes flushed before the rename, the folder flushed after it, and a file rewritten in
// place flushed after the rewrite.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <sstream>

#include "rules/save_rules.hpp"
#include "runtime/files.hpp"
#include "support/child_process.hpp"
#include "support/fault_folders.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

constexpr const char* probeVariable = "TESMOLEN_WRITE_PROBE";

// Run with the probe variable naming a file, this suite writes that file as a save does and
// exits before any test: the traced child of the tests below.
[[maybe_unused]] const bool probe = [] {
    const char* target = std::getenv(probeVariable);
    if (target == nullptr) return false;
    std::_Exit(writeWholeFile(target, "127.0.0.1 localhost\r\n") ? 0 : 1);
}();

struct Call {
    std::string name;
    std::string file;                 // the path of the first file descriptor
    std::vector<std::string> quoted;  // the quoted arguments: paths given by name
    bool failed = false;
};

std::optional<std::string> strace() {
    std::istringstream folders(std::getenv("PATH") ? std::getenv("PATH") : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const fs::path candidate = fs::path(folder) / "strace";
        if (::access(candidate.c_str(), X_OK) == 0) return candidate.string();
    }
    return std::nullopt;
}

// The calls that touch files, in order, from strace -f -y output.
std::vector<Call> callsIn(const std::string& log) {
    static const std::regex line(R"(^(?:\d+ +)?(\w+)\((.*)\) += (-?\d+))");
    static const std::regex argument(R"re(<([^<>]*)>|"([^"]*)")re");
    std::vector<Call> calls;
    std::istringstream lines(log);
    for (std::string text; std::getline(lines, text);) {
        std::smatch m;
        if (!std::regex_search(text, m, line)) continue;
        Call call{m[1].str(), {}, {}, m[3].str().starts_with("-")};
        const std::string arguments = m[2].str();
        for (std::sregex_iterator it(arguments.begin(), arguments.end(), argument), end; it != end;
             ++it) {
            if ((*it)[2].matched) {
                call.quoted.push_back((*it)[2].str());
            } else if (call.file.empty()) {
                call.file = (*it)[1].str();
            }
        }
        calls.push_back(std::move(call));
    }
    return calls;
}

class DurableWrite : public ::testing::Test {
protected:
    void SetUp() override {
        const auto found = strace();
        if (!found) GTEST_SKIP() << "strace is not installed (scripts/setup installs it)";
        strace_ = *found;
        folder_ = fs::canonical(temp.folder()).string();
        target_ = folder_ + "/hosts";
        temp.write("hosts", "old bytes\r\n");
    }

    // The calls of one whole-file write of the target, made by a child that strace follows.
    std::vector<Call> tracedWrite() {
        const std::vector<std::string> argv = {strace_, "-f", "-y", "-qq", "-o", logs.path("trace"),
                                               "-e", "trace=%file,%desc,fsync,fdatasync,syncfs",
                                               "-E", std::string(probeVariable) + "=" + target_,
                                               // LeakSanitizer cannot run under a tracer.
                                               "-E", "ASAN_OPTIONS=detect_leaks=0",
                                               fs::read_symlink("/proc/self/exe").string()};
        const int exitCode =
            testing::runProgram(argv, "/dev/null", logs.path("out"), logs.path("err"));
        EXPECT_EQ(exitCode, 0) << logs.read("err");
        EXPECT_EQ(temp.read("hosts"), "127.0.0.1 localhost\r\n");
        return callsIn(logs.read("trace"));
    }

    static bool writes(const Call& call, const std::string& file) {
        static const std::vector<std::string> names = {"write",   "pwrite64", "writev",
                                                       "pwritev", "pwritev2", "ftruncate"};
        return std::ranges::find(names, call.name) != names.end() && call.file == file;
    }
    static bool flushes(const Call& call, const std::string& file) {
        return (call.name == "fsync" || call.name == "fdatasync") && !call.failed &&
               call.file == file;
    }
    // A rename, renameat or renameat2 that put a file in place of the target.
    bool renamesOverTheTarget(const Call& call) const {
        return call.name.starts_with("rename") && !call.failed && call.quoted.size() == 2 &&
               call.quoted[1] == target_;
    }
    // Index of the first call at or after from that matches, or calls.size().
    template <typename Match>
    static std::size_t find(const std::vector<Call>& calls, std::size_t from, Match match) {
        while (from < calls.size() && !match(calls[from])) ++from;
        return from;
    }

    TempFolder temp;  // holds the file that is written, and nothing else
    TempFolder logs;
    std::string strace_;
    std::string folder_;
    std::string target_;
};

TEST_F(DurableWrite, NewBytesReachTheDiskBeforeTheRenameAndTheRenameAfterIt) {
    const std::vector<Call> calls = tracedWrite();
    const std::size_t rename =
        find(calls, 0, [&](const Call& c) { return renamesOverTheTarget(c); });
    ASSERT_LT(rename, calls.size()) << "no rename over " << target_;
    const std::string temporary = calls[rename].quoted[0];
    ASSERT_NE(temporary, target_);

    std::size_t lastWrite = calls.size();
    for (std::size_t i = 0; i < rename; ++i) {
        if (writes(calls[i], temporary)) lastWrite = i;
    }
    ASSERT_LT(lastWrite, rename) << "the bytes were not written to " << temporary;
    EXPECT_LT(find(calls, lastWrite, [&](const Call& c) { return flushes(c, temporary); }), rename)
        << "the new bytes were not flushed before the rename";
    EXPECT_LT(find(calls, rename, [&](const Call& c) { return flushes(c, folder_); }), calls.size())
        << "the folder was not flushed after the rename";
}

TEST_F(DurableWrite, AFileRewrittenInPlaceReachesTheDisk) {
    // A file mounted onto itself cannot be replaced by a rename; a folder the user may not write
    // takes no temporary file. Either way the write falls back to rewriting the file in place.
    std::optional<testing::BindMountedFile> mounted;
    if (::geteuid() == 0) {
        mounted.emplace(temp.folder() / "hosts");
        if (!mounted->ready()) GTEST_SKIP() << "cannot mount a file here";
    } else {
        fs::permissions(temp.folder(), fs::perms(0500));
    }
    const std::vector<Call> calls = tracedWrite();
    fs::permissions(temp.folder(), fs::perms(0700));

    // No rename took the place of the file.
    EXPECT_EQ(find(calls, 0, [&](const Call& c) { return renamesOverTheTarget(c); }), calls.size());
    std::size_t lastWrite = calls.size();
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (writes(calls[i], target_)) lastWrite = i;
    }
    ASSERT_LT(lastWrite, calls.size()) << "the file was not rewritten in place";
    EXPECT_LT(find(calls, lastWrite, [&](const Call& c) { return flushes(c, target_); }),
              calls.size())
        << "the rewritten file was not flushed";
}

TEST_F(DurableWrite, ARewriteInPlaceKilledAtTheTruncateIsPutBackByTheNextSave) {
    // Old bytes longer than the new ones: cut off before the truncate, the file holds the new
    // first line followed by the old entries, and no localhost.
    const Bytes old = "# the machine's own\r\n127.0.0.1 localhost\r\n::1 ip6-localhost\r\n";
    temp.write("hosts", old);
    TempFolder untouched;
    untouched.write("hosts", old);
    testing::BindMountedFile mounted(temp.folder() / "hosts");
    if (!mounted.ready()) GTEST_SKIP() << "cannot mount a file here";
    const std::vector<std::string> argv = {strace_, "-f", "-qq", "-o", logs.path("trace"),
                                           "-e", "inject=ftruncate:signal=KILL",
                                           "-E", std::string(probeVariable) + "=" + target_,
                                           "-E", "ASAN_OPTIONS=detect_leaks=0",
                                           fs::read_symlink("/proc/self/exe").string()};
    testing::runProgram(argv, "/dev/null", logs.path("out"), logs.path("err"));
    ASSERT_NE(temp.read("hosts"), old) << "the write was not cut short in place";
    ASSERT_TRUE(fs::exists(temp.folder() / "hosts.tesmolen-old"));

    // The next save finds the old file, as a save of the file that was never cut short does.
    testing::TestProgram cut, whole;
    for (auto* t : {&cut, &whole}) t->ruleList().setCell(t->ruleList().appendRow("1"), 1, "A");
    cut.program.state.hostsPath = pathText(temp.folder() / "hosts");
    whole.program.state.hostsPath = untouched.path("hosts");
    saveRules(cut.program);
    saveRules(whole.program);
    EXPECT_EQ(temp.read("hosts"), untouched.read("hosts"));
    EXPECT_EQ(temp.names(), std::vector<std::string>{"hosts"});
}

}  // namespace
}  // namespace tesmolen
