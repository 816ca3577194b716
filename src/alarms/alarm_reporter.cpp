#include "alarms/alarm_reporter.h"

#include <algorithm>
#include <cstdio>

#include "texts/catalogue_message.h"
#include "link/text_lines.h"
#include "sub/sub_database.h"
#include "utils/dates.h"

KAlarmReporter* alarmReporter = nullptr;

namespace {

constexpr int kTextAlarmRaised = 26771;
constexpr int kTextAlarmEnded = 26772;
constexpr int kTextAlarmCancelled = 26773;
constexpr int kTextListEmptied = 26769;
constexpr int kTextNewList = 26770;
constexpr std::size_t kLineSize = 200;  // 199 characters and the terminator
constexpr std::size_t kArgumentsSize = 160;

// Fields of table 172 that a field update carries.
enum : int16_t {
    kFieldStanje = 4,
    kFieldNivo = 5,
    kFieldOpis = 6,
    kFieldDatum = 7,
    kFieldVreme = 8
};

// Day, month, year, hour, minute, second of the workstation's clock.
void nowFields(int32_t out[6]) {
    SDateTime now;
    getCurrentDateTime(&now);
    out[0] = now.date.day;
    out[1] = now.date.month;
    out[2] = now.date.year;
    out[3] = now.time.hour;
    out[4] = now.time.minute;
    out[5] = now.time.second;
}

int postLine(int textId, const char* arguments) {
    char line[kLineSize];
    formatMessageFromCoded(line, sizeof line, textId, arguments);
    return postTextLine(kLineLocal, line, kTypeAlarm);
}

int postAlarmLine(int textId, const sListaAlarma& row) {
    int32_t now[6];
    nowFields(now);
    char arguments[kArgumentsSize];
    alarmLineArguments(arguments, sizeof arguments, now, row);
    return postLine(textId, arguments);
}

int postInfoLine(int textId) {
    int32_t now[6];
    nowFields(now);
    char arguments[kArgumentsSize];
    std::snprintf(arguments, sizeof arguments, "%d$%d$%d$%d$%d$%d", now[0], now[1], now[2], now[3],
                  now[4], now[5]);
    return postLine(textId, arguments);
}

}  // namespace

KAlarmReporter::KAlarmReporter(KSub& database)
    : KSubNotifyReceiver(database.notifier), db_(database) {
    registerTable(kAlarmListTable, 0xFFFFFFFFu, 0);
}

int KAlarmReporter::findRow(const sListaAlarma& key, int32_t* index) const {
    int32_t lo = 0;
    int32_t hi = count_;
    while (lo < hi) {
        const int32_t mid = lo + (hi - lo) / 2;
        const int order = compareAlarmKeys(rows_[mid], key);
        if (order == 0) {
            *index = mid;
            return 1;
        }
        if (order < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    *index = lo;
    return 0;
}

int KAlarmReporter::reportAlarm(const sListaAlarma& row) {
    return postAlarmLine(row.Stanje != esaNeaktivanNepotvrdjen ? kTextAlarmRaised : kTextAlarmEnded,
                         row);
}

void KAlarmReporter::notify(uint32_t event, int32_t table, uint16_t, uint8_t, int16_t field,
                            int32_t row, const void* record) {
    if (table != kAlarmListTable) return;
    sListaAlarma carried;
    const bool carries = record != nullptr && decodeAlarmRow(static_cast<const uint8_t*>(record),
                                                             kAlarmRowSize, carried);
    switch (event) {
        case snTrnCommit:
            refill();
            break;
        case snTableClear:
        case snTableReset:
            postInfoLine(kTextListEmptied);
            count_ = 0;
            break;
        case snRecLoaded:
            loadRow(row);
            break;
        case snRecInsert:
            if (carries) insertRow(carried);
            break;
        case snRecDelete:
            if (carries) deleteRow(carried);
            break;
        case snRecUpdate:
            if (carries) updateRow(carried);
            break;
        case snFieldUpdate:
            if (carries) updateField(field, carried);
            break;
        default:
            break;
    }
}

// A committed transaction may have changed anything: the whole table is
// reported again as a new list.
void KAlarmReporter::refill() {
    postInfoLine(kTextNewList);
    count_ = 0;
    const int32_t n = alarmTableCount(db_);
    for (int32_t i = 0; i < n && count_ < kAlarmCopyCapacity; ++i) {
        if (!readAlarmTableRow(db_, i, rows_[count_])) continue;
        reportAlarm(rows_[count_]);
        ++count_;
    }
}

void KAlarmReporter::loadRow(int32_t row) {
    if (row != count_ || count_ >= kAlarmCopyCapacity) return;
    if (!readAlarmTableRow(db_, row, rows_[count_])) return;
    ++count_;
    if (rows_[count_ - 1].Stanje != esaNeaktivanNepotvrdjen) reportAlarm(rows_[count_ - 1]);
}

void KAlarmReporter::insertRow(const sListaAlarma& row) {
    int32_t at = 0;
    if (count_ >= kAlarmCopyCapacity || findRow(row, &at) != 0) return;
    std::move_backward(rows_ + at, rows_ + count_, rows_ + count_ + 1);
    ++count_;
    rows_[at] = row;
    if (row.Stanje != esaNeaktivanNepotvrdjen) reportAlarm(row);
}

void KAlarmReporter::deleteRow(const sListaAlarma& key) {
    int32_t at = 0;
    if (findRow(key, &at) == 0) return;
    if (rows_[at].Stanje != esaNeaktivanNepotvrdjen) postAlarmLine(kTextAlarmCancelled, rows_[at]);
    std::move(rows_ + at + 1, rows_ + count_, rows_ + at);
    --count_;
}

void KAlarmReporter::updateRow(const sListaAlarma& row) {
    int32_t at = 0;
    if (findRow(row, &at) == 0) return;
    if (rows_[at].Opis != row.Opis) reportAlarm(row);
    rows_[at] = row;
}

void KAlarmReporter::updateField(int16_t field, const sListaAlarma& row) {
    int32_t at = 0;
    if (findRow(row, &at) == 0) return;
    sListaAlarma& kept = rows_[at];
    switch (field) {
        case kFieldStanje:
            kept.Stanje = row.Stanje;
            break;
        case kFieldNivo:
            kept.Nivo = row.Nivo;
            break;
        case kFieldOpis:
            kept.Opis = row.Opis;
            reportAlarm(kept);
            break;
        case kFieldDatum:
            kept.Datum = row.Datum;
            break;
        case kFieldVreme:
            kept.Vreme = row.Vreme;
            break;
        default:
            break;
    }
}

int createAlarmReporter() {
    if (alarmReporter == nullptr) alarmReporter = new KAlarmReporter(alarmDatabase());
    return 0;
}

void destroyAlarmReporter() {
    delete alarmReporter;
    alarmReporter = nullptr;
}
