#pragma once

#include <cstdint>

// The communications card as the router sees it. Without the card every
// operation does nothing and the workstation runs over UDP alone.
bool kopIsOpen();
// Queues one frame for the card; nothing happens when the card is not open.
void kopQueueFrame(const uint8_t* frame, int length);
// Takes the next frame the card received (at most `max` bytes): 0 with its
// length stored, or -1 when none is waiting or the card is not open.
int kopNextFrame(uint8_t* buffer, int max, uint32_t* length);
