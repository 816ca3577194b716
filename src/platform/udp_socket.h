#pragma once

#include <cstdint>

namespace platform {

// One non-blocking IPv4 UDP socket bound to a port on all interfaces.
class UdpSocket {
public:
    // Which step of open() failed.
    enum OpenResult { Opened = 0, CreateFailed, BindFailed, BufferFailed };

    UdpSocket() = default;
    ~UdpSocket() { close(); }
    UdpSocket(const UdpSocket&) = delete;
    UdpSocket& operator=(const UdpSocket&) = delete;

    // Creates the socket, makes it non-blocking, binds it to `port` (0 picks a
    // free port) and asks for the receive buffer (beyond the system's limit
    // where the process may). The socket is closed again on every failure.
    OpenResult open(uint16_t port, int receiveBuffer);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    // The descriptor, for waiting on it; -1 when closed.
    int descriptor() const { return fd_; }
    // The port the socket is bound to, 0 when closed.
    uint16_t localPort() const;
    // The receive buffer the kernel granted, 0 when closed.
    int receiveBufferBytes() const;
    // Datagrams the kernel dropped for this socket since it was opened
    // (its receive buffer was full), as far as the kernel reports them.
    uint32_t kernelDrops() const;

    // Sends one datagram to address (network byte order) and port; true when sent.
    bool sendTo(uint32_t address, uint16_t port, const uint8_t* data, int length);
    // Takes one waiting datagram. Returns its byte count, -1 when none is
    // waiting or the socket is closed, -2 when the datagram was longer than
    // `size` (it is discarded, never cut).
    int receiveFrom(uint32_t* sender, uint8_t* buffer, int size);

private:
    int fd_ = -1;
    uint32_t drops_ = 0;  // highest drop count seen with a datagram
    mutable bool takenSinceCount_ = false;
};

}  // namespace platform
