// Every command that replaces a whole file (save, backup, export) against every way the write can
// fail: the command reports its own failure, never its success, the previous file stays byte for
// byte and nothing else appears beside it.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "rulefiles/backup_restore.hpp"
#include "rulefiles/import_export.hpp"
#include "rules/save_rules.hpp"
#include "runtime/files.hpp"
#include "support/fault_folders.hpp"
#include "support/test_program.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::TestProgram;

// The failure reports in GBK, spelled out so that a wrong code page shows.
const Text askForFeedback =
    "\r\n\xC8\xE7\xD3\xD0\xD0\xE8\xD2\xAA,\xC7\xEB\xCF\xF2\xB9\xD9\xB7\xBD\xB7\xB4\xC0\xA1";
const Text saveFailed = "\xCA\xFD\xBE\xDD\xB1\xA3\xB4\xE6\xCA\xA7\xB0\xDC" + askForFeedback;
const Text backupFailed = "\xCA\xFD\xBE\xDD\xB1\xB8\xB7\xDD\xCA\xA7\xB0\xDC" + askForFeedback;
const Text exportFailed = "\xB9\xE6\xD4\xF2\xB5\xBC\xB3\xF6\xCA\xA7\xB0\xDC" + askForFeedback;

// A command that writes one file, and how to aim it at a target with about `size` bytes to write.
struct WriteCommand {
    std::string name;
    std::string fileName;
    Text failedMessage;
    std::function<void(TestProgram&, const Text& target, std::size_t size)> prepare;
    std::function<void(Program&)> run;
};

void PrintTo(const WriteCommand& command, std::ostream* out) {
    *out << command.name;
}

const std::vector<WriteCommand>& writeCommands() {
    static const std::vector<WriteCommand> commands = {
        {"save", "hosts", saveFailed,
         [](TestProgram& t, const Text& target, std::size_t size) {
             t.program.state.hostsPath = target;
             t.ruleList().setCell(t.ruleList().appendRow("1"), 1, Text(size, 'h'));
         },
         saveRules},
        {"backup", "bak.ad", backupFailed,
         [](TestProgram& t, const Text& target, std::size_t size) {
             // The backup codes the hosts file, two letters a byte.
             t.program.state.backupPath = target;
             t.program.state.hostsPath = t.temp.path("hosts");
             t.temp.write("hosts", Text(size / 2, 'h'));
             t.ruleList().setCell(t.ruleList().appendRow("1"), 1, "h");
             t.ui.answerYes();
         },
         backupData},
        {"export", "rules.ad", exportFailed,
         [](TestProgram& t, const Text& target, std::size_t size) {
             t.ui.fakeFileDialog(unit::fileDialog).chooseNext(target);
             t.ui.fakeUnit(unit::previewBox).setText(Text(size / 2, 'e'));
         },
         exportRuleFile},
    };
    return commands;
}

// Bytes that a partial overwrite by the commands' letters would show. They start with a head
// line and hold no other line end, so they are one rule, which a save replaces.
Bytes previousBytes(std::size_t size) {
    const Bytes head = "#\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC\r\n";  // #代码开始, CR LF
    Bytes bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = i < head.size() ? head[i] : static_cast<char>(i * 7 % 251 + 1);
        if (bytes[i] == '\n' && i >= head.size()) bytes[i] = 'n';
    }
    return bytes;
}

void writeFile(const fs::path& file, const Bytes& bytes) {
    ASSERT_TRUE(writeWholeFile(pathText(file), bytes)) << file;
}

// Fills the disk to its last byte with a file of its own.
void fillUp(const fs::path& filler) {
    std::ofstream out;
    out.rdbuf()->pubsetbuf(nullptr, 0);
    out.open(filler, std::ios::binary);
    ASSERT_TRUE(out);
    const Bytes block(4096, 'f');
    while (out.write(block.data(), static_cast<std::streamsize>(block.size()))) {
    }
    out.clear();
    while (out.put('f')) {
    }
}

// The target of a write and everything that makes writing it fail. Locks and mounts are undone
// in the reverse order of their making, before the folders go.
class Scene {
public:
    ~Scene() {
        while (!held_.empty()) held_.pop_back();
    }

    template <typename Thing, typename... Args>
    Thing& hold(Args&&... args) {
        auto thing = std::make_shared<Thing>(std::forward<Args>(args)...);
        held_.push_back(thing);
        return *thing;
    }

    fs::path target;
    std::vector<fs::path> watched;  // folders whose content must not change
    std::size_t size = 8 * 1024;    // how much the command is given to write
    std::string skipReason;

private:
    std::vector<std::shared_ptr<void>> held_;
};

struct Fault {
    std::string name;
    void (*make)(Scene&, const std::string& fileName);
};

void PrintTo(const Fault& fault, std::ostream* out) {
    *out << fault.name;
}

const std::vector<Fault>& faults() {
    static const std::vector<Fault> table = {
        {"LockedFile",
         [](Scene& s, const std::string& fileName) {
             const auto& folder = s.hold<TempFolder>().folder();
             s.target = folder / fileName;
             s.watched = {folder};
             writeFile(s.target, previousBytes(4096));
             if (!s.hold<testing::LockedFile>(s.target).ready()) s.skipReason = "cannot lock";
         }},
        {"ReadOnlyMountedFile",
         [](Scene& s, const std::string& fileName) {
             const auto& folder = s.hold<TempFolder>().folder();
             s.target = folder / fileName;
             s.watched = {folder};
             writeFile(s.target, previousBytes(4096));
             if (!s.hold<testing::ReadOnlyMountedFile>(s.target).ready()) {
                 s.skipReason = "cannot mount";
             }
         }},
        {"HeldOpenWithoutWriteSharing",
         [](Scene& s, const std::string& fileName) {
             // Another program has the file open for reading and lets nobody write it.
             const auto& folder = s.hold<TempFolder>().folder();
             s.target = folder / fileName;
             s.watched = {folder};
             writeFile(s.target, previousBytes(4096));
             if (!s.hold<testing::HeldOpenFile>(s.target, false).ready()) {
                 s.skipReason = "no share modes on this system";
             }
         }},
        {"MissingFolder",
         [](Scene& s, const std::string& fileName) {
             const auto& folder = s.hold<TempFolder>().folder();
             s.target = folder / "missing" / fileName;
             s.watched = {folder};
         }},
        {"WriteErrorInTheMiddle",
         [](Scene& s, const std::string& fileName) {
             // 50 KB fit the empty disk, but not the 24 KB left beside the old file.
             auto& disk = s.hold<testing::SmallDisk>(64 * 1024);
             if (!disk.ready()) {
                 s.skipReason = "cannot mount a small tmpfs";
                 return;
             }
             s.target = disk.folder() / fileName;
             s.watched = {disk.folder()};
             s.size = 50 * 1024;
             writeFile(s.target, previousBytes(40 * 1024));
         }},
        {"InPlaceRewriteOutOfSpace",
         [](Scene& s, const std::string& fileName) {
             // A bind-mounted target cannot be renamed over, so it is rewritten in place, on a
             // disk too small for the new bytes: the old ones must go back.
             auto& disk = s.hold<testing::SmallDisk>(64 * 1024);
             const auto& folder = s.hold<TempFolder>().folder();
             if (!disk.ready()) {
                 s.skipReason = "cannot mount a small tmpfs";
                 return;
             }
             s.target = folder / fileName;
             s.watched = {folder, disk.folder()};
             s.size = 100 * 1024;
             writeFile(disk.folder() / "outside", previousBytes(40 * 1024));
             writeFile(s.target, "");
             if (!s.hold<testing::BindMount>(disk.folder() / "outside", s.target).ready()) {
                 s.skipReason = "cannot bind-mount";
             }
         }},
        {"OtherUsersLinkInASharedFolder",
         [](Scene& s, const std::string& fileName) {
             // In a sticky folder that everyone may write, another user's link leads to a file
             // of this user's: the system would not follow it, and neither may the write.
#ifdef _WIN32
             (void)fileName;
             s.skipReason = "sticky folders and the links of other users are POSIX's";
#else
             const auto& shared = s.hold<TempFolder>().folder();
             const auto& own = s.hold<TempFolder>().folder();
             s.target = shared / fileName;
             s.watched = {shared, own};
             writeFile(own / "victim", previousBytes(4096));
             fs::create_symlink(own / "victim", s.target);
             fs::permissions(shared, fs::perms(01777));
             const passwd* nobody = ::getpwnam("nobody");
             if (nobody == nullptr ||
                 ::lchown(s.target.c_str(), nobody->pw_uid, nobody->pw_gid) != 0) {
                 s.skipReason = "only root can make a link of another user's";
             }
#endif
         }},
        {"NoSpaceLeft",
         [](Scene& s, const std::string& fileName) {
             auto& disk = s.hold<testing::SmallDisk>(64 * 1024);
             if (!disk.ready()) {
                 s.skipReason = "cannot mount a small tmpfs";
                 return;
             }
             s.target = disk.folder() / fileName;
             s.watched = {disk.folder()};
             writeFile(s.target, previousBytes(4096));
             fillUp(disk.folder() / "filler");
         }},
    };
    return table;
}

// Every file under the folders with its bytes; folders as names alone.
std::map<fs::path, Bytes> contentOf(const std::vector<fs::path>& folders) {
    std::map<fs::path, Bytes> content;
    for (const fs::path& folder : folders) {
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            content[entry.path()] =
                entry.is_regular_file() ? readWholeFile(pathText(entry.path())) : "<folder>";
        }
    }
    return content;
}

std::vector<Text> reportsShown(const TestProgram& t) {
    std::vector<Text> reports;
    for (const auto& message : t.ui.messages) {
        if (message.buttons == MessageButtons::ok) reports.push_back(message.text);
    }
    return reports;
}

class WriteCommandFault : public ::testing::TestWithParam<std::tuple<WriteCommand, Fault>> {};

TEST_P(WriteCommandFault, IsReportedAndLeavesThePreviousFileWhole) {
    const auto& [command, fault] = GetParam();
    Scene scene;
    fault.make(scene, command.fileName);
    if (::testing::Test::HasFatalFailure()) return;
    if (!scene.skipReason.empty()) GTEST_SKIP() << scene.skipReason;

    TestProgram t;
    command.prepare(t, pathText(scene.target), scene.size);
    const auto before = contentOf(scene.watched);
    const auto rowsBefore = t.ruleList().bodies();
    command.run(t.program);

    EXPECT_EQ(reportsShown(t), std::vector<Text>{command.failedMessage});
    for (const auto& message : t.ui.messages) EXPECT_EQ(message.title, "Tesmolen");
    EXPECT_TRUE(t.windows.boxes.empty()) << "the save was confirmed";
    EXPECT_EQ(contentOf(scene.watched), before);
    EXPECT_EQ(t.ruleList().bodies(), rowsBefore);
    EXPECT_EQ(t.program.state.backupText, "");
}

// The same commands, aimed the same way at a plain folder or at a file mounted from elsewhere
// (rewritten in place, since no rename can replace it), do write: the faults above are what
// makes them fail. Nothing is left beside the file.
const std::vector<Fault>& soundPlaces() {
    static const std::vector<Fault> table = {
        {"PlainFolder",
         [](Scene& s, const std::string& fileName) {
             const auto& folder = s.hold<TempFolder>().folder();
             s.target = folder / fileName;
             s.watched = {folder};
             writeFile(s.target, previousBytes(4096));
         }},
        {"BindMountedFile",
         [](Scene& s, const std::string& fileName) {
             const auto& folder = s.hold<TempFolder>().folder();
             s.target = folder / fileName;
             s.watched = {folder};
             writeFile(folder / "outside", previousBytes(4096));
             writeFile(s.target, "");
             if (!s.hold<testing::BindMount>(folder / "outside", s.target).ready()) {
                 s.skipReason = "cannot bind-mount";
             }
         }},
    };
    return table;
}

std::vector<fs::path> namesIn(const std::vector<fs::path>& folders) {
    std::vector<fs::path> names;
    for (const auto& [name, bytes] : contentOf(folders)) names.push_back(name);
    return names;
}

class WriteCommandWithoutFault : public ::testing::TestWithParam<std::tuple<WriteCommand, Fault>> {};

TEST_P(WriteCommandWithoutFault, ReplacesTheFile) {
    const auto& [command, place] = GetParam();
    Scene scene;
    place.make(scene, command.fileName);
    if (::testing::Test::HasFatalFailure()) return;
    if (!scene.skipReason.empty()) GTEST_SKIP() << scene.skipReason;
    TestProgram t;
    const std::size_t size = 50 * 1024;
    command.prepare(t, pathText(scene.target), size);
    const auto namesBefore = namesIn(scene.watched);
    command.run(t.program);

    for (const Text& report : reportsShown(t)) EXPECT_NE(report, command.failedMessage);
    EXPECT_GE(fs::file_size(scene.target), size);
    EXPECT_LE(fs::file_size(scene.target), size + 64);
    EXPECT_EQ(namesIn(scene.watched), namesBefore);
}

std::string commandAndScene(const ::testing::TestParamInfo<std::tuple<WriteCommand, Fault>>& info) {
    return std::get<0>(info.param).name + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(AllCommands, WriteCommandFault,
                         ::testing::Combine(::testing::ValuesIn(writeCommands()),
                                            ::testing::ValuesIn(faults())),
                         commandAndScene);
INSTANTIATE_TEST_SUITE_P(AllCommands, WriteCommandWithoutFault,
                         ::testing::Combine(::testing::ValuesIn(writeCommands()),
                                            ::testing::ValuesIn(soundPlaces())),
                         commandAndScene);

}  // namespace
}  // namespace tesmolen
