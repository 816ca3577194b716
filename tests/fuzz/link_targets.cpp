// Targets of the link: frames as the router takes them, card blocks, and the
// coded catalogue messages the exchange sends as text.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_targets.h"
#include "texts/catalogue_message.h"
#include "link/kop_card.h"
#include "link/router.h"
#include "link/timer_pool.h"
#include "link/udp_transport.h"
#include "fuzz/fuzz_fixtures.h"
#include "peer/recording_receiver.h"
#include "platform/kop_device.h"
#include "platform/tick.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint16_t kOwnAddress = 28673;

// Sends the bytes as one datagram to the router's port on the loopback address.
void sendDatagram(const uint8_t* bytes, size_t size) {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) return;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(udpBoundPort());
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sendto(fd, bytes, size, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    close(fd);
}

}  // namespace

// A received frame: parsed within its bytes, built back the same, and
// delivered (or relayed) by the router as it came.
void fuzzLinkFrame(const uint8_t* data, size_t size) {
    // The card hands over frames that fit the receive buffer.
    const size_t n = size > kMaxReceivedFrame ? kMaxReceivedFrame : size;
    Bytes frameBytes(data, data + n);  // exactly the input: ASan sees any read past it
    SBusFrame frame;
    const bool parsed = parseBusFrame(frameBytes.data(), static_cast<int>(n), frame);
    if (parsed) {
        FUZZ_CHECK(frame.length >= 9 && frame.length + 2u <= n);
        FUZZ_CHECK(frame.payload == frameBytes.data() + kFrameHeaderBytes);
        FUZZ_CHECK(frame.payloadLength == frame.length - 9);
        if (frame.payloadLength <= kMaxSentPayload) {
            uint8_t built[kMaxSentFrame];
            const int bytes = buildBusFrame(frame.type, frame.destination, frame.source, frame.code,
                                            frame.payload, frame.payloadLength, built);
            FUZZ_CHECK(bytes == frame.length + 2);
            Bytes expected(frameBytes.begin(), frameBytes.begin() + bytes);
            std::memset(expected.data() + 7, 0, 3);  // the reserved bytes go out as zeros
            FUZZ_CHECK(std::memcmp(built, expected.data(), static_cast<size_t>(bytes)) == 0);
        }
    }
    CardRouter link;
    RecordingReceiver received(n > 2 ? frameBytes[2] : 0);
    // The bytes come in as one datagram, as from the exchange or a workstation.
    sendDatagram(frameBytes.data(), n);
    router->receiveMessages();
    kopPoll();  // a relayed frame goes out on the card
    if (!parsed) {
        FUZZ_CHECK(received.messages.empty());
        FUZZ_CHECK(link.card.frames.empty());
        FUZZ_CHECK(router->droppedFrames == 1);
        return;
    }
    const Bytes payload(frame.payload, frame.payload + frame.payloadLength);
    if (frame.destination == kOwnAddress) {
        FUZZ_CHECK(received.messages.size() == 1);
        FUZZ_CHECK(received.messages[0].key == frame.source);
        FUZZ_CHECK(received.messages[0].code == frame.code);
        FUZZ_CHECK(received.messages[0].payload == payload);
    } else {
        FUZZ_CHECK(received.messages.empty());
        for (const auto& relayed : link.card.frames)
            FUZZ_CHECK(relayed.bytes ==
                       Bytes(frameBytes.begin(), frameBytes.begin() + frame.length + 2));
    }
}

// A block read from the card: its entries come out in order, each a copy of
// the block's bytes, and end at the first entry that is not whole.
void fuzzCardBlock(const uint8_t* data, size_t size) {
    const size_t n = size > static_cast<size_t>(kKopBlockBytes) ? kKopBlockBytes : size;
    CardRouter link;
    link.card.blocksToRead.push_back(Bytes(data, data + n));
    kopPoll();
    size_t position = 0;
    uint8_t buffer[kMaxReceivedFrame];
    uint32_t length = 0;
    while (kopNextFrame(buffer, kMaxReceivedFrame, &length) == 0) {
        FUZZ_CHECK(length >= 2 && length <= static_cast<uint32_t>(kMaxReceivedFrame));
        FUZZ_CHECK(position + length + 1 <= n);
        FUZZ_CHECK(std::memcmp(buffer, data + position, length) == 0);
        FUZZ_CHECK(data[position + length] == kKopEntryMarker);
        position += length + 1;
    }
    // The same block through the router's receive path, up to the bus.
    link.card.blocksToRead.push_back(Bytes(data, data + n));
    RecordingReceiver any(n > 4 ? data[4] : 0);
    for (int poll = 0; poll < 3; ++poll) {
        kopPoll();
        router->receiveMessages();
    }
    for (const auto& m : any.messages) FUZZ_CHECK(m.payload.size() < n);
}

// A coded message "id$field$..." as the exchange sends it, into outputs of
// several sizes: always terminated, never longer than its room, and the
// count returned is the text's length.
void fuzzCodedMessage(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);  // cut at a zero
    for (size_t room : {size_t(1), size_t(7), size_t(80), size_t(600)}) {
        std::vector<char> out(room + 1, '\x7f');
        const int n = formatCodedMessage(out.data(), room, text.c_str());
        FUZZ_CHECK(n >= 0 && static_cast<size_t>(n) < room);
        FUZZ_CHECK(std::strlen(out.data()) == static_cast<size_t>(n));
        FUZZ_CHECK(out[room] == '\x7f');
    }
    // The fields as the arguments of a fixed text, and the strict readers.
    char out[300];
    const int n = formatMessageFromCoded(out, sizeof out, 21021, text.c_str());
    FUZZ_CHECK(std::strlen(out) == static_cast<size_t>(n));
    std::int32_t integer = 0;
    if (parseStrictInt32(text.c_str(), text.size(), integer)) {
        double real = 0;
        FUZZ_CHECK(parseStrictReal(text.c_str(), text.size(), real));
    }
}
