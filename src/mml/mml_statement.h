#pragma once

#include <cstdint>

// MML statements: a command title, optionally followed by ":" and a list of
// arguments, closed by ";":
//   statement = name ( ";" | ":" argument { "," argument } ";" )
//   argument  = token | token "=" token
// The parser only splits a statement; it knows no command or parameter names.

// Characters a token may take before it is cut (every caller passes this).
constexpr int kMmlTokenLimit = 140;
// Size of a name or value field: 139 characters and the terminating zero.
constexpr int kMmlFieldSize = 140;
// Most arguments of a typed statement and of a script statement or watch row.
constexpr int kMaxTypedArguments = 12;
constexpr int kMaxScriptArguments = 35;

// One parsed argument; the name is empty for a positional argument.
struct SMML_Argument {
    char name[kMmlFieldSize];
    char value[kMmlFieldSize];
};

// True for the delimiters "," ":" ";" "=".
bool isMmlDelimiter(uint8_t c);
// True for tab, line feed, vertical tab, form feed, carriage return and blank.
bool isMmlWhiteSpace(uint8_t c);

// Reads one token into out (room for limit + 1 bytes) and returns the first
// character not consumed: a delimiter outside quotes, the end of the text, or
// the character at which the token was full. Limit 0 reads nothing.
const char* readMmlToken(const char* text, char* out, int limit);
// Counts the argument (count += 1), then reads it into arg.
const char* readMmlArgument(const char* text, int& count, SMML_Argument& arg);
// Reads "," separated arguments into args, at most maxCount of them.
const char* readMmlArgumentList(const char* text, int maxCount, int& count, SMML_Argument* args);
// Splits a statement: 0 with name (kMmlFieldSize bytes), count and the first
// count arguments filled; -1 for a syntax error, their contents then undefined.
// Nothing after the closing ";" is looked at.
int parseMmlStatement(const char* text, char* name, int nameLimit, int maxCount, int& count,
                      SMML_Argument* args);
