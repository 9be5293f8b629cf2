#include "app/stored_values.hpp"

#include <gtest/gtest.h>

#include "runtime/codepage.hpp"
#include "textsvc/text_cipher.hpp"

namespace tesmolen {
namespace {

bool isKeyOfLength(const Text& key, std::size_t length) {
    if (key.size() != length) return false;
    for (char c : key) {
        if (c < 'a' || c > 'z') return false;
    }
    return true;
}

TEST(StoredValues, DecodeToTheBuildsAddressesAndHostsPath) {
    const StoredValues stored = defaultStoredValues();
    const Text site = "http://" TESMOLEN_MAKER_RULE_HOST "/kovrel/ad/";
    const struct {
        const StoredValue& value;
        std::size_t keyLength;
        Text decoded;
    } expected[] = {
        {stored.bannerPicture1, 3, site + "banner1.jpg"},
        {stored.bannerPicture2, 5, site + "banner2.jpg"},
        {stored.bannerPicture3, 4, site + "banner3.jpg"},
        {stored.notice, 2, site + "notice.txt"},
        // The build codes the path, given in UTF-8, as the GBK text the program holds.
        {stored.hostsFile, 3, utf8ToGbk(TESMOLEN_HOSTS_PATH)},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.decoded);
        EXPECT_TRUE(isKeyOfLength(e.value.key, e.keyLength)) << e.value.key;
        EXPECT_EQ(e.value.cipherText.size(), 2 + 2 * e.decoded.size());
        EXPECT_EQ(e.value.cipherText.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), Text::npos);
        EXPECT_EQ(decodeText(e.value.cipherText, e.value.key), e.decoded);
    }
    EXPECT_EQ(stored.makerWebHost, TESMOLEN_MAKER_WEB_HOST);
    EXPECT_EQ(stored.makerRuleHost, TESMOLEN_MAKER_RULE_HOST);
}

}  // namespace
}  // namespace tesmolen
