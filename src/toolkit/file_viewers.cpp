/*
  Notes:
  - Files are CP1251; each piece is converted for display as it is
    appended, carriage returns left out.
  - A viewer that gets no file (none chosen, or one that cannot be opened)
    removes itself instead of staying hidden for the rest of the run.
  - The loading percentage is computed in 64 bits; a size that reads as 0
    or below shows 0 %.
*/
#include "toolkit/file_viewers.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fox-1.6/fxkeys.h>

#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "platform/paths.h"
#include "toolkit/accelerators.h"
#include "toolkit/shared_fonts.h"
#include "toolkit/small_dialogs.h"
#include "toolkit/text_codec.h"
#include "utils/files.h"
#include "utils/message_box.h"
#include "utils/text_file_viewer.h"

using namespace FX;

namespace {

constexpr int kHexBlock = 16;
constexpr int kStatusSize = 200;
constexpr double kBytesPerMegabyte = 1048576.0;

constexpr int kTextPosition = 21100;
constexpr int kTextMenu = 21101;
constexpr int kTextExit = 21102;
constexpr int kTextNoFile = 21103;
constexpr int kTextLoading = 21104;
constexpr int kTextLoaded = 21105;
constexpr int kTextCannotOpen = 21106;
constexpr int kTextChooseFile = 21097;
constexpr int kTextGotoLine = 26191;
constexpr int kTextLineLabel = 26192;
constexpr int kTextFind = 26193;
constexpr int kTextFindLabel = 26194;
constexpr int kTextNotFound = 26196;
constexpr int kTextCopyFile = 26197;
constexpr int kTextCopyFailed = 26200;
constexpr int kTextCopied = 26201;
constexpr int kTextDeleteFile = 26202;
constexpr int kTextDeleteFailed = 26203;
constexpr int kTextDeleted = 26204;

const char* const kTextPatterns = "Text Files (*.txt)\nAll Files (*.*)";
const char* const kInitialTextName = "*.txt";

struct SMenuEntry {
    int text;  // 0: a separator
    const char* key;
    FXSelector id;
};
const SMenuEntry kMenu[] = {
    {kTextGotoLine, "Ctl-L", TTxtFileLineDial::ID_GOTO_LINE},
    {kTextFind, "Ctl-F", TTxtFileLineDial::ID_FIND},
    {kTextFind, "Ctl-N", TTxtFileLineDial::ID_FIND_NEXT},
    {0, nullptr, 0},
    {kTextCopyFile, "Ctl-K", TTxtFileLineDial::ID_COPY_FILE},
    {kTextDeleteFile, "Ctl-D", TTxtFileLineDial::ID_DELETE_FILE},
    {0, nullptr, 0},
};

class FoxViewerFileDialogs : public IViewerFileDialogs {
public:
    bool choose(FXWindow* owner, bool save, const char* title, const char* initial,
                const char* patterns, std::string& chosen) override {
        TFocusKeeper keeper;
        const FXString name = save ? FXFileDialog::getSaveFilename(
                                         owner, toUtf8(title), toUtf8(initial), toUtf8(patterns))
                                   : FXFileDialog::getOpenFilename(
                                         owner, toUtf8(title), toUtf8(initial), toUtf8(patterns));
        chosen = name.text();
        return !chosen.empty();
    }
};

FoxViewerFileDialogs foxDialogs;
IViewerFileDialogs* viewerDialogs = &foxDialogs;

FXApp* applicationOf(FXWindow* owner) {
    return owner != nullptr ? owner->getApp() : FXApp::instance();
}

FILE* openBinary(const std::string& name) {
    return std::fopen(platform::localPath(name.c_str()).c_str(), "rb");
}

void reportCannotOpen(const std::string& name) {
    char message[kStatusSize + 300];
    formatMessage(message, sizeof message, kTextCannotOpen, name);
    showError(message);
}

// A question for a text with an initial answer; false when cancelled.
bool askText(FXWindow* owner, int titleId, int labelId, std::string& answer) {
    return promptText(owner, textById(titleId), textById(labelId), answer);
}

}  // namespace

void setViewerFileDialogs(IViewerFileDialogs* dialogs) {
    viewerDialogs = dialogs != nullptr ? dialogs : &foxDialogs;
}

char* copyPrintable(char* out, const uint8_t* bytes, int n) {
    for (int i = 0; i < n; ++i) {
        const uint8_t b = bytes[i];
        out[i] = b == 0 || b == 10 || b == 13 ? ' ' : static_cast<char>(b);
    }
    out[std::max(n, 0)] = '\0';
    return out;
}

char* formatHexBytes(char* out, const uint8_t* bytes, int n) {
    static const char kDigits[] = "0123456789ABCDEF";
    for (int i = 0; i < n; ++i) {
        out[3 * i] = kDigits[bytes[i] >> 4];
        out[3 * i + 1] = kDigits[bytes[i] & 0x0F];
        out[3 * i + 2] = ' ';
    }
    out[3 * std::max(n, 0)] = '\0';
    return out;
}

std::string hexDumpLine(uint32_t offset, const uint8_t* bytes, int n) {
    n = std::clamp(n, 0, kHexBlock);
    char hex[3 * kHexBlock + 1];
    char chars[kHexBlock + 1];
    char line[8 + 1 + 48 + 1 + 24 + 2];
    std::snprintf(line, sizeof line, "%08X %-48s %-24s\n", offset, formatHexBytes(hex, bytes, n),
                  copyPrintable(chars, bytes, n));
    return line;
}

// ---------------------------------------------------------------------------

FXDEFMAP(TTxtFileLineDial)
TTxtFileLineDialMap[] = {
    FXMAPFUNC(SEL_COMMAND, TTxtFileLineDial::ID_GOTO_LINE, TTxtFileLineDial::onCmdGotoLine),
    FXMAPFUNC(SEL_COMMAND, TTxtFileLineDial::ID_FIND, TTxtFileLineDial::onCmdFind),
    FXMAPFUNC(SEL_COMMAND, TTxtFileLineDial::ID_FIND_NEXT, TTxtFileLineDial::onCmdFindNext),
    FXMAPFUNC(SEL_COMMAND, TTxtFileLineDial::ID_COPY_FILE, TTxtFileLineDial::onCmdCopyFile),
    FXMAPFUNC(SEL_COMMAND, TTxtFileLineDial::ID_DELETE_FILE, TTxtFileLineDial::onCmdDeleteFile),
    FXMAPFUNC(SEL_CHANGED, TTxtFileLineDial::ID_TEXT, TTxtFileLineDial::onTextChanged),
    FXMAPFUNC(SEL_KEYPRESS, 0, TTxtFileLineDial::onKeyPress),
    FXMAPFUNC(SEL_CLOSE, TTxtFileLineDial::ID_CLOSE, TTxtFileLineDial::onCmdClose),
    FXMAPFUNC(SEL_CHORE, TTxtFileLineDial::ID_DISPOSE, TTxtFileLineDial::onDispose),
};
FXIMPLEMENT(TTxtFileLineDial, TDialogBox, TTxtFileLineDialMap, ARRAYNUMBER(TTxtFileLineDialMap))

TTxtFileLineDial::TTxtFileLineDial(FXWindow* owner)
    : TDialogBox(
          applicationOf(owner), " ",
          DECOR_TITLE | DECOR_MINIMIZE | DECOR_MAXIMIZE | DECOR_CLOSE | DECOR_BORDER | DECOR_RESIZE,
          20, 20, 600, 400, 10, 10, 10, 10, 4, 4),
      owner_(owner) {
    setTarget(this);
    setSelector(ID_CLOSE);
    menuBar_ = new FXMenuBar(this, LAYOUT_SIDE_TOP | LAYOUT_FILL_X, 0, 0, 0, 0, 3, 3, 2, 2, 4, 4);
    menuPane_ = new FXMenuPane(this);
    new FXMenuTitle(menuBar_, toUtf8(convertTildeAccel(textById(kTextMenu))), nullptr, menuPane_);
    for (const SMenuEntry& e : kMenu) {
        if (e.text == 0)
            new FXMenuSeparator(menuPane_);
        else
            new FXMenuCommand(menuPane_, toUtf8(makeMenuLabel(textById(e.text), e.key)), nullptr,
                              this, e.id);
    }
    new FXMenuCommand(menuPane_, toUtf8(textById(kTextExit)), nullptr, this,
                      FXDialogBox::ID_CANCEL);
    mainFrame_ =
        new FXVerticalFrame(this, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
    new FXHorizontalSeparator(mainFrame_, SEPARATOR_GROOVE | LAYOUT_FILL_X);
    text_ = new FXText(mainFrame_, this, ID_TEXT, LAYOUT_FILL_X | LAYOUT_FILL_Y);
    if (sharedFonts().fixedPitch != nullptr) text_->setFont(sharedFonts().fixedPitch);
    statusBar_ = new FXStatusBar(mainFrame_, LAYOUT_FILL_X | STATUSBAR_WITH_DRAGCORNER);
}

TTxtFileLineDial::~TTxtFileLineDial() {
    getApp()->removeChore(this, ID_DISPOSE);
    killTimers(this);
    delete menuPane_;
}

void TTxtFileLineDial::removeLater() {
    killTimers(this);
    loadTimer_ = -1;
    hide();
    getApp()->addChore(this, ID_DISPOSE);
}

bool TTxtFileLineDial::askFileName(std::string& chosen) {
    return viewerDialogs->choose(owner_, false, textById(kTextChooseFile), kInitialTextName,
                                 kTextPatterns, chosen) &&
           !chosen.empty();
}

void TTxtFileLineDial::openFile(const char* name) {
    std::string chosen = name != nullptr ? name : "";
    if (name == nullptr && !askFileName(chosen)) {
        showError(textById(kTextNoFile));
        removeLater();
        return;
    }
    fileName_ = chosen;
    setTitle(toUtf8(fileName_));
    readPosition_ = 0;
    startTime_ = programClock();
    loadBuffer_.resize(kViewerPieceSize);
    displayBuffer_.resize(kViewerPieceSize);
    loadTimer_ = setTimer(this, kViewerLoadPeriod);
    create();
    show(PLACEMENT_DEFAULT);
}

void TTxtFileLineDial::onTimer(const STimerEvent*) {
    loadTimer_ = -1;
    loadChunk();
}

void TTxtFileLineDial::appendShown(const char* bytes, std::size_t n) {
    text_->appendText(toUtf8(std::string(bytes, n)), FALSE);
}

void TTxtFileLineDial::loadChunk() {
    FILE* file = openBinary(fileName_);
    if (file == nullptr || std::fseek(file, readPosition_, SEEK_SET) != 0) {
        if (file != nullptr) std::fclose(file);
        reportCannotOpen(fileName_);
        return;
    }
    const int32_t size = streamSize(file);
    getApp()->beginWaitCursor();
    const int32_t began = programClock();
    bool atEnd = false;
    while (!atEnd && programClock() - began < kViewerPieceTime) {
        const std::size_t n = std::fread(loadBuffer_.data(), 1, loadBuffer_.size(), file);
        if (n == 0) {
            atEnd = true;
            break;
        }
        readPosition_ += static_cast<int32_t>(n);
        std::size_t shown = 0;
        for (std::size_t i = 0; i < n; ++i)
            if (loadBuffer_[i] != '\r') displayBuffer_[shown++] = loadBuffer_[i];
        appendShown(displayBuffer_.data(), shown);
        if (std::feof(file)) atEnd = true;
    }
    std::fclose(file);
    getApp()->endWaitCursor();

    char megabytes[32];
    std::snprintf(megabytes, sizeof megabytes, "%-2.2f", readPosition_ / kBytesPerMegabyte);
    const int32_t seconds = (programClock() - startTime_) / 1000;
    char status[kStatusSize];
    if (atEnd) {
        formatMessage(status, sizeof status, kTextLoaded, megabytes, seconds);
    } else {
        const int64_t percent = size > 0 ? static_cast<int64_t>(readPosition_) * 100 / size : 0;
        formatMessage(status, sizeof status, kTextLoading, megabytes, percent, "%", seconds);
        loadTimer_ = setTimer(this, kViewerLoadPeriod);
    }
    setStatus(status);
}

void TTxtFileLineDial::setStatus(const char* text) {
    FXStatusLine* line = statusBar_->getStatusLine();
    line->setNormalText(toUtf8(text));
    line->setText(line->getNormalText());
}

void TTxtFileLineDial::showPosition() {
    char status[kStatusSize];
    formatMessage(status, sizeof status, kTextPosition, text_->getCursorRow(),
                  text_->getCursorColumn());
    setStatus(status);
}

long TTxtFileLineDial::onCmdGotoLine(FXObject*, FXSelector, void*) {
    std::string answer = std::to_string(gotoLine_);
    if (!askText(this, kTextGotoLine, kTextLineLabel, answer)) return 1;
    gotoLine_ = static_cast<int32_t>(std::strtol(answer.c_str(), nullptr, 10));
    const FXint lastRow = text_->countRows(0, text_->getLength());
    text_->setCursorRow(std::clamp<FXint>(gotoLine_, 0, std::max<FXint>(lastRow, 0)), FALSE);
    text_->makePositionVisible(text_->getCursorPos());
    showPosition();
    return 1;
}

void TTxtFileLineDial::findFrom(int32_t from) {
    FXint begin = 0, end = 0;
    if (searchText_.empty() || !text_->findText(toUtf8(searchText_), &begin, &end, from,
                                                SEARCH_FORWARD | SEARCH_WRAP | SEARCH_EXACT)) {
        setStatus(textById(kTextNotFound));
        return;
    }
    text_->setCursorPos(begin, FALSE);
    text_->setAnchorPos(begin);
    text_->setSelection(begin, end - begin, FALSE);
    text_->makePositionVisible(begin);
    matchStart_ = begin;
    matchEnd_ = end;
    showPosition();
}

long TTxtFileLineDial::onCmdFind(FXObject*, FXSelector, void*) {
    std::string answer = searchText_;
    if (!askText(this, kTextFind, kTextFindLabel, answer)) return 1;
    searchText_ = answer;
    findFrom(0);
    return 1;
}

long TTxtFileLineDial::onCmdFindNext(FXObject*, FXSelector, void*) {
    findFrom(matchEnd_);
    return 1;
}

long TTxtFileLineDial::onCmdCopyFile(FXObject*, FXSelector, void*) {
    std::string target;
    const bool chosen = viewerDialogs->choose(this, true, textById(kTextCopyFile),
                                              fileName_.c_str(), kTextPatterns, target) &&
                        !target.empty();
    const bool copied = chosen && copyFile(fileName_.c_str(), target.c_str()) == 0;
    setStatus(textById(copied ? kTextCopied : kTextCopyFailed));
    return 1;
}

long TTxtFileLineDial::onCmdDeleteFile(FXObject*, FXSelector, void*) {
    if (confirmDeletion(textById(kTextDeleteFile)) == 0) return 1;
    setStatus(textById(deleteFile(fileName_.c_str()) == 0 ? kTextDeleted : kTextDeleteFailed));
    return 1;
}

long TTxtFileLineDial::onTextChanged(FXObject*, FXSelector, void*) {
    if (text_ != nullptr && statusBar_ != nullptr) showPosition();
    return 1;
}

long TTxtFileLineDial::onKeyPress(FXObject* sender, FXSelector sel, void* ptr) {
    if (FXTopWindow::onKeyPress(sender, sel, ptr)) return 1;
    const auto* event = static_cast<const FXEvent*>(ptr);
    if (event == nullptr || event->code != KEY_Escape) return 0;
    removeLater();
    return 1;
}

long TTxtFileLineDial::onCmdClose(FXObject*, FXSelector, void*) {
    removeLater();
    return 1;
}

long TTxtFileLineDial::onDispose(FXObject*, FXSelector, void*) {
    delete this;
    return 1;
}

// ---------------------------------------------------------------------------

FXIMPLEMENT(TBinFileLineDial, TTxtFileLineDial, nullptr, 0)

TBinFileLineDial::TBinFileLineDial(FXWindow* owner) : TTxtFileLineDial(owner) {}

void TBinFileLineDial::openFile(const char* name) {
    std::string chosen = name != nullptr ? name : "";
    if (name == nullptr && !askFileName(chosen)) {
        removeLater();
        return;
    }
    fileName_ = chosen;
    setTitle(toUtf8(fileName_));
    FILE* file = openBinary(fileName_);
    if (file == nullptr) {
        reportCannotOpen(fileName_);
        removeLater();
        return;
    }
    getApp()->beginWaitCursor();
    std::string dump;
    uint8_t block[kHexBlock];
    uint32_t offset = 0;
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0; offset += kHexBlock)
        dump += hexDumpLine(offset, block, static_cast<int>(n));
    std::fclose(file);
    appendShown(dump.data(), dump.size());
    getApp()->endWaitCursor();
    create();
    show(PLACEMENT_DEFAULT);
}

// ---------------------------------------------------------------------------

namespace {

template <class Viewer>
int openViewer(const char* name) {
    auto* viewer = new Viewer(mainDialogOwner());
    viewer->openFile(name);
    return 1;
}

void openTextViewer(const char* name) {
    openViewer<TTxtFileLineDial>(name);
}

}  // namespace

int openBinaryFileViewer(const char* name) {
    return openViewer<TBinFileLineDial>(name);
}

void openEmptyBinaryFileViewer() {
    openBinaryFileViewer(nullptr);
}

void installTextFileViewer() {
    setTextFileViewerHandler(openTextViewer);
}
