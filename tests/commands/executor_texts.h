#pragma once

// Texts of the command rows that the executor tests give as MML values or
// expect as error names, byte for byte (look-alike Latin letters included).

constexpr const char* kTipOr = "Тип OR";
constexpr const char* kOrServer = "OR сервер";
constexpr const char* kOrKlijent = "OR клиент";
constexpr const char* kBrojOr = "Номер OR";
constexpr const char* kUrovni = "Уровни";
constexpr const char* kOpcijeVyvoda = "Oпции вывода";
constexpr const char* kNomerProcessora = "Номер процессорa";
constexpr const char* kKlassSignala = "Класс аварийного сигналa";
constexpr const char* kPoVremeni = "Пo времени";
constexpr const char* kUrovenSignala = "Уровень aварийного сигнала";
constexpr const char* kKlassOtnSl = "Относящиеся к СЛ";
constexpr const char* kGruppaEos = "Группа таблиц EOS ";
constexpr const char* kGruppaTarify = "Группа таблиц Taрифы";
constexpr const char* kPravoSchityvaniya = "Право считывания";
constexpr const char* kPravoIzmeneniya = "Право изменения";
constexpr const char* kLapd = "Урoвeнь 2 - oбмен сooбщeниями ЛАПД ";
constexpr const char* kPosylkaAis = "Посылка AIS";
constexpr const char* kPosylkaAis16 = "Посылка AIS(16)";
constexpr const char* kVvodVZhurnal = "Ввод в журнал";
constexpr const char* kPodtverzhdenie = "Подтверждение";
constexpr const char* kUrovenTrevogi = "Уровень сигнала тревоги";
constexpr const char* kNomerTrevogi = "Номер сигнала тревоги";
constexpr const char* kSummaPopolneniya = "Сумма пополнения баланса";
constexpr const char* kOutOfRangeText = "Параметр '%1' вне диапазона";
constexpr const char* kMissingAmpersandText = "Недостает знак & в параметре '%1'.";
constexpr const char* kDoubleAmpersandText = "Двойной знак & в параметре '%1'.";
