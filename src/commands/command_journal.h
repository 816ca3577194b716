#pragma once

#include <cstdint>
#include <string>

#include "commands/command_table.h"
#include "commands/param_records.h"

// The command journal: every command with parameters that runs leaves one
// line of local time, title and parameter values, shown in the operator
// messages and sent in coded form to the management processor.

// Catalogue message of a journal line: "%1:%2:%3 --- КОМАНДА: %4 --- %5".
constexpr int kJournalLineTextId = 25625;
// Catalogue message of an RP command's title: "%1 RP: %2 ".
constexpr int kRpJournalTitleTextId = 26895;

// Writes one journal line: delivered locally first (in pieces of 75
// characters), then sent coded as "25625$h$m$s$title$text".
void writeCommandJournal(const char* title, const char* parameterText);

// The parameter text of a filled record (the command's recordSize bytes): one
// entry per form field, in form order, in the format of the field's kind.
std::string commandParameterText(const CommandRow& command, const uint8_t* record);

// The title an RP command journals, built with the RP number.
std::string rpJournalTitle(const CommandRow& command, uint16_t rpNumber);

// Journals a command from its filled record; the RP commands journal their
// RP number in the title instead. Commands without a form journal nothing.
void journalCommand(int32_t commandId, const uint8_t* record, uint16_t rpNumber);

// The journal line of command 5221, as the subscriber-indicator dialog
// writes it before it sends the command's request.
void journalOkDodOgrPolazPozivaBezSifre(const SParamsOkDodOgrPolazPozivaBezSifre* params);
