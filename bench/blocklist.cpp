#include "blocklist.hpp"

#include <array>
#include <random>
#include <string_view>

#include "rules/rule_texts.hpp"

namespace tesmolen::bench {

namespace {

constexpr std::array<std::string_view, 24> syllables = {
    "ad", "ads", "track", "pixel", "metric", "stat", "cdn", "serve", "click", "banner", "log",
    "beacon", "sync", "tag", "media", "promo", "event", "counter", "rtb", "bid", "static", "img",
    "analytics", "collect"};
constexpr std::array<std::string_view, 8> domains = {
    ".com", ".net", ".org", ".io", ".cn", ".com.cn", ".co.uk", ".de"};

class HostNames {
public:
    Text next() {
        Text host;
        const int labels = 2 + static_cast<int>(random_() % 3);
        for (int l = 0; l < labels; ++l) {
            if (l > 0) host += random_() % 4 == 0 ? '-' : '.';
            host += syllables[random_() % syllables.size()];
            if (random_() % 3 == 0) host += std::to_string(random_() % 100);
        }
        host += domains[random_() % domains.size()];
        return host;
    }
    unsigned roll(unsigned n) { return static_cast<unsigned>(random_() % n); }

private:
    std::mt19937 random_{20261208};
};

}  // namespace

Text blocklistHostsText(std::size_t bytes) {
    HostNames names;
    Text text;
    text.reserve(bytes + 256);
    text += "# Title: Tesmolen benchmark blocklist\r\n# Homepage: local\r\n# Entries: many\r\n";
    text += "#\r\n127.0.0.1 localhost\r\n::1 localhost\r\n\r\n";
    int section = 0;
    while (text.size() < bytes) {
        if (names.roll(400) == 0) {
            text += "\r\n# [section " + std::to_string(++section) + "]\r\n";
        }
        text += "0.0.0.0 ";
        text += names.next();
        text += "\r\n";
    }
    return text;
}

Text ruleBlocksText(int blocks, std::size_t bytes) {
    HostNames names;
    const std::size_t perBlock = bytes / static_cast<std::size_t>(blocks);
    Text text;
    text.reserve(bytes + 4096);
    for (int b = 0; b < blocks; ++b) {
        Text body = "site" + std::to_string(b) + codeBeginsText() + "\r\n";
        while (body.size() + 20 < perBlock) body += "0.0.0.0 " + names.next() + "\r\n";
        appendRuleBlock(text, body);
    }
    return text;
}

}  // namespace tesmolen::bench
