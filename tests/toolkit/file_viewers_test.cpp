#include <cstring>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <gtest/gtest.h>

#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "peer/modal_driver.h"
#include "peer/recording_boxes.h"
#include "peer/work_dir.h"
#include "toolkit/file_viewers.h"
#include "toolkit/record_fixtures.h"
#include "toolkit/text_codec.h"
#include "utils/text_file_viewer.h"

using namespace FX;

namespace {

std::string formatted(int id, const std::vector<MessageArg>& args) {
    char out[300];
    formatMessageArgs(out, sizeof out, id, args.data(), args.size());
    return out;
}

TEST(HexDump, LinesOfSixteenBytes) {
    const uint8_t special[] = {0, 10, 13, 'A', 0xC0};
    const struct {
        const char* name;
        uint32_t offset;
        std::vector<uint8_t> bytes;
        std::string line;
    } cases[] = {
        {"full line",
         0,
         {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'},
         "00000000 30 31 32 33 34 35 36 37 38 39 61 62 63 64 65 66  0123456789abcdef        \n"},
        {"one byte at 16",
         16,
         {'z'},
         "00000010 7A" + std::string(47, ' ') + "z" + std::string(23, ' ') + "\n"},
        {"0, 10 and 13 shown as blanks", 0x1F0, std::vector<uint8_t>(special, special + 5),
         "000001F0 00 0A 0D 41 C0" + std::string(35, ' ') + "   A\xC0" + std::string(19, ' ') +
             "\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hexDumpLine(c.offset, c.bytes.data(), int(c.bytes.size())), c.line) << c.name;
}

class FakeViewerDialogs : public IViewerFileDialogs {
public:
    bool choose(FXWindow*, bool save, const char* title, const char*, const char*,
                std::string& chosen) override {
        titles.push_back(title);
        chosen = save ? saveName : openName;
        return !chosen.empty();
    }
    std::string openName, saveName;
    std::vector<std::string> titles;
};

class FileViewer : public RecordWindowTest {
protected:
    void SetUp() override {
        RecordWindowTest::SetUp();
        setViewerFileDialogs(&dialogs);
    }
    void TearDown() override {
        setViewerFileDialogs(nullptr);
        RecordWindowTest::TearDown();
    }
    static std::string status(TTxtFileLineDial* v) {
        return fromUtf8(v->statusBar()->getStatusLine()->getNormalText());
    }
    static std::string shown(TTxtFileLineDial* v) { return fromUtf8(v->textArea()->getText()); }

    ScopedWorkDir dir;
    FakeViewerDialogs dialogs;
};

TEST_F(FileViewer, LoadsInPiecesWithoutCarriageReturns) {
    std::string crlf;
    while (crlf.size() < 1200000) crlf += "line of text\r\n";
    crlf.resize(1200000);
    std::string noCr;
    for (char ch : crlf)
        if (ch != '\r') noCr += ch;
    const struct {
        const char* name;
        std::string contents;
        std::string shown;
        const char* megabytes;
    } cases[] = {
        {"CR LF file", crlf, noCr, "1.14"},
        {"empty file", "", "", "0.00"},
        {"exactly two pieces", std::string(1000000, 'x'), std::string(1000000, 'x'), "0.95"},
    };
    for (const auto& c : cases) {
        dir.write("view.txt", c.contents);
        auto* v = new TTxtFileLineDial(host);
        v->openFile("view.txt");
        EXPECT_TRUE(v->shown()) << c.name;
        EXPECT_EQ(shown(v), "") << c.name;  // nothing before the timer
        elapse(kViewerLoadPeriod);
        EXPECT_EQ(shown(v), c.shown) << c.name;
        EXPECT_EQ(v->readPosition(), int32_t(c.contents.size())) << c.name;
        EXPECT_EQ(v->loadTimer(), -1) << c.name;
        EXPECT_EQ(status(v), formatted(21105, {c.megabytes, "0"})) << c.name;
        delete v;
    }
}

TEST_F(FileViewer, MissingFilesAreReported) {
    // No name chosen: error 21103; a file that cannot be opened: 21106.
    installTextFileViewer();
    dialogs.openName = "";
    openTextFileViewer(nullptr);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, textById(21103));
    EXPECT_EQ(dialogs.titles.back(), textById(21097));
    openBinaryFileViewer(nullptr);  // the hex viewer says nothing
    EXPECT_EQ(boxes.boxes.size(), 1u);

    auto* v = new TTxtFileLineDial(host);
    v->openFile("absent.txt");
    elapse(kViewerLoadPeriod);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[1].text, formatted(21106, {"absent.txt"}));
    EXPECT_EQ(v->loadTimer(), -1);
    delete v;
    openBinaryFileViewer("absent.bin");
    EXPECT_EQ(boxes.boxes.back().text, formatted(21106, {"absent.bin"}));
    runChores();
    setTextFileViewerHandler(nullptr);
}

TEST_F(FileViewer, HexViewerDumpsTheWholeFile) {
    const struct {
        std::size_t size;
        int lines;
    } cases[] = {{16, 1}, {17, 2}, {0, 0}};
    for (const auto& c : cases) {
        dir.write("data.bin", std::string(c.size, 'q'));
        auto* v = new TBinFileLineDial(host);
        v->openFile("data.bin");
        const std::string text = shown(v);
        EXPECT_EQ(int(std::count(text.begin(), text.end(), '\n')), c.lines) << c.size;
        if (c.lines == 2) {
            EXPECT_EQ(text.substr(text.find('\n') + 1, 12), "00000010 71 ");
        }
        EXPECT_EQ(fromUtf8(v->getTitle()), "data.bin");
        delete v;
    }
}

TEST_F(FileViewer, GotoFindCopyAndDelete) {
    dir.write("view.txt", "alpha\nbeta\ngamma\n");
    auto* v = new TTxtFileLineDial(host);
    v->openFile("view.txt");
    elapse(kViewerLoadPeriod);
    auto answer = [](const char* text) {
        return [text](FXWindow* modal) {
            findChild<FXTextField>(modal)->setText(text);
            sendCommand(modal, FXDialogBox::ID_ACCEPT);
        };
    };
    struct Step {
        const char* name;
        FXSelector id;
        const char* typed;  // null: no question
        int row, col;       // cursor afterwards, -1 not checked
        std::string status;
    };
    const Step steps[] = {
        {"go to line 5 of 3", TTxtFileLineDial::ID_GOTO_LINE, "5", 3, 0,
         formatted(21100, {"3", "0"})},
        {"go to line 1", TTxtFileLineDial::ID_GOTO_LINE, "1", 1, 0, formatted(21100, {"1", "0"})},
        {"not found", TTxtFileLineDial::ID_FIND, "zeta", -1, -1, textById(26196)},
        {"find", TTxtFileLineDial::ID_FIND, "amm", 2, 1, formatted(21100, {"2", "1"})},
        {"find next wraps", TTxtFileLineDial::ID_FIND_NEXT, nullptr, 2, 1,
         formatted(21100, {"2", "1"})},
    };
    for (const Step& s : steps) {
        ModalDriver driver;
        if (s.typed != nullptr) driver.then(answer(s.typed));
        driver.start();
        sendCommand(v, s.id);
        if (s.row >= 0) {
            EXPECT_EQ(v->textArea()->getCursorRow(), s.row) << s.name;
            EXPECT_EQ(v->textArea()->getCursorColumn(), s.col) << s.name;
        }
        EXPECT_EQ(status(v), s.status) << s.name;
    }
    // The last match stays selected (a question box would take the selection).
    EXPECT_EQ(v->textArea()->getSelStartPos(), 12);
    EXPECT_EQ(v->textArea()->getSelEndPos(), 15);

    const struct {
        const char* name;
        std::string target;
        int text;
    } copies[] = {
        {"copied", "copy.txt", 26201},
        {"directory that cannot be written", "missing/dir/copy.txt", 26200},
        {"no name", "", 26200},
    };
    for (const auto& c : copies) {
        dialogs.saveName = c.target;
        sendCommand(v, TTxtFileLineDial::ID_COPY_FILE);
        EXPECT_EQ(status(v), textById(c.text)) << c.name;
    }
    EXPECT_EQ(dir.read("copy.txt"), "alpha\nbeta\ngamma\n");

    boxes.answer = 0;
    sendCommand(v, TTxtFileLineDial::ID_DELETE_FILE);
    EXPECT_EQ(dir.read("view.txt"), "alpha\nbeta\ngamma\n");
    boxes.answer = 1;
    sendCommand(v, TTxtFileLineDial::ID_DELETE_FILE);
    EXPECT_EQ(status(v), textById(26204));
    sendCommand(v, TTxtFileLineDial::ID_DELETE_FILE);
    EXPECT_EQ(status(v), textById(26203));
    EXPECT_EQ(shown(v), "alpha\nbeta\ngamma\n");
    delete v;
}

}  // namespace
