#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "peer/work_dir.h"
#include "sub/table_catalogue.h"
#include "sub/table_contents.h"
#include "sub_fixtures.h"

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
