#include "platform/Cp932.h"

#include <gtest/gtest.h>

namespace zelpa {
namespace {

struct TDecodeCase {
    std::string bytes;
    std::size_t length;  // 0: not decodable
    std::string utf8;
    bool exact;
};

class DecodeCp932CharTest : public ::testing::TestWithParam<TDecodeCase> {};

TEST_P(DecodeCp932CharTest, DecodesTheFrontCharacter) {
    const TDecodeCase& c = GetParam();
    const auto character = DecodeCp932Char(c.bytes);
    if (c.length == 0) {
        EXPECT_FALSE(character);
        return;
    }
    ASSERT_TRUE(character);
    EXPECT_EQ(character->length, c.length);
    EXPECT_EQ(character->utf8, c.utf8);
    EXPECT_EQ(character->exact, c.exact);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeCp932CharTest,
    ::testing::Values(TDecodeCase{"A", 1, "A", true}, TDecodeCase{"\\", 1, "\\", true},
                      TDecodeCase{"\x82\xA0xyz", 2, "\xE3\x81\x82", true},  // あ
                      TDecodeCase{"\xB1", 1, "\xEF\xBD\xB1", true},         // ｱ
                      TDecodeCase{"\x81\x5C", 2, "\xE2\x80\x95", true},     // ―
                      TDecodeCase{"\x87\x90", 2, "\xE2\x89\x92", false},    // ≒, NEC row 13
                      TDecodeCase{"\x81\xE0", 2, "\xE2\x89\x92", true},     // ≒
                      TDecodeCase{"\x82", 0, "", false}, TDecodeCase{"", 0, "", false},
                      TDecodeCase{"\x82\x20", 0, "", false}, TDecodeCase{"\xA0", 0, "", false}));

TEST(Cp932Test, ToUtf8ReplacesUndecodableBytes) {
    EXPECT_EQ(Cp932ToUtf8("a\x82\xA0\xA0z\x82"), "a\xE3\x81\x82\xEF\xBF\xBDz\xEF\xBF\xBD");
    EXPECT_EQ(Cp932ToUtf8("\x87\x90"), "\xE2\x89\x92");
}

TEST(Cp932Test, FromUtf8) {
    EXPECT_EQ(Utf8ToCp932("a\xE3\x81\x82\xEF\xBD\xB1"), "a\x82\xA0\xB1");
    EXPECT_EQ(Utf8ToCp932(""), "");
    EXPECT_FALSE(Utf8ToCp932("\xEA\xB0\x80"));  // 가
    EXPECT_FALSE(Utf8ToCp932("\xC0\x80"));
    EXPECT_FALSE(Utf8ToCp932("\xE3\x81"));
    const std::string many(100000, 'x');
    EXPECT_EQ(Utf8ToCp932(many), many);
}

}  // namespace
}  // namespace zelpa
