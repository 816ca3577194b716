#pragma once

#include <string>
#include <vector>

#include "peer/stand_in_table_server.h"
#include "sub/replication_control.h"
#include "sub/rec_cursor.h"
#include "sub_fixtures.h"
#include "utils/debug_trace.h"
#include "utils/status_cells.h"

// The protocol's number of an event bit.
inline uint8_t eventNumber(uint32_t bit) {
    uint8_t n = 1;
    while (bit > 1) {
        bit >>= 1;
        ++n;
    }
    return n;
}

// Records the texts and colours a status cell is given.
class RecordingStatusCell : public IStatusCell {
public:
    void setText(const char* t) override { shown.push_back({t, false, active}); }
    void setTextLeft(const char* t) override { shown.push_back({t, true, active}); }
    void showBaseColour() override { active = false; }
    void showActiveColour() override { active = true; }
    struct Shown {
        std::string text;
        bool left;
        bool active;
    };
    std::vector<Shown> shown;
    bool active = false;
};

// Diagnostic lines of the replication, for the life of the object.
class RecordingTrace {
public:
    RecordingTrace() {
        lines().clear();
        setDebugTraceSink([](const char* t) { lines().push_back(t); });
    }
    ~RecordingTrace() { setDebugTraceSink(nullptr); }
    static std::vector<std::string>& lines() {
        static std::vector<std::string> l;
        return l;
    }
};

// A client on a database of its own, fed by the stand-in server over the bus
// through the program's own message receiver.
struct ReplicationFixture : OwnDatabase {
    StandInTableServer server;
    KReazKlijent client{kTableServerAddress, db.get()};
    TSyncMsgReceiver receiver;
    RecordingTrace trace;

    ReplicationFixture() {
        receiver.active = 1;
        replicationClient = &client;
    }
    ~ReplicationFixture() { replicationClient = nullptr; }

    // Switched on and restarted; the server has answered with its empty
    // transaction list and the loads of the tables asked for.
    void start(std::vector<uint16_t> tables) {
        client.requestTables(uint16_t(tables.size()), tables.data());
        client.setOn(1);
        client.PocniReazuriranje();
        server.serve();
    }
    std::vector<std::string> rows(int16_t table, int16_t transaction = 0) const {
        std::vector<std::string> out;
        TUniRec cursor(table, db.get());
        cursor.transactionId = transaction;
        for (int rc = cursor.first(); rc == tsOK; rc = cursor.next())
            out.push_back(text(table, Bytes(cursor.record, cursor.record + cursor.recordLength())));
        return out;
    }
    // The opcodes sent since the mark.
    std::vector<uint8_t> sentSince(size_t mark) const {
        std::vector<uint8_t> all = server.opcodes();
        return std::vector<uint8_t>(all.begin() + long(mark), all.end());
    }
};

// The program's replication on the global database, started with a
// recording message cell and stopped again, leaving the tables empty.
class ProgramReplication {
public:
    ProgramReplication() {
        messageCell = &cell;
        startReplication();
    }
    ~ProgramReplication() {
        stopReplication();
        messageCell = nullptr;
        for (int16_t t = 0; t < kTableNumberLimit; ++t)
            if (subDatabase.table(t)) subDatabase.resetTable(t);
    }
    ProgramReplication(const ProgramReplication&) = delete;
    ProgramReplication& operator=(const ProgramReplication&) = delete;

    RecordingStatusCell cell;
};
