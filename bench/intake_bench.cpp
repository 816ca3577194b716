// Speed figures of the program, each against a baseline built here and
// measured side by side in one run: "figure: program X, baseline Y, ratio Z".
// Nothing is asserted.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>

#include "bench_common.h"
#include "link/router.h"
#include "link/timer_pool.h"
#include "link/udp_transport.h"
#include "platform/numeric_locale.h"
#include "program_bench.h"
#include "shell/poll_loop.h"
#include "startup_probe.h"
#include "sub/sub_database.h"
#include "sub/trn_tab.h"
#include "texts/text_catalogue.h"
#include "toolkit/dialog_box.h"
#include "toolkit/text_codec.h"

namespace {

using namespace bench;

constexpr int kRuns = 5;

template <class F>
double medianOf(F f) {
    std::vector<double> v;
    for (int i = 0; i < kRuns; ++i) v.push_back(f());
    return median(v);
}

// Cost of a poll that finds nothing, against one failing receive call.
double idlePollNs() {
    udpLocalPort = 0;
    createRouter();
    constexpr int kPolls = 200000;
    const auto start = Clock::now();
    for (int i = 0; i < kPolls; ++i) pollServices();
    const double ns = msSince(start) * 1e6;
    destroyRouter();
    return ns / kPolls;
}

double emptyReceiveNs() {
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in local = loopback(0);
    ::bind(s, reinterpret_cast<sockaddr*>(&local), sizeof local);
    constexpr int kCalls = 200000;
    uint8_t buffer[1000];
    const auto start = Clock::now();
    for (int i = 0; i < kCalls; ++i) ::recv(s, buffer, sizeof buffer, MSG_DONTWAIT);
    const double ns = msSince(start) * 1e6;
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

// Start-up to the main window mapped, and resident memory when idle: the
// program in a folder of its own against a bare FOX window.
void startupFigures(const std::string& folder) {
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return;
    self[n] = 0;
    const std::string folderOfSelf = std::string(self).substr(0, std::string(self).rfind('/') + 1);
    const std::string program = folderOfSelf + "kelm_or";
    const std::string bare = folderOfSelf + "kelm_bare_window";
    const std::string title = toUtf8(textById(26967)).text();
    // A start that does not map (a busy X server, once in a while) is tried
    // again; the figure is skipped only when three in a row fail.
    const auto measured = [&folder](const std::string& command, const std::string& windowTitle,
                                    SStartupFigures* figures) {
        for (int attempt = 0; attempt < 3; ++attempt)
            if (measureStartup({command}, folder, windowTitle, figures)) return true;
        return false;
    };
    std::vector<double> programMs, bareMs, programMb, bareMb;
    for (int r = 0; r < kRuns; ++r) {
        SStartupFigures figures;
        if (!measured(program, title, &figures)) {
            std::printf("start-up: skipped, %s did not map its window\n", program.c_str());
            return;
        }
        programMs.push_back(figures.mappedMs);
        programMb.push_back(figures.residentMb);
        if (!measured(bare, "bare FOX window", &figures)) {
            std::printf("start-up: skipped, the bare window did not map\n");
            return;
        }
        bareMs.push_back(figures.mappedMs);
        bareMb.push_back(figures.residentMb);
    }
    printFigure("start-up to the main window mapped", median(programMs), median(bareMs), "ms");
    printFigure("resident memory when idle", median(programMb), median(bareMb), "MB");
}

}  // namespace

int main(int argc, char** argv) {
    sortTextCatalogue();

    // Every figure runs in a scratch folder: the program keeps its files in
    // its working folder.
    char folder[] = "/tmp/kelm-bench-XXXXXX";
    if (::mkdtemp(folder) == nullptr || ::chdir(folder) != 0) return 1;
    resetProgramClock();
    initTimers();

    std::printf("program figures, median of several runs (loopback UDP, a stand-in exchange)\n");
    printFigure("idle poll against one empty receive", medianOf(idlePollNs),
                medianOf(emptyReceiveNs), "ns");
    double grown = 0, reserved = 0;
    tableStorage(&grown, &reserved);
    printFigure("table storage at creation: resident growth", grown, reserved, "MB");

    if (std::getenv("DISPLAY") == nullptr) {
        std::printf("window figures: skipped, no display (run under xvfb-run)\n");
    } else {
        const std::string startFolder = std::string(folder) + "/start";
        ::mkdir(startFolder.c_str(), 0700);
        startupFigures(startFolder);
        std::system((std::string("rm -rf ") + startFolder).c_str());

        FX::FXApp app("RerOD", "TALVOR kick-off");
        app.init(argc, argv);
        platform::useCNumericLocale();
        useToolkitMessageBoxes();
        programFigures(app);
    }

    ::chdir("/");
    std::system((std::string("rm -rf ") + folder).c_str());
    return 0;
}
