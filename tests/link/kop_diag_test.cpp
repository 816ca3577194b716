#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "link/kop_card.h"
#include "link/kop_diag.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/udp_transport.h"
#include "peer/fake_card_setup.h"
#include "peer/recording_boxes.h"
#include "peer/recording_receiver.h"
#include "peer/work_dir.h"
#include "platform/speaker.h"
#include "shell/poll_loop.h"

namespace {

using Bytes = std::vector<uint8_t>;
using TypeCode = std::pair<uint8_t, uint8_t>;
using platform::FakeKopCard;

std::vector<TypeCode> typesAndCodes(const FakeKopCard& card) {
    std::vector<TypeCode> out;
    for (const auto& f : card.frames) out.push_back({f.type, f.code});
    return out;
}

Bytes program(size_t size) {
    Bytes image(size);
    for (size_t i = 0; i < size; ++i) image[i] = uint8_t(i * 7 + 3);
    return image;
}

class CardLoader : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(kopOpen(), 0);
        fake.card.actAsLoader = true;
    }
    ScopedFakeCard fake;
};

TEST_F(CardLoader, FullSequenceForAProgramOf2500Bytes) {
    ownAddress = 28673;
    fake.card.readiness = {0, 0, 0};
    const Bytes image = program(2500);
    ASSERT_EQ(kopLoadFirmware(image.data(), uint32_t(image.size())), 0);

    const std::vector<TypeCode> expected = {{137, 1}, {137, 2}, {137, 2}, {137, 2},
                                            {137, 3}, {137, 4}, {138, 65}};
    EXPECT_EQ(typesAndCodes(fake.card), expected);
    EXPECT_EQ(fake.card.written.size(), expected.size());  // one frame per block
    const std::vector<size_t> payloads = {3, 1000, 1000, 500, 0, 0, 3};
    for (size_t i = 0; i < payloads.size(); ++i) {
        EXPECT_EQ(fake.card.frames[i].payload.size(), payloads[i]) << i;
        EXPECT_EQ(fake.card.frames[i].destination, 0) << i;
        EXPECT_EQ(fake.card.frames[i].source, 28673) << i;
    }
    EXPECT_EQ(fake.card.frames[0].payload, (Bytes{0xC4, 0x09, 0x00}));
    EXPECT_EQ(fake.card.frames[6].payload, (Bytes{0x01, 0x01, 0x00}));
    EXPECT_EQ(fake.card.loaded, image);

    std::vector<uint32_t> requests;
    for (const auto& r : fake.card.requests) requests.push_back(r.code);
    EXPECT_EQ(requests,
              (std::vector<uint32_t>{kKopRequestLoad, kKopRequestReady, kKopRequestReady,
                                     kKopRequestReady, kKopRequestReady, kKopRequestRelease}));
    EXPECT_EQ(fake.card.requests.front().input, Bytes{1});
    EXPECT_EQ(fake.card.requests.back().input, Bytes{1});
}

struct LoadFailure {
    const char* name;
    std::function<void(FakeKopCard&)> setup;
    std::vector<TypeCode> frames;  // what reached the card before the load gave up
};

TEST_F(CardLoader, EveryFailedStepFailsTheLoad) {
    const auto answerOnly = [](uint8_t code, Bytes answer) {
        return [code, answer](FakeKopCard& card) {
            card.actAsLoader = false;
            card.retryStepMs = 1000;
            card.onFrame = [code, answer](const FakeKopCard::Frame& f, FakeKopCard& c) {
                if (f.type == 137 && f.code == code) c.blocksToRead.push_back(answer);
            };
        };
    };
    Bytes cutAnswer = FakeKopCard::block({FakeKopCard::frame(137, 0, 0, 0x81, {2})});
    cutAnswer.resize(11);  // the read ends before the payload its length claims
    const std::vector<TypeCode> upToData = {{137, 1}, {137, 2}, {137, 2}, {137, 2}};
    std::vector<TypeCode> upToEnd = upToData;
    upToEnd.push_back({137, 3});
    std::vector<TypeCode> upToStart = upToEnd;
    upToStart.push_back({137, 4});
    std::vector<TypeCode> all = upToStart;
    all.push_back({138, 65});

    const LoadFailure cases[] = {
        {"card closed", [](FakeKopCard&) { kopClose(); }, {}},
        {"load request refused", [](FakeKopCard& c) { c.refusedRequest = kKopRequestLoad; }, {}},
        {"ready request refused", [](FakeKopCard& c) { c.refusedRequest = kKopRequestReady; }, {}},
        {"never ready", [](FakeKopCard& c) { c.readyWhenEmpty = 0; }, {}},
        {"size refused", [](FakeKopCard& c) { c.sizeStatus = 1; }, {{137, 1}}},
        {"size answer without payload",
         answerOnly(1, FakeKopCard::block({FakeKopCard::frame(137, 0, 0, 0x81, {})})),
         {{137, 1}}},
        {"size answer cut short", answerOnly(1, cutAnswer), {{137, 1}}},
        {"size answer with the request's code",
         answerOnly(1, FakeKopCard::block({FakeKopCard::frame(137, 0, 0, 0x01, {2})})),
         {{137, 1}}},
        {"no size answer", answerOnly(9, {}), {{137, 1}}},
        {"data write fails",
         [](FakeKopCard& c) {
             c.onFrame = [](const FakeKopCard::Frame& f, FakeKopCard& card) {
                 if (f.code == 1) card.failWrites = 1000;
             };
         },
         {{137, 1}}},
        {"wrong sum", [](FakeKopCard& c) { c.sumDelta = 1; }, upToEnd},
        {"no start answer",
         [](FakeKopCard& c) {
             c.retryStepMs = 1000;
             c.onFrame = [](const FakeKopCard::Frame& f, FakeKopCard& card) {
                 if (f.code == 4) card.blocksToRead.pop_back();
             };
         },
         upToStart},
        {"release refused", [](FakeKopCard& c) { c.refusedRequest = kKopRequestRelease; }, all},
    };
    const Bytes image = program(2500);
    for (const LoadFailure& c : cases) {
        kopClose();
        ASSERT_EQ(kopOpen(), 0);
        FakeKopCard& card = fake.card;
        card.frames.clear();
        card.blocksToRead.clear();
        card.onFrame = nullptr;
        card.actAsLoader = true;
        card.refusedRequest = 0;
        card.readyWhenEmpty = 1;
        card.sizeStatus = 2;
        card.sumDelta = 0;
        card.failWrites = 0;
        card.retryStepMs = 10;
        c.setup(card);
        EXPECT_EQ(kopLoadFirmware(image.data(), uint32_t(image.size())), -1) << c.name;
        EXPECT_EQ(typesAndCodes(card), c.frames) << c.name;
    }
    EXPECT_EQ(kopLoadFirmware(image.data(), kMaxKopProgram + 1), -1);
}

// A gateway: its own address is local and everything else goes to the card.
const char* const kGatewayIni =
    "[Usmeravanja]\nBrojORa=28673\nBrojUsmeravanja=2\n"
    "[Usmeravanja\\Usmerenje1]\nUsmeravanje=Lokal\nDPC=28673\n"
    "[Usmeravanja\\Usmerenje2]\nUsmeravanje=KOP\nDPC=0\n";

// A gateway router over the fake card, with the program file in place.
class CardRouter : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("modem.ini", kGatewayIni);
        udpLocalPort = 0;
        fake.card.actAsLoader = true;
        platform::setSpeaker(&speaker);
    }
    void TearDown() override {
        destroyRouter();
        udpLocalPort = 6666;
        platform::setSpeaker(nullptr);
    }
    int sizeFrames() const {
        int n = 0;
        for (const auto& f : fake.card.frames) n += f.type == 137 && f.code == 1;
        return n;
    }
    ScopedFakeCard fake;
    ScopedWorkDir dir;
    RecordingBoxes boxes;
    platform::RecordingSpeaker speaker;
};

struct StartCase {
    const char* name;
    bool card;
    std::optional<std::string> program;  // no value: no "kopcar.prg"
    uint8_t sizeStatus;
    std::vector<std::string> boxes;
    int loads;  // size frames sent
    bool watchdogActive;
};

TEST_F(CardRouter, ProgramIsLoadedOnlyWhenTheCardOpens) {
    const StartCase cases[] = {
        {"no card", false, std::string("prog"), 2, {}, 0, false},
        {"card and program", true, std::string("prog"), 2, {}, 1, true},
        {"no program file", true, std::nullopt, 2, {textById(25925)}, 0, true},
        {"empty program file", true, std::string(), 2, {textById(25925)}, 0, true},
        {"size refused", true, std::string("prog"), 1, {textById(25926)}, 1, true},
    };
    for (const StartCase& c : cases) {
        fake.card.present = c.card;
        fake.card.sizeStatus = c.sizeStatus;
        fake.card.frames.clear();
        fake.card.requests.clear();
        boxes.boxes.clear();
        if (c.program)
            dir.write("kopcar.prg", *c.program);
        else
            std::remove((dir.path() + "/kopcar.prg").c_str());
        createRouter();
        std::vector<std::string> texts;
        for (const auto& b : boxes.boxes) texts.push_back(b.text);
        EXPECT_EQ(texts, c.boxes) << c.name;
        EXPECT_EQ(sizeFrames(), c.loads) << c.name;
        if (c.loads == 0) EXPECT_TRUE(fake.card.requests.empty()) << c.name;
        ASSERT_NE(kopDiag, nullptr) << c.name;
        EXPECT_EQ(kopDiag->active, c.watchdogActive ? 1 : 0) << c.name;
        destroyRouter();
        EXPECT_EQ(kopDiag, nullptr) << c.name;
        EXPECT_FALSE(kopIsOpen()) << c.name;
    }
}

TEST_F(CardRouter, FiveMissedProbesLeadToAReload) {
    dir.write("kopcar.prg", "program");
    createRouter();
    ASSERT_EQ(sizeFrames(), 1);
    RecordingReceiver lines(136);
    int probes = 0;
    for (int tick = 1; tick <= 6; ++tick) {
        fake.clock.advance(1000);
        pollServices();
        EXPECT_EQ(sizeFrames(), tick < 6 ? 1 : 2) << tick;
        probes = 0;
        for (const auto& f : fake.card.frames)
            probes += f.type == 141 && f.code == 35 && f.destination == 1;
        EXPECT_EQ(probes, tick - 1) << tick;  // each probe reaches the card at the next poll
    }
    ASSERT_EQ(lines.messages.size(), 1u);
    EXPECT_EQ(lines.messages[0].code, 255);
    EXPECT_EQ(lines.messages[0].text(), textById(25927));
    EXPECT_EQ(speaker.tones, (std::vector<platform::RecordingSpeaker::Tone>{{1200, 200}}));
    EXPECT_EQ(kopDiag->missed, 1);
}

TEST_F(CardRouter, AnsweredProbesNeverReload) {
    dir.write("kopcar.prg", "program");
    fake.card.answerProbes = true;
    createRouter();
    for (int tick = 1; tick <= 20; ++tick) {
        fake.clock.advance(1000);
        pollServices();
        EXPECT_LE(kopDiag->missed, 2) << tick;
    }
    EXPECT_EQ(sizeFrames(), 1);
    EXPECT_TRUE(speaker.tones.empty());
    EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
