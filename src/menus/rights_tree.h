#pragma once

#include <cstddef>
#include <cstdint>

#include <fox-1.6/fx.h>

class KCvor;

// The command rights of one operator group as the management processor
// keeps and sends them: 121 bytes, the right of command c in bit
// (c - 5000) % 8 of byte (c - 5000) / 8, least significant bit first. Bit 0
// of byte 0 and bytes 75..120 belong to no command and are kept as received.
constexpr std::size_t kRightsBitmapSize = 121;

// The bit of a command; false for an id outside 5001..5599.
bool rightsBitmapHas(const uint8_t* bitmap, int32_t command);
// Sets or clears the bit of a command in 5001..5599; other ids change nothing.
void rightsBitmapPut(uint8_t* bitmap, int32_t command, bool granted);

// Background of the rights lists and of the operator group list.
constexpr FX::FXColor kRightsListColour = FXRGB(240, 255, 240);

// The command tree as a tree list with one group's rights: a command without
// its right is shown disabled, and so is a group whose children are all
// disabled. The operator grants or revokes the right of the current command,
// or of every command below the current group.
class KStabloKomandi {
public:
    explicit KStabloKomandi(FX::FXComposite* parent);
    ~KStabloKomandi();
    KStabloKomandi(const KStabloKomandi&) = delete;
    KStabloKomandi& operator=(const KStabloKomandi&) = delete;

    // Shows the whole command tree with the loaded rights (items collapsed);
    // a list filled before is emptied first. Without a command tree an empty
    // one is made and the list stays empty.
    void fill();

    bool hasRight(int32_t command) const { return rightsBitmapHas(rights, command); }
    void setRight(int32_t command) { rightsBitmapPut(rights, command, true); }
    void clearRight(int32_t command) { rightsBitmapPut(rights, command, false); }

    // Copies a received bitmap of at most 121 bytes over the first bytes of
    // the rights; a longer one changes nothing. Returns whether it was taken.
    bool loadRights(const uint8_t* data, int length);
    void storeRights(uint8_t* out) const;

    // Change the right of the current item: 0 when something changed, -1
    // when nothing did (no current item, or the command already so).
    int grantSelected();
    int revokeSelected();

    FX::FXTreeList* treeList() const { return tree; }

    FX::FXTreeList* tree;
    uint8_t rights[kRightsBitmapSize] = {};
    uint8_t grantMode = 0;  // 1 while a branch is granted, 0 while it is revoked

private:
    int changeSelected(bool grant);
    // Adds the node and its subtree under the parent item; returns whether
    // the item came out disabled.
    bool addNode(FX::FXTreeItem* parentItem, const KCvor* node);
    // One visited item of a branch: enabled or disabled by grantMode, and a
    // command's bit set or cleared.
    void markItem(FX::FXTreeItem* item);
    // Pre-order walk of the branch below `top` from `item`; markUpward
    // climbs from an item without a next sibling to the next sibling of an
    // ancestor, ending at `top`.
    void markBranch(FX::FXTreeItem* item, FX::FXTreeItem* top);
    FX::FXTreeItem* markUpward(FX::FXTreeItem* item, FX::FXTreeItem* top);
};

// The node an item shows.
const KCvor* itemNode(const FX::FXTreeItem* item);
