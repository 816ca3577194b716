#pragma once

#include "toolkit/fx_table.h"

#include <fox-1.6/fx.h>

#include <cstdint>
#include <string>
#include <vector>

class TTabela;
class TTrnRecBase;

// Most columns a layout string gives, and the longest title kept.
constexpr int kTabelaMaxColumns = 128;
constexpr size_t kTabelaMaxTitle = 255;
// Pixels per remembered character of a column's width.
constexpr int kTabelaCharWidth = 12;

// Splits a CP1251 layout string into column titles at "|" or the byte 0xB3.
// At most 128 columns (whatever follows the 127th separator is ignored) and
// at most 255 characters of a title (the rest of the string is ignored).
// Returns the column count; an empty string gives one empty title.
int splitLayout(const char* layout, std::vector<std::string>& titles);

// The grid of a table view: asks its owning view for every cell's text.
class OrTable : public TFXTable {
    FXDECLARE(OrTable)

public:
    OrTable(TTabela* owner, FX::FXComposite* p, FX::FXint nvrows, FX::FXint nvcols,
            FX::FXObject* tgt, FX::FXSelector sel, FX::FXuint opts, FX::FXint pl, FX::FXint pr,
            FX::FXint pt, FX::FXint pb);
    const char* getCellText(FX::FXint row, FX::FXint col) const override;
    // The one column of a single-column view follows the view's width; it
    // keeps at least its own width, beyond which the view scrolls.
    void layout() override;

protected:
    OrTable() = default;

private:
    TTabela* owner_ = nullptr;
};

// The program's table view: a layout string of column titles becomes a grid
// with a button-like title row; the data cells hold no text of their own and
// are drawn from getCellText of a subclass. Widget rows: the title row 0, one
// row per item, two empty rows at the end; the row count a user gives is the
// number of its items plus one.
class TTabela : public FX::FXObject {
    FXDECLARE(TTabela)

public:
    enum { ID_TABLE = 1000 };
    enum : uint8_t { WAITING_FOR_LAYOUT = 3, BUILT = 4 };

    explicit TTabela(FX::FXComposite* parent);
    TTabela(FX::FXComposite* parent, const char* layout, FX::FXint visibleRows);
    ~TTabela() override;

    // Builds a view made without a layout; a built view shows an error box
    // and stays as it is.
    void setLayout(const char* layout, FX::FXint leadingColumns);

    // CP1251 text of a data cell, or null to draw the cell's own label.
    virtual const char* getCellText(FX::FXint row, FX::FXint col);

    // Widget rows minus 2; -1 before the layout.
    int getRowCount() const;
    // Makes the widget hold rows + 2 rows: 0 unchanged, 1 grown, 2 shrunk,
    // -1 before the layout.
    int setRowCount(int rows);
    // setRowCount for a view of table records: growing needs the cursor (-1
    // without it) and gives the new cells of column i a font by field i + 1:
    // bold italic for an indexed key field, italic for another indexed
    // field, bold for a key field, the grid's own for the rest.
    int setRecordRowCount(int rows, int keyFields, const TTrnRecBase* cursor);
    void clearRows();
    void scrollToBottom();
    void repaint();
    void fitColumns();
    bool isMultiSelection() const;
    void clearSelection();

    OrTable* getTable() const { return table; }
    int getColumnCount() const { return columnCount; }
    const std::string& getColumnTitle(int col) const;
    int getColumnWidthChars(int col) const;
    uint8_t getState() const { return state; }
    FX::FXint getSelectedRow() const { return selectedRow; }
    FX::FXint getSelectedCol() const { return selectedCol; }

    long onTableSelected(FX::FXObject*, FX::FXSelector, void*);
    long onTableDeselected(FX::FXObject*, FX::FXSelector, void*);

protected:
    TTabela() = default;
    void createTable(FX::FXComposite* parent, const char* layout, FX::FXint visibleRows);
    // Rows the grid must gain (> 0), lose (< 0) or neither, and the removal.
    int rowChange(int rows);

    int32_t columnWidths[kTabelaMaxColumns] = {};  // remembered widths in characters
    OrTable* table = nullptr;
    FX::FXComposite* parent = nullptr;
    std::vector<std::string> titles;  // CP1251
    int32_t columnCount = 0;
    int32_t leadingColumns = 0;
    FX::FXint selectedRow = -1;
    FX::FXint selectedCol = -1;
    uint8_t state = WAITING_FOR_LAYOUT;
};
