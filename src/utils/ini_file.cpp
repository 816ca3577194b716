#include "utils/ini_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/profile.h"

namespace {

// Leading blanks, an optional sign, then decimal digits; the value wraps to
// 32 bits as it accumulates. False when no digit follows.
bool parseInt32(const std::string& text, int* out) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return false;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    uint32_t value = 0;
    const size_t digits = i;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<uint32_t>(text[i] - '0');
    if (i == digits) return false;
    if (negative) value = 0u - value;
    *out = static_cast<int>(static_cast<int32_t>(value));
    return true;
}

}  // namespace

KINIFile::KINIFile(const char* fileName) : fileName_(fileName ? fileName : "") {}

int KINIFile::open() {
    return 0;
}

int KINIFile::getInt(const char* section, const char* key, int defaultValue) {
    std::string text;
    int value = defaultValue;
    if (!platform::readProfileString(fileName_.c_str(), section, key, &text)) return defaultValue;
    return parseInt32(text, &value) ? value : defaultValue;
}

int KINIFile::getString(const char* section, const char* key, const char* defaultText, char* buffer,
                        int size) {
    if (buffer == nullptr || size <= 0) return 0;
    std::string text;
    if (!platform::readProfileString(fileName_.c_str(), section, key, &text))
        text = defaultText ? defaultText : "";
    const size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

int KINIFile::writeString(const char* section, const char* key, const char* text) {
    return platform::writeProfileString(fileName_.c_str(), section, key, text) ? 1 : 0;
}

int KINIFile::writeInt(const char* section, const char* key, int value) {
    const std::string text = std::to_string(static_cast<uint32_t>(value));
    return writeString(section, key, text.c_str());
}
