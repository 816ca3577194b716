#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <gtest/gtest.h>

#include "link/router.h"
#include "link/timer_pool.h"
#include "monitoring/backup_window.h"
#include "monitoring/load_window.h"
#include "peer/loopback_router.h"
#include "peer/modal_driver.h"
#include "peer/recording_boxes.h"
#include "peer/test_app.h"
#include "toolkit/rec_tabela.h"
#include "toolkit/record_fixtures.h"
#include "toolkit/small_dialogs.h"
#include "toolkit/text_codec.h"

// A catalogue-worded text with "%1", "%2"... replaced by the arguments.
inline std::string backupText(const char* text, std::initializer_list<std::string> args = {}) {
    std::string s = text;
    std::size_t n = 1;
    for (const std::string& value : args) {
        const std::string mark = "%" + std::to_string(n++);
        const std::size_t at = s.find(mark);
        if (at != std::string::npos) s.replace(at, mark.size(), value);
    }
    return s;
}

// A label as shown: its "~" marks removed.
inline std::string withoutTildes(const char* text) {
    std::string s = text;
    s.erase(std::remove(s.begin(), s.end(), '~'), s.end());
    return s;
}

// An Ucesce text of 205 characters: "x" everywhere but "." at the given tables.
inline std::string ucesceWithout(std::initializer_list<int> absent) {
    std::string s(205, 'x');
    for (int t : absent) s[static_cast<std::size_t>(t)] = '.';
    return s;
}

// The backup tables of the database, the stand-in exchange behind the router
// over loopback UDP, the real record dialog as the record chooser, recorded
// message boxes and a test clock. The windows made go at the end.
class BackupWorld : public ::testing::Test, protected LoopbackRouter {
protected:
    void SetUp() override {
        testApp();
        startRouter(kLoopbackExchangeRoutes);
        installRecordDialogChooser();
    }
    void TearDown() override {
        delete backupWindow;
        delete loadWindow;
        setRecordChooser(nullptr);
        stopRouter();
    }
    // Moves the clock and fires what is due.
    void elapse(uint32_t ms) {
        clock.advance(ms);
        tickTimers();
    }
    // The frames the stand-in exchange took since the last call.
    std::vector<StandInExchange::Frame> requests() {
        peer.received.clear();
        peer.pump();
        return peer.received;
    }
    // One frame of type 187 to the workstation, taken by the router at once.
    void answer(uint8_t code, const Bytes& payload, uint16_t source = kBackupDestination,
                uint8_t type = kTypeBackup) {
        peer.sendFrame(type, 28673, source, code, payload);
        router->receiveMessages();
    }
    static std::string statusOf(TBaseShell* shell) {
        return fromUtf8(shell->statusBar->getStatusLine()->getNormalText());
    }
    static FX::FXColor colourOf(TBaseShell* shell) {
        return shell->statusBar->getStatusLine()->getTextColor();
    }
    static void select(TRecShell* shell, int row) {
        shell->recordTable()->getTable()->selectItem(row, 2, TRUE);
    }
    // Sends a button's command with the dialog steps given; every step must run.
    static void press(TRecShell* shell, FX::FXSelector id,
                      const std::vector<ModalDriver::Step>& steps = {}) {
        ModalDriver driver;
        for (const auto& s : steps) driver.then(s);
        driver.start();
        sendCommand(shell, id);
        EXPECT_EQ(driver.pending(), 0u) << id;
    }
    // A stop button: the question answered no sends nothing, yes sends the
    // request without a body and shows the sent text.
    void expectStopAsksFirst(TRecShell* shell, FX::FXSelector id, const char* question,
                             const char* sentText, uint8_t code) {
        for (int yes : {0, 1}) {
            boxes.answer = yes;
            boxes.boxes.clear();
            press(shell, id);
            ASSERT_EQ(boxes.boxes.size(), 1u);
            EXPECT_EQ(boxes.boxes[0].text, question);
            // Over the window whose button was pressed, which has the focus.
            EXPECT_EQ(boxes.boxes[0].owner, static_cast<FX::FXWindow*>(shell));
            EXPECT_EQ(statusOf(shell), yes ? sentText : "");
            const auto sent = requests();
            ASSERT_EQ(sent.size(), size_t(yes));
            if (yes) {
                EXPECT_EQ(sent[0].code, code);
                EXPECT_TRUE(sent[0].payload.empty());
            }
        }
    }
    // Steps: choose data row `row` of the record dialog, or cancel it.
    ModalDriver::Step pick(int row, std::string* title = nullptr) {
        return [this, row, title](FX::FXWindow* modal) {
            ASSERT_TRUE(modal->isMemberOf(FXMETACLASS(TRecDial)));
            auto* dialog = static_cast<TRecDial*>(modal);
            if (title != nullptr) *title = fromUtf8(dialog->getTitle());
            elapse(1);
            if (row > 0) dialog->recordTable()->getTable()->selectItem(row, 0, TRUE);
            sendCommand(modal, row > 0 ? FX::FXDialogBox::ID_ACCEPT : FX::FXDialogBox::ID_CANCEL);
        };
    }
    // Step: check option `index` of the option dialog and accept (-1 cancels).
    static ModalDriver::Step option(int index, std::vector<std::string>* shown = nullptr) {
        return [index, shown](FX::FXWindow* modal) {
            const auto radios = childrenOf<FX::FXRadioButton>(modal);
            if (shown != nullptr) {
                shown->push_back(fromUtf8(static_cast<FX::FXTopWindow*>(modal)->getTitle()));
                for (FX::FXRadioButton* r : radios)
                    shown->push_back(fromUtf8(r->getText()) + (r->getCheck() ? " *" : ""));
            }
            if (index >= 0) clickButton(radios.at(static_cast<std::size_t>(index)));
            sendCommand(modal,
                        index >= 0 ? FX::FXDialogBox::ID_ACCEPT : FX::FXDialogBox::ID_CANCEL);
        };
    }

    ScopedTables tables{kTableBackupTypes, kTableBackupSchedule, kTableLoadTypes, kTableBackups};
    RecordingBoxes boxes;
};
