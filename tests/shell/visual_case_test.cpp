#include <cstdint>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <gtest/gtest.h>

#include "link/text_lines.h"
#include "peer/loopback_router.h"
#include "peer/modal_driver.h"
#include "peer/recording_boxes.h"
#include "peer/test_app.h"
#include "shell/visual_case.h"
#include "toolkit/dialog_box.h"
#include "toolkit/text_codec.h"

namespace {

// Option words 1..n, each once, before "->"; one result 0..255 after it. A
// text without "->" (a missing key reads as its own name) is no option,
// result 0.
TEST(VisualCase, ParsesCaseTexts) {
    const struct {
        const char* text;
        int options;
        bool good;
        uint16_t mask;
        uint8_t result;
    } cases[] = {
        {"1 3 ->5", 3, true, 0x05, 5},
        {"  2   1->17 ", 2, true, 0x03, 17},
        {"->9", 4, true, 0x00, 9},
        {"10 ->255", 10, true, 0x200, 255},
        {"Case1", 3, true, 0x00, 0},
        {"", 3, true, 0x00, 0},
        {"1 2 3", 3, true, 0x00, 0},  // no "->": the case of no option
        {"4 ->1", 3, false, 0, 0},    // beyond the option count
        {"0 ->1", 3, false, 0, 0},
        {"-1 ->1", 3, false, 0, 0},
        {"1 1 ->1", 3, false, 0, 0},  // the same option twice
        {"1 x ->1", 3, false, 0, 0},
        {"1x ->1", 3, false, 0, 0},
        {"1 ->", 3, false, 0, 0},  // no result
        {"1 ->  ", 3, false, 0, 0},
        {"1 ->abc", 3, false, 0, 0},
        {"1 ->5x", 3, false, 0, 0},
        {"1 ->256", 3, false, 0, 0},  // would be cut to a byte
        {"1 ->-1", 3, false, 0, 0},
        {"1 ->5 6", 3, false, 0, 0},
        {"1 ->99999999999999999999", 3, false, 0, 0},
    };
    for (const auto& c : cases) {
        SVisualCase parsed;
        parsed.mask = 0xFFFF;
        EXPECT_EQ(parseVisualCase(c.text, c.options, parsed), c.good) << c.text;
        if (!c.good) continue;
        EXPECT_EQ(parsed.mask, c.mask) << c.text;
        EXPECT_EQ(parsed.result, c.result) << c.text;
    }
}

// The dialog driven as the operator would, with its request received by the
// stand-in exchange.
class VisualCaseDialog : public ::testing::Test, protected LoopbackRouter {
protected:
    void SetUp() override {
        testApp();
        startRouter(kLoopbackExchangeRoutes);
    }
    void TearDown() override { stopRouter(); }

    // Types the subscriber, checks the options (1-based) and accepts; null
    // subscriber: cancels.
    static ModalDriver::Step fill(const char* subscriber, std::vector<int> options) {
        return [subscriber, options](FX::FXWindow* form) {
            if (subscriber == nullptr) {
                sendCommand(form, FX::FXDialogBox::ID_CANCEL);
                return;
            }
            findChild<FX::FXTextField>(form)->setText(toUtf8(subscriber));
            const std::vector<FX::FXCheckButton*> boxes = childrenOf<FX::FXCheckButton>(form);
            for (int k : options) clickButton(boxes.at(static_cast<std::size_t>(k - 1)));
            sendCommand(form, FX::FXDialogBox::ID_ACCEPT);
        };
    }
    // Runs the dialog over the file; the frames the exchange received.
    std::vector<StandInExchange::Frame> run(const std::string& ini,
                                            std::vector<ModalDriver::Step> steps) {
        dir.write("visual.ini", ini);
        ModalDriver driver;
        for (ModalDriver::Step& s : steps) driver.then(std::move(s));
        driver.start();
        runVisualCaseDialog();
        EXPECT_EQ(driver.pending(), 0u);
        peer.received.clear();
        peer.pump();
        return peer.received;
    }
    RecordingBoxes boxes;
};

const char kThreeOptions[] =
    "[Dialog]\nName=Indicator\n"
    "[Part1]\nName=Number\n"
    "[Part2]\nName=Kinds\nOptionCount=3\nOption1=Local\nOption2=Long\nOption3=Abroad\n";

// The first case whose options equal the checked ones gives the result; no
// match gives Else (2 when missing). The journal line comes first, then
// the request of command 5221: the subscriber with its zero, the result.
TEST_F(VisualCaseDialog, SendsTheMatchingResult) {
    const struct {
        const char* name;
        std::string proces;
        std::vector<int> checked;
        uint8_t result;
    } cases[] = {
        {"options 1 and 3",
         "CaseCount=3\nCase1=1 ->4\nCase2=1 3 ->5\nCase3=3 1 ->6\nElse=7\n",
         {1, 3},
         5},
        {"no option, Else", "CaseCount=2\nCase1=1 ->4\nCase2=2 ->6\nElse=7\n", {}, 7},
        {"no match, Else missing", "CaseCount=1\nCase1=1 ->4\n", {2}, 2},
        {"no option, Else missing", "CaseCount=1\nCase1=1 ->4\n", {}, 2},
        {"Case1 missing matches no option", "CaseCount=2\nCase2=1 ->4\nElse=9\n", {}, 0},
        {"all eight cases", "CaseCount=8\nCase8=1 2 3 ->200\n", {3, 2, 1}, 200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto frames =
            run(std::string(kThreeOptions) + "[Proces]\n" + c.proces, {fill("1234", c.checked)});
        EXPECT_TRUE(boxes.boxes.empty());
        ASSERT_EQ(frames.size(), 2u);
        EXPECT_EQ(frames[0].code, kCodeCodedText);
        EXPECT_NE(frames[0].text().find("1234"), std::string::npos) << frames[0].text();
        EXPECT_EQ(frames[1].type, 173);
        EXPECT_EQ(frames[1].destination, 16408);
        EXPECT_EQ(frames[1].code, 0);
        EXPECT_EQ(frames[1].payload, (std::vector<uint8_t>{'1', '2', '3', '4', 0, c.result}));
    }
}

// Without [Dialog], [Part1] and the [Part2] name the form shows their
// defaults; ten options read the tenth label from the key "Option:". An
// empty subscriber number is sent empty.
TEST_F(VisualCaseDialog, FormFollowsTheFile) {
    std::string ini = "[Part2]\nOptionCount=10\n";
    for (char k = '1'; k <= ':'; ++k) ini += std::string("Option") + k + "=Вид " + k + "\n";
    ini += "[Proces]\nCaseCount=1\nCase1=10 ->3\n";
    std::vector<std::string> labels;
    std::string title;
    int32_t helpTopic = 0;
    bool subscriberLabel = false, groupLabel = false;
    const auto frames = run(ini, {[&](FX::FXWindow* form) {
                                title = fromUtf8(static_cast<FX::FXTopWindow*>(form)->getTitle());
                                helpTopic = static_cast<TDialogBox*>(form)->helpPage;
                                subscriberLabel = findChild<FX::FXLabel>(form, "Subscriber");
                                groupLabel = findChild<FX::FXLabel>(form, "To be indicator");
                                for (FX::FXCheckButton* b : childrenOf<FX::FXCheckButton>(form))
                                    labels.push_back(fromUtf8(b->getText()));
                                fill("", {10})(form);
                            }});
    EXPECT_EQ(title, "Visual Case Like");
    EXPECT_EQ(helpTopic, 301);
    EXPECT_TRUE(subscriberLabel);
    EXPECT_TRUE(groupLabel);
    ASSERT_EQ(labels.size(), 10u);
    EXPECT_EQ(labels[0], "Вид 1");
    EXPECT_EQ(labels[9], "Вид :");
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1].payload, (std::vector<uint8_t>{0, 3}));
}

// A subscriber number of nine characters is refused and the dialog stays
// open with what was typed and checked; eight are sent whole.
TEST_F(VisualCaseDialog, SubscriberHoldsAtMostEightCharacters) {
    const auto frames = run(std::string(kThreeOptions) + "[Proces]\nCaseCount=1\nCase1=2 ->6\n",
                            {fill("123456789", {2}), fill("87654321", {})});
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Error);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1].payload,
              (std::vector<uint8_t>{'8', '7', '6', '5', '4', '3', '2', '1', 0, 6}));
}

// A bad file shows "Bad VISUAL.INI!" and sends nothing: an option count
// outside 1..10 before the dialog, a case count outside 1..2^n, a bad case
// or an Else beyond a byte after it. A cancelled dialog sends nothing.
TEST_F(VisualCaseDialog, BadFilesAndCancelSendNothing) {
    const std::string two = "[Part2]\nOptionCount=2\n[Proces]\n";
    const struct {
        const char* name;
        std::string ini;
        bool dialog;  // shown before the box
        bool box;
    } cases[] = {
        {"empty file", "", false, true},
        {"option count 0", "[Part2]\nOptionCount=0\n[Proces]\nCaseCount=1\n", false, true},
        {"option count 11", "[Part2]\nOptionCount=11\n[Proces]\nCaseCount=1\n", false, true},
        {"option count -1", "[Part2]\nOptionCount=-1\n[Proces]\nCaseCount=1\n", false, true},
        {"case count 0", two + "CaseCount=0\n", true, true},
        {"case count 5 of 2 options", two + "CaseCount=5\n", true, true},
        {"case beyond the options", two + "CaseCount=2\nCase1=1 ->3\nCase2=3 ->4\n", true, true},
        {"case result beyond a byte", two + "CaseCount=1\nCase1=1 ->300\n", true, true},
        {"case without result", two + "CaseCount=1\nCase1=1 ->\n", true, true},
        {"Else beyond a byte", two + "CaseCount=1\nCase1=1 ->3\nElse=256\n", true, true},
        {"cancelled", two + "CaseCount=1\nCase1=1 ->3\n", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.boxes.clear();
        std::vector<ModalDriver::Step> steps;
        if (c.dialog) steps.push_back(fill(c.box ? "55" : nullptr, {1}));
        const auto frames = run(c.ini, std::move(steps));
        EXPECT_TRUE(frames.empty());
        ASSERT_EQ(boxes.boxes.size(), c.box ? 1u : 0u);
        if (c.box) {
            EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Error);
            EXPECT_EQ(boxes.boxes[0].text, "Bad VISUAL.INI!");
        }
    }
}

}  // namespace
