#include <gtest/gtest.h>

#include <random>

#include "rules/read_rules.hpp"
#include "rules/save_rules.hpp"
#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

using namespace std::string_literals;
using testing::TestProgram;

class HostileRead : public ::testing::Test {
protected:
    void read(const Bytes& hosts) {
        t.temp.write("hosts", hosts);
        t.program.state.hostsPath = t.temp.path("hosts");
        readRules(t.program);
    }
    TestProgram t;
};

TEST_F(HostileRead, FiftyMegabyteHostsFile) {
    Bytes section = "# section\r\n#" + gbk(u8"广告代码开始") + "\r\n";
    for (int i = 0; i < 200; ++i) section += "0.0.0.0 ads" + std::to_string(i) + ".example.com\r\n";
    Bytes hosts;
    hosts.reserve(51u << 20);
    int blocks = 0;
    for (; hosts.size() < (50u << 20); ++blocks) hosts += section;
    read(hosts);
    // Each head opens a rule, which the comment of the next section ends.
    EXPECT_EQ(t.ruleList().rowCount(), blocks);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(HostileRead, OneMillionHashesAndHalfAMillionHeads) {
    read(Bytes(1000000, '#'));
    EXPECT_EQ(t.ruleList().rowCount(), 0);
    EXPECT_EQ(t.ui.messages.size(), 1u);
    const Text head = gbk(u8"代码开始") + "\n";
    Bytes heads;
    for (int i = 0; i < 500000; ++i) heads += "#" + head;
    read(heads);
    ASSERT_EQ(t.ruleList().rowCount(), 500000);
    EXPECT_EQ(t.ruleList().cell(499999, 0), "500000");
    EXPECT_EQ(t.ruleList().cell(499999, 1), head);
}

TEST_F(HostileRead, BytesThatAreNotGbkSurviveAReadAndASave) {
    // A file as the program saves it, with bodies of any bytes but "#" and zero: lone lead bytes,
    // trail bytes out of range, bytes that no GBK text holds.
    const Text end = "#" + gbk(u8"代码结束") + "\r\n";
    std::vector<Text> bodies;
    Bytes hosts;
    std::mt19937 random(7);
    for (int block = 0; block < 50; ++block) {
        Text body = gbk(u8"站点代码开始") + "\r\n";
        for (int i = 0; i < 100; ++i) {
            char c = static_cast<char>(random() % 255 + 1);
            body += c == '#' ? '\x81' : c;
        }
        bodies.push_back(body);
        hosts += "#" + body + end;
    }
    read(hosts);
    EXPECT_EQ(t.ruleList().bodies(), bodies);
    saveRules(t.program);
    EXPECT_EQ(t.temp.read("hosts"), hosts);
    EXPECT_EQ(t.windows.boxes.size(), 1u);
}

TEST_F(HostileRead, ZeroBytesEndTheText) {
    const Text a = gbk(u8"a代码开始");
    read("\0#"s + a + "#");
    EXPECT_EQ(t.ruleList().rowCount(), 0);
    EXPECT_EQ(t.ui.messages.size(), 1u);
    read("#" + a + "#\0\0\0#"s + a + "#");
    EXPECT_EQ(t.ruleList().bodies(), std::vector<Text>{a});
}

}  // namespace
}  // namespace tesmolen
