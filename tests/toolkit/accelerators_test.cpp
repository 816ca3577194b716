#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "texts/text_catalogue.h"
#include "toolkit/accelerators.h"

namespace {

struct AccelCase {
    const char* name;
    std::vector<std::string> labels;    // given to one table in this order
    std::vector<std::string> expected;  // what assignAccel gives each
};

// Labels of one form share one table: each takes the first character whose
// slot is still free; Cyrillic letters share the slots of Latin letters.
TEST(AssignAccel, SharesSlotsAcrossOneForm) {
    const AccelCase cases[] = {
        {"second letter when the first slot is taken", {"Номер", "Новый"}, {"&Номер", "Н&овый"}},
        {"Latin letter shares the Cyrillic slot", {"Номер", "Number"}, {"&Номер", "N&umber"}},
        {"digits before letters count", {"  12 ab", "1a"}, {"  &12 ab", "1&a"}},
        {"no digit or letter stays unchanged", {" -:; ", "!"}, {" -:; ", "!"}},
        {"every slot used stays unchanged", {"ab", "ab", "ba"}, {"&ab", "a&b", "ba"}},
        {"case shares a slot", {"Aa", "aA"}, {"&Aa", "aA"}},
        {"letters after the range have no slot", {"ЩщЁёz"}, {"ЩщЁё&z"}},
        {"last letters of the range", {"Ш", "ш", "y"}, {"&Ш", "ш", "y"}},
        {"empty label", {""}, {""}},
    };
    for (const AccelCase& c : cases) {
        SAccelTable table;
        clearAccelTable(table);
        for (std::size_t i = 0; i < c.labels.size(); ++i)
            EXPECT_EQ(assignAccel(table, c.labels[i].c_str()), c.expected[i]) << c.name << " " << i;
    }
}

TEST(AssignAccel, ClearingFreesEverySlot) {
    SAccelTable table;
    clearAccelTable(table);
    for (const char* label : {"0123456789", "abcdefghijklmnopqrstuvwxyz"})
        for (std::size_t i = 0; i < std::string(label).size(); ++i) assignAccel(table, label);
    EXPECT_EQ(assignAccel(table, "a0"), "a0");
    EXPECT_EQ(assignAccel(clearAccelTable(table), "a0"), "&a0");
}

TEST(TildeAccel, FirstTildeMarksLaterOnesGo) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"~O~K", "&OK"}, {"a~b~c~d", "a&bcd"}, {"plain", "plain"}, {"~", "&"},
        {"", ""},        {"x~~y", "x&y"},
    };
    for (const auto& c : cases) EXPECT_EQ(convertTildeAccel(c.text), c.expected) << c.text;
    EXPECT_EQ(convertTildeAccel(textById(21401)), "&Все в порядке");
    EXPECT_EQ(makeMenuLabel("~L~ist", "Ctl-L"), "&List\tCtl-L");
    EXPECT_EQ(makeMenuLabel("x", ""), "x\t");
}

}  // namespace
