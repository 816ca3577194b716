#pragma once

#include <cstdint>
#include <functional>

#include "sub/table_dictionary.h"

// Table replication with the exchange's table server: every message is a
// frame of type 153; the client's frames carry an opcode as their code, the
// server's carry its message type. Multi-byte fields are little-endian.
constexpr uint8_t kReplicationMessageType = 153;
constexpr uint16_t kTableServerAddress = 16408;

// Client to server.
enum eReazOpcode : uint8_t {
    roStartClient = 1,
    roOpcode2 = 2,
    roRequestTables = 3,
    roTableOpcode4 = 4,
    roTableReceived = 5,
    roBufferReceived = 6,
    roTableFailed = 7,
    roEmptyTableReceived = 8,
    roStopClient = 9,
    roReleaseTables = 10,
    roNotificationFailed = 11,
    roCounters = 142,
};

// Server to client.
enum eReazMessage : uint8_t {
    rmTrnList = 129,
    rmBeginTable = 130,
    rmRecord = 131,
    rmEndTable = 132,
    rmBufferPiece = 133,
    rmWriteBuffer = 134,
    rmEmptyTable = 135,
    rmDropTable = 136,
    rmNotification = 137,
    rmUpdateComplete = 138,
    rmSwitchOn = 139,
    rmSwitchOff = 140,
    rmCounters = 141,
    rmFirstPacket = 143,
    rmNextPacket = 144,
};

constexpr int kMaxListTables = 127;  // tables in one request or release message
constexpr int kPacketData = 255;
constexpr int kPacketBuffer = 3 * kPacketData;  // 765
constexpr int kMaxPackets = 3;
constexpr int kCounterCount = kTableNumberLimit;  // index 0 global, 1..204 per table

// Sends one replication message to the peer; the router's result (0, or -1
// without a route or router).
int sendReplicationMessage(uint16_t peer, uint8_t opcode, const uint8_t* data, uint16_t length);
// Replaces the way messages leave (tests); an empty function restores the router.
using TReplicationSender =
    std::function<int(uint16_t peer, uint8_t opcode, const uint8_t* data, uint16_t length)>;
void setReplicationSender(TReplicationSender sender);

// Diagnostic lines of the replication module, formatted into syncTextBuffer
// and handed to the trace sink.
enum eSyncText {
    stPacketTooLong,
    stPacketOutOfSequence,
    stPacketNoRoom,
    stSubMessageTooLong,
    stSubMessageTooShort,
    stUnknownMessage,
    stTooManyTransactions,
    stTrnListRefused,
    stWriteRecFailed,
    stBufferFull,
    stWriteBufferFailed,
    stDropTable,
    stBadEventNumber,
    stUnexpectedEvent,
    stEventFailed,
    stRestart,
    stGlobalCounter,
    stTableCounter,
    stStrayTimer,
};
extern char syncTextBuffer[256];
// The line of the text with its "OR", 0 and peer arguments and the values after.
void syncTrace(uint16_t peer, eSyncText text, ...);

// The table server's operations as the client sees them.
class IReazServer {
public:
    virtual ~IReazServer() = default;
    virtual int StartClient() = 0;
    virtual int SendTableOpcode4(uint16_t table) = 0;
    virtual int SendOpcode2() = 0;
    virtual int RequestTables(uint16_t count, const uint16_t* tables) = 0;
    virtual int TableReceived(uint16_t table, int32_t records) = 0;
    virtual int NotificationFailed(uint8_t result, uint16_t table, int16_t field, int32_t row) = 0;
    virtual int EmptyTableReceived(uint16_t table) = 0;
    virtual int BufferReceived(uint16_t table, int32_t records) = 0;
    virtual int TableFailed(uint16_t table) = 0;
    virtual int StopClient() = 0;
    virtual int ReleaseTables(uint16_t count, const uint16_t* tables) = 0;
};

// The server at one address, reached by sending messages.
class KReazServer_Proxy : public IReazServer {
public:
    explicit KReazServer_Proxy(uint16_t peer) : peer_(peer) {}
    int StartClient() override;
    int SendTableOpcode4(uint16_t table) override;
    int SendOpcode2() override;
    // Lists go in messages of at most 127 tables; nothing for more than 204.
    int RequestTables(uint16_t count, const uint16_t* tables) override;
    int TableReceived(uint16_t table, int32_t records) override;
    int NotificationFailed(uint8_t result, uint16_t table, int16_t field, int32_t row) override;
    int EmptyTableReceived(uint16_t table) override;
    int BufferReceived(uint16_t table, int32_t records) override;
    int TableFailed(uint16_t table) override;
    int StopClient() override;
    int ReleaseTables(uint16_t count, const uint16_t* tables) override;
    // The 205 send counters; nothing for a null buffer.
    int sendCounters(const uint8_t* counters);

private:
    int sendList(uint8_t opcode, uint16_t count, const uint16_t* tables);
    int sendTable(uint8_t opcode, uint16_t table);
    int sendTableCount(uint8_t opcode, uint16_t table, int32_t records);
    uint16_t peer_;
};

// Joins the packets of a group (143 first, 144 next) and splits the joined
// data into sub-messages {word length with its 3-byte header, byte type,
// payload}, each handed to dispatch.
class KReazReceiver {
public:
    explicit KReazReceiver(uint16_t peer) : peer(peer) {}
    virtual ~KReazReceiver() = default;
    KReazReceiver(const KReazReceiver&) = delete;
    KReazReceiver& operator=(const KReazReceiver&) = delete;

    void firstPacket(uint8_t count, uint16_t length, const uint8_t* data);
    void nextPacket(uint8_t number, uint16_t length, const uint8_t* data);
    void splitMessages();

    virtual void dispatch(uint8_t type, const uint8_t* payload, uint16_t length) = 0;

    uint16_t peer;
    uint16_t packetsReceived = 0;
    uint16_t bytesReceived = 0;
    uint16_t packetsAnnounced = 0;
    uint8_t packetBuffer[kPacketBuffer] = {};
};
