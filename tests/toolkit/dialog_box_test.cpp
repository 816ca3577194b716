#include <functional>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <fox-1.6/fxkeys.h>
#include <gtest/gtest.h>

#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "peer/modal_driver.h"
#include "peer/recording_boxes.h"
#include "peer/test_app.h"
#include "platform/shell.h"
#include "toolkit/accelerators.h"
#include "toolkit/dialog_box.h"
#include "toolkit/small_dialogs.h"
#include "toolkit/text_codec.h"
#include "utils/message_box.h"

namespace {

// What the operator does in an open box.
enum class Act { Click0, Click1, Click2, Escape, Enter };

void act(FX::FXWindow* box, Act a) {
    switch (a) {
        case Act::Click0:
        case Act::Click1:
        case Act::Click2: {
            const auto buttons = childrenOf<FX::FXButton>(box);
            const std::size_t i =
                static_cast<std::size_t>(a) - static_cast<std::size_t>(Act::Click0);
            ASSERT_LT(i, buttons.size());
            clickButton(buttons[i]);
            break;
        }
        case Act::Escape:
            pressKey(box, KEY_Escape);
            break;
        case Act::Enter:
            pressKey(box, KEY_Return, "\r");
            break;
    }
}

TEST(MsgBox, ResultTellsWhichButtonEndedIt) {
    testApp();
    const struct {
        FX::FXuint set;
        Act act;
        FX::FXuint expected;
    } cases[] = {
        {kMsgBoxOk, Act::Enter, kMsgBoxClickedOk},
        {kMsgBoxOk, Act::Escape, kMsgBoxClickedCancel},
        {kMsgBoxOkCancel, Act::Click1, kMsgBoxClickedCancel},
        {kMsgBoxYesNo, Act::Enter, kMsgBoxClickedYes},
        {kMsgBoxYesNo, Act::Click1, kMsgBoxClickedNo},
        {kMsgBoxYesNoCancel, Act::Click0, kMsgBoxClickedYes},
        {kMsgBoxYesNoCancel, Act::Click1, kMsgBoxClickedNo},
        {kMsgBoxYesNoCancel, Act::Click2, kMsgBoxClickedCancel},
        {kMsgBoxYesNoCancel, Act::Escape, kMsgBoxClickedCancel},
        {kMsgBoxQuitCancel, Act::Enter, kMsgBoxClickedQuit},
        {kMsgBoxQuitSaveCancel, Act::Enter, kMsgBoxClickedSave},
        {kMsgBoxQuitSaveCancel, Act::Click0, kMsgBoxClickedQuit},
        {kMsgBoxQuitSaveCancel, Act::Click2, kMsgBoxClickedCancel},
        // A question before deleting starts on No: Enter keeps what is there.
        {kMsgBoxYesNo | kMsgBoxInitialNo, Act::Enter, kMsgBoxClickedNo},
        {kMsgBoxYesNo | kMsgBoxInitialNo, Act::Click0, kMsgBoxClickedYes},
        {kMsgBoxYesNoCancel | kMsgBoxInitialNo, Act::Enter, kMsgBoxClickedNo},
        {kMsgBoxOk | kMsgBoxInitialNo, Act::Enter, kMsgBoxClickedOk},
    };
    for (const auto& c : cases) {
        ModalDriver driver;
        driver.then([&](FX::FXWindow* box) { act(box, c.act); });
        driver.start();
        EXPECT_EQ(TMsgBox::question(nullptr, c.set, "caption", "%s", "text"), c.expected)
            << (c.set >> 28) << " " << static_cast<int>(c.act);
    }
}

// Labels, icons and the initial button of every set.
TEST(MsgBox, ButtonSets) {
    FX::FXApp& app = testApp();
    const std::string ok = convertTildeAccel(textById(21401));
    const std::string cancel = convertTildeAccel(textById(22019));
    const std::string yes = convertTildeAccel(textById(25955));
    const std::string no = convertTildeAccel(textById(25956));
    const struct {
        FX::FXuint set;
        std::vector<std::string> labels;
        std::vector<bool> icons;
        std::size_t initial;
    } cases[] = {
        {kMsgBoxOk, {ok}, {true}, 0},
        {kMsgBoxOkCancel, {ok, cancel}, {true, true}, 0},
        {kMsgBoxYesNo, {yes, no}, {true, true}, 0},
        {kMsgBoxYesNoCancel, {yes, no, cancel}, {false, false, true}, 0},
        {kMsgBoxQuitCancel, {"&Quit", "&Cancel"}, {false, false}, 0},
        {kMsgBoxQuitSaveCancel, {"&Quit", "&Save", "&Cancel"}, {false, false, false}, 1},
        {kMsgBoxYesNo | kMsgBoxInitialNo, {yes, no}, {true, true}, 1},
    };
    for (const auto& c : cases) {
        TMsgBox box(&app, "caption", "text", nullptr, c.set);
        const auto buttons = childrenOf<FX::FXButton>(&box);
        ASSERT_EQ(buttons.size(), c.labels.size()) << (c.set >> 28);
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            FX::FXButton* b = buttons[i];
            // FOX keeps the label without its "&" and the mnemonic apart.
            std::string shown = c.labels[i];
            const std::size_t amp = shown.find('&');
            ASSERT_NE(amp, std::string::npos);
            shown.erase(amp, 1);
            EXPECT_EQ(fromUtf8(b->getText()), shown) << (c.set >> 28) << " " << i;
            EXPECT_EQ(b->getIcon() != nullptr, c.icons[i]) << (c.set >> 28) << " " << i;
            EXPECT_EQ(b->isInitial(), i == c.initial) << (c.set >> 28) << " " << i;
            // The icon stands beside the caption, never over it.
            if (b->getIcon() != nullptr)
                EXPECT_EQ(b->getIconPosition() & FX::ICON_BEFORE_TEXT, FX::ICON_BEFORE_TEXT);
        }
    }
}

TEST(MsgBox, ShowsTheMessageUnchanged) {
    FX::FXApp& app = testApp();
    const char* text = "50% & more %s\nsecond line";
    TMsgBox box(&app, "caption", text, nullptr, kMsgBoxOk);
    EXPECT_NE(findChild<FX::FXLabel>(&box, toUtf8(text).text()), nullptr);
}

// The ready-made boxes run as TMsgBox with their catalogue captions.
TEST(MessageBoxes, ShowTMsgBoxesWithTheirCaptions) {
    testApp();
    const struct {
        const char* name;
        int (*show)();
        Act act;
        int expected;
        int caption;
    } cases[] = {
        {"information", [] { return showInformation("text"); }, Act::Enter, 3, 25954},
        {"error", [] { return showError("text %s %d"); }, Act::Escape, 3, 22139},
        {"confirm yes", [] { return confirm("text"); }, Act::Enter, 1, 21402},
        {"confirm no", [] { return confirm("text"); }, Act::Click1, 0, 21402},
        {"confirm escape", [] { return confirm("text"); }, Act::Escape, 0, 21402},
        {"deletion enter", [] { return confirmDeletion("text"); }, Act::Enter, 0, 21402},
        {"deletion yes", [] { return confirmDeletion("text"); }, Act::Click0, 1, 21402},
        {"deletion escape", [] { return confirmDeletion("text"); }, Act::Escape, 0, 21402},
    };
    for (const auto& c : cases) {
        ModalDriver driver;
        std::string title;
        driver.then([&](FX::FXWindow* box) {
            title = fromUtf8(static_cast<FX::FXTopWindow*>(box)->getTitle());
            EXPECT_TRUE(box->isMemberOf(&TMsgBox::metaClass)) << c.name;
            act(box, c.act);
        });
        driver.start();
        EXPECT_EQ(c.show(), c.expected) << c.name;
        EXPECT_EQ(title, textById(c.caption)) << c.name;
    }
}

TEST(MessageBoxes, ConfirmAnswersYesAtOnceForTypedCommands) {
    testApp();
    setCommandFromTextInput(true);
    EXPECT_EQ(confirm("text"), 1);  // no box: a driver-less box would never close
    EXPECT_EQ(confirmDeletion("text"), 1);
    setCommandFromTextInput(false);
}

// A box raised from an open dialog belongs to that dialog, not to the main
// window, and when it goes the focus is back in the field that had it, so
// the operator types on; the same for a dialog raised from the dialog.
TEST(MessageBoxes, BelongToTheDialogThatRaisedThemAndGiveTheFocusBack) {
    FX::FXApp& app = testApp();
    FX::FXMainWindow main(&app, "main");
    main.create();
    setMainDialogOwner(&main);
    const struct {
        const char* name;
        std::function<void()> raise;
    } cases[] = {
        {"error box", [] { showError("text"); }},
        {"question", [] { confirm("text"); }},
        {"option dialog",
         [] {
             const uint16_t ids[] = {21401};
             chooseOption("title", 1, ids, 0);
         }},
    };
    for (const auto& c : cases) {
        TDialogBox dialog(&main, "form");
        new FX::FXTextField(&dialog, 10);
        auto* second = new FX::FXTextField(&dialog, 10);
        FX::FXWindow* boxOwner = nullptr;
        FX::FXWindow* focusAfter = nullptr;
        ModalDriver driver;
        driver.then([&](FX::FXWindow* form) {
            second->setFocus();
            c.raise();
            focusAfter = focusedWidget(form);
        });
        driver.then([&](FX::FXWindow* box) {
            boxOwner = box->getOwner();
            sendCommand(box, FX::FXDialogBox::ID_CANCEL);
        });
        driver.then([](FX::FXWindow* form) { sendCommand(form, FX::FXDialogBox::ID_CANCEL); });
        driver.start();
        dialog.execute(FX::PLACEMENT_DEFAULT);
        EXPECT_EQ(boxOwner, &dialog) << c.name;
        EXPECT_EQ(focusAfter, second) << c.name;
    }
    setMainDialogOwner(nullptr);
}

// F1 that nothing else takes and the help command open the dialog's page.
TEST(DialogBox, HelpKeyAndCommandOpenItsPage) {
    FX::FXApp& app = testApp();
    const struct {
        int32_t page;
        bool viaCommand;
        FX::FXuint key;
        bool opens;
    } cases[] = {
        {133, false, KEY_F1, true},
        {0, false, KEY_F1, true},
        {133, true, 0, true},
        {133, false, KEY_F2, false},
    };
    for (const auto& c : cases) {
        platform::RecordingShell shell;
        platform::setShell(&shell);
        TDialogBox dialog(&app, "title");
        dialog.helpPage = c.page;
        if (c.viaCommand)
            sendCommand(&dialog, TDialogBox::ID_HELP);
        else
            pressKey(&dialog, c.key);
        platform::setShell(nullptr);
        if (c.opens) {
            ASSERT_EQ(shell.opened.size(), 1u) << c.page;
            EXPECT_EQ(shell.opened[0], helpPagePath(static_cast<uint16_t>(c.page)));
        } else {
            EXPECT_TRUE(shell.opened.empty());
        }
    }
}

// Enter in a text field accepts only a dialog with an accept button.
TEST(DialogBox, EnterInATextFieldAcceptsThroughTheAcceptButton) {
    FX::FXApp& app = testApp();
    for (const bool withAccept : {true, false}) {
        TDialogBox dialog(&app, "title");
        auto* field = new FX::FXTextField(&dialog, 10, &dialog, TDialogBox::ID_ENTER,
                                          FX::TEXTFIELD_ENTER_ONLY | FX::FRAME_SUNKEN);
        auto* accept =
            new FX::FXButton(&dialog, "OK", nullptr, &dialog, FX::FXDialogBox::ID_ACCEPT);
        if (withAccept) dialog.setAcceptButton(accept);
        ModalDriver driver;
        driver.then([&](FX::FXWindow* modal) {
            field->setFocus();
            pressKey(modal, KEY_Return, "\r");
        });
        if (!withAccept) {
            driver.then([&](FX::FXWindow* modal) {
                EXPECT_EQ(modal, &dialog);  // still open
                sendCommand(modal, FX::FXDialogBox::ID_CANCEL);
            });
        }
        driver.start();
        EXPECT_EQ(dialog.execute(), withAccept ? 1u : 0u);
        EXPECT_EQ(driver.pending(), 0u);
    }
}

}  // namespace
