#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "peer/stand_in_exchange.h"

// A stand-in for the exchange's table server (address 16408). It records the
// client's requests and sends the server's messages, counting them as the
// real server does, over the message bus (unit tests) or over a stand-in
// exchange on loopback UDP (integration tests). Requests are answered only
// when serve() is called, never from inside the client's own send.
class StandInTableServer {
public:
    using Bytes = std::vector<uint8_t>;
    struct Request {
        uint8_t opcode;
        Bytes body;
        std::vector<uint16_t> tables() const;  // of a request or release list
    };

    // Over the bus: the client's messages are taken from the replication sender.
    StandInTableServer();
    // Over UDP: frames of type 153 to 16408 are taken from the exchange, and
    // messages go to the workstation's address.
    StandInTableServer(StandInExchange& exchange, uint16_t workstation);
    ~StandInTableServer();
    StandInTableServer(const StandInTableServer&) = delete;
    StandInTableServer& operator=(const StandInTableServer&) = delete;

    // Everything the client sent, in order, and their opcodes (over UDP the
    // frames are taken by serve()).
    std::vector<Request> requests;
    std::vector<uint8_t> opcodes() const;

    // ---- scripted contents: records as text lines of each table
    std::map<uint16_t, std::vector<std::string>> contents;
    bool buffered = false;  // load tables in buffers (133, 134) instead of records (131)

    // Answers the requests not yet answered: a restart (1) with an empty
    // transaction list, each requested table with its load. The count of
    // requests answered.
    int serve();

    // ---- messages of the server, counted
    void send(uint8_t type, const Bytes& payload);
    void sendTrnList(const std::vector<uint8_t>& masks, const std::vector<int16_t>& ids,
                     int16_t last);
    void loadTable(uint16_t table);
    void sendChange(uint8_t eventNumber, uint16_t table, int16_t id, uint8_t mask, int16_t field,
                    int32_t row, const Bytes& data);
    // The record image of a text line of a table.
    static Bytes record(uint16_t table, const std::string& line);
    // A committed slot image of a record.
    static Bytes committedSlot(uint16_t table, const Bytes& record);
    void sendCounterReport(uint16_t tableSent);
    // A message sent without being counted, or counted without being sent.
    void sendUncounted(uint8_t type, const Bytes& payload) { deliver(type, payload); }
    void countOnly(uint8_t type, const Bytes& payload) { count(type, payload); }

    uint8_t counters[205] = {};  // messages sent to the client, as it counts them

private:
    void deliver(uint8_t type, const Bytes& payload);
    void count(uint8_t type, const Bytes& payload);
    void take(uint8_t opcode, const uint8_t* data, uint16_t length);

    StandInExchange* exchange_ = nullptr;
    uint16_t workstation_ = 0;
    size_t answered_ = 0;
    size_t framesSeen_ = 0;
};
