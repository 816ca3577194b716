#pragma once

#include <cstdint>
#include <vector>

#include "sub/table_dictionary.h"

// One bit per change of the table database. The replication protocol carries
// an event as its bit number plus 1 (1..32).
enum eSubNotifyEvent : uint32_t {
    snTrnBegin = 0x1,
    snTrnCommit = 0x2,
    snTrnRollback = 0x4,
    snTableLockExcl = 0x8,
    snTableLockShared = 0x10,
    snTableUnlockShared = 0x20,
    snFieldLockExcl = 0x40,
    snFieldLockShared = 0x80,
    snFieldUnlockShared = 0x100,
    snFieldMark = 0x200,
    snRecLockExcl = 0x400,
    snRecLockShared = 0x800,
    snRecUnlockShared = 0x1000,
    snRecFieldLock = 0x2000,
    snTrnTableClear = 0x4000,
    snTrnRecInsert = 0x8000,
    snTrnRecDelete = 0x10000,
    snTrnRecUpdate = 0x20000,
    snTrnFieldUpdate = 0x40000,
    snTrnResetAll = 0x80000,
    snTableClear = 0x100000,
    snRecInsert = 0x200000,
    snRecDelete = 0x400000,
    snRecUpdate = 0x800000,
    snFieldUpdate = 0x1000000,
    snTableReset = 0x4000000,
    snTrnListAccepted = 0x8000000,
    snLockStateLoaded = 0x10000000,
    snRecLoaded = 0x20000000,
    snAllTrnReset = 0x40000000,
};

// Events that concern no single table (the replication counts them globally).
constexpr uint32_t kGlobalSubEvents =
    0x1 | 0x2 | 0x4 | 0x80000 | 0x2000000 | 0x8000000 | 0x40000000;

// One raised event. Only the fields its event carries have a meaning.
struct SSubEvent {
    uint32_t event = 0;
    int32_t table = 0;
    uint16_t trnId = 0;
    uint8_t trnMask = 0;
    int16_t field = 0;
    int32_t row = 0;
    const void* record = nullptr;
};

class KSubNotifier;
extern KSubNotifier subNotifier;

// Base of every subscriber of table events. A receiver has at most one
// subscription per table; destroying it removes them all.
class KSubNotifyReceiver {
public:
    explicit KSubNotifyReceiver(KSubNotifier* notifier = &subNotifier);
    virtual ~KSubNotifyReceiver();
    KSubNotifyReceiver(const KSubNotifyReceiver&) = delete;
    KSubNotifyReceiver& operator=(const KSubNotifyReceiver&) = delete;

    // Called inside the database operation, after the tables changed. It may
    // read the database but must not change it.
    virtual void notify(uint32_t event, int32_t table, uint16_t trnId, uint8_t trnMask,
                        int16_t field, int32_t row, const void* record) = 0;

    // 0, or 33 when the notifier refused.
    int registerTable(int16_t table, uint32_t eventMask = 0xFFFFFFFFu, uint8_t flag = 0);
    int unregisterTable(int16_t table);
    int unregisterGlobal();
    uint8_t isRegisteredTable(int16_t table) const;

private:
    KSubNotifier* notifier_;
    uint8_t registeredGlobal_ = 0;
    uint8_t registeredTables_[kTableNumberLimit] = {};
};

// The subscription queues: one for all tables and one per table number.
// Delivery goes in order of subscription and stays valid when receivers
// unsubscribe or are destroyed during it and when deliveries nest.
class KSubNotifier {
public:
    KSubNotifier();
    ~KSubNotifier();
    KSubNotifier(const KSubNotifier&) = delete;
    KSubNotifier& operator=(const KSubNotifier&) = delete;

    // 19 table outside 0..204, 7 already subscribed, else 0.
    int registerTable(int16_t table, KSubNotifyReceiver* receiver, uint32_t eventMask,
                      uint8_t flag);
    // 19 table outside 0..204, 6 no such subscription, else 0.
    int unregisterTable(int16_t table, KSubNotifyReceiver* receiver);
    int unregisterGlobal(KSubNotifyReceiver* receiver);

    // Both answer at once when the queue is empty: most changes have no subscriber.
    void deliverGlobal(const SSubEvent& e) {
        if (!global_.subscriptions.empty()) deliver(global_, e);
    }
    // Nothing when the event's table is outside 0..204.
    void deliverTable(const SSubEvent& e) {
        if (e.table >= 0 && e.table < kTableNumberLimit && !tables_[e.table].subscriptions.empty())
            deliver(tables_[e.table], e);
    }
    // Global queue first, then the table's.
    void raise(const SSubEvent& e) {
        deliverGlobal(e);
        deliverTable(e);
    }

    int subscriptionCount(int16_t table) const;

private:
    struct KNotifyRec {
        KSubNotifyReceiver* receiver;  // null once removed during a delivery
        uint32_t eventMask;
        uint8_t flag;
    };
    struct KNotifyQueue {
        std::vector<KNotifyRec> subscriptions;
        int depth = 0;  // deliveries running on this queue
        bool removed = false;
    };
    void deliver(KNotifyQueue& queue, const SSubEvent& e);
    int unregister(KNotifyQueue& queue, KSubNotifyReceiver* receiver);
    static void compact(KNotifyQueue& queue);

    KNotifyQueue global_;
    KNotifyQueue tables_[kTableNumberLimit];
};
