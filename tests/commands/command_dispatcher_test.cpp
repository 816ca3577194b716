#include <unistd.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <gtest/gtest.h>

#include "commands/command_dispatch.h"
#include "commands/command_table.h"
#include "commands/dialogs/command_dispatcher.h"
#include "commands/executor_helpers.h"
#include "commands/executors/command_requests.h"
#include "commands/executors/local_routines.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "peer/loopback_router.h"
#include "peer/modal_driver.h"
#include "peer/recording_boxes.h"
#include "peer/recording_receiver.h"
#include "peer/test_app.h"
#include "link/text_streams.h"
#include "toolkit/text_codec.h"

namespace {

const char* const kModemIni =
    "[Usmeravanja]\n"
    "BrojORa=28674\n"
    "BrojUsmeravanja=1\n"
    "[Usmeravanja\\Usmerenje1]\n"
    "Usmeravanje=TCP-IP\n"
    "IPAdresa=127.0.0.1\n"
    "DPC=0\n";

using Step = ModalDriver::Step;

bool fileExists(const char* name) {
    return ::access(name, F_OK) == 0;
}

// Types the text into the form's only text field.
void typeIntoField(FX::FXWindow* form, const char* text) {
    auto* field = findChild<FX::FXTextField>(form);
    ASSERT_NE(field, nullptr);
    field->setText(toUtf8(text));
}

Step fillAndAccept(const char* text) {
    return [text](FX::FXWindow* form) {
        if (text != nullptr) typeIntoField(form, text);
        sendCommand(form, FX::FXDialogBox::ID_ACCEPT);
    };
}

Step cancelForm() {
    return [](FX::FXWindow* form) { sendCommand(form, FX::FXDialogBox::ID_CANCEL); };
}

std::vector<std::string> routineRecords;
void recordRoutine(const uint8_t* record) {
    routineRecords.emplace_back(reinterpret_cast<const char*>(record));
}

// The windows that view (watching 0) and monitor (1) commands open, as the
// report logs' handler would open them.
std::vector<std::pair<uint8_t, int>> openedReportWindows;
void recordReportWindow(const ReportStreamRow& stream, ReportOp op) {
    if (op == ReportOp::View || op == ReportOp::Monitor)
        openedReportWindows.emplace_back(stream.messageType, op == ReportOp::Monitor ? 1 : 0);
}

// Commands chosen as from the menu: forms driven through their modal loops,
// requests and journal lines received by the stand-in exchange.
class DialogRoad : public ::testing::Test, protected LoopbackRouter {
protected:
    void SetUp() override {
        testApp();
        startRouter(kModemIni);
        installCommandDispatcher();
        routineRecords.clear();
        openedReportWindows.clear();
    }
    void TearDown() override {
        setCommandDispatcher(nullptr);
        setReportStreamHandler(nullptr);
        for (std::size_t i = 0; i < kLocalRoutineSlotCount; ++i)
            setLocalRoutine(static_cast<LocalRoutine>(i), nullptr);
        stopRouter();
    }
    // Dispatches the command while the steps drive its dialogs.
    int run(uint16_t id, std::vector<Step> steps) {
        ModalDriver driver;
        for (Step& s : steps) driver.then(std::move(s));
        driver.start();
        const int result = dispatchCommand(id);
        EXPECT_EQ(driver.pending(), 0u) << id;
        return result;
    }
    std::vector<StandInExchange::Frame> frames() {
        peer.received.clear();
        peer.pump();
        return peer.received;
    }
};

struct SentCase {
    uint16_t command;
    const char* typed;  // into the form's only field; null for a form without fields
    uint8_t type, code;
    Bytes body;
    const char* journalHolds;  // a text the journal line carries
};

// Each accepted form gives the journal line, then the request.
TEST_F(DialogRoad, AcceptedFormsAreJournalledThenSent) {
    const SentCase cases[] = {
        {5086, "300", 139, 241, {0x2C, 0x01}, "300"},      // RP number alone as the body
        {5086, "-1", 139, 241, {0xFF, 0xFF}, "65535"},     // its 16 bits unchanged
        {5303, "16383", 138, 175, {0xFF, 0x3F}, "16383"},  // a field whose name begins with a blank
        {5037, nullptr, 138, 36, {}, findCommand(5037)->title},  // a form without fields
    };
    for (const SentCase& c : cases) {
        EXPECT_EQ(run(c.command, {fillAndAccept(c.typed)}), 1) << c.command;
        const std::vector<StandInExchange::Frame> all = frames();
        ASSERT_EQ(all.size(), 2u) << c.command;
        EXPECT_EQ(all[0].code, kCodeCodedText) << c.command;
        ASSERT_FALSE(all[0].payload.empty());
        EXPECT_EQ(all[0].payload[0], kLineJournal) << c.command;
        EXPECT_NE(all[0].text().find(c.journalHolds), std::string::npos) << all[0].text();
        EXPECT_EQ(all[1].type, c.type) << c.command;
        EXPECT_EQ(all[1].code, c.code) << c.command;
        EXPECT_EQ(all[1].payload, c.body) << c.command;
    }
}

// A refused record shows the check's text and the form again with the last
// value; the operator leaves by correcting it or by cancelling. A cancelled
// form ends the command with nothing journalled or sent.
TEST_F(DialogRoad, RefusedRecordsBringTheFormBack) {
    const char* refusal = kCheckTexts[findCheck(5303)->firstText].text;
    std::string shownAgain;
    auto lastValue = [&shownAgain](FX::FXWindow* form) {
        shownAgain = fromUtf8(findChild<FX::FXTextField>(form)->getText());
    };
    struct Case {
        std::vector<Step> steps;
        std::size_t errors;
        Bytes body;  // empty: nothing sent
    };
    Case cases[] = {
        {{fillAndAccept("20000"),
          [&](FX::FXWindow* form) {
              lastValue(form);
              fillAndAccept("77")(form);
          }},
         1,
         {0x4D, 0x00}},
        {{fillAndAccept("-1"), fillAndAccept("16384"),
          [&](FX::FXWindow* form) {
              lastValue(form);
              cancelForm()(form);
          }},
         2,
         {}},
        {{cancelForm()}, 0, {}},
    };
    for (Case& c : cases) {
        RecordingBoxes boxes;
        shownAgain.clear();
        const std::size_t errors = c.errors;
        EXPECT_EQ(run(5303, std::move(c.steps)), 1);
        ASSERT_EQ(boxes.boxes.size(), errors);
        for (const RecordingBoxes::Box& box : boxes.boxes) {
            EXPECT_EQ(box.kind, IMessageBoxPresenter::Kind::Error);
            EXPECT_EQ(box.caption, textById(22139));
            EXPECT_EQ(box.text, refusal);
        }
        if (errors > 0) {
            EXPECT_EQ(shownAgain, errors == 1 ? "20000" : "16384");
        }
        const std::vector<StandInExchange::Frame> all = frames();
        if (c.body.empty()) {
            EXPECT_TRUE(all.empty());
            continue;
        }
        ASSERT_EQ(all.size(), 2u);
        EXPECT_EQ(all[1].payload, c.body);
    }
}

// Routines get the accepted record after the journal line; commands without
// parameters run their routine at once with no line; ids outside
// 5001..5599 do nothing.
TEST_F(DialogRoad, RoutinesAndIdsOutsideTheRange) {
    setLocalRoutine(LocalRoutine::executeMmlCommand, recordRoutine);
    setLocalRoutine(LocalRoutine::openHelpAlphaIndex, recordRoutine);
    EXPECT_EQ(run(5004, {fillAndAccept("ABC;")}), 1);
    EXPECT_EQ(run(5599, {}), 1);
    EXPECT_EQ(routineRecords, (std::vector<std::string>{"ABC;", ""}));
    const std::vector<StandInExchange::Frame> all = frames();
    ASSERT_EQ(all.size(), 1u);  // the journal line of 5004 alone
    EXPECT_EQ(all[0].payload[0], kLineJournal);

    RecordingReceiver operatorMessages(kTypeOperator);
    for (uint16_t id : {5000, 5600, 0, 65535}) EXPECT_EQ(run(id, {}), 0) << id;
    EXPECT_EQ(run(5042, {}), 1);  // its empty slot says so, as any empty slot
    ASSERT_EQ(operatorMessages.messages.size(), 1u);
    EXPECT_EQ(operatorMessages.messages[0].text(),
              unavailableRoutineText(LocalRoutine::watchProcessorLocalTimes));
    EXPECT_TRUE(frames().empty());
}

// Without a route to the exchange the form's command is journalled, then
// said as not sent.
TEST_F(DialogRoad, UnsentRequestIsSaidAfterItsJournalLine) {
    stopRouter();
    startRouter(
        "[Usmeravanja]\nBrojORa=28674\nBrojUsmeravanja=1\n"
        "[Usmeravanja\\Usmerenje1]\nUsmeravanje=Lokal\nDPC=28674\n");
    RecordingReceiver operatorMessages(kTypeOperator);
    EXPECT_EQ(run(5303, {fillAndAccept("77")}), 1);
    // The journal line comes in pieces of 75 characters, then the one line.
    std::string journal;
    const std::size_t n = operatorMessages.messages.size();
    ASSERT_GE(n, 2u);
    for (std::size_t i = 0; i + 1 < n; ++i) journal += operatorMessages.messages[i].text();
    EXPECT_NE(journal.find("77"), std::string::npos) << journal;
    EXPECT_EQ(journal.find(requestNotSentText(findCommand(5303)->title)), std::string::npos);
    EXPECT_EQ(operatorMessages.messages[n - 1].text(),
              requestNotSentText(findCommand(5303)->title));
    EXPECT_TRUE(frames().empty());
}

// A command dispatched while a form is open (as a remote request is) runs
// its own form and record; the outer command goes on undisturbed.
TEST_F(DialogRoad, CommandsDispatchedWhileAFormIsOpen) {
    const Step outer = [](FX::FXWindow* form) {
        typeIntoField(form, "5");
        EXPECT_EQ(dispatchCommand(5086), 1);
    };
    EXPECT_EQ(run(5303, {outer, fillAndAccept("7"), fillAndAccept(nullptr)}), 1);
    std::vector<Bytes> bodies;
    for (const StandInExchange::Frame& f : frames())
        if (f.code != kCodeCodedText) bodies.push_back(f.payload);
    EXPECT_EQ(bodies, (std::vector<Bytes>{{0x07, 0x00}, {0x05, 0x00}}));
}

class RecordingViewer : public ITxtMsgViewer {
public:
    void streamChanged(int code) override { codes.push_back(code); }
    void streamDetached() override {}
    std::vector<int> codes;
};

// Deleting a stream's log twice: done, then already gone; both empty the
// stream and tell its windows. View and monitor open the stream's window.
TEST_F(DialogRoad, ReportStreamCommands) {
    const ReportStreamRow& alarms = kReportStreams[0];
    TTxtMsgReceiver stream(alarms.messageType, 100, alarms.logFile, -1);
    stream.appendLine("line");
    ASSERT_EQ(stream.flush(), 0);
    RecordingViewer viewer;
    stream.addViewer(&viewer);
    ASSERT_TRUE(fileExists(alarms.logFile));
    {
        RecordingBoxes boxes;
        EXPECT_EQ(run(alarms.deleteLog, {}), 1);
        EXPECT_EQ(run(alarms.deleteLog, {}), 1);
        ASSERT_EQ(boxes.boxes.size(), 2u);
        EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Information);
        EXPECT_EQ(boxes.boxes[0].text, textById(26959));
        EXPECT_EQ(boxes.boxes[1].kind, IMessageBoxPresenter::Kind::Error);
        EXPECT_EQ(boxes.boxes[1].text, textById(25644));
    }
    EXPECT_FALSE(fileExists(alarms.logFile));
    EXPECT_EQ(stream.buffer().count(), 0);
    EXPECT_EQ(viewer.codes, (std::vector<int>{vnCleared, vnCleared}));
    stream.removeViewer(&viewer);

    RecordingReceiver operatorMessages(kTypeOperator);
    EXPECT_EQ(run(alarms.view, {}), 1);  // no window yet: the operator is told
    ASSERT_EQ(operatorMessages.messages.size(), 1u);
    EXPECT_EQ(operatorMessages.messages[0].text(),
              unavailableFunctionText(findCommand(alarms.view)->title));
    setReportStreamHandler(recordReportWindow);
    const ReportStreamRow& traffic = kReportStreams[kReportStreamCount - 1];
    run(traffic.view, {});
    run(traffic.monitor, {});
    EXPECT_EQ(openedReportWindows, (std::vector<std::pair<uint8_t, int>>{
                                       {traffic.messageType, 0}, {traffic.messageType, 1}}));
    EXPECT_TRUE(frames().empty());
}

}  // namespace
