#include "toolkit/accelerators.h"

#include <cstring>

namespace {

// Slot of a CP1251 character, -1 when it has none.
int accelSlot(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return 10 + (c - 'A');
    if (c >= 'a' && c <= 'z') return 10 + (c - 'a');
    if (c >= 0xC0 && c <= 0xD8) return 10 + (c - 0xC0);  // А .. Ш
    if (c >= 0xE0 && c <= 0xF8) return 10 + (c - 0xE0);  // а .. ш
    return -1;
}

}  // namespace

SAccelTable& clearAccelTable(SAccelTable& table) {
    std::memset(table.used, 0, sizeof table.used);
    return table;
}

std::string assignAccel(SAccelTable& table, const char* label) {
    std::string result = label != nullptr ? label : "";
    for (std::size_t i = 0; i < result.size(); ++i) {
        const int slot = accelSlot(static_cast<unsigned char>(result[i]));
        if (slot < 0 || table.used[slot]) continue;
        table.used[slot] = 1;
        result.insert(i, 1, '&');
        break;
    }
    return result;
}

std::string convertTildeAccel(const char* text) {
    std::string result;
    bool first = true;
    for (const char* p = text != nullptr ? text : ""; *p != '\0'; ++p) {
        if (*p != '~') {
            result += *p;
        } else if (first) {
            result += '&';
            first = false;
        }
    }
    return result;
}

std::string makeMenuLabel(const char* text, const char* keyText) {
    return convertTildeAccel(text) + '\t' + (keyText != nullptr ? keyText : "");
}
