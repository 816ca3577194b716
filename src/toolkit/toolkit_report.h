#pragma once

#include <string>

// Reports of programming errors that our widgets find: a call with an index
// outside the grid, a failed allocation, an invariant that no longer holds.
// The widget refuses such a call and performs nothing, so a report never
// stops the program; the sink decides where the text goes.
class IToolkitReport {
public:
    virtual ~IToolkitReport() = default;
    // A caller's error: the call was refused.
    virtual void error(const std::string& text) = 0;
    // An internal check that failed; the widget carries on.
    virtual void assertion(const char* expression) = 0;
};

// Installs a sink (null restores the default one, which writes to the
// standard error through FOX's warning output). Caller keeps ownership.
void setToolkitReport(IToolkitReport* sink);

// Formats like printf and hands the text to the sink.
void reportToolkitError(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Hands the expression to the sink when `holds` is false.
void checkToolkitAssertion(bool holds, const char* expression);
