#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "menus/command_outline.h"
#include "menus/command_tree.h"
#include "menus/outline_expectations.h"

namespace {

using namespace outline_expect;

// Pre-order walk by first child, next sibling and parent, as readers do.
std::vector<const KCvor*> preOrder(const KStablo& tree) {
    std::vector<const KCvor*> out;
    const KCvor* node = tree.firstRoot;
    while (node != nullptr) {
        out.push_back(node);
        if (node->firstChild != nullptr) {
            node = node->firstChild;
            continue;
        }
        while (node != nullptr && node->nextSibling == nullptr) node = node->parent;
        if (node != nullptr) node = node->nextSibling;
    }
    return out;
}

int depthOf(const KCvor* node) {
    int depth = 0;
    for (const KCvor* p = node->parent; p != nullptr; p = p->parent) ++depth;
    return depth;
}

// Appends a node under the parent (index into nodes, -1 for a root).
KCvor* appendNode(KStablo& tree, std::vector<KCvor*>& nodes, int parent, int32_t id) {
    auto* node = new KCvor();
    node->set(id, std::to_string(nodes.size()).c_str());
    node->parent = parent < 0 ? nullptr : nodes[static_cast<std::size_t>(parent)];
    tree.append(node);
    nodes.push_back(node);
    return node;
}

TEST(KStablo, AppendLinksNodesArrivingInPreOrder) {
    // Each case: parent index per appended node; expected links as node
    // indexes (-1 null) for each node: next sibling, first child.
    const struct {
        const char* name;
        std::vector<int> parents;
        std::vector<int> nextSibling;
        std::vector<int> firstChild;
    } cases[] = {
        {"one root", {-1}, {-1}, {-1}},
        {"group then two commands", {-1, 0, 0}, {-1, 2, -1}, {1, -1, -1}},
        {"root after a subtree five levels deep",
         {-1, 0, 1, 2, 3, 4, -1},
         {6, -1, -1, -1, -1, -1, -1},
         {1, 2, 3, 4, 5, -1, -1}},
        {"sibling group after a nested one",
         {-1, 0, 1, 0, 3},
         {-1, 3, -1, -1, -1},
         {1, 2, -1, 4, -1}},
    };
    for (const auto& c : cases) {
        KStablo tree;
        std::vector<KCvor*> nodes;
        for (int parent : c.parents) appendNode(tree, nodes, parent, 0);
        EXPECT_EQ(tree.firstRoot, nodes.front()) << c.name;
        EXPECT_EQ(tree.lastAdded, nodes.back()) << c.name;
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const auto at = [&](int k) {
                return k < 0 ? nullptr : nodes[static_cast<std::size_t>(k)];
            };
            EXPECT_EQ(nodes[i]->nextSibling, at(c.nextSibling[i])) << c.name << " node " << i;
            EXPECT_EQ(nodes[i]->firstChild, at(c.firstChild[i])) << c.name << " node " << i;
        }
    }
}

// A node whose parent is off the path to the last node would link nothing:
// it is refused, the tree keeps its links and its last node, and the next
// node in pre-order still links.
TEST(KStablo, AppendRefusesANodeOutOfPreOrder) {
    // The tree: root 0 with group 1 (command 2) and group 3.
    const std::vector<int> built = {-1, 0, 1, 0};
    KCvor foreignParent;
    const struct {
        const char* name;
        bool emptyTree;
        int parent;  // index into the built nodes; -2 a node of no tree; -3 the last node itself
    } cases[] = {
        {"parent is a closed group", false, 1}, {"parent is a closed command", false, 2},
        {"parent is in no tree", false, -2},    {"the last node again", false, -3},
        {"first node with a parent", true, -2},
    };
    for (const auto& c : cases) {
        KStablo tree;
        std::vector<KCvor*> nodes;
        if (!c.emptyTree)
            for (int parent : built) appendNode(tree, nodes, parent, 0);
        struct Links {
            KCvor *next, *child;
        };
        std::vector<Links> before;
        for (KCvor* n : nodes) before.push_back({n->nextSibling, n->firstChild});
        KCvor* const last = tree.lastAdded;

        if (c.parent == -3) {
            EXPECT_EQ(tree.append(tree.lastAdded), -1) << c.name;
        } else {
            auto refused = std::make_unique<KCvor>();
            refused->parent = c.parent == -2 ? &foreignParent : nodes[std::size_t(c.parent)];
            EXPECT_EQ(tree.append(refused.get()), -1) << c.name;
        }
        EXPECT_EQ(tree.lastAdded, last) << c.name;
        EXPECT_EQ(tree.firstRoot, c.emptyTree ? nullptr : nodes.front()) << c.name;
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            EXPECT_EQ(nodes[i]->nextSibling, before[i].next) << c.name << " node " << i;
            EXPECT_EQ(nodes[i]->firstChild, before[i].child) << c.name << " node " << i;
        }
        EXPECT_EQ(tree.append(nullptr), -1) << c.name;

        // The next node in pre-order is linked as if nothing had come.
        KCvor* next = appendNode(tree, nodes, c.emptyTree ? -1 : 3, 0);
        EXPECT_EQ(tree.lastAdded, next) << c.name;
        EXPECT_EQ(c.emptyTree ? tree.firstRoot : nodes[3]->firstChild, next) << c.name;
    }
}

TEST(KCvor, SetKeepsAtMost99Characters) {
    const std::string longLabel(120, 'x');
    const struct {
        const char* name;
        const char* label;
        std::string expected;
    } cases[] = {
        {"null", nullptr, ""},
        {"short", "abc", "abc"},
        {"120 characters", longLabel.c_str(), std::string(99, 'x')},
    };
    for (const auto& c : cases) {
        KCvor node;
        node.set(5001, c.label);
        EXPECT_EQ(node.commandId, 5001) << c.name;
        EXPECT_EQ(std::string(node.label), c.expected) << c.name;
    }
}

class CommandTree : public ::testing::Test {
protected:
    void SetUp() override {
        destroyCommandTree();
        buildCommandTree();
    }
    void TearDown() override { destroyCommandTree(); }
};

// Expected nodes: every root, group and command of the outline in order.
struct ExpectedNode {
    int32_t id;
    int depth;
    std::string label;
};
std::vector<ExpectedNode> outlineNodes() {
    std::vector<ExpectedNode> out;
    for (const OutlineEntry& e : kCommandOutline) {
        if (e.kind == OutlineKind::Separator) continue;
        out.push_back({e.kind == OutlineKind::Command ? int32_t(e.command) : 0, e.depth,
                       outlineTreeLabel(e)});
    }
    return out;
}

TEST_F(CommandTree, HoldsTheOutlineInOrderWithTreeLabels) {
    ASSERT_NE(commandTree, nullptr);
    const std::vector<const KCvor*> nodes = preOrder(*commandTree);
    const std::vector<ExpectedNode> expected = outlineNodes();
    ASSERT_EQ(nodes.size(), 732u);
    ASSERT_EQ(expected.size(), nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        EXPECT_EQ(nodes[i]->commandId, expected[i].id) << i;
        EXPECT_EQ(depthOf(nodes[i]), expected[i].depth) << i;
        EXPECT_EQ(std::string(nodes[i]->label), expected[i].label) << i;
    }
    EXPECT_EQ(commandTree->lastAdded->commandId, 5599);
}

TEST_F(CommandTree, RootsAndTheLastRoot) {
    std::vector<std::string> roots;
    const KCvor* last = nullptr;
    for (const KCvor* r = commandTree->firstRoot; r != nullptr; r = r->nextSibling) {
        roots.push_back(r->label);
        last = r;
    }
    ASSERT_EQ(roots.size(), std::size(kRoots));
    for (std::size_t i = 0; i < roots.size(); ++i) EXPECT_EQ(roots[i], kRoots[i].label);
    ASSERT_NE(last->firstChild, nullptr);
    EXPECT_EQ(last->firstChild->commandId, 5598);
    ASSERT_NE(last->firstChild->nextSibling, nullptr);
    EXPECT_EQ(last->firstChild->nextSibling->commandId, 5599);
    EXPECT_EQ(last->firstChild->nextSibling->nextSibling, nullptr);
}

TEST_F(CommandTree, CatalogueLabelsAndCommandsWithoutANode) {
    std::vector<int32_t> ids;
    for (const KCvor* node : preOrder(*commandTree)) {
        if (node->commandId == 5031) {
            EXPECT_STREQ(node->label, kCatalogueLabels[2].treeForm);
        }
        if (node->firstChild != nullptr) {
            EXPECT_EQ(node->commandId, 0);
        }
        ids.push_back(node->commandId);
    }
    for (int32_t missing : {5002, 5003, 5187, 5309, 5310, 5350, 5351, 5352, 5445})
        EXPECT_EQ(std::count(ids.begin(), ids.end(), missing), 0) << missing;
}

}  // namespace
