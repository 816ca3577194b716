#pragma once

#include <cstdint>

#include "sub/replication_protocol.h"

class KSub;

// States of a table in the replication.
enum eReazTableState : uint8_t {
    rtNotReplicable = 0,  // no such table, or never replicated
    rtIdle = 1,           // not wanted
    rtRequested = 2,      // wanted, not (yet) synchronised; also the table being loaded
    rtSynchronised = 3,   // loaded and kept current by the server's changes
};

// The server's messages as the client takes them.
class IReazKlijent {
public:
    virtual ~IReazKlijent() = default;
    virtual void AcceptTrnList(uint8_t count, const uint8_t* masks, const int16_t* ids,
                               int16_t lastId) = 0;
    virtual void BeginTable(uint16_t table, uint8_t tableExclusive, uint8_t tableShared,
                            uint16_t fieldCount, const uint8_t* fieldExclusive,
                            const uint8_t* fieldShared, const uint8_t* recordField) = 0;
    virtual void WriteRec(uint16_t table, const uint8_t* slotImage) = 0;
    virtual void EndTable(uint16_t table) = 0;
    virtual void AppendBuffer(uint16_t table, uint16_t length, const uint8_t* bytes) = 0;
    virtual void WriteBuffer(uint16_t table) = 0;
    virtual void EmptyTable(uint16_t table) = 0;
    virtual void DropTable(uint16_t table) = 0;
    virtual void ApplyNotification(const uint8_t* payload, uint16_t length) = 0;
};

// Told when a table becomes synchronised, for the tables it wants.
class IReazTblListener {
public:
    virtual ~IReazTblListener() = default;
    virtual void tableSynchronised(uint16_t table) = 0;
    uint8_t wants[kTableNumberLimit] = {};
};

// Up to 10 listeners, told in the order they registered.
class KReazTblRgs {
public:
    static constexpr int kMaxListeners = 10;
    // 0, or -1 when full or null.
    int add(IReazTblListener* listener);
    void remove(IReazTblListener* listener);
    void tell(uint16_t table);

private:
    IReazTblListener* listeners_[kMaxListeners] = {};
    int count_ = 0;
};
KReazTblRgs& tableSyncRegistry();

// The workstation's side of table replication: which tables are wanted, their
// loading, the replay of every change into the database, the answers to the
// server and the message counters both sides compare. Every server message
// is checked against its length before a field is read; a short one is
// dropped without being counted, which the next counter report reveals.
class KReazKlijent : public IReazKlijent, public KReazReceiver {
public:
    static constexpr int kWriteBufferSize = 3000;

    explicit KReazKlijent(uint16_t peer, KSub* database = nullptr);  // null: subDatabase
    ~KReazKlijent() override;

    // 1 when the table is above 204 or not idle; else 0.
    int requestTable(uint16_t table);
    void requestTables(uint16_t count, const uint16_t* tables);
    void releaseTable(uint16_t table);
    void releaseTables(uint16_t count, const uint16_t* tables);

    uint8_t isOn() const { return on; }
    void setOn(uint8_t value);
    void PocniReazuriranje();
    void copyTableStates(uint8_t* out) const;

    void dispatch(uint8_t type, const uint8_t* payload, uint16_t length) override;
    void onTimer(uint8_t value);
    void checkCounters(uint16_t tableSent, const uint8_t* serverCounters);

    void AcceptTrnList(uint8_t count, const uint8_t* masks, const int16_t* ids,
                       int16_t lastId) override;
    void BeginTable(uint16_t table, uint8_t tableExclusive, uint8_t tableShared,
                    uint16_t fieldCount, const uint8_t* fieldExclusive, const uint8_t* fieldShared,
                    const uint8_t* recordField) override;
    void WriteRec(uint16_t table, const uint8_t* slotImage) override;
    void EndTable(uint16_t table) override;
    void AppendBuffer(uint16_t table, uint16_t length, const uint8_t* bytes) override;
    void WriteBuffer(uint16_t table) override;
    void EmptyTable(uint16_t table) override;
    void DropTable(uint16_t table) override;
    void ApplyNotification(const uint8_t* payload, uint16_t length) override;

    KReazServer_Proxy server;
    uint8_t received[kCounterCount] = {};  // R
    uint8_t sent[kCounterCount] = {};      // S
    uint8_t states[kTableNumberLimit] = {};
    uint16_t tableLoading = 0;
    int32_t rowCounter = 0;
    uint8_t writeBuffer[kWriteBufferSize] = {};
    int32_t bufferFill = 0;
    uint8_t on = 0;
    uint8_t listAccepted = 0;

private:
    void abandonLoad();
    void loadFailed(uint16_t table);
    void endLoad(uint16_t table, bool empty);
    // True when the number is a table number of the protocol (1..204).
    static bool isTableNumber(uint16_t table) { return table >= 1 && table <= kLastTableNumber; }
    // The slot length of a table of the database, 0 when there is none.
    int slotLength(uint16_t table) const;
    // Bytes of the data after the fixed fields that the event needs.
    int eventDataNeeded(uint32_t event, uint16_t table, int16_t field, int32_t row) const;
    int applyEvent(uint32_t event, uint16_t table, int16_t id, uint8_t mask, int16_t field,
                   int32_t row, const uint8_t* data);

    KSub* db_;
};
