#include "link/router.h"

#include <cstdio>
#include <cstring>

#include "link/kop_card.h"
#include "link/kop_diag.h"
#include "link/message_bus.h"
#include "link/text_lines.h"
#include "link/udp_transport.h"
#include "utils/bytes.h"
#include "utils/ini_file.h"
#include "utils/status_cells.h"

uint16_t ownAddress = kFirstWorkstationAddress;
TKopCls* router = nullptr;

int32_t routerReceiveBudgetMs = 20;

namespace {
constexpr uint32_t kTrafficPeriodMs = 1000;

// The header word of the frame being delivered; saved and restored around
// each delivery so that nested polls and local sends see their own.
uint16_t deliveredWord = 0;

void deliver(uint16_t word, uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
             int length) {
    const uint16_t outer = deliveredWord;
    deliveredWord = word;
    dispatchMessage(type, key, code, payload, length);
    deliveredWord = outer;
}
}  // namespace

uint16_t deliveredFrameWord() {
    return deliveredWord;
}

int buildBusFrame(uint8_t type, uint16_t destination, uint16_t source, uint8_t code,
                  const uint8_t* payload, int length, uint8_t* out) {
    if (length < 0 || length > kMaxSentPayload) return -1;
    ByteWriter w(out, kMaxSentFrame);
    w.u16le(static_cast<uint16_t>(length + 9));
    w.u8(type);
    w.u16le(destination);
    w.u16le(source);
    w.zeros(3);
    w.u8(code);
    w.bytes(payload, static_cast<size_t>(length));
    return w.ok() ? static_cast<int>(w.size()) : -1;
}

bool parseBusFrame(const uint8_t* bytes, int n, SBusFrame& frame) {
    if (n < 0) return false;
    ByteReader r(bytes, static_cast<size_t>(n));
    frame.length = r.u16le();
    frame.type = r.u8();
    frame.destination = r.u16le();
    frame.source = r.u16le();
    r.bytes(frame.reserved, sizeof frame.reserved);
    frame.code = r.u8();
    if (!r.ok() || frame.length < 9 || frame.length + 2 > n) return false;
    frame.payload = r.current();
    frame.payloadLength = frame.length - 9;
    return true;
}

TKopCls::TKopCls() {
    readRoutes();
    if (kopOpen() == 0) loadKopFirmware();
    udpOpen();
    createKopDiag();
    setTimer(this, kTrafficPeriodMs);
    bytesSent = 0;
    bytesReceived = 0;
}

TKopCls::~TKopCls() {
    destroyKopDiag();
    udpClose();
    kopClose();
    killTimers(this);
}

const SRoute* TKopCls::chooseRoute(uint16_t destination, bool sourceKnown) const {
    for (uint32_t i = 0; i < routeCount; ++i) {
        const SRoute& r = routes[i];
        if (r.address == destination || (r.address == 0 && sourceKnown)) return &r;
    }
    return nullptr;
}

bool TKopCls::isKnownSource(uint16_t source) const {
    for (uint32_t i = 0; i < routeCount; ++i)
        if (routes[i].address == source) return true;
    return false;
}

int TKopCls::sendMessage(uint8_t type, uint16_t destination, uint8_t code, const uint8_t* payload,
                         uint16_t length) {
    const SRoute* route = chooseRoute(destination, true);
    if (route == nullptr) return -1;
    if (route->kind == rkLokal) {
        deliver(0, type, destination, code, payload, length);
        return 0;
    }
    // The frame lives on this call's stack: a send from inside a receiver
    // never touches a buffer of the receive path.
    uint8_t frame[kMaxSentFrame];
    const int size = buildBusFrame(type, destination, ownAddress, code, payload, length, frame);
    if (size < 0) return -1;
    return forwardFrame(route, frame, size) ? 0 : -1;
}

bool TKopCls::forwardFrame(const SRoute* route, const uint8_t* frame, int frameBytes) {
    bytesSent += static_cast<uint32_t>(frameBytes) + 2;
    if (route->kind == rkTcpIp)
        return udpSend(ipv4Address(route->ip[0], route->ip[1], route->ip[2], route->ip[3]), frame,
                       frameBytes);
    if (route->kind == rkKop) kopQueueFrame(frame, frameBytes);
    return true;
}

// Frames left in the socket are lost when it fills up, so a pass takes every
// waiting frame, in arrival order, and stops at the first empty read; only
// its time budget ends it earlier, and then the poll comes back for the rest.
int TKopCls::receiveMessages(bool fromUdp) {
    const int32_t start = programClock();
    int taken = 0;
    framesLeft = false;
    for (;;) {
        // Each frame has its own buffer: a receiver that opens a modal dialog
        // runs nested polls that must not overwrite the frame it is reading.
        uint8_t buffer[kMaxReceivedFrame];
        uint32_t cardLength = 0;
        int n = -1;
        if (kopNextFrame(buffer, kMaxReceivedFrame, &cardLength) == 0) {
            n = static_cast<int>(cardLength > kMaxReceivedFrame ? kMaxReceivedFrame : cardLength);
        } else {
            if (!fromUdp) break;
            uint32_t sender = 0;
            n = udpReceive(&sender, buffer, kMaxReceivedFrame);
            if (n == -1) break;
        }
        if (n == -2) {
            ++droppedFrames;
        } else {
            ++taken;
            handleReceivedFrame(buffer, n);
        }
        const int32_t spent = static_cast<int32_t>(static_cast<uint32_t>(programClock()) -
                                                   static_cast<uint32_t>(start));
        if (spent >= routerReceiveBudgetMs) {
            framesLeft = true;
            break;
        }
    }
    return taken;
}

void TKopCls::handleReceivedFrame(const uint8_t* bytes, int n) {
    SBusFrame frame;
    if (!parseBusFrame(bytes, n, frame)) {
        bytesReceived += static_cast<uint32_t>(n);
        ++droppedFrames;
        return;
    }
    const int size = frame.length + 2;
    bytesReceived += static_cast<uint32_t>(size);
    const SRoute* route = chooseRoute(frame.destination, isKnownSource(frame.source));
    if (route == nullptr) return;
    if (route->kind == rkLokal)
        deliver(static_cast<uint16_t>(frame.reserved[0] | frame.reserved[1] << 8), frame.type,
                frame.source, frame.code, frame.payload, frame.payloadLength);
    else
        forwardFrame(route, bytes, size);
}

void TKopCls::readRoutes() {
    KINIFile ini(".\\modem.ini");
    ini.open();
    ownAddress =
        static_cast<uint16_t>(ini.getInt("Usmeravanja", "BrojORa", kFirstWorkstationAddress));
    const int declared = ini.getInt("Usmeravanja", "BrojUsmeravanja", 0);
    const int count = declared > kMaxRoutes ? kMaxRoutes : declared;
    routeCount = 0;
    for (int n = 1; n <= count; ++n) {
        char section[64];
        std::snprintf(section, sizeof section, "Usmeravanja\\Usmerenje%d", n);
        char kind[20];
        ini.getString(section, "Usmeravanje", "", kind, sizeof kind);
        SRoute route;
        if (std::strcmp(kind, "Lokal") == 0) {
            route.kind = rkLokal;
        } else if (std::strcmp(kind, "KOP") == 0) {
            route.kind = rkKop;
        } else if (std::strcmp(kind, "TCP-IP") == 0) {
            char text[20];
            ini.getString(section, "IPAdresa", "", text, sizeof text);
            unsigned a = 0, b = 0, c = 0, d = 0;
            char extra = 0;
            if (std::sscanf(text, "%u.%u.%u.%u%c", &a, &b, &c, &d, &extra) != 4) break;
            route.kind = rkTcpIp;
            route.ip[0] = static_cast<uint8_t>(a);
            route.ip[1] = static_cast<uint8_t>(b);
            route.ip[2] = static_cast<uint8_t>(c);
            route.ip[3] = static_cast<uint8_t>(d);
        } else {
            break;  // an unknown kind ends the table
        }
        route.address = static_cast<uint16_t>(ini.getInt(section, "DPC", 0));
        routes[routeCount++] = route;
    }
}

void TKopCls::onTimer(const STimerEvent*) {
    reportLostFrames();
    char text[32];
    std::snprintf(text, sizeof text, "%5d:%5d", static_cast<int>(bytesSent),
                  static_cast<int>(bytesReceived));
    setStatusCellTextLeft(linkTrafficCell, text);
    setTimer(this, kTrafficPeriodMs);
    bytesSent = 0;
    bytesReceived = 0;
}

// Frames the kernel dropped because the socket's buffer was full are told to
// the operator, at most once a traffic period.
void TKopCls::reportLostFrames() {
    const uint32_t lost = udpLostFrames();
    if (lost == reportedLostFrames) return;
    char line[96];
    std::snprintf(line, sizeof line, "Потеряно сообщений из канала связи: %u",
                  static_cast<unsigned>(lost - reportedLostFrames));
    reportedLostFrames = lost;
    postTextLine(kLineLocal, line, kTypeOperator);
}

bool sendToLink(uint8_t type, uint16_t destination, uint8_t code, const uint8_t* payload,
                uint16_t length) {
    return router != nullptr && router->sendMessage(type, destination, code, payload, length) >= 0;
}

int createRouter() {
    if (router == nullptr) router = new TKopCls();
    return 0;
}

void destroyRouter() {
    delete router;
    router = nullptr;
}

int routerReceiveMessages(bool fromUdp) {
    return router ? router->receiveMessages(fromUdp) : 0;
}

bool routerFramesLeft() {
    return router != nullptr && router->framesLeft;
}
