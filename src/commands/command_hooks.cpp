#include "commands/command_hooks.h"

#include "commands/checks/command_checks.h"
#include "commands/command_journal.h"

const char* runCommandCheck(int commandId, const uint8_t* record) {
    const RecordCheck check = findRecordCheck(commandId);
    return check != nullptr && record != nullptr ? check(record) : nullptr;
}

void runCommandJournal(int commandId, const uint8_t* record, uint16_t rpNumber) {
    journalCommand(commandId, record, rpNumber);
}
