#pragma once

#include <cstdint>

#include "commands/param_records.h"

// The checks of the commands that look at their filled parameter record
// before it goes further. Each returns null when the record is accepted, or
// the constant refusal text of the first test that fails (from the command
// table). The confirming checks ask the operator through confirmDeletion()
// (the answer "no" preselected), which answers yes at once while a command
// runs from MML text.

const char* checkKonfigOR(const SParamsKonfigOR* p);                                        // 5001
const char* checkOkPracenjeTabele(const SParamsOkPracenjeTabele* p);                        // 5018
const char* checkOkPregledTabeleOR(const SParamsOkPregledTabeleOR* p);                      // 5020
const char* checkOkIspisSvihAlarma(const SParamsOkIspisSvihAlarma* p);                      // 5024
const char* checkOkPromenaVremena(const SParamsOkPromenaVremena* p);                        // 5043
const char* checkOkPromenaVremeDatum(const SParamsOkPromenaVremeDatum* p);                  // 5044
const char* checkOkVKIspisSvih(const SParamsOkVKIspisSvih* p);                              // 5045
const char* checkOkVKJednaIspis(const SParamsOkVKJednaIspis* p);                            // 5046
const char* checkOkPromenaZadTemp(const SParamsOkPromenaZadTemp* p);                        // 5096
const char* checkBMDStart(const SParamsBMDStart* p);                                        // 5113
const char* checkBMDSStart(const SParamsBMDSStart* p);                                      // 5115
const char* checkOkUnosTipaPoziva(const SParamsOkUnosTipaPoziva* p);                        // 5129
const char* checkOkNadzorStanjaPoziva(const SParamsOkNadzorStanjaPoziva* p);                // 5192
const char* checkUnosPtpSifre(const SParamsUnosPtpSifre* p);                                // 5241
const char* checkPromenaPtpSifre(const SParamsPromenaPtpSifre* p);                          // 5242
const char* checkPregledNPPCa(const SParamsPregledNPPCa* p);                                // 5263
const char* checkUvodjenjeNPPCa(const SParamsUvodjenjeNPPCa* p);                            // 5264
const char* checkDodavanjeNPPClinije(const SParamsDodavanjeNPPClinije* p);                  // 5265
const char* checkPromenaNPPCa(const SParamsPromenaNPPCa* p);                                // 5267
const char* checkBrisanjeNPPCa(const SParamsBrisanjeNPPCa* p);                              // 5268
const char* checkOkUnosNumeracije(const SParamsOkUnosNumeracije* p);                        // 5282
const char* checkOkBrisanjeNumeracije(const SParamsOkBrisanjeNumeracije* p);                // 5283
const char* checkOkDodajPrefiksPACTab(const SParamsOkDodajPrefiksPACTab* p);                // 5291
const char* checkOkOcitavanjeKanalaSPC(const SParamsOkOcitavanjeKanalaSPC* p);              // 5303
const char* checkOkNo7SimpleParametri(const SParamsOkNo7SimpleParametri* p);                // 5309
const char* checkOkNo7Parametri(const SParamsOkNo7Parametri* p);                            // 5310
const char* checkOkUnosNBlok(const SParamsOkUnosNBlok* p);                                  // 5321
const char* checkOkPromProc(const SParamsOkPromProc* p);                                    // 5322
const char* checkOkUnosSigTacke(const SParamsOkUnosSigTacke* p);                            // 5381
const char* checkOkBrisanjeSigTacke(const SParamsOkBrisanjeSigTacke* p);                    // 5383
const char* checkOkOcitUsmeravanja(const SParamsOkOcitUsmeravanja* p);                      // 5384
const char* checkOkUsmSigTackeNaRutu(const SParamsOkUsmSigTackeNaRutu* p);                  // 5385
const char* checkOkKrajUsmSigTackeNaRutu(const SParamsOkKrajUsmSigTackeNaRutu* p);          // 5386
const char* checkOkUvodjenjeSS7Veze(const SParamsOkUvodjenjeSS7Veze* p);                    // 5389
const char* checkOkBrisanjeDPC(const SParamsOkBrisanjeDPC* p);                              // 5397
const char* checkOkBrisanjeOPC(const SParamsOkBrisanjeOPC* p);                              // 5400
const char* checkOkBrisanjeSCCPKor(const SParamsOkBrisanjeSCCPKor* p);                      // 5404
const char* checkOkUnosGT(const SParamsOkUnosGT* p);                                        // 5407
const char* checkOkBrisanjeGT(const SParamsOkBrisanjeGT* p);                                // 5408
const char* checkOkPromenaGT(const SParamsOkPromenaGT* p);                                  // 5409
const char* checkOkUnosGTtoSSN(const SParamsOkUnosGTtoSSN* p);                              // 5411
const char* checkOkBrisanjeMySSN(const SParamsOkBrisanjeMySSN* p);                          // 5416
const char* checkOkDodavanjeStablaBAnalize(const SParamsOkDodavanjeStablaBAnalize* p);      // 5425
const char* checkOkDodavanjePrefiksaBAnalize(const SParamsOkDodavanjePrefiksaBAnalize* p);  // 5427
const char* checkOkPromenaPrefiksaBAnalize(const SParamsOkPromenaPrefiksaBAnalize* p);      // 5429
const char* checkOkBrisanjeDiskriminacije(const SParamsOkBrisanjeDiskriminacije* p);        // 5434
const char* checkOkDodajPrefiksDiskr(const SParamsOkDodajPrefiksDiskr* p);                  // 5435
const char* checkOkPostStopaSkip(const SParamsOkPostStopaSkip* p);                          // 5444
const char* checkOkParametriRS(const SParamsOkParametriRS* p);                              // 5445
const char* checkOkBrisEOS(const SParamsOkBrisEOS* p);                                      // 5447
const char* checkOkPregUsmNaRutu(const SParamsOkPregUsmNaRutu* p);                          // 5451
const char* checkOkBrisanjeTarSlucaja(const SParamsOkBrisanjeTarSlucaja* p);                // 5464
const char* checkOkBrisanjeTarifneKategorije(const SParamsOkBrisanjeTarifneKategorije* p);  // 5473
const char* checkOkDodavanjeTB(const SParamsOkDodavanjeTB* p);                              // 5492
const char* checkOkAPKV_UnosParam(const SParamsOkAPKV_UnosParam* p);                        // 5525
const char* checkOkRusiGrupuPT(const SParamsOkRusiGrupuPT* p);                              // 5529
const char* checkStartStat(const SParamsStartStat* p);                                      // 5561
const char* checkStatPregled(const SParamsStatPregled* p);                                  // 5570
const char* checkStatReduced(const SParamsStatReduced* p);                                  // 5571
const char* checkOkPromenaLozinke(const SParamsOkPromenaLozinke* p);                        // 5578
const char* checkOkDodajOperatera(const SParamsOkDodajOperatera* p);                        // 5579
const char* checkOkDodajGrupu(const SParamsOkDodajGrupu* p);                                // 5589

// A check over the raw bytes of a record (the command's recordSize bytes).
using RecordCheck = const char* (*)(const uint8_t* record);

// The check of a command id; null for a command without one.
RecordCheck findRecordCheck(int32_t command);

// Bytes of the parameter record the check of a command reads; 0 without one.
uint8_t checkedRecordSize(int32_t command);
