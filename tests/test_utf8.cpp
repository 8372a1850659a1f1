#include "learning/Utf8.h"

#include <gtest/gtest.h>

namespace zelpa {
namespace {

TEST(Utf8Test, EncodesAndDecodesEachLength) {
    for (const char32_t character : {U'A', U'\u00E9', U'\uAC00', U'\U0001F600', U'\U0010FFFF'}) {
        std::string text;
        AppendUtf8(text, character);
        std::size_t position = 0;
        EXPECT_EQ(NextUtf8(text, position), character);
        EXPECT_EQ(position, text.size());
    }
}

TEST(Utf8Test, RejectsAllButShortestScalarForms) {
    for (const std::string_view bad :
         {"\x80", "\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
          "\xF8\x88\x80\x80\x80", "\xE2\x82", "\xE2\x28\xA1", "\xFF"}) {
        std::size_t position = 0;
        EXPECT_FALSE(NextUtf8(bad, position)) << bad;
        EXPECT_EQ(position, 0u);
        EXPECT_FALSE(IsValidUtf8(bad));
    }
    EXPECT_TRUE(IsValidUtf8("plain \xEA\xB0\x80 \xF0\x9F\x98\x80"));
}

}  // namespace
}  // namespace zelpa
