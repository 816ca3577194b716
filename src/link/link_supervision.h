#pragma once

#include <cstdint>

#include "link/message_bus.h"
#include "link/timer_pool.h"

// The exchange polls this workstation (type 141, code 39) and expects the
// poll back; the polls are the link's heartbeat. After 15 s without one the
// link counts as lost: replication is switched off and, while an operator is
// logged on, the operator interface is re-initialised. The first poll after
// that restarts replication. The exchange also sets the clock (type 152).
constexpr uint8_t kTypeLinkPoll = 141;
constexpr uint8_t kCodeLinkPoll = 39;
constexpr uint8_t kTypeClock = 152;
constexpr uint8_t kCodeClockInfo = 1;
constexpr uint8_t kCodeClockSet = 2;
constexpr int kClockPayloadBytes = 8;
constexpr uint32_t kLinkWatchdogMs = 15000;

// What link supervision needs of table replication.
class IReplicationControl {
public:
    virtual ~IReplicationControl() = default;
    virtual void restartReplication() = 0;
    virtual bool isReplicationOn() = 0;
    virtual void setReplicationOn(bool on) = 0;
    virtual void showReplicationStatus() = 0;
};

// What link supervision needs of the operator channel.
class IOperatorChannel {
public:
    virtual ~IOperatorChannel() = default;
    virtual bool operatorLoggedOn() = 0;
    virtual void reinitOperatorInterface() = 0;
};

// The services in use. Until replication and the operator channel are
// installed, stand-ins answer: replication is off and nothing but the flag
// changes, and no operator is ever logged on. Null restores the stand-ins;
// the caller keeps ownership.
IReplicationControl& replicationControl();
void setReplicationControl(IReplicationControl* control);
IOperatorChannel& operatorChannel();
void setOperatorChannel(IOperatorChannel* channel);

// Answers every poll to its source and restarts the watchdog.
class TOdgovorNaProzivku : public TMessageReceiver {
public:
    TOdgovorNaProzivku();
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
};

// Sets the PC clock from the exchange's date and time (code 2, exactly 8
// bytes: day, month, word year, hundredths, second, minute, hour).
class TTimeSinhro : public TMessageReceiver {
public:
    TTimeSinhro();
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
};

// The 15-second link watchdog.
class TProzTmrReceiver : public TTimerReceiver {
public:
    void onTimer(const STimerEvent* event) override;
};

// 1 after the first poll since start or since the watchdog last fired.
extern uint8_t linkUp;

// Start step: creates the three objects and arms the watchdog; 0, or -1 when
// an object cannot be created.
int startLinkSupervision();
// Shutdown step: destroys the objects (the watchdog's timer with it).
void stopLinkSupervision();
