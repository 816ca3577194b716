#pragma once

#include <cstdint>

// Operator report windows: a window titled and headed by catalogue texts
// whose lines (coded catalogue messages, code 254, or plain texts, code 255)
// it shows as HTML. The windows are reached through this interface, which
// the report window installs; until one is installed no window opens.
class KOperIzvestaj;

struct SIzvestaj {
    uint16_t source = 0;
    uint16_t number = 0;
    KOperIzvestaj* window = nullptr;  // null when no window could be opened
};

class IOperatorReports {
public:
    virtual ~IOperatorReports() = default;
    virtual SIzvestaj open(uint16_t source, uint16_t number, int32_t value, int32_t titleId,
                           int32_t headerId) = 0;
    virtual bool isOpen(const SIzvestaj& key) = 0;
    // One line of the report's stream.
    virtual void appendLine(const SIzvestaj& key, uint8_t code, const char* text, int length) = 0;
};

// Installs the windows (null: none). Caller keeps ownership.
void setOperatorReports(IOperatorReports* reports);

SIzvestaj openOperatorReport(uint16_t source, uint16_t number, int32_t value, int32_t titleId,
                             int32_t headerId);
bool isOperatorReportOpen(const SIzvestaj& key);
void appendOperatorReportLine(const SIzvestaj& key, uint8_t code, const char* text, int length);
