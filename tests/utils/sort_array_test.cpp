#include <vector>

#include <gtest/gtest.h>

#include "utils/sort_array.h"

namespace {

struct Item {
    int key;
    int tag;
};

int compareItem(const Item& item, const int& key) {
    return item.key < key ? -1 : item.key > key;
}
int keyOfItem(const Item& item) {
    return item.key;
}

using Items = KTSortArray<Item, int>;

std::vector<int> keys(const Items& a) {
    std::vector<int> k;
    for (const Item& i : a) k.push_back(i.key);
    return k;
}

}  // namespace

TEST(SortArray, InsertFindRemove) {
    Items a(4, 0, compareItem, keyOfItem);
    EXPECT_EQ(a.find(5), -1);
    EXPECT_EQ(a.cursorIndex(), 0u);
    EXPECT_EQ(a.remove(5), -1);

    for (int k : {30, 10, 20, 10}) EXPECT_EQ(a.insert({k, k + 1}), 0);
    EXPECT_EQ(keys(a), (std::vector<int>{10, 10, 20, 30}));
    EXPECT_EQ(a.insert({40, 0}), -1);  // fixed capacity
    EXPECT_EQ(a.count(), 4u);

    struct Lookup {
        int key;
        int rc;
        uint32_t cursor;
    };
    for (const Lookup& l : {Lookup{20, 0, 2}, Lookup{30, 0, 3}, Lookup{5, -1, 0}, Lookup{25, -1, 3},
                            Lookup{99, -1, 4}}) {
        EXPECT_EQ(a.find(l.key), l.rc) << l.key;
        EXPECT_EQ(a.cursorIndex(), l.cursor) << l.key;
    }
    EXPECT_EQ(a.cursor(), nullptr);  // past the last

    EXPECT_EQ(a.remove(20), 0);
    EXPECT_EQ(a.remove(20), -1);
    EXPECT_EQ(keys(a), (std::vector<int>{10, 10, 30}));
}

TEST(SortArray, GrowsByItsStep) {
    Items a(2, 3, compareItem, keyOfItem);
    for (int k = 10; k > 0; --k) ASSERT_EQ(a.insert({k, 0}), 0) << k;
    EXPECT_EQ(a.capacity(), 11u);
    EXPECT_EQ(keys(a), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    ASSERT_EQ(a.find(7), 0);
    EXPECT_EQ(a.cursor()->key, 7);
}
