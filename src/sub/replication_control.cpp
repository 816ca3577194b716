#include "sub/replication_control.h"

#include <cstring>
#include <string>

#include "link/link_supervision.h"
#include "texts/text_catalogue.h"
#include "sub/table_groups.h"
#include "utils/bytes.h"
#include "utils/message_box.h"
#include "utils/status_cells.h"

KReazKlijent* replicationClient = nullptr;

namespace {

TSyncMsgReceiver* syncMessages = nullptr;
TSyncTmrReceiver* syncTimer = nullptr;

constexpr uint8_t kCounterTimerValue = 4;
constexpr int kTextReplicationPending = 25786;
constexpr int kTextUpdated = 25787;
constexpr int kTextNotUpdated = 25788;
constexpr char kBullet = static_cast<char>(149);

// What the link watchdog switches and restarts.
class TReplicationLinkControl : public IReplicationControl {
public:
    void restartReplication() override { ::restartReplication(); }
    bool isReplicationOn() override { return ::isReplicationOn() != 0; }
    void setReplicationOn(bool on) override { ::setReplicationOn(on ? 1 : 0); }
    void showReplicationStatus() override { ::showReplicationStatus(); }
};

TReplicationLinkControl linkControl;

void showCell(bool active, const char* text) {
    if (messageCell == nullptr) return;
    if (active)
        messageCell->showActiveColour();
    else
        messageCell->showBaseColour();
    messageCell->setText(text);
}

}  // namespace

int startReplication() {
    syncMessages = new TSyncMsgReceiver();
    syncMessages->active = 1;
    syncTimer = new TSyncTmrReceiver();
    replicationClient = new KReazKlijent(kTableServerAddress);
    setReplicationControl(&linkControl);
    requestConfiguredTables();
    showCell(true, textById(kTextNotUpdated));
    return startSyncTimer();
}

void stopReplication() {
    setReplicationControl(nullptr);
    delete replicationClient;
    replicationClient = nullptr;
    delete syncMessages;
    syncMessages = nullptr;
    delete syncTimer;  // cancels the counter timer
    syncTimer = nullptr;
}

void requestConfiguredTables() {
    if (replicationClient == nullptr) return;
    const int32_t n = tableGroupSize(0);
    uint16_t tables[204];
    for (int32_t k = 0; k < n; ++k) tables[k] = tableGroupMember(0, k);
    replicationClient->requestTables(uint16_t(n), tables);
}

void requestTableReplication(uint16_t table) {
    if (replicationClient != nullptr && replicationClient->requestTable(table) == 0)
        showReplicationStatus();
}

void requestTablesReplication(uint16_t count, const uint16_t* tables) {
    if (replicationClient != nullptr) replicationClient->requestTables(count, tables);
}

void releaseTableReplication(uint16_t table) {
    if (replicationClient != nullptr) replicationClient->releaseTable(table);
}

void releaseTablesReplication(uint16_t count, const uint16_t* tables) {
    if (replicationClient != nullptr) replicationClient->releaseTables(count, tables);
}

void rerequestAllTables() {
    if (replicationClient == nullptr) return;
    for (uint16_t t = 1; t <= kLastTableNumber; ++t) replicationClient->releaseTable(t);
    requestConfiguredTables();
}

void restartReplication() {
    if (replicationClient != nullptr) replicationClient->PocniReazuriranje();
}

void restartReplicationCommand() {
    if (confirm(textById(21221))) restartReplication();
}

void setReplicationOn(uint8_t on) {
    if (replicationClient != nullptr) replicationClient->setOn(on);
}

uint8_t isReplicationOn() {
    return replicationClient != nullptr ? replicationClient->isOn() : 0;
}

int isTableConsistent(int16_t) {
    return 1;
}

void showReplicationStatus() {
    if (replicationClient == nullptr) return;
    if (!replicationClient->isOn()) {
        showCell(true, textById(kTextNotUpdated));
        return;
    }
    // One mark per pair of table numbers (0, 1) ... (202, 203), then 204 alone.
    std::string text = textById(kTextReplicationPending);
    text += ' ';
    const uint8_t* states = replicationClient->states;
    for (int t = 0; t <= kLastTableNumber; t += 2) {
        const bool waiting =
            states[t] == rtRequested || (t + 1 <= kLastTableNumber && states[t + 1] == rtRequested);
        text += waiting ? kBullet : ' ';
    }
    if (messageCell == nullptr) return;
    messageCell->showBaseColour();
    messageCell->setTextLeft(text.c_str());
}

int replicationPeerIndex(uint16_t address) {
    return address == kTableServerAddress ? 0 : -1;
}

int32_t startSyncTimer() {
    if (syncTimer == nullptr) return -1;
    STimerEvent event;
    ByteWriter w(event.data, sizeof event.data);
    w.u16le(kCounterTimerValue);
    w.u16le(0);
    w.u32le(kTableServerAddress);
    return setTimer(syncTimer, kSyncTimerMs, &event);
}

void TSyncMsgReceiver::onMessage(uint8_t, uint16_t key, uint8_t code, const uint8_t* payload,
                                 int length) {
    if (replicationPeerIndex(key) < 0 || replicationClient == nullptr) return;
    const bool on = replicationClient->isOn();
    if (code == rmUpdateComplete) showCell(!on, textById(on ? kTextUpdated : kTextNotUpdated));
    if (code == rmSwitchOn && !on) showCell(false, " ");
    if (code == rmSwitchOff && on) showCell(true, textById(kTextNotUpdated));
    const uint16_t n = length > 0 ? uint16_t(length > 0xFFFF ? 0xFFFF : length) : 0;
    replicationClient->dispatch(code, payload, n);
    if (code == rmBeginTable || code == rmEndTable || code == rmEmptyTable) showReplicationStatus();
}

void TSyncTmrReceiver::onTimer(const STimerEvent* event) {
    if (event == nullptr) return;
    ByteReader in(event->data, sizeof event->data);
    const uint8_t value = in.u8();
    in.skip(3);
    const uint32_t peer = in.u32le();
    if (peer != kTableServerAddress) {
        syncTrace(kTableServerAddress, stStrayTimer, unsigned(peer));
        return;
    }
    if (replicationClient != nullptr) replicationClient->onTimer(value);
}
