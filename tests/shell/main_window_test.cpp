#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <fox-1.6/fxkeys.h>

#include "commands/command_dispatch.h"
#include "commands/command_table.h"
#include "commands/dialogs/command_dispatcher.h"
#include "commands/executors/local_routines.h"
#include "mml/mml_executors.h"
#include "mml/command_handlers.h"
#include "mml/mml_registry.h"
#include "monitoring/monitoring_routines.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "peer/recording_boxes.h"
#include "peer/test_app.h"
#include "peer/work_dir.h"
#include "platform/shell.h"
#include "shell/main_window.h"
#include "shell/status_bar.h"
#include "link/text_streams.h"
#include "toolkit/text_codec.h"

namespace {

// Runs a function from a FOX timeout, inside whatever loop is running.
class TimeoutDriver : public FX::FXObject {
    FXDECLARE(TimeoutDriver)
public:
    enum { ID_RUN = 1 };
    explicit TimeoutDriver(std::function<void()> run = {}) : run_(std::move(run)) {}
    long onRun(FX::FXObject*, FX::FXSelector, void*) {
        run_();
        return 1;
    }
    void arm(FX::FXuint ms) { testApp().addTimeout(this, ID_RUN, ms); }
    ~TimeoutDriver() override { testApp().removeTimeout(this, ID_RUN); }

private:
    std::function<void()> run_;
};

FXDEFMAP(TimeoutDriver)
TimeoutDriverMap[] = {
    FXMAPFUNC(FX::SEL_TIMEOUT, TimeoutDriver::ID_RUN, TimeoutDriver::onRun),
};
FXIMPLEMENT(TimeoutDriver, FX::FXObject, TimeoutDriverMap, ARRAYNUMBER(TimeoutDriverMap))

std::vector<uint16_t> dispatched;
void recordDispatch(uint16_t id) {
    dispatched.push_back(id);
}

// Every child of a composite of the given class, in order.
template <class T>
std::vector<T*> childrenOf(FX::FXComposite* parent) {
    std::vector<T*> out;
    for (FX::FXWindow* w = parent->getFirst(); w != nullptr; w = w->getNext())
        if (auto* t = dynamic_cast<T*>(w)) out.push_back(t);
    return out;
}

template <class T>
void collect(FX::FXWindow* root, std::vector<T*>& out) {
    for (FX::FXWindow* w = root->getFirst(); w != nullptr; w = w->getNext()) {
        if (auto* t = dynamic_cast<T*>(w)) out.push_back(t);
        collect(w, out);
    }
}

class MainWindow : public ::testing::Test {
protected:
    void open(const char* orIni = nullptr) {
        if (orIni != nullptr) dir.write("OR.ini", orIni);
        window = new TTalvor(&testApp());
        mainWindow = window;
        window->create();
        window->layout();
        dispatched.clear();
    }
    void TearDown() override {
        setCommandDispatcher(nullptr);
        close();
        platform::setShell(nullptr);
    }
    // Closes the window and makes the display forget it at once.
    void close() {
        if (window == nullptr) return;
        window->logSwitchOff();
        delete window;
        window = nullptr;
        testApp().flush(true);
    }
    long pressKey(FX::FXuint code, FX::FXuint state) {
        FX::FXEvent ev;
        ev.type = FX::SEL_KEYPRESS;
        ev.code = code;
        ev.state = state;
        const long handled = window->handle(window, FXSEL(FX::SEL_KEYPRESS, 0), &ev);
        ev.type = FX::SEL_KEYRELEASE;
        window->handle(window, FXSEL(FX::SEL_KEYRELEASE, 0), &ev);
        return handled;
    }

    ScopedWorkDir dir;
    RecordingBoxes boxes;
    TTalvor* window = nullptr;
};

// The toolbar holds all 15 buttons unless "OR.ini" turns it down to the
// log-in and log-out buttons and one separator.
TEST_F(MainWindow, ToolbarFollowsOrIni) {
    const std::vector<FX::FXSelector> full = {5576, 5577, 5162, 5163, 5182, 5328, 5518, 5430,
                                              5273, 5276, 5016, 5043, 5020, 5023, 5598};
    struct Case {
        const char* name;
        const char* ini;
        std::vector<FX::FXSelector> buttons;
        std::size_t separators;
    };
    const Case cases[] = {
        {"no file", nullptr, full, 5},
        {"no key", "[Prikaz]\nOther=0\n", full, 5},
        {"reduced", "[Prikaz]\nPun_ikonostas=0\n", {5576, 5577}, 1},
        {"any non-zero", "[Prikaz]\nPun_ikonostas=7\n", full, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open(c.ini);
        std::vector<FX::FXSelector> ids;
        for (FX::FXButton* b : childrenOf<FX::FXButton>(window->toolBar())) {
            ids.push_back(b->getSelector());
            EXPECT_EQ(b->getTarget(), window);
            EXPECT_EQ(b->getTipText(), toUtf8(commandName(b->getSelector())));
            ASSERT_NE(b->getIcon(), nullptr);
            EXPECT_EQ(b->getIcon()->getWidth(), 48);
            EXPECT_EQ(b->getIcon()->getHeight(), 48);
        }
        EXPECT_EQ(ids, c.buttons);
        EXPECT_EQ(childrenOf<FX::FXVerticalSeparator>(window->toolBar()).size(), c.separators);
        EXPECT_EQ(childrenOf<FX::FXToolBarGrip>(window->toolBar()).size(), 1u);
        close();
    }
}

// Right after start, from left to right: message, A1, A2, OK and the
// 100-pixel traffic cell at the right end, all grey.
TEST_F(MainWindow, StatusBarCells) {
    open();
    ASSERT_NE(statusInfo, nullptr);
    EXPECT_EQ(linkTrafficCell, statusInfo->trafficCell);
    EXPECT_EQ(messageCell, statusInfo->messageItem);
    const TStatusInfoItem* order[] = {statusInfo->messageItem, statusInfo->a1Item,
                                      statusInfo->a2Item, statusInfo->okItem,
                                      statusInfo->trafficCell};
    const char* texts[] = {" ", "A1", "A2", "OK", "            "};
    const FX::FXColor colours[] = {FXRGB(192, 192, 192), FXRGB(200, 200, 200), FXRGB(200, 200, 200),
                                   FXRGB(200, 200, 200), FXRGB(192, 192, 192)};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(order[i]->label()->getText(), texts[i]);
        EXPECT_EQ(order[i]->label()->getBackColor(), colours[i]);
        if (i > 0) EXPECT_LT(order[i - 1]->label()->getX(), order[i]->label()->getX());
    }
    FX::FXLabel* traffic = statusInfo->trafficCell->label();
    EXPECT_EQ(traffic->getWidth(), 100);
    EXPECT_EQ(traffic->getX() + traffic->getWidth() + 4, window->statusBar()->getWidth());

    TStatusInfoItem* a1 = statusInfo->a1Item;
    a1->showActiveColour();
    EXPECT_EQ(a1->label()->getBackColor(), FXRGB(255, 128, 128));
    a1->showIdleColour();
    EXPECT_EQ(a1->label()->getBackColor(), FXRGB(200, 200, 200));
    statusInfo->okItem->showActiveColour();
    EXPECT_EQ(statusInfo->okItem->label()->getBackColor(), FXRGB(128, 255, 128));

    // A new text in the fixed-width traffic cell repaints it without laying
    // the window out again; the message cell's width follows its text.
    while (testApp().hasChore(window, FX::FXShell::ID_LAYOUT)) testApp().runOneEvent();
    setStatusCellTextLeft(linkTrafficCell, "  282:    0");
    EXPECT_EQ(traffic->getText(), "  282:    0");
    EXPECT_FALSE(testApp().hasChore(window, FX::FXShell::ID_LAYOUT));
    EXPECT_EQ(traffic->getJustify() & FX::JUSTIFY_HZ_APART, FX::JUSTIFY_LEFT);
    setStatusCellText(messageCell, "replication");
    EXPECT_TRUE(testApp().hasChore(window, FX::FXShell::ID_LAYOUT));
    setStatusCellText(linkTrafficCell, "x");
    EXPECT_EQ(traffic->getJustify() & FX::JUSTIFY_HZ_APART, FX::JUSTIFY_CENTER_X);
    EXPECT_EQ(traffic->getText(), "x");

    close();
    EXPECT_EQ(linkTrafficCell, nullptr);
    EXPECT_EQ(statusInfo, nullptr);
}

// Ids 5000..5600 are handled; the gate runs 5001..5599 only. Accelerators
// send their commands; F1 that no accelerator takes opens the help contents.
TEST_F(MainWindow, CommandsAndKeysReachTheGate) {
    open();
    setCommandDispatcher(recordDispatch);
    for (FX::FXSelector id : {5000u, 5015u, 5600u})
        EXPECT_EQ(window->handle(window, FXSEL(FX::SEL_COMMAND, id), nullptr), 1) << id;
    EXPECT_EQ(dispatched, std::vector<uint16_t>{5015});

    dispatched.clear();
    EXPECT_EQ(pressKey(FX::KEY_q, FX::CONTROLMASK), 1);
    EXPECT_EQ(pressKey(FX::KEY_x, FX::ALTMASK), 1);
    EXPECT_EQ(pressKey(FX::KEY_F4, FX::ALTMASK), 1);
    EXPECT_EQ(pressKey(FX::KEY_F1, 0), 1);
    EXPECT_EQ(dispatched, (std::vector<uint16_t>{5015, 5015, 5015, 5598}));

    platform::RecordingShell shell;
    platform::setShell(&shell);
    dispatched.clear();
    window->getAccelTable()->removeAccel(FX::parseAccel("F1"));
    EXPECT_EQ(pressKey(FX::KEY_F1, 0), 1);
    EXPECT_EQ(pressKey(FX::KEY_F2, 0), 0);
    EXPECT_TRUE(dispatched.empty());
    EXPECT_EQ(shell.opened, std::vector<std::string>{helpPagePath(0)});
}

// F10 opens the menu bar at its first menu.
TEST_F(MainWindow, F10OpensTheMenuBar) {
    open();
    auto* first = dynamic_cast<FX::FXMenuTitle*>(window->menuBar()->getFirst());
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->getMenu()->shown());
    pressKey(FX::KEY_F10, 0);
    EXPECT_TRUE(first->getMenu()->shown());
    first->handle(window, FXSEL(FX::SEL_COMMAND, FX::FXWindow::ID_UNPOST), nullptr);
    EXPECT_FALSE(first->getMenu()->shown());
}

// Exit asks text 21119 and on yes ends every running loop with 0, whether
// it comes as command 5015 or as the window manager's close request.
TEST_F(MainWindow, ExitAsksFirst) {
    open();
    installCommandDispatcher();
    for (const FX::FXSelector road : {FXSEL(FX::SEL_COMMAND, 5015), FXSEL(FX::SEL_CLOSE, 0)})
        for (int answer : {0, 1}) {
            SCOPED_TRACE(answer);
            SCOPED_TRACE(FXSELTYPE(road));
            boxes.answer = answer;
            boxes.boxes.clear();
            bool guardFired = false;
            TimeoutDriver choose([&] { window->handle(window, road, nullptr); });
            TimeoutDriver guard([&] {
                guardFired = true;
                testApp().stop(1);
            });
            choose.arm(1);
            guard.arm(answer ? 20000 : 50);
            EXPECT_EQ(testApp().run(), answer ? 0 : 1);
            EXPECT_EQ(guardFired, answer == 0);
            ASSERT_EQ(boxes.boxes.size(), 1u);
            EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Question);
            EXPECT_EQ(boxes.boxes[0].text, textById(21119));
        }
}

// SIGTERM, SIGHUP and SIGINT end the loop with 0 and ask nothing; once the
// loop has ended they are ignored, so a second one cannot cut the shutdown.
TEST_F(MainWindow, ShutdownSignalsEndTheLoopWithoutAQuestion) {
    open();
    window->catchShutdownSignals();
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(sig);
        bool guardFired = false;
        TimeoutDriver signal([&] { ::raise(sig); });
        TimeoutDriver guard([&] {
            guardFired = true;
            testApp().stop(1);
        });
        signal.arm(1);
        guard.arm(20000);
        EXPECT_EQ(testApp().run(), 0);
        EXPECT_FALSE(guardFired);
        // The window takes one signal: a fresh one for the next.
        close();
        open();
        window->catchShutdownSignals();
    }
    EXPECT_TRUE(boxes.boxes.empty());
    TTalvor::ignoreShutdownSignals(&testApp());
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) {
        ::raise(sig);  // ignored: the test goes on
        ::signal(sig, SIG_DFL);
    }
}

// Clearing the operator log asks first and deletes "sys.log" on yes.
TEST_F(MainWindow, ClearOperatorLogAsksFirst) {
    open();
    for (int answer : {0, 1}) {
        SCOPED_TRACE(answer);
        window->operatorMessages()->flush();
        ASSERT_FALSE(dir.read("sys.log").empty());
        boxes.answer = answer;
        boxes.boxes.clear();
        window->handle(window, FXSEL(FX::SEL_COMMAND, 5010), nullptr);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, textById(21096));
        EXPECT_EQ(dir.read("sys.log").empty(), answer == 1);
    }
}

// The questions of local actions are asked also when the command comes as
// MML text: never answered by themselves.
TEST_F(MainWindow, LocalActionsAskAlsoFromMml) {
    open();
    installCommandExecutors();
    installMonitoringRoutines();
    registerCommandHandlers();
    using Kind = IMessageBoxPresenter::Kind;
    const struct {
        uint16_t command;
        int question;
        Kind kind;  // clearing the log deletes it: No is the initial answer
    } cases[] = {{5010, 21096, Kind::DeletionQuestion},
                 {5015, 21119, Kind::Question},
                 {5021, 21221, Kind::Question}};
    for (const auto& c : cases) {
        boxes.answer = 0;
        boxes.boxes.clear();
        executeMmlCommand((std::string("\"") + findCommand(c.command)->title + "\";").c_str());
        ASSERT_EQ(boxes.boxes.size(), 1u) << c.command;
        EXPECT_EQ(boxes.boxes[0].kind, c.kind);
        EXPECT_EQ(boxes.boxes[0].text, textById(c.question));
    }
    setCommandExecutor(nullptr);
    setLocalActionRunner(nullptr);
    for (std::size_t i = 0; i < kLocalRoutineSlotCount; ++i)
        setLocalRoutine(static_cast<LocalRoutine>(i), nullptr);
}

// Command 5223 reaches the visual.ini dialog from the menu and as typed
// MML; without the file it shows "Bad VISUAL.INI!".
TEST_F(MainWindow, VisualCaseDialogFromMenuAndMml) {
    open();
    installCommandDispatcher();
    installCommandExecutors();
    registerCommandHandlers();
    window->handle(window, FXSEL(FX::SEL_COMMAND, 5223), nullptr);
    executeMmlCommand((std::string("\"") + findCommand(5223)->title + "\";").c_str());
    ASSERT_EQ(boxes.boxes.size(), 2u);
    for (const RecordingBoxes::Box& box : boxes.boxes) EXPECT_EQ(box.text, "Bad VISUAL.INI!");
    setCommandExecutor(nullptr);
    setLocalActionRunner(nullptr);
}

// The two help pages open through the shell; a page that cannot be opened
// gives text 25305, as every help page does.
TEST_F(MainWindow, HelpPages) {
    open();
    platform::RecordingShell shell;
    shell.succeed = false;
    platform::setShell(&shell);
    window->handle(window, FXSEL(FX::SEL_COMMAND, 5598), nullptr);
    window->handle(window, FXSEL(FX::SEL_COMMAND, 5599), nullptr);
    const std::string folder = textById(26894);
    EXPECT_EQ(shell.opened,
              (std::vector<std::string>{folder + "/index.htm", folder + "/aindex.htm"}));
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[1].text, textById(25305));
}

// The display settings hide and show the bars at once; each group's radio
// buttons follow the bar, so exactly one of them is checked.
TEST_F(MainWindow, DisplaySettingsShowAndHideTheBars) {
    open();
    bool ran = false;
    TimeoutDriver drive([&] {
        auto* dialog = dynamic_cast<FX::FXDialogBox*>(testApp().getModalWindow());
        ASSERT_NE(dialog, nullptr);
        std::vector<FX::FXRadioButton*> radios;
        collect(dialog, radios);
        ASSERT_EQ(radios.size(), 4u);  // toolbar show, hide; status bar show, hide
        auto press = [&](int i) {
            radios[i]->getTarget()->handle(
                radios[i], FXSEL(FX::SEL_COMMAND, radios[i]->getSelector()), (void*)(FX::FXuval)1);
            dialog->forceRefresh();
        };
        dialog->forceRefresh();
        EXPECT_EQ(radios[0]->getCheck(), TRUE);
        EXPECT_EQ(radios[1]->getCheck(), FALSE);
        press(1);
        EXPECT_FALSE(window->toolBar()->shown());
        EXPECT_EQ(radios[0]->getCheck(), FALSE);
        EXPECT_EQ(radios[1]->getCheck(), TRUE);
        press(3);
        EXPECT_FALSE(window->statusBar()->shown());
        press(0);
        EXPECT_TRUE(window->toolBar()->shown());
        ran = true;
        dialog->handle(dialog, FXSEL(FX::SEL_COMMAND, FX::FXDialogBox::ID_ACCEPT), nullptr);
    });
    drive.arm(1);
    window->handle(window, FXSEL(FX::SEL_COMMAND, 5013), nullptr);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(window->toolBar()->shown());
    EXPECT_FALSE(window->statusBar()->shown());
}

}  // namespace
