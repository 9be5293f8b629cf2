// Saving as a user who may not write the hosts file: the bytes go to the program's elevated
// writer, whose answer alone decides between a save and a truthful failure. The command writer
// itself is run with a fake helper that records what it was given and exits with a chosen code.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "rules/save_rules.hpp"
#include "runtime/codepage.hpp"
#include "runtime/elevated_write.hpp"
#include "runtime/files.hpp"
#include "support/test_program.hpp"
#include "support/unprivileged.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::TestProgram;

const Bytes oldHosts = gbk(u8"#Old代码开始\r\n0.0.0.0 old.example\r\n#代码结束\r\n");
const Bytes newHosts = gbk(u8"#A代码开始\r\n0.0.0.0 ads.example\r\n#代码结束\r\n");
// What the helper reads: the byte count on a line of its own, then the bytes.
const Bytes newHostsAnnounced = std::to_string(newHosts.size()) + "\n" + newHosts;

class ElevatedSave : public ::testing::Test {
protected:
    ElevatedSave() {
        t.program.state.titleText = "Title";
        t.program.state.hostsPath = t.temp.path("hosts");
        t.temp.write("hosts", oldHosts);
        testing::makeUnwritable(t.program.state.hostsPath);
        testing::makeWritableForAll(records.folder().string());
        t.ruleList().setCell(t.ruleList().appendRow("1"), 1,
                             gbk(u8"A代码开始\r\n0.0.0.0 ads.example\r\n"));
    }

    // The fake helper: keeps its standard input in records/stdin, then exits with the code.
    CommandWriter fakeHelper(int exitCode) const {
        return CommandWriter({t.program.state.hostsPath,
                              {"/bin/sh", "-c", "cat > \"$0\"; exit " + std::to_string(exitCode),
                               records.path("stdin")}});
    }

    // Saves as the unprivileged user; gives the one message shown, as "box:" (the owned box of
    // a save) or "report:" (a failure report) and its text, then what the writer was given.
    std::string saveAsUser() {
        const auto shown = testing::runUnprivileged([this] {
            saveRules(t.program);
            std::string result;
            for (const auto& box : t.windows.boxes) result += "box:" + box.text;
            for (const auto& message : t.ui.messages) result += "report:" + message.text;
            for (const auto& [path, bytes] : t.elevatedWriter.writes) {
                result += "|wrote " + (path == t.program.state.hostsPath ? "hosts:" : path + ":") +
                          bytes;
            }
            return result;
        });
        return shown.value_or("the user could not run");
    }

    // Writes through the writer as the unprivileged user: "yes" when it says it wrote.
    std::string writeAsUser(ElevatedWriter& writer, const Text& path, const Bytes& bytes) {
        return testing::runUnprivileged([&] { return writeWholeFile(path, bytes, writer) ? "yes" : "no"; })
            .value_or("the user could not run");
    }

    TestProgram t;
    TempFolder records;
};

TEST_F(ElevatedSave, ARefusedSaveGoesToTheWriterWhoseAnswerAloneDecides) {
    for (const bool written : {true, false}) {
        SCOPED_TRACE(written);
        t.elevatedWriter.answer = written;
        EXPECT_EQ(saveAsUser(),
                  (written ? "box:" + savedMessage() : "report:" + saveFailedMessage()) +
                      "|wrote hosts:" + newHosts);
    }
}

TEST_F(ElevatedSave, AHostsFileItCannotKeepWholeIsNotSavedOver) {
    // One the user may not read, or one holding a zero byte: a save would lose its own text.
    t.elevatedWriter.answer = true;
    for (const bool unreadable : {true, false}) {
        SCOPED_TRACE(unreadable ? "unreadable" : "zero byte");
        if (unreadable && geteuid() != 0) continue;  // only root can make it unreadable to the user
        const Bytes hosts = unreadable ? oldHosts : oldHosts + Bytes("\0kept\r\n", 7);
        t.temp.write("hosts", hosts);
        fs::permissions(t.temp.folder() / "hosts",
                        unreadable ? fs::perms::owner_read | fs::perms::owner_write
                                   : fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        EXPECT_EQ(saveAsUser(), "report:" + saveFailedMessage());
        EXPECT_EQ(t.temp.read("hosts"), hosts);
    }
}

TEST_F(ElevatedSave, TheHelperReadsTheCountThenTheBytesAndItsExitCodeDecides) {
    // 126: authentication dismissed; 127: not authorised; anything else: the helper failed.
    for (int code : {0, 126, 127, 1, 2}) {
        SCOPED_TRACE(code);
        CommandWriter helper = fakeHelper(code);
        EXPECT_EQ(writeAsUser(helper, t.program.state.hostsPath, newHosts), code == 0 ? "yes" : "no");
        EXPECT_EQ(records.read("stdin"), newHostsAnnounced);
        EXPECT_EQ(t.temp.read("hosts"), oldHosts);
    }
}

TEST_F(ElevatedSave, OtherFilesNeverGoToTheHelper) {
    // A backup or an export into a folder the user may not write fails on its own.
    CommandWriter helper = fakeHelper(0);
    t.temp.write("bak.ad", "old backup");
    testing::makeUnwritable(t.temp.path("bak.ad"));
    EXPECT_EQ(writeAsUser(helper, t.temp.path("bak.ad"), "new"), "no");
    EXPECT_EQ(t.temp.read("bak.ad"), "old backup");
    EXPECT_FALSE(fileExists(records.path("stdin")));
}

TEST_F(ElevatedSave, HelperLeavingBeforeReadingIsAFailureNotACrash) {
    // More than a pipe holds, to a helper that exits at once with 0: the unread bytes cannot
    // have reached the file.
    CommandWriter helper({t.program.state.hostsPath, {"/bin/sh", "-c", "exit 0"}});
    EXPECT_EQ(writeAsUser(helper, t.program.state.hostsPath, Bytes(1 << 20, 'x')), "no");
    EXPECT_EQ(t.temp.read("hosts"), oldHosts);
}

}  // namespace
}  // namespace tesmolen
