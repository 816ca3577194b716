/*
  Notes:
  - Row r of the view (r >= 1) shows data row r - 1; with a filter, data row
    i is the (i + 1)-th visible record the filter accepts, so each cell text
    walks the table from its first record.
  - The first refresh runs from a 1 ms timer, so a subclass's filter is in
    place before the filtered row count is taken.
*/
#include "toolkit/rec_tabela.h"

#include <cstring>
#include <string>

#include "texts/text_catalogue.h"
#include "sub/sub_status.h"
#include "toolkit/accelerators.h"
#include "toolkit/shared_fonts.h"
#include "toolkit/text_codec.h"
#include "utils/message_box.h"

using namespace FX;

namespace {

constexpr uint32_t kFirstRefreshDelay = 1;
constexpr int kTextNothingSelected = 21120;
constexpr int kTextAccept = 21401;
constexpr int kTextCancel = 22019;
const char* const kTextSeveralCells = "Vise od jednog polja je selektovano";

char cellText[kRecordCellTextSize];

// "name |" for every field but the last, which stands alone.
std::string recordLayout(const TTrnRecBase& cursor) {
    KSub& db = *cursor.database();
    const int16_t count = db.fieldCount(cursor.table());
    std::string layout;
    for (int16_t field = 1; field <= count; ++field) {
        const char* name = nullptr;
        if (db.fieldName(cursor.table(), field, &name) != tsOK || name == nullptr) name = "";
        layout += name;
        if (field < count) layout += " |";
    }
    return layout;
}

}  // namespace

TRecTabela::TRecTabela(FXComposite* parent, TTrnRecBase* cursor)
    : TTabela(parent), cursor_(cursor) {
    setLayout(recordLayout(*cursor).c_str(), cursor->keyFieldCount());
    setRecordRowCount(cursor->rowCount() + 1, cursor->keyFieldCount(), cursor);
    refreshTimer_ = setTimer(this, kFirstRefreshDelay);
    refreshWanted_ = 1;
}

TRecTabela::~TRecTabela() {
    killTimers(this);
}

void TRecTabela::resizeToRecords(int rows) {
    setRecordRowCount(rows, cursor_->keyFieldCount(), cursor_);
}

const char* TRecTabela::getCellText(FXint row, FXint col) {
    if (row <= 0 || col < 0 || col >= getColumnCount()) return nullptr;
    if (seekRow(row - 1) != 0) return nullptr;
    cellText[0] = '\0';
    if (cursor_->fieldText(static_cast<int16_t>(col + 1), cellText, kRecordCellTextSize) < 0)
        return nullptr;
    const auto length = static_cast<int32_t>(std::strlen(cellText));
    if (length > columnWidths[col]) columnWidths[col] = length;
    return cellText;
}

int TRecTabela::getRowCount() {
    if (refreshTimer_ >= 0 && refreshWanted_ != 0) return -1;
    if (hasFilter() == 0) return cursor_->rowCount() + 1;
    int count = 1;
    for (int rc = cursor_->first(); rc == tsOK; rc = cursor_->next())
        if (acceptRecord(cursor_->record) != 0) ++count;
    return count;
}

int TRecTabela::acceptRecord(const uint8_t*) {
    return 1;
}

int TRecTabela::hasFilter() {
    return 0;
}

int TRecTabela::seekRow(int i) {
    if (i < 0) return -1;
    if (hasFilter() == 0) return cursor_->gotoRow(i) == tsOK ? 0 : -1;
    int accepted = 0;
    for (int rc = cursor_->first(); rc == tsOK; rc = cursor_->next()) {
        if (acceptRecord(cursor_->record) != 0 && ++accepted == i + 1) return 0;
    }
    return -1;
}

int TRecTabela::refresh() {
    if (refreshTimer_ >= 0) {
        refreshWanted_ = 1;
        return refreshTimer_ + 1;
    }
    const int rows = getRowCount();
    if (rows >= 0) resizeToRecords(rows);
    fitColumns();
    refreshTimer_ = setTimer(this, kRecordRefreshPeriod);
    refreshWanted_ = 0;
    return refreshTimer_;
}

int TRecTabela::selectRecord() {
    if (getSelectedRow() < 0 || getSelectedCol() < 0) {
        showInformation(textById(kTextNothingSelected));
        return -2;
    }
    if (isMultiSelection()) {
        showInformation(kTextSeveralCells);
        return -1;
    }
    if (getSelectedRow() == 0) return -1;
    return seekRow(getSelectedRow() - 1);
}

void TRecTabela::onTimer(const STimerEvent*) {
    refreshTimer_ = -1;
    if (refreshWanted_ == 0) return;
    refreshWanted_ = 0;
    refresh();
}

// ---------------------------------------------------------------------------

TFltRecTabela::TFltRecTabela(FXComposite* parent, TTrnRecBase* cursor, RecordFilter filter)
    : TRecTabela(parent, cursor), filter_(std::move(filter)) {}

int TFltRecTabela::acceptRecord(const uint8_t* record) {
    return !filter_ || filter_(record) ? 1 : 0;
}

int TFltRecTabela::hasFilter() {
    return filter_ ? 1 : 0;
}

// ---------------------------------------------------------------------------

FXIMPLEMENT(TRecDial, TDialogBox, nullptr, 0)

namespace {

// A dialog needs an owner: without the main window it stands over the root.
FXWindow* ownerOrRoot(FXWindow* owner) {
    return owner != nullptr ? owner : FXApp::instance()->getRootWindow();
}

}  // namespace

TRecDial::TRecDial(int16_t table, FXWindow* owner, const char* title, RecordFilter filter)
    : TDialogBox(ownerOrRoot(owner), title, DECOR_TITLE | DECOR_BORDER | DECOR_CLOSE | DECOR_RESIZE,
                 0, 0, 0, 0, 10, 10, 10, 10, 4, 4),
      table_(table) {
    auto* frame =
        new FXVerticalFrame(this, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
    new FXHorizontalSeparator(frame, SEPARATOR_GROOVE | LAYOUT_FILL_X);
    cursor_ = new TUniRec(table);
    tabela_ = new TFltRecTabela(frame, cursor_, std::move(filter));
    if (sharedFonts().normal != nullptr && tabela_->getTable())
        tabela_->getTable()->setFont(sharedFonts().normal);
    auto* bar = new FXHorizontalFrame(frame, LAYOUT_FILL_X, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
    const FXuint buttonOpts = FRAME_RAISED | FRAME_THICK | LAYOUT_RIGHT;
    new FXButton(bar, toUtf8(convertTildeAccel(textById(kTextCancel))), nullptr, this,
                 FXDialogBox::ID_CANCEL, buttonOpts);
    acceptButton = new FXButton(bar, toUtf8(convertTildeAccel(textById(kTextAccept))), nullptr,
                                this, FXDialogBox::ID_ACCEPT, buttonOpts);
    registerTable(table, 0xFFFFFFFFu, 0);
}

TRecDial::~TRecDial() {
    unregisterTable(table_);
    delete tabela_;
    delete cursor_;
}

FXuint TRecDial::execute(FXuint placement) {
    return TDialogBox::execute(placement);
}

const uint8_t* TRecDial::getSelectedRecord() {
    return tabela_->selectRecord() < 0 ? nullptr : cursor_->record;
}

void TRecDial::onTableChanged() {
    tabela_->refresh();
}

void TRecDial::notify(uint32_t, int32_t, uint16_t, uint8_t, int16_t, int32_t, const void*) {
    onTableChanged();
}

// ---------------------------------------------------------------------------

namespace {

class TRecDialChooser : public IRecordChooser {
public:
    int choose(const char* title, int16_t table, const RecordFilter& filter,
               std::vector<uint8_t>& chosen) override {
        auto* dialog = new TRecDial(table, topDialogOwner(), title, filter);
        if (dialog->execute(PLACEMENT_CURSOR) == 0) {
            delete dialog;
            return kPickCancelled;
        }
        const uint8_t* record = dialog->getSelectedRecord();
        int rc = kPickNoRecord;
        if (record != nullptr) {
            chosen.assign(record, record + dialog->cursor()->recordLength());
            rc = 0;
        }
        delete dialog;
        return rc;
    }
};

}  // namespace

IRecordChooser& recordDialogChooser() {
    static TRecDialChooser chooser;
    return chooser;
}

void installRecordDialogChooser() {
    setRecordChooser(&recordDialogChooser());
}
