#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "sub/sub_notify.h"
#include "sub_fixtures.h"

namespace {

SSubEvent insertInto(int32_t table) {
    SSubEvent e;
    e.event = snRecInsert;
    e.table = table;
    return e;
}

// Runs a reaction inside its notification.
class ReactingSubscriber : public RecordingSubscriber {
public:
    using RecordingSubscriber::RecordingSubscriber;
    void notify(uint32_t event, int32_t table, uint16_t trn, uint8_t mask, int16_t field,
                int32_t row, const void* record) override {
        RecordingSubscriber::notify(event, table, trn, mask, field, row, record);
        if (reaction) {
            auto r = reaction;
            reaction = nullptr;  // once
            r();
        }
    }
    std::function<void()> reaction;
};

TEST(SubNotifier, SubscriptionsPerTableInOrder) {
    KSubNotifier n;
    std::vector<int> calls;
    RecordingSubscriber a(&n), b(&n);
    EXPECT_EQ(a.registerTable(172), 0);
    EXPECT_EQ(a.registerTable(173), 0);
    EXPECT_EQ(b.registerTable(172), 0);
    EXPECT_EQ(a.registerTable(172), tsNeuspeh);  // once per table; the first stays
    EXPECT_EQ(a.registerTable(205), tsNeuspeh);
    EXPECT_EQ(a.registerTable(-1), tsNeuspeh);
    EXPECT_EQ(n.subscriptionCount(172), 2);
    EXPECT_EQ(a.isRegisteredTable(172), 1);
    EXPECT_EQ(a.isRegisteredTable(300), 0);
    n.raise(insertInto(172));
    n.raise(insertInto(174));
    n.raise(insertInto(173));
    ASSERT_EQ(a.seen.size(), 2u);
    EXPECT_EQ(a.seen[0].table, 172);
    EXPECT_EQ(a.seen[1].table, 173);
    ASSERT_EQ(b.seen.size(), 1u);
    EXPECT_EQ(a.unregisterTable(174), tsNeuspeh);
    EXPECT_EQ(a.unregisterTable(173), 0);
    EXPECT_EQ(a.isRegisteredTable(173), 0);
}

TEST(SubNotifier, EventMaskFiltersDelivery) {
    KSubNotifier n;
    RecordingSubscriber a(&n);
    a.registerTable(10, snRecDelete | snRecInsert);
    SSubEvent e = insertInto(10);
    n.raise(e);
    e.event = snRecUpdate;
    n.raise(e);
    ASSERT_EQ(a.seen.size(), 1u);
    EXPECT_EQ(a.seen[0].event, uint32_t(snRecInsert));
}

TEST(SubNotifier, DestroyedReceiverLeavesEveryQueue) {
    KSubNotifier n;
    auto a = std::make_unique<RecordingSubscriber>(&n);
    a->registerTable(1);
    a->registerTable(204);
    a.reset();
    EXPECT_EQ(n.subscriptionCount(1), 0);
    EXPECT_EQ(n.subscriptionCount(204), 0);
    n.raise(insertInto(1));  // nobody left to call
}

// Receivers leaving or destroyed during a delivery, and deliveries nested
// inside a notification (a modal loop that handles further changes).
TEST(SubNotifier, DeliverySurvivesChangesDuringIt) {
    struct Case {
        const char* name;
        std::function<void(KSubNotifier&, ReactingSubscriber&,
                           std::unique_ptr<RecordingSubscriber>&)>
            react;
        size_t secondCalls;  // how often the second receiver hears of the first event
    };
    const Case cases[] = {
        {"first unsubscribes the second",
         [](KSubNotifier&, ReactingSubscriber&, std::unique_ptr<RecordingSubscriber>& b) {
             b->unregisterTable(5);
         },
         0},
        {"first destroys the second",
         [](KSubNotifier&, ReactingSubscriber&, std::unique_ptr<RecordingSubscriber>& b) {
             b.reset();
         },
         0},
        {"first unsubscribes itself",
         [](KSubNotifier&, ReactingSubscriber& a, std::unique_ptr<RecordingSubscriber>&) {
             a.unregisterTable(5);
         },
         1},
        {"a nested delivery on the same queue",
         [](KSubNotifier& n, ReactingSubscriber& a, std::unique_ptr<RecordingSubscriber>&) {
             a.unregisterTable(5);
             n.raise(insertInto(5));
         },
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KSubNotifier n;
        ReactingSubscriber a(&n);
        auto b = std::make_unique<RecordingSubscriber>(&n);
        a.registerTable(5);
        b->registerTable(5);
        a.reaction = [&] { c.react(n, a, b); };
        n.raise(insertInto(5));
        EXPECT_EQ(a.seen.size(), 1u);
        if (b) EXPECT_EQ(b->seen.size(), c.secondCalls);
        // The next event reaches exactly the receivers still subscribed.
        n.raise(insertInto(5));
        EXPECT_EQ(a.seen.size(), a.isRegisteredTable(5) ? 2u : 1u);
        if (b) EXPECT_EQ(b->seen.size(), c.secondCalls + b->isRegisteredTable(5));
        EXPECT_EQ(n.subscriptionCount(5),
                  a.isRegisteredTable(5) + (b ? b->isRegisteredTable(5) : 0));
    }
}

}  // namespace
