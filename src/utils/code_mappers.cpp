#include "utils/code_mappers.h"

namespace {

// The text of the entry whose value is the code, or the empty text.
std::int32_t lookUp(const SChoiceTable& table, std::int32_t code) {
    const SChoiceEntry* entry = findChoiceByValue(table, code);
    return entry != nullptr ? entry->textId : kEmptyTextId;
}

std::int32_t lowByte(std::int32_t code) {
    return code & 0xFF;
}

}  // namespace

// clang-format off
std::int32_t alarmLevelTextId(std::int32_t code) { return lookUp(choicesNivoAlarma, lowByte(code)); }
std::int32_t subscriberCategoryTextId(std::int32_t code) { return lookUp(choicesKategorija, lowByte(code)); }
std::int32_t endOfSelectionCauseTextId(std::int32_t code) { return lookUp(choicesEOSkod, lowByte(code)); }
std::int32_t signallingSystemTextId(std::int32_t code) { return lookUp(choicesSignalizacija, lowByte(code)); }
std::int32_t specialServiceTextId(std::int32_t code) { return lookUp(choicesSpecUsluga, lowByte(code)); }
std::int32_t numberingPlanTextId(std::int32_t code) { return lookUp(choicesNumPlan, lowByte(code)); }
std::int32_t sccpUserTextId(std::int32_t code) { return lookUp(choicesKorisnik, lowByte(code)); }
std::int32_t sccpSubsystemTextId(std::int32_t code) { return lookUp(choicesPodsistem, lowByte(code)); }
std::int32_t alarmStateTextId(std::int32_t code) { return lookUp(codesAlarmState, lowByte(code)); }
std::int32_t timeControlOwnerTextId(std::int32_t code) { return lookUp(choicesVremenskaKontrola, lowByte(code)); }
std::int32_t identificationOptionTextId(std::int32_t code) { return lookUp(choicesIdentPoz, lowByte(code)); }
std::int32_t userPartTextId(std::int32_t code) { return lookUp(codesUserPart, lowByte(code)); }
std::int32_t tupMessageTextId(std::int32_t code) { return lookUp(codesTupMessage, lowByte(code)); }
std::int32_t isupMessageTextId(std::int32_t code) { return lookUp(codesIsupMessage, lowByte(code)); }
std::int32_t isupParameterTextId(std::int32_t code) { return lookUp(codesIsupParameter, lowByte(code)); }
std::int32_t tableGroupTextId(std::int32_t code) { return lookUp(choicesGrupaTabela, lowByte(code)); }
std::int32_t alpVersionTextId(std::int32_t code) { return lookUp(choicesVerzija, lowByte(code)); }
std::int32_t serialPortTextId(std::int32_t code) { return lookUp(choicesPort, lowByte(code)); }
std::int32_t baudRateTextId(std::int32_t code) { return lookUp(choicesBrzina, code & 0xFFFF); }
std::int32_t subscriberServiceTextId(std::int32_t code) { return lookUp(choicesUsluga, lowByte(code)); }
std::int32_t zppBoardTextId(std::int32_t code) { return lookUp(choicesZPPVrstaIVerzija, lowByte(code)); }
std::int32_t alarmClassTextId(std::int32_t code) { return lookUp(choicesKlaseAlarma, lowByte(code)); }
std::int32_t groupCancelServiceTextId(std::int32_t code) { return lookUp(choicesGrupnaUsluga, lowByte(code)); }
std::int32_t assignableServiceTextId(std::int32_t code) { return lookUp(choicesDodelaUsluga, lowByte(code)); }
std::int32_t tableNameTextId(std::int32_t code) { return lookUp(choicesTabela, lowByte(code)); }
// clang-format on
