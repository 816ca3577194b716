#include "commands/checks/command_checks.h"

#include <cstddef>
#include <cstring>

#include "commands/command_table.h"
#include "toolkit/dialog_box.h"
#include "utils/message_box.h"

namespace {

// The refusal text number `index` of a command's check, in the order its
// tests run, as the command table holds it.
const char* refusal(int32_t command, std::size_t index) {
    const CheckRow* check = findCheck(command);
    if (check == nullptr) return nullptr;
    const Rows<CheckTextRow> texts = checkTexts(*check);
    return index < texts.size() ? texts[index].text : nullptr;
}

bool outside(int32_t value, int32_t low, int32_t high) {
    return value < low || value > high;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of a text field: the characters before its zero, never past the field.
template <std::size_t N>
std::size_t length(const char (&text)[N]) {
    return strnlen(text, N);
}

template <std::size_t N>
bool allDigits(const char (&text)[N]) {
    for (std::size_t i = 0, n = length(text); i < n; ++i)
        if (!isDigit(text[i])) return false;
    return true;
}

template <std::size_t N>
bool sameText(const char (&a)[N], const char (&b)[N]) {
    return length(a) == length(b) && std::memcmp(a, b, length(a)) == 0;
}

// A confirming check: null for yes, its refusal text `index` for no. Every
// command that asks deletes or tears down data at the exchange, so its
// question defaults to "no" and a stray Enter keeps the data.
const char* confirmed(int32_t command, std::size_t index) {
    const CheckRow* check = findCheck(command);
    if (check == nullptr || check->question == nullptr) return nullptr;
    return confirmDeletion(check->question) ? nullptr : refusal(command, index);
}

// A signalling point code within 0..16383, else the command's first text.
const char* pointCodeRefusal(int32_t command, int16_t spc) {
    return outside(spc, 0, 16383) ? refusal(command, 0) : nullptr;
}

// The leading number of a private exchange, tested only when it is entered
// by number (item 1): digits only, 4 to 8 of them, no leading zero.
template <std::size_t N>
const char* leadingNumberRefusal(int32_t command, int16_t entry, const char (&number)[N]) {
    if (entry != 1) return nullptr;
    if (!allDigits(number)) return refusal(command, 0);
    if (outside(static_cast<int32_t>(length(number)), 4, 8)) return refusal(command, 1);
    if (number[0] == '0') return refusal(command, 2);
    return nullptr;
}

// A four-digit subscriber password: digits first, then the length.
template <std::size_t N>
const char* passwordRefusal(int32_t command, const char (&password)[N]) {
    if (!allDigits(password)) return refusal(command, 0);
    if (length(password) != 4) return refusal(command, 1);
    return nullptr;
}

// The length of a numbering entry: not 0, at most 8, not shorter than its prefix.
template <std::size_t N>
const char* numberLengthRefusal(int32_t command, uint8_t digits, const char (&prefix)[N]) {
    if (digits == 0) return refusal(command, 0);
    if (digits > 8) return refusal(command, 1);
    if (digits < length(prefix)) return refusal(command, 2);
    return nullptr;
}

bool badStart(uint8_t hour, uint8_t minute) {
    return hour > 23 || minute > 59;
}

// An end time may be 24:00 but nothing later.
bool badEnd(uint8_t hour, uint8_t minute) {
    return hour > 24 || minute > 59 || (hour == 24 && minute != 0);
}

// Review of statistics over a period: start and end times.
const char* periodRefusal(int32_t command, const SParamsStatPregled* p) {
    if (badStart(p->PocS, p->PocM)) return refusal(command, 0);
    if (badEnd(p->KrajS, p->KrajM)) return refusal(command, 1);
    return nullptr;
}

template <std::size_t N>
const char* emptyTableRefusal(int32_t command, int16_t selection, const char (&table)[N]) {
    return selection == 0 && length(table) == 0 ? refusal(command, 0) : nullptr;
}

template <std::size_t N>
const char* shortTextRefusal(int32_t command, const char (&text)[N], std::size_t least) {
    return length(text) < least ? refusal(command, 0) : nullptr;
}

// A check over a record given as bytes: copied into the packed record first.
template <class Record, const char* (*Check)(const Record*)>
const char* onBytes(const uint8_t* bytes) {
    Record record;
    std::memcpy(&record, bytes, sizeof record);
    return Check(&record);
}

}  // namespace

const char* checkKonfigOR(const SParamsKonfigOR* p) {
    return outside(p->BrojORa, 1, 7) ? refusal(5001, 0) : nullptr;
}

const char* checkOkPracenjeTabele(const SParamsOkPracenjeTabele* p) {
    return emptyTableRefusal(5018, p->eNacxinIzbora, p->Tabela);
}

const char* checkOkPregledTabeleOR(const SParamsOkPregledTabeleOR* p) {
    return emptyTableRefusal(5020, p->eNacxinIzbora, p->Tabela);
}

const char* checkOkIspisSvihAlarma(const SParamsOkIspisSvihAlarma* p) {
    const bool byLevel = (p->KriterijumiIspisaAlarma & 0x2) != 0;
    const bool noLevel = (p->ZadavanjeNivoaKriterijumi & 0xF) == 0;
    return byLevel && noLevel ? refusal(5024, 0) : nullptr;
}

const char* checkOkPromenaVremena(const SParamsOkPromenaVremena* p) {
    if (p->byPromenaCas > 23) return refusal(5043, 0);
    if (p->byPromenaMinut > 59) return refusal(5043, 1);
    if (p->byPromenaSekunda > 59) return refusal(5043, 2);
    return nullptr;
}

const char* checkOkPromenaVremeDatum(const SParamsOkPromenaVremeDatum* p) {
    if (p->byPromenaVDCas > 23) return refusal(5044, 0);
    if (p->byPromenaVDMinut > 59) return refusal(5044, 1);
    if (p->byPromenaVDSekunda > 59) return refusal(5044, 2);
    if (outside(p->byPromenaVDDana, 1, 31)) return refusal(5044, 3);
    if (outside(p->byPromenaVDMeseca, 1, 12)) return refusal(5044, 4);
    if (outside(p->hPromenaVDGodine, 1900, 2100)) return refusal(5044, 5);
    return nullptr;
}

const char* checkOkVKIspisSvih(const SParamsOkVKIspisSvih* p) {
    if ((p->KriterijumiIspisaVK & 0x4) == 0) return nullptr;
    if (length(p->sTrajanjeVK) == 0) return refusal(5045, 0);
    for (std::size_t i = 0, n = length(p->sTrajanjeVK); i < n; ++i) {
        const char c = p->sTrajanjeVK[i];
        if (!isDigit(c) && c != ' ' && c != '<' && c != '=' && c != '>') return refusal(5045, 1);
    }
    return nullptr;
}

const char* checkOkVKJednaIspis(const SParamsOkVKJednaIspis* p) {
    return p->hTipVKIspisJedne < 0 ? refusal(5046, 0) : nullptr;
}

const char* checkOkPromenaZadTemp(const SParamsOkPromenaZadTemp* p) {
    if (p->NajnizaTemp < -50) return refusal(5096, 0);
    if (p->NajvisaTemp > 100) return refusal(5096, 1);
    if (p->NajnizaTemp >= p->NajvisaTemp) return refusal(5096, 2);
    return nullptr;
}

const char* checkBMDStart(const SParamsBMDStart* p) {
    return p->Period <= 0 ? refusal(5113, 0) : nullptr;
}

const char* checkBMDSStart(const SParamsBMDSStart* p) {
    return p->Period <= 0 ? refusal(5115, 0) : nullptr;
}

const char* checkOkUnosTipaPoziva(const SParamsOkUnosTipaPoziva* p) {
    if (outside(p->BHCA, 1, 3600)) return refusal(5129, 0);
    // Traffic strictly between 0 and 1 Erlang; a value that is no number is refused too.
    if (!(p->Saobracaj > 0.0 && p->Saobracaj < 1.0)) return refusal(5129, 1);
    return nullptr;
}

const char* checkOkNadzorStanjaPoziva(const SParamsOkNadzorStanjaPoziva* p) {
    return p->eVrstaUnosa == 2 && p->bBKanal >= 30 ? refusal(5192, 0) : nullptr;
}

const char* checkUnosPtpSifre(const SParamsUnosPtpSifre* p) {
    return passwordRefusal(5241, p->sSifra);
}

const char* checkPromenaPtpSifre(const SParamsPromenaPtpSifre* p) {
    return passwordRefusal(5242, p->sSifra);
}

const char* checkPregledNPPCa(const SParamsPregledNPPCa* p) {
    return leadingNumberRefusal(5263, p->eVrstaUnosa, p->sNPPC);
}

const char* checkUvodjenjeNPPCa(const SParamsUvodjenjeNPPCa* p) {
    return shortTextRefusal(5264, p->sIme, 1);
}

const char* checkDodavanjeNPPClinije(const SParamsDodavanjeNPPClinije* p) {
    return leadingNumberRefusal(5265, p->eVrstaUnosa, p->sNPPC);
}

const char* checkPromenaNPPCa(const SParamsPromenaNPPCa* p) {
    return leadingNumberRefusal(5267, p->eVrstaUnosa, p->sNPPC);
}

const char* checkBrisanjeNPPCa(const SParamsBrisanjeNPPCa* p) {
    return leadingNumberRefusal(5268, p->eVrstaUnosa, p->sNPPC);
}

const char* checkOkUnosNumeracije(const SParamsOkUnosNumeracije* p) {
    return numberLengthRefusal(5282, p->Duzina, p->Prefiks);
}

const char* checkOkBrisanjeNumeracije(const SParamsOkBrisanjeNumeracije* p) {
    return numberLengthRefusal(5283, p->Duzina, p->Prefiks);
}

const char* checkOkDodajPrefiksPACTab(const SParamsOkDodajPrefiksPACTab* p) {
    return p->brCifara == 0 ? refusal(5291, 0) : nullptr;
}

const char* checkOkOcitavanjeKanalaSPC(const SParamsOkOcitavanjeKanalaSPC* p) {
    return pointCodeRefusal(5303, p->SPC);
}

const char* checkOkNo7SimpleParametri(const SParamsOkNo7SimpleParametri* p) {
    return pointCodeRefusal(5309, p->SPC);
}

const char* checkOkNo7Parametri(const SParamsOkNo7Parametri* p) {
    if (const char* text = pointCodeRefusal(5310, p->SPC)) return text;
    // The first circuit code is tested whether or not it is marked as given.
    return outside(p->PrviCIC, 0, 4095) ? refusal(5310, 1) : nullptr;
}

const char* checkOkUnosNBlok(const SParamsOkUnosNBlok* p) {
    return p->Procenat > 100 ? refusal(5321, 0) : nullptr;
}

const char* checkOkPromProc(const SParamsOkPromProc* p) {
    return p->Procenat > 100 ? refusal(5322, 0) : nullptr;
}

const char* checkOkUnosSigTacke(const SParamsOkUnosSigTacke* p) {
    return pointCodeRefusal(5381, p->SPC);
}

const char* checkOkBrisanjeSigTacke(const SParamsOkBrisanjeSigTacke* p) {
    return pointCodeRefusal(5383, p->SPC);
}

const char* checkOkOcitUsmeravanja(const SParamsOkOcitUsmeravanja* p) {
    return pointCodeRefusal(5384, p->SPC);
}

const char* checkOkUsmSigTackeNaRutu(const SParamsOkUsmSigTackeNaRutu* p) {
    return pointCodeRefusal(5385, p->SPC);
}

const char* checkOkKrajUsmSigTackeNaRutu(const SParamsOkKrajUsmSigTackeNaRutu* p) {
    return pointCodeRefusal(5386, p->SPC);
}

const char* checkOkUvodjenjeSS7Veze(const SParamsOkUvodjenjeSS7Veze* p) {
    return pointCodeRefusal(5389, p->hSigTacka);
}

const char* checkOkBrisanjeDPC(const SParamsOkBrisanjeDPC*) {
    return confirmed(5397, 0);
}

const char* checkOkBrisanjeOPC(const SParamsOkBrisanjeOPC*) {
    return confirmed(5400, 0);
}

const char* checkOkBrisanjeSCCPKor(const SParamsOkBrisanjeSCCPKor*) {
    return confirmed(5404, 0);
}

const char* checkOkUnosGT(const SParamsOkUnosGT* p) {
    if (length(p->sPrefiks) == 0) return refusal(5407, 0);
    return p->byCut > 22 ? refusal(5407, 1) : nullptr;
}

const char* checkOkBrisanjeGT(const SParamsOkBrisanjeGT*) {
    return confirmed(5408, 0);
}

const char* checkOkPromenaGT(const SParamsOkPromenaGT* p) {
    return p->byCut > 22 ? refusal(5409, 0) : nullptr;
}

const char* checkOkUnosGTtoSSN(const SParamsOkUnosGTtoSSN* p) {
    return shortTextRefusal(5411, p->sPrefiks, 1);
}

const char* checkOkBrisanjeMySSN(const SParamsOkBrisanjeMySSN*) {
    return confirmed(5416, 0);
}

const char* checkOkDodavanjeStablaBAnalize(const SParamsOkDodavanjeStablaBAnalize* p) {
    return shortTextRefusal(5425, p->sImeStabla, 4);
}

const char* checkOkDodavanjePrefiksaBAnalize(const SParamsOkDodavanjePrefiksaBAnalize* p) {
    return shortTextRefusal(5427, p->sPrefiks, 1);
}

const char* checkOkPromenaPrefiksaBAnalize(const SParamsOkPromenaPrefiksaBAnalize* p) {
    return shortTextRefusal(5429, p->sPrefiks, 1);
}

const char* checkOkBrisanjeDiskriminacije(const SParamsOkBrisanjeDiskriminacije* p) {
    // Only erasing a discrimination that still holds prefixes is asked about.
    return (p->opcije & 0x1) != 0 ? confirmed(5434, 0) : nullptr;
}

const char* checkOkDodajPrefiksDiskr(const SParamsOkDodajPrefiksDiskr* p) {
    return p->brCifara == 0 ? refusal(5435, 0) : nullptr;
}

const char* checkOkPostStopaSkip(const SParamsOkPostStopaSkip* p) {
    if (outside(p->StopaUspeh, 1, 1000)) return refusal(5444, 0);
    if (outside(p->StopaNeuspeh, 1, 1000)) return refusal(5444, 1);
    return nullptr;
}

const char* checkOkParametriRS(const SParamsOkParametriRS* p) {
    if ((p->VremenskiZavisno & 0x1) != 0) {
        if (badStart(p->SatPoc, p->MinutPoc)) return refusal(5445, 0);
        if (badEnd(p->SatKraj, p->MinutKraj)) return refusal(5445, 1);
        const bool startLater =
            p->SatPoc > p->SatKraj || (p->SatPoc == p->SatKraj && p->MinutPoc > p->MinutKraj);
        if (startLater) return refusal(5445, 2);
    }
    if (outside(p->MinSkipPromil, 0, 999)) return refusal(5445, 3);
    if (outside(p->MaxSkipPromil, 0, 999)) return refusal(5445, 4);
    if (p->MaxSkipPromil < p->MinSkipPromil) return refusal(5445, 5);
    if (p->Usmeravanje == 0) {
        // Digit sending on an outgoing route: 1 <= seizes <= sends <= 20, 1 <= first <= sends.
        const bool program = 1 <= p->Zauzima && p->Zauzima <= p->Salje && p->Salje <= 20 &&
                             1 <= p->PrvaPoslata && p->PrvaPoslata <= p->Salje;
        if (!program) return refusal(5445, 6);
    }
    return nullptr;
}

const char* checkOkBrisEOS(const SParamsOkBrisEOS* p) {
    if (p->EOrigin == 0) return refusal(5447, 0);
    return confirmed(5447, 1);
}

const char* checkOkPregUsmNaRutu(const SParamsOkPregUsmNaRutu* p) {
    return shortTextRefusal(5451, p->sImeRute, 1);
}

const char* checkOkBrisanjeTarSlucaja(const SParamsOkBrisanjeTarSlucaja*) {
    return confirmed(5464, 0);
}

const char* checkOkBrisanjeTarifneKategorije(const SParamsOkBrisanjeTarifneKategorije*) {
    return confirmed(5473, 0);
}

const char* checkOkDodavanjeTB(const SParamsOkDodavanjeTB* p) {
    return shortTextRefusal(5492, p->Brojac, 5);
}

const char* checkOkAPKV_UnosParam(const SParamsOkAPKV_UnosParam* p) {
    return p->Vreme > 30 ? refusal(5525, 0) : nullptr;
}

const char* checkOkRusiGrupuPT(const SParamsOkRusiGrupuPT*) {
    return confirmed(5529, 0);
}

const char* checkStartStat(const SParamsStartStat* p) {
    if (badStart(p->PocS, p->PocM)) return refusal(5561, 0);
    // A duration of one to 1439 minutes: less than a day.
    return outside(p->Trajanje, 1, 1439) ? refusal(5561, 1) : nullptr;
}

const char* checkStatPregled(const SParamsStatPregled* p) {
    return periodRefusal(5570, p);
}

const char* checkStatReduced(const SParamsStatReduced* p) {
    return periodRefusal(5571, p);
}

const char* checkOkPromenaLozinke(const SParamsOkPromenaLozinke* p) {
    if (length(p->NovaLozinka) < 5) return refusal(5578, 0);
    return sameText(p->NovaLozinka, p->PotvrdaLozinke) ? nullptr : refusal(5578, 1);
}

const char* checkOkDodajOperatera(const SParamsOkDodajOperatera* p) {
    return shortTextRefusal(5579, p->ImeOperatera, 5);
}

const char* checkOkDodajGrupu(const SParamsOkDodajGrupu* p) {
    return shortTextRefusal(5589, p->ImeGrupe, 5);
}

namespace {

struct RecordCheckRow {
    int32_t command;
    uint8_t recordSize;
    RecordCheck check;
};

// clang-format off
const RecordCheckRow kRecordChecks[] = {
    {5001, sizeof(SParamsKonfigOR), onBytes<SParamsKonfigOR, checkKonfigOR>},
    {5018, sizeof(SParamsOkPracenjeTabele), onBytes<SParamsOkPracenjeTabele, checkOkPracenjeTabele>},
    {5020, sizeof(SParamsOkPregledTabeleOR), onBytes<SParamsOkPregledTabeleOR, checkOkPregledTabeleOR>},
    {5024, sizeof(SParamsOkIspisSvihAlarma), onBytes<SParamsOkIspisSvihAlarma, checkOkIspisSvihAlarma>},
    {5043, sizeof(SParamsOkPromenaVremena), onBytes<SParamsOkPromenaVremena, checkOkPromenaVremena>},
    {5044, sizeof(SParamsOkPromenaVremeDatum), onBytes<SParamsOkPromenaVremeDatum, checkOkPromenaVremeDatum>},
    {5045, sizeof(SParamsOkVKIspisSvih), onBytes<SParamsOkVKIspisSvih, checkOkVKIspisSvih>},
    {5046, sizeof(SParamsOkVKJednaIspis), onBytes<SParamsOkVKJednaIspis, checkOkVKJednaIspis>},
    {5096, sizeof(SParamsOkPromenaZadTemp), onBytes<SParamsOkPromenaZadTemp, checkOkPromenaZadTemp>},
    {5113, sizeof(SParamsBMDStart), onBytes<SParamsBMDStart, checkBMDStart>},
    {5115, sizeof(SParamsBMDSStart), onBytes<SParamsBMDSStart, checkBMDSStart>},
    {5129, sizeof(SParamsOkUnosTipaPoziva), onBytes<SParamsOkUnosTipaPoziva, checkOkUnosTipaPoziva>},
    {5192, sizeof(SParamsOkNadzorStanjaPoziva), onBytes<SParamsOkNadzorStanjaPoziva, checkOkNadzorStanjaPoziva>},
    {5241, sizeof(SParamsUnosPtpSifre), onBytes<SParamsUnosPtpSifre, checkUnosPtpSifre>},
    {5242, sizeof(SParamsPromenaPtpSifre), onBytes<SParamsPromenaPtpSifre, checkPromenaPtpSifre>},
    {5263, sizeof(SParamsPregledNPPCa), onBytes<SParamsPregledNPPCa, checkPregledNPPCa>},
    {5264, sizeof(SParamsUvodjenjeNPPCa), onBytes<SParamsUvodjenjeNPPCa, checkUvodjenjeNPPCa>},
    {5265, sizeof(SParamsDodavanjeNPPClinije), onBytes<SParamsDodavanjeNPPClinije, checkDodavanjeNPPClinije>},
    {5267, sizeof(SParamsPromenaNPPCa), onBytes<SParamsPromenaNPPCa, checkPromenaNPPCa>},
    {5268, sizeof(SParamsBrisanjeNPPCa), onBytes<SParamsBrisanjeNPPCa, checkBrisanjeNPPCa>},
    {5282, sizeof(SParamsOkUnosNumeracije), onBytes<SParamsOkUnosNumeracije, checkOkUnosNumeracije>},
    {5283, sizeof(SParamsOkBrisanjeNumeracije), onBytes<SParamsOkBrisanjeNumeracije, checkOkBrisanjeNumeracije>},
    {5291, sizeof(SParamsOkDodajPrefiksPACTab), onBytes<SParamsOkDodajPrefiksPACTab, checkOkDodajPrefiksPACTab>},
    {5303, sizeof(SParamsOkOcitavanjeKanalaSPC), onBytes<SParamsOkOcitavanjeKanalaSPC, checkOkOcitavanjeKanalaSPC>},
    {5309, sizeof(SParamsOkNo7SimpleParametri), onBytes<SParamsOkNo7SimpleParametri, checkOkNo7SimpleParametri>},
    {5310, sizeof(SParamsOkNo7Parametri), onBytes<SParamsOkNo7Parametri, checkOkNo7Parametri>},
    {5321, sizeof(SParamsOkUnosNBlok), onBytes<SParamsOkUnosNBlok, checkOkUnosNBlok>},
    {5322, sizeof(SParamsOkPromProc), onBytes<SParamsOkPromProc, checkOkPromProc>},
    {5381, sizeof(SParamsOkUnosSigTacke), onBytes<SParamsOkUnosSigTacke, checkOkUnosSigTacke>},
    {5383, sizeof(SParamsOkBrisanjeSigTacke), onBytes<SParamsOkBrisanjeSigTacke, checkOkBrisanjeSigTacke>},
    {5384, sizeof(SParamsOkOcitUsmeravanja), onBytes<SParamsOkOcitUsmeravanja, checkOkOcitUsmeravanja>},
    {5385, sizeof(SParamsOkUsmSigTackeNaRutu), onBytes<SParamsOkUsmSigTackeNaRutu, checkOkUsmSigTackeNaRutu>},
    {5386, sizeof(SParamsOkKrajUsmSigTackeNaRutu), onBytes<SParamsOkKrajUsmSigTackeNaRutu, checkOkKrajUsmSigTackeNaRutu>},
    {5389, sizeof(SParamsOkUvodjenjeSS7Veze), onBytes<SParamsOkUvodjenjeSS7Veze, checkOkUvodjenjeSS7Veze>},
    {5397, sizeof(SParamsOkBrisanjeDPC), onBytes<SParamsOkBrisanjeDPC, checkOkBrisanjeDPC>},
    {5400, sizeof(SParamsOkBrisanjeOPC), onBytes<SParamsOkBrisanjeOPC, checkOkBrisanjeOPC>},
    {5404, sizeof(SParamsOkBrisanjeSCCPKor), onBytes<SParamsOkBrisanjeSCCPKor, checkOkBrisanjeSCCPKor>},
    {5407, sizeof(SParamsOkUnosGT), onBytes<SParamsOkUnosGT, checkOkUnosGT>},
    {5408, sizeof(SParamsOkBrisanjeGT), onBytes<SParamsOkBrisanjeGT, checkOkBrisanjeGT>},
    {5409, sizeof(SParamsOkPromenaGT), onBytes<SParamsOkPromenaGT, checkOkPromenaGT>},
    {5411, sizeof(SParamsOkUnosGTtoSSN), onBytes<SParamsOkUnosGTtoSSN, checkOkUnosGTtoSSN>},
    {5416, sizeof(SParamsOkBrisanjeMySSN), onBytes<SParamsOkBrisanjeMySSN, checkOkBrisanjeMySSN>},
    {5425, sizeof(SParamsOkDodavanjeStablaBAnalize), onBytes<SParamsOkDodavanjeStablaBAnalize, checkOkDodavanjeStablaBAnalize>},
    {5427, sizeof(SParamsOkDodavanjePrefiksaBAnalize), onBytes<SParamsOkDodavanjePrefiksaBAnalize, checkOkDodavanjePrefiksaBAnalize>},
    {5429, sizeof(SParamsOkPromenaPrefiksaBAnalize), onBytes<SParamsOkPromenaPrefiksaBAnalize, checkOkPromenaPrefiksaBAnalize>},
    {5434, sizeof(SParamsOkBrisanjeDiskriminacije), onBytes<SParamsOkBrisanjeDiskriminacije, checkOkBrisanjeDiskriminacije>},
    {5435, sizeof(SParamsOkDodajPrefiksDiskr), onBytes<SParamsOkDodajPrefiksDiskr, checkOkDodajPrefiksDiskr>},
    {5444, sizeof(SParamsOkPostStopaSkip), onBytes<SParamsOkPostStopaSkip, checkOkPostStopaSkip>},
    {5445, sizeof(SParamsOkParametriRS), onBytes<SParamsOkParametriRS, checkOkParametriRS>},
    {5447, sizeof(SParamsOkBrisEOS), onBytes<SParamsOkBrisEOS, checkOkBrisEOS>},
    {5451, sizeof(SParamsOkPregUsmNaRutu), onBytes<SParamsOkPregUsmNaRutu, checkOkPregUsmNaRutu>},
    {5464, sizeof(SParamsOkBrisanjeTarSlucaja), onBytes<SParamsOkBrisanjeTarSlucaja, checkOkBrisanjeTarSlucaja>},
    {5473, sizeof(SParamsOkBrisanjeTarifneKategorije), onBytes<SParamsOkBrisanjeTarifneKategorije, checkOkBrisanjeTarifneKategorije>},
    {5492, sizeof(SParamsOkDodavanjeTB), onBytes<SParamsOkDodavanjeTB, checkOkDodavanjeTB>},
    {5525, sizeof(SParamsOkAPKV_UnosParam), onBytes<SParamsOkAPKV_UnosParam, checkOkAPKV_UnosParam>},
    {5529, sizeof(SParamsOkRusiGrupuPT), onBytes<SParamsOkRusiGrupuPT, checkOkRusiGrupuPT>},
    {5561, sizeof(SParamsStartStat), onBytes<SParamsStartStat, checkStartStat>},
    {5570, sizeof(SParamsStatPregled), onBytes<SParamsStatPregled, checkStatPregled>},
    {5571, sizeof(SParamsStatReduced), onBytes<SParamsStatReduced, checkStatReduced>},
    {5578, sizeof(SParamsOkPromenaLozinke), onBytes<SParamsOkPromenaLozinke, checkOkPromenaLozinke>},
    {5579, sizeof(SParamsOkDodajOperatera), onBytes<SParamsOkDodajOperatera, checkOkDodajOperatera>},
    {5589, sizeof(SParamsOkDodajGrupu), onBytes<SParamsOkDodajGrupu, checkOkDodajGrupu>},
};
// clang-format on

const RecordCheckRow* findRow(int32_t command) {
    for (const RecordCheckRow& row : kRecordChecks)
        if (row.command == command) return &row;
    return nullptr;
}

}  // namespace

RecordCheck findRecordCheck(int32_t command) {
    const RecordCheckRow* row = findRow(command);
    return row != nullptr ? row->check : nullptr;
}

uint8_t checkedRecordSize(int32_t command) {
    const RecordCheckRow* row = findRow(command);
    return row != nullptr ? row->recordSize : 0;
}
