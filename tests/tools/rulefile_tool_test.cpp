// Runs the built tesmolen-rulefile as a user would, through its standard streams.

#include <gtest/gtest.h>

#include <vector>

#include "rules/hosts_text.hpp"
#include "rules/read_rules.hpp"
#include "rules/rule_texts.hpp"
#include "runtime/codepage.hpp"
#include "support/child_process.hpp"
#include "support/test_program.hpp"
#include "textsvc/text_cipher.hpp"

namespace tesmolen {
namespace {

using testing::TempFolder;

struct ToolRun {
    int exitCode = -1;
    Bytes out;
    Bytes err;
};

// Runs the tool with its standard streams on these files; its exit code, or -1.
int spawnTool(const std::vector<std::string>& args, const std::string& in, const std::string& out,
              const std::string& err) {
    std::vector<std::string> argv{TESMOLEN_RULEFILE_TOOL};
    argv.insert(argv.end(), args.begin(), args.end());
    return testing::runProgram(std::move(argv), in, out, err);
}

ToolRun runTool(const std::vector<std::string>& args, const Bytes& input) {
    TempFolder temp;
    temp.write("in", input);
    ToolRun run;
    run.exitCode = spawnTool(args, temp.path("in"), temp.path("out"), temp.path("err"));
    run.out = temp.read("out");
    run.err = temp.read("err");
    return run;
}

Bytes run(const std::vector<std::string>& args, const Bytes& input) {
    ToolRun r = runTool(args, input);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return r.out;
}

TEST(RuleFileTool, RoundTripsEveryByteUnderAnyKey) {
    Bytes text;
    for (int round = 0; round < 3; ++round) {
        for (int b = 1; b <= 255; ++b) text += static_cast<char>(b);
    }
    const std::string gbkKey = gbk(u8"广告Tesmolen");
    for (const std::vector<std::string>& key :
         {std::vector<std::string>{}, {"--key", gbkKey}, {"--key", ""}}) {
        std::vector<std::string> encode{"encode"};
        encode.insert(encode.end(), key.begin(), key.end());
        const Bytes cipher = run(encode, text);
        ASSERT_EQ(cipher.size(), 2 + 2 * text.size());
        std::vector<std::string> decode{"decode"};
        decode.insert(decode.end(), key.begin(), key.end());
        EXPECT_EQ(run(decode, cipher), text);
        // The library reads what the tool wrote, and the other way round.
        EXPECT_EQ(decodeText(cipher, key.empty() ? "Tesmolen" : key[1]), text);
    }
    const Bytes fromLibrary = encodeText(text, gbkKey);
    EXPECT_EQ(run({"decode", "--key", gbkKey}, fromLibrary), text);
}

TEST(RuleFileTool, GivenSaltGivesTheKnownCipherText) {
    EXPECT_EQ(run({"encode", "--salt", "QZ"}, gbk(u8"#A代码开始\r\n0.0.0.0 h1\r\n#代码结束\r\n")),
              "QZHHMIACDEFADJOHPFHCPINFBEPIKIBHNGFGBGEPINMFACCNNGBCNPIGMBOLPADHEJMAKAJB");
    EXPECT_EQ(run({"encode", "--salt", "QZ"}, ""), "QZ");
    EXPECT_EQ(run({"decode"}, "AANN"), "#");
}

TEST(RuleFileTool, RowsAndHostsAgreeWithTheProgram) {
    const Text hosts = composeRuleBlock(gbk(u8"站点代码开始\r\n0.0.0.0 ads.example\r\n")) +
                       "127.0.0.1 localhost\t# between #\r\n" + composeRuleBlock("b\\c");
    testing::TestProgram t;
    t.temp.write("hosts", hosts);
    t.program.state.hostsPath = t.temp.path("hosts");
    readRules(t.program);

    EXPECT_EQ(run({"rows"}, hosts), "1\t" + gbk(u8"站点代码开始") +
                                        "\\r\\n0.0.0.0 ads.example\\r\\n\n"
                                        "2\t between \n"
                                        "3\tb\\\\c\n");
    EXPECT_EQ(run({"hosts"}, hosts), hostsTextOf(t.ruleList()));
    EXPECT_EQ(run({"rows"}, "nothing here"), "");
    EXPECT_EQ(run({"hosts"}, "nothing here"), "");
}

TEST(RuleFileTool, BadArgumentsGiveUsageAndExitCodeTwo) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"encode", "--salt", "qz"}, {"decode", "--salt", "QZ"}, {"frobnicate"}}) {
        ToolRun r = runTool(args, "#a#");
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage: tesmolen-rulefile"), Bytes::npos) << r.err;
    }
    ToolRun help = runTool({"--help"}, "");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("usage: tesmolen-rulefile"), Bytes::npos);
}

TEST(RuleFileTool, OutputThatCannotBeWrittenIsAnError) {
    TempFolder temp;
    temp.write("in", "text");
    EXPECT_EQ(spawnTool({"encode"}, temp.path("in"), "/dev/full", temp.path("err")), 1);
    EXPECT_NE(temp.read("err").find("cannot write"), Bytes::npos);
}

}  // namespace
}  // namespace tesmolen
