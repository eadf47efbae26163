#include <gtest/gtest.h>

#include <string>

#include "engine/utf8.hpp"

namespace pixtallo::engine {
namespace {

TEST(Utf16, RoundTripsEveryKindOfCharacter) {
    for (const std::string text :
         {"", "5.2", "按钮12 P12.5 4590 边框", "·· ￥ ☆", "\xF0\x9F\x98\x80"}) {
        EXPECT_EQ(utf16_to_utf8(utf8_to_utf16(text)), text);
    }
    EXPECT_EQ(utf8_to_utf16("\xF0\x9F\x98\x80"), u"\U0001F600");  // a surrogate pair
    EXPECT_EQ(utf8_to_utf16("长"), u"长");
}

TEST(Utf16, ReplacesWhatIsNotText) {
    EXPECT_EQ(utf8_to_utf16("a\xFF"
                            "b"),
              u"a\uFFFDb");
    EXPECT_EQ(utf16_to_utf8(std::u16string(1, char16_t{0xD800}) + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(utf16_to_utf8(std::u16string(1, char16_t{0xDC00})), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace pixtallo::engine
