#pragma once

#include <cstdint>

#include "alarms/alarm_row.h"
#include "sub/sub_notify.h"

constexpr uint8_t kTypeAlarm = 170;  // the alarm report stream and the alarm requests
constexpr int32_t kAlarmCopyCapacity = 1000;

// Writes the alarm history into the alarm report stream: it follows every
// change of table 172 and keeps its own copy of the rows, sorted by key, to
// tell what changed. Lines begin with the workstation's date and time.
class KAlarmReporter : public KSubNotifyReceiver {
public:
    // Subscribes to every event of table 172 of the database.
    explicit KAlarmReporter(KSub& database);

    void notify(uint32_t event, int32_t table, uint16_t trnId, uint8_t trnMask, int16_t field,
                int32_t row, const void* record) override;

    // 1 and the row's index when the key is in the copy, else 0 and the
    // index at which it would be inserted.
    int findRow(const sListaAlarma& key, int32_t* index) const;
    // Posts the alarm's line: "КОНЕЦ AС" for an inactive alarm, else
    // "AВАРИЙНЫЙ СИГНАЛ".
    int reportAlarm(const sListaAlarma& row);

    int32_t count() const { return count_; }
    const sListaAlarma& row(int32_t i) const { return rows_[i]; }

private:
    void refill();
    void loadRow(int32_t row);
    void insertRow(const sListaAlarma& row);
    void deleteRow(const sListaAlarma& key);
    void updateRow(const sListaAlarma& row);
    void updateField(int16_t field, const sListaAlarma& row);

    KSub& db_;
    sListaAlarma rows_[kAlarmCopyCapacity];
    int32_t count_ = 0;
};

// The one reporter, null before start-up.
extern KAlarmReporter* alarmReporter;
// Start step (never fails) and its stop step.
int createAlarmReporter();
void destroyAlarmReporter();
