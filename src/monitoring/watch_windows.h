#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>

#include "link/timer_pool.h"
#include "mml/mml_statement.h"

// Watch windows: each keeps up to 10 MML statements of watchable commands
// running periodically through the command registry (without journal lines)
// and shows, per row, the latest printout of the row's command. A printout is
// a coded catalogue message whose number the printout map turns into the
// command that produces it; the first row of that command that has not taken
// one since its last execution takes it, in every window.

constexpr int kWatchWindowCount = 20;
constexpr int kWatchRowCount = 10;
constexpr int kWatchArchiveSize = 20;
constexpr int kWatchLineSize = 200;  // a stored line or archive entry: 199 characters
constexpr int kWatchRowArguments = 10;
constexpr int kWatchStatementSize = 140;

// Result codes of reading a row from a statement (and of refusing one).
enum eWatchRowResult : int {
    wrOk = 0,
    wrSyntax = 1,
    wrNoCommand = 2,
    wrNotWatchable = 3,
    wrFirstRunFailed = 4,
    wrBadPeriod = 5,
};

// One row of a watch window.
struct SWatchRow {
    int32_t commandId = -1;  // -1 for a place that stands for an error line
    char mmlText[kWatchStatementSize] = {};
    char mmlName[kMmlFieldSize] = {};
    SMML_Argument arguments[kWatchRowArguments] = {};
    uint32_t argumentCount = 0;
    int32_t periodMs = 0;
    int32_t timerId = -1;
    uint8_t printoutTaken = 0;
    char archive[kWatchArchiveSize][kWatchLineSize] = {};
};

// The commands a row may watch, in the order the chooser lists them.
constexpr int kWatchableCommandCount = 16;
extern const int16_t watchableCommands[kWatchableCommandCount];
bool isWatchableCommand(int32_t commandId);

// A list of at most `capacity` lines with its own store of the lines, each
// kept to 199 characters while the displayed line shows the whole text.
class KPZP_List : public FX::FXList {
    FXDECLARE(KPZP_List)

public:
    KPZP_List(FX::FXComposite* parent, int capacity);

    // Index outside 0..capacity - 1: nothing happens.
    void insertLine(int index, const char* text);
    void removeLine(int index);
    void setLine(int index, const char* text);
    // Clears size bytes of the buffer, then copies the stored line (at most
    // size - 1 characters).
    virtual void getLine(char* buffer, int16_t index, int16_t size);

    int capacity() const { return capacity_; }
    const std::string& storedLine(int index) const { return lines_[index]; }

protected:
    KPZP_List() {}

private:
    std::vector<std::string> lines_;
    int capacity_ = 0;
};

class KOsnovniProzorZaPracenje;

// The row list of a watch window.
class KPZP_ActiveList : public KPZP_List {
    FXDECLARE(KPZP_ActiveList)

public:
    KPZP_ActiveList(FX::FXComposite* parent, int capacity, KOsnovniProzorZaPracenje* owner);
    KOsnovniProzorZaPracenje* owner = nullptr;

protected:
    KPZP_ActiveList() {}
};

class KDetaljiPracenja;

// The watch window: a free-standing dialog box with the row list and a
// column of buttons. Closing it only hides it; its rows keep running.
class KOsnovniProzorZaPracenje : public FX::FXDialogBox, public TTimerReceiver {
    FXDECLARE(KOsnovniProzorZaPracenje)

public:
    enum { ID_DETAILS = FX::FXDialogBox::ID_LAST, ID_SAVE, ID_ADD, ID_DELETE, ID_INPUT, ID_LAST };

    KOsnovniProzorZaPracenje(const char* title, FX::FXWindow* owner);
    ~KOsnovniProzorZaPracenje() override;

    virtual void showDetails();
    virtual void addRow() {}
    virtual void deleteRow() {}
    virtual void loadFromFile() {}
    virtual void saveToFile();
    void onTimer(const STimerEvent* event) override;

    long onCmdDetails(FX::FXObject*, FX::FXSelector, void*);
    long onCmdSave(FX::FXObject*, FX::FXSelector, void*);
    long onCmdAdd(FX::FXObject*, FX::FXSelector, void*);
    long onCmdDelete(FX::FXObject*, FX::FXSelector, void*);
    long onCmdInput(FX::FXObject*, FX::FXSelector, void*);

    // Fills the row from a statement and executes it once (eWatchRowResult
    // 0..4; with 4 the status and the error text are filled). The timer is
    // not armed.
    int parseRowCommand(const char* text, SWatchRow* row, uint8_t& status, char* errorText);
    // 0 when the command ran with msOk, else -1.
    int executeRow(SWatchRow* row, uint8_t& status, char* errorText);
    // 0, or -1 when the period is not above 0.
    int armRowTimer(SWatchRow* row);
    // Puts a prepared row at the index (with fewer than 10 rows in use) and
    // gives it a blank line.
    void insertRow(int index, const SWatchRow* row);
    void removeRow(int index);
    bool storePrintout(const char* text, int32_t commandId);
    // Puts the error line of a refused row at the index and posts it; the
    // place keeps the statement and period read but never runs.
    void showRowError(int result, int index, const SWatchRow* refused = nullptr);

    // A new details dialog of the current row, shown; null without rows.
    KDetaljiPracenja* openDetails();
    // Writes the rows to the INI file ("./name"); 0, or -1 after reporting
    // the failed write.
    int writeRows(const std::string& fileName, const std::string& shownName);
    // Replaces the rows by those of the file (file found and BrojRedova
    // above 0), reporting as the operator sees it.
    void readRows(const std::string& fileName, const std::string& shownName);

    int rowCount() const;
    int currentRow() const;
    SWatchRow& row(int index) { return rows_[index]; }
    KPZP_ActiveList* rowList = nullptr;

protected:
    KOsnovniProzorZaPracenje() {}

    FX::FXHorizontalFrame* outerFrame = nullptr;
    FX::FXVerticalFrame* listFrame = nullptr;
    FX::FXWindow* owner = nullptr;
    FX::FXVerticalFrame* buttonFrame = nullptr;
    SWatchRow rows_[kWatchRowCount];

    void addButton(int textId, FX::FXSelector id);
};

// The watch window the program opens: Add, Delete and Input besides Details
// and Save.
class KProzorZaPracenje : public KOsnovniProzorZaPracenje {
    FXDECLARE(KProzorZaPracenje)

public:
    KProzorZaPracenje(const char* title, FX::FXWindow* owner);
    void addRow() override;
    void deleteRow() override;
    void loadFromFile() override;

protected:
    KProzorZaPracenje() {}
};

// The register of open watch windows.
class KPZP_Administrator {
public:
    // 0 opened, 1 all places taken, -1 the window cannot be created.
    int openWindow();
    // 1 when the window held a place (now free), else 0.
    int removeWindow(KOsnovniProzorZaPracenje* window);
    bool offerPrintout(int32_t printout, const char* text);

    KOsnovniProzorZaPracenje* windows[kWatchWindowCount] = {};
};

extern KPZP_Administrator watchWindowAdministrator;

// Command 5007.
void openWatchWindow();
// What the operator-message streams call before appending a coded message:
// true when a watch window took it as a printout.
bool offerPrintoutToWatchWindowsOf(int32_t printout, const char* text);
