/*
  Notes:
  - The view is not a window: it owns an OrTable made in its parent and
    listens to the grid's selection messages. The grid's cells carry only the
    look; their texts come from getCellText of the subclass.
  - Layout strings are split on the CP1251 side and title lengths counted in
    CP1251 bytes; titles are converted only when put into the title cells.
*/
#include "toolkit/tabela.h"

#include "sub/rec_cursor.h"
#include "toolkit/fx_table_texts.h"
#include "toolkit/shared_fonts.h"
#include "toolkit/text_codec.h"
#include "utils/message_box.h"

#include <algorithm>

using namespace FX;

namespace {

// The two column separators of a layout string.
constexpr unsigned char kBar = '|';
constexpr unsigned char kBoxBar = 0xB3;
// Columns a view's default width is made for, at most.
constexpr int kMaxVisibleColumns = 8;
// Remembered width of the column of a one-column view.
constexpr int kSingleColumnChars = 64;
constexpr FXint kLayoutVisibleRows = 20;
constexpr FXint kCellPadding = 2;

}  // namespace

int splitLayout(const char* layout, std::vector<std::string>& titles) {
    titles.clear();
    std::string title;
    int column = 1;
    for (const char* p = layout != nullptr ? layout : ""; *p != '\0'; ++p) {
        if (column >= kTabelaMaxColumns || title.size() >= kTabelaMaxTitle) break;
        const auto byte = static_cast<unsigned char>(*p);
        if (byte == kBar || byte == kBoxBar) {
            titles.push_back(title);
            title.clear();
            ++column;
        } else {
            title += *p;
        }
    }
    titles.push_back(title);
    return column;
}

// ---------------------------------------------------------------------------

FXIMPLEMENT(OrTable, TFXTable, nullptr, 0)

OrTable::OrTable(TTabela* owner, FXComposite* p, FXint nvrows, FXint nvcols, FXObject* tgt,
                 FXSelector sel, FXuint opts, FXint pl, FXint pr, FXint pt, FXint pb)
    : TFXTable(p, nvrows, nvcols, tgt, sel, opts, 0, 0, 0, 0, pl, pr, pt, pb), owner_(owner) {}

const char* OrTable::getCellText(FXint row, FXint col) const {
    return owner_ != nullptr ? owner_->getCellText(row, col) : nullptr;
}

void OrTable::layout() {
    TFXTable::layout();
    if (owner_ == nullptr || getNumCols() != 1) return;
    const FXint least = owner_->getColumnWidthChars(0) * kTabelaCharWidth;
    const FXint fits = getViewportWidth() - (getContentWidth() - getColumnWidth(0));
    const FXint width = FXMAX(least, fits);
    if (width == getColumnWidth(0)) return;
    setColumnWidth(0, width);
    TFXTable::layout();  // the grid's drawn extent and scroll ranges follow the column
}

// ---------------------------------------------------------------------------

FXDEFMAP(TTabela)
TTabelaMap[] = {
    FXMAPFUNC(SEL_SELECTED, TTabela::ID_TABLE, TTabela::onTableSelected),
    FXMAPFUNC(SEL_DESELECTED, TTabela::ID_TABLE, TTabela::onTableDeselected),
};

FXIMPLEMENT(TTabela, FXObject, TTabelaMap, ARRAYNUMBER(TTabelaMap))

TTabela::TTabela(FXComposite* p) : parent(p) {
    std::fill_n(columnWidths, kTabelaMaxColumns, -1);
}

TTabela::TTabela(FXComposite* p, const char* layout, FXint visibleRows) : parent(p) {
    createTable(p, layout, visibleRows);
}

TTabela::~TTabela() {
    delete table;
    table = nullptr;
}

void TTabela::createTable(FXComposite* p, const char* layout, FXint visibleRows) {
    columnCount = splitLayout(layout, titles);
    table = new OrTable(this, p, visibleRows, 0, this, ID_TABLE,
                        LAYOUT_FILL_X | LAYOUT_FILL_Y | TFXTABLE_COL_SIZABLE | TFXTABLE_ROW_SIZABLE,
                        kCellPadding, kCellPadding, kCellPadding, kCellPadding);
    table->setTableSize(1, columnCount, FALSE);
    table->setVisibleCols(
        columnCount >= 2 && columnCount <= kMaxVisibleColumns ? columnCount : kMaxVisibleColumns);
    table->setCellColor(0, 0, FXRGB(255, 255, 255));
    table->setCellColor(0, 1, FXRGB(255, 240, 240));
    table->setCellColor(1, 0, FXRGB(240, 255, 240));
    table->setCellColor(1, 1, FXRGB(240, 240, 255));
    std::fill_n(columnWidths, kTabelaMaxColumns, -1);
    if (columnCount == 1) {
        columnWidths[0] = kSingleColumnChars;
        table->setColumnWidth(0, kSingleColumnChars * kTabelaCharWidth);
    }
    for (int i = 0; i < columnCount; ++i) {
        const auto length = static_cast<int32_t>(titles[i].size());
        if (columnCount > 1) {
            columnWidths[i] = length;
            table->setColumnWidth(i, length * kTabelaCharWidth);
        }
        table->setItemText(0, i, toUtf8(titles[i]));
        TFXTableItem* item = table->getItem(0, i);
        item->setButton(TRUE);
        item->setJustify(TFXTableItem::LEFT);
    }
    table->setLeadingRows(1);
    table->setLeadingCols(leadingColumns);
    table->insertRows(1, 2, TRUE);
    selectedRow = selectedCol = -1;
    state = BUILT;
}

void TTabela::setLayout(const char* layout, FXint leading) {
    if (state == BUILT) {
        showErrorCaptioned(tabletext::kLayoutErrorCaption, tabletext::kLayoutErrorText);
        return;
    }
    leadingColumns = leading > 0 ? leading : 0;
    createTable(parent, layout, kLayoutVisibleRows);
    // A grid made after its parent went on screen is realised here.
    if (parent != nullptr && parent->id() != 0) {
        table->create();
        parent->recalc();
    }
}

const char* TTabela::getCellText(FXint, FXint) {
    return nullptr;
}

const std::string& TTabela::getColumnTitle(int col) const {
    static const std::string none;
    return col >= 0 && col < static_cast<int>(titles.size()) ? titles[col] : none;
}

int TTabela::getColumnWidthChars(int col) const {
    return col >= 0 && col < kTabelaMaxColumns ? columnWidths[col] : -1;
}

int TTabela::getRowCount() const {
    return table != nullptr ? table->getNumRows() - 2 : -1;
}

int TTabela::rowChange(int rows) {
    // Never take the title row: at least one widget row stays.
    rows = std::max(rows, -1);
    const int d = rows - getRowCount();
    if (d < 0) table->removeRows(1, -d, FALSE);
    return d;
}

int TTabela::setRowCount(int rows) {
    if (table == nullptr) return -1;
    const int old = getRowCount();
    const int d = rowChange(rows);
    if (d <= 0) return d == 0 ? 0 : 2;
    table->insertRows(old, d, FALSE);
    table->createItems(old, old + d, 0, table->getNumCols(), TFXTableItem::LEFT, nullptr);
    return 1;
}

int TTabela::setRecordRowCount(int rows, int keyFields, const TTrnRecBase* cursor) {
    if (table == nullptr) return -1;
    const int old = getRowCount();
    if (cursor == nullptr && std::max(rows, -1) > old) return -1;
    const int d = rowChange(rows);
    if (d <= 0) return d == 0 ? 0 : 2;
    table->insertRows(old, d, FALSE);
    for (int col = 0; col < table->getNumCols(); ++col) {
        const auto field = static_cast<int16_t>(col + 1);
        const bool indexed = cursor->database()->isIndexedField(cursor->table(), field) != 0;
        const bool key = col < keyFields;
        FXFont* font = nullptr;
        const SSharedFonts& fonts = sharedFonts();
        if (key)
            font = indexed ? fonts.boldItalic : fonts.bold;
        else if (indexed)
            font = fonts.italic;
        table->createItems(old, old + d, col, col + 1, TFXTableItem::RIGHT, font);
    }
    return 1;
}

void TTabela::clearRows() {
    if (table == nullptr) return;
    const int count = getRowCount() - 1;
    if (count > 0) table->removeRows(1, count, FALSE);
}

void TTabela::scrollToBottom() {
    if (table != nullptr) table->scrollToBottom();
}

void TTabela::repaint() {
    if (table != nullptr) table->update();
}

void TTabela::fitColumns() {
    if (table == nullptr) return;
    for (int i = 0; i < columnCount && i < table->getNumCols(); ++i)
        table->setColumnWidth(i, columnWidths[i] * kTabelaCharWidth);
    table->update();
}

bool TTabela::isMultiSelection() const {
    if (table == nullptr || (selectedRow < 0 && selectedCol < 0)) return false;
    const FXint r = selectedRow, c = selectedCol;
    if (r - 1 >= 0 && table->isItemSelected(r - 1, c)) return true;
    if (r + 1 < table->getNumRows() && table->isItemSelected(r + 1, c)) return true;
    if (c - 1 >= 0 && table->isItemSelected(r, c - 1)) return true;
    if (c + 1 < table->getNumCols() && table->isItemSelected(r, c + 1)) return true;
    return false;
}

void TTabela::clearSelection() {
    if (table == nullptr || selectedRow < 0 || selectedCol < 0) return;
    if (table->isItemSelected(selectedRow, selectedCol))
        table->deselectItem(selectedRow, selectedCol, FALSE);
    table->updateItem(selectedRow, selectedCol);
    selectedRow = selectedCol = -1;
}

long TTabela::onTableSelected(FXObject*, FXSelector, void* ptr) {
    const TFXTablePos pos = *static_cast<const TFXTablePos*>(ptr);
    clearSelection();
    selectedRow = pos.row;
    selectedCol = pos.col;
    return 1;
}

long TTabela::onTableDeselected(FXObject*, FXSelector, void*) {
    selectedRow = selectedCol = -1;
    return 1;
}
