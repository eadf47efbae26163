#include "app/quote/quoted_text.hpp"

#include <gtest/gtest.h>

#include "engine/utf8.hpp"

namespace pixtallo::quote {
namespace {

// Messages quote user text; whatever the text, the message stays one line of valid UTF-8.
TEST(QuotedText, EscapesWhatWouldBreakAMessageLine) {
    using namespace std::string_literals;
    const std::pair<std::string, std::string> cases[] = {
        {"P10-4090", "'P10-4090'"},
        {"按钮1", "'按钮1'"},
        {"a\nb\tc\x7f", R"('a\x0Ab\x09c\x7F')"},
        {"\xFF\xE4\xB8", R"('\xFF\xE4\xB8')"},
        {"a\0b"s, R"('a\x00b')"},
    };
    for (const auto& [text, quoted] : cases) {
        EXPECT_EQ(quoted_text(text), quoted);
    }
}

TEST(QuotedText, CutsLongTextAtACharacterBoundary) {
    std::string text;
    for (int i = 0; i < 100; ++i) {
        text += "长";
    }
    const std::string quoted = quoted_text(text);
    EXPECT_LT(quoted.size(), 80u);
    EXPECT_TRUE(quoted.ends_with("...'"));
    EXPECT_TRUE(engine::is_valid_utf8(quoted));
}

}  // namespace
}  // namespace pixtallo::quote
