#include "link/udp_transport.h"

#include <cstdio>
#include <cstring>

#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "platform/udp_socket.h"
#include "utils/message_box.h"

uint16_t udpLocalPort = 6666;
uint16_t udpRemotePort = 6666;
int udpReceiveBufferBytes = 4 * 1024 * 1024;

namespace {
platform::UdpSocket udpSocket;
}

int udpOpen() {
    switch (udpSocket.open(udpLocalPort, udpReceiveBufferBytes)) {
        case platform::UdpSocket::Opened: {
            char line[80];
            std::snprintf(line, sizeof line, "Величина UDP приемного буфера: %d",
                          udpReceiveBufferGranted());
            postTextLine(kLineLocal, line, kTypeDebugText);
            return 0;
        }
        case platform::UdpSocket::CreateFailed:
            postTextLine(1, textById(25922), 136);
            return -1;
        case platform::UdpSocket::BindFailed:
            showError(textById(25923));
            return -1;
        case platform::UdpSocket::BufferFailed:
            showError(textById(25924));
            return -1;
    }
    return -1;
}

void udpClose() {
    udpSocket.close();
}

bool udpIsOpen() {
    return udpSocket.isOpen();
}

uint16_t udpBoundPort() {
    return udpSocket.localPort();
}

int udpReceiveBufferGranted() {
    return udpSocket.receiveBufferBytes();
}

int udpDescriptor() {
    return udpSocket.descriptor();
}

uint32_t udpLostFrames() {
    return udpSocket.kernelDrops();
}

bool udpSend(uint32_t address, const uint8_t* data, int length) {
    return udpSocket.sendTo(address, udpRemotePort, data, length);
}

int udpReceive(uint32_t* sender, uint8_t* buffer, int size) {
    return udpSocket.receiveFrom(sender, buffer, size);
}

uint32_t ipv4Address(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    // Network byte order is the order of the four numbers in memory.
    const uint8_t bytes[4] = {a, b, c, d};
    uint32_t address = 0;
    std::memcpy(&address, bytes, sizeof address);
    return address;
}
