#include "platform/udp_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

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
    return Opened;
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
    socklen_t len = sizeof from;
    // MSG_TRUNC reports the datagram's real length, so an oversize one is seen and refused.
    const ssize_t n = ::recvfrom(fd_, buffer, static_cast<size_t>(size), MSG_TRUNC,
                                 reinterpret_cast<sockaddr*>(&from), &len);
    if (n < 0) return -1;
    if (n > size) return -2;
    if (sender) *sender = from.sin_addr.s_addr;
    return static_cast<int>(n);
}

}  // namespace platform
