#pragma once

#include <cstdint>

// Result of every step of running an MML command: the registry lookup, the
// argument binding, the value conversion, the check and the executor.
enum eMmlStatus : uint8_t {
    msUnknownCommand = 0,     // error text: the command name
    msUnknownParameter = 1,   // error text: the given parameter name
    msTooManyParameters = 2,  // no error text
    msTooFewParameters = 3,   // no error text
    msOutOfRange = 4,         // error text: the parameter's name
    msCheckFailed = 5,        // error text: the check's message
    msParameterTwice = 6,     // error text: the declared name given twice
    msParameterMissing = 7,   // error text: the parameter's name
    msMissingAmpersand = 8,   // error text: the parameter's name
    msDoubleAmpersand = 9,    // error text: the parameter's name
    msOk = 10,                // nothing to report
    msNotSent = 11,           // error text: the command's title; its request could not be sent
};

// The error text that the failing step fills: 99 characters and a zero.
constexpr int kMmlErrorTextSize = 100;

// Copies text into an error text buffer, cut to 99 characters.
void setMmlErrorText(char* errorText, const char* text);

// Catalogue text that reports a status, 0 for success (nothing shown).
int mmlStatusTextId(int status);

// The buffer showCommandStatus formats into (100 characters).
const char* commandStatusText();

// Formats the message of a status (the error text as its argument where it
// takes one) and posts it as a local operator message; success posts nothing,
// and neither does msNotSent, whose line the send step has already posted
// right after the journal line. Returns commandStatusText().
const char* showCommandStatus(int status, const char* errorText);
