// The exchange's table dictionary: for every table number its names, capacity and
// fields, and the names of the values of the enumeration fields. Generated from the
// exchange's data definitions; one row per field, in dictionary order.
#include "sub/table_dictionary.h"

#include <iterator>

// clang-format off
namespace {

// Value names by value; "" is a value without a name.
const char* const kEnum_KOORX_TipKOORXa[] = {"", "eKOOR", "eDUS"};
const char* const kEnum_RPZ_TipRPZa[] = {"eRadni", "eRezervni"};
const char* const kEnum_RPZradni_Rezim[] = {"eNijeZamenjen", "eZamenjen"};
const char* const kEnum_RPZrezervni_Rezim[] = {"eNeZamenjuje", "eZamenjuje"};
const char* const kEnum_DUS_tipDUSa[] = {"etdDUS", "etdDUSCP"};
const char* const kEnum_ZPP_Tip[] = {"", "ztZPP", "ztZPT", "ztZPD"};
const char* const kEnum_RPP_Link[] = {"hwsCMOS", "hwsDiferencijalni"};
const char* const kEnum_KOP_TipKOPa[] = {"", "eRPKOP", "eARKOP", "eORKOP"};
const char* const kEnum_KOP_Stanje[] = {"", "eURadu", "eUPunjenju", "eUResetu", "eUBlokadi",
    "eUPrvomPunjenju", "eUDrugomPunjenju"};
const char* const kEnum_RP_TipRPa[] = {"", "eRPK", "eRPZ", "eRPD", "eRPP", "eDUSRPG", "eRPG",
    "eZRP", "ePRP", "eRPI", "eDCG"};
const char* const kEnum_RP_Komanda[] = {"eNijeZadata", "eNarAutPunjenje", "eNarManPunjenje",
    "eNarAutBlok", "eNarAutDeblok", "eNarManBlok", "eNarManDeblok"};
const char* const kEnum_OR_VrstaORa[] = {"vorServer", "vorKlijent"};
const char* const kEnum_OR_VezaORa[] = {"npKOP", "npIP", "npNo7"};
const char* const kEnum_GSLink_TipGSLinka[] = {"etglGZ", "etglGP", "etglGZRP", "etglGM", "etglGenT"};
const char* const kEnum_Ton_Ton[] = {"toneBusy", "toneInfo", "toneCong", "toneDial", "toneRing",
    "toneSpec", "toneCont", "toneTest1", "toneTest2", "toneTest3", "toneCCheck", "toneI1", "toneI2",
    "toneI3", "toneI4", "toneI5", "toneI6", "toneI7", "toneI8", "toneI9", "toneI10", "toneI11",
    "toneI12", "toneI13", "toneI14", "toneI15", "toneA1", "toneA2", "toneA3", "toneA4", "toneA5",
    "toneA6", "toneA7", "toneA8", "toneA9", "toneA10", "toneA11", "toneA12", "toneA13", "toneA14",
    "toneA15", "MAX_TONOVA"};
const char* const kEnum_DSLink_TipDSLinka[] = {"etdlPD", "etdlKD", "etdlDZ"};
const char* const kEnum_E1Interfejs_TipE1Interfejsa[] = {"te1PCM", "te1PP"};
const char* const kEnum_FMedjuveza_TipFMedjuveze[] = {"etfKZ", "etfGZ", "etfGP", "etfGZRP",
    "etfPZRP", "etfPP", "etfPC", "etfPD", "etfDZ", "etfKD", "etfPCM"};
const char* const kEnum_Medjuveza_Stanje[] = {"emvsSlobodna", "emvsZauzeta"};
const char* const kEnum_LptPtp_StanjeOBPO[] = {"eSlobodno", "eZauzDolaz", "eZauzOdlaz", "eReset",
    "eCROuRadu", "eCRIuRadu"};
const char* const kEnum_LptPtp_SmerLinije[] = {"slPrijemna", "slPolazna", "slDvosmerna"};
const char* const kEnum_LptPtp_VrstaPretplatnika[] = {"eZinPretplatnik", "ePrinPretplatnik",
    "eBrinPretplatnik"};
const char* const kEnum_Pretplatnik_Kategorija[] = {"eNepoznata", "eMedjOperFra", "eMedjOperEng",
    "eMedjOperNem", "eMedjOperRus", "eMedjOperSpa", "eOperator6", "eOperator7", "eOperator8",
    "eTelefonistkinja", "eObicanPtp", "ePrioritetanPtp", "ePrenosPodataka", "eTestPoziv", "",
    "eGovornica", "eHitanRacun", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
    "eAonKategorija10", "eAonKategorija2", "eAonKategorija5", "eAonKategorija7", "eAonKategorija3",
    "eAonKategorija6", "", "", "", "", "", "", "", "", "", "", "eAutomPoziv1", "ePoluautPoziv1",
    "eAutomPoziv2", "ePoluautPoziv2", "eAutomPoziv3", "ePoluautPoziv3", "eAutomPoziv4",
    "ePoluautPoziv4"};
const char* const kEnum_Pretplatnik_TipPtpBroja[] = {"upNeprikljucen", "upPrikTacka", "upPBXserija",
    "upPBXvodeci", "upMSNBroj"};
const char* const kEnum_Pretplatnik_SlanjeTarife[] = {"stNema", "st16", "st16PP", "stPP"};
const char* const kEnum_PBXserija_Tarifiranje[] = {"eptZasebno", "eptNaVodeci"};
const char* const kEnum_PBXserija_NacinZauz[] = {"ezkKruzno", "ezkOdPocetka"};
const char* const kEnum_Ruta_Signalizacija[] = {"sigNo7", "sigR2D", "sigD1R2", "sigD1D1",
    "sigD1slepo", "sigD2", "sigPtp", "sigR2DC", "sigD1R2C", "sigBCT_R22", "sig2VSK", "sigOVF",
    "sigOVF_R15", "sigOBS", "sigOBS_R15", "sigOVF_P2", "sig2VSK_P2", "sig2VSKDEK"};
const char* const kEnum_Ruta_Tip[] = {"", "rDolaz", "rOdlaz", "rDvosmerna"};
const char* const kEnum_Ruta_PrirodaRute[] = {"eprAnalogna", "eprDigitalna"};
const char* const kEnum_DolRuta_eIdentPoz[] = {"nipprNema", "nipprObavezna", "nipprPoZahtevu"};
const char* const kEnum_BAnaliza_Sledece[] = {"", "usmNaPocetak", "usmPrvaIzaPrefik",
    "usmRutniSlucaj", "usmTerminalni", "usmGovMasina", "usmSpecUsluga"};
const char* const kEnum_AltRutniSlucaj_Sledece[] = {"", "rsBAnaliza", "rsTerminalni", "rsNoviRS",
    "rsOdlRuta", "rsGovMasina", "rsSpecUsluga"};
const char* const kEnum_GovornaMasina_Vrsta[] = {"vgmTonska", "vgmKonferencijska"};
const char* const kEnum_KonfGovMasxina_Stanje[] = {"eSlobodan", "eZauzet"};
const char* const kEnum_GenerisanPoziv_StanjeVeze[] = {"gmIDLE", "gmCekaStanjeA", "gmCekaJavA",
    "gmRazgovorA", "gmCekaRaskidA", "gmCekaJavB", "gmRazgovorB", "gmBPolozio", "gmCekaRaskidB"};
const char* const kEnum_EndOfSelection_RazlogPada[] = {"eosIstekVKCIF", "eosNepostPrefiks",
    "eosPadDiskrim", "eosKrajRS", "eosKrajRute", "eosDualSeizure", "eosSigErr", "eosNepostBroj",
    "eosNeSmetaj", "eosZabrPreusm", "eosZauzOMV", "eosIstekVKGSM", "eosZauzetNas", "eosIstekVKACM",
    "eosBlokPtp", "eosZauzPBX", "eosBlokPBX", "eosZauzDuplo", "eosNeuspZauzGM", "eosSEC", "eosCGC",
    "eosNNC", "eosADI", "eosCFL", "eosRSC", "eosSSB", "eosUNN", "eosLOS", "eosSST", "eosACB",
    "eosDPN", "eosMPR", "eosDSD", "eosDSA", "eosNemoguceTarif", "eosUpadTlf", "eosNemaUsluge",
    "eosNeuspiPZBB", "eosUspiPZBB", "eosNeusppZabrPre", "eosUsppZabrPre", "eosNeuspbZabrPre",
    "eosUspbZabrPre", "eosNeusppSkBir", "eosUsppSkBir", "eosNeuspbSkBir", "eosUspbSkBir",
    "eosNeuspqSkBir", "eosUspqSkBir", "eosNeuspiSkBir", "eosUspiSkBir", "eosNeusppPozBezB",
    "eosUsppPozBezB", "eosNeuspbPozBezB", "eosUspbPozBezB", "eosNeuspqPozBezB", "eosUspqPozBezB",
    "eosNeuspiPozBezB", "eosUspiPozBezB", "eosNeusppPreusmP", "eosUsppPreusmP", "eosNeuspbPreusmP",
    "eosUspbPreusmP", "eosNeuspqPreusmP", "eosUspqPreusmP", "eosNeusppNeSmet", "eosUsppNeSmet",
    "eosNeuspbNeSmet", "eosUspbNeSmet", "eosNeuspqNeSmet", "eosUspqNeSmet", "eosNeusppPozNaC",
    "eosUsppPozNaC", "eosNeuspbPozNaC", "eosUspbPozNaC", "eosNeuspqPozNaC", "eosUspqPozNaC",
    "eosNeusppOgrPoz", "eosUsppOgrPoz", "eosNeuspbOgrPoz", "eosUspbOgrPoz", "eosNeuspqOgrPoz",
    "eosUspqOgrPoz", "eosNeuspiPreusmP", "eosNeusppBudj", "eosUsppBudj", "eosNeuspbBudj",
    "eosUspbBudj", "eosNeuspqBudj", "eosUspqBudj", "eosNemaPZ", "eosPrisRaskid", "eosBlokiranje",
    "eosIspadPrenosa", "eosNeregBiti", "eosRanoJavljanje", "eosVKbiranja", "eosVKtona",
    "eosVKtisine", "eosNeregMFC", "eosZauzPT", "eosNasSSB", "eosNeuspIzbPren", "eosPreoptProc",
    "eosNemaKonfBlokova", "eosNeuspKonfPoziva", "eosBLO", "eosNOKCCI", "eosNOKCCO", "eosNoDP",
    "eosCantUseDP", "eosNoDataUser", "eosPogrSmerPBX", "eosPogrSmerPtp", "eosUsppPrPozZ",
    "eosNeusppPrPozZ", "eosUspbPrPozZ", "eosNeuspbPrPozZ", "eosUspqPrPozZ", "eosNeuspqPrPozZ",
    "eosNeuspiPrPozZ", "eosNekompatibilnaTlf", "eosNekompletnaAdresa", "eosOgrDolPoz",
    "eosUsppPovPoz", "eosNeusppPovPoz", "eosManBlokPtp", "eosNeusppOgrPozIzb", "eosUsppOgrPozIzb",
    "eosNeusppZabUpTel", "eosUsppZabUpTel", "eosNeuspbZabUpTel", "eosUspbZabUpTel",
    "eosNeusppProslPoz", "eosUsppProslPoz", "eosNeuspbProslPoz", "eosUspbProslPoz",
    "eosNeuspqProslPoz", "eosUspqProslPoz", "eosUnreasonInf", "eosNeusppOdbNeidPoz",
    "eosUsppOdbNeidPoz", "eosNeuspbOdbNeidPoz", "eosUspbOdbNeidPoz", "eosNeuspqOdbNeidPoz",
    "eosUspqOdbNeidPoz", "eosOdbijNeidentifikovani", "eosNeuspDeaktSve", "eosUspDeaktSve",
    "eosNeuspPromSifre", "eosUspPromSifre", "eosNeuspDeaktPre", "eosUspDeaktPre", "eosUsppPrNejav",
    "eosNeusppPrNejav", "eosUspbPrNejav", "eosNeuspbPrNejav", "eosUspqPrNejav", "eosNeuspqPrNejav",
    "eosNeuspiPrNejav", "eosUsppBudjViseD", "eosNeusppBudjViseD", "eosUsppBudjViseN",
    "eosNeusppBudjViseN", "eosOdlRutaNePodrzavaNx64Veze", "eosZabranjenPrefiksZaKategoriju",
    "eosPrekoracenBrojPreusm", "eosOgranicxPolPoziva", "eosNeuspPosAPPZP", "eosUspPosAPPZP",
    "eosNeuspBrAPPZP", "eosUspBrAPPZP", "eosNemaKonfGM", "eosZGNeslaganjePodesavanjaIPrimPodataka",
    "eosZGNijeDodeljenaUsluga", "eosZGNepostojeca", "eosZGPogresna", "eosZGZabranaPolaznihPoziva",
    "eosZGZabranaDolaznihPoziva", "eosZGOdbijenaUsluga", "eosNeuspPozivaZG", "eosUspehPozivaSaZG",
    "eosNeuspProvereZG", "eosUspehProvereZG", "", "", "", "", "", "", "", "", "", "", "", "", "",
    "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
    "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
    "", "", "", "", "", "", "", "", "", "", "eosOK"};
const char* const kEnum_EndOfSelection_EOSAlt[] = {"", "eSignalUnazad", "eModifik",
    "ePonovoIstaRuta", "eIstiRutniSlucaj", "eNoviEOS"};
const char* const kEnum_EOSpad_Signal[] = {"", "eSEC", "eCGC", "eNNC", "eADI", "eCFL", "eSSB",
    "eUNN", "eLOS", "eSST", "eACB", "eDPN", "eMPR"};
const char* const kEnum_VKontrola_VlasnikVK[] = {"", "vlCP", "vlAR", "vlCP_i_AR", "vlOR", "vlSvi",
    "vlSviRPovi", "vlRPPovi", "vlRPKovi", "vlRPGovi", "vlZRPovi", "vlRPZovi", "vlRPDovi",
    "vlKOPovi", "vlRPZovi_i_RPDovi", "vlPRPovi", "vlDCGovi"};
const char* const kEnum_TarifniSlucaj_tsti[] = {"", "tstiNaPocetku", "tstiNaKraju", "tstiNaSredini"};
const char* const kEnum_KatDUS_DanUSedmici[] = {"eNedelja", "ePonedeljak", "eUtorak", "eSreda",
    "eCetvrtak", "ePetak", "eSubota"};
const char* const kEnum_TarifStore_VrstaDLpt[] = {"ePretplatnik", "ePrenosnik", "eGovMasina"};
const char* const kEnum_CallStore_PretStanje[] = {"cstIDLE", "cstCekaIAM", "cstB_analiza",
    "cstDiskriminacij", "cstCekaZauzimanj", "cstCekaSlanje", "cstCekaZauzPtp", "cstCekaGSM",
    "cstCekaStanje", "cstCekaJavljanje", "cstRazgovor", "cstBPolozio", "cstHang_On", "cstRaskid",
    "cstFreeze", "cstEOSDelay", "cstRaskTon", "cstLovGSM", "cstCekaKrajProvKont",
    "cstCekaGSMObaveznaID"};
const char* const kEnum_CallStore_ImaABroj[] = {"ekaNemaA", "ekaDeoA", "ekaCeoA"};
const char* const kEnum_CallStore_ProvKont[] = {"epkNeTraziSe", "epkDolazno", "epkPrethodno"};
const char* const kEnum_CallStore_PrirodaABroja[] = {"epaPretpBr", "epaRezerva", "epaNacional",
    "epaMedjunar"};
const char* const kEnum_CallStore_StanjeCCO[] = {"sCCO_Idle", "sCCO_WaitForBCT"};
const char* const kEnum_CallStore_StanjeLovca[] = {"stlIDLE", "stlCekaPotvrdu"};
const char* const kEnum_CallStore_OdgovorLovca[] = {"eolLovacGreska", "eolLovacPostavljen",
    "eolSaljiGRQHold"};
const char* const kEnum_CallStore_RazlogPreusm[] = {"rpNepoznat", "rpZauzet", "rpNejavljanje",
    "rpBezuslovno", "rpDeflectionDuringAlerting", "rpDeflectionImmediateResponse",
    "rpMobilniNedostupan"};
const char* const kEnum_CallStore_VrstaSadrzKomunikac[] = {"tmSpeech", "tm64kUnrestricted",
    "tm31khzAudio", "tmAltSpeech64k", "tmAlt64kSpeech", "tm64kPreferred", "tm2x64kUnrestricted",
    "tm384kUnrestricted", "tm1536kUnrestricted", "tm1920kUnrestricted", "tm3x64kUnrestricted",
    "tm4x64kUnrestricted", "tm5x64kUnrestricted", "tm7x64kUnrestricted", "tm8x64kUnrestricted",
    "tm9x64kUnrestricted", "tm10x64kUnrestricted", "tm11x64kUnrestricted", "tm12x64kUnrestricted",
    "tm13x64kUnrestricted", "tm14x64kUnrestricted", "tm15x64kUnrestricted", "tm16x64kUnrestricted",
    "tm17x64kUnrestricted", "tm18x64kUnrestricted", "tm19x64kUnrestricted", "tm20x64kUnrestricted",
    "tm21x64kUnrestricted", "tm22x64kUnrestricted", "tm23x64kUnrestricted", "tm25x64kUnrestricted",
    "tm26x64kUnrestricted", "tm27x64kUnrestricted", "tm28x64kUnrestricted", "tm29x64kUnrestricted"};
const char* const kEnum_StatSlucaj_Stanje[] = {"stMaKoje", "stUsmPoziv", "stCekanjeJav",
    "stRazgovor", "stBPolozio"};
const char* const kEnum_ModifikacijaAtributa_Modifikacija[] = {"lmLoad", "lmNull", "lmSet"};
const char* const kEnum_Bekap_Status[] = {"bstsPrazan", "bstsNeuspesan", "bstsUspesan",
    "bstsNepoznat"};
const char* const kEnum_Bekap_Dobar[] = {"bstsDobar", "bstsNijeDobar", "bstsNeproveren"};
const char* const kEnum_SlucajPracenja_TipPracenja[] = {"etpEOS", "etpBSlobodan", "etpRazgovor"};
const char* const kEnum_VremeRestarta_TipRestarta[] = {"eMali", "eVeliki"};
const char* const kEnum_SigKanal_Stanje[] = {"esskURadu", "esskUIspadu", "esskUPodizanju",
    "esskNeaktivan"};
const char* const kEnum_SigKanal_NacinTest[] = {"tnNemaTest", "tnJedanTest", "tnStalniTest"};
const char* const kEnum_No7Kanal_VerzijaNo7[] = {"ev7TUP", "ev7ISUP"};
const char* const kEnum_StanjeNo7_StanjeCRO[] = {"sCRO_Idle", "sCRO_WaitForTimeOut",
    "sCRO_WaitForBCT", "sCRO_WaitForRLG"};
const char* const kEnum_StanjeNo7_StanjeCRI[] = {"sCRI_Idle", "sCRI_WaitForCCR", "sCRI_WaitForCLF"};
const char* const kEnum_StanjeNo7_StanjeBLS[] = {"sBLS_Idle", "sBLS_WaitForBLA", "sBLS_Blocked",
    "sBLS_WaitForUBA"};
const char* const kEnum_StanjeNo7_StanjeBLR[] = {"sBLR_Idle", "sBLR_Blocked"};
const char* const kEnum_StanjeNo7_StanjeCRS[] = {"sCRS_Idle", "sCRS_WaitForResp"};
const char* const kEnum_StanjeNo7_StanjeCGRS[] = {"sCGRS_Idle", "sCGRS_WaitForResp"};
const char* const kEnum_StanjeNo7_StanjeCGRR[] = {"sCGRR_Idle", "sCGRR_WaitFor2ndGRS"};
const char* const kEnum_StanjeNo7_StanjeMBUS[] = {"sMBUS_Idle", "sMBUS_WaitForMBA", "sMBUS_Blocked",
    "sMBUS_WaitForMUR"};
const char* const kEnum_StanjeNo7_StanjeMBUR[] = {"sMBUR_Idle", "sMBUR_Blocked"};
const char* const kEnum_StanjeNo7_StanjeHBUS[] = {"sHBUS_Idle", "sHBUS_WaitForHBA", "sHBUS_Blocked",
    "sHBUS_WaitForHUA"};
const char* const kEnum_StanjeNo7_StanjeHBUR[] = {"sHBUR_Idle", "sHBUR_Blocked"};
const char* const kEnum_CGCStore_Type[] = {"eCGC_Free", "eCGC_CGRS", "eCGC_CGRR", "eCGC_MBUS",
    "eCGC_MBUR", "eCGC_HBUS", "eCGC_HBUR"};
const char* const kEnum_ParametarAlarmaLinka_BERThreshold[] = {"sg10_3", "sg10_4", "sg10_5",
    "sg10_6"};
const char* const kEnum_SigTacka_Stanje[] = {"esstDostupna", "esstNedostupna", "esstURestartu"};
const char* const kEnum_SigTacka_NivoZagusenja[] = {"zNemaZagusenja", "zNivo1", "zNivo2"};
const char* const kEnum_RemoteDPC_SCCPStatus[] = {"RSCCPAvailable", "RSCCPUnavUnknown",
    "RSCCPUnequipped", "RSCCPInaccessible"};
const char* const kEnum_RemoteDPC_LinkStatus[] = {"elsAccessible", "elsPause"};
const char* const kEnum_MySSN_SSNName[] = {"SSN_NotKnown", "SSN_SCCPManagement", "",
    "SSN_ISDNUserPart", "SSN_OMAP", "SSN_MAP", "SSN_HLR", "SSN_VLR", "SSN_MSC", "SSN_EIC", "SSN_AUC"};
const char* const kEnum_MySSN_SCCPUser[] = {"eKELM_TCAP", "eKELM_ISDN", "eKELM_SCCPManagement",
    "eKELM_TMN", "eKELM_NoMore", "eKELM_VirtualUser"};
const char* const kEnum_RemoteOPC_NumPlan[] = {"enpUnKnown", "enpISDN", "", "enpData", "enpTelex",
    "enpMaritimeMobile", "enpLandMobile", "enpISDNMobile"};
const char* const kEnum_GTTranslation_NextAction[] = {"newTranslation", "newSSN", "",
    "TranslationOver"};
const char* const kEnum_Plovk_TipMerenjaTK[] = {"etmtZINILC", "etmtILCZIN"};
const char* const kEnum_Plovk_Frekvencija[] = {"ef800", "ef1000", "ef1020"};
const char* const kEnum_Plovk_Amplituda[] = {"ea0dBm", "ea10dBm"};
const char* const kEnum_Plovk_Ton[] = {"emtKPoziva", "emtZauzece", "emtBlokada", "emtSlobBiranje"};
const char* const kEnum_Plovk_NacinBirCifara[] = {"emscImpulsno", "emscTonsko"};
const char* const kEnum_Plovk_SmerMerenja[] = {"esmLinija", "", "", "", "esmCentrala"};
const char* const kEnum_DefinicijaAlarma_Nivo[] = {"", "eA1", "eA2", "eA3", "eA0"};
const char* const kEnum_ListaAlarma_Stanje[] = {"esaAktivanNepotvrdjen", "esaAktivanPotvrdjen",
    "esaNeaktivanNepotvrdjen"};
const char* const kEnum_Operater_StanjeOperatera[] = {"eDeblokiran", "eBlokiran", "eZaBrisanje"};
const char* const kEnum_Preusmeravanje_Stanje[] = {"spUToku", "spZavrseno"};
const char* const kEnum_PRIN_TeiNula[] = {"eTeiNijeNula", "eTeiNula"};

const SSubFieldDef kFields1[] = {  // KOORX
    {kFieldKey, ftByte, 1, nullptr, 0, "KOORX"},
    {0, ftEnum, 1, kEnum_KOORX_TipKOORXa, int32_t(std::size(kEnum_KOORX_TipKOORXa)), "TipKOORXa"},
};
const SSubFieldDef kFields2[] = {  // KOOR
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOR"},
};
const SSubFieldDef kFields3[] = {  // RPZ
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOR"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPZ"},
    {0, ftEnum, 1, kEnum_RPZ_TipRPZa, int32_t(std::size(kEnum_RPZ_TipRPZa)), "TipRPZa"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "idRPZ"},
};
const SSubFieldDef kFields4[] = {  // RPZradni
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOR"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPZradni"},
    {0, ftEnum, 1, kEnum_RPZradni_Rezim, int32_t(std::size(kEnum_RPZradni_Rezim)), "Rezim"},
    {0, ftByte, 1, nullptr, 0, "RPZrezervni"},
};
const SSubFieldDef kFields5[] = {  // RPZrezervni
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOR"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPZrezervni"},
    {0, ftEnum, 1, kEnum_RPZrezervni_Rezim, int32_t(std::size(kEnum_RPZrezervni_Rezim)), "Rezim"},
    {0, ftByte, 1, nullptr, 0, "RPZradni"},
};
const SSubFieldDef kFields6[] = {  // DUS
    {kFieldKey, ftByte, 1, nullptr, 0, "DUS"},
    {0, ftEnum, 1, kEnum_DUS_tipDUSa, int32_t(std::size(kEnum_DUS_tipDUSa)), "tipDUSa"},
};
const SSubFieldDef kFields7[] = {  // RPD
    {kFieldKey, ftByte, 1, nullptr, 0, "DUS"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPD"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "idRPD"},
    {0, ftEnum, 1, kEnum_RPZ_TipRPZa, int32_t(std::size(kEnum_RPZ_TipRPZa)), "TipRPDa"},
};
const SSubFieldDef kFields8[] = {  // RPDradni
    {kFieldKey, ftByte, 1, nullptr, 0, "DUS"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPDradni"},
    {0, ftEnum, 1, kEnum_RPZradni_Rezim, int32_t(std::size(kEnum_RPZradni_Rezim)), "Rezim"},
    {0, ftByte, 1, nullptr, 0, "RPDrezervni"},
};
const SSubFieldDef kFields9[] = {  // RPDrezervni
    {kFieldKey, ftByte, 1, nullptr, 0, "DUS"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPDrezervni"},
    {0, ftEnum, 1, kEnum_RPZrezervni_Rezim, int32_t(std::size(kEnum_RPZrezervni_Rezim)), "Rezim"},
    {0, ftByte, 1, nullptr, 0, "RPDradni"},
};
const SSubFieldDef kFields10[] = {  // KOOKX
    {kFieldKey, ftByte, 1, nullptr, 0, "KOORX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOKX"},
};
const SSubFieldDef kFields11[] = {  // RPK
    {kFieldKey, ftByte, 1, nullptr, 0, "KOORX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPK"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "idRPK"},
};
const SSubFieldDef kFields12[] = {  // DTI
    {kFieldKey, ftByte, 1, nullptr, 0, "KOORX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "DTI"},
    {0, ftShort, 2, nullptr, 0, "Stanje"},
    {0, ftString, 5, nullptr, 0, "verzija"},
};
const SSubFieldDef kFields13[] = {  // DTMF
    {kFieldKey, ftByte, 1, nullptr, 0, "KOORX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "DTI"},
    {kFieldKey, ftByte, 1, nullptr, 0, "DTMF"},
    {0, ftShort, 2, nullptr, 0, "Stanje"},
};
const SSubFieldDef kFields14[] = {  // DCK
    {kFieldKey, ftByte, 1, nullptr, 0, "KOORX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOKX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "DCK"},
    {0, ftShort, 2, nullptr, 0, "Stanje"},
    {0, ftString, 5, nullptr, 0, "verzija"},
};
const SSubFieldDef kFields15[] = {  // ZPP
    {kFieldKey, ftByte, 1, nullptr, 0, "KOORX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOKX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "ZPP"},
    {0, ftShort, 2, nullptr, 0, "Stanje"},
    {0, ftEnum, 1, kEnum_ZPP_Tip, int32_t(std::size(kEnum_ZPP_Tip)), "Tip"},
    {0, ftString, 5, nullptr, 0, "verzija"},
};
const SSubFieldDef kFields16[] = {  // ZIN
    {kFieldKey, ftByte, 1, nullptr, 0, "KOORX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOKX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "ZPP"},
    {kFieldKey, ftByte, 1, nullptr, 0, "ZIN"},
    {0, ftShort, 2, nullptr, 0, "Stanje"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "LptPtp"},
};
const SSubFieldDef kFields17[] = {  // GSP
    {kFieldKey, ftByte, 1, nullptr, 0, "KOORX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "GSP"},
};
const SSubFieldDef kFields18[] = {  // ILC
    {kFieldKey, ftByte, 1, nullptr, 0, "KOORX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "ILC"},
    {0, ftEnum, 1, kEnum_RPZ_TipRPZa, int32_t(std::size(kEnum_RPZ_TipRPZa)), "TipILCa"},
    {0, ftShort, 2, nullptr, 0, "Stanje"},
    {0, ftShort, 2, nullptr, 0, "BrojILC"},
};
const SSubFieldDef kFields19[] = {  // ILCradni
    {kFieldKey, ftByte, 1, nullptr, 0, "KOORX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "ILCradni"},
    {0, ftEnum, 1, kEnum_RPZradni_Rezim, int32_t(std::size(kEnum_RPZradni_Rezim)), "Rezim"},
    {0, ftByte, 1, nullptr, 0, "ILCrezervni"},
};
const SSubFieldDef kFields20[] = {  // ILCrezervni
    {kFieldKey, ftByte, 1, nullptr, 0, "KOORX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "ILCrezervni"},
    {0, ftEnum, 1, kEnum_RPZrezervni_Rezim, int32_t(std::size(kEnum_RPZrezervni_Rezim)), "Rezim"},
    {0, ftByte, 1, nullptr, 0, "ILCradni"},
};
const SSubFieldDef kFields21[] = {  // PROK
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
};
const SSubFieldDef kFields22[] = {  // RPP
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPP"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "idRPP"},
    {0, ftEnum, 1, kEnum_RPZ_TipRPZa, int32_t(std::size(kEnum_RPZ_TipRPZa)), "TipRPPa"},
    {0, ftEnum, 1, kEnum_RPP_Link, int32_t(std::size(kEnum_RPP_Link)), "Link"},
    {0, ftEnum, 1, kEnum_RPP_Link, int32_t(std::size(kEnum_RPP_Link)), "Takt"},
    {0, ftString, 5, nullptr, 0, "verzija"},
};
const SSubFieldDef kFields23[] = {  // RPPradni
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPPradni"},
    {0, ftEnum, 1, kEnum_RPZradni_Rezim, int32_t(std::size(kEnum_RPZradni_Rezim)), "Rezim"},
    {0, ftByte, 1, nullptr, 0, "RPPrezervni"},
};
const SSubFieldDef kFields24[] = {  // RPPrezervni
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPPrezervni"},
    {0, ftEnum, 1, kEnum_RPZrezervni_Rezim, int32_t(std::size(kEnum_RPZrezervni_Rezim)), "Rezim"},
    {0, ftByte, 1, nullptr, 0, "RPPradni"},
};
const SSubFieldDef kFields25[] = {  // RPG
    {kFieldKey, ftShort, 2, nullptr, 0, "idRPG"},
    {0, ftString, 5, nullptr, 0, "Vrsta"},
    {0, ftString, 5, nullptr, 0, "verzija"},
};
const SSubFieldDef kFields26[] = {  // CGT
    {kFieldKey, ftByte, 1, nullptr, 0, "Id"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "idRP"},
};
const SSubFieldDef kFields27[] = {  // DCG
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "DCG"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "idDCG"},
};
const SSubFieldDef kFields28[] = {  // ZRP
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "ZRP"},
    {0, ftEnum, 1, kEnum_RPZ_TipRPZa, int32_t(std::size(kEnum_RPZ_TipRPZa)), "TipZRPa"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "idZRP"},
};
const SSubFieldDef kFields29[] = {  // ZRPradni
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "ZRPradni"},
    {0, ftEnum, 1, kEnum_RPZradni_Rezim, int32_t(std::size(kEnum_RPZradni_Rezim)), "Rezim"},
    {0, ftByte, 1, nullptr, 0, "ZRPrezervni"},
};
const SSubFieldDef kFields30[] = {  // ZRPrezervni
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "ZRPrezervni"},
    {0, ftEnum, 1, kEnum_RPZrezervni_Rezim, int32_t(std::size(kEnum_RPZrezervni_Rezim)), "Rezim"},
    {0, ftByte, 1, nullptr, 0, "ZRPradni"},
};
const SSubFieldDef kFields31[] = {  // DUSRPG
    {kFieldKey, ftByte, 1, nullptr, 0, "DUS"},
    {kFieldKey, ftByte, 1, nullptr, 0, "DUSRPG"},
    {0, ftEnum, 1, kEnum_RPZ_TipRPZa, int32_t(std::size(kEnum_RPZ_TipRPZa)), "TipDUSRPGa"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "idDUSRPG"},
};
const SSubFieldDef kFields32[] = {  // DUSRPGradni
    {kFieldKey, ftByte, 1, nullptr, 0, "DUS"},
    {kFieldKey, ftByte, 1, nullptr, 0, "DUSRPGradni"},
    {0, ftEnum, 1, kEnum_RPZradni_Rezim, int32_t(std::size(kEnum_RPZradni_Rezim)), "Rezim"},
    {0, ftByte, 1, nullptr, 0, "DUSRPPrezervni"},
};
const SSubFieldDef kFields33[] = {  // DUSRPGrezervni
    {kFieldKey, ftByte, 1, nullptr, 0, "DUS"},
    {kFieldKey, ftByte, 1, nullptr, 0, "DUSRPGrezervni"},
    {0, ftEnum, 1, kEnum_RPZrezervni_Rezim, int32_t(std::size(kEnum_RPZrezervni_Rezim)), "Rezim"},
    {0, ftByte, 1, nullptr, 0, "DUSRPGradni"},
};
const SSubFieldDef kFields34[] = {  // KOP
    {kFieldKey, ftShort, 2, nullptr, 0, "PID"},
    {kFieldKey, ftByte, 1, nullptr, 0, "KOP"},
    {0, ftEnum, 1, kEnum_KOP_TipKOPa, int32_t(std::size(kEnum_KOP_TipKOPa)), "TipKOPa"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "idKOPa"},
    {0, ftEnum, 1, kEnum_KOP_Stanje, int32_t(std::size(kEnum_KOP_Stanje)), "Stanje"},
    {0, ftByte, 1, nullptr, 0, "PRG"},
    {0, ftString, 5, nullptr, 0, "verzija"},
};
const SSubFieldDef kFields35[] = {  // PRG
    {kFieldKey, ftByte, 1, nullptr, 0, "PRG"},
    {0, ftString, 81, nullptr, 0, "FileName"},
};
const SSubFieldDef kFields36[] = {  // RP
    {kFieldKey, ftShort, 2, nullptr, 0, "RP"},
    {0, ftEnum, 1, kEnum_RP_TipRPa, int32_t(std::size(kEnum_RP_TipRPa)), "TipRPa"},
    {0, ftByte, 1, nullptr, 0, "KOP"},
    {0, ftByte, 1, nullptr, 0, "KOPMagistrala"},
    {0, ftByte, 1, nullptr, 0, "AdresaNaMagistrali"},
    {0, ftByte, 1, nullptr, 0, "PRG"},
    {0, ftEnum, 1, kEnum_KOP_Stanje, int32_t(std::size(kEnum_KOP_Stanje)), "Stanje"},
    {0, ftByte, 1, nullptr, 0, "ManBlok"},
    {0, ftByte, 1, nullptr, 0, "AutoBlok"},
    {0, ftByte, 1, nullptr, 0, "KontrBlok"},
    {0, ftByte, 1, nullptr, 0, "TestBlok"},
    {0, ftByte, 1, nullptr, 0, "ZamenaStrana"},
    {0, ftByte, 1, nullptr, 0, "PocetakRada"},
    {0, ftEnum, 1, kEnum_RP_Komanda, int32_t(std::size(kEnum_RP_Komanda)), "Komanda"},
};
const SSubFieldDef kFields37[] = {  // OR
    {kFieldKey, ftShort, 2, nullptr, 0, "BrojORa"},
    {0, ftString, 16, nullptr, 0, "IPBroj"},
    {0, ftEnum, 1, kEnum_OR_VrstaORa, int32_t(std::size(kEnum_OR_VrstaORa)), "VrstaORa"},
    {0, ftEnum, 1, kEnum_OR_VezaORa, int32_t(std::size(kEnum_OR_VezaORa)), "VezaORa"},
    {0, ftByte, 1, nullptr, 0, "KOP"},
    {0, ftByte, 1, nullptr, 0, "KOPMagistrala"},
};
const SSubFieldDef kFields38[] = {  // AlarmniPanel
    {kFieldKey, ftShort, 2, nullptr, 0, "BrojPanela"},
    {0, ftByte, 1, nullptr, 0, "SerijskiPort"},
    {0, ftByte, 1, nullptr, 0, "AdresaNaMagistrali"},
    {0, ftByte, 1, nullptr, 0, "TipPanela"},
};
const SSubFieldDef kFields39[] = {  // DUSKOOR
    {kFieldKey, ftByte, 1, nullptr, 0, "DUS"},
    {kFieldKey, ftByte, 1, nullptr, 0, "DUSKOOR"},
    {kFieldIndex, ftByte, 1, nullptr, 0, "KOOR"},
};
const SSubFieldDef kFields40[] = {  // DUSPROK
    {kFieldKey, ftByte, 1, nullptr, 0, "DUS"},
    {kFieldKey, ftByte, 1, nullptr, 0, "DUSPROK"},
    {kFieldIndex, ftByte, 1, nullptr, 0, "PROK"},
};
const SSubFieldDef kFields41[] = {  // GSLink
    {kFieldKey, ftByte, 1, nullptr, 0, "GSLink"},
    {0, ftEnum, 1, kEnum_GSLink_TipGSLinka, int32_t(std::size(kEnum_GSLink_TipGSLinka)), "TipGSLinka"},
};
const SSubFieldDef kFields42[] = {  // Ton
    {kFieldKey, ftEnum, 1, kEnum_Ton_Ton, int32_t(std::size(kEnum_Ton_Ton)), "Ton"},
    {0, ftByte, 1, nullptr, 0, "BrziLink"},
    {0, ftByte, 1, nullptr, 0, "Kanal"},
};
const SSubFieldDef kFields43[] = {  // DSLink
    {kFieldKey, ftByte, 1, nullptr, 0, "DUS"},
    {kFieldKey, ftByte, 1, nullptr, 0, "DSLink"},
    {0, ftEnum, 1, kEnum_DSLink_TipDSLinka, int32_t(std::size(kEnum_DSLink_TipDSLinka)), "TipDSLinka"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "idDSLink"},
};
const SSubFieldDef kFields44[] = {  // KZLink
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOR"},
    {kFieldKey, ftByte, 1, nullptr, 0, "KZLink"},
    {0, ftShort, 2, nullptr, 0, "StanjeBlok"},
};
const SSubFieldDef kFields45[] = {  // KZkanal
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOR"},
    {kFieldKey, ftByte, 1, nullptr, 0, "KZLink"},
    {kFieldKey, ftByte, 1, nullptr, 0, "KZkanal"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "FMedjuveza"},
};
const SSubFieldDef kFields46[] = {  // GZLink
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOR"},
    {kFieldKey, ftByte, 1, nullptr, 0, "GZLink"},
    {kFieldIndex, ftByte, 1, nullptr, 0, "GSLink"},
    {0, ftShort, 2, nullptr, 0, "StanjeBlok"},
};
const SSubFieldDef kFields47[] = {  // GZkanal
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOR"},
    {kFieldKey, ftByte, 1, nullptr, 0, "GZLink"},
    {kFieldKey, ftByte, 1, nullptr, 0, "GZkanal"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "FMedjuveza"},
};
const SSubFieldDef kFields48[] = {  // GZRPLink
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "GZRPLink"},
    {kFieldIndex, ftByte, 1, nullptr, 0, "GSLink"},
    {0, ftShort, 2, nullptr, 0, "StanjeBlok"},
};
const SSubFieldDef kFields49[] = {  // GZRPkanal
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "GZRPLink"},
    {kFieldKey, ftByte, 1, nullptr, 0, "GZRPkanal"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "FMedjuveza"},
};
const SSubFieldDef kFields50[] = {  // PZRPLink
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "PZRPLink"},
    {0, ftShort, 2, nullptr, 0, "StanjeBlok"},
};
const SSubFieldDef kFields51[] = {  // PZRPkanal
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "PZRPLink"},
    {kFieldKey, ftByte, 1, nullptr, 0, "PZRPkanal"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "FMedjuveza"},
};
const SSubFieldDef kFields52[] = {  // GPLink
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "GPLink"},
    {kFieldIndex, ftByte, 1, nullptr, 0, "GSLink"},
    {0, ftShort, 2, nullptr, 0, "StanjeBlok"},
};
const SSubFieldDef kFields53[] = {  // GPkanal
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "GPLink"},
    {kFieldKey, ftByte, 1, nullptr, 0, "GPkanal"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "FMedjuveza"},
};
const SSubFieldDef kFields54[] = {  // PCMLink
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPPradni"},
    {kFieldKey, ftByte, 1, nullptr, 0, "PCMLink"},
    {0, ftShort, 2, nullptr, 0, "StanjeBlok"},
};
const SSubFieldDef kFields55[] = {  // PCMkanal
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPPradni"},
    {kFieldKey, ftByte, 1, nullptr, 0, "PCMLink"},
    {kFieldKey, ftByte, 1, nullptr, 0, "PCMkanal"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "LptPren"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "FMedjuveza"},
    {0, ftShort, 2, nullptr, 0, "Stanje"},
};
const SSubFieldDef kFields56[] = {  // PPLink
    {kFieldKey, ftShort, 2, nullptr, 0, "PPLink"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "PrviE1"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "DrugiE1"},
    {0, ftShort, 2, nullptr, 0, "StanjeBlok"},
};
const SSubFieldDef kFields57[] = {  // PPkanal
    {kFieldKey, ftShort, 2, nullptr, 0, "PPLink"},
    {kFieldKey, ftByte, 1, nullptr, 0, "PPkanal"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "FMedjuveza"},
};
const SSubFieldDef kFields58[] = {  // E1Interfejs
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPPradni"},
    {kFieldKey, ftByte, 1, nullptr, 0, "E1Interfejs"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "idE1Interfejs"},
    {0, ftEnum, 1, kEnum_E1Interfejs_TipE1Interfejsa, int32_t(std::size(kEnum_E1Interfejs_TipE1Interfejsa)), "TipE1Interfejsa"},
    {0, ftShort, 2, nullptr, 0, "Stanje"},
    {0, ftShort, 2, nullptr, 0, "Alarm"},
};
const SSubFieldDef kFields59[] = {  // PDLink
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "PDLink"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "idDSLink"},
    {0, ftShort, 2, nullptr, 0, "StanjeBlok"},
};
const SSubFieldDef kFields60[] = {  // PDkanal
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "PDLink"},
    {kFieldKey, ftByte, 1, nullptr, 0, "PDkanal"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "FMedjuveza"},
};
const SSubFieldDef kFields61[] = {  // DZLink
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOR"},
    {kFieldKey, ftByte, 1, nullptr, 0, "DZLink"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "idDSLink"},
    {0, ftShort, 2, nullptr, 0, "StanjeBlok"},
};
const SSubFieldDef kFields62[] = {  // DZkanal
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOR"},
    {kFieldKey, ftByte, 1, nullptr, 0, "DZLink"},
    {kFieldKey, ftByte, 1, nullptr, 0, "DZkanal"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "FMedjuveza"},
};
const SSubFieldDef kFields63[] = {  // KDLink
    {kFieldKey, ftByte, 1, nullptr, 0, "DUS"},
    {kFieldKey, ftByte, 1, nullptr, 0, "KDLink"},
    {0, ftShort, 2, nullptr, 0, "StanjeBlok"},
};
const SSubFieldDef kFields64[] = {  // KDkanal
    {kFieldKey, ftByte, 1, nullptr, 0, "DUS"},
    {kFieldKey, ftByte, 1, nullptr, 0, "KDLink"},
    {kFieldKey, ftByte, 1, nullptr, 0, "KDkanal"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "FMedjuveza"},
};
const SSubFieldDef kFields65[] = {  // FMedjuveza
    {kFieldKey, ftLong, 4, nullptr, 0, "FMedjuveza"},
    {0, ftEnum, 1, kEnum_FMedjuveza_TipFMedjuveze, int32_t(std::size(kEnum_FMedjuveza_TipFMedjuveze)), "TipFMedjuveze"},
    {0, ftShort, 2, nullptr, 0, "StanjeBlok"},
};
const SSubFieldDef kFields66[] = {  // Medjuveza
    {kFieldKey, ftLong, 4, nullptr, 0, "Medjuveza"},
    {0, ftEnum, 1, kEnum_Medjuveza_Stanje, int32_t(std::size(kEnum_Medjuveza_Stanje)), "Stanje"},
    {0, ftShort, 2, nullptr, 0, "StanjeBlok"},
    {0, ftShort, 2, nullptr, 0, "ChainMV"},
};
const SSubFieldDef kFields67[] = {  // PripadnostMV
    {kFieldKey, ftLong, 4, nullptr, 0, "Medjuveza"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RedBr"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "FMedjuveza"},
};
const SSubFieldDef kFields68[] = {  // RutaMV
    {kFieldKey, ftShort, 2, nullptr, 0, "RutaMV"},
    {0, ftByte, 1, nullptr, 0, "PrviKS"},
    {0, ftByte, 1, nullptr, 0, "DrugiKS"},
};
const SSubFieldDef kFields69[] = {  // RutaMVKanal
    {kFieldKey, ftShort, 2, nullptr, 0, "RutaMV"},
    {kFieldKey, ftShort, 2, nullptr, 0, "Prioritet"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "Medjuveza"},
};
const SSubFieldDef kFields70[] = {  // MVUsmeravanje
    {kFieldKey, ftByte, 1, nullptr, 0, "TekuciKS"},
    {kFieldKey, ftByte, 1, nullptr, 0, "KrajnjiKS"},
    {kFieldKey, ftShort, 2, nullptr, 0, "Prioritet"},
    {0, ftShort, 2, nullptr, 0, "RutaMV"},
};
const SSubFieldDef kFields71[] = {  // DSP
    {kFieldKey, ftShort, 2, nullptr, 0, "RP"},
    {kFieldKey, ftByte, 1, nullptr, 0, "brDSP"},
    {0, ftByte, 1, nullptr, 0, "vrstaDSP"},
};
const SSubFieldDef kFields72[] = {  // LptPtp
    {kFieldKey, ftLong, 4, nullptr, 0, "LptPtp"},
    {0, ftEnum, 1, kEnum_LptPtp_StanjeOBPO, int32_t(std::size(kEnum_LptPtp_StanjeOBPO)), "StanjeOBPO"},
    {0, ftEnum, 1, kEnum_LptPtp_StanjeOBPO, int32_t(std::size(kEnum_LptPtp_StanjeOBPO)), "StanjeOBPOalt"},
    {0, ftShort, 2, nullptr, 0, "pCallStore"},
    {0, ftShort, 2, nullptr, 0, "pCallStoreAlt"},
    {0, ftByte, 1, nullptr, 0, "Prikljucena"},
    {0, ftString, 9, nullptr, 0, "Broj"},
    {0, ftByte, 1, nullptr, 0, "StanjeBlok"},
    {0, ftByte, 1, nullptr, 0, "fTestLiniju"},
    {0, ftEnum, 1, kEnum_LptPtp_SmerLinije, int32_t(std::size(kEnum_LptPtp_SmerLinije)), "SmerLinije"},
    {0, ftEnum, 1, kEnum_LptPtp_VrstaPretplatnika, int32_t(std::size(kEnum_LptPtp_VrstaPretplatnika)), "VrstaPretplatnika"},
};
const SSubFieldDef kFields73[] = {  // LptPren
    {kFieldKey, ftLong, 4, nullptr, 0, "LptPren"},
    {0, ftEnum, 1, kEnum_LptPtp_StanjeOBPO, int32_t(std::size(kEnum_LptPtp_StanjeOBPO)), "StanjeOBPO"},
    {0, ftShort, 2, nullptr, 0, "pCallStore"},
    {0, ftByte, 1, nullptr, 0, "StanjeBlok"},
};
const SSubFieldDef kFields74[] = {  // Pretplatnik
    {kFieldKey, ftString, 9, nullptr, 0, "Broj"},
    {0, ftByte, 1, nullptr, 0, "BOrigin"},
    {0, ftEnum, 1, kEnum_Pretplatnik_Kategorija, int32_t(std::size(kEnum_Pretplatnik_Kategorija)), "Kategorija"},
    {0, ftByte, 1, nullptr, 0, "EOSOrigin"},
    {0, ftByte, 1, nullptr, 0, "COrigin"},
    {0, ftByte, 1, nullptr, 0, "PAC"},
    {0, ftByte, 1, nullptr, 0, "PACAlt"},
    {0, ftLong, 4, nullptr, 0, "PrikTacka"},
    {0, ftShort, 2, nullptr, 0, "PBXserija"},
    {0, ftEnum, 1, kEnum_Pretplatnik_TipPtpBroja, int32_t(std::size(kEnum_Pretplatnik_TipPtpBroja)), "TipPtpBroja"},
    {0, ftBit, 0, nullptr, 0, "SkrBir"},
    {0, ftBit, 0, nullptr, 0, "PozBezBir"},
    {0, ftBit, 0, nullptr, 0, "PozBezBirAkt"},
    {0, ftBit, 0, nullptr, 0, "PreusmPoz"},
    {0, ftBit, 0, nullptr, 0, "PreusmPozAkt"},
    {0, ftBit, 0, nullptr, 0, "PonZadBirBr"},
    {0, ftBit, 0, nullptr, 0, "NeSmetaj"},
    {0, ftBit, 0, nullptr, 0, "NeSmetajAkt"},
    {0, ftBit, 0, nullptr, 0, "PozNaCek"},
    {0, ftBit, 0, nullptr, 0, "PozNaCekAkt"},
    {0, ftBit, 0, nullptr, 0, "OgrPolPoz"},
    {0, ftBit, 0, nullptr, 0, "OgrPolPozAkt"},
    {0, ftBit, 0, nullptr, 0, "HvZlonPoz"},
    {0, ftBit, 0, nullptr, 0, "ZabrPreusm"},
    {0, ftEnum, 1, kEnum_Pretplatnik_SlanjeTarife, int32_t(std::size(kEnum_Pretplatnik_SlanjeTarife)), "SlanjeTarife"},
    {0, ftBit, 0, nullptr, 0, "Freefone"},
    {0, ftBit, 0, nullptr, 0, "ZabranaIdentifik"},
    {0, ftBit, 0, nullptr, 0, "RegDolPoziva"},
    {0, ftBit, 0, nullptr, 0, "PovUpit"},
    {0, ftBit, 0, nullptr, 0, "KonfTriUcesnika"},
    {0, ftBit, 0, nullptr, 0, "PreusmPozZauz"},
    {0, ftBit, 0, nullptr, 0, "PreusmPozZauzAkt"},
    {0, ftBit, 0, nullptr, 0, "PrebacivanjeVeze"},
    {0, ftBit, 0, nullptr, 0, "CallerID"},
    {0, ftBit, 0, nullptr, 0, "MSN"},
    {0, ftBit, 0, nullptr, 0, "HotLine"},
    {0, ftBit, 0, nullptr, 0, "OgrDolPoz"},
    {0, ftBit, 0, nullptr, 0, "OgrDolPozAkt"},
    {0, ftBit, 0, nullptr, 0, "AutPonPozivZauzetom"},
    {0, ftBit, 0, nullptr, 0, "ZabUpTelAkt"},
    {0, ftBit, 0, nullptr, 0, "OdbNeidPoz"},
    {0, ftBit, 0, nullptr, 0, "OdbNeidPozAkt"},
    {0, ftBit, 0, nullptr, 0, "PromenaSifre"},
    {0, ftBit, 0, nullptr, 0, "PreusmNejav"},
    {0, ftBit, 0, nullptr, 0, "PreusmNejavAkt"},
    {0, ftBit, 0, nullptr, 0, "KonfPoziv"},
    {0, ftShort, 2, nullptr, 0, "IzvoristeTarKat"},
};
const SSubFieldDef kFields75[] = {  // PBXserija
    {kFieldKey, ftShort, 2, nullptr, 0, "PBXserija"},
    {kFieldIndex, ftString, 26, nullptr, 0, "Ime"},
    {0, ftString, 9, nullptr, 0, "Vodeci"},
    {0, ftEnum, 1, kEnum_PBXserija_Tarifiranje, int32_t(std::size(kEnum_PBXserija_Tarifiranje)), "Tarifiranje"},
    {0, ftEnum, 1, kEnum_PBXserija_NacinZauz, int32_t(std::size(kEnum_PBXserija_NacinZauz)), "NacinZauz"},
};
const SSubFieldDef kFields76[] = {  // PBXkanal
    {kFieldKey, ftShort, 2, nullptr, 0, "PBXserija"},
    {kFieldKey, ftShort, 2, nullptr, 0, "Prioritet"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "PrikTacka"},
};
const SSubFieldDef kFields77[] = {  // Ruta
    {kFieldKey, ftShort, 2, nullptr, 0, "Ruta"},
    {kFieldIndex, ftString, 9, nullptr, 0, "Ime"},
    {0, ftEnum, 1, kEnum_Ruta_Signalizacija, int32_t(std::size(kEnum_Ruta_Signalizacija)), "Signalizacija"},
    {0, ftEnum, 1, kEnum_Ruta_Tip, int32_t(std::size(kEnum_Ruta_Tip)), "Tip"},
    {0, ftByte, 1, nullptr, 0, "EndToEnd"},
    {0, ftEnum, 1, kEnum_Ruta_PrirodaRute, int32_t(std::size(kEnum_Ruta_PrirodaRute)), "PrirodaRute"},
    {0, ftByte, 1, nullptr, 0, "GrupnePoruke"},
    {0, ftByte, 1, nullptr, 0, "S"},
    {0, ftShort, 2, nullptr, 0, "OperID"},
};
const SSubFieldDef kFields78[] = {  // DolRuta
    {kFieldKey, ftShort, 2, nullptr, 0, "Ruta"},
    {0, ftByte, 1, nullptr, 0, "EOSOrigin"},
    {0, ftByte, 1, nullptr, 0, "COrigin"},
    {0, ftByte, 1, nullptr, 0, "BOrigin"},
    {0, ftString, 12, nullptr, 0, "ModA"},
    {0, ftEnum, 1, kEnum_Pretplatnik_Kategorija, int32_t(std::size(kEnum_Pretplatnik_Kategorija)), "Kategorija"},
    {0, ftByte, 1, nullptr, 0, "HvZlPoz"},
    {0, ftEnum, 1, kEnum_DolRuta_eIdentPoz, int32_t(std::size(kEnum_DolRuta_eIdentPoz)), "eIdentPoz"},
    {0, ftString, 7, nullptr, 0, "Pref1"},
    {0, ftString, 7, nullptr, 0, "Pref2"},
    {0, ftString, 7, nullptr, 0, "Pref3"},
    {0, ftString, 7, nullptr, 0, "Pref4"},
    {0, ftByte, 1, nullptr, 0, "RutaOdTelefonistkinje"},
};
const SSubFieldDef kFields79[] = {  // OdlRuta
    {kFieldKey, ftShort, 2, nullptr, 0, "Ruta"},
    {0, ftByte, 1, nullptr, 0, "ProvKont"},
    {0, ftEnum, 1, kEnum_PBXserija_NacinZauz, int32_t(std::size(kEnum_PBXserija_NacinZauz)), "ZauzKanal"},
    {0, ftByte, 1, nullptr, 0, "RutaOdTelefonistkinje"},
};
const SSubFieldDef kFields80[] = {  // RutaKanal
    {kFieldKey, ftShort, 2, nullptr, 0, "Ruta"},
    {kFieldKey, ftShort, 2, nullptr, 0, "Prioritet"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "PrikTacka"},
};
const SSubFieldDef kFields81[] = {  // BAstablo
    {kFieldKey, ftByte, 1, nullptr, 0, "Stablo"},
    {kFieldIndex, ftString, 26, nullptr, 0, "Ime"},
};
const SSubFieldDef kFields82[] = {  // BAnaliza
    {kFieldKey, ftByte, 1, nullptr, 0, "Stablo"},
    {kFieldKey, ftString, 28, nullptr, 0, "Prefiks"},
    {0, ftByte, 1, nullptr, 0, "Diskr"},
    {0, ftByte, 1, nullptr, 0, "Seci"},
    {0, ftString, 9, nullptr, 0, "Lepi"},
    {0, ftByte, 1, nullptr, 0, "Minimum"},
    {0, ftByte, 1, nullptr, 0, "Maximum"},
    {0, ftEnum, 1, kEnum_BAnaliza_Sledece, int32_t(std::size(kEnum_BAnaliza_Sledece)), "Sledece"},
    {0, ftByte, 1, nullptr, 0, "Usmeravanje"},
    {0, ftByte, 1, nullptr, 0, "CDestination"},
    {0, ftByte, 1, nullptr, 0, "SaobrOdrediste"},
    {0, ftByte, 1, nullptr, 0, "DialTone"},
    {0, ftByte, 1, nullptr, 0, "IdentPoz"},
};
const SSubFieldDef kFields83[] = {  // ChargingOrigin
    {kFieldKey, ftByte, 1, nullptr, 0, "COrigin"},
    {kFieldIndex, ftString, 26, nullptr, 0, "Ime"},
};
const SSubFieldDef kFields84[] = {  // ChargingDestination
    {kFieldKey, ftByte, 1, nullptr, 0, "CDestination"},
    {kFieldIndex, ftString, 26, nullptr, 0, "Ime"},
};
const SSubFieldDef kFields85[] = {  // RutniSlucaj
    {kFieldKey, ftByte, 1, nullptr, 0, "RutniSlucaj"},
};
const SSubFieldDef kFields86[] = {  // AltRutniSlucaj
    {kFieldKey, ftByte, 1, nullptr, 0, "RutniSlucaj"},
    {kFieldKey, ftByte, 1, nullptr, 0, "Prioritet"},
    {0, ftByte, 1, nullptr, 0, "Seci"},
    {0, ftString, 9, nullptr, 0, "Lepi"},
    {0, ftByte, 1, nullptr, 0, "VremenskiZavisno"},
    {0, ftByte, 1, nullptr, 0, "PocH"},
    {0, ftByte, 1, nullptr, 0, "PocM"},
    {0, ftByte, 1, nullptr, 0, "KrajH"},
    {0, ftByte, 1, nullptr, 0, "KrajM"},
    {0, ftShort, 2, nullptr, 0, "MinSkipPromil"},
    {0, ftShort, 2, nullptr, 0, "MaxSkipPromil"},
    {0, ftShort, 2, nullptr, 0, "SkipPromil"},
    {0, ftEnum, 1, kEnum_AltRutniSlucaj_Sledece, int32_t(std::size(kEnum_AltRutniSlucaj_Sledece)), "Sledece"},
    {0, ftByte, 1, nullptr, 0, "Usmeravanje"},
    {0, ftByte, 1, nullptr, 0, "Zauzima"},
    {0, ftByte, 1, nullptr, 0, "Salje"},
    {0, ftByte, 1, nullptr, 0, "PrvaPoslata"},
    {0, ftByte, 1, nullptr, 0, "PrirodaAdrese"},
};
const SSubFieldDef kFields87[] = {  // SkraceniBroj
    {kFieldKey, ftString, 9, nullptr, 0, "Broj"},
    {kFieldKey, ftString, 3, nullptr, 0, "SkraceniBroj"},
    {0, ftString, 28, nullptr, 0, "PuniBroj"},
};
const SSubFieldDef kFields88[] = {  // BrojZaPreusm
    {kFieldKey, ftString, 9, nullptr, 0, "Broj"},
    {0, ftString, 28, nullptr, 0, "BrojZaPreusm"},
};
const SSubFieldDef kFields89[] = {  // PozivBezBiranja
    {kFieldKey, ftString, 9, nullptr, 0, "Broj"},
    {0, ftString, 28, nullptr, 0, "BrojBezBiranja"},
};
const SSubFieldDef kFields90[] = {  // PoslednjiBirani
    {kFieldKey, ftString, 9, nullptr, 0, "Broj"},
    {0, ftString, 28, nullptr, 0, "PoslednjiBirani"},
};
const SSubFieldDef kFields91[] = {  // Sifra
    {kFieldKey, ftString, 9, nullptr, 0, "Broj"},
    {0, ftString, 5, nullptr, 0, "Sifra"},
    {0, ftByte, 1, nullptr, 0, "BrojGresaka"},
};
const SSubFieldDef kFields92[] = {  // Diskriminacija
    {kFieldKey, ftByte, 1, nullptr, 0, "Diskriminacija"},
    {kFieldIndex, ftString, 26, nullptr, 0, "Ime"},
};
const SSubFieldDef kFields93[] = {  // PrefDiskr
    {kFieldKey, ftByte, 1, nullptr, 0, "Diskr"},
    {kFieldKey, ftString, 7, nullptr, 0, "Prefiks"},
    {0, ftByte, 1, nullptr, 0, "SkupiCifara"},
};
const SSubFieldDef kFields94[] = {  // GovornaMasina
    {kFieldKey, ftByte, 1, nullptr, 0, "Masina"},
    {0, ftEnum, 1, kEnum_GovornaMasina_Vrsta, int32_t(std::size(kEnum_GovornaMasina_Vrsta)), "Vrsta"},
    {0, ftByte, 1, nullptr, 0, "JavljaSe"},
    {0, ftEnum, 1, kEnum_Pretplatnik_Kategorija, int32_t(std::size(kEnum_Pretplatnik_Kategorija)), "Kategorija"},
    {0, ftByte, 1, nullptr, 0, "EOSOrigin"},
    {0, ftByte, 1, nullptr, 0, "COrigin"},
    {0, ftByte, 1, nullptr, 0, "BOrigin"},
    {0, ftByte, 1, nullptr, 0, "Freefone"},
    {0, ftShort, 2, nullptr, 0, "VremeRazgovora"},
    {0, ftShort, 2, nullptr, 0, "IzvoristeTarKat"},
};
const SSubFieldDef kFields95[] = {  // TonskaGovMasxina
    {kFieldKey, ftByte, 1, nullptr, 0, "Masina"},
    {0, ftEnum, 1, kEnum_Ton_Ton, int32_t(std::size(kEnum_Ton_Ton)), "Ton"},
};
const SSubFieldDef kFields96[] = {  // KonfGovMasxina
    {kFieldKey, ftByte, 1, nullptr, 0, "Masina"},
    {0, ftEnum, 1, kEnum_KonfGovMasxina_Stanje, int32_t(std::size(kEnum_KonfGovMasxina_Stanje)), "Stanje"},
    {0, ftEnum, 1, kEnum_Ton_Ton, int32_t(std::size(kEnum_Ton_Ton)), "Ton"},
    {0, ftByte, 1, nullptr, 0, "CDest"},
};
const SSubFieldDef kFields97[] = {  // GenerisanPoziv
    {kFieldKey, ftByte, 1, nullptr, 0, "BrojGovMasine"},
    {kFieldKey, ftShort, 2, nullptr, 0, "RBV"},
    {0, ftString, 28, nullptr, 0, "BiraniBroj"},
    {0, ftEnum, 1, kEnum_GenerisanPoziv_StanjeVeze, int32_t(std::size(kEnum_GenerisanPoziv_StanjeVeze)), "StanjeVeze"},
    {0, ftShort, 2, nullptr, 0, "pCallStore"},
    {0, ftByte, 1, nullptr, 0, "Program"},
    {0, ftShort, 2, nullptr, 0, "VremeCekanjaJavl"},
    {0, ftShort, 2, nullptr, 0, "VremeRazgovora"},
    {0, ftEnum, 1, kEnum_Pretplatnik_Kategorija, int32_t(std::size(kEnum_Pretplatnik_Kategorija)), "Kategorija"},
    {0, ftByte, 1, nullptr, 0, "COrigin"},
    {0, ftByte, 1, nullptr, 0, "EOSOrigin"},
    {0, ftByte, 1, nullptr, 0, "BOrigin"},
    {0, ftByte, 1, nullptr, 0, "JavljaSe"},
    {0, ftByte, 1, nullptr, 0, "GSLink"},
    {0, ftByte, 1, nullptr, 0, "GSkanal"},
};
const SSubFieldDef kFields98[] = {  // PGP
    {kFieldKey, ftByte, 1, nullptr, 0, "Program"},
    {0, ftByte, 1, nullptr, 0, "GovornaMasina"},
    {0, ftShort, 2, nullptr, 0, "VremeCekanjaJavl"},
    {0, ftShort, 2, nullptr, 0, "VremeRazgovora"},
    {0, ftByte, 1, nullptr, 0, "KrajZaUspelu"},
    {0, ftByte, 1, nullptr, 0, "BrojProgramaUspe"},
    {0, ftShort, 2, nullptr, 0, "VremeUspele"},
    {0, ftByte, 1, nullptr, 0, "KrajZaNeuspelu"},
    {0, ftByte, 1, nullptr, 0, "BrojProgramaNeus"},
    {0, ftShort, 2, nullptr, 0, "VremeNeuspele"},
    {0, ftByte, 1, nullptr, 0, "Izvestaj"},
};
const SSubFieldDef kFields99[] = {  // Izvrsavanje
    {kFieldKey, ftShort, 2, nullptr, 0, "Godina"},
    {kFieldKey, ftByte, 1, nullptr, 0, "Mesec"},
    {kFieldKey, ftByte, 1, nullptr, 0, "Dan"},
    {kFieldKey, ftByte, 1, nullptr, 0, "Sat"},
    {kFieldKey, ftByte, 1, nullptr, 0, "Minut"},
    {kFieldKey, ftString, 28, nullptr, 0, "Broj"},
    {0, ftByte, 1, nullptr, 0, "Program"},
    {0, ftByte, 1, nullptr, 0, "BrojIzvrsavanja"},
    {0, ftByte, 1, nullptr, 0, "ProgramDana"},
};
const SSubFieldDef kFields100[] = {  // EOrigin
    {kFieldKey, ftByte, 1, nullptr, 0, "EOrigin"},
};
const SSubFieldDef kFields101[] = {  // EndOfSelection
    {kFieldKey, ftByte, 1, nullptr, 0, "EOSOrigin"},
    {kFieldKey, ftEnum, 1, kEnum_EndOfSelection_RazlogPada, int32_t(std::size(kEnum_EndOfSelection_RazlogPada)), "RazlogPada"},
    {0, ftEnum, 1, kEnum_EndOfSelection_EOSAlt, int32_t(std::size(kEnum_EndOfSelection_EOSAlt)), "EOSAlt"},
};
const SSubFieldDef kFields102[] = {  // EOSpad
    {kFieldKey, ftByte, 1, nullptr, 0, "EOSOrigin"},
    {kFieldKey, ftEnum, 1, kEnum_EndOfSelection_RazlogPada, int32_t(std::size(kEnum_EndOfSelection_RazlogPada)), "RazlogPada"},
    {0, ftEnum, 1, kEnum_EOSpad_Signal, int32_t(std::size(kEnum_EOSpad_Signal)), "Signal"},
    {0, ftByte, 1, nullptr, 0, "Stafetno"},
};
const SSubFieldDef kFields103[] = {  // EOSmodif
    {kFieldKey, ftByte, 1, nullptr, 0, "EOSOrigin"},
    {kFieldKey, ftEnum, 1, kEnum_EndOfSelection_RazlogPada, int32_t(std::size(kEnum_EndOfSelection_RazlogPada)), "RazlogPada"},
    {0, ftByte, 1, nullptr, 0, "Seci"},
    {0, ftString, 9, nullptr, 0, "Lepi"},
    {0, ftByte, 1, nullptr, 0, "BOrigin"},
};
const SSubFieldDef kFields104[] = {  // EOSruta
    {kFieldKey, ftByte, 1, nullptr, 0, "EOSOrigin"},
    {kFieldKey, ftEnum, 1, kEnum_EndOfSelection_RazlogPada, int32_t(std::size(kEnum_EndOfSelection_RazlogPada)), "RazlogPada"},
    {0, ftShort, 2, nullptr, 0, "Delay"},
};
const SSubFieldDef kFields105[] = {  // EOSRS
    {kFieldKey, ftByte, 1, nullptr, 0, "EOSOrigin"},
    {kFieldKey, ftEnum, 1, kEnum_EndOfSelection_RazlogPada, int32_t(std::size(kEnum_EndOfSelection_RazlogPada)), "RazlogPada"},
    {0, ftShort, 2, nullptr, 0, "Delay"},
};
const SSubFieldDef kFields106[] = {  // EOSNovi
    {kFieldKey, ftByte, 1, nullptr, 0, "EOSOrigin"},
    {kFieldKey, ftEnum, 1, kEnum_EndOfSelection_RazlogPada, int32_t(std::size(kEnum_EndOfSelection_RazlogPada)), "RazlogPada"},
    {0, ftEnum, 1, kEnum_EndOfSelection_RazlogPada, int32_t(std::size(kEnum_EndOfSelection_RazlogPada)), "NEOS"},
};
const SSubFieldDef kFields107[] = {  // VKontrola
    {kFieldKey, ftShort, 2, nullptr, 0, "Tip"},
    {0, ftLong, 4, nullptr, 0, "MinPeriod"},
    {0, ftLong, 4, nullptr, 0, "MaxPeriod"},
    {0, ftLong, 4, nullptr, 0, "Korak"},
    {0, ftLong, 4, nullptr, 0, "Period"},
    {0, ftEnum, 1, kEnum_VKontrola_VlasnikVK, int32_t(std::size(kEnum_VKontrola_VlasnikVK)), "VlasnikVK"},
    {0, ftShort, 2, nullptr, 0, "Oporuka"},
};
const SSubFieldDef kFields108[] = {  // Tarifa
    {kFieldKey, ftShort, 2, nullptr, 0, "Tarifa"},
    {0, ftByte, 1, nullptr, 0, "PocBrImp"},
    {0, ftDouble, 8, nullptr, 0, "TImp"},
};
const SSubFieldDef kFields109[] = {  // TarifniSlucaj
    {kFieldKey, ftShort, 2, nullptr, 0, "TarifniSlucaj"},
    {0, ftByte, 1, nullptr, 0, "PrijemTarife"},
    {0, ftByte, 1, nullptr, 0, "SlanjeTarife"},
    {0, ftByte, 1, nullptr, 0, "TarifirajB"},
    {0, ftByte, 1, nullptr, 0, "UkidanjePocetnogImpulsa"},
    {0, ftByte, 1, nullptr, 0, "PrijemImpulsaJavljanja"},
    {0, ftEnum, 1, kEnum_TarifniSlucaj_tsti, int32_t(std::size(kEnum_TarifniSlucaj_tsti)), "tsti"},
    {0, ftByte, 1, nullptr, 0, "BrojacID"},
};
const SSubFieldDef kFields110[] = {  // TarABVeza
    {kFieldKey, ftByte, 1, nullptr, 0, "COrigin"},
    {kFieldKey, ftByte, 1, nullptr, 0, "CDestination"},
    {0, ftShort, 2, nullptr, 0, "TarifniSlucaj"},
};
const SSubFieldDef kFields111[] = {  // TarifnaKategorija
    {kFieldKey, ftShort, 2, nullptr, 0, "TarifnaKategorija"},
    {0, ftShort, 2, nullptr, 0, "Prioritet"},
};
const SSubFieldDef kFields112[] = {  // TarifnaVeza
    {kFieldKey, ftShort, 2, nullptr, 0, "TarifniSlucaj"},
    {kFieldKey, ftShort, 2, nullptr, 0, "TarifnaKategorija"},
    {0, ftShort, 2, nullptr, 0, "Tarifa"},
};
const SSubFieldDef kFields113[] = {  // KatDUG
    {kFieldKey, ftByte, 1, nullptr, 0, "Mesec"},
    {kFieldKey, ftByte, 1, nullptr, 0, "Dan"},
    {kFieldKey, ftShort, 2, nullptr, 0, "IzvoristeTarKat"},
    {0, ftShort, 2, nullptr, 0, "TarifnaKategorija"},
};
const SSubFieldDef kFields114[] = {  // KatDUS
    {kFieldKey, ftEnum, 1, kEnum_KatDUS_DanUSedmici, int32_t(std::size(kEnum_KatDUS_DanUSedmici)), "DanUSedmici"},
    {kFieldKey, ftShort, 2, nullptr, 0, "IzvoristeTarKat"},
    {0, ftShort, 2, nullptr, 0, "TarifnaKategorija"},
};
const SSubFieldDef kFields115[] = {  // KatDVI
    {kFieldKey, ftTime, 4, nullptr, 0, "VremePocetka"},
    {kFieldKey, ftShort, 2, nullptr, 0, "IzvoristeTarKat"},
    {0, ftTime, 4, nullptr, 0, "VremeKraja"},
    {0, ftShort, 2, nullptr, 0, "TarifnaKategorija"},
};
const SSubFieldDef kFields116[] = {  // KatSVI
    {kFieldKey, ftEnum, 1, kEnum_KatDUS_DanUSedmici, int32_t(std::size(kEnum_KatDUS_DanUSedmici)), "DanUSedmici"},
    {kFieldKey, ftTime, 4, nullptr, 0, "VremePocetka"},
    {kFieldKey, ftShort, 2, nullptr, 0, "IzvoristeTarKat"},
    {0, ftTime, 4, nullptr, 0, "VremeKraja"},
    {0, ftShort, 2, nullptr, 0, "TarifnaKategorija"},
};
const SSubFieldDef kFields117[] = {  // KatGVI
    {kFieldKey, ftByte, 1, nullptr, 0, "Mesec"},
    {kFieldKey, ftByte, 1, nullptr, 0, "Dan"},
    {kFieldKey, ftTime, 4, nullptr, 0, "VremePocetka"},
    {kFieldKey, ftShort, 2, nullptr, 0, "IzvoristeTarKat"},
    {0, ftTime, 4, nullptr, 0, "VremeKraja"},
    {0, ftShort, 2, nullptr, 0, "TarifnaKategorija"},
};
const SSubFieldDef kFields118[] = {  // TarifStore
    {kFieldKey, ftShort, 2, nullptr, 0, "TarifStore"},
    {0, ftBit, 0, nullptr, 0, "Aktivan"},
    {0, ftLong, 4, nullptr, 0, "DLpt"},
    {0, ftEnum, 1, kEnum_TarifStore_VrstaDLpt, int32_t(std::size(kEnum_TarifStore_VrstaDLpt)), "VrstaDLpt"},
    {0, ftLong, 4, nullptr, 0, "OLpt"},
    {0, ftEnum, 1, kEnum_TarifStore_VrstaDLpt, int32_t(std::size(kEnum_TarifStore_VrstaDLpt)), "VrstaOLpt"},
    {0, ftByte, 1, nullptr, 0, "COrigin"},
    {0, ftByte, 1, nullptr, 0, "CDestination"},
    {0, ftString, 28, nullptr, 0, "BirBroj"},
    {0, ftString, 16, nullptr, 0, "ABroj"},
    {0, ftDate, 4, nullptr, 0, "pocDate"},
    {0, ftTime, 4, nullptr, 0, "pocTime"},
    {0, ftDate, 4, nullptr, 0, "prvDate"},
    {0, ftTime, 4, nullptr, 0, "prvTime"},
    {0, ftShort, 2, nullptr, 0, "TarifniSlucaj"},
    {0, ftBit, 0, nullptr, 0, "PrijemTarife"},
    {0, ftBit, 0, nullptr, 0, "SlanjeTarife"},
    {0, ftBit, 0, nullptr, 0, "TarifirajB"},
    {0, ftBit, 0, nullptr, 0, "UkidanjePocetnogImpulsa"},
    {0, ftBit, 0, nullptr, 0, "PrijemImpulsaJavljanja"},
    {0, ftEnum, 1, kEnum_TarifniSlucaj_tsti, int32_t(std::size(kEnum_TarifniSlucaj_tsti)), "tsti"},
    {0, ftShort, 2, nullptr, 0, "Tarifa"},
    {0, ftByte, 1, nullptr, 0, "PocBrImp"},
    {0, ftDouble, 8, nullptr, 0, "TImp"},
    {0, ftByte, 1, nullptr, 0, "VidTarifiranja"},
    {0, ftDouble, 8, nullptr, 0, "BrImp"},
    {0, ftBit, 0, nullptr, 0, "PrimljenProgram"},
    {0, ftBit, 0, nullptr, 0, "fZauzet"},
    {0, ftByte, 1, nullptr, 0, "BrojacID"},
    {0, ftByte, 1, nullptr, 0, "ViserednaVeza"},
    {0, ftByte, 1, nullptr, 0, "BrKanalaViseredVeze"},
    {0, ftDouble, 8, nullptr, 0, "dCena"},
    {0, ftShort, 2, nullptr, 0, "IzvoristeTarKat"},
};
const SSubFieldDef kFields119[] = {  // CallStore
    {kFieldKey, ftShort, 2, nullptr, 0, "pCallStore"},
    {0, ftEnum, 1, kEnum_CallStore_PretStanje, int32_t(std::size(kEnum_CallStore_PretStanje)), "PretStanje"},
    {0, ftEnum, 1, kEnum_CallStore_PretStanje, int32_t(std::size(kEnum_CallStore_PretStanje)), "Stanje"},
    {0, ftEnum, 1, kEnum_TarifStore_VrstaDLpt, int32_t(std::size(kEnum_TarifStore_VrstaDLpt)), "DPT_TipPT"},
    {0, ftLong, 4, nullptr, 0, "DPT_BrojPT"},
    {0, ftShort, 2, nullptr, 0, "DPT_RBV"},
    {0, ftEnum, 1, kEnum_TarifStore_VrstaDLpt, int32_t(std::size(kEnum_TarifStore_VrstaDLpt)), "OPT_TipPT"},
    {0, ftLong, 4, nullptr, 0, "OPT_BrojPT"},
    {0, ftShort, 2, nullptr, 0, "OPT_RBV"},
    {0, ftEnum, 1, kEnum_TarifStore_VrstaDLpt, int32_t(std::size(kEnum_TarifStore_VrstaDLpt)), "TarifDPT_TipPT"},
    {0, ftLong, 4, nullptr, 0, "TarifDPT_BrojPT"},
    {0, ftShort, 2, nullptr, 0, "TarifDPT_RBV"},
    {0, ftEnum, 1, kEnum_Pretplatnik_Kategorija, int32_t(std::size(kEnum_Pretplatnik_Kategorija)), "Kategorija"},
    {0, ftByte, 1, nullptr, 0, "BOrigin"},
    {0, ftByte, 1, nullptr, 0, "COrigin"},
    {0, ftByte, 1, nullptr, 0, "CDestination"},
    {0, ftByte, 1, nullptr, 0, "EOrigin"},
    {0, ftString, 28, nullptr, 0, "BBroj"},
    {0, ftString, 16, nullptr, 0, "ABroj"},
    {0, ftString, 28, nullptr, 0, "BirBroj"},
    {0, ftByte, 1, nullptr, 0, "JumpCounter"},
    {0, ftByte, 1, nullptr, 0, "Stablo"},
    {0, ftByte, 1, nullptr, 0, "Prva"},
    {0, ftByte, 1, nullptr, 0, "Zadnja"},
    {0, ftEnum, 1, kEnum_EndOfSelection_RazlogPada, int32_t(std::size(kEnum_EndOfSelection_RazlogPada)), "EOSCode"},
    {0, ftByte, 1, nullptr, 0, "MaxBrojCifara"},
    {0, ftByte, 1, nullptr, 0, "Diskr"},
    {0, ftByte, 1, nullptr, 0, "DiskrLimit"},
    {0, ftEnum, 1, kEnum_BAnaliza_Sledece, int32_t(std::size(kEnum_BAnaliza_Sledece)), "Sled"},
    {0, ftByte, 1, nullptr, 0, "Usmer"},
    {0, ftByte, 1, nullptr, 0, "RS"},
    {0, ftByte, 1, nullptr, 0, "RSPrior"},
    {0, ftByte, 1, nullptr, 0, "CifraZaZauzimanje"},
    {0, ftByte, 1, nullptr, 0, "CifraZaSlanje"},
    {0, ftByte, 1, nullptr, 0, "PrvaPoslataCifra"},
    {0, ftShort, 2, nullptr, 0, "ORuta"},
    {0, ftShort, 2, nullptr, 0, "DRuta"},
    {0, ftEnum, 1, kEnum_Ruta_Signalizacija, int32_t(std::size(kEnum_Ruta_Signalizacija)), "OdlazSig"},
    {0, ftEnum, 1, kEnum_Ruta_Signalizacija, int32_t(std::size(kEnum_Ruta_Signalizacija)), "DolazSig"},
    {0, ftTime, 4, nullptr, 0, "PocRazg"},
    {0, ftShort, 2, nullptr, 0, "PBX"},
    {0, ftByte, 1, nullptr, 0, "DPT_Zauzeta"},
    {0, ftByte, 1, nullptr, 0, "OPT_Zauzeta"},
    {0, ftByte, 1, nullptr, 0, "TarifDPT_Zauzeta"},
    {0, ftEnum, 1, kEnum_CallStore_ImaABroj, int32_t(std::size(kEnum_CallStore_ImaABroj)), "ImaABroj"},
    {0, ftBit, 0, nullptr, 0, "PreusmPoz"},
    {0, ftBit, 0, nullptr, 0, "EndToEnd"},
    {0, ftBit, 0, nullptr, 0, "TrebaRET"},
    {0, ftBit, 0, nullptr, 0, "PrviPutBAn"},
    {0, ftBit, 0, nullptr, 0, "ProsaoDiskr"},
    {0, ftBit, 0, nullptr, 0, "Dzabe"},
    {0, ftBit, 0, nullptr, 0, "MozeGRQ"},
    {0, ftBit, 0, nullptr, 0, "MCId"},
    {0, ftBit, 0, nullptr, 0, "RDP"},
    {0, ftBit, 0, nullptr, 0, "PZBB"},
    {0, ftBit, 0, nullptr, 0, "PrijemTarife"},
    {0, ftBit, 0, nullptr, 0, "SlanjeTarife"},
    {0, ftBit, 0, nullptr, 0, "Tlf"},
    {0, ftBit, 0, nullptr, 0, "CLF_Poslat"},
    {0, ftEnum, 1, kEnum_EndOfSelection_EOSAlt, int32_t(std::size(kEnum_EndOfSelection_EOSAlt)), "EOSalt"},
    {0, ftByte, 1, nullptr, 0, "SaobrOdrediste"},
    {0, ftShort, 2, nullptr, 0, "TekuciKanal"},
    {0, ftShort, 2, nullptr, 0, "PrviPrior"},
    {0, ftBit, 0, nullptr, 0, "MCI_Primljen"},
    {0, ftBit, 0, nullptr, 0, "Hold"},
    {0, ftBit, 0, nullptr, 0, "ZabPolaganja"},
    {0, ftEnum, 1, kEnum_CallStore_ProvKont, int32_t(std::size(kEnum_CallStore_ProvKont)), "ProvKont"},
    {0, ftBit, 0, nullptr, 0, "ZabrIdent"},
    {0, ftByte, 1, nullptr, 0, "PrimIAM1"},
    {0, ftByte, 1, nullptr, 0, "PrimIAM2"},
    {0, ftByte, 1, nullptr, 0, "PrimACM"},
    {0, ftBit, 0, nullptr, 0, "BPolozio"},
    {0, ftBit, 0, nullptr, 0, "COT_Primljen"},
    {0, ftBit, 0, nullptr, 0, "UspehCCO"},
    {0, ftByte, 1, nullptr, 0, "PrimljenGRQ"},
    {0, ftBit, 0, nullptr, 0, "SigNo7Put"},
    {0, ftEnum, 1, kEnum_CallStore_PrirodaABroja, int32_t(std::size(kEnum_CallStore_PrirodaABroja)), "PrirodaABroja"},
    {0, ftEnum, 1, kEnum_CallStore_StanjeCCO, int32_t(std::size(kEnum_CallStore_StanjeCCO)), "StanjeCCO"},
    {0, ftEnum, 1, kEnum_CallStore_StanjeLovca, int32_t(std::size(kEnum_CallStore_StanjeLovca)), "StanjeLovca"},
    {0, ftEnum, 1, kEnum_CallStore_OdgovorLovca, int32_t(std::size(kEnum_CallStore_OdgovorLovca)), "OdgovorLovca"},
    {0, ftBit, 0, nullptr, 0, "SaljiMC2"},
    {0, ftBit, 0, nullptr, 0, "DrziRLG"},
    {0, ftBit, 0, nullptr, 0, "StartVKPolaganje"},
    {0, ftBit, 0, nullptr, 0, "SaljiGSMHold"},
    {0, ftBit, 0, nullptr, 0, "Salji6Bit"},
    {0, ftByte, 1, nullptr, 0, "PrimANU"},
    {0, ftBit, 0, nullptr, 0, "KoriscenDigitalniPut"},
    {0, ftShort, 2, nullptr, 0, "DChainMV"},
    {0, ftShort, 2, nullptr, 0, "OChainMV"},
    {0, ftBit, 0, nullptr, 0, "DChainZauzet"},
    {0, ftBit, 0, nullptr, 0, "OChainZauzet"},
    {0, ftByte, 1, nullptr, 0, "DGSLink"},
    {0, ftByte, 1, nullptr, 0, "DGSkanal"},
    {0, ftByte, 1, nullptr, 0, "OGSLink"},
    {0, ftByte, 1, nullptr, 0, "OGSkanal"},
    {0, ftByte, 1, nullptr, 0, "DKSLink"},
    {0, ftByte, 1, nullptr, 0, "DKSkanal"},
    {0, ftByte, 1, nullptr, 0, "OKSLink"},
    {0, ftByte, 1, nullptr, 0, "OKSkanal"},
    {0, ftByte, 1, nullptr, 0, "NoTStore"},
    {0, ftBit, 0, nullptr, 0, "PozivOdTelefonistkinje"},
    {0, ftBit, 0, nullptr, 0, "KrajBiranja"},
    {0, ftBit, 0, nullptr, 0, "MSNBroj"},
    {0, ftByte, 1, nullptr, 0, "NacinZvonjenja"},
    {0, ftBit, 0, nullptr, 0, "Identifikuj"},
    {0, ftByte, 1, nullptr, 0, "ViserednaVeza"},
    {0, ftByte, 1, nullptr, 0, "BrKanalaViseredVeze"},
    {0, ftByte, 1, nullptr, 0, "OznakaPreusm"},
    {0, ftByte, 1, nullptr, 0, "BrojPreusm"},
    {0, ftEnum, 1, kEnum_CallStore_RazlogPreusm, int32_t(std::size(kEnum_CallStore_RazlogPreusm)), "RazlogPreusm"},
    {0, ftEnum, 1, kEnum_CallStore_PrirodaABroja, int32_t(std::size(kEnum_CallStore_PrirodaABroja)), "PreusmPrirodaAdrese"},
    {0, ftByte, 1, nullptr, 0, "PreusmOznakaPrikaza"},
    {0, ftString, 28, nullptr, 0, "PreusmBroj"},
    {0, ftEnum, 1, kEnum_CallStore_RazlogPreusm, int32_t(std::size(kEnum_CallStore_RazlogPreusm)), "OrigRazlogPreusm"},
    {0, ftEnum, 1, kEnum_CallStore_PrirodaABroja, int32_t(std::size(kEnum_CallStore_PrirodaABroja)), "OrigPrirodaAdrese"},
    {0, ftByte, 1, nullptr, 0, "OrigOznakaPrikaza"},
    {0, ftString, 28, nullptr, 0, "OrigBroj"},
    {0, ftEnum, 1, kEnum_CallStore_PrirodaABroja, int32_t(std::size(kEnum_CallStore_PrirodaABroja)), "PrirodaBBroja"},
    {0, ftEnum, 1, kEnum_CallStore_VrstaSadrzKomunikac, int32_t(std::size(kEnum_CallStore_VrstaSadrzKomunikac)), "VrstaSadrzKomunikac"},
    {0, ftShort, 2, nullptr, 0, "KonfPoziv"},
    {0, ftShort, 2, nullptr, 0, "IzvorTKDolaznePT"},
    {0, ftShort, 2, nullptr, 0, "IzvorTarKatOdlazne"},
    {0, ftByte, 1, nullptr, 0, "IndikatoriZG"},
    {0, ftLong, 4, nullptr, 0, "InterlokKod"},
};
const SSubFieldDef kFields120[] = {  // StatDPT
    {kFieldKey, ftByte, 1, nullptr, 0, "StatSlucaj"},
    {kFieldKey, ftEnum, 1, kEnum_TarifStore_VrstaDLpt, int32_t(std::size(kEnum_TarifStore_VrstaDLpt)), "TipLpt"},
    {kFieldKey, ftLong, 4, nullptr, 0, "BrojLpt"},
};
const SSubFieldDef kFields121[] = {  // StatSlucaj
    {kFieldKey, ftByte, 1, nullptr, 0, "StatSlucaj"},
    {0, ftString, 7, nullptr, 0, "Prefiks"},
    {0, ftEnum, 1, kEnum_StatSlucaj_Stanje, int32_t(std::size(kEnum_StatSlucaj_Stanje)), "Stanje"},
    {0, ftEnum, 1, kEnum_EndOfSelection_RazlogPada, int32_t(std::size(kEnum_EndOfSelection_RazlogPada)), "EOScode"},
    {0, ftEnum, 1, kEnum_Pretplatnik_Kategorija, int32_t(std::size(kEnum_Pretplatnik_Kategorija)), "Kategorija"},
    {0, ftByte, 1, nullptr, 0, "SaobrOdrediste"},
    {0, ftByte, 1, nullptr, 0, "Zadat"},
    {0, ftByte, 1, nullptr, 0, "Startovan"},
    {0, ftByte, 1, nullptr, 0, "PocS"},
    {0, ftByte, 1, nullptr, 0, "PocM"},
    {0, ftByte, 1, nullptr, 0, "KrajS"},
    {0, ftByte, 1, nullptr, 0, "KrajM"},
};
const SSubFieldDef kFields122[] = {  // StatOPT
    {kFieldKey, ftByte, 1, nullptr, 0, "StatSlucaj"},
    {kFieldKey, ftEnum, 1, kEnum_TarifStore_VrstaDLpt, int32_t(std::size(kEnum_TarifStore_VrstaDLpt)), "TipLpt"},
    {kFieldKey, ftLong, 4, nullptr, 0, "BrojLpt"},
};
const SSubFieldDef kFields123[] = {  // GrupaOperatera
    {kFieldKey, ftByte, 1, nullptr, 0, "BrojGrupe"},
    {kFieldIndex, ftString, 21, nullptr, 0, "ImeGrupe"},
    {0, ftString, 161, nullptr, 0, "PravaPoKomandama"},
    {0, ftString, 37, nullptr, 0, "PravaZaCitanjeTabela"},
    {0, ftString, 37, nullptr, 0, "PravaZaPromenuTabela"},
};
const SSubFieldDef kFields124[] = {  // TipBekapa
    {kFieldKey, ftString, 11, nullptr, 0, "TipBekapa"},
    {0, ftString, 81, nullptr, 0, "Opis"},
    {0, ftString, 206, nullptr, 0, "Ucesce"},
};
const SSubFieldDef kFields125[] = {  // VremeAutomatskogBekapa
    {kFieldKey, ftTime, 4, nullptr, 0, "Vreme"},
    {0, ftString, 11, nullptr, 0, "TipBekapa"},
};
const SSubFieldDef kFields126[] = {  // TipPunjenja
    {kFieldKey, ftString, 11, nullptr, 0, "TipPunjenja"},
    {0, ftString, 81, nullptr, 0, "Opis"},
    {0, ftString, 206, nullptr, 0, "Ucesce"},
};
const SSubFieldDef kFields127[] = {  // ModifikacijaAtributa
    {kFieldKey, ftString, 11, nullptr, 0, "TipPunjenja"},
    {kFieldKey, ftByte, 1, nullptr, 0, "Tid"},
    {kFieldKey, ftByte, 1, nullptr, 0, "Aid"},
    {0, ftEnum, 1, kEnum_ModifikacijaAtributa_Modifikacija, int32_t(std::size(kEnum_ModifikacijaAtributa_Modifikacija)), "Modifikacija"},
    {0, ftLong, 4, nullptr, 0, "Vrednost"},
};
const SSubFieldDef kFields128[] = {  // Bekap
    {kFieldKey, ftDate, 4, nullptr, 0, "Datum"},
    {kFieldKey, ftTime, 4, nullptr, 0, "Vreme"},
    {0, ftString, 11, nullptr, 0, "TipBekapa"},
    {0, ftByte, 1, nullptr, 0, "A"},
    {0, ftByte, 1, nullptr, 0, "Markiran"},
    {0, ftEnum, 1, kEnum_Bekap_Status, int32_t(std::size(kEnum_Bekap_Status)), "Status"},
    {0, ftEnum, 1, kEnum_Bekap_Dobar, int32_t(std::size(kEnum_Bekap_Dobar)), "Dobar"},
    {0, ftString, 81, nullptr, 0, "Opis"},
    {kFieldIndex, ftString, 31, nullptr, 0, "FileName"},
};
const SSubFieldDef kFields129[] = {  // KonfBlok
    {kFieldKey, ftShort, 2, nullptr, 0, "BrKonf"},
    {0, ftByte, 1, nullptr, 0, "GSLink"},
    {0, ftEnum, 1, kEnum_KonfGovMasxina_Stanje, int32_t(std::size(kEnum_KonfGovMasxina_Stanje)), "StanjeKonf"},
    {0, ftByte, 1, nullptr, 0, "StanjeBlok"},
    {0, ftByte, 1, nullptr, 0, "Pt1o"},
    {0, ftByte, 1, nullptr, 0, "Pt1d"},
    {0, ftByte, 1, nullptr, 0, "Pt2o"},
    {0, ftByte, 1, nullptr, 0, "Pt2d"},
    {0, ftByte, 1, nullptr, 0, "Pt3o"},
    {0, ftByte, 1, nullptr, 0, "Pt3d"},
};
const SSubFieldDef kFields130[] = {  // KonfVeza
    {kFieldKey, ftLong, 4, nullptr, 0, "LptPtp"},
    {0, ftShort, 2, nullptr, 0, "RBV"},
    {0, ftShort, 2, nullptr, 0, "BrKonf"},
    {0, ftByte, 1, nullptr, 0, "KonfGM"},
};
const SSubFieldDef kFields131[] = {  // CallTracing
    {kFieldKey, ftEnum, 1, kEnum_TarifStore_VrstaDLpt, int32_t(std::size(kEnum_TarifStore_VrstaDLpt)), "TipPT"},
    {kFieldKey, ftLong, 4, nullptr, 0, "BrojPT"},
    {0, ftShort, 2, nullptr, 0, "OR"},
};
const SSubFieldDef kFields132[] = {  // SlucajPracenja
    {kFieldKey, ftByte, 1, nullptr, 0, "SlucajPracenja"},
    {0, ftEnum, 1, kEnum_SlucajPracenja_TipPracenja, int32_t(std::size(kEnum_SlucajPracenja_TipPracenja)), "TipPracenja"},
    {0, ftString, 11, nullptr, 0, "EOSList"},
    {0, ftEnum, 1, kEnum_Pretplatnik_Kategorija, int32_t(std::size(kEnum_Pretplatnik_Kategorija)), "Kategorija"},
    {0, ftString, 7, nullptr, 0, "Prefiks"},
    {0, ftByte, 1, nullptr, 0, "SaobrOdrediste"},
    {0, ftByte, 1, nullptr, 0, "Startovan"},
    {0, ftShort, 2, nullptr, 0, "OR"},
};
const SSubFieldDef kFields133[] = {  // PratiDPT
    {kFieldKey, ftByte, 1, nullptr, 0, "SlucajPracenja"},
    {kFieldKey, ftEnum, 1, kEnum_TarifStore_VrstaDLpt, int32_t(std::size(kEnum_TarifStore_VrstaDLpt)), "TipLpt"},
    {kFieldKey, ftLong, 4, nullptr, 0, "BrojLpt"},
};
const SSubFieldDef kFields134[] = {  // PratiOPT
    {kFieldKey, ftByte, 1, nullptr, 0, "SlucajPracenja"},
    {kFieldKey, ftEnum, 1, kEnum_TarifStore_VrstaDLpt, int32_t(std::size(kEnum_TarifStore_VrstaDLpt)), "TipLpt"},
    {kFieldKey, ftLong, 4, nullptr, 0, "BrojLpt"},
};
const SSubFieldDef kFields135[] = {  // NadzorBlok
    {kFieldKey, ftShort, 2, nullptr, 0, "Ruta"},
    {0, ftByte, 1, nullptr, 0, "ProcBlok"},
    {0, ftByte, 1, nullptr, 0, "Startovan"},
    {0, ftByte, 1, nullptr, 0, "Alarm"},
};
const SSubFieldDef kFields136[] = {  // NadzorBlokKG
    {kFieldKey, ftByte, 1, nullptr, 0, "KOORX"},
    {0, ftShort, 2, nullptr, 0, "BrojBlok"},
    {0, ftByte, 1, nullptr, 0, "Startovan"},
    {0, ftByte, 1, nullptr, 0, "Alarm"},
};
const SSubFieldDef kFields137[] = {  // VremeRestarta
    {kFieldKey, ftByte, 1, nullptr, 0, "Sat"},
    {kFieldKey, ftByte, 1, nullptr, 0, "Minut"},
    {0, ftEnum, 1, kEnum_VremeRestarta_TipRestarta, int32_t(std::size(kEnum_VremeRestarta_TipRestarta)), "TipRestarta"},
};
const SSubFieldDef kFields138[] = {  // ReferentniSmer
    {kFieldKey, ftShort, 2, nullptr, 0, "Broj"},
    {kFieldIndex, ftString, 26, nullptr, 0, "Ime"},
    {0, ftByte, 1, nullptr, 0, "Adresa"},
};
const SSubFieldDef kFields139[] = {  // AktRefSmer
    {kFieldKey, ftShort, 2, nullptr, 0, "Broj"},
    {0, ftByte, 1, nullptr, 0, "Prioritet"},
    {0, ftByte, 1, nullptr, 0, "Aktivan"},
};
const SSubFieldDef kFields140[] = {  // SigKanal
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPPradni"},
    {kFieldKey, ftByte, 1, nullptr, 0, "PCMLink"},
    {kFieldKey, ftByte, 1, nullptr, 0, "PCMKanal"},
    {kFieldIndex, ftByte, 1, nullptr, 0, "SigKanal"},
    {0, ftEnum, 1, kEnum_SigKanal_Stanje, int32_t(std::size(kEnum_SigKanal_Stanje)), "Stanje"},
    {0, ftShort, 2, nullptr, 0, "SPC"},
    {0, ftByte, 1, nullptr, 0, "Blokiran"},
    {0, ftEnum, 1, kEnum_SigKanal_NacinTest, int32_t(std::size(kEnum_SigKanal_NacinTest)), "NacinTest"},
    {0, ftShort, 2, nullptr, 0, "Kasnjenje"},
    {0, ftByte, 1, nullptr, 0, "InhibiranLokalno"},
    {0, ftByte, 1, nullptr, 0, "InhibiranUdaljeno"},
};
const SSubFieldDef kFields141[] = {  // UsmSigRuta
    {kFieldKey, ftByte, 1, nullptr, 0, "SigRuta"},
    {kFieldKey, ftByte, 1, nullptr, 0, "SLS"},
    {kFieldKey, ftByte, 1, nullptr, 0, "Prioritet"},
    {0, ftByte, 1, nullptr, 0, "SigKanal"},
    {0, ftByte, 1, nullptr, 0, "SLCode"},
};
const SSubFieldDef kFields142[] = {  // Usmeravanje
    {kFieldKey, ftShort, 2, nullptr, 0, "MySPC"},
    {kFieldKey, ftShort, 2, nullptr, 0, "SPC"},
    {kFieldKey, ftByte, 1, nullptr, 0, "Prioritet"},
    {0, ftByte, 1, nullptr, 0, "SigRuta"},
};
const SSubFieldDef kFields143[] = {  // No7Kanal
    {kFieldKey, ftShort, 2, nullptr, 0, "SPC"},
    {kFieldKey, ftShort, 2, nullptr, 0, "CIC"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "LptPren"},
    {0, ftByte, 1, nullptr, 0, "Kontrola"},
    {0, ftEnum, 1, kEnum_No7Kanal_VerzijaNo7, int32_t(std::size(kEnum_No7Kanal_VerzijaNo7)), "VerzijaNo7"},
};
const SSubFieldDef kFields144[] = {  // StanjeNo7
    {kFieldKey, ftLong, 4, nullptr, 0, "LptPren"},
    {0, ftEnum, 1, kEnum_StanjeNo7_StanjeCRO, int32_t(std::size(kEnum_StanjeNo7_StanjeCRO)), "StanjeCRO"},
    {0, ftEnum, 1, kEnum_StanjeNo7_StanjeCRI, int32_t(std::size(kEnum_StanjeNo7_StanjeCRI)), "StanjeCRI"},
    {0, ftEnum, 1, kEnum_StanjeNo7_StanjeBLS, int32_t(std::size(kEnum_StanjeNo7_StanjeBLS)), "StanjeBLS"},
    {0, ftEnum, 1, kEnum_StanjeNo7_StanjeBLR, int32_t(std::size(kEnum_StanjeNo7_StanjeBLR)), "StanjeBLR"},
    {0, ftEnum, 1, kEnum_StanjeNo7_StanjeCRS, int32_t(std::size(kEnum_StanjeNo7_StanjeCRS)), "StanjeCRS"},
    {0, ftEnum, 1, kEnum_StanjeNo7_StanjeCGRS, int32_t(std::size(kEnum_StanjeNo7_StanjeCGRS)), "StanjeCGRS"},
    {0, ftEnum, 1, kEnum_StanjeNo7_StanjeCGRR, int32_t(std::size(kEnum_StanjeNo7_StanjeCGRR)), "StanjeCGRR"},
    {0, ftEnum, 1, kEnum_StanjeNo7_StanjeMBUS, int32_t(std::size(kEnum_StanjeNo7_StanjeMBUS)), "StanjeMBUS"},
    {0, ftEnum, 1, kEnum_StanjeNo7_StanjeMBUR, int32_t(std::size(kEnum_StanjeNo7_StanjeMBUR)), "StanjeMBUR"},
    {0, ftEnum, 1, kEnum_StanjeNo7_StanjeHBUS, int32_t(std::size(kEnum_StanjeNo7_StanjeHBUS)), "StanjeHBUS"},
    {0, ftEnum, 1, kEnum_StanjeNo7_StanjeHBUR, int32_t(std::size(kEnum_StanjeNo7_StanjeHBUR)), "StanjeHBUR"},
    {0, ftBit, 0, nullptr, 0, "FlagBBS"},
    {0, ftBit, 0, nullptr, 0, "FlagBBR"},
    {0, ftBit, 0, nullptr, 0, "FlagMBS"},
    {0, ftBit, 0, nullptr, 0, "FlagMBR"},
    {0, ftBit, 0, nullptr, 0, "FlagHBS"},
    {0, ftBit, 0, nullptr, 0, "FlagHBR"},
    {0, ftShort, 2, nullptr, 0, "CGRS_StoreID"},
    {0, ftShort, 2, nullptr, 0, "CGRR_StoreID"},
    {0, ftShort, 2, nullptr, 0, "MBUS_StoreID"},
    {0, ftShort, 2, nullptr, 0, "MBUR_StoreID"},
    {0, ftShort, 2, nullptr, 0, "HBUS_StoreID"},
    {0, ftShort, 2, nullptr, 0, "HBUR_StoreID"},
    {0, ftBit, 0, nullptr, 0, "CRO_FirstTime"},
    {0, ftBit, 0, nullptr, 0, "CRO_Test"},
    {0, ftBit, 0, nullptr, 0, "CRI_FirstTime"},
    {0, ftBit, 0, nullptr, 0, "CRI_Test"},
    {0, ftBit, 0, nullptr, 0, "FlagBBL"},
    {0, ftBit, 0, nullptr, 0, "FlagMBL"},
    {0, ftBit, 0, nullptr, 0, "FlagHBL"},
};
const SSubFieldDef kFields145[] = {  // CGCStore
    {kFieldKey, ftShort, 2, nullptr, 0, "StoreID"},
    {0, ftEnum, 1, kEnum_CGCStore_Type, int32_t(std::size(kEnum_CGCStore_Type)), "Type"},
    {0, ftShort, 2, nullptr, 0, "Dpc"},
    {0, ftShort, 2, nullptr, 0, "Cic"},
    {0, ftShort, 2, nullptr, 0, "Range"},
    {0, ftShort, 2, nullptr, 0, "State"},
};
const SSubFieldDef kFields146[] = {  // NadzorNo7PT
    {kFieldKey, ftShort, 2, nullptr, 0, "SPC"},
    {kFieldKey, ftShort, 2, nullptr, 0, "CIC"},
    {kFieldKey, ftShort, 2, nullptr, 0, "OR"},
};
const SSubFieldDef kFields147[] = {  // NadzorSPC
    {kFieldKey, ftShort, 2, nullptr, 0, "SPC"},
    {kFieldKey, ftShort, 2, nullptr, 0, "OR"},
};
const SSubFieldDef kFields148[] = {  // BrojZaPreusmZauz
    {kFieldKey, ftString, 9, nullptr, 0, "Pretplatnik"},
    {0, ftString, 28, nullptr, 0, "BrojZaPreusm"},
};
const SSubFieldDef kFields149[] = {  // TipOdlaznogPoziva
    {kFieldKey, ftByte, 1, nullptr, 0, "TipOdlaznogPoziva"},
    {0, ftShort, 2, nullptr, 0, "TC_Pasiv"},
    {0, ftShort, 2, nullptr, 0, "TC_PasivPM"},
    {0, ftShort, 2, nullptr, 0, "TC_Predial"},
    {0, ftShort, 2, nullptr, 0, "TC_PredialPM"},
    {0, ftShort, 2, nullptr, 0, "TC_Interdial"},
    {0, ftShort, 2, nullptr, 0, "TC_InterdialPM"},
    {0, ftShort, 2, nullptr, 0, "TC_BadDial"},
    {0, ftShort, 2, nullptr, 0, "TC_BadDialPM"},
    {0, ftShort, 2, nullptr, 0, "TC_ConvA"},
    {0, ftShort, 2, nullptr, 0, "TC_ConvAPM"},
    {0, ftByte, 1, nullptr, 0, "ProcOdust"},
    {0, ftByte, 1, nullptr, 0, "ProveraCujnosti"},
};
const SSubFieldDef kFields150[] = {  // TipDolaznogPoziva
    {kFieldKey, ftByte, 1, nullptr, 0, "TipDolaznogPoziva"},
    {0, ftShort, 2, nullptr, 0, "TC_Preanswer"},
    {0, ftShort, 2, nullptr, 0, "TC_PreanswerPM"},
    {0, ftShort, 2, nullptr, 0, "TC_ConvB"},
    {0, ftShort, 2, nullptr, 0, "TC_ConvBPM"},
    {0, ftByte, 1, nullptr, 0, "ProveraCujnosti"},
};
const SSubFieldDef kFields151[] = {  // BiranjePretplatnika
    {kFieldKey, ftLong, 4, nullptr, 0, "LptPtp"},
    {0, ftShort, 2, nullptr, 0, "TipOdlaznogPoziva"},
    {0, ftShort, 2, nullptr, 0, "TipDolaznogPoziva"},
    {0, ftString, 9, nullptr, 0, "Cifre"},
    {0, ftString, 5, nullptr, 0, "CujnostSalje"},
    {0, ftString, 5, nullptr, 0, "CujnostPrima"},
};
const SSubFieldDef kFields152[] = {  // ParametarAlarmaLinka
    {kFieldKey, ftShort, 2, nullptr, 0, "Link"},
    {0, ftByte, 1, nullptr, 0, "GenCRC"},
    {0, ftByte, 1, nullptr, 0, "DiagSLIP"},
    {0, ftEnum, 1, kEnum_ParametarAlarmaLinka_BERThreshold, int32_t(std::size(kEnum_ParametarAlarmaLinka_BERThreshold)), "BERThreshold"},
    {0, ftEnum, 1, kEnum_ParametarAlarmaLinka_BERThreshold, int32_t(std::size(kEnum_ParametarAlarmaLinka_BERThreshold)), "CRCThreshold"},
    {0, ftEnum, 1, kEnum_ParametarAlarmaLinka_BERThreshold, int32_t(std::size(kEnum_ParametarAlarmaLinka_BERThreshold)), "BCRCThreshold"},
    {0, ftByte, 1, nullptr, 0, "TipAkcije"},
};
const SSubFieldDef kFields153[] = {  // TipAkcije
    {kFieldKey, ftByte, 1, nullptr, 0, "TipAkcije"},
};
const SSubFieldDef kFields154[] = {  // AkcijaPoTipu
    {kFieldKey, ftByte, 1, nullptr, 0, "TipAkcije"},
    {kFieldKey, ftByte, 1, nullptr, 0, "Alarm"},
    {kFieldKey, ftByte, 1, nullptr, 0, "Akcija"},
};
const SSubFieldDef kFields155[] = {  // SigTacka
    {kFieldKey, ftShort, 2, nullptr, 0, "SPC"},
    {0, ftString, 41, nullptr, 0, "Naziv"},
    {0, ftEnum, 1, kEnum_SigTacka_Stanje, int32_t(std::size(kEnum_SigTacka_Stanje)), "Stanje"},
    {0, ftEnum, 1, kEnum_SigTacka_NivoZagusenja, int32_t(std::size(kEnum_SigTacka_NivoZagusenja)), "NivoZagusenja"},
    {0, ftByte, 1, nullptr, 0, "MozePreusmeravanje"},
    {0, ftByte, 1, nullptr, 0, "MozeInhibiranje"},
    {0, ftByte, 1, nullptr, 0, "MozeRestart"},
};
const SSubFieldDef kFields156[] = {  // SignalnaRuta
    {kFieldKey, ftByte, 1, nullptr, 0, "SignalnaRuta"},
    {kFieldIndex, ftString, 41, nullptr, 0, "Naziv"},
    {0, ftByte, 1, nullptr, 0, "Stanje"},
};
const SSubFieldDef kFields157[] = {  // NadzorNo7Kanala
    {kFieldKey, ftByte, 1, nullptr, 0, "SigKanal"},
    {kFieldKey, ftShort, 2, nullptr, 0, "OR"},
};
const SSubFieldDef kFields158[] = {  // NadzorMTPSPC
    {kFieldKey, ftShort, 2, nullptr, 0, "SPC"},
    {kFieldKey, ftShort, 2, nullptr, 0, "OR"},
};
const SSubFieldDef kFields159[] = {  // RemoteDPC
    {kFieldKey, ftShort, 2, nullptr, 0, "SPC"},
    {0, ftEnum, 1, kEnum_RemoteDPC_SCCPStatus, int32_t(std::size(kEnum_RemoteDPC_SCCPStatus)), "SCCPStatus"},
    {0, ftByte, 1, nullptr, 0, "CongLevel"},
    {0, ftEnum, 1, kEnum_RemoteDPC_LinkStatus, int32_t(std::size(kEnum_RemoteDPC_LinkStatus)), "LinkStatus"},
};
const SSubFieldDef kFields160[] = {  // MySSN
    {kFieldKey, ftEnum, 1, kEnum_MySSN_SSNName, int32_t(std::size(kEnum_MySSN_SSNName)), "SSNName"},
    {0, ftEnum, 1, kEnum_MySSN_SCCPUser, int32_t(std::size(kEnum_MySSN_SCCPUser)), "SCCPUser"},
};
const SSubFieldDef kFields161[] = {  // RemoteSSN
    {kFieldKey, ftShort, 2, nullptr, 0, "SPC"},
    {kFieldKey, ftEnum, 1, kEnum_MySSN_SSNName, int32_t(std::size(kEnum_MySSN_SSNName)), "SSNName"},
};
const SSubFieldDef kFields162[] = {  // SCCPSegment
    {kFieldKey, ftLong, 4, nullptr, 0, "LocRef"},
    {0, ftByte, 1, nullptr, 0, "SegRemaining"},
};
const SSubFieldDef kFields163[] = {  // RemoteOPC
    {kFieldKey, ftShort, 2, nullptr, 0, "SPC"},
    {kFieldKey, ftEnum, 1, kEnum_RemoteOPC_NumPlan, int32_t(std::size(kEnum_RemoteOPC_NumPlan)), "NumPlan"},
    {0, ftByte, 1, nullptr, 0, "TOrigin"},
};
const SSubFieldDef kFields164[] = {  // GTTranslation
    {kFieldKey, ftEnum, 1, kEnum_RemoteOPC_NumPlan, int32_t(std::size(kEnum_RemoteOPC_NumPlan)), "NumPlan"},
    {kFieldKey, ftByte, 1, nullptr, 0, "TOrigin"},
    {kFieldKey, ftString, 28, nullptr, 0, "Prefix"},
    {0, ftByte, 1, nullptr, 0, "Cat"},
    {0, ftString, 9, nullptr, 0, "ConCat"},
    {0, ftByte, 1, nullptr, 0, "NewNumPlan"},
    {0, ftEnum, 1, kEnum_GTTranslation_NextAction, int32_t(std::size(kEnum_GTTranslation_NextAction)), "NextAction"},
    {0, ftShort, 2, nullptr, 0, "NewActionData"},
};
const SSubFieldDef kFields165[] = {  // GTtoSSN
    {kFieldKey, ftEnum, 1, kEnum_RemoteOPC_NumPlan, int32_t(std::size(kEnum_RemoteOPC_NumPlan)), "NumPlan"},
    {kFieldKey, ftByte, 1, nullptr, 0, "TOrigin"},
    {kFieldKey, ftString, 28, nullptr, 0, "Prefix"},
    {0, ftEnum, 1, kEnum_MySSN_SSNName, int32_t(std::size(kEnum_MySSN_SSNName)), "NewSSN"},
    {0, ftShort, 2, nullptr, 0, "NewDPC"},
};
const SSubFieldDef kFields166[] = {  // KELMUser
    {kFieldKey, ftEnum, 1, kEnum_MySSN_SCCPUser, int32_t(std::size(kEnum_MySSN_SCCPUser)), "User"},
    {kFieldKey, ftEnum, 1, kEnum_RemoteOPC_NumPlan, int32_t(std::size(kEnum_RemoteOPC_NumPlan)), "NumPlan"},
    {0, ftByte, 1, nullptr, 0, "TOrigin"},
};
const SSubFieldDef kFields167[] = {  // ChainMV
    {kFieldKey, ftShort, 2, nullptr, 0, "ChainMV"},
    {0, ftByte, 1, nullptr, 0, "BrojZauzetih"},
    {0, ftLong, 4, nullptr, 0, "MV1"},
    {0, ftLong, 4, nullptr, 0, "MV2"},
    {0, ftLong, 4, nullptr, 0, "MV3"},
    {0, ftLong, 4, nullptr, 0, "MV4"},
    {0, ftLong, 4, nullptr, 0, "MV5"},
};
const SSubFieldDef kFields168[] = {  // Plovk
    {kFieldKey, ftByte, 1, nullptr, 0, "KOORX"},
    {0, ftShort, 2, nullptr, 0, "Merenje"},
    {0, ftShort, 2, nullptr, 0, "StanjeMeri"},
    {0, ftLong, 4, nullptr, 0, "PT"},
    {0, ftShort, 2, nullptr, 0, "OR"},
    {0, ftShort, 2, nullptr, 0, "BrojILC"},
    {0, ftByte, 1, nullptr, 0, "RedBrPor"},
    {0, ftByte, 1, nullptr, 0, "PoslataPoslPor"},
    {0, ftByte, 1, nullptr, 0, "Odspoj_TS"},
    {0, ftShort, 2, nullptr, 0, "Chain1"},
    {0, ftShort, 2, nullptr, 0, "Chain2"},
    {0, ftByte, 1, nullptr, 0, "GSLink1"},
    {0, ftByte, 1, nullptr, 0, "GSLink2"},
    {0, ftByte, 1, nullptr, 0, "GSkanal1"},
    {0, ftByte, 1, nullptr, 0, "GSkanal2"},
    {0, ftByte, 1, nullptr, 0, "KSLink1"},
    {0, ftByte, 1, nullptr, 0, "KSLink2"},
    {0, ftByte, 1, nullptr, 0, "KSkanal1"},
    {0, ftByte, 1, nullptr, 0, "KSkanal2"},
    {0, ftEnum, 1, kEnum_Plovk_TipMerenjaTK, int32_t(std::size(kEnum_Plovk_TipMerenjaTK)), "TipMerenjaTK"},
    {0, ftByte, 1, nullptr, 0, "BrojTarImp"},
    {0, ftEnum, 1, kEnum_Plovk_Frekvencija, int32_t(std::size(kEnum_Plovk_Frekvencija)), "Frekvencija"},
    {0, ftEnum, 1, kEnum_Plovk_Amplituda, int32_t(std::size(kEnum_Plovk_Amplituda)), "Amplituda"},
    {0, ftEnum, 1, kEnum_Plovk_Ton, int32_t(std::size(kEnum_Plovk_Ton)), "Ton"},
    {0, ftEnum, 1, kEnum_Plovk_NacinBirCifara, int32_t(std::size(kEnum_Plovk_NacinBirCifara)), "NacinBirCifara"},
    {0, ftEnum, 1, kEnum_Plovk_SmerMerenja, int32_t(std::size(kEnum_Plovk_SmerMerenja)), "SmerMerenja"},
};
const SSubFieldDef kFields169[] = {  // PolustalnaVeza
    {kFieldKey, ftLong, 4, nullptr, 0, "LptPren1"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "LptPren2"},
};
const SSubFieldDef kFields170[] = {  // LoopLptPtp
    {kFieldKey, ftLong, 4, nullptr, 0, "LptPtp"},
};
const SSubFieldDef kFields171[] = {  // DefinicijaAlarma
    {kFieldKey, ftShort, 2, nullptr, 0, "TipAlarma"},
    {0, ftShort, 2, nullptr, 0, "OpisNastanka"},
    {0, ftShort, 2, nullptr, 0, "OpisNestanka"},
    {0, ftEnum, 1, kEnum_DefinicijaAlarma_Nivo, int32_t(std::size(kEnum_DefinicijaAlarma_Nivo)), "Nivo"},
    {0, ftEnum, 1, kEnum_DefinicijaAlarma_Nivo, int32_t(std::size(kEnum_DefinicijaAlarma_Nivo)), "NivoMin"},
    {0, ftEnum, 1, kEnum_DefinicijaAlarma_Nivo, int32_t(std::size(kEnum_DefinicijaAlarma_Nivo)), "NivoMax"},
    {0, ftByte, 1, nullptr, 0, "ZahtevaPotvrdu"},
    {0, ftByte, 1, nullptr, 0, "ImaPrestanak"},
    {0, ftByte, 1, nullptr, 0, "UsmerDnevnik"},
    {0, ftByte, 1, nullptr, 0, "UsmerPaneli"},
};
const SSubFieldDef kFields172[] = {  // ListaAlarma
    {kFieldKey, ftShort, 2, nullptr, 0, "TipAlarma"},
    {kFieldKey, ftShort, 2, nullptr, 0, "OPC"},
    {kFieldKey, ftString, 81, nullptr, 0, "Parametri"},
    {0, ftEnum, 1, kEnum_ListaAlarma_Stanje, int32_t(std::size(kEnum_ListaAlarma_Stanje)), "Stanje"},
    {0, ftEnum, 1, kEnum_DefinicijaAlarma_Nivo, int32_t(std::size(kEnum_DefinicijaAlarma_Nivo)), "Nivo"},
    {0, ftShort, 2, nullptr, 0, "Opis"},
    {0, ftDate, 4, nullptr, 0, "Datum"},
    {0, ftTime, 4, nullptr, 0, "Vreme"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "AlarmIB"},
};
const SSubFieldDef kFields173[] = {  // KlasaAlarma
    {kFieldKey, ftShort, 2, nullptr, 0, "KlasaAlarma"},
    {0, ftShort, 2, nullptr, 0, "Opis"},
};
const SSubFieldDef kFields174[] = {  // AlarmUKlasi
    {kFieldKey, ftShort, 2, nullptr, 0, "TipAlarma"},
    {kFieldKey, ftShort, 2, nullptr, 0, "KlasaAlarma"},
};
const SSubFieldDef kFields175[] = {  // StanjaCGT
    {kFieldKey, ftByte, 1, nullptr, 0, "Id"},
    {0, ftByte, 1, nullptr, 0, "fCommOK"},
    {0, ftByte, 1, nullptr, 0, "fHW_OK"},
    {0, ftByte, 1, nullptr, 0, "State"},
    {0, ftByte, 1, nullptr, 0, "Sinhron"},
};
const SSubFieldDef kFields176[] = {  // ChannHop
    {kFieldKey, ftLong, 4, nullptr, 0, "LptPren"},
    {kFieldKey, ftShort, 2, nullptr, 0, "RedniBroj"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "SecLptPren"},
};
const SSubFieldDef kFields177[] = {  // CsTsVeza
    {kFieldKey, ftShort, 2, nullptr, 0, "CallStore"},
    {kFieldKey, ftShort, 2, nullptr, 0, "RedniBroj"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "TarifStore"},
};
const SSubFieldDef kFields178[] = {  // OpstaOpcija
    {kFieldKey, ftString, 81, nullptr, 0, "Kljuc"},
    {0, ftString, 81, nullptr, 0, "Vrednost"},
};
const SSubFieldDef kFields179[] = {  // TarifniBrojac
    {kFieldKey, ftEnum, 1, kEnum_TarifStore_VrstaDLpt, int32_t(std::size(kEnum_TarifStore_VrstaDLpt)), "TipPT"},
    {kFieldKey, ftString, 9, nullptr, 0, "TarifID"},
    {kFieldKey, ftByte, 1, nullptr, 0, "BrojacID"},
    {0, ftDouble, 8, nullptr, 0, "TarifniBrojac"},
    {0, ftLong, 4, nullptr, 0, "BrTarRazgovora"},
};
const SSubFieldDef kFields180[] = {  // VrstaZvonjenja
    {kFieldKey, ftShort, 2, nullptr, 0, "Broj"},
    {0, ftShort, 2, nullptr, 0, "Impuls1"},
    {0, ftShort, 2, nullptr, 0, "Pauza1"},
    {0, ftShort, 2, nullptr, 0, "Impuls2"},
    {0, ftShort, 2, nullptr, 0, "Pauza2"},
    {0, ftShort, 2, nullptr, 0, "Impuls3"},
    {0, ftShort, 2, nullptr, 0, "Pauza3"},
    {0, ftShort, 2, nullptr, 0, "Impuls4"},
    {0, ftShort, 2, nullptr, 0, "Pauza4"},
};
const SSubFieldDef kFields181[] = {  // MSNBroj
    {kFieldKey, ftString, 9, nullptr, 0, "Broj"},
    {kFieldKey, ftShort, 2, nullptr, 0, "RedniBroj"},
    {kFieldIndex, ftString, 9, nullptr, 0, "MSNBroj"},
    {0, ftByte, 1, nullptr, 0, "NacinZvonjenja"},
};
const SSubFieldDef kFields182[] = {  // PACodp
    {kFieldKey, ftString, 9, nullptr, 0, "Pretplatnik"},
    {kFieldKey, ftString, 11, nullptr, 0, "Prefiks"},
};
const SSubFieldDef kFields183[] = {  // Operater
    {kFieldKey, ftString, 21, nullptr, 0, "ImeOperatera"},
    {0, ftString, 11, nullptr, 0, "Lozinka"},
    {0, ftByte, 1, nullptr, 0, "BrojGrupe"},
    {0, ftEnum, 1, kEnum_Operater_StanjeOperatera, int32_t(std::size(kEnum_Operater_StanjeOperatera)), "StanjeOperatera"},
};
const SSubFieldDef kFields184[] = {  // BrojTarifnogBrojaca
    {kFieldKey, ftByte, 1, nullptr, 0, "BrojacID"},
    {kFieldIndex, ftString, 41, nullptr, 0, "NazivTB"},
};
const SSubFieldDef kFields185[] = {  // PACov
    {kFieldKey, ftByte, 1, nullptr, 0, "PAC"},
    {kFieldIndex, ftString, 26, nullptr, 0, "Ime"},
};
const SSubFieldDef kFields186[] = {  // SadrzajPACov
    {kFieldKey, ftByte, 1, nullptr, 0, "PAC"},
    {kFieldKey, ftString, 7, nullptr, 0, "PrefiksPAC"},
    {0, ftByte, 1, nullptr, 0, "SkupiCifaraPAC"},
};
const SSubFieldDef kFields187[] = {  // PrijavaNedostupneSPC
    {kFieldKey, ftShort, 2, nullptr, 0, "SusednaSPC"},
    {kFieldKey, ftShort, 2, nullptr, 0, "NedostupnaSPC"},
    {0, ftShort, 2, nullptr, 0, "TranzitnaSPC"},
};
const SSubFieldDef kFields188[] = {  // BrojZaPreusmNejav
    {kFieldKey, ftString, 9, nullptr, 0, "Pretplatnik"},
    {0, ftString, 28, nullptr, 0, "BrojZaPreusm"},
};
const SSubFieldDef kFields189[] = {  // ProgramDana
    {kFieldKey, ftByte, 1, nullptr, 0, "ProgDanaID"},
    {0, ftBit, 0, nullptr, 0, "Pon"},
    {0, ftBit, 0, nullptr, 0, "Uto"},
    {0, ftBit, 0, nullptr, 0, "Sre"},
    {0, ftBit, 0, nullptr, 0, "Cet"},
    {0, ftBit, 0, nullptr, 0, "Pet"},
    {0, ftBit, 0, nullptr, 0, "Sub"},
    {0, ftBit, 0, nullptr, 0, "Ned"},
};
const SSubFieldDef kFields190[] = {  // Preusmeravanje
    {kFieldKey, ftByte, 1, nullptr, 0, "SigKanal"},
    {0, ftByte, 1, nullptr, 0, "AltSigKanal"},
    {0, ftEnum, 1, kEnum_Preusmeravanje_Stanje, int32_t(std::size(kEnum_Preusmeravanje_Stanje)), "Stanje"},
};
const SSubFieldDef kFields191[] = {  // PRINKG
    {kFieldKey, ftByte, 1, nullptr, 0, "PROK"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPP"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "idPRP"},
    {kFieldIndex, ftByte, 1, nullptr, 0, "KG"},
    {0, ftEnum, 1, kEnum_RPP_Link, int32_t(std::size(kEnum_RPP_Link)), "Link"},
    {0, ftEnum, 1, kEnum_RPP_Link, int32_t(std::size(kEnum_RPP_Link)), "Takt"},
};
const SSubFieldDef kFields192[] = {  // PRIN
    {kFieldKey, ftByte, 1, nullptr, 0, "KG"},
    {kFieldKey, ftByte, 1, nullptr, 0, "PRIN"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "LptPtp"},
    {0, ftEnum, 1, kEnum_PRIN_TeiNula, int32_t(std::size(kEnum_PRIN_TeiNula)), "TeiNula"},
    {0, ftByte, 1, nullptr, 0, "BrojCifara"},
    {0, ftString, 28, nullptr, 0, "InterniBroj"},
    {0, ftShort, 2, nullptr, 0, "Stanje"},
};
const SSubFieldDef kFields193[] = {  // ISDNstanjaOBPO
    {kFieldKey, ftLong, 4, nullptr, 0, "LptPtp"},
    {kFieldKey, ftShort, 2, nullptr, 0, "RBV"},
    {0, ftEnum, 1, kEnum_LptPtp_StanjeOBPO, int32_t(std::size(kEnum_LptPtp_StanjeOBPO)), "StanjeOBPO"},
    {0, ftShort, 2, nullptr, 0, "pCallStore"},
    {0, ftShort, 2, nullptr, 0, "CR"},
    {0, ftByte, 1, nullptr, 0, "BKanal"},
    {0, ftByte, 1, nullptr, 0, "N_stanje"},
    {0, ftByte, 1, nullptr, 0, "P_opcije"},
    {0, ftByte, 1, nullptr, 0, "MV"},
    {0, ftString, 28, nullptr, 0, "BBroj"},
    {0, ftByte, 1, nullptr, 0, "BrojCifaraRxTx"},
    {0, ftShort, 2, nullptr, 0, "CES"},
};
const SSubFieldDef kFields194[] = {  // ZabrPrefiksPoKateg
    {kFieldKey, ftEnum, 1, kEnum_Pretplatnik_Kategorija, int32_t(std::size(kEnum_Pretplatnik_Kategorija)), "Kategorija"},
    {kFieldKey, ftString, 7, nullptr, 0, "Prefiks"},
};
const SSubFieldDef kFields195[] = {  // NadzorDSS1
    {kFieldKey, ftLong, 4, nullptr, 0, "LptPtp"},
    {kFieldKey, ftShort, 2, nullptr, 0, "OR"},
    {0, ftByte, 1, nullptr, 0, "Opsirnost"},
};
const SSubFieldDef kFields196[] = {  // TelekomOperator
    {kFieldKey, ftShort, 2, nullptr, 0, "OperID"},
    {kFieldIndex, ftString, 26, nullptr, 0, "OperNaziv"},
};
const SSubFieldDef kFields197[] = {  // IzvoristeTarKat
    {kFieldKey, ftShort, 2, nullptr, 0, "IDIzvorTK"},
    {kFieldIndex, ftString, 26, nullptr, 0, "OpisIzvorTK"},
};
const SSubFieldDef kFields198[] = {  // KreditPretplatnika
    {kFieldKey, ftString, 9, nullptr, 0, "PtpBroj"},
    {0, ftDouble, 8, nullptr, 0, "Kredit"},
};
const SSubFieldDef kFields199[] = {  // ZatvorenaGrupa
    {kFieldKey, ftShort, 2, nullptr, 0, "IndeksZG"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "InterlokKod"},
};
const SSubFieldDef kFields200[] = {  // PripadnostZG
    {kFieldKey, ftShort, 2, nullptr, 0, "IndeksZG"},
    {kFieldKey, ftString, 9, nullptr, 0, "PtpBroj"},
    {0, ftByte, 1, nullptr, 0, "ZabranaPrijemaPoziva"},
    {0, ftByte, 1, nullptr, 0, "ZabranaPolaznihPoziva"},
};
const SSubFieldDef kFields201[] = {  // OpcijaZG
    {kFieldKey, ftString, 9, nullptr, 0, "PtpBroj"},
    {0, ftByte, 1, nullptr, 0, "DozvoljenUlaz"},
    {0, ftByte, 1, nullptr, 0, "DozvoljenIzlaz"},
    {0, ftByte, 1, nullptr, 0, "ImaPodrazumevanu"},
    {0, ftShort, 2, nullptr, 0, "IndeksPodrazumevaneZG"},
};
const SSubFieldDef kFields202[] = {  // RPI
    {kFieldKey, ftByte, 1, nullptr, 0, "KG"},
    {kFieldKey, ftByte, 1, nullptr, 0, "RPI"},
    {kFieldIndex, ftShort, 2, nullptr, 0, "idRPI"},
};
const SSubFieldDef kFields203[] = {  // UPP
    {kFieldKey, ftByte, 1, nullptr, 0, "KG"},
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOKX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "UPP"},
    {0, ftShort, 2, nullptr, 0, "Stanje"},
    {0, ftEnum, 1, kEnum_ZPP_Tip, int32_t(std::size(kEnum_ZPP_Tip)), "Tip"},
    {0, ftString, 5, nullptr, 0, "verzija"},
};
const SSubFieldDef kFields204[] = {  // BRIN
    {kFieldKey, ftByte, 1, nullptr, 0, "KG"},
    {kFieldKey, ftByte, 1, nullptr, 0, "KOOKX"},
    {kFieldKey, ftByte, 1, nullptr, 0, "UPP"},
    {kFieldKey, ftByte, 1, nullptr, 0, "ZIN"},
    {0, ftShort, 2, nullptr, 0, "Stanje"},
    {kFieldIndex, ftLong, 4, nullptr, 0, "LptPtp"},
};

}  // namespace

const STableDefinition kTableDefinitions[kTableNumberLimit] = {
    {nullptr, nullptr, 0, 0, nullptr},
    {"KOORX", "KOORXovi", 255, int16_t(std::size(kFields1)), kFields1},
    {"KOOR", "KOORovi", 255, int16_t(std::size(kFields2)), kFields2},
    {"RPZ", "RPZovi", 255, int16_t(std::size(kFields3)), kFields3},
    {"RPZradni", "RPZoviradni", 255, int16_t(std::size(kFields4)), kFields4},
    {"RPZrezervni", "RPZovirezervni", 255, int16_t(std::size(kFields5)), kFields5},
    {"DUS", "DUSovi", 255, int16_t(std::size(kFields6)), kFields6},
    {"RPD", "RPDovi", 255, int16_t(std::size(kFields7)), kFields7},
    {"RPDradni", "RPDoviradni", 255, int16_t(std::size(kFields8)), kFields8},
    {"RPDrezervni", "RPDovirezervni", 255, int16_t(std::size(kFields9)), kFields9},
    {"KOOKX", "KOOKXovi", 1000, int16_t(std::size(kFields10)), kFields10},
    {"RPK", "RPKovi", 1000, int16_t(std::size(kFields11)), kFields11},
    {"DTI", "DTIovi", 1000, int16_t(std::size(kFields12)), kFields12},
    {"DTMF", "DTMFovi", 2000, int16_t(std::size(kFields13)), kFields13},
    {"DCK", "DCKovi", 1000, int16_t(std::size(kFields14)), kFields14},
    {"ZPP", "ZPPovi", 2000, int16_t(std::size(kFields15)), kFields15},
    {"ZIN", "ZINovi", 10500, int16_t(std::size(kFields16)), kFields16},
    {"GSP", "GSPovi", 255, int16_t(std::size(kFields17)), kFields17},
    {"ILC", "ILCovi", 255, int16_t(std::size(kFields18)), kFields18},
    {"ILCradni", "ILCoviradni", 255, int16_t(std::size(kFields19)), kFields19},
    {"ILCrezervni", "ILCovirezervni", 255, int16_t(std::size(kFields20)), kFields20},
    {"PROK", "PROKovi", 10, int16_t(std::size(kFields21)), kFields21},
    {"RPP", "RPPovi", 100, int16_t(std::size(kFields22)), kFields22},
    {"RPPradni", "RPPoviradni", 100, int16_t(std::size(kFields23)), kFields23},
    {"RPPrezervni", "RPPovirezervni", 100, int16_t(std::size(kFields24)), kFields24},
    {"RPG", "RPGovi", 5, int16_t(std::size(kFields25)), kFields25},
    {"CGT", "CGTovi", 5, int16_t(std::size(kFields26)), kFields26},
    {"DCG", "DCGovi", 10, int16_t(std::size(kFields27)), kFields27},
    {"ZRP", "ZRPovi", 10, int16_t(std::size(kFields28)), kFields28},
    {"ZRPradni", "ZRPoviradni", 10, int16_t(std::size(kFields29)), kFields29},
    {"ZRPrezervni", "ZRPovirezervni", 10, int16_t(std::size(kFields30)), kFields30},
    {"DUSRPG", "DUSRPGovi", 255, int16_t(std::size(kFields31)), kFields31},
    {"DUSRPGradni", "DUSRPGoviradni", 255, int16_t(std::size(kFields32)), kFields32},
    {"DUSRPGrezervni", "DUSRPGovirezervni", 255, int16_t(std::size(kFields33)), kFields33},
    {"KOP", "KOPovi", 30, int16_t(std::size(kFields34)), kFields34},
    {"PRG", "PRGovi", 20, int16_t(std::size(kFields35)), kFields35},
    {"RP", "RPovi", 1000, int16_t(std::size(kFields36)), kFields36},
    {"OR", "ORovi", 255, int16_t(std::size(kFields37)), kFields37},
    {"AlarmniPanel", "AlarmniPaneli", 20, int16_t(std::size(kFields38)), kFields38},
    {"DUSKOOR", "DUSKOORovi", 255, int16_t(std::size(kFields39)), kFields39},
    {"DUSPROK", "DUSPROKovi", 3, int16_t(std::size(kFields40)), kFields40},
    {"GSLink", "GSLinkovi", 100, int16_t(std::size(kFields41)), kFields41},
    {"Ton", "Tonovi", 100, int16_t(std::size(kFields42)), kFields42},
    {"DSLink", "DSLinkovi", 100, int16_t(std::size(kFields43)), kFields43},
    {"KZLink", "KZLinkovi", 1000, int16_t(std::size(kFields44)), kFields44},
    {"KZkanal", "KZkanali", 10500, int16_t(std::size(kFields45)), kFields45},
    {"GZLink", "GZLinkovi", 100, int16_t(std::size(kFields46)), kFields46},
    {"GZkanal", "GZkanali", 20000, int16_t(std::size(kFields47)), kFields47},
    {"GZRPLink", "GZRPLinkovi", 10, int16_t(std::size(kFields48)), kFields48},
    {"GZRPkanal", "GZRPkanali", 9000, int16_t(std::size(kFields49)), kFields49},
    {"PZRPLink", "PZRPLinkovi", 100, int16_t(std::size(kFields50)), kFields50},
    {"PZRPkanal", "PZRPkanali", 9000, int16_t(std::size(kFields51)), kFields51},
    {"GPLink", "GPLinkovi", 100, int16_t(std::size(kFields52)), kFields52},
    {"GPkanal", "GPkanali", 9000, int16_t(std::size(kFields53)), kFields53},
    {"PCMLink", "PCMLinkovi", 800, int16_t(std::size(kFields54)), kFields54},
    {"PCMkanal", "PCMkanali", 9000, int16_t(std::size(kFields55)), kFields55},
    {"PPLink", "PPLinkovi", 800, int16_t(std::size(kFields56)), kFields56},
    {"PPkanal", "PPkanali", 9000, int16_t(std::size(kFields57)), kFields57},
    {"E1Interfejs", "E1Interfejsi", 800, int16_t(std::size(kFields58)), kFields58},
    {"PDLink", "PDLinkovi", 100, int16_t(std::size(kFields59)), kFields59},
    {"PDkanal", "PDkanali", 9000, int16_t(std::size(kFields60)), kFields60},
    {"DZLink", "DZLinkovi", 255, int16_t(std::size(kFields61)), kFields61},
    {"DZkanal", "DZkanali", 10500, int16_t(std::size(kFields62)), kFields62},
    {"KDLink", "KDLinkovi", 1000, int16_t(std::size(kFields63)), kFields63},
    {"KDkanal", "KDkanali", 10500, int16_t(std::size(kFields64)), kFields64},
    {"FMedjuveza", "FMedjuveze", 25000, int16_t(std::size(kFields65)), kFields65},
    {"Medjuveza", "Medjuveze", 20000, int16_t(std::size(kFields66)), kFields66},
    {"PripadnostMV", "PripadnostiMV", 20000, int16_t(std::size(kFields67)), kFields67},
    {"RutaMV", "RuteMV", 255, int16_t(std::size(kFields68)), kFields68},
    {"RutaMVKanal", "RuteMVKanali", 20000, int16_t(std::size(kFields69)), kFields69},
    {"MVUsmeravanje", "MVUsmeravanja", 255, int16_t(std::size(kFields70)), kFields70},
    {"DSP", "DSPovi", 1000, int16_t(std::size(kFields71)), kFields71},
    {"LptPtp", "LptPtpovi", 10500, int16_t(std::size(kFields72)), kFields72},
    {"LptPren", "LptPrenovi", 9000, int16_t(std::size(kFields73)), kFields73},
    {"Pretplatnik", "Pretplatnici", 10500, int16_t(std::size(kFields74)), kFields74},
    {"PBXserija", "PBXserije", 255, int16_t(std::size(kFields75)), kFields75},
    {"PBXkanal", "PBXkanali", 10500, int16_t(std::size(kFields76)), kFields76},
    {"Ruta", "Rute", 255, int16_t(std::size(kFields77)), kFields77},
    {"DolRuta", "DolRute", 255, int16_t(std::size(kFields78)), kFields78},
    {"OdlRuta", "OdlRute", 255, int16_t(std::size(kFields79)), kFields79},
    {"RutaKanal", "RuteKanali", 9000, int16_t(std::size(kFields80)), kFields80},
    {"BAstablo", "BAstabla", 255, int16_t(std::size(kFields81)), kFields81},
    {"BAnaliza", "BAnalize", 2000, int16_t(std::size(kFields82)), kFields82},
    {"ChargingOrigin", "ChargingOrigins", 100, int16_t(std::size(kFields83)), kFields83},
    {"ChargingDestination", "ChargingDestinations", 100, int16_t(std::size(kFields84)), kFields84},
    {"RutniSlucaj", "RutniSlucajevi", 255, int16_t(std::size(kFields85)), kFields85},
    {"AltRutniSlucaj", "AltRutniSlucajevi", 1000, int16_t(std::size(kFields86)), kFields86},
    {"SkraceniBroj", "SkraceniBrojevi", 1000, int16_t(std::size(kFields87)), kFields87},
    {"BrojZaPreusm", "BrojeviZaPreusm", 1000, int16_t(std::size(kFields88)), kFields88},
    {"PozivBezBiranja", "PoziviBezBiranja", 1000, int16_t(std::size(kFields89)), kFields89},
    {"PoslednjiBirani", "PoslednjiBrojevi", 1000, int16_t(std::size(kFields90)), kFields90},
    {"Sifra", "Sifre", 1000, int16_t(std::size(kFields91)), kFields91},
    {"Diskriminacija", "Diskriminacije", 255, int16_t(std::size(kFields92)), kFields92},
    {"PrefDiskr", "PrefsDiskr", 1000, int16_t(std::size(kFields93)), kFields93},
    {"GovornaMasina", "GovorneMasine", 100, int16_t(std::size(kFields94)), kFields94},
    {"TonskaGovMasxina", "TonskeGovMasxine", 100, int16_t(std::size(kFields95)), kFields95},
    {"KonfGovMasxina", "KonfGovMasxine", 100, int16_t(std::size(kFields96)), kFields96},
    {"GenerisanPoziv", "GenerisaniPozivi", 500, int16_t(std::size(kFields97)), kFields97},
    {"PGP", "PGPovi", 100, int16_t(std::size(kFields98)), kFields98},
    {"Izvrsavanje", "Izvrsavanja", 500, int16_t(std::size(kFields99)), kFields99},
    {"EOrigin", "EOrigins", 10, int16_t(std::size(kFields100)), kFields100},
    {"EndOfSelection", "EndsOfSelection", 2000, int16_t(std::size(kFields101)), kFields101},
    {"EOSpad", "EOSpadovi", 2000, int16_t(std::size(kFields102)), kFields102},
    {"EOSmodif", "EOSmodifikacije", 2000, int16_t(std::size(kFields103)), kFields103},
    {"EOSruta", "EOSrute", 2000, int16_t(std::size(kFields104)), kFields104},
    {"EOSRS", "EOSRSlucajevi", 2000, int16_t(std::size(kFields105)), kFields105},
    {"EOSNovi", "EOSNoviEOSovi", 2000, int16_t(std::size(kFields106)), kFields106},
    {"VKontrola", "VKontrole", 1000, int16_t(std::size(kFields107)), kFields107},
    {"Tarifa", "Tarife", 100, int16_t(std::size(kFields108)), kFields108},
    {"TarifniSlucaj", "TarifniSlucajevi", 100, int16_t(std::size(kFields109)), kFields109},
    {"TarABVeza", "TarABVeze", 1000, int16_t(std::size(kFields110)), kFields110},
    {"TarifnaKategorija", "TarifneKategorije", 10, int16_t(std::size(kFields111)), kFields111},
    {"TarifnaVeza", "TarifneVeze", 1000, int16_t(std::size(kFields112)), kFields112},
    {"KatDUG", "KatDUGovi", 50, int16_t(std::size(kFields113)), kFields113},
    {"KatDUS", "KatDUSovi", 50, int16_t(std::size(kFields114)), kFields114},
    {"KatDVI", "KatDVIovi", 10, int16_t(std::size(kFields115)), kFields115},
    {"KatSVI", "KatSVIovi", 20, int16_t(std::size(kFields116)), kFields116},
    {"KatGVI", "KatGVIovi", 50, int16_t(std::size(kFields117)), kFields117},
    {"TarifStore", "TarifStores", 4000, int16_t(std::size(kFields118)), kFields118},
    {"CallStore", "CallStores", 2000, int16_t(std::size(kFields119)), kFields119},
    {"StatDPT", "StatDPTovi", 25000, int16_t(std::size(kFields120)), kFields120},
    {"StatSlucaj", "StatSlucajevi", 10, int16_t(std::size(kFields121)), kFields121},
    {"StatOPT", "StatOPTovi", 25000, int16_t(std::size(kFields122)), kFields122},
    {"GrupaOperatera", "GrupeOperatera", 20, int16_t(std::size(kFields123)), kFields123},
    {"TipBekapa", "TipoviBekapa", 10, int16_t(std::size(kFields124)), kFields124},
    {"VremeAutomatskogBekapa", "VremenaAutomatskihBekapa", 100, int16_t(std::size(kFields125)), kFields125},
    {"TipPunjenja", "TipoviPunjenja", 20, int16_t(std::size(kFields126)), kFields126},
    {"ModifikacijaAtributa", "ModifikacijeAtributa", 300, int16_t(std::size(kFields127)), kFields127},
    {"Bekap", "Bekapi", 100, int16_t(std::size(kFields128)), kFields128},
    {"KonfBlok", "KonfBlokovi", 100, int16_t(std::size(kFields129)), kFields129},
    {"KonfVeza", "KonfVeze", 36, int16_t(std::size(kFields130)), kFields130},
    {"CallTracing", "CallTracings", 10, int16_t(std::size(kFields131)), kFields131},
    {"SlucajPracenja", "SlucajeviPracenja", 10, int16_t(std::size(kFields132)), kFields132},
    {"PratiDPT", "PratiDPTovi", 25000, int16_t(std::size(kFields133)), kFields133},
    {"PratiOPT", "PratiOPTovi", 25000, int16_t(std::size(kFields134)), kFields134},
    {"NadzorBlok", "NadzoriBlok", 255, int16_t(std::size(kFields135)), kFields135},
    {"NadzorBlokKG", "NadzoriBlokKG", 255, int16_t(std::size(kFields136)), kFields136},
    {"VremeRestarta", "VremenaRestarta", 10, int16_t(std::size(kFields137)), kFields137},
    {"ReferentniSmer", "ReferentniSmerovi", 10, int16_t(std::size(kFields138)), kFields138},
    {"AktRefSmer", "AktRefSmerovi", 10, int16_t(std::size(kFields139)), kFields139},
    {"SigKanal", "SigKanali", 255, int16_t(std::size(kFields140)), kFields140},
    {"UsmSigRuta", "UsmSigRute", 4000, int16_t(std::size(kFields141)), kFields141},
    {"Usmeravanje", "Usmeravanja", 255, int16_t(std::size(kFields142)), kFields142},
    {"No7Kanal", "No7Kanali", 9000, int16_t(std::size(kFields143)), kFields143},
    {"StanjeNo7", "StanjaNo7", 9000, int16_t(std::size(kFields144)), kFields144},
    {"CGCStore", "CGCStores", 256, int16_t(std::size(kFields145)), kFields145},
    {"NadzorNo7PT", "NadzoriNo7PT", 10, int16_t(std::size(kFields146)), kFields146},
    {"NadzorSPC", "NadzoriSPC", 10, int16_t(std::size(kFields147)), kFields147},
    {"BrojZaPreusmZauz", "BrojeviZaPreusmZauz", 1000, int16_t(std::size(kFields148)), kFields148},
    {"TipOdlaznogPoziva", "TipoviOdlaznogPoziva", 10, int16_t(std::size(kFields149)), kFields149},
    {"TipDolaznogPoziva", "TipoviDolaznogPoziva", 10, int16_t(std::size(kFields150)), kFields150},
    {"BiranjePretplatnika", "BiranjaPretplatnika", 10500, int16_t(std::size(kFields151)), kFields151},
    {"ParametarAlarmaLinka", "ParametriAlarmaLinka", 800, int16_t(std::size(kFields152)), kFields152},
    {"TipAkcije", "TipoviAkcija", 20, int16_t(std::size(kFields153)), kFields153},
    {"AkcijaPoTipu", "AkcijePoTipovima", 1000, int16_t(std::size(kFields154)), kFields154},
    {"SigTacka", "SigTacke", 255, int16_t(std::size(kFields155)), kFields155},
    {"SignalnaRuta", "SignalneRute", 255, int16_t(std::size(kFields156)), kFields156},
    {"NadzorNo7Kanala", "NadzoriNo7Kanala", 10, int16_t(std::size(kFields157)), kFields157},
    {"NadzorMTPSPC", "NadzoriMTPSPC", 10, int16_t(std::size(kFields158)), kFields158},
    {"RemoteDPC", "RemoteDPCovi", 255, int16_t(std::size(kFields159)), kFields159},
    {"MySSN", "MySSNovi", 20, int16_t(std::size(kFields160)), kFields160},
    {"RemoteSSN", "RemoteSSNovi", 2000, int16_t(std::size(kFields161)), kFields161},
    {"SCCPSegment", "SCCPSegments", 1000, int16_t(std::size(kFields162)), kFields162},
    {"RemoteOPC", "RemoteOPCovi", 255, int16_t(std::size(kFields163)), kFields163},
    {"GTTranslation", "GTTranslations", 2000, int16_t(std::size(kFields164)), kFields164},
    {"GTtoSSN", "GTtoSSNovi", 2000, int16_t(std::size(kFields165)), kFields165},
    {"KELMUser", "KELMUsers", 100, int16_t(std::size(kFields166)), kFields166},
    {"ChainMV", "ChainsMV", 2000, int16_t(std::size(kFields167)), kFields167},
    {"Plovk", "Plovki", 255, int16_t(std::size(kFields168)), kFields168},
    {"PolustalnaVeza", "PolustalneVeze", 9000, int16_t(std::size(kFields169)), kFields169},
    {"LoopLptPtp", "LoopLptPtpovi", 1000, int16_t(std::size(kFields170)), kFields170},
    {"DefinicijaAlarma", "DefinicijeAlarma", 1000, int16_t(std::size(kFields171)), kFields171},
    {"ListaAlarma", "ListeAlarma", 1000, int16_t(std::size(kFields172)), kFields172},
    {"KlasaAlarma", "KlaseAlarma", 100, int16_t(std::size(kFields173)), kFields173},
    {"AlarmUKlasi", "AlarmiUKlasama", 1000, int16_t(std::size(kFields174)), kFields174},
    {"StanjaCGT", "StanjaCGTova", 5, int16_t(std::size(kFields175)), kFields175},
    {"ChannHop", "ChannHops", 100, int16_t(std::size(kFields176)), kFields176},
    {"CsTsVeza", "CsTsVeze", 4000, int16_t(std::size(kFields177)), kFields177},
    {"OpstaOpcija", "OpsteOpcije", 200, int16_t(std::size(kFields178)), kFields178},
    {"TarifniBrojac", "TarifniBrojaci", 10500, int16_t(std::size(kFields179)), kFields179},
    {"VrstaZvonjenja", "VrsteZvonjenja", 16, int16_t(std::size(kFields180)), kFields180},
    {"MSNBroj", "MSNBrojevi", 1000, int16_t(std::size(kFields181)), kFields181},
    {"PACodp", "PACoviodp", 1000, int16_t(std::size(kFields182)), kFields182},
    {"Operater", "Operateri", 255, int16_t(std::size(kFields183)), kFields183},
    {"BrojTarifnogBrojaca", "BrojeviTarifnihBrojaca", 10, int16_t(std::size(kFields184)), kFields184},
    {"PACov", "PACovi", 8, int16_t(std::size(kFields185)), kFields185},
    {"SadrzajPACov", "SadrzajPACova", 1000, int16_t(std::size(kFields186)), kFields186},
    {"PrijavaNedostupneSPC", "PrijaveNedostupnihSPC", 4000, int16_t(std::size(kFields187)), kFields187},
    {"BrojZaPreusmNejav", "BrojeviZaPreusmNejav", 1000, int16_t(std::size(kFields188)), kFields188},
    {"ProgramDana", "ProgramiDana", 10, int16_t(std::size(kFields189)), kFields189},
    {"Preusmeravanje", "Preusmeravanja", 255, int16_t(std::size(kFields190)), kFields190},
    {"PRINKG", "PRINKGovi", 100, int16_t(std::size(kFields191)), kFields191},
    {"PRIN", "PRINovi", 100, int16_t(std::size(kFields192)), kFields192},
    {"ISDNstanjaOBPO", "ISDNstanjaOBPOovi", 10500, int16_t(std::size(kFields193)), kFields193},
    {"ZabrPrefiksPoKateg", "ZabrPrefiksiPoKateg", 50, int16_t(std::size(kFields194)), kFields194},
    {"NadzorDSS1", "NadzoriDSS1", 10, int16_t(std::size(kFields195)), kFields195},
    {"TelekomOperator", "TelekomOperatori", 255, int16_t(std::size(kFields196)), kFields196},
    {"IzvoristeTarKat", "IzvoristaTarKat", 100, int16_t(std::size(kFields197)), kFields197},
    {"KreditPretplatnika", "KreditiPretplatnika", 10500, int16_t(std::size(kFields198)), kFields198},
    {"ZatvorenaGrupa", "ZatvoreneGrupe", 50, int16_t(std::size(kFields199)), kFields199},
    {"PripadnostZG", "PripadnostiZG", 50, int16_t(std::size(kFields200)), kFields200},
    {"OpcijaZG", "OpcijeZG", 50, int16_t(std::size(kFields201)), kFields201},
    {"RPI", "RPIovi", 1000, int16_t(std::size(kFields202)), kFields202},
    {"UPP", "UPPovi", 2000, int16_t(std::size(kFields203)), kFields203},
    {"BRIN", "BRINovi", 10500, int16_t(std::size(kFields204)), kFields204},
};
// clang-format on
