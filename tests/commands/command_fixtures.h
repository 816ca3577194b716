#pragma once

// Expected values for the command-table tests, taken from the command
// descriptions independently of the rows themselves.

#include <cstddef>
#include <cstdint>

#include <vector>

#include "commands/param_records.h"

struct StatedRecordSize {
    uint16_t command;
    uint8_t size;
};

// Record sizes stated beside the forms.
const StatedRecordSize kStatedRecordSizes[] = {
    {5001, 3}, {5002, 112}, {5003, 16}, {5004, 61}, {5005, 61}, {5006, 0}, {5008, 3}, {5018, 39},
    {5019, 6}, {5020, 37}, {5024, 12}, {5025, 2}, {5026, 4}, {5027, 2}, {5028, 2}, {5032, 14},
    {5033, 0}, {5034, 0}, {5035, 0}, {5036, 0}, {5037, 0}, {5038, 2}, {5039, 8}, {5040, 0},
    {5041, 2}, {5043, 3}, {5044, 7}, {5045, 20}, {5046, 2}, {5047, 4}, {5048, 1}, {5049, 29},
    {5050, 1}, {5051, 0}, {5052, 2}, {5053, 0}, {5054, 2}, {5055, 1}, {5056, 0}, {5057, 0},
    {5058, 2}, {5059, 2}, {5060, 0}, {5061, 2}, {5062, 2}, {5063, 0}, {5064, 0}, {5066, 0},
    {5067, 2}, {5068, 3}, {5069, 3}, {5071, 1}, {5072, 0}, {5073, 0}, {5074, 0}, {5075, 1},
    {5076, 0}, {5077, 1}, {5078, 2}, {5079, 0}, {5080, 2}, {5081, 2}, {5082, 2}, {5083, 2},
    {5084, 4}, {5085, 2}, {5086, 0}, {5087, 0}, {5088, 3}, {5089, 0}, {5090, 0}, {5091, 0},
    {5092, 10}, {5093, 2}, {5094, 0}, {5095, 0}, {5096, 4}, {5097, 8}, {5098, 0}, {5099, 2},
    {5100, 11}, {5101, 0}, {5102, 1}, {5103, 1}, {5104, 5}, {5105, 5}, {5106, 4}, {5107, 4},
    {5108, 0}, {5109, 1}, {5110, 1}, {5111, 1}, {5112, 2}, {5113, 4}, {5114, 2}, {5115, 3},
    {5116, 1}, {5117, 1}, {5118, 4}, {5119, 0}, {5120, 1}, {5121, 2}, {5122, 2}, {5123, 3},
    {5124, 4}, {5125, 7}, {5211, 12}, {5396, 2}, {5397, 2}, {5398, 0}, {5399, 7}, {5400, 6},
    {5401, 7}, {5402, 0}, {5403, 9}, {5404, 8}, {5405, 9}, {5406, 0}, {5407, 44}, {5408, 28},
    {5409, 44}, {5410, 0}, {5411, 34}, {5412, 28}, {5413, 34}, {5414, 0}, {5415, 8}, {5416, 4},
    {5417, 0}, {5418, 6}, {5419, 6}, {5420, 0}, {5421, 4}, {5422, 4}, {5423, 0}, {5424, 1},
    {5425, 30}, {5426, 1}, {5427, 34}, {5428, 10}, {5429, 34}, {5430, 2}, {5431, 0}, {5432, 1},
    {5433, 30}, {5434, 3}, {5435, 9}, {5436, 8}, {5437, 8}, {5438, 0}, {5439, 1}, {5440, 4},
    {5441, 4}, {5442, 2}, {5443, 0}, {5444, 4}, {5445, 40}, {5446, 2}, {5447, 1}, {5448, 1},
    {5449, 0}, {5450, 25}, {5451, 9},
};

struct ChoiceUse {
    const char* table;
    std::size_t entries;
    uint16_t command;
    const char* field;
    bool excluded;
};

// Which command fields offer which choice table, and each table's entry count.
const ChoiceUse kChoiceUses[] = {
    {"choicesNivoAlarma",           4, 5039, "NivoAlarma",            false},
    {"choicesKategorija",          30, 5166, "eKategorija",           false},
    {"choicesKategorija",          30, 5346, "Kategorija",            false},
    {"choicesKategorija",          30, 5351, "Kategorija",            false},
    {"choicesKategorija",          30, 5506, "Kategorija",            false},
    {"choicesKategorija",          30, 5525, "Kategorija",            false},
    {"choicesKategorija",          30, 5556, "Kategorija",            false},
    {"choicesKategorija",          30, 5537, "KategZabrPref",         false},
    {"choicesKategorija",          30, 5538, "KategZabrPref",         false},
    {"choicesKategorija",          30, 5539, "KategZabrPref",         false},
    {"choicesKategorija",          30, 5540, "KategorijaGM",          false},
    {"choicesEOSkod",             184, 5450, "EOSkod",                false},
    {"choicesSignalizacija",       18, 5350, "Signalizacija",         false},
    {"choicesSpecUsluga",          53, 5427, "eSpecUsluga",           false},
    {"choicesSpecUsluga",          53, 5429, "eSpecUsluga",           false},
    {"choicesSpecUsluga",          53, 5445, "specUsluga",            false},
    {"choicesNumPlan",              7, 5399, "NumPlan",               false},
    {"choicesNumPlan",              7, 5400, "NumPlan",               false},
    {"choicesNumPlan",              7, 5401, "NumPlan",               false},
    {"choicesNumPlan",              7, 5403, "NumPlan",               false},
    {"choicesNumPlan",              7, 5404, "NumPlan",               false},
    {"choicesNumPlan",              7, 5405, "NumPlan",               false},
    {"choicesNumPlan",              7, 5407, "NumPlan",               false},
    {"choicesNumPlan",              7, 5408, "NumPlan",               false},
    {"choicesNumPlan",              7, 5409, "NumPlan",               false},
    {"choicesNumPlan",              7, 5411, "NumPlan",               false},
    {"choicesNumPlan",              7, 5412, "NumPlan",               false},
    {"choicesNumPlan",              7, 5413, "NumPlan",               false},
    {"choicesNumPlan",              7, 5407, "NewNumPlan",            false},
    {"choicesNumPlan",              7, 5409, "NewNumPlan",            false},
    {"choicesKorisnik",             6, 5403, "KELMUser",              false},
    {"choicesKorisnik",             6, 5404, "KELMUser",              false},
    {"choicesKorisnik",             6, 5405, "KELMUser",              false},
    {"choicesKorisnik",             6, 5415, "Korisnik",              false},
    {"choicesPodsistem",           10, 5411, "Podsistem",             false},
    {"choicesPodsistem",           10, 5413, "Podsistem",             false},
    {"choicesPodsistem",           10, 5415, "Podsistem",             false},
    {"choicesPodsistem",           10, 5416, "Podsistem",             false},
    {"choicesPodsistem",           10, 5418, "Podsistem",             false},
    {"choicesPodsistem",           10, 5419, "Podsistem",             false},
    {"choicesVremenskaKontrola",   15, 5045, "eVremenskaKontrolaCB",  false},
    {"choicesIdentPoz",             3, 5346, "eIdentPoz",             false},
    {"choicesIdentPoz",             3, 5351, "eIdentPoz",             false},
    {"choicesGrupaTabela",          7, 5019, "eGrupaTabela",          false},
    {"choicesGrupaTabela",          7, 5595, "eGrupaTabela",          false},
    {"choicesVerzija",              2, 5032, "Verzija",               false},
    {"choicesPort",                 4, 5032, "Port",                  false},
    {"choicesBrzina",               2, 5032, "Brzina",                false},
    {"choicesUsluga",              25, 5217, "Usluga",                false},
    {"choicesUsluga",              25, 5230, "Usluga",                true},
    {"choicesZPPVrstaIVerzija",    18, 5125, "eZPPVrstaIVerzija",     false},
    {"choicesKlaseAlarma",         11, 5024, "eKlaseAlarmaCB",        false},
    {"choicesGrupnaUsluga",         9, 5244, "eUsluga",               false},
    {"choicesGrupnaUsluga",         9, 5245, "eUsluga",               false},
    {"choicesDodelaUsluga",        17, 5218, "Usluga",                false},
    {"choicesTabela",             204, 5018, "eTabela",               false},
    {"choicesTabela",             204, 5020, "eTabela",               false},
    {"choicesTabela",             204, 5594, "eTabela",               false},
};

struct ChoiceTextRange {
    const char* table;
    int32_t firstTextId, lastTextId;
};

const ChoiceTextRange kChoiceTextRanges[] = {
    {"choicesNivoAlarma",         20001, 20004},
    {"choicesKategorija",         20022, 20051},
    {"choicesEOSkod",             20076, 20259},
    {"choicesSignalizacija",      20270, 20287},
    {"choicesSpecUsluga",         20288, 20340},
    {"choicesNumPlan",            20371, 20377},
    {"choicesKorisnik",           20378, 20383},
    {"choicesPodsistem",          20384, 20393},
    {"choicesVremenskaKontrola",  20406, 20420},
    {"choicesIdentPoz",           20432, 20434},
    {"choicesGrupaTabela",        20675, 20681},
    {"choicesVerzija",            20682, 20683},
    {"choicesPort",               20684, 20687},
    {"choicesBrzina",             20688, 20689},
    {"choicesUsluga",             20690, 20714},
    {"choicesZPPVrstaIVerzija",   20715, 20732},
    {"choicesKlaseAlarma",        20733, 20743},
    {"choicesGrupnaUsluga",       20744, 20752},
    {"choicesDodelaUsluga",       20753, 20769},
    {"choicesTabela",             20799, 21002},
};

struct DeclaredNames {
    uint16_t command;
    const char* title;
    std::vector<const char*> names;
};

// Titles and MML parameter names given in full for a few commands.
const DeclaredNames kDeclaredNames[] = {
    {5001, "Конфигурация OR", {"Тип OR", "Номер OR"}},
    {5002, "Конфигурация OR сервера", {"OR 1 IP", "OR 2 IP", "OR 3 IP", "OR 4 IP", "OR 5 IP", "OR 6 IP", "OR 7 IP"}},
    {5004, "Команда MML", {"MML>"}},
    {5005, "Скрипт MML", {"Имя файла"}},
    {5006, "Останов выполнения скриптa MML", {}},
    {5086, "Нагрузка RP", {"RP"}},
    {5445, "Параметры маршрутного случая", {"Режь", "Клей", "Зависящая от времени маршрутизация", "Начало(Ч)", "Начало(M)", "Конец(Ч)", "Конец(M)", "Mин.промилле", "Maкс.промилле", "Oпция направленности", "Параметр", "Специальная услуга", "Занимает потом", "Сигнал занятия потом", "Первая отправленная цифра", "Характер адреса(ОКС7)"}},
};

// Titles quoted byte for byte in the notes on MML lookup (look-alike letters, a final blank).
const char* const kExactTitles[] = {"Останов выполнения скриптa MML", "Oбзор учета блокировок абонентов", "Oбзор исходящих сигнальных пунктов SCCP "};
// Each packed record against the command it belongs to.
struct RecordStruct {
    uint16_t command;
    std::size_t size;
};

const RecordStruct kRecordStructs[] = {
    {5001, sizeof(SParamsKonfigOR)},
    {5002, sizeof(SParamsKonfigORserver)},
    {5003, sizeof(SParamsKonfigORklijent)},
    {5004, sizeof(SParamsActMMLKomanda)},
    {5005, sizeof(SParamsActMMLSkript)},
    {5008, sizeof(SParamsStatistikaKOPa)},
    {5018, sizeof(SParamsOkPracenjeTabele)},
    {5019, sizeof(SParamsOkPracenjeGrupeTabela)},
    {5020, sizeof(SParamsOkPregledTabeleOR)},
    {5024, sizeof(SParamsOkIspisSvihAlarma)},
    {5032, sizeof(SParamsOkPodesavanjeALP)},
    {5043, sizeof(SParamsOkPromenaVremena)},
    {5044, sizeof(SParamsOkPromenaVremeDatum)},
    {5045, sizeof(SParamsOkVKIspisSvih)},
    {5046, sizeof(SParamsOkVKJednaIspis)},
    {5088, sizeof(SParamsOkZamenaRPPrograma)},
    {5096, sizeof(SParamsOkPromenaZadTemp)},
    {5113, sizeof(SParamsBMDStart)},
    {5115, sizeof(SParamsBMDSStart)},
    {5129, sizeof(SParamsOkUnosTipaPoziva)},
    {5169, sizeof(SParamsBlokPoPtpFajl)},
    {5170, sizeof(SParamsDeblokPoPtpFajl)},
    {5192, sizeof(SParamsOkNadzorStanjaPoziva)},
    {5221, sizeof(SParamsOkDodOgrPolazPozivaBezSifre)},
    {5241, sizeof(SParamsUnosPtpSifre)},
    {5242, sizeof(SParamsPromenaPtpSifre)},
    {5263, sizeof(SParamsPregledNPPCa)},
    {5264, sizeof(SParamsUvodjenjeNPPCa)},
    {5265, sizeof(SParamsDodavanjeNPPClinije)},
    {5267, sizeof(SParamsPromenaNPPCa)},
    {5268, sizeof(SParamsBrisanjeNPPCa)},
    {5272, sizeof(SParamsEksportTarifnihBrojaca)},
    {5273, sizeof(SParamsOperZadavanjePrenTT)},
    {5276, sizeof(SParamsOperIzvestajTT)},
    {5277, sizeof(SParamsMinOperIzvestajTT)},
    {5282, sizeof(SParamsOkUnosNumeracije)},
    {5283, sizeof(SParamsOkBrisanjeNumeracije)},
    {5291, sizeof(SParamsOkDodajPrefiksPACTab)},
    {5303, sizeof(SParamsOkOcitavanjeKanalaSPC)},
    {5309, sizeof(SParamsOkNo7SimpleParametri)},
    {5310, sizeof(SParamsOkNo7Parametri)},
    {5321, sizeof(SParamsOkUnosNBlok)},
    {5322, sizeof(SParamsOkPromProc)},
    {5381, sizeof(SParamsOkUnosSigTacke)},
    {5383, sizeof(SParamsOkBrisanjeSigTacke)},
    {5384, sizeof(SParamsOkOcitUsmeravanja)},
    {5385, sizeof(SParamsOkUsmSigTackeNaRutu)},
    {5386, sizeof(SParamsOkKrajUsmSigTackeNaRutu)},
    {5389, sizeof(SParamsOkUvodjenjeSS7Veze)},
    {5397, sizeof(SParamsOkBrisanjeDPC)},
    {5400, sizeof(SParamsOkBrisanjeOPC)},
    {5404, sizeof(SParamsOkBrisanjeSCCPKor)},
    {5407, sizeof(SParamsOkUnosGT)},
    {5408, sizeof(SParamsOkBrisanjeGT)},
    {5409, sizeof(SParamsOkPromenaGT)},
    {5411, sizeof(SParamsOkUnosGTtoSSN)},
    {5416, sizeof(SParamsOkBrisanjeMySSN)},
    {5425, sizeof(SParamsOkDodavanjeStablaBAnalize)},
    {5427, sizeof(SParamsOkDodavanjePrefiksaBAnalize)},
    {5429, sizeof(SParamsOkPromenaPrefiksaBAnalize)},
    {5434, sizeof(SParamsOkBrisanjeDiskriminacije)},
    {5435, sizeof(SParamsOkDodajPrefiksDiskr)},
    {5444, sizeof(SParamsOkPostStopaSkip)},
    {5445, sizeof(SParamsOkParametriRS)},
    {5447, sizeof(SParamsOkBrisEOS)},
    {5451, sizeof(SParamsOkPregUsmNaRutu)},
    {5464, sizeof(SParamsOkBrisanjeTarSlucaja)},
    {5473, sizeof(SParamsOkBrisanjeTarifneKategorije)},
    {5492, sizeof(SParamsOkDodavanjeTB)},
    {5525, sizeof(SParamsOkAPKV_UnosParam)},
    {5529, sizeof(SParamsOkRusiGrupuPT)},
    {5561, sizeof(SParamsStartStat)},
    {5569, sizeof(SParamsStatBris)},
    {5570, sizeof(SParamsStatPregled)},
    {5571, sizeof(SParamsStatReduced)},
    {5573, sizeof(SParamsStatVrsteSaob)},
    {5574, sizeof(SParamsStatUspehVeze)},
    {5575, sizeof(SParamsStatUspehRuta)},
    {5578, sizeof(SParamsOkPromenaLozinke)},
    {5579, sizeof(SParamsOkDodajOperatera)},
    {5589, sizeof(SParamsOkDodajGrupu)},
};
