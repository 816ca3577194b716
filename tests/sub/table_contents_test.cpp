#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "peer/work_dir.h"
#include "sub/table_catalogue.h"
#include "sub/table_contents.h"
#include "sub_fixtures.h"
#include "utils/bytes.h"

namespace {

std::string exported(KSub& db, const ScopedWorkDir& dir, const char* name = "state.dat") {
    EXPECT_EQ(exportTableContents(&db, name, ','), 0);
    return dir.read(name);
}

int count(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// One record in every table: a zeroed image whose enumerations take their
// first named value and whose strings hold a short text, but for table 88,
// whose last column (a string) stays empty.
void fillEveryTable(OwnDatabase& o) {
    for (int16_t t = 0; t < kTableNumberLimit; ++t) {
        TTrnTabBase* table = o.db->table(t);
        if (table == nullptr) continue;
        Bytes r(size_t(table->recordLength()), 0);
        for (int16_t f = 1; f <= table->fieldCount(); ++f) {
            const SSubField* field = table->field(f);
            if (field->type == ftString && field->size > 2 && t != 88)
                table->fieldFromText(f, r.data(), "ab");
            if (field->type == ftDate) table->fieldFromText(f, r.data(), "1.2.2006");
            if (field->type == ftTime) table->fieldFromText(f, r.data(), "12:34:56");
            const bool isEnum = field->type == ftEnum || field->type == ftEnum8;
            for (int32_t v = 0; isEnum && v < field->enumCount; ++v) {
                if (field->enumNames[v] == nullptr || field->enumNames[v][0] == '\0') continue;
                ASSERT_EQ(table->fieldFromText(f, r.data(), field->enumNames[v]), 0);
                break;
            }
        }
        uint8_t c = 0;
        ASSERT_EQ(o.db->insertRecord(0, t, r.data(), &c), 0) << t;
    }
}

TEST(TableContents, EmptyDatabaseFileAndItsExampleLines) {
    ScopedWorkDir dir;
    OwnDatabase o;
    const std::string empty = exported(*o.db, dir);
    EXPECT_EQ(empty.substr(0, 54), "\n// Sadrzaj tabela, automatski generisan SUB modulom\n\n");
    EXPECT_EQ(count(empty, "\n::"), 202);
    EXPECT_EQ(empty.substr(empty.size() - 10), "\n\n\n// Kraj");
    int32_t lines = 0;
    int16_t table = 0;
    EXPECT_EQ(importTableContents(o.db.get(), "state.dat", &lines, &table), 0);
    EXPECT_EQ(table, 204);
    for (int16_t t = 1; t < kTableNumberLimit; ++t)
        if (o.db->table(t)) EXPECT_EQ(o.db->table(t)->recordCount(), 0);

    uint8_t c = 0;
    o.db->insertRecord(0, 1, o.record(1, "1,eKOOR").data(), &c);
    const std::string one = exported(*o.db, dir);
    const std::string block = "\n\n//" + std::string(52, '-') +
                              "\n// 1 :: KOORXovi\n::KOORX\n//KOORX,TipKOORXa\n      1,eKOOR\n";
    EXPECT_NE(one.find(block), std::string::npos);
}

TEST(TableContents, ExportImportExportGivesTheSameBytes) {
    ScopedWorkDir dir;
    OwnDatabase source;
    fillEveryTable(source);
    const std::string first = exported(*source.db, dir, "first.dat");
    OwnDatabase copy;
    int32_t lines = 0;
    int16_t table = 0;
    ASSERT_EQ(importTableContents(copy.db.get(), "first.dat", &lines, &table), 0)
        << "line " << lines << " table " << table;
    EXPECT_EQ(exported(*copy.db, dir, "second.dat"), first);
    for (int16_t t = 0; t < kTableNumberLimit; ++t)
        if (copy.db->table(t)) EXPECT_EQ(copy.db->table(t)->recordCount(), 1) << t;
}

// Record images written field by field, little-endian, at the offsets the
// table gives its fields; a value that reading would refuse is stored too.
class RecordImage {
public:
    explicit RecordImage(const TTrnTabBase& table)
        : table_(table), bytes_(size_t(table.recordLength())) {}
    RecordImage& i16(int16_t f, int16_t v) { return put(f, uint32_t(uint16_t(v)), 2); }
    RecordImage& i32(int16_t f, int32_t v) { return put(f, uint32_t(v), 4); }
    RecordImage& u8(int16_t f, uint8_t v) { return put(f, v, 1); }
    RecordImage& bit(int16_t f, bool on) {
        const SSubField* field = table_.field(f);
        if (on) bytes_[size_t(field->offset)] |= uint8_t(1u << field->bitNumber);
        return *this;
    }
    RecordImage& real(int16_t f, double v) {
        uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        put(f, uint32_t(bits), 4);
        ByteWriter(at(f) + 4, 4).u32le(uint32_t(bits >> 32));
        return *this;
    }
    // The bytes as given, without a terminator when they fill the field.
    RecordImage& text(int16_t f, const std::string& v) {
        std::memcpy(at(f), v.data(), std::min(v.size(), size_t(table_.field(f)->size)));
        return *this;
    }
    const uint8_t* data() const { return bytes_.data(); }

private:
    uint8_t* at(int16_t f) { return bytes_.data() + table_.field(f)->offset; }
    RecordImage& put(int16_t f, uint32_t v, int size) {
        ByteWriter w(at(f), size_t(size));
        for (int i = 0; i < size; ++i) w.u8(uint8_t(v >> (8 * i)));
        return *this;
    }
    const TTrnTabBase& table_;
    Bytes bytes_;
};

// The block of one table in a saved file: from its rule to the next table's.
std::string tableBlock(const std::string& file, int16_t table) {
    const std::string start =
        "\n\n//" + std::string(52, '-') + "\n// " + std::to_string(table) + " ";
    const size_t from = file.find(start);
    if (from == std::string::npos) return "";
    return file.substr(from, file.find("\n\n//", from + 2) - from);
}

// Values at the ends of each field type, numbers that overflow their column,
// dates and times outside the calendar and the clock, doubles that are not
// numbers, texts holding the separator, comment marks, CP1251 letters and no
// terminator, unnamed enumeration values: the saved bytes are the known ones.
TEST(TableContents, SavedBytesOfExtremeValues) {
    ScopedWorkDir dir;
    OwnDatabase o;
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    TTrnTabBase& tarif = *o.db->table(118);   // TarifStore: nearly every field type
    TTrnTabBase& numbers = *o.db->table(88);  // BrojZaPreusm: two strings, the last may be empty
    RecordImage low(tarif), high(tarif), plain(tarif);
    low.i16(1, INT16_MIN).bit(2, true).i32(3, INT32_MIN).u8(4, 200).i32(5, -1).u8(6, 255);
    low.u8(7, 0).u8(8, 255).text(9, "Нови Сад, ул. \"Јован\" // 1,2").text(10, "ABCDEFGHIJKLMNOP");
    low.i32(11, 0).i32(12, -1).i32(13, INT32_MIN).i32(14, INT32_MIN).i16(15, -1);
    low.real(24, -1e300).real(26, nan).real(32, -0.0).i16(33, INT16_MIN);
    high.i16(1, INT16_MAX).i32(3, INT32_MAX).i32(5, 999999999).u8(7, 255).text(9, "  ");
    high.i32(11, INT32_MAX).i32(12, INT32_MAX).i32(13, 1).i32(14, 86399).i16(15, INT16_MAX);
    high.bit(16, true).bit(20, true).bit(28, true).u8(21, 1).i16(22, -9999).u8(23, 128);
    high.real(24, inf).u8(25, 7).real(26, -inf).real(32, 0.005).u8(31, 255).i16(33, INT16_MAX);
    plain.i16(1, 0).real(24, 1e-320).real(26, 99999999.995).real(32, -1234.565);
    for (const RecordImage* r : {&low, &high, &plain}) {
        uint8_t c = 0;
        ASSERT_EQ(o.db->insertRecord(0, 118, r->data(), &c), 0);
    }
    const std::string numberRows[][2] = {{"12,34", ""},
                                         {"987654321", "  "},
                                         {"Ђурђ", "x,"},
                                         {"a//b", "Текст до краја поља, 27 зн."},
                                         {"zz", "trailing   "}};
    for (const auto& row : numberRows) {
        RecordImage r(numbers);
        r.text(1, row[0]).text(2, row[1]);
        uint8_t c = 0;
        ASSERT_EQ(o.db->insertRecord(0, 88, r.data(), &c), 0) << row[0];
    }
    const std::string saved = exported(*o.db, dir);
    const std::string tarifBlock =
        "\n"
        "\n"
        "//----------------------------------------------------\n"
        "// 118 :: TarifStores\n"
        "::TarifStore\n"
        "//TarifStore,Aktivan,   DLpt   , VrstaDLpt  ,   OLpt   , VrstaOLpt  ,COrigin,CDestin"
        "ation,          BirBroj          ,     ABroj     , pocDate  ,pocTime , prvDate  ,prv"
        "Time ,TarifniSlucaj,PrijemTarife,SlanjeTarife,TarifirajB,UkidanjePocetnogImpulsa,Pri"
        "jemImpulsaJavljanja,    tsti     ,Tarifa,PocBrImp,   TImp   ,VidTarifiranja,  BrImp "
        "  ,PrimljenProgram,fZauzet,BrojacID,ViserednaVeza,BrKanalaViseredVeze,  dCena   ,Izv"
        "oristeTarKat\n"
        "      -32768,      1,-214748364,(200 ??"
        "?)   ,        -1,(255 ??"
        "?)   ,      0,       "
        "  255,Нови Сад, ул. \"Јован\" // 1,,ABCDEFGHIJKLMNO, 31.12.79 ,-1:59:59, 17.10.69 ,-"
        "596524:,           -1,           0,           0,         0,                      0, "
        "                    0,(0 ??"
        "?)      ,     0,       0,-100000000,             0,      "
        " nan,              0,      0,       0,            0,                  0,     -0.00, "
        "        -32768\n"
        "           0,      0,         0,ePretplatnik,         0,ePretplatnik,      0,       "
        "    0,                           ,               , 31.12.79 ,00:00:00, 31.12.79 ,00:"
        "00:00,            0,           0,           0,         0,                      0,   "
        "                  0,(0 ??"
        "?)      ,     0,       0,      0.00,             0,10000000"
        "0.,              0,      0,       0,            0,                  0,  -1234.57,   "
        "           0\n"
        "       32767,      0,2147483647,ePretplatnik, 999999999,ePretplatnik,    255,       "
        "    0,                           ,               , 16.10.69 ,596523:1, 01.01.80 ,23:"
        "59:59,        32767,           1,           0,         0,                      0,   "
        "                  1,tstiNaPocetku, -9999,     128,       inf,             7,      -i"
        "nf,              0,      1,       0,            0,                255,      0.01,   "
        "       32767\n";
    const std::string numbersBlock =
        "\n"
        "\n"
        "//----------------------------------------------------\n"
        "// 88 :: BrojeviZaPreusm\n"
        "::BrojZaPreusm\n"
        "//  Broj  ,       BrojZaPreusm        \n"
        "  12,34   , \n"
        "  98765432, \n"
        "  a//b    ,Текст до краја поља, 27 зн.\n"
        "  zz      ,trailing\n"
        "  Ђурђ    ,x, \n";
    EXPECT_EQ(tableBlock(saved, 118), tarifBlock);
    EXPECT_EQ(tableBlock(saved, 88), numbersBlock);
}

TEST(TableContents, ImportStopsAtTheFirstError) {
    struct Case {
        const char* name;
        std::string file;
        int result;
        int32_t line;
        int16_t table;
        int32_t routes;  // records of table 77 afterwards
    };
    const std::string ruta = "::Ruta\n";
    const std::string route1 = "  1, Ime1, 0, 1, 0, 0, 0, 0, 0\n";
    const Case cases[] = {
        {"lower-case selector, then a record", "::ruta\n" + route1, 0, 2, 77, -1},
        {"words after the name are ignored", ":: Ruta extra // comment\n", 0, 1, 77, 0},
        {"blanks before the colons", "  ::Ruta\n", tsSintaksnaGreska, 1, -1, 0},
        {"no name", "::\n", tsSintaksnaGreska, 1, -1, 0},
        {"unknown name", ruta + "::Nema\n", tsNePostojiTabela, 2, -1, 0},
        {"a record before any selector", "\n// x\n  1,2\n", tsNePostojiTabela, 3, -1, 0},
        {"a key already there", ruta + route1 + route1, tsVecPostojiSlog, 3, 77, 1},
        {"CR LF and a last line without its end",
         "::Ruta\r\n  \r\n" + route1.substr(0, route1.size() - 1), 0, 3, 77, 1},
        {"a line too long for the reader", ruta + std::string(1999, ' ') + "\n" + route1,
         tsSintaksnaGreska, 2, 77, 0},
        {"the longest line the reader takes", ruta + std::string(1998, ' ') + "\n" + route1, 0, 3,
         77, 1},
        {"the longest line with CR LF", ruta + std::string(1998, ' ') + "\r\n" + route1, 0, 3, 77,
         1},
        {"a last line too long for the reader", ruta + route1 + std::string(1999, ' '),
         tsSintaksnaGreska, 3, 77, 1},
        {"the longest last line, with its CR", ruta + route1 + std::string(1998, ' ') + "\r", 0, 3,
         77, 1},
        {"a line longer than two reads", ruta + std::string(4500, 'x') + "\n" + route1,
         tsSintaksnaGreska, 2, 77, 0},
        {"a NUL byte inside a line", ruta + std::string("  1, Ime1\0, 0\n", 15) + route1,
         tsSintaksnaGreska, 2, 77, 0},
        {"a NUL byte in the last line, before its end",
         ruta + route1.substr(0, route1.size() - 1) + std::string("\0x\n", 3), tsSintaksnaGreska, 2,
         77, 0},
        {"a NUL byte in the last line ends it",
         ruta + route1.substr(0, route1.size() - 1) + std::string("\0, 5", 4), 0, 2, 77, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedWorkDir dir;
        OwnDatabase o;
        dir.write("in.dat", c.file);
        int32_t lines = -5;
        int16_t table = -5;
        EXPECT_EQ(importTableContents(o.db.get(), "in.dat", &lines, &table), c.result);
        EXPECT_EQ(lines, c.line);
        EXPECT_EQ(table, c.table);
        if (c.routes >= 0) EXPECT_EQ(o.db->table(77)->recordCount(), c.routes);
    }
    OwnDatabase o;
    EXPECT_EQ(importTableContents(o.db.get(), "missing.dat", nullptr, nullptr),
              tsNeuspesnoOtvaranje);
    EXPECT_EQ(importTableContents(o.db.get(), nullptr, nullptr, nullptr), tsNeuspesnoOtvaranje);
}

// Comment marks, colons and NUL bytes at every place in a line, on both
// sides of each border where the reader's pass over 16 characters at a time
// divides it: a pair of slashes ends the line, a pair of colons makes it a
// selector, a NUL refuses it, one slash or colon is part of a value.
TEST(TableContents, MarksAtEveryPlaceOfALine) {
    const std::string route = "  1, Ime1, 0, 1, 0, 0, 0, 0, 0";
    struct Mark {
        const char* text;
        size_t length;
        int result;
    };
    const Mark afterRecord[] = {{"// x", 4, 0},
                                {"::", 2, tsSintaksnaGreska},
                                {":", 1, tsSintaksnaGreska},
                                {"\0", 1, tsSintaksnaGreska}};
    ScopedWorkDir dir;
    OwnDatabase o;
    uint8_t c = 0;
    for (size_t at = route.size(); at <= route.size() + 36; ++at) {
        for (const Mark& m : afterRecord) {
            SCOPED_TRACE(std::to_string(at) + " " + std::string(m.text, m.length));
            o.db->clearTable(0, 77, &c);
            dir.write("in.dat", "::Ruta\n" + route + std::string(at - route.size(), ' ') +
                                    std::string(m.text, m.length) + "\n");
            int32_t lines = 0;
            EXPECT_EQ(importTableContents(o.db.get(), "in.dat", &lines, nullptr), m.result);
            EXPECT_EQ(lines, 2);
            EXPECT_EQ(o.db->table(77)->recordCount(), m.result == 0 ? 1 : 0);
        }
    }
    const struct {
        const char* name;
        int result;
    } names[] = {
        {"I/e1", 0}, {"I:e1", 0}, {"I//e", tsSintaksnaGreska}, {"I::e", tsSintaksnaGreska}};
    for (size_t indent = 0; indent <= 36; ++indent) {
        for (const auto& n : names) {
            SCOPED_TRACE(std::to_string(indent) + " " + n.name);
            o.db->clearTable(0, 77, &c);
            std::string line = std::string(indent, ' ') + route;
            line.replace(indent + 5, 4, n.name);
            dir.write("in.dat", "::Ruta\n" + line + "\n");
            EXPECT_EQ(importTableContents(o.db.get(), "in.dat", nullptr, nullptr), n.result);
            if (n.result == 0)
                EXPECT_EQ(o.committed(77).at(0).substr(0, 6), std::string("1,") + n.name);
        }
    }
}

// The reader takes a table's lines laid out as the file is written without
// looking for comments, selectors and NUL bytes first, once a line has shown
// the table's layout. A mark put at any place of a later line, or a later
// line longer or shorter than the layout, must give what the same line gives
// when it is the first one read for its table.
TEST(TableContents, MarksInALaterLineReadAsInTheFirst) {
    ScopedWorkDir dir;
    OwnDatabase source;
    fillEveryTable(source);
    const std::string file = exported(*source.db, dir);
    // The first table (by number) with a field of each type.
    std::vector<int16_t> tables;
    for (const int type :
         {ftByte, ftShort, ftLong, ftBit, ftEnum, ftString, ftDate, ftTime, ftDouble}) {
        for (int16_t t = 0; t < kTableNumberLimit; ++t) {
            const TTrnTabBase* table = source.db->table(t);
            if (table == nullptr) continue;
            bool has = false;
            for (int16_t f = 1; f <= table->fieldCount(); ++f)
                has = has || table->field(f)->type == type;
            if (!has) continue;
            if (std::find(tables.begin(), tables.end(), t) == tables.end()) tables.push_back(t);
            break;
        }
    }
    ASSERT_GE(tables.size(), 4u);
    const std::string marks[] = {"/", "//", ":", "::", std::string(1, '\0'), ","};
    OwnDatabase later;
    OwnDatabase first;
    for (const int16_t t : tables) {
        const std::string block = tableBlock(file, t);
        const size_t selectorAt = block.find("\n::") + 1;
        const std::string selector =
            block.substr(selectorAt, block.find('\n', selectorAt) + 1 - selectorAt);
        const size_t recordAt = block.find("\n  ") + 1;
        const std::string record =
            block.substr(recordAt, block.find('\n', recordAt) + 1 - recordAt);
        ASSERT_GT(record.size(), 3u) << t;
        // The line with a mark at each place; and longer or shorter than its
        // layout: a character more at its end, cut after its last separator,
        // cut one character short.
        std::vector<std::pair<std::string, std::string>> variants;
        for (size_t at = 0; at + 1 < record.size(); ++at) {
            for (const std::string& mark : marks) {
                if (at + mark.size() >= record.size()) continue;
                std::string marked = record;
                marked.replace(at, mark.size(), mark);
                variants.emplace_back(std::to_string(at) + " [" + std::string(mark.c_str()) + "]",
                                      marked);
            }
        }
        const std::string line = record.substr(0, record.size() - 1);
        variants.emplace_back("longer", line + "7\n");
        variants.emplace_back("longer by blanks", line + "   \n");
        variants.emplace_back("cut after the last separator",
                              line.substr(0, line.rfind(',') + 1) + "\n");
        variants.emplace_back("one short", line.substr(0, line.size() - 1) + "\n");
        for (const auto& [label, marked] : variants) {
            SCOPED_TRACE(std::to_string(t) + " " + label);
            uint8_t c = 0;
            later.db->clearTable(0, t, &c);
            first.db->clearTable(0, t, &c);
            // The line read after the record line in one file...
            dir.write("later.dat", selector + record + marked);
            int32_t laterLines = 0;
            int16_t laterTable = 0;
            const int laterResult =
                importTableContents(later.db.get(), "later.dat", &laterLines, &laterTable);
            // ...and as the first record line of a file of its own.
            dir.write("first.dat", selector + record);
            ASSERT_EQ(importTableContents(first.db.get(), "first.dat", nullptr, nullptr), 0);
            dir.write("alone.dat", selector + marked);
            int32_t aloneLines = 0;
            int16_t aloneTable = 0;
            const int aloneResult =
                importTableContents(first.db.get(), "alone.dat", &aloneLines, &aloneTable);
            EXPECT_EQ(laterResult, aloneResult);
            EXPECT_EQ(laterLines, aloneLines + 1);
            EXPECT_EQ(laterTable, aloneTable);
            EXPECT_EQ(later.committed(t), first.committed(t));
        }
    }
}

// A file of many blocks' worth of lines (lines cross every block border the
// reader may use) reads back whole and saves to the same bytes.
TEST(TableContents, LargeFileReadsBackWhole) {
    ScopedWorkDir dir;
    OwnDatabase source;
    for (int32_t i = 0; i < 10000; ++i) {
        char line[40];
        std::snprintf(line, sizeof line, "k%07d,%.2f", int(i), i * 1.25 - 3000);
        uint8_t c = 0;
        ASSERT_EQ(source.db->insertRecord(0, 198, source.record(198, line).data(), &c), 0) << line;
    }
    const std::string first = exported(*source.db, dir, "first.dat");
    ASSERT_GT(first.size(), 200000u);
    OwnDatabase copy;
    int32_t lines = 0;
    int16_t table = 0;
    ASSERT_EQ(importTableContents(copy.db.get(), "first.dat", &lines, &table), 0) << lines;
    EXPECT_EQ(copy.db->table(198)->recordCount(), 10000);
    EXPECT_EQ(exported(*copy.db, dir, "second.dat"), first);
}

TEST(TableContents, RecordLinesThatDoNotFitAreRefused) {
    // Values split at every ",": one too many, a value its field refuses.
    const char* lines[] = {"  1, Ime1, 0, 1, 0, 0, 0, 0, 0, 5\n",
                           "  x, Ime1, 0, 1, 0, 0, 0, 0, 0\n", "  1, Ime1, 0, 1, 0, 0, 0, 0\n",
                           "  1, Ime::1, 0, 1, 0, 0, 0, 0, 0\n"};
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        ScopedWorkDir dir;
        OwnDatabase o;
        dir.write("in.dat", std::string("::Ruta\n") + line);
        int32_t n = 0;
        EXPECT_EQ(importTableContents(o.db.get(), "in.dat", &n, nullptr), tsSintaksnaGreska);
        EXPECT_EQ(n, 2);
    }
}

TEST(TableContents, TextHelpers) {
    EXPECT_TRUE(isBlankText(nullptr));
    EXPECT_TRUE(isBlankText(""));
    EXPECT_TRUE(isBlankText(" \t\r\n"));
    EXPECT_FALSE(isBlankText("  x "));
    char text[] = "a b  \t  ";
    EXPECT_EQ(trimTrailingSpaces(text), 0);
    EXPECT_STREQ(text, "a b  \t");
    EXPECT_EQ(trimTrailingSpaces(nullptr), 1);
}

// A write that fails after the file was created (the disk fills up) reports
// 28 and leaves the earlier file as it was.
TEST(TableContents, FailedWriteKeepsTheEarlierFile) {
    ScopedWorkDir dir;
    OwnDatabase o;
    fillEveryTable(o);
    dir.write("state.dat", "earlier");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit = {4096, 4096};  // files may not grow beyond 4 KiB
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(exportTableContents(o.db.get(), "state.dat", ','));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), tsNeuspesnoOtvaranje);
    EXPECT_EQ(dir.read("state.dat"), "earlier");
    EXPECT_EQ(exportTableContents(o.db.get(), "no/such/folder/state.dat", ','),
              tsNeuspesnoOtvaranje);
    EXPECT_EQ(exportTableContents(o.db.get(), nullptr, ','), tsNeuspesnoOtvaranje);
}

}  // namespace
