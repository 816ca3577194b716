#pragma once

// Texts of the grid widget and the table view: reports of calls outside the grid,
// invariant checks, trace lines and the layout error box.
namespace tabletext {
inline constexpr char kGetItemRange[] = "%s::getItem: index out of range.\n";
inline constexpr char kSetItemTextRange[] = "%s::setItemText: index out of range.\n";
inline constexpr char kGetItemTextRange[] = "%s::getItemText: index out of range.\n";
inline constexpr char kIsItemEnabledRange[] = "%s::isItemEnabled: index out of range.\n";
inline constexpr char kRemoveItemRange[] = "%s::removeItem: index out of range.\n";
inline constexpr char kSetColumnWidthRange[] = "%s::setColumnWidth: column out of range\n";
inline constexpr char kGetColumnWidthRange[] = "%s::getColumnWidth: column out of range\n";
inline constexpr char kGetRowHeightRange[] = "%s::getRowHeight: row out of range\n";
inline constexpr char kSetLeadingRowsRange[] = "%s::setLeadingRows: number out of range\n";
inline constexpr char kSetLeadingColsRange[] = "%s::setLeadingCols: number out of range\n";
inline constexpr char kSetTrailingRowsRange[] = "%s::setTrailingRows: number out of range\n";
inline constexpr char kSetTrailingColsRange[] = "%s::setTrailingCols: number out of range\n";
inline constexpr char kSetFontNull[] = "%s::setFont: NULL font specified.\n";
inline constexpr char kGetColumnXRange[] = "%s::getColumnX: column out of range\n";
inline constexpr char kSetColumnXRange[] = "%s::setColumnX: column out of range\n";
inline constexpr char kGetRowYRange[] = "%s::getRowY: row out of range\n";
inline constexpr char kSetRowYRange[] = "%s::setRowY: row out of range\n";
inline constexpr char kUpdateItemsRange[] = "%s::updateItems: index out of range.\n";
inline constexpr char kSelectItemRange[] = "%s::selectItem: index out of range.\n";
inline constexpr char kDeselectItemRange[] = "%s::deselectItem: index out of range.\n";
inline constexpr char kToggleItemRange[] = "%s::toggleItem: index out of range.\n";
inline constexpr char kCreateItemsLow[] = "%s::createItems: low index out of range.\n";
inline constexpr char kCreateItemsHigh[] =
    "%s::createItems: high index out of range (%d,%d) of (%d,%d).\n";
inline constexpr char kSetTableSizeRange[] = "%s::setTableSize: argument out of range.\n";
inline constexpr char kSetTableSizeMemory[] = "%s::setTableSize: out of memory.\n";
inline constexpr char kInsertRowsRange[] = "%s::insertRows: row out of range.\n";
inline constexpr char kInsertRowsMemory[] = "%s::insertRows: out of memory.\n";
inline constexpr char kInsertColumnsRange[] = "%s::insertColumns: column out of range.\n";
inline constexpr char kInsertColumnsMemory[] = "%s::insertColumns: out of memory.\n";
inline constexpr char kRemoveRowsRange[] = "%s::removeRows: row out of range.%d,%d,%d\n";
inline constexpr char kRemoveRowsMemory[] = "%s::removeRows: out of memory.\n";
inline constexpr char kRemoveColumnsRange[] = "%s::removeColumns: column out of range.\n";
inline constexpr char kRemoveColumnsMemory[] = "%s::removeColumns: out of memory.\n";
inline constexpr char kTraceRows[] =
    "nrows=%d leading_rows=%d trailing_rows=%d scrolling_rows=%d\n";
inline constexpr char kTraceCols[] =
    "ncols=%d leading_cols=%d trailing_cols=%d scrolling_cols=%d\n";
inline constexpr char kTraceTable[] =
    "     table_left=%d      table_right=%d      table_top=%d table_bottom=%d\n";
inline constexpr char kTraceScrollable[] =
    "scrollable_left=%d scrollable_right=%d scrollable_top=%d table_bottom=%d\n";
inline constexpr char kAssertLeadingRows[] = "0<=leading_rows";
inline constexpr char kAssertTrailingRows[] = "0<=trailing_rows";
inline constexpr char kAssertAnchorRow[] = "-1<=anchor.row && anchor.row<nrows";
inline constexpr char kAssertExtentRow[] = "-1<=extent.row && extent.row<nrows";
inline constexpr char kAssertCurrentRow[] = "-1<=current.row && current.row<nrows";
inline constexpr char kAssertLeadingCols[] = "0<=leading_cols";
inline constexpr char kAssertTrailingCols[] = "0<=trailing_cols";
inline constexpr char kAssertAnchorCol[] = "-1<=anchor.col && anchor.col<ncols";
inline constexpr char kAssertExtentCol[] = "-1<=extent.col && extent.col<ncols";
inline constexpr char kAssertCurrentCol[] = "-1<=current.col && current.col<ncols";
inline constexpr char kAssertRangeCols[] = "0<=fc && lc<=ncols";
inline constexpr char kAssertRangeRows[] = "0<=fr && lr<=nrows";
inline constexpr char kAssertCellCols[] = "0<=sc && sc<=ec && ec<=ncols";
inline constexpr char kAssertCellRows[] = "0<=sr && sr<=er && er<=nrows";
inline constexpr char kAssertCurrentRowInside[] = "current.row<nrows";
inline constexpr char kAssertCurrentColInside[] = "current.col<ncols";
inline constexpr char kLayoutErrorCaption[] = "Greska u pravljenu TTabele";
inline constexpr char kLayoutErrorText[] = "Nema layout-a";
}  // namespace tabletext
