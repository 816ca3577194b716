#include "monitoring/tariff_export.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "sub/replication_control.h"
#include "sub/table_catalogue.h"
#include "toolkit/file_chooser.h"
#include "toolkit/text_codec.h"
#include "utils/bytes.h"
#include "utils/dates.h"
#include "utils/files.h"
#include "utils/message_box.h"
#include "utils/text_file_viewer.h"

namespace {

KSub* database = nullptr;

constexpr int kFormatCount = 4;
const char* const kExtensions[kFormatCount] = {".DAT", ".TXT", ".CSV", ".XML"};
int (*const kWriters[kFormatCount])(const char*) = {writeTariffCountersDat, writeTariffCountersTxt,
                                                    writeTariffCountersCsv, writeTariffCountersXml};

constexpr int32_t kBlock = 100;
constexpr double kZoprandixModulus = 10000000.0;
constexpr const char* kLineEnd = "\r\n";

std::string tariffId(const sTarifniBrojac& row) {
    return std::string(row.TarifID, strnlen(row.TarifID, sizeof row.TarifID));
}

// The number of a subscriber: the leading decimal digits of its text, 0 when
// it does not begin with one.
int32_t leadingNumber(const sTarifniBrojac& row) {
    int32_t n = 0;
    for (size_t i = 0; i < sizeof row.TarifID && row.TarifID[i] >= '0' && row.TarifID[i] <= '9';
         ++i)
        n = n * 10 + (row.TarifID[i] - '0');
    return n;  // at most 9 digits: within 32 bits
}

bool isSubscriberCounter(const sTarifniBrojac& row) {
    return row.TipPT == 0 && row.BrojacID == 0;
}

// A counter in general notation with six significant digits ("%g").
std::string generalText(double v) {
    char text[64];
    const auto r = std::to_chars(text, text + sizeof text - 1, v, std::chars_format::general, 6);
    *r.ptr = '\0';
    return text;
}

// The Zoprandix value: the counter cut to an integer, its last seven digits.
int32_t zoprandixValue(double v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<int32_t>(std::fmod(std::trunc(v), kZoprandixModulus));
}

// Text 23250 with its three "%02d" filled in order; any other "%" is copied.
std::string datHeader(const SDate& today) {
    const int values[3] = {int(today.year % 100), today.month, today.day};
    std::string out;
    int next = 0;
    for (const char* p = textById(23250); *p; ++p) {
        if (next < 3 && std::strncmp(p, "%02d", 4) == 0) {
            char two[16];
            std::snprintf(two, sizeof two, "%02d", values[next++]);
            out += two;
            p += 3;
        } else {
            out += *p;
        }
    }
    return out.substr(0, 149);
}

bool hasTable() {
    return tariffCounterDatabase()->table(kTariffCounterTable) != nullptr;
}

// 0 when the table can be worked with; otherwise an error box naming it, -1.
int requireConsistentTable(int16_t table) {
    if (tariffCounterDatabase()->table(table) != nullptr && isTableConsistent(table)) return 0;
    char text[200];
    formatMessage(text, sizeof text, 22018, getTablePluralName(table));
    showError(text);
    return -1;
}

int writeFailed() {
    showError(textById(23251));
    return -1;
}

int finishFile(TReplacingFile& file) {
    return file.commit() == 0 ? 0 : writeFailed();
}

// Every row of counter number 0 in key order, as "id<separator>value" lines.
int writeCounterList(const char* fileName, const char* separator) {
    if (!hasTable()) return -1;
    TReplacingFile file(fileName);
    if (!file.isOpen()) return -1;
    for (Sub_IteratorEx_TarifniBrojac cursor(tariffCounterDatabase());
         nextTariffCounterRow(cursor);) {
        if (cursor.row.BrojacID != 0) continue;
        const std::string line =
            tariffId(cursor.row) + separator + generalText(cursor.row.TarifniBrojac) + kLineEnd;
        if (!file.writeText(line.c_str())) return writeFailed();
    }
    return finishFile(file);
}

}  // namespace

bool decodeTarifniBrojac(const uint8_t* record, size_t length, sTarifniBrojac& out) {
    ByteReader in(record, length);
    out.TipPT = in.u8();
    in.bytes(out.TarifID, sizeof out.TarifID);
    out.BrojacID = in.u8();
    uint8_t raw[8] = {};
    in.bytes(raw, sizeof raw);
    std::memcpy(&out.TarifniBrojac, raw, sizeof raw);  // IEEE double, little-endian like the host
    in.bytes(out.BrTarRazgovora, sizeof out.BrTarRazgovora);
    return in.ok();
}

void encodeTarifniBrojac(const sTarifniBrojac& row, uint8_t (&record)[kTariffCounterRecordSize]) {
    ByteWriter out(record, sizeof record);
    out.u8(row.TipPT);
    out.bytes(row.TarifID, sizeof row.TarifID);
    out.u8(row.BrojacID);
    uint8_t raw[8];
    std::memcpy(raw, &row.TarifniBrojac, sizeof raw);
    out.bytes(raw, sizeof raw);
    out.bytes(row.BrTarRazgovora, sizeof row.BrTarRazgovora);
}

void setTariffCounterDatabase(KSub* db) {
    database = db;
}

KSub* tariffCounterDatabase() {
    return database != nullptr ? database : &subDatabase;
}

Sub_IteratorEx_TarifniBrojac::Sub_IteratorEx_TarifniBrojac(KSub* db)
    : cursor_(kTariffCounterTable, db) {
    cursor_.record = buffer_;
}

bool Sub_IteratorEx_TarifniBrojac::next() {
    if (cursor_.recordLength() != kTariffCounterRecordSize) return false;
    const int rc = started_ ? cursor_.next() : cursor_.first();
    started_ = true;
    return rc == tsOK && decodeTarifniBrojac(buffer_, kTariffCounterRecordSize, row);
}

bool nextTariffCounterRow(Sub_IteratorEx_TarifniBrojac& cursor) {
    return cursor.next();
}

int writeTariffCountersDat(const char* fileName) {
    if (!hasTable()) return -1;
    // The numbers of the subscriber counters span whole blocks of 100, from
    // the lowest number's block to the highest one's.
    bool any = false, valid = true;
    int32_t lowest = 0, highest = 0;
    for (Sub_IteratorEx_TarifniBrojac cursor(tariffCounterDatabase());
         nextTariffCounterRow(cursor);) {
        if (!isSubscriberCounter(cursor.row)) continue;
        const int32_t number = leadingNumber(cursor.row);
        valid = valid && number != 0;
        lowest = any && lowest < number ? lowest : number;
        highest = any && highest > number ? highest : number;
        any = true;
    }
    if (!any) {
        showError(textById(23248));
        return -1;
    }
    if (!valid) {
        showError(textById(23249));
        return -1;
    }
    const int32_t from = lowest / kBlock * kBlock;
    const int32_t to = highest / kBlock * kBlock + kBlock - 1;

    TReplacingFile file(fileName);
    if (!file.isOpen()) return -1;
    SDate today;
    getCurrentDate(&today);
    if (!file.writeText((datHeader(today) + kLineEnd).c_str())) return writeFailed();
    sTarifniBrojac key;
    TTrnRecBase lookup(kTariffCounterTable, tariffCounterDatabase());
    uint8_t found[kTariffCounterRecordSize + 1] = {};
    lookup.record = found;
    for (int32_t k = from; k <= to; ++k) {
        std::string text;
        if (k % kBlock == 0) text = std::to_string(k) + kLineEnd;
        const std::string id = std::to_string(k);
        std::memset(key.TarifID, 0, sizeof key.TarifID);
        std::memcpy(key.TarifID, id.data(), std::min(id.size(), sizeof key.TarifID - 1));
        uint8_t keyRecord[kTariffCounterRecordSize] = {};
        encodeTarifniBrojac(key, keyRecord);
        sTarifniBrojac row;
        const int32_t value =
            lookup.readKey(keyRecord) == tsOK && decodeTarifniBrojac(found, sizeof keyRecord, row)
                ? zoprandixValue(row.TarifniBrojac)
                : 0;
        char cell[24];
        std::snprintf(cell, sizeof cell, "%07d ", value);
        text += cell;
        if (k % 10 == 9) text += kLineEnd;
        if (!file.writeText(text.c_str())) return writeFailed();
    }
    return finishFile(file);
}

int writeTariffCountersTxt(const char* fileName) {
    return writeCounterList(fileName, " ");
}

int writeTariffCountersCsv(const char* fileName) {
    return writeCounterList(fileName, ", ");
}

int writeTariffCountersXml(const char* fileName) {
    if (!hasTable()) return -1;
    TReplacingFile file(fileName);
    if (!file.isOpen()) return -1;
    SDate today;
    getCurrentDate(&today);
    const std::string head = std::string("<TariffData>") + kLineEnd + "    <SavingDate>" +
                             std::to_string(today.day) + "/" + std::to_string(today.month) + "/" +
                             std::to_string(today.year) + "</SavingDate>" + kLineEnd;
    if (!file.writeText(head.c_str())) return writeFailed();
    for (Sub_IteratorEx_TarifniBrojac cursor(tariffCounterDatabase());
         nextTariffCounterRow(cursor);) {
        if (cursor.row.BrojacID != 0) continue;
        const std::string rows = std::string("    <TariffCounter>") + kLineEnd +
                                 "        <TarriffID>" + tariffId(cursor.row) +
                                 "</TarriffID><Value>" + generalText(cursor.row.TarifniBrojac) +
                                 "</Value>" + kLineEnd + "    </TariffCounter>" + kLineEnd;
        if (!file.writeText(rows.c_str())) return writeFailed();
    }
    if (!file.writeText((std::string("</TariffData>") + kLineEnd).c_str())) return writeFailed();
    return finishFile(file);
}

std::string defaultTariffExportName(int16_t format) {
    if (format < 0 || format >= kFormatCount) return "";
    SDate today;
    getCurrentDate(&today);
    char name[32];
    std::snprintf(name, sizeof name, "CCU%02d%02d1%s", today.month, today.day, kExtensions[format]);
    return name;
}

int exportTariffCounters(const SParamsEksportTarifnihBrojaca& params) {
    if (requireConsistentTable(kTariffCounterTable) != 0) {
        char text[200];
        formatMessage(text, sizeof text, 22018, getTablePluralName(kTariffCounterTable));
        postTextLine(kLineLocal, text, kTypeOperator);
        return -1;
    }
    const int16_t format = params.Format;
    if (format < 0 || format >= kFormatCount) return 0;
    const std::string patterns = std::string("*.*\n*") + kExtensions[format];
    char chosen[1024];
    if (chooseFileName(patterns.c_str(), defaultTariffExportName(format).c_str(), 1, chosen,
                       sizeof chosen) != 0)
        return 0;
    const int rc = kWriters[format](chosen);
    char text[1200];
    formatMessage(text, sizeof text, rc == 0 ? 23252 : 23253, fromUtf8(FX::FXString(chosen)));
    postTextLine(kLineLocal, text, kTypeOperator);
    if (rc == 0) openTextFileViewer(chosen);
    return rc;
}
