#include "sub/replication_protocol.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "link/router.h"
#include "utils/bytes.h"
#include "utils/debug_trace.h"

char syncTextBuffer[256];

namespace {

TReplicationSender sender;

struct SSyncText {
    const char* tag;
    bool withPeer;     // "dpc" and the peer after "OR" and 0
    const char* rest;  // the format of the values
};

// clang-format off
const SSyncText kSyncTexts[] = {
    {"RREC_ERR", true, ": Predugacak paket: brp:%d > %d || len:%d > %d"},
    {"RREC_ERR", true, ": Pogresna poruka: tp:%d > np:%d || tp:%d != bp:%d"},
    {"RREC_ERR", true, ": Nema mesta u baferu. stiglo:%d > slobodno:%d  tp:%d  np:%d"},
    {"RREC_ERR", true, ": Predugacka poruka: len:%d  prim:%d"},
    {"RREC_ERR", true, ": Prekratka poruka: len:%d < 3"},
    {"SYNC_ERR", true, " KLIJ: Nepoznata poruka head:%x  len:%d"},
    {"SYNC_ERR", true, ": Prevelik broj transakcija  %d > %d"},
    {"SYNC_ERR", true, ": AcceptTrnList  brtrn:%d  ret:%d"},
    {"SYNC_ERR", true, ": Neuspeo WriteRec tbl:%d  slog:%d  ret:%d"},
    {"SYNC_ERR", true, ": Bafer pun, tbl: %d, slobodno %d, stiglo %d bajtova"},
    {"SYNC_ERR", true, ": Neuspeo WriteBuffer tbl:%d  slog:%d  ret:%d"},
    {"SYNC_ERR", true, ": DropTable tbl:%d"},
    {"SYNC_ERR", true, ": Pogresna maska tbl:%d  mask:%d < 1 || > 32"},
    {"SYNC_ERR", true, ": Nepredvidjena notifikacija  tbl:%s  mask:%x"},
    {"SYNC_ERR", true, ": Neuspesna notifikacija  tbl:%s  mask:%x  iRet:%d"},
    {"SYNC", true, ": PocniReazuriranje BrTabela:%d"},
    {"SYNC_ERR", true, ": Ne valja globalni brojac:  k:%d  s:%d"},
    {"SYNC_ERR", true, ": Ne valja brojac[%d]:  k:%d  s:%d"},
    {"SYNC_ERR", false, ": Otkud tajmer sa id1=%x?"},
};
// clang-format on

}  // namespace

int sendReplicationMessage(uint16_t peer, uint8_t opcode, const uint8_t* data, uint16_t length) {
    if (sender) return sender(peer, opcode, data, length);
    if (router == nullptr) return -1;
    return router->sendMessage(kReplicationMessageType, peer, opcode, data, length);
}

void setReplicationSender(TReplicationSender s) {
    sender = std::move(s);
}

void syncTrace(uint16_t peer, eSyncText text, ...) {
    const SSyncText& t = kSyncTexts[text];
    int n = t.withPeer
                ? std::snprintf(syncTextBuffer, sizeof syncTextBuffer, "%s %s %x dpc %x", t.tag,
                                "OR", 0u, unsigned(peer))
                : std::snprintf(syncTextBuffer, sizeof syncTextBuffer, "%s %s %x", t.tag, "OR", 0u);
    if (n < 0 || n >= int(sizeof syncTextBuffer)) n = int(sizeof syncTextBuffer) - 1;
    va_list args;
    va_start(args, text);
    std::vsnprintf(syncTextBuffer + n, sizeof syncTextBuffer - size_t(n), t.rest, args);
    va_end(args);
    writeDebugTrace(syncTextBuffer);
}

// ---- the server's operations

int KReazServer_Proxy::sendTable(uint8_t opcode, uint16_t table) {
    uint8_t body[2];
    ByteWriter w(body, sizeof body);
    w.u16le(table);
    return sendReplicationMessage(peer_, opcode, body, uint16_t(w.size()));
}

int KReazServer_Proxy::sendTableCount(uint8_t opcode, uint16_t table, int32_t records) {
    uint8_t body[6];
    ByteWriter w(body, sizeof body);
    w.u16le(table);
    w.u32le(uint32_t(records));
    return sendReplicationMessage(peer_, opcode, body, uint16_t(w.size()));
}

// {byte n; word table[n]}, 127 tables a message at most; an empty list sends nothing.
int KReazServer_Proxy::sendList(uint8_t opcode, uint16_t count, const uint16_t* tables) {
    if (tables == nullptr || count > kLastTableNumber) return -1;
    int rc = 0;
    for (uint16_t first = 0; first < count; first += kMaxListTables) {
        const uint16_t n = count - first < kMaxListTables ? count - first : kMaxListTables;
        uint8_t body[1 + 2 * kMaxListTables];
        ByteWriter w(body, sizeof body);
        w.u8(uint8_t(n));
        for (uint16_t k = 0; k < n; ++k) w.u16le(tables[first + k]);
        rc = sendReplicationMessage(peer_, opcode, body, uint16_t(w.size()));
    }
    return rc;
}

int KReazServer_Proxy::StartClient() {
    return sendReplicationMessage(peer_, roStartClient, nullptr, 0);
}

int KReazServer_Proxy::SendTableOpcode4(uint16_t table) {
    return sendTable(roTableOpcode4, table);
}

int KReazServer_Proxy::SendOpcode2() {
    return sendReplicationMessage(peer_, roOpcode2, nullptr, 0);
}

int KReazServer_Proxy::RequestTables(uint16_t count, const uint16_t* tables) {
    return sendList(roRequestTables, count, tables);
}

int KReazServer_Proxy::TableReceived(uint16_t table, int32_t records) {
    return sendTableCount(roTableReceived, table, records);
}

int KReazServer_Proxy::NotificationFailed(uint8_t result, uint16_t table, int16_t field,
                                          int32_t row) {
    uint8_t body[9];
    ByteWriter w(body, sizeof body);
    w.u8(result);
    w.u16le(table);
    w.u16le(uint16_t(field));
    w.u32le(uint32_t(row));
    return sendReplicationMessage(peer_, roNotificationFailed, body, uint16_t(w.size()));
}

int KReazServer_Proxy::EmptyTableReceived(uint16_t table) {
    return sendTable(roEmptyTableReceived, table);
}

int KReazServer_Proxy::BufferReceived(uint16_t table, int32_t records) {
    return sendTableCount(roBufferReceived, table, records);
}

int KReazServer_Proxy::TableFailed(uint16_t table) {
    return sendTable(roTableFailed, table);
}

int KReazServer_Proxy::StopClient() {
    return sendReplicationMessage(peer_, roStopClient, nullptr, 0);
}

int KReazServer_Proxy::ReleaseTables(uint16_t count, const uint16_t* tables) {
    return sendList(roReleaseTables, count, tables);
}

int KReazServer_Proxy::sendCounters(const uint8_t* counters) {
    if (counters == nullptr) return -1;
    return sendReplicationMessage(peer_, roCounters, counters, kCounterCount);
}

// ---- packets

void KReazReceiver::firstPacket(uint8_t count, uint16_t length, const uint8_t* data) {
    if (count > kMaxPackets || length > kPacketBuffer || (length > 0 && data == nullptr)) {
        syncTrace(peer, stPacketTooLong, int(count), kMaxPackets, int(length), kPacketBuffer);
        return;
    }
    packetsAnnounced = count;
    packetsReceived = 1;
    bytesReceived = length;
    if (length > 0) std::memcpy(packetBuffer, data, length);
    if (count == 1) splitMessages();
}

void KReazReceiver::nextPacket(uint8_t number, uint16_t length, const uint8_t* data) {
    const uint16_t t = ++packetsReceived;
    if (t > packetsAnnounced || t != number) {
        syncTrace(peer, stPacketOutOfSequence, int(t), int(packetsAnnounced), int(t), int(number));
        return;
    }
    const int place = kPacketData * (t - 1);
    if (length > kPacketBuffer - bytesReceived || place + length > kPacketBuffer ||
        (length > 0 && data == nullptr)) {
        syncTrace(peer, stPacketNoRoom, int(length), kPacketBuffer - int(bytesReceived), int(t),
                  int(packetsAnnounced));
        return;
    }
    bytesReceived = uint16_t(bytesReceived + length);
    if (length > 0) std::memcpy(packetBuffer + place, data, length);
    if (t == packetsAnnounced) splitMessages();
}

// The joined data is copied first: a sub-message may start a modal loop in
// which the next group arrives.
void KReazReceiver::splitMessages() {
    uint8_t joined[kPacketBuffer];
    const int total = bytesReceived;
    std::memcpy(joined, packetBuffer, size_t(total));
    bytesReceived = 0;
    for (int p = 0; total - p >= 3;) {
        const int len = joined[p] | joined[p + 1] << 8;
        if (len > total - p) {
            syncTrace(peer, stSubMessageTooLong, len, total);
            break;
        }
        if (len < 3) {
            syncTrace(peer, stSubMessageTooShort, len);
            break;
        }
        const uint8_t type = joined[p + 2];
        // Packets inside packets are not expected: dropped.
        if (type != rmFirstPacket && type != rmNextPacket)
            dispatch(type, joined + p + 3, uint16_t(len - 3));
        p += len;
    }
}
