#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/kop_card.h"
#include "link/router.h"
#include "link/udp_transport.h"
#include "peer/fake_card_setup.h"
#include "peer/recording_receiver.h"
#include "peer/stand_in_exchange.h"
#include "peer/work_dir.h"
#include "shell/poll_loop.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A whole frame of `size` bytes (at least 11) whose code carries a tag.
Bytes frameOfSize(int size, uint8_t tag = 0) {
    return platform::FakeKopCard::frame(150, 16408, 28673, tag, Bytes(size_t(size - 11), tag));
}

void queue(const Bytes& frame) {
    kopQueueFrame(frame.data(), static_cast<int>(frame.size()));
}

class KopCard : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(kopOpen(), 0); }
    // Polls until nothing more is written; the frames the card took, in order.
    std::vector<Bytes> drain() {
        for (size_t before = ~size_t(0); before != fake.card.written.size();) {
            before = fake.card.written.size();
            kopPoll();
        }
        std::vector<Bytes> frames;
        for (const auto& f : fake.card.frames) frames.push_back(f.bytes);
        return frames;
    }
    ScopedFakeCard fake;
};

struct PackingCase {
    int firstFrame;    // bytes of the frame that sets the fill position
    int fillingBlock;  // block being filled after a 280-byte frame follows
    int fillPosition;  // fill position after it
};

TEST_F(KopCard, FrameFitsUpToTheLastByteOfABlock) {
    const PackingCase cases[] = {
        {3812, 0, 3813 + 281},  // fill 3813: 3813 + 280 + 3 = 4096 fits
        {3813, 1, 281},         // fill 3814: the frame opens the next block
    };
    for (const PackingCase& c : cases) {
        ASSERT_EQ(kopOpen(), 0);
        const Bytes first = frameOfSize(c.firstFrame, 1), second = frameOfSize(280, 2);
        queue(first);
        queue(second);
        EXPECT_EQ(kopFillingBlock(), c.fillingBlock) << c.firstFrame;
        EXPECT_EQ(kopFillPosition(), c.fillPosition) << c.firstFrame;
        EXPECT_EQ(drain(), (std::vector<Bytes>{first, second})) << c.firstFrame;
        // A full block goes out whole, the block being filled as its used part.
        ASSERT_FALSE(fake.card.written.empty());
        EXPECT_EQ(fake.card.written[0].size(), c.fillingBlock == 1 ? 4096u : 3813u + 281 + 2);
        kopClose();
        fake.card.written.clear();
        fake.card.frames.clear();
    }
}

TEST_F(KopCard, FullRingDropsWhatNeedsANewBlockButTakesWhatFits) {
    std::vector<Bytes> sent;
    for (int i = 0; i < kKopRingBlocks; ++i) {
        sent.push_back(frameOfSize(4000, uint8_t(i)));
        queue(sent.back());
    }
    EXPECT_EQ(kopFillingBlock(), kKopRingBlocks - 1);
    EXPECT_EQ(kopOldestBlock(), 0);
    queue(frameOfSize(4000, 200));  // needs a new block: the ring is full
    queue(frameOfSize(4094, 201));  // can never fit a block
    sent.push_back(frameOfSize(90, 202));
    queue(sent.back());  // 4001 + 90 + 3 = 4094 still fits the block being filled
    EXPECT_EQ(kopFillingBlock(), kKopRingBlocks - 1);
    EXPECT_EQ(drain(), sent);
    EXPECT_EQ(fake.card.written.size(), size_t(kKopRingBlocks));
}

TEST_F(KopCard, FailedTransfersAreRepeatedAtTheNextPoll) {
    const Bytes frame = frameOfSize(40, 7);
    queue(frame);
    fake.card.failWrites = 1;
    fake.card.failReads = 1;
    fake.card.blocksToRead.push_back(platform::FakeKopCard::block({frameOfSize(20, 9)}));
    kopPoll();
    EXPECT_TRUE(fake.card.written.empty());
    uint8_t buffer[1000];
    uint32_t length = 0;
    EXPECT_EQ(kopNextFrame(buffer, 1000, &length), -1);
    kopPoll();
    ASSERT_EQ(fake.card.frames.size(), 1u);
    EXPECT_EQ(fake.card.frames[0].bytes, frame);
    ASSERT_EQ(kopNextFrame(buffer, 1000, &length), 0);
    EXPECT_EQ(length, 20u);
    kopPoll();  // nothing queued: nothing written
    EXPECT_EQ(fake.card.written.size(), 1u);
}

struct ReceiveCase {
    const char* name;
    Bytes block;
    std::vector<uint32_t> sizes;  // frames delivered before the block ends
};

Bytes cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST_F(KopCard, ReceivedBlockIsParsedWithinTheBytesRead) {
    using platform::FakeKopCard;
    const Bytes f20 = frameOfSize(20), f1000 = frameOfSize(1000), f1001 = frameOfSize(1001);
    Bytes noMarker = FakeKopCard::block({f20, f20});
    noMarker[20] = 0x54;
    Bytes cut = FakeKopCard::block({f20, f20});
    cut.resize(21 + 15);  // the second entry runs past the bytes read
    Bytes full;           // entries to the block's last byte, no end marker
    while (full.size() + 21 <= 4096) full = cat({full, f20, {0x55}});
    full.resize(4096, 0x55);
    const ReceiveCase cases[] = {
        {"zero length first", FakeKopCard::block({}), {}},
        {"empty read", {}, {}},
        {"one byte read", {5}, {}},
        {"1000 bytes fit the buffer", FakeKopCard::block({f1000, f20}), {1000, 20}},
        {"1001 bytes end the block", FakeKopCard::block({f20, f1001, f20}), {20}},
        {"missing marker", noMarker, {}},
        {"entry past the data", cut, {20}},
        {"no end marker", full, std::vector<uint32_t>(full.size() / 21, 20)},
    };
    for (const ReceiveCase& c : cases) {
        fake.card.blocksToRead.push_back(c.block);
        const int readsBefore = fake.card.reads;
        kopPoll();
        std::vector<uint32_t> sizes;
        uint8_t buffer[1000];
        uint32_t length = 0;
        while (kopNextFrame(buffer, 1000, &length) == 0) sizes.push_back(length);
        EXPECT_EQ(sizes, c.sizes) << c.name;
        kopPoll();  // the block is finished: the next poll reads again
        EXPECT_EQ(fake.card.reads, readsBefore + 2) << c.name;
    }
}

TEST_F(KopCard, ClosedCardDoesNothing) {
    kopClose();
    queue(frameOfSize(20));
    fake.card.blocksToRead.push_back(platform::FakeKopCard::block({frameOfSize(20)}));
    kopPoll();
    uint8_t buffer[1000];
    uint32_t length = 0;
    EXPECT_EQ(kopNextFrame(buffer, 1000, &length), -1);
    EXPECT_EQ(fake.card.reads, 0);
    fake.card.present = false;
    EXPECT_EQ(kopOpen(), -1);
    EXPECT_FALSE(kopIsOpen());
}

TEST_F(KopCard, DirectWritesRetryForAHundredMillisecondsReadsForAHundredSeconds) {
    const Bytes block = platform::FakeKopCard::block({frameOfSize(20)});
    const int n = static_cast<int>(block.size());
    fake.card.retryStepMs = 10;
    fake.card.failWrites = 5;
    EXPECT_EQ(kopWrite(block.data(), n), 1);
    fake.card.failWrites = 1000;
    const int32_t start = programClock();
    EXPECT_EQ(kopWrite(block.data(), n), 0);
    EXPECT_EQ(programClock() - start, 100);

    fake.card.retryStepMs = 1000;
    uint8_t in[kKopBlockBytes];
    int got = -1;
    const int32_t readStart = programClock();
    EXPECT_EQ(kopRead(in, &got), 0);
    EXPECT_EQ(got, 0);
    EXPECT_EQ(programClock() - readStart, 100000);
    fake.card.failReads = 3;
    fake.card.blocksToRead.push_back(block);
    EXPECT_EQ(kopRead(in, &got), 1);
    EXPECT_EQ(got, n);
}

TEST_F(KopCard, BuildKopFrameHoldsOneFrameAndBothMarkers) {
    ownAddress = 28674;
    uint8_t block[kKopBlockBytes];
    const uint8_t payload[3] = {0xC4, 0x09, 0x00};
    ASSERT_EQ(buildKopFrame(block, 137, 1, 3, payload), 17);
    const Bytes expected = {12, 0, 137, 0, 0, 0x02, 0x70, 0, 0, 0, 1, 0xC4, 0x09, 0x00, 0x55, 0, 0};
    EXPECT_EQ(Bytes(block, block + 17), expected);
    const Bytes big(kKopBlockBytes, 1);
    EXPECT_EQ(buildKopFrame(block, 137, 2, kKopBlockBytes - 14, big.data()), kKopBlockBytes);
    EXPECT_EQ(buildKopFrame(block, 137, 2, kKopBlockBytes - 13, big.data()), -1);
    ownAddress = kFirstWorkstationAddress;
}

// A gateway: its own address is local and everything else goes to the card.
const char* const kGatewayIni =
    "[Usmeravanja]\nBrojORa=28673\nBrojUsmeravanja=2\n"
    "[Usmeravanja\\Usmerenje1]\nUsmeravanje=Lokal\nDPC=28673\n"
    "[Usmeravanja\\Usmerenje2]\nUsmeravanje=KOP\nDPC=0\n";

// A poll takes every frame of the block it read, the card's before the
// datagram waiting on the LAN; the next block comes at the next poll.
TEST(KopCardPoll, CardFramesBeforeUdpEveryFrameOfTheBlockAPoll) {
    ScopedFakeCard fake;
    fake.card.present = false;  // the router comes up without the card ...
    ScopedWorkDir dir;
    dir.write("modem.ini", kGatewayIni);
    udpLocalPort = 0;
    createRouter();
    fake.card.present = true;  // ... which is opened here, without a program load
    ASSERT_EQ(kopOpen(), 0);
    std::vector<Bytes> first, second;
    for (int i = 0; i < 30; ++i)
        first.push_back(platform::FakeKopCard::frame(150, 28673, 16408, uint8_t(i), {}));
    for (int i = 0; i < 5; ++i)
        second.push_back(platform::FakeKopCard::frame(150, 28673, 16408, uint8_t(100 + i), {}));
    fake.card.blocksToRead.push_back(platform::FakeKopCard::block(first));
    fake.card.blocksToRead.push_back(platform::FakeKopCard::block(second));
    StandInExchange lan;
    lan.setWorkstationPort(udpBoundPort());
    lan.sendFrame(150, 28673, 16408, 200, {});
    RecordingReceiver rec(150);
    const size_t expected[] = {31, 36, 36};
    const int reads[] = {1, 2, 3};
    for (int poll = 0; poll < 3; ++poll) {
        pollServices();
        EXPECT_EQ(rec.messages.size(), expected[poll]) << poll;
        EXPECT_EQ(fake.card.reads, reads[poll]) << poll;
    }
    std::vector<int> codes;
    for (const auto& m : rec.messages) codes.push_back(m.code);
    std::vector<int> order;
    for (int i = 0; i < 30; ++i) order.push_back(i);
    order.push_back(200);
    for (int i = 100; i < 105; ++i) order.push_back(i);
    EXPECT_EQ(codes, order);
    // A message for the exchange goes onto the card at the next poll.
    router->sendMessage(160, 16408, 5, nullptr, 0);
    pollServices();
    ASSERT_EQ(fake.card.frames.size(), 1u);
    EXPECT_EQ(fake.card.frames[0].type, 160);
    EXPECT_EQ(fake.card.frames[0].source, 28673);
    // A poll of the card only (the event loop watches the socket) takes the
    // card's frames and leaves the socket's for the poll the socket starts.
    fake.card.blocksToRead.push_back(
        platform::FakeKopCard::block({platform::FakeKopCard::frame(150, 28673, 16408, 7, {})}));
    lan.sendFrame(150, 28673, 16408, 201, {});
    rec.messages.clear();
    pollServices(false);
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(rec.messages[0].code, 7);
    pollServices();
    ASSERT_EQ(rec.messages.size(), 2u);
    EXPECT_EQ(rec.messages[1].code, 201);
    destroyRouter();
    udpLocalPort = 6666;
    EXPECT_FALSE(kopIsOpen());
}

}  // namespace
