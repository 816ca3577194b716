#include "alarms/no7_monitor.h"

#include <cstdio>
#include <string>

#include "alarms/no7_labels.h"
#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "utils/code_mappers.h"

// Notes: a mirrored message is the prefix (signalling point code or
// connection point), then an MTP signal unit from its service information
// octet on. Everything is read through ByteReader: a field that the payload
// does not hold whole ends the decoding, and what was decoded before it stays.

TNo7SigReceiver* no7Monitor = nullptr;

namespace {

constexpr std::uint8_t kSioTup = 0x84;
constexpr std::uint8_t kSioIsup = 0x85;
constexpr std::size_t kHeaderLineSize = kMonitorLineMax + 1;

template <typename... Args>
std::string message(int textId, const Args&... args) {
    char buffer[kHeaderLineSize];
    formatMessage(buffer, sizeof buffer, textId, args...);
    return buffer;
}

template <typename... Args>
std::string printed(const char* format, Args... args) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

// TUP ----------------------------------------------------------------------

// A text for each set bit of a field.
struct SBitText {
    std::uint8_t mask;
    std::int32_t textId;
};

// clang-format off
constexpr std::int32_t kNatureOfAddress[4] = {26391, 26392, 26393, 26394};
constexpr std::int32_t kContinuityCheck[4] = {0, 26396, 26397, 26398};
constexpr SBitText kIamFlags1[] = {{0x40, 26399}, {0x80, 26400}};
constexpr SBitText kIamFlags2[] = {{0x01, 26401}, {0x02, 26402}, {0x04, 26403}};
constexpr std::int32_t kClosedUserGroup[4] = {26404, 26405, 26406, 26407};
constexpr std::int32_t kCallingLine[4] = {26409, 26410, 26411, 26412};
constexpr SBitText kCallingLineFlags[] = {{0x04, 26413}, {0x08, 26414}};
constexpr std::int32_t kOriginalCalled[4] = {26415, 26416, 26417, 26418};
constexpr SBitText kGsmFlags[] = {{0x10, 26399}, {0x20, 26423}, {0x40, 26424}};
constexpr SBitText kGrqFlags[] = {{0x01, 26425}, {0x02, 26426}, {0x04, 26427}, {0x08, 26423}, {0x10, 26424}, {0x20, 26399}};
constexpr std::int32_t kChargeKind[4] = {0, 26428, 26429, 26430};
constexpr SBitText kAcmFlags[] = {{0x04, 26431}, {0x08, 26432}, {0x10, 26433}, {0x20, 26434}};
constexpr std::uint8_t kRangeStatusHeadings[] = {24, 40, 56, 72, 88, 104, 120, 136, 168};
constexpr std::uint8_t kHeaderOnlyHeadings[] = {6, 21, 22, 23, 37, 38, 39, 50, 53, 54, 55, 66, 69, 70, 71, 85, 86, 87, 101, 102, 103, 117, 118, 119, 133, 149, 165, 181, 197};
// clang-format on

template <std::size_t N>
bool contains(const std::uint8_t (&list)[N], std::uint8_t value) {
    for (std::uint8_t v : list)
        if (v == value) return true;
    return false;
}

// The fields of a TUP message, appended to the details of its header line.
class TTupFields {
public:
    TTupFields(ByteReader in, std::string& details, TMonitorLines& after)
        : in_(in), details_(details), after_(after) {}

    bool byte(std::uint8_t& b) {
        b = in_.u8();
        return in_.ok();
    }
    template <typename... Args>
    void text(std::int32_t id, const Args&... args) {
        if (id != 0) details_ += message(id, args...);
    }
    template <std::size_t N>
    void flags(std::uint8_t b, const SBitText (&rows)[N]) {
        for (const SBitText& row : rows)
            if (b & row.mask) text(row.textId);
    }
    // `count` address signals, two to a byte, then one blank.
    bool signals(unsigned count) {
        std::string digits;
        for (unsigned i = 0; i < count; i += 2) {
            std::uint8_t b = 0;
            if (!byte(b)) return false;
            digits += kSignalDigits[b & 0x0F];
            if (i + 1 < count) digits += kSignalDigits[b >> 4];
        }
        details_ += digits + " ";
        return true;
    }
    bool category() {
        std::uint8_t b = 0;
        if (!byte(b)) return false;
        text(26390, textById(subscriberCategoryTextId(b & 0x3F)));
        return true;
    }
    // A field of a two-bit kind with its texts, flags and address signals.
    template <std::size_t N>
    bool addressField(const std::int32_t (&kinds)[4], const SBitText (&rows)[N]) {
        std::uint8_t b = 0;
        if (!byte(b)) return false;
        text(kinds[b & 3]);
        flags(b, rows);
        return signals(b >> 4);
    }
    bool addressField(const std::int32_t (&kinds)[4]) {
        static constexpr SBitText kNone[] = {{0, 0}};
        return addressField(kinds, kNone);
    }
    ByteReader& reader() { return in_; }
    TMonitorLines& after() { return after_; }
    std::string& details() { return details_; }

private:
    ByteReader in_;
    std::string& details_;
    TMonitorLines& after_;
};

bool decodeIam(TTupFields& f) {
    std::uint8_t b1 = 0, b2 = 0;
    if (!f.category() || !f.byte(b1)) return false;
    f.text(kNatureOfAddress[b1 & 3]);
    if ((b1 >> 2) & 3) f.text(26395, (b1 >> 2) & 3);
    f.text(kContinuityCheck[(b1 >> 4) & 3]);
    f.flags(b1, kIamFlags1);
    if (!f.byte(b2)) return false;
    f.flags(b2, kIamFlags2);
    return f.signals(b2 >> 4);
}

bool decodeCallingLine(TTupFields& f) {
    return f.addressField(kCallingLine, kCallingLineFlags);
}
bool decodeOriginalCalled(TTupFields& f) {
    return f.addressField(kOriginalCalled);
}

bool decodeIai(TTupFields& f) {
    std::uint8_t indicators = 0;
    if (!decodeIam(f) || !f.byte(indicators)) return false;
    if (indicators & 0x02) {
        std::uint8_t b = 0;
        if (!f.byte(b)) return false;
        f.text(kClosedUserGroup[b & 3]);
        const std::uint32_t interlock = f.reader().u32le();
        if (!f.reader().ok()) return false;
        f.text(26408, interlock);
    }
    if ((indicators & 0x10) && !decodeCallingLine(f)) return false;
    return (indicators & 0x20) == 0 || decodeOriginalCalled(f);
}

bool decodeTransitExchange(TTupFields& f) {
    ByteReader peek = f.reader();
    const std::uint8_t kind = peek.u8() & 3;
    if (!peek.ok()) return false;
    std::uint8_t field = 0;
    if (kind == 1) {
        f.byte(field);
        const std::uint16_t spc = f.reader().u16le();
        if (!f.reader().ok()) return false;
        f.text(26420, spc & 0x3FFF);
    } else if (kind == 2) {
        f.byte(field);
        f.text(26421);
        if (!f.signals(field >> 4)) return false;
    } else {
        f.text(26419);  // this kind takes no bytes: the next field starts at the same byte
    }
    f.text(26422);
    std::uint8_t count = 0;
    if (!f.byte(count)) return false;
    std::string bytes;
    for (unsigned i = 0; i < unsigned(count >> 4); ++i) {
        std::uint8_t v = 0;
        if (!f.byte(v)) return false;
        bytes += printed("%02x ", v);
    }
    f.details() += bytes;
    return true;
}

bool decodeGsm(TTupFields& f) {
    std::uint8_t indicators = 0;
    if (!f.byte(indicators)) return false;
    if ((indicators & 0x01) && !f.category()) return false;
    if ((indicators & 0x02) && !decodeCallingLine(f)) return false;
    if ((indicators & 0x04) && !decodeTransitExchange(f)) return false;
    if ((indicators & 0x08) && !decodeOriginalCalled(f)) return false;
    f.flags(indicators, kGsmFlags);
    return true;
}

bool decodeChg(TTupFields& f) {
    std::uint8_t indicators = 0, b = 0;
    if (!f.byte(indicators)) return false;
    if (indicators & 0x01) {
        if (!f.byte(b)) return false;
        f.text(26435, b & 0x0F, b >> 4);
    }
    if (indicators & 0x02) {
        if (!f.byte(b)) return false;
        f.text(26436, b);
    }
    if (indicators & 0x0C) {
        if (!f.byte(b)) return false;
        const std::int32_t t = 450 * b;
        f.text(26437, t / 3600, (t / 60) % 60, t % 60);
    }
    if (indicators & 0x04) {
        if (!f.byte(b)) return false;
        f.text(26438, b & 0x0F, b >> 4);
    }
    if (indicators & 0x08) {
        if (!f.byte(b)) return false;
        f.text(26439, b);
    }
    return true;
}

void decodeTup(std::uint8_t heading, TTupFields& f) {
    std::uint8_t b = 0;
    switch (heading) {
        case 17:
            decodeIam(f);
            return;
        case 33:
            decodeIai(f);
            return;
        case 18:
            decodeGsm(f);
            return;
        case 36:
            decodeChg(f);
            return;
        case 49:
            if (f.byte(b)) f.signals(b >> 4);
            return;
        case 65:
            if (f.byte(b)) f.details() += std::string(1, kSignalDigits[b & 0x0F]) + " ";
            return;
        case 19:
            if (f.byte(b)) f.flags(b, kGrqFlags);
            return;
        case 20:
            if (!f.byte(b)) return;
            f.text(kChargeKind[b & 3]);
            f.flags(b, kAcmFlags);
            return;
        case 245: {
            if (!f.byte(b)) return;
            f.text((b & 0x0F) == 1 ? 26440 : 26441);
            const std::uint16_t spc = f.reader().u16le();
            if (f.reader().ok()) f.text(26442, spc & 0x3FFF);
            return;
        }
        case 152:
            if (f.byte(b)) f.text(26443, b);
            return;
        default:
            break;
    }
    if (contains(kRangeStatusHeadings, heading)) {
        if (!f.byte(b)) return;
        f.text(26443, b);
        if (b == 0) return;
        f.details() += kStatusLabel;
        addStatusBitLines(f.after(), f.reader(), std::size_t(b) + 1);
        return;
    }
    if (!contains(kHeaderOnlyHeadings, heading))
        addMonitorLine(f.after(), message(26952, printed("%x", heading)));
}

// ISUP ---------------------------------------------------------------------

// A mandatory parameter of a message type: a fixed one with its length, a
// variable one (length 0) reached through its pointer, or (code 0) the
// pointer to the optional part.
struct SIsupSlot {
    std::uint8_t code;
    std::uint8_t length;
};
constexpr SIsupSlot kOptionalPart = {0, 0};
constexpr std::uint8_t kVariable = 0;

struct SIsupLayout {
    std::uint8_t type;
    const SIsupSlot* slots;
    std::size_t count;
};

// clang-format off
constexpr SIsupSlot kIam[] = {{6, 1}, {7, 2}, {9, 1}, {2, 1}, {4, kVariable}, kOptionalPart};
constexpr SIsupSlot kSam[] = {{5, kVariable}};
constexpr SIsupSlot kInr[] = {{14, 2}, kOptionalPart};
constexpr SIsupSlot kInf[] = {{15, 2}, kOptionalPart};
constexpr SIsupSlot kCot[] = {{16, 1}};
constexpr SIsupSlot kAcm[] = {{17, 2}, kOptionalPart};
constexpr SIsupSlot kOptionalOnly[] = {kOptionalPart};
constexpr SIsupSlot kRel[] = {{18, kVariable}, kOptionalPart};
constexpr SIsupSlot kSus[] = {{34, 1}, kOptionalPart};
constexpr SIsupSlot kGrs[] = {{22, kVariable}};
constexpr SIsupSlot kCgb[] = {{21, 1}, {22, kVariable}};
constexpr SIsupSlot kFar[] = {{24, 1}, kOptionalPart};
constexpr SIsupSlot kFarj[] = {{24, 1}, {18, kVariable}, kOptionalPart};
constexpr SIsupSlot kCqr[] = {{22, kVariable}, {38, kVariable}};
constexpr SIsupSlot kCpg[] = {{36, 1}, kOptionalPart};
constexpr SIsupSlot kUsr[] = {{32, kVariable}, kOptionalPart};
constexpr SIsupSlot kCfn[] = {{18, kVariable}};
constexpr SIsupSlot kNothing[] = {kOptionalPart};  // never reached: count 0

#define LAYOUT(type, slots) {type, slots, sizeof(slots) / sizeof(slots[0])}
#define NO_PARAMETERS(type) {type, kNothing, 0}
constexpr SIsupLayout kIsupLayouts[] = {
    LAYOUT(1, kIam), LAYOUT(2, kSam), LAYOUT(3, kInr), LAYOUT(4, kInf), LAYOUT(5, kCot),
    LAYOUT(6, kAcm), LAYOUT(7, kAcm), LAYOUT(8, kOptionalOnly), LAYOUT(9, kOptionalOnly),
    LAYOUT(16, kOptionalOnly), LAYOUT(12, kRel), LAYOUT(13, kSus), LAYOUT(14, kSus),
    NO_PARAMETERS(17), NO_PARAMETERS(18), NO_PARAMETERS(19), NO_PARAMETERS(20), NO_PARAMETERS(21),
    NO_PARAMETERS(22), NO_PARAMETERS(36), NO_PARAMETERS(46), NO_PARAMETERS(48),
    LAYOUT(23, kGrs), LAYOUT(41, kGrs), LAYOUT(42, kGrs),
    LAYOUT(24, kCgb), LAYOUT(25, kCgb), LAYOUT(26, kCgb), LAYOUT(27, kCgb),
    LAYOUT(31, kFar), LAYOUT(32, kFar), LAYOUT(33, kFarj), LAYOUT(43, kCqr), LAYOUT(44, kCpg),
    LAYOUT(45, kUsr), LAYOUT(47, kCfn),
    LAYOUT(49, kOptionalOnly), LAYOUT(50, kOptionalOnly), LAYOUT(52, kOptionalOnly),
    LAYOUT(53, kOptionalOnly), LAYOUT(54, kOptionalOnly), LAYOUT(55, kOptionalOnly),
    LAYOUT(56, kOptionalOnly), LAYOUT(255, kOptionalOnly),
};
#undef LAYOUT
#undef NO_PARAMETERS
// clang-format on
constexpr std::uint8_t kPassAlong = 40;

const SIsupLayout* findLayout(std::uint8_t type) {
    for (const SIsupLayout& l : kIsupLayouts)
        if (l.type == type) return &l;
    return nullptr;
}

// The bytes of `area` from `offset` on, at most `count` of them.
ByteReader bytesAt(ByteReader area, std::size_t offset, std::size_t count) {
    if (!area.skip(offset)) return ByteReader(static_cast<const std::uint8_t*>(nullptr), 0);
    return ByteReader(area.current(), area.remaining() < count ? area.remaining() : count);
}

// Prints the mandatory parameters and the optional part of one message type
// from `area`, the bytes after its type. False when the frame ended first.
bool printIsupLayout(const SIsupLayout& layout, ByteReader area, TMonitorLines& out) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < layout.count; ++i) {
        const SIsupSlot& slot = layout.slots[i];
        if (slot.length != kVariable) {
            printIsupParameter(slot.code, slot.length, bytesAt(area, pos, slot.length), out);
            pos += slot.length;
            if (pos > area.remaining()) return false;
            continue;
        }
        ByteReader pointer = bytesAt(area, pos, 1);
        const std::size_t target = pos + pointer.u8();
        if (!pointer.ok()) return false;
        ++pos;
        if (slot.code == 0)
            return printIsupOptionalParameters(bytesAt(area, target, ~std::size_t(0)), out);
        ByteReader lengthByte = bytesAt(area, target, 1);
        const std::uint8_t length = lengthByte.u8();
        if (!lengthByte.ok()) return false;
        printIsupParameter(slot.code, length, bytesAt(area, target + 1, length), out);
    }
    return true;
}

void decodeIsup(std::uint8_t type, ByteReader area, TMonitorLines& out) {
    while (type == kPassAlong) {  // the embedded message follows its own type byte
        const std::uint8_t embedded = area.u8();
        if (!area.ok()) return;
        char line[kHeaderLineSize];
        std::snprintf(line, sizeof line, kPassedAlong, textById(isupMessageTextId(embedded)));
        addMonitorLine(out, line);
        type = embedded;
        area = ByteReader(area.current(), area.remaining());
    }
    const SIsupLayout* layout = findLayout(type);
    if (layout == nullptr) {
        addMonitorLine(out, message(26953, printed("%x", type)));
        return;
    }
    printIsupLayout(*layout, area, out);
}

// The message ----------------------------------------------------------------

// The direction of the header line, from the payload's prefix.
std::string directionText(std::uint8_t code, ByteReader& in) {
    if (code == kNo7SentBySpc || code == kNo7ReceivedBySpc) {
        const std::uint16_t spc = in.u16le();
        return message(code == kNo7SentBySpc ? 26384 : 26386, printed("%5d", spc));
    }
    const std::int32_t pt = in.i32le();
    return message(code == kNo7SentOnPt ? 26385 : 26387, printed("%5d", pt));
}

bool isMirroredCode(std::uint8_t code) {
    return code >= kNo7SentBySpc && code <= kNo7ReceivedBySpc;
}

}  // namespace

TMonitorLines decodeNo7Message(std::uint8_t code, const std::uint8_t* payload, std::size_t length,
                               const STime& now) {
    if (!isMirroredCode(code)) return {};
    ByteReader in(payload, length);
    const std::string direction = directionText(code, in);
    const std::uint8_t sio = in.u8();
    std::uint8_t label[4] = {};
    in.bytes(label, sizeof label);
    if (!in.ok()) return {};
    const unsigned dpc = label[0] + 256u * (label[1] & 0x3F);
    const unsigned opc = (label[1] >> 6) + 4u * label[2] + 1024u * (label[3] & 0x0F);

    TMonitorLines after;
    std::string details = "???";
    if (sio == kSioTup) {
        const std::uint8_t cicHigh = in.u8();
        const std::uint8_t heading = in.u8();
        if (in.ok()) {
            details =
                message(26389, (label[3] >> 4) + 16 * cicHigh, textById(tupMessageTextId(heading)));
            TTupFields fields(ByteReader(in.current(), in.remaining()), details, after);
            decodeTup(heading, fields);
        }
    } else if (sio == kSioIsup) {
        const std::uint8_t cicLow = in.u8();
        const std::uint8_t cicHigh = in.u8();
        const std::uint8_t type = in.u8();
        if (in.ok()) {
            details =
                message(26444, cicLow + 256 * (cicHigh & 0x0F), textById(isupMessageTextId(type)));
            decodeIsup(type, ByteReader(in.current(), in.remaining()), after);
        }
    }

    TMonitorLines lines;
    addMonitorLine(lines, message(26388, printed("%02d", now.hour), printed("%02d", now.minute),
                                  printed("%02d", now.second), direction,
                                  textById(userPartTextId(sio)), dpc, opc, details));
    for (const std::string& line : after) lines.push_back(line);
    lines.push_back(kSeparatorLine);
    return lines;
}

TNo7SigReceiver::TNo7SigReceiver() : TMessageReceiver(kTypeSupervision) {
    for (std::uint8_t code : {kNo7SentBySpc, kNo7SentOnPt, kNo7ReceivedOnPt, kNo7ReceivedBySpc})
        addCodeFilter(code);
    active = 1;
}

void TNo7SigReceiver::onMessage(std::uint8_t, std::uint16_t, std::uint8_t code,
                                const std::uint8_t* payload, int length) {
    STime now;
    getCurrentTime(&now);
    const TMonitorLines lines =
        decodeNo7Message(code, payload, length > 0 ? std::size_t(length) : 0, now);
    for (const std::string& line : lines) postTextLine(kLineLocal, line.c_str(), kTypeSupervision);
}

int createNo7Monitor() {
    if (no7Monitor == nullptr) no7Monitor = new TNo7SigReceiver();
    return 0;
}

void destroyNo7Monitor() {
    delete no7Monitor;
    no7Monitor = nullptr;
}
