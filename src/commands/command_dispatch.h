#pragma once

#include <cstdint>

#include "commands/command_table.h"

// The one entry that runs an operator command as from its menu item: the
// rights gate hands it every command chosen in the user interface or
// granted by the exchange.
//
// The dialog road with the parameter forms (commands/dialogs/
// command_dispatcher.h) is installed as the dispatcher at start-up. Until one
// is installed, a command without parameters that runs
// a workstation routine runs its routine slot at once (an empty slot posts
// that the function is not available yet); every other command posts that
// its function is not available yet.

// Runs the command; 1 for an id in 5001..5599, 0 with no effect otherwise.
int dispatchCommand(uint16_t id);

// Runs one command of 5001..5599 whose row exists.
using CommandDispatcherFn = void (*)(uint16_t id);
// Installs the dispatcher (null restores the built-in handling).
void setCommandDispatcher(CommandDispatcherFn dispatcher);

// Views, watches or deletes the log of a report stream: installed by the
// report logs for the life of their streams (null removes it).
using ReportStreamHandlerFn = void (*)(const ReportStreamRow& stream, ReportOp op);
void setReportStreamHandler(ReportStreamHandlerFn handler);
// Runs a report-stream command through the handler; without one, or for a
// command of no stream, posts that its function is not available yet.
void runReportStreamCommand(const CommandRow& command);
