#include <cstring>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <fox-1.6/fxkeys.h>
#include <gtest/gtest.h>

#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "peer/modal_driver.h"
#include "peer/recording_boxes.h"
#include "peer/test_app.h"
#include "sub/rec_cursor.h"
#include "sub/sub_database.h"
#include "sub/table_catalogue.h"
#include "toolkit/small_dialogs.h"
#include "toolkit/text_codec.h"

namespace {

const uint16_t kOptions[] = {25954, 22139, 21402};

TEST(ChooseOption, ResultIsTheCheckedIndex) {
    testApp();
    const struct {
        const char* name;
        int preselected;
        int click;  // radio clicked before answering, -1 none
        bool escape;
        int expected;
    } cases[] = {
        {"preselected, Enter", 1, -1, false, 1},
        {"none checked, Enter", -1, -1, false, 3},
        {"outside the range checks none", 3, -1, false, 3},
        {"another chosen", 0, 2, false, 2},
        {"escape", 1, -1, true, -1},
    };
    for (const auto& c : cases) {
        ModalDriver driver;
        driver.then([&](FX::FXWindow* modal) {
            const auto radios = childrenOf<FX::FXRadioButton>(modal);
            ASSERT_EQ(radios.size(), 3u);
            for (std::size_t i = 0; i < radios.size(); ++i) {
                EXPECT_EQ(radios[i]->getCheck() == TRUE, static_cast<int>(i) == c.preselected);
                EXPECT_EQ(fromUtf8(radios[i]->getText()), textById(kOptions[i]));
            }
            if (c.click >= 0) {
                clickButton(radios[static_cast<std::size_t>(c.click)]);
                for (std::size_t i = 0; i < radios.size(); ++i)
                    EXPECT_EQ(radios[i]->getCheck() == TRUE, static_cast<int>(i) == c.click);
            }
            pressKey(modal, c.escape ? KEY_Escape : KEY_Return, c.escape ? "" : "\r");
        });
        driver.start();
        EXPECT_EQ(chooseOption("Режим", 3, kOptions, c.preselected), c.expected) << c.name;
    }
}

TEST(AskString, KeepsTheLastCharactersThatFit) {
    testApp();
    const struct {
        const char* name;
        FX::FXString typed;
        std::size_t size;
        bool cancel;
        int expected;
        std::string text;
    } cases[] = {
        {"fits", "abc", 5, false, 0, "abc"},
        {"too long keeps the end", "abcdefg", 5, false, 0, "defg"},
        {"Cyrillic counts by CP1251 characters", toUtf8("абвгд"), 4, false, 0, "вгд"},
        {"cancelled", "abc", 5, true, -1, ""},
    };
    for (const auto& c : cases) {
        ModalDriver driver;
        driver.then([&](FX::FXWindow* modal) {
            EXPECT_EQ(findChild<FX::FXTextField>(modal)->getText(), FX::FXString());
            findChild<FX::FXTextField>(modal)->setText(c.typed);
            sendCommand(modal, c.cancel ? FX::FXDialogBox::ID_CANCEL : FX::FXDialogBox::ID_ACCEPT);
        });
        driver.start();
        char buffer[16];
        std::memset(buffer, 'z', sizeof buffer);
        EXPECT_EQ(askString("Запрос", "Имя", buffer, c.size), c.expected) << c.name;
        EXPECT_EQ(std::string(buffer), c.text) << c.name;
    }
}

TEST(AskString, RefusesCharactersOutsideCp1251) {
    testApp();
    RecordingBoxes boxes;
    ModalDriver driver;
    driver.then([&](FX::FXWindow* modal) {
        findChild<FX::FXTextField>(modal)->setText("a\xe4\xb8\xad");
        sendCommand(modal, FX::FXDialogBox::ID_ACCEPT);
    });
    driver.then([&](FX::FXWindow* modal) {
        ASSERT_EQ(boxes.boxes.size(), 1u);  // refused, still open
        findChild<FX::FXTextField>(modal)->setText("ab");
        sendCommand(modal, FX::FXDialogBox::ID_ACCEPT);
    });
    driver.start();
    char buffer[8];
    EXPECT_EQ(askString("Запрос", "Имя", buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "ab");
    char expected[100];
    formatMessage(expected, sizeof expected, 25634, "Имя");
    EXPECT_EQ(boxes.boxes[0].text, expected);
}

// The chosen name comes back in the shared buffer; cancelling leaves it.
TEST(ChooseFileNameStatic, ChosenNameOrNull) {
    testApp();
    std::string title;
    FX::FXString patterns;
    const char* name = nullptr;
    {  // one driver per dialog: both dialogs may share an address
        ModalDriver driver;
        driver.then([&](FX::FXWindow* modal) {
            auto* dialog = static_cast<FX::FXFileDialog*>(modal);
            title = fromUtf8(dialog->getTitle());
            patterns = dialog->getPatternList();
            EXPECT_EQ(dialog->getCurrentPattern(), 0);
            EXPECT_EQ(dialog->getSelectMode(), static_cast<FX::FXuint>(FX::SELECTFILE_ANY));
            dialog->setFilename("/tmp/chosen.txt");
            sendCommand(modal, FX::FXDialogBox::ID_ACCEPT);
        });
        driver.start();
        name = chooseFileNameStatic("Текст (*.txt)\nВсе (*)");
        ASSERT_NE(name, nullptr);
        EXPECT_STREQ(name, "/tmp/chosen.txt");
        EXPECT_EQ(title, textById(23246));
        EXPECT_EQ(patterns, toUtf8("Текст (*.txt)\nВсе (*)"));
    }
    ModalDriver canceller;
    canceller.then([](FX::FXWindow* modal) { sendCommand(modal, FX::FXDialogBox::ID_CANCEL); });
    canceller.start();
    EXPECT_EQ(chooseFileNameStatic("*"), nullptr);
    EXPECT_STREQ(name, "/tmp/chosen.txt");
}

// A chooser standing in for the record window.
class FakeChooser : public IRecordChooser {
public:
    int choose(const char* title, int16_t table, const RecordFilter& filter,
               std::vector<uint8_t>& chosen) override {
        ++calls;
        lastTable = table;
        filtered = filter ? filter(record.data()) : true;
        chosen = record;
        return answer;
    }
    std::vector<uint8_t> record;
    int answer = 0;
    int calls = 0;
    int16_t lastTable = 0;
    bool filtered = false;
};

TEST(PickTableRecord, ResultCodes) {
    const int16_t table = 1;
    const std::size_t length = tableRecordLength(table);
    ASSERT_GT(length, 0u);
    const struct {
        const char* name;
        int32_t table;
        bool withChooser;
        int answer;
        std::size_t given;  // bytes the chooser gives
        std::size_t room;   // bytes of the caller's buffer
        int expected;
    } cases[] = {
        {"chosen", table, true, 0, length, length, 0},
        {"number above 204", 205, true, 0, length, 64, kPickBadTable},
        {"negative number", -1, true, 0, length, 64, kPickBadTable},
        {"no table 0", 0, true, 0, length, 64, kPickBadTable},
        {"no table 123", 123, true, 0, length, 64, kPickBadTable},
        {"no chooser", table, false, 0, length, length, kPickNoDialog},
        {"cancelled", table, true, kPickCancelled, length, length, kPickCancelled},
        {"record of another length", table, true, 0, length - 1, length, kPickNoRecord},
        {"buffer too small", table, true, 0, length, length - 1, kPickNoRecord},
    };
    for (const auto& c : cases) {
        FakeChooser chooser;
        chooser.answer = c.answer;
        for (std::size_t i = 0; i < c.given; ++i)
            chooser.record.push_back(static_cast<uint8_t>(i + 1));
        setRecordChooser(c.withChooser ? &chooser : nullptr);
        std::vector<uint8_t> buffer(c.room + 4, 0xEE);
        const int rc = pickTableRecord("title", c.table, buffer.data(), c.room,
                                       [](const uint8_t* r) { return r[0] == 1; });
        setRecordChooser(nullptr);
        EXPECT_EQ(rc, c.expected) << c.name;
        if (c.expected == kPickBadTable) EXPECT_EQ(chooser.calls, 0) << c.name;
        if (rc == 0) {
            EXPECT_TRUE(std::equal(chooser.record.begin(), chooser.record.end(), buffer.begin()));
            EXPECT_TRUE(chooser.filtered);
            EXPECT_EQ(chooser.lastTable, table);
        }
        for (std::size_t i = rc == 0 ? length : 0; i < buffer.size(); ++i)
            ASSERT_EQ(buffer[i], 0xEE) << c.name << " " << i;  // nothing else written
    }
}

// The cursor takes the chosen record and is read again by its key; a key the
// table does not hold gives kPickNoRecord.
TEST(PickRecordIntoCursor, ReadsTheChosenRecordAgain) {
    const int16_t table = 1;
    TUniRec cursor(table);
    const std::size_t length = static_cast<std::size_t>(cursor.recordLength());
    ASSERT_GT(length, 0u);
    std::vector<uint8_t> stored(length, 0);
    stored[0] = 5;
    stored[length - 1] = 0x42;
    uint8_t conflict = 0;
    ASSERT_EQ(subDatabase.insertRecord(0, table, stored.data(), &conflict), tsOK);

    const struct {
        const char* name;
        uint8_t key;
        int expected;
    } cases[] = {{"held", 5, 0}, {"not held", 6, kPickNoRecord}};
    for (const auto& c : cases) {
        FakeChooser chooser;
        chooser.record.assign(length, 0);
        chooser.record[0] = c.key;  // the data of the choice is whatever the table holds
        setRecordChooser(&chooser);
        EXPECT_EQ(pickRecordIntoCursor("title", cursor, nullptr), c.expected) << c.name;
        setRecordChooser(nullptr);
        if (c.expected == 0)
            EXPECT_TRUE(std::equal(stored.begin(), stored.end(), cursor.record)) << c.name;
    }
    EXPECT_EQ(subDatabase.deleteRecord(0, table, stored.data(), &conflict), tsOK);
}

int onlyTable77Inconsistent(int16_t table) {
    return table == 77 ? 0 : 1;
}

TEST(RequireConsistentTable, RefusesAnInconsistentTableWithItsName) {
    RecordingBoxes boxes;
    EXPECT_EQ(requireConsistentTable(77), 0);  // every table counts as consistent by default
    setTableConsistencyTest(onlyTable77Inconsistent);
    EXPECT_EQ(requireConsistentTable(76), 0);
    EXPECT_EQ(requireConsistentTable(77), -1);
    setTableConsistencyTest(nullptr);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    char expected[150];
    formatMessage(expected, sizeof expected, 22018, getTablePluralName(77));
    EXPECT_EQ(boxes.boxes[0].text, expected);
    EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Error);
}

}  // namespace
