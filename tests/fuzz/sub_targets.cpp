// Target of table replication: the table server's messages, packets joined
// and split, their changes replayed into a database and told to subscribers.

#include <memory>
#include <vector>

#include "fuzz/fuzz_targets.h"
#include "link/message_bus.h"
#include "sub/replication_client.h"
#include "sub/replication_control.h"
#include "sub/sub_database.h"
#include "sub/sub_notify.h"
#include "sub/trn_tab.h"
#include "utils/debug_trace.h"

namespace {

// Tables the client asks for: small ones, one with strings and one keyed.
const uint16_t kWantedTables[] = {1, 77, 88, 172};

class EventChecker : public KSubNotifyReceiver {
public:
    EventChecker(KSubNotifier* notifier, KSub* db) : KSubNotifyReceiver(notifier), db_(db) {}
    void notify(uint32_t event, int32_t table, uint16_t, uint8_t, int16_t field, int32_t row,
                const void*) override {
        FUZZ_CHECK(event != 0);
        FUZZ_CHECK(table >= 0 && table < kTableNumberLimit && db_->table(table) != nullptr);
        FUZZ_CHECK(field >= -1 && field <= db_->table(table)->fieldCount());
        FUZZ_CHECK(row >= -1);
        ++events;
    }
    int events = 0;

private:
    KSub* db_;
};

}  // namespace

KSubNotifier& emptiedDatabaseNotifier(int which) {
    static KSubNotifier notifiers[2];
    return notifiers[which];
}

KSub& emptiedDatabase(int which) {
    static std::unique_ptr<KSub> databases[2];
    std::unique_ptr<KSub>& db = databases[which];
    if (db == nullptr) {
        db = std::make_unique<KSub>(&emptiedDatabaseNotifier(which));
        return *db;
    }
    db->resetAllTablesTransactions();
    db->resetTransactions();
    db->loadTransactionList(0, nullptr, nullptr, 0);
    for (int16_t t = 0; t < kTableNumberLimit; ++t) db->resetTable(t);
    return *db;
}

// The input is a run of messages {byte type, word length, payload}; a length
// past the input's end takes what is left. Type 143 and 144 are packets.
void fuzzReplication(const uint8_t* data, size_t size) {
    KSub& db = emptiedDatabase(0);
    EventChecker checker(&emptiedDatabaseNotifier(0), &db);
    for (uint16_t t : kWantedTables) checker.registerTable(static_cast<int16_t>(t));
    setDebugTraceSink([](const char*) {});
    std::vector<uint8_t> sent;
    setReplicationSender([&sent](uint16_t, uint8_t opcode, const uint8_t*, uint16_t) {
        sent.push_back(opcode);
        return 0;
    });
    {
        KReazKlijent client(kTableServerAddress, &db);
        TSyncMsgReceiver receiver;
        receiver.active = 1;
        replicationClient = &client;
        client.requestTables(sizeof kWantedTables / sizeof kWantedTables[0], kWantedTables);
        client.setOn(1);
        client.PocniReazuriranje();

        size_t at = 0;
        while (at + 3 <= size) {
            const uint8_t type = data[at];
            size_t length = data[at + 1] | data[at + 2] << 8;
            at += 3;
            if (length > size - at) length = size - at;
            // Each message in a buffer of its own length, so ASan sees any read past it.
            const std::vector<uint8_t> payload(data + at, data + at + length);
            dispatchMessage(kReplicationMessageType, kTableServerAddress, type, payload.data(),
                            static_cast<int>(length));
            at += length;
            FUZZ_CHECK(client.bufferFill >= 0 &&
                       client.bufferFill <= KReazKlijent::kWriteBufferSize);
            FUZZ_CHECK(client.packetsReceived <= kMaxPackets);
            FUZZ_CHECK(client.bytesReceived <= kPacketBuffer);
        }
        client.onTimer(1);
        // The replica stays readable row by row.
        for (uint16_t t : kWantedTables) {
            TTrnTabBase* table = db.table(t);
            std::vector<uint8_t> record(static_cast<size_t>(table->recordLength()));
            for (int32_t row = 0; row < table->recordCount(); ++row)
                table->readRow(0, row, record.data());
        }
        replicationClient = nullptr;
    }
    setReplicationSender(nullptr);
    setDebugTraceSink(nullptr);
}
