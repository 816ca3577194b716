// Speed figures of the link intake, each against a baseline built here and
// measured side by side in one run: the median of several runs is printed
// as "figure: program X, baseline Y, ratio Z". Nothing is asserted.

#include <arpa/inet.h>
#include <sys/resource.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <fox-1.6/fx.h>

#include "link/message_bus.h"
#include "texts/text_catalogue.h"
#include "link/router.h"
#include "link/timer_pool.h"
#include "link/udp_transport.h"
#include "shell/main_window.h"
#include "shell/poll_loop.h"
#include "sub/sub_database.h"
#include "sub/trn_tab.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 5;
constexpr uint16_t kOwnAddress = 28673;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void printFigure(const char* name, double program, double baseline, const char* unit) {
    std::printf("%-44s program %12.1f  baseline %12.1f %-10s ratio %.2f\n", name, program, baseline,
                unit, baseline != 0 ? program / baseline : 0.0);
}

// An operator text line as the exchange sends it.
std::vector<uint8_t> operatorLine(int n) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "line %d of the load", n) + 1;
    std::vector<uint8_t> frame(11 + length);
    const int field = length + 9;
    frame[0] = uint8_t(field);
    frame[1] = uint8_t(field >> 8);
    frame[2] = 136;
    frame[3] = uint8_t(kOwnAddress);
    frame[4] = uint8_t(kOwnAddress >> 8);
    frame[5] = 0x18;
    frame[6] = 0x40;
    frame[10] = 255;
    std::copy(text, text + length, frame.begin() + 11);
    return frame;
}

// Sends `count` lines to the port at `perSecond` (0: back to back).
void sendLines(uint16_t port, int count, int perSecond, std::atomic<bool>* done) {
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) {
        if (perSecond > 0)
            std::this_thread::sleep_until(start +
                                          std::chrono::microseconds(1000000LL * i / perSecond));
        const std::vector<uint8_t> frame = operatorLine(i);
        ::sendto(s, frame.data(), frame.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    }
    ::close(s);
    done->store(true);
}

class LineCounter : public TMessageReceiver {
public:
    LineCounter() : TMessageReceiver(136) { active = 1; }
    void onMessage(uint8_t, uint16_t, uint8_t, const uint8_t*, int) override { ++lines; }
    int lines = 0;
};

// The program's receive path: the real router polled as the loop polls it.
int programIntake(int count, int perSecond) {
    LineCounter counter;
    udpLocalPort = 0;
    createRouter();
    std::atomic<bool> done{false};
    std::thread sender(sendLines, udpBoundPort(), count, perSecond, &done);
    for (;;) {
        const bool finished = done.load();
        pollServices();
        if (finished && !pollLeftFramesWaiting() && routerReceiveMessages() == 0) break;
    }
    sender.join();
    destroyRouter();
    return counter.lines;
}

// The baseline: recvfrom on a socket with the system's default buffer.
int plainIntake(int count, int perSecond) {
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&local), sizeof local);
    socklen_t len = sizeof local;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&local), &len);
    std::atomic<bool> done{false};
    std::thread sender(sendLines, ntohs(local.sin_port), count, perSecond, &done);
    int lines = 0;
    uint8_t buffer[1000];
    for (;;) {
        const bool finished = done.load();
        const ssize_t n = ::recv(s, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n > 0) {
            ++lines;
            continue;
        }
        if (finished) break;
    }
    sender.join();
    ::close(s);
    return lines;
}

// Cost of a poll that finds nothing, against one failing receive call.
double idlePollNs() {
    udpLocalPort = 0;
    createRouter();
    constexpr int kPolls = 200000;
    const auto start = Clock::now();
    for (int i = 0; i < kPolls; ++i) pollServices();
    const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    destroyRouter();
    return ns / kPolls;
}

double emptyReceiveNs() {
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    ::bind(s, reinterpret_cast<sockaddr*>(&local), sizeof local);
    constexpr int kCalls = 200000;
    uint8_t buffer[1000];
    const auto start = Clock::now();
    for (int i = 0; i < kCalls; ++i) ::recv(s, buffer, sizeof buffer, MSG_DONTWAIT);
    const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    ::close(s);
    return ns / kCalls;
}

double residentMb() {
    long pages = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (f == nullptr) return 0;
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
    return double(resident) * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Resident memory that a new database with every table takes, against the
// bytes its record storage reserves (all of which start-up used to write).
void tableStorage(double* residentGrowth, double* reserved) {
    const double before = residentMb();
    KSub* database = new KSub();
    *residentGrowth = residentMb() - before;
    double bytes = 0;
    for (int32_t t = 0; t <= 204; ++t)
        if (const TTrnTabBase* table = database->table(t))
            bytes += double(table->capacity()) * double(table->slotLength());
    *reserved = bytes / (1024.0 * 1024.0);
    delete database;
}

double cpuMs() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

// A bare FOX program's 30 ms timer, and the end of a measuring run.
class BareTimer : public FX::FXObject {
    FXDECLARE(BareTimer)

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

class PollCount : public TTimerReceiver {
public:
    void onTimer(const STimerEvent*) override {
        ++polls;
        setTimer(this, 0);  // fires once per poll
    }
    int polls = 0;
};

constexpr int kIdleRunMs = 2000;

// CPU milliseconds of an idle bare FOX loop with a 30 ms timer.
double bareIdleCpu(FX::FXApp& app, double* periodMs) {
    BareTimer timer;
    app.addTimeout(&timer, BareTimer::ID_TICK, 30);
    app.addTimeout(&timer, BareTimer::ID_END, kIdleRunMs);
    const double start = cpuMs();
    app.run();
    app.removeTimeout(&timer, BareTimer::ID_TICK);
    *periodMs = timer.ticks ? double(kIdleRunMs) / timer.ticks : 0;
    return cpuMs() - start;
}

// CPU milliseconds of the program's idle loop: the main window, the router
// with its socket watched, the poll timeout.
double programIdleCpu(FX::FXApp& app, TTalvor* window, double* periodMs) {
    BareTimer end;
    PollCount count;
    udpLocalPort = 0;
    createRouter();
    setTimer(&count, 0);
    lastPollTime = programClock();
    window->startPolling();
    app.addTimeout(&end, BareTimer::ID_END, kIdleRunMs);
    const double start = cpuMs();
    app.run();
    const double used = cpuMs() - start;
    window->stopPolling();
    killTimers(&count);
    destroyRouter();
    *periodMs = count.polls ? double(kIdleRunMs) / count.polls : 0;
    return used;
}

template <class F>
double medianOf(F f) {
    std::vector<double> v;
    for (int i = 0; i < kRuns; ++i) v.push_back(f());
    return median(v);
}

}  // namespace

FXDEFMAP(BareTimer)
BareTimerMap[] = {
    FXMAPFUNC(FX::SEL_TIMEOUT, BareTimer::ID_TICK, BareTimer::onTick),
    FXMAPFUNC(FX::SEL_TIMEOUT, BareTimer::ID_END, BareTimer::onEnd),
};
FXIMPLEMENT(BareTimer, FX::FXObject, BareTimerMap, ARRAYNUMBER(BareTimerMap))

int main(int argc, char** argv) {
    // The router reads its routes from "modem.ini" in the working directory.
    char folder[] = "/tmp/kelm-bench-XXXXXX";
    if (::mkdtemp(folder) == nullptr || ::chdir(folder) != 0) return 1;
    FILE* ini = std::fopen("modem.ini", "w");
    std::fprintf(ini,
                 "[Usmeravanja]\nBrojORa=%d\nBrojUsmeravanja=1\n"
                 "[Usmeravanja\\Usmerenje1]\nUsmeravanje=Lokal\nDPC=%d\n",
                 kOwnAddress, kOwnAddress);
    std::fclose(ini);
    resetProgramClock();
    initTimers();

    std::printf("link intake, median of %d runs (loopback UDP, in-process poll loop)\n", kRuns);
    printFigure("burst of 10000 lines: lines taken",
                medianOf([] { return programIntake(10000, 0); }),
                medianOf([] { return plainIntake(10000, 0); }), "lines");
    printFigure("steady 5000 lines/s for 2 s: lines taken",
                medianOf([] { return programIntake(10000, 5000); }),
                medianOf([] { return plainIntake(10000, 5000); }), "lines");
    printFigure("idle poll against one empty receive", medianOf(idlePollNs),
                medianOf(emptyReceiveNs), "ns");

    if (std::getenv("DISPLAY") == nullptr) {
        std::printf("idle loop: skipped, no display (run under xvfb-run)\n");
    } else {
        sortTextCatalogue();
        FX::FXApp app("RerOD", "TALVOR kick-off");
        app.init(argc, argv);
        TTalvor* window = new TTalvor(&app);
        app.create();
        std::vector<double> bareCpu, programCpu, barePeriod, programPeriod;
        for (int i = 0; i < kRuns; ++i) {
            double period = 0;
            bareCpu.push_back(bareIdleCpu(app, &period));
            barePeriod.push_back(period);
            programCpu.push_back(programIdleCpu(app, window, &period));
            programPeriod.push_back(period);
        }
        printFigure("idle loop: poll period", median(programPeriod), median(barePeriod), "ms");
        printFigure("idle loop: CPU per 2 s", median(programCpu), median(bareCpu), "ms");
        delete window;
    }

    double grown = 0, reserved = 0;
    tableStorage(&grown, &reserved);
    printFigure("table storage at creation: resident growth", grown, reserved, "MB");

    std::remove("modem.ini");
    ::chdir("/");
    ::rmdir(folder);
    return 0;
}
