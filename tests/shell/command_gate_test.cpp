#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/command_dispatch.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "peer/recording_boxes.h"
#include "shell/command_gate.h"

namespace {

std::vector<uint16_t> dispatched;
void recordDispatch(uint16_t id) {
    dispatched.push_back(id);
}

class CommandGate : public ::testing::Test {
protected:
    void SetUp() override {
        // A main window of an earlier test leaves the program's own gate,
        // which would answer the rights messages a second time.
        delete commandGate;
        commandGate = nullptr;
        dispatched.clear();
        setCommandDispatcher(recordDispatch);
    }
    void TearDown() override { setCommandDispatcher(nullptr); }

    TSecurity gate;
    RecordingBoxes boxes;
};

TEST_F(CommandGate, LetsThroughOperatorCommandsOnly) {
    struct Case {
        int16_t id;
        int result;
    };
    for (const Case& c : {Case{4999, 0}, Case{5000, 0}, Case{5001, 1}, Case{5015, 1}, Case{5599, 1},
                          Case{5600, 0}, Case{-1, 0}})
        EXPECT_EQ(gate.runCommand(c.id), c.result) << c.id;
    EXPECT_EQ(dispatched, (std::vector<uint16_t>{5001, 5015, 5599}));
    EXPECT_TRUE(boxes.boxes.empty());
}

// Rights answers: granted runs the command, refusals tell the operator why.
TEST_F(CommandGate, RightsAnswers) {
    struct Case {
        const char* name;
        uint8_t code;
        std::vector<uint8_t> payload;
        std::vector<uint16_t> dispatched;
        std::string box;  // empty: no box
    };
    // Text 25204 up to its argument.
    std::string noRight = textById(25204);
    noRight.resize(noRight.find("%1"));
    const Case cases[] = {
        {"granted", 98, {0x2a, 0x14, 0, 0}, {5162}, ""},
        {"no right", 98, {0x2a, 0x14, 1, 0}, {}, noRight + commandName(5162)},
        {"not logged in", 98, {0x2a, 0x14, 2, 0}, {}, textById(25202)},
        {"other result", 98, {0x2a, 0x14, 3, 0}, {}, ""},
        {"negative result", 98, {0x2a, 0x14, 0xff, 0xff}, {}, ""},
        {"other code", 97, {0x2a, 0x14, 0, 0}, {}, ""},
        {"short answer", 98, {0x2a, 0x14, 0}, {}, ""},
        {"granted outside the range", 98, {0x88, 0x13, 0, 0}, {}, ""},
        {"refused outside the range", 98, {0x88, 0x13, 1, 0}, {}, noRight + "???"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dispatched.clear();
        boxes.boxes.clear();
        dispatchMessage(kTypeOperator, 1234, c.code, c.payload.data(),
                        static_cast<int>(c.payload.size()));
        EXPECT_EQ(dispatched, c.dispatched);
        if (c.box.empty()) {
            EXPECT_TRUE(boxes.boxes.empty());
        } else {
            ASSERT_EQ(boxes.boxes.size(), 1u);
            EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Information);
            EXPECT_EQ(boxes.boxes[0].text, c.box);
        }
    }
}

}  // namespace
