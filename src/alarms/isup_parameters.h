#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "utils/bytes.h"

// Lines of one monitored signalling message, in the order they are posted to
// the supervision report stream.
using TMonitorLines = std::vector<std::string>;

// A monitor line holds at most this many characters; text beyond is cut.
constexpr std::size_t kMonitorLineMax = 200;

// Appends the line, cut at kMonitorLineMax characters.
void addMonitorLine(TMonitorLines& out, const std::string& line);

// Status bits, bit i being bit (i mod 8) of byte i / 8, as lines of six
// blanks and at most 64 bits; bits beyond the bytes are not printed.
void addStatusBitLines(TMonitorLines& out, ByteReader bytes, std::size_t count);

// Prints one ISUP parameter as its name line and the lines of its decoded
// fields. `value` holds the bytes received of the parameter's value: exactly
// `length` of them, or fewer when the frame ended inside the parameter. A
// value that ends before a field the decoding needs prints the name line with
// the bytes received in hexadecimal instead of decoded fields.
void printIsupParameter(std::uint8_t code, std::uint8_t length, ByteReader value,
                        TMonitorLines& out);

// Prints the parameters of an optional part (code, length, value, ...) up to
// the end-of-optional-parameters code 0. Returns false when the frame ended
// before that code (the parameters received are printed).
bool printIsupOptionalParameters(ByteReader optionalPart, TMonitorLines& out);
