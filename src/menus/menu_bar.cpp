#include "menus/menu_bar.h"

#include <string>
#include <vector>

#include "menus/command_outline.h"
#include "toolkit/accelerators.h"
#include "toolkit/menu_command.h"
#include "toolkit/text_codec.h"

namespace {

// One open container: the menu bar or a pane, with its mnemonic slots.
struct Container {
    FX::FXComposite* widget;
    SAccelTable accels;
};

class MenuBuilder : public IOutlineVisitor {
public:
    MenuBuilder(FX::FXMainWindow* window, FX::FXMenuBar* bar) : window_(window) {
        open_.push_back(Container{bar, {}});
        clearAccelTable(open_.back().accels);
    }

    void openGroup(const OutlineEntry& group) override {
        auto* pane = new TLazyMenuPane(window_, 0);
        const FX::FXString text = toUtf8(assignAccel(current().accels, outlineLabel(group)));
        if (group.depth == 0)
            new FX::FXMenuTitle(current().widget, text, nullptr, pane, 0);
        else
            new FX::FXMenuCascade(current().widget, text, nullptr, pane, 0);
        open_.push_back(Container{pane, {}});
        clearAccelTable(open_.back().accels);
    }

    void closeGroup(const OutlineEntry&) override { open_.pop_back(); }

    void command(const OutlineEntry& command) override {
        const std::string text = command.label != nullptr
                                     ? assignAccel(current().accels, command.label)
                                     : convertTildeAccel(outlineLabel(command));
        new TFXMenuCommand(current().widget, toUtf8(text), nullptr, window_, command.command, 0);
    }

    void separator(const OutlineEntry&) override {
        new FX::FXHorizontalSeparator(current().widget, FX::SEPARATOR_GROOVE | FX::LAYOUT_FILL_X, 0,
                                      0, 0, 0, 1, 1, 0, 0);
    }

private:
    Container& current() { return open_.back(); }

    FX::FXMainWindow* window_;
    std::vector<Container> open_;
};

void destroyPane(FX::FXPopup* pane) {
    for (FX::FXWindow* child = pane->getFirst(); child != nullptr; child = child->getNext())
        if (auto* cascade = dynamic_cast<FX::FXMenuCascade*>(child))
            destroyPane(cascade->getMenu());
    delete pane;
}

}  // namespace

FX::FXMenuBar* buildMenuBar(FX::FXMainWindow* window) {
    auto* bar = new FX::FXMenuBar(window, FX::LAYOUT_FILL_X, 0, 0, 0, 0, 3, 3, 2, 2, 4, 4);
    MenuBuilder builder(window, bar);
    walkCommandOutline(builder);
    return bar;
}

void destroyMenuPanes(FX::FXMenuBar* menuBar) {
    if (menuBar == nullptr) return;
    for (FX::FXWindow* child = menuBar->getFirst(); child != nullptr; child = child->getNext())
        if (auto* title = dynamic_cast<FX::FXMenuTitle*>(child)) {
            FX::FXPopup* pane = title->getMenu();
            title->setMenu(nullptr);
            if (pane != nullptr) destroyPane(pane);
        }
}
