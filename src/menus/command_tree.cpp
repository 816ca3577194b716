#include "menus/command_tree.h"

#include <cstring>
#include <vector>

#include "menus/command_outline.h"

KStablo* commandTree = nullptr;

void KCvor::set(int32_t command, const char* text) {
    commandId = command;
    const std::size_t n = text != nullptr ? strnlen(text, sizeof label - 1) : 0;
    if (n > 0) std::memcpy(label, text, n);
    label[n] = '\0';
}

KStablo::~KStablo() {
    // Free in pre-order without recursion: a node's children and later
    // siblings are reached through the pending list.
    std::vector<KCvor*> pending;
    if (firstRoot != nullptr) pending.push_back(firstRoot);
    while (!pending.empty()) {
        KCvor* node = pending.back();
        pending.pop_back();
        if (node->nextSibling != nullptr) pending.push_back(node->nextSibling);
        if (node->firstChild != nullptr) pending.push_back(node->firstChild);
        delete node;
    }
}

int KStablo::append(KCvor* node) {
    if (node == nullptr) return -1;
    for (const KCvor* p = lastAdded; p != nullptr; p = p->parent)
        if (p == node) return -1;  // linked already: it would become its own sibling
    if (firstRoot == nullptr) {
        if (node->parent != nullptr) return -1;  // its parent is in no tree
        firstRoot = lastAdded = node;
        return 0;
    }
    if (lastAdded == node->parent) {
        lastAdded->firstChild = node;
    } else {
        // Climb to the last node of the new node's parent: its previous
        // sibling. A parent off that path would link nothing.
        KCvor* sibling = lastAdded;
        while (sibling != nullptr && sibling->parent != node->parent) sibling = sibling->parent;
        if (sibling == nullptr) return -1;
        sibling->nextSibling = node;
    }
    lastAdded = node;
    return 0;
}

KStablo& commandTreeInstance() {
    if (commandTree == nullptr) commandTree = new KStablo();
    return *commandTree;
}

namespace {

class TreeBuilder : public IOutlineVisitor {
public:
    void openGroup(const OutlineEntry& group) override { open_.push_back(add(0, group)); }
    void closeGroup(const OutlineEntry&) override { open_.pop_back(); }
    void command(const OutlineEntry& command) override { add(command.command, command); }
    void separator(const OutlineEntry&) override {}

private:
    KCvor* add(int32_t id, const OutlineEntry& entry) {
        auto* node = new KCvor();
        node->set(id, outlineTreeLabel(entry));
        node->parent = open_.empty() ? nullptr : open_.back();
        commandTreeInstance().append(node);
        return node;
    }
    std::vector<KCvor*> open_;  // enclosing groups, outermost first
};

}  // namespace

void buildCommandTree() {
    TreeBuilder builder;
    walkCommandOutline(builder);
}

void destroyCommandTree() {
    delete commandTree;
    commandTree = nullptr;
}
