#include "menus/printout_map.h"

int32_t printoutCommandMap[kPrintoutMapSize];

void fillPrintoutCommandMap() {
    for (int32_t& entry : printoutCommandMap) entry = -1;
    for (const PrintoutRun& run : kPrintoutRuns) {
        // Only the part of a run that lies within the map is stored.
        const int32_t first = run.first < 0 ? 0 : run.first;
        const int32_t last = run.last < kPrintoutMapSize ? run.last : kPrintoutMapSize - 1;
        for (int32_t n = first; n <= last; ++n) printoutCommandMap[n] = run.command;
    }
}

int32_t getPrintoutCommand(int32_t printout) {
    if (printout < 0 || printout >= kPrintoutMapSize) return -1;
    return printoutCommandMap[printout];
}
