#pragma once

#include <cstdint>

// The two steps every command with parameters passes between filling its
// record and performing it, on the form road and the MML road alike.

// The command's check: null when the record is accepted (or the command has
// no check), else the constant text that refuses it.
const char* runCommandCheck(int commandId, const uint8_t* record);

// Writes the command's journal line from its filled record (the RP number
// for the five RP commands, whose record is empty).
void runCommandJournal(int commandId, const uint8_t* record, uint16_t rpNumber);
