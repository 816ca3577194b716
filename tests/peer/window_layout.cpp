#include "peer/window_layout.h"

#include <sstream>

namespace {

// The room a title bar needs at least beside its text: the window's icon
// and its close box.
constexpr FX::FXint kTitleBarExtra = 32;

struct Rect {
    FX::FXint x, y, w, h;
    bool overlaps(const Rect& o) const {
        return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
    }
};

std::string describe(FX::FXWindow* w) {
    std::ostringstream out;
    out << w->getClassName();
    if (w->isMemberOf(FXMETACLASS(FX::FXLabel)))
        out << " \"" << static_cast<FX::FXLabel*>(w)->getText().text() << "\"";
    else if (w->isMemberOf(FXMETACLASS(FX::FXGroupBox)))
        out << " \"" << static_cast<FX::FXGroupBox*>(w)->getText().text() << "\"";
    else if (w->isMemberOf(FXMETACLASS(FX::FXMenuCaption)))
        out << " \"" << static_cast<FX::FXMenuCaption*>(w)->getText().text() << "\"";
    out << " at " << w->getX() << "," << w->getY() << " " << w->getWidth() << "x" << w->getHeight();
    return out.str();
}

bool showsText(FX::FXWindow* w) {
    return w->isMemberOf(FXMETACLASS(FX::FXLabel)) || w->isMemberOf(FXMETACLASS(FX::FXGroupBox)) ||
           w->isMemberOf(FXMETACLASS(FX::FXMenuCaption));
}

// A label or button with an icon and a text that does not set them apart.
bool iconOverText(FX::FXWindow* w) {
    if (!w->isMemberOf(FXMETACLASS(FX::FXLabel))) return false;
    auto* label = static_cast<FX::FXLabel*>(w);
    const FX::FXuint apart =
        FX::ICON_BEFORE_TEXT | FX::ICON_AFTER_TEXT | FX::ICON_ABOVE_TEXT | FX::ICON_BELOW_TEXT;
    return label->getIcon() != nullptr && !label->getText().empty() &&
           (label->getIconPosition() & apart) == 0;
}

// Children of a scroll area move with its contents and may lie under its
// scroll bars; they are checked against the area's own box only.
bool scrolls(FX::FXWindow* w) {
    return w->isMemberOf(FXMETACLASS(FX::FXScrollArea));
}

void walk(FX::FXWindow* parent, FX::FXint px, FX::FXint py, bool scrolled, const Rect& client,
          std::vector<std::string>& faults) {
    std::vector<std::pair<Rect, FX::FXWindow*>> siblings;
    for (FX::FXWindow* w = parent->getFirst(); w != nullptr; w = w->getNext()) {
        if (!w->shown() || w->isMemberOf(FXMETACLASS(FX::FXShell))) continue;
        const Rect r{px + w->getX(), py + w->getY(), w->getWidth(), w->getHeight()};
        if (!scrolled && (r.x < client.x || r.y < client.y || r.x + r.w > client.x + client.w ||
                          r.y + r.h > client.y + client.h))
            faults.push_back("outside the window: " + describe(w));
        if (iconOverText(w)) faults.push_back("icon drawn over its text: " + describe(w));
        if (showsText(w) &&
            (w->getWidth() < w->getDefaultWidth() || w->getHeight() < w->getDefaultHeight()))
            faults.push_back("smaller than its text (" + std::to_string(w->getDefaultWidth()) +
                             "x" + std::to_string(w->getDefaultHeight()) + "): " + describe(w));
        // A status bar's drag corner sits in its line's corner by design.
        if (!scrolls(parent) && r.w > 0 && r.h > 0 &&
            !w->isMemberOf(FXMETACLASS(FX::FXDragCorner))) {
            for (const auto& s : siblings)
                if (s.first.overlaps(r))
                    faults.push_back("over each other: " + describe(s.second) + " and " +
                                     describe(w));
            siblings.push_back({r, w});
        }
        walk(w, r.x, r.y, scrolled || scrolls(w), client, faults);
    }
}

// The first shown list, tree or table in the window, or null: its rows can
// outgrow any size the window opens at. (Text areas here hold texts of a
// fixed length.)
FX::FXWindow* firstGrowingArea(FX::FXWindow* root) {
    for (FX::FXWindow* w = root->getFirst(); w != nullptr; w = w->getNext()) {
        if (!w->shown() || w->isMemberOf(FXMETACLASS(FX::FXShell))) continue;
        if (scrolls(w) && !w->isMemberOf(FXMETACLASS(FX::FXText))) return w;
        if (FX::FXWindow* area = firstGrowingArea(w)) return area;
    }
    return nullptr;
}

FX::FXTextField* firstEditable(FX::FXWindow* root) {
    for (FX::FXWindow* w = root->getFirst(); w != nullptr; w = w->getNext()) {
        if (!w->shown()) continue;
        if (w->isMemberOf(FXMETACLASS(FX::FXTextField))) {
            auto* field = static_cast<FX::FXTextField*>(w);
            if (field->isEnabled() && field->isEditable()) return field;
            continue;
        }
        if (FX::FXTextField* field = firstEditable(w)) return field;
    }
    return nullptr;
}

}  // namespace

void layOut(FX::FXTopWindow* window) {
    window->layout();
    window->getApp()->flush(true);
}

std::vector<std::string> layoutFaults(FX::FXTopWindow* window, bool fieldFocus) {
    std::vector<std::string> faults;
    layOut(window);
    const Rect client{0, 0, window->getWidth(), window->getHeight()};
    walk(window, 0, 0, false, client, faults);
    if ((window->getDecorations() & FX::DECOR_TITLE) != 0) {
        const FX::FXint needed =
            window->getApp()->getNormalFont()->getTextWidth(window->getTitle()) + kTitleBarExtra;
        if (window->getWidth() < needed)
            faults.push_back("narrower than its title (" + std::to_string(needed) +
                             "): " + window->getTitle().text());
    }
    // A window with rows that can grow can be made larger, and its rows
    // take the room.
    if (FX::FXWindow* area = firstGrowingArea(window)) {
        if ((window->getDecorations() & FX::DECOR_RESIZE) == 0) {
            faults.push_back("cannot be resized, yet holds " + describe(area));
        } else {
            const FX::FXint w = window->getWidth(), h = window->getHeight();
            const FX::FXint areaHeight = area->getHeight();
            window->resize(w + 100, h + 100);
            layOut(window);
            if (area->getHeight() <= areaHeight)
                faults.push_back("made larger, its rows do not grow: " + describe(area));
            window->resize(w, h);
            layOut(window);
        }
    }
    if (fieldFocus) {
        FX::FXWindow* focused = window;
        while (focused->getFocus() != nullptr) focused = focused->getFocus();
        FX::FXTextField* first = firstEditable(window);
        if (first == nullptr) {
            faults.push_back("no editable field");
        } else if (focused != first) {
            faults.push_back("focus not in the first field but in " + describe(focused));
        } else if (first->getText().length() > 0 &&
                   !(FXMIN(first->getAnchorPos(), first->getCursorPos()) == 0 &&
                     FXMAX(first->getAnchorPos(), first->getCursorPos()) ==
                         first->getText().length())) {
            faults.push_back("the first field's text is not selected");
        }
    }
    return faults;
}
