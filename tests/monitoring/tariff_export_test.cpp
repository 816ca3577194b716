#include <unistd.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "monitoring/monitoring_fixtures.h"
#include "monitoring/monitoring_texts.h"
#include "monitoring/tariff_export.h"
#include "sub/sub_database.h"
#include "sub/trn_tab.h"
#include "toolkit/file_chooser.h"

namespace {

struct Row {
    uint8_t kind;
    const char* id;
    uint8_t counter;
    double value;
};

class TariffExport : public ::testing::Test, protected MonitoringWorld {
protected:
    TariffExport() : table(database->table(kTariffCounterTable)) {
        setTariffCounterDatabase(database.get());
    }
    ~TariffExport() override { setTariffCounterDatabase(nullptr); }
    void put(const std::vector<Row>& rows) {
        for (const Row& r : rows) {
            sTarifniBrojac row;
            row.TipPT = r.kind;
            std::snprintf(row.TarifID, sizeof row.TarifID, "%s", r.id);
            row.BrojacID = r.counter;
            row.TarifniBrojac = r.value;
            uint8_t record[kTariffCounterRecordSize];
            encodeTarifniBrojac(row, record);
            uint8_t conflict = 0;
            ASSERT_EQ(database->insertRecord(0, kTariffCounterTable, record, &conflict), tsOK)
                << r.id;
        }
    }
    std::string file(const char* name) const { return dir.path() + "/" + name; }
    bool exists(const char* name) const { return std::ifstream(file(name)).good(); }
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> out;
        for (const auto& b : boxes.boxes) out.push_back(b.text);
        return out;
    }
    // The Zoprandix lines of the blocks from `first` with the given counters.
    static std::string blocks(int first, int count,
                              const std::vector<std::pair<int, const char*>>& values) {
        std::string s;
        for (int k = first; k < first + count * 100; ++k) {
            if (k % 100 == 0) s += std::to_string(k) + "\r\n";
            const char* cell = "0000000";
            for (const auto& [number, text] : values)
                if (number == k) cell = text;
            s += std::string(cell) + " ";
            if (k % 10 == 9) s += "\r\n";
        }
        return s;
    }
    std::string datHeader() const {
        std::string h = kText23250;
        for (const char* v : {"06", "07", "14"}) h.replace(h.find("%02d"), 4, v);
        return h + "\r\n";
    }
    KSubNotifier notifier;
    std::unique_ptr<KSub> database = std::make_unique<KSub>(&notifier);
    TTrnTabBase* table;
};

TEST_F(TariffExport, RecordLayoutIsTheTablesOwn) {
    ASSERT_EQ(table->recordLength(), kTariffCounterRecordSize);
    const int16_t offsets[] = {0, 1, 10, 11, 19};
    for (int16_t f = 1; f <= 5; ++f) EXPECT_EQ(table->field(f)->offset, offsets[f - 1]) << f;
    put({{0, "512", 0, 42.0}});
    uint8_t record[kTariffCounterRecordSize];
    ASSERT_EQ(table->readRow(0, 0, record), 0);
    sTarifniBrojac row;
    ASSERT_TRUE(decodeTarifniBrojac(record, sizeof record, row));
    EXPECT_STREQ(row.TarifID, "512");
    EXPECT_EQ(row.TarifniBrojac, 42.0);
    EXPECT_FALSE(decodeTarifniBrojac(record, sizeof record - 1, row));
}

TEST_F(TariffExport, ZoprandixBlocks) {
    const struct {
        const char* name;
        std::vector<Row> rows;
        std::string body;
    } cases[] = {
        {"one block",
         {{0, "512", 0, 7.9}, {0, "598", 0, 1234}},
         blocks(500, 1, {{512, "0000007"}, {598, "0001234"}})},
        {"an empty block between",
         {{0, "512", 0, 1}, {0, "705", 0, 2}},
         blocks(500, 3, {{512, "0000001"}, {705, "0000002"}})},
        {"one row is enough, other kinds and counters are left out",
         {{0, "512", 1, 5}, {1, "300", 0, 3}, {0, "515", 0, 9}, {2, "800", 0, 4}},
         blocks(500, 1, {{515, "0000009"}})},
        {"the last seven digits of a large counter",
         {{0, "100", 0, 123456789.7}, {0, "101", 0, 5e12}},
         blocks(100, 1, {{100, "3456789"}})},
        {"numbers of different lengths span the lowest to the highest",
         {{0, "1000", 0, 1}, {0, "512", 0, 2}},
         blocks(500, 6, {{1000, "0000001"}, {512, "0000002"}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        table->reset();
        put(c.rows);
        ASSERT_EQ(writeTariffCountersDat(file("t.DAT").c_str()), 0);
        EXPECT_EQ(dir.read("t.DAT"), datHeader() + c.body);
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(TariffExport, ZoprandixRefusals) {
    const struct {
        const char* name;
        std::vector<Row> rows;
        const char* box;
    } cases[] = {
        {"an empty table", {}, kText23248},
        {"no subscriber counter",
         {{1, "300", 0, 3}, {2, "800", 0, 4}, {0, "500", 2, 1}},
         kText23248},
        {"a subscriber that is no number", {{0, "512", 0, 1}, {0, "ab", 0, 1}}, kText23249},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        table->reset();
        boxes.boxes.clear();
        put(c.rows);
        EXPECT_EQ(writeTariffCountersDat(file("r.DAT").c_str()), -1);
        EXPECT_EQ(boxTexts(), std::vector<std::string>{c.box});
        EXPECT_FALSE(exists("r.DAT"));
    }
}

TEST_F(TariffExport, ListForms) {
    const std::string xmlHead = "<TariffData>\r\n    <SavingDate>14/7/2006</SavingDate>\r\n";
    auto xmlRow = [](const char* id, const char* value) {
        return std::string("    <TariffCounter>\r\n        <TarriffID>") + id +
               "</TarriffID><Value>" + value + "</Value>\r\n    </TariffCounter>\r\n";
    };
    const struct {
        const char* name;
        int (*writer)(const char*);
        bool filled;
        std::string contents;
    } cases[] = {
        {"text", writeTariffCountersTxt, true, "100 123\r\n101 12.5\r\n7 1e+07\r\nX1 0.25\r\n"},
        {"comma-separated", writeTariffCountersCsv, true,
         "100, 123\r\n101, 12.5\r\n7, 1e+07\r\nX1, 0.25\r\n"},
        {"XML", writeTariffCountersXml, true,
         xmlHead + xmlRow("100", "123") + xmlRow("101", "12.5") + xmlRow("7", "1e+07") +
             xmlRow("X1", "0.25") + "</TariffData>\r\n"},
        {"empty text", writeTariffCountersTxt, false, ""},
        {"empty comma-separated", writeTariffCountersCsv, false, ""},
        {"empty XML", writeTariffCountersXml, false, xmlHead + "</TariffData>\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        table->reset();
        if (c.filled)
            put({{2, "X1", 0, 0.25},
                 {0, "101", 0, 12.5},
                 {1, "7", 0, 1e7},
                 {0, "100", 0, 123},
                 {0, "100", 1, 5}});
        ASSERT_EQ(c.writer(file("list").c_str()), 0);
        EXPECT_EQ(dir.read("list"), c.contents);
    }
}

TEST_F(TariffExport, AFailedWriteKeepsTheOldFile) {
    put({{0, "512", 0, 1}});
    for (auto writer : {writeTariffCountersDat, writeTariffCountersTxt, writeTariffCountersCsv,
                        writeTariffCountersXml}) {
        boxes.boxes.clear();
        dir.write("x.OUT", "old");
        ASSERT_EQ(symlink("/dev/full", file("x.OUT.tmp").c_str()), 0);
        EXPECT_EQ(writer(file("x.OUT").c_str()), -1);
        EXPECT_EQ(dir.read("x.OUT"), "old");
        EXPECT_EQ(boxTexts(), std::vector<std::string>{kText23251});
        EXPECT_FALSE(exists("x.OUT.tmp"));
    }
    // A file that cannot be made: no box.
    boxes.boxes.clear();
    EXPECT_EQ(writeTariffCountersTxt(file("no/such/x.TXT").c_str()), -1);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(TariffExport, TheCommand) {
    RecordingChooser chooser;
    put({{0, "512", 0, 1}});
    chooser.answer = "out.DAT";
    ASSERT_EQ(exportTariffCounters(SParamsEksportTarifnihBrojaca{0}), 0);
    EXPECT_EQ(chooser.asked,
              (std::vector<std::vector<std::string>>{{"*.*\n*.DAT", "CCU07141.DAT", "1"}}));
    EXPECT_EQ(lines(), std::vector<std::string>{withArgs(kText23252, {"out.DAT"})});
    EXPECT_EQ(shell.opened, std::vector<std::string>{"out.DAT"});
    EXPECT_TRUE(exists("out.DAT"));

    // Cancelled, or a format the form does not have: nothing happens.
    operatorLines.messages.clear();
    chooser.asked.clear();
    chooser.cancel = true;
    EXPECT_EQ(exportTariffCounters(SParamsEksportTarifnihBrojaca{1}), 0);
    EXPECT_EQ(exportTariffCounters(SParamsEksportTarifnihBrojaca{4}), 0);
    EXPECT_EQ(exportTariffCounters(SParamsEksportTarifnihBrojaca{-1}), 0);
    EXPECT_EQ(chooser.asked.size(), 1u);
    EXPECT_TRUE(lines().empty());

    // A writer that fails.
    chooser.cancel = false;
    chooser.answer = "bad.DAT";
    table->reset();
    EXPECT_EQ(exportTariffCounters(SParamsEksportTarifnihBrojaca{0}), -1);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{kText23248});
    EXPECT_EQ(lines(), std::vector<std::string>{withArgs(kText23253, {"bad.DAT"})});

    // A database without the table.
    boxes.boxes.clear();
    operatorLines.messages.clear();
    database->tables[kTariffCounterTable].reset();
    EXPECT_EQ(exportTariffCounters(SParamsEksportTarifnihBrojaca{1}), -1);
    const std::string refused = withArgs(kText22018, {"TarifniBrojaci"});
    EXPECT_EQ(boxTexts(), std::vector<std::string>{refused});
    EXPECT_EQ(lines(), std::vector<std::string>{refused});
}

TEST_F(TariffExport, DefaultNames) {
    localClock.current.month = 1;
    localClock.current.day = 5;
    EXPECT_EQ(defaultTariffExportName(1), "CCU01051.TXT");
    EXPECT_EQ(defaultTariffExportName(2), "CCU01051.CSV");
    EXPECT_EQ(defaultTariffExportName(3), "CCU01051.XML");
    EXPECT_EQ(defaultTariffExportName(4), "");
}

}  // namespace
