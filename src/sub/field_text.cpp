#include "sub/field_text.h"

#include <charconv>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "utils/bytes.h"
#include "utils/dates.h"

namespace {

char columnSeparator = ',';

bool isBlank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

const char* skipBlanks(const char* p) {
    while (isBlank(static_cast<unsigned char>(*p))) ++p;
    return p;
}

bool onlyBlanksLeft(const char* p) {
    return *skipBlanks(p) == '\0';
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// One integer after optional blanks: a sign, then digits. With detectBase the
// base comes from the text (0x hexadecimal, 0 octal, else decimal), otherwise
// decimal. width > 0 limits the characters taken after the blanks. On success
// p moves past the number; overflow is set for values beyond 2^40.
bool scanInteger(const char*& p, bool detectBase, int width, int64_t* value, bool* overflow) {
    const char* q = skipBlanks(p);
    const int limit = width > 0 ? width : 1 << 30;
    int used = 0;
    bool negative = false;
    if (used < limit && (*q == '+' || *q == '-')) {
        negative = *q == '-';
        ++q;
        ++used;
    }
    int base = 10;
    if (detectBase && used < limit && *q == '0') {
        if (used + 2 < limit && (q[1] == 'x' || q[1] == 'X') && digitValue(q[2]) < 16) {
            base = 16;
            q += 2;
            used += 2;
        } else {
            base = 8;
        }
    }
    int64_t acc = 0;
    int digits = 0;
    *overflow = false;
    while (used < limit && digitValue(*q) < base) {
        if (acc > (int64_t(1) << 40))
            *overflow = true;
        else
            acc = acc * base + digitValue(*q);
        ++q;
        ++used;
        ++digits;
    }
    if (digits == 0) return false;
    *value = negative ? -acc : acc;
    p = q;
    return true;
}

// Exactly one integer and nothing but blanks after it.
bool readWholeInteger(const char* text, int64_t lo, int64_t hi, int64_t* value, bool* outOfRange) {
    const char* p = text;
    bool overflow = false;
    *outOfRange = false;
    if (!scanInteger(p, true, 0, value, &overflow) || !onlyBlanksLeft(p)) return false;
    *outOfRange = overflow || *value < lo || *value > hi;
    return !*outOfRange;
}

// A decimal number as "%f" reads it ("inf", "nan" and hexadecimal refused),
// then only blanks; finite in the target type.
template <typename Real>
bool readReal(const char* text, Real* value) {
    const char* p = skipBlanks(text);
    if (*p == '+') ++p;  // from_chars takes no plus sign
    const char* start = p;
    if (*p == '-') ++p;
    int digits = 0;
    while (*p >= '0' && *p <= '9') ++p, ++digits;
    if (*p == '.') {
        ++p;
        while (*p >= '0' && *p <= '9') ++p, ++digits;
    }
    if (digits == 0) return false;
    if (*p == 'e' || *p == 'E') {
        const char* e = p + 1;
        if (*e == '+' || *e == '-') ++e;
        if (*e >= '0' && *e <= '9') {
            while (*e >= '0' && *e <= '9') ++e;
            p = e;
        }
    }
    if (!onlyBlanksLeft(p)) return false;
    Real v{};
    const auto result = std::from_chars(start, p, v, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != p || !std::isfinite(v)) return false;
    *value = v;
    return true;
}

void putLe(uint8_t* target, int size, uint32_t value) {
    for (int i = 0; i < size; ++i) target[i] = i < 4 ? static_cast<uint8_t>(value >> (8 * i)) : 0;
}

int16_t i16At(const uint8_t* p) {
    return ByteReader(p, 2).i16le();
}
int32_t i32At(const uint8_t* p) {
    return ByteReader(p, 4).i32le();
}

float floatAt(const uint8_t* p) {
    const uint32_t bits = ByteReader(p, 4).u32le();
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

double doubleAt(const uint8_t* p) {
    ByteReader r(p, 8);
    const uint64_t lo = r.u32le();
    const uint64_t bits = lo | uint64_t(r.u32le()) << 32;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void putFloat(uint8_t* p, float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    putLe(p, 4, bits);
}

void putDouble(uint8_t* p, double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    putLe(p, 4, static_cast<uint32_t>(bits));
    putLe(p + 4, 4, static_cast<uint32_t>(bits >> 32));
}

// Unsigned little-endian value of an enumeration field of size bytes.
uint32_t enumValueAt(const uint8_t* p, int16_t size) {
    uint32_t v = 0;
    for (int i = 0; i < size && i < 4; ++i) v |= uint32_t(p[i]) << (8 * i);
    return v;
}

// The text cut to size - 1 characters; -1 without room.
int emit(char* out, int size, const char* text) {
    if (out == nullptr || size <= 0) return -1;
    int n = static_cast<int>(strnlen(text, static_cast<size_t>(size - 1)));
    std::memcpy(out, text, static_cast<size_t>(n));
    out[n] = '\0';
    return n;
}

int emitInt(char* out, int size, const char* format, int32_t value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return emit(out, size, text);
}

enum class Align { Left, Right, Centre };

Align alignmentOf(int16_t type) {
    switch (type) {
        case ftString:
        case ftEnum:
        case ftEnum8:
            return Align::Left;
        case ftDate:
        case ftTime:
            return Align::Centre;
        default:
            return Align::Right;
    }
}

int pad(char* out, const char* text, int width, Align align) {
    if (width < 0) width = 0;
    const int len = static_cast<int>(strnlen(text, static_cast<size_t>(width)));
    int lead = 0;
    if (align == Align::Right) lead = width - len;
    if (align == Align::Centre && len < width) lead = (width - len) / 2;
    std::memset(out, ' ', static_cast<size_t>(width));
    std::memcpy(out + lead, text, static_cast<size_t>(len));
    out[width] = '\0';
    return width;
}

// Longest text form of a single value: a double in fixed notation.
constexpr int kValueTextSize = 400;

int appendColumn(char* line, int capacity, int16_t position, int16_t width, const char* text,
                 Align align) {
    if (line == nullptr || capacity <= 0) return -1;
    char column[kLineWorkSize + 2];
    int n = 0;
    if (position > 0) column[n++] = columnSeparator;
    const int w = width < kLineWorkSize ? width : kLineWorkSize;
    n += pad(column + n, text, w, align);
    const int at = position > 0 ? position : 0;
    if (at >= capacity) return 0;
    const int room = capacity - 1 - at;
    if (n > room) n = room;
    std::memcpy(line + at, column, static_cast<size_t>(n));
    line[at + n] = '\0';
    return n;
}

// Text form of one field of a record image.
int formatFieldValue(const SSubField& f, const uint8_t* record, char* out, int size) {
    const uint8_t* p = record + f.offset;
    switch (f.type) {
        case ftByte:
            return formatByteField(out, size, p[0]);
        case ftShort:
            return formatShortField(out, size, i16At(p));
        case ftLong:
            return formatLongField(out, size, i32At(p));
        case ftDate:
            return formatDateField(out, size, i32At(p));
        case ftTime:
            return formatTimeField(out, size, i32At(p));
        case ftFloat:
            return formatFloatField(out, size, floatAt(p));
        case ftDouble:
            return formatDoubleField(out, size, doubleAt(p));
        case ftString:
            return formatStringField(out, size, p, f.size);
        case ftBit:
            return formatBitField(out, size, p[0], f.bitNumber);
        case ftEnum:
            return formatEnumField(out, size, enumValueAt(p, f.size), f.enumNames, f.enumCount);
        case ftEnum8:
            return formatEnum8Field(out, size, p[0], f.enumNames, f.enumCount);
    }
    return emit(out, size, "");
}

bool isFieldNumber(int16_t count, int16_t field) {
    return field >= 1 && field <= count;
}

// Next value of a line split at any of the separators (runs count as one).
char* nextToken(char*& cursor, const char* separators) {
    cursor += std::strspn(cursor, separators);
    if (*cursor == '\0') return nullptr;
    char* token = cursor;
    cursor += std::strcspn(cursor, separators);
    if (*cursor != '\0') *cursor++ = '\0';
    return token;
}

}  // namespace

void setColumnSeparator(char separator) {
    columnSeparator = separator;
}
char getColumnSeparator() {
    return columnSeparator;
}

char* skipLeadingBlanks(char* text) {
    while (isBlank(static_cast<unsigned char>(*text))) ++text;
    return text;
}

char* trimRight(char* text) {
    size_t n = std::strlen(text);
    while (n > 0 && isBlank(static_cast<unsigned char>(text[n - 1]))) --n;
    text[n] = '\0';
    return text;
}

char* trimBoth(char* text) {
    return trimRight(skipLeadingBlanks(text));
}

int padLeftAligned(char* out, const char* text, int width) {
    return pad(out, text, width, Align::Left);
}
int padRightAligned(char* out, const char* text, int width) {
    return pad(out, text, width, Align::Right);
}
int padCentred(char* out, const char* text, int width) {
    return pad(out, text, width, Align::Centre);
}

// ---- readers

int parseByteField(uint8_t* target, const char* text) {
    int64_t v = 0;
    bool outOfRange = false;
    // Negative values down to the short range are taken as their low byte.
    if (!readWholeInteger(text, INT16_MIN, 255, &v, &outOfRange)) return outOfRange ? -2 : -1;
    target[0] = static_cast<uint8_t>(v & 0xFF);
    return 0;
}

namespace {

// A signed integer of bytes storage bytes; 1 when refused or out of range.
int parseSignedField(uint8_t* target, int bytes, int64_t lo, int64_t hi, const char* text) {
    int64_t v = 0;
    bool outOfRange = false;
    if (!readWholeInteger(text, lo, hi, &v, &outOfRange)) return 1;
    putLe(target, bytes, static_cast<uint32_t>(v));
    return 0;
}

}  // namespace

int parseShortField(uint8_t* target, const char* text) {
    return parseSignedField(target, 2, INT16_MIN, INT16_MAX, text);
}

int parseLongField(uint8_t* target, const char* text) {
    return parseSignedField(target, 4, INT32_MIN, INT32_MAX, text);
}

int parseDateField(uint8_t* target, const char* text) {
    // day.month.year: two, two and four digits at most
    const char* p = text;
    int64_t day = 0, month = 0, year = 0;
    bool overflow = false;
    if (!scanInteger(p, false, 2, &day, &overflow) || *p++ != '.' ||
        !scanInteger(p, false, 2, &month, &overflow) || *p++ != '.' ||
        !scanInteger(p, false, 4, &year, &overflow) || !onlyBlanksLeft(p))
        return -1;
    if (year < 0 || day < 1 || day > 31 || month < 1 || month > 12) return -2;
    if (year < 80)
        year += 2000;
    else if (year < 100)
        year += 1900;
    const int32_t dayNumber = dayNumberOf(static_cast<int32_t>(year), static_cast<uint8_t>(month),
                                          static_cast<uint8_t>(day));
    if (dayNumber < 1) return -2;
    int32_t y = 0;
    uint8_t m = 0, d = 0;
    dateOfDayNumber(&y, &m, &d, static_cast<uint32_t>(dayNumber));
    if (y != year || m != month || d != day) return -2;
    putLe(target, 4, static_cast<uint32_t>(dayNumber));
    return 0;
}

int parseTimeField(uint8_t* target, const char* text) {
    // h:m:s, else h:m, else h; each part two digits at most
    int64_t part[3] = {0, 0, 0};
    bool read = false;
    for (int parts = 3; parts >= 1 && !read; --parts) {
        const char* p = text;
        bool overflow = false;
        bool ok = true;
        for (int i = 0; i < parts && ok; ++i) {
            if (i > 0) ok = *p++ == ':';
            ok = ok && scanInteger(p, false, 2, &part[i], &overflow);
        }
        read = ok && onlyBlanksLeft(p);
        for (int i = parts; i < 3; ++i) part[i] = 0;
    }
    if (!read) return -1;
    const int32_t value =
        static_cast<int32_t>(part[0] * 3600 + (part[1] & 0xFF) * 60 + (part[2] & 0xFF));
    int32_t h = 0;
    uint8_t m = 0, s = 0;
    splitSeconds(&value, &h, &m, &s);
    if (h != part[0] || m != part[1] || s != part[2]) return -2;
    putLe(target, 4, static_cast<uint32_t>(value));
    return 0;
}

int parseFloatField(uint8_t* target, const char* text) {
    float v = 0;
    if (!readReal(text, &v)) return 1;
    putFloat(target, v);
    return 0;
}

int parseDoubleField(uint8_t* target, const char* text) {
    double v = 0;
    if (!readReal(text, &v)) return 1;
    putDouble(target, v);
    return 0;
}

int parseStringField(uint8_t* target, int16_t capacity, const char* text) {
    char value[kStringValueLimit + 1];
    std::snprintf(value, sizeof value, "%s", text);
    const char* trimmed = trimBoth(value);
    const size_t len = std::strlen(trimmed);
    if (capacity < 1) return 1;
    if (len > static_cast<size_t>(capacity - 1)) {
        target[0] = '\0';  // a value that does not fit empties the field
        return 1;
    }
    std::memcpy(target, trimmed, len + 1);
    return 0;
}

int parseBitField(uint8_t* target, uint8_t bitNumber, const char* text) {
    uint8_t v = 0;
    if (parseByteField(&v, text) != 0) return -1;
    const uint8_t bit = static_cast<uint8_t>(1u << (bitNumber & 7));
    target[0] = v != 0 ? target[0] | bit : target[0] & ~bit;
    return 0;
}

int parseIntValue(int32_t* value, const char* word) {
    const char* p = word;
    int64_t v = 0;
    bool overflow = false;
    if (!scanInteger(p, true, 0, &v, &overflow) || *p != '\0') return -1;
    if (overflow || v > INT32_MAX) v = INT32_MAX;
    if (v < INT32_MIN) v = INT32_MIN;
    *value = static_cast<int32_t>(v);
    return 0;
}

int findEnumName(int32_t* value, const char* text, const char* const* names, int32_t count) {
    for (int32_t i = 0; names != nullptr && i < count; ++i) {
        if (names[i] != nullptr && names[i][0] != '\0' && namesEqual(names[i], text)) {
            *value = i;
            return 0;
        }
    }
    return -1;
}

int parseEnumField(uint8_t* target, int16_t size, const char* const* names, int32_t count,
                   const char* text) {
    // exactly one word of at most 99 characters
    const char* p = skipBlanks(text);
    const char* start = p;
    while (*p != '\0' && !isBlank(static_cast<unsigned char>(*p))) ++p;
    const size_t length = static_cast<size_t>(p - start);
    if (length == 0 || length > kEnumWordLimit || !onlyBlanksLeft(p)) return -1;
    char word[kEnumWordLimit + 1];
    std::memcpy(word, start, length);
    word[length] = '\0';
    int32_t value = 0;
    if (word[0] >= '0' && word[0] <= '9') {
        if (parseIntValue(&value, word) != 0) return -2;
        if (value < 0 || value >= count || names == nullptr || names[value] == nullptr ||
            names[value][0] == '\0')
            return -3;
    } else if (findEnumName(&value, text, names, count) != 0) {
        return -4;  // the whole text is compared, so surrounding blanks fail
    }
    putLe(target, size, static_cast<uint32_t>(value));
    return 0;
}

int parseEnum8Field(uint8_t* target, int16_t size, const char* const* names, int32_t count,
                    const char* text) {
    return parseEnumField(target, size, names, count, text);
}

// ---- writers

int formatByteField(char* out, int size, uint8_t value) {
    return emitInt(out, size, "%3d", value);
}
int formatShortField(char* out, int size, int16_t value) {
    return emitInt(out, size, "%d", value);
}
int formatLongField(char* out, int size, int32_t value) {
    return emitInt(out, size, "%" PRId32, value);
}

int formatDateField(char* out, int size, int32_t dayNumber) {
    int32_t year = 0;
    uint8_t month = 0, day = 0;
    dateOfDayNumber(&year, &month, &day, static_cast<uint32_t>(dayNumber));
    char text[48];
    std::snprintf(text, sizeof text, "%02d.%02d.%02d", day, month, static_cast<int>(year % 100));
    return emit(out, size, text);
}

int formatTimeField(char* out, int size, int32_t seconds) {
    int32_t hours = 0;
    uint8_t minutes = 0, secs = 0;
    splitSeconds(&seconds, &hours, &minutes, &secs);
    char text[48];
    std::snprintf(text, sizeof text, "%02" PRId32 ":%02d:%02d", hours, minutes, secs);
    return emit(out, size, text);
}

int formatDoubleField(char* out, int size, double value) {
    char text[kValueTextSize];
    const auto result =
        std::to_chars(text, text + sizeof text - 1, value, std::chars_format::fixed, 2);
    *result.ptr = '\0';
    return emit(out, size, text);
}

int formatFloatField(char* out, int size, float value) {
    return formatDoubleField(out, size, static_cast<double>(value));
}

int formatStringField(char* out, int size, const uint8_t* value, int16_t capacity) {
    char text[kLineWorkSize];
    const int limit = capacity < kLineWorkSize - 1 ? capacity : kLineWorkSize - 1;
    const size_t n =
        limit > 0 ? strnlen(reinterpret_cast<const char*>(value), static_cast<size_t>(limit)) : 0;
    std::memcpy(text, value, n);
    text[n] = '\0';
    return emit(out, size, text);
}

int formatBitField(char* out, int size, uint8_t byte, uint8_t bitNumber) {
    return emitInt(out, size, "%d", (byte >> (bitNumber & 7)) & 1);
}

int formatEnumField(char* out, int size, uint32_t value, const char* const* names, int32_t count) {
    if (names != nullptr && value < static_cast<uint32_t>(count > 0 ? count : 0) &&
        names[value] != nullptr && names[value][0] != '\0')
        return emit(out, size, names[value]);
    char text[32];
    std::snprintf(text, sizeof text,
                  "(%" PRIu32
                  " ??"
                  "?)",
                  value);
    return emit(out, size, text);
}

int formatEnum8Field(char* out, int size, uint8_t value, const char* const* names, int32_t count) {
    return formatEnumField(out, size, value, names, count);
}

// ---- column writers

int appendCentredText(char* line, int capacity, int16_t position, int16_t width, const char* text) {
    return appendColumn(line, capacity, position, width, text, Align::Centre);
}

#define KELM_COLUMN(name, type, formatter, align)                                     \
    int name(char* line, int capacity, int16_t position, int16_t width, type value) { \
        char text[kValueTextSize];                                                    \
        formatter(text, sizeof text, value);                                          \
        return appendColumn(line, capacity, position, width, text, align);            \
    }
KELM_COLUMN(appendByteColumn, uint8_t, formatByteField, Align::Right)
KELM_COLUMN(appendShortColumn, int16_t, formatShortField, Align::Right)
KELM_COLUMN(appendLongColumn, int32_t, formatLongField, Align::Right)
KELM_COLUMN(appendDateColumn, int32_t, formatDateField, Align::Centre)
KELM_COLUMN(appendTimeColumn, int32_t, formatTimeField, Align::Centre)
KELM_COLUMN(appendFloatColumn, float, formatFloatField, Align::Right)
KELM_COLUMN(appendDoubleColumn, double, formatDoubleField, Align::Right)
#undef KELM_COLUMN

int appendStringColumn(char* line, int capacity, int16_t position, int16_t width,
                       const uint8_t* value, int16_t valueCapacity) {
    char text[kLineWorkSize];
    formatStringField(text, sizeof text, value, valueCapacity);
    return appendColumn(line, capacity, position, width, text, Align::Left);
}

int appendEnumColumn(char* line, int capacity, int16_t position, int16_t width, uint32_t value,
                     const char* const* names, int32_t count) {
    char text[kValueTextSize];
    formatEnumField(text, sizeof text, value, names, count);
    return appendColumn(line, capacity, position, width, text, Align::Left);
}

int appendEnum8Column(char* line, int capacity, int16_t position, int16_t width, uint8_t value,
                      const char* const* names, int32_t count) {
    return appendEnumColumn(line, capacity, position, width, value, names, count);
}

int appendBitColumn(char* line, int capacity, int16_t position, int16_t width, uint8_t byte,
                    uint8_t bitNumber) {
    char text[8];
    formatBitField(text, sizeof text, byte, bitNumber);
    return appendColumn(line, capacity, position, width, text, Align::Right);
}

// ---- table operations

int fieldTextOf(const SSubField* fields, int16_t count, int16_t field, char* buffer, int size,
                const void* record) {
    if (!isFieldNumber(count, field)) return 8;
    if (buffer == nullptr || size <= 0) return -1;
    formatFieldValue(fields[field - 1], static_cast<const uint8_t*>(record), buffer, size);
    buffer[size - 1] = '\0';
    return 0;
}

namespace {

// Builds a line of columns with the separator in force for the time of the call.
template <typename TextOf>
int buildLine(const SSubField* fields, int16_t count, char* buffer, int size, char separator,
              TextOf textOf) {
    if (buffer == nullptr || size <= 0) return -1;
    const char saved = columnSeparator;
    columnSeparator = separator;
    char line[kLineWorkSize];
    line[0] = '\0';
    int length = 0;
    for (int16_t i = 0; i < count; ++i) {
        char text[kLineWorkSize];
        const Align align = textOf(fields[i], text, static_cast<int>(sizeof text));
        const int n = appendColumn(line, kLineWorkSize, static_cast<int16_t>(length),
                                   fields[i].displayWidth, text, align);
        if (n > 0) length += n;
    }
    columnSeparator = saved;
    emit(buffer, size, line);
    return 0;
}

}  // namespace

int recordTextOf(const SSubField* fields, int16_t count, char* buffer, int size, char separator,
                 const uint8_t* record) {
    return buildLine(fields, count, buffer, size, separator,
                     [record](const SSubField& f, char* text, int textSize) {
                         formatFieldValue(f, record, text, textSize);
                         return alignmentOf(f.type);
                     });
}

int headerTextOf(const SSubField* fields, int16_t count, char* buffer, int size, char separator) {
    return buildLine(fields, count, buffer, size, separator,
                     [](const SSubField& f, char* text, int textSize) {
                         emit(text, textSize, f.name);
                         return Align::Centre;
                     });
}

int fieldFromTextOf(const SSubField* fields, int16_t count, int16_t field, void* record,
                    const char* text) {
    if (!isFieldNumber(count, field) || record == nullptr) return -1;
    if (text == nullptr) return -2;
    const SSubField& f = fields[field - 1];
    uint8_t* p = static_cast<uint8_t*>(record) + f.offset;
    switch (f.type) {
        case ftByte:
            return parseByteField(p, text);
        case ftShort:
            return parseShortField(p, text);
        case ftLong:
            return parseLongField(p, text);
        case ftDate:
            return parseDateField(p, text);
        case ftTime:
            return parseTimeField(p, text);
        case ftFloat:
            return parseFloatField(p, text);
        case ftDouble:
            return parseDoubleField(p, text);
        case ftString:
            return parseStringField(p, f.size, text);
        case ftBit:
            return parseBitField(p, f.bitNumber, text);
        case ftEnum:
            return parseEnumField(p, f.size, f.enumNames, f.enumCount, text);
        case ftEnum8:
            return parseEnum8Field(p, f.size, f.enumNames, f.enumCount, text);
    }
    return -3;
}

int recordFromTextOf(const SSubField* fields, int16_t count, void* record, const char* line,
                     const char* separators) {
    if (line == nullptr || separators == nullptr || record == nullptr) return -1;
    char work[kLineWorkSize];
    std::snprintf(work, sizeof work, "%s", line);  // cut at the work area
    char* cursor = work;
    for (int16_t i = 1; i <= count; ++i) {
        char* value = nextToken(cursor, separators);
        if (value == nullptr) return -2;
        if (fieldFromTextOf(fields, count, i, record, trimBoth(value)) != 0) return -3;
    }
    return nextToken(cursor, separators) != nullptr ? -4 : 0;
}

// ---- ordering

namespace {

template <typename T>
int order(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareStrings(const uint8_t* a, const uint8_t* b, int16_t size) {
    for (int16_t i = 0; i < size; ++i) {
        const unsigned char ca = upperAscii(a[i]);
        const unsigned char cb = upperAscii(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
    return 0;
}

int compareEnumValues(const uint8_t* a, const uint8_t* b, int16_t size) {
    switch (size) {
        case 1:
            return order(a[0], b[0]);
        case 2:
            return order(i16At(a), i16At(b));
        case 4:
            return order(i32At(a), i32At(b));
        default:
            return 0;
    }
}

}  // namespace

int compareFieldValues(const uint8_t* a, const uint8_t* b, const SSubField* field) {
    const uint8_t* pa = a + field->offset;
    const uint8_t* pb = b + field->offset;
    switch (field->type) {
        case ftByte:
            return order(pa[0], pb[0]);
        case ftShort:
            return order(i16At(pa), i16At(pb));
        case ftLong:
        case ftDate:
        case ftTime:
            return order(i32At(pa), i32At(pb));
        case ftFloat:
            return order(floatAt(pa), floatAt(pb));
        case ftDouble:
            return order(doubleAt(pa), doubleAt(pb));
        case ftString:
            return compareStrings(pa, pb, field->size);
        case ftBit:
            return order((pa[0] >> field->bitNumber) & 1, (pb[0] >> field->bitNumber) & 1);
        case ftEnum:
        case ftEnum8:
            return compareEnumValues(pa, pb, field->size);
    }
    return 0;
}

int compareKeys(const uint8_t* a, const uint8_t* b, const SSubField* fields,
                int16_t keyFieldCount) {
    for (int16_t i = 0; i < keyFieldCount; ++i) {
        const int c = compareFieldValues(a, b, &fields[i]);
        if (c != 0) return c;
    }
    return 0;
}

void copyBit(uint8_t* target, const uint8_t* source, int bitNumber) {
    const uint8_t bit = static_cast<uint8_t>(1u << (bitNumber & 7));
    target[0] = static_cast<uint8_t>((target[0] & ~bit) | (source[0] & bit));
}
