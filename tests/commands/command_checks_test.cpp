#include <cstddef>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/checks/command_checks.h"
#include "commands/command_hooks.h"
#include "commands/command_table.h"
#include "commands/param_records.h"
#include "texts/text_catalogue.h"
#include "peer/recording_boxes.h"
#include "utils/message_box.h"

namespace {

const char* const kAccepted = "(accepted)";

// One record put to a command's check and the refusal it must get: the index
// of the command's refusal text in test order, or -1 when it passes.
struct CheckCase {
    int32_t command;
    std::string what;
    std::vector<uint8_t> record;
    int refusal;
};

template <class Record, class Fill>
CheckCase make(int32_t command, const char* what, int refusal, Fill fill) {
    Record record;
    std::memset(&record, 0, sizeof record);
    fill(record);
    std::vector<uint8_t> bytes(sizeof record);
    std::memcpy(bytes.data(), &record, sizeof record);
    return {command, what, bytes, refusal};
}

template <std::size_t N>
void put(char (&field)[N], const char* text) {
    std::memset(field, 0, N);
    std::strncpy(field, text, N - 1);
}

std::string expectedText(const CheckCase& c) {
    if (c.refusal < 0) return kAccepted;
    const CheckRow* check = findCheck(c.command);
    if (check == nullptr || static_cast<std::size_t>(c.refusal) >= check->textCount) return "?";
    return checkTexts(*check)[c.refusal].text;
}

// Runs every case through the hook the executors and form readers call.
void runCases(const std::vector<CheckCase>& cases) {
    for (const CheckCase& c : cases) {
        const char* text = runCommandCheck(c.command, c.record.data());
        EXPECT_EQ(std::string(text != nullptr ? text : kAccepted), expectedText(c))
            << c.command << ": " << c.what;
    }
}

TEST(CommandChecks, EveryCheckedCommandAndNoOtherHasItsCheckOverItsRecord) {
    for (const CommandRow& command : kCommands) {
        const CheckRow* row = findCheck(command.id);
        EXPECT_EQ(findRecordCheck(command.id) != nullptr, row != nullptr) << command.id;
        if (row != nullptr) {
            EXPECT_EQ(checkedRecordSize(command.id), command.recordSize) << command.id;
        }
    }
    const std::vector<uint8_t> zeros(64, 0);
    EXPECT_EQ(runCommandCheck(5002, zeros.data()), nullptr);  // no check: accepted
    EXPECT_EQ(runCommandCheck(5001, nullptr), nullptr);
}

TEST(CommandChecks, SingleNumbersAtAndBeyondTheirBounds) {
    const auto spc = [](int16_t v) { return [v](auto& p) { p.SPC = v; }; };
    std::vector<CheckCase> cases = {
        make<SParamsKonfigOR>(5001, "OR 0", 0, [](auto& p) { p.BrojORa = 0; }),
        make<SParamsKonfigOR>(5001, "OR 1", -1, [](auto& p) { p.BrojORa = 1; }),
        make<SParamsKonfigOR>(5001, "OR 7", -1, [](auto& p) { p.BrojORa = 7; }),
        make<SParamsKonfigOR>(5001, "OR 8", 0, [](auto& p) { p.BrojORa = 8; }),
        make<SParamsOkVKJednaIspis>(5046, "-1", 0, [](auto& p) { p.hTipVKIspisJedne = -1; }),
        make<SParamsOkVKJednaIspis>(5046, "0", -1, [](auto& p) { p.hTipVKIspisJedne = 0; }),
        make<SParamsOkPromenaZadTemp>(5096, "-50..100", -1,
                                      [](auto& p) { p.NajnizaTemp = -50, p.NajvisaTemp = 100; }),
        make<SParamsOkPromenaZadTemp>(5096, "-51", 0,
                                      [](auto& p) { p.NajnizaTemp = -51, p.NajvisaTemp = 101; }),
        make<SParamsOkPromenaZadTemp>(5096, "101", 1,
                                      [](auto& p) { p.NajnizaTemp = 0, p.NajvisaTemp = 101; }),
        make<SParamsOkPromenaZadTemp>(5096, "equal", 2,
                                      [](auto& p) { p.NajnizaTemp = 20, p.NajvisaTemp = 20; }),
        make<SParamsBMDStart>(5113, "period 0", 0, [](auto& p) { p.Period = 0; }),
        make<SParamsBMDStart>(5113, "period -1", 0, [](auto& p) { p.Period = -1; }),
        make<SParamsBMDStart>(5113, "period 1", -1, [](auto& p) { p.Period = 1; }),
        make<SParamsBMDSStart>(5115, "period 0", 0, [](auto& p) { p.Period = 0; }),
        make<SParamsBMDSStart>(5115, "period 1", -1, [](auto& p) { p.Period = 1; }),
        make<SParamsOkUnosTipaPoziva>(5129, "BHCA 0", 0,
                                      [](auto& p) { p.BHCA = 0, p.Saobracaj = 0.5; }),
        make<SParamsOkUnosTipaPoziva>(5129, "BHCA 3601", 0,
                                      [](auto& p) { p.BHCA = 3601, p.Saobracaj = 0.5; }),
        make<SParamsOkUnosTipaPoziva>(5129, "BHCA 1..3600", -1,
                                      [](auto& p) { p.BHCA = 3600, p.Saobracaj = 0.5; }),
        make<SParamsOkUnosTipaPoziva>(5129, "traffic 0", 1,
                                      [](auto& p) { p.BHCA = 1, p.Saobracaj = 0.0; }),
        make<SParamsOkUnosTipaPoziva>(5129, "traffic 1", 1,
                                      [](auto& p) { p.BHCA = 1, p.Saobracaj = 1.0; }),
        make<SParamsOkUnosTipaPoziva>(
            5129, "traffic nan", 1,
            [](auto& p) { p.BHCA = 1, p.Saobracaj = std::numeric_limits<double>::quiet_NaN(); }),
        make<SParamsOkNadzorStanjaPoziva>(5192, "channel 29", -1,
                                          [](auto& p) { p.eVrstaUnosa = 2, p.bBKanal = 29; }),
        make<SParamsOkNadzorStanjaPoziva>(5192, "channel 30", 0,
                                          [](auto& p) { p.eVrstaUnosa = 2, p.bBKanal = 30; }),
        make<SParamsOkNadzorStanjaPoziva>(5192, "other item", -1,
                                          [](auto& p) { p.eVrstaUnosa = 1, p.bBKanal = 200; }),
        make<SParamsOkDodajPrefiksPACTab>(5291, "0 digits", 0, [](auto& p) { p.brCifara = 0; }),
        make<SParamsOkDodajPrefiksPACTab>(5291, "1 digit", -1, [](auto& p) { p.brCifara = 1; }),
        make<SParamsOkOcitavanjeKanalaSPC>(5303, "-1", 0, spc(-1)),
        make<SParamsOkOcitavanjeKanalaSPC>(5303, "16383", -1, spc(16383)),
        make<SParamsOkNo7SimpleParametri>(5309, "16384", 0, spc(16384)),
        make<SParamsOkNo7SimpleParametri>(5309, "0", -1, spc(0)),
        make<SParamsOkNo7Parametri>(5310, "SPC 16384", 0,
                                    [](auto& p) { p.SPC = 16384, p.PrviCIC = 5000; }),
        make<SParamsOkNo7Parametri>(5310, "CIC 4096 not given", 1,
                                    [](auto& p) { p.ZadatPrviCIC = 0, p.PrviCIC = 4096; }),
        make<SParamsOkNo7Parametri>(5310, "CIC -1", 1, [](auto& p) { p.PrviCIC = -1; }),
        make<SParamsOkNo7Parametri>(5310, "CIC 4095", -1, [](auto& p) { p.PrviCIC = 4095; }),
        make<SParamsOkUnosNBlok>(5321, "100", -1, [](auto& p) { p.Procenat = 100; }),
        make<SParamsOkUnosNBlok>(5321, "101", 0, [](auto& p) { p.Procenat = 101; }),
        make<SParamsOkPromProc>(5322, "101", 0, [](auto& p) { p.Procenat = 101; }),
        make<SParamsOkUnosSigTacke>(5381, "16384", 0, spc(16384)),
        make<SParamsOkBrisanjeSigTacke>(5383, "-1", 0, spc(-1)),
        make<SParamsOkOcitUsmeravanja>(5384, "16384", 0, spc(16384)),
        make<SParamsOkUsmSigTackeNaRutu>(5385, "16384", 0, spc(16384)),
        make<SParamsOkKrajUsmSigTackeNaRutu>(5386, "16384", 0, spc(16384)),
        make<SParamsOkKrajUsmSigTackeNaRutu>(5386, "16383", -1, spc(16383)),
        make<SParamsOkUvodjenjeSS7Veze>(5389, "16384", 0, [](auto& p) { p.hSigTacka = 16384; }),
        make<SParamsOkUvodjenjeSS7Veze>(5389, "0", -1, [](auto& p) { p.hSigTacka = 0; }),
        make<SParamsOkPromenaGT>(5409, "cut 22", -1, [](auto& p) { p.byCut = 22; }),
        make<SParamsOkPromenaGT>(5409, "cut 23", 0, [](auto& p) { p.byCut = 23; }),
        make<SParamsOkDodajPrefiksDiskr>(5435, "0 digits", 0, [](auto& p) { p.brCifara = 0; }),
        make<SParamsOkDodajPrefiksDiskr>(5435, "1 digit", -1, [](auto& p) { p.brCifara = 1; }),
        make<SParamsOkPostStopaSkip>(5444, "1, 1000", -1,
                                     [](auto& p) { p.StopaUspeh = 1, p.StopaNeuspeh = 1000; }),
        make<SParamsOkPostStopaSkip>(5444, "success 0", 0,
                                     [](auto& p) { p.StopaUspeh = 0, p.StopaNeuspeh = 0; }),
        make<SParamsOkPostStopaSkip>(5444, "failure 1001", 1,
                                     [](auto& p) { p.StopaUspeh = 1000, p.StopaNeuspeh = 1001; }),
        make<SParamsOkAPKV_UnosParam>(5525, "30 s", -1, [](auto& p) { p.Vreme = 30; }),
        make<SParamsOkAPKV_UnosParam>(5525, "31 s", 0, [](auto& p) { p.Vreme = 31; }),
    };
    runCases(cases);
}

TEST(CommandChecks, TimesAndDates) {
    const auto date = [](uint8_t h, uint8_t m, uint8_t s, uint8_t d, uint8_t mo, int16_t y) {
        return [=](SParamsOkPromenaVremeDatum& p) {
            p.byPromenaVDCas = h, p.byPromenaVDMinut = m, p.byPromenaVDSekunda = s;
            p.byPromenaVDDana = d, p.byPromenaVDMeseca = mo, p.hPromenaVDGodine = y;
        };
    };
    const auto stat = [](uint8_t ph, uint8_t pm, uint8_t kh, uint8_t km) {
        return [=](SParamsStatPregled& p) { p.PocS = ph, p.PocM = pm, p.KrajS = kh, p.KrajM = km; };
    };
    std::vector<CheckCase> cases = {
        make<SParamsOkPromenaVremena>(
            5043, "23:59:59", -1,
            [](auto& p) { p.byPromenaCas = 23, p.byPromenaMinut = 59, p.byPromenaSekunda = 59; }),
        make<SParamsOkPromenaVremena>(5043, "hour 24", 0,
                                      [](auto& p) { p.byPromenaCas = 24, p.byPromenaMinut = 60; }),
        make<SParamsOkPromenaVremena>(
            5043, "minute 60", 1, [](auto& p) { p.byPromenaMinut = 60, p.byPromenaSekunda = 60; }),
        make<SParamsOkPromenaVremena>(5043, "second 60", 2,
                                      [](auto& p) { p.byPromenaSekunda = 60; }),
        make<SParamsOkPromenaVremeDatum>(5044, "31 February", -1, date(0, 0, 0, 31, 2, 2000)),
        make<SParamsOkPromenaVremeDatum>(5044, "1900", -1, date(23, 59, 59, 1, 1, 1900)),
        make<SParamsOkPromenaVremeDatum>(5044, "2100", -1, date(0, 0, 0, 1, 12, 2100)),
        make<SParamsOkPromenaVremeDatum>(5044, "hour 24", 0, date(24, 0, 0, 1, 1, 2000)),
        make<SParamsOkPromenaVremeDatum>(5044, "minute before day", 1, date(0, 60, 0, 0, 1, 2000)),
        make<SParamsOkPromenaVremeDatum>(5044, "second 60", 2, date(0, 0, 60, 1, 1, 2000)),
        make<SParamsOkPromenaVremeDatum>(5044, "day 0", 3, date(0, 0, 0, 0, 1, 2000)),
        make<SParamsOkPromenaVremeDatum>(5044, "day 32", 3, date(0, 0, 0, 32, 1, 2000)),
        make<SParamsOkPromenaVremeDatum>(5044, "month 13", 4, date(0, 0, 0, 1, 13, 2000)),
        make<SParamsOkPromenaVremeDatum>(5044, "1899", 5, date(0, 0, 0, 1, 1, 1899)),
        make<SParamsOkPromenaVremeDatum>(5044, "2101", 5, date(0, 0, 0, 1, 1, 2101)),
        make<SParamsStartStat>(5561, "23:59 for 1439", -1,
                               [](auto& p) { p.PocS = 23, p.PocM = 59, p.Trajanje = 1439; }),
        make<SParamsStartStat>(5561, "start 24:00", 0,
                               [](auto& p) { p.PocS = 24, p.Trajanje = 0; }),
        make<SParamsStartStat>(5561, "start 0:60", 0,
                               [](auto& p) { p.PocM = 60, p.Trajanje = 10; }),
        make<SParamsStartStat>(5561, "for 0", 1, [](auto& p) { p.Trajanje = 0; }),
        make<SParamsStartStat>(5561, "for 1440", 1, [](auto& p) { p.Trajanje = 1440; }),
        make<SParamsStatPregled>(5570, "start after end", -1, stat(23, 0, 1, 0)),
        make<SParamsStatPregled>(5570, "end 24:00", -1, stat(0, 0, 24, 0)),
        make<SParamsStatPregled>(5570, "end 24:30", 1, stat(0, 0, 24, 30)),
        make<SParamsStatPregled>(5570, "end 25:00", 1, stat(0, 0, 25, 0)),
        make<SParamsStatPregled>(5570, "end 10:60", 1, stat(0, 0, 10, 60)),
        make<SParamsStatPregled>(5570, "start 24:00", 0, stat(24, 0, 24, 30)),
        make<SParamsStatReduced>(5571, "end 24:00", -1, stat(23, 59, 24, 0)),
        make<SParamsStatReduced>(5571, "end 24:01", 1, stat(0, 0, 24, 1)),
        make<SParamsStatReduced>(5571, "start 12:60", 0, stat(12, 60, 0, 0)),
    };
    runCases(cases);
}

template <class Record>
void addLeadingNumberCases(std::vector<CheckCase>& cases, int32_t command) {
    const auto number = [](int16_t entry, const char* text) {
        return [=](Record& p) { p.eVrstaUnosa = entry, put(p.sNPPC, text); };
    };
    cases.push_back(make<Record>(command, "by name, anything", -1, number(0, "x0")));
    cases.push_back(make<Record>(command, "empty", 1, number(1, "")));
    cases.push_back(make<Record>(command, "letter", 0, number(1, "12a4")));
    cases.push_back(make<Record>(command, "leading zero", 2, number(1, "0123")));
    cases.push_back(make<Record>(command, "4 digits", -1, number(1, "1234")));
    cases.push_back(make<Record>(command, "8 digits", -1, number(1, "12345678")));
    cases.push_back(make<Record>(command, "9 digits", 1, number(1, "123456789")));
    cases.push_back(make<Record>(command, "3 digits", 1, number(1, "123")));
}

TEST(CommandChecks, TextsLengthsAndDigitStrings) {
    std::vector<CheckCase> cases = {
        make<SParamsOkPracenjeTabele>(5018, "by number, empty", 0,
                                      [](auto& p) { p.eNacxinIzbora = 0; }),
        make<SParamsOkPracenjeTabele>(5018, "by number, given", -1,
                                      [](auto& p) { put(p.Tabela, "12"); }),
        make<SParamsOkPracenjeTabele>(5018, "from list, empty", -1,
                                      [](auto& p) { p.eNacxinIzbora = 1; }),
        make<SParamsOkPregledTabeleOR>(5020, "by number, empty", 0,
                                       [](auto& p) { p.eNacxinIzbora = 0; }),
        make<SParamsOkPregledTabeleOR>(5020, "from list, empty", -1,
                                       [](auto& p) { p.eNacxinIzbora = 1; }),
        make<SParamsOkIspisSvihAlarma>(
            5024, "by level, none", 0,
            [](auto& p) { p.KriterijumiIspisaAlarma = 0x2, p.ZadavanjeNivoaKriterijumi = 0x10; }),
        make<SParamsOkIspisSvihAlarma>(
            5024, "by level, A0", -1,
            [](auto& p) { p.KriterijumiIspisaAlarma = 0x2, p.ZadavanjeNivoaKriterijumi = 0x8; }),
        make<SParamsOkIspisSvihAlarma>(5024, "by class only", -1,
                                       [](auto& p) { p.KriterijumiIspisaAlarma = 0x1; }),
        make<SParamsOkVKIspisSvih>(5045, "no duration criterion", -1,
                                   [](auto& p) { put(p.sTrajanjeVK, "abc"); }),
        make<SParamsOkVKIspisSvih>(5045, "empty", 0, [](auto& p) { p.KriterijumiIspisaVK = 0x4; }),
        make<SParamsOkVKIspisSvih>(
            5045, "condition", -1,
            [](auto& p) { p.KriterijumiIspisaVK = 0x4, put(p.sTrajanjeVK, ">= 10 <20"); }),
        make<SParamsOkVKIspisSvih>(
            5045, "letter last", 1,
            [](auto& p) { p.KriterijumiIspisaVK = 0x4, put(p.sTrajanjeVK, "<10s"); }),
        make<SParamsOkVKIspisSvih>(
            5045, "minus", 1,
            [](auto& p) { p.KriterijumiIspisaVK = 0x4, put(p.sTrajanjeVK, "-1"); }),
        make<SParamsUnosPtpSifre>(5241, "letter", 0, [](auto& p) { put(p.sSifra, "12a4"); }),
        make<SParamsUnosPtpSifre>(5241, "3 digits", 1, [](auto& p) { put(p.sSifra, "123"); }),
        make<SParamsUnosPtpSifre>(5241, "4 digits", -1, [](auto& p) { put(p.sSifra, "0123"); }),
        make<SParamsUnosPtpSifre>(5241, "no zero in the field", 1,
                                  [](auto& p) { std::memset(p.sSifra, '1', sizeof p.sSifra); }),
        make<SParamsPromenaPtpSifre>(5242, "letter", 0, [](auto& p) { put(p.sSifra, "x"); }),
        make<SParamsPromenaPtpSifre>(5242, "empty", 1, [](auto& p) { put(p.sSifra, ""); }),
        make<SParamsUvodjenjeNPPCa>(5264, "empty name", 0, [](auto& p) { put(p.sIme, ""); }),
        make<SParamsUvodjenjeNPPCa>(5264, "name", -1, [](auto& p) { put(p.sIme, "A"); }),
        make<SParamsOkUnosNumeracije>(5282, "length 0", 0, [](auto& p) { p.Duzina = 0; }),
        make<SParamsOkUnosNumeracije>(5282, "length 8", -1,
                                      [](auto& p) { p.Duzina = 8, put(p.Prefiks, "12345678"); }),
        make<SParamsOkUnosNumeracije>(5282, "length 9", 1, [](auto& p) { p.Duzina = 9; }),
        make<SParamsOkUnosNumeracije>(5282, "shorter than prefix", 2,
                                      [](auto& p) { p.Duzina = 2, put(p.Prefiks, "123"); }),
        make<SParamsOkBrisanjeNumeracije>(5283, "length 0", 0, [](auto& p) { p.Duzina = 0; }),
        make<SParamsOkBrisanjeNumeracije>(5283, "length 9", 1, [](auto& p) { p.Duzina = 9; }),
        make<SParamsOkBrisanjeNumeracije>(5283, "shorter than prefix", 2,
                                          [](auto& p) { p.Duzina = 3, put(p.Prefiks, "1234"); }),
        make<SParamsOkBrisanjeNumeracije>(5283, "equal to prefix", -1,
                                          [](auto& p) { p.Duzina = 4, put(p.Prefiks, "1234"); }),
        make<SParamsOkUnosGT>(5407, "no prefix", 0, [](auto& p) { p.byCut = 23; }),
        make<SParamsOkUnosGT>(5407, "cut 23", 1,
                              [](auto& p) { put(p.sPrefiks, "1"), p.byCut = 23; }),
        make<SParamsOkUnosGT>(5407, "cut 22", -1,
                              [](auto& p) { put(p.sPrefiks, "1"), p.byCut = 22; }),
        make<SParamsOkUnosGTtoSSN>(5411, "no prefix", 0, [](auto&) {}),
        make<SParamsOkUnosGTtoSSN>(5411, "prefix", -1, [](auto& p) { put(p.sPrefiks, "3"); }),
        make<SParamsOkDodavanjeStablaBAnalize>(5425, "3 characters", 0,
                                               [](auto& p) { put(p.sImeStabla, "abc"); }),
        make<SParamsOkDodavanjeStablaBAnalize>(5425, "4 characters", -1,
                                               [](auto& p) { put(p.sImeStabla, "abcd"); }),
        make<SParamsOkDodavanjePrefiksaBAnalize>(5427, "no prefix", 0, [](auto&) {}),
        make<SParamsOkDodavanjePrefiksaBAnalize>(5427, "prefix", -1,
                                                 [](auto& p) { put(p.sPrefiks, "9"); }),
        make<SParamsOkPromenaPrefiksaBAnalize>(5429, "no prefix", 0, [](auto&) {}),
        make<SParamsOkPregUsmNaRutu>(5451, "no route", 0, [](auto&) {}),
        make<SParamsOkPregUsmNaRutu>(5451, "route", -1, [](auto& p) { put(p.sImeRute, "R"); }),
        make<SParamsOkDodavanjeTB>(5492, "4 characters", 0, [](auto& p) { put(p.Brojac, "abcd"); }),
        make<SParamsOkDodavanjeTB>(5492, "5 characters", -1,
                                   [](auto& p) { put(p.Brojac, "abcde"); }),
        make<SParamsOkPromenaLozinke>(
            5578, "new of 4", 0,
            [](auto& p) { put(p.NovaLozinka, "abcd"), put(p.PotvrdaLozinke, "abcd"); }),
        make<SParamsOkPromenaLozinke>(
            5578, "new of 5", -1,
            [](auto& p) { put(p.NovaLozinka, "abcde"), put(p.PotvrdaLozinke, "abcde"); }),
        make<SParamsOkPromenaLozinke>(
            5578, "confirmation differs", 1,
            [](auto& p) { put(p.NovaLozinka, "abcde"), put(p.PotvrdaLozinke, "abcdef"); }),
        make<SParamsOkPromenaLozinke>(5578, "current never looked at", -1,
                                      [](auto& p) {
                                          put(p.Lozinka, ""), put(p.NovaLozinka, "secret1"),
                                              put(p.PotvrdaLozinke, "secret1");
                                      }),
        make<SParamsOkDodajOperatera>(5579, "4 characters", 0,
                                      [](auto& p) { put(p.ImeOperatera, "abcd"); }),
        make<SParamsOkDodajOperatera>(5579, "5 characters", -1,
                                      [](auto& p) { put(p.ImeOperatera, "abcde"); }),
        make<SParamsOkDodajGrupu>(5589, "4 characters", 0,
                                  [](auto& p) { put(p.ImeGrupe, "abcd"); }),
        make<SParamsOkDodajGrupu>(5589, "5 characters", -1,
                                  [](auto& p) { put(p.ImeGrupe, "abcde"); }),
    };
    addLeadingNumberCases<SParamsPregledNPPCa>(cases, 5263);
    addLeadingNumberCases<SParamsDodavanjeNPPClinije>(cases, 5265);
    addLeadingNumberCases<SParamsPromenaNPPCa>(cases, 5267);
    addLeadingNumberCases<SParamsBrisanjeNPPCa>(cases, 5268);
    runCases(cases);
}

TEST(CommandChecks, RouteParameters) {
    // A valid record: time-dependent 10:30 to 10:30, promilles 0..999, digit
    // sending 2 of 5 from the 3rd on the outgoing route.
    const auto route = [](auto change) {
        return [=](SParamsOkParametriRS& p) {
            p.VremenskiZavisno = 1, p.SatPoc = 10, p.MinutPoc = 30, p.SatKraj = 10,
            p.MinutKraj = 30;
            p.MinSkipPromil = 0, p.MaxSkipPromil = 999, p.Usmeravanje = 0;
            p.Zauzima = 2, p.Salje = 5, p.PrvaPoslata = 3;
            change(p);
        };
    };
    using R = SParamsOkParametriRS;
    std::vector<CheckCase> cases = {
        make<R>(5445, "equal start and end", -1, route([](R&) {})),
        make<R>(5445, "start 10:31", 2, route([](R& p) { p.MinutPoc = 31; })),
        make<R>(5445, "start 11:00", 2, route([](R& p) { p.SatPoc = 11, p.MinutPoc = 0; })),
        make<R>(5445, "start 24:00", 0, route([](R& p) { p.SatPoc = 24, p.MinutPoc = 0; })),
        make<R>(5445, "start 0:60", 0, route([](R& p) { p.MinutPoc = 60; })),
        make<R>(5445, "end 24:00", -1, route([](R& p) { p.SatKraj = 24, p.MinutKraj = 0; })),
        make<R>(5445, "end 24:01", 1, route([](R& p) { p.SatKraj = 24, p.MinutKraj = 1; })),
        make<R>(5445, "end 25:00", 1, route([](R& p) { p.SatKraj = 25, p.MinutKraj = 0; })),
        make<R>(5445, "times unread without", -1,
                route([](R& p) { p.VremenskiZavisno = 2, p.SatPoc = 99, p.SatKraj = 0; })),
        make<R>(5445, "min -1", 3, route([](R& p) { p.MinSkipPromil = -1; })),
        make<R>(5445, "max 1000", 4, route([](R& p) { p.MaxSkipPromil = 1000; })),
        make<R>(5445, "min above max", 5,
                route([](R& p) { p.MinSkipPromil = 500, p.MaxSkipPromil = 499; })),
        make<R>(5445, "min equals max", -1,
                route([](R& p) { p.MinSkipPromil = 500, p.MaxSkipPromil = 500; })),
        make<R>(5445, "first 0", 6, route([](R& p) { p.PrvaPoslata = 0; })),
        make<R>(5445, "first 0 on item 1", -1,
                route([](R& p) { p.PrvaPoslata = 0, p.Usmeravanje = 1; })),
        make<R>(5445, "seizes 0", 6, route([](R& p) { p.Zauzima = 0; })),
        make<R>(5445, "seizes above sends", 6, route([](R& p) { p.Zauzima = 6; })),
        make<R>(5445, "first above sends", 6, route([](R& p) { p.PrvaPoslata = 6; })),
        make<R>(5445, "sends 20", -1, route([](R& p) { p.Salje = 20; })),
        make<R>(5445, "sends 21", 6, route([](R& p) { p.Salje = 21; })),
        make<R>(5445, "1 of 1 from 1", -1,
                route([](R& p) { p.Zauzima = 1, p.Salje = 1, p.PrvaPoslata = 1; })),
    };
    runCases(cases);
}

// The confirming checks all guard deletions: their question comes with "no"
// preselected, so a stray Enter refuses.
TEST(CommandChecks, ConfirmingChecksAskOnTheFormAndPassOnMml) {
    const auto zeros = [](auto&) {};
    const std::vector<CheckCase> asking = {
        make<SParamsOkBrisanjeDPC>(5397, "", 0, zeros),
        make<SParamsOkBrisanjeOPC>(5400, "", 0, zeros),
        make<SParamsOkBrisanjeSCCPKor>(5404, "", 0, zeros),
        make<SParamsOkBrisanjeGT>(5408, "", 0, zeros),
        make<SParamsOkBrisanjeMySSN>(5416, "", 0, zeros),
        make<SParamsOkBrisanjeDiskriminacije>(5434, "not empty", 0,
                                              [](auto& p) { p.opcije = 0x1; }),
        make<SParamsOkBrisEOS>(5447, "table 1", 1, [](auto& p) { p.EOrigin = 1; }),
        make<SParamsOkBrisanjeTarSlucaja>(5464, "", 0, zeros),
        make<SParamsOkBrisanjeTarifneKategorije>(5473, "", 0, zeros),
        make<SParamsOkRusiGrupuPT>(5529, "", 0, zeros),
    };
    RecordingBoxes boxes;
    for (const CheckCase& c : asking) {
        const char* question = findCheck(c.command)->question;
        // The form road: "no" refuses with the check's text, "yes" lets it through.
        boxes.boxes.clear();
        boxes.answer = 0;
        runCases({c});
        ASSERT_EQ(boxes.boxes.size(), 1u) << c.command;
        EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::DeletionQuestion);
        EXPECT_EQ(boxes.boxes[0].caption, textById(21402));
        EXPECT_EQ(boxes.boxes[0].text, question);
        boxes.answer = 1;
        runCases({{c.command, c.what, c.record, -1}});
        // The MML road: yes at once, nothing shown.
        boxes.boxes.clear();
        boxes.answer = 0;
        setCommandFromTextInput(true);
        runCases({{c.command, c.what, c.record, -1}});
        setCommandFromTextInput(false);
        EXPECT_TRUE(boxes.boxes.empty()) << c.command;
    }

    // Table 0 is refused before anything is asked, on either road; an empty
    // discrimination is erased without a question.
    const std::vector<CheckCase> unasked = {
        make<SParamsOkBrisEOS>(5447, "table 0", 0, [](auto& p) { p.EOrigin = 0; }),
        make<SParamsOkBrisanjeDiskriminacije>(5434, "empty", -1, [](auto& p) { p.opcije = 0x2; }),
    };
    boxes.boxes.clear();
    for (bool fromText : {false, true}) {
        setCommandFromTextInput(fromText);
        runCases(unasked);
    }
    setCommandFromTextInput(false);
    EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
