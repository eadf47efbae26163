#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/hypertext/hypertext.hpp"

namespace pixtallo::ui {
namespace {

// The runs written compactly: text as itself, "|" a line break, ">" a tab, [n:text] a text run
// of link n.
std::string describe(const Hypertext& document) {
    std::string out;
    for (const Run& run : document.runs) {
        std::string piece = run.kind == RunKind::LineBreak ? "|"
                            : run.kind == RunKind::Tab     ? ">"
                                                           : run.text;
        out += run.link ? "[" + std::to_string(*run.link) + ":" + piece + "]" : piece;
    }
    return out;
}

struct ParseCase {
    std::string content;
    std::string runs;
    std::vector<std::string> links;
};

class ParseHypertext : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseHypertext, GivesRunsAndLinks) {
    const Hypertext document = parse_hypertext(GetParam().content);
    EXPECT_EQ(describe(document), GetParam().runs);
    EXPECT_EQ(document.links, GetParam().links);
}

INSTANTIATE_TEST_SUITE_P(
    Text, ParseHypertext,
    testing::Values(ParseCase{"", "", {}}, ParseCase{"a  b", "a  b", {}},
                    ParseCase{"one\r\ntwo", "one|two", {}}, ParseCase{"a\tb", "a>b", {}},
                    ParseCase{"\n\n", "||", {}}, ParseCase{"x<br>y<BR/>z", "x|y|z", {}},
                    ParseCase{"<p>p</p><b>b</b>", "pb", {}},
                    ParseCase{"使用说明：\r\n     1、", "使用说明：|     1、", {}}));

INSTANTIATE_TEST_SUITE_P(Entities, ParseHypertext,
                         testing::Values(ParseCase{"&amp;&lt;&gt;&quot;&#39;&apos;", "&<>\"''", {}},
                                         ParseCase{"a&nbsp;b", "a\u00A0b", {}},
                                         ParseCase{"&#20013;&#x6587;", "中文", {}},
                                         ParseCase{"&unknown; &#xZZ; &#0; &#1114112; & x",
                                                   "&unknown; &#xZZ; &#0; &#1114112; & x",
                                                   {}},
                                         ParseCase{"&amp", "&amp", {}}));

INSTANTIATE_TEST_SUITE_P(
    Links, ParseHypertext,
    testing::Values(ParseCase{"  <a href=http://x.example/>官方主页</a>  ",
                              "  [0:官方主页]  ",
                              {"http://x.example/"}},
                    ParseCase{"<a href= tencent://m/?uin=1&Site=s&Menu=yes>QQ  </a>",
                              "[0:QQ  ]",
                              {"tencent://m/?uin=1&Site=s&Menu=yes"}},
                    ParseCase{
                        "<a href=http://x/latest.htm >new</a>", "[0:new]", {"http://x/latest.htm"}},
                    ParseCase{"<A HREF = \"a b>c\" class=x>q</A>", "[0:q]", {"a b>c"}},
                    ParseCase{"<a href=\"unterminated>q</a>", "[0:q]", {"unterminated"}},
                    ParseCase{"<a>none</a><a href=>empty</a>", "[0:none][1:empty]", {"", ""}},
                    ParseCase{"<a href=1>x<br>y</a>z", "[0:x][0:|][0:y]z", {"1"}},
                    ParseCase{"<a class=\"href=no\" href=yes>t</a>", "[0:t]", {"yes"}}));

INSTANTIATE_TEST_SUITE_P(
    Malformed, ParseHypertext,
    testing::Values(ParseCase{"a < b", "a < b", {}}, ParseCase{"a > b", "a > b", {}},
                    ParseCase{"<a href=x", "<a href=x", {}}, ParseCase{"<", "<", {}},
                    ParseCase{"<>x", "x", {}}, ParseCase{"</a>x", "x", {}},
                    ParseCase{"<a href=\"x>y", "[0:y]", {"x"}},
                    ParseCase{std::string("a\0b", 3), std::string("a\0b", 3), {}}));

TEST(ParseHypertext, EveryLinkAddressIsPartOfTheContent) {
    const std::string content =
        "  <a href= tencent://message/?uin=800012345&Site=pixtallo&Menu=yes>QQ客服在线  </a>  "
        "  <a href=\"q&amp;x\">y</a>";
    for (const std::string& address : parse_hypertext(content).links) {
        EXPECT_NE(content.find(address), std::string::npos) << address;
    }
}

}  // namespace
}  // namespace pixtallo::ui
