#pragma once

#include <cstdint>

#include "commands/param_records.h"
#include "link/link_supervision.h"
#include "link/message_bus.h"
#include "link/timer_pool.h"

// The operator channel to the exchange's operator module (type 136): it
// follows whether an operator is logged on there, posts the exchange's
// command-availability lines, and asks for the right to read a table or a
// group of tables before replication starts to follow them.

constexpr uint8_t kCodeReadTable = 3;
constexpr uint8_t kCodeReadTableGroup = 35;
constexpr uint8_t kAnswerBit = 0x80;
constexpr uint8_t kCodeReadTableAnswer = kCodeReadTable | kAnswerBit;            // 0x83
constexpr uint8_t kCodeReadTableGroupAnswer = kCodeReadTableGroup | kAnswerBit;  // 0xA3
constexpr uint8_t kCodeOperatorLoggedOn = 0x81;
constexpr uint8_t kCodeOperatorLoggedOff = 0x82;
constexpr uint8_t kCodeCommandState = 0x91;
constexpr int kRequestBufferSize = 265;
constexpr uint32_t kRequestTimeoutMs = 3000;

// A receiver of type 136 that sends requests and waits for their answers
// with one shared time-out.
class TOperator : public TMessageReceiver, public TTimerReceiver {
public:
    TOperator();
    // Sends the first payloadLength bytes of the request buffer with the code
    // to the exchange, arms the time-out unless one is pending (1: 3000 ms,
    // above 1: milliseconds, 0 or less: none) and lets the answer code pass.
    // When the link does not take it, the operator box says kMessageNotSentText
    // instead and nothing is awaited; false then.
    bool sendRequest(uint8_t code, int payloadLength, int32_t timeout);
    // Cancels the pending time-out, if any.
    void cancelPendingTimer();

    int32_t pendingTimer = -1;
    uint8_t request[kRequestBufferSize] = {};
};

// The channel: log-on notices, command-state lines and read-right answers.
class TLogOper : public TOperator, public IOperatorChannel {
public:
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
    void onTimer(const STimerEvent* event) override;
    bool operatorLoggedOn() override;
    void reinitOperatorInterface() override;
};

// 1 while the exchange reports an operator logged on.
extern int32_t operatorLoggedOn;
// The one channel, made on first use and kept for the program's life.
TLogOper& operatorLogChannel();
// The awaited answer code of the last request (data byte 0 of the time-out).
const STimerEvent& operatorRequestEvent();

// Start step: the notice filters, the channel active and installed for link
// supervision; 0. Stop step: no filters, inactive, no time-out pending,
// the stand-in back in link supervision; 0.
int startOperatorChannel();
int stopOperatorChannel();
void reinitOperatorInterface();

// Information and error boxes captioned "Информация".
void showOperatorInfo(const char* text);
void showOperatorError(const char* text);

// The command actions of 5018, 5019 and 5020, after check and journal; 0.
int monitorTableCommand(const SParamsOkPracenjeTabele& params);
int monitorTableGroupCommand(const SParamsOkPracenjeGrupeTabela& params);
int viewTableOnOrCommand(const SParamsOkPregledTabeleOR& params);

// Ask, then open the record editor of a table.
void openMonitoredTableView(uint16_t table);
void openLocalTableView(uint16_t table, int consistent);
// Replaces the record editor that the views open (null restores it).
void setTableViewOpener(void (*opener)(uint16_t table));
