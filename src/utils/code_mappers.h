#pragma once

#include <cstdint>

#include "utils/choice_tables.h"

// Code-to-text mappers: each turns a code the exchange reports into the id of
// a catalogue text of its vocabulary block. A code a mapper does not list
// gives kEmptyTextId, so an unexpected code shows as nothing. All mappers look
// at the low 8 bits of their argument, baudRateTextId at the low 16 bits.

constexpr std::int32_t kEmptyTextId = 23589;

std::int32_t alarmLevelTextId(std::int32_t code);
std::int32_t subscriberCategoryTextId(std::int32_t code);
std::int32_t endOfSelectionCauseTextId(std::int32_t code);
std::int32_t signallingSystemTextId(std::int32_t code);
std::int32_t specialServiceTextId(std::int32_t code);
std::int32_t numberingPlanTextId(std::int32_t code);
std::int32_t sccpUserTextId(std::int32_t code);
std::int32_t sccpSubsystemTextId(std::int32_t code);
std::int32_t alarmStateTextId(std::int32_t code);
std::int32_t timeControlOwnerTextId(std::int32_t code);
std::int32_t identificationOptionTextId(std::int32_t code);
std::int32_t userPartTextId(std::int32_t code);
std::int32_t tupMessageTextId(std::int32_t code);
std::int32_t isupMessageTextId(std::int32_t code);
std::int32_t isupParameterTextId(std::int32_t code);
std::int32_t tableGroupTextId(std::int32_t code);
std::int32_t alpVersionTextId(std::int32_t code);
std::int32_t serialPortTextId(std::int32_t code);
std::int32_t baudRateTextId(std::int32_t code);
std::int32_t subscriberServiceTextId(std::int32_t code);
std::int32_t zppBoardTextId(std::int32_t code);
std::int32_t alarmClassTextId(std::int32_t code);
std::int32_t groupCancelServiceTextId(std::int32_t code);
std::int32_t assignableServiceTextId(std::int32_t code);
std::int32_t tableNameTextId(std::int32_t code);

// Code-to-text pairs of the enumerations that no command form offers.
extern const SChoiceTable codesAlarmState;
extern const SChoiceTable codesUserPart;
extern const SChoiceTable codesTupMessage;
extern const SChoiceTable codesIsupMessage;
extern const SChoiceTable codesIsupParameter;
