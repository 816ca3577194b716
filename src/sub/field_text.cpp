#include "sub/field_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

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

// A plain decimal integer (no leading zero, at most 12 digits, so below the
// overflow mark of scanInteger) or a lone zero, then only blanks: what
// scanInteger reads from it, in one short loop. False for any other text.
bool readPlainDecimal(const char* text, int64_t* value) {
    const char* p = skipBlanks(text);
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    if (*p == '0') {
        if (p[1] >= '0' && p[1] <= '9') return false;  // octal
        if (p[1] == 'x' || p[1] == 'X') return false;  // hexadecimal
    }
    int64_t acc = 0;
    int digits = 0;
    for (; *p >= '0' && *p <= '9'; ++p, ++digits) {
        if (digits == 12) return false;
        acc = acc * 10 + (*p - '0');
    }
    if (digits == 0 || !onlyBlanksLeft(p)) return false;
    *value = negative ? -acc : acc;
    return true;
}

// Exactly one integer and nothing but blanks after it.
bool readWholeInteger(const char* text, int64_t lo, int64_t hi, int64_t* value, bool* outOfRange) {
    bool overflow = false;
    *outOfRange = false;
    if (readPlainDecimal(text, value)) {
        *outOfRange = *value < lo || *value > hi;
        return !*outOfRange;
    }
    const char* p = text;
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

inline int16_t i16At(const uint8_t* p) {
    return ByteReader(p, 2).i16le();
}
inline int32_t i32At(const uint8_t* p) {
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

// The name of an enumeration value; null when it has none.
const char* enumName(uint32_t value, const char* const* names, int32_t count) {
    if (names != nullptr && value < static_cast<uint32_t>(count > 0 ? count : 0) &&
        names[value] != nullptr && names[value][0] != '\0')
        return names[value];
    return nullptr;
}

// The text cut to size - 1 characters; -1 without room.
int emit(char* out, int size, const char* text) {
    if (out == nullptr || size <= 0) return -1;
    int n = static_cast<int>(strnlen(text, static_cast<size_t>(size - 1)));
    std::memcpy(out, text, static_cast<size_t>(n));
    out[n] = '\0';
    return n;
}

// The helpers of the line writer below are forced inline: a record line
// makes a few calls of each per field, and the calls cost more than the work.

// A decimal integer of at least width characters, as printf's "%*d" (blanks
// before the sign) or, with zeroPad, "%0*d" (zeros after the sign) writes it;
// the number of characters. out must hold max(width, 21) characters.
[[gnu::always_inline]] inline int putDecimal(char* out, int64_t value, int width, bool zeroPad) {
    if (value >= 0 && value < 100 && width <= 2) {  // most values of dates, times and bits
        const bool twoDigits = value >= 10 || (width == 2 && zeroPad);
        if (width == 2 && !twoDigits) *out++ = ' ';
        if (twoDigits) *out++ = char('0' + value / 10);
        *out = char('0' + value % 10);
        return width == 2 || twoDigits ? 2 : 1;
    }
    if (width <= 0) return int(std::to_chars(out, out + 24, value).ptr - out);
    char digits[24];
    const size_t body = size_t(std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
    const size_t fill = size_t(width) > body ? size_t(width) - body : 0;
    const size_t sign = zeroPad && value < 0 ? 1 : 0;  // zeros go after the sign
    std::memcpy(out, digits, sign);
    std::memset(out + sign, zeroPad ? '0' : ' ', fill);
    std::memcpy(out + sign + fill, digits + sign, body - sign);
    return int(body + fill);
}

// Blanks over the first n characters of line, which holds kLineWorkSize:
// in moves of 32 (over-running n within the line) rather than a library
// call, which costs more than the move itself at the length of a line.
void fillBlanks(char* line, int n) {
    static const char kBlanks[32] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                     ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                     ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    if (n + 32 > kLineWorkSize) {
        std::memset(line, ' ', size_t(n));
        return;
    }
    for (int i = 0; i < n; i += 32) std::memcpy(line + i, kBlanks, 32);
}

// Copies the few characters a column holds in fixed-size moves, not a
// library call each.
[[gnu::always_inline]] inline void copyShort(char* out, const char* in, size_t n) {
    if (n > 16) {
        std::memcpy(out, in, n);
    } else if (n >= 8) {  // two moves of 8 that may overlap
        std::memcpy(out, in, 8);
        std::memcpy(out + n - 8, in + n - 8, 8);
    } else if (n >= 4) {
        std::memcpy(out, in, 4);
        std::memcpy(out + n - 4, in + n - 4, 4);
    } else {
        for (size_t i = 0; i < n; ++i) out[i] = in[i];
    }
}

int emitText(char* out, int size, const char* text, int length) {
    if (out == nullptr || size <= 0) return -1;
    const int n = length < size - 1 ? length : size - 1;
    std::memcpy(out, text, size_t(n));
    out[n] = '\0';
    return n;
}

int emitInt(char* out, int size, int32_t value, int width = 0) {
    char text[32];
    return emitText(out, size, text, putDecimal(text, value, width, false));
}

// day.month.year as "%02d.%02d.%02d" of the day, the month and the year's last two digits.
int dateText(char* out, int32_t dayNumber) {
    int32_t year = 0;
    uint8_t month = 0, day = 0;
    dateOfDayNumber(&year, &month, &day, static_cast<uint32_t>(dayNumber));
    char* p = out + putDecimal(out, day, 2, true);
    *p++ = '.';
    p += putDecimal(p, month, 2, true);
    *p++ = '.';
    return int(p + putDecimal(p, year % 100, 2, true) - out);
}

// hours:minutes:seconds as "%02d:%02d:%02d"; hours may be negative or above 23.
int timeText(char* out, int32_t seconds) {
    int32_t hours = 0;
    uint8_t minutes = 0, secs = 0;
    splitSeconds(&seconds, &hours, &minutes, &secs);
    char* p = out + putDecimal(out, hours, 2, true);
    *p++ = ':';
    p += putDecimal(p, minutes, 2, true);
    *p++ = ':';
    return int(p + putDecimal(p, secs, 2, true) - out);
}

// A value without a name: its number and three question marks, in brackets.
int unnamedText(char* out, uint32_t value) {
    char* p = out;
    *p++ = '(';
    p += putDecimal(p, value, 0, false);
    std::memcpy(p,
                " ??"
                "?)",
                5);
    return int(p + 5 - out);
}

int doubleText(char* out, int size, double value) {
    const auto result = std::to_chars(out, out + size, value, std::chars_format::fixed, 2);
    return int(result.ptr - out);
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

// At position > 0 the separator and the padded text after it, else the
// padded text at the start of the line; the number of characters written.
// The text holds length characters; the column is cut where the line of
// capacity characters (with its terminator) ends.
int putColumn(char* line, int capacity, int16_t position, int16_t width, const char* text,
              int length, Align align, char separator) {
    if (line == nullptr || capacity <= 0) return -1;
    const int at = position > 0 ? position : 0;
    if (at >= capacity) return 0;
    int room = capacity - 1 - at;
    char* out = line + at;
    if (position > 0 && room > 0) {
        *out++ = separator;
        --room;
    }
    int w = width < kLineWorkSize ? width : kLineWorkSize;
    if (w < 0) w = 0;
    const int len = length < w ? length : w;
    int lead = 0;
    if (align == Align::Right) lead = w - len;
    if (align == Align::Centre) lead = (w - len) / 2;
    const int parts[3] = {lead, len, w - lead - len};
    for (int i = 0; i < 3 && room > 0; ++i) {
        const int k = parts[i] < room ? parts[i] : room;
        if (i == 1)
            std::memcpy(out, text, size_t(k));
        else
            std::memset(out, ' ', size_t(k));
        out += k;
        room -= k;
    }
    *out = '\0';
    return int(out - (line + at));
}

int appendColumn(char* line, int capacity, int16_t position, int16_t width, const char* text,
                 Align align) {
    const int length = width > 0 ? int(strnlen(text, size_t(width))) : 0;
    return putColumn(line, capacity, position, width, text, length, align, columnSeparator);
}

// Text form of one field of a record image, at most kLineWorkSize - 1
// characters: its length, and where it is (in scratch, which holds
// kValueTextSize characters, or in the record or the enumeration names).
[[gnu::always_inline]] inline int valueText(const SSubField& f, const uint8_t* record,
                                            char* scratch, const char** text) {
    const uint8_t* p = record + f.offset;
    *text = scratch;
    switch (f.type) {
        case ftByte:  // "%3d"
            scratch[0] = p[0] >= 100 ? char('0' + p[0] / 100) : ' ';
            scratch[1] = p[0] >= 10 ? char('0' + p[0] / 10 % 10) : ' ';
            scratch[2] = char('0' + p[0] % 10);
            return 3;
        case ftShort:
            return putDecimal(scratch, i16At(p), 0, false);
        case ftLong:
            return putDecimal(scratch, i32At(p), 0, false);
        case ftDate:
            return dateText(scratch, i32At(p));
        case ftTime:
            return timeText(scratch, i32At(p));
        case ftFloat:
            return doubleText(scratch, kValueTextSize - 1, static_cast<double>(floatAt(p)));
        case ftDouble:
            return doubleText(scratch, kValueTextSize - 1, doubleAt(p));
        case ftString: {
            const int limit = f.size < kLineWorkSize - 1 ? f.size : kLineWorkSize - 1;
            *text = reinterpret_cast<const char*>(p);
            return limit > 0 ? int(strnlen(*text, size_t(limit))) : 0;
        }
        case ftBit:
            return putDecimal(scratch, (p[0] >> (f.bitNumber & 7)) & 1, 0, false);
        case ftEnum:
        case ftEnum8: {
            const uint32_t value = f.type == ftEnum ? enumValueAt(p, f.size) : p[0];
            const char* name = enumName(value, f.enumNames, f.enumCount);
            if (name == nullptr) return unnamedText(scratch, value);
            *text = name;
            return int(strnlen(name, kLineWorkSize - 1));
        }
    }
    return 0;
}

int formatFieldValue(const SSubField& f, const uint8_t* record, char* out, int size) {
    char scratch[kValueTextSize];
    const char* text = nullptr;
    const int length = valueText(f, record, scratch, &text);
    return emitText(out, size, text, length);
}

bool isFieldNumber(int16_t count, int16_t field) {
    return field >= 1 && field <= count;
}

// The first place of c in [p, end), or end. Values are short, so eight
// bytes are tested at a time in a word rather than through a library call.
char* findByte(char* p, char* end, char c) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    constexpr uint64_t kOnes = 0x0101010101010101ull;
    constexpr uint64_t kHighs = 0x8080808080808080ull;
    const uint64_t pattern = kOnes * static_cast<unsigned char>(c);
    for (; end - p >= 8; p += 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        word ^= pattern;  // a zero byte where c is
        const uint64_t zero = (word - kOnes) & ~word & kHighs;
        if (zero != 0) return p + (__builtin_ctzll(zero) >> 3);  // the lowest one is exact
    }
#endif
    while (p < end && *p != c) ++p;
    return p;
}

// The values of a line split at any of the separators (runs count as one),
// each cut out in place with its blanks around it removed.
class Tokens {
public:
    Tokens(char* line, size_t length, const char* separators)
        : cursor_(line),
          end_(line + length),
          separators_(separators),
          single_(separators[0] != '\0' && separators[1] == '\0') {}

    char* next() {
        while (cursor_ < end_ && isSeparator(*cursor_)) ++cursor_;
        if (cursor_ == end_) return nullptr;
        char* token = cursor_;
        char* end = end_;
        if (single_) {
            end = findByte(cursor_, end_, separators_[0]);
        } else {
            end = token + std::strcspn(token, separators_);
        }
        cursor_ = end < end_ ? end + 1 : end;
        token = skipBlankRun(token, end);
        while (end > token && isBlank(static_cast<unsigned char>(end[-1]))) --end;
        *end = '\0';
        return token;
    }

private:
    bool isSeparator(char c) const {
        if (single_) return c == separators_[0];
        return std::strchr(separators_, c) != nullptr;
    }
    // Past the blanks from p on, before end; runs of spaces eight at a time.
    static char* skipBlankRun(char* p, const char* end) {
        static const char kSpaces[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
        while (end - p >= 8 && std::memcmp(p, kSpaces, 8) == 0) p += 8;
        while (p < end && isBlank(static_cast<unsigned char>(*p))) ++p;
        return p;
    }
    char* cursor_;
    char* end_;
    const char* separators_;
    bool single_;
};

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
    // The first kStringValueLimit characters, without blanks around them.
    const char* trimmed = skipBlanks(text);
    const char* end = text + strnlen(text, kStringValueLimit);
    if (trimmed > end) trimmed = end;
    while (end > trimmed && isBlank(static_cast<unsigned char>(end[-1]))) --end;
    const size_t len = size_t(end - trimmed);
    if (capacity < 1) return 1;
    if (len > static_cast<size_t>(capacity - 1)) {
        target[0] = '\0';  // a value that does not fit empties the field
        return 1;
    }
    std::memcpy(target, trimmed, len);
    target[len] = '\0';
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
    // Names whose first two characters differ are passed over without a call.
    const unsigned char c0 = upperAscii(static_cast<unsigned char>(text[0]));
    const unsigned char c1 = c0 != 0 ? upperAscii(static_cast<unsigned char>(text[1])) : 0;
    for (int32_t i = 0; names != nullptr && i < count; ++i) {
        const char* name = names[i];
        if (name == nullptr || name[0] == '\0') continue;
        if (upperAscii(static_cast<unsigned char>(name[0])) != c0 ||
            upperAscii(static_cast<unsigned char>(name[1])) != c1)
            continue;
        if (namesEqual(name, text)) {
            *value = i;
            return 0;
        }
    }
    return -1;
}

namespace {

// The first value whose name the index holds equal to the text, ignoring
// the case of a..z; -1 when none.
int findIndexedName(int32_t* value, const char* text, const SEnumIndex& index) {
    const size_t length = strnlen(text, index.longest + 1);
    if (length > index.longest) return -1;
    char upper[kEnumWordLimit + 2];
    std::string big;
    char* key = upper;
    if (length >= sizeof upper) {
        big.resize(length);
        key = &big[0];
    }
    for (size_t i = 0; i < length; ++i)
        key[i] = char(upperAscii(static_cast<unsigned char>(text[i])));
    const std::string_view wanted(key, length);
    const auto& names = index.names;
    const auto at =
        std::lower_bound(names.begin(), names.end(), wanted,
                         [](const std::pair<std::string, int32_t>& e, std::string_view w) {
                             return std::string_view(e.first) < w;
                         });
    if (at == names.end() || std::string_view(at->first) != wanted) return -1;
    *value = at->second;
    return 0;
}

}  // namespace

std::unique_ptr<SEnumIndex> buildEnumIndex(const char* const* names, int32_t count) {
    auto index = std::make_unique<SEnumIndex>();
    for (int32_t i = 0; names != nullptr && i < count; ++i) {
        if (names[i] == nullptr || names[i][0] == '\0') continue;
        std::string upper(names[i]);
        for (char& c : upper) c = char(upperAscii(static_cast<unsigned char>(c)));
        if (upper.size() > index->longest) index->longest = upper.size();
        index->names.emplace_back(std::move(upper), i);
    }
    // Sorted by name, a name given twice keeping its first value.
    std::stable_sort(index->names.begin(), index->names.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    index->names.erase(std::unique(index->names.begin(), index->names.end(),
                                   [](const auto& a, const auto& b) { return a.first == b.first; }),
                       index->names.end());
    return index;
}

int parseEnumFieldIndexed(uint8_t* target, int16_t size, const char* const* names, int32_t count,
                          const SEnumIndex* index, const char* text) {
    // exactly one word of at most 99 characters
    const char* p = skipBlanks(text);
    const char* start = p;
    while (*p != '\0' && !isBlank(static_cast<unsigned char>(*p))) ++p;
    const size_t length = static_cast<size_t>(p - start);
    if (length == 0 || length > kEnumWordLimit || !onlyBlanksLeft(p)) return -1;
    int32_t value = 0;
    if (start[0] >= '0' && start[0] <= '9') {
        char word[kEnumWordLimit + 1];
        std::memcpy(word, start, length);
        word[length] = '\0';
        if (parseIntValue(&value, word) != 0) return -2;
        if (value < 0 || value >= count || names == nullptr || names[value] == nullptr ||
            names[value][0] == '\0')
            return -3;
    } else if ((index != nullptr ? findIndexedName(&value, text, *index)
                                 : findEnumName(&value, text, names, count)) != 0) {
        return -4;  // the whole text is compared, so surrounding blanks fail
    }
    putLe(target, size, static_cast<uint32_t>(value));
    return 0;
}

int parseEnumField(uint8_t* target, int16_t size, const char* const* names, int32_t count,
                   const char* text) {
    return parseEnumFieldIndexed(target, size, names, count, nullptr, text);
}

int parseEnum8Field(uint8_t* target, int16_t size, const char* const* names, int32_t count,
                    const char* text) {
    return parseEnumField(target, size, names, count, text);
}

// ---- writers

int formatByteField(char* out, int size, uint8_t value) {
    return emitInt(out, size, value, 3);
}
int formatShortField(char* out, int size, int16_t value) {
    return emitInt(out, size, value);
}
int formatLongField(char* out, int size, int32_t value) {
    return emitInt(out, size, value);
}

int formatDateField(char* out, int size, int32_t dayNumber) {
    char text[48];
    return emitText(out, size, text, dateText(text, dayNumber));
}

int formatTimeField(char* out, int size, int32_t seconds) {
    char text[48];
    return emitText(out, size, text, timeText(text, seconds));
}

int formatDoubleField(char* out, int size, double value) {
    char text[kValueTextSize];
    return emitText(out, size, text, doubleText(text, kValueTextSize - 1, value));
}

int formatFloatField(char* out, int size, float value) {
    return formatDoubleField(out, size, static_cast<double>(value));
}

int formatStringField(char* out, int size, const uint8_t* value, int16_t capacity) {
    const int limit = capacity < kLineWorkSize - 1 ? capacity : kLineWorkSize - 1;
    const char* text = reinterpret_cast<const char*>(value);
    return emitText(out, size, text, limit > 0 ? int(strnlen(text, size_t(limit))) : 0);
}

int formatBitField(char* out, int size, uint8_t byte, uint8_t bitNumber) {
    return emitInt(out, size, (byte >> (bitNumber & 7)) & 1);
}

int formatEnumField(char* out, int size, uint32_t value, const char* const* names, int32_t count) {
    const char* name = enumName(value, names, count);
    if (name != nullptr) return emit(out, size, name);
    char text[32];
    return emitText(out, size, text, unnamedText(text, value));
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

// Builds a line of columns joined by the separator into line, which holds
// kLineWorkSize characters; textOf gives each field's text (its length,
// where it is, how it is aligned). The length of the line.
template <typename TextOf>
int buildLine(const SSubField* fields, int16_t count, char* line, char separator, TextOf textOf) {
    // The length of the line when no column is cut; a separator goes before
    // every column that starts after the first character.
    int full = 0;
    bool whole = true;
    for (int16_t i = 0; i < count && whole; ++i) {
        const int width = fields[i].displayWidth;
        full += (full > 0 ? 1 : 0) + width;
        whole = width >= 0 && full < kLineWorkSize;
    }
    int length = 0;
    if (whole) {  // blanks first, then each text in its place over them
        fillBlanks(line, full);
        line[full] = '\0';
    } else {
        line[0] = '\0';
    }
    for (int16_t i = 0; i < count; ++i) {
        char scratch[kValueTextSize];
        const char* text = scratch;
        Align align = Align::Centre;
        const int n = textOf(fields[i], scratch, &text, &align);
        const int width = fields[i].displayWidth;
        if (!whole) {  // a column cut at the end of the line, or after it
            length += putColumn(line, kLineWorkSize, static_cast<int16_t>(length), width, text, n,
                                align, separator);
            continue;
        }
        if (length > 0) line[length++] = separator;
        const int len = n < width ? n : width;
        int lead = 0;
        if (align == Align::Right) lead = width - len;
        if (align == Align::Centre) lead = (width - len) / 2;
        copyShort(line + length + lead, text, size_t(len));
        length += width;
    }
    return length;
}

int recordTextIn(const SSubField& f, const uint8_t* record, char* scratch, const char** text,
                 Align* align) {
    *align = alignmentOf(f.type);
    return valueText(f, record, scratch, text);
}

int headerTextIn(const SSubField& f, char*, const char** text, Align* align) {
    *align = Align::Centre;
    *text = f.name;
    return int(strnlen(f.name, kLineWorkSize - 1));
}

}  // namespace

int recordLineOf(const SSubField* fields, int16_t count, char* line, char separator,
                 const uint8_t* record) {
    return buildLine(fields, count, line, separator,
                     [record](const SSubField& f, char* scratch, const char** text, Align* align) {
                         return recordTextIn(f, record, scratch, text, align);
                     });
}

int recordTextOf(const SSubField* fields, int16_t count, char* buffer, int size, char separator,
                 const uint8_t* record) {
    if (buffer == nullptr || size <= 0) return -1;
    char line[kLineWorkSize];
    recordLineOf(fields, count, line, separator, record);
    emit(buffer, size, line);
    return 0;
}

int headerTextOf(const SSubField* fields, int16_t count, char* buffer, int size, char separator) {
    if (buffer == nullptr || size <= 0) return -1;
    char line[kLineWorkSize];
    buildLine(fields, count, line, separator, headerTextIn);
    emit(buffer, size, line);
    return 0;
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
        case ftEnum8:
            return parseEnumFieldIndexed(p, f.size, f.enumNames, f.enumCount, f.enumIndex, text);
    }
    return -3;
}

int recordFromLineOf(const SSubField* fields, int16_t count, void* record, char* line,
                     size_t length, const char* separators) {
    Tokens tokens(line, length, separators);
    for (int16_t i = 1; i <= count; ++i) {
        char* value = tokens.next();
        if (value == nullptr) return -2;
        if (fieldFromTextOf(fields, count, i, record, value) != 0) return -3;
    }
    return tokens.next() != nullptr ? -4 : 0;
}

int recordFromTextOf(const SSubField* fields, int16_t count, void* record, const char* line,
                     const char* separators) {
    if (line == nullptr || separators == nullptr || record == nullptr) return -1;
    char work[kLineWorkSize];
    const size_t length = strnlen(line, kLineWorkSize - 1);  // cut at the work area
    std::memcpy(work, line, length);
    work[length] = '\0';
    return recordFromLineOf(fields, count, record, work, length, separators);
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
