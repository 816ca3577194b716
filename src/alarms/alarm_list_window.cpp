#include "alarms/alarm_list_window.h"

#include <cstdio>
#include <cstring>

#include "alarms/alarm_details.h"
#include "alarms/alarm_list_dialogs.h"
#include "alarms/alarm_reporter.h"
#include "texts/catalogue_message.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "sub/replication_control.h"
#include "sub/sub_database.h"
#include "toolkit/accelerators.h"
#include "toolkit/shared_fonts.h"
#include "toolkit/text_codec.h"
#include "utils/message_box.h"

namespace {

constexpr uint8_t kCodeConfirm = 119;
constexpr uint8_t kCodeDelete = 120;
constexpr uint8_t kCodeConfirmAllOfType = 121;

constexpr FXColor kStatusColour = FXRGB(85, 0, 85);
constexpr FXColor kRed = FXRGB(255, 0, 0);
constexpr FXColor kDarkGrey = FXRGB(100, 100, 100);
constexpr FXColor kGrey = FXRGB(128, 128, 128);
constexpr FXColor kSelectionColour = FXRGB(150, 190, 255);
constexpr FXint kPixelsPerChar = 8;
constexpr FXuint kKeyReturn = 0xFF0D;
constexpr FXuint kKeyPadEnter = 0xFF8D;
constexpr uint32_t kRefreshPeriod = 1000;
constexpr std::size_t kDescriptionSize = 200;

constexpr int kTextTitle = 21234;
constexpr int kTextInconsistent = 21233;
constexpr int kTextNotFound = 21256;
constexpr int kTextConfirmInconsistent = 21258;
constexpr int kTextDeleteInconsistent = 21266;
constexpr int kTextAskReconfirm = 21251;
constexpr int kTextAskConfirm = 21252;
constexpr int kTextAskConfirmAll = 21253;
constexpr int kTextConfirmSent = 21254;
constexpr int kTextConfirmAllSent = 21255;
constexpr int kTextNoA1ConfirmAll = 21259;
constexpr int kTextAskDelete = 21262;
constexpr int kTextAskDeleteResponsibly = 21263;
constexpr int kTextDeleteSent = 21264;
constexpr int kTextFilterTitle = 21267;
constexpr int kTextSortByType = 21272;
constexpr int kTextFilterOff = 21271;
constexpr int kTextSort = 21240;

// The buttons in their order: label text and command.
struct SButtonRow {
    int textId;
    FXuint id;
};
const SButtonRow kButtons[] = {
    {21237, KSpisakAlarmaShell::ID_CONFIRM}, {21238, KSpisakAlarmaShell::ID_CONFIRM_ALL},
    {21239, KSpisakAlarmaShell::ID_FILTER},  {21240, KSpisakAlarmaShell::ID_SORT},
    {21248, KSpisakAlarmaShell::ID_DELETE},  {21247, KSpisakAlarmaShell::ID_LEGEND},
    {21278, KSpisakAlarmaShell::ID_DETAILS},
};

// 16 by 16 marks of column 0: a red "!" for an unconfirmed alarm, a green
// tick for a confirmed one.
const char* kUnconfirmedXpm[] = {
    "16 16 3 1",        "  c None",         ". c #D00000",      "# c #FFFFFF",
    "      ....      ", "    ........    ", "   ....##....   ", "  .....##.....  ",
    " ......##...... ", " ......##...... ", ".......##.......", ".......##.......",
    ".......##.......", ".......##.......", " .............. ", " ......##...... ",
    "  .....##.....  ", "   ..........   ", "    ........    ", "      ....      ",
};
const char* kConfirmedXpm[] = {
    "16 16 2 1",        "  c None",         ". c #008000",      "                ",
    "                ", "              ..", "             ...", "            ... ",
    "           ...  ", "..        ...   ", "...      ...    ", " ...    ...     ",
    "  ...  ...      ", "   ......       ", "    ....        ", "     ..         ",
    "                ", "                ", "                ",
};

FXString ui(const char* cp1251) {
    return toUtf8(cp1251);
}

std::string formattedText(int textId, const char* argument) {
    char text[512];
    formatMessage(text, sizeof text, textId, argument);
    return text;
}

}  // namespace

// ------------------------------------------------------------- the table

FXDEFMAP(KSpisakAlarma)
KSpisakAlarmaMap[] = {
    FXMAPFUNC(SEL_SELECTED, TTabela::ID_TABLE, KSpisakAlarma::onTableSelected),
    FXMAPFUNC(SEL_DESELECTED, TTabela::ID_TABLE, KSpisakAlarma::onTableDeselected),
};
FXIMPLEMENT(KSpisakAlarma, TTabela, KSpisakAlarmaMap, ARRAYNUMBER(KSpisakAlarmaMap))

long KSpisakAlarma::onTableSelected(FXObject* sender, FXSelector sel, void* ptr) {
    markLine(false);
    TTabela::onTableSelected(sender, sel, ptr);
    markLine(true);
    return 1;
}

long KSpisakAlarma::onTableDeselected(FXObject* sender, FXSelector sel, void* ptr) {
    markLine(false);
    return TTabela::onTableDeselected(sender, sel, ptr);
}

void KSpisakAlarma::markLine(bool on) {
    if (table == nullptr || selectedRow < 1 || selectedRow >= table->getNumRows()) return;
    for (FXint col = 0; col < table->getNumCols(); ++col) {
        if (col == selectedCol) continue;
        if (on)
            table->selectItem(selectedRow, col, FALSE);
        else
            table->deselectItem(selectedRow, col, FALSE);
    }
}

KSpisakAlarma::KSpisakAlarma(FXComposite* parent, const char* layout, KSub& db)
    : TTabela(parent), model(db) {
    createTable(parent, layout, 20);
    FXApp* app = parent->getApp();
    confirmedIcon_ = new FXXPMIcon(app, kConfirmedXpm);
    unconfirmedIcon_ = new FXXPMIcon(app, kUnconfirmedXpm);
}

KSpisakAlarma::~KSpisakAlarma() {
    delete table;
    table = nullptr;
    delete confirmedIcon_;
    delete unconfirmedIcon_;
}

void KSpisakAlarma::setFonts(FXFont* normal, FXFont* bold) {
    normal_ = normal;
    bold_ = bold;
}

int32_t KSpisakAlarma::dataRowCount() const {
    const int rows = getRowCount();
    return rows > 1 ? rows - 1 : 0;
}

void KSpisakAlarma::setDataRowCount(int32_t rows) {
    setRowCount(rows + 1);
}

const char* KSpisakAlarma::getCellText(FXint row, FXint col) {
    if (row <= 0 || row > model.lineCount() || table == nullptr) return nullptr;
    const SAlarmListLine& line = model.line(row - 1);
    const char* text = nullptr;
    switch (col) {
        case 0:
            if (TFXTableItem* item = table->getItem(row, 0))
                item->icon = line.confirmed ? confirmedIcon_ : unconfirmedIcon_;
            return nullptr;
        case 1:
            text = line.dateTime;
            break;
        case 2:
            text = line.level;
            break;
        case 3:
            text = line.description;
            break;
        default:
            return nullptr;
    }
    std::snprintf(cell_, sizeof cell_, "%s", text);
    const int32_t length = int32_t(std::strlen(cell_));
    if (length > columnWidths[col]) {
        columnWidths[col] = length;
        table->setColumnWidth(col, length * kPixelsPerChar);
    }
    return cell_;
}

int KSpisakAlarma::fillRows(int32_t n) {
    if (model.fillLines(n) != 0) return -1;
    const int32_t m = model.lineCount();
    const FXint x = table->getXPosition();
    const FXint y = table->getYPosition();
    const int32_t old = dataRowCount();
    if (m > old) table->insertRows(1, m - old, FALSE);
    if (m < old) table->removeRows(1, old - m, FALSE);
    for (int32_t j = 0; j < m; ++j) {
        const SAlarmListLine& line = model.line(j);
        table->createColoredItems(j + 1, j + 2, 0, 4, line.back, TFXTableItem::LEFT,
                                  line.bold ? bold_ : normal_);
    }
    table->setPosition(x, y);
    return 0;
}

void KSpisakAlarma::greyRows() {
    const int32_t rows = dataRowCount();
    if (rows > 0) table->createColoredItems(1, rows + 1, 0, 4, kGrey, TFXTableItem::LEFT, normal_);
}

// ------------------------------------------------------------- the window

FXDEFMAP(KSpisakAlarmaShell)
KSpisakAlarmaShellMap[] = {
    FXMAPFUNCS(SEL_COMMAND, KSpisakAlarmaShell::ID_CONFIRM, KSpisakAlarmaShell::ID_LEGEND,
               KSpisakAlarmaShell::onCmdAction),
    FXMAPFUNC(SEL_COMMAND, KSpisakAlarmaShell::ID_DETAILS, KSpisakAlarmaShell::onCmdDetails),
    FXMAPFUNC(SEL_KEYPRESS, 0, KSpisakAlarmaShell::onKeyPress),
    FXMAPFUNC(SEL_KEYRELEASE, 0, KSpisakAlarmaShell::onKeyRelease),
};

FXIMPLEMENT(KSpisakAlarmaShell, TDialogBox, KSpisakAlarmaShellMap,
            ARRAYNUMBER(KSpisakAlarmaShellMap))

KSpisakAlarmaShell::KSpisakAlarmaShell(FXWindow* owner)
    : TDialogBox(owner, textById(kTextTitle), DECOR_ALL, 100, 20, 750, 600, 0, 0, 0, 0, 0, 0),
      db_(&alarmDatabase()) {
    statusLine = new FXLabel(this, "", nullptr,
                             LAYOUT_SIDE_BOTTOM | LAYOUT_FILL_X | JUSTIFY_LEFT | FRAME_SUNKEN);
    auto* buttons = new FXHorizontalFrame(this, LAYOUT_SIDE_BOTTOM | LAYOUT_FILL_X);
    for (const SButtonRow& b : kButtons)
        new FXButton(buttons, ui(convertTildeAccel(textById(b.textId)).c_str()), nullptr, this,
                     b.id, BUTTON_NORMAL);
    auto* info = new FXHorizontalFrame(this, LAYOUT_SIDE_BOTTOM | LAYOUT_FILL_X);
    positionLabel = new FXLabel(info, "", nullptr, FRAME_SUNKEN);
    for (FXLabel*& label : levelLabels) label = new FXLabel(info, "", nullptr, FRAME_SUNKEN);
    unconfirmedLabel = new FXLabel(info, "", nullptr, FRAME_SUNKEN);
    auto* top = new FXHorizontalFrame(this, LAYOUT_SIDE_TOP | LAYOUT_FILL_X);
    sortLabel = new FXLabel(top, ui(textById(kTextSortByType)), nullptr, FRAME_SUNKEN);
    filterLabel = new FXLabel(top, ui(textById(kTextFilterOff)), nullptr, FRAME_SUNKEN);
    new FXHorizontalSeparator(this, SEPARATOR_GROOVE | LAYOUT_FILL_X);
    auto* contents = new FXVerticalFrame(this, LAYOUT_FILL_X | LAYOUT_FILL_Y);
    char layout[256];
    std::snprintf(layout, sizeof layout, " %s | %s | %s | %s ", textById(21268), textById(25677),
                  textById(25678), textById(25679));
    alarmListSortKey = 0;
    table_.reset(new KSpisakAlarma(contents, layout, *db_));
    FXFont* normal = sharedFonts().normal;
    FXFont* bold = sharedFonts().bold;
    if (normal == nullptr) normal = getApp()->getNormalFont();
    if (bold == nullptr) {
        FXFontDesc desc;
        normal->getFontDesc(desc);
        desc.weight = FXFont::Bold;
        bold = ownBold_ = new FXFont(getApp(), desc);
    }
    table_->setFonts(normal, bold);
    table_->setDataRowCount(kAlarmListCapacity);
    OrTable* grid = table_->getTable();
    grid->setCellColor(0, 0, FXRGB(255, 255, 255));
    grid->setCellColor(0, 1, FXRGB(255, 255, 255));
    grid->setCellColor(1, 0, FXRGB(255, 255, 255));
    grid->setCellColor(1, 1, FXRGB(255, 255, 255));
    grid->setSelTextColor(FXRGB(0, 0, 0));
    // A light blue that no line colour uses, so the black text stays legible.
    grid->setSelBackColor(kSelectionColour);
    setTimer(this, 1);
}

KSpisakAlarmaShell::~KSpisakAlarmaShell() {
    killTimers(this);
    table_.reset();
    delete ownBold_;
}

void KSpisakAlarmaShell::create() {
    TDialogBox::create();
    if (ownBold_ != nullptr) ownBold_->create();
    table_->confirmedIcon()->create();
    table_->unconfirmedIcon()->create();
}

void KSpisakAlarmaShell::onTimer(const STimerEvent*) {
    refresh();
    setTimer(this, kRefreshPeriod);
}

void KSpisakAlarmaShell::refresh() {
    const int32_t n = alarmTableCount(*db_);
    if (n <= 0) {
        table_->clearRows();
    } else {
        table_->model.reload();
        table_->fillRows(n);
        table_->repaint();
    }
    updateStatus();
}

void KSpisakAlarmaShell::setStatus(const char* text, FXColor colour) {
    statusLine->setText(ui(text));
    statusLine->setTextColor(colour);
}

void KSpisakAlarmaShell::updateStatus() {
    if (isTableConsistent(kAlarmListTable) == 0) {
        setStatus(textById(kTextInconsistent), kRed);
        table_->greyRows();
    } else {
        setStatus("", kStatusColour);
    }
    SAlarmTableCounts counts;
    if (!countAlarmTable(*db_, counts)) return;
    for (int i = 0; i < 4; ++i) {
        levelLabels[i]->setText(ui(alarmLevelCountText(i + 1, counts.level[i]).c_str()));
        levelLabels[i]->setTextColor(counts.level[i] != 0 ? kRed : kDarkGrey);
    }
    unconfirmedLabel->setText(ui(alarmUnconfirmedText(counts.unconfirmed).c_str()));
    unconfirmedLabel->setTextColor(counts.unconfirmed != 0 ? kRed : kDarkGrey);
    char position[32];
    const FXint selected = table_->getSelectedRow();
    std::snprintf(position, sizeof position, "%d/%d", selected > 0 ? int(selected) : 0,
                  int(table_->dataRowCount()));
    positionLabel->setText(position);
}

const sListaAlarma* KSpisakAlarmaShell::selectedAlarm(bool* found) const {
    *found = false;
    const FXint selected = table_->getSelectedRow();
    if (selected <= 0) return nullptr;
    if (selected > table_->model.lineCount()) return nullptr;
    const sListaAlarma* alarm = table_->model.findShown(table_->model.line(selected - 1).AlarmIB);
    *found = alarm != nullptr;
    return alarm;
}

// The selected alarm of an action that needs one: nothing without a
// selection, a status text when it is not found or the table is not
// consistent.
bool KSpisakAlarmaShell::checkedSelection(const sListaAlarma** alarm, int inconsistentTextId) {
    if (table_->getSelectedRow() <= 0) return false;
    bool found = false;
    *alarm = selectedAlarm(&found);
    if (!found) {
        setStatus(textById(kTextNotFound), kStatusColour);
        return false;
    }
    if (isTableConsistent(kAlarmListTable) == 0) {
        setStatus(textById(inconsistentTextId), kStatusColour);
        return false;
    }
    return true;
}

bool KSpisakAlarmaShell::sendRequest(const sListaAlarma& key, uint8_t code) {
    TTrnTabBase* t = db_->table(kAlarmListTable);
    if (t == nullptr) return false;
    uint8_t record[kAlarmRowSize];
    encodeAlarmRow(key, record);
    if (t->readRow(0, t->findKey(record), record) != tsOK) return false;
    if (sendToLink(kTypeAlarm, kExchangeAddress, code, record, uint16_t(kAlarmRowSize)))
        return true;
    setStatus(kMessageNotSentText, kStatusColour);
    return false;
}

void KSpisakAlarmaShell::confirmAlarm() {
    const sListaAlarma* alarm = nullptr;
    if (!checkedSelection(&alarm, kTextConfirmInconsistent)) return;
    // The modal question lets refreshes rebuild the copy: keep what is needed.
    const sListaAlarma key = *alarm;
    char description[kDescriptionSize];
    alarmDescription(description, sizeof description, key);
    int question = 0;
    switch (key.Stanje) {
        case esaAktivanPotvrdjen:
            question = kTextAskReconfirm;
            break;
        case esaAktivanNepotvrdjen:
        case esaNeaktivanNepotvrdjen:
            question = kTextAskConfirm;
            break;
        default:
            return;
    }
    if (confirm(formattedText(question, description).c_str(), this) == 0) return;
    if (!sendRequest(key, kCodeConfirm)) return;
    setStatus(formattedText(kTextConfirmSent, description).c_str(), kStatusColour);
}

void KSpisakAlarmaShell::confirmAllOfType() {
    const sListaAlarma* alarm = nullptr;
    if (!checkedSelection(&alarm, kTextConfirmInconsistent)) return;
    const sListaAlarma key = *alarm;
    if (key.Nivo == enaA1) {
        showInformationOver(this, textById(kTextNoA1ConfirmAll));
        return;
    }
    char question[256];
    formatMessage(question, sizeof question, kTextAskConfirmAll, key.TipAlarma);
    if (confirm(question, this) == 0) return;
    if (!sendRequest(key, kCodeConfirmAllOfType)) return;
    char status[256];
    formatMessage(status, sizeof status, kTextConfirmAllSent, key.TipAlarma);
    setStatus(status, kStatusColour);
    table_->clearSelection();
}

void KSpisakAlarmaShell::deleteAlarm() {
    const sListaAlarma* alarm = nullptr;
    if (!checkedSelection(&alarm, kTextDeleteInconsistent)) return;
    const sListaAlarma key = *alarm;
    char description[kDescriptionSize];
    alarmDescription(description, sizeof description, key);
    if (confirmDeletion(formattedText(kTextAskDelete, description).c_str(), this) == 0) return;
    if (confirmDeletion(textById(kTextAskDeleteResponsibly), this) == 0) return;
    if (!sendRequest(key, kCodeDelete)) return;
    setStatus(formattedText(kTextDeleteSent, description).c_str(), kStatusColour);
}

void KSpisakAlarmaShell::editFilter() {
    SAlarmFilter filter = table_->model.filter;
    KAlarmFilterDialog dialog(this, textById(kTextFilterTitle), filter, *db_);
    if (dialog.execute(PLACEMENT_CURSOR) == 0) return;
    dialog.getFilter(filter);
    table_->model.filter = filter;
    table_->clearSelection();
    table_->fillRows(alarmTableCount(*db_));
    table_->repaint();
    filterLabel->setText(ui(alarmFilterLabelText(*db_, filter).c_str()));
}

void KSpisakAlarmaShell::editSortOrder() {
    KAlarmUredjDialog dialog(this, stripTildes(textById(kTextSort)));
    if (dialog.execute(PLACEMENT_CURSOR) == 0) return;
    const int8_t key = dialog.getSortKey();
    alarmListSortKey = key;
    table_->model.sortKey = key;
    table_->model.reload();
    const int label = alarmSortLabelTextId(key);
    if (label != 0) sortLabel->setText(ui(textById(label)));
    table_->repaint();
}

void KSpisakAlarmaShell::showLegend() {
    TDialogBox dialog(this, textById(21279), DECOR_TITLE | DECOR_BORDER, 0, 0, 0, 0, 10, 10, 10, 10,
                      4, 4);
    struct SLegendRow {
        int textId;
        const char* levels;
        FXColor back;
    };
    const SLegendRow rows[] = {
        {21291, "A1", FXRGB(255, 0, 0)},     {21291, "A2", FXRGB(255, 255, 128)},
        {21291, "A3", FXRGB(200, 200, 200)}, {21292, "A1, A2, A3", FXRGB(128, 255, 128)},
        {21293, "A0", FXRGB(254, 254, 254)}, {21294, "A0", FXRGB(220, 220, 220)},
    };
    new FXButton(
        &dialog, ui(textById(21403)), nullptr, &dialog, FXDialogBox::ID_ACCEPT,
        LAYOUT_SIDE_BOTTOM | LAYOUT_CENTER_X | BUTTON_DEFAULT | BUTTON_INITIAL | FRAME_RAISED);
    FXFont* normal =
        sharedFonts().normal != nullptr ? sharedFonts().normal : getApp()->getNormalFont();
    FXFont* bold = ownBold_ != nullptr ? ownBold_ : sharedFonts().bold;
    auto* colours = new FXMatrix(&dialog, 1, MATRIX_BY_COLUMNS | LAYOUT_FILL_X);
    for (const SLegendRow& r : rows) {
        auto* label = new FXLabel(colours, ui(formattedText(r.textId, r.levels).c_str()), nullptr,
                                  LAYOUT_FILL_X | JUSTIFY_LEFT);
        label->setBackColor(r.back);
        label->setFont(bold);
    }
    auto* icons = new FXMatrix(&dialog, 2, MATRIX_BY_COLUMNS | LAYOUT_FILL_X);
    new FXLabel(icons, "", table_->unconfirmedIcon());
    (new FXLabel(icons, ui(textById(21296))))->setFont(bold);
    new FXLabel(icons, "", table_->confirmedIcon());
    (new FXLabel(icons, ui(textById(21295))))->setFont(normal);
    dialog.execute(PLACEMENT_CURSOR);
}

long KSpisakAlarmaShell::onCmdAction(FXObject*, FXSelector sel, void*) {
    setStatus("", kStatusColour);
    switch (FXSELID(sel)) {
        case ID_CONFIRM:
            confirmAlarm();
            break;
        case ID_CONFIRM_ALL:
            confirmAllOfType();
            break;
        case ID_FILTER:
            editFilter();
            break;
        case ID_SORT:
            editSortOrder();
            break;
        case ID_DELETE:
            deleteAlarm();
            break;
        case ID_LEGEND:
            showLegend();
            break;
        default:
            break;
    }
    return 1;
}

long KSpisakAlarmaShell::onCmdDetails(FXObject*, FXSelector, void*) {
    bool found = false;
    const sListaAlarma* alarm = selectedAlarm(&found);
    if (!found) return 0;
    setStatus("", kStatusColour);
    const sListaAlarma row = *alarm;
    showAlarmDetails(row, this);
    return 1;
}

long KSpisakAlarmaShell::onKeyPress(FXObject* sender, FXSelector sel, void* ptr) {
    FXDialogBox::onKeyPress(sender, sel, ptr);
    const auto* event = static_cast<const FXEvent*>(ptr);
    if (event->code != kKeyReturn && event->code != kKeyPadEnter) return 0;
    bool found = false;
    const sListaAlarma* alarm = selectedAlarm(&found);
    if (!found) return 0;
    const sListaAlarma row = *alarm;
    showAlarmDetails(row, this);
    return 1;
}

long KSpisakAlarmaShell::onKeyRelease(FXObject* sender, FXSelector sel, void* ptr) {
    FXDialogBox::onKeyRelease(sender, sel, ptr);
    return 1;
}

KSpisakAlarmaShell* openAlarmListWindow() {
    FXWindow* owner = mainDialogOwner();
    if (owner == nullptr) return nullptr;
    auto* window = new KSpisakAlarmaShell(owner);
    window->create();
    window->show(PLACEMENT_DEFAULT);
    return window;
}
