#include <algorithm>
#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/command_table.h"
#include "texts/text_catalogue.h"
#include "menus/command_outline.h"
#include "menus/outline_expectations.h"

namespace {

using namespace outline_expect;

bool isCommand(const OutlineEntry& e) {
    return e.kind == OutlineKind::Command;
}
bool isGroup(const OutlineEntry& e) {
    return e.kind == OutlineKind::Group;
}

// The group that holds entry i (null for a root).
const OutlineEntry* containerOf(std::size_t i) {
    for (std::size_t k = i; k-- > 0;)
        if (isGroup(kCommandOutline[k]) && kCommandOutline[k].depth + 1 == kCommandOutline[i].depth)
            return &kCommandOutline[k];
    return nullptr;
}

// Index of the entry of command id, or -1.
int indexOfCommand(int32_t id) {
    for (std::size_t i = 0; i < kOutlineEntryCount; ++i)
        if (isCommand(kCommandOutline[i]) && kCommandOutline[i].command == id) return int(i);
    return -1;
}

// Whether an entry is the neighbour the outline states.
bool matches(const OutlineEntry& e, const Neighbour& n) {
    if (n.group != nullptr) return isGroup(e) && std::strcmp(e.label, n.group) == 0;
    return isCommand(e) && e.command == n.command;
}

// A recording visitor that checks nesting as it goes.
class NestingVisitor : public IOutlineVisitor {
public:
    std::vector<const OutlineEntry*> seen;
    int level = 0, maxLevel = 0, opens = 0, closes = 0;
    std::vector<const OutlineEntry*> stack;
    std::vector<int> entriesInOpen;  // entries seen so far in each open group

    void openGroup(const OutlineEntry& g) override {
        entry(g);
        stack.push_back(&g);
        entriesInOpen.push_back(0);
        ++level;
        ++opens;
        if (level > maxLevel) maxLevel = level;
    }
    void closeGroup(const OutlineEntry& g) override {
        ASSERT_FALSE(stack.empty());
        EXPECT_EQ(stack.back(), &g) << g.label;
        EXPECT_GT(entriesInOpen.back(), 0) << "empty group " << g.label;
        stack.pop_back();
        entriesInOpen.pop_back();
        --level;
        ++closes;
    }
    void command(const OutlineEntry& c) override { entry(c); }
    void separator(const OutlineEntry& s) override { entry(s); }

private:
    void entry(const OutlineEntry& e) {
        EXPECT_EQ(e.depth, level) << seen.size();
        if (!entriesInOpen.empty()) ++entriesInOpen.back();
        seen.push_back(&e);
    }
};

}  // namespace

TEST(CommandOutline, TotalsByKindDepthAndRoot) {
    std::vector<int> groupsByDepth(6), commandsByDepth(6);
    std::size_t separators = 0;
    for (const OutlineEntry& e : kCommandOutline) {
        ASSERT_LE(e.depth, 5);
        if (isGroup(e)) ++groupsByDepth[e.depth];
        if (isCommand(e)) ++commandsByDepth[e.depth];
        if (e.kind == OutlineKind::Separator) ++separators;
    }
    EXPECT_EQ(groupsByDepth, (std::vector<int>{8, 48, 67, 16, 3, 0}));
    EXPECT_EQ(commandsByDepth, (std::vector<int>{0, 13, 214, 293, 60, 10}));
    EXPECT_EQ(separators, kOutlineSeparatorCount);
    EXPECT_EQ(kOutlineEntryCount, 744u);

    // Per root, in the stated order.
    std::vector<RootCounts> counted;
    for (const OutlineEntry& e : kCommandOutline) {
        if (e.depth == 0) {
            ASSERT_TRUE(isGroup(e));
            counted.push_back({e.label, 0, 0, 0});
            continue;
        }
        ASSERT_FALSE(counted.empty());
        RootCounts& r = counted.back();
        if (isGroup(e)) ++r.groups;
        if (isCommand(e)) ++r.commands;
        if (e.kind == OutlineKind::Separator) ++r.separators;
    }
    ASSERT_EQ(counted.size(), std::size(kRoots));
    for (std::size_t i = 0; i < counted.size(); ++i) {
        EXPECT_STREQ(counted[i].label, kRoots[i].label) << i;
        EXPECT_EQ(counted[i].groups, kRoots[i].groups) << kRoots[i].label;
        EXPECT_EQ(counted[i].commands, kRoots[i].commands) << kRoots[i].label;
        EXPECT_EQ(counted[i].separators, kRoots[i].separators) << kRoots[i].label;
    }
}

TEST(CommandOutline, EntriesAreWellFormed) {
    for (std::size_t i = 0; i < kOutlineEntryCount; ++i) {
        const OutlineEntry& e = kCommandOutline[i];
        // Each entry but a root lies one level below an open group.
        if (i == 0) {
            EXPECT_EQ(e.depth, 0);
        } else {
            const OutlineEntry& previous = kCommandOutline[i - 1];
            EXPECT_LE(e.depth, previous.depth + (isGroup(previous) ? 1 : 0)) << i;
        }
        if (e.depth > 0) {
            EXPECT_NE(containerOf(i), nullptr) << i;
        }
        switch (e.kind) {
            case OutlineKind::Group:
                EXPECT_EQ(e.command, 0) << i;
                EXPECT_EQ(e.labelText, 0) << i;
                EXPECT_NE(e.label, nullptr) << i;
                break;
            case OutlineKind::Command:
                EXPECT_NE(findCommand(e.command), nullptr) << e.command;
                EXPECT_NE(e.label == nullptr, e.labelText == 0) << e.command;
                break;
            case OutlineKind::Separator:
                // Between two entries of one group, never first or last.
                EXPECT_EQ(e.command, 0) << i;
                EXPECT_EQ(e.label, nullptr) << i;
                ASSERT_GT(i, 0u);
                ASSERT_LT(i + 1, kOutlineEntryCount);
                EXPECT_EQ(kCommandOutline[i + 1].depth, e.depth) << i;
                EXPECT_NE(kCommandOutline[i + 1].kind, OutlineKind::Separator) << i;
                EXPECT_GE(kCommandOutline[i - 1].depth, e.depth) << i;
                EXPECT_FALSE(isGroup(kCommandOutline[i - 1]) &&
                             kCommandOutline[i - 1].depth == e.depth - 1)
                    << i;
                break;
        }
    }
}

TEST(CommandOutline, IdsStrictlyIncreaseAndNineHaveNoPlace) {
    std::set<int32_t> placed;
    int32_t previous = 5000;
    for (const OutlineEntry& e : kCommandOutline) {
        if (!isCommand(e)) continue;
        EXPECT_GT(e.command, previous) << e.command;
        EXPECT_LE(e.command, kLastCommandId);
        previous = e.command;
        placed.insert(e.command);
    }
    EXPECT_EQ(placed.size(), kOutlineCommandCount);
    std::set<int32_t> unplaced;
    for (int32_t id = kFirstCommandId; id <= kLastCommandId; ++id)
        if (placed.count(id) == 0) unplaced.insert(id);
    EXPECT_EQ(unplaced, (std::set<int32_t>{5002, 5003, 5187, 5309, 5310, 5350, 5351, 5352, 5445}));
}

TEST(CommandOutline, OwnLabelsAreTheCommandTitles) {
    std::size_t own = 0;
    std::size_t longest = 0;
    for (const OutlineEntry& e : kCommandOutline) {
        if (e.label == nullptr) continue;
        longest = std::max(longest, std::strlen(e.label));
        for (const char* bad : {"&", "\t", "\""})
            EXPECT_EQ(std::strstr(e.label, bad), nullptr) << e.label;
        if (!isCommand(e)) continue;
        ++own;
        EXPECT_STREQ(e.label, commandName(e.command)) << e.command;
        EXPECT_STREQ(outlineLabel(e), e.label) << e.command;
        EXPECT_STREQ(outlineTreeLabel(e), e.label) << e.command;
    }
    EXPECT_EQ(own, 569u);
    EXPECT_EQ(longest, 66u);  // one byte per character in code page 1251

    // Latin look-alike letters are part of the labels as stored.
    for (const LatinLetter& l : kLatinLetters) {
        const int i = indexOfCommand(l.command);
        ASSERT_GE(i, 0) << l.command;
        const char* label = kCommandOutline[i].label;
        ASSERT_LT(std::size_t(l.index), std::strlen(label)) << l.command;
        EXPECT_EQ(label[l.index], l.letter) << l.command;
    }
    // The trailing space of 5402 stays in both forms.
    const OutlineEntry& e5402 = kCommandOutline[indexOfCommand(5402)];
    const std::string tree = outlineTreeLabel(e5402);
    ASSERT_FALSE(tree.empty());
    EXPECT_EQ(tree.back(), ' ');
    EXPECT_EQ(tree, commandName(5402));
}

TEST(CommandOutline, ReportCommandsTakeCatalogueLabels) {
    for (const CatalogueLabel& c : kCatalogueLabels)
        EXPECT_STREQ(textById(c.text), c.stored) << c.text;

    std::set<int32_t> labelledByText;
    for (std::size_t i = 0; i < kOutlineEntryCount; ++i)
        if (isCommand(kCommandOutline[i]) && kCommandOutline[i].labelText != 0)
            labelledByText.insert(kCommandOutline[i].command);
    EXPECT_EQ(labelledByText.size(), 21u);

    // The three commands of each report stream are the three of one report group.
    std::set<int32_t> streamCommands;
    for (const ReportStreamRow& s : kReportStreams) {
        EXPECT_EQ(s.monitor, s.view + 1);
        EXPECT_EQ(s.deleteLog, s.view + 2);
        streamCommands.insert({s.view, s.monitor, s.deleteLog});
    }
    EXPECT_EQ(labelledByText, streamCommands);

    for (const ReportGroup& g : kReportGroups) {
        const int first = indexOfCommand(g.firstCommand);
        ASSERT_GE(first, 0) << g.label;
        const OutlineEntry* group = containerOf(std::size_t(first));
        ASSERT_NE(group, nullptr) << g.label;
        EXPECT_STREQ(group->label, g.label);
        EXPECT_TRUE(isGroup(kCommandOutline[first - 1]) && &kCommandOutline[first - 1] == group)
            << g.label;
        for (std::size_t k = 0; k < std::size(kCatalogueLabels); ++k) {
            const CatalogueLabel& c = kCatalogueLabels[k];
            const OutlineEntry& e = kCommandOutline[first + k];
            const int32_t id = g.firstCommand + int32_t(k);
            ASSERT_TRUE(isCommand(e)) << id;
            EXPECT_EQ(e.command, id);
            EXPECT_EQ(containerOf(first + k), group) << id;
            EXPECT_EQ(e.labelText, c.text) << id;
            EXPECT_STREQ(outlineLabel(e), c.stored) << id;
            EXPECT_STREQ(outlineTreeLabel(e), c.treeForm) << id;
            EXPECT_EQ(std::string(commandName(id)), std::string(g.label) + c.titleSuffix) << id;
        }
        // The group holds only its three report commands.
        const std::size_t after = std::size_t(first) + std::size(kCatalogueLabels);
        EXPECT_TRUE(after == kOutlineEntryCount ||
                    kCommandOutline[after].depth < kCommandOutline[first].depth)
            << g.label;
    }
}

TEST(CommandOutline, SeparatorsStandAtTheirPlaces) {
    std::vector<std::size_t> separators;
    for (std::size_t i = 0; i < kOutlineEntryCount; ++i)
        if (kCommandOutline[i].kind == OutlineKind::Separator) separators.push_back(i);
    ASSERT_EQ(separators.size(), std::size(kSeparators));
    for (std::size_t n = 0; n < separators.size(); ++n) {
        const std::size_t i = separators[n];
        const SeparatorPlace& p = kSeparators[n];
        const OutlineEntry* container = containerOf(i);
        ASSERT_NE(container, nullptr) << n;
        EXPECT_STREQ(container->label, p.container) << n;
        // The entry before is the previous one at the separator's depth.
        std::size_t before = i - 1;
        while (kCommandOutline[before].depth > kCommandOutline[i].depth) --before;
        EXPECT_TRUE(matches(kCommandOutline[before], p.before)) << n;
        EXPECT_TRUE(matches(kCommandOutline[i + 1], p.after)) << n;
    }
}

TEST(CommandOutline, WalkOpensAndClosesGroupsAroundTheirEntries) {
    NestingVisitor v;
    walkCommandOutline(v);
    EXPECT_EQ(v.level, 0);
    EXPECT_EQ(v.maxLevel, 5);
    EXPECT_EQ(v.opens, int(kOutlineRootCount + kOutlineGroupCount));
    EXPECT_EQ(v.closes, v.opens);
    ASSERT_EQ(v.seen.size(), kOutlineEntryCount);
    for (std::size_t i = 0; i < kOutlineEntryCount; ++i)
        EXPECT_EQ(v.seen[i], &kCommandOutline[i]) << i;
}
