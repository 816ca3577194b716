#pragma once

#include <cstddef>
#include <cstdint>

#include "commands/command_table.h"
#include "commands/executors/value_converters.h"
#include "utils/choice_tables.h"

// The executor of every command with parameters on the MML road: the value
// texts, one per declared parameter in form order, are converted into the
// command's parameter record, checked, journalled when asked, and the command
// is performed (its request sent or its local routine run). Nothing waits for
// the exchange's answer.

constexpr uint8_t kExecUnknownCommand = 0;
// The error text buffer the executor writes into: a parameter name or a
// check's text with its zero.
constexpr std::size_t kExecutorErrorTextSize = 95;

// The record of the biggest command with room to spare.
constexpr std::size_t kParamRecordSize = 256;

// The constant choice table of a choice field; null for none.
const SChoiceTable* choiceTableFor(ChoiceTableId id);

// Converts the values into a zeroed record (and the RP number of the RP
// commands). On a failure returns its status with *failedName the MML name
// of the parameter whose value was refused.
uint8_t convertValuesToRecord(const CommandRow& command, const char* const* values, int count,
                              uint8_t* record, uint16_t* rpNumber, const char** failedName);

// Status kExecDone when the command was performed; kExecBadValue,
// kExecMissingAmpersand or kExecDoubleAmpersand with the parameter's name in
// errorText; kExecCheckRefused with the check's text; kExecTooFewValues or
// kExecTooManyValues when count is not the number of parameters;
// kExecUnknownCommand outside 5001..5599; kExecNotSent with the command's
// title when the request could not be sent. A command without parameters does
// nothing here and gives kExecDone. errorText holds kExecutorErrorTextSize
// bytes and is left alone on success.
uint8_t executeWithValues(int commandId, const char* const* values, int count, char* errorText,
                          uint8_t journalFlag);
