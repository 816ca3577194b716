#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/udp_socket.h"

// A stand-in exchange (or another workstation) on loopback UDP: it binds its
// own port, sends frames to the workstation, records what it receives and
// can answer each frame by script.
class StandInExchange {
public:
    struct Frame {
        std::vector<uint8_t> bytes;  // the datagram as received
        uint8_t type = 0;
        uint16_t destination = 0;
        uint16_t source = 0;
        uint8_t code = 0;
        std::vector<uint8_t> payload;
        std::string text() const;  // payload up to its first NUL
    };

    StandInExchange();
    uint16_t port() const { return socket_.localPort(); }

    // The workstation's port that frames are sent to.
    void setWorkstationPort(uint16_t port) { workstationPort_ = port; }

    void sendRaw(const std::vector<uint8_t>& datagram);
    void sendFrame(uint8_t type, uint16_t destination, uint16_t source, uint8_t code,
                   const std::vector<uint8_t>& payload);
    // Takes every waiting datagram, records it and runs the script on it.
    // Returns how many were taken.
    int pump();

    std::vector<Frame> received;
    std::function<void(const Frame&, StandInExchange&)> script;

private:
    platform::UdpSocket socket_;
    uint16_t workstationPort_ = 0;
};

// Builds a frame as the exchange would.
std::vector<uint8_t> makeFrame(uint8_t type, uint16_t destination, uint16_t source, uint8_t code,
                               const std::vector<uint8_t>& payload);
