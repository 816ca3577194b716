#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alarms/isup_parameters.h"
#include "texts/text_catalogue.h"
#include "utils/code_mappers.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string kPrefix = "              |             | ";
const std::string kEmptyName = kPrefix + std::string(20, ' ') + " ";

// The name line of a code: the prefix and the name right-aligned in 20.
std::string named(std::uint8_t code) {
    const std::string name = textById(isupParameterTextId(code));
    return kPrefix + std::string(name.size() < 20 ? 20 - name.size() : 0, ' ') + name + " ";
}

TMonitorLines print(std::uint8_t code, const Bytes& value) {
    TMonitorLines out;
    printIsupParameter(code, std::uint8_t(value.size()), ByteReader(value.data(), value.size()),
                       out);
    return out;
}

struct ParamCase {
    std::uint8_t code;
    Bytes value;
    TMonitorLines lines;
};

std::string cause(int textId) {
    return textById(textId);
}

TEST(IsupParameter, DecodedLines) {
    const ParamCase cases[] = {
        // Number parameters.
        {4, {0x83, 0x10, 0x21, 0x03}, {named(4) + "NatN: 123, INNInd: RinAl, NumPlan: npISDN"}},
        {12, {0x05, 0xF0, 0x21}, {named(12) + "005: 12, INNInd: RinNA, NumPlan: np?007"}},
        {10,
         {0x03, 0x00, 0x21},
         {named(10) + "NatN: 12, NCompl: Comp, NumPlan: np?000Pres: Alow, Screen: upNV(0)"}},
        {10,
         {0x84, 0x9B, 0xBA, 0x0C},
         {named(10) + "IntN: ?*#, NCompl: NComp, NumPlan: npISDN, Pres: AddrNA, Screen: np(3)"}},
        {11, {0x01, 0x48, 0x21}, {named(11) + "SubN: 12, NumPlan: npTLX, PresN: AddNA(2)"}},
        {40, {0x02, 0x0C, 0x21}, {named(40) + "UnkN: 12, NumPlan: Spare, PresN: Spare"}},
        {33,
         {0x03, 0x3E, 0x21},
         {named(33) + "NatN: 12, NumPl: npData, Pres: Spare, Screen: upVF(02)"}},
        {63, {0x09, 0x51, 0x21}, {named(63) + "009N: 12 RinAl npPrv  PresAl upVP "}},
        {192,
         {0x01, 0x83, 0x9B, 0x21, 0x03},
         {named(192) + "ACldN NatN: 123 NComp npISDN AddrNA np   "}},
        {192, {0x0C, 0x03, 0x61, 0x21}, {named(192) + "Q:012 NatN: 12 Comp np?006 PresAl upVP "}},
        {5, {0x80, 0x21, 0x43}, {named(5) + "SubSeqN: 123 "}},
        {35, {0x03, 0x21}, {named(35) + "CCITT DNIC 12 "}},
        {35, {0x25, 0x21}, {named(35) + "Nat.  NwIP:05 12 "}},
        {35, {0x41, 0x21}, {named(35) + "NwId4 NwIP:01 12 "}},
        // Call and connection indicators.
        {6, {0x15}, {named(6) + " 21;  SatInd: 1, CCI: CCHRq, OHESInd: OHES"}},
        {7,
         {0x01, 0x01},
         {named(7) + "101;  IntCall: INat., EE: EEno, IntW: NoIW, EEInf: NoEE,",
          kPrefix + std::string(20, ' ') +
              "  ISDNInd: NoISUP, ISDNPr: ISUPpr, SubAISDN: ISDN, SCCP: SCCPni"}},
        {17,
         {0x16, 0xD5},
         {named(17) + "d516;  Chrg: Charge, Stat: SFree, Cat: OrdSub, EE: EEno,",
          kPrefix + std::string(20, ' ') + "  IW: IW, EEInf: NoEE, ISDNInd: ISUPal, HOLD: NoHold,",
          kPrefix + std::string(20, ' ') + "  SubISDN: Ta-I, IHES: nIHES, SCCP: SCCPb"}},
        {41, {0x0A}, {named(41) + " 10;  InBand: N, Divers: Y, Sgm: N, MLPP: Y"}},
        {8, {0x83}, {named(8) + "131;  CUG: OutNoAlow, Sgm: N, CLIR: Y"}},
        {9, {0x0A}, {named(9) + " 10;  Cat.: Ord.subscr., KELM cat.: " + textById(20032)}},
        {9,
         {0xE0},
         {named(9) + "224;  Cat.: Spare, KELM cat.: " + textById(subscriberCategoryTextId(32))}},
        {14, {0x9B, 0x00}, {named(14) + "9b;  AddRq: Rq, HoldRq: Rq, Cat: Rq, Chrg: Rq, MCID: Rq"}},
        {15,
         {0xA6, 0x01},
         {named(15) + "1a6;  Add: ???, Hold: Hld, Cat: Inc., Chrg: NInc., Sol: Unsol."}},
        {16, {0x01}, {named(16) + "Success "}},
        {34, {0x00}, {named(34) + "SusRes: SubsIn"}},
        {21, {0x02}, {named(21) + "CGS: National"}},
        {24, {0x02}, {named(24) + "User-to-user(  2)"}},
        {24, {0x1F}, {named(24) + "Spare  1f"}},
        {36, {0x03}, {named(36) + "  3;  Event: In-band"}},
        {36, {0x83}, {named(36) + "131;  Event: Spare  83"}},
        {39, {0x02}, {named(39) + "CngLev 2"}},
        {39, {0x07}, {named(39) + "Cng?   7 "}},
        {46, {0x01}, {named(46) + "SetUp  "}},
        {54, {0x23}, {named(54) + "PresAO RsnDDA "}},
        {54, {0x3F}, {named(54) + "PresSP RsnSP  "}},
        {55, {0xE4}, {named(55) + "OHES:Unk IHES:No  OHESRq:Yes IHESRq:Sp. "}},
        {58,
         {0x62, 0x12, 0x34, 0x01, 0x02, 0x03},
         {named(58) + "LFB?? Immed. NI:1234 MLPP:   66051"}},
        {59, {0x03}, {named(59) + "  3;  MCID: MCIRq, HOLD: HldRq"}},
        {60, {0x00}, {named(60) + "  0;  MCID: nMCI, HOLD: nHold"}},
        {64, {0x01}, {named(64) + "Pres: Restr."}},
        {42, {0x1B}, {named(42) + "Resp 1:NP 2:SP 3:NI Disc:N "}},
        {42, {0xEA}, {named(42) + "Req  1:SP 2:SP 3:ES Disc:Y "}},
        {19,
         {0x23, 0x54},
         {named(19) +
          "Rdr: Diver(3), OrigRdr: no reply(2), NumR: 4, RdrReas:deflection imm.re(05)"}},
        {19,
         {0xF7, 0xF0},
         {named(19) + "Rdr: ?\?\?(7), OrigRdr: ?\?(0f), NumR: 0, RdrReas:?\?\?(0f)"}},
        {2, {0x00}, {named(2) + "000;  " + cause(26508)}},
        {53, {0x0A}, {named(53) + "00a;  " + cause(26517)}},
        {62,
         {0x01},
         {named(62) + "001;  " +
          std::string(textById(26518)).replace(std::string(textById(26518)).find("%1"), 2, "1")}},
        {29,
         {0x88, 0x90, 0xA3},
         {named(29) + "CStd: ITU-T, InfTrCap: Unr.dig.inf., TranMod: circuit,",
          kPrefix + std::string(20, ' ') + "  TranRate: 64 kbit/s, LayProt: G.711 A-law"}},
        {29,
         {0x7F, 0x3F, 0x1F},
         {named(29) + "CStd: Network, InfTrCap: ???, TranMod: ???,",
          kPrefix + std::string(20, ' ') + "  TranRate: ???, LayProt: ???"}},
        // Cause indicators.
        {18,
         {0x80, 0x90},
         {named(18) + "Loc: user(00), CStd: CCITT, Rec.: Q.763, Cause: " + cause(26450) +
          " (16) "}},
        {18,
         {0x02, 0x03, 0x91, 0xAA, 0xBB},
         {named(18) + "Loc: pbL(02), CStd: CCITT, Rec.: X.21, Cause: " + cause(26451) +
          " (17) Diag: aa bb "}},
        {18,
         {0xEA, 0x86},
         {named(18) + "Loc: ?0a, CStd: LSStd, Rec.: Q.763, Cause: Cause 6; (6) "}},
        {18,
         {0x07, 0x7F, 0xFF},
         {named(18) + "Loc: bIW(07), CStd: CCITT, Rec.: ???, Cause: " + cause(26483) + " (127) "}},
        // Generic notification: stops after the byte with bit 7 set.
        {44, {0x00, 0x81, 0x02}, {named(44) + cause(26485) + cause(26486)}},
        {44, {0x7B, 0x55}, {named(44) + cause(26506) + "Notif.85;"}},
        // Numbers, references and raw values.
        {1, {0x01, 0x02, 0x03, 0x34, 0xD2}, {named(1) + "CallId:   197121, SPC:  4660"}},
        {13,
         {0x01, 0x00, 0x00, 0x05, 0x00, 0x02, 0x0F},
         {named(13) + "LocRef:       1 SPC:    5 PClass:  2 Cred: 15"}},
        {26, {0x12, 0x34, 0x78, 0x56}, {named(26) + "NetID: 1234, Code: 05678 (12 34 78 56)"}},
        {30, {0xFF, 0xFF}, {named(30) + " 3fff"}},
        {43, {0x10, 0x00}, {named(43) + "   10"}},
        {45, {0x01, 0x02}, {named(45) + "   258ms "}},
        {49, {0x00, 0x05}, {named(49) + "     5ms "}},
        {47,
         {0x02, 0x35, 0xAA, 0xBB, 0x01, 0x02},
         {named(47) + "INN Plan:05 NwID:aa bb Fac:01 02 "}},
        {47, {0x00, 0x71}, {named(47) + "Nw? Plan:01 NwID:Fac:"}},
        {50, {0x91, 0xA1, 0x05}, {named(50) + "Prot:17 Comp: a1 05 "}},
        {66, {0x01, 0x02, 0x04, 0x03}, {named(66) + "CCBS Ref=       772"}},
        {66, {0x05, 0x05}, {named(66) + "Rq?? Len=  5"}},
        {66, {0x01, 0x00}, {named(66) + "CCBS Len=  0"}},
        {193, {0x01, 0x21, 0x43}, {named(193) + "Auth.code       BCD:1234 "}},
        {193, {0x20, 0x21, 0x43}, {named(193) + "Account code    BCD:123 "}},
        {193, {0x47, 0x41, 0x42}, {named(193) + "Type= 7         IA5:41 42 "}},
        {193, {0x82}, {named(193) + "Trav.class mark E04"}},
        {254, {0x07}, {named(254) + "CU: 7"}},
        {255, {0xFF}, {named(255) + "CBN: 255"}},
        {32, {0xAB, 0x01}, {named(32) + "ab 01 "}},
        {48, {}, {named(48)}},
        // Name only.
        {0, {}, {named(0)}},
        {23, {0x01}, {named(23)}},
        {61, {0x05}, {named(61)}},
        {65, {0x01}, {named(65)}},
        {200, {0x01}, {kEmptyName}},
    };
    for (const ParamCase& c : cases) EXPECT_EQ(print(c.code, c.value), c.lines) << int(c.code);
}

TEST(IsupParameter, ParametersOnSeveralLines) {
    Bytes access(17);
    for (std::size_t i = 0; i < access.size(); ++i) access[i] = std::uint8_t(i);
    std::string sixteen = kPrefix;
    for (int i = 0; i < 16; ++i) sixteen += std::string("0") + "0123456789abcdef"[i] + " ";
    EXPECT_EQ(print(3, access), (TMonitorLines{named(3), sixteen, kPrefix + "10 "}));
    EXPECT_EQ(print(3, Bytes(16, 0xFF)).size(), 2u);

    Bytes range(9, 0x00);
    range[0] = 7;
    range[1] = 0x01;  // bit 0 of byte 1 first
    range[8] = 0x80;
    const std::string bits64 = "      1" + std::string(62, '0') + "1";
    EXPECT_EQ(print(22, range), (TMonitorLines{named(22) + "Range:   7, Status: ", bits64}));
    range.push_back(0x0F);
    EXPECT_EQ(print(22, range),
              (TMonitorLines{named(22) + "Range:   7, Status: ", bits64, "      11110000"}));
    EXPECT_EQ(print(22, {5}), (TMonitorLines{named(22) + "Range:   5, Status: "}));

    EXPECT_EQ(print(38, {0x26, 0x01, 0x3C}),
              (TMonitorLines{named(38), "MBS:RBL  HBS:RBL  CPS:INC  ", "EQS:UNEQ  ",
                             "MBS:UBL  HBS:LRBL CPS:IDLE "}));

    EXPECT_EQ(print(56, {0x05, 0x9A, 0x00}),
              (TMonitorLines{
                  named(56) + "ENInd: ENI, Rel: nRel, SendNot: SN, DisMsg: Pass, NotPass: Rel.",
                  kPrefix + "ENInd: TrI, Rel: Rel, SendNot: nSN, DisMsg: Disc, NotPass: Disc."}));
    EXPECT_EQ(print(56, {0x1F}),
              (TMonitorLines{named(56) +
                             "ENInd: ENI, Rel: Rel, SendNot: SN, DisMsg: Disc, NotPass: Disc."}));

    const std::string upgraded = kPrefix + textById(isupParameterTextId(39)) + ": ";
    EXPECT_EQ(
        print(57, {39, 0x21, 18, 0xDE}),
        (TMonitorLines{
            named(57),
            upgraded + "ENInd: EI, Rel: nR, SendNot: nSN, DisM: nDM, DisP: nDP, PoNPI: DisM(1)",
            kPrefix + textById(isupParameterTextId(18)) +
                ": ENInd: TI, Rel: R, SendNot: SN, DisM: DM, DisP: DP, PoNPI: DisP(2)"}));
}

TEST(IsupParameter, LinesAreCutAt200Characters) {
    const TMonitorLines lines = print(32, Bytes(100, 0x11));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), kMonitorLineMax);
    EXPECT_EQ(lines[0].substr(0, named(32).size() + 3), named(32) + "11 ");
}

// A value that ends before a field it needs shows the name line and the bytes received.
TEST(IsupParameter, ShortValuesShowTheirBytes) {
    const ParamCase cases[] = {
        {4, {0x83}, {named(4) + "83 "}},
        {7, {0x01}, {named(7) + "01 "}},
        {18, {0x02, 0x03}, {named(18) + "02 03 "}},
        {18, {}, {named(18)}},
        {47, {0x05, 0x35, 0xAA}, {named(47) + "05 35 aa "}},
        {66, {0x01, 0x04, 0x01}, {named(66) + "01 04 01 "}},
        {57, {39}, {named(57) + "27 "}},
        {58, {0x62, 0x12, 0x34, 0x01, 0x02}, {named(58) + "62 12 34 01 02 "}},
        {1, {0x01, 0x02, 0x03, 0x34}, {named(1) + "01 02 03 34 "}},
    };
    for (const ParamCase& c : cases) EXPECT_EQ(print(c.code, c.value), c.lines) << int(c.code);

    // The frame ends inside the value: what arrived is shown, whatever the code.
    const Bytes received = {0xAB, 0x01};
    TMonitorLines out;
    printIsupParameter(32, 5, ByteReader(received.data(), received.size()), out);
    EXPECT_EQ(out, (TMonitorLines{named(32) + "ab 01 "}));
}

TEST(IsupParameter, EveryCutOfEveryParameterStaysWithinItsBytes) {
    const Bytes full = {0x83, 0x90, 0x21, 0x43, 0x65, 0x87, 0x09, 0x0A, 0x0B, 0x0C};
    for (int code = 0; code < 256; ++code) {
        for (std::size_t cut = 0; cut <= full.size(); ++cut) {
            const Bytes value(full.begin(),
                              full.begin() + cut);  // exact size: ASan sees any overread
            const TMonitorLines lines = print(std::uint8_t(code), value);
            ASSERT_FALSE(lines.empty()) << code << " " << cut;
            EXPECT_EQ(lines[0].substr(0, kPrefix.size()), kPrefix) << code << " " << cut;
            for (const std::string& line : lines) EXPECT_LE(line.size(), kMonitorLineMax);
        }
    }
}

TEST(IsupOptionalPart, WalksToTheEndCode) {
    struct Case {
        Bytes part;
        bool whole;
        TMonitorLines lines;
    } cases[] = {
        {{0x00}, true, {}},
        {{39, 1, 1, 16, 1, 1, 0x00, 39, 1, 2},
         true,
         {named(39) + "CngLev 1", named(16) + "Success "}},
        {{39, 1, 1}, false, {named(39) + "CngLev 1"}},
        {{39, 1}, false, {named(39)}},
        {{39, 3, 1}, false, {named(39) + "01 "}},
        {{39}, false, {named(39)}},
        {{}, false, {}},
    };
    for (const Case& c : cases) {
        TMonitorLines out;
        EXPECT_EQ(printIsupOptionalParameters(ByteReader(c.part.data(), c.part.size()), out),
                  c.whole);
        EXPECT_EQ(out, c.lines) << c.part.size();
    }
}

}  // namespace
