#include <vector>

#include "toolkit/fx_table.h"
#include "toolkit/table_support.h"

using namespace FX;

namespace {

class TableGeometry : public TableTest {
protected:
    // Six 100-pixel columns in a 400-pixel viewport, one leading and one
    // trailing column; five rows.
    TestTable* wide() {
        TestTable* t = shownTable(5, 6, 400, 200);
        t->setLeadingCols(1);
        t->setTrailingCols(1);
        t->layout();
        return t;
    }
};

TEST_F(TableGeometry, BandEdgesFollowTheViewport) {
    TestTable* narrow = shownTable(5, 3, 400, 200);
    EXPECT_EQ(narrow->getTableRight(), 300);
    EXPECT_EQ(narrow->getTableBottom(), 100);
    EXPECT_EQ(narrow->getScrollableRight(), 300);

    TestTable* t = wide();
    EXPECT_EQ(t->getTableLeft(), 0);
    EXPECT_EQ(t->getTableRight(), 399);
    EXPECT_EQ(t->getScrollableLeft(), 100);
    EXPECT_EQ(t->getScrollableRight(), 299);
    EXPECT_EQ(t->getColumnX(5), 299);  // the trailing column stands against the right edge
}

TEST_F(TableGeometry, HitTestsByBand) {
    TestTable* t = wide();
    struct Case {
        FXint posX, x, col;
    };
    const Case cases[] = {
        {0, -1, -1}, {0, 0, 0},    {0, 99, 0},     {0, 100, 1},   {0, 298, 2},    {0, 299, 5},
        {0, 399, 5}, {0, 400, -1}, {-150, 100, 2}, {-150, 50, 0}, {-150, 350, 5}, {-150, 298, 4},
    };
    for (const Case& c : cases) {
        t->setPosition(c.posX, 0);
        EXPECT_EQ(t->colAtX(c.x), c.col) << c.posX << " " << c.x;
    }
    t->setPosition(-150, 0);
    EXPECT_EQ(t->getColumnX(0), 0);
    EXPECT_EQ(t->getColumnX(2), 50);
    EXPECT_EQ(t->getColumnX(5), 299);

    TestTable* narrow = shownTable(3, 3, 400, 200);
    EXPECT_EQ(narrow->colAtX(300), 2);  // exactly the right edge: the last column
    EXPECT_EQ(narrow->colAtX(301), -1);
    EXPECT_EQ(narrow->rowAtY(60), 2);
    EXPECT_EQ(narrow->rowAtY(61), -1);
    TestTable* empty = shownTable(0, 0, 400, 200);
    EXPECT_EQ(empty->colAtX(0), -1);
    EXPECT_EQ(empty->rowAtY(0), -1);
}

TEST_F(TableGeometry, FarEdgeOfAGridWiderThanItsViewportHitsTheLineUnderThePointer) {
    // Ten 100-pixel columns and ten 20-pixel rows in a 400 x 100 viewport, no
    // trailing band: the last pixel shows the scrolled column and row, not the last.
    TestTable* t = shownTable(10, 10, 400, 100);
    ASSERT_EQ(t->getTableRight(), 399);
    ASSERT_EQ(t->getTableBottom(), 99);
    EXPECT_EQ(t->colAtX(399), 3);
    EXPECT_EQ(t->rowAtY(99), 4);
    t->setPosition(-150, -30);
    EXPECT_EQ(t->colAtX(399), 5);
    EXPECT_EQ(t->rowAtY(99), 6);
    EXPECT_EQ(t->colAtX(400), -1);
    EXPECT_EQ(t->rowAtY(100), -1);
}

TEST_F(TableGeometry, RowsScrollWhileLeadingAndTrailingRowsStay) {
    TestTable* t = shownTable(20, 2, 300, 200);
    t->setLeadingRows(1);
    t->setTrailingRows(2);
    t->layout();
    EXPECT_EQ(t->getScrollableBottom(), 199 - 40);
    t->setPosition(0, -100);
    EXPECT_EQ(t->getYPosition(), -100);
    EXPECT_EQ(t->rowAtY(10), 0);
    EXPECT_EQ(t->rowAtY(20), 6);
    EXPECT_EQ(t->rowAtY(170), 18);
    EXPECT_EQ(t->getRowY(0), 0);
    EXPECT_EQ(t->getRowY(19), 179);
}

TEST_F(TableGeometry, BoundariesNearAPoint) {
    TestTable* t = shownTable(2, 3, 400, 200);
    struct Case {
        FXint col, x, near;
    };
    const Case cases[] = {{1, 99, 1}, {1, 100, 1},  {1, 101, 1}, {0, 101, 1},
                          {0, 1, 0},  {0, 102, -1}, {-1, 0, -1}, {2, 301, 3}};
    for (const Case& c : cases) EXPECT_EQ(t->nearestColumn(c.col, c.x), c.near) << c.x;
    EXPECT_EQ(t->nearestRow(1, 19), 1);
    EXPECT_EQ(t->nearestRow(0, 10), -1);
}

TEST_F(TableGeometry, MovingBoundaries) {
    TestTable* t = shownTable(2, 3, 400, 200);
    t->setColumnX(2, 50);  // never below the boundary before it
    EXPECT_EQ(t->getColumnWidth(1), 0);
    EXPECT_EQ(t->getColumnWidth(2), 100);
    t->setColumnX(0, 30);  // the first boundary never moves
    EXPECT_EQ(t->getColumnX(0), 0);

    TestTable* w = wide();
    w->setColumnX(6, 350);  // the grid's right edge narrows the trailing column
    w->layout();
    EXPECT_EQ(w->getColumnWidth(5), 51);
    EXPECT_EQ(w->getScrollableRight(), 348);
    EXPECT_EQ(w->getColumnX(5), 348);
    EXPECT_EQ(w->getColumnX(6), 399);

    w->setRowY(2, 30);
    EXPECT_EQ(w->getRowHeight(1), 10);
    EXPECT_EQ(w->getRowHeight(2), 20);
}

TEST_F(TableGeometry, MakePositionVisibleScrollsTheLeastNeeded) {
    TestTable* t = wide();
    t->makePositionVisible(0, 3);
    EXPECT_EQ(t->getXPosition(), -101);
    t->makePositionVisible(0, 0);  // a leading column scrolls nothing
    EXPECT_EQ(t->getXPosition(), -101);
    t->makePositionVisible(0, 5);
    EXPECT_EQ(t->getXPosition(), -101);

    t->setColumnWidth(2, 300);  // wider than the scrolling band
    t->layout();
    t->makePositionVisible(0, 2);
    EXPECT_EQ(t->getColumnX(2), t->getScrollableLeft());

    TestTable* tall = shownTable(30, 2, 300, 200);
    tall->scrollToBottom();
    EXPECT_EQ(tall->getXPosition(), 0);
    EXPECT_EQ(tall->getYPosition(), -(601 - 200));
}

TEST_F(TableGeometry, ContentPlacement) {
    using I = TFXTableItem;
    struct Case {
        FXuint state;
        FXint ix, iy, tx, ty;
    };
    // Cell at (10, 20), 100 x 40; margins 2, 3, 4, 5; text 30 x 12; icon 16 x 8.
    const Case cases[] = {
        {I::LEFT | I::TOP, 12, 24, 12, 24},
        {I::LEFT | I::TOP | I::BEFORE, 12, 24, 32, 24},
        {I::LEFT | I::TOP | I::AFTER, 46, 24, 12, 24},
        {I::LEFT | I::RIGHT | I::TOP | I::BOTTOM, 12, 24, 12, 24},  // first of each pair wins
        {I::RIGHT | I::TOP, 91, 24, 77, 24},
        {I::RIGHT | I::TOP | I::BEFORE, 57, 24, 77, 24},
        {I::RIGHT | I::TOP | I::AFTER | I::BEFORE, 57, 24, 77, 24},
        {I::RIGHT | I::TOP | I::AFTER, 91, 24, 57, 24},
        {I::TOP | I::BEFORE, 34, 24, 54, 24},
        {I::TOP | I::AFTER, 68, 24, 34, 24},
        {I::TOP, 51, 24, 44, 24},
        {I::LEFT | I::TOP | I::ABOVE, 12, 24, 12, 32},
        {I::LEFT | I::TOP | I::BELOW, 12, 36, 12, 24},
        {I::LEFT | I::BOTTOM, 12, 47, 12, 43},
        {I::LEFT | I::BOTTOM | I::ABOVE, 12, 35, 12, 43},
        {I::LEFT | I::BOTTOM | I::BELOW, 12, 47, 12, 35},
        {I::LEFT | I::ABOVE, 12, 29, 12, 37},
        {I::LEFT | I::BELOW, 12, 41, 12, 29},
        {I::LEFT, 12, 35, 12, 33},
    };
    for (const Case& c : cases) {
        const TFXContentPlace p =
            placeCellContent(c.state, 10, 20, 100, 40, 2, 3, 4, 5, 30, 12, 16, 8);
        EXPECT_EQ(p.ix, c.ix) << std::hex << c.state;
        EXPECT_EQ(p.iy, c.iy) << std::hex << c.state;
        EXPECT_EQ(p.tx, c.tx) << std::hex << c.state;
        EXPECT_EQ(p.ty, c.ty) << std::hex << c.state;
    }
    // Without an icon there is no gap.
    EXPECT_EQ(placeCellContent(I::LEFT | I::BEFORE, 0, 0, 100, 20, 2, 2, 2, 2, 30, 12, 0, 0).tx, 2);
}

TEST_F(TableGeometry, FillColourOfACell) {
    TestTable* t = shownTable(3, 3, 400, 200);
    t->setCellColor(1, 0, FXRGB(1, 0, 0));
    TFXTableItem* item = t->getItem(1, 0);
    EXPECT_EQ(t->cellFillColor(1, 2, 0, 1), FXRGB(1, 0, 0));
    item->backColor = FXRGB(0, 0, 7);  // no own font: no effect
    EXPECT_EQ(t->cellFillColor(1, 2, 0, 1), FXRGB(1, 0, 0));
    item->setSelected(TRUE);
    EXPECT_EQ(t->cellFillColor(1, 2, 0, 1), testApp().getSelbackColor());
    item->font = testApp().getNormalFont();
    // The selection shows over the item's own colour too.
    EXPECT_EQ(t->cellFillColor(1, 2, 0, 1), testApp().getSelbackColor());
    t->setSelBackColor(FXRGB(0, 9, 0));
    EXPECT_EQ(t->cellFillColor(1, 2, 0, 1), FXRGB(0, 9, 0));
    item->setSelected(FALSE);
    EXPECT_EQ(t->cellFillColor(1, 2, 0, 1), FXRGB(0, 0, 7));
    t->setBackColor(FXRGB(3, 3, 3));
    EXPECT_EQ(t->cellFillColor(0, 2, 1, 3), FXRGB(3, 3, 3));  // a span of several cells
}

TEST_F(TableGeometry, DrawsSpansOnceWithoutInnerLines) {
    const FXColor spanColor = FXRGB(10, 20, 30), parity = FXRGB(200, 100, 50);
    TestTable* t = shownTable(3, 3, 301, 61);
    TFXTableItem* big = t->span(0, 2, 0, 2);
    t->setBackColor(spanColor);
    t->removeItem(2, 2);
    t->setCellColor(0, 0, parity);
    t->selectItem(2, 0);

    FXImage image(&testApp(), nullptr, IMAGE_KEEP | IMAGE_OWNED, 301, 61);
    image.create();
    {
        FXDCWindow dc(&image);
        dc.setFont(t->getFont());
        dc.setForeground(FXRGB(255, 255, 255));
        dc.fillRectangle(0, 0, 301, 61);
        t->drawRange(dc, 0, 301, 0, 61, 0, 0, 0, 3, 0, 3);
    }
    image.restore();
    EXPECT_EQ(image.getPixel(50, 20), spanColor);                  // no row line inside the span
    EXPECT_EQ(image.getPixel(100, 10), spanColor);                 // nor a column line
    EXPECT_EQ(image.getPixel(150, 40), testApp().getBaseColor());  // the line below it
    EXPECT_EQ(image.getPixel(250, 50), parity);  // an empty cell in its parity colour
    EXPECT_EQ(image.getPixel(50, 50), testApp().getSelbackColor());
    EXPECT_EQ(t->startCol(1, 1), 0);
    (void)big;
}

}  // namespace
