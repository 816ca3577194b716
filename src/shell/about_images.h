#pragma once

// GIF data of the about window's pictures: the banner across the top
// (682 x 107) and the picture at the left of the middle row (160 x 299).

extern const unsigned char kAboutBannerGif[];
extern const unsigned char kAboutSideGif[];
