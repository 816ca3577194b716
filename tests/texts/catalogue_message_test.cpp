#include "texts/catalogue_message.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "texts/text_catalogue.h"

namespace {

// The catalogue text with each %N replaced by values[N-1] and "%%" by "%":
// the expected output for texts whose formats print the value unchanged.
std::string withArgs(int id, const std::vector<std::string>& values) {
    std::string out;
    for (const char* p = textById(id); *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] == '%') {
            out += '%';
            ++p;
        } else if (p[0] == '%' && p[1] >= '0' && p[1] <= '9') {
            int n = 0;
            while (p[1] >= '0' && p[1] <= '9') n = n * 10 + (*++p - '0');
            out += values.at(n - 1);
        } else {
            out += *p;
        }
    }
    return out;
}

std::string coded(const char* text, std::size_t size = 600) {
    std::vector<char> out(size);
    const int n = formatCodedMessage(out.data(), out.size(), text);
    EXPECT_EQ(static_cast<std::size_t>(n), std::strlen(out.data())) << text;
    return out.data();
}

TEST(CatalogueMessage, ArgumentTypeOfFormat) {
    const struct {
        const char* format;
        int type;
    } cases[] = {{"%-12u", 2},  {"%2X", 2},   {"%lx", 3},   {"%3hd", 1}, {"%6.2f", 4},
                 {"%8.2lf", 5}, {"%-40s", 6}, {"%-95z", 7}, {"%c", 0},   {"%02d", 2},
                 {"%LF", 5},    {"%S", 6},    {"%p", 2},    {"%n", 2},   {"", 2}};
    for (const auto& c : cases) EXPECT_EQ(argumentTypeOfFormat(c.format), c.type) << c.format;
}

TEST(CatalogueMessage, CodedTexts) {
    const struct {
        const char* coded;
        std::string expected;
    } cases[] = {
        {"21021$test.mml$12",
         "Не получен ожидаемый ответ при выполнении скрипта MML 'test.mml', строка 12"},
        {"21021$test.mml$12 ", withArgs(21021, {"test.mml", "0"})},  // blank after the number
        {"21021$test.mml", withArgs(21021, {"test.mml", "0"})},      // missing field
        {"21021", withArgs(21021, {"", "0"})},                       // no "$" at all
        {"7076$20005$3", "Отказ RPK номер 3"},
        {"21236$9$5$7$20001$21021$a.mml$3",
         "09:05:07|  A1|Не получен ожидаемый ответ при выполнении скрипта MML 'a.mml', строка 3"},
        {"20001", "A1"},
        {"  +20001$ignored", "A1"},
        {"99999$1$2", "???"},
        {"4294987297$1", "???"},  // a text number beyond 32 bits is no text
        {"21527$50", withArgs(21527, {"50"})},
        {"7076$7076$20005$1$2", withArgs(7076, {withArgs(7076, {"RPK", "1"}), "2"})},
    };
    for (const auto& c : cases) EXPECT_EQ(coded(c.coded), c.expected) << c.coded;
}

TEST(CatalogueMessage, NumericFieldsAreStrict32BitNumbers) {
    const struct {
        const char* field;
        const char* printed;
    } cases[] = {
        {"12", "12"},         {" 12", "12"},        {"12 ", "0"},
        {"0x10", "0"},        {"12abc", "0"},       {"", "0"},
        {"-", "0"},           {"+7", "7"},          {"-2147483648", "-2147483648"},
        {"4294967295", "-1"},  // 32 bits kept
        {"4294967296", "0"},  {"-2147483649", "0"}, {"99999999999999999999", "0"},
    };
    for (const auto& c : cases) {
        const std::string text = std::string("21017$") + c.field;
        EXPECT_EQ(coded(text.c_str()), withArgs(21017, {c.printed})) << c.field;
    }
}

// Text 1 takes its arguments in the order of the parameter numbers (%1 float,
// %2 long, %3 short, %4 int, %5 char, %6 double, %7 nested, %8 text), not
// in the order its placeholders appear.
TEST(CatalogueMessage, ArgumentsFollowParameterNumbers) {
    char out[300];
    formatMessage(out, sizeof out, 1, 16777217.0, 7, 40000, 4, 'x', 16777217.0, 20001, "str");
    // Single precision cannot hold 16777217; the short wraps to 16 signed bits.
    EXPECT_EQ(std::string(out), withArgs(1, {"16777216.000000", "7", "-25536", "4", "x",
                                             "16777217.000000", "A1", "str"}));
}

TEST(CatalogueMessage, MismatchingArgumentsAreConverted) {
    char out[200];
    formatMessage(out, sizeof out, 25643, "Генераторы вызовов");
    EXPECT_EQ(std::string(out), "Наблюдение: Генераторы вызовов");
    formatMessage(out, sizeof out, 25643, 42);
    EXPECT_EQ(std::string(out), withArgs(25643, {"42"}));
    formatMessage(out, sizeof out, 21017, "12");
    EXPECT_EQ(std::string(out), withArgs(21017, {"12"}));
    formatMessage(out, sizeof out, 21017, "abc");
    EXPECT_EQ(std::string(out), withArgs(21017, {"0"}));
    formatMessage(out, sizeof out, 21017, 3.9);
    EXPECT_EQ(std::string(out), withArgs(21017, {"3"}));
    formatMessage(out, sizeof out, 21021, "a");  // too few arguments
    EXPECT_EQ(std::string(out), withArgs(21021, {"a", "0"}));
    formatMessage(out, sizeof out, 7076, "20005", 9);  // nested id given as text
    EXPECT_EQ(std::string(out), withArgs(7076, {"RPK", "9"}));
    formatMessage(out, sizeof out, 20001);
    EXPECT_STREQ(out, "A1");
}

TEST(CatalogueMessage, OutputIsCutToItsSize) {
    const std::string full = withArgs(21021, {"test.mml", "12"});
    for (std::size_t size : {1u, 2u, 10u, 40u}) {
        std::vector<char> out(size + 8, '#');
        const int n = formatCodedMessage(out.data(), size, "21021$test.mml$12");
        EXPECT_EQ(static_cast<std::size_t>(n), size - 1) << size;
        EXPECT_EQ(std::string(out.data()), full.substr(0, size - 1)) << size;
        EXPECT_EQ(out[size], '#') << size;  // nothing written past the size
    }
    char untouched = '#';
    EXPECT_EQ(formatCodedMessage(&untouched, 0, "20001"), 0);
    EXPECT_EQ(untouched, '#');
}

// A coded message from the exchange with fields longer than the argument area
// and any output buffer, and with nesting far past the cap.
TEST(CatalogueMessage, HostileCodedMessagesStayBounded) {
    const std::string longField(5000, 'x');
    std::string text = "21021$" + longField + "$12";
    std::string out = coded(text.c_str(), 8000);
    EXPECT_LT(out.size(), kArgumentArea + std::strlen(textById(21021)));
    EXPECT_EQ(out.compare(0, 10, withArgs(21021, {"x", ""}).substr(0, 10)), 0);
    out = coded(text.c_str(), 200);
    EXPECT_EQ(out.size(), 199u);

    std::string deep;
    for (int i = 0; i < 200; ++i) deep += "7076$";
    deep += "20005$1";
    out = coded(deep.c_str(), 4000);
    const std::string prefix = withArgs(7076, {"", ""}).substr(0, 6);
    EXPECT_EQ(out.compare(0, prefix.size(), prefix), 0);

    // Many nested texts in one message share its argument area.
    std::string wide =
        "21236$1$2$3$21021$" + std::string(990, 'y') + "$1$21021$" + std::string(990, 'z') + "$2";
    out = coded(wide.c_str(), 4000);
    EXPECT_LT(out.size(), 2 * kArgumentArea);
}

TEST(CatalogueMessage, PercentSignsAndUnknownPlaceholders) {
    EXPECT_EQ(coded("21527$7"), withArgs(21527, {"7"}));
    EXPECT_STREQ(coded("23288").c_str(), textById(23288));    // a lone "%" stays
    EXPECT_STREQ(coded("25022$x").c_str(), textById(25022));  // filled by its users
}

}  // namespace
