#include "sub/field_text.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "sub/value_order.h"
#include "utils/bytes.h"
#include "utils/dates.h"

namespace {

char columnSeparator = ',';

// Words of eight characters are tested at once where the first character
// sits in the lowest byte.
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr bool kWordsInOrder = true;
#else
constexpr bool kWordsInOrder = false;
#endif
constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighs = 0x8080808080808080ull;

inline bool isDigit(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}

// ' ', and '\t' '\n' '\v' '\f' '\r', which stand together in the code table.
bool isBlank(unsigned char c) {
    return c == ' ' || static_cast<unsigned char>(c - '\t') <= '\r' - '\t';
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

// The sizes values have are written byte by byte, which the compiler makes
// one move; other sizes get the low four bytes, then zeros.
[[gnu::always_inline]] inline void putLe(uint8_t* target, int size, uint32_t value) {
    switch (size) {
        case 1:
            target[0] = uint8_t(value);
            return;
        case 2:
            target[0] = uint8_t(value);
            target[1] = uint8_t(value >> 8);
            return;
        case 4:
            target[0] = uint8_t(value);
            target[1] = uint8_t(value >> 8);
            target[2] = uint8_t(value >> 16);
            target[3] = uint8_t(value >> 24);
            return;
        default:
            for (int i = 0; i < size; ++i)
                target[i] = i < 4 ? static_cast<uint8_t>(value >> (8 * i)) : 0;
    }
}

// Sets or clears one bit of the byte at target, without a branch: the bits
// of a column of records take either value.
inline void putBit(uint8_t* target, int bitNumber, bool on) {
    const uint8_t bit = static_cast<uint8_t>(1u << (bitNumber & 7));
    const uint8_t set = static_cast<uint8_t>(0u - unsigned(on));
    target[0] = static_cast<uint8_t>((target[0] & ~bit) | (bit & set));
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

// Names of enumeration values are found by a hash of their upper case
// (a..z only), taken in words of eight characters (the last one filled with
// zeros), so that a name read from a line is hashed a word at a time.
constexpr uint64_t kHashFactor = 0x9E3779B97F4A7C15ull;

inline uint64_t hashWord(uint64_t hash, uint64_t word) {
    return (hash ^ word) * kHashFactor;
}

inline uint32_t finishHash(uint64_t hash, size_t length) {
    return uint32_t(((hash ^ length) * kHashFactor) >> 32);
}

// The hash of a name already in upper case.
uint32_t hashOfUpper(const char* upper, size_t length) {
    uint64_t hash = 0;
    for (size_t at = 0; at < length; at += 8) {
        uint64_t word = 0;
        for (size_t i = 0; i < 8 && at + i < length; ++i)
            word |= uint64_t(static_cast<unsigned char>(upper[at + i])) << (8 * i);
        hash = hashWord(hash, word);
    }
    return finishHash(hash, length);
}

// The value of the name of length characters in upper case whose hash is
// given; false when the index holds no such name.
bool lookUpName(const SEnumIndex& index, const char* upper, size_t length, uint32_t hash,
                int32_t* value) {
    const size_t places = index.places.size();
    if (places == 0) return false;
    for (size_t at = hash & (places - 1);; at = (at + 1) & (places - 1)) {
        const uint32_t place = index.places[at];
        if (place == 0) return false;  // at most half of the places are taken
        const auto& entry = index.names[place - 1];
        if (entry.first.size() == length && std::memcmp(entry.first.data(), upper, length) == 0) {
            *value = entry.second;
            return true;
        }
    }
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

namespace {

// The day number of a date read as day.month.year (a year under 80 in this
// century, one under 100 in the last); -2 for a date that does not exist.
int dayNumberOfParts(int64_t day, int64_t month, int64_t year, int32_t* dayNumber) {
    if (year < 0 || day < 1 || day > 31 || month < 1 || month > 12) return -2;
    if (year < 80)
        year += 2000;
    else if (year < 100)
        year += 1900;
    const int32_t n = dayNumberOf(static_cast<int32_t>(year), static_cast<uint8_t>(month),
                                  static_cast<uint8_t>(day));
    if (n < 1) return -2;
    int32_t y = 0;
    uint8_t m = 0, d = 0;
    dateOfDayNumber(&y, &m, &d, static_cast<uint32_t>(n));
    if (y != year || m != month || d != day) return -2;
    *dayNumber = n;
    return 0;
}

// The seconds of a time read as hours, minutes and seconds; -2 when the
// parts are no time of the day's count (minutes or seconds past 59).
int secondsOfParts(const int64_t part[3], int32_t* seconds) {
    const int32_t value =
        static_cast<int32_t>(part[0] * 3600 + (part[1] & 0xFF) * 60 + (part[2] & 0xFF));
    int32_t h = 0;
    uint8_t m = 0, s = 0;
    splitSeconds(&value, &h, &m, &s);
    if (h != part[0] || m != part[1] || s != part[2]) return -2;
    *seconds = value;
    return 0;
}

}  // namespace

int parseDateField(uint8_t* target, const char* text) {
    // day.month.year: two, two and four digits at most
    const char* p = text;
    int64_t day = 0, month = 0, year = 0;
    bool overflow = false;
    if (!scanInteger(p, false, 2, &day, &overflow) || *p++ != '.' ||
        !scanInteger(p, false, 2, &month, &overflow) || *p++ != '.' ||
        !scanInteger(p, false, 4, &year, &overflow) || !onlyBlanksLeft(p))
        return -1;
    int32_t dayNumber = 0;
    if (dayNumberOfParts(day, month, year, &dayNumber) != 0) return -2;
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
    int32_t value = 0;
    if (secondsOfParts(part, &value) != 0) return -2;
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
    putBit(target, bitNumber, v != 0);
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

constexpr size_t kSpellingLimit = 32;  // names shorter than this are spelt out in the index

// The hash of the first 24 bytes of a name, as three words, under a factor.
uint64_t wordsHash(uint64_t first, uint64_t second, uint64_t third, uint64_t factor) {
    return ((first * factor) ^ (second + third)) * factor >> 32;
}

// The hash of a spelling from its first 24 bytes and its length.
uint64_t spellingHash(uint64_t first, uint64_t second, uint64_t third, uint32_t length) {
    return wordsHash(first, second, third + length, kHashFactor);
}

uint64_t spellingHash(const uint8_t* bytes, uint32_t length) {
    uint64_t words[3];
    std::memcpy(words, bytes, sizeof words);
    return spellingHash(words[0], words[1], words[2], length);
}

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
    return lookUpName(index, key, length, hashOfUpper(key, length), value) ? 0 : -1;
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
    size_t places = 2;
    while (places < 2 * index->names.size()) places *= 2;
    index->places.assign(places, 0);
    for (size_t i = 0; i < index->names.size(); ++i) {
        const std::string& name = index->names[i].first;
        size_t at = hashOfUpper(name.data(), name.size()) & (places - 1);
        while (index->places[at] != 0) at = (at + 1) & (places - 1);
        index->places[at] = uint32_t(i + 1);
    }
    std::vector<SEnumIndex::SSpelling> spellings;
    for (int32_t i = 0; names != nullptr && i < count; ++i) {
        const char* name = names[i];
        if (name == nullptr) continue;
        const size_t length = strnlen(name, kSpellingLimit);
        if (length == 0 || length >= kSpellingLimit || isDigit(name[0])) continue;
        if (std::any_of(name, name + length,
                        [](char c) { return static_cast<unsigned char>(c) <= ' '; }))
            continue;
        SEnumIndex::SSpelling s;
        if (std::memchr(name, '/', length) != nullptr ||
            std::memchr(name, ':', length) != nullptr || std::memchr(name, ',', length) != nullptr)
            index->marksInSpellings = true;
        std::memcpy(s.bytes, name, length);
        s.length = uint32_t(length);
        if (findIndexedName(&s.value, name, *index) != 0) continue;
        spellings.push_back(s);
    }
    places = 2;
    while (places < 2 * spellings.size()) places *= 2;
    index->spellings.assign(places, SEnumIndex::SSpelling{});
    for (const SEnumIndex::SSpelling& s : spellings) {
        size_t at = spellingHash(s.bytes, s.length) & (places - 1);
        while (index->spellings[at].length != 0) {
            const SEnumIndex::SSpelling& o = index->spellings[at];
            if (o.length == s.length && std::memcmp(o.bytes, s.bytes, sizeof s.bytes) == 0)
                break;  // named twice
            at = (at + 1) & (places - 1);
        }
        if (index->spellings[at].length == 0) index->spellings[at] = s;
    }
    return index;
}

namespace {

constexpr int kColumnNameTries = 64;  // factors tried, the places doubled after every 16

// Whether the names go to places of their own under the factor; they are put there if so.
bool placeColumnNames(const std::vector<SEnumIndex::SColumnName>& names, uint64_t factor,
                      std::vector<SEnumIndex::SColumnName>* places) {
    const size_t mask = places->size() - 1;
    std::fill(places->begin(), places->end(), SEnumIndex::SColumnName{});
    for (const SEnumIndex::SColumnName& n : names) {
        uint64_t words[3];
        std::memcpy(words, n.bytes, sizeof words);
        SEnumIndex::SColumnName& place =
            (*places)[wordsHash(words[0], words[1], words[2], factor) & mask];
        if (place.used != 0) return false;
        place = n;
    }
    return true;
}

}  // namespace

const SEnumIndex::SColumnNames* columnNamesOf(const SEnumIndex& index, int width) {
    if (width < 1 || width > 32) return nullptr;
    if (index.columns.size() <= size_t(width)) index.columns.resize(size_t(width) + 1);
    std::unique_ptr<SEnumIndex::SColumnNames>& known = index.columns[size_t(width)];
    if (known) return known->places.empty() ? nullptr : known.get();
    auto column = std::make_unique<SEnumIndex::SColumnNames>();
    column->width = width;
    std::memset(column->kept, 0xFF, size_t(width));
    std::vector<SEnumIndex::SColumnName> names;
    for (const SEnumIndex::SSpelling& s : index.spellings) {
        if (s.length == 0 || s.length > uint32_t(width)) continue;
        SEnumIndex::SColumnName n;
        std::memcpy(n.bytes, s.bytes, s.length);
        std::memset(n.bytes + s.length, ' ', size_t(width) - s.length);
        n.value = s.value;
        n.used = 1;
        names.push_back(n);
    }
    // A factor under which every name has a place of its own, so that a
    // column is looked up in one place: without a search whose length varies
    // from name to name. Names alike in their first 24 bytes share a place
    // under every factor: the column then has no table (the search by
    // spelling reads it).
    size_t places = 2;
    while (places < 2 * names.size()) places *= 2;
    uint64_t factor = kHashFactor;
    bool placed = false;
    for (int tries = 1; tries <= kColumnNameTries && !placed; ++tries) {
        column->places.assign(places, SEnumIndex::SColumnName{});
        placed = placeColumnNames(names, factor, &column->places);
        factor = placed ? factor : (factor + kHashFactor) * 0xBF58476D1CE4E5B9ull | 1;
        if (tries % 16 == 0) places *= 2;
    }
    column->factor = factor;
    column->mask = column->places.size() - 1;
    if (!placed) column->places.clear();
    known = std::move(column);
    return known->places.empty() ? nullptr : known.get();
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

namespace {

// "00".."99": a pair of digits at a time.
constexpr char kDigitPairs[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546"
    "474849"
    "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293949596"
    "979899";

// "%3d" of every byte, four characters apart.
struct SByteTexts {
    char text[256][4];
};

constexpr SByteTexts byteTexts() {
    SByteTexts t{};
    for (unsigned v = 0; v < 256; ++v) {
        t.text[v][0] = v >= 100 ? char('0' + v / 100) : ' ';
        t.text[v][1] = v >= 10 ? char('0' + v / 10 % 10) : ' ';
        t.text[v][2] = char('0' + v % 10);
    }
    return t;
}

constexpr SByteTexts kByteTexts = byteTexts();

// 10^n for n = 0..9.
constexpr uint32_t kPowersOf10[] = {1,      10,      100,      1000,      10000,
                                    100000, 1000000, 10000000, 100000000, 1000000000};

// The decimal text of value, as putDecimal(value, 0) writes it, ending at
// the end of a column of width characters (right-aligned over blanks).
// False, with nothing written, when the text is longer than the column.
[[gnu::always_inline]] inline bool putRightAligned(char* column, int width, int64_t value) {
    const bool negative = value < 0;
    uint32_t v = negative ? uint32_t(0 - uint64_t(value)) : uint32_t(value);
    const int room = width - int(negative);  // for the digits
    if (room < 10 && (room < 1 || v >= kPowersOf10[room])) return false;
    char* p = column + width;
    for (; v >= 100; v /= 100) {
        p -= 2;
        std::memcpy(p, kDigitPairs + 2 * (v % 100), 2);
    }
    if (v >= 10) {
        p -= 2;
        std::memcpy(p, kDigitPairs + 2 * v, 2);
    } else {
        *--p = char('0' + v);
    }
    if (negative) *--p = '-';
    return true;
}

// "%.2f" of value as doubleText() writes it, for magnitudes below 10^7
// whose hundredths are not within 2^-20 of a half (there one rounding of the
// product cannot tell the way the exact value rounds): its length. 0 for
// any other value, which doubleText() writes.
int fixedTwoText(char* out, double value) {
    const double magnitude = std::fabs(value);
    if (!(magnitude < 1e7)) return 0;             // NaN too
    const double hundredths = magnitude * 100.0;  // within 2^-23 of the exact product
    const double below = std::floor(hundredths);
    const double fraction = hundredths - below;
    if (std::fabs(fraction - 0.5) < 1.0 / (1 << 20)) return 0;
    const uint32_t total = uint32_t(below) + (fraction > 0.5 ? 1u : 0u);
    char* p = out;
    if (std::signbit(value)) *p++ = '-';  // also a negative value shown as zero
    p = std::to_chars(p, p + 12, total / 100).ptr;
    *p++ = '.';
    std::memcpy(p, kDigitPairs + 2 * (total % 100), 2);
    return int(p + 2 - out);
}

// How a column of a planned line is written.
enum : uint8_t {
    kColumnGeneral,  // through valueText(), cut to its width
    kColumnByte,     // "%3d" in a column of at least three
    kColumnShort,
    kColumnLong,
    kColumnBit,
    kColumnEnum,  // the value's name copied from the names, when it has one
    kColumnString,
    kColumnReal,  // a float or double, right-aligned when it fits
};

// Enumerations with more values than this are written by the general writer.
constexpr int32_t kPlannedEnumValues = 1024;

}  // namespace

void planRecordLines(const SSubField* fields, int16_t count, char separator, SLinePlan* plan) {
    // The vectors keep what they hold room for: a plan is made for one table
    // after another.
    plan->separator = separator;
    plan->blank.clear();
    plan->columns.clear();
    plan->nameLengths.clear();
    plan->columns.reserve(size_t(count > 0 ? count : 0));
    int length = 0;
    plan->whole = true;
    for (int16_t i = 0; i < count && plan->whole; ++i) {
        const SSubField& f = fields[i];
        const int width = f.displayWidth;
        if (length > 0) {
            plan->blank.push_back(separator);
            ++length;
        }
        SLineColumn c{};
        c.start = int16_t(length);
        c.width = int16_t(width);
        c.offset = f.offset;
        c.field = i;
        c.bit = uint8_t(f.bitNumber & 7);
        length += width;
        plan->whole = width >= 0 && length < kLineWorkSize;
        if (!plan->whole) break;
        plan->blank.append(size_t(width), ' ');
        switch (f.type) {
            case ftByte:
                c.kind = width >= 3 ? kColumnByte : kColumnGeneral;
                break;
            case ftShort:
                c.kind = kColumnShort;
                break;
            case ftLong:
                c.kind = kColumnLong;
                break;
            case ftBit:
                c.kind = width >= 1 ? kColumnBit : kColumnGeneral;
                break;
            case ftEnum:
            case ftEnum8:
                if (f.enumNames == nullptr || f.enumCount <= 0 || f.enumCount > kPlannedEnumValues)
                    break;
                c.kind = kColumnEnum;
                c.size = f.type == ftEnum ? f.size : 1;
                c.names = uint32_t(plan->nameLengths.size());
                c.count = f.enumCount;
                c.enumNames = f.enumNames;
                for (int32_t v = 0; v < f.enumCount; ++v) {
                    const char* name = enumName(uint32_t(v), f.enumNames, f.enumCount);
                    // 0: no name, written as its number by the general writer
                    plan->nameLengths.push_back(
                        name != nullptr ? uint16_t(strnlen(name, size_t(width))) : 0);
                }
                break;
            case ftString:
                c.kind = kColumnString;
                c.size = f.size < width ? f.size : int16_t(width);  // characters that may show
                break;
            case ftFloat:
            case ftDouble:
                c.kind = kColumnReal;
                break;
        }
        plan->columns.push_back(c);
    }
    plan->length = plan->blank.size();
    plan->blank.append(16 - plan->length % 16, ' ');
}

namespace {

// The general writer of one column: valueText(), cut to the width and aligned.
void putGeneralColumn(const SSubField& f, const uint8_t* record, char* column) {
    char scratch[kValueTextSize];
    const char* text = scratch;
    const int n = valueText(f, record, scratch, &text);
    const int width = f.displayWidth;
    const int len = n < width ? n : width;
    const Align align = alignmentOf(f.type);
    int lead = 0;
    if (align == Align::Right) lead = width - len;
    if (align == Align::Centre) lead = (width - len) / 2;
    copyShort(column + lead, text, size_t(len));
}

}  // namespace

int recordLineByPlan(const SLinePlan& plan, const SSubField* fields, int16_t count, char* line,
                     const uint8_t* record) {
    if (!plan.whole || plan.columns.size() != size_t(count < 0 ? 0 : count))
        return recordLineOf(fields, count, line, plan.separator, record);
    const size_t full = plan.length;
#if defined(__SSE2__)
    if (plan.blank.size() <= size_t(kLineWorkSize)) {  // in whole blocks, which fit the line
        for (size_t at = 0; at < plan.blank.size(); at += 16)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(line + at),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(&plan.blank[at])));
    } else {
        std::memcpy(line, plan.blank.data(), full);
    }
#else
    std::memcpy(line, plan.blank.data(), full);
#endif
    line[full] = '\0';
    for (const SLineColumn& c : plan.columns) {
        const uint8_t* p = record + c.offset;
        char* column = line + c.start;
        switch (c.kind) {
            case kColumnByte:  // three characters, blanks before the digits
                std::memcpy(column + c.width - 3, kByteTexts.text[p[0]], 3);
                continue;
            case kColumnShort:
                if (putRightAligned(column, c.width, i16At(p))) continue;
                break;
            case kColumnLong:
                if (putRightAligned(column, c.width, i32At(p))) continue;
                break;
            case kColumnBit:
                column[c.width - 1] = char('0' + ((p[0] >> c.bit) & 1));
                continue;
            case kColumnEnum: {
                const uint32_t v = c.size == 1 ? p[0] : enumValueAt(p, c.size);
                const uint16_t n = v < uint32_t(c.count) ? plan.nameLengths[c.names + v] : 0;
                if (n == 0) break;
                copyShort(column, c.enumNames[v], n);
                continue;
            }
            case kColumnString: {
                const char* text = reinterpret_cast<const char*>(p);
                copyShort(column, text, c.size > 0 ? strnlen(text, size_t(c.size)) : 0);
                continue;
            }
            case kColumnReal: {
                const SSubField& f = fields[c.field];
                char text[24];
                const int n = fixedTwoText(
                    text, f.type == ftDouble ? doubleAt(p) : static_cast<double>(floatAt(p)));
                if (n == 0 || n > c.width) break;
                copyShort(column + c.width - n, text, size_t(n));
                continue;
            }
            case kColumnGeneral:
                break;
            default:  // the plan gives no other kind
                __builtin_unreachable();
        }
        putGeneralColumn(fields[c.field], record, column);
    }
    return int(full);
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

namespace {

// ---- record lines with one separator, read from a copy

// The line is copied into a work area followed by zeros, so that the
// readers below look at 16 characters at a time from any place in the line
// without running past it. A value whose plain form they do not find is cut
// out of the line itself and read by fieldFromTextOf, as the general
// splitter hands it over.
constexpr size_t kWindow = 16;

// The number written by eight digits (values 0..9, the first in the lowest
// byte): pairs, then quadruples, then the whole, each step one multiplication.
inline uint64_t eightDigits(uint64_t digits) {
    digits = (digits * 10 + (digits >> 8)) & 0x00FF00FF00FF00FFull;
    digits = (digits * 100 + (digits >> 16)) & 0x0000FFFF0000FFFFull;
    return (digits * 10000 + (digits >> 32)) & 0xFFFFFFFFull;
}

// Past the spaces from p on, eight at a time (the zeros after the line stop it).
inline const char* skipSpaces(const char* p) {
    for (;; p += 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        word ^= 0x2020202020202020ull;  // zero bytes where the spaces are
        if (word != 0) return p + (__builtin_ctzll(word) >> 3);
    }
}

#if defined(__SSE2__)
using SeparatorLanes = __m128i;  // the separator in each of 16 lanes

// Which of the 16 characters from p are spaces, digits, and the end of a
// value (the separator, or the zero after the line): bit i for p[i].
struct SWindow {
    uint32_t spaces;
    uint32_t digits;
    uint32_t ends;
};

inline SWindow windowAt(const char* p, __m128i separators) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i digits = _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8('0' - 1)),
                                         _mm_cmplt_epi8(v, _mm_set1_epi8('9' + 1)));
    const __m128i ends =
        _mm_or_si128(_mm_cmpeq_epi8(v, separators), _mm_cmpeq_epi8(v, _mm_setzero_si128()));
    return {uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(' ')))),
            uint32_t(_mm_movemask_epi8(digits)), uint32_t(_mm_movemask_epi8(ends))};
}

// A value that readPlainDecimal takes, within [lo, hi], between spaces and
// ending at the separator or the end of the line, its sign, digits and the
// spaces after them within 16 characters: the value, and where it ends (at
// the separator or the end). False for anything else (octal, hexadecimal, a
// plus sign, other blanks, a value out of range or longer), which the
// general reader takes.
[[gnu::always_inline]] inline bool readPlainColumn(const char* p, SeparatorLanes separators,
                                                   int64_t lo, int64_t hi, int64_t* value,
                                                   size_t* end) {
    const char* const q = skipSpaces(p);
    const SWindow w = windowAt(q, separators);
    const unsigned at = q[0] == '-';
    if (q[at] == '0' && (isDigit(q[at + 1]) || q[at + 1] == 'x' || q[at + 1] == 'X')) return false;
    const unsigned n = unsigned(__builtin_ctz(~(w.digits >> at)));
    if (n == 0 || n > 10) return false;
    unsigned stop = at + n;
    if (((w.ends >> stop) & 1) == 0) {  // spaces, then the end of the value
        stop += unsigned(__builtin_ctz(~(w.spaces >> stop)));
        if (stop >= kWindow || ((w.ends >> stop) & 1) == 0) return false;
    }
    uint64_t word;  // the digits, the first in the lowest byte
    std::memcpy(&word, q + at, 8);
    word &= 0x0F0F0F0F0F0F0F0Full;
    uint64_t acc = eightDigits(n >= 8 ? word : word << (8 * (8 - n)));  // leading zeros
    for (unsigned k = 8; k < n; ++k) acc = acc * 10 + uint64_t(q[at + k] - '0');
    const int64_t v = at != 0 ? -int64_t(acc) : int64_t(acc);
    if (v < lo || v > hi) return false;
    *value = v;
    *end = size_t(q - p) + stop;
    return true;
}

#else
struct SeparatorLanes {};
#endif

// The bytes of a word that end a name: the separator, and those up to ' '
// (blanks, the zeros after the line, other control characters). The lowest
// marked byte is exact.
inline uint64_t wordStops(uint64_t word, uint64_t separators) {
    const uint64_t low = word & ~kHighs;
    const uint64_t controls = ~(low + 0x5F5F5F5F5F5F5F5Full) & ~word & kHighs;  // below '!'
    const uint64_t other = word ^ separators;
    return controls | ((other - kOnes) & ~other & kHighs);
}

// The word with a..z in upper case (bytes above 0x7F stay as they are).
inline uint64_t upperWord(uint64_t word) {
    const uint64_t low = word & ~kHighs;
    const uint64_t fromA = low + 0x1F1F1F1F1F1F1F1Full;  // high bit from 'a' on
    const uint64_t pastZ = low + 0x0505050505050505ull;  // high bit past 'z'
    return word - (((fromA & ~pastZ & ~word) & kHighs) >> 2);
}

// An enumeration name as one word between spaces, found through the index:
// what parseEnumFieldIndexed reads from it, and where the value ends. False
// for a number, a name the index does not hold and anything else the
// general reader is left to judge.
[[gnu::always_inline]] inline bool readEnumColumn(const SEnumIndex& index, const char* p,
                                                  char separator, int32_t* value, size_t* end) {
    const char* q = skipSpaces(p);
    if (isDigit(*q)) return false;
    // The word ends at the separator, a blank, the zero after the line or
    // any other control character (which the check after it refuses); it is
    // taken in upper case eight characters at a time.
    char upper[kEnumWordLimit + 9];
    size_t length = 0;
    uint64_t hash = 0;
    const uint64_t separators = kOnes * static_cast<unsigned char>(separator);
    for (;;) {
        uint64_t word;
        std::memcpy(&word, q, 8);
        const uint64_t stops = wordStops(word, separators);
        const int n = stops == 0 ? 8 : __builtin_ctzll(stops) >> 3;
        if (n == 0) break;
        word = n == 8 ? upperWord(word) : upperWord(word) & ((uint64_t(1) << (8 * n)) - 1);
        if (length + 8 > sizeof upper) return false;  // longer than any word read
        std::memcpy(upper + length, &word, 8);
        hash = hashWord(hash, word);
        length += size_t(n);
        q += n;
        if (n < 8) break;
    }
    if (length == 0 || length > index.longest || length > size_t(kEnumWordLimit)) return false;
    if (*q != separator && *q != '\0') {
        q = skipSpaces(q);
        if (*q != separator && *q != '\0') return false;
    }
    if (!lookUpName(index, upper, length, finishHash(hash, length), value)) return false;
    *end = size_t(q - p);
    return true;
}

// A string value without its blanks around it, when it fits its field:
// what parseStringField stores from it, and where the value ends.
[[gnu::always_inline]] inline bool readStringColumn(uint8_t* target, int16_t capacity,
                                                    const char* p, const char* lineEnd,
                                                    char separator, size_t* end) {
    const char* const valueEnd =
        findByte(const_cast<char*>(p), const_cast<char*>(lineEnd), separator);
    const char* start = p;
    while (start < valueEnd && isBlank(static_cast<unsigned char>(*start))) ++start;
    const char* stop = valueEnd;
    while (stop > start && isBlank(static_cast<unsigned char>(stop[-1]))) --stop;
    const size_t length = size_t(stop - start);
    if (capacity < 1 || length > size_t(capacity - 1) || length >= size_t(kStringValueLimit))
        return false;
    std::memcpy(target, start, length);
    target[length] = '\0';
    *end = size_t(valueEnd - p);
    return true;
}

// One value read from the copy of the line at p, for the types whose plain
// forms are read here; end receives where it ends, counted from p (at the
// separator or the end of the line). False leaves the value to the general
// reader.
[[gnu::always_inline]] inline bool readColumn(const SSubField& f, uint8_t* record, const char* p,
                                              const char* lineEnd, char separator,
                                              [[maybe_unused]] SeparatorLanes separators,
                                              size_t* end) {
    uint8_t* target = record + f.offset;
    int64_t v = 0;
    switch (f.type) {
#if defined(__SSE2__)
        case ftByte:  // negative values down to the short range are taken as their low byte
            if (!readPlainColumn(p, separators, INT16_MIN, 255, &v, end)) return false;
            target[0] = static_cast<uint8_t>(v & 0xFF);
            return true;
        case ftShort:
            if (!readPlainColumn(p, separators, INT16_MIN, INT16_MAX, &v, end)) return false;
            putLe(target, 2, static_cast<uint32_t>(v));
            return true;
        case ftLong:
            if (!readPlainColumn(p, separators, INT32_MIN, INT32_MAX, &v, end)) return false;
            putLe(target, 4, static_cast<uint32_t>(v));
            return true;
        case ftBit: {
            if (!readPlainColumn(p, separators, INT16_MIN, 255, &v, end)) return false;
            putBit(target, f.bitNumber, (v & 0xFF) != 0);
            return true;
        }
#endif
        case ftEnum:
        case ftEnum8: {
            int32_t value = 0;
            if (!kWordsInOrder || f.enumIndex == nullptr ||
                !readEnumColumn(*f.enumIndex, p, separator, &value, end))
                return false;
            putLe(target, f.size, static_cast<uint32_t>(value));
            return true;
        }
        case ftString:
            return readStringColumn(target, f.size, p, lineEnd, separator, end);
        default:
            return false;
    }
}

// recordFromLineOf with one separator that is neither blank nor digit.
int recordFromSeparatedLine(const SSubField* fields, int16_t count, uint8_t* record, char* line,
                            size_t length, char separator) {
    char copy[kLineWorkSize + kWindow];
    std::memcpy(copy, line, length);
    std::memset(copy + length, 0, kWindow);
#if defined(__SSE2__)
    const SeparatorLanes separators = _mm_set1_epi8(separator);
#else
    const SeparatorLanes separators{};
#endif
    size_t at = 0;
    for (int16_t i = 0; i < count; ++i) {
        while (copy[at] == separator) ++at;
        if (at == length) return -2;
        size_t end = 0;
        if (readColumn(fields[i], record, copy + at, copy + length, separator, separators, &end)) {
            at += end;
        } else {  // cut out of the line and read as the general splitter hands it over
            char* const valueEnd = findByte(line + at, line + length, separator);
            char* value = line + at;
            while (value < valueEnd && isBlank(static_cast<unsigned char>(*value))) ++value;
            char* stop = valueEnd;
            while (stop > value && isBlank(static_cast<unsigned char>(stop[-1]))) --stop;
            *stop = '\0';
            at = size_t(valueEnd - line);
            if (fieldFromTextOf(fields, count, int16_t(i + 1), record, value) != 0) return -3;
        }
        if (at < length) ++at;  // past the separator
    }
    while (at < length && copy[at] == separator) ++at;
    return at < length ? -4 : 0;
}

}  // namespace

int recordFromLineOf(const SSubField* fields, int16_t count, void* record, char* line,
                     size_t length, const char* separators) {
    const char separator = separators[0];
    if (separator != '\0' && separators[1] == '\0' && length < size_t(kLineWorkSize) &&
        !isBlank(static_cast<unsigned char>(separator)) && !isDigit(separator))
        return recordFromSeparatedLine(fields, count, static_cast<uint8_t*>(record), line, length,
                                       separator);
    Tokens tokens(line, length, separators);
    for (int16_t i = 1; i <= count; ++i) {
        char* value = tokens.next();
        if (value == nullptr) return -2;
        if (fieldFromTextOf(fields, count, i, record, value) != 0) return -3;
    }
    return tokens.next() != nullptr ? -4 : 0;
}

// ---- record lines in the columns of their table

namespace {

// Whether numbers, bits and strings have planned readers here.
#if defined(__SSE2__)
constexpr bool kPlannedNumbers = true;
#else
constexpr bool kPlannedNumbers = false;
#endif

// How a column of a planned line is read.
enum : uint8_t {
    kReadGeneral,  // cut out and read by fieldFromTextOf
    kReadByte,
    kReadShort,
    kReadLong,
    kReadBit,
    kReadEnum,
    kReadString,
    kReadDate,
    kReadTime,
    kReadFloat,
    kReadDouble,
};

// Numbers of up to three characters, found by their characters in a table
// small enough to stay in the first-level cache: each character has a code
// of four bits (a digit its value, ' ' 10, '-' 11, anything else 12), and
// the three codes side by side give the place of the value the characters
// hold as the writer puts them (spaces, an optional minus, digits without a
// leading zero), or kNotNarrow.
constexpr int kNarrowPlaces = 16 * 16 * 16;
constexpr int16_t kNotNarrow = INT16_MIN;

struct SNarrowNumbers {
    uint8_t codes[256] = {};
    int16_t values[kNarrowPlaces] = {};
};

constexpr SNarrowNumbers makeNarrowNumbers() {
    SNarrowNumbers t{};
    for (int c = 0; c < 256; ++c)
        t.codes[c] = uint8_t(c >= '0' && c <= '9' ? c - '0' : c == ' ' ? 10 : c == '-' ? 11 : 12);
    for (int place = 0; place < kNarrowPlaces; ++place) {
        const int codes[3] = {place >> 8, (place >> 4) & 15, place & 15};
        int at = 0;
        while (at < 3 && codes[at] == 10) ++at;
        const bool negative = at < 3 && codes[at] == 11;
        if (negative) ++at;
        const int first = at;
        int value = 0;
        while (at < 3 && codes[at] <= 9) value = value * 10 + codes[at++];
        const int digits = at - first;
        const bool ok = at == 3 && digits > 0 && !(digits > 1 && codes[first] == 0);
        t.values[place] = ok ? int16_t(negative ? -value : value) : kNotNarrow;
    }
    return t;
}

constexpr SNarrowNumbers kNarrowNumbers = makeNarrowNumbers();

// The number the last three characters before e hold (with spaces in
// place of those before the column when it is narrower); false when they
// hold anything else.
[[gnu::always_inline]] inline bool readNarrow(const char* e, uint32_t kept, int64_t* value) {
    uint32_t word;  // the last four characters, the last one in the highest byte
    std::memcpy(&word, e - 4, 4);
    word = (word & kept) | (0x20202020u & ~kept);
    const uint8_t* codes = kNarrowNumbers.codes;
    const int place =
        (codes[(word >> 8) & 0xFF] << 8) | (codes[(word >> 16) & 0xFF] << 4) | codes[word >> 24];
    const int number = kNarrowNumbers.values[place];
    if (number == kNotNarrow) return false;
    *value = number;
    return true;
}

// Masks of a window of 16 characters for a count k of characters at its
// end: last, the last k places; before, the place before them; leading,
// the first of them when it is one of several; digits, the last k bytes of
// the window's last eight (k up to 8).
struct SWindowMasks {
    uint32_t last;
    uint32_t before;
    uint32_t leading;
    uint64_t digits;
};

constexpr SWindowMasks windowMasks(int k) {
    return {(0xFFFF0000u >> k) & 0xFFFFu, k < 16 ? (1u << (15 - k)) : 0u,
            k > 1 ? (1u << (16 - k)) : 0u,
            k == 0   ? 0
            : k >= 8 ? ~uint64_t(0)
                     : ~uint64_t(0) << (64 - 8 * k)};
}

constexpr SWindowMasks kWindowMasks[17] = {
    windowMasks(0),  windowMasks(1),  windowMasks(2),  windowMasks(3),  windowMasks(4),
    windowMasks(5),  windowMasks(6),  windowMasks(7),  windowMasks(8),  windowMasks(9),
    windowMasks(10), windowMasks(11), windowMasks(12), windowMasks(13), windowMasks(14),
    windowMasks(15), windowMasks(16)};

// What the width of a number's column makes of the window of 16 characters
// that ends with it, looked up rather than worked out for every value.
struct SNumberColumn {
    uint32_t places;   // the column's places (bit 15 its last); all 16 when it is wider
    uint32_t spaced;   // those before its last three, which hold spaces in a short value
    uint32_t leading;  // those before its last one, which hold spaces in a bit's value
    uint32_t kept;     // of the last four characters, those in the column (a byte each)
    int32_t digits;    // the most digits a value in it may have
};

constexpr SNumberColumn numberColumn(int width) {
    const int narrow = width < 3 ? width : 3;
    return {width <= 16 ? kWindowMasks[width].last : 0xFFFFu,
            width <= 16 ? kWindowMasks[width].last & 0x1FFFu : 0u,
            width <= 16 ? kWindowMasks[width].last & 0x7FFFu : 0u,
            narrow > 0 ? ~uint32_t(0) << (8 * (4 - narrow)) : 0u, width < 10 ? width : 10};
}

// By width; every width from kWideColumn on is kWideColumn's.
constexpr int kWideColumn = 17;
constexpr SNumberColumn kNumberColumns[kWideColumn + 1] = {
    numberColumn(0),  numberColumn(1),  numberColumn(2),  numberColumn(3),  numberColumn(4),
    numberColumn(5),  numberColumn(6),  numberColumn(7),  numberColumn(8),  numberColumn(9),
    numberColumn(10), numberColumn(11), numberColumn(12), numberColumn(13), numberColumn(14),
    numberColumn(15), numberColumn(16), numberColumn(17)};

inline int numberColumnIndex(int width) {
    return width < kWideColumn ? width : kWideColumn;
}

// Whether the characters from p to end are all spaces.
inline bool onlySpaces(const char* p, const char* end) {
    for (; p < end; ++p)
        if (*p != ' ') return false;
    return true;
}

#if defined(__SSE2__)

// An integer that fills its column as the writer puts it, its last digit
// the last character: spaces, an optional minus, 1..10 digits (no leading
// zero), within [lo, hi]. The value; false for anything else, which the
// general reader judges. start and end are places in text, whose 16 bytes
// before it may be read.
template <int kMostDigits = 10>
[[gnu::always_inline]] inline bool readRightAligned(const char* text, int start, int end,
                                                    const SNumberColumn& k, int64_t lo, int64_t hi,
                                                    int64_t* value) {
    const char* const e = text + end;
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(e - 16));
    // '0'..'9' moved to the lowest signed values, where one comparison finds them.
    const uint32_t digits = uint32_t(_mm_movemask_epi8(_mm_cmplt_epi8(
        _mm_sub_epi8(v, _mm_set1_epi8(char('0' + 128))), _mm_set1_epi8(char(-128 + 10)))));
    const uint32_t spaces = uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(' '))));
    const uint32_t minuses = uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8('-'))));
    const uint32_t zeros = uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8('0'))));
    // The digits that end the column; a run that goes on before it (the
    // first column, after whatever stands before the line) is no value of it.
    const int n = __builtin_clz(~(digits << 16));
    if (unsigned(n - 1) >= unsigned(k.digits) || n > kMostDigits) return false;
    // The column's places in the window (bit 15 its last) hold spaces, then
    // the sign and the digits, the first of several not a zero.
    const SWindowMasks& m = kWindowMasks[n];
    const uint32_t column = k.places;
    if (!onlySpaces(text + start, e - 16)) return false;  // a wide column: before the window
    const uint32_t sign = minuses & m.before & column;
    if ((column & ~(spaces | m.last | sign)) != 0 || (zeros & m.leading) != 0) return false;
    uint64_t word;  // the last eight characters, the last digit in the highest byte
    std::memcpy(&word, e - 8, 8);
    word &= 0x0F0F0F0F0F0F0F0Full;
    // The last eight digits (the others as zeros), and the one or two before
    // them; no branch on the count, which varies from line to line.
    uint64_t acc = eightDigits(word & m.digits);
    if (kMostDigits > 8) {
        const uint64_t ninth = uint64_t(e[-9] & 0x0F) & (uint64_t(0) - uint64_t(n >= 9));
        const uint64_t tenth = uint64_t(e[-10] & 0x0F) & (uint64_t(0) - uint64_t(n >= 10));
        acc += (tenth * 10 + ninth) * 100000000;
    }
    // The sign without a branch too: a quarter of the values in a column may be negative.
    const uint64_t flip = uint64_t(0) - uint64_t(sign != 0);
    const int64_t v64 = int64_t((acc ^ flip) - flip);
    if (v64 < lo || v64 > hi) return false;
    *value = v64;
    return true;
}

// Which of the 16 characters before e are spaces (bit 15 the last).
inline uint32_t spacesBefore(const char* e) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(e - 16));
    return uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(' '))));
}

// readRightAligned, through the table when no more than the last three
// characters of the column are other than spaces: for the columns of bytes
// and bits, whose values are that short.
[[gnu::always_inline]] inline bool readNarrowInteger(const char* text, int start, int end,
                                                     const SNumberColumn& k, int64_t lo, int64_t hi,
                                                     int64_t* value) {
    if (end - start <= 16) {
        const uint32_t spaces = spacesBefore(text + end);
        if ((spaces & k.spaced) == k.spaced && readNarrow(text + end, k.kept, value) &&
            *value >= lo && *value <= hi)
            return true;
    }
    return readRightAligned(text, start, end, k, lo, hi, value);
}

// 16 bytes of ones, then 16 of zeros: the 16 read from kSlidingMask + 16 - k
// keep the first k bytes of a window (k from 0 to 16).
alignas(16) constexpr uint8_t kSlidingMask[32] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

inline __m128i firstBytes(int k) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(kSlidingMask + 16 - k));
}

// Which of the 16 characters from p are blanks (' ', and '\t' to '\r').
inline uint32_t blanksAt(const char* p) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i controls = _mm_sub_epi8(v, _mm_set1_epi8('\t'));
    const __m128i blank =
        _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(' ')),
                     _mm_cmpeq_epi8(_mm_min_epu8(controls, _mm_set1_epi8('\r' - '\t')), controls));
    return uint32_t(_mm_movemask_epi8(blank));
}

// A string column [start, end) of text, which holds no separator, of up to
// 31 characters: what parseStringField stores from it into the field of
// capacity bytes (the value without the blanks around it, and a zero after
// it; the bytes of the field after the zero as they were). False when the
// value does not fit.
[[gnu::always_inline]] inline bool readShortString(uint8_t* target, int16_t capacity,
                                                   const char* text, int start, int end) {
    const char* const p = text + start;
    const int width = end - start;
    const uint32_t column = width >= 32 ? ~uint32_t(0) : (uint32_t(1) << width) - 1;
    const uint32_t kept = ~(blanksAt(p) | (blanksAt(p + 16) << 16)) & column;
    const int first = kept != 0 ? __builtin_ctz(kept) : 0;
    const int length = kept != 0 ? 32 - __builtin_clz(kept) - first : 0;
    if (length > capacity - 1) return false;
    const char* const value = p + first;
    __m128i* const out = reinterpret_cast<__m128i*>(target);
    if (capacity < 16) {  // the value and its zero, in two moves that overlap
        alignas(16) uint8_t bytes[16];
        _mm_store_si128(reinterpret_cast<__m128i*>(bytes),
                        _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(value)),
                                      firstBytes(length)));
        const int n = length + 1;  // up to 15
        const int step = n >= 8 ? 8 : n >= 4 ? 4 : n >= 2 ? 2 : 1;
        std::memcpy(target, bytes, size_t(step));
        std::memcpy(target + n - step, bytes + n - step, size_t(step));
    } else if (length < 16) {  // the value, its zero, and the field's bytes after them
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(value));
        const __m128i old = _mm_loadu_si128(out);
        _mm_storeu_si128(out, _mm_or_si128(_mm_and_si128(bytes, firstBytes(length)),
                                           _mm_andnot_si128(firstBytes(length + 1), old)));
    } else {  // the first 16 characters, then the last 15 and the zero
        _mm_storeu_si128(out, _mm_loadu_si128(reinterpret_cast<const __m128i*>(value)));
        const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(value + length - 15));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + length - 15),
                         _mm_and_si128(tail, firstBytes(15)));
    }
    return true;
}

// Whether the 32 bytes at bytes are first and second.
inline bool sameBytes(__m128i first, __m128i second, const uint8_t* bytes) {
    const __m128i same = _mm_and_si128(
        _mm_cmpeq_epi8(first, _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes))),
        _mm_cmpeq_epi8(second, _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16))));
    return _mm_movemask_epi8(same) == 0xFFFF;
}

// An enumeration name spelt as the dictionary has it, left in its column
// [start, end) of text (up to 32 characters from the name on) with spaces
// around it: its value. False for anything else (other spellings, numbers,
// longer names), which the search by upper case judges.
[[gnu::always_inline]] inline bool readSpelledName(const SEnumIndex& index, const char* text,
                                                   int start, int end, int32_t* value) {
    const char* const q = skipSpaces(text + start);
    const int room = end - int(q - text);  // characters from the name to the end of the column
    if (room <= 0 || room > 32) return false;
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 16));
    const __m128i space = _mm_set1_epi8(' ');
    const auto bits = [](__m128i first, __m128i second) {
        return uint64_t(uint32_t(_mm_movemask_epi8(first))) |
               uint64_t(uint32_t(_mm_movemask_epi8(second))) << 16;
    };
    // the name ends at a blank or any other control character
    const uint64_t stops = bits(_mm_cmpeq_epi8(_mm_max_epu8(a, space), space),
                                _mm_cmpeq_epi8(_mm_max_epu8(b, space), space));
    const uint64_t spaces = bits(_mm_cmpeq_epi8(a, space), _mm_cmpeq_epi8(b, space));
    const int length = __builtin_ctzll(stops | (uint64_t(1) << room));
    if (length == 0 || size_t(length) >= kSpellingLimit) return false;
    const uint64_t rest = ((uint64_t(1) << room) - 1) & (~uint64_t(0) << length);
    if ((spaces & rest) != rest) return false;
    const __m128i first = _mm_and_si128(a, firstBytes(std::min(length, 16)));
    const __m128i second = _mm_and_si128(b, firstBytes(std::max(length - 16, 0)));
    const uint64_t hash =
        spellingHash(uint64_t(_mm_cvtsi128_si64(first)),
                     uint64_t(_mm_cvtsi128_si64(_mm_unpackhi_epi64(first, first))),
                     uint64_t(_mm_cvtsi128_si64(second)), uint32_t(length));
    const size_t places = index.spellings.size();
    for (size_t at = hash & (places - 1);; at = (at + 1) & (places - 1)) {
        const SEnumIndex::SSpelling& s = index.spellings[at];
        if (s.length == 0) return false;
        if (s.length == uint32_t(length) && sameBytes(first, second, s.bytes)) {
            *value = s.value;
            return true;
        }
    }
}

// An enumeration name as the writer puts it in its column [start, end) of
// text: right after the separator, then spaces to the column's end (the
// last column ends with the name, the line's end cutting the spaces off).
// Its value; false for anything else, which readSpelledName judges.
[[gnu::always_inline]] inline bool readColumnName(const SEnumIndex::SColumnNames& names,
                                                  const char* text, int start, int end,
                                                  int32_t* value) {
    const int room = end - start;
    if (room > names.width) return false;
    const char* const p = text + start;
    const auto load = [](const void* at) {
        return _mm_loadu_si128(static_cast<const __m128i*>(at));
    };
    // The column's characters, then spaces to its width, then zeros.
    __m128i first = _mm_and_si128(load(p), load(names.kept));
    __m128i second = _mm_and_si128(load(p + 16), load(names.kept + 16));
    if (room < names.width) {  // the last column, cut at the line's end
        const __m128i spaces = _mm_set1_epi8(' ');
        const __m128i taken = firstBytes(std::min(room, 16));
        const __m128i more = firstBytes(std::max(room - 16, 0));
        first = _mm_or_si128(_mm_and_si128(first, taken),
                             _mm_andnot_si128(taken, _mm_and_si128(load(names.kept), spaces)));
        second = _mm_or_si128(_mm_and_si128(second, more),
                              _mm_andnot_si128(more, _mm_and_si128(load(names.kept + 16), spaces)));
    }
    const uint64_t hash = wordsHash(uint64_t(_mm_cvtsi128_si64(first)),
                                    uint64_t(_mm_cvtsi128_si64(_mm_unpackhi_epi64(first, first))),
                                    uint64_t(_mm_cvtsi128_si64(second)), names.factor);
    const SEnumIndex::SColumnName& n = names.places[hash & names.mask];
    if (n.used == 0 || !sameBytes(first, second, n.bytes)) return false;
    *value = n.value;
    return true;
}

#else

inline bool readSpelledName(const SEnumIndex&, const char*, int, int, int32_t*) {
    return false;
}

inline bool readColumnName(const SEnumIndex::SColumnNames&, const char*, int, int, int32_t*) {
    return false;
}

inline bool readShortString(uint8_t* target, int16_t capacity, const char* text, int start,
                            int end) {
    size_t used = 0;  // the column holds no separator: it ends the search
    return readStringColumn(target, capacity, text + start, text + end, '\0', &used);
}

#endif

// Two digits at p as a number; -1 when either is no digit.
inline int twoDigits(const char* p) {
    const unsigned a = unsigned(p[0] - '0');
    const unsigned b = unsigned(p[1] - '0');
    return a <= 9 && b <= 9 ? int(a * 10 + b) : -1;
}

// The three parts of a date or a time as the writer centres it in the
// column [start, end) of text: two digits each, the character between them
// in between. False when the column holds anything else.
inline bool centredParts(const char* text, int start, int end, char between, int64_t parts[3]) {
    const char* p = skipSpaces(text + start);
    if (text + end - p < 8 || p[2] != between || p[5] != between || !onlySpaces(p + 8, text + end))
        return false;
    for (int i = 0; i < 3; ++i) parts[i] = twoDigits(p + 3 * i);
    return parts[0] >= 0 && parts[1] >= 0 && parts[2] >= 0;
}

// A date written "dd.mm.yy" or a time written "hh:mm:ss": what
// parseDateField or parseTimeField reads from it; false for any other text,
// and for a date or time that does not exist, which the general reader judges.
inline bool readDateColumn(const char* text, int start, int end, int32_t* dayNumber) {
    int64_t parts[3];
    return centredParts(text, start, end, '.', parts) &&
           dayNumberOfParts(parts[0], parts[1], parts[2], dayNumber) == 0;
}

inline bool readTimeColumn(const char* text, int start, int end, int32_t* seconds) {
    int64_t parts[3];
    return centredParts(text, start, end, ':', parts) && secondsOfParts(parts, seconds) == 0;
}

// A real written as "%.2f" right-aligned (an optional minus, up to seven
// digits, the point and two digits): the value from_chars reads from it,
// as the hundredths divided by 100, which rounds the same exact quotient
// once. False for anything else, and for a float whose hundredths a float
// does not hold exactly.
template <typename Real>
inline bool readFixedTwo(const char* text, int start, int end, Real* value) {
    const char* const e = text + end;
    const char* const first = text + start;
    const int hundredths = twoDigits(e - 2);
    if (end - start < 4 || e[-3] != '.' || hundredths < 0) return false;
    uint32_t whole = 0;
    int digits = 0;
    const char* p = e - 4;
    for (; p >= first && digits < 7 && isDigit(*p); --p)
        whole += uint32_t(*p - '0') * kPowersOf10[digits++];
    if (digits == 0) return false;
    const bool negative = p >= first && *p == '-';
    if (negative) --p;
    if (!onlySpaces(first, p + 1)) return false;
    const uint32_t total = whole * 100 + uint32_t(hundredths);
    if (sizeof(Real) < sizeof(double) && total >= (uint32_t(1) << 24)) return false;
    const Real v = Real(total) / Real(100);
    *value = negative ? -v : v;
    return true;
}

#if defined(__SSE2__)
// The character in all 16 bytes, moved over from a register: the compiler's
// own way may store it and load four bytes back, which stalls.
inline __m128i everyByte(char c) {
    return _mm_shuffle_epi32(_mm_cvtsi32_si128(int(uint32_t(uint8_t(c)) * 0x01010101u)), 0);
}
#endif

// Whether any of the n characters from p is one that makes a line other
// than a plain record line: NUL, '/' (of a comment) or ':' (of a selector),
// or one that splits a column: the separator.
inline bool holdsLineMarks(const char* p, int n, char separator) {
#if defined(__SSE2__)
    for (int at = 0; at < n; at += 16) {  // the padding after the line may be read
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
        const __m128i marks = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_setzero_si128()),
                                                        _mm_cmpeq_epi8(v, everyByte(separator))),
                                           _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('/')),
                                                        _mm_cmpeq_epi8(v, _mm_set1_epi8(':'))));
        const uint32_t found = uint32_t(_mm_movemask_epi8(marks));
        if ((n - at >= 16 ? found : found & ((1u << (n - at)) - 1)) != 0) return true;
    }
    return false;
#else
    for (int i = 0; i < n; ++i)
        if (p[i] == '\0' || p[i] == '/' || p[i] == ':' || p[i] == separator) return true;
    return false;
#endif
}

// One column of a planned line read from the copy, [start, end) in text.
// kStrict: only what holds none of NUL, '/' and the separator, and ':' only
// between the digits of a time, is read (the plan has no spelling of a name
// that holds them), so that a line read so is known to be a plain record
// line: no comment, no selector ("::"), no NUL byte.
template <bool kStrict>
[[gnu::always_inline]] inline bool readPlannedColumn(const SReadColumn& c, uint8_t* record,
                                                     const char* text, int end,
                                                     const SNumberColumn& k, char separator) {
    uint8_t* target = record + c.offset;
    int64_t v = 0;
    switch (c.kind) {
#if defined(__SSE2__)
        case kReadByte:  // negative values down to the short range are taken as their low byte
            if (!readNarrowInteger(text, c.start, end, k, INT16_MIN, 255, &v)) return false;
            target[0] = static_cast<uint8_t>(v & 0xFF);
            return true;
        case kReadShort:
            if (!readRightAligned<8>(text, c.start, end, k, INT16_MIN, INT16_MAX, &v)) return false;
            putLe(target, 2, static_cast<uint32_t>(v));
            return true;
        case kReadLong:
            if (!readRightAligned(text, c.start, end, k, INT32_MIN, INT32_MAX, &v)) return false;
            putLe(target, 4, static_cast<uint32_t>(v));
            return true;
        case kReadBit: {
            // A bit as the writer puts it: "0" or "1" after spaces.
            const char last = text[end - 1];
            if (end - c.start <= 16 && (spacesBefore(text + end) & k.leading) == k.leading &&
                (last == '0' || last == '1'))
                v = last - '0';
            else if (!readNarrowInteger(text, c.start, end, k, INT16_MIN, 255, &v))
                return false;
            putBit(target, c.bit, (v & 0xFF) != 0);
            return true;
        }
#endif
        case kReadEnum: {
            int32_t value = 0;
            size_t used = 0;
            if ((c.columnNames == nullptr ||
                 !readColumnName(*c.columnNames, text, c.start, end, &value)) &&
                !readSpelledName(*c.enumIndex, text, c.start, end, &value) &&
                ((kStrict && holdsLineMarks(text + c.start, end - c.start, separator)) ||
                 !readEnumColumn(*c.enumIndex, text + c.start, separator, &value, &used)))
                return false;
            putLe(target, c.size, static_cast<uint32_t>(value));
            return true;
        }
        case kReadDate:
        case kReadTime: {
            int32_t value = 0;  // a time's ':' stands between two digits, never two in a row
            if (!(c.kind == kReadDate ? readDateColumn(text, c.start, end, &value)
                                      : readTimeColumn(text, c.start, end, &value)))
                return false;
            putLe(target, 4, static_cast<uint32_t>(value));
            return true;
        }
        case kReadFloat: {
            float value = 0;
            if (!readFixedTwo(text, c.start, end, &value)) return false;
            putFloat(target, value);
            return true;
        }
        case kReadDouble: {
            double value = 0;
            if (!readFixedTwo(text, c.start, end, &value)) return false;
            putDouble(target, value);
            return true;
        }
        case kReadString: {
            if (kStrict && holdsLineMarks(text + c.start, end - c.start, separator)) return false;
            if (end - c.start < 32) return readShortString(target, c.size, text, c.start, end);
            size_t used = 0;
            return readStringColumn(target, c.size, text + c.start, text + end, separator, &used);
        }
        case kReadGeneral:
            return false;
        default:  // the plan gives no other kind
#if defined(__SSE2__)
            __builtin_unreachable();
#else
            return false;
#endif
    }
}

// The separators of the line in bits (bit i of word i / 64 for text[i]),
// compared with the plan's: true when they stand where the plan has them.
[[gnu::always_inline]] inline bool separatorsAsPlanned(const SReadPlan& plan, const char* text,
                                                       size_t length) {
#if defined(__SSE2__)
    if (length <= 64) {  // one word, read in four windows (the padding after the line is read)
        const __m128i separators = everyByte(plan.separator);
        const auto window = [&](int k) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + 16 * k));
            return uint64_t(uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(v, separators)))) << (16 * k);
        };
        const uint64_t bits =
            (window(0) | window(1) | window(2) | window(3)) & (~uint64_t(0) >> (64 - length));
        return bits == plan.separators[0];
    }
#endif
    const size_t words = (length + 63) / 64;
    for (size_t w = 0; w < words; ++w) {
        uint64_t bits = 0;
#if defined(__SSE2__)
        const __m128i separators = everyByte(plan.separator);
        for (size_t k = 0; k < 4 && 64 * w + 16 * k < length; ++k) {
            const __m128i v =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + 64 * w + 16 * k));
            bits |= uint64_t(uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(v, separators))))
                    << (16 * k);
        }
#else
        for (size_t i = 64 * w; i < length && i < 64 * w + 64; ++i)
            if (text[i] == plan.separator) bits |= uint64_t(1) << (i - 64 * w);
#endif
        const size_t beyond = 64 * w + 64 - std::min(length, 64 * w + 64);  // after the line
        if (beyond > 0) bits &= ~uint64_t(0) >> beyond;
        if (bits != plan.separators[w]) return false;
    }
    return true;
}

}  // namespace

void planRecordReading(const SSubField* fields, int16_t count, char separator, int indent,
                       SReadPlan* plan) {
    // The vectors keep what they hold room for: a plan is made for one table
    // after another.
    plan->usable = false;
    plan->strict = false;
    plan->separator = separator;
    plan->longest = 0;
    plan->lastSeparator = -1;
    plan->separators.clear();
    plan->columns.clear();
    if (count < 1 || indent < 0 || separator == '\0' ||
        isBlank(static_cast<unsigned char>(separator)) || isDigit(separator))
        return;
    // The columns as recordLineOf() lays them out (each as wide as its field
    // shows, a separator between two), after the indent.
    int full = indent;
    for (int16_t i = 0; i < count; ++i) {
        const int width = fields[i].displayWidth;
        if (width < 1) return;  // two separators in a row would count as one
        full += (i > 0 ? 1 : 0) + width;
        if (full - indent >= kLineWorkSize || full >= kLineWorkSize) return;
    }
    plan->longest = int32_t(full);
    plan->separators.assign(size_t(full) / 64 + 1, 0);
    plan->columns.reserve(size_t(count));
    // Every column read without NUL, '/', the separator or "::" inside it.
    bool strict = kPlannedNumbers && separator == ',';
    int start = indent;  // of the column in the line
    for (int16_t i = 0; i < count; ++i) {
        const SSubField& f = fields[i];
        SReadColumn r{};
        r.start = int16_t(i == 0 ? 0 : start);
        r.offset = f.offset;
        r.field = i;
        r.bit = uint8_t(f.bitNumber & 7);
        if (i > 0) {
            const int at = start - 1;  // the separator before the column
            plan->separators[size_t(at) / 64] |= uint64_t(1) << (at % 64);
            plan->lastSeparator = at;
        }
        start += f.displayWidth + 1;
        switch (f.type) {
            case ftByte:
                r.kind = kReadByte;
                break;
            case ftShort:
                r.kind = kReadShort;
                break;
            case ftLong:
                r.kind = kReadLong;
                break;
            case ftBit:
                r.kind = kReadBit;
                break;
            case ftEnum:
            case ftEnum8:
                if (kWordsInOrder && f.enumIndex != nullptr) {
                    r.kind = kReadEnum;
                    r.enumIndex = f.enumIndex;
                    r.size = f.size;
                    if (i > 0) r.columnNames = columnNamesOf(*f.enumIndex, f.displayWidth);
                    strict = strict && !f.enumIndex->marksInSpellings;
                }
                break;
            case ftString:
                r.kind = kReadString;
                r.size = f.size;
                break;
            case ftDate:
                r.kind = kReadDate;
                break;
            case ftTime:
                r.kind = kReadTime;
                break;
            case ftFloat:
                r.kind = kReadFloat;
                break;
            case ftDouble:
                r.kind = kReadDouble;
                break;
        }
        strict = strict && r.kind != kReadGeneral;
        plan->columns.push_back(r);
    }
    for (size_t i = 0; i + 1 < plan->columns.size(); ++i) {
        SReadColumn& c = plan->columns[i];
        c.end = int16_t(plan->columns[i + 1].start - 1);
        c.numbers = uint8_t(numberColumnIndex(c.end - c.start));
    }
    plan->columns.back().end = int16_t(kLineWorkSize);  // the last one ends with the line
    plan->usable = true;
    plan->strict = strict;
}

namespace {

// A line of the plan's layout: no longer than a full line, and something
// after the last separator. Any other line is split at its separators.
bool fitsPlan(const SReadPlan& plan, int16_t count, size_t length) {
    return plan.usable && plan.columns.size() == size_t(count < 0 ? 0 : count) &&
           length <= size_t(plan.longest) && int(length) > plan.lastSeparator + 1;
}

// A column the planned readers leave, cut out of the line as the general
// splitter hands it over and read by fieldFromTextOf. The zero put after
// the value stands at or before the separator, which the columns after it
// do not read.
[[gnu::noinline]] int readCutColumn(const SReadColumn& c, const SSubField* fields, int16_t count,
                                    uint8_t* record, char* line, int end) {
    char* value = line + c.start;
    char* stop = line + end;
    while (value < stop && isBlank(static_cast<unsigned char>(*value))) ++value;
    while (stop > value && isBlank(static_cast<unsigned char>(stop[-1]))) --stop;
    *stop = '\0';
    return fieldFromTextOf(fields, count, int16_t(c.field + 1), record, value);
}

}  // namespace

namespace {

// The columns of a line that fits the plan. Not kStrict (its separators
// stand where the plan has them): a column the planned readers leave is
// cut out and read by the general reader; 0, or -3 for a value refused.
// kStrict: 0 when each separator stands where the plan has it and the
// planned readers take every column, -3 as soon as one does not, with the
// line as it was.
template <bool kStrict>
int readPlannedColumns(const SReadPlan& plan, const SSubField* fields, int16_t count,
                       uint8_t* image, char* line, size_t length) {
    // Held apart from the plan: a store into the record could change it for all the compiler knows.
    const SReadColumn* c = plan.columns.data();
    const SReadColumn* const last = c + plan.columns.size() - 1;
    const char separator = plan.separator;
    // Every column but the last ends at its separator, where the plan has it.
    for (; c != last; ++c)
        if ((kStrict && line[c->end] != separator) ||
            (!readPlannedColumn<kStrict>(*c, image, line, c->end, kNumberColumns[c->numbers],
                                         separator) &&
             (kStrict || readCutColumn(*c, fields, count, image, line, c->end) != 0)))
            return -3;
    // The last one ends with the line.
    const int end = int(length);
    if (!readPlannedColumn<kStrict>(*c, image, line, end,
                                    kNumberColumns[numberColumnIndex(end - c->start)], separator) &&
        (kStrict || readCutColumn(*c, fields, count, image, line, end) != 0))
        return -3;
    return 0;
}

}  // namespace

int recordFromPaddedLine(const SReadPlan& plan, const SSubField* fields, int16_t count,
                         void* record, char* line, size_t length) {
    if (!fitsPlan(plan, count, length) || !separatorsAsPlanned(plan, line, length)) {
        const char separators[2] = {plan.separator, '\0'};
        return recordFromLineOf(fields, count, record, line, length, separators);
    }
    return readPlannedColumns<false>(plan, fields, count, static_cast<uint8_t*>(record), line,
                                     length);
}

bool recordFromPlainLine(const SReadPlan& plan, const SSubField* fields, int16_t count,
                         void* record, char* line, size_t length) {
    // fitsPlan() of a strict plan, which is usable (its last column is one
    // character wide at least: longest >= lastSeparator + 2): the length in
    // one comparison.
    // A line with a separator is no blank line, nor one that ends with a value.
    const size_t shortest = size_t(plan.lastSeparator + 2);
    return plan.strict && plan.columns.size() == size_t(count) &&
           length - shortest <= size_t(plan.longest) - shortest &&
           (plan.lastSeparator >= 0 || !isBlank(static_cast<unsigned char>(line[length - 1]))) &&
           readPlannedColumns<true>(plan, fields, count, static_cast<uint8_t*>(record), line,
                                    length) == 0;
}

int recordFromPlannedLine(const SReadPlan& plan, const SSubField* fields, int16_t count,
                          void* record, char* line, size_t length) {
    if (!fitsPlan(plan, count, length)) {
        const char separators[2] = {plan.separator, '\0'};
        return recordFromLineOf(fields, count, record, line, length, separators);
    }
    alignas(16) char work[kLinePadding + kLineWorkSize + kLinePadding];
    char* const text = work + kLinePadding;
    std::memset(work, 0, kLinePadding);
    std::memcpy(text, line, length);
    std::memset(text + length, 0, kLinePadding);
    return recordFromPaddedLine(plan, fields, count, record, text, length);
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

int compareFieldValues(const uint8_t* a, const uint8_t* b, const SSubField* field) {
    return orderOfValues(a, b, *field);
}

int compareKeys(const uint8_t* a, const uint8_t* b, const SSubField* fields,
                int16_t keyFieldCount) {
    return orderOfKeys(a, b, fields, keyFieldCount);
}

void copyBit(uint8_t* target, const uint8_t* source, int bitNumber) {
    const uint8_t bit = static_cast<uint8_t>(1u << (bitNumber & 7));
    target[0] = static_cast<uint8_t>((target[0] & ~bit) | (source[0] & bit));
}
