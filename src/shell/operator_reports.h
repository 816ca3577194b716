#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <fox-1.6/fx.h>

#include "link/message_bus.h"
#include "shell/message_windows.h"
#include "link/text_streams.h"
#include "utils/sort_array.h"

// Operator reports: windows of lines that the exchange opens on this
// workstation (type 237: code 1 opens, 3 adds a coded catalogue line, 2
// finishes), and that local maintenance commands open and fill the same way.
// A report is known by {source address, report number}; the number of an
// exchange report is the word in the first two reserved bytes of its frames.
// Each window keeps its lines in a stream with the log "%x%x.izv", shows them
// with their HTML removed, and saves or prints them as an HTML page.

constexpr uint8_t kTypeOperatorReport = 237;
constexpr uint8_t kCodeReportOpen = 1;
constexpr uint8_t kCodeReportFinished = 2;
constexpr uint8_t kCodeReportLine = 3;
constexpr uint32_t kMaxOpenReports = 100;
constexpr uint32_t kMaxClosedReports = 50;

class KOperIzvestaj;

struct SIzvestaj {
    uint16_t source = 0;
    uint16_t number = 0;
    KOperIzvestaj* window = nullptr;  // null when no window could be opened
};

// Registry key: the source in the high half, the number in the low half, so
// that keys order by source, then number, both unsigned.
uint32_t reportKey(uint16_t source, uint16_t number);
using TReportRegistry = KTSortArray<SIzvestaj, uint32_t>;

// Reports whose window is open and receiving, and keys of reports whose
// window was closed (or never shown) before the exchange finished them.
TReportRegistry& openReports();
TReportRegistry& closedReports();
// The number of the last report opened with this workstation as its source.
extern uint16_t localReportNumber;

// Sets up empty registries; frees them (windows are not touched).
void initOperatorReports();
void freeOperatorReports();

// What report users reach the windows through; the report windows answer
// unless a test installs another.
class IOperatorReports {
public:
    virtual ~IOperatorReports() = default;
    virtual SIzvestaj open(uint16_t source, uint16_t number, int32_t commandId, int32_t titleId,
                           int32_t headerId) = 0;
    virtual bool isOpen(const SIzvestaj& key) = 0;
    // One line of the report's stream: code 254 (coded catalogue message) or
    // 255 (plain text).
    virtual void appendLine(const SIzvestaj& key, uint8_t code, const char* text, int length) = 0;
};
// Installs other reports (null restores the windows). Caller keeps ownership.
void setOperatorReports(IOperatorReports* reports);

// Opens a report window. A report from this workstation's own address takes
// the next local number, whatever number is given. With 100 reports open the
// key goes to the closed reports and no window is made; the result's window
// is null then, and also when both registries are full.
SIzvestaj openOperatorReport(uint16_t source, uint16_t number, int32_t commandId, int32_t titleId,
                             int32_t headerId);
bool isOperatorReportOpen(const SIzvestaj& key);
void appendOperatorReportLine(const SIzvestaj& key, uint8_t code, const char* text, int length);
// A report window goes: an open key moves to the closed reports so that its
// later lines are dropped. With a window given, only that window's entry moves.
void closeOperatorReport(uint16_t source, uint16_t number, const KOperIzvestaj* window = nullptr);
// The operator line "hh:mm:ss <event>: '<title>'  ID <number>" (text 26954).
void postReportEvent(int32_t eventId, const char* title, uint16_t number);

// The receiver of type 237 (codes 1, 2, 3 from any source).
class KPrimacOperIzvestaja : public TMessageReceiver {
public:
    KPrimacOperIzvestaja();
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
};
extern KPrimacOperIzvestaja* operatorReportReceiver;

// Start step: creates the receiver once; 0. The stop step does nothing: the
// receiver lives as long as the program.
int startOperatorReports();
void stopOperatorReports();

// A message viewer that shows each line with its HTML removed (at most
// 1,023 characters, in a buffer all such viewers share).
class KHTMLMsgViewer : public TTxtMsgViewer {
public:
    using TTxtMsgViewer::TTxtMsgViewer;
    const char* getCellText(FX::FXint row, FX::FXint col) override;
};

// A report's stream, which can give its log file up to a newer report of
// the same key (the log is named after the key).
class KReportStream : public TOporMsgReceiver {
public:
    using TOporMsgReceiver::TOporMsgReceiver;
    // Writes what is pending into the log and writes nothing there any more.
    void releaseLog();
};

// One report's window: its stream (type 237, 10,000 lines, log "%x%x.izv",
// not on the bus), the lines as a table, "Сохрани" and "Печатай". Closing it
// (the close box or Escape) deletes it.
class KOperIzvestaj : public FX::FXDialogBox {
    FXDECLARE(KOperIzvestaj)

public:
    enum { ID_SAVE = FX::FXDialogBox::ID_LAST, ID_PRINT, ID_LAST };

    KOperIzvestaj(FX::FXApp* app, uint16_t source, uint16_t number, int32_t commandId,
                  int32_t titleId, int32_t headerId);
    ~KOperIzvestaj() override;

    // Asks for a file name and writes the whole page there.
    void saveAsHtml();
    // Writes the page without its closing tags into "<title>.htm" and prints it.
    void print();
    // The page's head (its first eight lines) into a new file; 0 on success.
    int writePageHead(const char* fileName);
    // A report of the same key opens again and takes the log file over: this
    // window keeps its own lines for its pages, and its stream no longer
    // writes into the log.
    void giveUpLog();

    TOporMsgReceiver* reportStream() const { return stream_.get(); }
    KHTMLMsgViewer* viewer() const { return viewer_; }
    const std::string& title() const { return title_; }
    uint16_t source() const { return source_; }
    uint16_t number() const { return number_; }
    int32_t commandId() const { return commandId_; }
    int32_t titleId() const { return titleId_; }
    int32_t headerId() const { return headerId_; }

    long onCmdSave(FX::FXObject*, FX::FXSelector, void*);
    long onCmdPrint(FX::FXObject*, FX::FXSelector, void*);
    long onCmdClose(FX::FXObject*, FX::FXSelector, void*);
    long onKeyPress(FX::FXObject*, FX::FXSelector, void*);

protected:
    KOperIzvestaj() = default;

private:
    // Appends the report's lines, as logged, to the file.
    int appendLines(const char* fileName);

    std::unique_ptr<KReportStream> stream_;
    KHTMLMsgViewer* viewer_ = nullptr;  // deleted before the stream
    std::string title_;                 // CP1251
    uint16_t source_ = 0;
    uint16_t number_ = 0;
    int32_t commandId_ = 0;
    int32_t headerId_ = 0;
    int32_t titleId_ = 0;
    bool ownsLog_ = true;
    std::string keptLines_;  // the log as it was when given up
};

// The report's log file name: source and number in hexadecimal, ".izv".
std::string reportLogName(uint16_t source, uint16_t number);
// The file a report titled so is written to for printing.
std::string reportPrintFileName(const std::string& title);
