#include "monitoring/watch_windows.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "menus/printout_map.h"
#include "mml/mml_registry.h"
#include "mml/mml_status.h"
#include "toolkit/accelerators.h"
#include "toolkit/dialog_box.h"
#include "toolkit/text_codec.h"
#include "utils/message_box.h"

using namespace FX;

/*
  Notes:
  - A window's rows live in place; the number in use is the number of lines
    of its row list. A place that stands for a refused row of an Input has
    command id -1 and no timer: it never runs and never takes a printout.
  - Closing a watch window only hides it (the dialog box's own cancel): its
    rows go on running and taking printouts, and its place stays taken.
*/

KPZP_Administrator watchWindowAdministrator;

const int16_t watchableCommands[kWatchableCommandCount] = {
    5064, 5066, 5073, 5085, 5086, 5087, 5091, 5182, 5183, 5328, 5333, 5041, 5109, 5375, 5077, 5069,
};

bool isWatchableCommand(int32_t commandId) {
    if (commandId < 0) return false;
    return std::find(std::begin(watchableCommands), std::end(watchableCommands), commandId) !=
           std::end(watchableCommands);
}

namespace {

void postOperatorLine(const char* text) {
    postTextLine(kLineLocal, text, kTypeOperator);
}

// Copies text into a field of `size` bytes, cut to size - 1 characters.
void copyCut(char* out, size_t size, const char* text) {
    const size_t n = text != nullptr ? strnlen(text, size - 1) : 0;
    if (n > 0) std::memcpy(out, text, n);
    out[n] = '\0';
}

FXApp* applicationOf(FXWindow* owner) {
    return owner != nullptr ? owner->getApp() : FXApp::instance();
}

constexpr FXuint kWatchDecorations =
    DECOR_TITLE | DECOR_MINIMIZE | DECOR_MAXIMIZE | DECOR_CLOSE | DECOR_BORDER | DECOR_RESIZE;

// The refusal text of a row result.
int rowResultTextId(int result) {
    switch (result) {
        case wrSyntax:
            return 21018;
        case wrNoCommand:
            return 21048;
        case wrNotWatchable:
            return 21047;
        case wrFirstRunFailed:
            return 21060;
        case wrBadPeriod:
            return 21059;
    }
    return 0;
}

}  // namespace

// ---------------------------------------------------------------- KPZP_List

FXIMPLEMENT(KPZP_List, FXList, nullptr, 0)

KPZP_List::KPZP_List(FXComposite* parent, int capacity)
    : FXList(parent, nullptr, 0, LIST_BROWSESELECT | LAYOUT_FILL_X | LAYOUT_FILL_Y),
      lines_(capacity > 0 ? capacity : 0),
      capacity_(capacity > 0 ? capacity : 0) {
    setNumVisible(10);
}

void KPZP_List::insertLine(int index, const char* text) {
    const int count = getNumItems();
    if (index < 0 || index >= capacity_ || index > count || count >= capacity_) return;
    lines_.insert(lines_.begin() + index, std::string());
    lines_.pop_back();
    insertItem(index, FXString());
    setLine(index, text);
}

void KPZP_List::removeLine(int index) {
    if (index < 0 || index >= capacity_ || index >= getNumItems()) return;
    lines_.erase(lines_.begin() + index);
    lines_.emplace_back();
    removeItem(index);
}

void KPZP_List::setLine(int index, const char* text) {
    if (index < 0 || index >= capacity_) return;
    const char* t = text != nullptr ? text : "";
    lines_[index].assign(t, strnlen(t, kWatchLineSize - 1));
    if (index < getNumItems()) setItemText(index, toUtf8(t));
}

void KPZP_List::getLine(char* buffer, int16_t index, int16_t size) {
    if (buffer == nullptr || size <= 0) return;
    std::memset(buffer, 0, size);
    if (index < 0 || index >= capacity_) return;
    copyCut(buffer, size, lines_[index].c_str());
}

FXIMPLEMENT(KPZP_ActiveList, KPZP_List, nullptr, 0)

KPZP_ActiveList::KPZP_ActiveList(FXComposite* parent, int capacity,
                                 KOsnovniProzorZaPracenje* window)
    : KPZP_List(parent, capacity), owner(window) {}

// -------------------------------------------------- KOsnovniProzorZaPracenje

FXDEFMAP(KOsnovniProzorZaPracenje)
KOsnovniProzorZaPracenjeMap[] = {
    FXMAPFUNC(SEL_COMMAND, KOsnovniProzorZaPracenje::ID_DETAILS,
              KOsnovniProzorZaPracenje::onCmdDetails),
    FXMAPFUNC(SEL_COMMAND, KOsnovniProzorZaPracenje::ID_SAVE, KOsnovniProzorZaPracenje::onCmdSave),
    FXMAPFUNC(SEL_COMMAND, KOsnovniProzorZaPracenje::ID_ADD, KOsnovniProzorZaPracenje::onCmdAdd),
    FXMAPFUNC(SEL_COMMAND, KOsnovniProzorZaPracenje::ID_DELETE,
              KOsnovniProzorZaPracenje::onCmdDelete),
    FXMAPFUNC(SEL_COMMAND, KOsnovniProzorZaPracenje::ID_INPUT,
              KOsnovniProzorZaPracenje::onCmdInput),
};

FXIMPLEMENT(KOsnovniProzorZaPracenje, FXDialogBox, KOsnovniProzorZaPracenjeMap,
            ARRAYNUMBER(KOsnovniProzorZaPracenjeMap))

KOsnovniProzorZaPracenje::KOsnovniProzorZaPracenje(const char* title, FXWindow* ownerWindow)
    : FXDialogBox(applicationOf(ownerWindow), toUtf8(title), kWatchDecorations, 10, 10, 780, 450,
                  10, 10, 10, 10, 4, 4),
      owner(ownerWindow) {
    outerFrame = new FXHorizontalFrame(this, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0);
    listFrame =
        new FXVerticalFrame(outerFrame, FRAME_SUNKEN | FRAME_THICK | LAYOUT_FILL_X | LAYOUT_FILL_Y,
                            0, 0, 0, 0, 0, 0, 0, 0);
    rowList = new KPZP_ActiveList(listFrame, kWatchRowCount, this);
    buttonFrame = new FXVerticalFrame(outerFrame, LAYOUT_FILL_Y | PACK_UNIFORM_WIDTH);
    addButton(21039, ID_DETAILS);
    addButton(21041, ID_SAVE);
}

KOsnovniProzorZaPracenje::~KOsnovniProzorZaPracenje() {
    watchWindowAdministrator.removeWindow(this);
    killTimers(this);
}

void KOsnovniProzorZaPracenje::addButton(int textId, FXSelector id) {
    new FXButton(buttonFrame, toUtf8(convertTildeAccel(textById(textId))), nullptr, this, id,
                 BUTTON_NORMAL | LAYOUT_FILL_X);
}

long KOsnovniProzorZaPracenje::onCmdDetails(FXObject*, FXSelector, void*) {
    showDetails();
    return 1;
}
long KOsnovniProzorZaPracenje::onCmdSave(FXObject*, FXSelector, void*) {
    saveToFile();
    return 1;
}
long KOsnovniProzorZaPracenje::onCmdAdd(FXObject*, FXSelector, void*) {
    addRow();
    return 1;
}
long KOsnovniProzorZaPracenje::onCmdDelete(FXObject*, FXSelector, void*) {
    deleteRow();
    return 1;
}
long KOsnovniProzorZaPracenje::onCmdInput(FXObject*, FXSelector, void*) {
    loadFromFile();
    return 1;
}

int KOsnovniProzorZaPracenje::rowCount() const {
    return std::min(rowList->getNumItems(), kWatchRowCount);
}

int KOsnovniProzorZaPracenje::currentRow() const {
    return rowList->getCurrentItem();
}

int KOsnovniProzorZaPracenje::parseRowCommand(const char* text, SWatchRow* row, uint8_t& status,
                                              char* errorText) {
    int count = 0;
    if (parseMmlStatement(text, row->mmlName, kMmlTokenLimit, kWatchRowArguments, count,
                          row->arguments) != 0)
        return wrSyntax;
    row->argumentCount = static_cast<uint32_t>(count);
    row->commandId = mmlExecutor().getCommandId(row->mmlName);
    if (row->commandId == kUnknownCommandId) return wrNoCommand;
    if (!isWatchableCommand(row->commandId)) return wrNotWatchable;
    if (executeRow(row, status, errorText) != 0) return wrFirstRunFailed;
    copyCut(row->mmlText, sizeof row->mmlText, text);
    for (auto& entry : row->archive) entry[0] = '\0';
    row->timerId = -1;
    row->printoutTaken = 0;
    return wrOk;
}

int KOsnovniProzorZaPracenje::executeRow(SWatchRow* row, uint8_t& status, char* errorText) {
    status = mmlExecutor().runCommand(row->mmlName, static_cast<int>(row->argumentCount),
                                      row->arguments, errorText, 0);
    return status == msOk ? 0 : -1;
}

int KOsnovniProzorZaPracenje::armRowTimer(SWatchRow* row) {
    if (row->periodMs <= 0) return -1;
    row->timerId = setTimer(this, static_cast<uint32_t>(row->periodMs));
    row->printoutTaken = 0;
    return 0;
}

void KOsnovniProzorZaPracenje::insertRow(int index, const SWatchRow* row) {
    const int count = rowCount();
    if (index < 0 || index > count || count >= kWatchRowCount) return;
    for (int i = count; i > index; --i) rows_[i] = rows_[i - 1];
    rows_[index] = *row;
    rowList->insertLine(index, " ");
}

void KOsnovniProzorZaPracenje::removeRow(int index) {
    const int count = rowCount();
    if (index < 0 || index >= count) return;
    if (rows_[index].timerId != -1) killTimer(this, rows_[index].timerId);
    rows_[index].timerId = -1;
    for (int i = index; i + 1 < count; ++i) rows_[i] = rows_[i + 1];
    rowList->removeLine(index);
}

void KOsnovniProzorZaPracenje::onTimer(const STimerEvent* event) {
    const int count = rowCount();
    for (int i = 0; i < count; ++i) {
        if (rows_[i].timerId != event->timerId || rows_[i].commandId < 0) continue;
        rows_[i].timerId = -1;  // fired: the id is free again
        uint8_t status = msOk;
        char error[kMmlErrorTextSize] = {};
        if (executeRow(&rows_[i], status, error) != 0) showCommandStatus(status, error);
        if (i < rowCount()) armRowTimer(&rows_[i]);
        return;
    }
}

bool KOsnovniProzorZaPracenje::storePrintout(const char* text, int32_t commandId) {
    if (commandId < 0) return false;
    const int count = rowCount();
    for (int i = 0; i < count; ++i) {
        SWatchRow& row = rows_[i];
        if (row.commandId != commandId || row.printoutTaken != 0) continue;
        rowList->setLine(i, text);
        row.printoutTaken = 1;
        std::memmove(row.archive[1], row.archive[0], sizeof row.archive - sizeof row.archive[0]);
        copyCut(row.archive[0], sizeof row.archive[0], text);
        return true;
    }
    return false;
}

void KOsnovniProzorZaPracenje::showRowError(int result, int index, const SWatchRow* refused) {
    SWatchRow place;
    if (refused != nullptr) {
        copyCut(place.mmlText, sizeof place.mmlText, refused->mmlText);
        place.periodMs = refused->periodMs;
    }
    place.commandId = -1;
    place.timerId = -1;
    const int count = rowCount();
    if (index < 0 || index > count || count >= kWatchRowCount) return;
    char line[kWatchLineSize];
    formatMessage(line, sizeof line, 21061, index + 1, textById(rowResultTextId(result)));
    insertRow(index, &place);
    rowList->setLine(index, line);
    postOperatorLine(line);
}

// ------------------------------------------------------- KProzorZaPracenje

FXIMPLEMENT(KProzorZaPracenje, KOsnovniProzorZaPracenje, nullptr, 0)

KProzorZaPracenje::KProzorZaPracenje(const char* title, FXWindow* ownerWindow)
    : KOsnovniProzorZaPracenje(title, ownerWindow) {
    addButton(21037, ID_ADD);
    addButton(21038, ID_DELETE);
    addButton(21040, ID_INPUT);
}

void KProzorZaPracenje::deleteRow() {
    const int count = rowCount();
    const int current = currentRow();
    if (count == 0 || current < 0 || current >= count) return;
    if (confirmDeletion(textById(21046)) != 1) return;
    // The confirmation runs a modal loop: take the current line again.
    const int index = currentRow();
    if (index >= 0 && index < rowCount()) removeRow(index);
}

// ------------------------------------------------------ KPZP_Administrator

int KPZP_Administrator::openWindow() {
    int place = 0;
    while (place < kWatchWindowCount && windows[place] != nullptr) ++place;
    if (place == kWatchWindowCount) return 1;
    if (FXApp::instance() == nullptr) return -1;
    char title[kWatchLineSize];
    formatMessage(title, sizeof title, 21034, place + 1);
    auto* window = new (std::nothrow) KProzorZaPracenje(title, mainDialogOwner());
    if (window == nullptr) return -1;
    windows[place] = window;
    window->create();
    window->show(PLACEMENT_DEFAULT);
    return 0;
}

int KPZP_Administrator::removeWindow(KOsnovniProzorZaPracenje* window) {
    for (auto*& place : windows) {
        if (place != window) continue;
        place = nullptr;
        return 1;
    }
    return 0;
}

bool KPZP_Administrator::offerPrintout(int32_t printout, const char* text) {
    const int32_t command = getPrintoutCommand(printout);
    if (command < 0) return false;
    bool taken = false;
    for (KOsnovniProzorZaPracenje* window : windows)
        if (window != nullptr && window->storePrintout(text, command)) taken = true;
    return taken;
}

void openWatchWindow() {
    const int result = watchWindowAdministrator.openWindow();
    if (result == 0) return;
    char text[kWatchLineSize];
    if (result == 1)
        formatMessage(text, sizeof text, 21035, kWatchWindowCount);
    else
        copyCut(text, sizeof text, textById(21036));
    postOperatorLine(text);
    showInformation(text);
}

bool offerPrintoutToWatchWindowsOf(int32_t printout, const char* text) {
    return watchWindowAdministrator.offerPrintout(printout, text);
}
