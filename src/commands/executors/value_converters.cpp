#include "commands/executors/value_converters.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <type_traits>

#include "texts/text_catalogue.h"

namespace {

bool isWhite(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool allDigits(const char* text) {
    for (; *text != '\0'; ++text)
        if (!isDigit(*text)) return false;
    return true;
}

// Reads blanks, a sign and digits into 64 bits. Anything past the digits is
// ignored; a number too large for any field stops growing above the cap so
// that it stays out of range instead of wrapping.
int64_t readInteger(const char* text) {
    constexpr int64_t kCap = int64_t(1) << 40;
    while (isWhite(*text)) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = *text++ == '-';
    int64_t value = 0;
    for (; isDigit(*text); ++text)
        if (value < kCap) value = value * 10 + (*text - '0');
    return negative ? -value : value;
}

// The integer of the text when it lies in min..max.
bool readIntegerIn(const char* text, int64_t min, int64_t max, int64_t& value) {
    if (text == nullptr) text = "";
    value = readInteger(text);
    if (value == 0) return allDigits(text);
    return value >= min && value <= max;
}

// Length of a text without its trailing white space.
std::size_t trimmedLength(const char* text) {
    std::size_t n = std::strlen(text);
    while (n > 0 && isWhite(text[n - 1])) --n;
    return n;
}

// True when both texts are equal once trailing blanks are left off: the MML
// parser strips them from every value, so an item or entry text that ends in
// a blank must still be reachable.
bool sameText(const char* a, const char* b) {
    const std::size_t n = trimmedLength(a);
    return n == trimmedLength(b) && std::memcmp(a, b, n) == 0;
}

// The integer of the text into a field of type T when it lies in min..max,
// kept modulo the field's width.
template <typename T>
uint8_t convertInteger(T* destination, const char* text, int64_t min, int64_t max) {
    int64_t v = 0;
    if (!readIntegerIn(text, min, max, v)) return kExecBadValue;
    *destination = static_cast<T>(static_cast<std::make_unsigned_t<T>>(v));
    return kExecDone;
}

}  // namespace

uint8_t convertByte(uint8_t* destination, const char* text) {
    return convertInteger(destination, text, 0, 255);
}

uint8_t convertShort(int16_t* destination, const char* text) {
    return convertInteger(destination, text, -32768, 32767);
}

uint8_t convertWord(uint16_t* destination, const char* text) {
    return convertInteger(destination, text, 0, 65535);
}

uint8_t convertLong(int32_t* destination, const char* text) {
    return convertInteger(destination, text, INT32_MIN, UINT32_MAX);
}

uint8_t convertDouble(double* destination, const char* text) {
    if (text == nullptr || *text == '\0') {
        *destination = 0.0;
        return kExecDone;
    }
    const char* p = text;
    while (isWhite(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    // from_chars reads the C locale's decimal form and takes no sign of its
    // own once ours is read, and no hexadecimal.
    if (*p == '+' || *p == '-') return kExecBadValue;
    const char* end = p + std::strlen(p);
    double value = 0.0;
    const std::from_chars_result r = std::from_chars(p, end, value, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != end || !std::isfinite(value)) return kExecBadValue;
    *destination = negative ? -value : value;
    return kExecDone;
}

uint8_t convertKeyword(uint16_t* destination, const char* const* keywords, int count,
                       const char* text) {
    if (text == nullptr) text = "";
    for (int i = 0; i < count; ++i)
        if (sameText(keywords[i], text)) {
            *destination = static_cast<uint16_t>(i);
            return kExecDone;
        }
    return kExecBadValue;
}

uint8_t convertKeywordSet(uint16_t* destination, const char* const* keywords, int count,
                          const char* text) {
    *destination = 0;
    if (text == nullptr) return kExecDone;
    const char* p = text;
    while (*p != '\0') {
        // The longest keyword the text goes on with.
        int found = -1;
        std::size_t foundLength = 0;
        for (int i = 0; i < count && i < 16; ++i) {
            const std::size_t n = trimmedLength(keywords[i]);
            if (n > foundLength && std::strncmp(p, keywords[i], n) == 0) {
                found = i;
                foundLength = n;
            }
        }
        if (found < 0) return kExecBadValue;
        *destination = static_cast<uint16_t>(*destination | (1u << found));
        p += foundLength;
        while (isWhite(*p)) ++p;
        if (*p == '\0') break;
        if (*p != '&') return kExecMissingAmpersand;
        ++p;
        while (isWhite(*p)) ++p;
        if (*p == '&') return kExecDoubleAmpersand;
    }
    return kExecDone;
}

uint8_t convertCatalogueChoice(int32_t* destination, const SChoiceEntry* entries, int count,
                               const char* text) {
    if (text == nullptr) text = "";
    for (int i = 0; i < count; ++i)
        if (sameText(textById(entries[i].textId), text)) {
            *destination = entries[i].value;
            return kExecDone;
        }
    return kExecBadValue;
}
