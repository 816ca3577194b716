#pragma once

#include <fox-1.6/fx.h>

// Builds the main window's menu bar from the command outline: a title per
// root, a pane per root and group, a cascade per group, a TFXMenuCommand per
// command sending SEL_COMMAND with its id to the window, and a groove per
// separator. Mnemonics are chosen anew in each pane (and among the titles);
// a report command's catalogue label keeps the letter its text marks with
// "~". Called once, first thing after the window's own frame is set up, so
// that the menu bar is the window's first child.
FX::FXMenuBar* buildMenuBar(FX::FXMainWindow* window);

// The panes are popups that belong to no widget tree: the window frees them
// with this before its own children go.
void destroyMenuPanes(FX::FXMenuBar* menuBar);
