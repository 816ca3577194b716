#include "toolkit/toolkit_report.h"

#include <cstdarg>
#include <cstdio>

#include <fox-1.6/fx.h>

namespace {

class WarningReport : public IToolkitReport {
public:
    void error(const std::string& text) override { FX::fxwarning("%s", text.c_str()); }
    void assertion(const char* expression) override {
        FX::fxwarning("assertion failed: %s\n", expression);
    }
};

WarningReport defaultReport;
IToolkitReport* currentReport = &defaultReport;

}  // namespace

void setToolkitReport(IToolkitReport* sink) {
    currentReport = sink != nullptr ? sink : &defaultReport;
}

void reportToolkitError(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    currentReport->error(buffer);
}

void checkToolkitAssertion(bool holds, const char* expression) {
    if (!holds) currentReport->assertion(expression);
}
