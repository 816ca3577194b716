#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

// A pseudo-terminal pair standing in for a serial line: the program opens
// the slave by its path as it would open a serial device; the test plays the
// device on the master side.
class PseudoTerminal {
public:
    PseudoTerminal() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
        char name[128] = {};
        if (::ptsname_r(master_, name, sizeof name) == 0) slave_ = name;
    }
    ~PseudoTerminal() {
        if (master_ >= 0) ::close(master_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool ok() const { return master_ >= 0 && !slave_.empty(); }
    const std::string& slavePath() const { return slave_; }

    // Bytes the device sends to the program.
    void send(const std::vector<uint8_t>& bytes) const {
        if (!bytes.empty()) (void)!::write(master_, bytes.data(), bytes.size());
    }
    // Everything the program has written so far (nothing waits for more).
    std::vector<uint8_t> received() const {
        std::vector<uint8_t> out;
        uint8_t buffer[256];
        for (;;) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 0) != 1 || !(p.revents & POLLIN)) break;
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0) break;
            out.insert(out.end(), buffer, buffer + n);
        }
        return out;
    }

private:
    int master_ = -1;
    std::string slave_;
};
