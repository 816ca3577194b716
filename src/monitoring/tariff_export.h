#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "commands/param_records.h"
#include "sub/rec_cursor.h"

// Export of the tariff counters of the replicated table 179 into a file of
// one of four forms: the block form Zoprandix (".DAT"), plain text (".TXT"),
// comma-separated values (".CSV") or XML (".XML"); CP1251 text, CR LF lines.

constexpr int16_t kTariffCounterTable = 179;
constexpr int kTariffCounterRecordSize = 23;

// The row record of table 179; the first three fields are the key.
struct sTarifniBrojac {
    uint8_t TipPT = 0;  // 0 ePretplatnik (subscriber), 1 ePrenosnik, 2 eGovMasina
    char TarifID[9] = {};
    uint8_t BrojacID = 0;
    double TarifniBrojac = 0.0;
    uint8_t BrTarRazgovora[4] = {};
};

bool decodeTarifniBrojac(const uint8_t* record, size_t length, sTarifniBrojac& out);
// The record image of a row (key fields and data), for key searches.
void encodeTarifniBrojac(const sTarifniBrojac& row, uint8_t (&record)[kTariffCounterRecordSize]);

// The database whose table 179 the export reads: the program's one
// database unless another is installed (null restores it).
void setTariffCounterDatabase(KSub* database);
KSub* tariffCounterDatabase();

// Cursor over the rows of table 179 in key order, committed view.
class Sub_IteratorEx_TarifniBrojac {
public:
    explicit Sub_IteratorEx_TarifniBrojac(KSub* database);
    // Reads the next row that can be read into `row`; false at the end.
    bool next();

    sTarifniBrojac row;

private:
    TTrnRecBase cursor_;
    uint8_t buffer_[kTariffCounterRecordSize + 1] = {};
    bool started_ = false;
};

bool nextTariffCounterRow(Sub_IteratorEx_TarifniBrojac& cursor);

// The writers: 0 written, -1 not (an error box for the failures they report
// themselves). A failed write leaves no partial file and an older file of
// the name as it was.
int writeTariffCountersDat(const char* fileName);
int writeTariffCountersTxt(const char* fileName);
int writeTariffCountersCsv(const char* fileName);
int writeTariffCountersXml(const char* fileName);

// "CCU%02d%02d1" with today's month and day, and the extension of the form.
std::string defaultTariffExportName(int16_t format);

// Command 5272: the form's format, then the file dialog, then the writer.
// 0 when written or nothing was asked for, -1 when the export failed.
int exportTariffCounters(const SParamsEksportTarifnihBrojaca& params);
