#include "menus/rights_tree.h"

#include <cstring>

#include "menus/command_tree.h"
#include "toolkit/text_codec.h"

namespace {

constexpr int32_t kFirstCommand = 5001;
constexpr int32_t kLastCommand = 5599;

bool hasBit(int32_t command) {
    return command >= kFirstCommand && command <= kLastCommand;
}

}  // namespace

bool rightsBitmapHas(const uint8_t* bitmap, int32_t command) {
    if (!hasBit(command)) return false;
    const int32_t bit = command - 5000;
    return (bitmap[bit / 8] >> (bit % 8) & 1) != 0;
}

void rightsBitmapPut(uint8_t* bitmap, int32_t command, bool granted) {
    if (!hasBit(command)) return;
    const int32_t bit = command - 5000;
    const auto mask = static_cast<uint8_t>(1u << (bit % 8));
    if (granted)
        bitmap[bit / 8] |= mask;
    else
        bitmap[bit / 8] &= static_cast<uint8_t>(~mask);
}

const KCvor* itemNode(const FX::FXTreeItem* item) {
    return item != nullptr ? static_cast<const KCvor*>(item->getData()) : nullptr;
}

KStabloKomandi::KStabloKomandi(FX::FXComposite* parent)
    : tree(new FX::FXTreeList(parent, nullptr, 0,
                              FX::TREELIST_SHOWS_LINES | FX::TREELIST_SHOWS_BOXES |
                                  FX::TREELIST_ROOT_BOXES | FX::FRAME_THICK | FX::FRAME_SUNKEN |
                                  FX::LAYOUT_FILL_X | FX::LAYOUT_FILL_Y)) {
    tree->setBackColor(kRightsListColour);
}

KStabloKomandi::~KStabloKomandi() {
    delete tree;
}

void KStabloKomandi::fill() {
    tree->clearItems();
    for (const KCvor* root = commandTreeInstance().firstRoot; root != nullptr;
         root = root->nextSibling)
        addNode(nullptr, root);
}

bool KStabloKomandi::addNode(FX::FXTreeItem* parentItem, const KCvor* node) {
    FX::FXTreeItem* item = tree->appendItem(parentItem, toUtf8(node->label), nullptr, nullptr,
                                            const_cast<KCvor*>(node));
    if (node->commandId != 0) {
        if (hasRight(node->commandId)) return false;
        tree->disableItem(item);
        return true;
    }
    // A group is disabled when it has children and every one came out disabled.
    bool allDisabled = node->firstChild != nullptr;
    for (const KCvor* child = node->firstChild; child != nullptr; child = child->nextSibling)
        allDisabled = addNode(item, child) && allDisabled;
    if (allDisabled) tree->disableItem(item);
    return allDisabled;
}

bool KStabloKomandi::loadRights(const uint8_t* data, int length) {
    if (length < 0 || length > static_cast<int>(kRightsBitmapSize)) return false;
    if (length > 0) std::memcpy(rights, data, static_cast<std::size_t>(length));
    return true;
}

void KStabloKomandi::storeRights(uint8_t* out) const {
    std::memcpy(out, rights, kRightsBitmapSize);
}

int KStabloKomandi::grantSelected() {
    return changeSelected(true);
}

int KStabloKomandi::revokeSelected() {
    return changeSelected(false);
}

int KStabloKomandi::changeSelected(bool grant) {
    FX::FXTreeItem* item = tree->getCurrentItem();
    const KCvor* node = itemNode(item);
    if (node == nullptr) return -1;
    if (node->commandId != 0) {
        if (tree->isItemEnabled(item) == grant) return -1;
        grantMode = grant ? 1 : 0;
        markItem(item);
        return 0;
    }
    grantMode = grant ? 1 : 0;
    if (item->getFirst() != nullptr) markBranch(item->getFirst(), item);
    if (grant)
        tree->enableItem(item);
    else
        tree->disableItem(item);
    return 0;
}

void KStabloKomandi::markItem(FX::FXTreeItem* item) {
    const bool grant = grantMode != 0;
    if (grant)
        tree->enableItem(item);
    else
        tree->disableItem(item);
    const KCvor* node = itemNode(item);
    if (node != nullptr && node->commandId != 0) rightsBitmapPut(rights, node->commandId, grant);
}

void KStabloKomandi::markBranch(FX::FXTreeItem* item, FX::FXTreeItem* top) {
    while (item != nullptr && item != top) {
        markItem(item);
        if (item->getFirst() != nullptr)
            item = item->getFirst();
        else
            item = markUpward(item, top);
    }
}

FX::FXTreeItem* KStabloKomandi::markUpward(FX::FXTreeItem* item, FX::FXTreeItem* top) {
    while (item != top && item->getNext() == nullptr) item = item->getParent();
    return item == top ? top : item->getNext();
}
