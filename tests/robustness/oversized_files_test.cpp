// Files larger than the program reads, and commands that run out of memory: each command reports
// its own failure, writes nothing and the program goes on.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <new>

#include "app/application.hpp"
#include "app/bindings.hpp"
#include "rulefiles/backup_restore.hpp"
#include "rulefiles/import_export.hpp"
#include "rules/read_rules.hpp"
#include "rules/save_rules.hpp"
#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "support/test_program.hpp"
#include "textsvc/text_cipher.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;
using testing::FakeUi;
using testing::TestProgram;

// A command of the window, how to aim it at a file it reads, and the report of its failure.
struct ReadingCommand {
    std::string name;
    UnitName unit;
    UiEvent event;
    std::function<const Text&()> failedMessage;
    std::function<void(TestProgram&, const Text& file)> aim;
};

void PrintTo(const ReadingCommand& command, std::ostream* out) {
    *out << command.name;
}

const Text& rulesText() {
    static const Text text = "#A" + gbk(u8"代码开始") + "\r\n0.0.0.0 a.example\r\n#A" +
                             gbk(u8"代码结束") + "\r\n";
    return text;
}

void withOneRow(TestProgram& t) {
    t.ruleList().setCell(t.ruleList().appendRow("1"), 1, "A");
}

const std::vector<ReadingCommand>& readingCommands() {
    static const std::vector<ReadingCommand> commands = {
        {"read", unit::readButton, UiEvent::click, readFailedMessage,
         [](TestProgram& t, const Text& file) { t.program.state.hostsPath = file; }},
        {"import", unit::importButton, UiEvent::click, importFailedMessage,
         [](TestProgram& t, const Text& file) {
             t.ui.fakeFileDialog(unit::fileDialog).chooseNext(file);
         }},
        {"restore", unit::restoreItem, UiEvent::chosen, restoreFailedMessage,
         [](TestProgram& t, const Text& file) {
             t.program.state.backupPath = file;
             t.ui.answerYes();
         }},
        {"backup", unit::backupItem, UiEvent::chosen, backupFailedMessage,
         [](TestProgram& t, const Text& file) {
             t.program.state.hostsPath = file;
             t.program.state.backupPath = t.temp.path("bak.ad");
             withOneRow(t);
             t.ui.answerYes();
         }},
    };
    return commands;
}

class OversizedFile : public ::testing::TestWithParam<std::tuple<ReadingCommand, std::uintmax_t>> {};

TEST_P(OversizedFile, IsRefusedWithTheCommandsFailure) {
    const auto& [command, size] = GetParam();
    TestProgram t;
    const fs::path file = t.temp.folder() / "large";
    t.temp.write("large", "#A#");
    // Sparse: no disk is spent, but a reader that trusts the size asks for all of it.
    fs::resize_file(file, size);
    command.aim(t, pathText(file));
    const auto namesBefore = t.temp.names();
    raiseEvent(t.program, eventBindings(), command.unit, command.event);

    ASSERT_FALSE(t.ui.messages.empty());
    EXPECT_EQ(t.ui.messages.back().text, command.failedMessage());
    EXPECT_EQ(t.temp.names(), namesBefore);
}

// Just over the limit, and a terabyte where the file system takes one.
const std::vector<std::uintmax_t> oversizes = {
    largestFile + 1,
#ifndef _WIN32
    std::uintmax_t{1} << 40,
#endif
};

INSTANTIATE_TEST_SUITE_P(
    AllReadingCommands, OversizedFile,
    ::testing::Combine(::testing::ValuesIn(readingCommands()),
                       ::testing::ValuesIn(oversizes)),
    [](const auto& info) {
        return std::get<0>(info.param).name + "_" + std::to_string(std::get<1>(info.param));
    });

// Whatever a command was given, the memory it asks for may not be there.
class UiOutOfMemory : public FakeUi {
public:
    ReportList& list(UnitName name) override {
        if (outOfMemory) throw std::bad_alloc();
        return FakeUi::list(name);
    }
    Unit& unit(UnitName name) override {
        if (outOfMemory && name == unit::previewBox) throw std::bad_alloc();
        return FakeUi::unit(name);
    }
    bool outOfMemory = false;
};

TEST(OutOfMemory, EveryCommandThatReadsOrWritesAFileReportsItsOwnFailure) {
    struct Case {
        UnitName unit;
        UiEvent event;
        const Text& failed;
    };
    const Case cases[] = {
        {unit::readButton, UiEvent::click, readFailedMessage()},
        {unit::importButton, UiEvent::click, importFailedMessage()},
        {unit::restoreItem, UiEvent::chosen, restoreFailedMessage()},
        {unit::backupItem, UiEvent::chosen, backupFailedMessage()},
        {unit::saveButton, UiEvent::click, saveFailedMessage()},
        {unit::exportButton, UiEvent::click, exportFailedMessage()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.unit.begin(), c.unit.end()));
        TestProgram t;
        UiOutOfMemory ui;
        Program program{{}, ui, t.net, t.shell, t.windows, t.resolverCache, {}};
        t.temp.write("rules.ad", encodeText(rulesText(), ""));
        t.temp.write("hosts", rulesText());
        program.state.hostsPath = t.temp.path("hosts");
        program.state.backupPath = t.temp.path("rules.ad");
        ui.fakeFileDialog(unit::fileDialog).chooseNext(t.temp.path("rules.ad"));
        ui.answerYes();
        ui.outOfMemory = true;
        const Bytes ruleFileBefore = t.temp.read("rules.ad");
        raiseEvent(program, eventBindings(), c.unit, c.event);
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages.back().text, c.failed);
        EXPECT_EQ(t.temp.read("hosts"), rulesText());
        EXPECT_EQ(t.temp.read("rules.ad"), ruleFileBefore);
    }
}

}  // namespace
}  // namespace tesmolen
