#pragma once

#include <cstdint>

#include "utils/choice_tables.h"

// Statuses of the MML road that the converters and the executor return.
constexpr uint8_t kExecTooManyValues = 2;
constexpr uint8_t kExecTooFewValues = 3;
constexpr uint8_t kExecBadValue = 4;
constexpr uint8_t kExecCheckRefused = 5;
constexpr uint8_t kExecMissingAmpersand = 8;
constexpr uint8_t kExecDoubleAmpersand = 9;
constexpr uint8_t kExecDone = 10;
// The command was journalled but its request could not be sent.
constexpr uint8_t kExecNotSent = 11;

// Converters of one MML value text into one field of a parameter record.
// Each returns kExecDone and writes the destination, or a failure status and
// leaves the destination as it was (convertKeywordSet clears it first).
// Numbers are decimal and read in the "C" locale whatever the environment.

// Integers: blanks, an optional sign, then digits; what follows the digits is
// ignored. A value that reads as 0 must be digits only (so "", "0" and "000"
// pass, "x", "-0" and " 0" do not). Values outside the field's range are
// refused, never wrapped.
uint8_t convertByte(uint8_t* destination, const char* text);
uint8_t convertShort(int16_t* destination, const char* text);
uint8_t convertWord(uint16_t* destination, const char* text);
// -2147483648..4294967295: unsigned 32-bit values are stored as their bits.
uint8_t convertLong(int32_t* destination, const char* text);
// A decimal floating-point number that takes the whole text ("" gives 0.0);
// infinite and not-a-number values are refused.
uint8_t convertDouble(double* destination, const char* text);
// One keyword of the list, exactly; its position is the index written.
uint8_t convertKeyword(uint16_t* destination, const char* const* keywords, int count,
                       const char* text);
// Keywords joined by "&" in any order: bit i for keyword i. At each point the
// longest keyword the text begins with is taken. kExecMissingAmpersand when
// two keywords are not joined, kExecDoubleAmpersand for a second "&".
uint8_t convertKeywordSet(uint16_t* destination, const char* const* keywords, int count,
                          const char* text);
// The value of the first entry whose catalogue text is the text.
uint8_t convertCatalogueChoice(int32_t* destination, const SChoiceEntry* entries, int count,
                               const char* text);
