#include "toolkit/shared_fonts.h"

namespace {

SSharedFonts fontsLent;

}  // namespace

void setSharedFonts(const SSharedFonts& fonts) {
    fontsLent = fonts;
}

const SSharedFonts& sharedFonts() {
    return fontsLent;
}
