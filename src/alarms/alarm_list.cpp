#include "alarms/alarm_list.h"

#include <cstdio>
#include <cstring>

#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "sub/sub_database.h"
#include "utils/code_mappers.h"
#include "utils/dates.h"

int8_t alarmListSortKey = 0;

namespace {

constexpr int kTextAllClasses = 21269;
constexpr int kTextEmpty = 21268;
constexpr int kTextUnconfirmed = 21285;
constexpr int kTextFilterOn = 21270;
constexpr int kTextFilterOff = 21271;
constexpr int kTextSortByType = 21272;  // 21272..21277 for keys 0..5
constexpr int kLevelTextIds[4] = {20001, 20002, 20003, 20004};

template <typename T>
int order(T a, T b) {
    return a < b ? -1 : a > b ? 1 : 0;
}

// -1, 0 or 1 by the current key; 1 for key 6, which puts every row first.
int compareByKey(const sListaAlarma& a, const sListaAlarma& b) {
    switch (alarmListSortKey) {
        case 0: {
            const int t = order(a.TipAlarma, b.TipAlarma);
            if (t != 0) return t;
            const int p = std::strncmp(a.Parametri, b.Parametri, kAlarmParamSize);
            return p < 0 ? -1 : p > 0 ? 1 : 0;
        }
        case 1:
            return a.Datum != b.Datum ? order(a.Datum, b.Datum) : order(a.Vreme, b.Vreme);
        case 2:
            return order(a.Nivo, b.Nivo);
        case 3:
            return order(a.Stanje, b.Stanje);
        case 4:
            return order(a.AlarmIB, b.AlarmIB);
        case 5:
            return order(a.OPC, b.OPC);
        default:
            return 1;
    }
}

int compareRows(const sListaAlarma& element, const sListaAlarma& key) {
    return alarmRowLess(element, key) ? -1 : alarmRowEqual(element, key) ? 0 : 1;
}

sListaAlarma rowItself(const sListaAlarma& row) {
    return row;
}

bool levelShown(const SAlarmFilter& f, uint8_t nivo) {
    switch (nivo) {
        case enaA1:
            return f.showA1 != 0;
        case enaA2:
            return f.showA2 != 0;
        case enaA3:
            return f.showA3 != 0;
        case enaA0:
            return f.showA0 != 0;
        default:
            return true;
    }
}

bool stateShown(const SAlarmFilter& f, uint8_t stanje) {
    switch (stanje) {
        case esaAktivanNepotvrdjen:
            return f.showUnconfirmed != 0;
        case esaAktivanPotvrdjen:
            return f.showConfirmed != 0;
        case esaNeaktivanNepotvrdjen:
            return f.showInactive != 0;
        default:
            return true;
    }
}

bool inClass(KSub& db, int16_t type, int16_t klasa) {
    uint8_t key[kAlarmTypeClassRecordSize] = {uint8_t(type), uint8_t(uint16_t(type) >> 8),
                                              uint8_t(klasa), uint8_t(uint16_t(klasa) >> 8)};
    return db.isRecordVisible(0, kAlarmTypeClassTable, key) != 0;
}

void makeLine(const sListaAlarma& row, SAlarmListLine& line) {
    uint8_t day = 0, month = 0, minute = 0, second = 0;
    int32_t year = 0, hours = 0;
    splitDayNumber(&row.Datum, &day, &month, &year);
    splitSeconds(&row.Vreme, &hours, &minute, &second);
    std::snprintf(line.dateTime, sizeof line.dateTime, "%04d-%02d-%02d  %02d:%02d:%02d", int(year),
                  month, day, int(hours), minute, second);
    formatMessage(line.level, sizeof line.level, alarmLevelTextId(row.Nivo));
    alarmDescription(line.description, sizeof line.description, row);
    line.AlarmIB = row.AlarmIB;
}

}  // namespace

bool alarmRowLess(const sListaAlarma& a, const sListaAlarma& b) {
    return alarmListSortKey != kAlarmSortNone && compareByKey(a, b) < 0;
}

bool alarmRowEqual(const sListaAlarma& a, const sListaAlarma& b) {
    return alarmListSortKey != kAlarmSortNone && compareByKey(a, b) == 0;
}

bool alarmLineColour(uint8_t stanje, uint8_t nivo, FXColor* colour) {
    if (stanje == esaNeaktivanNepotvrdjen) {
        *colour = nivo == enaA0 ? FXRGB(220, 220, 220) : FXRGB(128, 255, 128);
        return true;
    }
    switch (nivo) {
        case enaA1:
            *colour = FXRGB(255, 0, 0);
            return true;
        case enaA2:
            *colour = FXRGB(255, 255, 128);
            return true;
        case enaA3:
            *colour = FXRGB(200, 200, 200);
            return true;
        case enaA0:
            *colour = FXRGB(254, 254, 254);
            return true;
        default:
            return false;
    }
}

KAlarmListModel::KAlarmListModel(KSub& db)
    : db_(db), copy_(kAlarmListCapacity, 0, compareRows, rowItself) {
    reload();
}

void KAlarmListModel::reload() {
    copy_.clear();
    alarmListSortKey = sortKey;
    const int32_t n = alarmTableCount(db_);
    for (int32_t i = 0; i < n; ++i) {
        sListaAlarma row;
        if (!readAlarmTableRow(db_, i, row)) continue;
        copy_.insert(row);
    }
}

const sListaAlarma* KAlarmListModel::rowAt(int32_t i) const {
    if (i < 0 || i >= copyCount()) return nullptr;
    const sListaAlarma& row = copy_[uint32_t(i)];
    if (filter.on == 0) return &row;
    if (filter.klasa >= 0 && !inClass(db_, row.TipAlarma, filter.klasa)) return nullptr;
    if (!levelShown(filter, row.Nivo) || !stateShown(filter, row.Stanje)) return nullptr;
    return &row;
}

int KAlarmListModel::fillLines(int32_t n) {
    int32_t filled = 0;
    for (int32_t i = 0; i < n && i < copyCount(); ++i) {
        const sListaAlarma* row = rowAt(i);
        if (row == nullptr) continue;
        if (row->Stanje > esaNeaktivanNepotvrdjen) return -1;
        SAlarmListLine& line = lines_[filter.on != 0 ? filled : i];
        makeLine(*row, line);
        alarmLineColour(row->Stanje, row->Nivo, &line.back);
        line.bold = row->Stanje != esaAktivanPotvrdjen;
        line.confirmed = row->Stanje == esaAktivanPotvrdjen ? 1 : 0;
        ++filled;
    }
    lineCount_ = filter.on != 0 ? filled : n < copyCount() ? n : copyCount();
    return 0;
}

const sListaAlarma* KAlarmListModel::findShown(int32_t AlarmIB) const {
    for (int32_t i = 0; i < copyCount(); ++i) {
        const sListaAlarma* row = rowAt(i);
        if (row != nullptr && row->AlarmIB == AlarmIB) return row;
    }
    return nullptr;
}

bool countAlarmTable(KSub& db, SAlarmTableCounts& out) {
    out = SAlarmTableCounts{};
    const int32_t n = alarmTableCount(db);
    for (int32_t i = 0; i < n; ++i) {
        sListaAlarma row;
        if (!readAlarmTableRow(db, i, row)) continue;
        if (row.Stanje != esaNeaktivanNepotvrdjen) {
            if (row.Nivo < enaA1 || row.Nivo > enaA0) return false;
            ++out.level[row.Nivo - 1];
        }
        if (row.Stanje != esaAktivanPotvrdjen) ++out.unconfirmed;
    }
    return true;
}

std::string alarmLevelCountText(int level, int32_t count) {
    char text[64];
    std::snprintf(text, sizeof text, "%s: %d", textById(kLevelTextIds[level - 1]), int(count));
    return text;
}

std::string alarmUnconfirmedText(int32_t count) {
    char text[128];
    formatMessage(text, sizeof text, kTextUnconfirmed, count);
    return text;
}

int alarmClassNameId(KSub& db, int16_t klasa) {
    TTrnTabBase* table = db.table(kAlarmClassTable);
    if (klasa < 0 || table == nullptr) return kTextAllClasses;
    const uint8_t key[2] = {uint8_t(klasa), uint8_t(uint16_t(klasa) >> 8)};
    uint8_t record[kAlarmClassRecordSize] = {};
    if (table->readRow(0, table->findKey(key), record) != tsOK) return kTextAllClasses;
    return int16_t(record[2] | record[3] << 8);
}

std::string alarmFilterLabelText(KSub& db, const SAlarmFilter& f) {
    char text[512];
    if (f.on == 0) return textById(kTextFilterOff);
    char arguments[80];
    std::snprintf(arguments, sizeof arguments, "%d$%d$%d$%d$%d", f.showA1 ? 20001 : kTextEmpty,
                  f.showA2 ? 20002 : kTextEmpty, f.showA3 ? 20003 : kTextEmpty,
                  f.showA0 ? 20004 : kTextEmpty, alarmClassNameId(db, f.klasa));
    formatMessageFromCoded(text, sizeof text, kTextFilterOn, arguments);
    return text;
}

int alarmSortLabelTextId(int8_t key) {
    return key >= 0 && key < kAlarmSortNone ? kTextSortByType + key : 0;
}
