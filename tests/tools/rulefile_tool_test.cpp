// Runs the built tesmolen-rulefile as a user would, through its standard streams.

#include <gtest/gtest.h>

#include <regex>
#include <vector>

#include "rules/hosts_text.hpp"
#include "rules/read_rules.hpp"
#include "rules/rule_texts.hpp"
#include "rules/save_rules.hpp"
#include "runtime/codepage.hpp"
#include "support/child_process.hpp"
#include "support/source_tree.hpp"
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

std::string hexOf(std::string_view bytes) {
    std::string hex;
    for (char c : bytes) {
        const char* digits = "0123456789abcdef";
        hex += digits[static_cast<unsigned char>(c) >> 4];
        hex += digits[static_cast<unsigned char>(c) & 15];
    }
    return hex;
}

TEST(RuleFileTool, RoundTripsEveryByteUnderAnyKey) {
    Bytes text;
    for (int round = 0; round < 3; ++round) {
        for (int b = 1; b <= 255; ++b) text += static_cast<char>(b);
    }
    const std::string gbkKey = gbk(u8"广告Tesmolen");
    const std::string gbkKeyHex = "b9e3b8e6" + hexOf("Tesmolen");
    for (const std::vector<std::string>& key : {std::vector<std::string>{},
                                                {"--key", "\xE5\xB9\xBF\xE5\x91\x8ATesmolen"},
                                                {"--key-bytes", gbkKeyHex},
                                                {"--key", ""}}) {
        std::vector<std::string> encode{"encode"};
        encode.insert(encode.end(), key.begin(), key.end());
        const Bytes cipher = run(encode, text);
        ASSERT_EQ(cipher.size(), 2 + 2 * text.size());
        std::vector<std::string> decode{"decode"};
        decode.insert(decode.end(), key.begin(), key.end());
        EXPECT_EQ(run(decode, cipher), text);
        // The library reads what the tool wrote, and the other way round.
        const Text libraryKey = key.empty() ? "Tesmolen" : key[1].empty() ? "" : gbkKey;
        EXPECT_EQ(decodeText(cipher, libraryKey), text);
        EXPECT_EQ(run(decode, encodeText(text, libraryKey)), text);
    }
}

TEST(RuleFileTool, TypedKeyCodesAsTheProgramsTitle) {
    // The title of the program, typed in a UTF-8 terminal, makes the file the program makes.
    const Text rules = gbk(u8"#站点代码开始\r\n0.0.0.0 ads\r\n#代码结束\r\n");
    const Text title = gbk(u8"屏蔽规则");
    EXPECT_EQ(run({"encode", "--key", "屏蔽规则", "--salt", "KQ"}, rules),
              encodeTextWithSalt(rules, title, "KQ"));
    EXPECT_EQ(run({"decode", "--key=屏蔽规则"}, encodeText(rules, title)), rules);
    // Without a GBK form, or not UTF-8, the key is refused rather than guessed.
    for (const char* key : {"\xF0\x9F\x98\x80", "\xC6\xC1"}) {
        ToolRun refused = runTool({"encode", "--key", key}, rules);
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_EQ(refused.out, "");
        EXPECT_NE(refused.err.find("no GBK form"), Bytes::npos) << refused.err;
    }
    for (const char* hex : {"b9e3b", "zz", "4100"}) {
        EXPECT_EQ(runTool({"decode", "--key-bytes", hex}, "AA").exitCode, 2) << hex;
    }
}

TEST(RuleFileTool, DecodeEndsAtTheFirstZeroByteAsTheProgramReads) {
    const Bytes cipher = encodeTextWithSalt("#a#", "Tesmolen", "QZ");
    const Bytes damaged = cipher.substr(0, 4) + std::string(1, '\0') + cipher.substr(4);
    EXPECT_EQ(run({"decode"}, damaged), decodeText(toText(damaged), "Tesmolen"));
    EXPECT_EQ(run({"decode"}, damaged), "#");
    const Text rule = gbk(u8"#a代码开始\r\n");
    EXPECT_EQ(run({"rows"}, rule + std::string(1, '\0') + rule), "1\ta" + gbk(u8"代码开始") + "\\r\\n\n");
    // A save would lose what follows the zero byte: hosts refuses it and writes nothing.
    const ToolRun refused = runTool({"hosts"}, rule + std::string(1, '\0') + rule);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("zero byte"), Bytes::npos) << refused.err;
}

TEST(RuleFileTool, GivenSaltGivesTheKnownCipherText) {
    EXPECT_EQ(run({"encode", "--salt", "QZ"}, gbk(u8"#A代码开始\r\n0.0.0.0 h1\r\n#代码结束\r\n")),
              "QZHHMIACDEFADJOHPFHCPINFBEPIKIBHNGFGBGEPINMFACCNNGBCNPIGMBOLPADHEJMAKAJB");
    EXPECT_EQ(run({"encode", "--salt", "QZ"}, ""), "QZ");
    EXPECT_EQ(run({"decode"}, "AANN"), "#");
}

TEST(RuleFileTool, RowsAndHostsAgreeWithTheProgram) {
    const Text hosts = composeRuleBlock(gbk(u8"站点代码开始\r\n0.0.0.0 ads.example\r\n")) +
                       "127.0.0.1 localhost\t# between #\r\n" + composeRuleBlock(gbk(u8"b\\c代码开始"));
    testing::TestProgram t;
    t.temp.write("hosts", hosts);
    t.program.state.hostsPath = t.temp.path("hosts");
    readRules(t.program);

    EXPECT_EQ(run({"rows"}, hosts), "1\t" + gbk(u8"站点代码开始") +
                                        "\\r\\n0.0.0.0 ads.example\\r\\n\n"
                                        "2\tb\\\\c" + gbk(u8"代码开始") + "\n");
    // hosts writes what a save writes over a file holding the text.
    saveRules(t.program);
    EXPECT_EQ(run({"hosts"}, hosts), t.temp.read("hosts"));
    EXPECT_EQ(t.temp.read("hosts"), "127.0.0.1 localhost\t# between #\r\n" + hostsTextOf(t.ruleList()));
    EXPECT_EQ(run({"rows"}, "nothing here"), "");
    EXPECT_EQ(run({"hosts"}, "nothing here"), "nothing here\r\n");
}

// The cipher text that the build stores as the hosts path when it is configured with this path.
std::optional<Text> storedHostsPath(const std::string& hostsPath) {
    TempFolder temp;
    temp.write("in", "");
    const std::vector<std::string> cmake = {
        TESMOLEN_CMAKE_COMMAND,
        "-DTOOL=" TESMOLEN_RULEFILE_TOOL,
        "-DOUTPUT=" + temp.path("stored_values.cpp"),
        "-DWEB_HOST=web",
        "-DRULE_HOST=rule",
        "-DHOSTS_PATH=" + hostsPath,
        "-P",
        (testing::sourceTree() / "cmake/scripts/generate_stored_values.cmake").string()};
    if (testing::runProgram(cmake, temp.path("in"), temp.path("out"), temp.path("err")) != 0) {
        return std::nullopt;
    }
    std::smatch hosts;
    const std::string made = temp.read("stored_values.cpp");
    if (!std::regex_search(made, hosts, std::regex(R"re(\{"([A-Z]+)", "etc"\})re"))) return "";
    return hosts[1].str();
}

TEST(RuleFileTool, BuildStoresAHostsPathInGbk) {
#ifdef _WIN32
    GTEST_SKIP() << "runs the build's script with the build's own CMake, a program of the build "
                    "machine";
#endif
    const auto stored = storedHostsPath("/srv/\xE4\xB8\xBB\xE6\x9C\xBA/hosts");  // 主机
    ASSERT_TRUE(stored);
    EXPECT_EQ(decodeText(*stored, "etc"), gbk(u8"/srv/主机/hosts"));
    // A path the program could not hold as a text stops the build.
    EXPECT_FALSE(storedHostsPath("/srv/\xF0\x9F\x98\x80/hosts"));
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
