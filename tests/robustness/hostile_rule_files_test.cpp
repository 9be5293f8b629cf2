// Rule files that are not what they claim: random bytes, zero bytes, letters out of range. What a
// file must give is known from how it was made: noise never gives rules, an undamaged rule file
// gives exactly the "#" pairs of the text it was made from. Of a damaged rule file the program
// may take the pairs of what it decodes to or refuse it; either way the list, the current rules
// text and the messages agree with each other.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "rulefiles/backup_restore.hpp"
#include "rulefiles/import_export.hpp"
#include "support/test_program.hpp"
#include "textsvc/text_cipher.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using namespace std::string_literals;
using testing::TestProgram;

// The bodies between the first and second "#", the third and fourth, and so on.
std::vector<Text> pairBodies(const Text& text) {
    std::vector<Text> bodies;
    std::size_t open = Text::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '#') continue;
        if (open == Text::npos) {
            open = i;
        } else {
            bodies.push_back(text.substr(open + 1, i - open - 1));
            open = Text::npos;
        }
    }
    return bodies;
}

// What a rule file holds for the program: its bytes up to the first zero, decoded.
Text decodedRuleFile(const Bytes& file) {
    return decodeText(file.substr(0, file.find('\0')), "Tesmolen");
}

std::vector<Text> numbersUpTo(std::size_t count) {
    std::vector<Text> numbers;
    for (std::size_t n = 1; n <= count; ++n) numbers.push_back(std::to_string(n));
    return numbers;
}

// A hostile file and what it must give.
struct HostileFile {
    enum class Gives { nothing, rules, eitherAgreeing };
    Bytes bytes;
    Gives gives = Gives::nothing;
    Text rulesText;  // the text it was made from, for Gives::rules
};

// Files of random bytes, random letters, and real rule files full of "#" with random damage.
std::vector<HostileFile> hostileRuleFiles() {
    using Gives = HostileFile::Gives;
    std::mt19937 random(20240611);
    auto below = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
    std::vector<HostileFile> files;
    for (const Bytes& tiny : {""s, "\0"s, "A"s, "AB"s, "ABC"s, "\0\0\0\0"s, "zz#"s}) {
        files.push_back({tiny, Gives::nothing, {}});
    }
    for (int i = 0; i < 20; ++i) {
        Bytes file(below(3000), '\0');
        for (char& c : file) c = static_cast<char>(below(256));
        files.push_back({file, Gives::nothing, {}});
    }
    for (int i = 0; i < 20; ++i) {
        Bytes file(below(3000), '\0');
        for (char& c : file) c = static_cast<char>('A' + below(26));
        files.push_back({file, Gives::nothing, {}});
    }
    for (int i = 0; i < 20; ++i) {
        // Rules texts of "#", letters, line ends and one Chinese character (GBK B0 A1).
        Text text;
        for (unsigned n = below(500); n > 0; --n) {
            const char* pieces[] = {"#", "a", "b", "\r\n", "\t", "\xB0\xA1"};
            text += pieces[below(6)];
        }
        HostileFile file{encodeTextWithSalt(text, "Tesmolen", "QZ"),
                         pairBodies(text).empty() ? Gives::nothing : Gives::rules, text};
        // Every other file keeps its letters whole.
        if (i % 2 != 0) file.gives = Gives::eitherAgreeing;
        for (unsigned damage = i % 2 == 0 ? 0 : below(12); damage > 0; --damage) {
            // Bytes beyond the letters, small letters, and now and then a zero.
            file.bytes[below(static_cast<unsigned>(file.bytes.size()))] =
                below(8) == 0 ? '\0' : static_cast<char>(below(256));
        }
        files.push_back(file);
    }
    return files;
}

// The text a file gave, when the program took rules from it.
Text givenText(const HostileFile& file) {
    return file.gives == HostileFile::Gives::rules ? file.rulesText : decodedRuleFile(file.bytes);
}

// Checks the program's choice against what the file must give.
void expectChoice(const HostileFile& file, bool tookRules) {
    if (file.gives != HostileFile::Gives::eitherAgreeing) {
        EXPECT_EQ(tookRules, file.gives == HostileFile::Gives::rules);
    }
}

class HostileRuleFile : public ::testing::Test {
protected:
    HostileRuleFile() {
        t.program.state.backupPath = t.temp.path("bak.ad");
        t.ruleList().setVisible(false);
    }

    void import(const Bytes& file) {
        t.temp.write("rules.ad", file);
        t.ui.fakeFileDialog(unit::fileDialog).chooseNext(t.temp.path("rules.ad"));
        importRuleFile(t.program);
    }

    void restore(const Bytes& file) {
        t.temp.write("bak.ad", file);
        t.ui.answerYes();
        restoreData(t.program);
    }

    TestProgram t;
};

TEST_F(HostileRuleFile, ImportAddsThePairsOfARulesTextAndNothingElse) {
    t.ruleList().setCell(t.ruleList().appendRow("1"), 1, "kept");
    std::vector<Text> bodies = {"kept"};
    std::vector<Text> numbers = {"1"};
    Text current = t.program.state.currentRulesText;
    for (const HostileFile& file : hostileRuleFiles()) {
        SCOPED_TRACE(::testing::PrintToString(file.bytes.substr(0, 40)));
        t.ui.messages.clear();
        import(file.bytes);
        const bool imported = t.ui.messages.empty();
        expectChoice(file, imported);
        if (imported) {
            current = givenText(file);
            const std::vector<Text> added = pairBodies(current);
            bodies.insert(bodies.end(), added.begin(), added.end());
            const std::vector<Text> addedNumbers = numbersUpTo(added.size());
            numbers.insert(numbers.end(), addedNumbers.begin(), addedNumbers.end());
        } else {
            EXPECT_EQ(t.ui.messages.size(), 1u);
        }
        EXPECT_EQ(t.ruleList().visible(), imported);
        EXPECT_EQ(t.program.state.currentRulesText, current);
        ASSERT_EQ(t.ruleList().bodies(), bodies);
        ASSERT_EQ(t.ruleList().numbers(), numbers);
        t.ruleList().setVisible(false);
    }
}

TEST_F(HostileRuleFile, RestoreReplacesTheRowsByThePairsOfARulesTextOnly) {
    for (const HostileFile& file : hostileRuleFiles()) {
        SCOPED_TRACE(::testing::PrintToString(file.bytes.substr(0, 40)));
        t.ruleList().setCell(t.ruleList().appendRow("9"), 1, "old");
        const std::vector<Text> before = t.ruleList().bodies();
        const Text current = t.program.state.currentRulesText;
        t.ui.messages.clear();
        restore(file.bytes);
        // The question, and a report only when nothing came back.
        const bool restored = t.ui.messages.size() == 1u;
        expectChoice(file, restored);
        if (!restored) {
            EXPECT_EQ(t.ui.messages.size(), 2u);
        }
        const Text given = restored ? givenText(file) : current;
        EXPECT_EQ(t.program.state.currentRulesText, given);
        ASSERT_EQ(t.ruleList().bodies(), restored ? pairBodies(given) : before);
        if (restored) {
            EXPECT_EQ(t.ruleList().numbers(), numbersUpTo(pairBodies(given).size()));
        }
    }
}

TEST_F(HostileRuleFile, AZeroByteEndsWhatTheFileHolds) {
    const Bytes twoRules = encodeTextWithSalt("#a#\r\n#b#\r\n", "Tesmolen", "QZ");
    // A zero in the file, after the letters of the first rule.
    const Bytes zeroInTheFile = twoRules.substr(0, 2 + 2 * 3) + '\0' + twoRules.substr(8);
    // A zero in the text the letters code.
    const Bytes zeroInTheText = encodeTextWithSalt("#a#\0#b#"s, "Tesmolen", "QZ");
    for (const Bytes& file : {zeroInTheFile, zeroInTheText}) {
        t.ruleList().deleteAllRows();
        import(file);
        EXPECT_EQ(t.ruleList().bodies(), std::vector<Text>{"a"});
        restore(file);
        EXPECT_EQ(t.ruleList().bodies(), std::vector<Text>{"a"});
        EXPECT_EQ(t.program.state.currentRulesText, "#a#");
    }
}

}  // namespace
}  // namespace tesmolen
