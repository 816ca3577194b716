#include <cmath>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "commands/executor_texts.h"
#include "commands/executors/value_converters.h"
#include "peer/russian_locale.h"
#include "utils/choice_tables.h"

namespace {

enum class IntKind { Byte, Short, Word, Long };

struct IntCase {
    IntKind kind;
    const char* text;
    uint8_t status;
    int64_t value;  // read back when accepted
};

// Runs one integer converter over a destination that starts at a marker, so a
// refused value must leave the marker.
int64_t convertInt(IntKind kind, const char* text, uint8_t& status) {
    switch (kind) {
        case IntKind::Byte: {
            uint8_t v = 0xAA;
            status = convertByte(&v, text);
            return v;
        }
        case IntKind::Short: {
            int16_t v = 0x5AA5;
            status = convertShort(&v, text);
            return v;
        }
        case IntKind::Word: {
            uint16_t v = 0xAAAA;
            status = convertWord(&v, text);
            return v;
        }
        case IntKind::Long: {
            int32_t v = 0x5AAAAAA5;
            status = convertLong(&v, text);
            return v;
        }
    }
    return 0;
}

constexpr int64_t kMarker[] = {0xAA, 0x5AA5, 0xAAAA, 0x5AAAAAA5};

const IntCase kIntCases[] = {
    {IntKind::Byte, "255", 10, 255},
    {IntKind::Byte, "256", 4, 0},
    {IntKind::Byte, "-1", 4, 0},
    {IntKind::Byte, "", 10, 0},
    {IntKind::Byte, "0", 10, 0},
    {IntKind::Byte, "000", 10, 0},
    {IntKind::Byte, " 7", 10, 7},
    {IntKind::Byte, "7 ", 10, 7},
    {IntKind::Byte, "+12", 10, 12},
    {IntKind::Byte, "12abc", 10, 12},
    {IntKind::Byte, "0 ", 4, 0},
    {IntKind::Byte, " 0", 4, 0},
    {IntKind::Byte, "+0", 4, 0},
    {IntKind::Byte, "-0", 4, 0},
    {IntKind::Byte, "0x1", 4, 0},
    {IntKind::Byte, "x", 4, 0},
    {IntKind::Byte, "4294967297", 4, 0},  // would wrap to 1 in 32 bits
    {IntKind::Byte, "99999999999999999999999999", 4, 0},
    {IntKind::Short, "-32768", 10, -32768},
    {IntKind::Short, "32767", 10, 32767},
    {IntKind::Short, "32768", 4, 0},
    {IntKind::Short, "-32769", 4, 0},
    {IntKind::Short, "4294967297", 4, 0},
    {IntKind::Word, "65535", 10, 65535},
    {IntKind::Word, "65536", 4, 0},
    {IntKind::Word, "-1", 4, 0},
    {IntKind::Word, "4294967297", 4, 0},
    {IntKind::Long, "2147483647", 10, 2147483647},
    {IntKind::Long, "2147483648", 10, INT32_MIN},  // unsigned values keep their bits
    {IntKind::Long, "4294967295", 10, -1},
    {IntKind::Long, "-2147483648", 10, INT32_MIN},
    {IntKind::Long, "4294967296", 4, 0},
    {IntKind::Long, "4294967297", 4, 0},
    {IntKind::Long, "-2147483649", 4, 0},
    {IntKind::Long, "12abc", 10, 12},
    {IntKind::Long, "", 10, 0},
    {IntKind::Long, "-0", 4, 0},
};

TEST(ValueConverters, Integers) {
    for (const IntCase& c : kIntCases) {
        uint8_t status = 0;
        const int64_t v = convertInt(c.kind, c.text, status);
        EXPECT_EQ(status, c.status) << int(c.kind) << " [" << c.text << "]";
        EXPECT_EQ(v, c.status == 10 ? c.value : kMarker[int(c.kind)])
            << int(c.kind) << " [" << c.text << "]";
    }
}

struct DoubleCase {
    const char* text;
    uint8_t status;
    double value;
};

const DoubleCase kDoubleCases[] = {
    {"1.5", 10, 1.5}, {"", 10, 0.0},       {" 2", 10, 2.0},    {"-1e3", 10, -1000.0},
    {"+.5", 10, 0.5}, {"2.", 10, 2.0},     {"1E-2", 10, 0.01}, {"1,5", 4, 0},
    {"2 ", 4, 0},     {" ", 4, 0},         {".", 4, 0},        {"1e", 4, 0},
    {"+-1", 4, 0},    {"0x10", 4, 0},      {"1e999", 4, 0},    {"-1e999", 4, 0},
    {"inf", 4, 0},    {"-infinity", 4, 0}, {"nan", 4, 0},      {"abc", 4, 0},
};

void expectDoubleCases() {
    for (const DoubleCase& c : kDoubleCases) {
        double v = 42.0;
        EXPECT_EQ(convertDouble(&v, c.text), c.status) << "[" << c.text << "]";
        EXPECT_EQ(v, c.status == 10 ? c.value : 42.0) << "[" << c.text << "]";
    }
}

TEST(ValueConverters, Doubles) {
    expectDoubleCases();
}

// A decimal comma in the environment changes nothing: "1.5" stays 1.5.
TEST(ValueConverters, DoublesUnderARussianLocale) {
    ScopedRussianNumericLocale russian;
    ASSERT_TRUE(russian.ok());
    expectDoubleCases();
}

struct KeywordCase {
    const char* text;
    uint8_t status;
    uint16_t value;
};

TEST(ValueConverters, Keywords) {
    const char* const keywords[] = {kOrServer, kOrKlijent, kLapd};
    const std::string lapd(kLapd);
    const std::string lapdTrimmed = lapd.substr(0, lapd.size() - 1);
    const std::string lowerCase = "or" + std::string(kOrKlijent).substr(2);
    const KeywordCase cases[] = {
        {kOrServer, 10, 0}, {kOrKlijent, 10, 1},   {lowerCase.c_str(), 4, 0},    {"OR", 4, 0},
        {"", 4, 0},         {lapd.c_str(), 10, 2}, {lapdTrimmed.c_str(), 10, 2},  // the parser
                                                                                  // strips the
                                                                                  // item's blank
    };
    for (const KeywordCase& c : cases) {
        uint16_t v = 0xAAAA;
        EXPECT_EQ(convertKeyword(&v, keywords, 3, c.text), c.status) << c.text;
        EXPECT_EQ(v, c.status == 10 ? c.value : 0xAAAA) << c.text;
    }
}

TEST(ValueConverters, KeywordSets) {
    const char* const levels[] = {"A1", "A2", "A3", "A0"};
    // Keywords that begin with earlier ones: the longest one is taken.
    const char* const alarms[] = {"LOS",   "AIS", "FAS", "RAI",  "AIS16", "BER",
                                  "CRCMF", "MF",  "CRC", "BCRC", "BMF"};
    const char* const actions[] = {kPosylkaAis, kPosylkaAis16, kLapd};
    const std::string lapd(kLapd);
    const std::string lapdTrimmed = lapd.substr(0, lapd.size() - 1);
    const std::string lapdJoined = lapdTrimmed + " & " + kPosylkaAis16;
    struct Case {
        const char* const* keywords;
        int count;
        const char* text;
        uint8_t status;
        uint16_t mask;
    };
    const Case cases[] = {
        {levels, 4, "A1&A0", 10, 0x9},
        {levels, 4, "A0 & A1", 10, 0x9},
        {levels, 4, "A1&A3", 10, 0x5},
        {levels, 4, "A1&A2&A3&A0", 10, 0xF},
        {levels, 4, "A1&", 10, 0x1},
        {levels, 4, "A1 &", 10, 0x1},
        {levels, 4, "A1&A1", 10, 0x1},
        {levels, 4, "", 10, 0x0},
        {levels, 4, "A1 A2", 8, 0},
        {levels, 4, "A1A2", 8, 0},
        {levels, 4, "A1&&A2", 9, 0},
        {levels, 4, "A1& &A2", 9, 0},
        {levels, 4, "A5", 4, 0},
        {levels, 4, "A1&A5", 4, 0},
        {levels, 4, " A1", 4, 0},
        {levels, 4, "&A1", 4, 0},
        {levels, 4, "a1", 4, 0},
        {alarms, 11, "AIS16", 10, 0x10},
        {alarms, 11, "AIS&AIS16", 10, 0x12},
        {alarms, 11, "CRC&CRCMF", 10, 0x140},
        {alarms, 11, "BCRC&BMF&MF", 10, 0x680},
        {actions, 3, kPosylkaAis16, 10, 0x2},
        {actions, 3, lapdTrimmed.c_str(), 10, 0x4},
        {actions, 3, lapdJoined.c_str(), 10, 0x6},
    };
    for (const Case& c : cases) {
        uint16_t mask = 0xAAAA;
        EXPECT_EQ(convertKeywordSet(&mask, c.keywords, c.count, c.text), c.status) << c.text;
        if (c.status == 10) {
            EXPECT_EQ(mask, c.mask) << c.text;
        }
    }
}

TEST(ValueConverters, CatalogueChoices) {
    const std::string eos(kGruppaEos);
    const std::string eosTrimmed = eos.substr(0, eos.size() - 1);
    const std::string groupWord = eos.substr(0, eos.size() - 5);  // without " EOS "
    struct Case {
        const SChoiceTable* table;
        const char* text;
        uint8_t status;
        int32_t value;
    };
    const Case cases[] = {
        {&choicesNivoAlarma, "A2", 10, 2},
        {&choicesNivoAlarma, "A0", 10, 4},
        {&choicesNivoAlarma, "a2", 4, 0},
        {&choicesNivoAlarma, "", 4, 0},
        {&choicesGrupaTabela, kGruppaTarify, 10, 3},
        {&choicesGrupaTabela, eos.c_str(), 10, 6},
        {&choicesGrupaTabela, eosTrimmed.c_str(), 10, 6},  // as the parser leaves it
        {&choicesGrupaTabela, "", 10, 7},                  // the entry with an empty text
        {&choicesGrupaTabela, groupWord.c_str(), 4, 0},
        {&choicesKlaseAlarma, kKlassOtnSl, 10, 1},
    };
    for (const Case& c : cases) {
        int32_t v = -5;
        EXPECT_EQ(convertCatalogueChoice(&v, c.table->entries, c.table->count, c.text), c.status)
            << c.text;
        EXPECT_EQ(v, c.status == 10 ? c.value : -5) << c.text;
    }
}

}  // namespace
