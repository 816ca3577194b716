/*
  Notes:
  - The grid keeps three arrays: the item pointers row by row and the column
    and row boundaries in content coordinates. Window coordinates differ per
    band: leading rows and columns never move, scrolling ones move by the
    scroll position, trailing ones are pushed against the grid's far edge.
  - An item may stand in a rectangle of cells. Deleting goes through a list
    of distinct pointers, so an item is deleted exactly once whatever shape
    its cells take.
  - A call with an index outside the grid is a caller's error: it is reported
    through the toolkit report and performs nothing. Arrays are built first
    and swapped in, so a failed allocation leaves the grid as it was.
  - Every input event is offered to the target first; a target that handles
    it takes it over.
*/
#include "toolkit/fx_table.h"

#include "toolkit/fx_table_texts.h"
#include "toolkit/text_codec.h"
#include "toolkit/toolkit_report.h"

#include <fox-1.6/fxkeys.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <unordered_set>

using namespace FX;

namespace {

// Movement steps of the page keys, whatever the window shows.
constexpr FXint kPageRows = 10;
// A grid line is this many pixels from a boundary to count as near it.
constexpr FXint kNearBoundary = 1;
// Gap between icon and text when both are shown.
constexpr FXint kIconSpacing = 4;
// A grid of more cells than this is refused as out of memory.
constexpr std::int64_t kMaxCells = 0x7FFFFFFF;

bool flag(FXbool b) {
    return (b & 0xFF) != 0;
}

// Binary search over a boundary array between lo and hi; probes at least
// once and gives the last index probed when the interval empties.
FXint searchBoundary(const std::vector<FXint>& bounds, FXint lo, FXint hi, FXint pos) {
    const FXint last = static_cast<FXint>(bounds.size()) - 2;
    FXint m;
    do {
        m = std::clamp((lo + hi) / 2, 0, last);
        if (pos < bounds[m + 1]) {
            if (pos >= bounds[m]) return m;
            hi = m - 1;
        } else {
            lo = m + 1;
        }
    } while (hi >= lo);
    return m;
}

// Whether count lines of `step` pixels pass the 32-bit coordinate range.
bool overflows(std::int64_t count, FXint step) {
    return count * step > 0x7FFFFFFF || count * step < -0x7FFFFFFF;
}

}  // namespace

// ---------------------------------------------------------------------------
// Items

FXIMPLEMENT(TFXTableItem, FXObject, nullptr, 0)

TFXTableItem::TFXTableItem(const FXString& text, FXIcon* ic, void* ptr)
    : label(text), icon(ic), data(ptr), state(RIGHT) {}

TFXTableItem::~TFXTableItem() {
    if (state & ICONOWNED) delete icon;
    icon = nullptr;
}

void TFXTableItem::draw(const TFXTable* table, FXDC& dc, FXint x, FXint y, FXint w, FXint h,
                        FXint row, FXint col) const {
    if (state & BUTTON) {
        drawButton(table, dc, x, y, w, h);
        drawContent(table, dc, x, y, w, h, row, col);
        return;
    }
    drawBackground(table, dc, x, y, w, h);
    drawPattern(table, dc, x, y, w, h);
    drawContent(table, dc, x, y, w, h, row, col);
    drawBorders(table, dc, x, y, w, h);
}

void TFXTableItem::drawButton(const TFXTable* table, FXDC& dc, FXint x, FXint y, FXint w,
                              FXint h) const {
    const FXint X = x + table->vgrid, Y = y + table->hgrid;
    const FXint W = w - table->vgrid, H = h - table->hgrid;
    dc.setForeground(table->baseColor);
    dc.fillRectangle(X, Y, W, H);
    dc.setForeground(table->hiliteColor);
    dc.fillRectangle(X, Y, W - 1, 1);
    dc.fillRectangle(X, Y, 1, H - 1);
    dc.setForeground(table->baseColor);
    dc.fillRectangle(X + 1, Y + 1, W - 2, 1);
    dc.fillRectangle(X + 1, Y + 1, 1, H - 2);
    dc.setForeground(table->shadowColor);
    dc.fillRectangle(X + 1, Y + H - 2, W - 2, 1);
    dc.fillRectangle(X + W - 2, Y + 1, 1, H - 1);
    dc.setForeground(table->borderColor);
    dc.fillRectangle(X, Y + H - 1, W, 1);
    dc.fillRectangle(X + W - 1, Y, 1, H);
}

void TFXTableItem::drawBorders(const TFXTable* table, FXDC& dc, FXint x, FXint y, FXint w,
                               FXint h) const {
    if ((state & BORDER_MASK) == 0) return;
    const FXint t = table->cellBorderWidth;
    dc.setForeground(table->cellBorderColor);
    if (state & LBORDER) dc.fillRectangle(x, y, t, h + table->hgrid);
    if (state & RBORDER) dc.fillRectangle(x + w + table->vgrid - t, y, t, h + table->hgrid);
    if (state & TBORDER) dc.fillRectangle(x, y, w + table->vgrid, t);
    if (state & BBORDER) dc.fillRectangle(x, y + h + table->hgrid - t, w + table->vgrid, t);
}

void TFXTableItem::drawContent(const TFXTable* table, FXDC& dc, FXint x, FXint y, FXint w, FXint h,
                               FXint row, FXint col) const {
    const char* cell = table->getCellText(row, col);
    const FXString text = cell != nullptr ? toUtf8(cell) : label;
    FXFont* fnt = dc.getFont();
    if (fnt == nullptr) return;

    // Lines split at LF; an empty text still counts as one line.
    std::vector<FXString> lines;
    FXint start = 0;
    for (FXint i = 0; i <= text.length(); ++i) {
        if (i == text.length() || text[i] == '\n') {
            lines.push_back(text.mid(start, i - start));
            start = i + 1;
        }
    }
    FXint tw = 0;
    for (const FXString& line : lines) tw = std::max(tw, fnt->getTextWidth(line));
    const FXint th = fnt->getFontHeight() * static_cast<FXint>(lines.size());
    const FXint iw = icon != nullptr ? icon->getWidth() : 0;
    const FXint ih = icon != nullptr ? icon->getHeight() : 0;

    const TFXContentPlace p =
        placeCellContent(state, x, y, w, h, table->marginleft, table->marginright, table->margintop,
                         table->marginbottom, tw, th, iw, ih);
    if (icon != nullptr) dc.drawIcon(icon, p.ix, p.iy);

    FXColor color = table->textColor;
    if (!(state & BUTTON) && (state & SELECTED)) color = table->selTextColor;
    dc.setForeground(color);
    for (size_t k = 0; k < lines.size(); ++k) {
        const FXint lw = fnt->getTextWidth(lines[k]);
        FXint lx;
        if (state & LEFT)
            lx = p.tx;
        else if (state & RIGHT)
            lx = p.tx + tw - lw;
        else
            lx = p.tx + (tw - lw) / 2;
        const FXint ly = p.ty + fnt->getFontAscent() + static_cast<FXint>(k) * fnt->getFontHeight();
        dc.drawText(lx, ly, lines[k]);
    }
}

void TFXTableItem::drawPattern(const TFXTable* table, FXDC& dc, FXint x, FXint y, FXint w,
                               FXint h) const {
    const FXuint pattern = (state & STIPPLE_MASK) >> 8;
    if (pattern == 0) return;
    dc.setStipple(static_cast<FXStipplePattern>(pattern), x, y);
    dc.setFillStyle(FILL_STIPPLED);
    dc.setForeground(table->stippleColor);
    dc.fillRectangle(x + table->vgrid, y + table->hgrid, w - table->vgrid, h - table->hgrid);
    dc.setFillStyle(FILL_SOLID);
}

void TFXTableItem::drawBackground(const TFXTable* table, FXDC& dc, FXint x, FXint y, FXint w,
                                  FXint h) const {
    dc.fillRectangle(x + table->vgrid, y + table->hgrid, w - table->vgrid, h - table->hgrid);
}

void TFXTableItem::setText(const FXString& text) {
    label = text;
}

void TFXTableItem::setIcon(FXIcon* ic) {
    icon = ic;
}

namespace {
void setBit(FXuint& state, FXuint bit, bool on) {
    state = on ? (state | bit) : (state & ~bit);
}
}  // namespace

void TFXTableItem::setFocus(FXbool focus) {
    setBit(state, FOCUS, flag(focus));
}
void TFXTableItem::setSelected(FXbool selected) {
    setBit(state, SELECTED, flag(selected));
}
void TFXTableItem::setEnabled(FXbool enabled) {
    setBit(state, DISABLED, !flag(enabled));
}
void TFXTableItem::setDraggable(FXbool draggable) {
    setBit(state, DRAGGABLE, flag(draggable));
}
void TFXTableItem::setIconOwned(FXbool owned) {
    setBit(state, ICONOWNED, flag(owned));
}
void TFXTableItem::setButton(FXbool button) {
    setBit(state, BUTTON, flag(button));
}

void TFXTableItem::setJustify(FXuint justify) {
    state = (state & ~JUSTIFY_MASK) | (justify & JUSTIFY_MASK);
}

FXint TFXTableItem::getWidth(const TFXTable*) const {
    return 1;
}
FXint TFXTableItem::getHeight(const TFXTable*) const {
    return 1;
}

void TFXTableItem::create() {
    if (icon != nullptr) icon->create();
}

void TFXTableItem::detach() {
    if (icon != nullptr) icon->detach();
}

void TFXTableItem::destroy() {
    if (icon != nullptr && (state & ICONOWNED)) icon->destroy();
}

void TFXTableItem::save(FXStream& store) const {
    FXObject::save(store);
    store << label;
    store << icon;
    store << state;
}

void TFXTableItem::load(FXStream& store) {
    FXObject::load(store);
    store >> label;
    store >> icon;
    store >> state;
}

namespace {

// Places the icon and the text block along one axis of the cell [lo, lo + size)
// with margins m0 and m1: at the start, at the end or (neither) centred; the
// icon before the text, after it or (neither) at the same place as the text.
void placeAlong(bool atStart, bool atEnd, bool iconFirst, bool iconLast, FXint lo, FXint size,
                FXint m0, FXint m1, FXint text, FXint icon, FXint gap, FXint& ip, FXint& tp) {
    if (atStart) {
        if (iconFirst) {
            ip = lo + m0;
            tp = ip + icon + gap;
        } else if (iconLast) {
            tp = lo + m0;
            ip = tp + text + gap;
        } else {
            ip = tp = lo + m0;
        }
    } else if (atEnd) {
        if (iconFirst) {
            tp = lo + size - m1 - text;
            ip = tp - icon - gap;
        } else if (iconLast) {
            ip = lo + size - m1 - icon;
            tp = ip - text - gap;
        } else {
            ip = lo + size - m1 - icon;
            tp = lo + size - m1 - text;
        }
    } else {
        const FXint m = (size - m0 - m1 - text - icon - gap) / 2;
        if (iconFirst) {
            ip = lo + m0 + m;
            tp = ip + icon + gap;
        } else if (iconLast) {
            tp = lo + m0 + m;
            ip = tp + text + gap;
        } else {
            ip = lo + m0 + (size - m0 - m1 - icon) / 2;
            tp = lo + m0 + (size - m0 - m1 - text) / 2;
        }
    }
}

}  // namespace

TFXContentPlace placeCellContent(FXuint state, FXint x, FXint y, FXint w, FXint h, FXint ml,
                                 FXint mr, FXint mt, FXint mb, FXint tw, FXint th, FXint iw,
                                 FXint ih) {
    TFXContentPlace p{};
    // Side by side the icon keeps a gap from the text; stacked it does not.
    const FXint s = (iw != 0 && tw != 0) ? kIconSpacing : 0;
    const bool before = (state & TFXTableItem::BEFORE) != 0;
    const bool after = !before && (state & TFXTableItem::AFTER) != 0;
    const bool left = (state & TFXTableItem::LEFT) != 0;
    placeAlong(left, !left && (state & TFXTableItem::RIGHT) != 0, before, after, x, w, ml, mr, tw,
               iw, s, p.ix, p.tx);
    const bool above = (state & TFXTableItem::ABOVE) != 0;
    const bool below = !above && (state & TFXTableItem::BELOW) != 0;
    const bool top = (state & TFXTableItem::TOP) != 0;
    placeAlong(top, !top && (state & TFXTableItem::BOTTOM) != 0, above, below, y, h, mt, mb, th, ih,
               0, p.iy, p.ty);
    return p;
}

// ---------------------------------------------------------------------------
// Table: message map and lifetime

// clang-format off
FXDEFMAP(TFXTable) TFXTableMap[] = {
    FXMAPFUNC(SEL_PAINT, 0, TFXTable::onPaint),
    FXMAPFUNC(SEL_KEYPRESS, 0, TFXTable::onKeyPress),
    FXMAPFUNC(SEL_KEYRELEASE, 0, TFXTable::onKeyRelease),
    FXMAPFUNC(SEL_FOCUSIN, 0, TFXTable::onFocusIn),
    FXMAPFUNC(SEL_FOCUSOUT, 0, TFXTable::onFocusOut),
    FXMAPFUNC(SEL_SELECTION_GAINED, 0, TFXTable::onSelectionGained),
    FXMAPFUNC(SEL_SELECTION_LOST, 0, TFXTable::onSelectionLost),
    FXMAPFUNC(SEL_LEFTBUTTONPRESS, 0, TFXTable::onLeftBtnPress),
    FXMAPFUNC(SEL_LEFTBUTTONRELEASE, 0, TFXTable::onLeftBtnRelease),
    FXMAPFUNC(SEL_RIGHTBUTTONPRESS, 0, TFXTable::onRightBtnPress),
    FXMAPFUNC(SEL_RIGHTBUTTONRELEASE, 0, TFXTable::onRightBtnRelease),
    FXMAPFUNC(SEL_MOTION, 0, TFXTable::onMotion),
    FXMAPFUNC(SEL_TIMEOUT, FXWindow::ID_AUTOSCROLL, TFXTable::onAutoScroll),
    FXMAPFUNC(SEL_UNGRABBED, 0, TFXTable::onUngrabbed),
    FXMAPFUNC(SEL_COMMAND, 0, TFXTable::onForward),
    FXMAPFUNC(SEL_CLICKED, 0, TFXTable::onForward),
    FXMAPFUNC(SEL_DOUBLECLICKED, 0, TFXTable::onForward),
    FXMAPFUNC(SEL_TRIPLECLICKED, 0, TFXTable::onForward),
    FXMAPFUNC(SEL_COMMAND, TFXTable::ID_HORZ_GRID, TFXTable::onCmdHorzGrid),
    FXMAPFUNC(SEL_COMMAND, TFXTable::ID_VERT_GRID, TFXTable::onCmdVertGrid),
    FXMAPFUNC(SEL_COMMAND, TFXTable::ID_DELETE_COLUMN, TFXTable::onCmdDeleteColumn),
    FXMAPFUNC(SEL_COMMAND, TFXTable::ID_DELETE_ROW, TFXTable::onCmdDeleteRow),
    FXMAPFUNC(SEL_COMMAND, TFXTable::ID_INSERT_COLUMN, TFXTable::onCmdInsertColumn),
    FXMAPFUNC(SEL_COMMAND, TFXTable::ID_INSERT_ROW, TFXTable::onCmdInsertRow),
    FXMAPFUNC(SEL_COMMAND, TFXTable::ID_SELECT_COLUMN, TFXTable::onCmdSelectColumn),
    FXMAPFUNC(SEL_COMMAND, TFXTable::ID_SELECT_ROW, TFXTable::onCmdSelectRow),
    FXMAPFUNC(SEL_COMMAND, TFXTable::ID_SELECT_CELL, TFXTable::onCmdSelectCell),
    FXMAPFUNC(SEL_COMMAND, TFXTable::ID_SELECT_ALL, TFXTable::onCmdSelectAll),
    FXMAPFUNC(SEL_COMMAND, TFXTable::ID_DESELECT_ALL, TFXTable::onCmdDeselectAll),
    FXMAPFUNCS(SEL_COMMAND, TFXTable::ID_MOVE_LEFT, TFXTable::ID_MOVE_PAGEUP, TFXTable::onCmdMove),
    FXMAPFUNC(SEL_COMMAND, TFXTable::ID_MARK, TFXTable::onCmdMark),
    FXMAPFUNC(SEL_COMMAND, TFXTable::ID_EXTEND, TFXTable::onCmdExtend),
    FXMAPFUNCS(SEL_UPDATE, TFXTable::ID_HORZ_GRID, TFXTable::ID_VERT_GRID, TFXTable::onUpdGrid),
    FXMAPFUNC(SEL_UPDATE, TFXTable::ID_DELETE_COLUMN, TFXTable::onUpdDeleteColumn),
    FXMAPFUNC(SEL_UPDATE, TFXTable::ID_DELETE_ROW, TFXTable::onUpdDeleteRow),
};
// clang-format on

FXIMPLEMENT(TFXTable, FXScrollArea, TFXTableMap, ARRAYNUMBER(TFXTableMap))

TFXTable::TFXTable() {
    flags |= FLAG_ENABLED;
}

TFXTable::TFXTable(FXComposite* p, FXint nvrows, FXint nvcols, FXObject* tgt, FXSelector sel,
                   FXuint opts, FXint x, FXint y, FXint w, FXint h, FXint pl, FXint pr, FXint pt,
                   FXint pb)
    : FXScrollArea(p, opts, x, y, w, h) {
    flags |= FLAG_ENABLED;
    target = tgt;
    message = sel;
    cells.assign(1, nullptr);
    col_x.assign(1, 0);
    row_y.assign(1, 0);
    font = getApp()->getNormalFont();
    visiblerows = std::max(nvrows, 0);
    visiblecols = std::max(nvcols, 0);
    margintop = pt;
    marginbottom = pb;
    marginleft = pl;
    marginright = pr;
    textColor = getApp()->getForeColor();
    baseColor = getApp()->getBaseColor();
    hiliteColor = getApp()->getHiliteColor();
    shadowColor = getApp()->getShadowColor();
    borderColor = getApp()->getBorderColor();
    selBackColor = getApp()->getSelbackColor();
    selTextColor = getApp()->getSelforeColor();
    gridColor = getApp()->getBaseColor();
    cellBorderColor = getApp()->getBorderColor();
    for (auto& byRow : cellBackColor)
        for (FXColor& c : byRow) c = getApp()->getBackColor();
    // Until the owner sizes the grid, the current cell and the selection
    // corners name the first cell.
    current = anchor = extent = {0, 0};
}

TFXTable::~TFXTable() {
    deleteAllItems();
    font = nullptr;
}

void TFXTable::deleteAllItems() {
    std::unordered_set<TFXTableItem*> seen;
    for (TFXTableItem* item : cells)
        if (item != nullptr && seen.insert(item).second) delete item;
    std::fill(cells.begin(), cells.end(), nullptr);
}

void TFXTable::create() {
    FXScrollArea::create();
    for (TFXTableItem* item : cells)
        if (item != nullptr) item->create();
    if (font != nullptr) font->create();
}

void TFXTable::detach() {
    FXScrollArea::detach();
    for (TFXTableItem* item : cells)
        if (item != nullptr) item->detach();
    if (font != nullptr) font->detach();
}

void TFXTable::save(FXStream& store) const {
    FXScrollArea::save(store);
    store << nrows << ncols;
    for (FXint i = 0; i < nrows * ncols; ++i) store << cells[i];
    for (FXint i = 0; i <= ncols; ++i) store << col_x[i];
    for (FXint i = 0; i <= nrows; ++i) store << row_y[i];
    store << visiblerows << visiblecols;
    store << margintop << marginbottom << marginleft << marginright;
    store << textColor << baseColor << hiliteColor << shadowColor << borderColor;
    store << selBackColor << selTextColor << gridColor;
    store << cellBackColor[0][0] << cellBackColor[0][1] << cellBackColor[1][0]
          << cellBackColor[1][1];
    store << font;
}

void TFXTable::load(FXStream& store) {
    FXScrollArea::load(store);
    deleteAllItems();
    FXint nr = 0, nc = 0;
    store >> nr >> nc;
    if (nr < 0 || nc < 0 || static_cast<std::int64_t>(nr) * nc > kMaxCells) {
        store.setError(FXStreamFormat);
        return;
    }
    const size_t n = static_cast<size_t>(nr) * static_cast<size_t>(nc);
    cells.assign(std::max<size_t>(n, 1), nullptr);
    col_x.assign(static_cast<size_t>(nc) + 1, 0);
    row_y.assign(static_cast<size_t>(nr) + 1, 0);
    nrows = nr;
    ncols = nc;
    for (size_t i = 0; i < n; ++i) store >> cells[i];
    for (FXint& v : col_x) store >> v;
    for (FXint& v : row_y) store >> v;
    store >> visiblerows >> visiblecols;
    store >> margintop >> marginbottom >> marginleft >> marginright;
    store >> textColor >> baseColor >> hiliteColor >> shadowColor >> borderColor;
    store >> selBackColor >> selTextColor >> gridColor;
    store >> cellBackColor[0][0] >> cellBackColor[0][1] >> cellBackColor[1][0] >>
        cellBackColor[1][1];
    store >> font;
    leading_rows = leading_cols = trailing_rows = trailing_cols = 0;
    scrolling_rows = nrows;
    scrolling_cols = ncols;
    current = anchor = extent = {-1, -1};
}

// ---------------------------------------------------------------------------
// Shape of the grid

void TFXTable::tell(FXbool notify, FXuint type, void* data) {
    if (flag(notify) && target != nullptr) target->handle(this, FXSEL(type, message), data);
}

// Rows and columns are one code over the fields of an axis; each axis keeps
// the texts its calls report with.
struct TFXTable::Axis {
    FXint TFXTable::*count;  // lines along the axis
    FXint TFXTable::*cross;  // lines across it
    FXint TFXTable::*leading;
    FXint TFXTable::*scrolling;
    FXint TFXTable::*trailing;
    std::vector<FXint> TFXTable::*bounds;
    FXint TFXTable::*defSize;
    FXint TFXTable::*pos;  // scroll position
    FXint TFXTable::*tableLow;
    FXint TFXTable::*tableHigh;
    FXint TFXTable::*scrollLow;
    FXint TFXTable::*scrollHigh;
    FXint TFXTablePos::*along;
    FXint TFXTablePos::*across;
    bool outer;  // the lines of this axis are the outer index of `cells`
    const char* insertRange;
    const char* insertMemory;
    const char* removeRange;
    const char* removeMemory;
    const char* leadingRange;
    const char* trailingRange;
    const char* sizeRange;
    const char* boundaryRange;
    const char* setBoundaryRange;
    const char* trace;
    const char* assertLeading;
    const char* assertTrailing;
    const char* assertAnchor;
    const char* assertExtent;
    const char* assertCurrent;

    // Index into a row-major cell array of `count` lines of this axis.
    size_t cellIndex(FXint line, FXint other, FXint count, FXint crossCount) const {
        const auto l = static_cast<size_t>(line), o = static_cast<size_t>(other);
        return outer ? l * static_cast<size_t>(crossCount) + o : o * static_cast<size_t>(count) + l;
    }
    // The cells of lines [at, at + n) of this axis across the whole grid.
    TFXTableRange lines(FXint at, FXint n, FXint crossCount) const {
        TFXTableRange r;
        r.first.*along = at;
        r.first.*across = 0;
        r.last.*along = at + n - 1;
        r.last.*across = crossCount - 1;
        return r;
    }
};

const TFXTable::Axis TFXTable::rowAxis = {&TFXTable::nrows,
                                          &TFXTable::ncols,
                                          &TFXTable::leading_rows,
                                          &TFXTable::scrolling_rows,
                                          &TFXTable::trailing_rows,
                                          &TFXTable::row_y,
                                          &TFXTable::defRowHeight,
                                          &TFXTable::pos_y,
                                          &TFXTable::table_top,
                                          &TFXTable::table_bottom,
                                          &TFXTable::scrollable_top,
                                          &TFXTable::scrollable_bottom,
                                          &TFXTablePos::row,
                                          &TFXTablePos::col,
                                          true,
                                          tabletext::kInsertRowsRange,
                                          tabletext::kInsertRowsMemory,
                                          tabletext::kRemoveRowsRange,
                                          tabletext::kRemoveRowsMemory,
                                          tabletext::kSetLeadingRowsRange,
                                          tabletext::kSetTrailingRowsRange,
                                          tabletext::kGetRowHeightRange,
                                          tabletext::kGetRowYRange,
                                          tabletext::kSetRowYRange,
                                          tabletext::kTraceRows,
                                          tabletext::kAssertLeadingRows,
                                          tabletext::kAssertTrailingRows,
                                          tabletext::kAssertAnchorRow,
                                          tabletext::kAssertExtentRow,
                                          tabletext::kAssertCurrentRow};

const TFXTable::Axis TFXTable::colAxis = {&TFXTable::ncols,
                                          &TFXTable::nrows,
                                          &TFXTable::leading_cols,
                                          &TFXTable::scrolling_cols,
                                          &TFXTable::trailing_cols,
                                          &TFXTable::col_x,
                                          &TFXTable::defColWidth,
                                          &TFXTable::pos_x,
                                          &TFXTable::table_left,
                                          &TFXTable::table_right,
                                          &TFXTable::scrollable_left,
                                          &TFXTable::scrollable_right,
                                          &TFXTablePos::col,
                                          &TFXTablePos::row,
                                          false,
                                          tabletext::kInsertColumnsRange,
                                          tabletext::kInsertColumnsMemory,
                                          tabletext::kRemoveColumnsRange,
                                          tabletext::kRemoveColumnsMemory,
                                          tabletext::kSetLeadingColsRange,
                                          tabletext::kSetTrailingColsRange,
                                          tabletext::kGetColumnWidthRange,
                                          tabletext::kGetColumnXRange,
                                          tabletext::kSetColumnXRange,
                                          tabletext::kTraceCols,
                                          tabletext::kAssertLeadingCols,
                                          tabletext::kAssertTrailingCols,
                                          tabletext::kAssertAnchorCol,
                                          tabletext::kAssertExtentCol,
                                          tabletext::kAssertCurrentCol};

void TFXTable::checkInvariants(const Axis& a) const {
    const FXint count = this->*a.count;
    checkToolkitAssertion(0 <= this->*a.leading, a.assertLeading);
    checkToolkitAssertion(0 <= this->*a.trailing, a.assertTrailing);
    checkToolkitAssertion(-1 <= anchor.*a.along && anchor.*a.along < count, a.assertAnchor);
    checkToolkitAssertion(-1 <= extent.*a.along && extent.*a.along < count, a.assertExtent);
    checkToolkitAssertion(-1 <= current.*a.along && current.*a.along < count, a.assertCurrent);
}

void TFXTable::setTableSize(FXint nr, FXint nc, FXbool notify) {
    if (nr < 0 || nc < 0) {
        reportToolkitError(tabletext::kSetTableSizeRange, getClassName());
        return;
    }
    std::vector<TFXTableItem*> newCells;
    std::vector<FXint> newColX, newRowY;
    if (static_cast<std::int64_t>(nr) * nc > kMaxCells || overflows(nr, defRowHeight) ||
        overflows(nc, defColWidth)) {
        reportToolkitError(tabletext::kSetTableSizeMemory, getClassName());
        return;
    }
    try {
        newCells.assign(static_cast<size_t>(nr) * static_cast<size_t>(nc) + 1, nullptr);
        newRowY.resize(static_cast<size_t>(nr) + 1);
        newColX.resize(static_cast<size_t>(nc) + 1);
    } catch (const std::bad_alloc&) {
        reportToolkitError(tabletext::kSetTableSizeMemory, getClassName());
        return;
    }
    for (size_t i = 0; i < newRowY.size(); ++i) newRowY[i] = static_cast<FXint>(i) * defRowHeight;
    for (size_t i = 0; i < newColX.size(); ++i) newColX[i] = static_cast<FXint>(i) * defColWidth;

    TFXTableRange gone = {{0, 0}, {nrows - 1, ncols - 1}};
    tell(notify, SEL_DELETED, &gone);

    deleteAllItems();
    cells.swap(newCells);
    row_y.swap(newRowY);
    col_x.swap(newColX);
    nrows = nr;
    ncols = nc;
    leading_rows = trailing_rows = leading_cols = trailing_cols = 0;
    scrolling_rows = nr;
    scrolling_cols = nc;
    anchor = extent = current = {-1, -1};

    TFXTableRange made = {{0, 0}, {nr - 1, nc - 1}};
    tell(notify, SEL_INSERTED, &made);
    tell(notify, SEL_CHANGED, &current);
    recalc();
}

void TFXTable::insertRows(FXint r, FXint n, FXbool notify) {
    insertLines(rowAxis, r, n, notify);
}

void TFXTable::insertColumns(FXint c, FXint n, FXbool notify) {
    insertLines(colAxis, c, n, notify);
}

void TFXTable::removeRows(FXint r, FXint n, FXbool notify) {
    removeLines(rowAxis, r, n, notify);
}

void TFXTable::removeColumns(FXint c, FXint n, FXbool notify) {
    removeLines(colAxis, c, n, notify);
}

void TFXTable::insertLines(const Axis& a, FXint at, FXint n, FXbool notify) {
    if (n < 1) return;
    FXint& count = this->*a.count;
    const FXint cross = this->*a.cross;
    const FXint step = this->*a.defSize;
    std::vector<FXint>& bounds = this->*a.bounds;
    if (at < 0 || at > count) {
        reportToolkitError(a.insertRange, getClassName());
        return;
    }
    if (static_cast<std::int64_t>(count + static_cast<std::int64_t>(n)) * cross > kMaxCells ||
        static_cast<std::int64_t>(count) + n > kMaxCells ||
        static_cast<std::int64_t>(bounds[count]) + static_cast<std::int64_t>(n) * step >
            0x7FFFFFFF) {
        reportToolkitError(a.insertMemory, getClassName());
        return;
    }
    const FXint oldCount = count, newCount = count + n;
    std::vector<TFXTableItem*> newCells;
    std::vector<FXint> newBounds;
    try {
        newCells.assign(static_cast<size_t>(newCount) * static_cast<size_t>(cross) + 1, nullptr);
        newBounds.resize(static_cast<size_t>(newCount) + 1);
    } catch (const std::bad_alloc&) {
        reportToolkitError(a.insertMemory, getClassName());
        return;
    }
    for (FXint i = 0; i <= newCount; ++i) {
        if (i <= at)
            newBounds[i] = bounds[i];
        else if (i <= at + n)
            newBounds[i] = bounds[at] + (i - at) * step;
        else
            newBounds[i] = bounds[i - n] + n * step;
    }
    const auto old = [&](FXint line, FXint other) {
        return cells[a.cellIndex(line, other, oldCount, cross)];
    };
    for (FXint other = 0; other < cross; ++other) {
        // A spanning item that stands on both sides of the new lines grows across them.
        TFXTableItem* grow = nullptr;
        if (0 < at && at < oldCount && old(at - 1, other) == old(at, other)) grow = old(at, other);
        for (FXint line = 0; line < newCount; ++line)
            newCells[a.cellIndex(line, other, newCount, cross)] = line < at ? old(line, other)
                                                                  : line < at + n
                                                                      ? grow
                                                                      : old(line - n, other);
    }
    cells.swap(newCells);
    bounds.swap(newBounds);
    count = newCount;

    FXint& leading = this->*a.leading;
    FXint& trailing = this->*a.trailing;
    if (at < leading)
        leading += n;
    else if (at > oldCount - trailing)
        trailing += n;
    this->*a.scrolling = count - leading - trailing;
    fxtrace(100, a.trace, count, leading, trailing, this->*a.scrolling);

    const FXint oldCurrent = current.*a.along;
    for (TFXTablePos* p : {&anchor, &extent, &current})
        if (p->*a.along >= at) p->*a.along += n;
    if (current.*a.along == -1 && oldCount == 0) current.*a.along = 0;

    TFXTableRange made = a.lines(at, n, cross);
    tell(notify, SEL_INSERTED, &made);
    if (current.*a.along != oldCurrent) tell(notify, SEL_CHANGED, &current);
    recalc();
    checkInvariants(a);
}

namespace {

// A position field after `n` lines from `first` on went away, leaving `count`.
void shiftAfterRemoval(FXint& v, FXint first, FXint n, FXint count) {
    if (v >= first + n)
        v -= n;
    else if (v >= count)
        v = count - 1;
}

// Band sizes after `n` lines from `first` on went away from `total` lines.
void shrinkBands(FXint& leading, FXint& trailing, FXint first, FXint n, FXint total) {
    if (leading >= first + n)
        leading -= n;
    else if (first < leading)
        leading = first;
    if (first >= total - trailing)
        trailing -= n;
    else if (first + n > total - trailing)
        trailing = total - first - n;
}

// Items of removed cells that stand nowhere in the kept cells, each once.
void deleteOrphans(const std::vector<TFXTableItem*>& removed,
                   const std::vector<TFXTableItem*>& kept) {
    std::unordered_set<TFXTableItem*> keep(kept.begin(), kept.end());
    std::unordered_set<TFXTableItem*> seen;
    for (TFXTableItem* item : removed)
        if (item != nullptr && keep.count(item) == 0 && seen.insert(item).second) delete item;
}

}  // namespace

void TFXTable::removeLines(const Axis& a, FXint at, FXint n, FXbool notify) {
    if (n < 1) return;
    FXint& count = this->*a.count;
    std::vector<FXint>& bounds = this->*a.bounds;
    // The rows' text names the call's numbers; the columns' names none.
    if (at < 0 || static_cast<std::int64_t>(at) + n > count) {
        reportToolkitError(a.removeRange, getClassName(), at, n, count);
        return;
    }
    TFXTableRange gone = a.lines(at, n, this->*a.cross);
    tell(notify, SEL_DELETED, &gone);
    // The target may have changed the grid while told; the range must still hold.
    if (static_cast<std::int64_t>(at) + n > count) {
        reportToolkitError(a.removeRange, getClassName(), at, n, count);
        return;
    }
    const FXint cross = this->*a.cross;
    const FXint newCount = count - n;
    std::vector<TFXTableItem*> newCells, removed;
    std::vector<FXint> newBounds;
    try {
        newCells.assign(static_cast<size_t>(newCount) * static_cast<size_t>(cross) + 1, nullptr);
        newBounds.resize(static_cast<size_t>(newCount) + 1);
        removed.reserve(static_cast<size_t>(n) * static_cast<size_t>(cross));
    } catch (const std::bad_alloc&) {
        reportToolkitError(a.removeMemory, getClassName());
        return;
    }
    const FXint size = bounds[at + n] - bounds[at];
    for (FXint i = 0; i <= newCount; ++i) newBounds[i] = i <= at ? bounds[i] : bounds[i + n] - size;
    size_t k = 0;
    for (FXint row = 0; row < nrows; ++row) {
        for (FXint col = 0; col < ncols; ++col) {
            const FXint line = a.outer ? row : col;
            if (line >= at && line < at + n)
                removed.push_back(cellAt(row, col));
            else
                newCells[k++] = cellAt(row, col);
        }
    }
    deleteOrphans(removed, newCells);
    cells.swap(newCells);
    bounds.swap(newBounds);

    const FXint oldCurrent = current.*a.along;
    for (TFXTablePos* p : {&anchor, &extent, &current})
        shiftAfterRemoval(p->*a.along, at, n, newCount);
    FXint& leading = this->*a.leading;
    FXint& trailing = this->*a.trailing;
    shrinkBands(leading, trailing, at, n, count);
    count = newCount;
    this->*a.scrolling = count - leading - trailing;
    fxtrace(100, a.trace, count, leading, trailing, this->*a.scrolling);

    if (oldCurrent >= at) tell(notify, SEL_CHANGED, &current);
    recalc();
    checkInvariants(a);
}

void TFXTable::removeItem(FXint row, FXint col, FXbool notify) {
    if (!insideGrid(row, col)) {
        reportToolkitError(tabletext::kRemoveItemRange, getClassName());
        return;
    }
    const FXint sr = startRow(row, col), er = endRow(row, col);
    const FXint sc = startCol(row, col), ec = endCol(row, col);
    TFXTableRange gone = {{sr, sc}, {er - 1, ec - 1}};
    tell(notify, SEL_DELETED, &gone);
    if (!insideGrid(row, col) || er > nrows || ec > ncols) return;
    TFXTableItem* item = cellAt(row, col);
    for (FXint r = sr; r < er; ++r)
        for (FXint c = sc; c < ec; ++c)
            if (cellAt(r, c) == item) cellRef(r, c) = nullptr;
    // An item is deleted only when it stands nowhere else.
    if (item != nullptr && std::find(cells.begin(), cells.end(), item) == cells.end()) delete item;
    updateItems(sr, er, sc, ec);
}

void TFXTable::setLeadingRows(FXint n) {
    setBand(rowAxis, rowAxis.leading, n, rowAxis.leadingRange);
}

void TFXTable::setLeadingCols(FXint n) {
    setBand(colAxis, colAxis.leading, n, colAxis.leadingRange);
}

void TFXTable::setTrailingRows(FXint n) {
    setBand(rowAxis, rowAxis.trailing, n, rowAxis.trailingRange);
}

void TFXTable::setTrailingCols(FXint n) {
    setBand(colAxis, colAxis.trailing, n, colAxis.trailingRange);
}

// Sets the leading or the trailing band of an axis; it may take every line
// the other band leaves.
void TFXTable::setBand(const Axis& a, FXint TFXTable::*band, FXint n, const char* error) {
    const FXint other = this->*(band == a.leading ? a.trailing : a.leading);
    const FXint bound = this->*a.count - other;
    if (n < 0 || n > bound) {
        reportToolkitError(error, getClassName());
        return;
    }
    if (n == this->*band) return;
    this->*band = n;
    this->*a.scrolling = this->*a.count - this->*a.leading - this->*a.trailing;
    recalc();
}

// ---------------------------------------------------------------------------
// Items and cells

TFXTableItem* TFXTable::createItem(const FXString& text, FXIcon* icon, void* ptr) {
    return new TFXTableItem(text, icon, ptr);
}

void TFXTable::fillItems(FXint fr, FXint er, FXint fc, FXint ec, bool setBack, FXColor back,
                         FXuint justify, FXFont* itemFont) {
    if (fr < 0 || fr > nrows || fc < 0 || fc > ncols) {
        reportToolkitError(tabletext::kCreateItemsLow, getClassName());
        return;
    }
    if (er < 0 || er > nrows || ec < 0 || ec > ncols) {
        reportToolkitError(tabletext::kCreateItemsHigh, getClassName(), er, ec, nrows, ncols);
        return;
    }
    for (FXint r = fr; r < er; ++r) {
        for (FXint c = fc; c < ec; ++c) {
            TFXTableItem*& item = cellRef(r, c);
            if (item == nullptr) item = createItem(FXString(), nullptr, nullptr);
            if (itemFont != nullptr) item->font = itemFont;
            if (setBack) item->backColor = back;
            item->setJustify(justify);
        }
    }
}

void TFXTable::createItems(FXint fr, FXint er, FXint fc, FXint ec, FXuint justify,
                           FXFont* itemFont) {
    fillItems(fr, er, fc, ec, true, 0, justify, itemFont);
}

void TFXTable::createColoredItems(FXint fr, FXint er, FXint fc, FXint ec, FXColor back,
                                  FXuint justify, FXFont* itemFont) {
    fillItems(fr, er, fc, ec, back != 0xFFFFFFFFu, back, justify, itemFont);
}

void TFXTable::setItemText(FXint row, FXint col, const FXString& text) {
    if (!insideGrid(row, col)) {
        reportToolkitError(tabletext::kSetItemTextRange, getClassName());
        return;
    }
    TFXTableItem*& item = cellRef(row, col);
    if (item == nullptr) item = createItem(FXString(), nullptr, nullptr);
    item->setText(text);
    updateItem(row, col);
}

TFXTableItem* TFXTable::getItem(FXint row, FXint col) const {
    if (!insideGrid(row, col)) {
        reportToolkitError(tabletext::kGetItemRange, getClassName());
        return nullptr;
    }
    return cellAt(row, col);
}

FXbool TFXTable::getItemText(FXint row, FXint col) const {
    if (!insideGrid(row, col)) {
        reportToolkitError(tabletext::kGetItemTextRange, getClassName());
        return FALSE;
    }
    return cellAt(row, col) != nullptr;
}

const char* TFXTable::getCellText(FXint row, FXint col) const {
    if (!insideGrid(row, col)) return nullptr;
    const TFXTableItem* item = cellAt(row, col);
    return item != nullptr ? item->cellText : nullptr;
}

FXbool TFXTable::isItemSelected(FXint row, FXint col) const {
    if (!insideGrid(row, col)) return FALSE;
    const TFXTableItem* item = cellAt(row, col);
    return item != nullptr && item->isSelected();
}

FXbool TFXTable::isItemEnabled(FXint row, FXint col) const {
    if (!insideGrid(row, col)) {
        reportToolkitError(tabletext::kIsItemEnabledRange, getClassName());
        return FALSE;
    }
    const TFXTableItem* item = cellAt(row, col);
    return item != nullptr && item->isEnabled();
}

// ---------------------------------------------------------------------------
// Sizes and looks

void TFXTable::setColumnWidth(FXint col, FXint width) {
    if (col < 0 || col >= ncols) {
        reportToolkitError(tabletext::kSetColumnWidthRange, getClassName());
        return;
    }
    width = std::max(width, 0);
    const FXint diff = width - (col_x[col + 1] - col_x[col]);
    if (diff == 0) return;
    for (FXint j = col + 1; j <= ncols; ++j) col_x[j] += diff;
    recalc();
}

void TFXTable::setFont(FXFont* fnt) {
    if (fnt == nullptr) {
        reportToolkitError(tabletext::kSetFontNull, getClassName());
        return;
    }
    if (fnt == font) return;
    font = fnt;
    recalc();
    update();
}

void TFXTable::setSelTextColor(FXColor color) {
    if (color == selTextColor) return;
    selTextColor = color;
    update();
}

void TFXTable::setSelBackColor(FXColor color) {
    if (color == selBackColor) return;
    selBackColor = color;
    update();
}

void TFXTable::setCellColor(FXint row, FXint col, FXColor color) {
    FXColor& slot = cellBackColor[row & 1][col & 1];
    if (slot == color) return;
    slot = color;
    update();
}

FXColor TFXTable::getCellColor(FXint row, FXint col) const {
    return cellBackColor[row & 1][col & 1];
}

void TFXTable::setVisibleCols(FXint n) {
    n = std::max(n, 0);
    if (n == visiblecols) return;
    visiblecols = n;
    recalc();
}

void TFXTable::showHorzGrid(FXbool on) {
    const FXuchar v = flag(on) ? 1 : 0;
    if (v == hgrid) return;
    hgrid = v;
    recalc();
}

void TFXTable::showVertGrid(FXbool on) {
    const FXuchar v = flag(on) ? 1 : 0;
    if (v == vgrid) return;
    vgrid = v;
    recalc();
}

// ---------------------------------------------------------------------------
// Geometry and scrolling

FXint TFXTable::getContentWidth() {
    return (col_x.empty() ? 0 : col_x[ncols]) + vgrid;
}

FXint TFXTable::getContentHeight() {
    return (row_y.empty() ? 0 : row_y[nrows]) + hgrid;
}

FXint TFXTable::getDefaultWidth() {
    return visiblecols > 0 ? visiblecols * defColWidth : FXScrollArea::getDefaultWidth();
}

FXint TFXTable::getDefaultHeight() {
    return visiblerows > 0 ? visiblerows * defRowHeight : FXScrollArea::getDefaultHeight();
}

void TFXTable::recalc() {
    FXScrollArea::recalc();
    flags |= FLAG_RECALC;
}

void TFXTable::layout() {
    FXScrollArea::layout();
    if (col_x.empty() || row_y.empty()) return;
    const FXint vw = getViewportWidth(), vh = getViewportHeight();
    table_left = col_x[0];
    table_top = row_y[0];
    table_right = col_x[ncols] >= vw ? vw - vgrid : col_x[ncols];
    table_bottom = row_y[nrows] >= vh ? vh - hgrid : row_y[nrows];
    scrollable_left = col_x[leading_cols];
    scrollable_top = row_y[leading_rows];
    scrollable_right = table_right - (col_x[ncols] - col_x[ncols - trailing_cols]);
    scrollable_bottom = table_bottom - (row_y[nrows] - row_y[nrows - trailing_rows]);
    fxtrace(200, tabletext::kTraceTable, table_left, table_right, table_top, table_bottom);
    fxtrace(200, tabletext::kTraceScrollable, scrollable_left, scrollable_right, scrollable_top,
            scrollable_bottom);
    vertical->setLine(defRowHeight);
    horizontal->setLine(defColWidth);
    update();
    flags &= ~(FLAG_DIRTY | FLAG_RECALC);
}

void TFXTable::moveContents(FXint x, FXint y) {
    const FXint dx = x - pos_x, dy = y - pos_y;
    pos_x = x;
    pos_y = y;
    const FXint sw = scrollable_right - scrollable_left - vgrid;
    const FXint sh = scrollable_bottom - scrollable_top - hgrid;
    if (leading_rows > 0)
        scroll(scrollable_left + vgrid, table_top, sw, scrollable_top + hgrid - table_top, dx, 0);
    if (leading_cols > 0)
        scroll(table_left, scrollable_top + hgrid, scrollable_left + vgrid - table_left, sh, 0, dy);
    if (trailing_rows > 0)
        scroll(scrollable_left + vgrid, scrollable_bottom, sw,
               table_bottom + hgrid - scrollable_bottom, dx, 0);
    if (trailing_cols > 0)
        scroll(scrollable_right, scrollable_top + hgrid, table_right + vgrid - scrollable_right, sh,
               0, dy);
    scroll(scrollable_left + vgrid, scrollable_top + hgrid, sw, sh, dx, dy);
}

FXint TFXTable::colAtX(FXint x) const {
    return lineAt(colAxis, x);
}

FXint TFXTable::rowAtY(FXint y) const {
    return lineAt(rowAxis, y);
}

FXint TFXTable::lineAt(const Axis& a, FXint p) const {
    const FXint count = this->*a.count, leading = this->*a.leading, trailing = this->*a.trailing;
    const std::vector<FXint>& bounds = this->*a.bounds;
    const FXint scrollHigh = this->*a.scrollHigh;
    if (count <= 0 || p < this->*a.tableLow || p > this->*a.tableHigh) return -1;
    if (p < this->*a.scrollLow) return searchBoundary(bounds, 0, leading - 1, p);
    // Without trailing lines the far edge still belongs to the scrolling band.
    if (trailing > 0 && p >= scrollHigh)
        return searchBoundary(bounds, count - trailing, count - 1,
                              p + bounds[count - trailing] - scrollHigh);
    return searchBoundary(bounds, leading, count - trailing - 1, p - this->*a.pos);
}

// Offset from content to window coordinates of a boundary, by its band.
FXint TFXTable::bandOffset(const Axis& a, FXint i) const {
    const FXint firstTrailing = this->*a.count - this->*a.trailing;
    if (i >= firstTrailing) return this->*a.scrollHigh - (this->*a.bounds)[firstTrailing];
    if (i < this->*a.leading) return 0;
    return this->*a.pos;
}

FXint TFXTable::getColumnX(FXint col) const {
    return boundaryAt(colAxis, col);
}

FXint TFXTable::getRowY(FXint row) const {
    return boundaryAt(rowAxis, row);
}

FXint TFXTable::boundaryAt(const Axis& a, FXint i) const {
    if (i < 0 || i > this->*a.count) {
        reportToolkitError(a.boundaryRange, getClassName());
        return 0;
    }
    return (this->*a.bounds)[i] + bandOffset(a, i);
}

namespace {

// Moves boundary `i` (and every later one) to content position `v`, never
// below boundary i - 1. True when anything moved.
bool moveBoundary(std::vector<FXint>& bounds, FXint i, FXint v) {
    v = std::max(v, bounds[i - 1]);
    const FXint d = v - bounds[i];
    if (d == 0) return false;
    for (size_t j = static_cast<size_t>(i); j < bounds.size(); ++j) bounds[j] += d;
    return true;
}

}  // namespace

void TFXTable::setColumnX(FXint col, FXint x) {
    setBoundaryAt(colAxis, col, x);
}

void TFXTable::setRowY(FXint row, FXint y) {
    setBoundaryAt(rowAxis, row, y);
}

void TFXTable::setBoundaryAt(const Axis& a, FXint i, FXint p) {
    if (i < 0 || i > this->*a.count) {
        reportToolkitError(a.setBoundaryRange, getClassName());
        return;
    }
    if (i == 0) return;
    // The boundary between the leading and the scrolling band counts as leading.
    FXint content = p;
    if (i >= this->*a.count - this->*a.trailing || i > this->*a.leading)
        content = p - bandOffset(a, i);
    if (moveBoundary(this->*a.bounds, i, content)) recalc();
}

FXint TFXTable::getColumnWidth(FXint col) const {
    return lineSize(colAxis, col);
}

FXint TFXTable::getRowHeight(FXint row) const {
    return lineSize(rowAxis, row);
}

FXint TFXTable::lineSize(const Axis& a, FXint i) const {
    if (i < 0 || i >= this->*a.count) {
        reportToolkitError(a.sizeRange, getClassName());
        return 0;
    }
    return (this->*a.bounds)[i + 1] - (this->*a.bounds)[i];
}

FXint TFXTable::nearestColumn(FXint col, FXint x) const {
    return nearestBoundary(colAxis, col, x);
}

FXint TFXTable::nearestRow(FXint row, FXint y) const {
    return nearestBoundary(rowAxis, row, y);
}

// The line's near boundary (the line itself) or far one (the next line) when
// `p` lies within a pixel of it, else -1.
FXint TFXTable::nearestBoundary(const Axis& a, FXint i, FXint p) const {
    if (i < 0 || i >= this->*a.count) return -1;
    const FXint start = boundaryAt(a, i);
    if (start - kNearBoundary <= p && p <= start + kNearBoundary) return i;
    const FXint end = start + lineSize(a, i);
    if (end - kNearBoundary <= p && p <= end + kNearBoundary) return i + 1;
    return -1;
}

void TFXTable::makePositionVisible(FXint row, FXint col) {
    if (!xid) return;
    setPosition(positionShowing(colAxis, col), positionShowing(rowAxis, row));
}

// The scroll position that brings a scrolling line fully into its band with
// the least move (the near edge wins for a line larger than the band); other
// lines keep the current one.
FXint TFXTable::positionShowing(const Axis& a, FXint i) const {
    FXint p = this->*a.pos;
    if (this->*a.leading <= i && i < this->*a.count - this->*a.trailing) {
        const FXint low = (this->*a.bounds)[i], high = (this->*a.bounds)[i + 1];
        if (p + high >= this->*a.scrollHigh) p = this->*a.scrollHigh - high;
        if (this->*a.scrollLow >= low + p) p = this->*a.scrollLow - low;
    }
    return p;
}

void TFXTable::scrollToBottom() {
    handle(this, FXSEL(SEL_UPDATE, 0), nullptr);
    setPosition(getContentWidth(), -getContentHeight());
}

// Offset from content to window coordinates of the lines [s, e): leading when
// they end within the leading band, trailing when they start in the trailing one.
FXint TFXTable::spanOffset(const Axis& a, FXint s, FXint e) const {
    const FXint firstTrailing = this->*a.count - this->*a.trailing;
    if (e <= this->*a.leading) return 0;
    if (s >= firstTrailing) return this->*a.scrollHigh - (this->*a.bounds)[firstTrailing];
    return this->*a.pos;
}

void TFXTable::updateItems(FXint sr, FXint er, FXint sc, FXint ec) const {
    if (sr < 0 || sc < 0 || er > nrows || ec > ncols) {
        reportToolkitError(tabletext::kUpdateItemsRange, getClassName());
        return;
    }
    if (er < sr || ec < sc) return;
    const FXint xoff = spanOffset(colAxis, sc, ec), yoff = spanOffset(rowAxis, sr, er);
    const FXint x0 = col_x[sc] + xoff, x1 = col_x[ec] + xoff;
    const FXint y0 = row_y[sr] + yoff, y1 = row_y[er] + yoff;
    update(x0, y0, x1 - x0 + vgrid, y1 - y0 + hgrid);
}

void TFXTable::updateItem(FXint row, FXint col) const {
    if (!insideGrid(row, col)) return;
    updateItems(startRow(row, col), endRow(row, col), startCol(row, col), endCol(row, col));
}

FXint TFXTable::startRow(FXint row, FXint col) const {
    return spanStart(rowAxis, {row, col});
}

FXint TFXTable::endRow(FXint row, FXint col) const {
    return spanEnd(rowAxis, {row, col});
}

FXint TFXTable::startCol(FXint row, FXint col) const {
    return spanStart(colAxis, {row, col});
}

FXint TFXTable::endCol(FXint row, FXint col) const {
    return spanEnd(colAxis, {row, col});
}

// The item of the cell `i` lines along the axis in the line of `p`.
TFXTableItem* TFXTable::cellAlong(const Axis& a, TFXTablePos p, FXint i) const {
    p.*a.along = i;
    return cellAt(p.row, p.col);
}

// First line of the span of the item (or run of empty cells) at a cell.
FXint TFXTable::spanStart(const Axis& a, TFXTablePos p) const {
    FXint i = p.*a.along;
    if (!insideGrid(p.row, p.col)) return i;
    const TFXTableItem* item = cellAt(p.row, p.col);
    while (i > 0 && cellAlong(a, p, i - 1) == item) --i;
    return i;
}

// The line after the span of the item (or run of empty cells) at a cell.
FXint TFXTable::spanEnd(const Axis& a, TFXTablePos p) const {
    FXint i = p.*a.along;
    if (!insideGrid(p.row, p.col)) return i + 1;
    const TFXTableItem* item = cellAt(p.row, p.col);
    do ++i;
    while (i < this->*a.count && cellAlong(a, p, i) == item);
    return i;
}

// ---------------------------------------------------------------------------
// Drawing

FXColor TFXTable::cellFillColor(FXint sr, FXint er, FXint sc, FXint ec) const {
    const TFXTableItem* item = insideGrid(sr, sc) ? cellAt(sr, sc) : nullptr;
    // The selection shows over every colour; an item's own colour counts only
    // with its own font.
    if (item != nullptr && item->isSelected()) return selBackColor;
    if (item != nullptr && item->font != nullptr && item->backColor != 0) return item->backColor;
    if (er - sr == 1 && ec - sc == 1) return cellBackColor[sr & 1][sc & 1];
    return backColor;
}

void TFXTable::drawCell(FXDC& dc, FXint xlo, FXint xhi, FXint ylo, FXint yhi, FXint xoff,
                        FXint yoff, FXint sr, FXint er, FXint sc, FXint ec) {
    const bool colsOk = 0 <= sc && sc <= ec && ec <= ncols;
    const bool rowsOk = 0 <= sr && sr <= er && er <= nrows;
    checkToolkitAssertion(colsOk, tabletext::kAssertCellCols);
    checkToolkitAssertion(rowsOk, tabletext::kAssertCellRows);
    if (!colsOk || !rowsOk) return;
    const FXint x = xoff + col_x[sc], y = yoff + row_y[sr];
    const FXint w = col_x[ec] - col_x[sc], h = row_y[er] - row_y[sr];
    const FXint cx0 = std::max(xlo, x), cx1 = std::min(xhi, x + w + vgrid);
    const FXint cy0 = std::max(ylo, y), cy1 = std::min(yhi, y + h + hgrid);
    if (cx0 >= cx1 || cy0 >= cy1) return;
    dc.setClipRectangle(cx0, cy0, cx1 - cx0, cy1 - cy0);

    const TFXTableItem* item = sr < er && sc < ec ? cellAt(sr, sc) : nullptr;
    dc.setForeground(cellFillColor(sr, er, sc, ec));
    if (item != nullptr) {
        if (item->font != nullptr) dc.setFont(item->font);
        item->draw(this, dc, x, y, w, h, sr, sc);
        if (item->font != nullptr) dc.setFont(font);
    } else {
        dc.fillRectangle(x + vgrid, y + hgrid, w - vgrid, h - hgrid);
    }
    if (hasFocus() && sr <= current.row && current.row < er && sc <= current.col &&
        current.col < ec)
        dc.drawFocusRectangle(x + 2, y + 2, w - 3, h - 3);
}

void TFXTable::drawRange(FXDC& dc, FXint xlo, FXint xhi, FXint ylo, FXint yhi, FXint xoff,
                         FXint yoff, FXint rlo, FXint rhi, FXint clo, FXint chi) {
    if (xlo >= xhi || ylo >= yhi) return;
    if (clo < 0 || chi > ncols || rlo < 0 || rhi > nrows) return;
    // First line whose far boundary reaches the exposed range, then the first
    // one starting beyond it; boundaries never decrease.
    const auto firstAfter = [](const std::vector<FXint>& b, FXint lo, FXint hi, FXint v) {
        auto it = std::lower_bound(b.begin() + lo + 1, b.begin() + hi + 1, v);
        return std::max(static_cast<FXint>(it - b.begin()) - 1, lo);
    };
    const auto firstBeyond = [](const std::vector<FXint>& b, FXint lo, FXint hi, FXint v) {
        auto it = std::upper_bound(b.begin() + lo, b.begin() + hi, v);
        return static_cast<FXint>(it - b.begin());
    };
    const FXint fc = firstAfter(col_x, clo, chi, xlo - xoff);
    const FXint lc = firstBeyond(col_x, fc, chi, xhi - xoff);
    const FXint fr = firstAfter(row_y, rlo, rhi, ylo - yoff);
    const FXint lr = firstBeyond(row_y, fr, rhi, yhi - yoff);
    checkToolkitAssertion(0 <= fc && lc <= ncols, tabletext::kAssertRangeCols);
    checkToolkitAssertion(0 <= fr && lr <= nrows, tabletext::kAssertRangeRows);

    dc.setClipRectangle(xlo, ylo, xhi - xlo, yhi - ylo);
    const auto sameItem = [this](FXint r0, FXint c0, FXint r1, FXint c1) {
        const TFXTableItem* a = cellAt(r0, c0);
        return a != nullptr && a == cellAt(r1, c1);
    };
    dc.setForeground(gridColor);
    if (hgrid) {
        for (FXint c = fc; c < lc; ++c) {
            for (FXint j = fr; j <= lr; ++j) {
                if (fr < j && j < nrows && j - 1 > 0 && sameItem(j - 1, c, j, c)) continue;
                dc.fillRectangle(xoff + col_x[c], yoff + row_y[j], col_x[c + 1] - col_x[c], 1);
            }
        }
    }
    if (vgrid) {
        for (FXint r = fr; r < lr; ++r) {
            for (FXint j = fc; j <= lc; ++j) {
                if (fc < j && j < ncols && j - 1 > 0 && sameItem(r, j - 1, r, j)) continue;
                dc.fillRectangle(xoff + col_x[j], yoff + row_y[r], 1, row_y[r + 1] - row_y[r]);
            }
        }
    }
    for (FXint r = fr; r < lr; ++r) {
        for (FXint c = fc; c < lc; ++c) {
            const TFXTableItem* item = cellAt(r, c);
            if (item == nullptr) {
                drawCell(dc, xlo, xhi, ylo, yhi, xoff, yoff, r, r + 1, c, c + 1);
                continue;
            }
            if ((r != fr && cellAt(r - 1, c) == item) || (c != fc && cellAt(r, c - 1) == item))
                continue;
            drawCell(dc, xlo, xhi, ylo, yhi, xoff, yoff, startRow(r, c), endRow(r, c),
                     startCol(r, c), endCol(r, c));
        }
    }
}

long TFXTable::onPaint(FXObject*, FXSelector, void* ptr) {
    auto* ev = static_cast<FXEvent*>(ptr);
    FXDCWindow dc(this, ev);
    dc.setFont(font);
    const FXint ex = ev->rect.x, ey = ev->rect.y, ew = ev->rect.w, eh = ev->rect.h;
    if (col_x.empty() || row_y.empty()) {
        dc.setForeground(backColor);
        dc.fillRectangle(ex, ey, ew, eh);
        return 1;
    }
    dc.setForeground(backColor);
    if (col_x[ncols] < width) dc.fillRectangle(col_x[ncols], 0, width - col_x[ncols], height);
    if (row_y[nrows] < height)
        dc.fillRectangle(0, row_y[nrows], col_x[ncols], height - row_y[nrows]);

    // Clip limits and offsets of the three bands in each direction.
    const FXint xl[3][2] = {
        {std::max(table_left, ex), std::min(scrollable_left + vgrid, ex + ew)},
        {std::max(scrollable_left + vgrid, ex), std::min(scrollable_right, ex + ew)},
        {std::max(scrollable_right, ex), std::min(table_right + vgrid, ex + ew)}};
    const FXint yl[3][2] = {
        {std::max(table_top, ey), std::min(scrollable_top + hgrid, ey + eh)},
        {std::max(scrollable_top + hgrid, ey), std::min(scrollable_bottom, ey + eh)},
        {std::max(scrollable_bottom, ey), std::min(table_bottom + hgrid, ey + eh)}};
    const FXint xo[3] = {0, pos_x, scrollable_right - col_x[ncols - trailing_cols]};
    const FXint yo[3] = {0, pos_y, scrollable_bottom - row_y[nrows - trailing_rows]};
    const FXint cb[3][2] = {
        {0, leading_cols}, {leading_cols, ncols - trailing_cols}, {ncols - trailing_cols, ncols}};
    const FXint rb[3][2] = {
        {0, leading_rows}, {leading_rows, nrows - trailing_rows}, {nrows - trailing_rows, nrows}};
    // Bands as (row band, column band): 0 leading, 1 scrolling, 2 trailing.
    static const int kOrder[9][2] = {{1, 1}, {1, 0}, {1, 2}, {0, 1}, {2, 1},
                                     {0, 0}, {0, 2}, {2, 0}, {2, 2}};
    for (const auto& o : kOrder) {
        const int rbnd = o[0], cbnd = o[1];
        drawRange(dc, xl[cbnd][0], xl[cbnd][1], yl[rbnd][0], yl[rbnd][1], xo[cbnd], yo[rbnd],
                  rb[rbnd][0], rb[rbnd][1], cb[cbnd][0], cb[cbnd][1]);
    }
    return 1;
}

// ---------------------------------------------------------------------------
// Current cell and selection

void TFXTable::setFocusOnCurrent(FXbool focus) {
    if (current.row < 0 || current.col < 0) return;
    checkToolkitAssertion(current.row < nrows, tabletext::kAssertCurrentRowInside);
    checkToolkitAssertion(current.col < ncols, tabletext::kAssertCurrentColInside);
    if (!insideGrid(current.row, current.col)) return;
    TFXTableItem* item = cellAt(current.row, current.col);
    if (item != nullptr) item->setFocus(focus);
    updateItem(current.row, current.col);
}

void TFXTable::setCurrentItem(FXint row, FXint col, FXbool notify) {
    row = std::min(std::max(row, 0), nrows - 1);
    col = std::min(std::max(col, 0), ncols - 1);
    if (row == current.row && col == current.col) return;
    if (hasFocus()) setFocusOnCurrent(FALSE);
    current = {row, col};
    if (hasFocus()) setFocusOnCurrent(TRUE);
    tell(notify, SEL_CHANGED, &current);
}

void TFXTable::setAnchorItem(FXint row, FXint col) {
    row = std::min(std::max(row, 0), nrows - 1);
    col = std::min(std::max(col, 0), ncols - 1);
    anchor = extent = {row, col};
}

FXbool TFXTable::selectItem(FXint row, FXint col, FXbool notify) {
    return setItemSelected(row, col, true, notify, tabletext::kSelectItemRange);
}

FXbool TFXTable::deselectItem(FXint row, FXint col, FXbool notify) {
    return setItemSelected(row, col, false, notify, tabletext::kDeselectItemRange);
}

// Selects or deselects the item of a cell; FALSE when the cell has none or
// the item already is so.
FXbool TFXTable::setItemSelected(FXint row, FXint col, bool on, FXbool notify, const char* error) {
    if (!insideGrid(row, col)) {
        reportToolkitError(error, getClassName());
        return FALSE;
    }
    TFXTableItem* item = cellAt(row, col);
    if (item == nullptr || item->isSelected() == on) return FALSE;
    item->setSelected(on ? TRUE : FALSE);
    updateItem(row, col);
    TFXTablePos pos = {row, col};
    tell(notify, on ? SEL_SELECTED : SEL_DESELECTED, &pos);
    return TRUE;
}

FXbool TFXTable::toggleItem(FXint row, FXint col, FXbool notify) {
    if (!insideGrid(row, col)) {
        reportToolkitError(tabletext::kToggleItemRange, getClassName());
        return FALSE;
    }
    const TFXTableItem* item = cellAt(row, col);
    if (item == nullptr) return FALSE;
    setItemSelected(row, col, !item->isSelected(), notify, tabletext::kToggleItemRange);
    return TRUE;
}

FXbool TFXTable::extendSelection(FXint row, FXint col, FXbool notify) {
    if (row < 0 || col < 0 || anchor.row < 0 || anchor.col < 0) return FALSE;
    // A cell outside the grid cannot be selected; refuse rather than report.
    if (row >= nrows || col >= ncols) return FALSE;
    const auto inside = [](FXint r, FXint c, TFXTablePos a, TFXTablePos b) {
        return std::min(a.row, b.row) <= r && r <= std::max(a.row, b.row) &&
               std::min(a.col, b.col) <= c && c <= std::max(a.col, b.col);
    };
    const TFXTablePos to = {row, col};
    const FXint r0 = std::max(0, std::min({anchor.row, extent.row, row}));
    const FXint r1 = std::min(nrows - 1, std::max({anchor.row, extent.row, row}));
    const FXint c0 = std::max(0, std::min({anchor.col, extent.col, col}));
    const FXint c1 = std::min(ncols - 1, std::max({anchor.col, extent.col, col}));
    bool changed = false;
    for (FXint r = r0; r <= r1; ++r) {
        for (FXint c = c0; c <= c1; ++c) {
            const bool inOld = inside(r, c, anchor, extent);
            const bool inNew = inside(r, c, anchor, to);
            if (inOld && !inNew) changed |= flag(deselectItem(r, c, notify));
            if (inNew && !inOld) changed |= flag(selectItem(r, c, notify));
        }
    }
    extent = to;
    return changed;
}

FXbool TFXTable::killSelection(FXbool notify) {
    bool changed = false;
    for (FXint r = 0; r < nrows; ++r)
        for (FXint c = 0; c < ncols; ++c)
            if (isItemSelected(r, c)) changed |= flag(deselectItem(r, c, notify));
    extent = anchor;
    return changed;
}

// ---------------------------------------------------------------------------
// Window overrides and input

bool TFXTable::canFocus() const {
    return true;
}

void TFXTable::setFocus() {
    FXScrollArea::setFocus();
    setDefault(TRUE);
}

void TFXTable::killFocus() {
    FXScrollArea::killFocus();
    setDefault(MAYBE);
}

long TFXTable::onFocusIn(FXObject* sender, FXSelector sel, void* ptr) {
    FXScrollArea::onFocusIn(sender, sel, ptr);
    setFocusOnCurrent(TRUE);
    return 1;
}

long TFXTable::onFocusOut(FXObject* sender, FXSelector sel, void* ptr) {
    FXScrollArea::onFocusOut(sender, sel, ptr);
    setFocusOnCurrent(FALSE);
    return 1;
}

long TFXTable::onSelectionGained(FXObject* sender, FXSelector sel, void* ptr) {
    FXScrollArea::onSelectionGained(sender, sel, ptr);
    return 1;
}

long TFXTable::onSelectionLost(FXObject* sender, FXSelector sel, void* ptr) {
    FXScrollArea::onSelectionLost(sender, sel, ptr);
    return 1;
}

namespace {

// Keys that move the current cell (main and keypad key), with the move they
// make and the one with Control held (0: the same).
struct MoveKey {
    FXuint key, keypad;
    FXint id, controlId;
};

constexpr MoveKey kMoveKeys[] = {
    {KEY_Home, KEY_KP_Home, TFXTable::ID_MOVE_HOME, TFXTable::ID_MOVE_TOP},
    {KEY_End, KEY_KP_End, TFXTable::ID_MOVE_END, TFXTable::ID_MOVE_BOTTOM},
    {KEY_Left, KEY_KP_Left, TFXTable::ID_MOVE_LEFT, 0},
    {KEY_Right, KEY_KP_Right, TFXTable::ID_MOVE_RIGHT, 0},
    {KEY_Up, KEY_KP_Up, TFXTable::ID_MOVE_UP, 0},
    {KEY_Down, KEY_KP_Down, TFXTable::ID_MOVE_DOWN, 0},
    {KEY_Page_Up, KEY_KP_Page_Up, TFXTable::ID_MOVE_PAGEUP, 0},
    {KEY_Page_Down, KEY_KP_Page_Down, TFXTable::ID_MOVE_PAGEDOWN, 0},
};

const MoveKey* moveKeyOf(FXuint code) {
    for (const MoveKey& k : kMoveKeys)
        if (code == k.key || code == k.keypad) return &k;
    return nullptr;
}

bool isSpaceKey(FXuint code) {
    return code == KEY_space || code == KEY_KP_Space;
}

bool isEnterKey(FXuint code) {
    return code == KEY_Return || code == KEY_KP_Enter;
}

// Shift, Control and Alt: taken, so that nothing else acts on them.
bool isModifierKey(FXuint code) {
    return code == KEY_Shift_L || code == KEY_Shift_R || code == KEY_Control_L ||
           code == KEY_Control_R || code == KEY_Alt_L || code == KEY_Alt_R;
}

}  // namespace

void TFXTable::moveKey(FXuint state, FXint id) {
    const bool shift = (state & SHIFTMASK) != 0;
    if (!shift) handle(this, FXSEL(SEL_COMMAND, ID_DESELECT_ALL), nullptr);
    handle(this, FXSEL(SEL_COMMAND, id), nullptr);
    handle(this, FXSEL(SEL_COMMAND, shift ? ID_EXTEND : ID_MARK), nullptr);
}

long TFXTable::onKeyPress(FXObject*, FXSelector, void* ptr) {
    auto* ev = static_cast<FXEvent*>(ptr);
    if (!isEnabled()) return 0;
    if (target != nullptr && target->handle(this, FXSEL(SEL_KEYPRESS, message), ptr)) return 1;
    const bool control = (ev->state & CONTROLMASK) != 0;
    if (const MoveKey* k = moveKeyOf(ev->code)) {
        moveKey(ev->state, control && k->controlId != 0 ? k->controlId : k->id);
        return 1;
    }
    if (isSpaceKey(ev->code)) {
        flags &= ~FLAG_UPDATE;
        return 1;
    }
    return isEnterKey(ev->code) || isModifierKey(ev->code) ? 1 : 0;
}

long TFXTable::onKeyRelease(FXObject*, FXSelector, void* ptr) {
    auto* ev = static_cast<FXEvent*>(ptr);
    if (!isEnabled()) return 0;
    flags |= FLAG_UPDATE;
    if (target != nullptr && target->handle(this, FXSEL(SEL_KEYRELEASE, message), ptr)) return 1;
    if (isEnterKey(ev->code)) {
        handle(this, FXSEL(SEL_DOUBLECLICKED, 0), &current);
        return 1;
    }
    return moveKeyOf(ev->code) != nullptr || isSpaceKey(ev->code) || isModifierKey(ev->code) ? 1
                                                                                             : 0;
}

// Start of a button press: the grid takes the focus and the pointer, then
// offers the press to the target. 0 or 1 is the answer to give at once, -1
// leaves the press to the grid.
long TFXTable::startPress(FXuint type, void* ptr) {
    handle(this, FXSEL(SEL_FOCUS_SELF, 0), ptr);
    if (!isEnabled()) return 0;
    grab();
    if (target != nullptr && target->handle(this, FXSEL(type, message), ptr)) return 1;
    return -1;
}

long TFXTable::onLeftBtnPress(FXObject*, FXSelector, void* ptr) {
    if (const long answer = startPress(SEL_LEFTBUTTONPRESS, ptr); answer >= 0) return answer;
    auto* ev = static_cast<FXEvent*>(ptr);
    const FXint row = rowAtY(ev->win_y), col = colAtX(ev->win_x);
    if (row < 0 || col < 0) return 0;
    // A press on a sizable boundary starts sizing; columns before rows.
    const FXint colEdge = (options & TFXTABLE_COL_SIZABLE) ? nearestColumn(col, ev->win_x) : -1;
    const FXint rowEdge = (options & TFXTABLE_ROW_SIZABLE) ? nearestRow(row, ev->win_y) : -1;
    if (colEdge > 0 || rowEdge > 0) {
        const bool byCol = colEdge > 0;
        setDragCursor(getApp()->getDefaultCursor(byCol ? DEF_HSPLIT_CURSOR : DEF_VSPLIT_CURSOR));
        rowcol = byCol ? colEdge : rowEdge;
        mode = byCol ? MOUSE_COL_SIZE : MOUSE_ROW_SIZE;
        flags &= ~FLAG_UPDATE;
        return 1;
    }
    setCurrentItem(row, col, TRUE);
    const FXint cr = current.row, cc = current.col;
    if (ev->state & SHIFTMASK) {
        if (anchor.row < 0 || anchor.col < 0) {
            if (isItemEnabled(cr, cc)) selectItem(cr, cc, TRUE);
            setAnchorItem(cr, cc);
        } else {
            const FXint ar = anchor.row, ac = anchor.col;
            if (insideGrid(ar, ac) && isItemEnabled(ar, ac)) selectItem(ar, ac, TRUE);
            extendSelection(cr, cc, TRUE);
        }
    } else if (ev->state & CONTROLMASK) {
        if (isItemEnabled(cr, cc)) toggleItem(cr, cc, TRUE);
        setAnchorItem(cr, cc);
    } else {
        if (isItemEnabled(cr, cc)) {
            killSelection(FALSE);
            selectItem(cr, cc, TRUE);
        }
        setAnchorItem(cr, cc);
    }
    mode = MOUSE_SELECT;
    flags &= ~FLAG_UPDATE;
    flags |= FLAG_PRESSED;
    return 1;
}

long TFXTable::onLeftBtnRelease(FXObject*, FXSelector, void* ptr) {
    auto* ev = static_cast<FXEvent*>(ptr);
    if (!isEnabled()) return 0;
    ungrab();
    flags &= ~FLAG_PRESSED;
    flags |= FLAG_UPDATE;
    stopAutoScroll();
    if (target != nullptr && target->handle(this, FXSEL(SEL_LEFTBUTTONRELEASE, message), ptr))
        return 1;
    setDragCursor(getApp()->getDefaultCursor(DEF_ARROW_CURSOR));
    mode = MOUSE_NONE;
    makePositionVisible(current.row, current.col);
    setAnchorItem(current.row, current.col);
    if (ev->click_count == 1)
        handle(this, FXSEL(SEL_CLICKED, 0), &current);
    else if (ev->click_count == 2)
        handle(this, FXSEL(SEL_DOUBLECLICKED, 0), &current);
    else if (ev->click_count == 3)
        handle(this, FXSEL(SEL_TRIPLECLICKED, 0), &current);
    if (insideGrid(current.row, current.col) && isItemEnabled(current.row, current.col))
        handle(this, FXSEL(SEL_COMMAND, 0), &current);
    return 1;
}

long TFXTable::onRightBtnPress(FXObject*, FXSelector, void* ptr) {
    if (const long answer = startPress(SEL_RIGHTBUTTONPRESS, ptr); answer >= 0) return answer;
    auto* ev = static_cast<FXEvent*>(ptr);
    flags &= ~FLAG_UPDATE;
    flags |= FLAG_PRESSED;
    grabx = ev->win_x - pos_x;
    graby = ev->win_y - pos_y;
    mode = MOUSE_SCROLL;
    return 1;
}

long TFXTable::onRightBtnRelease(FXObject*, FXSelector, void* ptr) {
    if (!isEnabled()) return 0;
    ungrab();
    flags &= ~FLAG_PRESSED;
    flags |= FLAG_UPDATE;
    mode = MOUSE_NONE;
    if (target != nullptr) target->handle(this, FXSEL(SEL_RIGHTBUTTONRELEASE, message), ptr);
    return 1;
}

void TFXTable::followPointer(FXint x, FXint y) {
    const FXint row = rowAtY(y), col = colAtX(x);
    if (!insideGrid(row, col)) return;
    if (row == current.row && col == current.col) return;
    extendSelection(row, col, TRUE);
    setCurrentItem(row, col, TRUE);
}

long TFXTable::onMotion(FXObject*, FXSelector, void* ptr) {
    auto* ev = static_cast<FXEvent*>(ptr);
    switch (mode) {
        case MOUSE_NONE: {
            FXCursor* cursor = getApp()->getDefaultCursor(DEF_ARROW_CURSOR);
            const FXint row = rowAtY(ev->win_y), col = colAtX(ev->win_x);
            if ((options & TFXTABLE_ROW_SIZABLE) && nearestRow(row, ev->win_y) > 0)
                cursor = getApp()->getDefaultCursor(DEF_VSPLIT_CURSOR);
            if ((options & TFXTABLE_COL_SIZABLE) && nearestColumn(col, ev->win_x) > 0)
                cursor = getApp()->getDefaultCursor(DEF_HSPLIT_CURSOR);
            setDefaultCursor(cursor);
            return 0;
        }
        case MOUSE_SCROLL:
            setPosition(ev->win_x - grabx, ev->win_y - graby);
            return 1;
        case MOUSE_SELECT:
            if (startAutoScroll(ev, FALSE)) return 1;
            followPointer(ev->win_x, ev->win_y);
            return 1;
        case MOUSE_COL_SIZE:
            setColumnX(rowcol, ev->win_x);
            return 1;
        case MOUSE_ROW_SIZE:
            setRowY(rowcol, ev->win_y);
            return 1;
    }
    return 0;
}

long TFXTable::onAutoScroll(FXObject* sender, FXSelector sel, void* ptr) {
    FXScrollArea::onAutoScroll(sender, sel, ptr);
    if (mode == MOUSE_SELECT) {
        FXint x = 0, y = 0;
        FXuint buttons = 0;
        getCursorPosition(x, y, buttons);
        followPointer(x, y);
    }
    return 1;
}

long TFXTable::onUngrabbed(FXObject* sender, FXSelector sel, void* ptr) {
    FXScrollArea::onUngrabbed(sender, sel, ptr);
    flags &= ~(FLAG_PRESSED | FLAG_DODRAG);
    flags |= FLAG_UPDATE;
    mode = MOUSE_NONE;
    stopAutoScroll();
    return 1;
}

// Clicks and commands the table sends itself reach the target unchanged.
long TFXTable::onForward(FXObject*, FXSelector sel, void* ptr) {
    return target != nullptr && target->handle(this, FXSEL(FXSELTYPE(sel), message), ptr);
}

// ---------------------------------------------------------------------------
// Commands

long TFXTable::onCmdHorzGrid(FXObject*, FXSelector, void*) {
    showHorzGrid(!hgrid);
    return 1;
}

long TFXTable::onCmdVertGrid(FXObject*, FXSelector, void*) {
    showVertGrid(!vgrid);
    return 1;
}

long TFXTable::onCmdDeleteColumn(FXObject*, FXSelector, void*) {
    if (current.col < 0) return 1;
    removeColumns(current.col, 1, TRUE);
    moveTo(current.row, current.col);
    return 1;
}

long TFXTable::onCmdDeleteRow(FXObject*, FXSelector, void*) {
    if (current.row < 0) return 1;
    removeRows(current.row, 1, TRUE);
    moveTo(current.row, current.col);
    return 1;
}

long TFXTable::onCmdInsertColumn(FXObject*, FXSelector, void*) {
    insertColumns(current.col < 0 ? ncols : current.col, 1, TRUE);
    moveTo(current.row, current.col);
    return 1;
}

long TFXTable::onCmdInsertRow(FXObject*, FXSelector, void*) {
    insertRows(current.row < 0 ? nrows : current.row, 1, TRUE);
    moveTo(current.row, current.col);
    return 1;
}

long TFXTable::onCmdSelectColumn(FXObject*, FXSelector, void*) {
    setAnchorItem(0, current.col);
    selectAnchor();
    extendSelection(nrows - 1, current.col, TRUE);
    return 1;
}

long TFXTable::onCmdSelectRow(FXObject*, FXSelector, void*) {
    setAnchorItem(current.row, 0);
    selectAnchor();
    extendSelection(current.row, ncols - 1, TRUE);
    return 1;
}

long TFXTable::onCmdSelectCell(FXObject*, FXSelector, void*) {
    setAnchorItem(current.row, current.col);
    selectAnchor();
    extendSelection(current.row, current.col, TRUE);
    return 1;
}

long TFXTable::onCmdSelectAll(FXObject*, FXSelector, void*) {
    setAnchorItem(0, 0);
    selectAnchor();
    extendSelection(nrows - 1, ncols - 1, TRUE);
    return 1;
}

// Extending never selects the anchor cell itself (it lies in the old and the
// new rectangle alike), so the select commands select it first.
void TFXTable::selectAnchor() {
    if (insideGrid(anchor.row, anchor.col)) selectItem(anchor.row, anchor.col, TRUE);
}

long TFXTable::onCmdDeselectAll(FXObject*, FXSelector, void*) {
    killSelection(TRUE);
    return 1;
}

void TFXTable::moveTo(FXint row, FXint col) {
    setCurrentItem(row, col, TRUE);
    makePositionVisible(current.row, current.col);
}

long TFXTable::onCmdMove(FXObject*, FXSelector sel, void*) {
    const FXint r = current.row, c = current.col;
    switch (FXSELID(sel)) {
        case ID_MOVE_LEFT:
            if (c > 0) moveTo(r, c - 1);
            break;
        case ID_MOVE_RIGHT:
            if (c <= ncols - 2) moveTo(r, c + 1);
            break;
        case ID_MOVE_UP:
            if (r > 0) moveTo(r - 1, c);
            break;
        case ID_MOVE_DOWN:
            if (r <= nrows - 2) moveTo(r + 1, c);
            break;
        case ID_MOVE_HOME:
            moveTo(r, 0);
            break;
        case ID_MOVE_END:
            moveTo(r, ncols - 1);
            break;
        case ID_MOVE_TOP:
            moveTo(0, c);
            break;
        case ID_MOVE_BOTTOM:
            moveTo(nrows - 1, c);
            break;
        case ID_MOVE_PAGEDOWN:
            moveTo(std::min(r + kPageRows, nrows - 1), c);
            break;
        case ID_MOVE_PAGEUP:
            moveTo(r - kPageRows > 0 ? r - kPageRows : 0, c);
            break;
    }
    return 1;
}

long TFXTable::onCmdMark(FXObject*, FXSelector, void*) {
    setAnchorItem(current.row, current.col);
    return 1;
}

long TFXTable::onCmdExtend(FXObject*, FXSelector, void*) {
    extendSelection(current.row, current.col, TRUE);
    return 1;
}

long TFXTable::onUpdGrid(FXObject* sender, FXSelector sel, void*) {
    const bool shown = FXSELID(sel) == ID_HORZ_GRID ? hgrid != 0 : vgrid != 0;
    sender->handle(this, FXSEL(SEL_COMMAND, shown ? ID_CHECK : ID_UNCHECK), nullptr);
    return 1;
}

long TFXTable::onUpdDeleteColumn(FXObject* sender, FXSelector, void*) {
    const bool on = 0 <= current.col && current.col < ncols;
    sender->handle(this, FXSEL(SEL_COMMAND, on ? ID_ENABLE : ID_DISABLE), nullptr);
    return 1;
}

long TFXTable::onUpdDeleteRow(FXObject* sender, FXSelector, void*) {
    const bool on = 0 <= current.row && current.row < nrows;
    sender->handle(this, FXSEL(SEL_COMMAND, on ? ID_ENABLE : ID_DISABLE), nullptr);
    return 1;
}
