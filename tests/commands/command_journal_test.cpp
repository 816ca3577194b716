#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/choice_fixtures.h"
#include "commands/command_hooks.h"
#include "commands/command_journal.h"
#include "commands/command_table.h"
#include "commands/param_records.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "link/udp_transport.h"
#include "peer/russian_locale.h"
#include "peer/stand_in_exchange.h"
#include "peer/work_dir.h"
#include "platform/local_clock.h"

namespace {

// This workstation is 28673; the stand-in exchange takes everything else.
const char* const kGatewayIni =
    "[Usmeravanja]\nBrojORa=28673\nBrojUsmeravanja=2\n"
    "[Usmeravanja\\Usmerenje1]\nUsmeravanje=Lokal\nDPC=28673\n"
    "[Usmeravanja\\Usmerenje2]\nUsmeravanje=TCP-IP\nIPAdresa=127.0.0.1\nDPC=0\n";

// The local journal line of the example command at 09:05:07, and its coded form.
const char* const kExampleLine =
    "09:05:07 --- КОМАНДА: Конфигурация OR --- Тип OR:OR клиент;Номер OR=3,";
const char* const kExampleCoded = "25625$9$5$7$Конфигурация OR$Тип OR:OR клиент;Номер OR=3,";
const char* const kLinePrefix = "09:05:07 --- КОМАНДА: ";  // up to the title
const char* const kTitleEnd = " --- ";

std::string localLine(const std::string& title, const std::string& text) {
    return kLinePrefix + title + kTitleEnd + text;
}

std::string codedLine(const std::string& title, const std::string& text) {
    return "25625$9$5$7$" + title + "$" + text;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == separator)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

template <class Record>
std::vector<uint8_t> bytesOf(const Record& record) {
    std::vector<uint8_t> bytes(sizeof record);
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

template <std::size_t N>
void put(char (&field)[N], const char* text) {
    std::memset(field, 0, N);
    std::strncpy(field, text, N - 1);
}

// Records the local pieces of the operator messages, and how many frames the
// stand-in exchange had received when each piece was delivered.
class LocalLines : public TMessageReceiver {
public:
    explicit LocalLines(StandInExchange& peer) : TMessageReceiver(kTypeOperator), peer_(peer) {
        active = 1;
    }
    void onMessage(uint8_t, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override {
        EXPECT_EQ(key, 16408);
        EXPECT_EQ(code, kCodePlainText);
        EXPECT_GT(length, 0);
        EXPECT_EQ(payload[length - 1], 0);  // one terminated piece
        pieces.emplace_back(reinterpret_cast<const char*>(payload));
        peer_.pump();
        framesBefore.push_back(peer_.received.size());
    }
    // The pieces joined, after checking that every piece but the last is full.
    std::string joined() const {
        std::string line;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (i + 1 < pieces.size()) {
                EXPECT_EQ(pieces[i].size(), 75u) << i;
            }
            EXPECT_LE(pieces[i].size(), 75u) << i;
            line += pieces[i];
        }
        return line;
    }
    std::vector<std::string> pieces;
    std::vector<std::size_t> framesBefore;

private:
    StandInExchange& peer_;
};

class CommandJournal : public ::testing::Test {
protected:
    void SetUp() override {
        clock.current.hour = 9;
        clock.current.minute = 5;
        clock.current.second = 7;
        clock.current.millisecond = 990;
        platform::setLocalClock(&clock);
        dir.write("modem.ini", kGatewayIni);
        udpLocalPort = 0;
        udpRemotePort = peer.port();
        createRouter();
        peer.setWorkstationPort(udpBoundPort());
    }
    void TearDown() override {
        destroyRouter();
        udpLocalPort = udpRemotePort = 6666;
        platform::setLocalClock(nullptr);
    }
    void clear() {
        peer.pump();
        peer.received.clear();
        local.pieces.clear();
        local.framesBefore.clear();
    }
    // The one journal frame the exchange got: its coded text, after checking
    // the frame's header, flag byte and terminator.
    std::string sentCodedText() {
        peer.pump();
        EXPECT_EQ(peer.received.size(), 1u);
        if (peer.received.size() != 1) return "";
        const StandInExchange::Frame& f = peer.received[0];
        EXPECT_EQ(f.type, 136);
        EXPECT_EQ(f.destination, 16408);
        EXPECT_EQ(f.source, 28673);
        EXPECT_EQ(f.code, 254);
        EXPECT_GE(f.payload.size(), 2u);
        if (f.payload.size() < 2) return "";
        EXPECT_EQ(f.payload.front(), 0x42);
        EXPECT_EQ(f.payload.back(), 0);
        return std::string(f.payload.begin() + 1, f.payload.end() - 1);
    }
    // Every local piece came before the frame left.
    void expectLocalFirst() {
        for (std::size_t n : local.framesBefore) EXPECT_EQ(n, 0u);
    }

    platform::TestLocalClock clock;
    ScopedWorkDir dir;
    StandInExchange peer;
    LocalLines local{peer};
};

TEST_F(CommandJournal, ExampleLineLocallyFirstThenCodedToTheExchange) {
    SParamsKonfigOR record{1, 3};
    runCommandJournal(5001, reinterpret_cast<const uint8_t*>(&record), 0);
    ASSERT_EQ(local.pieces.size(), 1u);
    EXPECT_EQ(local.pieces[0], kExampleLine);
    expectLocalFirst();
    const std::string coded = sentCodedText();
    EXPECT_EQ(coded, kExampleCoded);
    EXPECT_EQ(peer.received[0].payload.size(), coded.size() + 2);
}

TEST_F(CommandJournal, EveryFieldKindTitleAndText) {
    SParamsOkUnosTipaPoziva numbers{200, -5, 0.25};
    SParamsOkNadzorStanjaPoziva subscriber{2, -2147483647 - 1, 255};
    SParamsOkIspisSvihAlarma alarms{0, 2, 0x3, 5, 0x15};
    SParamsOkIspisSvihAlarma unknownClass{0, 0, 0, 77, 0};
    SParamsOkPromenaLozinke passwords{};
    put(passwords.ImeOperatera, "oper1");
    put(passwords.NovaLozinka, "0123456789");
    SParamsKonfigOR noSuchItem{7, 3};
    SParamsOkDodavanjeTB emptyText{};
    struct Case {
        int command;
        std::vector<uint8_t> record;
        uint16_t rp;
        std::string title;
        std::string text;
    } cases[] = {
        {5129, bytesOf(numbers), 0, "Ввод типа вызова",
         "Тип вызова=200,Вызовы по одному часу=-5,Трафик (Эрл)=0.250000,"},
        {5192, bytesOf(subscriber), 0, "Кoнтрoль сoстoяния вызoва",
         "Спoсoб задания кoнтрoля:по пункту сoeдинeния по oдному каналу;Aбoнeнт=-2147483648,Б "
         "канал=255,"},
        {5024, bytesOf(alarms), 0, "Перечень aктивных aварийных сигналов",
         "Oпции вывода:Упорядочение вывода:Пo времени;"
         "Критерии выводов:Класс aварийного сигнала;Уровень aварийного сигнала;"
         "Класс=Процессоры,"
         "Уровни:A1;A3;"},
        {5024, bytesOf(unknownClass), 0, "Перечень aктивных aварийных сигналов",
         "Oпции вывода:Упорядочение вывода:Пo числу;"
         "Критерии выводов:Класс=,Уровни:"},
        {5578, bytesOf(passwords), 0, "Изменение пароля",
         "Имя оператора=oper1,Пароль=*****,Новый пароль=*****,Подтверждение нового пароля=*****,"},
        {5492, bytesOf(emptyText), 0, "Добавление тарифного счетчика", "Имя тарифного счетчика=,"},
        {5001, bytesOf(noSuchItem), 0, "Конфигурация OR", "Тип OR:;Номер OR=3,"},
        {5006, {}, 0, "Останов выполнения скриптa MML", ""},
        {5086, {}, 3, "Нагрузка RP RP: 3 ", ""},
        {5091, {}, 65535, "Показания моментальной температуры на RP RP: 65535 ", ""},
    };
    for (const Case& c : cases) {
        clear();
        runCommandJournal(c.command, c.record.data(), c.rp);
        EXPECT_EQ(local.joined(), localLine(c.title, c.text)) << c.command;
        expectLocalFirst();
        const std::string coded = sentCodedText();
        EXPECT_EQ(coded, codedLine(c.title, c.text)) << c.command;
        EXPECT_EQ(split(coded, '$'),
                  (std::vector<std::string>{"25625", "9", "5", "7", c.title, c.text}))
            << c.command;
    }
}

TEST_F(CommandJournal, DollarInAValueStaysInTheLocalLineAndTheCodedText) {
    SParamsActMMLKomanda mml{};
    put(mml.sKomanda, "A$B");
    runCommandJournal(5004, bytesOf(mml).data(), 0);
    EXPECT_EQ(local.joined(), localLine("Команда MML", "MML>=A$B,"));
    const std::string coded = sentCodedText();
    EXPECT_EQ(coded, codedLine("Команда MML", "MML>=A$B,"));
    EXPECT_EQ(split(coded, '$').size(), 7u);
}

TEST_F(CommandJournal, LongLinesArePiecesLocallyAndCutWhenSent) {
    const std::string prefix = kLinePrefix;
    // 160 characters locally: three pieces of 75, 75 and 10.
    writeCommandJournal("T", std::string(160 - prefix.size() - 1 - 5, 'x').c_str());
    ASSERT_EQ(local.pieces.size(), 3u);
    EXPECT_EQ(local.pieces[2].size(), 10u);
    EXPECT_EQ(local.joined().size(), 160u);
    clear();
    // A coded text of 300 characters reaches the exchange as its first 256.
    const std::string text300(300 - 14, 'y');
    writeCommandJournal("T", text300.c_str());
    EXPECT_EQ(sentCodedText(), codedLine("T", text300).substr(0, 256));
    clear();
    // The longest title and parameter text are shown whole.
    const std::string title = "Считывание всех типов посылки вызова в соответствии c типом вызова";
    const std::string text(711, 'z');
    writeCommandJournal(title.c_str(), text.c_str());
    EXPECT_EQ(local.joined(), localLine(title, text));
}

TEST_F(CommandJournal, CommandsWithoutAFormJournalNothing) {
    runCommandJournal(5007, nullptr, 0);
    runCommandJournal(4999, nullptr, 0);
    EXPECT_TRUE(local.pieces.empty());
    EXPECT_EQ(peer.pump(), 0);
}

TEST_F(CommandJournal, SubscriberRestrictionEntry) {
    SParamsOkDodOgrPolazPozivaBezSifre record{};
    put(record.sPretplatnik, "12345678");
    record.brPAC = 7;
    journalOkDodOgrPolazPozivaBezSifre(&record);
    const std::string text = "Номер абонента=12345678,Номер PAC=7,";
    EXPECT_EQ(local.joined(), localLine("Присвоение ограничения исходящих вызовов", text));
    EXPECT_EQ(sentCodedText(), codedLine("Присвоение ограничения исходящих вызовов", text));
}

// Every entry of every choice table shows its own catalogue text after the
// label of every choice field that offers the table; a value no entry has
// shows nothing.
TEST(CommandParameterText, ChoiceFieldsShowTheirEntrysText) {
    for (const CommandRow& command : kCommands) {
        std::size_t offset = 0;
        for (const FieldRow& field : commandFields(command)) {
            if (!field.inRecord) continue;
            const std::size_t at = offset;
            offset += field.width;
            if (field.kind != FieldKind::Choice) continue;
            const std::string table = choiceTableName(field.choices);
            std::vector<int32_t> values;
            for (const ExpectedChoice& e : kExpectedChoices) {
                if (table != e.table) continue;
                values.push_back(e.value);
                std::vector<uint8_t> record(command.recordSize, 0);
                std::memcpy(record.data() + at, &e.value, sizeof e.value);
                const std::string entry = std::string(field.label) + "=" + textById(e.textId) + ",";
                EXPECT_NE(commandParameterText(command, record.data()).find(entry),
                          std::string::npos)
                    << command.id << " " << field.name << " " << e.value;
            }
            ASSERT_FALSE(values.empty()) << table;
            int32_t unknown = 0;  // a value whose low byte no entry has
            while (std::any_of(values.begin(), values.end(),
                               [&](int32_t v) { return (v & 0xFF) == unknown; }))
                ++unknown;
            std::vector<uint8_t> record(command.recordSize, 0);
            std::memcpy(record.data() + at, &unknown, sizeof unknown);
            EXPECT_NE(
                commandParameterText(command, record.data()).find(std::string(field.label) + "=,"),
                std::string::npos)
                << command.id << " " << field.name << " " << unknown;
        }
    }
}

// A double keeps its decimal point whatever locale the environment sets.
TEST(CommandParameterText, DoubleHasSixDecimalsAndAPointUnderARussianLocale) {
    ScopedRussianNumericLocale russian;
    ASSERT_TRUE(russian.ok());
    SParamsOkUnosTipaPoziva record{1, 1, 0.25};
    const std::string text =
        commandParameterText(*findCommand(5129), reinterpret_cast<const uint8_t*>(&record));
    EXPECT_NE(text.find("=0.250000,"), std::string::npos) << text;
}

}  // namespace
