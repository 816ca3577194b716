#pragma once

#include <cstdint>

#include "commands/param_records.h"

// The actions of the three workstation-configuration commands: 5001 picks
// gateway or LAN workstation and the workstation number, 5002 and 5003 write
// the matching route layout to "modem.ini". A new file takes effect at the
// next start, so both writers offer to end the program.

constexpr uint16_t kCommandKonfigORserver = 5002;
constexpr uint16_t kCommandKonfigORklijent = 5003;
constexpr uint16_t kCommandExit = 5015;

// The number 1..7 that the last command 5001 chose; 0 until then.
extern uint8_t workstationNumber;

// Command 5001: keeps the number, then runs 5002 (TipORa 0) or 5003 (TipORa 1).
void configureWorkstation(const SParamsKonfigOR& params);
// Command 5002: the gateway layout. Returns 0 when the file was written, -1
// after an error box (a bad address, or no workstation number known).
int writeServerRoutes(const SParamsKonfigORserver& params);
// Command 5003: the LAN-workstation layout; 0, or -1 after an error box.
int writeClientRoutes(const SParamsKonfigORklijent& params);
// 0 and the four bytes when the text is exactly four decimal numbers 0..255
// joined by dots (as "%d.%d.%d.%d%c" scans to four items); otherwise -1.
int parseIpAddress(const char* text, uint8_t* a, uint8_t* b, uint8_t* c, uint8_t* d);
