#pragma once

#include <fox-1.6/fx.h>

#include <cstdint>
#include <vector>

class TFXTable;

// One cell of the grid; -1 in either field means no cell.
struct TFXTablePos {
    FX::FXint row;
    FX::FXint col;
};

// A rectangle of cells, both corners inclusive.
struct TFXTableRange {
    TFXTablePos first;
    TFXTablePos last;
};

// Option bits of the grid: the user may size columns or rows with the mouse.
enum : FX::FXuint {
    TFXTABLE_COL_SIZABLE = 0x00100000,
    TFXTABLE_ROW_SIZABLE = 0x00200000,
};

// Where the icon and the text block of a cell go (window coordinates).
struct TFXContentPlace {
    FX::FXint ix, iy;  // icon
    FX::FXint tx, ty;  // text block
};

// Look of one cell (or of the rectangle of cells a spanning item covers).
// The text drawn comes first from the table's getCellText; `label` is drawn
// only where that gives none.
class TFXTableItem : public FX::FXObject {
    FXDECLARE(TFXTableItem)
    friend class TFXTable;

public:
    enum : FX::FXuint {
        SELECTED = 0x00000001,
        FOCUS = 0x00000002,
        DISABLED = 0x00000004,
        DRAGGABLE = 0x00000008,
        BUTTON = 0x00000010,
        ICONOWNED = 0x00000040,
        STIPPLE_MASK = 0x00001F00,
        RIGHT = 0x00002000,
        LEFT = 0x00004000,
        TOP = 0x00008000,
        BOTTOM = 0x00010000,
        BEFORE = 0x00020000,
        AFTER = 0x00040000,
        ABOVE = 0x00080000,
        BELOW = 0x00100000,
        LBORDER = 0x00200000,
        RBORDER = 0x00400000,
        TBORDER = 0x00800000,
        BBORDER = 0x01000000,
        JUSTIFY_MASK = RIGHT | LEFT | TOP | BOTTOM,
        BORDER_MASK = LBORDER | RBORDER | TBORDER | BBORDER,
    };

    FX::FXString label;              // UTF-8, as every text FOX draws
    FX::FXIcon* icon = nullptr;      // released with the item only when ICONOWNED
    void* data = nullptr;            // the owner's, never used by the table
    FX::FXuint state = 0;            // the bits above; stipple number in bits 8..12
    const char* cellText = nullptr;  // CP1251; what the default getCellText returns
    FX::FXFont* font = nullptr;      // the cell's own font; null: the table's
    FX::FXColor backColor = 0;       // own back colour, used only with an own font

    TFXTableItem(const FX::FXString& text, FX::FXIcon* ic = nullptr, void* ptr = nullptr);
    ~TFXTableItem() override;

    virtual void draw(const TFXTable* table, FX::FXDC& dc, FX::FXint x, FX::FXint y, FX::FXint w,
                      FX::FXint h, FX::FXint row, FX::FXint col) const;
    virtual void drawButton(const TFXTable* table, FX::FXDC& dc, FX::FXint x, FX::FXint y,
                            FX::FXint w, FX::FXint h) const;
    virtual void drawBorders(const TFXTable* table, FX::FXDC& dc, FX::FXint x, FX::FXint y,
                             FX::FXint w, FX::FXint h) const;
    virtual void drawContent(const TFXTable* table, FX::FXDC& dc, FX::FXint x, FX::FXint y,
                             FX::FXint w, FX::FXint h, FX::FXint row, FX::FXint col) const;
    virtual void drawPattern(const TFXTable* table, FX::FXDC& dc, FX::FXint x, FX::FXint y,
                             FX::FXint w, FX::FXint h) const;
    virtual void drawBackground(const TFXTable* table, FX::FXDC& dc, FX::FXint x, FX::FXint y,
                                FX::FXint w, FX::FXint h) const;

    virtual void setText(const FX::FXString& text);
    virtual void setIcon(FX::FXIcon* ic);
    virtual void setFocus(FX::FXbool focus);
    virtual void setSelected(FX::FXbool selected);
    virtual void setEnabled(FX::FXbool enabled);
    virtual void setDraggable(FX::FXbool draggable);
    virtual void setIconOwned(FX::FXbool owned);
    virtual FX::FXint getWidth(const TFXTable* table) const;
    virtual FX::FXint getHeight(const TFXTable* table) const;
    virtual void create();
    virtual void detach();
    virtual void destroy();

    // Replaces the justification bits with those of `justify`, keeps the rest.
    void setJustify(FX::FXuint justify);
    void setButton(FX::FXbool button);

    bool isSelected() const { return (state & SELECTED) != 0; }
    bool isEnabled() const { return (state & DISABLED) == 0; }
    bool hasFocus() const { return (state & FOCUS) != 0; }
    bool isButton() const { return (state & BUTTON) != 0; }

    void save(FX::FXStream& store) const override;
    void load(FX::FXStream& store) override;

protected:
    TFXTableItem() = default;
};

// Places the icon and the text block of a cell by the item's justification
// and icon bits (first of each pair wins): x, y, w, h is the cell, m* the
// table's margins, tw/th the text block and iw/ih the icon size.
TFXContentPlace placeCellContent(FX::FXuint state, FX::FXint x, FX::FXint y, FX::FXint w,
                                 FX::FXint h, FX::FXint ml, FX::FXint mr, FX::FXint mt,
                                 FX::FXint mb, FX::FXint tw, FX::FXint th, FX::FXint iw,
                                 FX::FXint ih);

// The program's grid widget. Rows and columns each fall into three bands:
// leading (fixed at the top or left), scrolling, and trailing (fixed at the
// bottom or right); only the scrolling band moves. Cell texts come from
// getCellText each time a cell is drawn, so items mostly carry the look.
// One item may stand in a rectangle of cells; it is drawn and deleted once.
// Every change of shape, current cell and selection is told to the target
// when the caller asks for notification. Calls with indexes outside the grid
// are reported through the toolkit report and do nothing.
class TFXTable : public FX::FXScrollArea {
    FXDECLARE(TFXTable)
    friend class TFXTableItem;

public:
    enum {
        ID_HORZ_GRID = FX::FXScrollArea::ID_LAST,
        ID_VERT_GRID,
        ID_DELETE_COLUMN,
        ID_DELETE_ROW,
        ID_INSERT_COLUMN,
        ID_INSERT_ROW,
        ID_SELECT_COLUMN,
        ID_SELECT_ROW,
        ID_SELECT_CELL,
        ID_SELECT_ALL,
        ID_DESELECT_ALL,
        ID_MOVE_LEFT,
        ID_MOVE_RIGHT,
        ID_MOVE_UP,
        ID_MOVE_DOWN,
        ID_MOVE_HOME,
        ID_MOVE_END,
        ID_MOVE_TOP,
        ID_MOVE_BOTTOM,
        ID_MOVE_PAGEDOWN,
        ID_MOVE_PAGEUP,
        ID_MARK,
        ID_EXTEND,
        ID_LAST
    };

    // What a mouse drag is doing.
    enum : FX::FXuchar {
        MOUSE_NONE = 0,
        MOUSE_SCROLL = 1,
        MOUSE_SELECT = 3,
        MOUSE_COL_SIZE = 6,
        MOUSE_ROW_SIZE = 7,
    };

    TFXTable(FX::FXComposite* p, FX::FXint nvrows = 0, FX::FXint nvcols = 0,
             FX::FXObject* tgt = nullptr, FX::FXSelector sel = 0, FX::FXuint opts = 0,
             FX::FXint x = 0, FX::FXint y = 0, FX::FXint w = 0, FX::FXint h = 0, FX::FXint pl = 2,
             FX::FXint pr = 2, FX::FXint pt = 2, FX::FXint pb = 2);
    ~TFXTable() override;

    // Window and scroll area.
    void create() override;
    void detach() override;
    void layout() override;
    void recalc() override;
    bool canFocus() const override;
    void setFocus() override;
    void killFocus() override;
    FX::FXint getDefaultWidth() override;
    FX::FXint getDefaultHeight() override;
    FX::FXint getContentWidth() override;
    FX::FXint getContentHeight() override;
    void save(FX::FXStream& store) const override;
    void load(FX::FXStream& store) override;

    // Shape of the grid.
    void setTableSize(FX::FXint nr, FX::FXint nc, FX::FXbool notify = FALSE);
    virtual void insertRows(FX::FXint row, FX::FXint nr = 1, FX::FXbool notify = FALSE);
    virtual void insertColumns(FX::FXint col, FX::FXint nc = 1, FX::FXbool notify = FALSE);
    virtual void removeRows(FX::FXint row, FX::FXint nr = 1, FX::FXbool notify = FALSE);
    virtual void removeColumns(FX::FXint col, FX::FXint nc = 1, FX::FXbool notify = FALSE);
    virtual void removeItem(FX::FXint row, FX::FXint col, FX::FXbool notify = FALSE);
    virtual void setLeadingRows(FX::FXint n);
    virtual void setLeadingCols(FX::FXint n);
    virtual void setTrailingRows(FX::FXint n);
    virtual void setTrailingCols(FX::FXint n);

    FX::FXint getNumRows() const { return nrows; }
    FX::FXint getNumCols() const { return ncols; }
    FX::FXint getLeadingRows() const { return leading_rows; }
    FX::FXint getLeadingCols() const { return leading_cols; }
    FX::FXint getScrollingRows() const { return scrolling_rows; }
    FX::FXint getScrollingCols() const { return scrolling_cols; }
    FX::FXint getTrailingRows() const { return trailing_rows; }
    FX::FXint getTrailingCols() const { return trailing_cols; }

    // Items and cells.
    virtual TFXTableItem* createItem(const FX::FXString& text, FX::FXIcon* icon, void* ptr);
    void createItems(FX::FXint fr, FX::FXint er, FX::FXint fc, FX::FXint ec, FX::FXuint justify,
                     FX::FXFont* itemFont);
    // As createItems; a back colour of 0xFFFFFFFF keeps each item's own.
    void createColoredItems(FX::FXint fr, FX::FXint er, FX::FXint fc, FX::FXint ec,
                            FX::FXColor back, FX::FXuint justify, FX::FXFont* itemFont);
    void setItemText(FX::FXint row, FX::FXint col, const FX::FXString& text);
    TFXTableItem* getItem(FX::FXint row, FX::FXint col) const;
    // True when the cell holds an item.
    FX::FXbool getItemText(FX::FXint row, FX::FXint col) const;
    // CP1251 text to draw in a cell that holds an item, or null to draw the
    // item's label. The default gives the item's cellText.
    virtual const char* getCellText(FX::FXint row, FX::FXint col) const;
    FX::FXbool isItemSelected(FX::FXint row, FX::FXint col) const;
    FX::FXbool isItemEnabled(FX::FXint row, FX::FXint col) const;

    // Sizes and looks.
    void setColumnWidth(FX::FXint col, FX::FXint width);
    FX::FXint getColumnWidth(FX::FXint col) const;
    FX::FXint getRowHeight(FX::FXint row) const;
    void setFont(FX::FXFont* fnt);
    FX::FXFont* getFont() const { return font; }
    void setSelTextColor(FX::FXColor color);
    void setSelBackColor(FX::FXColor color);
    FX::FXColor getSelBackColor() const { return selBackColor; }
    FX::FXColor getSelTextColor() const { return selTextColor; }
    void setCellColor(FX::FXint row, FX::FXint col, FX::FXColor color);
    FX::FXColor getCellColor(FX::FXint row, FX::FXint col) const;
    void setVisibleCols(FX::FXint n);
    FX::FXint getVisibleCols() const { return visiblecols; }
    FX::FXint getVisibleRows() const { return visiblerows; }
    void showHorzGrid(FX::FXbool on);
    void showVertGrid(FX::FXbool on);
    FX::FXbool isHorzGridShown() const { return hgrid; }
    FX::FXbool isVertGridShown() const { return vgrid; }
    FX::FXint getDefColumnWidth() const { return defColWidth; }
    FX::FXint getDefRowHeight() const { return defRowHeight; }

    // Geometry in window coordinates.
    FX::FXint colAtX(FX::FXint x) const;
    FX::FXint rowAtY(FX::FXint y) const;
    FX::FXint getColumnX(FX::FXint col) const;
    void setColumnX(FX::FXint col, FX::FXint x);
    FX::FXint getRowY(FX::FXint row) const;
    void setRowY(FX::FXint row, FX::FXint y);
    FX::FXint nearestColumn(FX::FXint col, FX::FXint x) const;
    FX::FXint nearestRow(FX::FXint row, FX::FXint y) const;
    FX::FXint getTableLeft() const { return table_left; }
    FX::FXint getTableRight() const { return table_right; }
    FX::FXint getTableTop() const { return table_top; }
    FX::FXint getTableBottom() const { return table_bottom; }
    FX::FXint getScrollableLeft() const { return scrollable_left; }
    FX::FXint getScrollableRight() const { return scrollable_right; }
    FX::FXint getScrollableTop() const { return scrollable_top; }
    FX::FXint getScrollableBottom() const { return scrollable_bottom; }

    void makePositionVisible(FX::FXint row, FX::FXint col);
    void scrollToBottom();
    void updateItems(FX::FXint sr, FX::FXint er, FX::FXint sc, FX::FXint ec) const;
    void updateItem(FX::FXint row, FX::FXint col) const;

    // Span of the item (or run of empty cells) at a cell.
    FX::FXint startRow(FX::FXint row, FX::FXint col) const;
    FX::FXint endRow(FX::FXint row, FX::FXint col) const;
    FX::FXint startCol(FX::FXint row, FX::FXint col) const;
    FX::FXint endCol(FX::FXint row, FX::FXint col) const;

    // The colour a cell span is filled with before its item draws.
    FX::FXColor cellFillColor(FX::FXint sr, FX::FXint er, FX::FXint sc, FX::FXint ec) const;

    // Current cell and selection.
    void setCurrentItem(FX::FXint row, FX::FXint col, FX::FXbool notify = FALSE);
    TFXTablePos getCurrent() const { return current; }
    void setAnchorItem(FX::FXint row, FX::FXint col);
    TFXTablePos getAnchor() const { return anchor; }
    TFXTablePos getExtent() const { return extent; }
    FX::FXbool selectItem(FX::FXint row, FX::FXint col, FX::FXbool notify = FALSE);
    FX::FXbool deselectItem(FX::FXint row, FX::FXint col, FX::FXbool notify = FALSE);
    FX::FXbool toggleItem(FX::FXint row, FX::FXint col, FX::FXbool notify = FALSE);
    FX::FXbool extendSelection(FX::FXint row, FX::FXint col, FX::FXbool notify = FALSE);
    FX::FXbool killSelection(FX::FXbool notify = FALSE);
    FX::FXuchar getMouseMode() const { return mode; }

    // Drawing.
    virtual void drawCell(FX::FXDC& dc, FX::FXint xlo, FX::FXint xhi, FX::FXint ylo, FX::FXint yhi,
                          FX::FXint xoff, FX::FXint yoff, FX::FXint sr, FX::FXint er, FX::FXint sc,
                          FX::FXint ec);
    virtual void drawRange(FX::FXDC& dc, FX::FXint xlo, FX::FXint xhi, FX::FXint ylo, FX::FXint yhi,
                           FX::FXint xoff, FX::FXint yoff, FX::FXint rlo, FX::FXint rhi,
                           FX::FXint clo, FX::FXint chi);

    long onPaint(FX::FXObject*, FX::FXSelector, void*);
    long onKeyPress(FX::FXObject*, FX::FXSelector, void*);
    long onKeyRelease(FX::FXObject*, FX::FXSelector, void*);
    long onFocusIn(FX::FXObject*, FX::FXSelector, void*);
    long onFocusOut(FX::FXObject*, FX::FXSelector, void*);
    long onSelectionGained(FX::FXObject*, FX::FXSelector, void*);
    long onSelectionLost(FX::FXObject*, FX::FXSelector, void*);
    long onLeftBtnPress(FX::FXObject*, FX::FXSelector, void*);
    long onLeftBtnRelease(FX::FXObject*, FX::FXSelector, void*);
    long onRightBtnPress(FX::FXObject*, FX::FXSelector, void*);
    long onRightBtnRelease(FX::FXObject*, FX::FXSelector, void*);
    long onMotion(FX::FXObject*, FX::FXSelector, void*);
    long onAutoScroll(FX::FXObject*, FX::FXSelector, void*);
    long onUngrabbed(FX::FXObject*, FX::FXSelector, void*);
    long onForward(FX::FXObject*, FX::FXSelector, void*);
    long onCmdHorzGrid(FX::FXObject*, FX::FXSelector, void*);
    long onCmdVertGrid(FX::FXObject*, FX::FXSelector, void*);
    long onCmdDeleteColumn(FX::FXObject*, FX::FXSelector, void*);
    long onCmdDeleteRow(FX::FXObject*, FX::FXSelector, void*);
    long onCmdInsertColumn(FX::FXObject*, FX::FXSelector, void*);
    long onCmdInsertRow(FX::FXObject*, FX::FXSelector, void*);
    long onCmdSelectColumn(FX::FXObject*, FX::FXSelector, void*);
    long onCmdSelectRow(FX::FXObject*, FX::FXSelector, void*);
    long onCmdSelectCell(FX::FXObject*, FX::FXSelector, void*);
    long onCmdSelectAll(FX::FXObject*, FX::FXSelector, void*);
    long onCmdDeselectAll(FX::FXObject*, FX::FXSelector, void*);
    long onCmdMove(FX::FXObject*, FX::FXSelector, void*);
    long onCmdMark(FX::FXObject*, FX::FXSelector, void*);
    long onCmdExtend(FX::FXObject*, FX::FXSelector, void*);
    long onUpdGrid(FX::FXObject*, FX::FXSelector, void*);
    long onUpdDeleteColumn(FX::FXObject*, FX::FXSelector, void*);
    long onUpdDeleteRow(FX::FXObject*, FX::FXSelector, void*);

protected:
    TFXTable();
    void moveContents(FX::FXint x, FX::FXint y) override;

    std::vector<TFXTableItem*> cells;  // row-major nrows x ncols; null: empty cell
    std::vector<FX::FXint> col_x;      // ncols + 1 column boundaries, content coordinates
    std::vector<FX::FXint> row_y;      // nrows + 1 row boundaries
    FX::FXFont* font = nullptr;
    FX::FXint nrows = 0;
    FX::FXint ncols = 0;
    FX::FXint visiblerows = 0;
    FX::FXint visiblecols = 0;
    FX::FXint margintop = 0;
    FX::FXint marginbottom = 0;
    FX::FXint marginleft = 0;
    FX::FXint marginright = 0;
    FX::FXColor textColor = 0;
    FX::FXColor baseColor = 0;
    FX::FXColor hiliteColor = 0;
    FX::FXColor shadowColor = 0;
    FX::FXColor borderColor = 0;
    FX::FXColor selBackColor = 0;
    FX::FXColor selTextColor = 0;
    FX::FXColor gridColor = 0;
    FX::FXColor stippleColor = FXRGB(255, 0, 0);
    FX::FXColor cellBorderColor = 0;
    FX::FXint cellBorderWidth = 2;
    FX::FXColor cellBackColor[2][2] = {{0, 0}, {0, 0}};
    FX::FXint defColWidth = 100;
    FX::FXint defRowHeight = 20;
    FX::FXint leading_rows = 0;
    FX::FXint leading_cols = 0;
    FX::FXint scrolling_rows = 0;
    FX::FXint scrolling_cols = 0;
    FX::FXint trailing_rows = 0;
    FX::FXint trailing_cols = 0;
    FX::FXint scrollable_left = 0;
    FX::FXint scrollable_right = 0;
    FX::FXint scrollable_top = 0;
    FX::FXint scrollable_bottom = 0;
    FX::FXint table_left = 0;
    FX::FXint table_right = 0;
    FX::FXint table_top = 0;
    FX::FXint table_bottom = 0;
    TFXTablePos current = {-1, -1};
    TFXTablePos anchor = {-1, -1};
    TFXTablePos extent = {-1, -1};
    FX::FXuchar hgrid = 1;
    FX::FXuchar vgrid = 1;
    FX::FXuchar mode = MOUSE_NONE;
    FX::FXint grabx = 0;
    FX::FXint graby = 0;
    FX::FXint rowcol = 0;

    bool insideGrid(FX::FXint row, FX::FXint col) const {
        return 0 <= row && row < nrows && 0 <= col && col < ncols;
    }
    TFXTableItem* cellAt(FX::FXint row, FX::FXint col) const {
        return cells[static_cast<size_t>(row) * static_cast<size_t>(ncols) +
                     static_cast<size_t>(col)];
    }
    TFXTableItem*& cellRef(FX::FXint row, FX::FXint col) {
        return cells[static_cast<size_t>(row) * static_cast<size_t>(ncols) +
                     static_cast<size_t>(col)];
    }

private:
    void tell(FX::FXbool notify, FX::FXuint type, void* data);
    // Rows and columns are handled by one code over the fields of an axis.
    struct Axis;
    static const Axis rowAxis;
    static const Axis colAxis;
    void checkInvariants(const Axis& a) const;
    void insertLines(const Axis& a, FX::FXint at, FX::FXint n, FX::FXbool notify);
    void removeLines(const Axis& a, FX::FXint at, FX::FXint n, FX::FXbool notify);
    void setBand(const Axis& a, FX::FXint TFXTable::*band, FX::FXint n, const char* error);
    FX::FXint lineAt(const Axis& a, FX::FXint p) const;
    FX::FXint bandOffset(const Axis& a, FX::FXint i) const;
    FX::FXint spanOffset(const Axis& a, FX::FXint s, FX::FXint e) const;
    FX::FXint boundaryAt(const Axis& a, FX::FXint i) const;
    void setBoundaryAt(const Axis& a, FX::FXint i, FX::FXint p);
    FX::FXint lineSize(const Axis& a, FX::FXint i) const;
    FX::FXint nearestBoundary(const Axis& a, FX::FXint i, FX::FXint p) const;
    FX::FXint positionShowing(const Axis& a, FX::FXint i) const;
    TFXTableItem* cellAlong(const Axis& a, TFXTablePos p, FX::FXint i) const;
    FX::FXint spanStart(const Axis& a, TFXTablePos p) const;
    FX::FXint spanEnd(const Axis& a, TFXTablePos p) const;
    void deleteAllItems();
    void fillItems(FX::FXint fr, FX::FXint er, FX::FXint fc, FX::FXint ec, bool setBack,
                   FX::FXColor back, FX::FXuint justify, FX::FXFont* itemFont);
    void moveKey(FX::FXuint state, FX::FXint id);
    void moveTo(FX::FXint row, FX::FXint col);
    void followPointer(FX::FXint x, FX::FXint y);
    void selectAnchor();
    long startPress(FX::FXuint type, void* ptr);
    FX::FXbool setItemSelected(FX::FXint row, FX::FXint col, bool on, FX::FXbool notify,
                               const char* error);
    void setFocusOnCurrent(FX::FXbool focus);
};
