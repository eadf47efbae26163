#include "app/quote/json_string.hpp"

#include <gtest/gtest.h>

namespace pixtallo::quote {
namespace {

TEST(JsonString, EscapesQuotesBackslashesAndControlCharacters) {
    using namespace std::string_literals;
    const std::pair<std::string, std::string> cases[] = {
        {"", R"("")"},
        {"1.#INF", R"("1.#INF")"},
        {"中文 ＰＱ", "\"中文 ＰＱ\""},
        {"say \"hi\"", R"("say \"hi\"")"},
        {R"(C:\dir)", R"("C:\\dir")"},
        {"\b\f\n\r\t", R"("\b\f\n\r\t")"},
        {"\x01\x1f\x7f", "\"\\u0001\\u001f\x7f\""},
        {"a\0b"s, R"("a\u0000b")"},
    };
    for (const auto& [text, literal] : cases) {
        std::string out;
        append_json_string(out, text);
        EXPECT_EQ(out, literal);
    }
}

}  // namespace
}  // namespace pixtallo::quote
