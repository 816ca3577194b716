#include "platform/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <strings.h>

namespace platform {

namespace {

// termios speed constant of a speed the panel may use; 0 for any other.
speed_t speedOf(int32_t baud) {
    switch (baud) {
        case 2400:
            return B2400;
        case 9600:
            return B9600;
    }
    return 0;
}

// Raw 8N1 at the speed: no parity, one stop bit, receiver on, modem status
// lines ignored, no hardware or XON/XOFF flow control, no character mapping.
bool configure(int fd, speed_t speed) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return false;
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0) return false;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) return false;
    // DTR and RTS off. A line without modem controls (a pseudo-terminal)
    // refuses the request; it has no lines to hold off.
    int lines = TIOCM_DTR | TIOCM_RTS;
    if (::ioctl(fd, TIOCMBIC, &lines) != 0 && errno != ENOTTY && errno != EINVAL) return false;
    return true;
}

ISerialPort* installed = nullptr;

}  // namespace

bool LinuxSerialPort::open(const std::string& device, int32_t baud) {
    if (fd_ >= 0) return false;
    const speed_t speed = speedOf(baud);
    if (speed == 0 || device.empty()) return false;
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    // Exclusive: a second open of the line by anyone else fails.
    if (!::isatty(fd) || ::ioctl(fd, TIOCEXCL) != 0 || !configure(fd, speed)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

bool LinuxSerialPort::close() {
    if (fd_ < 0) return true;
    ::ioctl(fd_, TIOCNXCL);
    const int fd = fd_;
    fd_ = -1;
    // After close() the descriptor is gone whatever it reports, except when
    // a signal interrupted it before anything happened.
    if (::close(fd) != 0 && errno == EBADF) return false;
    return true;
}

bool LinuxSerialPort::write(const uint8_t* data, std::size_t count) {
    if (fd_ < 0) return false;
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd_, data + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;  // a full output buffer counts as a failed write
        done += static_cast<std::size_t>(n);
    }
    return ::tcdrain(fd_) == 0;
}

int LinuxSerialPort::readByte(uint8_t& byte, int32_t timeoutMs) {
    if (fd_ < 0) return -1;
    pollfd p{fd_, POLLIN, 0};
    int ready = 0;
    do {
        ready = ::poll(&p, 1, timeoutMs < 0 ? 0 : timeoutMs);
    } while (ready < 0 && errno == EINTR);
    if (ready < 0) return -1;
    if (ready == 0) return 0;
    const ssize_t n = ::read(fd_, &byte, 1);
    if (n == 1) return 1;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return 0;
    return -1;
}

bool FakeSerialPort::open(const std::string& name, int32_t speed) {
    if (open_ || failOpen) return false;
    open_ = true;
    device = name;
    baud = speed;
    ++opens;
    return true;
}

bool FakeSerialPort::close() {
    if (!open_) return true;
    if (failClose) return false;
    open_ = false;
    return true;
}

bool FakeSerialPort::write(const uint8_t* data, std::size_t count) {
    if (!open_) return false;
    if (failWrites > 0) {
        --failWrites;
        return false;
    }
    written.emplace_back(data, data + count);
    return true;
}

int FakeSerialPort::readByte(uint8_t& byte, int32_t) {
    if (!open_ || failRead) return -1;
    if (answers.empty()) return 0;
    byte = answers.front();
    answers.pop_front();
    return 1;
}

std::string serialDeviceOfPort(const char* portName) {
    static const char* const kPorts[] = {"com1", "com2", "com3", "com4"};
    if (portName == nullptr) return {};
    for (int i = 0; i < 4; ++i)
        if (::strcasecmp(portName, kPorts[i]) == 0) return "/dev/ttyS" + std::to_string(i);
    return {};
}

ISerialPort& serialPort() {
    static LinuxSerialPort linuxPort;
    return installed != nullptr ? *installed : linuxPort;
}

void setSerialPort(ISerialPort* port) {
    installed = port;
}

}  // namespace platform
