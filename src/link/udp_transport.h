#pragma once

#include <cstdint>

// The LAN transport: one frame per UDP datagram, every workstation on the
// same port. The ports are settings so that tests can run side by side.
extern uint16_t udpLocalPort;   // bound by udpOpen, 6666 by default
extern uint16_t udpRemotePort;  // datagrams are sent to this port, 6666 by default

// The receive buffer asked for: large enough to hold what arrives in a
// burst while the program is busy elsewhere. Tests shrink it.
extern int udpReceiveBufferBytes;

// Opens the socket; 0, or -1 after reporting the failure to the operator.
int udpOpen();
void udpClose();
bool udpIsOpen();
// The port actually bound (for tests that bind port 0).
uint16_t udpBoundPort();
// The receive buffer the kernel granted, 0 when the socket is closed.
int udpReceiveBufferGranted();
// The descriptor to wait on, -1 when the socket is closed.
int udpDescriptor();
// Datagrams the kernel dropped since the socket was opened, because they
// arrived while its receive buffer was full.
uint32_t udpLostFrames();
// Sends one datagram to udpRemotePort of the address (network byte order);
// false when it was not sent (the socket is not open or refused it).
bool udpSend(uint32_t address, const uint8_t* data, int length);
// Takes one waiting datagram: its byte count, -1 when none is waiting or the
// socket is closed, -2 when the datagram did not fit in `size` (discarded).
int udpReceive(uint32_t* sender, uint8_t* buffer, int size);
// a.b.c.d in network byte order.
uint32_t ipv4Address(uint8_t a, uint8_t b, uint8_t c, uint8_t d);
