#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace platform {

// One serial line: opened exclusively, 8 data bits, no parity, one stop bit,
// no flow control of any kind, DTR and RTS held off, never blocking.
class ISerialPort {
public:
    virtual ~ISerialPort() = default;
    // Opens the device at the speed (2,400 or 9,600 bit/s); false, with the
    // device closed again, when it is missing, in use, not a serial line or
    // cannot be set up.
    virtual bool open(const std::string& device, int32_t baud) = 0;
    // Closes the line; false when closing failed (the line then stays open).
    virtual bool close() = 0;
    virtual bool isOpen() const = 0;
    // Writes the bytes and waits until the line has sent them; false when
    // the line is not open or not every byte was taken.
    virtual bool write(const uint8_t* data, std::size_t count) = 0;
    // Reads one byte, waiting at most `timeoutMs` for it: 1 with the byte,
    // 0 when none came in time, -1 when the line is not open or the read failed.
    virtual int readByte(uint8_t& byte, int32_t timeoutMs) = 0;
};

// termios on a device node; the wait for a byte is a poll() on the
// non-blocking descriptor.
class LinuxSerialPort : public ISerialPort {
public:
    ~LinuxSerialPort() override { close(); }
    bool open(const std::string& device, int32_t baud) override;
    bool close() override;
    bool isOpen() const override { return fd_ >= 0; }
    bool write(const uint8_t* data, std::size_t count) override;
    int readByte(uint8_t& byte, int32_t timeoutMs) override;

private:
    int fd_ = -1;
};

// Test double: records what is opened and written, hands out queued answer
// bytes (none queued: nothing comes in time) and fails on request.
class FakeSerialPort : public ISerialPort {
public:
    bool open(const std::string& device, int32_t baud) override;
    bool close() override;
    bool isOpen() const override { return open_; }
    bool write(const uint8_t* data, std::size_t count) override;
    int readByte(uint8_t& byte, int32_t timeoutMs) override;

    // Every frame written whole, in order.
    std::vector<std::vector<uint8_t>> written;
    std::deque<uint8_t> answers;
    std::string device;  // of the last successful open
    int32_t baud = 0;
    int opens = 0;  // successful opens
    bool failOpen = false;
    bool failClose = false;
    int failWrites = 0;  // so many next writes fail
    bool failRead = false;

private:
    bool open_ = false;
};

// The device of a port name "com1".."com4" (any case): /dev/ttyS0../dev/ttyS3;
// empty for any other name.
std::string serialDeviceOfPort(const char* portName);

// The line in use: the Linux line unless a test installed another.
ISerialPort& serialPort();
// Installs a line; null restores the Linux line. The caller keeps ownership.
void setSerialPort(ISerialPort* port);

}  // namespace platform
