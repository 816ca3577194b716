#include "link/link_supervision.h"

#include <new>

#include "link/router.h"
#include "utils/bytes.h"
#include "utils/dates.h"

uint8_t linkUp = 0;

namespace {

class StandInReplication : public IReplicationControl {
public:
    void restartReplication() override {}
    bool isReplicationOn() override { return on_; }
    void setReplicationOn(bool on) override { on_ = on; }
    void showReplicationStatus() override {}

private:
    bool on_ = false;
};

class StandInOperatorChannel : public IOperatorChannel {
public:
    bool operatorLoggedOn() override { return false; }
    void reinitOperatorInterface() override {}
};

StandInReplication standInReplication;
StandInOperatorChannel standInOperatorChannel;
IReplicationControl* currentReplication = &standInReplication;
IOperatorChannel* currentOperatorChannel = &standInOperatorChannel;

TOdgovorNaProzivku* pollAnswerer = nullptr;
TTimeSinhro* clockReceiver = nullptr;
TProzTmrReceiver* linkWatchdog = nullptr;
int watchdogTimerId = -1;

void armWatchdog() {
    if (linkWatchdog) watchdogTimerId = setTimer(linkWatchdog, kLinkWatchdogMs);
}

}  // namespace

IReplicationControl& replicationControl() {
    return *currentReplication;
}

void setReplicationControl(IReplicationControl* control) {
    currentReplication = control ? control : &standInReplication;
}

IOperatorChannel& operatorChannel() {
    return *currentOperatorChannel;
}

void setOperatorChannel(IOperatorChannel* channel) {
    currentOperatorChannel = channel ? channel : &standInOperatorChannel;
}

TOdgovorNaProzivku::TOdgovorNaProzivku() : TMessageReceiver(kTypeLinkPoll) {
    addCodeFilter(kCodeLinkPoll);
    active = 1;
}

void TOdgovorNaProzivku::onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                                   int length) {
    if (code == kCodeLinkPoll && router && length >= 0)
        router->sendMessage(type, key, kCodeLinkPoll, payload, static_cast<uint16_t>(length));
    if (linkWatchdog) killTimer(linkWatchdog, watchdogTimerId);
    armWatchdog();
    if (linkUp == 0) {
        replicationControl().restartReplication();
        linkUp = 1;
    }
}

TTimeSinhro::TTimeSinhro() : TMessageReceiver(kTypeClock) {
    addCodeFilter(kCodeClockInfo);
    addCodeFilter(kCodeClockSet);
    active = 1;
}

void TTimeSinhro::onMessage(uint8_t, uint16_t, uint8_t code, const uint8_t* payload, int length) {
    if (code != kCodeClockSet || length != kClockPayloadBytes) return;
    ByteReader in(payload, static_cast<size_t>(length));
    SDateTime moment;
    moment.date.day = in.u8();
    moment.date.month = in.u8();
    moment.date.year = in.u16le();
    moment.time.hundredths = in.u8();
    moment.time.second = in.u8();
    moment.time.minute = in.u8();
    moment.time.hour = in.u8();
    // An impossible date or time from the link never reaches the PC clock.
    if (!in.ok() || !isValidDate(moment.date) || !isValidTime(moment.time)) return;
    setSystemDateTime(moment);
}

void TProzTmrReceiver::onTimer(const STimerEvent*) {
    linkUp = 0;
    IReplicationControl& replication = replicationControl();
    if (replication.isReplicationOn()) {
        replication.setReplicationOn(false);
        replication.showReplicationStatus();
    }
    armWatchdog();
    IOperatorChannel& channel = operatorChannel();
    if (channel.operatorLoggedOn()) channel.reinitOperatorInterface();
}

int startLinkSupervision() {
    linkUp = 0;
    pollAnswerer = new (std::nothrow) TOdgovorNaProzivku();
    if (pollAnswerer == nullptr) return -1;
    clockReceiver = new (std::nothrow) TTimeSinhro();
    if (clockReceiver == nullptr) return -1;
    linkWatchdog = new (std::nothrow) TProzTmrReceiver();
    if (linkWatchdog == nullptr) return -1;
    armWatchdog();
    return 0;
}

void stopLinkSupervision() {
    delete pollAnswerer;
    pollAnswerer = nullptr;
    delete clockReceiver;
    clockReceiver = nullptr;
    delete linkWatchdog;  // its destruction cancels the armed timer
    linkWatchdog = nullptr;
    watchdogTimerId = -1;
}
