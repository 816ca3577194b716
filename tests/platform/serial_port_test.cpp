#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "peer/pseudo_terminal.h"
#include "peer/temp_dir.h"
#include "platform/serial_port.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(SerialPortNames, ComPortsAreTheFirstFourSerialDevices) {
    struct Case {
        const char* name;
        const char* device;
    };
    const Case cases[] = {{"com1", "/dev/ttyS0"},
                          {"COM2", "/dev/ttyS1"},
                          {"Com3", "/dev/ttyS2"},
                          {"cOM4", "/dev/ttyS3"},
                          {"com5", ""},
                          {"com0", ""},
                          {"COM12", ""},
                          {"com", ""},
                          {"", ""}};
    for (const Case& c : cases) EXPECT_EQ(platform::serialDeviceOfPort(c.name), c.device) << c.name;
    EXPECT_EQ(platform::serialDeviceOfPort(nullptr), "");
}

TEST(LinuxSerialPort, RawLineOverAPseudoTerminal) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.ok());
    for (int32_t baud : {2400, 9600}) {
        platform::LinuxSerialPort port;
        ASSERT_TRUE(port.open(pty.slavePath(), baud)) << baud;
        EXPECT_TRUE(port.isOpen());

        // 8N1 raw at the speed, no flow control of any kind.
        const int fd = ::open(pty.slavePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
        if (fd >= 0) {  // root passes the exclusive lock; others are refused
            termios tio{};
            ASSERT_EQ(::tcgetattr(fd, &tio), 0);
            EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
            EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
            EXPECT_NE(tio.c_cflag & CLOCAL, 0u);
            EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL), 0u);
            EXPECT_EQ(tio.c_oflag & OPOST, 0u);
            EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u);
            EXPECT_EQ(::cfgetospeed(&tio), baud == 2400 ? B2400 : B9600);
            ::close(fd);
        } else {
            EXPECT_EQ(errno, EBUSY);
        }

        // Bytes pass unchanged both ways (0x0D and 0x11 would be mapped or
        // eaten by a cooked line).
        const Bytes frame = {0xAA, 0x0D, 0x0A, 0x11, 0x13, 0x00, 0xFF, 0x55};
        EXPECT_TRUE(port.write(frame.data(), frame.size()));
        EXPECT_EQ(pty.received(), frame);
        uint8_t b = 0;
        EXPECT_EQ(port.readByte(b, 0), 0);  // nothing sent yet
        pty.send({0x0D, 0xAA});
        EXPECT_EQ(port.readByte(b, 10), 1);
        EXPECT_EQ(b, 0x0D);
        EXPECT_EQ(port.readByte(b, 10), 1);
        EXPECT_EQ(b, 0xAA);

        EXPECT_TRUE(port.close());
        EXPECT_FALSE(port.isOpen());
        EXPECT_FALSE(port.write(frame.data(), frame.size()));
        EXPECT_EQ(port.readByte(b, 0), -1);
    }
}

TEST(LinuxSerialPort, RefusesWhatIsNoSerialLine) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.ok());
    TempDir dir;
    writeFileBytes(dir.file("plain"), "x");
    struct Case {
        std::string device;
        int32_t baud;
    };
    const Case cases[] = {{pty.slavePath(), 4800},
                          {pty.slavePath(), 0},
                          {dir.file("plain"), 9600},
                          {dir.file("missing"), 9600},
                          {"", 9600}};
    for (const Case& c : cases) {
        platform::LinuxSerialPort port;
        EXPECT_FALSE(port.open(c.device, c.baud)) << c.device << " " << c.baud;
        EXPECT_FALSE(port.isOpen());
    }
    // A second open of an open line is refused.
    platform::LinuxSerialPort port;
    ASSERT_TRUE(port.open(pty.slavePath(), 9600));
    EXPECT_FALSE(port.open(pty.slavePath(), 9600));
    EXPECT_TRUE(port.isOpen());
}

}  // namespace
