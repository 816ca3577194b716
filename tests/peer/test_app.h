#pragma once

#include <fox-1.6/fx.h>

// The one FOX application of a test process, created and initialised on
// first use against the display of xvfb-run.
FX::FXApp& testApp();
