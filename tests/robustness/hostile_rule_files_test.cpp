// Rule files that are not what they claim: random bytes, zero bytes, letters out of range. Import
// and restore take from them exactly the rules of what they decode to when that is a rules text,
// refuse them otherwise, and leave the list in a state that agrees with its rows.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string_view>
#include <string>
#include <vector>

#include "rulefiles/backup_restore.hpp"
#include "rulefiles/import_export.hpp"
#include "runtime/codepage.hpp"
#include "support/test_program.hpp"
#include "textsvc/text_cipher.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using namespace std::string_literals;
using testing::TestProgram;

const Text begins = "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC";  // 代码开始

// The rules of a text, read plainly: each "#" that starts a line and whose line, up to the next
// "#" or LF (one CR before the LF left out), ends in 代码开始 opens one; its body runs to the next
// "#" or to the end.
std::vector<Text> ruleBodies(const Text& text) {
    std::vector<Text> bodies;
    for (std::size_t at = text.find('#'); at != Text::npos;) {
        const std::size_t next = text.find('#', at + 1);
        const std::size_t bodyEnd = next == Text::npos ? text.size() : next;
        const std::size_t lineEnd = std::min(text.find('\n', at), bodyEnd);
        std::string_view line(text.data() + at + 1, lineEnd - at - 1);
        if (lineEnd < text.size() && text[lineEnd] == '\n' && line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if ((at == 0 || text[at - 1] == '\n') && line.ends_with(begins)) {
            bodies.push_back(text.substr(at + 1, bodyEnd - at - 1));
        }
        at = next;
    }
    return bodies;
}

// What a rule file holds for the program: its bytes up to the first zero, decoded.
Text decodedRuleFile(const Bytes& file) {
    return decodeText(file.substr(0, file.find('\0')), "Tesmolen");
}

// A rules text holds none of these; another key decodes to them.
const Text controlBytes = [] {
    Text bytes;
    for (char c = 1; c < 0x20; ++c) {
        if (c != '\r' && c != '\n' && c != '\t') bytes += c;
    }
    return bytes;
}();

std::vector<Text> numbersUpTo(std::size_t count) {
    std::vector<Text> numbers;
    for (std::size_t n = 1; n <= count; ++n) numbers.push_back(std::to_string(n));
    return numbers;
}

// Files of random bytes, random letters, and real rule files full of "#" with random damage.
std::vector<Bytes> hostileRuleFiles() {
    std::mt19937 random(20240611);
    auto below = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
    std::vector<Bytes> files = {""s, "\0"s, "A"s, "AB"s, "ABC"s, "\0\0\0\0"s, "zz#"s};
    for (int i = 0; i < 20; ++i) {
        Bytes file(below(3000), '\0');
        for (char& c : file) c = static_cast<char>(below(256));
        files.push_back(file);
    }
    for (int i = 0; i < 20; ++i) {
        Bytes file(below(3000), '\0');
        for (char& c : file) c = static_cast<char>('A' + below(26));
        files.push_back(file);
    }
    for (int i = 0; i < 20; ++i) {
        // Rules texts of "#", 代码开始, letters, line ends and one Chinese character (GBK B0 A1).
        Text text;
        for (unsigned n = below(500); n > 0; --n) {
            const std::string pieces[] = {"#", "a", "\r\n", "\t", "\xB0\xA1", begins, "\n#"};
            text += pieces[below(7)];
        }
        Bytes file = encodeTextWithSalt(text, "Tesmolen", "QZ");
        // Every other file keeps its letters whole.
        for (unsigned damage = i % 2 == 0 ? 0 : below(12); damage > 0; --damage) {
            // Bytes beyond the letters, small letters, and now and then a zero.
            file[below(static_cast<unsigned>(file.size()))] =
                below(8) == 0 ? '\0' : static_cast<char>(below(256));
        }
        files.push_back(file);
    }
    return files;
}

class HostileRuleFile : public ::testing::Test {
protected:
    HostileRuleFile() {
        t.program.state.backupPath = t.temp.path("bak.ad");
        t.ruleList().setVisible(false);
        // Whatever their entries point at: what is taken is the point here.
        t.ui.answerYesToEveryQuestion();
    }

    void import(const Bytes& file) {
        t.temp.write("rules.ad", file);
        t.ui.fakeFileDialog(unit::fileDialog).chooseNext(t.temp.path("rules.ad"));
        importRuleFile(t.program);
    }

    void restore(const Bytes& file) {
        t.temp.write("bak.ad", file);
        restoreData(t.program);
    }

    // The boxes with an OK button only: failures, not questions.
    std::size_t reports() const {
        return static_cast<std::size_t>(std::ranges::count(t.ui.messages, MessageButtons::ok,
                                                           &testing::ShownMessage::buttons));
    }

    TestProgram t;
};

TEST_F(HostileRuleFile, ImportAddsThePairsOfARulesTextAndNothingElse) {
    t.ruleList().setCell(t.ruleList().appendRow("1"), 1, "kept");
    std::vector<Text> bodies = {"kept"};
    std::vector<Text> numbers = {"1"};
    Text current = t.program.state.currentRulesText;
    std::size_t imported = 0;
    const std::vector<Bytes> files = hostileRuleFiles();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const Bytes& file = files[i];
        SCOPED_TRACE(::testing::PrintToString(file.substr(0, 40)));
        t.ui.messages.clear();
        import(file);
        const Text decoded = decodedRuleFile(file);
        const std::vector<Text> added = ruleBodies(decoded);
        if (!added.empty() && isGbk(decoded) && decoded.find_first_of(controlBytes) == Text::npos) {
            EXPECT_GE(i, files.size() - 20) << "noise imported";
            ++imported;
            bodies.insert(bodies.end(), added.begin(), added.end());
            const std::vector<Text> addedNumbers = numbersUpTo(added.size());
            numbers.insert(numbers.end(), addedNumbers.begin(), addedNumbers.end());
            current = decoded;
            EXPECT_EQ(reports(), 0u);
            EXPECT_TRUE(t.ruleList().visible());
        } else {
            EXPECT_EQ(reports(), 1u);
            EXPECT_FALSE(t.ruleList().visible());
        }
        EXPECT_EQ(t.program.state.currentRulesText, current);
        ASSERT_EQ(t.ruleList().bodies(), bodies);
        ASSERT_EQ(t.ruleList().numbers(), numbers);
        t.ruleList().setVisible(false);
    }
    // The undamaged rule files, at least, hold rules; random bytes and letters never do.
    EXPECT_GE(imported, 10u);
}

TEST_F(HostileRuleFile, RestoreReplacesTheRowsByThePairsOfARulesTextOnly) {
    for (const Bytes& file : hostileRuleFiles()) {
        SCOPED_TRACE(::testing::PrintToString(file.substr(0, 40)));
        t.ruleList().setCell(t.ruleList().appendRow("9"), 1, "old");
        const std::vector<Text> before = t.ruleList().bodies();
        const Text current = t.program.state.currentRulesText;
        t.ui.messages.clear();
        restore(file);
        const Text decoded = decodedRuleFile(file);
        const std::vector<Text> added = ruleBodies(decoded);
        const bool restored = !added.empty() && isGbk(decoded) &&
                              decoded.find_first_of(controlBytes) == Text::npos;
        const std::vector<Text> bodies = restored ? added : before;

        EXPECT_EQ(t.program.state.currentRulesText, restored ? decoded : current);
        ASSERT_EQ(t.ruleList().bodies(), bodies);
        if (restored) {
            EXPECT_EQ(t.ruleList().numbers(), numbersUpTo(bodies.size()));
        }
        // A report only when nothing came back.
        EXPECT_EQ(reports(), restored ? 0u : 1u);
    }
}

TEST_F(HostileRuleFile, AZeroByteEndsWhatTheFileHolds) {
    const Text first = "#a" + begins + "#";
    const Bytes twoRules = encodeTextWithSalt(first + "\r\n#b" + begins + "#\r\n", "Tesmolen", "QZ");
    // A zero in the file, after the letters of the first rule.
    const std::size_t letters = 2 + 2 * first.size();
    const Bytes zeroInTheFile = twoRules.substr(0, letters) + '\0' + twoRules.substr(letters);
    // A zero in the text the letters code.
    const Bytes zeroInTheText = encodeTextWithSalt(first + "\0#b"s + begins + "#", "Tesmolen", "QZ");
    for (const Bytes& file : {zeroInTheFile, zeroInTheText}) {
        t.ruleList().deleteAllRows();
        import(file);
        EXPECT_EQ(t.ruleList().bodies(), std::vector<Text>{"a" + begins});
        restore(file);
        EXPECT_EQ(t.ruleList().bodies(), std::vector<Text>{"a" + begins});
        EXPECT_EQ(t.program.state.currentRulesText, first);
    }
}

}  // namespace
}  // namespace tesmolen
