#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "mml/mml_statement.h"

namespace {

using Args = std::vector<std::pair<std::string, std::string>>;  // name, value

struct ParseCase {
    const char* what;
    std::string text;
    int maxCount;
    int rc;
    std::string name;  // checked when rc is 0
    Args args;
};

std::string xs(size_t n) {
    return std::string(n, 'x');
}

std::string argumentList(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += (i ? "," : "") + std::to_string(i);
    return s;
}

Args numbered(int n) {
    Args a;
    for (int i = 0; i < n; ++i) a.push_back({"", std::to_string(i)});
    return a;
}

const ParseCase kParseCases[] = {
    {"empty", "", 12, -1, "", {}},
    {"blanks only", " \t\r\n\v\f ", 12, -1, "", {}},
    {"name only, no ;", "CMD", 12, -1, "", {}},
    {"name and ;", "CMD;", 12, 0, "CMD", {}},
    {"inner blanks kept", "  Two  words \t;", 12, 0, "Two  words", {}},
    {"all white space kinds", "\tCMD\r\n:\va\f;", 12, 0, "CMD", {{"", "a"}}},
    {": then ; is one empty value", "CMD:;", 12, 0, "CMD", {{"", ""}}},
    {"blanks around tokens", " CMD : a , b = c ;", 12, 0, "CMD", {{"", "a"}, {"b", "c"}}},
    {"= without a name is positional", "CMD:=v;", 12, 0, "CMD", {{"", "v"}}},
    {"a=b=c", "CMD:a=b=c;", 12, -1, "", {}},
    {": inside the list", "CMD:a:b;", 12, -1, "", {}},
    {"list without ;", "CMD:a,b", 12, -1, "", {}},
    {"quoted delimiters", "CMD:\"x,y:z;w=v\";", 12, 0, "CMD", {{"", "x,y:z;w=v"}}},
    {"quoted name", "\"A, B\";", 12, 0, "A, B", {}},
    {"quoted blanks: leading kept, trailing not", "CMD: \"  v  \" ;", 12, 0, "CMD", {{"", "  v"}}},
    {"quote never closed", "CMD:\"abc;", 12, -1, "", {}},
    {"text after ; ignored", "CMD:a;garbage: , = \"", 12, 0, "CMD", {{"", "a"}}},
    {"second statement ignored", "CMD;OTHER:x;", 12, 0, "CMD", {}},
    {"12 of 12", "CMD:" + argumentList(12) + ";", 12, 0, "CMD", numbered(12)},
    {"13 of 12", "CMD:" + argumentList(13) + ";", 12, -1, "", {}},
    {"35 of 35", "CMD:" + argumentList(35) + ";", 35, 0, "CMD", numbered(35)},
    {"36 of 35", "CMD:" + argumentList(36) + ";", 35, -1, "", {}},
    {"139-character value", "CMD:" + xs(139) + ";", 12, 0, "CMD", {{"", xs(139)}}},
    {"140-character value keeps 139", "CMD:" + xs(140) + ";", 12, 0, "CMD", {{"", xs(139)}}},
    {"141-character value", "CMD:" + xs(141) + ";", 12, -1, "", {}},
    {"140 characters and a blank", "CMD:" + xs(140) + " ;", 12, -1, "", {}},
    {"140-character name keeps 139", xs(140) + ";", 12, 0, xs(139), {}},
    {"141-character name", xs(141) + ";", 12, -1, "", {}},
    {"140-character parameter name", "CMD:" + xs(140) + "=v;", 12, 0, "CMD", {{xs(139), "v"}}},
    {"closing quote of a full token is consumed",
     "CMD:\"" + xs(140) + "\";",
     12,
     0,
     "CMD",
     {{"", xs(139)}}},
    {"a full quoted token ends at its next delimiter",
     "CMD:\"" + xs(140) + ",y\";",
     12,
     -1,
     "",
     {}},
    {"no room for arguments", "CMD:a;", 0, -1, "", {}},
};

}  // namespace

TEST(MmlStatement, Parses) {
    for (const ParseCase& c : kParseCases) {
        char name[kMmlFieldSize];
        SMML_Argument args[kMaxScriptArguments];
        int count = -1;
        const int rc =
            parseMmlStatement(c.text.c_str(), name, kMmlTokenLimit, c.maxCount, count, args);
        ASSERT_EQ(rc, c.rc) << c.what;
        if (rc != 0) continue;
        EXPECT_EQ(name, c.name) << c.what;
        Args got;
        for (int i = 0; i < count; ++i) got.push_back({args[i].name, args[i].value});
        EXPECT_EQ(got, c.args) << c.what;
    }
}

TEST(MmlStatement, TokenReader) {
    char out[kMmlTokenLimit + 1];
    const char* text = "  abc ";
    EXPECT_EQ(readMmlToken(text, out, 0), text);  // limit 0 reads nothing, skips nothing
    EXPECT_STREQ(out, "");
    EXPECT_EQ(readMmlToken(text, out, 2), text + 4);  // full: stops at the character it cannot take
    EXPECT_STREQ(out, "ab");

    for (char c : std::string(",:;=")) EXPECT_TRUE(isMmlDelimiter(static_cast<uint8_t>(c))) << c;
    for (int c : {int('"'), int(' '), int('.'), int('&'), int('*'), 0, 0xC0, 0xA0})
        EXPECT_FALSE(isMmlDelimiter(c)) << c;
}
