#pragma once

#include <cstdint>

// The subscriber-indicator dialog of command 5223, configured by
// "visual.ini": the operator types a subscriber number and checks options;
// the first case of the file whose options equal the checked ones gives the
// indicator, which goes to the exchange as command 5221 would send it.

// One case of [Proces]: the options it needs (bit k-1 for option k) and the
// indicator it gives.
struct SVisualCase {
    uint16_t mask = 0;
    uint8_t result = 0;
};

// Reads a case text "1 3 ->5" for a file of optionCount options. A text
// without "->" is the case of no option, result 0 (what a missing key reads
// as). Otherwise every word before "->" must be an option number 1 to
// optionCount, none twice, and the one word after it a number 0 to 255;
// anything else makes the text bad: false, and the case is not used.
bool parseVisualCase(const char* text, int optionCount, SVisualCase& out);

// Runs the dialog from the file (the program's one is "./visual.ini"). A
// file with an option count outside 1..10, a case count outside
// 1..2^options, a bad case text or an Else value outside 0..255 shows
// "Bad VISUAL.INI!" and sends nothing; a cancelled dialog sends nothing.
void runVisualCaseDialog(const char* iniName = "./visual.ini");
