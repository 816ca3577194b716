// Stated facts of the command outline that the tests check it against. Generated data.
#pragma once

#include <cstdint>

namespace outline_expect {

struct RootCounts {
    const char* label;
    int groups;
    int commands;
    int separators;
};
inline constexpr RootCounts kRoots[] = {
    {"Программа", 3, 13, 2},    {"Система", 31, 136, 3}, {"Абоненты", 38, 144, 1},
    {"Магистрали", 26, 121, 0}, {"Вызовы", 30, 129, 6},  {"Статистика", 4, 23, 0},
    {"Доступ", 2, 22, 0},       {"Помощь", 0, 2, 0},
};

// A neighbour of a separator: a command id, or a group by its label.
struct Neighbour {
    int32_t command;
    const char* group;
};
struct SeparatorPlace {
    const char* container;
    Neighbour before;
    Neighbour after;
};
inline constexpr SeparatorPlace kSeparators[] = {
    {"Окна состояния", {5008, nullptr}, {5009, nullptr}},
    {"Программа", {5014, nullptr}, {5015, nullptr}},
    {"Система", {0, "Синхронизация"}, {0, "Центральные процессоры"}},
    {"Центральные процессоры", {5062, nullptr}, {5063, nullptr}},
    {"Система", {0, "Компоненты"}, {0, "Тест"}},
    {"Испытание линии", {5196, nullptr}, {5197, nullptr}},
    {"Категории времени", {5474, nullptr}, {5475, nullptr}},
    {"Категории времени", {5475, nullptr}, {5476, nullptr}},
    {"Категории времени", {5478, nullptr}, {5479, nullptr}},
    {"Категории времени", {5481, nullptr}, {5482, nullptr}},
    {"Категории времени", {5484, nullptr}, {5485, nullptr}},
    {"Наблюдение за вызовами", {0, "Наблюдение за вызовом"}, {5521, nullptr}},
};

// The catalogue texts of the report commands, as stored and in tree form, in
// the order of the three commands of a report group.
struct CatalogueLabel {
    int32_t text;
    const char* stored;
    const char* treeForm;
    const char* titleSuffix;
};
inline constexpr CatalogueLabel kCatalogueLabels[] = {
    {25645, "~П~росматривание", "Просматривание", "__Listanje"},
    {25646, "~С~лежение", "Слежение", "__Pracenje"},
    {25647, "С~т~ирание", "Стирание", "__Brisanje"},
};

struct ReportGroup {
    const char* label;
    int32_t firstCommand;
};
inline constexpr ReportGroup kReportGroups[] = {
    {"Отчеты об аварийных сигналах", 5029},
    {"Генераторы вызовов", 5126},
    {"Идентификации злоумышленника", 5256},
    {"Регистрация входящих вызовов", 5259},
    {"Наблюдаемые разговоры", 5503},
    {"Сигнализация/ПУВ", 5515},
    {"Отчеты", 5553},
};

// Latin letters that stand in labels beside Cyrillic ones: command, index of
// the character in its label, the Latin letter.
struct LatinLetter {
    int32_t command;
    int index;
    char letter;
};
inline constexpr LatinLetter kLatinLetters[] = {
    {5006, 25, 'a'}, {5036, 0, 'T'}, {5036, 1, 'e'}, {5014, 0, 'O'}, {5286, 52, 'c'},
};

}  // namespace outline_expect
