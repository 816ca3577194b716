#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "commands/command_table.h"

// Workstation routines that commands run instead of a request, as slots that
// the parts owning them fill at start-up. The record is the command's filled
// parameter record (for 5004 and 5005 it is the zero-terminated text itself);
// commands without parameters get an empty record.
using LocalRoutineFn = void (*)(const uint8_t* record);

constexpr std::size_t kLocalRoutineSlotCount =
    static_cast<std::size_t>(LocalRoutine::openHelpAlphaIndex) + 1;

// Fills a slot (null empties it).
void setLocalRoutine(LocalRoutine routine, LocalRoutineFn fn);
LocalRoutineFn localRoutineSlot(LocalRoutine routine);
// Runs the slot with the record. An empty slot posts an operator line that
// the command's function is not available yet.
void runLocalRoutine(LocalRoutine routine, const uint8_t* record);
// The operator line of an empty slot, for the command with this routine.
std::string unavailableRoutineText(LocalRoutine routine);
// The operator line for a function that is not available yet, by its title.
std::string unavailableFunctionText(const char* title);
