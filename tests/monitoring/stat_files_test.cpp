#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <zlib.h>

#include "monitoring/monitoring_fixtures.h"
#include "monitoring/monitoring_texts.h"
#include "monitoring/stat_files.h"
#include "monitoring/stat_records.h"
#include "utils/bytes.h"

namespace {

struct Frame {
    uint8_t code;
    Bytes payload;
};

Frame open(uint8_t statCase) {
    return {kStatCodeOpen, {statCase}};
}
Frame block(int32_t sequence, const std::string& data) {
    Bytes b(4 + data.size());
    ByteWriter w(b.data(), b.size());
    w.u32le(static_cast<uint32_t>(sequence));
    w.bytes(data.data(), data.size());
    return {kStatCodeBlock, b};
}
Frame checksum(const std::string& data) {
    const uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(data.data()), uInt(data.size()));
    return {kStatCodeChecksum,
            {uint8_t(crc), uint8_t(crc >> 8), uint8_t(crc >> 16), uint8_t(crc >> 24)}};
}
Frame end() {
    return {kStatCodeEnd, {}};
}

class StatFiles : public ::testing::Test, protected MonitoringWorld {
protected:
    StatFiles() {
        answers.addCodeFilter(kStatCodeAnswer);
        createStatFileReceiver();
    }
    ~StatFiles() override { destroyStatFileReceiver(); }
    void send(const std::vector<Frame>& frames) {
        for (const Frame& f : frames)
            dispatchMessage(kTypeStatistics, kExchangeAddress, f.code, f.payload.data(),
                            int(f.payload.size()));
    }
    Bytes answerBytes() const {
        Bytes out;
        for (const auto& m : answers.messages) {
            EXPECT_EQ(m.key, kExchangeAddress);
            EXPECT_EQ(m.payload.size(), 1u);
            out.push_back(m.payload.empty() ? 0xFF : m.payload[0]);
        }
        return out;
    }
    bool exists(const std::string& name) const {
        struct stat st {};
        return lstat((dir.path() + "/" + name).c_str(), &st) == 0;
    }
    RecordingReceiver answers{kTypeStatistics};
};

TEST_F(StatFiles, Transfers) {
    const std::string repeated = withArgs(kText26141, {"1"});
    const struct {
        const char* name;
        std::vector<Frame> frames;
        Bytes answers;
        std::map<std::string, const char*> files;  // null: the file must not exist
        std::vector<std::string> lines;
        size_t tones;
    } cases[] = {
        {"blocks in order with their checksum",
         {open(7), block(0, "abc"), block(1, "defg"), block(2, ""), checksum("abcdefg"), end()},
         {1, 1, 1, 1},
         {{"ppn/stat007.dat", "abcdefg"}},
         {},
         0},
        {"a repeated block is not written again",
         {open(7), block(0, "ab"), block(1, "cd"), block(1, "cd"), block(2, "ef"),
          checksum("abcdef"), end()},
         {1, 1, 1, 1, 1},
         {{"ppn/stat007.dat", "abcdef"}},
         {repeated},
         1},
        {"a block out of order ends the transfer",
         {open(7), block(0, "ab"), block(3, "zz"), block(1, "cd")},
         {1, 1, 0, 0},
         {{"ppn/stat007.dat", "ab"}},
         {kText26140},
         1},
        {"no checksum announced: compared with 0",
         {open(7), block(0, "ab"), end()},
         {1, 1},
         {{"ppn/stat007.dat", "ab"}},
         {kText26142},
         0},
        {"a wrong checksum keeps the file",
         {open(7), block(0, "ab"), checksum("ax"), end()},
         {1, 1},
         {{"ppn/stat007.dat", "ab"}},
         {kText26142},
         0},
        {"end without open is ignored", {end()}, {}, {{"ppn/stat007.dat", nullptr}}, {}, 0},
        {"a block while idle", {block(0, "ab")}, {0}, {{"ppn/stat000.dat", nullptr}}, {}, 0},
        {"a block without its sequence number",
         {open(7), {kStatCodeBlock, {0, 0, 0}}, block(0, "ab")},
         {1, 0, 0},
         {{"ppn/stat007.dat", ""}},
         {kText26140},
         1},
        {"an open without its case", {{kStatCodeOpen, {}}}, {0}, {}, {}, 0},
        {"an open while receiving starts a new file checked alone",
         {open(7), block(0, "ab"), open(8), block(0, "xy"), checksum("xy"), end()},
         {1, 1, 1, 1},
         {{"ppn/stat007.dat", "ab"}, {"ppn/stat008.dat", "xy"}},
         {},
         0},
        {"the same case twice",
         {open(255), block(0, "abc"), checksum("abc"), end(), open(255), block(0, "z"),
          checksum("z"), end()},
         {1, 1, 1, 1},
         {{"ppn/stat255.dat", "z"}},
         {},
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        destroyStatFileReceiver();
        createStatFileReceiver();
        answers.messages.clear();
        operatorLines.messages.clear();
        speaker.tones.clear();
        for (const char* f :
             {"ppn/stat000.dat", "ppn/stat007.dat", "ppn/stat008.dat", "ppn/stat255.dat"})
            std::remove((dir.path() + "/" + f).c_str());
        send(c.frames);
        EXPECT_EQ(answerBytes(), c.answers);
        for (const auto& [name, bytes] : c.files) {
            if (bytes == nullptr) {
                EXPECT_FALSE(exists(name)) << name;
            } else {
                EXPECT_EQ(dir.read(name), bytes) << name;
            }
        }
        EXPECT_EQ(lines(), c.lines);
        EXPECT_EQ(speaker.tones.size(), c.tones);
        for (const auto& t : speaker.tones)
            EXPECT_EQ(t, (platform::RecordingSpeaker::Tone{1500, 100}));
    }
}

TEST_F(StatFiles, AFailedWriteEndsTheTransferAndKeepsWhatWasWritten) {
    // The file may grow to 3 bytes: block 1 reaches it only in part.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    void (*savedSignal)(int) = std::signal(SIGXFSZ, SIG_IGN);
    send({open(9), block(0, "ab")});
    struct rlimit small = saved;
    small.rlim_cur = 3;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    send({block(1, "cd")});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedSignal);
    send({block(2, "ef")});

    EXPECT_EQ(answerBytes(), (Bytes{1, 1, 0, 0}));
    EXPECT_EQ(dir.read("ppn/stat009.dat"), "abc");
    EXPECT_EQ(lines(), std::vector<std::string>{kText23251});
}

TEST_F(StatFiles, AFileThatCannotBeOpenedIsRefused) {
    ASSERT_EQ(mkdir((dir.path() + "/ppn/stat010.dat").c_str(), 0777), 0);  // a folder in its place
    send({open(10), block(0, "ab")});
    EXPECT_EQ(answerBytes(), (Bytes{0, 0}));
    EXPECT_TRUE(lines().empty());
}

TEST_F(StatFiles, DeletingACaseFile) {
    dir.write("ppn/stat012.dat", "x");
    for (const auto& [text, removed] : {std::pair<const char*, bool>{kText25014, true},
                                        std::pair<const char*, bool>{kText25013, false}}) {
        operatorLines.messages.clear();
        deleteStatisticsFile(SParamsStatBris{12});
        EXPECT_FALSE(exists("ppn/stat012.dat"));
        EXPECT_EQ(lines(), std::vector<std::string>{withArgs(text, {"12"})}) << removed;
    }
}

TEST(StatFileName, ThreeDigits) {
    EXPECT_EQ(statFileName(0), "ppn/stat000.dat");
    EXPECT_EQ(statFileName(7), "ppn/stat007.dat");
    EXPECT_EQ(statFileName(255), "ppn/stat255.dat");
}

// ---- records and their events

TEST(StatRecord, DecodesItsFieldsAndRefusesEveryCut) {
    const Bytes bytes = recordBytes(-3, item(13, {}), 3600, 1);
    SStatCallRecord r;
    ASSERT_TRUE(decodeStatCallRecord(bytes.data(), bytes.size(), r));
    EXPECT_EQ(r.callNumber, -3);
    EXPECT_TRUE(r.isTimeMark());
    EXPECT_EQ(r.eventBytes, 2);
    EXPECT_EQ(r.timeOfDay, 3600);
    EXPECT_EQ(r.marker, 1);
    for (size_t cut = 0; cut < bytes.size(); ++cut)
        EXPECT_FALSE(decodeStatCallRecord(bytes.data(), cut, r)) << cut;
}

TEST(StatRecord, EventValuesFollowTheirTemplates) {
    double tariff = 2.5;
    Bytes tariffBytes(8);
    std::memcpy(tariffBytes.data(), &tariff, 8);
    const Bytes events = item(0, Bytes{1} + le32(70001)) +
                         item(33, le16(12) + Bytes{2} + le32(-5) + le32(6), 5) +
                         item(4, {'1', '2', '3', 0}, 10) + item(30, tariffBytes) +
                         item(41, {'1', 0, '2', 0, '3', 0, '4', 0, '5', 0, '6', 0}) + item(13, {});
    const Bytes bytes = recordBytes(1, events, 1000);
    SStatCallRecord r;
    ASSERT_TRUE(decodeStatCallRecord(bytes.data(), bytes.size(), r));

    auto v = [](char c, int32_t i) {
        SStatValue s;
        s.conversion = c;
        s.integer = i;
        return s;
    };
    const struct {
        int8_t kind;
        std::vector<SStatValue> values;
    } expected[] = {
        {0, {v('c', 1), v('l', 70001)}},
        {33, {v('h', 12), v('a', 2), v('l', -5), v('l', 6)}},
        {4, {v('s', 0)}},
        {30, {v('d', 0)}},
        {41, {v('s', 0), v('s', 0), v('s', 0), v('s', 0), v('s', 0), v('s', 0)}},
        {13, {}},
    };
    StatEventReader reader(r);
    SStatEvent e;
    for (const auto& x : expected) {
        ASSERT_TRUE(reader.next(e));
        EXPECT_EQ(e.kind, x.kind);
        std::vector<SStatValue> values;
        ASSERT_TRUE(readStatEventValues(e, values)) << int(x.kind);
        ASSERT_EQ(values.size(), x.values.size()) << int(x.kind);
        for (size_t i = 0; i < values.size(); ++i) {
            EXPECT_EQ(values[i].conversion, x.values[i].conversion);
            if (values[i].conversion != 's' && values[i].conversion != 'd') {
                EXPECT_EQ(values[i].integer, x.values[i].integer);
            }
        }
        if (x.kind == 4) {
            EXPECT_EQ(values[0].text, "123");
        }
        if (x.kind == 30) {
            EXPECT_EQ(values[0].real, 2.5);
        }
        if (x.kind == 41) {
            EXPECT_EQ(values[5].text, "6");
        }
    }
    EXPECT_FALSE(reader.next(e));
    EXPECT_FALSE(reader.bad());

    std::vector<int64_t> times;
    ASSERT_TRUE(statEventTimes(r, times));
    EXPECT_EQ(times, (std::vector<int64_t>{985, 990, 1000, 1000, 1000, 1000}));
}

TEST(StatRecord, EventTimesAtTheLimitsOfTheTimeField) {
    const struct {
        int32_t timeOfDay;
        int16_t delta;
        std::vector<int64_t> times;
    } cases[] = {
        {2147456048, -27600, {2147483648, 2147456048}},
        {INT32_MIN, 32767, {int64_t(INT32_MIN) - 32767, INT32_MIN}},
    };
    for (const auto& c : cases) {
        const Bytes bytes = recordBytes(1, item(13, {}, 10) + item(14, {}, c.delta), c.timeOfDay);
        SStatCallRecord r;
        ASSERT_TRUE(decodeStatCallRecord(bytes.data(), bytes.size(), r));
        std::vector<int64_t> times;
        ASSERT_TRUE(statEventTimes(r, times));
        EXPECT_EQ(times, c.times) << c.timeOfDay;
    }
}

TEST(StatRecord, BadEventAreasAreRefused) {
    SStatCallRecord r;
    const struct {
        const char* name;
        Bytes events;
        int eventBytes;  // -1: the events' length
        bool itemsBad;   // the walk fails
        bool valuesBad;  // the first item's values do not read
    } cases[] = {
        {"an item running past the area in use", item(0, Bytes{1} + le32(5)), 4, true, false},
        {"more bytes in use than the area holds", item(13, {}), 151, true, false},
        {"an item too short for its delta", Bytes{0x81, 14}, -1, true, false},
        {"an empty item", Bytes{0x00}, -1, true, false},
        {"values shorter than the template", item(0, Bytes{1, 2, 3}), -1, false, true},
        {"a text without its zero", item(4, {'1', '2'}), -1, false, true},
        {"a negative array count", item(33, le16(1) + Bytes{0xFF}), -1, false, true},
        {"an array longer than the item", item(33, le16(1) + Bytes{3} + le32(1)), -1, false, true},
        {"an unknown kind", item(42, {}), -1, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes bytes = recordBytes(1, c.events, 100, 0, c.eventBytes);
        ASSERT_TRUE(decodeStatCallRecord(bytes.data(), bytes.size(), r));
        StatEventReader reader(r);
        SStatEvent e;
        const bool read = reader.next(e);
        EXPECT_EQ(!read && reader.bad(), c.itemsBad);
        if (!read) continue;
        std::vector<SStatValue> values;
        EXPECT_EQ(!readStatEventValues(e, values), c.valuesBad);
    }
}

TEST(StatRecord, EveryKindHasItsTemplate) {
    for (int kind = 0; kind < kStatEventKinds; ++kind)
        EXPECT_GE(statEventTextId(kind), 25020) << kind;
    EXPECT_EQ(statEventTextId(-1), 0);
    EXPECT_EQ(statEventTextId(kStatEventKinds), 0);
    EXPECT_EQ(statEventTextId(33), 25029);
}

}  // namespace
