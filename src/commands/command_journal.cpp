#include "commands/command_journal.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <vector>

#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "utils/bytes.h"
#include "utils/code_mappers.h"
#include "utils/dates.h"

namespace {

constexpr std::size_t kCodedLineMax = 511;  // characters of the coded line
constexpr std::size_t kRpTitleSize = 100;

using TextIdMapper = int32_t (*)(int32_t);

// The code-to-text mapper that names the entries of each choice table.
TextIdMapper choiceMapper(ChoiceTableId table) {
    switch (table) {
        case ChoiceTableId::none:
            return nullptr;
        case ChoiceTableId::choicesNivoAlarma:
            return alarmLevelTextId;
        case ChoiceTableId::choicesKategorija:
            return subscriberCategoryTextId;
        case ChoiceTableId::choicesEOSkod:
            return endOfSelectionCauseTextId;
        case ChoiceTableId::choicesSignalizacija:
            return signallingSystemTextId;
        case ChoiceTableId::choicesSpecUsluga:
            return specialServiceTextId;
        case ChoiceTableId::choicesNumPlan:
            return numberingPlanTextId;
        case ChoiceTableId::choicesKorisnik:
            return sccpUserTextId;
        case ChoiceTableId::choicesPodsistem:
            return sccpSubsystemTextId;
        case ChoiceTableId::choicesVremenskaKontrola:
            return timeControlOwnerTextId;
        case ChoiceTableId::choicesIdentPoz:
            return identificationOptionTextId;
        case ChoiceTableId::choicesGrupaTabela:
            return tableGroupTextId;
        case ChoiceTableId::choicesVerzija:
            return alpVersionTextId;
        case ChoiceTableId::choicesPort:
            return serialPortTextId;
        case ChoiceTableId::choicesBrzina:
            return baudRateTextId;
        case ChoiceTableId::choicesUsluga:
            return subscriberServiceTextId;
        case ChoiceTableId::choicesZPPVrstaIVerzija:
            return zppBoardTextId;
        case ChoiceTableId::choicesKlaseAlarma:
            return alarmClassTextId;
        case ChoiceTableId::choicesGrupnaUsluga:
            return groupCancelServiceTextId;
        case ChoiceTableId::choicesDodelaUsluga:
            return assignableServiceTextId;
        case ChoiceTableId::choicesTabela:
            return tableNameTextId;
    }
    return nullptr;
}

// Six decimals with a decimal point, whatever the locale says.
std::string sixDecimals(double value) {
    char text[400];
    const std::to_chars_result r =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    return r.ec == std::errc() ? std::string(text, r.ptr) : std::string();
}

void appendNumber(std::string& out, const char* label, int32_t value) {
    out += label;
    out += '=';
    out += std::to_string(value);
    out += ',';
}

void appendText(std::string& out, const char* label, const std::string& value) {
    out += label;
    out += '=';
    out += value;
    out += ',';
}

// The label of the item at a radio index; an index no item has shows nothing.
const char* itemLabel(const FieldRow& field, uint16_t index) {
    const Rows<GroupItemRow> items = groupItems(field);
    return index < items.size() ? items[index].label : "";
}

void appendField(std::string& out, const FieldRow& field, ByteReader& in) {
    switch (field.kind) {
        case FieldKind::Byte:
            appendNumber(out, field.label, in.u8());
            return;
        case FieldKind::Short:
            appendNumber(out, field.label, in.i16le());
            return;
        case FieldKind::Long:
            appendNumber(out, field.label, in.i32le());
            return;
        case FieldKind::Double: {
            double value = 0.0;
            uint8_t bytes[sizeof value] = {};
            if (in.bytes(bytes, sizeof bytes)) std::memcpy(&value, bytes, sizeof value);
            appendText(out, field.label, sixDecimals(value));
            return;
        }
        case FieldKind::Text: {
            const char* text = reinterpret_cast<const char*>(in.current());
            const std::size_t length = in.skip(field.width) ? strnlen(text, field.width) : 0;
            appendText(out, field.label, std::string(text != nullptr ? text : "", length));
            return;
        }
        case FieldKind::Password:
            in.skip(field.width);
            appendText(out, field.label, "*****");
            return;
        case FieldKind::Choice: {
            const int32_t value = in.i32le();
            const TextIdMapper mapper = choiceMapper(field.choices);
            appendText(out, field.label,
                       textById(mapper != nullptr ? mapper(value) : kEmptyTextId));
            return;
        }
        case FieldKind::RadioGroup:
            out += field.label;
            out += ':';
            out += itemLabel(field, in.u16le());
            out += ';';
            return;
        case FieldKind::CheckGroup: {
            const uint16_t mask = in.u16le();
            out += field.label;
            out += ':';
            const Rows<GroupItemRow> items = groupItems(field);
            for (std::size_t i = 0; i < items.size() && i < 16; ++i) {
                if ((mask & (1u << i)) == 0) continue;
                out += items[i].label;
                out += ';';
            }
            return;
        }
    }
}

bool isRpCommand(const CommandRow& command) {
    for (const FieldRow& field : commandFields(command))
        if (!field.inRecord) return true;
    return false;
}

}  // namespace

void writeCommandJournal(const char* title, const char* parameterText) {
    if (title == nullptr) title = "";
    if (parameterText == nullptr) parameterText = "";
    STime now;
    getCurrentTime(&now);

    // The local line is formatted from the values themselves, so that a "$"
    // inside a value cannot cut it, and it has room for the longest text.
    const char* lineText = textById(kJournalLineTextId);
    std::vector<char> line(std::strlen(lineText) + std::strlen(title) + std::strlen(parameterText) +
                           32);
    formatMessage(line.data(), line.size(), kJournalLineTextId, now.hour, now.minute, now.second,
                  title, parameterText);
    postLongText(kLineLocal, line.data(), kTypeOperator);

    std::string coded = std::to_string(kJournalLineTextId) + '$' + std::to_string(now.hour) + '$' +
                        std::to_string(now.minute) + '$' + std::to_string(now.second) + '$' +
                        title + '$' + parameterText;
    if (coded.size() > kCodedLineMax) coded.resize(kCodedLineMax);
    postCodedTextLine(kLineJournal, coded.c_str(), kTypeOperator);
}

std::string commandParameterText(const CommandRow& command, const uint8_t* record) {
    std::string text;
    ByteReader in(record, command.recordSize);
    for (const FieldRow& field : commandFields(command))
        if (field.inRecord) appendField(text, field, in);
    return text;
}

std::string rpJournalTitle(const CommandRow& command, uint16_t rpNumber) {
    char title[kRpTitleSize];
    formatMessage(title, sizeof title, kRpJournalTitleTextId, command.title, rpNumber);
    return title;
}

void journalCommand(int32_t commandId, const uint8_t* record, uint16_t rpNumber) {
    const CommandRow* command = findCommand(commandId);
    if (command == nullptr || !hasForm(*command)) return;
    if (isRpCommand(*command)) {
        writeCommandJournal(rpJournalTitle(*command, rpNumber).c_str(), "");
        return;
    }
    writeCommandJournal(command->title, commandParameterText(*command, record).c_str());
}

void journalOkDodOgrPolazPozivaBezSifre(const SParamsOkDodOgrPolazPozivaBezSifre* params) {
    journalCommand(5221, reinterpret_cast<const uint8_t*>(params), 0);
}
