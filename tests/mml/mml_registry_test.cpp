#include <cstring>
#include <utility>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/text_lines.h"
#include "mml/command_handlers.h"
#include "mml/mml_registry.h"
#include "peer/recording_boxes.h"
#include "peer/recording_receiver.h"

namespace {

// Status messages as the operator reads them; %1 stands for the argument.
const char* const kStatusTexts[] = {
    "Не существует команда '%1'",         "Не существует параметр '%1'",
    "Слишком много параметров в команде", "Слишком мало параметров в команде",
    "Параметр '%1' вне диапазона",        "Неуспешным SIF aнализ: '%1'",
    "Два раза задан параметр '%1'.",      "Не задан параметр '%1'.",
    "Недостает знак & в параметре '%1'.", "Двойной знак & в параметре '%1'.",
};
const char* const kUnknownStatusText = "Неизвестный результат выполнения команды MML - %1 !";
const char* const kSyntaxErrorText = "Синтаксическая ошибка в команде MML";

std::string withArg(const char* text, const std::string& arg) {
    std::string s = text;
    const size_t at = s.find("%1");
    if (at != std::string::npos) s.replace(at, 2, arg);
    return s;
}

// A handler that records how it was called.
class RecordingHandler : public KMML_ObradjivacKomande {
public:
    eMmlStatus execute(int count, const SMML_Argument*, char*, uint8_t journal) override {
        ++calls;
        lastCount = count;
        lastJournal = journal;
        return msOk;
    }
    const char* commandTemplate() override { return "T ;"; }
    uint16_t helpTopic() override { return 77; }
    int calls = 0;
    int lastCount = -1;
    uint8_t lastJournal = 0;
};

// Operator messages posted locally while the test runs.
std::vector<std::string> postedTexts(const RecordingReceiver& r) {
    std::vector<std::string> texts;
    for (const auto& m : r.messages)
        if (m.code == kCodePlainText) texts.push_back(m.text());
    return texts;
}

}  // namespace

TEST(CommandRegistry, KeepsTitlesInByteOrderAndRefusesRepeats) {
    SCommandRegistry registry;
    KMML_Izvrsavac executor(registry);
    RecordingHandler first, second;

    EXPECT_EQ(executor.registerHandler("", &first, 1), -1);
    EXPECT_EQ(executor.registerHandler(nullptr, &first, 1), -1);
    for (const char* title : {"z", "Я", "ab", "B", "a", "Ё", "b", "я"})
        EXPECT_EQ(executor.registerHandler(title, &first, 5001), 0) << title;
    EXPECT_EQ(executor.registerHandler("b", &second, 5002), -1);
    EXPECT_EQ(executor.getCommandId("b"), 5001);

    std::vector<std::string> order;
    for (const SMML_Obradjivac& entry : registry) order.push_back(entry.name);
    EXPECT_EQ(order, (std::vector<std::string>{"B", "a", "ab", "b", "z", "Ё", "Я", "я"}));

    EXPECT_EQ(executor.registerHandler("local", &first, kLocalCommandId), 0);
    EXPECT_EQ(executor.getCommandId("local"), -1);
    EXPECT_EQ(executor.getCommandId("Local"), -2);
    EXPECT_EQ(executor.getCommandId("local "), -2);
}

TEST(CommandRegistry, LooksTitlesUpByTheirFirst99Characters) {
    SCommandRegistry registry;
    KMML_Izvrsavac executor(registry);
    RecordingHandler handler;
    const std::string title = std::string(99, 't') + "first";
    ASSERT_EQ(executor.registerHandler(title.c_str(), &handler, 5100), 0);
    EXPECT_STREQ(registry[0].name, std::string(99, 't').c_str());

    EXPECT_EQ(executor.getCommandId((std::string(99, 't') + "other").c_str()), 5100);
    EXPECT_EQ(executor.getCommandId(std::string(99, 't').c_str()), 5100);
    EXPECT_EQ(executor.getCommandId(std::string(98, 't').c_str()), -2);
    EXPECT_EQ(executor.registerHandler((std::string(99, 't') + "again").c_str(), &handler, 1), -1);
}

TEST(CommandRegistry, FullRegistryRefuses) {
    SCommandRegistry registry;
    KMML_Izvrsavac executor(registry);
    RecordingHandler handler;
    for (uint32_t i = 0; i < SCommandRegistry::kCapacity; ++i)
        ASSERT_EQ(executor.registerHandler(("t" + std::to_string(1000 + i)).c_str(), &handler, 1),
                  0);
    EXPECT_EQ(executor.registerHandler("u", &handler, 1), -1);
    EXPECT_EQ(registry.count(), SCommandRegistry::kCapacity);
}

TEST(CommandRegistry, RunsAndAnswersForRegisteredTitlesOnly) {
    SCommandRegistry registry;
    KMML_Izvrsavac executor(registry);
    RecordingHandler handler;
    ASSERT_EQ(executor.registerHandler("Cmd", &handler, 5100), 0);
    SMML_Argument args[kMaxScriptArguments + 1] = {};
    char errorText[kMmlErrorTextSize] = "";

    EXPECT_EQ(executor.runCommand("Cmd", 35, args, errorText, 0), msOk);
    EXPECT_EQ(handler.lastCount, 35);
    EXPECT_EQ(handler.lastJournal, 0);
    EXPECT_EQ(executor.runCommand("Cmd", 36, args, errorText, 1), msTooManyParameters);
    EXPECT_EQ(handler.calls, 1);

    const std::string longName(150, 'n');
    EXPECT_EQ(executor.runCommand(longName.c_str(), 0, args, errorText, 1), msUnknownCommand);
    EXPECT_EQ(std::string(errorText), std::string(99, 'n'));
    EXPECT_EQ(handler.calls, 1);

    EXPECT_STREQ(executor.getCommandTemplate("Cmd"), "T ;");
    EXPECT_EQ(executor.getCommandTemplate("cmd"), nullptr);
    EXPECT_EQ(executor.getHelpTopic("Cmd"), 77);
    EXPECT_EQ(executor.getHelpTopic("cmd"), 0);
}

TEST(CommandStatus, PostsItsMessage) {
    struct Case {
        int status;
        const char* errorText;
        std::string posted;  // empty: nothing posted
    };
    const Case cases[] = {
        {0, "Xyz", withArg(kStatusTexts[0], "Xyz")},
        {1, "P", withArg(kStatusTexts[1], "P")},
        {2, "ignored", kStatusTexts[2]},
        {3, "", kStatusTexts[3]},
        {4, "P", withArg(kStatusTexts[4], "P")},
        {5, "check says no", withArg(kStatusTexts[5], "check says no")},
        {6, "P", withArg(kStatusTexts[6], "P")},
        {7, "P", withArg(kStatusTexts[7], "P")},
        {8, "P", withArg(kStatusTexts[8], "P")},
        {9, "P", withArg(kStatusTexts[9], "P")},
        {10, "P", ""},
        {11, "P", ""},  // not sent: the send step has said so already
        {12, "P", withArg(kUnknownStatusText, "12")},
        {-3, "P", withArg(kUnknownStatusText, "-3")},
        {255, "P", withArg(kUnknownStatusText, "255")},
    };
    for (const Case& c : cases) {
        RecordingReceiver operatorMessages(kTypeOperator);
        const char* text = showCommandStatus(c.status, c.errorText);
        EXPECT_EQ(text, commandStatusText()) << c.status;
        if (c.posted.empty()) {
            EXPECT_TRUE(postedTexts(operatorMessages).empty()) << c.status;
        } else {
            EXPECT_EQ(postedTexts(operatorMessages), std::vector<std::string>{c.posted})
                << c.status;
            EXPECT_EQ(std::string(text), c.posted) << c.status;
        }
    }
}

TEST(CommandStatus, LongErrorTextStaysInItsBuffer) {
    RecordingReceiver operatorMessages(kTypeOperator);
    const std::string name(99, 'n');
    const std::string text = showCommandStatus(msUnknownParameter, name.c_str());
    EXPECT_EQ(text.size(), static_cast<size_t>(kMmlErrorTextSize - 1));
    EXPECT_EQ(text, withArg(kStatusTexts[1], name).substr(0, kMmlErrorTextSize - 1));
}

namespace {

struct TypedCase {
    const char* what;
    std::string statement;
    std::string posted;               // "" for nothing posted
    bool executed;                    // reached the stand-in executor
    std::vector<std::string> values;  // the values it was given
};

const std::string kKonfig = "Конфигурация OR";
const std::string kTip = "Тип OR";
const std::string kBroj = "Номер OR";
const std::string kStopScript = "Останов выполнения скриптa MML";

TypedCase ran(const char* what, const std::string& statement, std::vector<std::string> values) {
    return {what, statement, "", true, std::move(values)};
}

TypedCase refused(const char* what, const std::string& statement, const std::string& posted) {
    return {what, statement, posted, false, {}};
}

std::string twice(const std::string& name) {
    return withArg(kStatusTexts[6], name);
}
std::string unknownName(const std::string& name) {
    return withArg(kStatusTexts[1], name);
}
std::string unknownCommand(const std::string& name) {
    return withArg(kStatusTexts[0], name);
}

std::string args(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += (i ? "," : "") + std::to_string(i);
    return s;
}

std::vector<TypedCase> typedCases() {
    const std::string latinH = "H" + kBroj.substr(1);  // Latin H for the Cyrillic one
    const std::string lower = "номер OR";
    const std::string sccp = "Oбзор исходящих сигнальных пунктов SCCP ";
    const std::string commaTitle = "Oбзор услуг, подлежащих групповой отмене";
    const std::string tooMany = findCommand(5427)->title;
    return {
        ran("positional", kKonfig + ":1,2;", {"1", "2"}),
        ran("named in any order", kKonfig + ":" + kBroj + "=2," + kTip + "=1;", {"1", "2"}),
        ran("named then positional", kKonfig + ":" + kTip + "=1,2;", {"1", "2"}),
        refused("named B, then positional on B", kKonfig + ":" + kBroj + "=2,1;", twice(kBroj)),
        refused("positional, then named A", kKonfig + ":1," + kTip + "=2;", twice(kTip)),
        refused("one name twice", kKonfig + ":" + kTip + "=1," + kTip + "=2;", twice(kTip)),
        refused("too few", kKonfig + ":1;", kStatusTexts[3]),
        refused("too many", kKonfig + ":1,2,3;", kStatusTexts[2]),
        refused("too many, unknown name", kKonfig + ":1,2,x=3;", kStatusTexts[2]),
        refused("name in another case", kKonfig + ":1," + lower + "=2;", unknownName(lower)),
        refused("Latin look-alike in a name", kKonfig + ":1," + latinH + "=2;",
                unknownName(latinH)),
        refused("unknown command", "No such command;", unknownCommand("No such command")),
        refused("title with a trailing blank is unreachable", "\"" + sccp + "\";",
                unknownCommand(sccp.substr(0, sccp.size() - 1))),
        ran("title with a comma, quoted", "\"" + commaTitle + "\";", {}),
        refused("title with a comma, unquoted", commaTitle + ";", kSyntaxErrorText),
        refused("no ;", kKonfig + ":1,2", kSyntaxErrorText),
        refused("13 typed arguments", tooMany + ":" + args(13) + ";", kSyntaxErrorText),
        refused("12 of 13 parameters", tooMany + ":" + args(12) + ";", kStatusTexts[3]),
        ran("no parameters", kStopScript + ";", {}),
        refused("no parameters, one empty argument", kStopScript + ":;", kStatusTexts[2]),
    };
}

class TypedCommand : public ::testing::Test {
protected:
    void SetUp() override { registerCommandHandlers(); }
};

}  // namespace

TEST_F(TypedCommand, PostsTheStatusOfEachStatement) {
    for (const TypedCase& c : typedCases()) {
        RecordingBoxes boxes;
        RecordingReceiver operatorMessages(kTypeOperator);
        const uint32_t callsBefore = lastStandInCall().calls;

        executeMmlCommand(c.statement.c_str());

        const std::vector<std::string> posted = postedTexts(operatorMessages);
        EXPECT_EQ(posted, c.posted.empty() ? std::vector<std::string>{}
                                           : std::vector<std::string>{c.posted})
            << c.what;
        const bool syntaxError = c.posted == kSyntaxErrorText;
        ASSERT_EQ(boxes.boxes.size(), syntaxError ? 1u : 0u) << c.what;
        if (syntaxError) {
            EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Error);
            EXPECT_EQ(boxes.boxes[0].text, kSyntaxErrorText);
        }
        EXPECT_EQ(lastStandInCall().calls, callsBefore + (c.executed ? 1 : 0)) << c.what;
        if (!c.executed) continue;
        EXPECT_EQ(lastStandInCall().values, c.values) << c.what;
        EXPECT_EQ(lastStandInCall().journal, 1) << c.what;
    }
}

namespace {

bool fromTextInsideExecutor = false;
int confirmInsideExecutor = -1;
char executorErrorText[kMmlErrorTextSize] = "";
eMmlStatus executorStatus = msOk;

eMmlStatus probingExecutor(const CommandRow&, const char* const*, char* errorText, uint8_t) {
    fromTextInsideExecutor = isCommandFromTextInput();
    confirmInsideExecutor = confirm("?");
    setMmlErrorText(errorText, executorErrorText);
    return executorStatus;
}

std::vector<LocalRoutine> actionsRun;
bool fromTextInsideAction = true;

void recordingAction(LocalRoutine action) {
    actionsRun.push_back(action);
    fromTextInsideAction = isCommandFromTextInput();
}

}  // namespace

TEST_F(TypedCommand, MarksOnlyTheExecutorCallAsTextInput) {
    RecordingBoxes boxes;
    boxes.answer = 0;
    setCommandExecutor(probingExecutor);
    setLocalActionRunner(recordingAction);

    struct Case {
        eMmlStatus status;
        const char* errorText;
        std::string posted;
    };
    const Case cases[] = {
        {msOk, "", ""},
        {msOutOfRange, "Param", withArg(kStatusTexts[4], "Param")},
        {msCheckFailed, "refused", withArg(kStatusTexts[5], "refused")},
        {static_cast<eMmlStatus>(12), "", withArg(kUnknownStatusText, "12")},
    };
    for (const Case& c : cases) {
        RecordingReceiver operatorMessages(kTypeOperator);
        executorStatus = c.status;
        std::strcpy(executorErrorText, c.errorText);
        fromTextInsideExecutor = false;
        executeMmlCommand((kKonfig + ":1,2;").c_str());
        EXPECT_TRUE(fromTextInsideExecutor) << c.status;
        EXPECT_EQ(confirmInsideExecutor, 1) << c.status;
        EXPECT_FALSE(isCommandFromTextInput()) << c.status;
        EXPECT_EQ(postedTexts(operatorMessages), c.posted.empty()
                                                     ? std::vector<std::string>{}
                                                     : std::vector<std::string>{c.posted})
            << c.status;
    }
    EXPECT_TRUE(boxes.boxes.empty());  // the confirmations were answered without a box

    // A local action is no executor: its questions are asked.
    executeMmlCommand("Открытие окна состояния;");
    EXPECT_EQ(actionsRun, std::vector<LocalRoutine>{LocalRoutine::openWatchWindow});
    EXPECT_FALSE(fromTextInsideAction);
    RecordingReceiver operatorMessages(kTypeOperator);
    executeMmlCommand("Открытие окна состояния:;");
    EXPECT_EQ(actionsRun.size(), 1u);
    EXPECT_EQ(postedTexts(operatorMessages), std::vector<std::string>{kStatusTexts[2]});

    setCommandExecutor(nullptr);
    setLocalActionRunner(nullptr);
}

TEST_F(TypedCommand, ScriptLengthArgumentListsReachCommandsWithMoreThan12Parameters) {
    const CommandRow& command = *findCommand(5445);
    SMML_Argument given[16] = {};
    for (int i = 0; i < 16; ++i) std::snprintf(given[i].value, kMmlFieldSize, "v%d", i);
    char errorText[kMmlErrorTextSize] = "";
    EXPECT_EQ(mmlExecutor().runCommand(command.title, 16, given, errorText, 0), msOk);
    EXPECT_EQ(lastStandInCall().command, 5445);
    ASSERT_EQ(lastStandInCall().values.size(), 16u);
    EXPECT_EQ(lastStandInCall().values[15], "v15");
    EXPECT_EQ(lastStandInCall().journal, 0);
}
