#include <cctype>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sub/field_text.h"
#include "sub/table_catalogue.h"
#include "sub/table_dictionary.h"
#include "sub/trn_tab.h"
#include "sub/stated_layouts.h"

namespace {

struct Compiled {
    std::vector<SSubField> fields;
    SSubLayout layout{};
};

Compiled compileTable(int16_t table) {
    int32_t capacity = 0;
    int16_t count = 0;
    const SSubFieldDef* defs = nullptr;
    EXPECT_EQ(getTableDefinition(table, &capacity, &count, &defs), 0) << table;
    Compiled c;
    c.fields.resize(count);
    EXPECT_EQ(compileFieldDefs(c.fields.data(), &c.layout, defs, count), 0);
    return c;
}

TEST(TableCatalogue, NameLookups) {
    struct Case {
        const char* name;
        int32_t singular;
        int32_t plural;
    };
    const Case cases[] = {
        {"pretplatnik", 74, -1}, {"PRETPLATNIK", 74, -1},
        {"Rute", -1, 77},        {"ruta", 77, -1},
        {"RUTA", 77, -1},        {"", -1, -1},
        {"Nema", -1, -1},        {"GrupeOperatera", -1, 123},
        {"Operater", 183, -1},   {"listeALARMA", -1, 172},
        {"rut", -1, -1},         {"Rutaa", -1, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(findTableBySingularName(c.name), c.singular) << c.name;
        EXPECT_EQ(findTableByPluralName(c.name), c.plural) << c.name;
    }
    // Every name, as written and in either case, finds the first table
    // that has it, as a search of the tables in their order would.
    const auto firstWith = [](const std::string& name, bool plural) {
        for (int16_t t = 0; t < kTableNumberLimit; ++t) {
            const STableDefinition& d = kTableDefinitions[t];
            const char* candidate = plural ? d.pluralName : d.singularName;
            if (candidate != nullptr && namesEqual(candidate, name.c_str())) return int32_t(t);
        }
        return int32_t(-1);
    };
    for (int16_t t = 0; t < kTableNumberLimit; ++t) {
        for (const char* name :
             {kTableDefinitions[t].singularName, kTableDefinitions[t].pluralName}) {
            if (name == nullptr) continue;
            std::string lower(name), upper(name);
            for (char& ch : lower) ch = char(std::tolower(static_cast<unsigned char>(ch)));
            for (char& ch : upper) ch = char(std::toupper(static_cast<unsigned char>(ch)));
            for (const std::string& n : {std::string(name), lower, upper, lower + "x"}) {
                EXPECT_EQ(findTableBySingularName(n.c_str()), firstWith(n, false)) << n;
                EXPECT_EQ(findTableByPluralName(n.c_str()), firstWith(n, true)) << n;
            }
        }
    }
    EXPECT_EQ(findTableBySingularName(std::string(100, 'a').c_str()), -1);  // longer than any name
}

TEST(TableCatalogue, NamesByNumber) {
    struct Case {
        int16_t table;
        const char* singular;
        const char* plural;
    };
    const Case cases[] = {{0, nullptr, nullptr},   {-1, nullptr, nullptr},
                          {205, nullptr, nullptr}, {1, "KOORX", "KOORXovi"},
                          {77, "Ruta", "Rute"},    {123, "GrupaOperatera", "GrupeOperatera"},
                          {204, "BRIN", "BRINovi"}};
    for (const Case& c : cases) {
        const char* s = getTableSingularName(c.table);
        const char* p = getTablePluralName(c.table);
        EXPECT_EQ(s == nullptr ? std::string("<null>") : s,
                  c.singular == nullptr ? std::string("<null>") : c.singular)
            << c.table;
        EXPECT_EQ(p == nullptr ? std::string("<null>") : p,
                  c.plural == nullptr ? std::string("<null>") : c.plural)
            << c.table;
    }
}

TEST(TableCatalogue, ValidTableNumbers) {
    const std::map<int16_t, int> cases = {{0, 0},   {123, 0}, {183, 0}, {205, 0}, {-5, 0}, {1, 1},
                                          {122, 1}, {124, 1}, {182, 1}, {184, 1}, {204, 1}};
    for (const auto& [table, valid] : cases) {
        EXPECT_EQ(isValidTableNumber(table), valid) << table;
        EXPECT_EQ(isReplicableTableNumber(table), valid) << table;
    }
    int count = 0;
    for (int t = -10; t < 300; ++t) count += isValidTableNumber(static_cast<int16_t>(t));
    EXPECT_EQ(count, 202);
}

TEST(TableCatalogue, Definitions) {
    int32_t capacity = -7;
    int16_t count = -7;
    const SSubFieldDef* defs = nullptr;
    EXPECT_EQ(getTableDefinition(123, &capacity, &count, &defs), 0);
    EXPECT_EQ(capacity, 20);
    EXPECT_EQ(count, 5);
    ASSERT_NE(defs, nullptr);
    EXPECT_STREQ(defs[0].name, "BrojGrupe");

    for (int16_t bad : {0, -1, 205}) {
        capacity = -7;
        count = -7;
        defs = nullptr;
        EXPECT_EQ(getTableDefinition(bad, &capacity, &count, &defs), 1) << bad;
        EXPECT_EQ(capacity, -7);
        EXPECT_EQ(count, -7);
        EXPECT_EQ(defs, nullptr);
    }
    EXPECT_EQ(createTable(0), nullptr);
    const auto ruta = createTable(77);
    ASSERT_NE(ruta, nullptr);
    EXPECT_EQ(ruta->capacity(), 255);
    EXPECT_EQ(ruta->recordLength(), 19);
}

// Every dictionary compiles to the lengths, offsets and bit positions the
// exchange states for it.
TEST(TableDictionary, CompiledLayoutsMatchStatedLayouts) {
    std::map<int, Compiled> compiled;
    for (int16_t t = 1; t <= kLastTableNumber; ++t) compiled[t] = compileTable(t);
    ASSERT_EQ(std::size(kStatedTables), 204u);
    for (const StatedTable& s : kStatedTables) {
        const SSubLayout& l = compiled[s.table].layout;
        EXPECT_EQ(l.recordLength, s.recordLength) << s.table;
        EXPECT_EQ(l.keyLength, s.keyLength) << s.table;
    }
    size_t statedFields = 0;
    for (const StatedField& s : kStatedFields) {
        const Compiled& c = compiled[s.table];
        ASSERT_LE(s.field, static_cast<int16_t>(c.fields.size())) << s.table;
        const SSubField& f = c.fields[s.field - 1];
        EXPECT_EQ(f.offset, s.offset) << s.table << "." << f.name;
        if (s.bit >= 0) {
            EXPECT_EQ(f.type, ftBit) << s.table << "." << f.name;
            EXPECT_EQ(f.bitNumber, s.bit) << s.table << "." << f.name;
        }
        ++statedFields;
    }
    size_t fields = 0;
    for (const auto& [t, c] : compiled) fields += c.fields.size();
    EXPECT_EQ(statedFields, fields);
}

TEST(TableDictionary, Totals) {
    size_t fields = 0;
    int16_t longestRecord = 0;
    int widestLine = 0;
    int64_t slotStorage = 0;
    std::map<const char* const*, int32_t> lists;
    for (int16_t t = 1; t <= kLastTableNumber; ++t) {
        const Compiled c = compileTable(t);
        const STableDefinition& d = kTableDefinitions[t];
        fields += c.fields.size();
        longestRecord = std::max(longestRecord, c.layout.recordLength);
        int line = -1;
        for (const SSubField& f : c.fields) {
            line += f.displayWidth + 1;
            if (f.enumNames != nullptr) lists[f.enumNames] = f.enumCount;
        }
        widestLine = std::max(widestLine, line);
        if (isValidTableNumber(t))
            slotStorage += int64_t(d.capacity) * (4 + c.layout.keyLength + 2 * c.layout.dataLength);
        EXPECT_GE(d.capacity, 3) << t;
        EXPECT_LE(d.capacity, 25000) << t;
    }
    EXPECT_EQ(fields, 1134u);
    EXPECT_EQ(lists.size(), 93u);
    EXPECT_EQ(longestRecord, 298);
    EXPECT_EQ(widestLine, 1576);
    EXPECT_LT(widestLine, kLineWorkSize);
    EXPECT_EQ(slotStorage, 13416080);

    const Compiled callStore = compileTable(119);
    EXPECT_EQ(callStore.fields.size(), 124u);
    EXPECT_EQ(callStore.layout.recordLength, 253);
}

TEST(TableDictionary, EnumerationLists) {
    const SSubFieldDef* defs = kTableDefinitions[119].fields;  // CallStore
    const SSubFieldDef& eos = defs[24];                        // EOSCode
    ASSERT_STREQ(eos.name, "EOSCode");
    ASSERT_EQ(eos.enumCount, 256);
    EXPECT_STREQ(eos.enumNames[255], "eosOK");
    for (int v = 184; v <= 254; ++v) EXPECT_STREQ(eos.enumNames[v], "") << v;
    EXPECT_STRNE(eos.enumNames[183], "");

    const SSubFieldDef& tip = kTableDefinitions[1].fields[1];  // KOORX.TipKOORXa
    ASSERT_EQ(tip.enumCount, 3);
    EXPECT_STREQ(tip.enumNames[0], "");
    EXPECT_STREQ(tip.enumNames[2], "eDUS");
}

TEST(CompileFieldDefs, BitRuns) {
    // Pretplatnik: 21 bits in three bytes, bit numbers 0..7, 0..7 and 0..4.
    const Compiled p = compileTable(74);
    for (int i = 25; i < 46; ++i) {
        const SSubField& f = p.fields[i];
        const int run = i - 25;
        EXPECT_EQ(f.flags & kFieldBit, kFieldBit);
        EXPECT_EQ(f.offset, 25 + run / 8) << f.name;
        EXPECT_EQ(f.bitNumber, run % 8) << f.name;
        EXPECT_EQ(f.size, run % 8 == 0 ? 1 : 0) << f.name;
    }
    EXPECT_EQ(p.fields[46].offset, 28);

    // Bit runs that end the dictionary still count their byte.
    struct Case {
        int16_t table;
        int16_t recordLength;
        int16_t lastOffset;
        uint8_t lastBit;
    };
    for (const Case& c : {Case{144, 29, 28, 6}, Case{189, 2, 1, 6}}) {
        const Compiled t = compileTable(c.table);
        EXPECT_EQ(t.layout.recordLength, c.recordLength) << c.table;
        EXPECT_EQ(t.fields.back().offset, c.lastOffset) << c.table;
        EXPECT_EQ(t.fields.back().bitNumber, c.lastBit) << c.table;
    }
}

TEST(CompileFieldDefs, RutaLayout) {
    const Compiled r = compileTable(77);
    struct Case {
        const char* name;
        int16_t offset, size, width;
        uint8_t flags;
    };
    const Case cases[] = {{"Ruta", 0, 2, 5, kFieldKey},    {"Ime", 2, 9, 8, kFieldIndex},
                          {"Signalizacija", 11, 1, 13, 0}, {"Tip", 12, 1, 10, 0},
                          {"EndToEnd", 13, 1, 8, 0},       {"PrirodaRute", 14, 1, 12, 0},
                          {"GrupnePoruke", 15, 1, 12, 0},  {"S", 16, 1, 4, 0},
                          {"OperID", 17, 2, 6, 0}};
    ASSERT_EQ(r.fields.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const SSubField& f = r.fields[i];
        EXPECT_STREQ(f.name, cases[i].name);
        EXPECT_EQ(f.offset, cases[i].offset) << f.name;
        EXPECT_EQ(f.size, cases[i].size) << f.name;
        EXPECT_EQ(f.displayWidth, cases[i].width) << f.name;
        EXPECT_EQ(f.flags, cases[i].flags) << f.name;
        EXPECT_EQ(f.exclusiveMask | f.sharedMask | f.markMask, 0);
        EXPECT_EQ(f.indexTable, nullptr);
    }
    EXPECT_EQ(r.layout.keyFieldCount, 1);
    EXPECT_EQ(r.layout.indexCount, 1);
    EXPECT_EQ(r.layout.keyLength, 2);
    EXPECT_EQ(r.layout.dataLength, 17);
    EXPECT_EQ(r.layout.recordLength, 19);
}

TEST(CompileFieldDefs, RefusesMissingArguments) {
    SSubField out[2];
    SSubLayout layout;
    const SSubFieldDef* defs = kTableDefinitions[1].fields;
    EXPECT_EQ(compileFieldDefs(nullptr, &layout, defs, 2), -1);
    EXPECT_EQ(compileFieldDefs(out, nullptr, defs, 2), -1);
    EXPECT_EQ(compileFieldDefs(out, &layout, nullptr, 2), -1);
}

TEST(FieldDefs, WidthsAndSizes) {
    struct Case {
        SSubFieldDef def;
        int16_t storage;
        int16_t width;
    };
    static const char* const names[] = {"ab", "", "abcdef", nullptr, "abcdefghijk"};
    const Case cases[] = {
        {{0, ftByte, 1, nullptr, 0, "x"}, 1, 4},
        {{0, ftShort, 2, nullptr, 0, "x"}, 2, 5},
        {{0, ftLong, 4, nullptr, 0, "LongerName12"}, 4, 12},
        {{0, ftDate, 4, nullptr, 0, "x"}, 4, 10},
        {{0, ftTime, 4, nullptr, 0, "x"}, 4, 8},
        {{0, ftFloat, 4, nullptr, 0, "x"}, 4, 10},
        {{0, ftDouble, 8, nullptr, 0, "x"}, 8, 10},
        {{0, ftString, 26, nullptr, 0, "x"}, 26, 25},
        {{0, ftBit, 0, nullptr, 0, "x"}, 0, 1},
        {{0, ftEnum, 1, names, 5, "x"}, 1, 6},  // counting stops at the null entry
        {{0, ftEnum8, 2, names, 2, "x"}, 2, 2},
        {{0, 42, 0, nullptr, 0, "x"}, 1, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fieldStorageSize(&c.def), c.storage) << c.def.type;
        EXPECT_EQ(fieldDisplayWidth(&c.def), c.width) << c.def.type;
    }
    EXPECT_EQ(longestEnumName(names, 5), 6);
    EXPECT_EQ(longestEnumName(nullptr, 5), 0);
}

}  // namespace
