// Figures of the whole program in this process: the main window, every
// service of the start-up and the real poll loop in FOX's event loop, fed
// over loopback UDP by a stand-in exchange on its own threads. Processor
// time is the main thread's only, so the senders do not count.

#include "program_bench.h"

#include <poll.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include <fox-1.6/fx.h>

#include "bench_common.h"
#include "link/link_supervision.h"
#include "link/timer_pool.h"
#include "link/udp_transport.h"
#include "shell/main_window.h"
#include "shell/poll_loop.h"
#include "startup.h"

namespace {

using namespace bench;

// Ends a run of the event loop, and ticks like a bare program's 30 ms timer.
class LoopClock : public FX::FXObject {
    FXDECLARE(LoopClock)

public:
    enum { ID_TICK = 1, ID_END };
    long onTick(FX::FXObject*, FX::FXSelector, void*) {
        ++ticks;
        FX::FXApp::instance()->addTimeout(this, ID_TICK, 30);
        return 0;
    }
    long onEnd(FX::FXObject*, FX::FXSelector, void*) {
        FX::FXApp::instance()->stop(0);
        return 0;
    }
    int ticks = 0;
};

void runLoopFor(FX::FXApp& app, int ms) {
    LoopClock end;
    app.addTimeout(&end, LoopClock::ID_END, ms);
    app.run();
}

// A label in the main window whose text changes every 50 ms; it records how
// long each change waits for its repaint.
class ProbeLabel : public FX::FXLabel {
    FXDECLARE(ProbeLabel)
    ProbeLabel() {}

public:
    enum { ID_CHANGE = FX::FXLabel::ID_LAST };
    explicit ProbeLabel(FX::FXComposite* parent)
        : FX::FXLabel(parent, "0", nullptr, FX::LAYOUT_SIDE_BOTTOM | FX::LAYOUT_FILL_X) {}
    void startProbing() {
        probing_ = true;
        latencies.clear();
        getApp()->addTimeout(this, ID_CHANGE, 50);
    }
    void stopProbing() {
        probing_ = false;
        getApp()->removeTimeout(this, ID_CHANGE);
    }
    long onChange(FX::FXObject*, FX::FXSelector, void*) {
        if (!probing_) return 0;
        if (!pending_) {
            setText(FX::FXStringVal(++changes_));
            changedAt_ = Clock::now();
            pending_ = true;
        }
        getApp()->addTimeout(this, ID_CHANGE, 50);
        return 0;
    }
    long onPaint(FX::FXObject* sender, FX::FXSelector sel, void* ptr) {
        const long handled = FX::FXLabel::onPaint(sender, sel, ptr);
        if (pending_) {
            latencies.push_back(msSince(changedAt_));
            pending_ = false;
        }
        return handled;
    }
    std::vector<double> latencies;

private:
    bool probing_ = false;
    bool pending_ = false;
    int changes_ = 0;
    Clock::time_point changedAt_;
};

// The stand-in exchange's socket: link polls go out from it, answers and
// everything else the program sends to the exchange come back to it.
class ExchangeSocket {
public:
    ExchangeSocket() {
        fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in local = loopback(0);
        ::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local);
        socklen_t length = sizeof local;
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length);
        port = ntohs(local.sin_port);
    }
    ~ExchangeSocket() { ::close(fd); }
    int fd = -1;
    uint16_t port = 0;
};

struct SPollAnswers {
    int sent = 0;
    int inTime = 0;  // answered within 100 ms
};

// Polls the link (type 141, code 39, a sequence number as payload) every
// `periodMs` for `durationMs` and times the answers.
void pollLink(const ExchangeSocket* exchange, uint16_t programPort, int periodMs, int durationMs,
              SPollAnswers* answers) {
    const sockaddr_in to = loopback(programPort);
    const int count = durationMs / periodMs;
    std::vector<Clock::time_point> sentAt;
    std::vector<bool> answered(count, false);
    const auto start = Clock::now();
    uint8_t buffer[1100];
    while (msSince(start) < durationMs + 200.0) {
        const int due = std::min(count, int(msSince(start) / periodMs) + 1);
        while (int(sentAt.size()) < due) {
            const uint32_t sequence = uint32_t(sentAt.size());
            const std::vector<uint8_t> frame =
                exchangeFrame(kTypeLinkPoll, kCodeLinkPoll, &sequence, sizeof sequence);
            sentAt.push_back(Clock::now());
            ::sendto(exchange->fd, frame.data(), frame.size(), 0,
                     reinterpret_cast<const sockaddr*>(&to), sizeof to);
        }
        // Asleep till an answer comes or the next poll is due, as a remote
        // exchange would be: a stand-in that woke every millisecond would
        // change what the machine's idle wake-ups cost.
        const double nextDueMs = double(sentAt.size()) * periodMs;
        const int waitMs =
            int(std::max(1.0, std::min(nextDueMs, durationMs + 200.0) - msSince(start)));
        pollfd wait{exchange->fd, POLLIN, 0};
        ::poll(&wait, 1, waitMs);
        for (;;) {
            const ssize_t n = ::recv(exchange->fd, buffer, sizeof buffer, MSG_DONTWAIT);
            if (n < 0) break;
            if (n < 15 || buffer[2] != kTypeLinkPoll || buffer[10] != kCodeLinkPoll) continue;
            uint32_t sequence = 0;
            std::memcpy(&sequence, buffer + 11, sizeof sequence);
            if (sequence >= sentAt.size() || answered[sequence]) continue;
            answered[sequence] = true;
            if (msSince(sentAt[sequence]) <= 100.0) ++answers->inTime;
        }
    }
    answers->sent = int(sentAt.size());
}

int countInLog(const char* marker) {
    std::ifstream in("sys.log", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int count = 0;
    const std::string needle = std::string(marker) + " line ";
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
        ++count;
    return count;
}

// The plain C receiver: recvfrom and write each datagram to a file.
int plainReceiver(int count, int perSecond) {
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in local = loopback(0);
    ::bind(s, reinterpret_cast<sockaddr*>(&local), sizeof local);
    socklen_t len = sizeof local;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&local), &len);
    FILE* out = std::fopen("plain.log", "wb");
    std::atomic<bool> done{false};
    std::thread sender(
        sendFrames<std::vector<uint8_t> (*)(int)>, ntohs(local.sin_port), count, perSecond,
        [](int i) { return operatorLine("plain", i); }, &done);
    int lines = 0;
    uint8_t buffer[1000];
    for (;;) {
        const bool finished = done.load();
        const ssize_t n = ::recv(s, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n > 0) {
            std::fwrite(buffer + 11, 1, size_t(n - 11), out);
            ++lines;
            continue;
        }
        if (finished) break;
    }
    sender.join();
    std::fclose(out);
    std::remove("plain.log");
    ::close(s);
    return lines;
}

class Program {
public:
    Program(FX::FXApp& app, uint16_t exchangePort) : app_(app) {
        FILE* ini = std::fopen("modem.ini", "w");
        std::fprintf(ini,
                     "[Usmeravanja]\nBrojORa=%d\nBrojUsmeravanja=2\n"
                     "[Usmeravanja\\Usmerenje1]\nDPC=%d\nUsmeravanje=Lokal\n"
                     "[Usmeravanja\\Usmerenje2]\nDPC=0\nUsmeravanje=TCP-IP\nIPAdresa=127.0.0.1\n",
                     kOwnAddress, kOwnAddress);
        std::fclose(ini);
        udpLocalPort = 0;
        udpRemotePort = exchangePort;
        mainWindow = new TTalvor(&app);
        probe = new ProbeLabel(mainWindow);
        app.create();
        ok = runStartSteps(serviceStartSteps()) == 0;
        port = udpBoundPort();
        lastPollTime = programClock();
        mainWindow->startPolling();
    }
    ~Program() {
        mainWindow->stopPolling();
        runStopSteps(serviceStopSteps());
        delete mainWindow;
        mainWindow = nullptr;
    }
    // Runs the loop while `load` feeds the program from another thread.
    template <class Load>
    void runWith(int ms, Load load) {
        std::thread feeder(load);
        runLoopFor(app_, ms);
        feeder.join();
    }
    bool ok = false;
    uint16_t port = 0;
    ProbeLabel* probe = nullptr;

private:
    FX::FXApp& app_;
};

constexpr int kRuns = 5;
constexpr int kIdleMs = 6000;
constexpr int kTurnMs = 1000;

struct SIdleTurns {
    double programMs = 0;  // main-thread processor time in the program's turns
    double bareMs = 0;     // and in the bare loop's
    double barePeriodMs = 0;
};

// kIdleMs of the program's idle loop against kIdleMs of a bare FOX loop with
// a 30 ms timer, in the same thread and in turns of a second each, so that
// both see the same machine (its load and its clock speed drift over
// seconds). The program does not poll in the bare loop's turns; its timers
// that came due then fire at the start of its next turn.
SIdleTurns idleInTurns(FX::FXApp& app) {
    SIdleTurns turns;
    int ticks = 0;
    for (int turn = 0; turn < kIdleMs / kTurnMs; ++turn) {
        mainWindow->stopPolling();
        LoopClock tick;
        app.addTimeout(&tick, LoopClock::ID_TICK, 30);
        double start = threadCpuMs();
        runLoopFor(app, kTurnMs);
        turns.bareMs += threadCpuMs() - start;
        app.removeTimeout(&tick, LoopClock::ID_TICK);
        ticks += tick.ticks;

        lastPollTime = programClock();
        mainWindow->startPolling();
        start = threadCpuMs();
        runLoopFor(app, kTurnMs);
        turns.programMs += threadCpuMs() - start;
    }
    turns.barePeriodMs = ticks ? double(kIdleMs) / ticks : 0;
    return turns;
}

class PollCount : public TTimerReceiver {
public:
    void onTimer(const STimerEvent*) override {
        ++polls;
        setTimer(this, 0);  // fires once per poll
    }
    int polls = 0;
};

}  // namespace

FXDEFMAP(LoopClock)
LoopClockMap[] = {
    FXMAPFUNC(FX::SEL_TIMEOUT, LoopClock::ID_TICK, LoopClock::onTick),
    FXMAPFUNC(FX::SEL_TIMEOUT, LoopClock::ID_END, LoopClock::onEnd),
};
FXIMPLEMENT(LoopClock, FX::FXObject, LoopClockMap, ARRAYNUMBER(LoopClockMap))

FXDEFMAP(ProbeLabel)
ProbeLabelMap[] = {
    FXMAPFUNC(FX::SEL_TIMEOUT, ProbeLabel::ID_CHANGE, ProbeLabel::onChange),
    FXMAPFUNC(FX::SEL_PAINT, 0, ProbeLabel::onPaint),
};
FXIMPLEMENT(ProbeLabel, FX::FXLabel, ProbeLabelMap, ARRAYNUMBER(ProbeLabelMap))

void programFigures(FX::FXApp& app) {
    ExchangeSocket exchange;
    Program program(app, exchange.port);
    if (!program.ok) {
        std::printf("program figures: skipped, start-up failed\n");
        return;
    }
    runLoopFor(app, 1000);  // settle after start-up

    // Idle: poll period and processor time against a bare 30 ms timer; then
    // with the exchange polling the link once a second.
    std::vector<double> bareCpu, barePeriod, idleCpu, idlePeriod, barePolledCpu, polledCpu;
    for (int r = 0; r < kRuns; ++r) {
        SIdleTurns turns = idleInTurns(app);
        idleCpu.push_back(turns.programMs);
        bareCpu.push_back(turns.bareMs);
        barePeriod.push_back(turns.barePeriodMs);

        // The period is counted by a timer that fires at every poll, in a run
        // of its own: its own callbacks are not the idle loop's cost.
        PollCount count;
        setTimer(&count, 0);
        runLoopFor(app, 3000);
        killTimers(&count);
        idlePeriod.push_back(count.polls ? 3000.0 / count.polls : 0);

        SPollAnswers answers;
        std::thread exchangePolls(
            [&] { pollLink(&exchange, program.port, 1000, 2 * kIdleMs, &answers); });
        turns = idleInTurns(app);
        exchangePolls.join();
        polledCpu.push_back(turns.programMs);
        barePolledCpu.push_back(turns.bareMs);
    }
    printFigure("idle loop: poll period", median(idlePeriod), median(barePeriod), "ms");
    printFigure("idle loop: CPU per 6 s", median(idleCpu), median(bareCpu), "ms");
    printFigure("idle, link polled once a second: CPU per 6 s", median(polledCpu),
                median(barePolledCpu), "ms");

    // A handled poll with 1,000 more widgets on the screen costs what it
    // costs without them: 20 lines a second, one a poll.
    auto linesAtTwentyPerSecond = [&](const char* marker) {
        return [&, marker] {
            sendFrames(
                program.port, 80, 20, [marker](int i) { return operatorLine(marker, i); }, nullptr);
        };
    };
    std::vector<double> fewCpu, manyCpu;
    for (int r = 0; r < kRuns; ++r) {
        double start = threadCpuMs();
        program.runWith(4200, linesAtTwentyPerSecond("few"));
        fewCpu.push_back(threadCpuMs() - start);

        auto* crowd =
            new FX::FXMainWindow(&app, "crowd", nullptr, nullptr, FX::DECOR_ALL, 0, 0, 600, 600);
        auto* matrix = new FX::FXMatrix(crowd, 40, FX::MATRIX_BY_COLUMNS | FX::LAYOUT_FILL);
        for (int i = 0; i < 1000; ++i) new FX::FXLabel(matrix, FX::FXStringVal(i));
        crowd->create();
        crowd->show(FX::PLACEMENT_DEFAULT);
        runLoopFor(app, 300);
        start = threadCpuMs();
        program.runWith(4200, linesAtTwentyPerSecond("many"));
        manyCpu.push_back(threadCpuMs() - start);
        delete crowd;
    }
    printFigure("20 handled polls/s: CPU per 4 s, 1000 more widgets", median(manyCpu),
                median(fewCpu), "ms");

    // A burst of 10,000 lines back to back: lines in the operator log.
    std::vector<double> burst, plainBurst;
    for (int r = 0; r < kRuns; ++r) {
        char marker[16];
        std::snprintf(marker, sizeof marker, "burst%d", r);
        const std::string m = marker;
        program.runWith(3000, [&] {
            sendFrames(
                program.port, 10000, 0, [&m](int i) { return operatorLine(m.c_str(), i); },
                nullptr);
        });
        burst.push_back(countInLog(marker));
        plainBurst.push_back(plainReceiver(10000, 0));
    }
    printFigure("burst of 10000 lines: lines in sys.log", median(burst), median(plainBurst),
                "lines");

    // A steady 5,000 lines a second for 10 s: every line in the log, and the
    // main window's repaints against the same window idle.
    program.probe->startProbing();
    runLoopFor(app, 2000);
    program.probe->stopProbing();
    const std::vector<double> idleRepaints = program.probe->latencies;
    program.probe->startProbing();
    program.runWith(10500, [&] {
        sendFrames(
            program.port, 50000, 5000, [](int i) { return operatorLine("steady", i); }, nullptr);
    });
    program.probe->stopProbing();
    const std::vector<double> loadRepaints = program.probe->latencies;
    runLoopFor(app, 500);
    printFigure("steady 5000 lines/s for 10 s: lines in sys.log", countInLog("steady"),
                plainReceiver(50000, 5000), "lines");
    printFigure("  repaint of the main window, 99th percentile", percentile(loadRepaints, 0.99),
                percentile(idleRepaints, 0.99), "ms");
    printFigure("  repaint of the main window, longest", percentile(loadRepaints, 1.0),
                percentile(idleRepaints, 1.0), "ms");

    // A flood of 40,000 frames a second from one host for 60 s (frames of a
    // type no window takes) while the exchange polls the link every 100 ms:
    // the share of polls answered within 100 ms, against no flood.
    SPollAnswers quiet, flooded;
    double floodPerSecond = 0;
    program.runWith(5200, [&] { pollLink(&exchange, program.port, 100, 5000, &quiet); });
    const uint32_t lostBeforeFlood = udpLostFrames();
    program.runWith(60300, [&] {
        std::atomic<bool> done{false};
        const auto floodStart = Clock::now();
        std::thread flood(
            sendFrames<std::vector<uint8_t> (*)(int)>, program.port, 40000 * 60, 40000,
            [](int i) {
                const uint32_t n = uint32_t(i);
                return exchangeFrame(99, 1, &n, sizeof n);
            },
            &done);
        pollLink(&exchange, program.port, 100, 60000, &flooded);
        flood.join();
        floodPerSecond = 40000.0 * 60 * 1000.0 / msSince(floodStart);
    });

    printFigure("flood 40000 frames/s, 60 s: link polls answered <100 ms",
                100.0 * flooded.inTime / std::max(1, flooded.sent),
                100.0 * quiet.inTime / std::max(1, quiet.sent), "%");
    std::printf("  flood sent at %.0f frames/s; frames the kernel dropped: %u\n", floodPerSecond,
                unsigned(udpLostFrames() - lostBeforeFlood));
}
