#pragma once

#include <fox-1.6/fx.h>

// The one FOX application of a test process, created and initialised on
// first use against the display of xvfb-run.
FX::FXApp& testApp();

// Runs the event loop until `ms` milliseconds of real loop time have passed
// or stopTestLoop is called; used to let modal dialogs and timeouts run.
void runTestLoop(unsigned ms);
