#pragma once

#include <string>
#include <vector>

#include "toolkit/toolkit_report.h"

// Records the toolkit's error reports and failed checks; installed for the
// life of the object.
class RecordingToolkitReport : public IToolkitReport {
public:
    RecordingToolkitReport() { setToolkitReport(this); }
    ~RecordingToolkitReport() override { setToolkitReport(nullptr); }
    void error(const std::string& text) override { errors.push_back(text); }
    void assertion(const char* expression) override { assertions.push_back(expression); }
    std::vector<std::string> errors;
    std::vector<std::string> assertions;
};
