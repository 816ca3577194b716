#pragma once

// Labels of the CCS No.7 monitor and of the ISUP parameter lines, as the
// operator reads them. Generated: one constant or one value-to-label table per
// field; a label may hold one printf conversion that takes the field's value.

#include <cstdint>

#include "utils/choice_tables.h"

struct SLabelCase {
    std::uint8_t value;
    const char* label;
};

// clang-format off
// Lines of the monitor
inline constexpr const char* kSignalDigits = "0123456789?*#ABC";
inline constexpr const char* kSeparatorLine = "              |             | ------------------------------------------------------| ";
inline constexpr const char* kStatusLabel = "Status:";
inline constexpr const char* kPassedAlong = "   Passed along: HEAD=%s";
inline constexpr const char* kNameLine = "              |             | %20s ";
inline constexpr const char* kBarePrefix = "              |             | ";
inline constexpr const char* kHexByte = "%02x ";

// Number parameters
inline constexpr SLabelCase kNatureOfAddress[] = {{1, "SubN: "}, {2, "UnkN: "}, {3, "NatN: "}, {4, "IntN: "}};
inline constexpr const char* kOtherNatureHex = "%03x: ";
inline constexpr const char* kComma = ", ";
inline constexpr SLabelCase kInnIndicator[] = {{0, "INNInd: RinAl, "}, {1, "INNInd: RinNA, "}};
inline constexpr const char* kNumPlanLead = "NumPlan: ";
inline constexpr SLabelCase kCalledPlan[] = {{0, "Spare"}, {1, "npISDN"}, {3, "npData"}, {4, "npTLX"}};
inline constexpr const char* kCalledPlanOther = "np?%03x";
inline constexpr SLabelCase kCallingComplete[] = {{0, "NCompl: Comp, "}, {1, "NCompl: NComp, "}};
inline constexpr SLabelCase kCallingPlan[] = {{1, "npISDN, "}, {3, "npData, "}, {4, "npTLX, "}};
inline constexpr const char* kCallingPlanOther = "np?%03x";
inline constexpr const char* kPresLead = "Pres: ";
inline constexpr SLabelCase kCallingPresentation[] = {{0, "Alow, "}, {1, "Restr, "}, {2, "AddrNA, "}, {3, "Spare, "}};
inline constexpr const char* kScreenLead = "Screen: ";
inline constexpr SLabelCase kCallingScreening[] = {{0, "upNV(%x)"}, {1, "upVP(%x)"}, {2, "upVF(%x)"}, {3, "np(%x)"}};
inline constexpr SLabelCase kRedirectingPlan[] = {{0, "Spare, "}, {1, "npISDN, "}, {2, "Spare, "}, {3, "npData, "}, {4, "npTLX, "}};
inline constexpr const char* kRedirectingPlanOther = "np?%03x ";
inline constexpr const char* kPresNLead = "PresN: ";
inline constexpr SLabelCase kRedirectingPresentation[] = {{0, "Alow(%x)"}, {1, "Rest.(%x)"}, {2, "AddNA(%x)"}, {3, "Spare"}};
inline constexpr const char* kNumPlLead = "NumPl: ";
inline constexpr SLabelCase kConnectedPlan[] = {{1, "npISDN, "}, {3, "npData, "}, {4, "npTLX, "}};
inline constexpr const char* kConnectedPlanOther = "np?%03x ";
inline constexpr SLabelCase kConnectedPresentation[] = {{0, "Alow, "}, {1, "Rest., "}, {2, "AddrNA, "}, {3, "Spare, "}};
inline constexpr SLabelCase kConnectedScreening[] = {{0, "upNV(%02x)"}, {1, "upVP(%02x)"}, {2, "upVF(%02x)"}, {3, "np(%02x)"}};
inline constexpr const char* kOtherNatureDec = "%03dN: ";
inline constexpr SLabelCase kLocationInn[] = {{0, "RinAl "}, {1, "RinNA "}};
inline constexpr SLabelCase kLocationPlan[] = {{1, "npISDN "}, {3, "npData "}, {4, "npTLX  "}, {5, "npPrv  "}};
inline constexpr const char* kLocationPlanOther = "np?%03d ";
inline constexpr SLabelCase kShortPresentation[] = {{0, "PresAl "}, {1, "PresRs "}, {2, "AddrNA "}, {3, "Pres\?\? "}};
inline constexpr SLabelCase kShortScreening[] = {{0, "upNV "}, {1, "upVP "}, {2, "upVF "}, {3, "np   "}};
inline constexpr SLabelCase kNumberQualifier[] = {{0, "DDig  "}, {1, "ACldN "}, {2, "UClNf "}, {3, "UClNS "}, {4, "RTNum "}, {5, "ACoN  "}, {6, "AClgN "}, {7, "AOCld "}, {8, "ARdgN "}, {9, "ARdnN "}};
inline constexpr const char* kNumberQualifierOther = "Q:%03d ";
inline constexpr SLabelCase kGenericComplete[] = {{0, "Comp "}, {1, "NComp "}};
inline constexpr SLabelCase kGenericPlan[] = {{1, "npISDN "}, {3, "npData "}, {4, "npTLX  "}, {5, "npPRI  "}};
inline constexpr const char* kGenericPlanOther = "np?%03d ";
inline constexpr const char* kSubsequentLead = "SubSeqN: ";
inline constexpr SLabelCase kNetworkIdType[] = {{0, "CCITT "}, {2, "Nat.  "}};
inline constexpr const char* kNetworkIdTypeOther = "NwId%d ";
inline constexpr SLabelCase kNetworkIdPlan[] = {{0, "Unkn "}, {3, "DNIC "}, {6, "MNIC "}};
inline constexpr const char* kNetworkIdPlanOther = "Pl%02d ";
inline constexpr const char* kNetworkIdPlanOfType = "NwIP:%02d ";

// Call and connection indicators
inline constexpr const char* kByteDec = "%3d;  ";
inline constexpr SLabelCase kSatellite[] = {{0, "SatInd: 0, "}, {1, "SatInd: 1, "}, {2, "SatInd: 2, "}, {3, "SatInd: 3, "}};
inline constexpr const char* kCciLead = "CCI: ";
inline constexpr SLabelCase kContinuityCheck[] = {{0, "CCHNRq, "}, {1, "CCHRq, "}, {2, "CCHPr, "}, {3, "Spare, "}};
inline constexpr const char* kOhesLead = "OHESInd: ";
inline constexpr SLabelCase kOutgoingEcho[] = {{0, "nOHES"}, {1, "OHES"}};
inline constexpr const char* kWordHex = "%3x;  ";
inline constexpr const char* kForwardLine1 = "IntCall: %s, EE: %s, IntW: %s, EEInf: %s,";
inline constexpr SLabelCase kInternational[] = {{0, "Nat."}, {1, "INat."}};
inline constexpr SLabelCase kEndToEnd[] = {{0, "EEno"}, {1, "EEp-a"}, {2, "EESCCP"}, {3, "EEp&S"}};
inline constexpr SLabelCase kInterworking[] = {{0, "NoIW"}, {1, "IW"}};
inline constexpr SLabelCase kEndToEndInfo[] = {{0, "NoEE"}, {1, "EE"}};
inline constexpr const char* kForwardLine2 = "              |             | %20s  ISDNInd: %s, ISDNPr: %s, SubAISDN: %s, SCCP: %s";
inline constexpr SLabelCase kIsupIndicator[] = {{0, "NoISUP"}, {1, "ISUPal"}};
inline constexpr SLabelCase kIsupPreference[] = {{0, "ISUPpr"}, {1, "ISUPnr"}, {2, "ISUPrq"}, {3, "ISUP\?\?"}};
inline constexpr SLabelCase kIsdnAccess[] = {{0, "nISDN"}, {1, "ISDN"}};
inline constexpr SLabelCase kSccpMethod[] = {{0, "SCCPni"}, {1, "SCCPcl"}, {2, "SCCPco"}, {3, "SCCPb"}};
inline constexpr const char* kWordHex3 = "%03x;  ";
inline constexpr const char* kBackwardLine1 = "Chrg: %s, Stat: %s, Cat: %s, EE: %s,";
inline constexpr SLabelCase kCharge[] = {{0, "CNoInd"}, {1, "NoChrg"}, {2, "Charge"}, {3, "Spare"}};
inline constexpr SLabelCase kCalledStatus[] = {{0, "SNoInd"}, {1, "SFree"}, {2, "CwFree"}, {3, "Spare"}};
inline constexpr SLabelCase kCalledCategory[] = {{0, "NoI"}, {1, "OrdSub"}, {2, "PPh"}, {3, "Spare"}};
inline constexpr const char* kBackwardLine2 = "              |             | %20s  IW: %s, EEInf: %s, ISDNInd: %s, HOLD: %s,";
inline constexpr SLabelCase kHoldIndicator[] = {{0, "NoHold"}, {1, "Hold"}};
inline constexpr const char* kBackwardLine3 = "              |             | %20s  SubISDN: %s, IHES: %s, SCCP: %s";
inline constexpr SLabelCase kSubscriberIsdn[] = {{0, "Ta-nI"}, {1, "Ta-I"}};
inline constexpr SLabelCase kIncomingEcho[] = {{0, "nIHES"}, {1, "IHES"}};
inline constexpr SLabelCase kInBand[] = {{0, "InBand: N, "}, {1, "InBand: Y, "}};
inline constexpr SLabelCase kDiversion[] = {{0, "Divers: N, "}, {1, "Divers: Y, "}};
inline constexpr SLabelCase kSegmentation[] = {{0, "Sgm: N, "}, {1, "Sgm: Y, "}};
inline constexpr SLabelCase kMlpp[] = {{0, "MLPP: N"}, {1, "MLPP: Y"}};
inline constexpr const char* kCugLead = "CUG: ";
inline constexpr SLabelCase kCug[] = {{0, "No, "}, {1, "\?\?\?, "}, {2, "OutAlow, "}, {3, "OutNoAlow, "}};
inline constexpr SLabelCase kClir[] = {{0, "CLIR: N"}, {1, "CLIR: Y"}};
inline constexpr const char* kCategoryLead = "Cat.: ";
inline constexpr SLabelCase kCallingCategory[] = {{0, "Unknown, "}, {1, "Opr.French, "}, {2, "Opr.English, "}, {3, "Opr.German, "}, {4, "Opr.Russian, "}, {5, "Opr.Spanish, "}, {9, "Nation.opr, "}, {10, "Ord.subscr., "}, {11, "Prior.subscr., "}, {12, "Data call, "}, {13, "Test call, "}, {15, "Payphone, "}};
inline constexpr const char* kCallingCategoryOther = "Spare, ";
inline constexpr const char* kOwnCategoryLead = "KELM cat.: ";
inline constexpr const char* kInfoRequestWord = "%x;  AddRq: ";
inline constexpr SLabelCase kAddressRequest[] = {{0, "NRq, "}, {1, "Rq, "}};
inline constexpr const char* kHoldRqLead = "HoldRq: ";
inline constexpr SLabelCase kHoldRequest[] = {{0, "NR, "}, {1, "Rq, "}};
inline constexpr const char* kCatLead = "Cat: ";
inline constexpr SLabelCase kNotRequested[] = {{0, "NRq, "}, {1, "Rq, "}};
inline constexpr const char* kChrgLead = "Chrg: ";
inline constexpr const char* kMcidLead = "MCID: ";
inline constexpr SLabelCase kMcidRequest[] = {{0, "NRq"}, {1, "Rq"}};
inline constexpr const char* kWordHexShort = "%x;  ";
inline constexpr SLabelCase kAddressResponse[] = {{0, "Add: NInc, "}, {1, "Add: NAv, "}, {2, "Add: \?\?\?, "}, {3, "Add: Inc, "}};
inline constexpr SLabelCase kHoldProvided[] = {{0, "Hold: nHld, "}, {1, "Hold: Hld, "}};
inline constexpr SLabelCase kCategoryIncluded[] = {{0, "Cat: NInc., "}, {1, "Cat: Inc., "}};
inline constexpr SLabelCase kChargeIncluded[] = {{0, "Chrg: NInc., "}, {1, "Chrg: Inc., "}};
inline constexpr SLabelCase kSolicited[] = {{0, "Sol: Sol."}, {1, "Sol: Unsol."}};
inline constexpr SLabelCase kContinuity[] = {{0, "Failure "}, {1, "Success "}};
inline constexpr const char* kSusResLead = "SusRes: ";
inline constexpr SLabelCase kSuspendResume[] = {{0, "SubsIn"}, {1, "NetwIn"}};
inline constexpr SLabelCase kSupervisionType[] = {{0, "CGS: Maint."}, {1, "CGS: Hardw."}, {2, "CGS: National"}, {3, "CGS: \?\?\?"}};
inline constexpr SLabelCase kFacility[] = {{2, "User-to-user(%3x)"}};
inline constexpr const char* kFacilityOther = "Spare %3x";
inline constexpr const char* kEventLead = "Event: ";
inline constexpr SLabelCase kEvent[] = {{1, "Alerting"}, {2, "Progress"}, {3, "In-band"}, {4, "Fwd.busy"}, {5, "Fwd.NoRp"}, {6, "Fwd.Unc."}};
inline constexpr const char* kEventOther = "Spare %3x";
inline constexpr SLabelCase kCongestion[] = {{1, "CngLev 1"}, {2, "CngLev 2"}};
inline constexpr const char* kCongestionOther = "Cng? %3d ";
inline constexpr SLabelCase kAccessDelivery[] = {{0, "nSetUp "}, {1, "SetUp  "}};
inline constexpr SLabelCase kNotificationOption[] = {{0, "PresUN "}, {1, "PresNA "}, {2, "PresAR "}, {3, "PresAO "}};
inline constexpr const char* kNotificationOptionOther = "PresSP ";
inline constexpr SLabelCase kRedirectReason[] = {{0, "RsnUNN "}, {1, "RsnSSB "}, {2, "RsnNRP "}, {3, "RsnUNC "}, {4, "RsnDDA "}, {5, "RsnDIR "}, {6, "RsnMNR "}};
inline constexpr const char* kRedirectReasonOther = "RsnSP  ";
inline constexpr SLabelCase kOutgoingHalfEcho[] = {{0, "OHES:Unk "}, {1, "OHES:No  "}, {2, "OHES:Yes "}, {3, "OHES:Sp. "}};
inline constexpr SLabelCase kIncomingHalfEcho[] = {{0, "IHES:Unk "}, {1, "IHES:No  "}, {2, "IHES:Yes "}, {3, "IHES:Sp. "}};
inline constexpr SLabelCase kOutgoingEchoRequest[] = {{0, "OHESRq:Unk "}, {1, "OHESRq:No  "}, {2, "OHESRq:Yes "}, {3, "OHESRq:Sp. "}};
inline constexpr SLabelCase kIncomingEchoRequest[] = {{0, "IHESRq:Unk "}, {1, "IHESRq:No  "}, {2, "IHESRq:Yes "}, {3, "IHESRq:Sp. "}};
inline constexpr SLabelCase kLookAhead[] = {{0, "LFBAl "}, {1, "PhRes "}, {2, "LFBNA "}, {3, "LFB\?\? "}};
inline constexpr SLabelCase kPrecedence[] = {{0, "FlashO "}, {1, "Flash  "}, {2, "Immed. "}, {3, "Prior. "}, {4, "Rout.  "}};
inline constexpr const char* kPrecedenceOther = "Prec\?\? ";
inline constexpr const char* kMlppLine = "NI:%c%c%c%c MLPP:%8d";
inline constexpr SLabelCase kMcidRequested[] = {{0, "MCID: MCINRq, "}, {1, "MCID: MCIRq, "}};
inline constexpr SLabelCase kHoldRequested[] = {{0, "HOLD: HldNRq"}, {1, "HOLD: HldRq"}};
inline constexpr SLabelCase kMcidProvided[] = {{0, "MCID: nMCI, "}, {1, "MCID: MCI, "}};
inline constexpr SLabelCase kHoldProvidedResponse[] = {{0, "HOLD: nHold"}, {1, "HOLD: Hold"}};
inline constexpr SLabelCase kRestriction[] = {{0, "Alow"}, {1, "Restr."}, {2, "AddNA"}, {3, "Spare"}};
inline constexpr SLabelCase kUserToUserKind[] = {{0, "Req  "}, {1, "Resp "}};
inline constexpr SLabelCase kServiceResponse[] = {{0, ":NI "}, {1, ":NP "}, {2, ":PR "}, {3, ":SP "}};
inline constexpr SLabelCase kServiceRequest[] = {{0, ":NI "}, {1, ":SP "}, {2, ":NE "}, {3, ":ES "}};
inline constexpr SLabelCase kDiscard[] = {{0, "Disc:N "}, {1, "Disc:Y "}};
inline constexpr const char* kRdrLead = "Rdr: ";
inline constexpr SLabelCase kRedirecting[] = {{0, "NoRdr(%x), "}, {1, "Rerou(%x), "}, {2, "ReroR(%x), "}, {3, "Diver(%x), "}, {4, "DiveR(%x), "}, {5, "ReroP(%x), "}, {6, "DiveP(%x), "}, {7, "\?\?\?(%x), "}};
inline constexpr const char* kOrigRdrLead = "OrigRdr: ";
inline constexpr SLabelCase kOriginalReason[] = {{0, "unknown(%x), "}, {1, "busy(%x), "}, {2, "no reply(%x), "}, {3, "uncondit(%x), "}};
inline constexpr const char* kOriginalReasonOther = "\?\?(%02x), ";
inline constexpr const char* kRedirectionCounter = "NumR: %x, ";
inline constexpr const char* kRdrReasLead = "RdrReas:";
inline constexpr SLabelCase kRedirectingReason[] = {{0, "unknown(%02x)"}, {1, "busy(%02x)"}, {2, "no reply(%02x)"}, {3, "uncondit(%02x)"}, {4, "deflection dur.al(%02x)"}, {5, "deflection imm.re(%02x)"}, {6, "mobile not reach.(%02x)"}};
inline constexpr const char* kRedirectingReasonOther = "\?\?\?(%02x)";
inline constexpr const char* kByteHex3 = "%03x;  ";
inline constexpr SChoiceEntry kMedium[] = {{0, 26508}, {2, 26509}, {3, 26510}, {4, 26511}, {5, 26512}, {6, 26513}, {7, 26514}, {8, 26515}, {9, 26516}, {10, 26517}};
constexpr std::int32_t kMediumOther = 26518;
inline constexpr const char* kBearerLine1 = "CStd: %s, InfTrCap: %s, TranMod: %s,";
inline constexpr SLabelCase kCodingStandard[] = {{0, "ITU-T"}, {1, "ISO/IEC"}, {2, "National"}, {3, "Network"}};
inline constexpr SLabelCase kTransferCapability[] = {{0, "Speech"}, {8, "Unr.dig.inf."}, {9, "Res.dig.inf."}, {16, "3.1 kHz"}, {17, "UDI w/tones"}, {24, "Video"}};
inline constexpr const char* kUnknownLabel = "\?\?\?";
inline constexpr SLabelCase kTransferMode[] = {{0, "circuit"}, {2, "packet"}};
inline constexpr const char* kBearerLine2 = "              |             | %20s  TranRate: %s, LayProt: %s";
inline constexpr SLabelCase kTransferRate[] = {{0, "packet"}, {16, "64 kbit/s"}, {17, "2x64 kbit/s"}, {19, "384 kbit/s"}, {21, "1536 kbit/s"}, {23, "1920 kbit/s"}, {24, "nx64 kbit/s"}};
inline constexpr SLabelCase kLayer1Protocol[] = {{1, "ITU-T V.110"}, {2, "G.711 u-law"}, {3, "G.711 A-law"}, {4, "G.721 ADPCM"}, {5, "H.221/H.245"}, {7, "Non ITU-T"}, {8, "ITU-T V.120"}, {9, "ITU-T X.31"}};

// Cause indicators
inline constexpr SLabelCase kLocation[] = {{0, "Loc: user(%02x), "}, {1, "Loc: prL(%02x), "}, {2, "Loc: pbL(%02x), "}, {3, "Loc: trN(%02x), "}, {4, "Loc: pbR(%02x), "}, {5, "Loc: prR(%02x), "}, {6, "Loc: inN(%02x), "}, {7, "Loc: bIW(%02x), "}};
inline constexpr const char* kLocationOther = "Loc: ?%02x, ";
inline constexpr const char* kCStdLead = "CStd: ";
inline constexpr SLabelCase kCauseCodingStandard[] = {{0, "CCITT, "}, {1, "INStd, "}, {2, "NStd, "}, {3, "LSStd, "}};
inline constexpr const char* kRecLead = "Rec.: ";
inline constexpr SLabelCase kRecommendation[] = {{0, "Q.763, "}, {3, "X.21, "}, {4, "X.253, "}, {5, "PLMN, "}};
inline constexpr const char* kRecommendationOther = "\?\?\?, ";
inline constexpr const char* kRecommendationDefault = "Q.763, ";
inline constexpr const char* kCauseLead = "Cause: ";
inline constexpr const char* kCauseValue = " (%d) ";
inline constexpr SChoiceEntry kCauseText[] = {{1, 26445}, {2, 26446}, {3, 26447}, {4, 26448}, {5, 26449}, {16, 26450}, {17, 26451}, {18, 26452}, {19, 26453}, {21, 26454}, {22, 26455}, {27, 26456}, {28, 26457}, {29, 26458}, {31, 26459}, {34, 26460}, {38, 26461}, {41, 26462}, {42, 26463}, {44, 26464}, {47, 26465}, {50, 26466}, {55, 26467}, {57, 26468}, {58, 26469}, {63, 26470}, {65, 26471}, {69, 26472}, {70, 26473}, {79, 26474}, {87, 26475}, {88, 26476}, {91, 26477}, {95, 26478}, {97, 26479}, {99, 26480}, {103, 26481}, {111, 26482}, {127, 26483}};
constexpr std::int32_t kCauseTextOther = 26484;
inline constexpr const char* kDiagLead = "Diag: ";
inline constexpr SChoiceEntry kNotification[] = {{0, 26485}, {1, 26486}, {2, 26487}, {3, 26488}, {4, 26489}, {66, 26490}, {67, 26491}, {68, 26492}, {69, 26493}, {70, 26494}, {71, 26495}, {72, 26496}, {73, 26497}, {74, 26498}, {75, 26499}, {96, 26500}, {104, 26501}, {105, 26502}, {106, 26503}, {121, 26504}, {122, 26505}, {123, 26506}};
constexpr std::int32_t kNotificationOther = 26507;

// Numbers, references and raw values
inline constexpr const char* kCallReference = "CallId: %8d, SPC: %5d";
inline constexpr const char* kConnectionRequest = "LocRef:%8d SPC:%5d PClass:%3d Cred:%3d";
inline constexpr const char* kInterlockCode = "NetID: %c%c%c%c, Code: %05x (%02x %02x %02x %02x)";
inline constexpr const char* kPointCode = "%5x";
inline constexpr const char* kDelay = " %5dms ";
inline constexpr SLabelCase kNetworkIdKind[] = {{2, "NN  "}, {3, "INN "}};
inline constexpr const char* kNetworkIdKindOther = "Nw? ";
inline constexpr const char* kPlanLead = "Plan:%02d NwID:";
inline constexpr const char* kFacLead = "Fac:";
inline constexpr const char* kRemoteOperations = "Prot:%02d Comp: ";
inline constexpr SLabelCase kReferenceKind[] = {{1, "CCBS "}};
inline constexpr const char* kReferenceKindOther = "Rq\?\? ";
inline constexpr const char* kReference = "Ref=%10d";
inline constexpr const char* kReferenceLength = "Len=%3d";
inline constexpr SLabelCase kDigitsType[] = {{0, "Account code    "}, {1, "Auth.code       "}, {2, "Trav.class mark "}, {3, "Bus.comm.group  "}};
inline constexpr const char* kDigitsTypeOther = "Type=%2d         ";
inline constexpr SLabelCase kDigitsEncoding[] = {{2, "IA5:"}, {3, "Bin:"}};
inline constexpr const char* kBcdLead = "BCD:";
inline constexpr const char* kDigitsEncodingOther = "E%02d";
inline constexpr const char* kChargeUnit = "CU: %d";
inline constexpr const char* kChargeBand = "CBN: %d";

// Parameters printed on several lines
inline constexpr const char* kRangeStatus = "Range: %3d, Status: ";
inline constexpr const char* kMbsLead = "MBS:";
inline constexpr SLabelCase kBlockingState[] = {{0, "UBL  "}, {1, "LBL  "}, {2, "RBL  "}, {3, "LRBL "}};
inline constexpr const char* kHbsLead = "HBS:";
inline constexpr const char* kCpsLead = "CPS:";
inline constexpr SLabelCase kCallProcessing[] = {{1, "INC  "}, {2, "OUTG "}, {3, "IDLE "}};
inline constexpr const char* kEqsLead = "EQS:";
inline constexpr SLabelCase kEquipped[] = {{0, "TRANS "}, {1, "UNEQ  "}, {2, "Spare "}, {3, "Spare "}};
inline constexpr SLabelCase kTransitInstruction[] = {{0, "ENInd: TrI, "}, {1, "ENInd: ENI, "}};
inline constexpr const char* kRelLead = "Rel: ";
inline constexpr SLabelCase kRelease[] = {{0, "nRel, "}, {1, "Rel, "}};
inline constexpr const char* kSendNotLead = "SendNot: ";
inline constexpr SLabelCase kSendNotification[] = {{0, "nSN, "}, {1, "SN, "}};
inline constexpr const char* kDisMsgLead = "DisMsg: ";
inline constexpr SLabelCase kDiscardMessage[] = {{0, "Pass, "}, {1, "Disc, "}};
inline constexpr const char* kNotPassLead = "NotPass: ";
inline constexpr SLabelCase kNotPassed[] = {{0, "Rel."}, {1, "Disc."}};
inline constexpr const char* kUpgradedLine = "              |             | %s: ";
inline constexpr SLabelCase kParamTransit[] = {{0, "ENInd: TI, "}, {1, "ENInd: EI, "}};
inline constexpr SLabelCase kParamRelease[] = {{0, "Rel: nR, "}, {1, "Rel: R, "}};
inline constexpr SLabelCase kParamNotification[] = {{0, "SendNot: nSN, "}, {1, "SendNot: SN, "}};
inline constexpr SLabelCase kParamDiscardMessage[] = {{0, "DisM: nDM, "}, {1, "DisM: DM, "}};
inline constexpr SLabelCase kParamDiscardParameter[] = {{0, "DisP: nDP, "}, {1, "DisP: DP, "}};
inline constexpr const char* kPoNpiLead = "PoNPI: ";
inline constexpr SLabelCase kPassOnNotPossible[] = {{0, "Rel(%x)"}, {1, "DisM(%x)"}, {2, "DisP(%x)"}, {3, "reserved(%x)"}};
// clang-format on
