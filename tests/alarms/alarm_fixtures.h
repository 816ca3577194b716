#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alarms/alarm_row.h"
#include "alarms/alarm_test_support.h"
#include "platform/local_clock.h"
#include "sub/sub_database.h"

// Catalogue texts used as alarm descriptions: one takes an argument, one none.
constexpr int16_t kOpisWithArgument = 21291;  // "Активен аварийный сигнал %1"
constexpr int16_t kOpisOther = 21292;  // "Неактивен аварийный сигнал %1"
constexpr int16_t kOpisPlain = 21256;  // no argument

inline sListaAlarma alarmRow(int16_t type, int16_t opc, const char* params, uint8_t stanje,
                             uint8_t nivo, int32_t id, int16_t opis = kOpisWithArgument) {
    sListaAlarma r;
    r.TipAlarma = type;
    r.OPC = opc;
    std::strncpy(r.Parametri, params, kAlarmParamSize - 1);
    r.Stanje = stanje;
    r.Nivo = nivo;
    r.Opis = opis;
    r.Datum = 16000 + id;
    r.Vreme = 3600 + id;
    r.AlarmIB = id;
    return r;
}

// A database of its own with the alarm tables, installed for the alarm
// code, and a fixed wall clock: 05.03.2024 07:08:09.
struct AlarmDatabase {
    AlarmDatabase() {
        setAlarmDatabase(&db);
        clock.current = {2024, 3, 5, 7, 8, 9, 0};
        platform::setLocalClock(&clock);
    }
    ~AlarmDatabase() {
        setAlarmDatabase(nullptr);
        platform::setLocalClock(nullptr);
    }
    int insert(const sListaAlarma& row) {
        uint8_t record[kAlarmRowSize];
        encodeAlarmRow(row, record);
        uint8_t conflict = 0;
        return db.insertRecord(0, kAlarmListTable, record, &conflict);
    }
    int update(const sListaAlarma& row) {
        uint8_t record[kAlarmRowSize];
        encodeAlarmRow(row, record);
        uint8_t conflict = 0;
        return db.updateRecord(0, kAlarmListTable, record, &conflict);
    }
    int updateField(int16_t field, const sListaAlarma& row) {
        uint8_t record[kAlarmRowSize];
        encodeAlarmRow(row, record);
        uint8_t conflict = 0;
        return db.updateField(0, kAlarmListTable, field, record, &conflict);
    }
    int remove(const sListaAlarma& row) {
        uint8_t record[kAlarmRowSize];
        encodeAlarmRow(row, record);
        uint8_t conflict = 0;
        return db.deleteRecord(0, kAlarmListTable, record, &conflict);
    }
    // Replaces the table as a load does: reset, then one committed slot per
    // row in key order.
    void load(std::vector<sListaAlarma> rows) {
        std::sort(rows.begin(), rows.end(), [](const sListaAlarma& a, const sListaAlarma& b) {
            return compareAlarmKeys(a, b) < 0;
        });
        ASSERT_EQ(db.resetTable(kAlarmListTable), 0);
        for (size_t i = 0; i < rows.size(); ++i) {
            uint8_t slot[4 + kAlarmRowSize + 16] = {kCommittedVersion};
            uint8_t record[kAlarmRowSize];
            encodeAlarmRow(rows[i], record);
            std::memcpy(slot + 4, record, kAlarmRowSize);
            ASSERT_EQ(db.loadRecord(kAlarmListTable, int32_t(i), slot), 0) << i;
        }
    }
    // Rows of the small tables of classes (173) and type-class pairs (174).
    void addClass(int16_t klasa, int16_t opis) { addPair(kAlarmClassTable, klasa, opis); }
    void addTypeToClass(int16_t type, int16_t klasa) { addPair(kAlarmTypeClassTable, type, klasa); }

    KSubNotifier notifier;
    KSub db{&notifier};
    platform::TestLocalClock clock;

private:
    void addPair(int16_t table, int16_t a, int16_t b) {
        uint8_t record[4] = {uint8_t(a), uint8_t(uint16_t(a) >> 8), uint8_t(b),
                             uint8_t(uint16_t(b) >> 8)};
        uint8_t conflict = 0;
        ASSERT_EQ(db.insertRecord(0, table, record, &conflict), 0);
    }
};
