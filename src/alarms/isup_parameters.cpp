#include "alarms/isup_parameters.h"

#include <cstdio>

#include "alarms/no7_labels.h"
#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "utils/code_mappers.h"

// Notes: each parameter is a row: fields read from its value bytes (a value
// and the labels of its values), optionally address signals and more fields,
// optionally a routine for what rows cannot say. Every byte is read through
// TValue, which notes a read past the value; such a parameter prints its name
// line and its raw bytes instead of fields decoded from bytes it never had.

namespace {

// The value bytes of one parameter.
class TValue {
public:
    explicit TValue(ByteReader bytes) : bytes_(bytes), size_(bytes.remaining()) {}
    std::size_t size() const { return size_; }
    bool cut() const { return cut_; }
    std::uint8_t at(std::size_t k) {
        ByteReader r = bytes_;
        r.skip(k);
        const std::uint8_t b = r.u8();
        if (!r.ok()) cut_ = true;
        return b;
    }
    // Bytes k and k + 1 as one little-endian value.
    unsigned word(std::size_t k) { return at(k) | unsigned(at(k + 1)) << 8; }
    // The bytes from byte k on (none when k lies beyond the value).
    ByteReader bytesFrom(std::size_t k) const {
        return k < size_ ? ByteReader(bytes_.current() + k, size_ - k)
                         : ByteReader(static_cast<const uint8_t*>(nullptr), 0);
    }
    TValue from(std::size_t k) const { return TValue(bytesFrom(k)); }

private:
    ByteReader bytes_;
    std::size_t size_;
    bool cut_ = false;
};

template <typename... Args>
void appendf(std::string& s, const char* format, Args... args) {
    char buffer[kMonitorLineMax + 56];
    std::snprintf(buffer, sizeof buffer, format, args...);
    s += buffer;
}

struct SLabels {
    const SLabelCase* cases = nullptr;
    std::size_t count = 0;
};

template <std::size_t N>
constexpr SLabels labels(const SLabelCase (&cases)[N]) {
    return {cases, N};
}

// The label of a value, or `other` when the list has none.
const char* labelOf(SLabels list, unsigned value, const char* other = nullptr) {
    for (std::size_t i = 0; i < list.count; ++i)
        if (list.cases[i].value == value) return list.cases[i].label;
    return other;
}

std::string catalogueText(const SChoiceEntry* entries, std::size_t count, std::int32_t other,
                          unsigned value) {
    for (std::size_t i = 0; i < count; ++i)
        if (entries[i].value == std::int32_t(value)) return textById(entries[i].textId);
    char buffer[kMonitorLineMax + 1];
    formatMessage(buffer, sizeof buffer, other, value);
    return buffer;
}

template <std::size_t N>
std::string catalogueText(const SChoiceEntry (&entries)[N], std::int32_t other, unsigned value) {
    return catalogueText(entries, N, other, value);
}

std::string parameterName(std::uint8_t code) {
    return textById(isupParameterTextId(code));
}

std::string nameLine(std::uint8_t code) {
    std::string line;
    appendf(line, kNameLine, parameterName(code).c_str());
    return line;
}

constexpr std::int8_t kWord = -1;  // the field lies in bytes 0-1 taken as one value

// One field of a value: where it lies, the text before it, and its labels;
// a label prints with the field's value as its one argument.
struct SField {
    std::int8_t byte;
    std::uint8_t shift;
    std::uint16_t mask;
    const char* lead;
    SLabels labels;
    const char* other;
};

constexpr SField valueField(std::int8_t byte, std::uint16_t mask, const char* format) {
    return {byte, 0, mask, nullptr, {}, format};
}
template <std::size_t N>
constexpr SField labelField(std::int8_t byte, std::uint8_t shift, std::uint16_t mask,
                            const SLabelCase (&cases)[N], const char* other = nullptr,
                            const char* lead = nullptr) {
    return {byte, shift, mask, lead, labels(cases), other};
}
template <std::size_t N>
constexpr SField leadField(const char* lead, std::int8_t byte, std::uint8_t shift,
                           std::uint16_t mask, const SLabelCase (&cases)[N],
                           const char* other = nullptr) {
    return {byte, shift, mask, lead, labels(cases), other};
}
constexpr SField leadOnly(const char* lead) {
    return {0, 0, 0, lead, {}, nullptr};
}

void printField(const SField& f, TValue& v, std::string& s) {
    const unsigned raw = f.byte == kWord ? v.word(0) : v.at(std::size_t(f.byte));
    const unsigned value = (raw >> f.shift) & f.mask;
    if (f.lead != nullptr) s += f.lead;
    const char* label = labelOf(f.labels, value, f.other);
    if (label != nullptr) appendf(s, label, value);
}

struct SFields {
    const SField* rows = nullptr;
    std::size_t count = 0;
};

template <std::size_t N>
constexpr SFields fields(const SField (&rows)[N]) {
    return {rows, N};
}

void printFields(SFields list, TValue& v, std::string& s) {
    for (std::size_t i = 0; i < list.count; ++i) printField(list.rows[i], v, s);
}

char signalChar(unsigned value) {
    return kSignalDigits[value & 0x0F];
}

// `count` address signals, two to a byte from byte `from`, the first in the lower half.
void appendSignals(std::string& s, TValue& v, std::size_t from, int count) {
    for (int i = 0; i < count; ++i) {
        const std::uint8_t b = v.at(from + std::size_t(i / 2));
        s += signalChar(i % 2 == 0 ? b : b >> 4);
    }
}

void appendHexBytes(std::string& s, TValue& v, std::size_t from) {
    for (std::size_t k = from; k < v.size(); ++k) appendf(s, kHexByte, v.at(k));
}

char digitChar(unsigned value) {
    return char('0' + (value & 0x0F));
}

// Lines of one parameter under construction.
class TPrinter {
public:
    explicit TPrinter(std::uint8_t code) : line(nameLine(code)) {}
    std::string line;
    TMonitorLines lines;
    void post() {
        lines.push_back(line);
        line.clear();
    }
    void finish() {
        if (!line.empty()) post();
    }
};

// Rows of the fields that fit a table --------------------------------------

constexpr SField kByteDecField = valueField(0, 0xFF, kByteDec);

constexpr SField kNatureOfConnectionRows[] = {kByteDecField, labelField(0, 0, 3, kSatellite),
                                              leadField(kCciLead, 0, 2, 3, kContinuityCheck),
                                              leadField(kOhesLead, 0, 4, 1, kOutgoingEcho)};
constexpr SField kOptionalBackwardRows[] = {
    kByteDecField, labelField(0, 0, 1, kInBand), labelField(0, 1, 1, kDiversion),
    labelField(0, 2, 1, kSegmentation), labelField(0, 3, 1, kMlpp)};
constexpr SField kOptionalForwardRows[] = {kByteDecField, leadField(kCugLead, 0, 0, 3, kCug),
                                           labelField(0, 2, 1, kSegmentation),
                                           labelField(0, 7, 1, kClir)};
constexpr SField kCategoryRows[] = {
    kByteDecField, leadField(kCategoryLead, 0, 0, 0xFF, kCallingCategory, kCallingCategoryOther)};
constexpr SField kInfoRequestRows[] = {
    valueField(kWord, 0xFFFF, kInfoRequestWord),   labelField(0, 0, 1, kAddressRequest),
    leadField(kHoldRqLead, 0, 1, 1, kHoldRequest), leadField(kCatLead, 0, 3, 1, kNotRequested),
    leadField(kChrgLead, 0, 4, 1, kNotRequested),  leadField(kMcidLead, 0, 7, 1, kMcidRequest)};
constexpr SField kInfoRows[] = {
    valueField(kWord, 0xFFFF, kWordHexShort), labelField(0, 0, 3, kAddressResponse),
    labelField(0, 2, 1, kHoldProvided),       labelField(0, 5, 1, kCategoryIncluded),
    labelField(0, 6, 1, kChargeIncluded),     labelField(0, 7, 1, kSolicited)};
constexpr SField kContinuityRows[] = {labelField(0, 0, 1, kContinuity)};
constexpr SField kSuspendResumeRows[] = {leadField(kSusResLead, 0, 0, 1, kSuspendResume)};
constexpr SField kSupervisionRows[] = {labelField(0, 0, 3, kSupervisionType)};
constexpr SField kFacilityRows[] = {labelField(0, 0, 0xFF, kFacility, kFacilityOther)};
constexpr SField kEventRows[] = {kByteDecField,
                                 leadField(kEventLead, 0, 0, 0xFF, kEvent, kEventOther)};
constexpr SField kCongestionRows[] = {labelField(0, 0, 0xFF, kCongestion, kCongestionOther)};
constexpr SField kAccessDeliveryRows[] = {labelField(0, 0, 1, kAccessDelivery)};
constexpr SField kCallDiversionRows[] = {
    labelField(0, 0, 7, kNotificationOption, kNotificationOptionOther),
    labelField(0, 3, 15, kRedirectReason, kRedirectReasonOther)};
constexpr SField kEchoControlRows[] = {
    labelField(0, 0, 3, kOutgoingHalfEcho), labelField(0, 2, 3, kIncomingHalfEcho),
    labelField(0, 4, 3, kOutgoingEchoRequest), labelField(0, 6, 3, kIncomingEchoRequest)};
constexpr SField kPrecedenceRows[] = {labelField(0, 5, 3, kLookAhead),
                                      labelField(0, 0, 15, kPrecedence, kPrecedenceOther)};
constexpr SField kMcidRequestRows[] = {kByteDecField, labelField(0, 0, 1, kMcidRequested),
                                       labelField(0, 1, 1, kHoldRequested)};
constexpr SField kMcidResponseRows[] = {kByteDecField, labelField(0, 0, 1, kMcidProvided),
                                        labelField(0, 1, 1, kHoldProvidedResponse)};
constexpr SField kRestrictionRows[] = {leadField(kPresLead, 0, 0, 3, kRestriction)};
constexpr SField kRedirectionInfoRows[] = {
    leadField(kRdrLead, 0, 0, 7, kRedirecting),
    leadField(kOrigRdrLead, 0, 4, 15, kOriginalReason, kOriginalReasonOther),
    valueField(1, 7, kRedirectionCounter),
    leadField(kRdrReasLead, 1, 4, 15, kRedirectingReason, kRedirectingReasonOther)};
constexpr SField kCauseLocationRows[] = {labelField(0, 0, 15, kLocation, kLocationOther),
                                         leadField(kCStdLead, 0, 5, 3, kCauseCodingStandard)};

// Number parameters: fields, address signals, fields.
constexpr SField kNatureHex = labelField(0, 0, 0x7F, kNatureOfAddress, kOtherNatureHex);
constexpr SField kNatureDec = labelField(0, 0, 0x7F, kNatureOfAddress, kOtherNatureDec);
constexpr SField kNatureRows[] = {kNatureHex};
constexpr SField kCalledRows[] = {labelField(1, 7, 1, kInnIndicator),
                                  leadField(kNumPlanLead, 1, 4, 7, kCalledPlan, kCalledPlanOther)};
constexpr SField kCallingRows[] = {
    labelField(1, 7, 1, kCallingComplete),
    leadField(kNumPlanLead, 1, 4, 7, kCallingPlan, kCallingPlanOther),
    leadField(kPresLead, 1, 2, 3, kCallingPresentation),
    leadField(kScreenLead, 1, 0, 3, kCallingScreening)};
constexpr SField kRedirectingRows[] = {
    leadField(kNumPlanLead, 1, 4, 7, kRedirectingPlan, kRedirectingPlanOther),
    leadField(kPresNLead, 1, 2, 3, kRedirectingPresentation)};
constexpr SField kConnectedRows[] = {
    leadField(kNumPlLead, 1, 4, 7, kConnectedPlan, kConnectedPlanOther),
    leadField(kPresLead, 1, 2, 3, kConnectedPresentation),
    leadField(kScreenLead, 1, 0, 3, kConnectedScreening)};
constexpr SField kLocationNatureRows[] = {kNatureDec};
constexpr SField kLocationRows[] = {
    labelField(1, 7, 1, kLocationInn), labelField(1, 4, 7, kLocationPlan, kLocationPlanOther),
    labelField(1, 2, 3, kShortPresentation), labelField(1, 0, 3, kShortScreening)};
constexpr SField kGenericHeadRows[] = {
    labelField(0, 0, 0xFF, kNumberQualifier, kNumberQualifierOther),
    labelField(1, 0, 0x7F, kNatureOfAddress, kOtherNatureDec)};
constexpr SField kGenericRows[] = {
    labelField(2, 7, 1, kGenericComplete), labelField(2, 4, 7, kGenericPlan, kGenericPlanOther),
    labelField(2, 2, 3, kShortPresentation), labelField(2, 0, 3, kShortScreening)};
constexpr SField kSubsequentRows[] = {leadOnly(kSubsequentLead)};

// Routines for what the rows cannot say ------------------------------------

void printOwnCategory(TValue& v, TPrinter& p) {
    p.line += kOwnCategoryLead;
    p.line += textById(subscriberCategoryTextId(v.at(0) & 0x3F));
}

void printMlpp(TValue& v, TPrinter& p) {
    const std::int32_t domain = std::int32_t(v.at(3)) << 16 | v.at(4) << 8 | v.at(5);
    appendf(p.line, kMlppLine, digitChar(v.at(1) >> 4), digitChar(v.at(1)), digitChar(v.at(2) >> 4),
            digitChar(v.at(2)), domain);
}

void printTransitNetwork(TValue& v, TPrinter& p) {
    const unsigned type = (v.at(0) >> 4) & 7;
    const unsigned plan = v.at(0) & 0x0F;
    appendf(p.line, labelOf(labels(kNetworkIdType), type, kNetworkIdTypeOther), type);
    if (type == 0)
        appendf(p.line, labelOf(labels(kNetworkIdPlan), plan, kNetworkIdPlanOther), plan);
    else
        appendf(p.line, kNetworkIdPlanOfType, plan);
}

const char* pick(SLabels list, unsigned value) {
    return labelOf(list, value, kUnknownLabel);
}

void printForwardCall(TValue& v, TPrinter& p) {
    const unsigned b0 = v.at(0), b1 = v.at(1);
    appendf(p.line, kWordHex, v.word(0));
    appendf(p.line, kForwardLine1, pick(labels(kInternational), b0 & 1),
            pick(labels(kEndToEnd), (b0 >> 1) & 3), pick(labels(kInterworking), (b0 >> 3) & 1),
            pick(labels(kEndToEndInfo), (b0 >> 4) & 1));
    p.post();
    appendf(p.line, kForwardLine2, "", pick(labels(kIsupIndicator), (b0 >> 5) & 1),
            pick(labels(kIsupPreference), (b0 >> 6) & 3), pick(labels(kIsdnAccess), b1 & 1),
            pick(labels(kSccpMethod), (b1 >> 1) & 3));
}

void printBackwardCall(TValue& v, TPrinter& p) {
    const unsigned b0 = v.at(0), b1 = v.at(1);
    appendf(p.line, kWordHex3, v.word(0));
    appendf(p.line, kBackwardLine1, pick(labels(kCharge), b0 & 3),
            pick(labels(kCalledStatus), (b0 >> 2) & 3),
            pick(labels(kCalledCategory), (b0 >> 4) & 3), pick(labels(kEndToEnd), (b0 >> 6) & 3));
    p.post();
    appendf(p.line, kBackwardLine2, "", pick(labels(kInterworking), b1 & 1),
            pick(labels(kEndToEndInfo), (b1 >> 1) & 1), pick(labels(kIsupIndicator), (b1 >> 2) & 1),
            pick(labels(kHoldIndicator), (b1 >> 3) & 1));
    p.post();
    appendf(p.line, kBackwardLine3, "", pick(labels(kSubscriberIsdn), (b1 >> 4) & 1),
            pick(labels(kIncomingEcho), (b1 >> 5) & 1), pick(labels(kSccpMethod), (b1 >> 6) & 3));
}

void printBearer(TValue& v, TPrinter& p) {
    const unsigned b0 = v.at(0), b1 = v.at(1), b2 = v.at(2);
    appendf(p.line, kBearerLine1, pick(labels(kCodingStandard), (b0 >> 5) & 3),
            pick(labels(kTransferCapability), b0 & 0x1F),
            pick(labels(kTransferMode), (b1 >> 5) & 3));
    p.post();
    appendf(p.line, kBearerLine2, "", pick(labels(kTransferRate), b1 & 0x1F),
            pick(labels(kLayer1Protocol), b2 & 0x1F));
}

void printMedium(TValue& v, TPrinter& p) {
    const unsigned medium = v.at(0);
    appendf(p.line, kByteHex3, medium);
    p.line += catalogueText(kMedium, kMediumOther, medium);
}

void printCause(TValue& v, TPrinter& p) {
    printFields(fields(kCauseLocationRows), v, p.line);
    p.line += kRecLead;
    std::size_t k = 1;
    if ((v.at(0) & 0x80) == 0) {
        const unsigned recommendation = v.at(1) & 0x7F;
        p.line += labelOf(labels(kRecommendation), recommendation, kRecommendationOther);
        k = 2;
    } else {
        p.line += kRecommendationDefault;
    }
    const unsigned cause = v.at(k) & 0x7F;
    p.line += kCauseLead;
    p.line += catalogueText(kCauseText, kCauseTextOther, cause);
    appendf(p.line, kCauseValue, cause);
    if (k + 1 < v.size()) {
        p.line += kDiagLead;
        appendHexBytes(p.line, v, k + 1);
    }
}

void printNotifications(TValue& v, TPrinter& p) {
    std::uint8_t b = 0;
    std::size_t k = 0;
    do {
        b = v.at(k++);
        p.line += catalogueText(kNotification, kNotificationOther, b & 0x7F);
    } while ((b & 0x80) == 0 && k < v.size());
}

void printCallReference(TValue& v, TPrinter& p) {
    const std::int32_t id = v.at(0) | v.at(1) << 8 | v.at(2) << 16;
    appendf(p.line, kCallReference, id, int(v.word(3) & 0x3FFF));
}

void printConnectionRequest(TValue& v, TPrinter& p) {
    const std::int32_t reference = v.at(0) | v.at(1) << 8 | v.at(2) << 16;
    appendf(p.line, kConnectionRequest, reference, int(v.word(3) & 0x3FFF), int(v.at(5)),
            int(v.at(6)));
}

void printInterlock(TValue& v, TPrinter& p) {
    const unsigned b0 = v.at(0), b1 = v.at(1), b2 = v.at(2), b3 = v.at(3);
    appendf(p.line, kInterlockCode, digitChar(b0 >> 4), digitChar(b0), digitChar(b1 >> 4),
            digitChar(b1), b2 + 256 * b3, b0, b1, b2, b3);
}

void printPointCode(TValue& v, TPrinter& p) {
    appendf(p.line, kPointCode, v.word(0) & 0x3FFF);
}

void printDelay(TValue& v, TPrinter& p) {
    appendf(p.line, kDelay, v.at(0) * 256 + v.at(1));
}

void printNetworkFacility(TValue& v, TPrinter& p) {
    const std::size_t idLength = v.at(0);
    const unsigned b1 = v.at(1);
    p.line += labelOf(labels(kNetworkIdKind), (b1 >> 4) & 7, kNetworkIdKindOther);
    appendf(p.line, kPlanLead, b1 & 0x0F);
    for (std::size_t k = 2; k < idLength + 2; ++k) appendf(p.line, kHexByte, v.at(k));
    p.line += kFacLead;
    appendHexBytes(p.line, v, idLength + 2);
}

void printRemoteOperations(TValue& v, TPrinter& p) {
    appendf(p.line, kRemoteOperations, v.at(0) & 0x1F);
    appendHexBytes(p.line, v, 1);
}

void printGenericReference(TValue& v, TPrinter& p) {
    p.line += labelOf(labels(kReferenceKind), v.at(0), kReferenceKindOther);
    const unsigned length = v.at(1);
    if (length < 1 || length > 4) {
        appendf(p.line, kReferenceLength, length);
        return;
    }
    std::uint32_t reference = 0;
    for (unsigned i = 0; i < length; ++i) reference |= std::uint32_t(v.at(2 + i)) << (8 * i);
    appendf(p.line, kReference, std::int32_t(reference));
}

void printGenericDigits(TValue& v, TPrinter& p) {
    const unsigned b0 = v.at(0);
    const unsigned type = b0 & 0x1F, encoding = b0 >> 5;
    appendf(p.line, labelOf(labels(kDigitsType), type, kDigitsTypeOther), type);
    if (encoding <= 1) {
        const int count = 2 * int(v.size()) - 2 - int(encoding);
        p.line += kBcdLead;
        appendSignals(p.line, v, 1, count < 0 ? 0 : count);
        p.line += ' ';
        return;
    }
    appendf(p.line, labelOf(labels(kDigitsEncoding), encoding, kDigitsEncodingOther), encoding);
    appendHexBytes(p.line, v, 1);
}

// Request or response, three services with their number in front, discard.
void printUserToUserIndicators(TValue& v, TPrinter& p) {
    const unsigned b = v.at(0);
    const SLabels services = (b & 1) != 0 ? labels(kServiceResponse) : labels(kServiceRequest);
    p.line += pick(labels(kUserToUserKind), b & 1);
    for (unsigned service = 1; service <= 3; ++service) {
        appendf(p.line, "%u", service);
        p.line += pick(services, (b >> (2 * service - 1)) & 3);
    }
    p.line += pick(labels(kDiscard), b >> 7);
}

void printChargeUnit(TValue& v, TPrinter& p) {
    appendf(p.line, kChargeUnit, v.at(0));
}
void printChargeBand(TValue& v, TPrinter& p) {
    appendf(p.line, kChargeBand, v.at(0));
}
void printRawBytes(TValue& v, TPrinter& p) {
    appendHexBytes(p.line, v, 0);
}

void printAccessTransport(TValue& v, TPrinter& p) {
    p.post();
    for (std::size_t k = 0; k < v.size(); ++k) {
        if (k % 16 == 0) p.line = kBarePrefix;
        appendf(p.line, kHexByte, v.at(k));
        if (k % 16 == 15) p.post();
    }
}

void printRangeStatus(TValue& v, TPrinter& p) {
    appendf(p.line, kRangeStatus, v.at(0));
    p.post();
    const ByteReader bits = v.bytesFrom(1);
    addStatusBitLines(p.lines, bits, 8 * bits.remaining());
}

void printCircuitStates(TValue& v, TPrinter& p) {
    p.post();
    for (std::size_t k = 0; k < v.size(); ++k) {
        const unsigned b = v.at(k);
        if ((b >> 2) & 3) {
            p.line += kMbsLead;
            p.line += pick(labels(kBlockingState), b & 3);
            p.line += kHbsLead;
            p.line += pick(labels(kBlockingState), (b >> 4) & 3);
            p.line += kCpsLead;
            p.line += pick(labels(kCallProcessing), (b >> 2) & 3);
        } else {
            p.line += kEqsLead;
            p.line += pick(labels(kEquipped), b & 3);
        }
        p.post();
    }
}

constexpr SField kMessageInstructionRows[] = {
    labelField(0, 0, 1, kTransitInstruction), leadField(kRelLead, 0, 1, 1, kRelease),
    leadField(kSendNotLead, 0, 2, 1, kSendNotification),
    leadField(kDisMsgLead, 0, 3, 1, kDiscardMessage), leadField(kNotPassLead, 0, 4, 1, kNotPassed)};
constexpr SField kParameterInstructionRows[] = {labelField(1, 0, 1, kParamTransit),
                                                labelField(1, 1, 1, kParamRelease),
                                                labelField(1, 2, 1, kParamNotification),
                                                labelField(1, 3, 1, kParamDiscardMessage),
                                                labelField(1, 4, 1, kParamDiscardParameter),
                                                leadField(kPoNpiLead, 1, 5, 3, kPassOnNotPossible)};

void printMessageCompatibility(TValue& v, TPrinter& p) {
    for (std::size_t k = 0;; ++k) {
        TValue instruction = v.from(k);
        printFields(fields(kMessageInstructionRows), instruction, p.line);
        const std::uint8_t b = v.at(k);
        if ((b & 0x80) != 0 || k + 1 >= v.size()) return;
        p.post();
        p.line = kBarePrefix;
    }
}

void printParameterCompatibility(TValue& v, TPrinter& p) {
    p.post();
    for (std::size_t k = 0;; k += 2) {
        appendf(p.line, kUpgradedLine, parameterName(v.at(k)).c_str());
        TValue pair = v.from(k);
        printFields(fields(kParameterInstructionRows), pair, p.line);
        const std::uint8_t instruction = v.at(k + 1);
        p.post();
        if ((instruction & 0x80) != 0 || k + 2 >= v.size()) return;
    }
}

// Parameter rows -----------------------------------------------------------

constexpr int kNoSignals = -1;

struct SParamDef {
    std::uint8_t code;
    SFields head;
    int signalsFrom;       // byte of the first address signal, or kNoSignals
    std::uint8_t oddByte;  // byte whose bit 7 is the odd/even indicator
    const char* afterSignals;
    SFields rest;
    void (*routine)(TValue&, TPrinter&);  // after everything else
    void (*before)(TValue&, TPrinter&);   // before the signals
};

constexpr SParamDef fieldsOnly(std::uint8_t code, SFields rows,
                               void (*routine)(TValue&, TPrinter&) = nullptr) {
    return {code, rows, kNoSignals, 0, nullptr, {}, routine, nullptr};
}
constexpr SParamDef routineOnly(std::uint8_t code, void (*routine)(TValue&, TPrinter&)) {
    return {code, {}, kNoSignals, 0, nullptr, {}, routine, nullptr};
}
constexpr SParamDef number(std::uint8_t code, SFields head, int from, std::uint8_t oddByte,
                           const char* after, SFields rest,
                           void (*before)(TValue&, TPrinter&) = nullptr) {
    return {code, head, from, oddByte, after, rest, nullptr, before};
}

constexpr SParamDef kParams[] = {
    routineOnly(1, printCallReference),
    routineOnly(2, printMedium),
    number(4, fields(kNatureRows), 2, 0, kComma, fields(kCalledRows)),
    number(5, fields(kSubsequentRows), 1, 0, " ", {}),
    fieldsOnly(6, fields(kNatureOfConnectionRows)),
    routineOnly(7, printForwardCall),
    fieldsOnly(8, fields(kOptionalForwardRows)),
    fieldsOnly(9, fields(kCategoryRows), printOwnCategory),
    number(10, fields(kNatureRows), 2, 0, kComma, fields(kCallingRows)),
    number(11, fields(kNatureRows), 2, 0, kComma, fields(kRedirectingRows)),
    number(12, fields(kNatureRows), 2, 0, kComma, fields(kCalledRows)),
    routineOnly(13, printConnectionRequest),
    fieldsOnly(14, fields(kInfoRequestRows)),
    fieldsOnly(15, fields(kInfoRows)),
    fieldsOnly(16, fields(kContinuityRows)),
    routineOnly(17, printBackwardCall),
    routineOnly(18, printCause),
    fieldsOnly(19, fields(kRedirectionInfoRows)),
    fieldsOnly(21, fields(kSupervisionRows)),
    fieldsOnly(24, fields(kFacilityRows)),
    routineOnly(26, printInterlock),
    routineOnly(29, printBearer),
    routineOnly(30, printPointCode),
    routineOnly(32, printRawBytes),
    number(33, fields(kNatureRows), 2, 0, kComma, fields(kConnectedRows)),
    fieldsOnly(34, fields(kSuspendResumeRows)),
    number(35, {}, 1, 0, " ", {}, printTransitNetwork),
    fieldsOnly(36, fields(kEventRows)),
    fieldsOnly(39, fields(kCongestionRows)),
    number(40, fields(kNatureRows), 2, 0, kComma, fields(kRedirectingRows)),
    fieldsOnly(41, fields(kOptionalBackwardRows)),
    routineOnly(42, printUserToUserIndicators),
    routineOnly(43, printPointCode),
    routineOnly(44, printNotifications),
    routineOnly(45, printDelay),
    fieldsOnly(46, fields(kAccessDeliveryRows)),
    routineOnly(47, printNetworkFacility),
    routineOnly(48, printRawBytes),
    routineOnly(49, printDelay),
    routineOnly(50, printRemoteOperations),
    routineOnly(51, printRawBytes),
    routineOnly(52, printRawBytes),
    routineOnly(53, printMedium),
    fieldsOnly(54, fields(kCallDiversionRows)),
    fieldsOnly(55, fields(kEchoControlRows)),
    fieldsOnly(58, fields(kPrecedenceRows), printMlpp),
    fieldsOnly(59, fields(kMcidRequestRows)),
    fieldsOnly(60, fields(kMcidResponseRows)),
    routineOnly(62, printMedium),
    number(63, fields(kLocationNatureRows), 2, 0, " ", fields(kLocationRows)),
    fieldsOnly(64, fields(kRestrictionRows)),
    routineOnly(66, printGenericReference),
    number(192, fields(kGenericHeadRows), 3, 1, " ", fields(kGenericRows)),
    routineOnly(193, printGenericDigits),
    routineOnly(254, printChargeUnit),
    routineOnly(255, printChargeBand),
    routineOnly(3, printAccessTransport),
    routineOnly(22, printRangeStatus),
    routineOnly(38, printCircuitStates),
    routineOnly(56, printMessageCompatibility),
    routineOnly(57, printParameterCompatibility),
};

const SParamDef* findParam(std::uint8_t code) {
    for (const SParamDef& d : kParams)
        if (d.code == code) return &d;
    return nullptr;
}

void decode(const SParamDef& d, TValue& v, TPrinter& p) {
    printFields(d.head, v, p.line);
    if (d.before != nullptr) d.before(v, p);
    if (d.signalsFrom != kNoSignals) {
        const int odd = v.at(d.oddByte) >> 7;
        const int count = 2 * (int(v.size()) - d.signalsFrom) - odd;
        appendSignals(p.line, v, std::size_t(d.signalsFrom), count < 0 ? 0 : count);
        p.line += d.afterSignals;
    }
    printFields(d.rest, v, p.line);
    if (d.routine != nullptr) d.routine(v, p);
}

}  // namespace

void addMonitorLine(TMonitorLines& out, const std::string& line) {
    out.push_back(line.size() > kMonitorLineMax ? line.substr(0, kMonitorLineMax) : line);
}

void addStatusBitLines(TMonitorLines& out, ByteReader bytes, std::size_t count) {
    constexpr std::size_t kBitsPerLine = 64;
    std::string line;
    for (std::size_t i = 0; i < count; ++i) {
        ByteReader r = bytes;
        r.skip(i / 8);
        const std::uint8_t b = r.u8();
        if (!r.ok()) break;  // the bytes end before the count
        if (line.empty()) line = "      ";
        line += ((b >> (i % 8)) & 1) != 0 ? '1' : '0';
        if (line.size() == 6 + kBitsPerLine) {
            addMonitorLine(out, line);
            line.clear();
        }
    }
    if (!line.empty()) addMonitorLine(out, line);
}

void printIsupParameter(std::uint8_t code, std::uint8_t length, ByteReader value,
                        TMonitorLines& out) {
    const std::size_t received = value.remaining() < length ? value.remaining() : length;
    TValue v(ByteReader(value.current(), received));
    TPrinter p(code);
    if (const SParamDef* d = findParam(code)) decode(*d, v, p);
    p.finish();
    if (received == length && !v.cut()) {
        for (const std::string& line : p.lines) addMonitorLine(out, line);
        return;
    }
    std::string raw = nameLine(code);  // the fields never arrived whole: show what did
    appendHexBytes(raw, v, 0);
    addMonitorLine(out, raw);
}

bool printIsupOptionalParameters(ByteReader in, TMonitorLines& out) {
    for (;;) {
        const std::uint8_t code = in.u8();
        if (!in.ok()) return false;
        if (code == 0) return true;
        const std::uint8_t length = in.u8();
        if (!in.ok()) {
            addMonitorLine(out, nameLine(code));
            return false;
        }
        printIsupParameter(code, length, in, out);
        if (!in.skip(length)) return false;
    }
}
