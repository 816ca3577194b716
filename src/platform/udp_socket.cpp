#include "platform/udp_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <linux/sock_diag.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

namespace platform {

UdpSocket::OpenResult UdpSocket::open(uint16_t port, int receiveBuffer) {
    close();
    fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd_ < 0) return CreateFailed;
    const int flags = ::fcntl(fd_, F_GETFL, 0);
    ::fcntl(fd_, F_SETFL, flags | O_NONBLOCK);
    ::fcntl(fd_, F_SETFD, FD_CLOEXEC);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        close();
        return BindFailed;
    }
    if (::setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer) != 0) {
        close();
        return BufferFailed;
    }
    // The system caps SO_RCVBUF; a process with the right may go beyond the
    // cap. Linux reports twice what was set, so compare against that.
    if (receiveBufferBytes() < 2 * receiveBuffer)
        ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUFFORCE, &receiveBuffer, sizeof receiveBuffer);
    // Every datagram then carries the count of datagrams the kernel dropped.
    const int on = 1;
    ::setsockopt(fd_, SOL_SOCKET, SO_RXQ_OVFL, &on, sizeof on);
    drops_ = 0;
    return Opened;
}

int UdpSocket::receiveBufferBytes() const {
    if (fd_ < 0) return 0;
    int bytes = 0;
    socklen_t len = sizeof bytes;
    if (::getsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &bytes, &len) != 0) return 0;
    return bytes;
}

uint32_t UdpSocket::kernelDrops() const {
    // The kernel drops a datagram only while the buffer is full, and a full
    // buffer is read before the next count is wanted: with no datagram taken
    // since the last count, nothing can have been dropped since.
    if (fd_ < 0 || !takenSinceCount_) return drops_;
    takenSinceCount_ = false;
    // The drop counter as it stands now: drops after the last datagram taken
    // reach a datagram only when another one arrives.
    uint32_t info[SK_MEMINFO_VARS] = {};
    socklen_t len = sizeof info;
    if (::getsockopt(fd_, SOL_SOCKET, SO_MEMINFO, info, &len) == 0 &&
        len > SK_MEMINFO_DROPS * sizeof(uint32_t) &&
        static_cast<int32_t>(info[SK_MEMINFO_DROPS] - drops_) > 0)
        return info[SK_MEMINFO_DROPS];
    return drops_;
}

void UdpSocket::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

uint16_t UdpSocket::localPort() const {
    if (fd_ < 0) return 0;
    sockaddr_in local{};
    socklen_t len = sizeof local;
    if (::getsockname(fd_, reinterpret_cast<sockaddr*>(&local), &len) != 0) return 0;
    return ntohs(local.sin_port);
}

bool UdpSocket::sendTo(uint32_t address, uint16_t port, const uint8_t* data, int length) {
    if (fd_ < 0 || length < 0) return false;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = address;
    const ssize_t n = ::sendto(fd_, data, static_cast<size_t>(length), 0,
                               reinterpret_cast<sockaddr*>(&to), sizeof to);
    return n == length;
}

int UdpSocket::receiveFrom(uint32_t* sender, uint8_t* buffer, int size) {
    if (fd_ < 0 || size < 0) return -1;
    sockaddr_in from{};
    iovec data{buffer, static_cast<size_t>(size)};
    alignas(cmsghdr) unsigned char control[CMSG_SPACE(sizeof(uint32_t))];
    msghdr message{};
    message.msg_name = &from;
    message.msg_namelen = sizeof from;
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    // MSG_TRUNC reports the datagram's real length, so an oversize one is seen and refused.
    const ssize_t n = ::recvmsg(fd_, &message, MSG_TRUNC);
    if (n < 0) return -1;
    takenSinceCount_ = true;
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); c != nullptr; c = CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SO_RXQ_OVFL) continue;
        uint32_t dropped = 0;
        std::memcpy(&dropped, CMSG_DATA(c), sizeof dropped);
        if (static_cast<int32_t>(dropped - drops_) > 0) drops_ = dropped;
    }
    if (n > size) return -2;
    if (sender) *sender = from.sin_addr.s_addr;
    return static_cast<int>(n);
}

}  // namespace platform
