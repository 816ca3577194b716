#pragma once

#include <cstdint>

#include "link/timer_pool.h"

// Addresses of the parties on the link.
constexpr uint16_t kExchangeAddress = 16408;
constexpr uint16_t kFirstWorkstationAddress = 28673;
constexpr uint16_t kLastWorkstationAddress = 28679;
constexpr uint16_t kCardAddress = 1;

// Frame on the wire: word length of the rest (payload + 9), byte type, word
// destination, word source, three reserved bytes, byte code, payload.
constexpr int kFrameHeaderBytes = 11;
constexpr int kMaxSentPayload = 269;
constexpr int kMaxSentFrame = kFrameHeaderBytes + kMaxSentPayload;  // 280
constexpr int kMaxReceivedFrame = 1000;

struct SBusFrame {
    uint16_t length = 0;  // payload length + 9
    uint8_t type = 0;
    uint16_t destination = 0;
    uint16_t source = 0;
    uint8_t reserved[3] = {};
    uint8_t code = 0;
    const uint8_t* payload = nullptr;  // points into the buffer parsed
    int payloadLength = 0;
};

// Builds a frame into `out` (room for kMaxSentFrame); returns its size, or -1
// when the payload is longer than 269 bytes.
int buildBusFrame(uint8_t type, uint16_t destination, uint16_t source, uint8_t code,
                  const uint8_t* payload, int length, uint8_t* out);
// Parses `n` received bytes; false when the length field is below 9 or
// claims more bytes than were received.
bool parseBusFrame(const uint8_t* bytes, int n, SBusFrame& frame);

enum eRouteKind : uint8_t { rkLokal = 0, rkTcpIp = 1, rkKop = 2 };

struct SRoute {
    uint16_t address = 0;  // 0: the default route
    uint8_t kind = rkLokal;
    uint8_t ip[4] = {};
};

constexpr int kMaxRoutes = 100;

// Program-clock milliseconds one receive pass may spend taking frames; the
// rest wait for the next pass, so the window stays responsive under a flood.
extern int32_t routerReceiveBudgetMs;

// This workstation's address, read from "modem.ini" with the routes.
extern uint16_t ownAddress;

// The one router: the route table from "modem.ini", local delivery on the
// message bus, frames to the UDP and card transports, relaying of frames for
// other parties, and the traffic counters shown once a second.
class TKopCls : public TTimerReceiver {
public:
    TKopCls();
    ~TKopCls() override;

    int sendMessage(uint8_t type, uint16_t destination, uint8_t code, const uint8_t* payload,
                    uint16_t length);
    // Takes and handles waiting frames, card before UDP, until neither has one
    // or the receive budget is spent; returns how many were taken.
    // fromUdp false: the card's frames only, the socket is left alone.
    int receiveMessages(bool fromUdp = true);
    // False when the transport did not take the frame.
    bool forwardFrame(const SRoute* route, const uint8_t* frame, int frameBytes);
    void readRoutes();
    // Reads "kopcar.prg" of the working directory and loads it into the card;
    // 0, or -1 after an error box.
    int loadKopFirmware();
    void onTimer(const STimerEvent* event) override;
    // Posts the operator line on frames the kernel dropped since the last one.
    void reportLostFrames();

    uint32_t routeCount = 0;
    SRoute routes[kMaxRoutes];
    uint32_t bytesSent = 0;
    uint32_t bytesReceived = 0;
    uint32_t droppedFrames = 0;  // malformed or oversize frames taken off the link
    // Set when the last receive pass ended on its budget: frames may be waiting.
    bool framesLeft = false;
    // Frames the kernel dropped that the operator has been told of.
    uint32_t reportedLostFrames = 0;

    // The route for a frame: the first entry naming the destination, or a
    // default entry when `sourceKnown` (always for frames this workstation sends).
    const SRoute* chooseRoute(uint16_t destination, bool sourceKnown) const;
    bool isKnownSource(uint16_t source) const;

private:
    void handleReceivedFrame(const uint8_t* bytes, int n);
};

extern TKopCls* router;

// Sends one message through the router and says whether the link took it:
// false without a router, or when sendMessage found no route or the
// transport refused the frame. Windows that tell the operator a request went
// out ask this first and show kMessageNotSentText when it did not.
bool sendToLink(uint8_t type, uint16_t destination, uint8_t code, const uint8_t* payload,
                uint16_t length);

// The program's own words for a request that sendToLink could not send,
// shown where the text of a sent request would have been. (A command's
// journalled request has its own line with the command's title.)
inline constexpr char kMessageNotSentText[] = "Сообщение не отправлено на станцию: нет связи";
// What to show after a send: the window's sent text, or the not-sent one.
inline const char* sentOrNotText(bool sent, const char* sentText) {
    return sent ? sentText : kMessageNotSentText;
}

// Start and stop steps: the router is created after the debug streams and
// deleted at shutdown after the report logs.
int createRouter();
void destroyRouter();
// One poll's receive step (nothing without a router).
int routerReceiveMessages(bool fromUdp = true);
// Whether the last receive step ended on its budget with frames maybe waiting.
bool routerFramesLeft();
// While a received frame is delivered on the bus: the word in its first two
// reserved header bytes (little-endian), which some senders use to number
// what the frame belongs to; 0 for messages delivered without a frame.
uint16_t deliveredFrameWord();
