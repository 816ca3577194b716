#include <cstring>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <fox-1.6/fxkeys.h>
#include <gtest/gtest.h>

#include "texts/catalogue_message.h"
#include "link/message_bus.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "peer/loopback_router.h"
#include "peer/modal_driver.h"
#include "peer/recording_boxes.h"
#include "peer/test_app.h"
#include "sub/table_catalogue.h"
#include "toolkit/file_chooser.h"
#include "toolkit/rec_shell.h"
#include "toolkit/record_fixtures.h"
#include "toolkit/text_codec.h"

using namespace FX;

namespace {

// Keys KOORX and DTI, then Stanje and the string verzija.
constexpr int16_t kTable = 12;

const char* const kModemIni =
    "[Usmeravanja]\n"
    "BrojORa=28674\n"
    "BrojUsmeravanja=2\n"
    "[Usmeravanja\\Usmerenje1]\n"
    "Usmeravanje=Lokal\n"
    "DPC=28674\n"
    "[Usmeravanja\\Usmerenje2]\n"
    "Usmeravanje=TCP-IP\n"
    "IPAdresa=127.0.0.1\n"
    "DPC=0\n";

std::string formatted(int id, const MessageArg& a = MessageArg(),
                      const MessageArg& b = MessageArg()) {
    char out[300];
    const MessageArg args[] = {a, b};
    formatMessageArgs(out, sizeof out, id, args, 2);
    return out;
}

std::string statusOf(TBaseShell* shell) {
    return fromUtf8(shell->statusBar->getStatusLine()->getNormalText());
}
FXColor colourOf(TBaseShell* shell) {
    return shell->statusBar->getStatusLine()->getTextColor();
}

TEST(RecordChange, RequestLayout) {
    const Bytes image = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const struct {
        uint8_t code;
        uint8_t field;
        int length;
        uint8_t fieldByte;
    } cases[] = {{'R', 4, 9, 0}, {'S', 4, 2, 0}, {'T', 0, 9, 0}, {'U', 4, 9, 4}};
    for (const auto& c : cases) {
        uint8_t out[kRecordChangeSize + 1];
        std::memset(out, 0xEE, sizeof out);
        EXPECT_EQ(packRecordChange(out, c.code, 12, c.field, image.data(), c.length),
                  kRecordChangeSize);
        const Bytes head(out, out + kRecordImageOffset);
        EXPECT_EQ(head, (Bytes{1, 0, 188, c.code, 0, 0, 0, 0, 12, c.fieldByte, 0})) << c.code;
        for (int i = 0; i < kRecordImageSize; ++i)
            ASSERT_EQ(out[kRecordImageOffset + i], i < c.length ? image[i] : 0) << c.code << i;
        EXPECT_EQ(out[kRecordChangeSize], 0xEE);
    }
    // An image longer than the request holds is refused, not cut; one that
    // fills it exactly is sent whole.
    const Bytes big(kRecordImageSize + 1, 0x5A);
    for (int length : {kRecordImageSize + 1, 298}) {
        Bytes out(kRecordChangeSize, 0xEE);
        EXPECT_EQ(
            packRecordChange(out.data(), 'T', 1, 0, Bytes(size_t(length), 0x5A).data(), length), -1)
            << length;
        EXPECT_EQ(out, Bytes(kRecordChangeSize, 0xEE)) << length;
    }
    uint8_t out[kRecordChangeSize];
    EXPECT_EQ(packRecordChange(out, 'T', 1, 0, big.data(), kRecordImageSize), kRecordChangeSize);
    EXPECT_EQ(out[kRecordChangeSize - 1], 0x5A);
}

TEST(RecordChange, AnswerTexts) {
    const struct {
        uint8_t code, result, status;
        std::string text;
    } cases[] = {
        {'R', 0, 7, formatted(26312, "tsVecPostojiSlog")},
        {'S', 0, 0, formatted(26315, "tsOK")},
        {'T', 0, 0, formatted(26313, "tsOK")},
        {'U', 0, 37, formatted(26314, "tsNeocekivano")},
        {'U', 0, 38, formatted(26314, "38")},
        {'R', 7, 0, formatted(26316, 7)},
        {'S', 255, 0, formatted(26319, 255)},
        {'T', 1, 0, formatted(26317, 1)},
        {'U', 2, 0, formatted(26318, 2)},
    };
    for (const auto& c : cases) {
        char out[81];
        formatRecordAnswer(out, sizeof out, c.code, c.result, c.status);
        EXPECT_EQ(out, c.text) << c.code << int(c.result);
    }
}

class RecordForms : public RecordWindowTest {
protected:
    TTableModify* form(const std::vector<const char*>& texts) {
        auto* f = new TTableModify(host, 4, "form", "ok", "cancel");
        for (const char* t : texts) f->addField("x", t, 0);
        return f;
    }
};

TEST_F(RecordForms, WholeRecordIsReadWithItsFieldRules) {
    const struct {
        const char* name;
        std::vector<const char*> texts;
        int result;
        std::string message;
        const char* line;  // the record read, as the table's text
    } cases[] = {
        {"all filled", {"1", " 2 ", "300", "abc"}, 0, "", "1,2,300,abc"},
        {"empty string field", {"1", "2", "300", ""}, 0, "", nullptr},
        {"empty number", {"1", "2", "", "abc"}, 6, formatted(26306), nullptr},
        {"bad number", {"1", "2", "x", "abc"}, 5, formatted(26304, 3, "Stanje"), nullptr},
        {"blanks only", {"1", "2", "   ", "abc"}, 5, formatted(26304, 3, "Stanje"), nullptr},
    };
    for (const auto& c : cases) {
        TTableModify* f = form(c.texts);
        Bytes record(16, 0);
        int bad = 0;
        EXPECT_EQ(readRecordForm(kTable, *f, record.data(), &bad), c.result) << c.name;
        EXPECT_EQ(recordFormMessage(), c.message) << c.name;
        if (c.result == 5) {
            EXPECT_EQ(bad, 3) << c.name;
        }
        if (c.result == 0) {
            EXPECT_EQ(record[0], 1) << c.name;
            EXPECT_EQ(record[2] | record[3] << 8, 300) << c.name;
        }
        if (c.line != nullptr) {
            const Bytes expected = recordOf(kTable, c.line);
            EXPECT_TRUE(std::equal(expected.begin(), expected.end(), record.begin())) << c.name;
        }
        delete f;
    }
}

TEST_F(RecordForms, KeysAndOneFieldAreRead) {
    const struct {
        const char* name;
        std::vector<const char*> texts;  // the two keys and field 3
        int result;
        std::string message;
    } cases[] = {
        {"filled", {"1", "2", "77 "}, 0, ""},
        {"field empty", {"1", "2", ""}, 6, formatted(26306)},
        {"bad field", {"1", "2", "x"}, 2, formatted(26304, 3, "Stanje")},
        {"bad key", {"1", "q", "7"}, 1, formatted(26304, 2, "DTI")},
    };
    for (const auto& c : cases) {
        TTableModify* f = form(c.texts);
        Bytes record(16, 0);
        int bad = 0;
        EXPECT_EQ(readFieldForm(kTable, 3, *f, record.data(), &bad), c.result) << c.name;
        EXPECT_EQ(recordFormMessage(), c.message) << c.name;
        if (c.result == 0) {
            EXPECT_EQ(record[2], 77) << c.name;
        }
        delete f;
    }
}

TEST_F(RecordForms, FormRowsAndSize) {
    for (int rows : {8, 9}) {
        auto* f = new TTableModify(host, rows, "form", "ok", "cancel");
        for (int i = 0; i < rows; ++i) f->addField("label", "text", i == 0 ? 1 : 0);
        f->create();
        const FXint w = f->getWidth(), h = f->getHeight();
        f->fitWindow();
        EXPECT_EQ(f->scroller != nullptr, rows > 8);
        if (rows <= 8) {
            EXPECT_EQ(f->getWidth(), w);
            EXPECT_EQ(f->getHeight(), h);
        } else {
            EXPECT_EQ(f->getWidth(), f->grid->getDefaultWidth() + 60);
            EXPECT_EQ(f->getHeight(), f->grid->getDefaultHeight() / rows * 8 + 100);
        }
        EXPECT_FALSE(f->fields[0]->isEnabled());  // read-only
        EXPECT_TRUE(f->fields[1]->isEnabled());
        char buffer[8] = "keep";
        f->getFieldText(-1, buffer, sizeof buffer);
        f->getFieldText(rows, buffer, sizeof buffer);
        EXPECT_STREQ(buffer, "keep");
        f->getFieldText(1, buffer, sizeof buffer);
        EXPECT_STREQ(buffer, "text");
        delete f;
    }
}

// Enter in a field neither accepts nor cancels; the cancel button is the default.
TEST_F(RecordForms, EnterInAFieldDoesNothing) {
    TTableModify* f = form({"1"});
    ModalDriver driver;
    bool stillOpen = false;
    driver.then([&](FXWindow*) {
        f->fields[0]->setFocus();
        pressKey(f->fields[0], KEY_Return, "\r");
    });
    driver.then([&](FXWindow* modal) {
        stillOpen = modal == f && f->shown();
        sendCommand(modal, FXDialogBox::ID_CANCEL);
    });
    driver.start();
    EXPECT_EQ(f->execute(PLACEMENT_CURSOR), 0u);
    EXPECT_TRUE(stillOpen);
    delete f;
}

// The editor against the stand-in exchange over loopback UDP.
class RecordEditor : public ::testing::Test, protected LoopbackRouter {
protected:
    void SetUp() override {
        testApp();
        startRouter(kModemIni);
        tables.insert(kTable, "1,1,10,v1");
        tables.insert(kTable, "2,5,20,v22");
        tables.insert(kTable, "3,1,30,v333");
        shell = new TTableModifyShell(nullptr, kTable);
        shell->create();
        tickAfter(1);
    }
    void TearDown() override {
        delete shell;
        stopRouter();
    }
    void tickAfter(uint32_t ms) {
        clock.advance(ms);
        tickTimers();
    }
    std::vector<StandInExchange::Frame> requests() {
        peer.received.clear();
        peer.pump();
        return peer.received;
    }
    void select(int row, int col) { shell->recordTable()->getTable()->selectItem(row, col, TRUE); }
    // Runs a command of the shell with the form steps given.
    void run(FXSelector id, std::vector<ModalDriver::Step> steps) {
        ModalDriver driver;
        for (auto& s : steps) driver.then(s);
        driver.start();
        sendCommand(shell, id);
    }
    static TTableModify* formOf(FXWindow* modal) {
        EXPECT_TRUE(modal->isMemberOf(FXMETACLASS(TTableModify)));
        return static_cast<TTableModify*>(modal);
    }
    void answer(uint8_t code, uint8_t result, uint8_t status) {
        peer.sendFrame(kRecordChangeType, 28674, kRecordChangeDestination, code,
                       {1, 0, result, status});
        router->receiveMessages();
    }

    ScopedTables tables{kTable};
    RecordingBoxes boxes;
    TTableModifyShell* shell = nullptr;
};

TEST_F(RecordEditor, InsertSendsTheRecordAndShowsTheAnswer) {
    EXPECT_EQ(statusOf(shell), getTablePluralName(kTable));
    run(TTableModifyShell::ID_INSERT,
        {[&](FXWindow* modal) {
             TTableModify* f = formOf(modal);
             EXPECT_EQ(fromUtf8(f->getTitle()), formatted(26325, getTablePluralName(kTable)));
             ASSERT_EQ(f->fieldCount(), 4);
             for (int i = 0; i < 4; ++i) EXPECT_TRUE(f->fields[i]->isEnabled());
             const char* texts[] = {"4", "1", "", "new"};  // a number left empty
             for (int i = 0; i < 4; ++i) f->fields[i]->setText(texts[i]);
             sendCommand(modal, FXDialogBox::ID_ACCEPT);
         },
         [&](FXWindow* modal) {
             TTableModify* f = formOf(modal);  // shown again with the message in red
             EXPECT_EQ(statusOf(f), formatted(26306));
             EXPECT_EQ(colourOf(f), kShellAlertColour);
             EXPECT_EQ(fromUtf8(f->fields[3]->getText()), "new");
             answer('T', 3, 0);  // an answer while the form is open shows in the form
             EXPECT_EQ(statusOf(f), formatted(26317, 3));
             f->fields[2]->setText("40");
             sendCommand(modal, FXDialogBox::ID_ACCEPT);
         }});
    EXPECT_EQ(shell->openForm(), nullptr);
    const auto sent = requests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].type, kRecordChangeType);
    EXPECT_EQ(sent[0].destination, kRecordChangeDestination);
    EXPECT_EQ(sent[0].code, 'R');
    ASSERT_EQ(sent[0].payload.size(), size_t(kRecordChangeSize));
    const Bytes record = recordOf(kTable, "4,1,40,new");
    EXPECT_TRUE(std::equal(record.begin(), record.end(), sent[0].payload.begin() + 11));
    for (int i = 11 + int(record.size()); i < kRecordChangeSize; ++i)
        ASSERT_EQ(sent[0].payload[size_t(i)], 0) << i;
    EXPECT_EQ(statusOf(shell), textById(26326));
    EXPECT_EQ(colourOf(shell), kShellAlertColour);
    answer('R', 0, 0);
    EXPECT_EQ(statusOf(shell), formatted(26312, "tsOK"));
}

TEST_F(RecordEditor, CancelledFormsSendNothing) {
    const FXSelector ids[] = {TTableModifyShell::ID_INSERT, TTableModifyShell::ID_MODIFY_RECORD,
                              TTableModifyShell::ID_MODIFY_FIELD, TTableModifyShell::ID_DELETE};
    for (FXSelector id : ids) {
        select(1, 2);
        run(id, {[&](FXWindow* modal) { sendCommand(modal, FXDialogBox::ID_CANCEL); }});
        EXPECT_TRUE(requests().empty()) << id;
        EXPECT_EQ(shell->openForm(), nullptr);
        EXPECT_EQ(statusOf(shell), "") << id;
    }
}

// Drawing the view moves the shell's cursor; the request still names the
// selected record.
TEST_F(RecordEditor, DeleteSendsTheSelectedKey) {
    select(2, 3);
    run(TTableModifyShell::ID_DELETE, {[&](FXWindow* modal) {
            TTableModify* f = formOf(modal);
            EXPECT_EQ(fromUtf8(f->getTitle()), textById(26327));
            ASSERT_EQ(f->fieldCount(), 2);
            EXPECT_FALSE(f->fields[0]->isEnabled());
            EXPECT_EQ(fromUtf8(f->fields[1]->getText()), "  5");
            shell->recordTable()->getCellText(3, 0);
            sendCommand(modal, FXDialogBox::ID_ACCEPT);
        }});
    const auto sent = requests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].code, 'S');
    EXPECT_EQ(sent[0].payload[11], 2);
    EXPECT_EQ(sent[0].payload[12], 5);
    EXPECT_EQ(sent[0].payload[13], 0);  // only the key
    EXPECT_EQ(statusOf(shell), textById(26328));
    EXPECT_EQ(shell->recordTable()->getSelectedRow(), -1);
}

TEST_F(RecordEditor, ModifyFieldOfAColumn) {
    select(1, 1);  // a key column
    boxes.boxes.clear();
    sendCommand(shell, TTableModifyShell::ID_MODIFY_FIELD);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, textById(26305));
    EXPECT_EQ(shell->openForm(), nullptr);

    select(3, 2);  // Stanje, field 3
    run(TTableModifyShell::ID_MODIFY_FIELD, {[&](FXWindow* modal) {
            TTableModify* f = formOf(modal);
            ASSERT_EQ(f->fieldCount(), 3);
            EXPECT_EQ(fromUtf8(f->labels[2]->getText()), "Stanje");
            f->fields[2]->setText("77");
            sendCommand(modal, FXDialogBox::ID_ACCEPT);
        }});
    const auto sent = requests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].code, 'U');
    EXPECT_EQ(sent[0].payload[9], 3);
    const Bytes record = recordOf(kTable, "3,1,77,v333");
    EXPECT_TRUE(std::equal(record.begin(), record.end(), sent[0].payload.begin() + 11));
    EXPECT_EQ(statusOf(shell), textById(26332));
}

TEST_F(RecordEditor, ModifyRecordKeepsKeysReadOnly) {
    select(1, 3);
    run(TTableModifyShell::ID_MODIFY_RECORD, {[&](FXWindow* modal) {
            TTableModify* f = formOf(modal);
            ASSERT_EQ(f->fieldCount(), 4);
            EXPECT_FALSE(f->fields[1]->isEnabled());
            EXPECT_TRUE(f->fields[2]->isEnabled());
            f->fields[3]->setText("zz");
            sendCommand(modal, FXDialogBox::ID_ACCEPT);
        }});
    const auto sent = requests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].code, 'T');
    const Bytes record = recordOf(kTable, "1,1,10,zz");
    EXPECT_TRUE(std::equal(record.begin(), record.end(), sent[0].payload.begin() + 11));
    // A short answer is ignored.
    peer.sendFrame(kRecordChangeType, 28674, kRecordChangeDestination, 'T', {1, 0, 0});
    router->receiveMessages();
    EXPECT_EQ(statusOf(shell), textById(26330));
}

// Each change says that it was sent only when the link took it; otherwise
// the status line says it was not, and nothing reaches the exchange.
TEST_F(RecordEditor, ChangesSayWhetherTheyWereSent) {
    const auto fill = [](std::vector<const char*> texts) {
        return [texts](FXWindow* modal) {
            TTableModify* f = formOf(modal);
            for (std::size_t i = 0; i < texts.size(); ++i)
                if (texts[i] != nullptr) f->fields[i]->setText(texts[i]);
            sendCommand(modal, FXDialogBox::ID_ACCEPT);
        };
    };
    const struct {
        const char* name;
        FXSelector id;
        int column;  // of the selected cell in row 1
        ModalDriver::Step form;
        int sentText;
    } cases[] = {
        {"insert", TTableModifyShell::ID_INSERT, 2, fill({"4", "1", "40", "new"}), 26326},
        {"delete", TTableModifyShell::ID_DELETE, 2, fill({}), 26328},
        {"modify record", TTableModifyShell::ID_MODIFY_RECORD, 2, fill({}), 26330},
        {"modify field", TTableModifyShell::ID_MODIFY_FIELD, 2, fill({}), 26332},
    };
    for (const SLinkState& link : kLinkStates) {
        setLinkState(link);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(link.name) + ", " + c.name);
            select(1, c.column);
            run(c.id, {c.form});
            EXPECT_EQ(statusOf(shell), link.sends ? textById(c.sentText) : kMessageNotSentText);
            EXPECT_EQ(colourOf(shell), kShellAlertColour);
            EXPECT_EQ(requests().size(), link.sends ? 1u : 0u);
        }
    }
}

// Records of this table (an 11-byte key, then 81 and 206 bytes: 298 bytes)
// are longer than a request carries. Insert, modify record and modify field
// are refused before their form, with the reason in the status line, and
// send nothing; delete sends only the key and goes on working.
TEST_F(RecordEditor, RecordsLongerThanARequestAreNotSent) {
    constexpr int16_t kLongTable = 124;
    ScopedTables longTables{kLongTable};
    longTables.insert(kLongTable, "b1,opis,ucesce");
    auto* editor = new TTableModifyShell(nullptr, kLongTable);
    editor->create();
    const FXSelector ids[] = {TTableModifyShell::ID_INSERT, TTableModifyShell::ID_MODIFY_RECORD,
                              TTableModifyShell::ID_MODIFY_FIELD};
    for (FXSelector id : ids) {
        editor->recordTable()->getTable()->selectItem(1, 2, TRUE);
        bool formShown = false;
        ModalDriver driver;
        driver.then([&](FXWindow* modal) {
            formShown = true;
            TTableModify* f = formOf(modal);
            for (int i = 0; i < f->fieldCount(); ++i)
                if (f->fields[i]->getText().empty()) f->fields[i]->setText("x");
            sendCommand(modal, FXDialogBox::ID_ACCEPT);
        });
        driver.start();
        sendCommand(editor, id);
        EXPECT_FALSE(formShown) << id;
        EXPECT_EQ(editor->openForm(), nullptr) << id;
        EXPECT_TRUE(requests().empty()) << id;
        EXPECT_EQ(statusOf(editor), "Запись длиннее 250 байт (298) не может быть отправлена") << id;
        EXPECT_EQ(colourOf(editor), kShellAlertColour) << id;
    }

    editor->recordTable()->getTable()->selectItem(1, 0, TRUE);
    ModalDriver driver;
    driver.then([&](FXWindow* modal) { sendCommand(modal, FXDialogBox::ID_ACCEPT); });
    driver.start();
    sendCommand(editor, TTableModifyShell::ID_DELETE);
    const auto sent = requests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].code, 'S');
    EXPECT_EQ(Bytes(sent[0].payload.begin() + 11, sent[0].payload.begin() + 14),
              (Bytes{'b', '1', 0}));
    EXPECT_EQ(statusOf(editor), textById(26328));
    delete editor;
}

// The close box and Escape remove the window (its receiver goes with it).
TEST_F(RecordEditor, CloseAndEscapeRemoveTheWindow) {
    for (bool escape : {false, true}) {
        const int receivers = messageReceiverCount();
        if (escape)
            pressKey(shell, KEY_Escape);
        else
            shell->handle(shell, FXSEL(SEL_CLOSE, TTableModifyShell::ID_CLOSE), nullptr);
        EXPECT_FALSE(shell->shown());
        for (int i = 0; i < 1000 && messageReceiverCount() == receivers; ++i)
            testApp().runOneEvent(false);
        EXPECT_EQ(messageReceiverCount(), receivers - 1) << escape;
        shell = new TTableModifyShell(nullptr, kTable);
        shell->create();
        shell->show();
    }
}

class FakeFileChooser : public IFileNameChooser {
public:
    bool choose(const char*, const char*, int, std::string& chosen) override {
        chosen = name;
        return !name.empty();
    }
    std::string name;
};

TEST(SaveTablesToScript, AsksBeforeOverwriting) {
    testApp();
    ScopedWorkDir dir;
    ScopedTables tables{kTable};
    tables.insert(kTable, "1,1,10,v1");
    FakeFileChooser chooser;
    setFileNameChooser(&chooser);
    RecordingBoxes boxes;
    dir.write("old.dat", "old");
    const struct {
        const char* name;
        std::string file;
        int answer;
        int result;
        bool written;
    } cases[] = {
        {"cancelled", "", 1, 0, false},
        {"existing file kept", "old.dat", 0, 0, false},
        {"new file", "new.dat", 1, 1, true},
        {"existing file overwritten", "old.dat", 1, 1, true},
    };
    for (const auto& c : cases) {
        chooser.name = c.file;
        boxes.answer = c.answer;
        boxes.boxes.clear();
        EXPECT_EQ(saveTablesToScript(), c.result) << c.name;
        if (!c.file.empty()) {
            EXPECT_EQ(dir.read(c.file).find("v1") != std::string::npos, c.written) << c.name;
        }
        if (c.written) {
            EXPECT_EQ(boxes.boxes.back().text, textById(21232)) << c.name;
        }
    }
    setFileNameChooser(nullptr);
}

}  // namespace
