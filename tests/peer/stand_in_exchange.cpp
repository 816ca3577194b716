#include "peer/stand_in_exchange.h"

#include <arpa/inet.h>

std::string StandInExchange::Frame::text() const {
    std::string s;
    for (uint8_t b : payload) {
        if (b == 0) break;
        s.push_back(static_cast<char>(b));
    }
    return s;
}

StandInExchange::StandInExchange() { socket_.open(0, 1 << 20); }

std::vector<uint8_t> makeFrame(uint8_t type, uint16_t destination, uint16_t source, uint8_t code,
                               const std::vector<uint8_t>& payload) {
    std::vector<uint8_t> f;
    const uint16_t length = static_cast<uint16_t>(payload.size() + 9);
    f.push_back(uint8_t(length));
    f.push_back(uint8_t(length >> 8));
    f.push_back(type);
    f.push_back(uint8_t(destination));
    f.push_back(uint8_t(destination >> 8));
    f.push_back(uint8_t(source));
    f.push_back(uint8_t(source >> 8));
    f.insert(f.end(), {0, 0, 0});
    f.push_back(code);
    f.insert(f.end(), payload.begin(), payload.end());
    return f;
}

void StandInExchange::sendRaw(const std::vector<uint8_t>& datagram) {
    socket_.sendTo(htonl(INADDR_LOOPBACK), workstationPort_, datagram.data(),
                   static_cast<int>(datagram.size()));
}

void StandInExchange::sendFrame(uint8_t type, uint16_t destination, uint16_t source, uint8_t code,
                                const std::vector<uint8_t>& payload) {
    sendRaw(makeFrame(type, destination, source, code, payload));
}

int StandInExchange::pump() {
    int taken = 0;
    for (;;) {
        uint8_t buffer[2048];
        uint32_t sender = 0;
        const int n = socket_.receiveFrom(&sender, buffer, sizeof buffer);
        if (n == -1) break;
        if (n < 0) continue;
        ++taken;
        Frame f;
        f.bytes.assign(buffer, buffer + n);
        if (n >= 11) {
            f.type = buffer[2];
            f.destination = uint16_t(buffer[3] | buffer[4] << 8);
            f.source = uint16_t(buffer[5] | buffer[6] << 8);
            f.code = buffer[10];
            f.payload.assign(buffer + 11, buffer + n);
        }
        received.push_back(f);
        if (script) script(received.back(), *this);
    }
    return taken;
}
