#include "rulefile_command.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "rules/hosts_text.hpp"
#include "rules/read_rules.hpp"
#include "rules/rule_texts.hpp"
#include "runtime/codepage.hpp"
#include "support/test_program.hpp"

namespace tesmolen::tools {
namespace {

using Parsed = std::variant<RuleFileCommand, std::string>;

Parsed parse(std::vector<std::string_view> args) {
    return parseArguments(args);
}

RuleFileCommand commandOf(std::vector<std::string_view> args) {
    Parsed parsed = parse(std::move(args));
    if (auto* error = std::get_if<std::string>(&parsed)) ADD_FAILURE() << *error;
    return std::get_if<RuleFileCommand>(&parsed) ? std::get<RuleFileCommand>(parsed)
                                                 : RuleFileCommand{};
}

TEST(RuleFileArguments, DefaultsAndOptions) {
    RuleFileCommand encode = commandOf({"encode"});
    EXPECT_EQ(encode.action, RuleFileAction::encode);
    EXPECT_EQ(encode.key, "Tesmolen");
    EXPECT_FALSE(encode.salt);

    encode = commandOf({"encode", "--salt", "QZ", "--key", "k y"});
    EXPECT_EQ(encode.key, "k y");
    EXPECT_EQ(encode.salt, "QZ");

    encode = commandOf({"encode", "--key=", "--salt=AZ"});
    EXPECT_EQ(encode.key, "");
    EXPECT_EQ(encode.salt, "AZ");

    // Keys and texts are typed as UTF-8 and used in GBK, as the program's title is.
    const Text gbkKey = gbk(u8"广告");
    RuleFileCommand decode = commandOf({"decode", "--key", "\xE5\xB9\xBF\xE5\x91\x8A"});
    EXPECT_EQ(decode.action, RuleFileAction::decode);
    EXPECT_EQ(decode.key, gbkKey);
    EXPECT_EQ(commandOf({"decode", "--key-bytes=B9e3b8E6"}).key, gbkKey);
    encode = commandOf({"encode", "--salt", "QZ", "--text", "\xE5\xB9\xBF/hosts"});
    EXPECT_EQ(encode.text, gbk(u8"广/hosts"));
    EXPECT_EQ(runCommand(encode, "ignored"), runCommand(encode, ""));

    EXPECT_EQ(commandOf({"rows"}).action, RuleFileAction::rows);
    EXPECT_EQ(commandOf({"hosts"}).action, RuleFileAction::hosts);
    EXPECT_EQ(commandOf({"--help"}).action, RuleFileAction::help);
}

TEST(RuleFileArguments, BadArgumentsAreRefused) {
    const std::vector<std::vector<std::string_view>> bad = {
        {},
        {"unknown"},
        {"Encode"},
        {"encode", "--salt", "qz"},
        {"encode", "--salt", "Q"},
        {"encode", "--salt", "QZA"},
        {"encode", "--salt", "Q1"},
        {"encode", "--salt", ""},
        {"encode", "--salt"},
        {"encode", "--key"},
        {"encode", "--key", "a", "--key", "b"},
        {"encode", "--key", "a", "--key-bytes", "41"},
        {"encode", "--key", "\xC6\xC1"},
        {"encode", "--text", "\xF0\x9F\x98\x80"},
        {"encode", "--text", "a", "--text", "b"},
        {"encode", "--key-bytes", "4"},
        {"encode", "--key-bytes", "00"},
        {"decode", "--text", "x"},
        {"encode", "--salt", "AB", "--salt", "CD"},
        {"encode", "extra"},
        {"encode", "--keys", "a"},
        {"decode", "--salt", "QZ"},
        {"rows", "--key", "k"},
        {"hosts", "x"},
        {"--help", "encode"},
    };
    for (const auto& args : bad) {
        Parsed parsed = parse(args);
        std::string shown;
        for (auto a : args) shown += std::string(a) + ' ';
        EXPECT_TRUE(std::holds_alternative<std::string>(parsed)) << shown;
    }
}

TEST(RuleFileRows, BodiesAreEscapedOnOneLine) {
    EXPECT_EQ(escapedBody("a\\b\r\n\tc d"), "a\\\\b\\r\\n\\tc d");
    const Text chinese = gbk(u8"站点代码开始") + "\x80\xFF";
    EXPECT_EQ(escapedBody(chinese), chinese);
    EXPECT_EQ(rowLines(gbk(u8"# note\r\n#a\\代码开始\r\n\t#z")),
              "1\ta\\\\" + gbk(u8"代码开始") + "\\r\\n\\t\n");
    EXPECT_EQ(rowLines("no rule #"), "");
}

TEST(RuleFileRows, AgreeWithTheProgramsReadAndSave) {
    // A hosts file the program wrote, with foreign lines among its rules.
    const Text foreign = "127.0.0.1 localhost\r\n# comment\r\n";
    const Text rulesText = foreign +
                           composeRuleBlock(gbk(u8"站点代码开始\r\n0.0.0.0 ads.example\r\n")) +
                           composeRuleBlock("") + "#unpaired";
    testing::TestProgram t;
    t.temp.write("hosts", rulesText);
    t.program.state.hostsPath = t.temp.path("hosts");
    readRules(t.program);
    ASSERT_EQ(t.ruleList().rowCount(), 1);

    Text expectedLines;
    for (const auto& row : t.ruleList().rows()) {
        expectedLines += row.column0 + "\t" + escapedBody(row.column1) + "\n";
    }
    EXPECT_EQ(rowLines(rulesText), expectedLines);
    // The lines outside the rules stay ahead of the rule blocks, as a save keeps them.
    const Text saved = foreign + composeRuleBlock("") + "#unpaired\r\n" + hostsTextOf(t.ruleList());
    EXPECT_EQ(hostsTextOfRules(rulesText), saved);
    // Saving what a save wrote changes nothing.
    EXPECT_EQ(hostsTextOfRules(saved), saved);
}

TEST(RuleFileCommands, CodeWithTheProgramsCipher) {
    RuleFileCommand encode = commandOf({"encode", "--salt", "QZ"});
    EXPECT_EQ(runCommand(encode, gbk(u8"#A代码开始\r\n0.0.0.0 h1\r\n#代码结束\r\n")),
              "QZHHMIACDEFADJOHPFHCPINFBEPIKIBHNGFGBGEPINMFACCNNGBCNPIGMBOLPADHEJMAKAJB");
    EXPECT_EQ(runCommand(commandOf({"decode"}), "AANN"), "#");
    const Text random = runCommand(commandOf({"encode", "--key", "k"}), "text").value();
    EXPECT_EQ(random.size(), 10u);
    EXPECT_EQ(runCommand(commandOf({"decode", "--key", "k"}), random), "text");
}

}  // namespace
}  // namespace tesmolen::tools
