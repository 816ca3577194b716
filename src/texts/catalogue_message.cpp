#include "texts/catalogue_message.h"

#include <cctype>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "texts/text_catalogue.h"

namespace {

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Bounded copy of length bytes into out (size with the terminator).
void copyBounded(char* out, std::size_t size, const char* from, std::size_t length) {
    if (size == 0) return;
    const std::size_t n = length < size - 1 ? length : size - 1;
    std::memcpy(out, from, n);
    out[n] = '\0';
}

// A printf conversion rebuilt from a catalogue format: flags, width and
// precision kept (bounded), the length and letter chosen by the argument type
// so that the value passed always matches what printf reads.
struct Conversion {
    char text[24];
};

Conversion buildConversion(const char* format, int type) {
    Conversion c{};
    std::size_t n = 0;
    c.text[n++] = '%';
    const char* p = format != nullptr ? format : "";
    if (*p == '%') ++p;
    int flags = 0;
    while (*p != '\0' && std::strchr("-+ #0", *p) != nullptr) {
        if (flags < 5) c.text[n++] = *p, ++flags;
        ++p;
    }
    auto number = [&](int maxDigits) {  // width and precision: at most 3 digits
        int digits = 0;
        while (isDigit(*p) || *p == '*') {
            if (*p != '*' && digits < maxDigits) c.text[n++] = *p, ++digits;
            ++p;
        }
    };
    number(3);
    if (*p == '.') {
        c.text[n++] = '.';
        ++p;
        number(3);
    }
    const std::size_t len = std::strlen(format != nullptr ? format : "");
    const char last = len > 0 ? format[len - 1] : 'd';
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(last)));
    switch (type) {
        case kArgChar:
            c.text[n++] = 'c';
            break;
        case kArgShort:
            c.text[n++] = 'h';
            c.text[n++] = last == 'X' ? 'X' : lower;
            break;
        case kArgInt:
        case kArgLong:  // 32-bit values: no length letter; an unknown letter prints as "d"
            c.text[n++] = last == 'X'                                    ? 'X'
                          : (lower != 0 && std::strchr("diouxX", lower)) ? lower
                                                                         : 'd';
            break;
        case kArgFloat:
        case kArgDouble:
            c.text[n++] = std::strchr("eEfFgG", last) != nullptr ? last : 'f';
            break;
        default:
            c.text[n++] = 's';
            break;
    }
    c.text[n] = '\0';
    return c;
}

// Appends to out at pos, cut at size; returns the new position.
class Output {
public:
    Output(char* out, std::size_t size) : out_(out), size_(size) {
        if (size_ > 0) out_[0] = '\0';
    }
    void put(char ch) {
        if (size_ == 0 || pos_ + 1 >= size_) return;
        out_[pos_++] = ch;
        out_[pos_] = '\0';
    }
    template <typename T>
    void print(const char* conversion, T value) {
        if (size_ == 0 || pos_ + 1 >= size_) return;
        const int r = std::snprintf(out_ + pos_, size_ - pos_, conversion, value);
        if (r <= 0) {
            out_[pos_] = '\0';
            return;
        }
        // A "%c" of 0 would put a terminator inside the text: count only what shows.
        const std::size_t shown = std::strlen(out_ + pos_);
        pos_ += shown;
    }
    std::size_t length() const { return pos_; }

private:
    char* out_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// The values of one message's parameters, in its own bounded argument area.
struct Slot {
    int type = kArgInt;
    std::size_t offset = 0;
    bool stored = false;
};

class ArgumentArea {
public:
    std::size_t room() const { return kArgumentArea - used_; }
    char* cursor() { return area_ + used_; }
    bool store(const void* value, std::size_t bytes, Slot& slot) {
        if (bytes > room()) return false;
        std::memcpy(area_ + used_, value, bytes);
        slot.offset = used_;
        slot.stored = true;
        used_ += bytes;
        return true;
    }
    // Marks the text just written at cursor() (with its terminator) as the slot's value.
    void keepText(Slot& slot) {
        slot.offset = used_;
        slot.stored = true;
        used_ += std::strlen(area_ + used_) + 1;
    }
    template <typename T>
    T read(const Slot& slot) const {
        T v{};
        if (slot.stored) std::memcpy(&v, area_ + slot.offset, sizeof v);
        return v;
    }
    const char* text(const Slot& slot) const { return slot.stored ? area_ + slot.offset : ""; }

private:
    char area_[kArgumentArea];
    std::size_t used_ = 0;
};

int formatAtDepth(char* out, std::size_t size, int textId, IArgumentSource& source, int depth);

void readArgument(int type, IArgumentSource& source, ArgumentArea& area, Slot& slot, int depth) {
    slot.type = type;
    switch (type) {
        case kArgChar:
        case kArgInt:
        case kArgLong: {
            const std::int32_t v = source.nextInteger();
            area.store(&v, sizeof v, slot);
            return;
        }
        case kArgShort: {
            const std::int16_t v = static_cast<std::int16_t>(source.nextInteger() & 0xFFFF);
            area.store(&v, sizeof v, slot);
            return;
        }
        case kArgFloat: {
            const float v = static_cast<float>(source.nextReal());
            area.store(&v, sizeof v, slot);
            return;
        }
        case kArgDouble: {
            const double v = source.nextReal();
            area.store(&v, sizeof v, slot);
            return;
        }
        case kArgText: {
            if (area.room() == 0) {
                char none[1];
                source.nextText(none, sizeof none);
                return;
            }
            source.nextText(area.cursor(), area.room());
            area.keepText(slot);
            return;
        }
        case kArgNested: {
            const std::int32_t nestedId = source.nextInteger();
            if (depth + 1 >= kMaxMessageNesting) return;  // too deep: prints empty
            if (area.room() == 0) {
                char none[1];
                formatAtDepth(none, sizeof none, nestedId, source, depth + 1);
                return;
            }
            formatAtDepth(area.cursor(), area.room(), nestedId, source, depth + 1);
            area.keepText(slot);
            return;
        }
    }
}

void printArgument(Output& out, const char* format, const Slot& slot, const ArgumentArea& area) {
    const Conversion c = buildConversion(format, slot.type);
    switch (slot.type) {
        case kArgChar: {
            const std::int32_t v = area.read<std::int32_t>(slot);
            if ((v & 0xFF) != 0) out.print(c.text, static_cast<int>(v));
            return;
        }
        case kArgShort:
            out.print(c.text, static_cast<int>(area.read<std::int16_t>(slot)));
            return;
        case kArgInt:
        case kArgLong:
            out.print(c.text, static_cast<int>(area.read<std::int32_t>(slot)));
            return;
        case kArgFloat:
            out.print(c.text, static_cast<double>(area.read<float>(slot)));
            return;
        case kArgDouble:
            out.print(c.text, area.read<double>(slot));
            return;
        default:
            out.print(c.text, area.text(slot));
            return;
    }
}

int formatAtDepth(char* out, std::size_t size, int textId, IArgumentSource& source, int depth) {
    Output o(out, size);
    const STextEntry* entry = findText(textId);
    const char* text = textById(textId);
    if (entry == nullptr) {
        for (const char* p = text; *p != '\0'; ++p) o.put(*p);
        return static_cast<int>(o.length());
    }
    int types[kMaxMessageParams];
    const int count = collectArgumentTypes(textId, types);
    ArgumentArea area;
    Slot slots[kMaxMessageParams];
    for (int i = 0; i < count; ++i) readArgument(types[i], source, area, slots[i], depth);

    for (const char* p = text; *p != '\0';) {
        if (*p != '%') {
            o.put(*p++);
            continue;
        }
        if (p[1] == '%') {
            o.put('%');
            p += 2;
            continue;
        }
        if (!isDigit(p[1])) {  // a lone "%" stays as it is
            o.put(*p++);
            continue;
        }
        const char* start = p++;
        int number = 0;
        while (isDigit(*p)) {
            if (number < 1000) number = number * 10 + (*p - '0');
            ++p;
        }
        if (number >= 1 && number <= count) {
            printArgument(o, textParamFormat(textId, number), slots[number - 1], area);
        } else {  // no parameter of that number: the placeholder shows as written
            for (const char* q = start; q < p; ++q) o.put(*q);
        }
    }
    return static_cast<int>(o.length());
}

}  // namespace

int argumentTypeOfFormat(const char* format) {
    if (format == nullptr) return kArgInt;
    const std::size_t len = std::strlen(format);
    if (len == 0) return kArgInt;
    const char last = static_cast<char>(std::tolower(static_cast<unsigned char>(format[len - 1])));
    const char before =
        len > 1 ? static_cast<char>(std::tolower(static_cast<unsigned char>(format[len - 2]))) : 0;
    switch (last) {
        case 'c':
            return kArgChar;
        case 'd':
        case 'i':
        case 'o':
        case 'u':
        case 'x':
            return before == 'h' ? kArgShort : before == 'l' ? kArgLong : kArgInt;
        case 'e':
        case 'f':
        case 'g':
            return before == 'l' ? kArgDouble : kArgFloat;
        case 's':
            return kArgText;
        case 'z':
            return kArgNested;
        default:
            return kArgInt;
    }
}

int collectArgumentTypes(int textId, int types[kMaxMessageParams]) {
    int n = 0;
    while (n < kMaxMessageParams) {
        const char* format = textParamFormat(textId, n + 1);
        if (format == nullptr) break;
        types[n++] = argumentTypeOfFormat(format);
    }
    return n;
}

bool parseStrictInt32(const char* text, std::size_t length, std::int32_t& value) {
    value = 0;
    std::size_t i = 0;
    while (i < length && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < length && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == length) return false;
    std::uint64_t magnitude = 0;
    for (; i < length; ++i) {
        if (!isDigit(text[i])) return false;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (magnitude > 0xFFFFFFFFull) return false;
    }
    if (negative && magnitude > 0x80000000ull) return false;
    const std::uint32_t bits = negative ? static_cast<std::uint32_t>(0u - magnitude)
                                        : static_cast<std::uint32_t>(magnitude);
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool parseStrictReal(const char* text, std::size_t length, double& value) {
    value = 0.0;
    std::size_t i = 0;
    while (i < length && isBlank(text[i])) ++i;
    const std::size_t start = i;
    if (i < length && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < length && isDigit(text[i])) ++i, ++digits;
    if (i < length && text[i] == '.') {
        ++i;
        while (i < length && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < length && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < length && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < length && isDigit(text[i])) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    if (i != length) return false;
    char buffer[64];
    if (length - start >= sizeof buffer) return false;
    copyBounded(buffer, sizeof buffer, text + start, length - start);
    const double v = std::strtod(buffer, nullptr);
    if (!std::isfinite(v)) return false;
    value = v;
    return true;
}

const MessageArg* ListArgumentSource::next() {
    if (pos_ >= count_) return nullptr;
    return &args_[pos_++];
}

std::int32_t ListArgumentSource::nextInteger() {
    const MessageArg* a = next();
    if (a == nullptr) return 0;
    switch (a->kind()) {
        case MessageArg::Kind::Integer:
            return static_cast<std::int32_t>(static_cast<std::uint32_t>(a->integer() & 0xFFFFFFFF));
        case MessageArg::Kind::Real: {
            const double r = a->real();
            if (!std::isfinite(r) || r < -2147483648.0 || r > 4294967295.0) return 0;
            return static_cast<std::int32_t>(
                static_cast<std::uint32_t>(static_cast<std::int64_t>(r)));
        }
        case MessageArg::Kind::Text: {
            std::int32_t v = 0;
            parseStrictInt32(a->text(), std::strlen(a->text()), v);
            return v;
        }
        case MessageArg::Kind::None:
            return 0;
    }
    return 0;
}

double ListArgumentSource::nextReal() {
    const MessageArg* a = next();
    if (a == nullptr) return 0.0;
    switch (a->kind()) {
        case MessageArg::Kind::Integer:
            return static_cast<double>(a->integer());
        case MessageArg::Kind::Real:
            return std::isfinite(a->real()) ? a->real() : 0.0;
        case MessageArg::Kind::Text: {
            double v = 0.0;
            parseStrictReal(a->text(), std::strlen(a->text()), v);
            return v;
        }
        case MessageArg::Kind::None:
            return 0.0;
    }
    return 0.0;
}

void ListArgumentSource::nextText(char* out, std::size_t size) {
    const MessageArg* a = next();
    if (size == 0) return;
    out[0] = '\0';
    if (a == nullptr) return;
    switch (a->kind()) {
        case MessageArg::Kind::Integer:
            std::snprintf(out, size, "%" PRId64, a->integer());
            return;
        case MessageArg::Kind::Real:
            std::snprintf(out, size, "%g", a->real());
            return;
        case MessageArg::Kind::Text:
            copyBounded(out, size, a->text(), std::strlen(a->text()));
            return;
        case MessageArg::Kind::None:
            return;
    }
}

std::size_t CodedArgumentSource::nextField(const char*& begin) {
    begin = cursor_;
    const char* end = std::strchr(cursor_, '$');
    if (end == nullptr) {
        const std::size_t n = std::strlen(cursor_);
        cursor_ += n;  // at the end the cursor stays there
        return n;
    }
    cursor_ = end + 1;
    return static_cast<std::size_t>(end - begin);
}

std::int32_t CodedArgumentSource::nextInteger() {
    const char* field = nullptr;
    const std::size_t n = nextField(field);
    std::int32_t v = 0;
    parseStrictInt32(field, n, v);
    return v;
}

double CodedArgumentSource::nextReal() {
    const char* field = nullptr;
    const std::size_t n = nextField(field);
    double v = 0.0;
    parseStrictReal(field, n, v);
    return v;
}

void CodedArgumentSource::nextText(char* out, std::size_t size) {
    const char* field = nullptr;
    const std::size_t n = nextField(field);
    copyBounded(out, size, field, n);
}

int formatCatalogueText(char* out, std::size_t size, int textId, IArgumentSource& source) {
    return formatAtDepth(out, size, textId, source, 0);
}

int formatMessageArgs(char* out, std::size_t size, int textId, const MessageArg* args,
                      std::size_t count) {
    ListArgumentSource source(args, count);
    return formatCatalogueText(out, size, textId, source);
}

int formatMessageFromCoded(char* out, std::size_t size, int textId, const char* argumentText) {
    CodedArgumentSource source(argumentText);
    return formatCatalogueText(out, size, textId, source);
}

int formatCodedMessage(char* out, std::size_t size, const char* codedText) {
    if (codedText == nullptr) codedText = "";
    // The text number: leading white space, a sign, then digits up to the first non-digit.
    const char* p = codedText;
    while (isBlank(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    std::int64_t id = 0;
    bool tooLarge = false;
    for (; isDigit(*p); ++p) {
        id = id * 10 + (*p - '0');
        if (id > 0x7FFFFFFF) tooLarge = true, id = 0x7FFFFFFF;
    }
    const int textId = tooLarge ? 0 : static_cast<int>(negative ? -id : id);
    const char* dollar = std::strchr(codedText, '$');
    return formatMessageFromCoded(out, size, textId, dollar != nullptr ? dollar + 1 : "");
}
