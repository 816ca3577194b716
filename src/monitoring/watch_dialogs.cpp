#include "monitoring/watch_dialogs.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "texts/catalogue_message.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "mml/mml_registry.h"
#include "mml/mml_status.h"
#include "shell/operator_reports.h"
#include "toolkit/accelerators.h"
#include "toolkit/dialog_box.h"
#include "toolkit/simple_dialog.h"
#include "toolkit/text_codec.h"
#include "utils/ini_file.h"
#include "utils/message_box.h"

using namespace FX;

/*
  Notes:
  - The entry dialog serves every pass of one Add, so what the operator typed
    stays in its fields when a pass is refused.
  - Watch-window files are INI files of the working directory: section
    ProzorZaPracenjeStanja with BrojRedova, then Red_1.. with MML and Period.
    A save writes key by key over an existing file; readers take only the
    BrojRedova sections.
*/

namespace {

constexpr int kFieldChars = 59;      // statement and period texts are cut to this
constexpr int kFileNameChars = 60;   // the typed file name
constexpr int kWatchHelpTopic = 40;  // help of the file-name prompts
constexpr const char* kMainSection = "ProzorZaPracenjeStanja";

constexpr FXuint kDialogDecorations =
    DECOR_TITLE | DECOR_MINIMIZE | DECOR_MAXIMIZE | DECOR_CLOSE | DECOR_BORDER | DECOR_RESIZE;

FXApp* applicationOf(FXWindow* owner) {
    return owner != nullptr ? owner->getApp() : FXApp::instance();
}

void postOperatorLine(const char* text) {
    postTextLine(kLineLocal, text, kTypeOperator);
}

template <typename... Args>
std::string catalogueText(int textId, const Args&... args) {
    char text[400];
    formatMessage(text, sizeof text, textId, args...);
    return text;
}

std::string cut(const std::string& text, size_t limit) {
    return text.size() > limit ? text.substr(0, limit) : text;
}

std::string fieldText(FXTextField* field) {
    return cut(fromUtf8(field->getText()), kFieldChars);
}

FXButton* addDialogButton(FXComposite* row, int textId, FXObject* target, FXSelector id) {
    return new FXButton(row, toUtf8(convertTildeAccel(textById(textId))), nullptr, target, id,
                        BUTTON_NORMAL | BUTTON_DEFAULT);
}

// The button row at the dialog's bottom: the dialog's own button, then
// cancel and accept, which Enter in a text field presses.
void addButtonRow(TDialogBox* dialog, int ownTextId, FXSelector ownId) {
    auto* buttons =
        new FXHorizontalFrame(dialog, LAYOUT_SIDE_BOTTOM | LAYOUT_FILL_X | PACK_UNIFORM_WIDTH);
    addDialogButton(buttons, ownTextId, dialog, ownId);
    addDialogButton(buttons, 22019, dialog, FXDialogBox::ID_CANCEL);
    FXButton* accept = addDialogButton(buttons, 21401, dialog, FXDialogBox::ID_ACCEPT);
    accept->setButtonStyle(BUTTON_INITIAL | BUTTON_DEFAULT);
    dialog->setAcceptButton(accept);
}

// Asks for a file name with the form of this title and label; false when
// cancelled.
bool askFileName(int titleId, int labelId, std::string& typed) {
    KSimpleDialog form(textById(titleId));
    form.addText("sImeDatoteke", textById(labelId), kFileNameChars, "");
    if (runWatchParameterDialog(&form, kWatchHelpTopic) != 0) return false;
    char name[kFileNameChars + 1];
    form.getText("sImeDatoteke", name, sizeof name);
    typed = name;
    return true;
}

std::string sectionName(int number) {
    return "Red_" + std::to_string(number);
}

}  // namespace

int runWatchParameterDialog(KSimpleDialog* dialog, int helpTopic) {
    return dialog->execute(static_cast<uint16_t>(helpTopic)) == 0 ? 0 : -1;
}

bool canOpenFile(const char* name) {
    FILE* file = std::fopen(name, "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

std::string watchFileName(const char* typed) {
    std::string name = cut(typed != nullptr ? typed : "", kFileNameChars);
    if (name.find('.') == std::string::npos) name += ".ini";
    return name;
}

int parseWatchPeriod(const char* text, int32_t& periodMs) {
    const char* p = text;
    while (*p != '\0' && std::isspace(static_cast<unsigned char>(*p))) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (*p == '+' || *p == '-') return -1;
    const char* end = p + std::strlen(p);
    double seconds = 0.0;
    const auto r = std::from_chars(p, end, seconds, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != end || !std::isfinite(seconds)) return -1;
    const double ms = std::trunc((negative ? -seconds : seconds) * 1000.0);
    if (ms > 2147483647.0) return -1;
    periodMs = ms < -1.0 ? -1 : static_cast<int32_t>(ms);
    return 0;
}

// ------------------------------------------------------------ entry dialog

FXDEFMAP(KDialogZaUnosKZP)
KDialogZaUnosKZPMap[] = {
    FXMAPFUNC(SEL_COMMAND, KDialogZaUnosKZP::ID_CHOOSE, KDialogZaUnosKZP::onCmdChoose),
};

FXIMPLEMENT(KDialogZaUnosKZP, TDialogBox, KDialogZaUnosKZPMap, ARRAYNUMBER(KDialogZaUnosKZPMap))

KDialogZaUnosKZP::KDialogZaUnosKZP(const char* title, FXWindow* ownerWindow)
    : TDialogBox(applicationOf(ownerWindow), title, kDialogDecorations, 10, 10, 450, 150),
      owner(ownerWindow) {
    addButtonRow(this, 21071, ID_CHOOSE);
    auto* grid = new FXMatrix(this, 2, MATRIX_BY_COLUMNS | LAYOUT_FILL_X | LAYOUT_FILL_Y);
    new FXLabel(grid, toUtf8(textById(21049)));
    commandField =
        new FXTextField(grid, 60, this, ID_ENTER,
                        TEXTFIELD_ENTER_ONLY | FRAME_SUNKEN | LAYOUT_FILL_X | LAYOUT_FILL_COLUMN);
    new FXLabel(grid, toUtf8(textById(21050)));
    periodField =
        new FXTextField(grid, 60, this, ID_ENTER,
                        TEXTFIELD_ENTER_ONLY | FRAME_SUNKEN | LAYOUT_FILL_X | LAYOUT_FILL_COLUMN);
}

long KDialogZaUnosKZP::onCmdChoose(FXObject*, FXSelector, void*) {
    chooseCommand();
    return 1;
}

void KDialogZaUnosKZP::chooseCommand() {
    KIzborKZP chooser(textById(21072), topDialogOwner());
    if (!chooser.execute(PLACEMENT_OWNER)) return;
    const char* pattern = mmlExecutor().getCommandTemplate(chooser.selectedCommandName());
    commandField->setText(toUtf8(pattern != nullptr ? pattern : ""));
}

// ----------------------------------------------------------------- chooser

FXDEFMAP(KIzborKZP)
KIzborKZPMap[] = {
    FXMAPFUNC(SEL_COMMAND, KIzborKZP::ID_DESCRIPTION, KIzborKZP::onCmdDescription),
};

FXIMPLEMENT(KIzborKZP, TDialogBox, KIzborKZPMap, ARRAYNUMBER(KIzborKZPMap))

KIzborKZP::KIzborKZP(const char* title, FXWindow* ownerWindow)
    : TDialogBox(applicationOf(ownerWindow), title, kDialogDecorations, 10, 10, 780, 450) {
    addButtonRow(this, 21095, ID_DESCRIPTION);
    commandList = new KPZP_List(this, 20);
    for (int i = 0; i < kWatchableCommandCount; ++i)
        commandList->insertLine(i, commandName(watchableCommands[i]));
    commandList->setCurrentItem(0);
}

const char* KIzborKZP::selectedCommandName() const {
    int index = commandList->getCurrentItem();
    if (index < 0 || index >= kWatchableCommandCount) index = 0;
    return commandName(watchableCommands[index]);
}

long KIzborKZP::onCmdDescription(FXObject*, FXSelector, void*) {
    openHelpPage(mmlExecutor().getHelpTopic(selectedCommandName()));
    return 1;
}

// ----------------------------------------------------------------- details

FXIMPLEMENT(KDetaljiPracenja, TDialogBox, nullptr, 0)

KDetaljiPracenja::KDetaljiPracenja(const char* title, FXWindow* ownerWindow, const SWatchRow* row)
    : TDialogBox(applicationOf(ownerWindow), title, kDialogDecorations, 10, 10, 390, 225),
      owner(ownerWindow) {
    commandLabel = new FXLabel(this, toUtf8Literal(catalogueText(21042, row->mmlText)), nullptr,
                               LABEL_NORMAL | JUSTIFY_LEFT);
    periodLabel = new FXLabel(this, toUtf8Literal(catalogueText(21043, row->periodMs * 0.001)),
                              nullptr, LABEL_NORMAL | JUSTIFY_LEFT);
    archiveLabel =
        new FXLabel(this, toUtf8Literal(textById(21044)), nullptr, LABEL_NORMAL | JUSTIFY_LEFT);
    archiveList = new KPZP_List(this, kWatchArchiveSize);
    fillArchive(row);
}

void KDetaljiPracenja::fillArchive(const SWatchRow* row) {
    int line = 0;
    for (const auto& entry : row->archive)
        if (entry[0] != '\0') archiveList->insertLine(line++, entry);
}

// ------------------------------------------------- the window's own buttons

KDetaljiPracenja* KOsnovniProzorZaPracenje::openDetails() {
    const int index = currentRow();
    if (rowCount() == 0 || index < 0 || index >= rowCount()) return nullptr;
    auto* details = new KDetaljiPracenja(textById(21045), mainDialogOwner(), &rows_[index]);
    details->create();
    details->show(PLACEMENT_DEFAULT);
    return details;
}

void KOsnovniProzorZaPracenje::showDetails() {
    openDetails();
}

void KProzorZaPracenje::addRow() {
    if (rowCount() >= kWatchRowCount) {
        showError(catalogueText(21052, kWatchRowCount).c_str());
        return;
    }
    KDialogZaUnosKZP dialog(textById(21051), topDialogOwner());
    while (dialog.execute(PLACEMENT_OWNER)) {
        const std::string statement = fieldText(dialog.commandField);
        if (statement.empty()) {
            showInformation(textById(21068));
            continue;
        }
        SWatchRow row;
        uint8_t status = msOk;
        char error[kMmlErrorTextSize] = {};
        const int result = parseRowCommand(statement.c_str(), &row, status, error);
        if (result == wrFirstRunFailed) {
            showError(showCommandStatus(status, error));
            continue;
        }
        if (result != wrOk) {
            const char* refusal = textById(result == wrSyntax      ? 21018
                                           : result == wrNoCommand ? 21048
                                                                   : 21047);
            postOperatorLine(refusal);
            showError(refusal);
            continue;
        }
        const std::string period = fieldText(dialog.periodField);
        if (period.empty()) {
            showInformation(textById(21069));
            continue;
        }
        if (parseWatchPeriod(period.c_str(), row.periodMs) != 0) {
            showInformation(textById(21070));
            continue;
        }
        if (armRowTimer(&row) != 0) {
            showError(textById(21059));
            continue;
        }
        // The modal passes let rows go meanwhile: look at the list as it is now.
        const int count = rowCount();
        if (count >= kWatchRowCount) {
            if (row.timerId != -1) killTimer(this, row.timerId);
            showError(catalogueText(21052, kWatchRowCount).c_str());
            return;
        }
        const int current = currentRow();
        const int place = (current < 0 || current >= count - 1) ? count : current;
        insertRow(place, &row);
        rowList->setLine(place, statement.c_str());
        return;
    }
}

void KOsnovniProzorZaPracenje::saveToFile() {
    if (rowCount() == 0) {
        showInformation(textById(21065));
        return;
    }
    std::string typed;
    if (!askFileName(21062, 21063, typed)) return;
    const std::string name = watchFileName(typed.c_str());
    const std::string path = "./" + name;
    if (canOpenFile(path.c_str()) && confirmDeletion(catalogueText(21064, name).c_str()) != 1)
        return;
    writeRows(path, name);
}

int KOsnovniProzorZaPracenje::writeRows(const std::string& fileName, const std::string& shownName) {
    KINIFile file(fileName.c_str());
    const int count = rowCount();
    bool written = file.writeInt(kMainSection, "BrojRedova", count) != 0;
    for (int i = 0; written && i < count; ++i) {
        const std::string section = sectionName(i + 1);
        // A statement read with a carriage return inside it is written with a
        // blank there: an INI line cannot hold it, and MML reads both as white space.
        std::string statement = rows_[i].mmlText;
        std::replace_if(
            statement.begin(), statement.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        written = file.writeString(section.c_str(), "MML", statement.c_str()) != 0 &&
                  file.writeInt(section.c_str(), "Period", rows_[i].periodMs) != 0;
    }
    if (!written) {
        const std::string text = catalogueText(21053, shownName);
        postOperatorLine(text.c_str());
        showError(text.c_str());
        return -1;
    }
    showInformation(catalogueText(21067, shownName).c_str());
    return 0;
}

void KProzorZaPracenje::loadFromFile() {
    std::string typed;
    if (!askFileName(21057, 21058, typed)) return;
    const std::string name = watchFileName(typed.c_str());
    const std::string path = "./" + name;
    if (!canOpenFile(path.c_str())) {
        const std::string text = catalogueText(21054, name);
        postOperatorLine(text.c_str());
        showError(text.c_str());
        return;
    }
    readRows(path, name);
}

void KOsnovniProzorZaPracenje::readRows(const std::string& fileName, const std::string& shownName) {
    KINIFile file(fileName.c_str());
    int count = file.getInt(kMainSection, "BrojRedova", 0);
    if (count <= 0) {
        const std::string text = catalogueText(21056, shownName);
        postOperatorLine(text.c_str());
        showError(text.c_str());
        return;
    }
    if (count > kWatchRowCount) {
        postOperatorLine(catalogueText(21055, count, kWatchRowCount).c_str());
        count = kWatchRowCount;
    }
    while (rowCount() > 0) removeRow(0);
    for (int i = 1; i <= count; ++i) {
        const std::string section = sectionName(i);
        SWatchRow row;
        char text[kFieldChars + 1];
        file.getString(section.c_str(), "MML", "", text, sizeof text);
        const int32_t period = file.getInt(section.c_str(), "Period", 0);
        uint8_t status = msOk;
        char error[kMmlErrorTextSize] = {};
        int result = parseRowCommand(text, &row, status, error);
        if (result == wrOk) {
            row.periodMs = period;
            if (armRowTimer(&row) != 0) result = wrBadPeriod;
        }
        const int place = rowCount();
        if (result == wrOk) {
            insertRow(place, &row);
            rowList->setLine(place, text);
            continue;
        }
        std::strncpy(row.mmlText, text, sizeof row.mmlText - 1);
        row.mmlText[sizeof row.mmlText - 1] = '\0';
        row.periodMs = period;
        showRowError(result, place, &row);
    }
    showInformation(catalogueText(21066, shownName).c_str());
}

// --------------------------------------------------------- command 5009

void listWatchableCommands() {
    const SIzvestaj report = openOperatorReport(ownAddress, 0, 5009, 21091, 21092);
    if (report.window == nullptr) return;
    char line[100];
    for (int16_t id : watchableCommands) {
        std::snprintf(line, sizeof line, "%d$%s", 21093, commandName(id));
        appendOperatorReportLine(report, kCodeCodedText, line,
                                 static_cast<int>(std::strlen(line)) + 1);
    }
    std::snprintf(line, sizeof line, "%d$%d", 21094, kWatchableCommandCount);
    appendOperatorReportLine(report, kCodeCodedText, line, static_cast<int>(std::strlen(line)) + 1);
}
