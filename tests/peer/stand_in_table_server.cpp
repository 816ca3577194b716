#include "peer/stand_in_table_server.h"

#include <cstring>

#include "link/message_bus.h"
#include "sub/replication_protocol.h"
#include "sub/sub_notify.h"
#include "sub/table_catalogue.h"
#include "sub/trn_tab.h"

namespace {

void putWord(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void putLong(std::vector<uint8_t>& out, int32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(uint32_t(v) >> (8 * i)));
}

uint16_t wordAt(const std::vector<uint8_t>& b, size_t at) {
    return at + 1 < b.size() ? uint16_t(b[at] | b[at + 1] << 8) : 0;
}

}  // namespace

std::vector<uint16_t> StandInTableServer::Request::tables() const {
    std::vector<uint16_t> out;
    if (body.empty()) return out;
    for (size_t k = 0; k < body[0]; ++k) out.push_back(wordAt(body, 1 + 2 * k));
    return out;
}

StandInTableServer::StandInTableServer() {
    setReplicationSender([this](uint16_t, uint8_t opcode, const uint8_t* data, uint16_t length) {
        take(opcode, data, length);
        return 0;
    });
}

StandInTableServer::StandInTableServer(StandInExchange& exchange, uint16_t workstation)
    : exchange_(&exchange), workstation_(workstation) {}

StandInTableServer::~StandInTableServer() {
    if (exchange_ == nullptr) setReplicationSender(nullptr);
}

void StandInTableServer::take(uint8_t opcode, const uint8_t* data, uint16_t length) {
    requests.push_back({opcode, Bytes(data, data + length)});
}

std::vector<uint8_t> StandInTableServer::opcodes() const {
    std::vector<uint8_t> out;
    for (const Request& r : requests) out.push_back(r.opcode);
    return out;
}

void StandInTableServer::deliver(uint8_t type, const Bytes& payload) {
    if (exchange_ != nullptr) {
        exchange_->sendFrame(kReplicationMessageType, workstation_, kTableServerAddress, type,
                             payload);
        return;
    }
    dispatchMessage(kReplicationMessageType, kTableServerAddress, type, payload.data(),
                    int(payload.size()));
}

// The client's counting rules, kept on the sending side.
void StandInTableServer::count(uint8_t type, const Bytes& p) {
    const uint16_t table = wordAt(p, 0);
    switch (type) {
        case 129:
            counters[0] = 1;
            break;
        case 130:
            if (table < 205) counters[table] = 1;
            break;
        case 131:
        case 132:
        case 134:
        case 135:
            if (table < 205) ++counters[table];
            break;
        case 137: {
            if (p.empty() || p[0] < 1 || p[0] > 32) break;
            const uint32_t event = 1u << (p[0] - 1);
            const uint16_t t = wordAt(p, 1);
            if (event & kGlobalSubEvents)
                ++counters[0];
            else if (t < 205)
                ++counters[t];
            break;
        }
        case 138:
            ++counters[0];
            break;
        default:
            break;
    }
}

void StandInTableServer::send(uint8_t type, const Bytes& payload) {
    count(type, payload);
    deliver(type, payload);
}

void StandInTableServer::sendTrnList(const std::vector<uint8_t>& masks,
                                     const std::vector<int16_t>& ids, int16_t last) {
    Bytes p = {uint8_t(masks.size())};
    p.insert(p.end(), masks.begin(), masks.end());
    for (int16_t id : ids) putWord(p, uint16_t(id));
    putWord(p, uint16_t(last));
    send(129, p);
}

StandInTableServer::Bytes StandInTableServer::record(uint16_t table, const std::string& line) {
    auto t = createTable(int16_t(table));
    Bytes r(size_t(t->recordLength()), 0);
    t->recordFromText(r.data(), line.c_str(), ",");
    return r;
}

StandInTableServer::Bytes StandInTableServer::committedSlot(uint16_t table, const Bytes& record) {
    auto t = createTable(int16_t(table));
    Bytes slot(size_t(t->slotLength()), 0);
    slot[0] = kCommittedVersion;
    std::memcpy(slot.data() + kSlotHeaderSize, record.data(), record.size());
    return slot;
}

void StandInTableServer::loadTable(uint16_t table) {
    auto t = createTable(int16_t(table));
    if (!t) return;
    Bytes begin;
    putWord(begin, table);
    begin.push_back(0);
    begin.push_back(0);
    putWord(begin, uint16_t(t->fieldCount()));
    begin.insert(begin.end(), size_t(3 * t->fieldCount()), 0);
    send(130, begin);
    Bytes head;
    putWord(head, table);
    const std::vector<std::string>& lines = contents[table];
    if (lines.empty()) {
        send(135, head);
        return;
    }
    Bytes run;  // slot images waiting to go as one buffer
    for (const std::string& line : lines) {
        const Bytes slot = committedSlot(table, record(table, line));
        if (!buffered) {
            Bytes m = head;
            m.insert(m.end(), slot.begin(), slot.end());
            send(131, m);
            continue;
        }
        run.insert(run.end(), slot.begin(), slot.end());
    }
    for (size_t at = 0; at < run.size(); at += 200) {
        const size_t n = run.size() - at < 200 ? run.size() - at : 200;
        Bytes m = head;
        putWord(m, uint16_t(n));
        m.insert(m.end(), run.begin() + long(at), run.begin() + long(at + n));
        send(133, m);
    }
    if (buffered) send(134, head);
    send(132, head);
}

void StandInTableServer::sendChange(uint8_t eventNumber, uint16_t table, int16_t id, uint8_t mask,
                                    int16_t field, int32_t row, const Bytes& data) {
    Bytes p = {eventNumber};
    putWord(p, table);
    putWord(p, uint16_t(id));
    p.push_back(mask);
    putWord(p, uint16_t(field));
    putLong(p, row);
    p.insert(p.end(), data.begin(), data.end());
    send(137, p);
}

void StandInTableServer::sendCounterReport(uint16_t tableSent) {
    Bytes p;
    putWord(p, tableSent);
    p.insert(p.end(), counters, counters + 205);
    deliver(141, p);
}

int StandInTableServer::serve() {
    if (exchange_ != nullptr) {
        exchange_->pump();
        for (; framesSeen_ < exchange_->received.size(); ++framesSeen_) {
            const StandInExchange::Frame& f = exchange_->received[framesSeen_];
            if (f.type == kReplicationMessageType && f.destination == kTableServerAddress)
                take(f.code, f.payload.data(), uint16_t(f.payload.size()));
        }
    }
    int n = 0;
    for (; answered_ < requests.size(); ++answered_, ++n) {
        const Request r = requests[answered_];
        if (r.opcode == roStartClient) {
            std::memset(counters, 0, sizeof counters);
            sendTrnList({}, {}, 0);
        }
        if (r.opcode == roRequestTables)
            for (uint16_t t : r.tables()) loadTable(t);
    }
    return n;
}
