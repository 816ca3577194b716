#pragma once

#include <cstdint>

#include "link/message_bus.h"
#include "link/timer_pool.h"
#include "sub/replication_client.h"

// The replication client's place in the program: made by startReplication,
// fed every type-153 message of the table server and a tick every 1.1 s, and
// shown in the message cell of the status bar. Every entry point does nothing
// while there is no client.

class TSyncMsgReceiver : public TMessageReceiver {
public:
    TSyncMsgReceiver() : TMessageReceiver(kReplicationMessageType) {}
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
};

class TSyncTmrReceiver : public TTimerReceiver {
public:
    void onTimer(const STimerEvent* event) override;
};

constexpr uint32_t kSyncTimerMs = 1100;

extern KReazKlijent* replicationClient;

// Start step: receivers, the client for the table server (which the link
// watchdog then restarts and switches off), the configured
// tables wanted (not yet asked for: replication starts off), the status
// "OR не обновлен", the counter timer. Returns the timer's id.
int startReplication();
// Shutdown step: the client and both receivers go (the timer with them).
void stopReplication();

void requestConfiguredTables();
void requestTableReplication(uint16_t table);
void requestTablesReplication(uint16_t count, const uint16_t* tables);
void releaseTableReplication(uint16_t table);
void releaseTablesReplication(uint16_t count, const uint16_t* tables);
// One release per wanted table, then the configured tables again.
void rerequestAllTables();
void restartReplication();
// The operator's renewed replication: asks first, restarts on yes.
void restartReplicationCommand();
void setReplicationOn(uint8_t on);
uint8_t isReplicationOn();
// Every table counts as consistent.
int isTableConsistent(int16_t table);
// The message cell: "OR не обновлен" while off, else the tables still waiting.
void showReplicationStatus();
// 0 for the table server's address, else -1.
int replicationPeerIndex(uint16_t address);
// Arms the counter timer; its id, or -1 (no receiver, or the pool is full).
int32_t startSyncTimer();
