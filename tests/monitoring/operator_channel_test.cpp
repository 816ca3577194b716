#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/executors/local_routines.h"
#include "link/link_supervision.h"
#include "texts/text_catalogue.h"
#include "monitoring/monitoring_fixtures.h"
#include "monitoring/monitoring_routines.h"
#include "monitoring/operator_channel.h"
#include "peer/loopback_router.h"
#include "sub/replication_control.h"
#include "sub/table_catalogue.h"
#include "sub/table_groups.h"
#include "peer/test_app.h"
#include "toolkit/rec_shell.h"
#include "toolkit/text_codec.h"

namespace {

using Kind = IMessageBoxPresenter::Kind;

std::vector<uint16_t> openedViews;
void recordView(uint16_t table) {
    openedViews.push_back(table);
}

SParamsOkPracenjeTabele tableParams(int16_t way, const std::string& typed, int32_t listValue,
                                    int16_t stop = 0) {
    SParamsOkPracenjeTabele p{};
    p.eNacxinIzbora = way;
    std::strncpy(p.Tabela, typed.c_str(), sizeof p.Tabela - 1);
    p.eTabela = listValue;
    p.ptPracenje = stop;
    return p;
}

SParamsOkPracenjeGrupeTabela groupParams(int32_t group, int16_t stop = 0) {
    SParamsOkPracenjeGrupeTabela p{};
    p.eGrupaTabela = group;
    p.ptPracenje = stop;
    return p;
}

Bytes words(std::initializer_list<uint16_t> values) {
    Bytes b;
    for (uint16_t v : values) {
        b.push_back(static_cast<uint8_t>(v));
        b.push_back(static_cast<uint8_t>(v >> 8));
    }
    return b;
}

std::string flippedCase(const char* name) {
    std::string s = name;
    for (char& c : s)
        if (std::isalpha(static_cast<unsigned char>(c)))
            c = std::isupper(static_cast<unsigned char>(c)) ? char(std::tolower(c))
                                                            : char(std::toupper(c));
    return s;
}

std::string padded(const std::string& s, size_t width) {
    return s.size() >= width ? s : s + std::string(width - s.size(), ' ');
}

// The channel and replication of the program; requests to the exchange come
// back on the bus, where they are recorded.
class OperatorChannel : public ::testing::Test, protected MonitoringWorld {
protected:
    void SetUp() override {
        startReplication();
        startOperatorChannel();
        operatorLoggedOn = 0;
        openedViews.clear();
        setTableViewOpener(recordView);
        requests.addCodeFilter(kCodeReadTable);
        requests.addCodeFilter(kCodeReadTableGroup);
    }
    void TearDown() override {
        setTableViewOpener(nullptr);
        stopOperatorChannel();
        stopReplication();
    }
    void answer(uint8_t code, const Bytes& payload) {
        dispatchMessage(kTypeOperator, kExchangeAddress, code, payload.data(), int(payload.size()));
    }
    static bool wanted(uint16_t table) { return replicationClient->states[table] != rtIdle; }
    std::vector<Bytes> sent() const {
        std::vector<Bytes> out;
        for (const auto& m : requests.messages) {
            Bytes b{m.code};
            b.insert(b.end(), m.payload.begin(), m.payload.end());
            out.push_back(b);
        }
        return out;
    }
    const RecordingBoxes::Box& lastBox() const { return boxes.boxes.back(); }

    RecordingReceiver requests{kTypeOperator};
};

TEST_F(OperatorChannel, TheTableOfTheForm) {
    const std::string singular = getTableSingularName(77);
    const struct {
        const char* name;
        SParamsOkPracenjeTabele params;
        Bytes request;      // empty: nothing sent
        int32_t textId;     // the information box instead, 0: none
        std::string typed;  // the text the box names
    } cases[] = {
        {"number", tableParams(0, "172", 0), {3, 172, 0}, 0, ""},
        {"zero", tableParams(0, "0", 0), {}, 21206, "0"},
        {"beyond the last table", tableParams(0, "205", 0), {}, 21206, "205"},
        {"beyond 16 bits", tableParams(0, "65708", 0), {}, 21206, "65708"},
        {"singular name in other case",
         tableParams(0, flippedCase(singular.c_str()), 0),
         {3, 77, 0},
         0,
         ""},
        {"plural name", tableParams(0, flippedCase(getTablePluralName(74)), 0), {3, 74, 0}, 0, ""},
        {"unknown name", tableParams(0, "nema", 0), {}, 21206, "nema"},
        {"from the list", tableParams(1, "", 0x10000 + 78), {3, 78, 0}, 0, ""},
        {"no local table", tableParams(0, "183", 0), {}, 21207, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        requests.messages.clear();
        boxes.boxes.clear();
        EXPECT_EQ(monitorTableCommand(c.params), 0);
        EXPECT_EQ(sent(), c.request.empty() ? std::vector<Bytes>{} : std::vector<Bytes>{c.request});
        if (c.textId == 0) {
            EXPECT_TRUE(boxes.boxes.empty());
            continue;
        }
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(lastBox().kind, Kind::Information);
        EXPECT_EQ(lastBox().text,
                  c.textId == 21206 ? withArgs(textById(21206), {c.typed}) : textById(c.textId));
    }
}

TEST_F(OperatorChannel, StoppingReleasesAtOnce) {
    requestTableReplication(77);
    ASSERT_TRUE(wanted(77));
    monitorTableCommand(tableParams(0, "77", 0, 1));
    EXPECT_FALSE(wanted(77));
    EXPECT_TRUE(requests.messages.empty());
    EXPECT_EQ(lastBox().text, withArgs(textById(21205), {"77"}));

    const uint16_t group3[] = {108, 109, 111};
    requestTablesReplication(3, group3);
    monitorTableGroupCommand(groupParams(3, 1));
    for (int k = 0; k < tableGroupSize(3); ++k) EXPECT_FALSE(wanted(tableGroupMember(3, k)));
    EXPECT_TRUE(requests.messages.empty());
    EXPECT_EQ(lastBox().text, withArgs(textById(21213), {"3"}));
}

TEST_F(OperatorChannel, GroupRequestAndItsAnswer) {
    monitorTableGroupCommand(groupParams(7));
    EXPECT_EQ(lastBox().kind, Kind::Error);
    EXPECT_EQ(lastBox().text, textById(21212));
    EXPECT_TRUE(requests.messages.empty());

    monitorTableGroupCommand(groupParams(3));
    EXPECT_EQ(sent(), std::vector<Bytes>{Bytes({35, 3, 0, 0, 0})});
    for (int k = 0; k < tableGroupSize(3); ++k) ASSERT_FALSE(wanted(tableGroupMember(3, k)));
    boxes.boxes.clear();
    answer(kCodeReadTableGroupAnswer, words({1, 3}));
    EXPECT_EQ(tableGroupSize(3), 13);
    for (int k = 0; k < tableGroupSize(3); ++k) EXPECT_TRUE(wanted(tableGroupMember(3, k)));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(OperatorChannel, Answers) {
    const struct {
        const char* name;
        bool group;
        uint8_t code;
        Bytes payload;
        Kind kind;
        int32_t textId;
        std::vector<uint16_t> views;
    } cases[] = {
        {"table allowed", false, kCodeReadTableAnswer, words({1, 77}), Kind::Question, 21220, {77}},
        {"table the database lacks",
         false,
         kCodeReadTableAnswer,
         words({1, 183}),
         Kind::Error,
         21209,
         {}},
        {"table refused",
         false,
         kCodeReadTableAnswer,
         words({0, 77}),
         Kind::Information,
         21210,
         {}},
        {"group refused",
         true,
         kCodeReadTableGroupAnswer,
         words({0, 3}),
         Kind::Information,
         21215,
         {}},
        {"group unknown", true, kCodeReadTableGroupAnswer, words({1, 9}), Kind::Error, 21214, {}},
        {"answer too short", false, kCodeReadTableAnswer, Bytes{1, 0, 77}, Kind::Error, 25743, {}},
    };
    ASSERT_FALSE(wanted(77));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        openedViews.clear();
        boxes.boxes.clear();
        if (c.group)
            monitorTableGroupCommand(groupParams(3));
        else
            monitorTableCommand(tableParams(0, "77", 0));
        answer(c.code, c.payload);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(lastBox().kind, c.kind);
        EXPECT_EQ(lastBox().text, textById(c.textId));
        if (c.kind != Kind::Question) EXPECT_EQ(lastBox().caption, textById(25302));
        EXPECT_EQ(openedViews, c.views);
        EXPECT_EQ(operatorLogChannel().pendingTimer, -1);
        // The answer's filter is gone: a repeated answer is not delivered.
        answer(c.code, c.payload);
        EXPECT_EQ(boxes.boxes.size(), 1u);
    }
    EXPECT_TRUE(wanted(77));
}

TEST_F(OperatorChannel, TimeOuts) {
    const struct {
        const char* name;
        bool group;
        uint8_t answerCode;
        int32_t textId;
    } cases[] = {
        {"table", false, kCodeReadTableAnswer, 21211},
        {"group", true, kCodeReadTableGroupAnswer, 21216},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.boxes.clear();
        if (c.group)
            monitorTableGroupCommand(groupParams(2));
        else
            monitorTableCommand(tableParams(0, "77", 0));
        pass(2999);
        EXPECT_TRUE(boxes.boxes.empty());
        pass(1);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(lastBox().kind, Kind::Error);
        EXPECT_EQ(lastBox().caption, textById(25302));
        EXPECT_EQ(lastBox().text, textById(c.textId));
        answer(c.answerCode, words({1, 77}));  // too late: not delivered
        EXPECT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(operatorLogChannel().pendingTimer, -1);
    }
}

// A read-right request the link did not take is said at once in the box of
// the channel; no time-out is armed, so no box blames the exchange later.
TEST_F(OperatorChannel, UnsentRequestsAreSaidAndAwaitNothing) {
    for (const SLinkState& state : kLinkStates) {
        if (state.sends) continue;
        replaceRouter(dir, state.routes);
        for (bool group : {false, true}) {
            SCOPED_TRACE(std::string(state.name) + (group ? ", group" : ", table"));
            boxes.boxes.clear();
            if (group)
                monitorTableGroupCommand(groupParams(2));
            else
                monitorTableCommand(tableParams(0, "77", 0));
            ASSERT_EQ(boxes.boxes.size(), 1u);
            EXPECT_EQ(lastBox().kind, Kind::Error);
            EXPECT_EQ(lastBox().caption, textById(25302));
            EXPECT_EQ(lastBox().text, kMessageNotSentText);
            EXPECT_EQ(operatorLogChannel().pendingTimer, -1);
            pass(5000);
            EXPECT_EQ(boxes.boxes.size(), 1u);
            EXPECT_TRUE(sent().empty());
        }
    }
}

TEST_F(OperatorChannel, TwoRequestsShareOneTimeOut) {
    monitorTableCommand(tableParams(0, "77", 0));
    const int32_t first = operatorLogChannel().pendingTimer;
    ASSERT_NE(first, -1);
    const int armed = armedTimerCount();
    monitorTableCommand(tableParams(0, "78", 0));
    EXPECT_EQ(operatorLogChannel().pendingTimer, first);
    EXPECT_EQ(armedTimerCount(), armed);
    boxes.answer = 0;
    answer(kCodeReadTableAnswer, words({1, 77}));
    EXPECT_EQ(operatorLogChannel().pendingTimer, -1);
    answer(kCodeReadTableAnswer, words({1, 78}));
    EXPECT_EQ(boxes.boxes.size(), 2u);  // the two questions
    pass(5000);
    EXPECT_EQ(boxes.boxes.size(), 2u);
    EXPECT_TRUE(openedViews.empty());  // both declined
}

TEST_F(OperatorChannel, Notices) {
    answer(kCodeOperatorLoggedOn, {});
    EXPECT_EQ(operatorLoggedOn, 1);
    EXPECT_TRUE(operatorChannel().operatorLoggedOn());
    EXPECT_TRUE(boxes.boxes.empty());

    releaseTableReplication(172);
    answer(kCodeOperatorLoggedOff, {});
    EXPECT_EQ(operatorLoggedOn, 0);
    EXPECT_TRUE(wanted(172));  // the start-up list asked for again
    EXPECT_EQ(lastBox().kind, Kind::Information);
    EXPECT_EQ(lastBox().caption, textById(25302));
    EXPECT_EQ(lastBox().text, textById(25153));

    const std::string name = padded(commandName(5001), 40);
    const struct {
        Bytes payload;
        std::string line;
    } states[] = {
        {Bytes{0x89, 0x13, 0, 0, 1, 0, 0, 0},
         withArgs(textById(25191), {name, padded("5001", 15), textById(25194)})},
        {Bytes{0x89, 0x13, 0, 0, 0, 0, 0, 0},
         withArgs(textById(25191), {name, padded("5001", 15), textById(25195)})},
        {Bytes{0x89, 0x13, 0, 0}, withArgs(textById(25192), {name, "5001"})},
    };
    for (const auto& s : states) {
        operatorLines.messages.clear();
        answer(kCodeCommandState, s.payload);
        EXPECT_EQ(lines(), std::vector<std::string>{s.line});
    }
    operatorLines.messages.clear();
    answer(kCodeCommandState, Bytes{0x89, 0x13});
    EXPECT_TRUE(lines().empty());
}

TEST_F(OperatorChannel, LinkSupervisionReinitialisesALoggedOnOperator) {
    operatorLoggedOn = 1;
    releaseTableReplication(172);
    ASSERT_TRUE(operatorChannel().operatorLoggedOn());
    operatorChannel().reinitOperatorInterface();
    EXPECT_EQ(operatorLoggedOn, 0);
    EXPECT_TRUE(wanted(172));
    EXPECT_EQ(lastBox().text, textById(25301));
    stopOperatorChannel();
    EXPECT_FALSE(operatorChannel().operatorLoggedOn());  // the stand-in again
    startOperatorChannel();
}

TEST_F(OperatorChannel, TableViewsAskFirst) {
    const struct {
        const char* name;
        void (*open)();
        int answer;
        int32_t question;
        std::vector<uint16_t> views;
    } cases[] = {
        {"monitored", [] { openMonitoredTableView(77); }, 1, 21220, {77}},
        {"local, consistent", [] { openLocalTableView(77, 1); }, 1, 21218, {77}},
        {"local, not consistent", [] { openLocalTableView(77, 0); }, 1, 21219, {77}},
        {"declined", [] { openLocalTableView(77, 1); }, 0, 21218, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        openedViews.clear();
        boxes.boxes.clear();
        boxes.answer = c.answer;
        c.open();
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(lastBox().kind, Kind::Question);
        EXPECT_EQ(lastBox().text, textById(c.question));
        EXPECT_EQ(openedViews, c.views);
    }
    boxes.answer = 1;
    boxes.boxes.clear();
    installMonitoringRoutines();
    SParamsOkPregledTabeleOR view{};
    std::strcpy(view.Tabela, "172");
    runLocalRoutine(LocalRoutine::viewTableOnOrCommand, reinterpret_cast<const uint8_t*>(&view));
    EXPECT_EQ(lastBox().text, textById(21218));
    EXPECT_EQ(openedViews.back(), 172);
    EXPECT_TRUE(requests.messages.empty());
}

TEST_F(OperatorChannel, StoppedChannelHearsNothing) {
    monitorTableCommand(tableParams(0, "77", 0));
    stopOperatorChannel();
    answer(kCodeOperatorLoggedOn, {});
    answer(kCodeReadTableAnswer, words({1, 77}));
    pass(5000);
    EXPECT_EQ(operatorLoggedOn, 0);
    EXPECT_TRUE(boxes.boxes.empty());
    startOperatorChannel();
}

// The request and its answer over the network, with a stand-in exchange that
// allows every table.
class OperatorChannelOverUdp : public ::testing::Test, protected LoopbackRouter {
protected:
    void SetUp() override {
        startRouter(
            "[Usmeravanja]\nBrojORa=28673\nBrojUsmeravanja=2\n"
            "[Usmeravanja\\Usmerenje1]\nUsmeravanje=Lokal\nDPC=28673\n"
            "[Usmeravanja\\Usmerenje2]\nUsmeravanje=TCP-IP\nIPAdresa=127.0.0.1\nDPC=0\n");
        startReplication();
        startOperatorChannel();
        openedViews.clear();
        setTableViewOpener(recordView);
        peer.script = [](const StandInExchange::Frame& f, StandInExchange& exchange) {
            if (f.type != kTypeOperator || f.code != kCodeReadTable || f.payload.size() != 2)
                return;
            exchange.sendFrame(kTypeOperator, 28673, kExchangeAddress, kCodeReadTableAnswer,
                               {1, 0, f.payload[0], f.payload[1]});
        };
    }
    void TearDown() override {
        setTableViewOpener(nullptr);
        stopOperatorChannel();
        stopReplication();
        stopRouter();
    }
    RecordingBoxes boxes;
};

TEST_F(OperatorChannelOverUdp, AllowedTableIsFollowedAndShown) {
    monitorTableCommand(tableParams(0, "172", 0));
    ASSERT_EQ(peer.pump(), 1);
    EXPECT_EQ(peer.received[0].destination, kExchangeAddress);
    EXPECT_EQ(peer.received[0].payload, (Bytes{172, 0}));
    router->receiveMessages();
    EXPECT_EQ(openedViews, std::vector<uint16_t>{172});
    EXPECT_NE(replicationClient->states[172], rtIdle);
    EXPECT_EQ(operatorLogChannel().pendingTimer, -1);
}

}  // namespace

namespace {

TEST_F(OperatorChannel, ConfirmedViewIsTheRecordEditorOfTheTable) {
    testApp();
    setTableViewOpener(nullptr);
    openMonitoredTableView(77);
    std::vector<TTableModifyShell*> editors;
    for (FX::FXWindow* w = testApp().getRootWindow()->getFirst(); w != nullptr; w = w->getNext())
        if (auto* e = dynamic_cast<TTableModifyShell*>(w)) editors.push_back(e);
    ASSERT_EQ(editors.size(), 1u);
    EXPECT_EQ(fromUtf8(editors[0]->getTitle()), getTablePluralName(77));
    EXPECT_TRUE(editors[0]->shown());
    delete editors[0];
}

}  // namespace
