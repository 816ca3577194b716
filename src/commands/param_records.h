#pragma once

#include <cstdint>

// Parameter records of the commands whose fields code reads by name: the
// checks, the workstation routines and the subscriber-indicator dialog. Each
// is packed exactly as its field rows say: no gaps, numbers in host order,
// which is little-endian like the exchange's. Other commands' records are
// handled as bytes through their field rows.

#pragma pack(push, 1)

struct SParamsKonfigOR {  // 5001
    uint16_t TipORa;
    uint8_t  BrojORa;
};
static_assert(sizeof(SParamsKonfigOR) == 3, "packed record size");

struct SParamsKonfigORserver {  // 5002
    char OR1IP[16];
    char OR2IP[16];
    char OR3IP[16];
    char OR4IP[16];
    char OR5IP[16];
    char OR6IP[16];
    char OR7IP[16];
};
static_assert(sizeof(SParamsKonfigORserver) == 112, "packed record size");

struct SParamsKonfigORklijent {  // 5003
    char IPserv[16];
};
static_assert(sizeof(SParamsKonfigORklijent) == 16, "packed record size");

struct SParamsActMMLKomanda {  // 5004
    char sKomanda[61];
};
static_assert(sizeof(SParamsActMMLKomanda) == 61, "packed record size");

struct SParamsActMMLSkript {  // 5005
    char sImeDatoteke[61];
};
static_assert(sizeof(SParamsActMMLSkript) == 61, "packed record size");

struct SParamsStatistikaKOPa {  // 5008
    int16_t eDomacinKOPa;
    uint8_t byBrojKOPa;
};
static_assert(sizeof(SParamsStatistikaKOPa) == 3, "packed record size");

struct SParamsOkPracenjeTabele {  // 5018
    int16_t eNacxinIzbora;
    char    Tabela[31];
    int32_t eTabela;
    int16_t ptPracenje;
};
static_assert(sizeof(SParamsOkPracenjeTabele) == 39, "packed record size");

struct SParamsOkPracenjeGrupeTabela {  // 5019
    int32_t eGrupaTabela;
    int16_t ptPracenje;
};
static_assert(sizeof(SParamsOkPracenjeGrupeTabela) == 6, "packed record size");

struct SParamsOkPregledTabeleOR {  // 5020
    int16_t eNacxinIzbora;
    char    Tabela[31];
    int32_t eTabela;
};
static_assert(sizeof(SParamsOkPregledTabeleOR) == 37, "packed record size");

struct SParamsOkIspisSvihAlarma {  // 5024
    int16_t OpcijeIspisaAlarma;
    int16_t SortiranjeAlarma;
    int16_t KriterijumiIspisaAlarma;
    int32_t eKlaseAlarmaCB;
    int16_t ZadavanjeNivoaKriterijumi;
};
static_assert(sizeof(SParamsOkIspisSvihAlarma) == 12, "packed record size");

struct SParamsOkPodesavanjeALP {  // 5032
    int16_t AlpPostoji;
    int32_t Verzija;
    int32_t Port;
    int32_t Brzina;
};
static_assert(sizeof(SParamsOkPodesavanjeALP) == 14, "packed record size");

struct SParamsOkPromenaVremena {  // 5043
    uint8_t byPromenaCas;
    uint8_t byPromenaMinut;
    uint8_t byPromenaSekunda;
};
static_assert(sizeof(SParamsOkPromenaVremena) == 3, "packed record size");

struct SParamsOkPromenaVremeDatum {  // 5044
    uint8_t byPromenaVDCas;
    uint8_t byPromenaVDMinut;
    uint8_t byPromenaVDSekunda;
    uint8_t byPromenaVDDana;
    uint8_t byPromenaVDMeseca;
    int16_t hPromenaVDGodine;
};
static_assert(sizeof(SParamsOkPromenaVremeDatum) == 7, "packed record size");

struct SParamsOkVKIspisSvih {  // 5045
    int16_t OpcijeIspisaVK;
    int16_t SortiranjeIspisaVKSve;
    int16_t KriterijumiIspisaVK;
    int32_t eVremenskaKontrolaCB;
    char    sTrajanjeVK[10];
};
static_assert(sizeof(SParamsOkVKIspisSvih) == 20, "packed record size");

struct SParamsOkVKJednaIspis {  // 5046
    int16_t hTipVKIspisJedne;
};
static_assert(sizeof(SParamsOkVKJednaIspis) == 2, "packed record size");

struct SParamsOkZamenaRPPrograma {  // 5088
    int16_t CP;
    uint8_t Program;
};
static_assert(sizeof(SParamsOkZamenaRPPrograma) == 3, "packed record size");

struct SParamsOkPromenaZadTemp {  // 5096
    int16_t NajnizaTemp;
    int16_t NajvisaTemp;
};
static_assert(sizeof(SParamsOkPromenaZadTemp) == 4, "packed record size");

struct SParamsBMDStart {  // 5113
    uint8_t KG;
    uint8_t BrojDTMF;
    int16_t Period;
};
static_assert(sizeof(SParamsBMDStart) == 4, "packed record size");

struct SParamsBMDSStart {  // 5115
    uint8_t KG;
    int16_t Period;
};
static_assert(sizeof(SParamsBMDSStart) == 3, "packed record size");

struct SParamsOkUnosTipaPoziva {  // 5129
    uint8_t BrojTipaPoziva;
    int16_t BHCA;
    double  Saobracaj;
};
static_assert(sizeof(SParamsOkUnosTipaPoziva) == 11, "packed record size");

struct SParamsBlokPoPtpFajl {  // 5169
    char    sPtpFajl[31];
    int16_t PotvrdiBlok;
};
static_assert(sizeof(SParamsBlokPoPtpFajl) == 33, "packed record size");

struct SParamsDeblokPoPtpFajl {  // 5170
    char    sPtpFajl[31];
    int16_t PotvrdiDeblok;
};
static_assert(sizeof(SParamsDeblokPoPtpFajl) == 33, "packed record size");

struct SParamsOkNadzorStanjaPoziva {  // 5192
    int16_t eVrstaUnosa;
    int32_t lPretplatnik;
    uint8_t bBKanal;
};
static_assert(sizeof(SParamsOkNadzorStanjaPoziva) == 7, "packed record size");

struct SParamsOkDodOgrPolazPozivaBezSifre {  // 5221
    char    sPretplatnik[9];
    uint8_t brPAC;
};
static_assert(sizeof(SParamsOkDodOgrPolazPozivaBezSifre) == 10, "packed record size");

struct SParamsUnosPtpSifre {  // 5241
    char sPretplatnik[9];
    char sSifra[5];
};
static_assert(sizeof(SParamsUnosPtpSifre) == 14, "packed record size");

using SParamsPromenaPtpSifre = SParamsUnosPtpSifre;  // 5242, same fields

struct SParamsPregledNPPCa {  // 5263
    int16_t eVrstaUnosa;
    char    sNPPC[26];
};
static_assert(sizeof(SParamsPregledNPPCa) == 28, "packed record size");

struct SParamsUvodjenjeNPPCa {  // 5264
    char    sIme[26];
    char    sVodeci[9];
    int32_t lLptPtp;
    int16_t eSmer;
    int16_t eTarifiranje;
    int16_t eNacinZauz;
};
static_assert(sizeof(SParamsUvodjenjeNPPCa) == 45, "packed record size");

struct SParamsDodavanjeNPPClinije {  // 5265
    int16_t eVrstaUnosa;
    char    sNPPC[26];
    char    sBroj[9];
    int32_t lLptPtp;
    int16_t eSmer;
};
static_assert(sizeof(SParamsDodavanjeNPPClinije) == 43, "packed record size");

struct SParamsPromenaNPPCa {  // 5267
    int16_t eVrstaUnosa;
    char    sNPPC[26];
    int16_t eTarifiranje;
    int16_t eNacinZauz;
};
static_assert(sizeof(SParamsPromenaNPPCa) == 32, "packed record size");

using SParamsBrisanjeNPPCa = SParamsPregledNPPCa;  // 5268, same fields

struct SParamsEksportTarifnihBrojaca {  // 5272
    int16_t Format;
};
static_assert(sizeof(SParamsEksportTarifnihBrojaca) == 2, "packed record size");

struct SParamsOperZadavanjePrenTT {  // 5273
    int16_t bSviDatumi;
    uint8_t byDanPoc;
    uint8_t byMesPoc;
    int16_t hGodPoc;
    uint8_t byDanKraj;
    uint8_t byMesKraj;
    int16_t hGodKraj;
};
static_assert(sizeof(SParamsOperZadavanjePrenTT) == 10, "packed record size");

struct SParamsOperIzvestajTT {  // 5276
    char    sPretplatnik[9];
    char    sBiraniBroj[23];
    char    sABroj[12];
    char    sOdDatuma[10];
    char    sDoDatuma[10];
    char    sBrImpulsa[12];
    int16_t VrstaIzvestaja;
    int16_t bOdseciVisak;
    int16_t bStampajCenu;
};
static_assert(sizeof(SParamsOperIzvestajTT) == 82, "packed record size");

struct SParamsMinOperIzvestajTT {  // 5277
    char    sPretplatnik[9];
    char    sBiraniBroj[23];
    char    sABroj[12];
    char    sOdDatuma[10];
    char    sDoDatuma[10];
    char    sBrImpulsa[12];
    int16_t VrstaIzvestaja;
    int16_t bOdseciVisak;
};
static_assert(sizeof(SParamsMinOperIzvestajTT) == 80, "packed record size");

struct SParamsOkUnosNumeracije {  // 5282
    uint8_t Duzina;
    char    Prefiks[9];
};
static_assert(sizeof(SParamsOkUnosNumeracije) == 10, "packed record size");

using SParamsOkBrisanjeNumeracije = SParamsOkUnosNumeracije;  // 5283, same fields

struct SParamsOkDodajPrefiksPACTab {  // 5291
    uint8_t brPACTab;
    char    sPrefiks[7];
    uint8_t brCifara;
};
static_assert(sizeof(SParamsOkDodajPrefiksPACTab) == 9, "packed record size");

struct SParamsOkOcitavanjeKanalaSPC {  // 5303
    int16_t SPC;
};
static_assert(sizeof(SParamsOkOcitavanjeKanalaSPC) == 2, "packed record size");

struct SParamsOkNo7SimpleParametri {  // 5309
    int16_t SPC;
    int16_t VerzijaNo7;
};
static_assert(sizeof(SParamsOkNo7SimpleParametri) == 4, "packed record size");

struct SParamsOkNo7Parametri {  // 5310
    int16_t VerzijaNo7;
    int16_t SPC;
    int16_t ZadatPrviCIC;
    int16_t PrviCIC;
    int16_t OpcijaCIC;
    int16_t Kontrola;
};
static_assert(sizeof(SParamsOkNo7Parametri) == 12, "packed record size");

struct SParamsOkUnosNBlok {  // 5321
    char    Ruta[11];
    uint8_t Procenat;
};
static_assert(sizeof(SParamsOkUnosNBlok) == 12, "packed record size");

using SParamsOkPromProc = SParamsOkUnosNBlok;  // 5322, same fields

struct SParamsOkUnosSigTacke {  // 5381
    int16_t SPC;
    char    Naziv[41];
    int16_t OpcijeIspisaST;
};
static_assert(sizeof(SParamsOkUnosSigTacke) == 45, "packed record size");

using SParamsOkBrisanjeSigTacke = SParamsOkOcitavanjeKanalaSPC;  // 5383, same fields

using SParamsOkOcitUsmeravanja = SParamsOkOcitavanjeKanalaSPC;  // 5384, same fields

struct SParamsOkUsmSigTackeNaRutu {  // 5385
    int16_t SPC;
    char    SigRuta[41];
    int16_t ZadatPrioritet;
    uint8_t Prioritet;
};
static_assert(sizeof(SParamsOkUsmSigTackeNaRutu) == 46, "packed record size");

struct SParamsOkKrajUsmSigTackeNaRutu {  // 5386
    int16_t SPC;
    uint8_t Prioritet;
};
static_assert(sizeof(SParamsOkKrajUsmSigTackeNaRutu) == 3, "packed record size");

struct SParamsOkUvodjenjeSS7Veze {  // 5389
    char    sE1linkovi[41];
    int16_t hSigTacka;
    char    sigRuta[41];
};
static_assert(sizeof(SParamsOkUvodjenjeSS7Veze) == 84, "packed record size");

struct SParamsOkBrisanjeDPC {  // 5397
    int16_t hDPC;
};
static_assert(sizeof(SParamsOkBrisanjeDPC) == 2, "packed record size");

struct SParamsOkBrisanjeOPC {  // 5400
    int16_t hOPC;
    int32_t NumPlan;
};
static_assert(sizeof(SParamsOkBrisanjeOPC) == 6, "packed record size");

struct SParamsOkBrisanjeSCCPKor {  // 5404
    int32_t KELMUser;
    int32_t NumPlan;
};
static_assert(sizeof(SParamsOkBrisanjeSCCPKor) == 8, "packed record size");

struct SParamsOkUnosGT {  // 5407
    int32_t NumPlan;
    uint8_t byTOrigin;
    char    sPrefiks[23];
    uint8_t byCut;
    char    sConCat[7];
    int32_t NewNumPlan;
    int16_t NewAction;
    int16_t NewActionData;
};
static_assert(sizeof(SParamsOkUnosGT) == 44, "packed record size");

struct SParamsOkBrisanjeGT {  // 5408
    int32_t NumPlan;
    uint8_t byTOrigin;
    char    sPrefiksGT[23];
};
static_assert(sizeof(SParamsOkBrisanjeGT) == 28, "packed record size");

using SParamsOkPromenaGT = SParamsOkUnosGT;  // 5409, same fields

struct SParamsOkUnosGTtoSSN {  // 5411
    int32_t NumPlan;
    uint8_t byTOrigin;
    char    sPrefiks[23];
    int32_t Podsistem;
    int16_t hDPC;
};
static_assert(sizeof(SParamsOkUnosGTtoSSN) == 34, "packed record size");

struct SParamsOkBrisanjeMySSN {  // 5416
    int32_t Podsistem;
};
static_assert(sizeof(SParamsOkBrisanjeMySSN) == 4, "packed record size");

struct SParamsOkDodavanjeStablaBAnalize {  // 5425
    uint8_t brStabla;
    char    sImeStabla[26];
    int16_t bKopiranje;
    uint8_t brOriginalnoStablo;
};
static_assert(sizeof(SParamsOkDodavanjeStablaBAnalize) == 30, "packed record size");

struct SParamsOkDodavanjePrefiksaBAnalize {  // 5427
    uint8_t brStabla;
    char    sPrefiks[9];
    uint8_t brDiskriminacije;
    uint8_t brSeci;
    char    sLepi[9];
    uint8_t brMinCifara;
    uint8_t brMaxCifara;
    int16_t eUsmeriNa;
    uint8_t brRutniSlucaj;
    int32_t eSpecUsluga;
    uint8_t brTarifnoOdrediste;
    uint8_t brSaobracajnoOdrediste;
    int16_t opcije;
};
static_assert(sizeof(SParamsOkDodavanjePrefiksaBAnalize) == 34, "packed record size");

using SParamsOkPromenaPrefiksaBAnalize = SParamsOkDodavanjePrefiksaBAnalize;  // 5429, same fields

struct SParamsOkBrisanjeDiskriminacije {  // 5434
    uint8_t brDiskriminacije;
    int16_t opcije;
};
static_assert(sizeof(SParamsOkBrisanjeDiskriminacije) == 3, "packed record size");

struct SParamsOkDodajPrefiksDiskr {  // 5435
    uint8_t brDiskriminacije;
    char    sPrefiks[7];
    uint8_t brCifara;
};
static_assert(sizeof(SParamsOkDodajPrefiksDiskr) == 9, "packed record size");

struct SParamsOkPostStopaSkip {  // 5444
    int16_t StopaUspeh;
    int16_t StopaNeuspeh;
};
static_assert(sizeof(SParamsOkPostStopaSkip) == 4, "packed record size");

struct SParamsOkParametriRS {  // 5445
    uint8_t Seci;
    char    Lepi[9];
    int16_t VremenskiZavisno;
    uint8_t SatPoc;
    uint8_t MinutPoc;
    uint8_t SatKraj;
    uint8_t MinutKraj;
    int16_t MinSkipPromil;
    int16_t MaxSkipPromil;
    int16_t Usmeravanje;
    char    Parametar[9];
    int32_t specUsluga;
    uint8_t Zauzima;
    uint8_t Salje;
    uint8_t PrvaPoslata;
    int16_t PrirodaAdrese;
};
static_assert(sizeof(SParamsOkParametriRS) == 40, "packed record size");

struct SParamsOkBrisEOS {  // 5447
    uint8_t EOrigin;
};
static_assert(sizeof(SParamsOkBrisEOS) == 1, "packed record size");

struct SParamsOkPregUsmNaRutu {  // 5451
    char sImeRute[9];
};
static_assert(sizeof(SParamsOkPregUsmNaRutu) == 9, "packed record size");

struct SParamsOkBrisanjeTarSlucaja {  // 5464
    int16_t TarifniSlucaj;
};
static_assert(sizeof(SParamsOkBrisanjeTarSlucaja) == 2, "packed record size");

struct SParamsOkBrisanjeTarifneKategorije {  // 5473
    int16_t TarifnaKategorija;
};
static_assert(sizeof(SParamsOkBrisanjeTarifneKategorije) == 2, "packed record size");

struct SParamsOkDodavanjeTB {  // 5492
    char Brojac[41];
};
static_assert(sizeof(SParamsOkDodavanjeTB) == 41, "packed record size");

struct SParamsOkAPKV_UnosParam {  // 5525
    char    Broj[17];
    uint8_t EOSOrigin;
    uint8_t COrigin;
    uint8_t BOrigin;
    int32_t Kategorija;
    uint8_t Vreme;
};
static_assert(sizeof(SParamsOkAPKV_UnosParam) == 25, "packed record size");

struct SParamsOkRusiGrupuPT {  // 5529
    int32_t PrikTackaOd;
    int32_t PrikTackaDo;
    int16_t TipPT;
};
static_assert(sizeof(SParamsOkRusiGrupuPT) == 10, "packed record size");

struct SParamsStartStat {  // 5561
    uint8_t StatSlucaj;
    uint8_t PocS;
    uint8_t PocM;
    int16_t Trajanje;
};
static_assert(sizeof(SParamsStartStat) == 5, "packed record size");

struct SParamsStatBris {  // 5569
    uint8_t StatSlucaj;
};
static_assert(sizeof(SParamsStatBris) == 1, "packed record size");

struct SParamsStatPregled {  // 5570
    uint8_t StatSlucaj;
    uint8_t PocS;
    uint8_t PocM;
    uint8_t KrajS;
    uint8_t KrajM;
};
static_assert(sizeof(SParamsStatPregled) == 5, "packed record size");

using SParamsStatReduced = SParamsStatPregled;  // 5571, same fields

using SParamsStatVrsteSaob = SParamsStatBris;  // 5573, same fields

using SParamsStatUspehVeze = SParamsStatBris;  // 5574, same fields

struct SParamsStatUspehRuta {  // 5575
    uint8_t StatSlucaj;
    int16_t surSmer;
};
static_assert(sizeof(SParamsStatUspehRuta) == 3, "packed record size");

struct SParamsOkPromenaLozinke {  // 5578
    char ImeOperatera[21];
    char Lozinka[11];
    char NovaLozinka[11];
    char PotvrdaLozinke[11];
};
static_assert(sizeof(SParamsOkPromenaLozinke) == 54, "packed record size");

struct SParamsOkDodajOperatera {  // 5579
    char ImeOperatera[21];
    char ImeGrupe[21];
};
static_assert(sizeof(SParamsOkDodajOperatera) == 42, "packed record size");

struct SParamsOkDodajGrupu {  // 5589
    char ImeGrupe[21];
    char OsnovnaGrupa[21];
};
static_assert(sizeof(SParamsOkDodajGrupu) == 42, "packed record size");

#pragma pack(pop)
