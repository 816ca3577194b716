#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mml/mml_executors.h"
#include "texts/text_catalogue.h"
#include "mml/command_handlers.h"
#include "mml/script_fixture.h"
#include "mml/script_texts.h"

namespace {

using Lines = std::vector<std::string>;

// The last posted lines, as many as expected.
Lines tail(const Lines& all, size_t n) {
    return Lines(all.end() - static_cast<std::ptrdiff_t>(std::min(n, all.size())), all.end());
}

struct FileCase {
    const char* what;
    std::string contents;
    Lines calls;
    Lines lastLines;  // the operator lines the script ends with
};

}  // namespace

TEST_F(ScriptTest, RunsStatementsOfAFileAndEndsAsTheFileSays) {
    const std::string done = fmt(kScriptText21029, {"a.mml"});
    const FileCase cases[] = {
        {"two statements on one line", "test: a; test: b;\n", {"a"}, {done}},
        {"lines joined without a blank", "test: ab\ncd,\n  x=1\n;\n", {"abcd|x=1"}, {done}},
        {"quoted delimiters", "test: \"x;y\", \"p#q\"; # note\n", {"x;y|p#q"}, {done}},
        {"last statement without a line end", "test: a;\ntest: b;", {"a", "b"}, {done}},
        {"CR LF line ends", "test: \"a\r\nb\";\r\ntest: c;\r\n", {"ab", "c"}, {done}},
        {"empty file", "", {}, {done}},
        {"comment and blank lines count",
         "# head\n\n   \ntest: x\n# inside\n;\nfail;\ntest: never;\n",
         {"x"},
         {fmt(kScriptText21011, {"P"}), fmt(kScriptText21022, {"a.mml", "7"})}},
        {"unknown command",
         "test: a;\nнет такой;\ntest: b;\n",
         {"a"},
         {fmt(kScriptText21007, {"нет такой"}), fmt(kScriptText21022, {"a.mml", "2"})}},
        {"syntax error", "test: a=b=c;\ntest: b;\n", {}, {fmt(kScriptText21023, {"a.mml", "1"})}},
        {"unfinished statement at the end",
         "test: a;\ntest: b,\n# c\n",
         {"a"},
         {fmt(kScriptText21025, {"a.mml", "3"})}},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.what);
        testCalls().clear();
        lines.messages.clear();
        runScript("a.mml", c.contents);
        EXPECT_FALSE(isScriptRunning());
        EXPECT_EQ(testCalls(), c.calls);
        EXPECT_EQ(tail(posted(), c.lastLines.size()), c.lastLines);
        ASSERT_NE(scriptRunner(), nullptr);
        EXPECT_EQ(scriptRunner()->line(3), c.lastLines.back());
        scriptRunner()->closeWindow();
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

namespace {

// "test" with 34 values of 69 characters, padded with blanks before its ";"
// to the given length.
std::string statementOf(size_t length) {
    std::string s = "test: ";
    for (int i = 0; i < 34; ++i) s += (i > 0 ? "," : "") + std::string(69, 'a' + i % 26);
    return s + std::string(length - s.size() - 1, ' ') + ";\n";
}
std::string fullCall() {
    std::string s;
    for (int i = 0; i < 34; ++i) s += (i > 0 ? "|" : "") + std::string(69, 'a' + i % 26);
    return s;
}

}  // namespace

TEST_F(ScriptTest, StatementsLongerThanTheBufferEndTheScript) {
    const std::string done = fmt(kScriptText21029, {"a.mml"});
    const std::string tooLong1 = fmt(kScriptText21024, {"2400", "a.mml", "1"});
    const std::string tooLong24 = fmt(kScriptText21024, {"2400", "a.mml", "24"});
    std::string manyLines;
    for (int i = 0; i < 30; ++i) manyLines += std::string(100, 'x') + "\n";
    const FileCase cases[] = {
        {"one long line", "test: " + std::string(3000, 'x') + ";\n", {}, {tooLong1}},
        {"many lines joined", manyLines + ";\n", {}, {tooLong24}},
        {"a long line after a statement is dropped",
         "test: a;" + std::string(3000, 'y') + "\ntest: b;\n",
         {"a", "b"},
         {done}},
        {"a statement of 2398 characters runs", statementOf(2398), {fullCall()}, {done}},
        {"one of 2399 characters does not", statementOf(2399), {}, {tooLong1}},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.what);
        testCalls().clear();
        lines.messages.clear();
        runScript("a.mml", c.contents);
        EXPECT_EQ(testCalls(), c.calls);
        EXPECT_EQ(tail(posted(), 1), c.lastLines);
        scriptRunner()->closeWindow();
    }
}

TEST_F(ScriptTest, StartsAfterThreeSecondsAndShowsItsProgress) {
    dir.write("a.mml", "test: a;\nodgovor-vk: 100, OK;\ntest: b;\n");
    startMmlScript("a.mml");
    KAPOS_MML_SkriptIzvrsavac* runner = scriptRunner();
    ASSERT_NE(runner, nullptr);
    EXPECT_TRUE(isScriptRunning());
    EXPECT_EQ(runner->title(), kScriptText21030);
    EXPECT_EQ(runner->lineCount(), kScriptWindowLines);
    EXPECT_EQ(runner->line(1), "a.mml");

    step(2999);
    EXPECT_TRUE(testCalls().empty());
    step(1);
    EXPECT_EQ(testCalls(), Lines{"a"});
    EXPECT_EQ(runner->line(3), fmt(kScriptText21031, {"a.mml", "2"}));
    arrive("OK");
    step(99);
    EXPECT_EQ(testCalls(), Lines{"a"});
    step(1);
    EXPECT_EQ(testCalls(), (Lines{"a", "b"}));
    EXPECT_FALSE(isScriptRunning());
    EXPECT_EQ(runner->line(3), fmt(kScriptText21029, {"a.mml"}));
}

namespace {

struct Delivery {
    uint8_t type;
    std::string text;
};

struct AnswerCase {
    const char* directive;
    std::vector<Delivery> deliveries;
    uint32_t wait;
    bool answered;
};

}  // namespace

TEST_F(ScriptTest, ExpectedAnswersMatchInOrderByTheirBeginning) {
    const AnswerCase cases[] = {
        {"odgovor: OK;", {{136, "OK"}}, 1000, true},
        {"odgovor: OK;", {{136, "OK \t "}}, 1000, true},
        {"odgovor: OK;", {{136, "OK!"}}, 1000, false},
        {"odgovor: OK;", {{136, "ok"}}, 1000, false},
        {"odgovor: OK;", {{136, "O"}}, 1000, false},
        {"odgovor: OK;", {{137, "OK"}}, 1000, false},
        {"odgovor: OK;", {}, 1000, false},
        {"odgovor: A, B;", {{136, "A"}, {136, "X"}, {136, "B"}}, 1000, true},
        {"odgovor: A, B;", {{136, "B"}, {136, "A"}}, 1000, false},
        {"odgovor: \"Готово, все\";", {{136, "Готово, все"}}, 1000, true},
        {"odgovor-vk: 5000, A;", {{136, "A"}}, 5000, true},
        {"odgovor-vk: 250xyz, A, B;", {{136, "A"}, {136, "B"}}, 250, true},
        {"odgovor-vk: junk, A;", {{136, "A"}}, 0, true},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.directive);
        testCalls().clear();
        lines.messages.clear();
        dir.write("a.mml", std::string(c.directive) + "\ntest: after;\n");
        startMmlScript("a.mml");
        step(3000);
        for (const Delivery& d : c.deliveries)
            offerMessageToScriptExecutors(d.type, d.text.c_str(),
                                          static_cast<int>(d.text.size() + 1));
        if (c.wait > 0) {
            step(c.wait - 1);
            EXPECT_TRUE(isScriptRunning());
            EXPECT_TRUE(testCalls().empty());
        }
        step(c.wait > 0 ? 1 : 0);
        EXPECT_FALSE(isScriptRunning());
        EXPECT_EQ(testCalls(), c.answered ? Lines{"after"} : Lines{});
        EXPECT_EQ(lastPosted(), c.answered ? fmt(kScriptText21029, {"a.mml"})
                                           : fmt(kScriptText21021, {"a.mml", "1"}));
        scriptRunner()->closeWindow();
    }
}

TEST_F(ScriptTest, DirectivesRefuseWrongArguments) {
    const struct {
        const char* statement;
        std::string status;
    } cases[] = {
        {"izvrsi;", kScriptText21010},
        {"izvrsi: a, b;", kScriptText21009},
        {"odgovor;", kScriptText21010},
        {"odgovor-vk: 5;", kScriptText21010},
        {"odgovor-vk: -5, A;", fmt(kScriptText21011, {"-5"})},
        {"odgovor-vk: 99999999999, A;", fmt(kScriptText21011, {"99999999999"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.statement);
        lines.messages.clear();
        runScript("a.mml", std::string(c.statement) + "\n");
        EXPECT_EQ(tail(posted(), 2), (Lines{c.status, fmt(kScriptText21022, {"a.mml", "1"})}));
        scriptRunner()->closeWindow();
    }
}

TEST_F(ScriptTest, DirectivesAreUnknownUntilTheFirstScript) {
    if (scriptDirectivesRegistered())
        GTEST_SKIP() << "an earlier test of this process ran a script";
    char errorText[kMmlErrorTextSize] = "";
    SMML_Argument arg{"", "OK"};
    for (const char* name : {"odgovor", "odgovor-vk", "izvrsi"}) {
        EXPECT_EQ(mmlExecutor().runCommand(name, 1, &arg, errorText, 1), msUnknownCommand) << name;
        EXPECT_EQ(mmlExecutor().getCommandId(name), kUnknownCommandId) << name;
    }
    runScript("a.mml", "test: a;\n");
    for (const char* name : {"odgovor", "odgovor-vk", "izvrsi"}) {
        EXPECT_EQ(mmlExecutor().getCommandId(name), kLocalCommandId) << name;
        EXPECT_EQ(mmlExecutor().getCommandTemplate(name), nullptr) << name;
        EXPECT_EQ(mmlExecutor().getHelpTopic(name), 0) << name;
    }
    // Outside a script a directive does nothing.
    SMML_Argument args[2] = {{"", "10"}, {"", "OK"}};
    EXPECT_EQ(mmlExecutor().runCommand("odgovor-vk", 2, args, errorText, 1), msOk);
    EXPECT_EQ(mmlExecutor().runCommand("izvrsi", 1, args, errorText, 1), msOk);
    EXPECT_FALSE(isScriptRunning());
}

TEST_F(ScriptTest, SubScriptsRunNestedAndTheParentGoesOn) {
    dir.write("b.mml", "test: b1;\nodgovor-vk: 100, X;\ntest: b2;\n");
    dir.write("a.mml", "test: a1;\nizvrsi: b.mml;\ntest: a2;\n");
    startMmlScript("a.mml");
    step(3000);
    EXPECT_EQ(testCalls(), Lines{"a1"});
    EXPECT_EQ(lastPosted(), fmt(kScriptText21026, {"a.mml", "2", "b.mml"}));
    step(0);
    KAPOS_MML_SkriptIzvrsavac* runner = scriptRunner();
    EXPECT_EQ(runner->level(), 1);
    EXPECT_EQ(runner->line(3), fmt(kScriptText21031, {"a.mml", "2"}));
    EXPECT_EQ(runner->line(4), "  " + fmt(kScriptText21031, {"b.mml", "2"}));
    offerMessageToScriptExecutors(136, "X", 2);
    step(100);
    EXPECT_EQ(testCalls(), (Lines{"a1", "b1", "b2"}));
    EXPECT_EQ(lastPosted(), fmt(kScriptText21028, {"b.mml"}));
    EXPECT_EQ(runner->line(4), "");
    EXPECT_EQ(runner->level(), 0);
    step(0);
    EXPECT_EQ(testCalls(), (Lines{"a1", "b1", "b2", "a2"}));
    EXPECT_EQ(lastPosted(), fmt(kScriptText21029, {"a.mml"}));
}

TEST_F(ScriptTest, MissingSubScriptIsReportedAndSkipped) {
    runScript("a.mml", "izvrsi: nope.mml;\ntest: a2;\n");
    EXPECT_EQ(testCalls(), Lines{"a2"});
    EXPECT_EQ(tail(posted(), 3),
              (Lines{fmt(kScriptText21026, {"a.mml", "1", "nope.mml"}),
                     fmt(kScriptText21020, {"nope.mml"}), fmt(kScriptText21029, {"a.mml"})}));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ScriptTest, FiveFilesDeepWorkAndASixthEndsTheScript) {
    for (int i = 0; i < 5; ++i)
        dir.write("s" + std::to_string(i) + ".mml", "test: " + std::to_string(i) + ";\nizvrsi: s" +
                                                        std::to_string(i + 1) + ".mml;\n");
    startMmlScript("s0.mml");
    runToEnd();
    EXPECT_EQ(testCalls(), (Lines{"0", "1", "2", "3", "4"}));
    const std::string tooDeep = fmt(kScriptText21027, {"5", "s0.mml"});
    EXPECT_EQ(tail(posted(), 2),
              (Lines{fmt(kScriptText21026, {"s4.mml", "2", "s5.mml"}), tooDeep}));
    EXPECT_EQ(scriptRunner()->level(), 4);
    EXPECT_EQ(scriptRunner()->line(7), tooDeep);
    EXPECT_EQ(scriptExecutors().count(), 0u);  // every level left with the script
    scriptRunner()->closeWindow();
    EXPECT_EQ(scriptExecutors().count(), 0u);
}

TEST_F(ScriptTest, StartingAndStoppingTellTheOperator) {
    startMmlScript("missing.mml");
    EXPECT_FALSE(isScriptRunning());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, fmt(kScriptText21020, {"missing.mml"}));
    EXPECT_EQ(lastPosted(), boxes.boxes[0].text);

    dir.write("a.mml", "test: a;\n");
    dir.write("b.mml", "test: b;\n");
    startMmlScript("a.mml");
    KAPOS_MML_SkriptIzvrsavac* first = scriptRunner();
    startMmlScript("b.mml");
    EXPECT_EQ(lastPosted(), fmt(kScriptText21019, {"a.mml"}));
    EXPECT_EQ(scriptRunner(), first);

    stopMmlScript();
    EXPECT_EQ(lastPosted(), fmt(kScriptText21033, {"a.mml"}));
    EXPECT_FALSE(isScriptRunning());
    EXPECT_EQ(scriptRunner(), nullptr);
    EXPECT_EQ(scriptExecutors().count(), 0u);
    step(5000);
    EXPECT_TRUE(testCalls().empty());

    stopMmlScript();
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[1].text, kScriptText21032);
    EXPECT_EQ(lastPosted(), kScriptText21032);
}

TEST_F(ScriptTest, ScriptNamesAreCut) {
    const std::string longName(80, 'n');
    dir.write(longName, "izvrsi: " + std::string(120, 'm') + ";\n");
    startMmlScript(longName.c_str());
    EXPECT_EQ(scriptRunner()->line(1), longName.substr(0, 67));
    runToEnd();
    EXPECT_EQ(
        tail(posted(), 3)[0],
        fmt(kScriptText21026, {longName.substr(0, 67), "1", std::string(99, 'm')}).substr(0, 256));
}

// However a script ends, its executors leave the list at once; its window
// stays with the outcome until the operator closes it.
TEST_F(ScriptTest, EndedScriptLeavesTheExecutorListAtOnce) {
    dir.write("sub.mml", "test: s;\n");
    const struct {
        const char* name;
        std::string contents;
        const char* lastLine;
    } cases[] = {
        {"finished", "test: a;\n", kScriptText21029},
        {"a failed command", "fail;\n", kScriptText21022},
        {"an answer missing", "odgovor: OK;\n", kScriptText21021},
        {"after a sub-script", "izvrsi: sub.mml;\ntest: a;\n", kScriptText21029},
    };
    for (const auto& c : cases) {
        runScript("a.mml", c.contents);
        EXPECT_FALSE(isScriptRunning()) << c.name;
        EXPECT_EQ(lastPosted(), fmt(c.lastLine, {"a.mml", "1"})) << c.name;
        EXPECT_EQ(scriptExecutors().count(), 0u) << c.name;
        EXPECT_TRUE(scriptRunner()->closeWindow()) << c.name;
        EXPECT_EQ(scriptRunner(), nullptr) << c.name;
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

// Ended scripts whose windows stay open take no room from a new script: its
// expected answer is recognised.
TEST_F(ScriptTest, EndedScriptsLeaveRoomForTheAnswersOfANewOne) {
    std::vector<std::unique_ptr<KMML_SkriptIzvrsavac>> others;
    for (uint32_t i = 1; i < SScriptExecutorList::kCapacity; ++i)
        others.push_back(std::make_unique<KMML_SkriptIzvrsavac>(nullptr));
    runScript("a.mml", "test: a;\n");
    runScript("b.mml", "test: b;\n");
    dir.write("c.mml", "odgovor: OK;\n");
    startMmlScript("c.mml");
    step(3000);
    arrive("OK");
    step(1000);
    EXPECT_EQ(lastPosted(), fmt(kScriptText21029, {"c.mml"}));
    others.clear();
    EXPECT_EQ(scriptExecutors().count(), 0u);
}

// Holds every timer of the pool that is free when told.
class TimerHog : public TTimerReceiver {
public:
    ~TimerHog() override = default;
    void onTimer(const STimerEvent*) override {}
    void takeAll() {
        while (setTimer(this, 3600000) >= 0) {
        }
    }
};

// A script whose first step cannot be armed does not start: the operator is
// told, nothing is left running, and a later start works.
TEST_F(ScriptTest, StartWithoutAFreeTimerLeavesNothingRunning) {
    dir.write("a.mml", "test: a;\n");
    {
        TimerHog hog;
        hog.takeAll();
        startMmlScript("a.mml");
        EXPECT_FALSE(isScriptRunning());
        EXPECT_EQ(scriptRunner(), nullptr);
        EXPECT_EQ(scriptExecutors().count(), 0u);
        const std::string told = fmt(kScriptTextNoTimerAtStart, {"a.mml"});
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, told);
        EXPECT_EQ(lastPosted(), told);
    }
    runScript("a.mml", "test: a;\n");
    EXPECT_EQ(testCalls(), Lines{"a"});
    EXPECT_EQ(lastPosted(), fmt(kScriptText21029, {"a.mml"}));
}

// A later step that finds no free timer ends the script with an error
// instead of leaving it running without a step to come.
TEST_F(ScriptTest, StepWithoutAFreeTimerEndsTheScript) {
    TimerHog hog;
    static TimerHog* hogOfStatement = nullptr;
    hogOfStatement = &hog;
    // "zauzmi" takes every free timer while the step runs.
    struct TakeTimers : KMML_SkriptDirektiva {
        eMmlStatus execute(int, const SMML_Argument*, char*, uint8_t) override {
            if (hogOfStatement != nullptr) hogOfStatement->takeAll();
            return msOk;
        }
    };
    static TakeTimers take;
    mmlExecutor().registerHandler("zauzmi", &take, kLocalCommandId);
    dir.write("sub.mml", "test: s;\n");
    const struct {
        const char* name;
        std::string contents;
    } cases[] = {
        {"a wait for answers", "zauzmi;\nodgovor-vk: 100, X;\ntest: a;\n"},
        {"a sub-script", "zauzmi;\nizvrsi: sub.mml;\ntest: a;\n"},
    };
    for (const auto& c : cases) {
        testCalls().clear();
        runScript("a.mml", c.contents);
        EXPECT_FALSE(isScriptRunning()) << c.name;
        EXPECT_EQ(lastPosted(), fmt(kScriptTextNoTimerInStep, {"a.mml", "2"})) << c.name;
        EXPECT_EQ(scriptRunner()->line(3), lastPosted()) << c.name;
        EXPECT_EQ(scriptExecutors().count(), 0u) << c.name;
        EXPECT_TRUE(testCalls().empty()) << c.name;
        killTimers(&hog);
        scriptRunner()->closeWindow();
    }
    hogOfStatement = nullptr;
}

TEST_F(ScriptTest, WithTenExecutorsListedAnswersAreNeverSeen) {
    std::vector<std::unique_ptr<KMML_SkriptIzvrsavac>> others;
    for (uint32_t i = 0; i < SScriptExecutorList::kCapacity; ++i)
        others.push_back(std::make_unique<KMML_SkriptIzvrsavac>(nullptr));
    dir.write("a.mml", "odgovor: OK;\n");
    startMmlScript("a.mml");
    step(3000);
    arrive("OK");
    step(1000);
    EXPECT_EQ(lastPosted(), fmt(kScriptText21021, {"a.mml", "1"}));
    scriptRunner()->closeWindow();
    others.clear();
    EXPECT_EQ(scriptExecutors().count(), 0u);
}

TEST_F(ScriptTest, ClosingTheWindowOfARunningScriptAsks) {
    dir.write("a.mml", "test: a;\n");
    startMmlScript("a.mml");
    KAPOS_MML_SkriptIzvrsavac* runner = scriptRunner();
    boxes.answer = 0;
    EXPECT_FALSE(runner->closeWindow());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Question);
    EXPECT_EQ(boxes.boxes[0].text, kStopScriptQuestion);
    EXPECT_TRUE(isScriptRunning());

    boxes.answer = 1;
    EXPECT_TRUE(runner->closeWindow());
    EXPECT_FALSE(isScriptRunning());
    EXPECT_EQ(scriptRunner(), nullptr);
    step(5000);
    EXPECT_TRUE(testCalls().empty());
}

// The window of an ended script closes without the question, also while a
// newer script runs, and leaves that one running.
TEST_F(ScriptTest, ClosingAnEndedWindowLeavesANewerScriptRunning) {
    runScript("a.mml", "test: a;\n");
    KAPOS_MML_SkriptIzvrsavac* ended = scriptRunner();
    dir.write("b.mml", "test: b;\n");
    startMmlScript("b.mml");
    boxes.answer = 0;
    EXPECT_TRUE(ended->closeWindow());
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(isScriptRunning());
    runToEnd();
    EXPECT_EQ(testCalls(), (Lines{"a", "b"}));
}

TEST_F(ScriptTest, WindowClosedDuringAStatementStopsTheScriptAfterIt) {
    boxes.answer = 1;
    runScript("a.mml", "test: a;\nclose;\ntest: b;\n");
    EXPECT_EQ(testCalls(), Lines{"a"});
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(scriptRunner(), nullptr);
    EXPECT_EQ(scriptExecutors().count(), 0u);
    EXPECT_NE(lastPosted(), fmt(kScriptText21029, {"a.mml"}));
}

// Commands 5005 and 5006 given as MML text reach the scripts through their
// routine slots; a script may stop itself.
class ScriptCommands : public ScriptTest {
protected:
    void SetUp() override {
        ScriptTest::SetUp();
        installCommandExecutors();
        registerCommandHandlers();
        installMmlScripts();
    }
    void TearDown() override {
        setCommandExecutor(nullptr);
        setLocalActionRunner(nullptr);
        ScriptTest::TearDown();
    }
    static std::string title(int id) { return commandNames[id - kFirstCommandId]; }
};

TEST_F(ScriptCommands, StartAndStopAsCommands) {
    dir.write("a.mml", "test: a;\n" + title(5006) + ";\ntest: b;\n");
    executeMmlCommand((title(5005) + ": a.mml;").c_str());
    EXPECT_TRUE(isScriptRunning());
    runToEnd();
    EXPECT_EQ(testCalls(), Lines{"a"});
    EXPECT_EQ(lastPosted(), fmt(kScriptText21033, {"a.mml"}));
    EXPECT_EQ(scriptRunner(), nullptr);
    EXPECT_EQ(scriptExecutors().count(), 0u);

    executeMmlCommand((title(5006) + ";").c_str());
    EXPECT_EQ(lastPosted(), kScriptText21032);
}
