#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/command_table.h"
#include "commands/executor_helpers.h"
#include "commands/executor_texts.h"
#include "commands/executors/command_requests.h"
#include "commands/executors/local_routines.h"
#include "mml/mml_executors.h"
#include "link/text_lines.h"
#include "commands/executors/workstation_config.h"
#include "mml/command_handlers.h"
#include "mml/mml_registry.h"
#include "mml/mml_status.h"
#include "peer/loopback_router.h"
#include "peer/recording_boxes.h"
#include "peer/recording_receiver.h"

namespace {

const char* const kModemIni =
    "[Usmeravanja]\n"
    "BrojORa=28674\n"
    "BrojUsmeravanja=1\n"
    "[Usmeravanja\\Usmerenje1]\n"
    "Usmeravanje=TCP-IP\n"
    "IPAdresa=127.0.0.1\n"
    "DPC=0\n";

std::string quoted(const std::string& s) {
    return "\"" + s + "\"";
}

// A statement of the command: its quoted title and its values in order,
// named where a name is given ("name=value"), each value quoted.
std::string statement(int id, const std::vector<std::string>& values, bool named = false) {
    const CommandRow& command = *findCommand(id);
    std::string s = quoted(command.title);
    const Rows<FieldRow> fields = commandFields(command);
    for (std::size_t i = 0; i < values.size(); ++i) {
        s += i == 0 ? ":" : ",";
        if (named) s += quoted(mmlParameterName(fields[i])) + "=";
        s += quoted(values[i]);
    }
    return s + ";";
}

std::string withArg(const char* text, const std::string& arg) {
    std::string s = text;
    const std::size_t at = s.find("%1");
    if (at != std::string::npos) s.replace(at, 2, arg);
    return s;
}

// Typed statements run through the parser, the registry, argument binding
// and the executors, to the stand-in exchange over a loopback router.
class TypedCommands : public ::testing::Test, protected LoopbackRouter {
protected:
    void SetUp() override {
        installCommandExecutors();
        registerCommandHandlers();
        startRouter(kModemIni);
    }
    void TearDown() override {
        stopRouter();
        setCommandExecutor(nullptr);
        setLocalActionRunner(nullptr);
        for (std::size_t i = 0; i < kLocalRoutineSlotCount; ++i)
            setLocalRoutine(static_cast<LocalRoutine>(i), nullptr);
    }
    // Every frame that reached the exchange, in order.
    std::vector<StandInExchange::Frame> frames() {
        peer.received.clear();
        peer.pump();
        return peer.received;
    }
    static bool isTextLine(const StandInExchange::Frame& f) {
        return f.code == kCodePlainText || f.code == kCodeCodedText;
    }
    // The requests that reached the exchange (text lines left out).
    std::vector<StandInExchange::Frame> requests() {
        std::vector<StandInExchange::Frame> out;
        for (const StandInExchange::Frame& f : frames())
            if (!isTextLine(f)) out.push_back(f);
        return out;
    }
};

struct SentCase {
    std::string statement;
    uint8_t type, code;
    Bytes body;
};

TEST_F(TypedCommands, StatementsBecomeExactRequests) {
    const std::string eos(kGruppaEos);
    const SentCase cases[] = {
        {statement(5024, {joined({kNomerProcessora, kKlassSignala}), kPoVremeni, kUrovenSignala,
                          kKlassOtnSl, "A1&A3"}),
         170,
         10,
         {0x03, 0x00, 0x02, 0x00, 0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0x05, 0x00}},
        {statement(5086, {"300"}, true), 139, 241, {0x2C, 0x01}},
        {statement(5039, {"-2", "A2", joined({kVvodVZhurnal, kPodtverzhdenie})}, true),
         138,
         38,
         {0xFE, 0xFF, 0x02, 0x00, 0x00, 0x00, 0x05, 0x00}},
        {statement(5576, {"ABCDEFGHIJKLMNOPQRST", "tajna"}), 136, 51,
         textBytes("ABCDEFGHIJKLMNOPQRST") + textBytes("tajna")},
        // the parser strips the trailing blank of the choice text
        {statement(5595, {"grupa", eos, kPravoSchityvaniya}),
         136,
         66,
         {'g', 'r', 'u', 'p', 'a', 0, 0x06, 0x00, 0x00, 0x00, 0x01, 0x00}},
        {statement(5104, {"7", "AIS16 & LOS", kPosylkaAis16}),
         138,
         201,
         {0x07, 0x11, 0x00, 0x10, 0x00}},
        {statement(5279, {"12345678", "1.5"}),
         138,
         46,
         {'1', '2', '3', '4', '5', '6', '7', '8', 0, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}},
        {statement(5037, {}), 138, 36, {}},
        // a statement given to "Команда MML" runs as typed
        {statement(5004, {std::string(findCommand(5086)->title) + ":300;"}),
         139,
         241,
         {0x2C, 0x01}},
    };
    for (const SentCase& c : cases) {
        RecordingReceiver operatorMessages(kTypeOperator);
        executeMmlCommand(c.statement.c_str());
        const std::vector<StandInExchange::Frame> all = frames();
        // The command's coded journal line goes out just before its request.
        ASSERT_GE(all.size(), 2u) << c.statement;
        const StandInExchange::Frame& journal = all[all.size() - 2];
        const StandInExchange::Frame& request = all.back();
        EXPECT_EQ(journal.code, kCodeCodedText) << c.statement;
        ASSERT_FALSE(journal.payload.empty()) << c.statement;
        EXPECT_EQ(journal.payload[0], kLineJournal) << c.statement;
        ASSERT_FALSE(isTextLine(request)) << c.statement;
        EXPECT_EQ(request.type, c.type) << c.statement;
        EXPECT_EQ(request.code, c.code) << c.statement;
        EXPECT_EQ(request.destination, kExchangeAddress) << c.statement;
        EXPECT_EQ(request.payload, c.body) << c.statement;
    }
}

struct RefusedCase {
    std::string statement;
    std::string posted;
};

TEST_F(TypedCommands, BadValuesPostTheirStatusAndSendNothing) {
    const std::string options = joined({kNomerProcessora});
    auto alarms = [&](const char* levels) {
        return statement(5024, {options, kPoVremeni, kUrovenSignala, kKlassOtnSl, levels});
    };
    const RefusedCase cases[] = {
        {alarms("A5"), withArg(kOutOfRangeText, kUrovni)},
        {alarms("A1 A2"), withArg(kMissingAmpersandText, kUrovni)},
        {alarms("A1&&A2"), withArg(kDoubleAmpersandText, kUrovni)},
        {statement(5086, {"65536"}), withArg(kOutOfRangeText, "RP")},
        {statement(5039, {"1", "A9", kVvodVZhurnal}), withArg(kOutOfRangeText, kUrovenTrevogi)},
        {statement(5279, {"1", "inf"}), withArg(kOutOfRangeText, kSummaPopolneniya)},
        {statement(5001, {"OR Klijent", "3"}), withArg(kOutOfRangeText, kTipOr)},
    };
    for (const RefusedCase& c : cases) {
        RecordingBoxes boxes;
        RecordingReceiver operatorMessages(kTypeOperator);
        executeMmlCommand(c.statement.c_str());
        ASSERT_EQ(operatorMessages.messages.size(), 1u) << c.statement;
        EXPECT_EQ(operatorMessages.messages[0].text(), c.posted) << c.statement;
        EXPECT_TRUE(boxes.boxes.empty()) << c.statement;
        EXPECT_TRUE(requests().empty()) << c.statement;
    }
}

// A typed command whose request finds no route is journalled, said as not
// sent once, and its status is no success.
TEST_F(TypedCommands, UnsentRequestGetsItsOwnStatus) {
    stopRouter();
    startRouter(
        "[Usmeravanja]\nBrojORa=28673\nBrojUsmeravanja=1\n"
        "[Usmeravanja\\Usmerenje1]\nUsmeravanje=Lokal\nDPC=28673\n");
    RecordingReceiver operatorMessages(kTypeOperator);
    const std::string notSent = requestNotSentText(findCommand(5086)->title);
    executeMmlCommand(statement(5086, {"300"}).c_str());
    ASSERT_EQ(operatorMessages.messages.size(), 2u);
    EXPECT_NE(operatorMessages.messages[0].text().find("300"), std::string::npos);
    EXPECT_EQ(operatorMessages.messages[1].text(), notSent);
    EXPECT_EQ(commandStatusText(), notSent);

    SMML_Argument rp{};
    std::strcpy(rp.value, "300");
    char errorText[kMmlErrorTextSize] = "";
    EXPECT_EQ(mmlExecutor().runCommand(findCommand(5086)->title, 1, &rp, errorText, 0), msNotSent);
}

TEST_F(TypedCommands, LocalActionsAndEmptySlotsTellTheOperator) {
    RecordingReceiver operatorMessages(kTypeOperator);
    executeMmlCommand((quoted(findCommand(5033)->title) + ";").c_str());  // a routine with a form
    executeMmlCommand((quoted(findCommand(5007)->title) + ";").c_str());  // a local action
    // 5033 has a form, so it journals its (title-only) line before its routine runs.
    ASSERT_EQ(operatorMessages.messages.size(), 3u);
    EXPECT_NE(operatorMessages.messages[0].text().find(findCommand(5033)->title),
              std::string::npos);
    EXPECT_EQ(operatorMessages.messages[1].text(),
              unavailableRoutineText(LocalRoutine::showAlpSettings));
    EXPECT_EQ(operatorMessages.messages[2].text(),
              unavailableRoutineText(LocalRoutine::openWatchWindow));
    EXPECT_TRUE(requests().empty());
}

// The configuration commands reach the workstation configuration: 5001
// keeps the number, 5003 writes the client routes.
TEST_F(TypedCommands, ConfigurationCommandsReachTheWorkstationConfiguration) {
    RecordingBoxes boxes;
    executeMmlCommand(statement(5001, {kOrKlijent, "3"}).c_str());
    EXPECT_EQ(workstationNumber, 3);
    executeMmlCommand(statement(5003, {"127.0.0.2"}).c_str());
    EXPECT_NE(dir.read("modem.ini").find("127.0.0.2"), std::string::npos);
    EXPECT_TRUE(requests().empty());
    workstationNumber = 0;
}

}  // namespace
