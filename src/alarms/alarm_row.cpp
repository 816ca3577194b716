#include "alarms/alarm_row.h"

#include <cstdio>
#include <cstring>

#include "texts/catalogue_message.h"
#include "sub/sub_database.h"
#include "utils/bytes.h"

namespace {

KSub* installedDatabase = nullptr;

}  // namespace

bool decodeAlarmRow(const uint8_t* record, std::size_t length, sListaAlarma& out) {
    out = sListaAlarma{};
    ByteReader in(record, length);
    sListaAlarma row;
    row.TipAlarma = in.i16le();
    row.OPC = in.i16le();
    in.bytes(row.Parametri, kAlarmParamSize);
    row.Parametri[kAlarmParamSize - 1] = '\0';
    row.Stanje = in.u8();
    row.Nivo = in.u8();
    row.Opis = in.i16le();
    row.Datum = in.i32le();
    row.Vreme = in.i32le();
    row.AlarmIB = in.i32le();
    if (!in.ok()) return false;
    out = row;
    return true;
}

void encodeAlarmRow(const sListaAlarma& row, uint8_t (&record)[kAlarmRowSize]) {
    ByteWriter out(record, sizeof record);
    out.u16le(static_cast<uint16_t>(row.TipAlarma));
    out.u16le(static_cast<uint16_t>(row.OPC));
    const std::size_t n = strnlen(row.Parametri, kAlarmParamSize - 1);
    out.bytes(row.Parametri, n);
    out.zeros(kAlarmParamSize - n);
    out.u8(row.Stanje);
    out.u8(row.Nivo);
    out.u16le(static_cast<uint16_t>(row.Opis));
    out.u32le(static_cast<uint32_t>(row.Datum));
    out.u32le(static_cast<uint32_t>(row.Vreme));
    out.u32le(static_cast<uint32_t>(row.AlarmIB));
}

void makeAlarmListRow(sListaAlarma& out, const uint8_t* record) {
    decodeAlarmRow(record, kAlarmRowSize, out);
}

int compareAlarmKeys(const sListaAlarma& a, const sListaAlarma& b) {
    if (a.TipAlarma != b.TipAlarma) return a.TipAlarma < b.TipAlarma ? -1 : 1;
    if (a.OPC != b.OPC) return a.OPC < b.OPC ? -1 : 1;
    const int order = std::strncmp(a.Parametri, b.Parametri, kAlarmParamSize);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

int alarmDescription(char* out, std::size_t size, const sListaAlarma& row) {
    return formatMessageFromCoded(out, size, row.Opis, row.Parametri);
}

void alarmLineArguments(char* out, std::size_t size, const int32_t dateTime[6],
                        const sListaAlarma& row) {
    std::snprintf(out, size, "%d$%d$%d$%d$%d$%d$%d$%.*s", dateTime[0], dateTime[1], dateTime[2],
                  dateTime[3], dateTime[4], dateTime[5], row.Opis,
                  static_cast<int>(kAlarmParamSize - 1), row.Parametri);
}

void setAlarmDatabase(KSub* database) {
    installedDatabase = database;
}

KSub& alarmDatabase() {
    return installedDatabase != nullptr ? *installedDatabase : subDatabase;
}

bool readAlarmTableRow(KSub& db, int32_t i, sListaAlarma& out) {
    TTrnTabBase* table = db.table(kAlarmListTable);
    uint8_t record[kAlarmRowSize] = {};
    if (table == nullptr || table->recordLength() != int16_t(kAlarmRowSize) ||
        table->readRow(0, i, record) != tsOK)
        return false;
    makeAlarmListRow(out, record);
    return true;
}

bool readAlarmByKey(KSub& db, const sListaAlarma& key, sListaAlarma& out) {
    TTrnTabBase* table = db.table(kAlarmListTable);
    if (table == nullptr) return false;
    uint8_t record[kAlarmRowSize];
    encodeAlarmRow(key, record);
    return readAlarmTableRow(db, table->findKey(record), out);
}

int32_t alarmTableCount(KSub& db) {
    TTrnTabBase* table = db.table(kAlarmListTable);
    return table != nullptr ? table->recordCount() : 0;
}
