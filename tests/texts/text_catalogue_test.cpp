#include "texts/text_catalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "texts/catalogue_message.h"
#include "texts/quoted_texts.h"

namespace {

// A parameter format must be one plain printf conversion: flags, width,
// precision, a length letter and a conversion the formatter knows.
bool isPlainConversion(const char* f) {
    if (f == nullptr || *f++ != '%') return false;
    while (*f != '\0' && std::strchr("-+ #0", *f) != nullptr) ++f;
    while (*f >= '0' && *f <= '9') ++f;
    if (*f == '.') {
        ++f;
        while (*f >= '0' && *f <= '9') ++f;
    }
    if (*f == 'h' || *f == 'l') ++f;
    if (*f == 'h' || *f == 'l') ++f;
    return *f != '\0' && std::strchr("cdiouxXeEfgGsz", *f) != nullptr && f[1] == '\0';
}

// Highest %N placeholder of a text ("%%" is a percent sign).
int highestPlaceholder(const char* text) {
    int highest = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p != '%') continue;
        if (p[1] == '%') {
            ++p;
            continue;
        }
        int n = 0;
        while (p[1] >= '0' && p[1] <= '9') n = n * 10 + (*++p - '0');
        if (n > highest) highest = n;
    }
    return highest;
}

TEST(TextCatalogue, SortedUniqueAndWellFormed) {
    sortTextCatalogue();
    for (std::size_t i = 0; i < textCatalogueSize; ++i) {
        const STextEntry& e = textCatalogue[i];
        if (i > 0) ASSERT_LT(textCatalogue[i - 1].id, e.id);
        ASSERT_NE(e.text, nullptr) << e.id;
        EXPECT_LE(std::strlen(e.text), 257u) << e.id;
        if (e.params == nullptr) continue;
        int count = 0;
        for (const STextParam* p = e.params; p->format != nullptr; ++p) {
            EXPECT_TRUE(isPlainConversion(p->format)) << e.id << " " << p->format;
            EXPECT_EQ(std::strchr(p->format, '*'), nullptr) << e.id;
            EXPECT_EQ(p->number, count + 1) << e.id;  // ascending, no gaps
            ++count;
        }
        // Every placeholder of a text with a list has its format: no argument is lost.
        EXPECT_LE(highestPlaceholder(e.text), count) << e.id;
    }
}

struct LookupCase {
    int id;
    const char* text;
};

TEST(TextCatalogue, TextById) {
    const LookupCase cases[] = {
        {0, "???"},
        {20000, "???"},
        {-1, "???"},
        {23589, ""},
        {21401, "~В~се в порядке"},
        {22019, "~O~тменa"},
        {20001, "A1"},
        {21119, "Конец работы?"},
        {25954, "Информация"},
    };
    for (const LookupCase& c : cases) EXPECT_STREQ(textById(c.id), c.text) << c.id;
}

TEST(TextCatalogue, LookingUpTwiceGivesTheSameTextAndPreparesOnce) {
    const STextEntry* entry = findText(21119);
    ASSERT_NE(entry, nullptr);
    const char* first = textById(21119);
    EXPECT_EQ(entry->prepared, 1);
    EXPECT_EQ(textById(21119), first);
    EXPECT_EQ(findText(12345), nullptr);
}

struct FormatCase {
    int id;
    int number;
    const char* format;  // null: none
};

TEST(TextCatalogue, ParameterFormats) {
    const FormatCase cases[] = {
        {21021, 1, "%s"},    {21021, 2, "%d"},    {21021, 3, nullptr},
        {20001, 1, nullptr}, {7076, 1, "%z"},     {7076, 2, "%d"},
        {25630, 3, "%04d"},  {99999, 1, nullptr}, {21021, 0, nullptr},
    };
    for (const FormatCase& c : cases) {
        const char* f = textParamFormat(c.id, c.number);
        if (c.format == nullptr) {
            EXPECT_EQ(f, nullptr) << c.id << "/" << c.number;
        } else {
            ASSERT_NE(f, nullptr) << c.id << "/" << c.number;
            EXPECT_STREQ(f, c.format) << c.id << "/" << c.number;
        }
    }
}

TEST(TextCatalogue, CommandNames) {
    EXPECT_STREQ(commandName(5000), "???");
    EXPECT_STREQ(commandName(5600), "???");
    EXPECT_STREQ(commandName(5029), "Отчеты об аварийных сигналах__Listanje");
    EXPECT_STREQ(commandName(5001), "Конфигурация OR");
    EXPECT_STREQ(commandName(5176), commandName(5321));  // one title, two commands
    std::set<std::string> distinct;
    for (int id = kFirstCommandId; id <= kLastCommandId; ++id) {
        ASSERT_GE(std::strlen(commandName(id)), 4u) << id;
        distinct.insert(commandName(id));
    }
    EXPECT_EQ(distinct.size(), 599u - 5u);  // five titles serve two commands each
}

// Every number the exchange may send on its own has a text, so its coded
// messages never format as "???" and their fields show.
TEST(TextCatalogue, ExchangeRangesAreCovered) {
    const int ranges[][2] = {{1001, 1506}, {7000, 7233}, {30000, 30014}, {31000, 31101}};
    for (const auto& r : ranges) {
        for (int id = r[0]; id <= r[1]; ++id) ASSERT_NE(findText(id), nullptr) << id;
    }
    char out[300];
    formatCodedMessage(out, sizeof out, "7233$17$KOP");
    EXPECT_NE(std::strstr(out, "17"), nullptr) << out;
    EXPECT_NE(std::strstr(out, "KOP"), nullptr) << out;
}

// Texts missing from the catalogue would show as "???" (an alarm of text
// 2121, the label 6048); a changed letter would show a wrong word.
TEST(TextCatalogue, HoldsEveryFixedTextByteForByte) {
    for (const SQuotedText& q : kQuotedTexts) EXPECT_STREQ(textById(q.id), q.text) << q.id;
}

TEST(TextCatalogue, ConvertTextIsABoundedCopy) {
    char out[4];
    convertText(out, sizeof out, "abcdef");
    EXPECT_STREQ(out, "abc");
    char same[] = "xyz";
    convertText(same, sizeof same, same);
    EXPECT_STREQ(same, "xyz");
}

}  // namespace
