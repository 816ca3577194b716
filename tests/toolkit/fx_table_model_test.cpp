#include <functional>
#include <string>
#include <vector>

#include "toolkit/fx_table.h"
#include "toolkit/table_support.h"

using namespace FX;

namespace {

class TableModel : public TableTest {
protected:
    // A grid of nr x nc cells, each with an item, not on screen.
    TestTable* filled(FXint nr, FXint nc) {
        auto* t = new TestTable(shell, &recorder);
        t->setTableSize(nr, nc);
        t->createItems(0, nr, 0, nc, TFXTableItem::RIGHT, nullptr);
        return t;
    }
};

TEST_F(TableModel, NewGridNamesTheFirstCellUntilSized) {
    TestTable t(shell, &recorder);
    EXPECT_EQ(t.getNumRows(), 0);
    EXPECT_EQ(t.getCurrent().row, 0);
    EXPECT_EQ(t.getCurrent().col, 0);
    EXPECT_EQ(t.getContentWidth(), 1);
    EXPECT_EQ(t.getContentHeight(), 1);
}

TEST_F(TableModel, SetTableSizeReportsOldAndNewGrid) {
    TestTable* t = filled(3, 2);
    recorder.events.clear();
    t->setTableSize(0, 0, TRUE);
    EXPECT_EQ(recorder.events, (std::vector<TableEvent>{range(SEL_DELETED, 0, 0, 2, 1),
                                                        range(SEL_INSERTED, 0, 0, -1, -1),
                                                        pos(SEL_CHANGED, -1, -1)}));
    EXPECT_EQ(t->deaths, 6);
    EXPECT_EQ(t->getCurrent().row, -1);
    EXPECT_EQ(t->getCurrent().col, -1);

    t->setTableSize(2, 3);
    EXPECT_EQ(t->getRowHeight(1), 20);
    EXPECT_EQ(t->getColumnWidth(2), 100);
    EXPECT_EQ(t->getItem(1, 1), nullptr);
}

TEST_F(TableModel, InsertedRowsJoinTheirBand) {
    struct Case {
        FXint rows, leading, trailing, at, n, wantLeading, wantTrailing;
    };
    const Case cases[] = {
        {3, 1, 0, 3, 2, 1, 0},  // appended with no trailing rows: scrolling
        {5, 0, 2, 5, 1, 0, 3},  // appended with trailing rows: trailing
        {5, 0, 2, 3, 1, 0, 2},  // at the first trailing row: scrolling
        {4, 2, 0, 1, 1, 3, 0},  // inside the leading band
        {4, 2, 0, 2, 1, 2, 0},  // at the first scrolling row
    };
    for (const Case& c : cases) {
        TestTable* t = filled(c.rows, 2);
        t->setLeadingRows(c.leading);
        t->setTrailingRows(c.trailing);
        t->insertRows(c.at, c.n);
        EXPECT_EQ(t->getLeadingRows(), c.wantLeading) << c.at;
        EXPECT_EQ(t->getTrailingRows(), c.wantTrailing) << c.at;
        EXPECT_EQ(t->getScrollingRows(), c.rows + c.n - c.wantLeading - c.wantTrailing);
    }
}

TEST_F(TableModel, InsertKeepsHeightsAndShiftsPositions) {
    TestTable* t = filled(3, 2);
    t->setRowY(2, 60);  // row 1 becomes 40 high
    t->setCurrentItem(2, 1);
    t->setAnchorItem(1, 0);
    recorder.events.clear();
    t->insertRows(1, 2, TRUE);
    EXPECT_EQ(t->getRowHeight(0), 20);
    EXPECT_EQ(t->getRowHeight(1), 20);
    EXPECT_EQ(t->getRowHeight(3), 40);
    EXPECT_EQ(t->getContentHeight(), 121);
    EXPECT_EQ(t->getCurrent().row, 4);
    EXPECT_EQ(t->getAnchor().row, 3);
    EXPECT_EQ(t->getItem(1, 0), nullptr);
    EXPECT_EQ(recorder.events,
              (std::vector<TableEvent>{range(SEL_INSERTED, 1, 0, 2, 1), pos(SEL_CHANGED, 4, 1)}));

    recorder.events.clear();
    t->insertColumns(0, 1, TRUE);
    EXPECT_EQ(t->getColumnWidth(0), 100);
    EXPECT_EQ(t->getCurrent().col, 2);
    EXPECT_EQ(recorder.events,
              (std::vector<TableEvent>{range(SEL_INSERTED, 0, 0, 4, 0), pos(SEL_CHANGED, 4, 2)}));
}

TEST_F(TableModel, FirstRowsOfAnEmptyGridMakeTheCurrentRow) {
    TestTable t(shell, &recorder);
    t.setTableSize(0, 3);
    recorder.events.clear();
    t.insertRows(0, 2, TRUE);
    EXPECT_EQ(t.getCurrent().row, 0);
    EXPECT_EQ(t.getCurrent().col, -1);
    EXPECT_EQ(recorder.events,
              (std::vector<TableEvent>{range(SEL_INSERTED, 0, 0, 1, 2), pos(SEL_CHANGED, 0, -1)}));
}

TEST_F(TableModel, SpanningItemsGrowAndGoOnce) {
    // Rows inserted inside an item's rows extend it; at its first row they do not.
    TestTable* t = filled(4, 2);
    TFXTableItem* big = t->span(1, 3, 0, 2);
    t->insertRows(2, 2);
    for (FXint r = 1; r <= 4; ++r) EXPECT_EQ(t->getItem(r, 1), big) << r;
    t->insertRows(1, 1);
    EXPECT_EQ(t->getItem(1, 0), nullptr);
    EXPECT_EQ(t->startRow(3, 1), 2);
    EXPECT_EQ(t->endRow(3, 1), 6);
    EXPECT_EQ(t->startCol(3, 1), 0);
    EXPECT_EQ(t->endCol(3, 1), 2);

    // Cutting through it keeps it; removing its last rows deletes it once.
    const int before = t->deaths;
    t->removeRows(2, 2);
    EXPECT_EQ(t->deaths, before);
    EXPECT_EQ(t->getItem(2, 0), big);
    t->removeRows(1, 3);
    EXPECT_EQ(t->deaths, before + 1);
    EXPECT_EQ(t->getNumRows(), 2);
}

TEST_F(TableModel, EveryItemIsDeletedOnce) {
    int deaths = 0;
    auto* t = new TestTable(shell, &recorder);
    t->counter = &deaths;
    t->setTableSize(3, 3);
    t->span(0, 2, 0, 2);                     // one item in four cells
    t->createItems(0, 3, 0, 3, 0, nullptr);  // and one in each other cell
    t->removeRows(2, 1);
    EXPECT_EQ(deaths, 3);
    t->insertColumns(1, 2);  // the spanning item grows to eight cells
    delete t;
    EXPECT_EQ(deaths, 3 + 1 + 2);
}

TEST_F(TableModel, RemovedRowsMoveCurrentAndBands) {
    struct Case {
        FXint rows, current, at, n, wantCurrent;
        bool changed;
    };
    const Case cases[] = {
        {6, 4, 1, 2, 2, true},   // after the range: moves up
        {6, 2, 1, 2, 2, true},   // inside the range: keeps its index
        {6, 5, 4, 2, 3, true},   // inside, grid got shorter: last row
        {6, 0, 1, 2, 0, false},  // before the range
        {2, 1, 0, 2, -1, true},  // every row gone
    };
    for (const Case& c : cases) {
        TestTable* t = filled(c.rows, 2);
        t->setCurrentItem(c.current, 1);
        recorder.events.clear();
        t->removeRows(c.at, c.n, TRUE);
        EXPECT_EQ(t->getCurrent().row, c.wantCurrent) << c.current;
        ASSERT_FALSE(recorder.events.empty());
        EXPECT_EQ(recorder.events.front(), range(SEL_DELETED, c.at, 0, c.at + c.n - 1, 1));
        const bool told = recorder.events.back().type == SEL_CHANGED;
        EXPECT_EQ(told, c.changed) << c.current;
    }

    struct Bands {
        FXint leading, trailing, at, n, wantLeading, wantTrailing;
    };
    const Bands bands[] = {
        {3, 2, 0, 2, 1, 2},  // inside the leading band
        {3, 2, 2, 3, 2, 2},  // across leading and scrolling
        {3, 2, 8, 2, 3, 0},  // the trailing band
        {3, 2, 6, 3, 3, 1},  // across scrolling and trailing
    };
    for (const Bands& b : bands) {
        TestTable* t = filled(10, 1);
        t->setLeadingRows(b.leading);
        t->setTrailingRows(b.trailing);
        t->removeRows(b.at, b.n);
        EXPECT_EQ(t->getLeadingRows(), b.wantLeading) << b.at;
        EXPECT_EQ(t->getTrailingRows(), b.wantTrailing) << b.at;
        EXPECT_EQ(t->getScrollingRows(), 10 - b.n - b.wantLeading - b.wantTrailing);
    }
}

TEST_F(TableModel, RemovedColumnsKeepLaterWidths) {
    TestTable* t = filled(2, 4);
    t->setColumnWidth(3, 30);
    t->setCurrentItem(1, 3);
    t->removeColumns(1, 2);
    EXPECT_EQ(t->getNumCols(), 2);
    EXPECT_EQ(t->getColumnWidth(1), 30);
    EXPECT_EQ(t->getContentWidth(), 131);
    EXPECT_EQ(t->getCurrent().col, 1);
    EXPECT_EQ(t->deaths, 4);
}

TEST_F(TableModel, RemoveItemEmptiesItsSpan) {
    TestTable* t = filled(3, 3);
    t->removeItem(1, 1);
    EXPECT_EQ(t->deaths, 1);
    t->removeItem(2, 1);
    t->removeItem(0, 1);
    recorder.events.clear();
    t->removeItem(1, 1, TRUE);  // an empty cell: the run of empty cells around it
    EXPECT_EQ(recorder.events, (std::vector<TableEvent>{range(SEL_DELETED, 0, 1, 2, 1)}));

    t->span(0, 2, 2, 3);
    const int before = t->deaths;
    t->removeItem(1, 2, TRUE);
    EXPECT_EQ(t->deaths, before + 1);
    EXPECT_EQ(t->getItem(0, 2), nullptr);
}

TEST_F(TableModel, ItemsTakeLookFromCreateItems) {
    TestTable* t = filled(2, 2);
    FXFont* f = testApp().getNormalFont();
    t->getItem(0, 0)->backColor = FXRGB(1, 2, 3);
    t->getItem(0, 0)->state |= TFXTableItem::SELECTED;
    t->createColoredItems(0, 1, 0, 2, 0xFFFFFFFF, TFXTableItem::LEFT | TFXTableItem::TOP, f);
    EXPECT_EQ(t->getItem(0, 0)->backColor, FXRGB(1, 2, 3));
    EXPECT_EQ(t->getItem(0, 0)->font, f);
    EXPECT_EQ(t->getItem(0, 0)->state,
              TFXTableItem::SELECTED | TFXTableItem::LEFT | TFXTableItem::TOP);
    t->createColoredItems(0, 1, 0, 1, FXRGB(9, 9, 9), 0, nullptr);
    EXPECT_EQ(t->getItem(0, 0)->backColor, FXRGB(9, 9, 9));
    t->createItems(0, 1, 0, 1, TFXTableItem::RIGHT, nullptr);
    EXPECT_EQ(t->getItem(0, 0)->backColor, 0u);
    EXPECT_EQ(t->getItem(0, 0)->font, f);

    TestTable fresh(shell, &recorder);
    fresh.setTableSize(1, 1);
    fresh.setItemText(0, 0, "x");
    const TFXTableItem* made = fresh.getItem(0, 0);
    EXPECT_EQ(made->state, TFXTableItem::RIGHT);
    EXPECT_EQ(made->label, "x");
    EXPECT_EQ(made->cellText, nullptr);
    EXPECT_EQ(fresh.getCellText(0, 0), nullptr);
    fresh.getItem(0, 0)->cellText = "text";
    EXPECT_STREQ(fresh.getCellText(0, 0), "text");
}

TEST_F(TableModel, ItemFlagsAndJustify) {
    TFXTableItem item("a");
    item.setSelected(TRUE);
    item.setEnabled(FALSE);
    EXPECT_EQ(item.state & TFXTableItem::DISABLED, TFXTableItem::DISABLED);
    item.setJustify(TFXTableItem::BOTTOM | TFXTableItem::BUTTON);
    EXPECT_EQ(item.state, TFXTableItem::SELECTED | TFXTableItem::DISABLED | TFXTableItem::BOTTOM);
}

TEST_F(TableModel, SelectionQueriesOutsideTheGridAnswerFalseQuietly) {
    TestTable* t = filled(2, 2);
    t->selectItem(1, 1);
    for (FXint r : {-1, 2}) EXPECT_FALSE(t->isItemSelected(r, 1));
    EXPECT_TRUE(t->isItemSelected(1, 1));
    EXPECT_TRUE(report.errors.empty());
}

TEST_F(TableModel, ColumnWidthsAndLooks) {
    TestTable* t = filled(1, 3);
    t->setColumnWidth(1, -5);
    EXPECT_EQ(t->getColumnWidth(1), 0);
    EXPECT_EQ(t->getColumnX(2), 100);
    EXPECT_EQ(t->getContentWidth(), 201);
    t->showVertGrid(FALSE);
    t->showHorzGrid(FALSE);
    EXPECT_EQ(t->getContentWidth(), 200);
    EXPECT_EQ(t->getContentHeight(), 20);

    t->setCellColor(3, 4, FXRGB(1, 1, 1));
    EXPECT_EQ(t->getCellColor(1, 0), FXRGB(1, 1, 1));
    t->setVisibleCols(-2);
    EXPECT_EQ(t->getVisibleCols(), 0);
    t->setVisibleCols(3);
    EXPECT_EQ(t->getDefaultWidth(), 300);
}

TEST_F(TableModel, CallsOutsideTheGridAreReportedAndRefused) {
    struct Case {
        std::function<void(TFXTable&)> call;
        const char* report;
    };
    const Case cases[] = {
        {[](TFXTable& t) { t.getItem(2, 0); }, "TFXTable::getItem: index out of range.\n"},
        {[](TFXTable& t) { t.setItemText(0, 3, "x"); },
         "TFXTable::setItemText: index out of range.\n"},
        {[](TFXTable& t) { t.getItemText(-1, 0); }, "TFXTable::getItemText: index out of range.\n"},
        {[](TFXTable& t) { t.isItemEnabled(0, -1); },
         "TFXTable::isItemEnabled: index out of range.\n"},
        {[](TFXTable& t) { t.createItems(-1, 1, 0, 1, 0, nullptr); },
         "TFXTable::createItems: low index out of range.\n"},
        {[](TFXTable& t) { t.createColoredItems(0, 3, 0, 4, 0, 0, nullptr); },
         "TFXTable::createItems: high index out of range (3,4) of (2,3).\n"},
        {[](TFXTable& t) { t.setTableSize(-1, 2); },
         "TFXTable::setTableSize: argument out of range.\n"},
        {[](TFXTable& t) { t.setTableSize(0x10000, 0x10000); },
         "TFXTable::setTableSize: out of memory.\n"},
        {[](TFXTable& t) { t.insertRows(3, 1); }, "TFXTable::insertRows: row out of range.\n"},
        {[](TFXTable& t) { t.insertColumns(-1, 1); },
         "TFXTable::insertColumns: column out of range.\n"},
        {[](TFXTable& t) { t.removeRows(1, 2); }, "TFXTable::removeRows: row out of range.1,2,2\n"},
        {[](TFXTable& t) { t.removeColumns(0, 4); },
         "TFXTable::removeColumns: column out of range.\n"},
        {[](TFXTable& t) { t.removeItem(2, 2); }, "TFXTable::removeItem: index out of range.\n"},
        {[](TFXTable& t) { t.setColumnWidth(3, 5); },
         "TFXTable::setColumnWidth: column out of range\n"},
        {[](TFXTable& t) { t.getColumnWidth(-1); },
         "TFXTable::getColumnWidth: column out of range\n"},
        {[](TFXTable& t) { t.getRowHeight(2); }, "TFXTable::getRowHeight: row out of range\n"},
        {[](TFXTable& t) { t.setLeadingRows(3); },
         "TFXTable::setLeadingRows: number out of range\n"},
        {[](TFXTable& t) { t.setLeadingCols(-1); },
         "TFXTable::setLeadingCols: number out of range\n"},
        {[](TFXTable& t) { t.setTrailingRows(3); },
         "TFXTable::setTrailingRows: number out of range\n"},
        {[](TFXTable& t) { t.setTrailingCols(4); },
         "TFXTable::setTrailingCols: number out of range\n"},
        {[](TFXTable& t) { t.setFont(nullptr); }, "TFXTable::setFont: NULL font specified.\n"},
        {[](TFXTable& t) { t.getColumnX(4); }, "TFXTable::getColumnX: column out of range\n"},
        {[](TFXTable& t) { t.setColumnX(-1, 0); }, "TFXTable::setColumnX: column out of range\n"},
        {[](TFXTable& t) { t.getRowY(3); }, "TFXTable::getRowY: row out of range\n"},
        {[](TFXTable& t) { t.setRowY(3, 0); }, "TFXTable::setRowY: row out of range\n"},
        {[](TFXTable& t) { t.updateItems(0, 3, 0, 1); },
         "TFXTable::updateItems: index out of range.\n"},
        {[](TFXTable& t) { t.selectItem(2, 0); }, "TFXTable::selectItem: index out of range.\n"},
        {[](TFXTable& t) { t.deselectItem(0, 3); },
         "TFXTable::deselectItem: index out of range.\n"},
        {[](TFXTable& t) { t.toggleItem(-1, 0); }, "TFXTable::toggleItem: index out of range.\n"},
    };
    for (const Case& c : cases) {
        TFXTable plain(shell, 0, 0);
        plain.setTableSize(2, 3);
        plain.createItems(0, 2, 0, 3, 0, nullptr);
        plain.setLeadingRows(1);
        report.errors.clear();
        c.call(plain);
        ASSERT_EQ(report.errors.size(), 1u) << c.report;
        EXPECT_EQ(report.errors[0], c.report);
        EXPECT_EQ(plain.getNumRows(), 2) << c.report;
        EXPECT_EQ(plain.getNumCols(), 3) << c.report;
        EXPECT_EQ(plain.getLeadingRows(), 1) << c.report;
        EXPECT_EQ(plain.getColumnWidth(2), 100) << c.report;
        EXPECT_NE(plain.getItem(1, 2), nullptr) << c.report;
    }
}

TEST_F(TableModel, ItemsStreamLabelIconAndState) {
    TFXTableItem out("a");
    out.state = TFXTableItem::LEFT | TFXTableItem::BUTTON;
    out.cellText = "not saved";
    FXMemoryStream store;
    store.open(FXStreamSave, nullptr);
    store << &out;
    FXuchar* buffer = nullptr;
    FXuval size = 0;
    store.takeBuffer(buffer, size);
    store.close();

    FXMemoryStream in;
    in.open(FXStreamLoad, size, buffer);
    TFXTableItem* back = nullptr;
    in >> back;
    in.close();
    FXFREE(&buffer);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->label, "a");
    EXPECT_EQ(back->state, TFXTableItem::LEFT | TFXTableItem::BUTTON);
    EXPECT_EQ(back->icon, nullptr);
    EXPECT_EQ(back->cellText, nullptr);
    delete back;
}

}  // namespace
