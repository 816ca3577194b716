#pragma once

#include <cstdint>
#include <string>

#include <fox-1.6/fx.h>

#include "monitoring/watch_windows.h"
#include "toolkit/dialog_box.h"

class KSimpleDialog;

// The entry dialog of a new row: a statement and a period in seconds; its
// Choose button fills the statement with the template of a watchable command.
// Enter in either field accepts it.
class KDialogZaUnosKZP : public TDialogBox {
    FXDECLARE(KDialogZaUnosKZP)

public:
    enum { ID_CHOOSE = TDialogBox::ID_LAST, ID_LAST };

    KDialogZaUnosKZP(const char* title, FX::FXWindow* owner);
    void chooseCommand();
    long onCmdChoose(FX::FXObject*, FX::FXSelector, void*);

    FX::FXTextField* commandField = nullptr;
    FX::FXTextField* periodField = nullptr;

protected:
    KDialogZaUnosKZP() {}
    FX::FXWindow* owner = nullptr;
};

// The chooser of watchable commands.
class KIzborKZP : public TDialogBox {
    FXDECLARE(KIzborKZP)

public:
    enum { ID_DESCRIPTION = TDialogBox::ID_LAST, ID_LAST };

    KIzborKZP(const char* title, FX::FXWindow* owner);
    // commandName of the watchable command of the current line.
    const char* selectedCommandName() const;
    long onCmdDescription(FX::FXObject*, FX::FXSelector, void*);

    KPZP_List* commandList = nullptr;

protected:
    KIzborKZP() {}
};

// The details of one row: statement, period and printout archive, as they
// were when the dialog was made.
class KDetaljiPracenja : public TDialogBox {
    FXDECLARE(KDetaljiPracenja)

public:
    KDetaljiPracenja(const char* title, FX::FXWindow* owner, const SWatchRow* row);
    void fillArchive(const SWatchRow* row);

    KPZP_List* archiveList = nullptr;
    FX::FXLabel* commandLabel = nullptr;
    FX::FXLabel* periodLabel = nullptr;
    FX::FXLabel* archiveLabel = nullptr;

protected:
    KDetaljiPracenja() {}
    FX::FXWindow* owner = nullptr;
};

// Runs the form modally with the help topic; 0 when accepted.
int runWatchParameterDialog(KSimpleDialog* dialog, int helpTopic);
bool canOpenFile(const char* name);
// The name of a watch-window file as typed (at most 60 characters), with
// ".ini" appended when it holds no ".".
std::string watchFileName(const char* typed);
// A period typed in seconds: 0 with the milliseconds (truncated toward zero),
// -1 for a text that is not wholly one finite number or does not fit.
int parseWatchPeriod(const char* text, int32_t& periodMs);

// Command 5009: the watchable commands as an operator report.
void listWatchableCommands();
