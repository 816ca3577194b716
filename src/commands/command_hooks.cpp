#include "commands/command_hooks.h"

const char* runCommandCheck(int, const uint8_t*) { return nullptr; }

void runCommandJournal(int, const uint8_t*, uint16_t) {}
