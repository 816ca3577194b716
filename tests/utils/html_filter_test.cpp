#include "utils/html_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct HtmlCase {
    std::string html;
    std::size_t size;
    const char* text;
    int result;
};

TEST(HtmlToText, Conversions) {
    const std::string longName = "&" + std::string(128, 'a') + ";";
    const std::string tooLong = "x&" + std::string(129, 'a') + ";";
    const HtmlCase cases[] = {
        {"<B>Alarm</B> &lt;7&gt;", 100, "Alarm <7>", 0},
        {"a&nbsp;b", 100, "a b", 0},
        {"a&quot;b", 100, "ab", 0},
        {"a&amp;&AMP;b", 100, "a&b", 0},  // names are compared exactly
        {"a<b<c>", 100, "a", -1},
        {"a<b&c>", 100, "a", -1},
        {"a&l<t;", 100, "a", -1},
        {"a&l>t;", 100, "a", -1},
        {"x&y", 100, "x", 0},  // entity never closed
        {"x<y", 100, "x", 0},  // tag never closed
        {"abcdef", 4, "abc", 0},
        {"ab&lt;", 3, "ab", 0},  // no room for the replacement
        {"a&lt;", 2, "a", 0},
        {"", 10, "", 0},
        {longName, 10, "", 0},
        {tooLong, 10, "x", -1},
        {"<TR><TD>1<TD>2", 10, "12", 0},
    };
    for (const HtmlCase& c : cases) {
        std::vector<char> out(c.size + 4, '#');
        EXPECT_EQ(htmlToText(c.html.c_str(), out.data(), c.size), c.result) << c.html;
        EXPECT_STREQ(out.data(), c.text) << c.html;
        EXPECT_EQ(out[c.size], '#') << c.html;
    }
}

TEST(HtmlToText, FilterProducesPerCharacter) {
    KHtmlFilter filter;
    char out[8];
    EXPECT_EQ(filter.put('a', out, sizeof out), 0);
    EXPECT_STREQ(out, "a");
    EXPECT_EQ(filter.put('&', out, sizeof out), 0);
    EXPECT_STREQ(out, "");
    for (char ch : std::string("gt")) filter.put(ch, out, sizeof out);
    EXPECT_EQ(filter.put(';', out, sizeof out), 0);
    EXPECT_STREQ(out, ">");
    EXPECT_EQ(filter.put('<', out, sizeof out), 0);
    EXPECT_EQ(filter.put('<', out, sizeof out), -1);
    filter.reset();
    EXPECT_EQ(filter.put('b', out, 1), 0);  // no room for it and the terminator
    EXPECT_STREQ(out, "");
    decodeHtmlEntity("lt", out, 2);
    EXPECT_STREQ(out, "<");
    decodeHtmlEntity("LT", out, sizeof out);
    EXPECT_STREQ(out, "");
}

}  // namespace
