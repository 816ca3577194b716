#include <clocale>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "peer/russian_locale.h"

#include "sub/field_text.h"
#include "sub/table_catalogue.h"
#include "sub/table_dictionary.h"
#include "sub/trn_tab.h"
#include "utils/bytes.h"

namespace {

const std::string kUnnamedZero =
    "(0 ??"
    "?)";

SSubField compileOne(int16_t type, int16_t size, const char* const* names = nullptr,
                     int32_t count = 0) {
    SSubFieldDef def{0, type, size, names, count, "F"};
    SSubField f;
    SSubLayout layout;
    compileFieldDefs(&f, &layout, &def, 1);
    return f;
}

const SSubFieldDef& koorxType() {
    return kTableDefinitions[1].fields[1];
}

struct ReadCase {
    int16_t type;
    int16_t size;
    const char* text;
    int code;
    const char* written;  // the value written back, when read
};

// Every reader through the field operations, and the text written back.
TEST(FieldText, ReadAndWriteBack) {
    const ReadCase cases[] = {
        {ftByte, 1, "256", -2, nullptr},
        {ftByte, 1, "-1", 0, "255"},
        {ftByte, 1, "08", -1, nullptr},
        {ftByte, 1, "0x10", 0, " 16"},
        {ftByte, 1, "010", 0, "  8"},
        {ftByte, 1, " +7 ", 0, "  7"},
        {ftByte, 1, "12 13", -1, nullptr},
        {ftByte, 1, "", -1, nullptr},
        {ftByte, 1, "x", -1, nullptr},
        {ftByte, 1, "-40000", -2, nullptr},
        {ftByte, 1, "99999999999999999999", -2, nullptr},
        {ftShort, 2, "12 13", 1, nullptr},
        {ftShort, 2, "32767", 0, "32767"},
        {ftShort, 2, "-32768", 0, "-32768"},
        {ftShort, 2, "32768", 1, nullptr},
        {ftShort, 2, "0x1F", 0, "31"},
        {ftShort, 2, "1.5", 1, nullptr},
        {ftLong, 4, "-2147483648", 0, "-2147483648"},
        {ftLong, 4, "2147483648", 1, nullptr},
        {ftLong, 4, "12 13", 1, nullptr},
        {ftLong, 4, " 010 ", 0, "8"},
        {ftDate, 4, "1.2.06", 0, "01.02.06"},
        {ftDate, 4, "31.02.2006", -2, nullptr},
        {ftDate, 4, "1.2", -1, nullptr},
        {ftDate, 4, "1.2.85", 0, "01.02.85"},
        {ftDate, 4, "1.2.1999", 0, "01.02.99"},
        {ftDate, 4, "29.2.2000", 0, "29.02.00"},
        {ftDate, 4, "29.2.2001", -2, nullptr},
        {ftDate, 4, "32.1.2000", -2, nullptr},
        {ftDate, 4, "0.1.2000", -2, nullptr},
        {ftDate, 4, "1.13.2000", -2, nullptr},
        {ftDate, 4, "31.12.1979", -2, nullptr},
        {ftDate, 4, "1.2.06 x", -1, nullptr},
        {ftDate, 4, "123.2.06", -1, nullptr},
        {ftTime, 4, "7", 0, "07:00:00"},
        {ftTime, 4, "7:5", 0, "07:05:00"},
        {ftTime, 4, "1:2:3", 0, "01:02:03"},
        {ftTime, 4, "10:75", -2, nullptr},
        {ftTime, 4, "7:5:60", -2, nullptr},
        {ftTime, 4, "25:00", 0, "25:00:00"},
        {ftTime, 4, "7:", -1, nullptr},
        {ftTime, 4, "100", -1, nullptr},
        {ftTime, 4, "a", -1, nullptr},
        {ftDouble, 8, "1.5", 0, "1.50"},
        {ftDouble, 8, " +.5 ", 0, "0.50"},
        {ftDouble, 8, "1e3", 0, "1000.00"},
        {ftDouble, 8, "-0.125", 0, "-0.12"},
        {ftDouble, 8, "inf", 1, nullptr},
        {ftDouble, 8, "nan", 1, nullptr},
        {ftDouble, 8, "0x1p3", 1, nullptr},
        {ftDouble, 8, "1e400", 1, nullptr},
        {ftDouble, 8, "1,5", 1, nullptr},
        {ftDouble, 8, ".", 1, nullptr},
        {ftDouble, 8, "1 2", 1, nullptr},
        {ftFloat, 4, "2.25", 0, "2.25"},
        {ftFloat, 4, "1e39", 1, nullptr},
        {ftFloat, 4, "-inf", 1, nullptr},
        {ftString, 9, "abcdefgh", 0, "abcdefgh"},
        {ftString, 9, "  x  ", 0, "x"},
        {ftString, 9, " ", 0, ""},
        {ftString, 9, "abcdefghi", 1, ""},
        {ftString, 9, "Ђорђе", 0, "Ђорђе"},
        {ftBit, 0, "1", 0, "1"},
        {ftBit, 0, "2", 0, "1"},
        {ftBit, 0, "0", 0, "0"},
        {ftBit, 0, "256", -1, nullptr},
        {ftBit, 0, "x", -1, nullptr},
    };
    for (const ReadCase& c : cases) {
        const SSubField f = compileOne(c.type, c.size);
        uint8_t record[16] = {};
        const int rc = fieldFromTextOf(&f, 1, 1, record, c.text);
        EXPECT_EQ(rc, c.code) << c.type << " '" << c.text << "'";
        if (c.written == nullptr) continue;
        char out[64];
        EXPECT_EQ(fieldTextOf(&f, 1, 1, out, sizeof out, record), 0);
        EXPECT_EQ(std::string(out), c.written) << c.type << " '" << c.text << "'";
    }
}

TEST(FieldText, StoredValues) {
    struct Case {
        int16_t type;
        const char* text;
        uint32_t stored;
    };
    const Case cases[] = {{ftDate, "1.1.80", 1},
                          {ftDate, "31.12.80", 366},
                          {ftDate, "1.1.81", 367},
                          {ftDate, "1.3.2000", 7366},
                          {ftTime, "25:00", 90000},
                          {ftShort, "-2", 0xFFFE},
                          {ftLong, "0x7fffffff", 0x7FFFFFFF}};
    for (const Case& c : cases) {
        const SSubField f = compileOne(c.type, 4);
        uint8_t record[4] = {};
        ASSERT_EQ(fieldFromTextOf(&f, 1, 1, record, c.text), 0) << c.text;
        EXPECT_EQ(ByteReader(record, 4).u32le() & (c.type == ftShort ? 0xFFFF : 0xFFFFFFFF),
                  c.stored)
            << c.text;
    }
}

TEST(FieldText, BitReaderKeepsOtherBits) {
    SSubField fields[3];
    SSubLayout layout;
    const SSubFieldDef defs[3] = {{0, ftBit, 0, nullptr, 0, "a"},
                                  {0, ftBit, 0, nullptr, 0, "b"},
                                  {0, ftBit, 0, nullptr, 0, "c"}};
    compileFieldDefs(fields, &layout, defs, 3);
    uint8_t record[1] = {0xF0};
    EXPECT_EQ(fieldFromTextOf(fields, 3, 3, record, "1"), 0);
    EXPECT_EQ(record[0], 0xF4);
    EXPECT_EQ(fieldFromTextOf(fields, 3, 3, record, "0"), 0);
    EXPECT_EQ(record[0], 0xF0);
    EXPECT_EQ(fieldFromTextOf(fields, 3, 3, record, "x"), -1);
    EXPECT_EQ(record[0], 0xF0);
}

TEST(FieldText, StringThatDoesNotFitEmptiesOnlyTheFirstByte) {
    const SSubField f = compileOne(ftString, 9);
    uint8_t record[9];
    std::memcpy(record, "old\0tail", 9);
    EXPECT_EQ(fieldFromTextOf(&f, 1, 1, record, "abcdefghi"), 1);
    EXPECT_EQ(record[0], 0);
    EXPECT_EQ(std::memcmp(record + 4, "tail", 5), 0);
    EXPECT_EQ(fieldFromTextOf(&f, 1, 1, record, "ab"), 0);
    EXPECT_EQ(std::memcmp(record, "ab\0\0tail", 9), 0);  // bytes after the terminator stay
}

TEST(FieldText, Enumerations) {
    const SSubFieldDef& def = koorxType();
    struct Case {
        int16_t type;
        const char* text;
        int code;
        uint8_t value;
    };
    const Case cases[] = {
        {ftEnum, "ekoor", 0, 1},       {ftEnum, "1", 0, 1},    {ftEnum, "EDUS", 0, 2},
        {ftEnum, "0x2", 0, 2},         {ftEnum, "0", -3, 0},   {ftEnum, "3", -3, 0},
        {ftEnum, "eKOOR eDUS", -1, 0}, {ftEnum, "foo", -4, 0}, {ftEnum, "", -1, 0},
        {ftEnum, " eDUS", -4, 0},      {ftEnum, "1x", -2, 0},  {ftEnum, "99999999999", -3, 0},
        {ftEnum8, "edus", 0, 2},       {ftEnum8, "0", -3, 0},
    };
    for (const Case& c : cases) {
        const SSubField f = compileOne(c.type, 1, def.enumNames, def.enumCount);
        uint8_t record[1] = {0};
        EXPECT_EQ(fieldFromTextOf(&f, 1, 1, record, c.text), c.code) << c.text;
        EXPECT_EQ(record[0], c.value) << c.text;
    }
    std::string longWord(120, 'e');
    const SSubField f = compileOne(ftEnum, 1, def.enumNames, def.enumCount);
    uint8_t record[1] = {0};
    EXPECT_EQ(fieldFromTextOf(&f, 1, 1, record, longWord.c_str()), -1);

    // Values of two and four bytes are little-endian.
    static const char* const many[] = {"a", "b", "c"};
    uint8_t wide[4] = {9, 9, 9, 9};
    EXPECT_EQ(parseEnumField(wide, 4, many, 3, "c"), 0);
    EXPECT_EQ(ByteReader(wide, 4).u32le(), 2u);
}

// A line read through the plan and split at its separators: the same answer and record.
void expectPlannedAsGeneral(const SReadPlan& plan, const SSubField* fields, const std::string& line,
                            int16_t count) {
    std::string general = line, planned = line;
    uint8_t byLine[8] = {}, byPlan[8] = {};
    const int code = recordFromLineOf(fields, count, byLine, &general[0], general.size(), ",");
    EXPECT_EQ(recordFromPlannedLine(plan, fields, count, byPlan, &planned[0], planned.size()), code)
        << "[" << line << "]";
    EXPECT_EQ(std::memcmp(byPlan, byLine, sizeof byLine), 0) << "[" << line << "]";
}

// Reading by name through an enumeration's index finds what the search of
// the names in order finds: the first of names equal but for case, never an
// empty or missing name, and names with blanks only when the text has them.
TEST(FieldText, EnumerationIndexFindsWhatTheSearchFinds) {
    static const char* const names[] = {"",      "Alfa", nullptr, "ALFA", "beta", "Beta2",
                                        " gam ", "x",    "xy",    "Ђура", "ђура"};
    const int32_t count = 11;
    const auto index = buildEnumIndex(names, count);
    struct Case {
        const char* text;
        int code;
        uint8_t value;
    };
    const Case cases[] = {{"alfa", 0, 1},   {"ALFA", 0, 1},  {"BETA", 0, 4},   {"beta2", 0, 5},
                          {"beta3", -4, 0}, {" gam ", 0, 6}, {"gam", -4, 0},   {"X", 0, 7},
                          {"xY", 0, 8},     {"xyz", -4, 0},  {"Ђура", 0, 9},   {"ђура", 0, 10},
                          {"ЂУРА", -4, 0},  {"", -1, 0},     {"a", -4, 0},     {"2", -3, 0},
                          {"4", 0, 4},      {"11", -3, 0},   {"alfa x", -1, 0}};
    SSubField f = compileOne(ftEnum, 1, names, count);
    f.enumIndex = index.get();
    f.displayWidth = 12;
    SReadPlan plan;
    planRecordReading(&f, 1, ',', 0, &plan);
    ASSERT_TRUE(plan.usable);
    for (const Case& c : cases) {
        for (const SEnumIndex* used : {static_cast<const SEnumIndex*>(index.get()),
                                       static_cast<const SEnumIndex*>(nullptr)}) {
            uint8_t record[1] = {0};
            EXPECT_EQ(parseEnumFieldIndexed(record, 1, names, count, used, c.text), c.code)
                << c.text << (used ? " (index)" : " (search)");
            EXPECT_EQ(record[0], c.value) << c.text;
        }
        // A line of one column, the name as written or moved right in it.
        for (const std::string& line : {std::string(c.text), "  " + std::string(c.text) + " "}) {
            std::string general = line, planned = line;
            uint8_t byLine[1] = {0}, byPlan[1] = {0};
            const int code = recordFromLineOf(&f, 1, byLine, &general[0], general.size(), ",");
            EXPECT_EQ(recordFromPlannedLine(plan, &f, 1, byPlan, &planned[0], planned.size()), code)
                << "[" << line << "]";
            EXPECT_EQ(byPlan[0], byLine[0]) << "[" << line << "]";
        }
    }
    // After a separator the column is found by its bytes (the name, then
    // spaces to the column's end, or the line's end): the same answers.
    SSubField two[2] = {compileOne(ftByte, 1), f};
    two[0].displayWidth = 3;
    two[1].offset = 1;
    SReadPlan after;
    planRecordReading(two, 2, ',', 0, &after);
    ASSERT_TRUE(after.usable);
    ASSERT_NE(after.columns[1].columnNames, nullptr);
    for (const Case& c : cases) {
        std::string padded = c.text;
        padded.resize(std::max<size_t>(padded.size(), 12), ' ');
        for (const std::string& value : {std::string(c.text), padded, " " + std::string(c.text)})
            expectPlannedAsGeneral(after, two, "  7," + value, 2);
    }
    EXPECT_EQ(buildEnumIndex(nullptr, 3)->names.size(), 0u);
    // Names alike in their first 24 bytes: the column has no table of its
    // own, and the names are still told apart.
    static const char* const alike[] = {"OneNameThatRunsOnAndOnXa", "OneNameThatRunsOnAndOnXaB",
                                        "OneNameThatRunsOnAndOnXaC"};
    const auto alikeIndex = buildEnumIndex(alike, 3);
    EXPECT_EQ(columnNamesOf(*alikeIndex, 30), nullptr);
    EXPECT_NE(columnNamesOf(*alikeIndex, 24), nullptr);  // only the first fits
    two[1] = compileOne(ftEnum, 1, alike, 3);
    two[1].enumIndex = alikeIndex.get();
    two[1].offset = 1;
    two[1].displayWidth = 30;
    planRecordReading(two, 2, ',', 0, &after);
    ASSERT_TRUE(after.usable);
    for (const char* name : alike)
        expectPlannedAsGeneral(after, two, std::string("  1,") + name, 2);
    // A table reads its enumeration fields through an index of its own.
    const auto koorx = createTable(1);
    ASSERT_NE(koorx->field(2)->enumIndex, nullptr);
    EXPECT_EQ(koorx->field(2)->enumIndex->names.size(), 2u);
}

TEST(FieldText, Writers) {
    const SSubFieldDef& def = koorxType();
    char out[64];
    formatEnumField(out, sizeof out, 0, def.enumNames, def.enumCount);
    EXPECT_EQ(std::string(out), kUnnamedZero);
    formatEnumField(out, sizeof out, 7, def.enumNames, def.enumCount);
    EXPECT_EQ(std::string(out),
              "(7 ??"
              "?)");
    formatEnum8Field(out, sizeof out, 1, def.enumNames, def.enumCount);
    EXPECT_EQ(std::string(out), "eKOOR");
    EXPECT_EQ(formatTimeField(out, sizeof out, -1), 8);
    EXPECT_EQ(std::string(out), "-1:59:59");
    formatDoubleField(out, sizeof out, 12345678.125);
    EXPECT_EQ(std::string(out), "12345678.12");

    // A writer given no room writes nothing.
    char guard[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(formatLongField(guard, 0, 5), -1);
    EXPECT_EQ(formatStringField(guard, -3, reinterpret_cast<const uint8_t*>("ab"), 3), -1);
    EXPECT_EQ(guard[0], '#');
    EXPECT_EQ(formatLongField(guard, 4, -123456), 3);
    EXPECT_STREQ(guard, "-12");
}

TEST(FieldText, Columns) {
    struct Case {
        std::string expected;
        std::function<int(char*)> write;
    };
    const Case cases[] = {
        {"-214748364", [](char* l) { return appendLongColumn(l, 100, 0, 10, INT32_MIN); }},
        {"12345678.1", [](char* l) { return appendDoubleColumn(l, 100, 0, 10, 12345678.125); }},
        {" 01.02.06 ", [](char* l) { return appendDateColumn(l, 100, 0, 10, 9529); }},
        {"07:05:00", [](char* l) { return appendTimeColumn(l, 100, 0, 8, 25500); }},
        {" abc ", [](char* l) { return appendCentredText(l, 100, 0, 5, "abc"); }},
        {"  7", [](char* l) { return appendByteColumn(l, 100, 0, 3, 7); }},
        {"   -5", [](char* l) { return appendShortColumn(l, 100, 0, 5, -5); }},
        {"  1.50", [](char* l) { return appendFloatColumn(l, 100, 0, 6, 1.5f); }},
        {"ab   ",
         [](char* l) {
             return appendStringColumn(l, 100, 0, 5, reinterpret_cast<const uint8_t*>("ab"), 3);
         }},
        {"   1", [](char* l) { return appendBitColumn(l, 100, 0, 4, 0x08, 3); }},
        {"eDUS ",
         [](char* l) {
             return appendEnumColumn(l, 100, 0, 5, 2, koorxType().enumNames, koorxType().enumCount);
         }},
        {"(0 ",
         [](char* l) {
             return appendEnum8Column(l, 100, 0, 3, 0, koorxType().enumNames,
                                      koorxType().enumCount);
         }},
    };
    for (const Case& c : cases) {
        char line[100] = "untouched";
        const int n = c.write(line);
        EXPECT_EQ(std::string(line), c.expected);
        EXPECT_EQ(n, static_cast<int>(c.expected.size())) << c.expected;
    }
    // A column after the first starts with the separator; a full line cuts it.
    char line[12] = "abcd";
    setColumnSeparator(';');
    EXPECT_EQ(appendByteColumn(line, sizeof line, 4, 4, 12), 5);
    EXPECT_STREQ(line, "abcd;  12");
    EXPECT_EQ(appendByteColumn(line, sizeof line, 9, 4, 12), 2);
    EXPECT_STREQ(line, "abcd;  12; ");
    setColumnSeparator(',');
}

TEST(FieldText, Padding) {
    char out[16];
    EXPECT_EQ(padCentred(out, "01.02.06", 10), 10);
    EXPECT_STREQ(out, " 01.02.06 ");
    EXPECT_EQ(padCentred(out, "abc", 6), 6);
    EXPECT_STREQ(out, " abc  ");
    EXPECT_EQ(padCentred(out, "abcdef", 4), 4);
    EXPECT_STREQ(out, "abcd");
    EXPECT_EQ(padRightAligned(out, "abcdef", 4), 4);
    EXPECT_STREQ(out, "abcd");
    EXPECT_EQ(padLeftAligned(out, "ab", 4), 4);
    EXPECT_STREQ(out, "ab  ");

    char text[] = " \t x y \r\n";
    EXPECT_STREQ(trimBoth(text), "x y");
    char left[] = "  a ";
    EXPECT_STREQ(skipLeadingBlanks(left), "a ");
    EXPECT_STREQ(trimRight(left), "  a");
}

std::vector<uint8_t> rutaRecord() {
    std::vector<uint8_t> r(19, 0);
    ByteWriter w(r.data(), r.size());
    w.u16le(77);
    w.bytes("Beograd", 8);
    w.bytes("\0", 1);
    w.u8(1);  // sigR2D
    w.u8(2);  // rOdlaz
    w.u8(1);  // EndToEnd
    w.u8(1);  // eprDigitalna
    w.u8(0);  // GrupnePoruke
    w.u8(3);  // S
    w.u16le(static_cast<uint16_t>(-5));
    return r;
}

TEST(RecordLines, RutaLineHeaderAndRoundTrip) {
    const auto ruta = createTable(77);
    char line[kLineWorkSize];
    EXPECT_EQ(ruta->headerText(line, sizeof line, '|'), 0);
    EXPECT_STREQ(line,
                 "Ruta |  Ime   |Signalizacija|   Tip    |EndToEnd|PrirodaRute |GrupnePoruke| S  "
                 "|OperID");
    const std::vector<uint8_t> record = rutaRecord();
    setColumnSeparator('#');
    EXPECT_EQ(ruta->recordText(line, sizeof line, ',', record.data()), 0);
    EXPECT_EQ(getColumnSeparator(), '#');  // restored after the call
    setColumnSeparator(',');
    const std::string expected =
        "   77,Beograd ,sigR2D       ,rOdlaz    ,       1,eprDigitalna,           0,   3,    -5";
    EXPECT_EQ(std::string(line), expected);

    std::vector<uint8_t> back(19, 0);
    EXPECT_EQ(ruta->recordFromText(back.data(), line, ","), 0);
    EXPECT_EQ(back, record);

    // Cut to the caller's buffer; no buffer or no room writes nothing.
    char small[8] = "#######";
    EXPECT_EQ(ruta->recordText(small, sizeof small, ',', record.data()), 0);
    EXPECT_STREQ(small, "   77,B");
    char none[2] = {'#', '#'};
    EXPECT_EQ(ruta->recordText(none, 0, ',', record.data()), -1);
    EXPECT_EQ(ruta->headerText(none, -1, ','), -1);
    EXPECT_EQ(ruta->recordText(nullptr, 10, ',', record.data()), -1);
    EXPECT_EQ(none[0], '#');
}

// Float and one-byte enumeration fields (no table of the exchange has them)
// in a record line, and a line longer than the work area, cut at its end.
TEST(RecordLines, FloatEnum8AndTheLineLimit) {
    const SSubFieldDef& names = koorxType();
    std::vector<SSubFieldDef> defs = {{kFieldKey, ftByte, 1, nullptr, 0, "K"},
                                      {0, ftFloat, 4, nullptr, 0, "F"},
                                      {0, ftFloat, 4, nullptr, 0, "G"},
                                      {0, ftEnum8, 1, names.enumNames, names.enumCount, "E"},
                                      {0, ftEnum8, 1, names.enumNames, names.enumCount, "H"}};
    for (int i = 0; i < 21; ++i) defs.push_back({0, ftString, 100, nullptr, 0, "S"});
    std::vector<SSubField> fields(defs.size());
    SSubLayout layout;
    ASSERT_EQ(compileFieldDefs(fields.data(), &layout, defs.data(), int16_t(defs.size())), 0);
    std::vector<uint8_t> record(size_t(layout.recordLength), 0);
    const float low = -3.4e38f;
    const float half = 0.125f;
    uint32_t bits[2];
    std::memcpy(&bits[0], &low, 4);
    std::memcpy(&bits[1], &half, 4);
    ByteWriter w(record.data(), record.size());
    w.u8(255);
    w.u32le(bits[0]);
    w.u32le(bits[1]);
    w.u8(200);
    w.u8(1);
    for (int i = 0; i < 21; ++i) w.bytes(std::string(99, char('a' + i)).data(), 100);
    char line[kLineWorkSize];
    ASSERT_EQ(
        recordTextOf(fields.data(), int16_t(fields.size()), line, sizeof line, ';', record.data()),
        0);
    // The float is written as a double (and cut to its column), the unnamed
    // value cut to the longest name; the line ends at 1,999 characters.
    std::string expected = " 255;-339999995;      0.12;(200 ;eKOOR";
    for (int i = 0; i < 19; ++i) expected += ";" + std::string(99, char('a' + i));
    expected += ";" + std::string(60, 't');
    EXPECT_EQ(std::string(line), expected);
}

TEST(RecordLines, EnumerationWithEmptyValueZero) {
    const auto koorx = createTable(1);
    const uint8_t record[2] = {5, 0};
    char line[64];
    koorx->recordText(line, sizeof line, '|', record);
    EXPECT_EQ(std::string(line), "    5|" + kUnnamedZero + "  ");
    uint8_t back[2] = {9, 9};
    EXPECT_EQ(koorx->recordFromText(back, line, "|"), -3);  // value 0 has no name
    EXPECT_EQ(back[0], 5);                                  // the field before it is set
}

TEST(RecordLines, BitRun) {
    const auto days = createTable(189);  // ProgramDana: a byte key and seven bits
    uint8_t record[2] = {0, 0};
    EXPECT_EQ(days->recordFromText(record, " 3, 1, 1, 0, 0, 0, 0, 1", ","), 0);
    EXPECT_EQ(record[0], 3);
    EXPECT_EQ(record[1], 0x43);
    char line[80];
    days->recordText(line, sizeof line, ',', record);
    EXPECT_STREQ(line, "         3,  1,  1,  0,  0,  0,  0,  1");
    char header[80];
    days->headerText(header, sizeof header, ',');
    EXPECT_STREQ(header, "ProgDanaID,Pon,Uto,Sre,Cet,Pet,Sub,Ned");
}

TEST(RecordLines, RecordFromTextRefusals) {
    const auto dusKoor = createTable(39);  // three byte fields
    struct Case {
        const char* line;
        const char* separators;
        int code;
    };
    const std::string overlong = "5,6" + std::string(3000, ' ') + ",1";  // cut at the work area
    const Case cases[] = {{"5,,7", ",", -2},      {"1,2,3,4", ",", -4},       {"1,x,3", ",", -3},
                          {"1;2,3", ",;", 0},     {",,1,2,3,,", ",", 0},      {nullptr, ",", -1},
                          {"1,2,3", nullptr, -1}, {overlong.c_str(), ",", -2}};
    for (const Case& c : cases) {
        uint8_t record[3] = {};
        EXPECT_EQ(dusKoor->recordFromText(record, c.line, c.separators), c.code)
            << (c.line ? c.line : "<null>");
    }
}

TEST(RecordLines, FieldTextAndFieldFromText) {
    const auto ruta = createTable(77);
    std::vector<uint8_t> record = rutaRecord();
    char out[16];
    struct Case {
        int16_t field;
        int size;
        int code;
        const char* text;
    };
    const Case cases[] = {{0, 16, 8, nullptr}, {10, 16, 8, nullptr}, {2, 16, 0, "Beograd"},
                          {2, 4, 0, "Beo"},    {3, 16, 0, "sigR2D"}, {9, 16, 0, "-5"},
                          {2, 0, -1, nullptr}};
    for (const Case& c : cases) {
        EXPECT_EQ(ruta->fieldText(c.field, out, c.size, record.data()), c.code) << c.field;
        if (c.text) {
            EXPECT_STREQ(out, c.text) << c.field;
        }
    }
    EXPECT_EQ(ruta->fieldText(1, nullptr, 16, record.data()), -1);
    EXPECT_EQ(ruta->fieldFromText(0, record.data(), "1"), -1);
    EXPECT_EQ(ruta->fieldFromText(10, record.data(), "1"), -1);
    EXPECT_EQ(ruta->fieldFromText(1, record.data(), nullptr), -2);
    EXPECT_EQ(ruta->fieldFromText(4, record.data(), "rDolaz"), 0);
    EXPECT_EQ(record[12], 1);

    // A string from the exchange without a terminator is read within its field.
    std::memset(record.data() + 2, 'A', 9);
    ruta->fieldText(2, out, sizeof out, record.data());
    EXPECT_STREQ(out, "AAAAAAAAA");

    const SSubField unknown = compileOne(42, 1);
    uint8_t raw[1] = {0};
    EXPECT_EQ(fieldFromTextOf(&unknown, 1, 1, raw, "1"), -3);
}

TEST(Ordering, CompareFieldValues) {
    struct Case {
        int16_t type;
        int16_t size;
        std::vector<uint8_t> a, b;
        int sign;
    };
    const Case cases[] = {
        {ftString, 9, {'i', 'm', 'e', 0}, {'I', 'M', 'E', 0}, 0},
        {ftString, 9, {'a', 'b', 0}, {'a', 'b', 'c', 0}, -1},
        {ftString, 3, {'a', 'b', 'c', 'x'}, {'a', 'b', 'c', 'y'}, 0},  // within the field
        {ftString, 2, {0xFF, 0}, {0xDF, 0}, 1},                        // Cyrillic is not folded
        {ftByte, 1, {200}, {100}, 1},
        {ftShort, 2, {0xFF, 0xFF}, {1, 0}, -1},
        {ftLong, 4, {0, 0, 0, 0x80}, {0, 0, 0, 0x7F}, -1},
        {ftDate, 4, {2, 0, 0, 0}, {2, 0, 0, 0}, 0},
        {ftEnum, 1, {200}, {3}, 1},
        {ftEnum, 2, {0xFF, 0xFF}, {1, 0}, -1},
        {ftEnum, 3, {1, 0, 0}, {2, 0, 0}, 0},
        {ftDouble, 8, {0, 0, 0, 0, 0, 0, 0xF0, 0x3F}, {0, 0, 0, 0, 0, 0, 0, 0x40}, -1},
        {42, 1, {1}, {2}, 0},
    };
    for (const Case& c : cases) {
        const SSubField f = compileOne(c.type, c.size);
        const int r = compareFieldValues(c.a.data(), c.b.data(), &f);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.type;
    }
    SSubField bits[2];
    SSubLayout layout;
    const SSubFieldDef defs[2] = {{0, ftBit, 0, nullptr, 0, "a"}, {0, ftBit, 0, nullptr, 0, "b"}};
    compileFieldDefs(bits, &layout, defs, 2);
    const uint8_t x[1] = {0x01}, y[1] = {0x02};
    EXPECT_GT(compareFieldValues(x, y, &bits[0]), 0);
    EXPECT_LT(compareFieldValues(x, y, &bits[1]), 0);
}

TEST(Ordering, CompareKeysAndCopyBit) {
    const auto dtmf = createTable(13);  // three byte keys, then a short
    const uint8_t a[5] = {1, 2, 3, 9, 9};
    const uint8_t b[3] = {1, 2, 4};
    const uint8_t c[3] = {1, 2, 3};
    EXPECT_LT(compareKeys(a, b, dtmf->fields(), dtmf->keyFieldCount()), 0);
    EXPECT_EQ(compareKeys(a, c, dtmf->fields(), dtmf->keyFieldCount()), 0);
    EXPECT_GT(compareKeys(b, a, dtmf->fields(), dtmf->keyFieldCount()), 0);

    uint8_t target = 0xF0;
    const uint8_t one = 0x04, zero = 0xFB;
    copyBit(&target, &one, 2);
    EXPECT_EQ(target, 0xF4);
    copyBit(&target, &zero, 2);
    EXPECT_EQ(target, 0xF0);
}

TEST(FieldText, NumbersIgnoreTheLocale) {
    char out[16];
    uint8_t value[8];
    int rc = -1;
    {
        ScopedRussianNumericLocale russian;
        ASSERT_TRUE(russian.ok());
        formatDoubleField(out, sizeof out, 1.5);
        rc = parseDoubleField(value, "2.5");
    }
    EXPECT_STREQ(out, "1.50");
    EXPECT_EQ(rc, 0);
}

// ---- planned lines: the column writer and the column reader of a table
// against the line builder and the general splitter

// A value at or near the end of what the field's type holds, drawn at random:
// numbers that just fit their column and just do not, every digit count,
// doubles near a half of a hundredth and without a value, unnamed
// enumeration values, strings that fill their field without a terminator.
void putEdgeValue(const SSubField& f, uint8_t* record, std::mt19937& random) {
    uint8_t* p = record + f.offset;
    const auto pick = [&random](const auto& values) {
        return values[random() % std::size(values)];
    };
    const auto put = [p](uint64_t v, int size) {
        for (int i = 0; i < size; ++i) p[i] = uint8_t(v >> (8 * i));
    };
    switch (f.type) {
        case ftByte: {
            static const uint8_t values[] = {0, 1, 9, 10, 99, 100, 127, 128, 254, 255};
            p[0] = random() % 3 == 0 ? uint8_t(random()) : pick(values);
            break;
        }
        case ftShort: {
            static const int16_t values[] = {INT16_MIN, -10000, -9999, -1000, -999,
                                             -10,       -1,     0,     1,     9,
                                             10,        9999,   10000, 32766, INT16_MAX};
            put(uint16_t(random() % 3 == 0 ? int16_t(random()) : pick(values)), 2);
            break;
        }
        case ftLong:
        case ftDate:
        case ftTime: {
            static const int32_t values[] = {
                INT32_MIN, -1000000000, -999999999, -100000000, -99999999,  -86400,   -1, 0, 1, 59,
                86399,     99999999,    100000000,  999999999,  1000000000, INT32_MAX};
            put(uint32_t(random() % 3 == 0 ? int32_t(random()) : pick(values)), 4);
            break;
        }
        case ftFloat:
        case ftDouble: {
            static const double values[] = {
                0.0, -0.0, 0.005, -0.005, 0.015, 0.125, 2.675, 1234.565, -1234.565, 9999999.99,
                9999999.995, 1e7, -1e7, 12345678.9, 1e-320, 1e300, 0.994999999, 1.005, -0.001, 42.0,
                // hundredths that one rounding of the product puts on a half,
                // the exact value not
                718314.67499999993, 716055.70500000007};
            double v = pick(values);
            switch (random() % 6) {
                case 0:
                    v = (int64_t(random() % 2000000001u) - 1000000000) / 100.0;
                    break;
                case 1:
                    v = std::numeric_limits<double>::quiet_NaN();
                    break;
                case 2:
                    v = random() % 2 ? std::numeric_limits<double>::infinity()
                                     : -std::numeric_limits<double>::infinity();
                    break;
                default:
                    break;
            }
            if (f.type == ftFloat) {
                const float single = float(v);
                uint32_t bits;
                std::memcpy(&bits, &single, 4);
                put(bits, 4);
            } else {
                uint64_t bits;
                std::memcpy(&bits, &v, 8);
                put(bits, 8);
            }
            break;
        }
        case ftString: {
            const int length = f.size > 0 ? int(random() % unsigned(f.size + 1)) : 0;
            for (int i = 0; i < f.size; ++i)
                p[i] = i < length ? uint8_t(" aZ,9жЖ\t"[random() % 8]) : 0;
            break;
        }
        case ftBit:
            if (random() % 2) p[0] ^= uint8_t(1u << f.bitNumber);
            break;
        case ftEnum:
        case ftEnum8: {
            const uint32_t v = random() % 4 == 0 ? uint32_t(random())
                                                 : uint32_t(random() % uint32_t(f.enumCount + 3));
            put(v, f.type == ftEnum8 ? 1 : f.size);
            break;
        }
    }
}

std::vector<uint8_t> edgeRecord(const TTrnTabBase& table, std::mt19937& random) {
    std::vector<uint8_t> record(size_t(table.recordLength()));
    for (uint8_t& b : record) b = uint8_t(random());
    for (int16_t f = 1; f <= table.fieldCount(); ++f)
        putEdgeValue(*table.field(f), record.data(), random);
    return record;
}

TEST(RecordLines, PlannedLinesAreTheLinesOfEveryTable) {
    std::mt19937 random(2006);
    for (int16_t t = 1; t < kTableNumberLimit; ++t) {
        const auto table = createTable(t);
        if (!table) continue;
        for (const char separator : {',', '|'}) {
            SLinePlan plan;
            planRecordLines(table->fields(), table->fieldCount(), separator, &plan);
            for (int n = 0; n < 60; ++n) {
                const std::vector<uint8_t> record = edgeRecord(*table, random);
                char expected[kLineWorkSize];
                char planned[kLineWorkSize];
                const int a = recordLineOf(table->fields(), table->fieldCount(), expected,
                                           separator, record.data());
                const int b = recordLineByPlan(plan, table->fields(), table->fieldCount(), planned,
                                               record.data());
                ASSERT_EQ(std::string(planned, size_t(b)), std::string(expected, size_t(a)))
                    << "table " << t;
                ASSERT_EQ(planned[b], '\0');
            }
        }
    }
}

// Columns wider than a line: the plan builds the line column by column too.
TEST(RecordLines, PlannedLinesLongerThanTheWorkArea) {
    std::vector<SSubFieldDef> defs = {{kFieldKey, ftShort, 2, nullptr, 0, "K"}};
    for (int i = 0; i < 3; ++i) defs.push_back({0, ftString, 900, nullptr, 0, "S"});
    defs.push_back({0, ftLong, 4, nullptr, 0, "L"});
    std::vector<SSubField> fields(defs.size());
    SSubLayout layout;
    ASSERT_EQ(compileFieldDefs(fields.data(), &layout, defs.data(), int16_t(defs.size())), 0);
    SLinePlan plan;
    planRecordLines(fields.data(), int16_t(fields.size()), ',', &plan);
    EXPECT_FALSE(plan.whole);
    std::vector<uint8_t> record(size_t(layout.recordLength), 'x');
    char expected[kLineWorkSize], planned[kLineWorkSize];
    const int a = recordLineOf(fields.data(), int16_t(fields.size()), expected, ',', record.data());
    const int b =
        recordLineByPlan(plan, fields.data(), int16_t(fields.size()), planned, record.data());
    EXPECT_EQ(std::string(planned, size_t(b)), std::string(expected, size_t(a)));
}

// Texts a column may hold in a file edited by hand, each read by every reader.
const char* const kColumnTexts[] = {"0",
                                    "-0",
                                    "7",
                                    "-7",
                                    "007",
                                    "010",
                                    "09",
                                    "-0777",
                                    "0x1F",
                                    "0X1f",
                                    "+5",
                                    "5 ",
                                    " 5 ",
                                    "\t5",
                                    "5\t",
                                    "1 2",
                                    "",
                                    " ",
                                    "-",
                                    "--5",
                                    "2147483647",
                                    "-2147483648",
                                    "2147483648",
                                    "-2147483649",
                                    "32767",
                                    "32768",
                                    "-32768",
                                    "-32769",
                                    "255",
                                    "256",
                                    "-1",
                                    "99999999999",
                                    "12345678",
                                    "123456789",
                                    "1234567890",
                                    "01",
                                    "9a",
                                    "a9",
                                    "ж",
                                    "1e3",
                                    "1.5",
                                    "3.14",
                                    "-0.005",
                                    "nan",
                                    "inf",
                                    "1.2.2006",
                                    "31.12.99",
                                    "12:30",
                                    "12:30:45",
                                    "25:00",
                                    "eKOOR",
                                    "ekoor",
                                    "EKOOR",
                                    "eDUS",
                                    "zzz",
                                    "eKOOR\t",
                                    "\teKOOR",
                                    "eKOOR x",
                                    "1",
                                    "2",
                                    "ePretplatnik",
                                    "sigR2D",
                                    "rOdlaz"};

// A line of the table's layout from a record, and the same line with one
// column changed: right-aligned in its width (the layout kept) or as it
// stands (the layout left), or with a separator more, a value less or more.
std::string variedLine(const TTrnTabBase& table, const std::vector<uint8_t>& record,
                       std::mt19937& random) {
    char text[kLineWorkSize];
    const int n = recordLineOf(table.fields(), table.fieldCount(), text, ',', record.data());
    std::string line = "  " + std::string(text, size_t(n));
    while (!line.empty() && line.back() == ' ') line.pop_back();
    if (!line.empty() && line.back() == ',') line += ' ';
    std::vector<size_t> commas;
    for (size_t i = 0; i < line.size(); ++i)
        if (line[i] == ',') commas.push_back(i);
    const size_t column = random() % (commas.size() + 1);
    const size_t from = column == 0 ? 0 : commas[column - 1] + 1;
    const size_t to = column < commas.size() ? commas[column] : line.size();
    const std::string value = kColumnTexts[random() % std::size(kColumnTexts)];
    switch (random() % 8) {
        case 0:
        case 1:
        case 2:
            if (value.size() <= to - from) {
                line.replace(from, to - from, std::string(to - from - value.size(), ' ') + value);
                break;
            }
            [[fallthrough]];
        case 3:
            line.replace(from, to - from, value);
            break;
        case 4:
            line.insert(from, ",");
            break;
        case 5:
            line.erase(column == 0 ? 0 : from - 1, to - (column == 0 ? 0 : from - 1));
            break;
        case 6:
            line += ",5";
            break;
        default:
            break;  // the line as written
    }
    return line;
}

// kLinePadding bytes of digits, signs, separators and blanks.
std::string junk(std::mt19937& random) {
    static const char kBytes[] = "0123456789-, \t";
    std::string bytes;
    for (size_t i = 0; i < kLinePadding; ++i) bytes += kBytes[random() % (sizeof kBytes - 1)];
    return bytes;
}

// Dates, times and reals as the writer puts them are read without the
// general reader, and give what it gives; so do the texts just outside those
// forms, which it judges, and numbers in columns wide enough for more digits
// than their type holds.
TEST(RecordLines, PlannedWideColumnsAreTheGeneralReading) {
    struct Case {
        int16_t type;
        int16_t size;
        std::vector<const char*> texts;
    };
    const Case cases[] = {
        {ftByte, 1, {"255", "256", "-1", "100000005", "000000255", "1000000005"}},
        {ftShort, 2, {"32767", "-32768", "100000005", "-100000005", "123456789", "0000005"}},
        {ftLong,
         4,
         {"2147483647", "-2147483648", "2147483648", "1000000005", "10000000005", "123456789"}},
        {ftDate,
         4,
         {"01.01.80", "31.12.79", "29.02.84", "29.02.85", "31.04.90", "00.01.90", "15.13.90",
          "1.1.80", "01.01.1980", "01-01-80", "01.01.8x"}},
        {ftTime,
         4,
         {"00:00:00", "23:59:59", "99:59:59", "12:60:00", "12:00:60", "1:2:3", "12:00", "-1:00:00",
          "12:00:0x"}},
        {ftDouble,
         8,
         {"0.00", "-0.00", "123.45", "-9999999.99", "0.10", "1.005", "12345678.90", "1.5", "1e3",
          "007.50", "- 1.00"}},
        {ftFloat,
         4,
         {"0.00", "-0.00", "123.45", "167772.15", "167772.16", "167772.37", "9999999.99", "0.07",
          "-12.5"}},
    };
    for (const Case& c : cases) {
        SSubField f = compileOne(c.type, c.size);
        f.displayWidth = 14;
        SReadPlan plan;
        planRecordReading(&f, 1, ',', 0, &plan);
        ASSERT_TRUE(plan.usable);
        for (const char* text : c.texts) {
            const std::string value = text;
            const size_t lead = (14 - value.size()) / 2;
            expectPlannedAsGeneral(
                plan, &f,
                std::string(lead, ' ') + value + std::string(14 - lead - value.size(), ' '), 1);
            expectPlannedAsGeneral(plan, &f, std::string(14 - value.size(), ' ') + value, 1);
        }
    }
}

TEST(RecordLines, PlannedReadingIsTheGeneralReading) {
    std::mt19937 random(1980);
    int planned = 0;
    for (int16_t t = 1; t < kTableNumberLimit; ++t) {
        const auto table = createTable(t);
        if (!table) continue;
        SReadPlan plan;
        planRecordReading(table->fields(), table->fieldCount(), ',', 2, &plan);
        planned += plan.usable;
        for (int n = 0; n < 60; ++n) {
            std::vector<uint8_t> record = edgeRecord(*table, random);
            const std::string line = variedLine(*table, record, random);
            ASSERT_LT(line.size(), size_t(kLineWorkSize));
            // Each reader starts from the same bytes and cuts its own copy of the line.
            for (uint8_t& b : record) b = uint8_t(random());
            std::vector<uint8_t> byPlan = record, bySeparator = record, bySplitter = record;
            std::string a = line, b = line;
            const int planCode = recordFromPlannedLine(plan, table->fields(), table->fieldCount(),
                                                       byPlan.data(), &a[0], a.size());
            // The same line read where it stands, between bytes that look like values.
            std::string padded = junk(random) + line + '\0' + junk(random);
            std::vector<uint8_t> inPlace = record;
            const int inPlaceCode =
                recordFromPaddedLine(plan, table->fields(), table->fieldCount(), inPlace.data(),
                                     &padded[kLinePadding], line.size());
            const int separatorCode = recordFromLineOf(table->fields(), table->fieldCount(),
                                                       bySeparator.data(), &b[0], b.size(), ",");
            const int splitterCode =
                recordFromTextOf(table->fields(), table->fieldCount(), bySplitter.data(),
                                 line.c_str(), ",;");  // two separators: the general splitter
            ASSERT_EQ(planCode, splitterCode) << "table " << t << " [" << line << "]";
            ASSERT_EQ(separatorCode, splitterCode) << "table " << t << " [" << line << "]";
            ASSERT_EQ(byPlan, bySplitter) << "table " << t << " [" << line << "]";
            ASSERT_EQ(inPlaceCode, splitterCode) << "table " << t << " [" << line << "]";
            ASSERT_EQ(inPlace, bySplitter) << "table " << t << " [" << line << "]";
            ASSERT_EQ(bySeparator, bySplitter) << "table " << t << " [" << line << "]";
        }
    }
    EXPECT_GT(planned, 190);  // nearly every table has a layout to read by
}

}  // namespace
