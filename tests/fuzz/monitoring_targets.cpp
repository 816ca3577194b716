// Target of watch-window files: the rows a watch window reads from an INI
// file, run once each through the real command registry, written back and
// read again.

#include <cstdio>
#include <fstream>
#include <string>

#include "mml/mml_executors.h"
#include "fuzz/fuzz_fixtures.h"
#include "fuzz/fuzz_targets.h"
#include "menus/printout_map.h"
#include "mml/command_handlers.h"
#include "monitoring/watch_windows.h"
#include "peer/recording_boxes.h"
#include "peer/test_app.h"
#include "platform/speaker.h"

namespace {

void checkRows(KOsnovniProzorZaPracenje& window) {
    FUZZ_CHECK(window.rowCount() >= 0 && window.rowCount() <= kWatchRowCount);
    for (int i = 0; i < window.rowCount(); ++i) {
        const SWatchRow& row = window.row(i);
        FUZZ_CHECK(window.rowList->storedLine(i).size() < kWatchLineSize);
        FUZZ_CHECK(row.argumentCount <= kWatchRowArguments);
        // An error place never runs.
        if (row.commandId == -1) FUZZ_CHECK(row.timerId == -1);
    }
}

}  // namespace

// The window is made but not shown: it needs the application, not the display.
void fuzzWatchFile(const uint8_t* data, size_t size) {
    testApp();
    static const bool once =
        (installCommandExecutors(), registerCommandHandlers(), fillPrintoutCommandMap(), true);
    (void)once;
    CardRouter link;  // requests of the rows go out on the card
    RecordingBoxes boxes;
    platform::RecordingSpeaker speaker;
    platform::setSpeaker(&speaker);
    std::ofstream("in.ini", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    {
        KProzorZaPracenje first("1", nullptr);
        first.readRows("./in.ini", "in.ini");
        checkRows(first);
        if (first.rowCount() > 0) {
            std::remove("out.ini");
            FUZZ_CHECK(first.writeRows("./out.ini", "out.ini") == 0);
            KProzorZaPracenje second("2", nullptr);
            second.readRows("./out.ini", "out.ini");
            checkRows(second);
            FUZZ_CHECK(second.rowCount() == first.rowCount());
        }
    }
    platform::setSpeaker(nullptr);
}
