#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alarms/no7_monitor.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "peer/recording_receiver.h"
#include "platform/local_clock.h"
#include "utils/code_mappers.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string kSeparator =
    "              |             | ------------------------------------------------------| ";

// A catalogue text with its placeholders filled in order by the given texts.
std::string filled(int textId, const std::vector<std::string>& args) {
    std::string s = textById(textId);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string mark = "%" + std::to_string(i + 1);
        const std::size_t at = s.find(mark);
        if (at != std::string::npos) s.replace(at, mark.size(), args[i]);
    }
    return s;
}

// Prefix, SIO and routing label; `sls` is the upper half of the fourth label byte.
Bytes mirrored(std::uint8_t code, std::uint8_t sio, unsigned dpc, unsigned opc, std::uint8_t sls,
               const Bytes& rest) {
    Bytes b;
    if (code == kNo7SentBySpc || code == kNo7ReceivedBySpc)
        b = {0x23, 0x01};  // signalling point code 291
    else
        b = {0xFB, 0xFF, 0xFF, 0xFF};  // connection point -5
    b.push_back(sio);
    b.push_back(std::uint8_t(dpc));
    b.push_back(std::uint8_t(((dpc >> 8) & 0x3F) | (opc & 3) << 6));
    b.push_back(std::uint8_t(opc >> 2));
    b.push_back(std::uint8_t(((opc >> 10) & 0x0F) | sls << 4));
    b.insert(b.end(), rest.begin(), rest.end());
    return b;
}

const STime kNow = [] {
    STime t;
    t.hour = 12;
    t.minute = 34;
    t.second = 5;
    return t;
}();

std::string header(const std::string& direction, const std::string& userPart, unsigned dpc,
                   unsigned opc, const std::string& details) {
    return " 12:34:05     | " + direction + " SIO:" + userPart + " DPC:" + std::to_string(dpc) +
           " OPC:" + std::to_string(opc) + " " + details + " | ";
}

const std::string kSentBySpc = filled(26384, {"  291"});

TMonitorLines decode(std::uint8_t code, const Bytes& payload) {
    return decodeNo7Message(code, payload.data(), payload.size(), kNow);
}

std::string tupDetails(unsigned cic, const char* name) {
    char cicText[8];
    std::snprintf(cicText, sizeof cicText, "%4u", cic);
    return filled(26389, {cicText, name});
}

TEST(No7Monitor, TupMessagesAndTheirFields) {
    const std::string category10 = filled(26390, {textById(20032)});
    struct Case {
        const char* what;
        std::uint8_t heading;
        Bytes fields;
        std::string details;        // after "CIC: ... HEAD: ...;"
        TMonitorLines statusLines;  // between the header and the separator
    } cases[] = {
        {"IAM with signals 1, 2, 15",
         17,
         {10, 0x51, 0x31, 0x21, 0x0F},
         category10 + textById(26392) + textById(26396) + textById(26399) + textById(26401) +
             "12C ",
         {}},
        {"IAM circuit nature and flags",
         17,
         {10, 0xA4 | 0x20, 0x06},
         category10 + textById(26391) + filled(26395, {"1"}) + textById(26397) + textById(26400) +
             textById(26402) + textById(26403) + " ",
         {}},
        {"IAI with all three fields",
         33,
         {10, 0x03, 0x20, 0x21, 0x32, 0x01, 0x02, 0x00, 0x00, 0x01, 0x2D, 0x43, 0x23, 0x65},
         category10 + textById(26394) + "12 " + textById(26405) + filled(26408, {"16777218"}) +
             textById(26410) + textById(26413) + textById(26414) + "34 " + textById(26418) + "56 ",
         {}},
        {"SAM", 49, {0x30, 0x21, 0x03}, "123 ", {}},
        {"SAO", 65, {0xFC}, "# ", {}},
        {"GSM with every field",
         18,
         {0x7F, 10, 0x10, 0x05, 0x01, 0x34, 0x52, 0x20, 0xAB, 0xCD, 0x13, 0x07},
         category10 + textById(26409) + "5 " + filled(26420, {"4660"}) + textById(26422) +
             "ab cd " + textById(26418) + "7 " + textById(26399) + textById(26423) +
             textById(26424),
         {}},
        {"GSM transit identity of no kind takes no bytes",
         18,
         {0x04, 0x10, 0x99},
         std::string(textById(26419)) + textById(26422) + "99 ",
         {}},
        {"GRQ",
         19,
         {0x3F},
         std::string(textById(26425)) + textById(26426) + textById(26427) + textById(26423) +
             textById(26424) + textById(26399),
         {}},
        {"ACM",
         20,
         {0x3E},
         std::string(textById(26429)) + textById(26431) + textById(26432) + textById(26433) +
             textById(26434),
         {}},
        {"CHG",
         36,
         {0x0F, 0x21, 0x07, 0x09, 0x43, 0x05},
         filled(26435, {"1", "2"}) + filled(26436, {"7"}) + filled(26437, {"1", "7", "30"}) +
             filled(26438, {"3", "4"}) + filled(26439, {"5"}),
         {}},
        {"EUM busy",
         245,
         {0x01, 0x34, 0xD2},
         std::string(textById(26440)) + filled(26442, {"4660"}),
         {}},
        {"EUM other",
         245,
         {0x02, 0x01, 0x00},
         std::string(textById(26441)) + filled(26442, {"1"}),
         {}},
        {"GRS", 152, {9}, filled(26443, {"9"}), {}},
        {"MGB range 0", 24, {0}, filled(26443, {"0"}), {}},
        {"MGB range 7", 24, {7, 0x81}, filled(26443, {"7"}) + "Status:", {"      10000001"}},
        {"GRA range 70",
         168,
         {70, 0xFF, 0, 0, 0, 0, 0, 0, 0x80, 0x55},
         filled(26443, {"70"}) + "Status:",
         {"      " + std::string(8, '1') + std::string(55, '0') + "1", "      1010101"}},
        {"header only", 6, {1, 2, 3}, "", {}},
        {"IAX is not decoded", 81, {1, 2, 3}, "", {filled(26952, {"51"})}},
        {"unnamed heading", 0xF0, {}, "", {filled(26952, {"f0"})}},
    };
    for (const Case& c : cases) {
        Bytes rest = {0x01, c.heading};  // CIC upper byte, heading
        rest.insert(rest.end(), c.fields.begin(), c.fields.end());
        const TMonitorLines lines =
            decode(kNo7SentBySpc, mirrored(kNo7SentBySpc, 0x84, 5, 6, 3, rest));
        TMonitorLines expected = {
            header(kSentBySpc, "TUP", 5, 6,
                   tupDetails(19, textById(tupMessageTextId(c.heading))) + c.details)};
        expected.insert(expected.end(), c.statusLines.begin(), c.statusLines.end());
        expected.push_back(kSeparator);
        EXPECT_EQ(lines, expected) << c.what;
    }
}

TEST(No7Monitor, DirectionsRoutingLabelAndUserParts) {
    const Bytes sccp = {};
    EXPECT_EQ(decode(kNo7SentBySpc, mirrored(kNo7SentBySpc, 0x83, 16383, 16383, 15, sccp)),
              (TMonitorLines{header(kSentBySpc, "SCCP", 16383, 16383, "???"), kSeparator}));
    EXPECT_EQ(decode(kNo7ReceivedBySpc, mirrored(kNo7ReceivedBySpc, 0x03, 1, 2, 0, sccp)),
              (TMonitorLines{header(filled(26386, {"  291"}), "", 1, 2, "???"), kSeparator}));
    EXPECT_EQ(decode(kNo7SentOnPt, mirrored(kNo7SentOnPt, 0x83, 1, 2, 0, sccp))[0],
              header(filled(26385, {"   -5"}), "SCCP", 1, 2, "???"));
    EXPECT_EQ(decode(kNo7ReceivedOnPt, mirrored(kNo7ReceivedOnPt, 0x83, 1, 2, 0, sccp))[0],
              header(filled(26387, {"   -5"}), "SCCP", 1, 2, "???"));
    EXPECT_TRUE(decode(117, mirrored(kNo7SentBySpc, 0x83, 1, 2, 0, sccp)).empty());
}

TMonitorLines param(std::uint8_t code, const Bytes& value) {
    TMonitorLines out;
    printIsupParameter(code, std::uint8_t(value.size()), ByteReader(value.data(), value.size()),
                       out);
    return out;
}

void append(TMonitorLines& to, const TMonitorLines& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

// ISUP IAM: fixed 6, 7, 9, 2, then the pointers of 4 and of the optional part.
const Bytes kIamArea = {0x15, 0x01, 0x01, 0x0A, 0x00, 0x02, 0x05, 0x03,
                        0x83, 0x10, 0x21, 39,   1,    1,    0};

Bytes isup(std::uint8_t type, const Bytes& area) {
    Bytes rest = {0x34, 0x02, type};  // CIC 0x234
    rest.insert(rest.end(), area.begin(), area.end());
    return mirrored(kNo7SentBySpc, 0x85, 5, 6, 0, rest);
}

std::string isupHeader(const char* name) {
    return header(kSentBySpc, "ISUP", 5, 6, filled(26444, {"564", name}));
}

TEST(No7Monitor, IsupMessagesThroughTheirPointers) {
    TMonitorLines iam = {isupHeader("IAM")};
    append(iam, param(6, {0x15}));
    append(iam, param(7, {0x01, 0x01}));
    append(iam, param(9, {0x0A}));
    append(iam, param(2, {0x00}));
    append(iam, param(4, {0x83, 0x10, 0x21}));
    append(iam, param(39, {0x01}));
    iam.push_back(kSeparator);
    EXPECT_EQ(decode(kNo7SentBySpc, isup(1, kIamArea)), iam);

    Bytes noOptional = kIamArea;
    noOptional[6] = 0;  // the pointer points at itself
    iam.erase(iam.end() - 2);
    EXPECT_EQ(decode(kNo7SentBySpc, isup(1, noOptional)), iam);

    TMonitorLines rel = {isupHeader("PAM"), "   Passed along: HEAD=REL"};
    append(rel, param(18, {0x80, 0x90}));
    rel.push_back(kSeparator);
    EXPECT_EQ(decode(kNo7SentBySpc, isup(40, {12, 0x02, 0x00, 0x02, 0x80, 0x90})), rel);

    TMonitorLines cqr = {isupHeader("CQR")};
    append(cqr, param(22, {0x03, 0x0F}));
    append(cqr, param(38, {0x01}));
    cqr.push_back(kSeparator);
    EXPECT_EQ(decode(kNo7SentBySpc, isup(43, {0x02, 0x04, 0x02, 0x03, 0x0F, 0x01, 0x01})), cqr);

    EXPECT_EQ(decode(kNo7SentBySpc, isup(17, {1, 2, 3})),
              (TMonitorLines{isupHeader("CCR"), kSeparator}));
    EXPECT_EQ(decode(kNo7SentBySpc, isup(51, {})),
              (TMonitorLines{isupHeader("FAC"), filled(26953, {"33"}), kSeparator}));
    EXPECT_EQ(decode(kNo7SentBySpc, isup(40, {40, 250})),
              (TMonitorLines{isupHeader("PAM"), "   Passed along: HEAD=PAM",
                             "   Passed along: HEAD=", filled(26953, {"fa"}), kSeparator}));
}

// Every cut of a good frame: nothing before the routing label is complete,
// then the header, what the bytes hold, and the separator.
TEST(No7Monitor, EveryCutOfAFrameStaysInsideIt) {
    const Bytes frames[] = {
        isup(1, kIamArea),
        isup(40, {12, 0x02, 0x00, 0x02, 0x80, 0x90}),
        isup(24, {0x01, 0x01, 0x03, 0x07, 0xFF, 0x01}),
        mirrored(kNo7SentBySpc, 0x84, 5, 6, 3,
                 {0x01, 33, 10, 0x03, 0x20, 0x21, 0x32, 0x01, 0x02, 0x00, 0x00, 0x01, 0x2D, 0x43,
                  0x23, 0x65}),
        mirrored(kNo7SentBySpc, 0x84, 5, 6, 3,
                 {0x01, 18, 0x7F, 10, 0x10, 0x05, 0x01, 0x34, 0x52, 0x20, 0xAB, 0xCD, 0x13, 0x07}),
        mirrored(kNo7SentBySpc, 0x84, 5, 6, 3, {0x01, 36, 0x0F, 0x21, 0x07, 0x09, 0x43, 0x05}),
        mirrored(kNo7SentBySpc, 0x84, 5, 6, 3, {0x01, 168, 70, 0xFF, 0, 0, 0, 0, 0, 0, 0x80, 0x55}),
    };
    for (const Bytes& frame : frames) {
        const TMonitorLines whole = decode(kNo7SentBySpc, frame);
        for (std::size_t cut = 0; cut < frame.size(); ++cut) {
            const Bytes shorter(frame.begin(),
                                frame.begin() + cut);  // exact size: ASan sees any overread
            const TMonitorLines lines = decode(kNo7SentBySpc, shorter);
            if (cut < 7) {
                EXPECT_TRUE(lines.empty()) << cut;
                continue;
            }
            ASSERT_GE(lines.size(), 2u) << cut;
            EXPECT_EQ(lines[0].substr(0, 16), " 12:34:05     | ") << cut;
            EXPECT_EQ(lines.back(), kSeparator) << cut;
            EXPECT_LE(lines.size(), whole.size() + 1) << cut;
            for (const std::string& line : lines) EXPECT_LE(line.size(), kMonitorLineMax) << cut;
        }
    }
}

TEST(No7Monitor, ReceiverPostsEachLineToTheSupervisionStream) {
    platform::TestLocalClock clock;
    clock.current.hour = 12;
    clock.current.minute = 34;
    clock.current.second = 5;
    platform::setLocalClock(&clock);
    RecordingReceiver stream(kTypeSupervision);
    stream.addCodeFilter(kCodePlainText);
    createNo7Monitor();

    const Bytes frame = mirrored(kNo7SentBySpc, 0x84, 5, 6, 3, {0x01, 24, 0});
    dispatchMessage(kTypeSupervision, 16408, kNo7SentBySpc, frame.data(), int(frame.size()));
    dispatchMessage(kTypeSupervision, 16408, 117, frame.data(), int(frame.size()));
    std::vector<std::string> seen;
    for (const auto& m : stream.messages) seen.push_back(m.text());
    EXPECT_EQ(seen, decode(kNo7SentBySpc, frame));

    destroyNo7Monitor();
    stream.messages.clear();
    dispatchMessage(kTypeSupervision, 16408, kNo7SentBySpc, frame.data(), int(frame.size()));
    EXPECT_TRUE(stream.messages.empty());
    platform::setLocalClock(nullptr);
}

}  // namespace
