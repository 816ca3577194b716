#pragma once

#include <cstdint>

// The communications card: frames travel in blocks of 4,096 bytes, each a run
// of entries (word length L, the L bytes after it, marker 0x55) ended by a
// zero length word. Frames are queued in a ring of 50 blocks; each poll
// writes at most one block and reads at most one. Without the card every
// operation does nothing and the workstation runs over UDP alone.
constexpr int kKopBlockBytes = 4096;
constexpr int kKopRingBlocks = 50;
constexpr uint8_t kKopEntryMarker = 0x55;

// Opens the device (0, also when it already was open; -1 when it cannot be
// opened). Opening empties the send ring and drops a pending received block.
int kopOpen();
void kopClose();
bool kopIsOpen();

// Queues one whole frame (length field included); it is lost when the card
// is not open, the ring is full or the frame can never fit a block.
void kopQueueFrame(const uint8_t* frame, int length);
// Takes the next frame of the block read last (at most `max` bytes): 0 with
// its size stored, or -1 when none is waiting or the card is not open.
int kopNextFrame(uint8_t* buffer, int max, uint32_t* length);
// The per-poll transfer: reads a block when none is pending, then writes the
// oldest queued block (or the used part of the block being filled).
void kopPoll();

// Builds a block holding one frame (destination 0, source ownAddress), its
// marker and the end marker; the block's used size (length + 14), or -1 when
// the payload does not fit a block.
int buildKopFrame(uint8_t* block, uint8_t type, uint8_t code, int length, const uint8_t* payload);
// Direct write, retried for up to 100 ms: 1 on success, 0 on failure.
int kopWrite(const uint8_t* block, int bytes);
// Direct read of up to 4,096 bytes, retried for up to 100 s: 1 with the
// count read, or 0 with 0.
int kopRead(uint8_t* block, int* bytes);
// A device-control request of the firmware loader: 1 on success, 0 on failure.
int kopControl(uint32_t request, const uint8_t* in, int inBytes, uint8_t* out, int outBytes);

// Diagnostics for tests: the ring's block being filled, its oldest unwritten
// block and the fill position.
int kopFillingBlock();
int kopOldestBlock();
int kopFillPosition();
