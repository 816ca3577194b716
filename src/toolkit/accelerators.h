#pragma once

#include <cstdint>
#include <string>

// Keyboard accelerators of dialog labels, worked out on the CP1251 side
// before a label is converted for display.

// One flag per accelerator slot: 0..9 the digits, 10..35 the letters. A
// Cyrillic letter shares the slot of the Latin letter at its place in the
// alphabet (А with A, Б with B, В with C ...), up to Ш; later letters have none.
struct SAccelTable {
    uint8_t used[36];
};

// Frees every slot; returns the table.
SAccelTable& clearAccelTable(SAccelTable& table);
// The label with "&" before its first character whose slot is free, which
// becomes used; the label unchanged when no character qualifies.
std::string assignAccel(SAccelTable& table, const char* label);
// The text with its first "~" turned into "&" and every later "~" dropped.
std::string convertTildeAccel(const char* text);
// convertTildeAccel of the text, a tab and the key text ("Ctl-L").
std::string makeMenuLabel(const char* text, const char* keyText);
