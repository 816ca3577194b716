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
// its function is not available yet. On either road the report-stream
// commands go through runReportStreamCommand.

// Runs the command; 1 for an id in 5001..5599, 0 with no effect otherwise.
int dispatchCommand(uint16_t id);

// Runs one command of 5001..5599 whose row exists.
using CommandDispatcherFn = void (*)(uint16_t id);
// Installs the dispatcher (null restores the built-in handling).
void setCommandDispatcher(CommandDispatcherFn dispatcher);

// The one entry of the report-stream commands (view, watch, delete the log
// of one of the report streams), whichever road brought the command: runs
// it through the installed handler. Without a handler a log is still
// deleted (deleteReportStreamLog) and the other commands post that their
// function is not available yet, as does a command of no stream.
void runReportStreamCommand(const CommandRow& command);

// What a report-stream command does: installed by the report logs for the
// life of their streams (null removes it).
using ReportStreamHandlerFn = void (*)(const ReportStreamRow& stream, ReportOp op);
void setReportStreamHandler(ReportStreamHandlerFn handler);

// Empties the stream's lines and deletes its log: an information box when
// the file was deleted, an error box when it was not (already gone).
// Without its stream (the report logs not made) the log file is deleted alone.
void deleteReportStreamLog(const ReportStreamRow& stream);
