#pragma once

#include <fox-1.6/fx.h>

// The fonts the main window lends to other windows for as long as it lives.
// Null fields (no main window yet) leave each window its own font.
struct SSharedFonts {
    FX::FXFont* normal = nullptr;
    FX::FXFont* bold = nullptr;
    FX::FXFont* boldItalic = nullptr;
    FX::FXFont* italic = nullptr;
    FX::FXFont* fixedPitch = nullptr;
};

void setSharedFonts(const SSharedFonts& fonts);
const SSharedFonts& sharedFonts();
