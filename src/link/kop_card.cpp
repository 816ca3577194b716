#include "link/kop_card.h"

bool kopIsOpen() { return false; }

void kopQueueFrame(const uint8_t*, int) {}

int kopNextFrame(uint8_t*, int, uint32_t*) { return -1; }
