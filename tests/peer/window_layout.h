#pragma once

#include <string>
#include <vector>

#include <fox-1.6/fx.h>

// What an operator would find wrong with a window as it is laid out now, read
// from the widgets themselves: a widget outside the window's client area, two
// visible siblings over each other, a label, button or group box narrower or
// lower than its text needs or with its icon over its text, a window
// narrower than its title, a window with a list, tree or table that cannot
// be resized or whose rows do not take the room when it is made larger. With
// `fieldFocus` also the focus: it must be in the first editable text field
// (a drop-down's text counts), with all of its text selected. Each fault is
// one line naming the widget; none means the window is fine.
std::vector<std::string> layoutFaults(FX::FXTopWindow* window, bool fieldFocus);

// Lays the window out at the size it has now, as the event loop would.
void layOut(FX::FXTopWindow* window);
