#include "shell/operator_reports.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include <fox-1.6/fxkeys.h>

#include "texts/catalogue_message.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "platform/shell.h"
#include "shell/main_window.h"
#include "toolkit/accelerators.h"
#include "toolkit/file_chooser.h"
#include "toolkit/text_codec.h"
#include "utils/bytes.h"
#include "utils/dates.h"
#include "utils/files.h"
#include "utils/html_filter.h"

using namespace FX;

/*
  Notes:
  - A report window deletes itself when closed; its destructor takes the key
    out of the open reports first, so lines that arrive later are dropped.
  - The registries hold window pointers only while the key is open: a window
    is looked up by its key for every line, never kept by the callers.
*/

namespace {

// The page is written in code page 1251 and says so, or a browser guesses.
constexpr const char* kPageTitleOpen =
    "<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">"
    "<TITLE>";
constexpr const char* kPageTitleClose = "</TITLE></HEAD>";
constexpr const char* kPageBody = "<BODY>";
constexpr const char* kPageLogo = "<P align=\"center\"><IMG src=\"qjp.gif\" alt=\"QJP logo\"></P>";
constexpr const char* kPageBoldCentreOpen = "<p align=\"center\"><b>";
constexpr const char* kPageBoldCentreClose = "</b></p>";
constexpr const char* kPageCentreOpen = "<p align=\"center\">";
constexpr const char* kPageCentreClose = "</p>";
constexpr const char* kPageDateFormat = "%02d.%02d.%04d.  %02d:%02d:%02d";
constexpr const char* kPageRule = "<hr><p>";
constexpr const char* kPageHeaderEnd = "<p>";
constexpr const char* kPageEnd = "</BODY></HTML>";
constexpr const char* kPagePattern = "*.htm";
constexpr const char* kPageInitialName = "izvestaj.htm";
constexpr const char* kReportLogFormat = "%x%x.izv";
constexpr const char* kPrintFileFormat = "%s.htm";

constexpr int16_t kReportLines = 10000;
constexpr int32_t kNoFlushPeriod = -1;
constexpr int kEventLineSize = 121;  // 120 characters and the terminator
constexpr std::size_t kLayoutSize = 200;
constexpr std::size_t kCellSize = 1024;
constexpr int kFileNameSize = 256;
constexpr FXint kVisibleRows = 20;

int compareReports(const SIzvestaj& element, const uint32_t& key) {
    const uint32_t own = reportKey(element.source, element.number);
    return own < key ? -1 : (own > key ? 1 : 0);
}

uint32_t keyOfReport(const SIzvestaj& element) {
    return reportKey(element.source, element.number);
}

std::unique_ptr<TReportRegistry> openList;
std::unique_ptr<TReportRegistry> closedList;

// The registries exist for the whole life of the program.
struct SRegistriesAtLoad {
    SRegistriesAtLoad() { initOperatorReports(); }
} registriesAtLoad;

// The report windows themselves, the default of the report seam.
class KReportWindows : public IOperatorReports {
public:
    SIzvestaj open(uint16_t source, uint16_t number, int32_t commandId, int32_t titleId,
                   int32_t headerId) override;
    bool isOpen(const SIzvestaj& key) override {
        return openReports().find(reportKey(key.source, key.number)) == 0;
    }
    void appendLine(const SIzvestaj& key, uint8_t code, const char* text, int length) override;
};

KReportWindows reportWindows;

// Every report window alive, finished ones included.
std::vector<KOperIzvestaj*>& liveWindows() {
    static std::vector<KOperIzvestaj*> windows;
    return windows;
}
IOperatorReports* installedReports = nullptr;

IOperatorReports& reports() {
    return installedReports != nullptr ? *installedReports : reportWindows;
}

KOperIzvestaj* openWindowOf(uint16_t source, uint16_t number) {
    TReportRegistry& list = openReports();
    if (list.find(reportKey(source, number)) != 0) return nullptr;
    return list.cursor()->window;
}

// Keeps one entry per key in the closed reports.
void rememberClosed(uint16_t source, uint16_t number) {
    TReportRegistry& closed = closedReports();
    if (closed.find(reportKey(source, number)) != 0)
        closed.insert(SIzvestaj{source, number, nullptr});
}

SIzvestaj KReportWindows::open(uint16_t source, uint16_t number, int32_t commandId, int32_t titleId,
                               int32_t headerId) {
    if (source == ownAddress) number = ++localReportNumber;
    SIzvestaj report{source, number, nullptr};
    TReportRegistry& list = openReports();
    if (list.count() >= list.capacity()) {
        // No room for another window: the report is known as closed, so its
        // lines are dropped and its end clears it. No window is made.
        rememberClosed(source, number);
        return report;
    }
    // A report opened again under a key still open takes the key over: the
    // earlier window keeps its lines and receives no more.
    if (list.find(reportKey(source, number)) == 0) list.remove(reportKey(source, number));
    auto* window =
        new KOperIzvestaj(FXApp::instance(), source, number, commandId, titleId, headerId);
    report.window = window;
    list.insert(report);
    window->create();
    window->show(PLACEMENT_DEFAULT);
    postReportEvent(26955, window->title().c_str(), number);
    return report;
}

void KReportWindows::appendLine(const SIzvestaj& key, uint8_t code, const char* text, int length) {
    KOperIzvestaj* window = openWindowOf(key.source, key.number);
    if (window == nullptr || text == nullptr) return;
    window->reportStream()->onMessage(0, 0, code, reinterpret_cast<const uint8_t*>(text), length);
}

char htmlCell[kCellSize];
std::vector<std::string> cellPieces;

void currentStamp(char* out, std::size_t size) {
    SDateTime now;
    getCurrentDateTime(&now);
    std::snprintf(out, size, kPageDateFormat, now.date.day, now.date.month, now.date.year,
                  now.time.hour, now.time.minute, now.time.second);
}

int appendClosingLine(const char* fileName) {
    std::FILE* file = nullptr;
    if (openTextForAppend(&file, fileName) != 0 || file == nullptr) return -1;
    const int written = writeTextLine(file, kPageEnd, true);
    return closeTextFile(file) == 0 && written == 0 ? 0 : -1;
}

}  // namespace

uint16_t localReportNumber = 0;
KPrimacOperIzvestaja* operatorReportReceiver = nullptr;

uint32_t reportKey(uint16_t source, uint16_t number) {
    return static_cast<uint32_t>(source) << 16 | number;
}

TReportRegistry& openReports() {
    if (!openList) initOperatorReports();
    return *openList;
}

TReportRegistry& closedReports() {
    if (!closedList) initOperatorReports();
    return *closedList;
}

void initOperatorReports() {
    openList = std::make_unique<TReportRegistry>(kMaxOpenReports, 0, compareReports, keyOfReport);
    closedList =
        std::make_unique<TReportRegistry>(kMaxClosedReports, 0, compareReports, keyOfReport);
}

void freeOperatorReports() {
    openList.reset();
    closedList.reset();
}

void setOperatorReports(IOperatorReports* r) {
    installedReports = r;
}

SIzvestaj openOperatorReport(uint16_t source, uint16_t number, int32_t commandId, int32_t titleId,
                             int32_t headerId) {
    return reports().open(source, number, commandId, titleId, headerId);
}

bool isOperatorReportOpen(const SIzvestaj& key) {
    return reports().isOpen(key);
}

void appendOperatorReportLine(const SIzvestaj& key, uint8_t code, const char* text, int length) {
    reports().appendLine(key, code, text, length);
}

void closeOperatorReport(uint16_t source, uint16_t number, const KOperIzvestaj* window) {
    TReportRegistry& list = openReports();
    if (list.find(reportKey(source, number)) != 0) return;
    if (window != nullptr && list.cursor()->window != window) return;
    list.remove(reportKey(source, number));
    rememberClosed(source, number);
}

void postReportEvent(int32_t eventId, const char* title, uint16_t number) {
    SDateTime now;
    getCurrentDateTime(&now);
    char line[kEventLineSize];
    formatMessage(line, sizeof line, 26954, now.time.hour, now.time.minute, now.time.second,
                  eventId, title != nullptr ? title : "", number);
    postTextLine(kLineLocal, line, kTypeOperator);
}

KPrimacOperIzvestaja::KPrimacOperIzvestaja() : TMessageReceiver(kTypeOperatorReport) {
    addCodeFilter(kCodeReportOpen);
    addCodeFilter(kCodeReportFinished);
    addCodeFilter(kCodeReportLine);
    active = 1;
}

void KPrimacOperIzvestaja::onMessage(uint8_t, uint16_t source, uint8_t code, const uint8_t* payload,
                                     int length) {
    const uint16_t number = deliveredFrameWord();
    const uint32_t key = reportKey(source, number);
    if (code == kCodeReportOpen) {
        ByteReader in(payload, length > 0 ? static_cast<std::size_t>(length) : 0);
        const int32_t commandId = in.i32le();
        const int32_t titleId = in.i32le();
        const int32_t headerId = in.i32le();
        if (in.ok()) openOperatorReport(source, number, commandId, titleId, headerId);
        return;
    }
    if (code == kCodeReportFinished) {
        if (openReports().find(key) == 0) {
            const KOperIzvestaj* window = openReports().cursor()->window;
            postReportEvent(26957, window->title().c_str(), number);
            openReports().remove(key);
        } else {
            closedReports().remove(key);
        }
        return;
    }
    if (code == kCodeReportLine) {
        KOperIzvestaj* window = openWindowOf(source, number);
        if (window != nullptr)
            window->reportStream()->onMessage(0, 0, kCodeCodedText, payload, length);
    }
}

int startOperatorReports() {
    if (operatorReportReceiver == nullptr) operatorReportReceiver = new KPrimacOperIzvestaja();
    return 0;
}

void stopOperatorReports() {}

std::string reportLogName(uint16_t source, uint16_t number) {
    char name[16];
    std::snprintf(name, sizeof name, kReportLogFormat, source, number);
    return name;
}

std::string reportPrintFileName(const std::string& title) {
    // A title is a catalogue text: path separators in it would name a folder.
    std::string safe = title;
    for (char& c : safe)
        if (c == '/' || c == '\\') c = '_';
    const FXString utf8 = toUtf8(safe);
    char name[kFileNameSize * 4];
    std::snprintf(name, sizeof name, kPrintFileFormat, utf8.text());
    return name;
}

const char* KHTMLMsgViewer::getCellText(FXint row, FXint col) {
    if (!isAttached() || row <= 0) return nullptr;
    const char* line = stream_->buffer().textAt(row - 1);
    if (line == nullptr) return nullptr;
    htmlToText(line, htmlCell, sizeof htmlCell);
    if (getColumnCount() <= 1) return htmlCell;
    splitLayout(htmlCell, cellPieces);
    if (col < 0 || static_cast<std::size_t>(col) >= cellPieces.size()) return "";
    return cellPieces[static_cast<std::size_t>(col)].c_str();
}

FXDEFMAP(KOperIzvestaj)
KOperIzvestajMap[] = {
    FXMAPFUNC(SEL_COMMAND, KOperIzvestaj::ID_SAVE, KOperIzvestaj::onCmdSave),
    FXMAPFUNC(SEL_COMMAND, KOperIzvestaj::ID_PRINT, KOperIzvestaj::onCmdPrint),
    FXMAPFUNC(SEL_CLOSE, 0, KOperIzvestaj::onCmdClose),
    FXMAPFUNC(SEL_KEYPRESS, 0, KOperIzvestaj::onKeyPress),
};
FXIMPLEMENT(KOperIzvestaj, FXDialogBox, KOperIzvestajMap, ARRAYNUMBER(KOperIzvestajMap))

KOperIzvestaj::KOperIzvestaj(FXApp* app, uint16_t source, uint16_t number, int32_t commandId,
                             int32_t titleId, int32_t headerId)
    : FXDialogBox(
          app, toUtf8(textById(titleId)),
          DECOR_TITLE | DECOR_MINIMIZE | DECOR_MAXIMIZE | DECOR_CLOSE | DECOR_BORDER | DECOR_RESIZE,
          10, 10, 780, 450, 10, 10, 10, 10, 4, 4),
      title_(textById(titleId)),
      source_(source),
      number_(number),
      commandId_(commandId),
      headerId_(headerId),
      titleId_(titleId) {
    // An earlier window of the key (still open, or finished and still shown)
    // gives the log up first: the new report's log holds only its own lines.
    for (KOperIzvestaj* earlier : liveWindows())
        if (earlier->source() == source && earlier->number() == number) earlier->giveUpLog();
    liveWindows().push_back(this);
    const std::string logName = reportLogName(source, number);
    deleteFile(logName.c_str());
    stream_ = std::make_unique<KReportStream>(kTypeOperatorReport, kReportLines, logName.c_str(),
                                              kNoFlushPeriod);
    stream_->active = 0;  // fed by the report receiver only

    auto* buttons = new FXHorizontalFrame(this, LAYOUT_SIDE_BOTTOM | LAYOUT_FILL_X);
    new FXButton(buttons, toUtf8(convertTildeAccel(textById(25564))), nullptr, this, ID_SAVE,
                 BUTTON_NORMAL);
    new FXButton(buttons, toUtf8(convertTildeAccel(textById(25565))), nullptr, this, ID_PRINT,
                 BUTTON_NORMAL);
    char layout[kLayoutSize];
    htmlToText(textById(headerId), layout, sizeof layout);
    viewer_ = new KHTMLMsgViewer(stream_.get(), this, layout, true);
    if (fixedPitchFont != nullptr) viewer_->getTable()->setFont(fixedPitchFont);
}

KOperIzvestaj::~KOperIzvestaj() {
    postReportEvent(26956, title_.c_str(), number_);
    closeOperatorReport(source_, number_, this);
    std::vector<KOperIzvestaj*>& windows = liveWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
    delete viewer_;
    viewer_ = nullptr;
    stream_.reset();
}

int KOperIzvestaj::writePageHead(const char* fileName) {
    std::FILE* file = nullptr;
    if (openTextForWrite(&file, fileName) != 0 || file == nullptr) return -1;
    char stamp[64];
    currentStamp(stamp, sizeof stamp);
    const std::string lines[] = {
        std::string(kPageTitleOpen) + title_ + kPageTitleClose,
        kPageBody,
        kPageLogo,
        std::string(kPageBoldCentreOpen) + textById(21117) + kPageBoldCentreClose,
        std::string(kPageCentreOpen) + title_ + kPageCentreClose,
        std::string(kPageCentreOpen) + stamp + kPageCentreClose,
        kPageRule,
        std::string(textById(headerId_)) + kPageHeaderEnd,
    };
    int failed = 0;
    for (const std::string& line : lines) failed |= writeTextLine(file, line.c_str(), true);
    failed |= closeTextFile(file);
    return failed == 0 ? 0 : -1;
}

void KReportStream::releaseLog() {
    flush();
    logName_.clear();
}

void KOperIzvestaj::giveUpLog() {
    if (!ownsLog_) return;
    stream_->flush();
    char* data = nullptr;
    int32_t size = 0;
    if (readWholeFile(&data, stream_->logName().c_str(), &size) == 0) {
        keptLines_.assign(data, static_cast<std::size_t>(size));
        heapFree(&data);
    }
    stream_->releaseLog();
    ownsLog_ = false;
}

int KOperIzvestaj::appendLines(const char* fileName) {
    stream_->flush();
    if (ownsLog_) return appendFile(stream_->logName().c_str(), fileName);
    std::FILE* file = nullptr;
    if (openTextForAppend(&file, fileName) != 0 || file == nullptr) return -1;
    const int written = writeTextLine(file, keptLines_.c_str(), false);
    return closeTextFile(file) == 0 && written == 0 ? 0 : -1;
}

void KOperIzvestaj::saveAsHtml() {
    char fileName[kFileNameSize];
    if (chooseFileName(kPagePattern, kPageInitialName, 0, fileName, sizeof fileName) != 0) return;
    stream_->flush();
    if (writePageHead(fileName) != 0) return;
    appendLines(fileName);
    appendClosingLine(fileName);
}

void KOperIzvestaj::print() {
    stream_->flush();
    const std::string fileName = reportPrintFileName(title_);
    if (writePageHead(fileName.c_str()) != 0) return;
    appendLines(fileName.c_str());
    platform::shell().printDocument(fileName);
}

long KOperIzvestaj::onCmdSave(FXObject*, FXSelector, void*) {
    saveAsHtml();
    return 1;
}

long KOperIzvestaj::onCmdPrint(FXObject*, FXSelector, void*) {
    print();
    return 1;
}

// FOX's own closing deletes a top window the same way.
long KOperIzvestaj::onCmdClose(FXObject*, FXSelector, void*) {
    delete this;
    return 1;
}

long KOperIzvestaj::onKeyPress(FXObject* sender, FXSelector sel, void* ptr) {
    if (FXShell::onKeyPress(sender, sel, ptr)) return 1;
    const auto* event = static_cast<const FXEvent*>(ptr);
    if (event == nullptr || event->code != KEY_Escape) return 0;
    delete this;
    return 1;
}
