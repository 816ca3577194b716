#include <cstdint>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <fox-1.6/fx.h>
#include <fox-1.6/fxkeys.h>

#include "alarms/alarm_details.h"
#include "alarms/alarm_fixtures.h"
#include "alarms/alarm_list.h"
#include "alarms/alarm_list_dialogs.h"
#include "alarms/alarm_list_window.h"
#include "alarms/alarm_reporter.h"
#include "alarms/alarm_texts.h"
#include "link/router.h"
#include "peer/loopback_router.h"
#include "peer/modal_driver.h"
#include "peer/test_app.h"
#include "toolkit/text_codec.h"
#include "utils/dates.h"
#include "utils/message_box.h"

namespace {

// Table 172 in key order holds r1, r2, r4, r3.
sListaAlarma rowWith(sListaAlarma r, int32_t datum, int32_t vreme) {
    r.Datum = datum;
    r.Vreme = vreme;
    return r;
}
const sListaAlarma r1 = rowWith(alarmRow(10, 5, "A", esaAktivanNepotvrdjen, enaA1, 1), 100, 50);
const sListaAlarma r2 = rowWith(alarmRow(10, 6, "B", esaAktivanPotvrdjen, enaA2, 2), 50, 0);
const sListaAlarma r3 = rowWith(alarmRow(12, 5, "C", esaNeaktivanNepotvrdjen, enaA3, 3), 100, 10);
const sListaAlarma r4 = rowWith(alarmRow(11, 5, "D", esaAktivanNepotvrdjen, enaA0, 4), 10, 0);

std::vector<int32_t> shownIds(const KAlarmListModel& m) {
    std::vector<int32_t> ids;
    for (int32_t i = 0; i < m.copyCount(); ++i)
        if (const sListaAlarma* r = m.rowAt(i)) ids.push_back(r->AlarmIB);
    return ids;
}

std::string description(const char* param) {
    return withArgs(kText21291, {param});
}

TEST(AlarmListModel, SortKeysOrderTheCopy) {
    AlarmDatabase d;
    d.load({r1, r2, r3, r4});
    const struct {
        int8_t key;
        std::vector<int32_t> ids;
    } cases[] = {
        {0, {1, 2, 4, 3}}, {1, {4, 2, 3, 1}}, {2, {1, 2, 3, 4}},
        {4, {1, 2, 3, 4}}, {6, {3, 4, 2, 1}},  // no key: each row goes first
    };
    for (const auto& c : cases) {
        KAlarmListModel m(d.db);
        m.sortKey = c.key;
        m.reload();
        EXPECT_EQ(shownIds(m), c.ids) << int(c.key);
    }
    // Keys with equal rows: only the order of the key is defined.
    const struct {
        int8_t key;
        int (*field)(const sListaAlarma&);
        std::vector<int> values;
    } partial[] = {
        {3, [](const sListaAlarma& r) { return int(r.Stanje); }, {0, 0, 1, 2}},
        {5, [](const sListaAlarma& r) { return int(r.OPC); }, {5, 5, 5, 6}},
    };
    for (const auto& c : partial) {
        KAlarmListModel m(d.db);
        m.sortKey = c.key;
        m.reload();
        std::vector<int> values;
        for (int32_t i = 0; i < m.copyCount(); ++i) values.push_back(c.field(*m.rowAt(i)));
        EXPECT_EQ(values, c.values) << int(c.key);
    }
    // Key 0 does not compare OPC: same type and parameters are equal.
    alarmListSortKey = 0;
    EXPECT_TRUE(alarmRowEqual(alarmRow(10, 1, "A", 0, 1, 8), alarmRow(10, 2, "A", 2, 3, 9)));
    alarmListSortKey = kAlarmSortNone;
    EXPECT_FALSE(alarmRowEqual(r1, r1));
    EXPECT_FALSE(alarmRowLess(r1, r2));
    alarmListSortKey = 0;
}

TEST(AlarmListModel, FilterHidesRows) {
    AlarmDatabase d;
    d.load({r1, r2, r3, r4});
    d.addClass(7, 20001);
    d.addClass(8, 20002);
    d.addTypeToClass(10, 7);
    d.addTypeToClass(12, 7);
    const struct {
        const char* name;
        void (*change)(SAlarmFilter&);
        std::vector<int32_t> ids;
    } cases[] = {
        {"on, everything shown", [](SAlarmFilter&) {}, {1, 2, 4, 3}},
        {"no A1", [](SAlarmFilter& f) { f.showA1 = 0; }, {2, 4, 3}},
        {"no A0", [](SAlarmFilter& f) { f.showA0 = 0; }, {1, 2, 3}},
        {"no confirmed", [](SAlarmFilter& f) { f.showConfirmed = 0; }, {1, 4, 3}},
        {"no unconfirmed", [](SAlarmFilter& f) { f.showUnconfirmed = 0; }, {2, 3}},
        {"no inactive", [](SAlarmFilter& f) { f.showInactive = 0; }, {1, 2, 4}},
        {"class 7", [](SAlarmFilter& f) { f.klasa = 7; }, {1, 2, 3}},
        {"class without types", [](SAlarmFilter& f) { f.klasa = 8; }, {}},
        {"no level", [](SAlarmFilter& f) { f.showA1 = f.showA2 = f.showA3 = f.showA0 = 0; }, {}},
        {"off keeps its settings unapplied",
         [](SAlarmFilter& f) {
             f.showA1 = 0;
             f.klasa = 8;
             f.on = 0;
         },
         {1, 2, 4, 3}},
    };
    for (const auto& c : cases) {
        KAlarmListModel m(d.db);
        m.filter.on = 1;
        c.change(m.filter);
        EXPECT_EQ(shownIds(m), c.ids) << c.name;
        ASSERT_EQ(m.fillLines(4), 0);
        ASSERT_EQ(m.lineCount(), int32_t(c.ids.size())) << c.name;
        for (size_t i = 0; i < c.ids.size(); ++i)
            EXPECT_EQ(m.line(int32_t(i)).AlarmIB, c.ids[i]) << c.name;
    }
}

TEST(AlarmListModel, LinesByStateAndLevel) {
    AlarmDatabase d;
    const int32_t day = dayNumberOf(2024, 3, 5);
    d.load({rowWith(r1, day, 3723), r2, r3, r4});
    KAlarmListModel m(d.db);
    ASSERT_EQ(m.fillLines(4), 0);
    ASSERT_EQ(m.lineCount(), 4);
    EXPECT_STREQ(m.line(0).dateTime, "2024-03-05  01:02:03");
    EXPECT_STREQ(m.line(0).level, kText20001);
    EXPECT_EQ(m.line(0).description, description("A"));
    const struct {
        FXColor back;
        bool bold;
        uint8_t confirmed;
    } expected[] = {{FXRGB(255, 0, 0), true, 0},
                    {FXRGB(255, 255, 128), false, 1},
                    {FXRGB(254, 254, 254), true, 0},
                    {FXRGB(128, 255, 128), true, 0}};
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(m.line(i).back, expected[i].back) << i;
        EXPECT_EQ(m.line(i).bold, expected[i].bold) << i;
        EXPECT_EQ(m.line(i).confirmed, expected[i].confirmed) << i;
    }
    const struct {
        uint8_t stanje, nivo;
        bool known;
        FXColor colour;
    } colours[] = {
        {0, 3, true, FXRGB(200, 200, 200)},
        {1, 1, true, FXRGB(255, 0, 0)},
        {2, 4, true, FXRGB(220, 220, 220)},
        {2, 0, true, FXRGB(128, 255, 128)},
        {0, 0, false, 0},
        {1, 9, false, 0},
    };
    for (const auto& c : colours) {
        FXColor colour = 0;
        EXPECT_EQ(alarmLineColour(c.stanje, c.nivo, &colour), c.known);
        EXPECT_EQ(colour, c.colour) << int(c.stanje) << "/" << int(c.nivo);
    }
    // A state outside 0..2 stops the filling and keeps the lines.
    d.update(alarmRow(10, 6, "B", 3, enaA2, 2));
    m.reload();
    EXPECT_EQ(m.fillLines(4), -1);
    EXPECT_EQ(m.lineCount(), 4);
    EXPECT_EQ(m.line(1).confirmed, 1);
}

TEST(AlarmListModel, CountsAndLabels) {
    AlarmDatabase d;
    SAlarmTableCounts counts;
    ASSERT_TRUE(countAlarmTable(d.db, counts));
    EXPECT_EQ(counts.unconfirmed, 0);
    d.load({r1, r2, r3, r4});
    ASSERT_TRUE(countAlarmTable(d.db, counts));
    EXPECT_EQ(std::vector<int32_t>(counts.level, counts.level + 4),
              (std::vector<int32_t>{1, 1, 0, 1}));
    EXPECT_EQ(counts.unconfirmed, 3);
    EXPECT_EQ(alarmLevelCountText(4, 1), std::string(kText20004) + ": 1");
    EXPECT_EQ(alarmUnconfirmedText(3), withArgs(kText21285, {"3"}));
    d.insert(alarmRow(20, 1, "", esaAktivanNepotvrdjen, 0, 9));
    EXPECT_FALSE(countAlarmTable(d.db, counts));  // an active alarm without a level

    d.addClass(7, 20405);
    SAlarmFilter f;
    EXPECT_EQ(alarmFilterLabelText(d.db, f), kText21271);
    f.on = 1;
    f.showA2 = 0;
    f.klasa = 7;
    EXPECT_EQ(alarmFilterLabelText(d.db, f),
              withArgs(kText21270, {kText20001, "", kText20003, kText20004, kText20405}));
    f.klasa = 99;
    EXPECT_EQ(alarmFilterLabelText(d.db, f),
              withArgs(kText21270, {kText20001, "", kText20003, kText20004, kText21269}));
    const int labels[] = {21272, 21273, 21274, 21275, 21276, 21277, 0};
    for (int8_t k = 0; k < 7; ++k) EXPECT_EQ(alarmSortLabelTextId(k), labels[k]) << int(k);
}

TEST(AlarmDetails, LabelsWithTheClassesOfTheType) {
    AlarmDatabase d;
    d.addClass(7, 20001);
    d.addClass(8, 20002);
    d.addTypeToClass(10, 8);
    d.addTypeToClass(10, 7);
    d.addTypeToClass(10, 9);  // a class table 173 does not have
    d.addTypeToClass(11, 7);
    sListaAlarma row = rowWith(r1, dayNumberOf(2024, 3, 5), 3723);
    const std::vector<SAlarmDetailLine> lines = alarmDetailLines(d.db, row);
    const std::vector<std::string> expected = {
        withArgs(kText26758, {"5", "3", "2024"}),
        withArgs(kText26759, {"1", "2", "3"}),
        withArgs(kText26763, {kText20001}),
        std::string(kText26761) + description("A"),
        withArgs(kText26760, {"10"}),
        withArgs(kText26764, {kText20403}),
        withArgs(kText26765, {"5"}),
        withArgs(kText26766, {"1"}),
        kText26762,
        kText20001,
        kText20002,
    };
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, expected[i]) << i;
        EXPECT_EQ(lines[i].right, i >= 9) << i;
    }
    row.TipAlarma = 30;
    row.Nivo = 7;
    row.Stanje = 5;
    const std::vector<SAlarmDetailLine> none = alarmDetailLines(d.db, row);
    ASSERT_EQ(none.size(), 9u);
    EXPECT_EQ(none[2].text, withArgs(kText26763, {""}));
    EXPECT_EQ(none[5].text, withArgs(kText26764, {""}));
    EXPECT_EQ(none[8].text, kText26762);
}

// ---------------------------------------------------------------- window

// Answers each question from a queue (yes when it runs dry) and records.
class QueuedBoxes : public IMessageBoxPresenter {
public:
    QueuedBoxes() { setMessageBoxPresenter(this); }
    ~QueuedBoxes() override { setMessageBoxPresenter(nullptr); }
    int show(Kind kind, const char*, const char* text, FX::FXWindow*) override {
        shown.push_back({kind, text != nullptr ? text : ""});
        if (answers.empty()) return 1;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    std::vector<std::pair<Kind, std::string>> shown;
    std::deque<int> answers;
};

class AlarmListWindow : public ::testing::Test, protected LoopbackRouter {
protected:
    void SetUp() override {
        startRouter(kLoopbackExchangeRoutes);
        owner = new FXMainWindow(&testApp(), "owner");
        owner->create();
        setMainDialogOwner(owner);
    }
    void TearDown() override {
        delete window;
        setMainDialogOwner(nullptr);
        delete owner;
        stopRouter();
    }
    // Opens the window and lets its first refresh run.
    void open() {
        window = openAlarmListWindow();
        ASSERT_NE(window, nullptr);
        tick(1);
    }
    void tick(int32_t ms) {
        clock.advance(ms);
        tickTimers();
    }
    void select(int row) { window->table()->getTable()->selectItem(row, 1, TRUE); }
    std::string text(FXLabel* label) const { return fromUtf8(label->getText()); }
    std::vector<uint8_t> record(const sListaAlarma& r) const {
        uint8_t bytes[kAlarmRowSize];
        encodeAlarmRow(r, bytes);
        return std::vector<uint8_t>(bytes, bytes + kAlarmRowSize);
    }

    AlarmDatabase d;
    FXMainWindow* owner = nullptr;
    KSpisakAlarmaShell* window = nullptr;
};

TEST_F(AlarmListWindow, EmptyTableShowsZeroCounts) {
    open();
    KSpisakAlarma* t = window->table();
    EXPECT_EQ(t->dataRowCount(), 0);
    EXPECT_EQ(fromUtf8(window->getTitle()), kText21234);
    const char* levels[] = {kText20001, kText20002, kText20003, kText20004};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(text(window->levelLabels[i]), std::string(levels[i]) + ": 0");
        EXPECT_EQ(window->levelLabels[i]->getTextColor(), FXRGB(100, 100, 100));
    }
    EXPECT_EQ(text(window->unconfirmedLabel), withArgs(kText21285, {"0"}));
    EXPECT_EQ(text(window->positionLabel), "0/0");
    EXPECT_EQ(text(window->sortLabel), kText21272);
    EXPECT_EQ(text(window->filterLabel), kText21271);
    // Return without a selected line does nothing.
    FXEvent key;
    key.type = SEL_KEYPRESS;
    key.code = KEY_Return;
    EXPECT_EQ(window->handle(window, FXSEL(SEL_KEYPRESS, 0), &key), 0);
}

TEST_F(AlarmListWindow, RefreshShowsTheTableEverySecond) {
    open();
    d.load({r1, r2, r3});
    tick(999);
    EXPECT_EQ(window->table()->dataRowCount(), 0);
    tick(1);
    KSpisakAlarma* t = window->table();
    ASSERT_EQ(t->dataRowCount(), 3);
    EXPECT_EQ(std::string(t->getCellText(1, 3)), description("A"));
    EXPECT_EQ(std::string(t->getCellText(3, 2)), kText20003);
    EXPECT_EQ(t->getCellText(0, 1), nullptr);
    EXPECT_EQ(t->getCellText(1, 0), nullptr);
    EXPECT_EQ(t->getTable()->getItem(1, 0)->icon, t->unconfirmedIcon());
    t->getCellText(2, 0);
    EXPECT_EQ(t->getTable()->getItem(2, 0)->icon, t->confirmedIcon());
    const TFXTableItem* first = t->getTable()->getItem(1, 2);
    const TFXTableItem* second = t->getTable()->getItem(2, 2);
    EXPECT_EQ(first->backColor, FXRGB(255, 0, 0));
    EXPECT_NE(first->font, second->font);  // bold for an unconfirmed alarm
    EXPECT_EQ(window->levelLabels[0]->getTextColor(), FXRGB(255, 0, 0));
    EXPECT_EQ(window->levelLabels[2]->getTextColor(), FXRGB(100, 100, 100));
    EXPECT_EQ(text(window->unconfirmedLabel), withArgs(kText21285, {"2"}));
    select(2);
    tick(1000);
    EXPECT_EQ(text(window->positionLabel), "2/3");

    // A long description widens its column to 8 pixels a character.
    const sListaAlarma wide = alarmRow(9, 5, std::string(80, 'w').c_str(), 0, enaA1, 7);
    d.insert(wide);
    tick(1000);
    const std::string shown = t->getCellText(1, 3);
    EXPECT_EQ(shown, description(wide.Parametri));
    EXPECT_EQ(t->getTable()->getColumnWidth(3), FXint(shown.size() * 8));
}

struct RequestCase {
    const char* name;
    int line;  // 0: none selected
    FXuint command;
    std::deque<int> answers;
    std::vector<std::string> questions;
    int code;  // -1: nothing sent
    const sListaAlarma* sent;
    std::string status;
};

TEST_F(AlarmListWindow, RequestsToTheManagementProcessor) {
    // Lines in key order: r1 (A1), r2 (A2, confirmed), r4 (A0), r3 (inactive).
    d.load({r1, r2, r3, r4});
    const std::string a = description("A"), b = description("B"), c = description("C"),
                      dd = description("D");
    const RequestCase cases[] = {
        {"confirm inactive",
         4,
         KSpisakAlarmaShell::ID_CONFIRM,
         {1},
         {withArgs(kText21252, {c})},
         119,
         &r3,
         withArgs(kText21254, {c})},
        {"confirm again",
         2,
         KSpisakAlarmaShell::ID_CONFIRM,
         {1},
         {withArgs(kText21251, {b})},
         119,
         &r2,
         withArgs(kText21254, {b})},
        {"confirm refused",
         1,
         KSpisakAlarmaShell::ID_CONFIRM,
         {0},
         {withArgs(kText21252, {a})},
         -1,
         nullptr,
         ""},
        {"confirm without selection", 0, KSpisakAlarmaShell::ID_CONFIRM, {}, {}, -1, nullptr, ""},
        {"confirm all of A1",
         1,
         KSpisakAlarmaShell::ID_CONFIRM_ALL,
         {},
         {kText21259},
         -1,
         nullptr,
         ""},
        {"confirm all of a type",
         2,
         KSpisakAlarmaShell::ID_CONFIRM_ALL,
         {1},
         {withArgs(kText21253, {"10"})},
         121,
         &r2,
         withArgs(kText21255, {"10"})},
        {"delete",
         3,
         KSpisakAlarmaShell::ID_DELETE,
         {1, 1},
         {withArgs(kText21262, {dd}), kText21263},
         120,
         &r4,
         withArgs(kText21264, {dd})},
        {"delete refused at the second question",
         3,
         KSpisakAlarmaShell::ID_DELETE,
         {1, 0},
         {withArgs(kText21262, {dd}), kText21263},
         -1,
         nullptr,
         ""},
    };
    for (const RequestCase& rc : cases) {
        SCOPED_TRACE(rc.name);
        open();
        if (rc.line > 0) select(rc.line);
        QueuedBoxes boxes;
        boxes.answers = rc.answers;
        sendCommand(window, rc.command);
        std::vector<std::string> questions;
        for (const auto& s : boxes.shown) questions.push_back(s.second);
        EXPECT_EQ(questions, rc.questions);
        EXPECT_EQ(text(window->statusLine), rc.status);
        EXPECT_EQ(window->statusLine->getTextColor(), FXRGB(85, 0, 85));
        if (rc.code < 0) {
            EXPECT_EQ(peer.pump(), 0);
        } else {
            ASSERT_EQ(peer.pump(), 1);
            const auto& f = peer.received.back();
            EXPECT_EQ(f.type, kTypeAlarm);
            EXPECT_EQ(f.destination, kExchangeAddress);
            EXPECT_EQ(f.code, rc.code);
            EXPECT_EQ(f.payload, record(*rc.sent));
        }
        if (rc.command == KSpisakAlarmaShell::ID_CONFIRM_ALL && rc.code >= 0)
            EXPECT_LE(window->table()->getSelectedRow(), 0);
        delete window;
        window = nullptr;
    }
}

// Each request says that it was sent only when the link took it; otherwise
// the status line says it was not, and nothing reaches the exchange.
TEST_F(AlarmListWindow, RequestsSayWhetherTheyWereSent) {
    d.load({r1, r2, r3, r4});
    const struct {
        const char* name;
        int line;
        FXuint command;
        std::deque<int> answers;
        std::string sentText;
    } cases[] = {
        {"confirm",
         4,
         KSpisakAlarmaShell::ID_CONFIRM,
         {1},
         withArgs(kText21254, {description("C")})},
        {"confirm all of a type",
         2,
         KSpisakAlarmaShell::ID_CONFIRM_ALL,
         {1},
         withArgs(kText21255, {"10"})},
        {"delete",
         3,
         KSpisakAlarmaShell::ID_DELETE,
         {1, 1},
         withArgs(kText21264, {description("D")})},
    };
    for (const SLinkState& link : kLinkStates) {
        setLinkState(link);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(link.name) + ", " + c.name);
            open();
            select(c.line);
            QueuedBoxes boxes;
            boxes.answers = c.answers;
            sendCommand(window, c.command);
            EXPECT_EQ(text(window->statusLine), link.sends ? c.sentText : kMessageNotSentText);
            EXPECT_EQ(peer.pump(), link.sends ? 1 : 0);
            delete window;
            window = nullptr;
        }
    }
}

TEST_F(AlarmListWindow, SelectionOfAnAlarmNoLongerShown) {
    d.load({r1, r2});
    open();
    select(2);
    d.remove(r2);
    tick(1000);
    QueuedBoxes boxes;
    sendCommand(window, KSpisakAlarmaShell::ID_CONFIRM);
    EXPECT_EQ(text(window->statusLine), kText21256);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(window->handle(nullptr, FXSEL(SEL_COMMAND, KSpisakAlarmaShell::ID_DETAILS), nullptr),
              0);
    EXPECT_EQ(peer.pump(), 0);
}

// The selected line stands out from every line colour (A1 red, A2 yellow,
// inactive green, A0 white) in all of its cells; the other lines keep theirs.
TEST_F(AlarmListWindow, SelectedLineIsMarkedOverItsColour) {
    d.load({r1, r2, r3, r4});
    open();
    OrTable* grid = window->table()->getTable();
    const int rows = window->table()->dataRowCount();
    ASSERT_EQ(rows, 4);
    auto fill = [&](int row, int col) { return grid->cellFillColor(row, row + 1, col, col + 1); };
    std::vector<FXColor> own;
    for (int row = 1; row <= rows; ++row) own.push_back(fill(row, 1));
    for (int selected = 1; selected <= rows; ++selected) {
        select(selected);
        for (int row = 1; row <= rows; ++row)
            for (int col = 0; col < 4; ++col) {
                if (row != selected) {
                    EXPECT_EQ(fill(row, col), own[static_cast<std::size_t>(row - 1)]);
                    continue;
                }
                EXPECT_EQ(fill(row, col), grid->getSelBackColor()) << row << " " << col;
                for (FXColor c : own) EXPECT_NE(fill(row, col), c) << row << " " << col;
            }
        grid->killSelection(TRUE);
    }
}

TEST_F(AlarmListWindow, DetailsOpenOnReturn) {
    d.load({r1});
    open();
    select(1);
    std::string title;
    ModalDriver driver;
    driver.then([&](FXWindow* modal) {
        title = fromUtf8(static_cast<FXTopWindow*>(modal)->getTitle());
        sendCommand(modal, FXDialogBox::ID_ACCEPT);
    });
    driver.start();
    pressKey(window, KEY_Return, "\r");
    EXPECT_EQ(title, kText25681);
}

TEST_F(AlarmListWindow, FilterDialogAppliesAndShowsTheFilter) {
    d.addClass(7, 20405);
    d.addTypeToClass(10, 7);
    d.load({r1, r2, r3, r4});
    open();
    {
        ModalDriver driver;
        driver.then([&](FXWindow* modal) {
            auto* dialog = static_cast<KAlarmFilterDialog*>(modal);
            EXPECT_EQ(fromUtf8(dialog->getTitle()), kText21267);
            EXPECT_EQ(dialog->classes->getNumItems(), 2);
            EXPECT_EQ(fromUtf8(dialog->classes->getItemText(1)), kText20405);
            EXPECT_EQ(dialog->classes->getCurrentItem(), 0);
            EXPECT_EQ(dialog->off->getCheck(), TRUE);
            clickButton(dialog->on);
            clickButton(dialog->levels[1]);  // A2 off
            dialog->classes->setCurrentItem(1);
            sendCommand(dialog, FXDialogBox::ID_ACCEPT);
        });
        driver.start();
        sendCommand(window, KSpisakAlarmaShell::ID_FILTER);
        EXPECT_EQ(text(window->filterLabel),
                  withArgs(kText21270, {kText20001, "", kText20003, kText20004, kText20405}));
        EXPECT_EQ(window->table()->dataRowCount(), 1);  // r1: class 7 and shown levels
    }
    // The dialog shows the current filter; a class gone from table 173 shows
    // as all classes and is dropped on accepting.
    uint8_t conflict = 0;
    const uint8_t key[2] = {7, 0};
    ASSERT_EQ(d.db.deleteRecord(0, kAlarmClassTable, key, &conflict), 0);
    ModalDriver again;
    again.then([&](FXWindow* modal) {
        auto* dialog = static_cast<KAlarmFilterDialog*>(modal);
        EXPECT_EQ(dialog->on->getCheck(), TRUE);
        EXPECT_EQ(dialog->levels[1]->getCheck(), FALSE);
        EXPECT_EQ(dialog->classes->getCurrentItem(), 0);
        sendCommand(dialog, FXDialogBox::ID_ACCEPT);
    });
    again.start();
    sendCommand(window, KSpisakAlarmaShell::ID_FILTER);
    EXPECT_EQ(window->table()->model.filter.klasa, -1);
    EXPECT_EQ(window->table()->dataRowCount(), 3);
}

TEST_F(AlarmListWindow, SortDialogChoosesTheKey) {
    d.load({r1, r2, r3, r4});
    open();
    const struct {
        int radio;  // -1 none checked
        const char* label;
        std::vector<int32_t> ids;
    } cases[] = {
        {-1, kText21272, {3, 4, 2, 1}},
        {1, kText21273, {4, 2, 3, 1}},
        {-1, kText21273, {3, 4, 2, 1}},
    };
    for (const auto& c : cases) {
        ModalDriver driver;
        driver.then([&](FXWindow* modal) {
            auto* dialog = static_cast<KAlarmUredjDialog*>(modal);
            for (FXRadioButton* r : dialog->keys) EXPECT_EQ(r->getCheck(), FALSE);
            if (c.radio >= 0) clickButton(dialog->keys[c.radio]);
            sendCommand(dialog, FXDialogBox::ID_ACCEPT);
        });
        driver.start();
        sendCommand(window, KSpisakAlarmaShell::ID_SORT);
        EXPECT_EQ(text(window->sortLabel), c.label);
        EXPECT_EQ(shownIds(window->table()->model), c.ids);
        tick(1000);  // the lines follow at the next refresh
        EXPECT_EQ(window->table()->model.line(0).AlarmIB, c.ids[0]);
    }
}

TEST_F(AlarmListWindow, Legend) {
    open();
    std::vector<std::string> labels;
    ModalDriver driver;
    driver.then([&](FXWindow* modal) {
        EXPECT_EQ(fromUtf8(static_cast<FXTopWindow*>(modal)->getTitle()), kText21279);
        for (FXLabel* l : childrenOf<FXLabel>(modal))
            if (!l->isMemberOf(FXMETACLASS(FXButton))) labels.push_back(fromUtf8(l->getText()));
        sendCommand(modal, FXDialogBox::ID_ACCEPT);
    });
    driver.start();
    sendCommand(window, KSpisakAlarmaShell::ID_LEGEND);
    ASSERT_GE(labels.size(), 6u);
    EXPECT_EQ(labels[0], withArgs(kText21291, {"A1"}));
    EXPECT_EQ(labels[3], withArgs(kText21292, {"A1, A2, A3"}));
    EXPECT_EQ(labels[5], withArgs(kText21294, {"A0"}));
}

}  // namespace
