#pragma once

#include <cstdint>
#include <vector>

#include <fox-1.6/fx.h>

#include "menus/command_tree.h"
#include "menus/rights_tree.h"

// Every item of a tree list in pre-order.
inline void collectItems(FX::FXTreeItem* first, std::vector<FX::FXTreeItem*>& out) {
    for (FX::FXTreeItem* item = first; item != nullptr; item = item->getNext()) {
        out.push_back(item);
        collectItems(item->getFirst(), out);
    }
}
inline std::vector<FX::FXTreeItem*> allItems(const FX::FXTreeList* list) {
    std::vector<FX::FXTreeItem*> out;
    collectItems(list->getFirstItem(), out);
    return out;
}
// The item of a command, or null.
inline FX::FXTreeItem* commandItem(const FX::FXTreeList* list, int32_t command) {
    for (FX::FXTreeItem* item : allItems(list))
        if (itemNode(item)->commandId == command) return item;
    return nullptr;
}
// The commands whose items are enabled, in order.
inline std::vector<int32_t> enabledCommands(const FX::FXTreeList* list) {
    std::vector<int32_t> out;
    for (FX::FXTreeItem* item : allItems(list))
        if (itemNode(item)->commandId != 0 && item->isEnabled())
            out.push_back(itemNode(item)->commandId);
    return out;
}
// A bitmap of 121 bytes with the given commands' bits set.
inline std::vector<uint8_t> bitmapOf(std::initializer_list<int32_t> commands) {
    std::vector<uint8_t> bitmap(kRightsBitmapSize, 0);
    for (int32_t c : commands) rightsBitmapPut(bitmap.data(), c, true);
    return bitmap;
}
