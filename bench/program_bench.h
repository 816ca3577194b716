#pragma once

#include <fox-1.6/fx.h>

// Builds the whole program in this process (main window, start-up steps,
// poll loop; working folder and "modem.ini" of the caller's) and prints the
// figures of its idle loop, its intake, its repaints and a flood.
void programFigures(FX::FXApp& app);
