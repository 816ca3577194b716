// Code-to-text pairs of the enumerations that no command form offers as a choice. Generated data.

#include "utils/code_mappers.h"

namespace {

// clang-format off
const SChoiceEntry k_alarmStateTextId[] = {
    {0, 20403},  // Aктивен неподтвержден
    {1, 20404},  // Aктивен подтвержден
    {2, 20405},  // Неактивен неподтвержден
};

const SChoiceEntry k_userPartTextId[] = {
    {131, 20504},  // SCCP
    {132, 20502},  // TUP
    {133, 20503},  // ISUP
};

const SChoiceEntry k_tupMessageTextId[] = {
    {6, 20529},  // ANU
    {17, 20505},  // IAM
    {18, 20510},  // GSM
    {19, 20513},  // GRQ
    {20, 20514},  // ACM
    {21, 20516},  // SEC
    {22, 20530},  // ANC
    {23, 20537},  // RLG
    {24, 20544},  // MGB
    {33, 20506},  // IAI
    {36, 20515},  // CHG
    {37, 20517},  // CGC
    {38, 20531},  // ANN
    {39, 20538},  // BLO
    {40, 20545},  // MBA
    {49, 20507},  // SAM
    {50, 20511},  // COT
    {53, 20518},  // NNC
    {54, 20532},  // CBK
    {55, 20539},  // BLA
    {56, 20546},  // MGU
    {65, 20508},  // SAO
    {66, 20512},  // CCF
    {69, 20519},  // ADI
    {70, 20533},  // CLF
    {71, 20540},  // UBL
    {72, 20547},  // MUA
    {81, 20509},  // IAX
    {85, 20520},  // CFL
    {86, 20534},  // RAN
    {87, 20541},  // UBA
    {88, 20548},  // HGB
    {101, 20521},  // SSB
    {102, 20535},  // FOT
    {103, 20542},  // CCR
    {104, 20549},  // HBA
    {117, 20522},  // UNN
    {118, 20536},  // CCL
    {119, 20543},  // RSC
    {120, 20550},  // HGU
    {133, 20523},  // LOS
    {136, 20551},  // HUA
    {149, 20524},  // SST
    {152, 20552},  // GRS
    {165, 20525},  // ACB
    {168, 20553},  // GRA
    {181, 20526},  // DPN
    {197, 20527},  // MPR
    {245, 20528},  // EUM
};

const SChoiceEntry k_isupMessageTextId[] = {
    {1, 20554},  // IAM
    {2, 20555},  // SAM
    {3, 20556},  // INR
    {4, 20557},  // INF
    {5, 20558},  // COT
    {6, 20559},  // ACM
    {7, 20560},  // CON
    {8, 20561},  // FOT
    {9, 20562},  // ANM
    {12, 20563},  // REL
    {13, 20564},  // SUS
    {14, 20565},  // RES
    {16, 20566},  // RLC
    {17, 20567},  // CCR
    {18, 20568},  // RSC
    {19, 20569},  // BLO
    {20, 20570},  // UBL
    {21, 20571},  // BLA
    {22, 20572},  // UBA
    {23, 20573},  // GRS
    {24, 20574},  // CGB
    {25, 20575},  // CGU
    {26, 20576},  // CGBA
    {27, 20577},  // CGUA
    {28, 20578},  // CMR
    {29, 20579},  // CMC
    {30, 20580},  // CMRJ
    {31, 20581},  // FAR
    {32, 20582},  // FAA
    {33, 20583},  // FARJ
    {36, 20584},  // LPA
    {39, 20585},  // DRS
    {40, 20586},  // PAM
    {41, 20587},  // GRA
    {42, 20588},  // CQM
    {43, 20589},  // CQR
    {44, 20590},  // CPG
    {45, 20591},  // USR
    {46, 20592},  // UCIC
    {47, 20593},  // CFN
    {48, 20594},  // OLM
    {49, 20596},  // CRG
    {50, 20597},  // NRM
    {51, 20598},  // FAC
    {52, 20599},  // UPT
    {53, 20600},  // UPA
    {54, 20601},  // IDR
    {55, 20602},  // IRS
    {56, 20603},  // SGM
    {251, 20595},  // CHP
    {255, 20604},  // OPR
};

const SChoiceEntry k_isupParameterTextId[] = {
    {0, 20609},  // EndOfOpt
    {1, 20610},  // CallRef
    {2, 20611},  // TransMedReq
    {3, 20612},  // AccTrans
    {4, 20613},  // CalledPartyNum
    {5, 20614},  // SubseqNum
    {6, 20615},  // NatOfConnInd
    {7, 20616},  // FwdCallInd
    {8, 20617},  // OptFwdCallInd
    {9, 20618},  // CallingPartyCat
    {10, 20619},  // CallingPartyNum
    {11, 20620},  // RedirectingNum
    {12, 20621},  // RedirectionNum
    {13, 20622},  // ConnReq
    {14, 20623},  // InfReqInd
    {15, 20624},  // InfInd
    {16, 20625},  // COTInd
    {17, 20626},  // BwCallInd
    {18, 20627},  // CauseInd
    {19, 20628},  // RedirecInfo
    {21, 20629},  // CGrSupvMsgInd
    {22, 20630},  // Range&Status
    {23, 20631},  // CallModInd
    {24, 20632},  // FacilityInd
    {26, 20633},  // CUGInterlock
    {29, 20634},  // UserService
    {30, 20635},  // SPC
    {32, 20636},  // UserToUserInfo
    {33, 20637},  // ConnNum
    {34, 20638},  // SusResInd
    {35, 20639},  // TransNetwSel
    {36, 20640},  // EventInfo
    {38, 20641},  // CircuitState
    {39, 20642},  // AutoCongLev
    {40, 20643},  // OrigCalledNum
    {41, 20644},  // BwCallInd
    {42, 20645},  // UserToUserInd
    {43, 20646},  // OriginalISCP
    {44, 20647},  // GenNotif
    {45, 20648},  // CallHist
    {46, 20649},  // AccDeliv
    {47, 20650},  // NetwSpecFac
    {48, 20651},  // UserServInfP
    {49, 20652},  // PropDelay
    {50, 20653},  // RemoteOp
    {51, 20654},  // ServieAct
    {52, 20655},  // UsrTeleservInfo
    {53, 20656},  // TransMedUsed
    {54, 20657},  // CallDiversion
    {55, 20658},  // EchoControl
    {56, 20659},  // MsgComp
    {57, 20660},  // ParamComp
    {58, 20661},  // MLPPPrec
    {59, 20662},  // MCIDReq
    {60, 20663},  // MCIDResp
    {61, 20664},  // HopCount
    {62, 20665},  // TransMedReqP
    {63, 20666},  // LocationNum
    {64, 20667},  // RedirNumRestr
    {65, 20668},  // FreephoneInd
    {66, 20669},  // GenRefer
    {192, 20670},  // GenNumber
    {193, 20671},  // GenDigits
    {254, 20672},  // ChgUnitNumber
    {255, 20673},  // ChgBandNumber
};

// clang-format on

}  // namespace

const SChoiceTable codesAlarmState = {k_alarmStateTextId, 3};
const SChoiceTable codesUserPart = {k_userPartTextId, 3};
const SChoiceTable codesTupMessage = {k_tupMessageTextId, 49};
const SChoiceTable codesIsupMessage = {k_isupMessageTextId, 51};
const SChoiceTable codesIsupParameter = {k_isupParameterTextId, 65};
