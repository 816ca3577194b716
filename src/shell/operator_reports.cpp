#include "shell/operator_reports.h"

namespace {
IOperatorReports* reports = nullptr;
}

void setOperatorReports(IOperatorReports* r) {
    reports = r;
}

SIzvestaj openOperatorReport(uint16_t source, uint16_t number, int32_t value, int32_t titleId,
                             int32_t headerId) {
    if (reports == nullptr) return SIzvestaj{source, number, nullptr};
    return reports->open(source, number, value, titleId, headerId);
}

bool isOperatorReportOpen(const SIzvestaj& key) {
    return reports != nullptr && reports->isOpen(key);
}

void appendOperatorReportLine(const SIzvestaj& key, uint8_t code, const char* text, int length) {
    if (reports != nullptr && key.window != nullptr) reports->appendLine(key, code, text, length);
}
