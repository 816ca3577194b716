#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/message_bus.h"

namespace {

std::vector<std::string> calls;

class Probe : public TMessageReceiver {
public:
    Probe(const char* name, uint8_t type) : TMessageReceiver(type), name_(name) { active = 1; }
    std::function<void()> action;
    void onMessage(uint8_t, uint16_t, uint8_t, const uint8_t*, int) override {
        calls.push_back(name_);
        if (action) action();
    }

private:
    std::string name_;
};

class MessageBus : public ::testing::Test {
protected:
    void SetUp() override { calls.clear(); }
};

TEST_F(MessageBus, FiltersByTypeKeyCodeAndActiveFlag) {
    Probe any("any", 136);
    Probe keyed("keyed", 136);
    keyed.addKeyFilter(16408);
    Probe coded("coded", 136);
    coded.addCodeFilter(255);
    coded.addCodeFilter(254);
    Probe idle("idle", 136);
    idle.active = 0;
    Probe other("other", 141);

    struct Case {
        uint8_t type;
        uint16_t key;
        uint8_t code;
        std::vector<std::string> expected;
    } cases[] = {
        {136, 16408, 255, {"coded", "keyed", "any"}},
        {136, 28673, 254, {"coded", "any"}},
        {136, 16408, 253, {"keyed", "any"}},
        {141, 1, 35, {"other"}},
        {99, 1, 1, {}},
    };
    for (const Case& c : cases) {
        calls.clear();
        const int n = dispatchMessage(c.type, c.key, c.code, nullptr, 0);
        EXPECT_EQ(calls, c.expected) << int(c.type) << "/" << c.key << "/" << int(c.code);
        EXPECT_EQ(n, static_cast<int>(c.expected.size()));
    }
}

TEST_F(MessageBus, RemovingOneOfTwoEqualCodesKeepsTheCode) {
    Probe p("p", 136);
    p.addCodeFilter(255);
    p.addCodeFilter(255);
    EXPECT_EQ(p.removeCodeFilter(255), 0);
    EXPECT_EQ(dispatchMessage(136, 0, 255, nullptr, 0), 1);
    EXPECT_EQ(p.removeCodeFilter(255), 0);
    EXPECT_EQ(p.removeCodeFilter(255), -1);
    // No code filter left: every code is accepted again.
    EXPECT_EQ(dispatchMessage(136, 0, 7, nullptr, 0), 1);
}

TEST_F(MessageBus, ReceiverDeletingItselfLetsOlderOnesRun) {
    Probe older("older", 136);
    auto* self = new Probe("self", 136);
    Probe newer("newer", 136);
    self->action = [&] { delete self; };
    EXPECT_EQ(dispatchMessage(136, 0, 0, nullptr, 0), 3);
    EXPECT_EQ(calls, (std::vector<std::string>{"newer", "self", "older"}));
    calls.clear();
    EXPECT_EQ(dispatchMessage(136, 0, 0, nullptr, 0), 2);
}

TEST_F(MessageBus, ReceiverDeletedFurtherDownIsNotCalled) {
    auto* victim = new Probe("victim", 136);
    Probe killer("killer", 136);
    killer.action = [&] {
        delete victim;
        victim = nullptr;
    };
    EXPECT_EQ(dispatchMessage(136, 0, 0, nullptr, 0), 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"killer"}));
}

TEST_F(MessageBus, ReceiverCreatedDuringDispatchWaitsForNextMessage) {
    std::unique_ptr<Probe> born;
    Probe parent("parent", 136);
    parent.action = [&] {
        if (!born) born = std::make_unique<Probe>("born", 136);
    };
    EXPECT_EQ(dispatchMessage(136, 0, 0, nullptr, 0), 1);
    calls.clear();
    EXPECT_EQ(dispatchMessage(136, 0, 0, nullptr, 0), 2);
    EXPECT_EQ(calls, (std::vector<std::string>{"born", "parent"}));
}

TEST_F(MessageBus, NestedDispatchRunsToItsEndThenOuterGoesOn) {
    Probe first("first", 136);
    Probe nested("nested", 141);
    Probe outer("outer", 136);
    bool once = true;
    outer.action = [&] {
        if (!once) return;
        once = false;
        EXPECT_EQ(dispatchMessage(141, 0, 0, nullptr, 0), 1);
    };
    // Switching a filter during dispatch affects receivers not yet visited.
    Probe switcher("switcher", 136);
    switcher.action = [&] { first.active = 0; };
    EXPECT_EQ(dispatchMessage(136, 0, 0, nullptr, 0), 2);
    EXPECT_EQ(calls, (std::vector<std::string>{"switcher", "outer", "nested"}));
}

}  // namespace
