#include <cstdint>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/command_table.h"
#include "commands/executor_helpers.h"
#include "commands/executor_texts.h"
#include "commands/executors/command_executor.h"
#include "commands/executors/command_requests.h"
#include "commands/executors/local_routines.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "link/udp_transport.h"
#include "peer/loopback_router.h"
#include "peer/recording_receiver.h"
#include "utils/bytes.h"

namespace {

// This workstation 28673 reaches the management processor over UDP.
const char* const kExchangeRouteIni = kLoopbackExchangeRoutes;

// A route table without the management processor.
const char* const kNoExchangeRouteIni = kLoopbackNoExchangeRoutes;

uint8_t execute(int id, const std::vector<std::string>& values, char* errorText,
                uint8_t journal = 0) {
    std::vector<const char*> texts;
    for (const std::string& v : values) texts.push_back(v.c_str());
    return executeWithValues(id, texts.data(), static_cast<int>(texts.size()), errorText, journal);
}

// The executor over a real router to the stand-in exchange on loopback.
class ExecutorOverUdp : public ::testing::Test, protected LoopbackRouter {
protected:
    void SetUp() override { startRouter(kExchangeRouteIni); }
    void TearDown() override {
        stopRouter();
        for (std::size_t i = 0; i < kLocalRoutineSlotCount; ++i)
            setLocalRoutine(static_cast<LocalRoutine>(i), nullptr);
    }
};

struct RequestCase {
    int command;
    std::vector<std::string> values;
    uint8_t type, code;
    Bytes body;
};

TEST_F(ExecutorOverUdp, RequestFramesOfEveryFieldKind) {
    const std::string eos(kGruppaEos);
    const RequestCase cases[] = {
        // check groups, a radio group and a choice; the level mask of A1 and A3
        {5024,
         {joined({kNomerProcessora, kKlassSignala}), kPoVremeni, kUrovenSignala, kKlassOtnSl,
          "A1&A3"},
         170,
         10,
         {0x03, 0x00, 0x02, 0x00, 0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0x05, 0x00}},
        // short, choice value, check mask
        {5039,
         {"-2", "A2", joined({kVvodVZhurnal, kPodtverzhdenie})},
         138,
         38,
         {0xFE, 0xFF, 0x02, 0x00, 0x00, 0x00, 0x05, 0x00}},
        // the RP number alone
        {5086, {"300"}, 139, 241, {0x2C, 0x01}},
        // an unsigned long value keeps its bits
        {5026, {"4294967295"}, 170, 12, {0xFF, 0xFF, 0xFF, 0xFF}},
        // a text at its maximum, then a double
        {5279,
         {"12345678", "1.5"},
         138,
         46,
         textBytes("12345678") + Bytes{0, 0, 0, 0, 0, 0, 0xF8, 0x3F}},
        // a longer text is cut to its 20 characters; a password
        {5576,
         {"ABCDEFGHIJKLMNOPQRSTUV", "tajna"},
         136,
         51,
         textBytes("ABCDEFGHIJKLMNOPQRST") + textBytes("tajna")},
        // an empty text is its zero alone
        {5389, {"", "100", "ruta"}, 174, 241, Bytes{0, 100, 0} + textBytes("ruta")},
        // keywords that begin with earlier ones
        {5104, {"7", "AIS16&LOS", kPosylkaAis16}, 138, 201, {0x07, 0x11, 0x00, 0x10, 0x00}},
        // a choice text whose trailing blank the parser has stripped
        {5595,
         {"grupa", eos.substr(0, eos.size() - 1), joined({kPravoSchityvaniya, kPravoIzmeneniya})},
         136,
         66,
         textBytes("grupa") + Bytes{0x06, 0x00, 0x00, 0x00, 0x03, 0x00}},
        // an empty record: an empty body; and the remaining message types
        {5037, {}, 138, 36, {}},
        {5076, {}, 153, 160, {}},
        {5055, {"9"}, 137, 9, {0x09}},
        {5048, {"200"}, 140, 77, {0xC8}},
        {5093, {"-32768"}, 142, 43, {0x00, 0x80}},
        {5075, {"1"}, 143, 3, {0x01}},
        {5138, {"31"}, 150, 1, {0x1F}},
        {5121, {"1", "2"}, 173, 27, {0x01, 0x02}},
    };
    for (const RequestCase& c : cases) {
        peer.received.clear();
        char errorText[kExecutorErrorTextSize] = "untouched";
        EXPECT_EQ(execute(c.command, c.values, errorText), kExecDone) << c.command;
        EXPECT_STREQ(errorText, "untouched") << c.command;
        ASSERT_EQ(peer.pump(), 1) << c.command;
        const StandInExchange::Frame& f = peer.received[0];
        EXPECT_EQ(f.type, c.type) << c.command;
        EXPECT_EQ(f.code, c.code) << c.command;
        EXPECT_EQ(f.destination, kExchangeAddress) << c.command;
        EXPECT_EQ(f.source, 28673) << c.command;
        EXPECT_EQ(f.payload, c.body) << c.command;
        EXPECT_EQ(f.bytes.size(), 11 + c.body.size()) << c.command;
    }
}

struct BadValueCase {
    int command;
    std::vector<std::string> values;
    uint8_t status;
    std::string name;
};

TEST_F(ExecutorOverUdp, BadValuesNameTheirParameterAndSendNothing) {
    const std::string all = joined({kNomerProcessora, kKlassSignala});
    const BadValueCase cases[] = {
        {5024, {all, kPoVremeni, kUrovenSignala, kKlassOtnSl, "A5"}, 4, kUrovni},
        {5024, {all, kPoVremeni, kUrovenSignala, kKlassOtnSl, "A1 A2"}, 8, kUrovni},
        {5024, {all, kPoVremeni, kUrovenSignala, kKlassOtnSl, "A1&&A2"}, 9, kUrovni},
        {5039, {"1", "A9", kVvodVZhurnal}, 4, kUrovenTrevogi},
        {5039, {"32768", "A9", kVvodVZhurnal}, 4, kNomerTrevogi},
        {5086, {"65536"}, 4, "RP"},
        {5086, {"-1"}, 4, "RP"},
        {5279, {"1", "1e999"}, 4, kSummaPopolneniya},
    };
    for (const BadValueCase& c : cases) {
        char errorText[kExecutorErrorTextSize] = "";
        EXPECT_EQ(execute(c.command, c.values, errorText), c.status) << c.command;
        EXPECT_EQ(std::string(errorText), c.name) << c.command;
    }
    EXPECT_EQ(peer.pump(), 0);
}

TEST_F(ExecutorOverUdp, WrongValueCountsAndCommandsWithoutExecutor) {
    char errorText[kExecutorErrorTextSize] = "untouched";
    EXPECT_EQ(execute(5039, {"1", "A1"}, errorText), kExecTooFewValues);
    EXPECT_EQ(execute(5086, {"1", "2"}, errorText), kExecTooManyValues);
    EXPECT_EQ(execute(5000, {}, errorText), kExecUnknownCommand);
    EXPECT_EQ(execute(5600, {}, errorText), kExecUnknownCommand);
    EXPECT_EQ(execute(5007, {}, errorText), kExecDone);  // acts through its own handler
    EXPECT_STREQ(errorText, "untouched");
    EXPECT_EQ(peer.pump(), 0);
}

// A request that could not be sent, for want of a route or because the
// transport refused it, is journalled, then said right after its journal
// line; the executor reports it with the command's title. A sent request
// adds no line.
TEST_F(ExecutorOverUdp, UnsentRequestIsSaidAfterItsJournalLine) {
    const std::string notSent = requestNotSentText(findCommand(5086)->title);
    struct Case {
        const char* name;
        const char* routes;
        bool closeSocket;
        bool sent;
    } cases[] = {
        {"sent", kExchangeRouteIni, false, true},
        {"no route", kNoExchangeRouteIni, false, false},
        {"transport closed", kExchangeRouteIni, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        stopRouter();
        startRouter(c.routes);
        if (c.closeSocket) udpClose();
        RecordingReceiver lines(kTypeOperator);
        char errorText[kExecutorErrorTextSize] = "";
        EXPECT_EQ(execute(5086, {"300"}, errorText, 1), c.sent ? kExecDone : kExecNotSent);
        ASSERT_GE(lines.messages.size(), 1u);
        EXPECT_NE(lines.messages[0].text().find("КОМАНДА"), std::string::npos);  // journal first
        EXPECT_EQ(lines.messages.back().text() == notSent, !c.sent);
        EXPECT_EQ(lines.messages.size(), c.sent ? 1u : 2u);
        if (!c.sent) {
            EXPECT_STREQ(errorText, findCommand(5086)->title);
        }
        EXPECT_EQ(peer.pump() > 0, c.sent);
    }
}

// What the last local routine call was given.
Bytes lastRecord;
int routineCalls = 0;
void recordRoutine(const uint8_t* record) {
    ++routineCalls;
    lastRecord.assign(record, record + 3);
}
std::string lastText;
void textRoutine(const uint8_t* record) {
    ++routineCalls;
    lastText = reinterpret_cast<const char*>(record);
}

TEST_F(ExecutorOverUdp, LocalRoutinesGetTheFilledRecord) {
    setLocalRoutine(LocalRoutine::configureWorkstation, recordRoutine);
    routineCalls = 0;
    char errorText[kExecutorErrorTextSize] = "";
    EXPECT_EQ(execute(5001, {kOrKlijent, "3"}, errorText), kExecDone);
    EXPECT_EQ(routineCalls, 1);
    EXPECT_EQ(lastRecord, (Bytes{0x01, 0x00, 0x03}));

    // a bad value runs nothing: the first field's conversion goes nowhere
    EXPECT_EQ(execute(5001, {"OR Klijent", "3"}, errorText), kExecBadValue);
    EXPECT_STREQ(errorText, kTipOr);
    EXPECT_EQ(execute(5001, {kOrServer, "256"}, errorText), kExecBadValue);
    EXPECT_STREQ(errorText, kBrojOr);
    EXPECT_EQ(routineCalls, 1);

    // the statement of 5004 reaches its routine cut to 60 characters
    setLocalRoutine(LocalRoutine::executeMmlCommand, textRoutine);
    const std::string statement(70, 'S');
    EXPECT_EQ(execute(5004, {statement}, errorText), kExecDone);
    EXPECT_EQ(lastText, statement.substr(0, 60));
    EXPECT_EQ(peer.pump(), 0);
}

TEST_F(ExecutorOverUdp, AnEmptySlotTellsTheOperator) {
    RecordingReceiver lines(kTypeOperator);
    char errorText[kExecutorErrorTextSize] = "";
    EXPECT_EQ(execute(5033, {}, errorText), kExecDone);
    EXPECT_EQ(execute(5006, {}, errorText), kExecDone);
    ASSERT_EQ(lines.messages.size(), 2u);
    EXPECT_EQ(lines.messages[0].code, kCodePlainText);
    EXPECT_EQ(lines.messages[0].text(), unavailableRoutineText(LocalRoutine::showAlpSettings));
    EXPECT_NE(lines.messages[0].text().find(findCommand(5033)->title), std::string::npos);
    EXPECT_EQ(lines.messages[1].text(), unavailableRoutineText(LocalRoutine::stopMmlScript));
    EXPECT_EQ(peer.pump(), 0);  // the line stays on this workstation
}

// Valid MML values for every field of a command: texts at their maximum (or
// empty), the last radio item, every check item, the first choice entry.
std::vector<std::string> generatedValues(const CommandRow& command, bool fullTexts) {
    std::vector<std::string> values;
    for (const FieldRow& field : commandFields(command)) {
        switch (field.kind) {
            case FieldKind::Byte:
                values.push_back("201");
                break;
            case FieldKind::Short:
                values.push_back(field.inRecord ? "-2" : "258");
                break;
            case FieldKind::Long:
                values.push_back("-3");
                break;
            case FieldKind::Double:
                values.push_back("0.25");
                break;
            case FieldKind::Text:
            case FieldKind::Password:
                values.push_back(std::string(fullTexts ? field.textMax : 0, 'x'));
                break;
            case FieldKind::Choice:
                values.push_back(textById(choiceTableFor(field.choices)->entries[0].textId));
                break;
            case FieldKind::RadioGroup:
                values.push_back(groupItems(field)[field.itemCount - 1].label);
                break;
            case FieldKind::CheckGroup: {
                std::string all;
                for (const GroupItemRow& item : groupItems(field))
                    all += (all.empty() ? "" : "&") + std::string(item.label);
                values.push_back(all);
                break;
            }
        }
    }
    return values;
}

// Reads the record back field by field and checks what each value became.
void expectRecordHolds(const CommandRow& command, const uint8_t* record, bool fullTexts) {
    ByteReader in(record, command.recordSize);
    for (const FieldRow& field : commandFields(command)) {
        if (!field.inRecord) continue;
        switch (field.kind) {
            case FieldKind::Byte:
                EXPECT_EQ(in.u8(), 201) << command.id << " " << field.name;
                break;
            case FieldKind::Short:
                EXPECT_EQ(in.i16le(), -2) << command.id << " " << field.name;
                break;
            case FieldKind::Long:
                EXPECT_EQ(in.i32le(), -3) << command.id << " " << field.name;
                break;
            case FieldKind::Double: {
                double v = 0;
                in.bytes(&v, sizeof v);
                EXPECT_EQ(v, 0.25) << command.id << " " << field.name;
                break;
            }
            case FieldKind::Text:
            case FieldKind::Password: {
                std::string text(field.width, '\0');
                in.bytes(&text[0], field.width);
                EXPECT_EQ(text, std::string(fullTexts ? field.textMax : 0, 'x') +
                                    std::string(fullTexts ? 1 : field.width, '\0'))
                    << command.id << " " << field.name;
                break;
            }
            case FieldKind::Choice:
                EXPECT_EQ(in.i32le(), choiceTableFor(field.choices)->entries[0].value)
                    << command.id << " " << field.name;
                break;
            case FieldKind::RadioGroup:
                EXPECT_EQ(in.u16le(), field.itemCount - 1) << command.id << " " << field.name;
                break;
            case FieldKind::CheckGroup:
                EXPECT_EQ(in.u16le(), (1u << field.itemCount) - 1)
                    << command.id << " " << field.name;
                break;
        }
    }
    EXPECT_TRUE(in.ok()) << command.id;
    EXPECT_EQ(in.remaining(), 0u) << command.id;
}

TEST(CommandBodies, EveryCommandPacksItsRecordLayout) {
    std::size_t longest = 0, withTexts = 0, fixed = 0, empty = 0;
    for (const CommandRow& command : kCommands) {
        if (!hasForm(command)) continue;
        std::size_t textBytesLeftOut = 0;
        for (const FieldRow& field : commandFields(command))
            if (field.kind == FieldKind::Text || field.kind == FieldKind::Password)
                textBytesLeftOut += field.textMax;
        for (const bool fullTexts : {true, false}) {
            const std::vector<std::string> values = generatedValues(command, fullTexts);
            std::vector<const char*> texts;
            for (const std::string& v : values) texts.push_back(v.c_str());
            uint8_t record[kParamRecordSize];
            std::memset(record, 0xEE, sizeof record);
            uint16_t rp = 0;
            const char* failed = nullptr;
            ASSERT_EQ(convertValuesToRecord(command, texts.data(), static_cast<int>(texts.size()),
                                            record, &rp, &failed),
                      kExecDone)
                << command.id << " " << (failed ? failed : "");
            expectRecordHolds(command, record, fullTexts);
            if (hasRpNumber(command.id)) {
                EXPECT_EQ(rp, 258) << command.id;
            }
            uint8_t body[kRequestBodySize];
            const int length = packCommandRecord(command.id, record, body, sizeof body);
            EXPECT_EQ(length, int(command.recordSize - (fullTexts ? 0 : textBytesLeftOut)))
                << command.id;
        }
        if (command.action != CommandAction::Request) continue;
        const std::size_t bodyMost = command.recordSize + (hasRpNumber(command.id) ? 2 : 0);
        longest = std::max(longest, bodyMost);
        ++(textBytesLeftOut > 0 ? withTexts : fixed);
        if (bodyMost == 0) ++empty;
    }
    EXPECT_EQ(longest, 84u);
    EXPECT_EQ(withTexts, 162u);
    EXPECT_EQ(fixed, 359u);
    EXPECT_EQ(empty, 100u);
}

TEST(CommandBodies, TextsEndAtTheirZero) {
    SParamsOkDodOgrPolazPozivaBezSifre record;
    std::memset(&record, 'Z', sizeof record);  // bytes after the zero never travel
    std::memcpy(record.sPretplatnik, "12345", 6);
    record.brPAC = 7;
    uint8_t body[kRequestBodySize];
    const int n = packOkDodOgrPolazPozivaBezSifre(&record, body);
    EXPECT_EQ(Bytes(body, body + n), textBytes("12345") + Bytes{7});

    // a text that fills its field without a zero is cut before the last byte
    std::memset(record.sPretplatnik, '9', sizeof record.sPretplatnik);
    const int full = packOkDodOgrPolazPozivaBezSifre(&record, body);
    EXPECT_EQ(Bytes(body, body + full), textBytes("99999999") + Bytes{7});

    // no room: refused, not cut
    EXPECT_EQ(packOkDodOgrPolazPozivaBezSifre(&record, body, 9), -1);
}

}  // namespace
