#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "commands/command_table.h"
#include "toolkit/simple_dialog.h"

// Parameter forms of the operator commands, built and read from the rows of
// the command table by one shared builder and one shared reader.

// A new form titled with the command's title, its fields in form order under
// their names and labels, with the initial values every command form starts
// with: numbers 0, texts empty, a choice on its first entry, the first radio
// item chosen, no check item checked. The service-cancelling form leaves out
// the excluded services. Null for a command without a form.
std::unique_ptr<KSimpleDialog> buildCommandForm(const CommandRow& command);
std::unique_ptr<KSimpleDialog> buildCommandForm(int32_t commandId);

// Writes the values a run of the command's form accepted into its packed
// parameter record (size bytes, at least the command's record size), field by
// field in form order, and the RP number of the RP commands into rpNumber.
// False, with nothing written, when the record is too small.
bool storeCommandForm(const KSimpleDialog& form, const CommandRow& command, uint8_t* record,
                      std::size_t size, uint16_t* rpNumber);
