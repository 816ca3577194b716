#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "monitoring/monitoring_fixtures.h"
#include "peer/loopback_router.h"
#include "monitoring/monitoring_texts.h"
#include "monitoring/program_upload.h"
#include "sub/sub_database.h"
#include "utils/bytes.h"

namespace {

constexpr uint8_t kProgram = 7;

// One frame the workstation sent to a processor.
struct Sent {
    uint16_t to;
    uint8_t code;
    Bytes payload;
};

class ProgramUpload : public ::testing::Test, protected MonitoringWorld {
protected:
    ProgramUpload() {
        // The processors are reached on this workstation's own bus.
        destroyRouter();
        dir.write("modem.ini",
                  "[Usmeravanja]\nBrojORa=28673\nBrojUsmeravanja=4\n"
                  "[Usmeravanja\\Usmerenje1]\nUsmeravanje=Lokal\nDPC=28673\n"
                  "[Usmeravanja\\Usmerenje2]\nUsmeravanje=Lokal\nDPC=16408\n"
                  "[Usmeravanja\\Usmerenje3]\nUsmeravanje=Lokal\nDPC=16392\n"
                  "[Usmeravanja\\Usmerenje4]\nUsmeravanje=Lokal\nDPC=16400\n");
        router = new TKopCls();
        uint8_t record[1 + 81] = {kProgram};
        uint8_t conflict = 0;
        EXPECT_EQ(subDatabase.insertRecord(0, kProgramTable, record, &conflict), 0);
        coded.addCodeFilter(kCodeCodedText);
        chooser.answer = dir.path() + "/cp.prg";
    }
    ~ProgramUpload() override {
        destroyProgramLoaders();
        uint8_t conflict = 0;
        subDatabase.clearTable(0, kProgramTable, &conflict);
    }

    void replace(int16_t cp, uint8_t program = kProgram) {
        SParamsOkZamenaRPPrograma p{};
        p.CP = cp;
        p.Program = program;
        replaceProcessorProgram(p);
    }
    void answer(uint16_t from, uint8_t code, const Bytes& payload) {
        dispatchMessage(kTypeProgramUpload, from, code, payload.data(),
                        static_cast<int>(payload.size()));
    }
    void answerSum(uint16_t from, uint16_t sum, uint8_t status) {
        answer(from, 0x83, {uint8_t(sum & 0xFF), uint8_t(sum >> 8), status});
    }
    // Frames to the processors, in order (the bus hands them back here).
    std::vector<Sent> sent() const {
        std::vector<Sent> out;
        for (const auto& m : frames.messages)
            if (m.code == 6 || m.code == 2 || m.code == 119 || m.code == 3)
                out.push_back({m.key, m.code, m.payload});
        return out;
    }
    std::vector<uint8_t> codes() const {
        std::vector<uint8_t> out;
        for (const Sent& s : sent()) out.push_back(s.code);
        return out;
    }
    // Texts posted for the exchange as coded messages: shown locally (the
    // text id) and sent (the flags 0x42 before it), in that pairing.
    std::vector<std::string> outcomes() const {
        std::vector<std::string> local, toExchange;
        for (const auto& m : coded.messages) {
            const std::string t = m.text();
            if (!t.empty() && t[0] == 0x42)
                toExchange.push_back(t.substr(1));
            else
                local.push_back(t);
        }
        EXPECT_EQ(local, toExchange);
        return local;
    }

    RecordingReceiver frames{kTypeProgramUpload};
    RecordingReceiver coded{kTypeOperator};
    RecordingChooser chooser;
};

TEST_F(ProgramUpload, ThreeThousandBytesInTwoBatchesThenTheSum) {
    std::string bytes;
    for (int i = 0; i < 3000; ++i) bytes.push_back(static_cast<char>(i * 7));
    dir.write("cp.prg", bytes);
    uint16_t sum = 0;
    for (char c : bytes) sum = static_cast<uint16_t>(sum + static_cast<uint8_t>(c));

    replace(0);
    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(chooser.asked[0][0], "*.prg");
    EXPECT_EQ(lines(), std::vector<std::string>{kText21643});
    ASSERT_EQ(sent().size(), 1u);
    EXPECT_EQ(sent()[0].to, kCp1Address);
    EXPECT_EQ(sent()[0].payload, (Bytes{kProgram, 0xB8, 0x0B, 0, 0}));

    answer(kCp1Address, 0x86, {2});
    EXPECT_EQ(codes(), (std::vector<uint8_t>{6, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 119}));
    answer(kCp1Address, 0xF7, {});
    ASSERT_EQ(sent().size(), 15u);
    EXPECT_EQ(sent()[12].payload.size(), 256u);
    EXPECT_EQ(sent()[13].payload.size(), 184u);
    EXPECT_EQ(sent()[14].code, 119);
    answer(kCp1Address, 0xF7, {});
    ASSERT_EQ(sent().size(), 16u);
    EXPECT_EQ(sent()[15].payload, (Bytes{uint8_t(sum & 0xFF), uint8_t(sum >> 8)}));

    std::string uploaded;
    for (const Sent& s : sent())
        if (s.code == 2) uploaded.append(s.payload.begin(), s.payload.end());
    EXPECT_EQ(uploaded, bytes);

    answerSum(kCp1Address, sum, 2);
    EXPECT_EQ(outcomes(), std::vector<std::string>{"21644"});
    EXPECT_EQ(cp1Loader->state, KUPLoader::Idle);
}

TEST_F(ProgramUpload, Outcomes) {
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::pair<uint8_t, Bytes>>
            answers;  // code 0x83: the sum is replaced when empty
        uint32_t wait;
        const char* outcome;
        size_t dataFrames;
    };
    const std::string ff(300, '\xFF');
    const uint16_t ffSum = static_cast<uint16_t>(300 * 255);
    const Case cases[] = {
        {"refused start", ff, {{0x86, {1}}}, 0, "21647", 0},
        {"refused end",
         ff,
         {{0x86, {2}}, {0xF7, {}}, {0x83, {uint8_t(ffSum), uint8_t(ffSum >> 8), 0}}},
         0,
         "21647",
         2},
        {"bad sum", ff, {{0x86, {2}}, {0xF7, {}}, {0x83, {1, 0, 2}}}, 0, "21649", 2},
        {"good",
         ff,
         {{0x86, {2}}, {0xF7, {}}, {0x83, {uint8_t(ffSum), uint8_t(ffSum >> 8), 2}}},
         0,
         "21644",
         2},
        {"empty file", "", {{0x86, {2}}, {0x83, {0, 0, 2}}}, 0, "21644", 0},
        {"no start answer", ff, {}, 1000, "21648", 0},
        {"no batch answer", ff, {{0x86, {2}}}, 5000, "21648", 2},
        {"no sum answer", ff, {{0x86, {2}}, {0xF7, {}}}, 1000, "21648", 2},
    };
    for (const Case& c : cases) {
        dir.write("cp.prg", c.file);
        frames.messages.clear();
        coded.messages.clear();
        replace(1);
        for (const auto& a : c.answers) answer(kCp2Address, a.first, a.second);
        if (c.wait > 0) {
            pass(c.wait - 1);
            EXPECT_TRUE(outcomes().empty()) << c.name;
            pass(1);
        }
        EXPECT_EQ(outcomes(), std::vector<std::string>{c.outcome}) << c.name;
        size_t data = 0;
        for (const Sent& s : sent()) data += s.code == 2;
        EXPECT_EQ(data, c.dataFrames) << c.name;
        EXPECT_EQ(sent()[0].payload[1], uint8_t(c.file.size())) << c.name;
        ASSERT_NE(cp2Loader, nullptr);
        EXPECT_EQ(cp2Loader->state, KUPLoader::Idle) << c.name;  // a new upload may start
        EXPECT_EQ(cp2Loader->file, nullptr) << c.name;
    }
}

// A start the link did not take is said instead of the activation line; no
// outcome follows, and the processor's loader is free for the next try.
TEST_F(ProgramUpload, UnsentStartIsSaidAndEndsTheUpload) {
    dir.write("cp.prg", std::string(10, 'x'));
    for (const SLinkState& state : kLinkStates) {
        if (state.sends) continue;
        SCOPED_TRACE(state.name);
        replaceRouter(dir, state.routes);
        operatorLines.messages.clear();
        coded.messages.clear();
        replace(0);
        EXPECT_EQ(lines(), std::vector<std::string>{kMessageNotSentText});
        ASSERT_NE(cp1Loader, nullptr);
        EXPECT_EQ(cp1Loader->state, KUPLoader::Idle);
        EXPECT_EQ(cp1Loader->file, nullptr);
        pass(60000);
        EXPECT_TRUE(outcomes().empty());
        EXPECT_TRUE(sent().empty());
    }
}

TEST_F(ProgramUpload, RefusalsBeforeAnyFrame) {
    replace(0, 99);  // no such program
    EXPECT_EQ(outcomes(), std::vector<std::string>{"21640"});
    EXPECT_TRUE(chooser.asked.empty());

    coded.messages.clear();
    chooser.cancel = true;
    replace(0);
    chooser.cancel = false;
    chooser.answer = dir.path() + "/missing.prg";
    replace(0);
    EXPECT_EQ(outcomes(), std::vector<std::string>{"21646"});
    replace(5);  // neither processor
    EXPECT_EQ(outcomes().size(), 1u);
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(lines().empty());
}

TEST_F(ProgramUpload, OneUploadPerProcessor) {
    dir.write("cp.prg", std::string(10, 'a'));
    replace(0);
    replace(0);
    EXPECT_EQ(outcomes(), std::vector<std::string>{"21645"});
    replace(1);
    EXPECT_EQ(codes(), (std::vector<uint8_t>{6, 6}));
    EXPECT_EQ(sent()[1].to, kCp2Address);

    // Each loader takes only its own processor's answers.
    answer(kCp2Address, 0x86, {2});
    EXPECT_EQ(cp1Loader->state, KUPLoader::Starting);
    EXPECT_EQ(cp2Loader->state, KUPLoader::Sending);
    answer(kCp1Address, 0xF7, {});  // not awaited by CP1's loader: nothing changes
    EXPECT_EQ(cp1Loader->state, KUPLoader::Starting);
    EXPECT_EQ(cp2Loader->state, KUPLoader::Sending);
}

}  // namespace
