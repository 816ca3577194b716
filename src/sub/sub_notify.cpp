#include "sub/sub_notify.h"

#include <algorithm>

#include "sub/sub_status.h"

namespace {

bool isTableIndex(int32_t table) {
    return table >= 0 && table < kTableNumberLimit;
}

}  // namespace

// ---- receiver

KSubNotifyReceiver::KSubNotifyReceiver(KSubNotifier* notifier) : notifier_(notifier) {}

KSubNotifyReceiver::~KSubNotifyReceiver() {
    if (registeredGlobal_) unregisterGlobal();
    for (int16_t t = 0; t < kTableNumberLimit; ++t)
        if (registeredTables_[t]) unregisterTable(t);
}

int KSubNotifyReceiver::registerTable(int16_t table, uint32_t eventMask, uint8_t flag) {
    if (notifier_ == nullptr || notifier_->registerTable(table, this, eventMask, flag) != tsOK)
        return tsNeuspeh;
    registeredTables_[table] = 1;
    return tsOK;
}

int KSubNotifyReceiver::unregisterTable(int16_t table) {
    if (notifier_ == nullptr || notifier_->unregisterTable(table, this) != tsOK) return tsNeuspeh;
    registeredTables_[table] = 0;
    return tsOK;
}

int KSubNotifyReceiver::unregisterGlobal() {
    if (notifier_ == nullptr || notifier_->unregisterGlobal(this) != tsOK) return tsNeuspeh;
    registeredGlobal_ = 0;
    return tsOK;
}

uint8_t KSubNotifyReceiver::isRegisteredTable(int16_t table) const {
    return isTableIndex(table) ? registeredTables_[table] : 0;
}

// ---- notifier

KSubNotifier::KSubNotifier() = default;
KSubNotifier::~KSubNotifier() = default;

int KSubNotifier::registerTable(int16_t table, KSubNotifyReceiver* receiver, uint32_t eventMask,
                                uint8_t flag) {
    if (!isTableIndex(table)) return tsNePostojiTabela;
    KNotifyQueue& q = tables_[table];
    if (receiver == nullptr) return tsVecPostojiSlog;
    for (const KNotifyRec& r : q.subscriptions)
        if (r.receiver == receiver) return tsVecPostojiSlog;
    q.subscriptions.push_back({receiver, eventMask, flag});
    return tsOK;
}

int KSubNotifier::unregister(KNotifyQueue& q, KSubNotifyReceiver* receiver) {
    for (size_t i = 0; i < q.subscriptions.size(); ++i) {
        if (q.subscriptions[i].receiver != receiver || receiver == nullptr) continue;
        if (q.depth > 0) {
            // A delivery is walking the queue: clear the entry, compact later.
            q.subscriptions[i].receiver = nullptr;
            q.removed = true;
        } else {
            q.subscriptions.erase(q.subscriptions.begin() + std::ptrdiff_t(i));
        }
        return tsOK;
    }
    return tsNePostojiSlog;
}

int KSubNotifier::unregisterTable(int16_t table, KSubNotifyReceiver* receiver) {
    if (!isTableIndex(table)) return tsNePostojiTabela;
    return unregister(tables_[table], receiver);
}

int KSubNotifier::unregisterGlobal(KSubNotifyReceiver* receiver) {
    return unregister(global_, receiver);
}

void KSubNotifier::compact(KNotifyQueue& q) {
    if (!q.removed) return;
    q.subscriptions.erase(std::remove_if(q.subscriptions.begin(), q.subscriptions.end(),
                                         [](const KNotifyRec& r) { return r.receiver == nullptr; }),
                          q.subscriptions.end());
    q.removed = false;
}

// Subscriptions made during the walk wait for the next event; entries are
// read again at each step, since a call may clear them.
void KSubNotifier::deliver(KNotifyQueue& q, const SSubEvent& e) {
    ++q.depth;
    const size_t n = q.subscriptions.size();
    for (size_t i = 0; i < n; ++i) {
        const KNotifyRec r = q.subscriptions[i];
        if (r.receiver == nullptr || (r.eventMask & e.event) == 0) continue;
        r.receiver->notify(e.event, e.table, e.trnId, e.trnMask, e.field, e.row, e.record);
    }
    if (--q.depth == 0) compact(q);
}

int KSubNotifier::subscriptionCount(int16_t table) const {
    if (!isTableIndex(table)) return 0;
    int n = 0;
    for (const KNotifyRec& r : tables_[table].subscriptions)
        if (r.receiver != nullptr) ++n;
    return n;
}
