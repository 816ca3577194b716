#include "commands/executors/command_executor.h"

#include <cstring>

#include "commands/command_hooks.h"
#include "commands/executors/command_requests.h"
#include "commands/executors/local_routines.h"

namespace {

const SChoiceTable* const kChoiceTables[kChoiceTableCount + 1] = {
    nullptr,
    &choicesNivoAlarma,
    &choicesKategorija,
    &choicesEOSkod,
    &choicesSignalizacija,
    &choicesSpecUsluga,
    &choicesNumPlan,
    &choicesKorisnik,
    &choicesPodsistem,
    &choicesVremenskaKontrola,
    &choicesIdentPoz,
    &choicesGrupaTabela,
    &choicesVerzija,
    &choicesPort,
    &choicesBrzina,
    &choicesUsluga,
    &choicesZPPVrstaIVerzija,
    &choicesKlaseAlarma,
    &choicesGrupnaUsluga,
    &choicesDodelaUsluga,
    &choicesTabela,
};

constexpr int kMaxGroupItems = 16;

void copyErrorText(char* errorText, const char* text) {
    if (errorText == nullptr) return;
    std::strncpy(errorText, text, kExecutorErrorTextSize - 1);
    errorText[kExecutorErrorTextSize - 1] = '\0';
}

// A text value cut to the field's maximum; the rest of the field stays zero.
void copyText(const FieldRow& field, uint8_t* at, const char* text) {
    const std::size_t n = strnlen(text, field.textMax);
    std::memcpy(at, text, n);
    std::memset(at + n, 0, field.width - n);
}

// The item labels of a group field, in item order, as the keyword list.
int groupKeywords(const FieldRow& field, const char* (&keywords)[kMaxGroupItems]) {
    int n = 0;
    for (const GroupItemRow& item : groupItems(field))
        if (n < kMaxGroupItems) keywords[n++] = item.label;
    return n;
}

// Converts one value into the field at `at`; the record is little-endian
// like the host, so numbers are stored through a local of the field's type.
uint8_t convertField(const FieldRow& field, uint8_t* at, const char* text) {
    switch (field.kind) {
        case FieldKind::Byte:
            return convertByte(at, text);
        case FieldKind::Short: {
            int16_t v = 0;
            const uint8_t status = convertShort(&v, text);
            std::memcpy(at, &v, sizeof v);
            return status;
        }
        case FieldKind::Long: {
            int32_t v = 0;
            const uint8_t status = convertLong(&v, text);
            std::memcpy(at, &v, sizeof v);
            return status;
        }
        case FieldKind::Double: {
            double v = 0.0;
            const uint8_t status = convertDouble(&v, text);
            std::memcpy(at, &v, sizeof v);
            return status;
        }
        case FieldKind::Text:
        case FieldKind::Password:
            copyText(field, at, text);
            return kExecDone;
        case FieldKind::Choice: {
            const SChoiceTable* table = choiceTableFor(field.choices);
            if (table == nullptr) return kExecBadValue;
            int32_t v = 0;
            const uint8_t status = convertCatalogueChoice(&v, table->entries, table->count, text);
            std::memcpy(at, &v, sizeof v);
            return status;
        }
        case FieldKind::RadioGroup:
        case FieldKind::CheckGroup: {
            const char* keywords[kMaxGroupItems];
            const int count = groupKeywords(field, keywords);
            uint16_t v = 0;
            const uint8_t status = field.kind == FieldKind::RadioGroup
                                       ? convertKeyword(&v, keywords, count, text)
                                       : convertKeywordSet(&v, keywords, count, text);
            std::memcpy(at, &v, sizeof v);
            return status;
        }
    }
    return kExecBadValue;
}

}  // namespace

const SChoiceTable* choiceTableFor(ChoiceTableId id) {
    const auto i = static_cast<std::size_t>(id);
    return i <= kChoiceTableCount ? kChoiceTables[i] : nullptr;
}

uint8_t convertValuesToRecord(const CommandRow& command, const char* const* values, int count,
                              uint8_t* record, uint16_t* rpNumber, const char** failedName) {
    const Rows<FieldRow> fields = commandFields(command);
    if (count < static_cast<int>(fields.size())) return kExecTooFewValues;
    if (count > static_cast<int>(fields.size())) return kExecTooManyValues;
    std::memset(record, 0, command.recordSize);
    std::size_t offset = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FieldRow& field = fields[i];
        const char* text = values != nullptr && values[i] != nullptr ? values[i] : "";
        uint8_t status = kExecDone;
        if (!field.inRecord) {
            status = convertWord(rpNumber, text);
        } else if (offset + field.width <= command.recordSize) {
            status = convertField(field, record + offset, text);
            offset += field.width;
        } else {
            status = kExecBadValue;  // a row that overruns its record
        }
        if (status != kExecDone) {
            *failedName = mmlParameterName(field);
            return status;
        }
    }
    return kExecDone;
}

uint8_t executeWithValues(int commandId, const char* const* values, int count, char* errorText,
                          uint8_t journalFlag) {
    const CommandRow* command = findCommand(commandId);
    if (command == nullptr) return kExecUnknownCommand;
    if (!hasForm(*command)) return kExecDone;

    uint8_t record[kParamRecordSize] = {};
    uint16_t rpNumber = 0;
    const char* failedName = "";
    const uint8_t status =
        convertValuesToRecord(*command, values, count, record, &rpNumber, &failedName);
    if (status != kExecDone) {
        if (status != kExecTooFewValues && status != kExecTooManyValues)
            copyErrorText(errorText, failedName);
        return status;
    }
    if (const char* refusal = runCommandCheck(commandId, record)) {
        copyErrorText(errorText, refusal);
        return kExecCheckRefused;
    }
    if (journalFlag != 0) runCommandJournal(commandId, record, rpNumber);
    if (command->action != CommandAction::Request) {
        runLocalRoutine(command->routine, record);
        return kExecDone;
    }
    if (sendCommandRequest(commandId, record, rpNumber) >= 0) return kExecDone;
    copyErrorText(errorText, command->title);
    return kExecNotSent;
}
