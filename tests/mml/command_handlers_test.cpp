#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mml/command_handlers.h"
#include "mml/mml_registry.h"

namespace {

class CommandCatalogue : public ::testing::Test {
protected:
    void SetUp() override { registerCommandHandlers(); }
};

bool hasDelimiterOrQuote(const char* text) {
    return std::strpbrk(text, ",:;=\"") != nullptr;
}

bool hasOuterBlank(const char* text) {
    const size_t n = std::strlen(text);
    return n == 0 || isMmlWhiteSpace(text[0]) || isMmlWhiteSpace(text[n - 1]);
}

}  // namespace

TEST_F(CommandCatalogue, RegistersEveryHandlerClassUnderItsTitle) {
    EXPECT_EQ(commandHandlers().size(), 578u);
    EXPECT_EQ(commandRegistry().count(), 573u);
    EXPECT_EQ(commandHandlers().front().className(), "Obr_KonfigOR");
    EXPECT_EQ(commandHandlers().back().className(), "Obr_actIndeksPomoci");

    // A title belongs to its first row in id order; a later row is refused.
    std::map<std::string, const CommandRow*> firstOfTitle;
    std::set<int> refused;
    for (const Obr_Komanda& handler : commandHandlers()) {
        const CommandRow& row = handler.command();
        if (!firstOfTitle.emplace(row.title, &row).second) refused.insert(row.id);
    }
    EXPECT_EQ(refused, (std::set<int>{5321, 5324, 5325, 5511, 5578}));
    for (const auto& [title, row] : firstOfTitle) {
        EXPECT_EQ(mmlExecutor().getCommandId(title.c_str()), row->local ? -1 : row->id) << row->id;
        EXPECT_EQ(mmlExecutor().getHelpTopic(title.c_str()), row->helpTopic) << row->id;
    }
}

TEST_F(CommandCatalogue, AnswersByTitle) {
    struct Case {
        const char* title;
        int32_t id;
        uint16_t helpTopic;
    };
    const Case cases[] = {
        {"Запуск наблюдения", 5323, 424},
        {"Скрипт MML", -1, 38},
        {"Конфигурация OR", -1, 32},
        {"Индекс помощи", -1, 755},
        {"Ввод контроля", 5176, 243},
        {"Изменение пароля", 5242, 326},
        {"Перечень aктивных aварийных сигналов", 5024, 65},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mmlExecutor().getCommandId(c.title), c.id) << c.title;
        EXPECT_EQ(mmlExecutor().getHelpTopic(c.title), c.helpTopic) << c.title;
    }
    // The ids without a handler class are unknown to MML.
    for (int32_t id : {5029, 5030, 5031, 5126, 5127, 5128, 5256, 5257, 5258, 5259, 5260,
                       5261, 5503, 5504, 5505, 5515, 5516, 5517, 5553, 5554, 5555}) {
        const CommandRow& row = *findCommand(id);
        EXPECT_EQ(row.suffix, nullptr) << id;
        if (row.title != nullptr) EXPECT_EQ(mmlExecutor().getCommandId(row.title), -2) << id;
    }
}

TEST_F(CommandCatalogue, Templates) {
    struct Case {
        const char* title;
        const char* expected;
    };
    const Case cases[] = {
        {"Конфигурация OR",
         "Конфигурация OR : Тип OR: ; Номер OR = ;"},  // radio group, then a value
        {"Конфигурация OR клиента", "Конфигурация OR клиента : IP адрес сервера = ;"},
        {"Команда MML", "Команда MML : MML> = ;"},
        {"Нагрузка RP", "Нагрузка RP : RP = ;"},  // the MML name, not the form label
        {"Останов выполнения скриптa MML", "Останов выполнения скриптa MML ;"},  // no parameters
        {"Изменение параметров определения сигнала тревоги",
         "Изменение параметров определения сигнала тревоги : Номер сигнала тревоги = , Уровень "
         "сигнала тревоги = , Опции;"},  // value, choice, check group last
        {"Вхождeниe оператoра в систему",
         "Вхождeниe оператoра в систему : Имя оператoра = , Пароль = *****;"},  // text, then a
                                                                                // password
        {"Открытие окна состояния", "Открытие окна состояния ;"},               // local action
    };
    for (const Case& c : cases) {
        const char* got = mmlExecutor().getCommandTemplate(c.title);
        ASSERT_NE(got, nullptr) << c.title;
        EXPECT_STREQ(got, c.expected) << c.title;
    }
    EXPECT_EQ(mmlExecutor().getCommandTemplate("No such title"), nullptr);

    // One buffer: a template is valid until the next one is asked for.
    const char* first = mmlExecutor().getCommandTemplate(cases[0].title);
    const char* second = mmlExecutor().getCommandTemplate(cases[1].title);
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, cases[1].expected);
}

TEST_F(CommandCatalogue, TemplatesOfValueParametersParseAsStatements) {
    size_t longest = 0;
    int parsed = 0;
    for (Obr_Komanda& handler : commandHandlers()) {
        const CommandRow& row = handler.command();
        const std::string text = handler.commandTemplate();
        longest = std::max(longest, text.size());

        const char* names[kMaxDeclaredParameters];
        const int declared = declaredParameterNames(row, names);
        bool valuesOnly = !hasDelimiterOrQuote(row.title) && !hasOuterBlank(row.title);
        bool blocked = false;  // a piece the operator must replace before it parses
        const Rows<FieldRow> fields = commandFields(row);
        for (int i = 0; i < declared; ++i) {
            const FieldKind kind = fields[i].kind;
            blocked |= kind == FieldKind::RadioGroup;
            blocked |= kind == FieldKind::CheckGroup && i + 1 < declared;
            valuesOnly &= !hasDelimiterOrQuote(names[i]) && !hasOuterBlank(names[i]);
        }

        char name[kMmlFieldSize];
        SMML_Argument args[kMaxScriptArguments];
        int count = 0;
        const int rc =
            parseMmlStatement(text.c_str(), name, kMmlTokenLimit, kMaxScriptArguments, count, args);
        if (blocked) {
            EXPECT_EQ(rc, -1) << row.id;
            continue;
        }
        if (!valuesOnly) continue;
        ASSERT_EQ(rc, 0) << row.id;
        ++parsed;
        EXPECT_STREQ(name, row.title) << row.id;
        ASSERT_EQ(count, declared) << row.id;
        for (int i = 0; i < declared; ++i) {
            // A check group last reads as a positional value: its own name.
            if (fields[i].kind == FieldKind::CheckGroup) {
                EXPECT_STREQ(args[i].name, "") << row.id;
                EXPECT_STREQ(args[i].value, names[i]) << row.id;
                continue;
            }
            EXPECT_STREQ(args[i].name, names[i]) << row.id;
            EXPECT_STREQ(args[i].value, fields[i].kind == FieldKind::Password ? "*****" : "")
                << row.id;
        }
    }
    EXPECT_EQ(longest, 332u);
    EXPECT_GT(parsed, 400);
}

TEST(CommandHandlers, DeclaredNamesFollowTheForm) {
    struct Case {
        int32_t id;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {5001, {"Тип OR", "Номер OR"}}, {5086, {"RP"}}, {5006, {}}, {5007, {}},  // local action
    };
    for (const Case& c : cases) {
        const char* names[kMaxDeclaredParameters];
        const int n = declaredParameterNames(*findCommand(c.id), names);
        EXPECT_EQ(std::vector<std::string>(names, names + n), c.names) << c.id;
    }
    std::map<int, int> perCount;
    for (const Obr_Komanda& handler : commandHandlers()) {
        const char* names[kMaxDeclaredParameters];
        if (!isLocalActionCommand(handler.command()))
            ++perCount[declaredParameterNames(handler.command(), names)];
        EXPECT_LE(handler.command().fieldCount, kMaxDeclaredParameters) << handler.command().id;
    }
    EXPECT_EQ(perCount, (std::map<int, int>{{0, 108},
                                            {1, 188},
                                            {2, 123},
                                            {3, 69},
                                            {4, 17},
                                            {5, 14},
                                            {6, 12},
                                            {7, 4},
                                            {8, 5},
                                            {9, 3},
                                            {10, 1},
                                            {11, 4},
                                            {12, 1},
                                            {13, 2},
                                            {16, 1}}));
}
