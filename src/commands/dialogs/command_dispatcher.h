#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "commands/command_dispatch.h"
#include "commands/command_table.h"
#include "toolkit/simple_dialog.h"

// The dialog road of the operator commands: a command with parameters runs
// its form until the operator cancels or the command's check accepts the
// record, then its journal line is written and it is performed; a command
// without parameters performs its action at once.

// Runs the form (help topic of the command) and stores what the operator
// accepted into the record (size bytes) and the RP number; a record that the
// command's check refuses shows the check's text in an error box and brings
// the form back with the last values. 0 when accepted, -1 when cancelled.
// The form is deleted either way.
int readCommandParams(std::unique_ptr<KSimpleDialog> form, const CommandRow& command,
                      uint8_t* record, std::size_t size, uint16_t* rpNumber);

// Runs one command of 5001..5599 on the dialog road; ids without a row do nothing.
void runCommandOnDialogRoad(uint16_t id);

// Start step: makes runCommandOnDialogRoad the dispatcher of every command; 0.
int installCommandDispatcher();
