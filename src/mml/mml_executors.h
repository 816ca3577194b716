#pragma once

#include <cstdint>

#include "commands/command_table.h"
#include "mml/mml_status.h"

// The executor every binding MML handler runs: executeWithValues of the
// command with its declared number of values.
eMmlStatus executeCommandValues(const CommandRow& command, const char* const* values,
                                char* errorText, uint8_t journal);

// Plugs the executors into the MML handlers (binding commands convert and
// perform through executeWithValues, local-action commands run their routine
// slots), and fills the routine slots of "Команда MML" (the typed-statement
// runner) and of the three workstation-configuration commands. A start step
// before the handlers are registered; returns 0.
int installCommandExecutors();
