#pragma once

#include <cstddef>
#include <cstdint>

// Which operator command produces a printout. A printout is a coded catalogue
// message of the exchange whose number is its catalogue text id; the watch
// windows use the map to hand a printout to the row that runs its command.

constexpr int32_t kPrintoutMapSize = 26974;  // printout numbers 0..26973

// Command id per printout number, -1 for a number of no command. Filled once
// at start-up by fillPrintoutCommandMap and only read afterwards.
extern int32_t printoutCommandMap[kPrintoutMapSize];

// One unbroken run of printout numbers of one command, first to last.
struct PrintoutRun {
    uint16_t command;
    int32_t first;
    int32_t last;
};

constexpr std::size_t kPrintoutRunCount = 577;
// Runs in increasing order of command id; the last rows name numbers beyond
// the map, which are never stored.
extern const PrintoutRun kPrintoutRuns[kPrintoutRunCount];

// Sets every entry to -1, then stores the command of each mapped number that
// lies within the map.
void fillPrintoutCommandMap();
// The command id of a printout number; -1 for a number outside 0..26973 or of
// no command.
int32_t getPrintoutCommand(int32_t printout);
