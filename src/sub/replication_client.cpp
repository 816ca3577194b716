#include "sub/replication_client.h"

#include <cstring>

#include "sub/replication_control.h"
#include "sub/sub_database.h"
#include "sub/table_catalogue.h"
#include "utils/bytes.h"

namespace {

constexpr uint8_t kCounterTimerValue = 4;

const char* pluralName(uint16_t table) {
    const char* name = getTablePluralName(static_cast<int16_t>(table));
    return name != nullptr ? name : "";
}

}  // namespace

// ---- listeners

int KReazTblRgs::add(IReazTblListener* listener) {
    if (listener == nullptr || count_ >= kMaxListeners) return -1;
    listeners_[count_++] = listener;
    return 0;
}

void KReazTblRgs::remove(IReazTblListener* listener) {
    for (int i = 0; i < count_; ++i) {
        if (listeners_[i] != listener) continue;
        for (int k = i + 1; k < count_; ++k) listeners_[k - 1] = listeners_[k];
        listeners_[--count_] = nullptr;
        return;
    }
}

void KReazTblRgs::tell(uint16_t table) {
    if (table >= kTableNumberLimit) return;
    for (int i = 0; i < count_; ++i)
        if (listeners_[i]->wants[table]) listeners_[i]->tableSynchronised(table);
}

KReazTblRgs& tableSyncRegistry() {
    static KReazTblRgs registry;
    return registry;
}

// ---- the client

KReazKlijent::KReazKlijent(uint16_t peer, KSub* database)
    : KReazReceiver(peer), server(peer), db_(database != nullptr ? database : &subDatabase) {
    for (int16_t t = 0; t < kTableNumberLimit; ++t)
        states[t] =
            db_->table(t) != nullptr && isReplicableTableNumber(t) ? rtIdle : rtNotReplicable;
}

KReazKlijent::~KReazKlijent() = default;

int KReazKlijent::slotLength(uint16_t table) const {
    const TTrnTabBase* t = db_->table(table);
    return t != nullptr ? t->slotLength() : 0;
}

void KReazKlijent::abandonLoad() {
    tableLoading = 0;
    rowCounter = 0;
    bufferFill = 0;
}

void KReazKlijent::loadFailed(uint16_t table) {
    abandonLoad();
    server.TableFailed(table);
    ++sent[table];
}

// ---- wanting and not wanting tables

int KReazKlijent::requestTable(uint16_t table) {
    if (table > kLastTableNumber || states[table] != rtIdle) return 1;
    received[table] = 0;
    sent[table] = 0;
    states[table] = rtRequested;
    if (on) {
        server.RequestTables(1, &table);
        ++sent[table];
    }
    return 0;
}

void KReazKlijent::requestTables(uint16_t count, const uint16_t* tables) {
    if (count > kLastTableNumber || tables == nullptr) return;
    uint16_t list[kLastTableNumber];
    uint16_t n = 0;
    for (uint16_t k = 0; k < count; ++k) {
        const uint16_t t = tables[k];
        if (t > kLastTableNumber || states[t] != rtIdle) continue;
        received[t] = 0;
        sent[t] = 0;
        states[t] = rtRequested;
        if (!on) continue;
        ++sent[t];
        list[n++] = t;
    }
    if (n > 0) server.RequestTables(n, list);
}

void KReazKlijent::releaseTable(uint16_t table) {
    if (table > kLastTableNumber || states[table] <= rtIdle) return;
    states[table] = rtIdle;
    server.ReleaseTables(1, &table);
    ++sent[table];
    if (table == tableLoading) abandonLoad();
}

void KReazKlijent::releaseTables(uint16_t count, const uint16_t* tables) {
    if (count > kLastTableNumber || tables == nullptr) return;
    uint16_t list[kLastTableNumber];
    uint16_t n = 0;
    for (uint16_t k = 0; k < count; ++k) {
        const uint16_t t = tables[k];
        if (t > kLastTableNumber) continue;
        if (t == tableLoading && t != 0) abandonLoad();
        if (states[t] <= rtIdle) continue;
        states[t] = rtIdle;
        ++sent[t];
        list[n++] = t;
    }
    if (n > 0) server.ReleaseTables(n, list);
}

// ---- switching and restarting

void KReazKlijent::setOn(uint8_t value) {
    if (!value && on)
        for (int t = 1; t <= kLastTableNumber; ++t)
            if (states[t] == rtSynchronised) states[t] = rtRequested;
    on = value;
}

void KReazKlijent::PocniReazuriranje() {
    abandonLoad();
    listAccepted = 0;
    server.StopClient();
    server.StartClient();
    sent[0] = 2;
    received[0] = 0;
    uint16_t list[kLastTableNumber];
    uint16_t n = 0;
    for (uint16_t t = 1; t <= kLastTableNumber; ++t) {
        received[t] = 0;
        sent[t] = 0;
        if (states[t] != rtRequested && states[t] != rtSynchronised) continue;
        states[t] = rtRequested;
        sent[t] = 1;
        list[n++] = t;
    }
    if (n == 0) return;
    syncTrace(peer, stRestart, int(n));
    server.RequestTables(n, list);
}

void KReazKlijent::copyTableStates(uint8_t* out) const {
    if (out != nullptr) std::memcpy(out, states, sizeof states);
}

// ---- messages

void KReazKlijent::dispatch(uint8_t type, const uint8_t* payload, uint16_t length) {
    ByteReader in(payload, length);
    switch (type) {
        case rmTrnList: {
            const uint8_t n = in.u8();
            if (!in.ok()) return;
            if (n > kTransactionSlots) {
                syncTrace(peer, stTooManyTransactions, int(n), int(kTransactionSlots));
                return;
            }
            uint8_t masks[kTransactionSlots];
            int16_t ids[kTransactionSlots];
            in.bytes(masks, n);
            for (uint8_t k = 0; k < n; ++k) ids[k] = in.i16le();
            const int16_t last = in.i16le();
            if (in.ok()) AcceptTrnList(n, masks, ids, last);
            return;
        }
        case rmNotification:
            ApplyNotification(payload, length);
            return;
        case rmSwitchOn:
            if (!on) {
                setOn(1);
                PocniReazuriranje();
            }
            return;
        case rmSwitchOff:
            if (on) {
                setOn(0);
                PocniReazuriranje();
            }
            return;
        default:
            break;
    }
    if (!listAccepted) return;  // nothing counts before the transaction list
    if (type >= rmBeginTable && type <= rmDropTable) {
        const uint16_t table = in.u16le();
        if (!in.ok() || !isTableNumber(table)) return;
        switch (type) {
            case rmBeginTable: {
                const uint8_t exclusive = in.u8();
                const uint8_t shared = in.u8();
                const uint16_t n = in.u16le();
                const uint8_t* masks = in.current();
                // The masks of every field, and exactly the table's fields.
                if (!in.skip(3u * n)) return;
                if (db_->table(table) != nullptr && n != db_->fieldCount(table)) return;
                BeginTable(table, exclusive, shared, n, masks, masks + n, masks + 2 * n);
                return;
            }
            case rmRecord:
                if (slotLength(table) > 0 && in.remaining() < size_t(slotLength(table))) return;
                WriteRec(table, in.current());
                return;
            case rmEndTable:
                EndTable(table);
                return;
            case rmBufferPiece: {
                const uint16_t n = in.u16le();
                const uint8_t* bytes = in.current();
                if (in.skip(n)) AppendBuffer(table, n, bytes);
                return;
            }
            case rmWriteBuffer:
                WriteBuffer(table);
                return;
            case rmEmptyTable:
                EmptyTable(table);
                return;
            case rmDropTable:
                DropTable(table);
                return;
        }
        return;
    }
    switch (type) {
        case rmUpdateComplete:
            ++received[0];
            return;
        case rmCounters: {
            const uint16_t table = in.u16le();
            const uint8_t* counters = in.current();
            if (in.skip(kCounterCount)) checkCounters(table, counters);
            return;
        }
        case rmFirstPacket:
        case rmNextPacket: {
            const uint8_t number = in.u8();
            if (!in.ok()) return;
            if (type == rmFirstPacket)
                firstPacket(number, uint16_t(length - 1), payload + 1);
            else
                nextPacket(number, uint16_t(length - 1), payload + 1);
            return;
        }
        default:
            syncTrace(peer, stUnknownMessage, unsigned(type), int(length));
    }
}

void KReazKlijent::AcceptTrnList(uint8_t count, const uint8_t* masks, const int16_t* ids,
                                 int16_t lastId) {
    if (count > kTransactionSlots) {
        syncTrace(peer, stTooManyTransactions, int(count), int(kTransactionSlots));
        return;
    }
    received[0] = 1;
    const int rc = db_->loadTransactionList(count, masks, ids, lastId);
    if (rc == 0) {
        listAccepted = 1;
        return;
    }
    syncTrace(peer, stTrnListRefused, int(count), rc);
}

void KReazKlijent::BeginTable(uint16_t table, uint8_t tableExclusive, uint8_t tableShared, uint16_t,
                              const uint8_t* fieldExclusive, const uint8_t* fieldShared,
                              const uint8_t* recordField) {
    if (!isTableNumber(table)) return;
    received[table] = 1;
    if (states[table] != rtRequested) return;
    abandonLoad();  // a new load ends any other
    db_->resetTable(int16_t(table));
    tableLoading = table;
    db_->loadTableLockState(int16_t(table), tableExclusive, tableShared, fieldExclusive,
                            fieldShared, recordField);
}

void KReazKlijent::WriteRec(uint16_t table, const uint8_t* slotImage) {
    if (!isTableNumber(table)) return;
    ++received[table];
    if (table != tableLoading) return;
    const int rc = db_->loadRecord(int16_t(table), rowCounter, slotImage);
    if (rc == 0) {
        ++rowCounter;
        return;
    }
    syncTrace(peer, stWriteRecFailed, int(table), int(rowCounter), rc);
    loadFailed(table);
}

void KReazKlijent::endLoad(uint16_t table, bool empty) {
    if (!isTableNumber(table)) return;
    ++received[table];
    if (table != tableLoading) return;
    states[table] = rtSynchronised;
    tableSyncRegistry().tell(table);
    tableLoading = 0;
    if (empty)
        server.EmptyTableReceived(table);
    else
        server.TableReceived(table, rowCounter);
    ++sent[table];
    rowCounter = 0;
    bufferFill = 0;
}

void KReazKlijent::EndTable(uint16_t table) {
    endLoad(table, false);
}

void KReazKlijent::EmptyTable(uint16_t table) {
    endLoad(table, true);
}

void KReazKlijent::AppendBuffer(uint16_t table, uint16_t length, const uint8_t* bytes) {
    if (table != tableLoading || tableLoading == 0) return;
    if (bufferFill + length > kWriteBufferSize) {
        syncTrace(peer, stBufferFull, int(table), int(kWriteBufferSize - bufferFill), int(length));
        return;
    }
    if (length > 0) std::memcpy(writeBuffer + bufferFill, bytes, length);
    bufferFill += length;
}

void KReazKlijent::WriteBuffer(uint16_t table) {
    if (!isTableNumber(table)) return;
    ++received[table];
    if (table != tableLoading) return;
    const int slot = slotLength(table);
    if (slot <= 0 || bufferFill % slot != 0) {
        loadFailed(table);
        return;
    }
    for (int32_t at = 0; at < bufferFill; at += slot) {
        const int rc = db_->loadRecord(int16_t(table), rowCounter, writeBuffer + at);
        if (rc != 0) {
            syncTrace(peer, stWriteBufferFailed, int(table), int(rowCounter), rc);
            loadFailed(table);
            return;
        }
        ++rowCounter;
    }
    bufferFill = 0;
    server.BufferReceived(table, rowCounter);
    ++sent[table];
}

void KReazKlijent::DropTable(uint16_t table) {
    syncTrace(peer, stDropTable, int(table));
    if (db_->table(table) == nullptr) return;
    db_->resetTable(int16_t(table));
    if (states[table] == rtRequested || states[table] == rtSynchronised) {
        states[table] = rtIdle;
        requestTable(table);
    }
    if (table == tableLoading) abandonLoad();
}

// ---- changes

int KReazKlijent::eventDataNeeded(uint32_t event, uint16_t table, int16_t field,
                                  int32_t row) const {
    const TTrnTabBase* t = db_->table(table);
    if (t == nullptr) return 0;
    switch (event) {
        case snRecLockExcl:
        case snRecLockShared:
        case snRecUnlockShared:
        case snRecFieldLock:
            return row == -1 ? t->keyLength() : 0;
        case snTrnRecDelete:
        case snRecDelete:
            return t->keyLength();
        case snTrnRecInsert:
        case snTrnRecUpdate:
        case snRecInsert:
        case snRecUpdate:
            return t->recordLength();
        case snTrnFieldUpdate:
        case snFieldUpdate: {
            const SSubField* f = t->field(field);
            if (f == nullptr) return t->keyLength();
            return t->keyLength() + ((f->flags & kFieldBit) ? 1 : f->size);
        }
        case snRecLoaded:
            return t->slotLength();
        default:
            return 0;
    }
}

int KReazKlijent::applyEvent(uint32_t event, uint16_t table, int16_t id, uint8_t mask,
                             int16_t field, int32_t row, const uint8_t* data) {
    KSub& db = *db_;
    const int16_t t = int16_t(table);
    uint8_t c = 0;
    const bool byKey = row == -1;
    switch (event) {
        case snTrnBegin:
            return db.beginTransaction(mask, id);
        case snTrnCommit:
            return db.commitTransaction(id);
        case snTrnRollback:
            return db.rollbackTransaction(id);
        case snTableLockExcl:
            return db.lockTableExclusive(id, t, &c);
        case snTableLockShared:
            return db.lockTableShared(id, t, &c);
        case snTableUnlockShared:
            return db.unlockTableShared(id, t);
        case snFieldLockExcl:
            return db.lockFieldExclusive(id, t, field, &c);
        case snFieldLockShared:
            return db.lockFieldShared(id, t, field, &c);
        case snFieldUnlockShared:
            return db.unlockFieldShared(id, t, field);
        case snFieldMark:
            return db.markFieldForRecordChange(id, t, field);
        case snRecLockExcl:
            return byKey ? db.lockRecordExclusiveByKey(id, t, data, &c)
                         : db.lockRecordExclusiveByRow(id, t, row, &c);
        case snRecLockShared:
            return byKey ? db.lockRecordSharedByKey(id, t, data, &c)
                         : db.lockRecordSharedByRow(id, t, row, &c);
        case snRecUnlockShared:
            return byKey ? db.unlockRecordSharedByKey(id, t, data)
                         : db.unlockRecordSharedByRow(id, t, row);
        case snRecFieldLock:
            return byKey ? db.lockRecordFieldByKey(id, t, field, data, &c)
                         : db.lockRecordFieldByRow(id, t, field, row, &c);
        case snTrnTableClear:
            return db.clearTable(id, t, &c);
        case snTableClear:
            return db.clearTable(0, t, &c);
        case snTrnRecInsert:
            return db.insertRecord(id, t, data, &c);
        case snRecInsert:
            return db.insertRecord(0, t, data, &c);
        case snTrnRecDelete:
            return db.deleteRecord(id, t, data, &c);
        case snRecDelete:
            return db.deleteRecord(0, t, data, &c);
        case snTrnRecUpdate:
            return db.updateRecord(id, t, data, &c);
        case snRecUpdate:
            return db.updateRecord(0, t, data, &c);
        case snTrnFieldUpdate:
        case snFieldUpdate: {
            const TTrnTabBase* tab = db.table(t);
            const int16_t key = tab != nullptr ? tab->keyLength() : 0;
            return db.setFieldValue(event == snFieldUpdate ? 0 : id, t, field, data, data + key,
                                    &c);
        }
        case snTrnResetAll:
            db.resetTransactions();
            return 0;
        case snAllTrnReset:
            db.resetAllTablesTransactions();
            return 0;
        case snRecLoaded:
            return db.loadRecord(t, row, data);
        default:
            return 0;
    }
}

void KReazKlijent::ApplyNotification(const uint8_t* payload, uint16_t length) {
    ByteReader in(payload, length);
    const uint8_t number = in.u8();
    const uint16_t table = in.u16le();
    const int16_t id = in.i16le();
    const uint8_t mask = in.u8();
    const int16_t field = in.i16le();
    const int32_t row = in.i32le();
    if (!in.ok()) return;
    if (number < 1 || number > 32) {
        syncTrace(peer, stBadEventNumber, int(table), int(number));
        return;
    }
    const uint32_t event = 1u << (number - 1);
    const bool global = (event & kGlobalSubEvents) != 0;
    if (!global) {
        if (!isTableNumber(table)) return;
        if (in.remaining() < size_t(eventDataNeeded(event, table, field, row))) return;
        ++received[table];
        if (states[table] != rtSynchronised && table != tableLoading) return;
    } else {
        ++received[0];
    }
    if (event == 0x2000000 || event == snTableReset || event == snTrnListAccepted ||
        event == snLockStateLoaded) {
        syncTrace(peer, stUnexpectedEvent, pluralName(table), unsigned(event));
        return;
    }
    const int rc = applyEvent(event, table, id, mask, field, row, in.current());
    if (rc != 0) {
        syncTrace(peer, stEventFailed, pluralName(table), unsigned(event), rc);
        if (global) {
            PocniReazuriranje();
            return;
        }
        server.NotificationFailed(uint8_t(rc), table, field, row);
        ++sent[table];
        states[table] = rtRequested;
        if (table == tableLoading) abandonLoad();
        return;
    }
    if (table != tableLoading || global) return;
    if (event == snTrnTableClear || event == snTableClear) rowCounter = 0;
    if (event == snTrnRecInsert || event == snRecInsert) ++rowCounter;
    if (event == snTrnRecDelete || event == snRecDelete) --rowCounter;
}

// ---- counters

void KReazKlijent::onTimer(uint8_t value) {
    if (value != kCounterTimerValue) return;
    server.sendCounters(sent);
    startSyncTimer();
}

void KReazKlijent::checkCounters(uint16_t tableSent, const uint8_t* serverCounters) {
    if (serverCounters == nullptr) return;
    if (serverCounters[0] != received[0]) {
        syncTrace(peer, stGlobalCounter, int(received[0]), int(serverCounters[0]));
        PocniReazuriranje();
        return;
    }
    uint16_t list[kLastTableNumber];
    uint16_t n = 0;
    for (uint16_t t = 1; t <= kLastTableNumber; ++t) {
        const bool followed = states[t] == rtSynchronised || t == tableLoading || t == tableSent;
        if (!followed || serverCounters[t] == received[t]) continue;
        syncTrace(peer, stTableCounter, int(t), int(received[t]), int(serverCounters[t]));
        list[n++] = t;
    }
    if (n == 0) return;
    releaseTables(n, list);
    requestTables(n, list);
}
