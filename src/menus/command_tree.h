#pragma once

#include <cstdint>

// The command hierarchy as a linked tree of nodes, one per root, group and
// command (separators have none), for the windows that show the commands
// together with their access rights. Built once at start-up and never changed.

// One node. A root or group has command id 0.
class KCvor {
public:
    KCvor() = default;
    KCvor(const KCvor&) = delete;
    KCvor& operator=(const KCvor&) = delete;

    // Stores the id and at most 99 characters of the label (null: empty).
    void set(int32_t command, const char* text);

    int32_t commandId = 0;
    char label[100] = {};
    KCvor* parent = nullptr;       // null for a root
    KCvor* nextSibling = nullptr;  // for roots: the next root
    KCvor* firstChild = nullptr;   // null for a command
};

// The tree; it owns its nodes.
class KStablo {
public:
    KStablo() = default;
    ~KStablo();
    KStablo(const KStablo&) = delete;
    KStablo& operator=(const KStablo&) = delete;

    // Links a node whose parent is already set and makes it the last added
    // node: 0. Nodes must arrive in pre-order: the parent is the last added
    // node, one of its ancestors, or null for a root. Any other node (or
    // none) is refused with -1 and the tree stays as it was; the caller then
    // keeps the node.
    int append(KCvor* node);

    KCvor* firstRoot = nullptr;
    KCvor* lastAdded = nullptr;
};

// The program's command tree; null until first use.
extern KStablo* commandTree;
// The tree, made empty when there is none yet.
KStablo& commandTreeInstance();

// Builds the whole command outline into commandTree in outline order, with
// the labels in tree form.
void buildCommandTree();
// Frees the tree and sets commandTree to null.
void destroyCommandTree();
