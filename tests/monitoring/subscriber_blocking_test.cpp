#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "monitoring/monitoring_fixtures.h"
#include "monitoring/monitoring_texts.h"
#include "monitoring/subscriber_blocking.h"
#include "peer/loopback_router.h"

namespace {

using Kind = IMessageBoxPresenter::Kind;

Bytes body(const std::string& at0, const std::string& at10) {
    Bytes b(kBlockingRequestSize, 0);
    std::memcpy(b.data(), at0.data(), at0.size());
    std::memcpy(b.data() + 10, at10.data(), at10.size());
    return b;
}

SParamsBlokPoPtpFajl blockParams(const char* name, int16_t confirmEach) {
    SParamsBlokPoPtpFajl p{};
    std::strncpy(p.sPtpFajl, name, sizeof p.sPtpFajl - 1);
    p.PotvrdiBlok = confirmEach;
    return p;
}

SParamsDeblokPoPtpFajl unblockParams(const char* name, int16_t confirmEach) {
    SParamsDeblokPoPtpFajl p{};
    std::strncpy(p.sPtpFajl, name, sizeof p.sPtpFajl - 1);
    p.PotvrdiDeblok = confirmEach;
    return p;
}

class SubscriberBlocking : public ::testing::Test, protected MonitoringWorld {
protected:
    // The numbers sent, as "B:<number>" or "U:<number>".
    std::vector<std::string> sent() const {
        std::vector<std::string> out;
        for (const auto& m : requests.messages)
            out.push_back((m.code == kCodeBlock ? "B:" : "U:") + m.text());
        return out;
    }
    // Ticks until every run has ended (bounded).
    void runToEnd() {
        for (int i = 0; i < 50; ++i) pass(kNumberFileTickMs);
    }
    RecordingReceiver requests{kTypeBlocking};
};

TEST_F(SubscriberBlocking, RequestBodies) {
    struct Case {
        bool block;
        const char* number;
        Bytes expected;  // empty: refused with a box
    };
    const Case cases[] = {
        {true, "123456789", body("123456789", "12345678")},
        {true, "1234", body("1234", "1234")},
        {true, "1234567890", {}},
        {false, "12345678", body("12345678", "")},
        {false, "123456789", {}},
    };
    for (const Case& c : cases) {
        requests.messages.clear();
        boxes.boxes.clear();
        (c.block ? blockSubscriber : unblockSubscriber)(c.number);
        if (c.expected.empty()) {
            EXPECT_TRUE(requests.messages.empty()) << c.number;
            ASSERT_EQ(boxes.boxes.size(), 1u);
            EXPECT_EQ(boxes.boxes[0].kind, Kind::Information);
            EXPECT_EQ(boxes.boxes[0].text, withArgs(c.block ? kText22068 : kText22083, {c.number}));
            continue;
        }
        ASSERT_EQ(requests.messages.size(), 1u) << c.number;
        EXPECT_EQ(requests.messages[0].key, kExchangeAddress);
        EXPECT_EQ(requests.messages[0].code, c.block ? kCodeBlock : kCodeUnblock);
        EXPECT_EQ(requests.messages[0].payload, c.expected) << c.number;
    }
    EXPECT_EQ(isDigitString(""), 0);
    EXPECT_EQ(isDigitString("12a"), 0);
    EXPECT_EQ(isDigitString("0099"), 1);
    EXPECT_EQ(findTerminator("abc", 3), -1);
    EXPECT_EQ(findTerminator("abc", 4), 3);
}

// A blocking request the link did not take is said in the operator lines.
TEST_F(SubscriberBlocking, UnsentRequestsAreSaid) {
    for (const SLinkState& state : kLinkStates) {
        if (state.sends) continue;
        replaceRouter(dir, state.routes);
        for (bool block : {true, false}) {
            SCOPED_TRACE(std::string(state.name) + (block ? ", block" : ", unblock"));
            operatorLines.messages.clear();
            (block ? blockSubscriber : unblockSubscriber)("1234");
            EXPECT_EQ(lines(), std::vector<std::string>{kMessageNotSentText});
            EXPECT_TRUE(requests.messages.empty());
        }
    }
}

TEST_F(SubscriberBlocking, NumberFilesLineByLine) {
    const int othersArmed = armedTimerCount();  // the router's own
    struct Case {
        const char* name;
        std::string contents;
        bool block;
        std::vector<std::string> sent;
        std::vector<std::string> lines;  // after the start line
        int boxes;
    };
    const Case cases[] = {
        {"two", "123\n456\n", true, {"B:123", "B:456"}, {kText22098}, 0},
        // A last line without its end is a line too.
        {"noend", "123\n456", false, {"U:123", "U:456"}, {kText22103}, 0},
        {"empty", "", true, {}, {kText22098}, 0},
        {"crlf", "123\r\n77\r\n", true, {"B:123", "B:77"}, {kText22098}, 0},
        // Too long a number: refused in a box, the run goes on.
        {"long", "12345678901\n77\n", true, {"B:77"}, {kText22098}, 1},
        {"nine", "123456789\n1\n", false, {"U:1"}, {kText22103}, 1},
        // Anything but digits stops the run there.
        {"blank", "12\n 34\n56\n", true, {"B:12"}, {withArgs(kText22068, {" 34"})}, 0},
        {"gap", "12\n\n56\n", false, {"U:12"}, {withArgs(kText22083, {""})}, 0},
    };
    for (const Case& c : cases) {
        dir.write(c.name, c.contents);
        requests.messages.clear();
        operatorLines.messages.clear();
        boxes.boxes.clear();
        if (c.block)
            blockSubscribersFromFile(blockParams(c.name, 0));
        else
            unblockSubscribersFromFile(unblockParams(c.name, 0));
        ASSERT_EQ(lines().size(), 1u) << c.name;
        EXPECT_EQ(lines()[0], withArgs(c.block ? kText22097 : kText22102, {c.name}));
        EXPECT_TRUE(requests.messages.empty());  // the first line waits for the first tick
        runToEnd();
        EXPECT_EQ(sent(), c.sent) << c.name;
        const std::vector<std::string> posted = lines();
        EXPECT_EQ(std::vector<std::string>(posted.begin() + 1, posted.end()), c.lines) << c.name;
        EXPECT_EQ(static_cast<int>(boxes.boxes.size()), c.boxes) << c.name;
    }
    EXPECT_EQ(armedTimerCount(), othersArmed);
}

TEST_F(SubscriberBlocking, OneLinePerTick) {
    dir.write("numbers", "1\n2\n3\n");
    blockSubscribersFromFile(blockParams("numbers", 0));
    for (size_t expected = 1; expected <= 3; ++expected) {
        pass(kNumberFileTickMs - 1);
        EXPECT_EQ(requests.messages.size(), expected - 1);
        pass(1);
        EXPECT_EQ(requests.messages.size(), expected);
    }
    runToEnd();
}

TEST_F(SubscriberBlocking, StartsAndConfirmations) {
    blockSubscribersFromFile(blockParams("", 0));
    blockSubscribersFromFile(blockParams("missing", 0));
    unblockSubscribersFromFile(unblockParams("missing", 1));
    EXPECT_EQ(lines(), std::vector<std::string>{kText22099});

    // One run per instance; the instance with confirmation is another one.
    dir.write("numbers", "11\n22\n");
    operatorLines.messages.clear();
    blockSubscribersFromFile(blockParams("numbers", 0));
    blockSubscribersFromFile(blockParams("numbers", 0));
    blockSubscribersFromFile(blockParams("numbers", 1));
    blockSubscribersFromFile(blockParams("numbers", 2));
    EXPECT_EQ(lines().size(), 2u);
    boxes.answer = 0;  // the confirmed run is refused number by number
    runToEnd();
    EXPECT_EQ(sent(), (std::vector<std::string>{"B:11", "B:22"}));
    std::vector<std::string> questions;
    for (const auto& b : boxes.boxes)
        if (b.kind == Kind::Question) questions.push_back(b.text);
    EXPECT_EQ(questions, (std::vector<std::string>{withArgs(kText22100, {"11"}),
                                                   withArgs(kText22100, {"22"})}));

    requests.messages.clear();
    boxes.answer = 1;
    unblockSubscribersFromFile(unblockParams("numbers", 1));
    runToEnd();
    EXPECT_EQ(sent(), (std::vector<std::string>{"U:11", "U:22"}));
    EXPECT_EQ(boxes.boxes.back().text, withArgs(kText22104, {"22"}));
}

}  // namespace
