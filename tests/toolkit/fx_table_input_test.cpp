#include <set>
#include <utility>
#include <vector>

#include "toolkit/fx_table.h"
#include "toolkit/table_support.h"

#include <fox-1.6/fxkeys.h>

using namespace FX;

namespace {

using Cells = std::set<std::pair<FXint, FXint>>;
using Events = std::vector<TableEvent>;

class TableInput : public TableTest {
protected:
    // Five rows of 20 and three columns of 100 pixels, every cell with an item.
    TestTable* grid(FXint nr = 5, FXuint opts = 0) {
        TestTable* t = shownTable(nr, 3, 300, 200, opts);
        shell->show();
        return t;
    }
    static Cells selected(const TFXTable& t) {
        Cells out;
        for (FXint r = 0; r < t.getNumRows(); ++r)
            for (FXint c = 0; c < t.getNumCols(); ++c)
                if (t.isItemSelected(r, c)) out.insert({r, c});
        return out;
    }
    static long mouse(TFXTable* t, FXuint type, FXint x, FXint y, FXuint state = 0,
                      FXint clicks = 1) {
        FXEvent ev;
        ev.type = type;
        ev.win_x = x;
        ev.win_y = y;
        ev.state = state;
        ev.click_count = clicks;
        return t->handle(t, FXSEL(type, 0), &ev);
    }
    // A press and release at the middle of a cell.
    static void click(TFXTable* t, FXint row, FXint col, FXuint state = 0) {
        mouse(t, SEL_LEFTBUTTONPRESS, col * 100 + 50, row * 20 + 10, state);
        mouse(t, SEL_LEFTBUTTONRELEASE, col * 100 + 50, row * 20 + 10, state);
    }
    static long key(TFXTable* t, FXuint type, FXuint code, FXuint state = 0) {
        FXEvent ev;
        ev.type = type;
        ev.code = code;
        ev.state = state;
        return t->handle(t, FXSEL(type, 0), &ev);
    }
    static void press(TFXTable* t, FXuint code, FXuint state = 0) {
        key(t, SEL_KEYPRESS, code, state);
        key(t, SEL_KEYRELEASE, code, state);
    }
};

TEST_F(TableInput, ClicksSelect) {
    struct Case {
        const char* name;
        Cells before;
        bool anchored;  // anchor and extent at (0, 0) .. (1, 1)
        FXint row, col;
        FXuint state;
        Events events;  // up to the release
        Cells after;
    };
    const Case cases[] = {
        {"plain click clears silently",
         {{0, 0}, {1, 1}},
         false,
         2,
         2,
         0,
         {pos(SEL_CHANGED, 2, 2), pos(SEL_SELECTED, 2, 2)},
         {{2, 2}}},
        {"plain click on a disabled cell",
         {{0, 0}},
         false,
         3,
         0,
         0,
         {pos(SEL_CHANGED, 3, 0)},
         {{0, 0}}},
        {"plain click on an empty cell",
         {{0, 0}},
         false,
         4,
         2,
         0,
         {pos(SEL_CHANGED, 4, 2)},
         {{0, 0}}},
        {"shift without anchor",
         {},
         false,
         1,
         1,
         SHIFTMASK,
         {pos(SEL_CHANGED, 1, 1), pos(SEL_SELECTED, 1, 1)},
         {{1, 1}}},
        {"shift with anchor",
         {{0, 0}, {0, 1}, {1, 0}, {1, 1}},
         true,
         2,
         0,
         SHIFTMASK,
         {pos(SEL_CHANGED, 2, 0), pos(SEL_DESELECTED, 0, 1), pos(SEL_DESELECTED, 1, 1),
          pos(SEL_SELECTED, 2, 0)},
         {{0, 0}, {1, 0}, {2, 0}}},
        {"control toggles",
         {{1, 1}, {0, 0}},
         false,
         1,
         1,
         CONTROLMASK,
         {pos(SEL_CHANGED, 1, 1), pos(SEL_DESELECTED, 1, 1)},
         {{0, 0}}},
    };
    for (const Case& c : cases) {
        TestTable* t = grid();
        t->getItem(3, 0)->setEnabled(FALSE);
        t->removeItem(4, 2);
        for (const auto& cell : c.before) t->selectItem(cell.first, cell.second);
        if (c.anchored) {
            t->setAnchorItem(0, 0);
            t->extendSelection(1, 1);
        }
        recorder.events.clear();
        mouse(t, SEL_LEFTBUTTONPRESS, c.col * 100 + 50, c.row * 20 + 10, c.state);
        EXPECT_EQ(recorder.events, c.events) << c.name;
        EXPECT_EQ(selected(*t), c.after) << c.name;
        EXPECT_EQ(t->getAnchor().row, c.anchored ? 0 : c.row) << c.name;
        EXPECT_EQ(t->getMouseMode(), TFXTable::MOUSE_SELECT);
        mouse(t, SEL_LEFTBUTTONRELEASE, c.col * 100 + 50, c.row * 20 + 10, c.state);
        EXPECT_EQ(t->getMouseMode(), TFXTable::MOUSE_NONE);
        EXPECT_EQ(t->getAnchor().row, c.row) << c.name;
        EXPECT_EQ(t->getExtent().col, c.col) << c.name;
        delete t;
    }
}

TEST_F(TableInput, ReleaseReportsClicksAndCommand) {
    TestTable* t = grid();
    t->getItem(3, 0)->setEnabled(FALSE);
    struct Case {
        FXint row, clicks;
        Events events;
    };
    const Case cases[] = {
        {1, 1, {pos(SEL_CLICKED, 1, 1), pos(SEL_COMMAND, 1, 1)}},
        {1, 2, {pos(SEL_DOUBLECLICKED, 1, 1), pos(SEL_COMMAND, 1, 1)}},
        {1, 3, {pos(SEL_TRIPLECLICKED, 1, 1), pos(SEL_COMMAND, 1, 1)}},
        {3, 1, {pos(SEL_CLICKED, 3, 0)}},  // a disabled cell sends no command
    };
    for (const Case& c : cases) {
        const FXint col = c.row == 3 ? 0 : 1;
        mouse(t, SEL_LEFTBUTTONPRESS, col * 100 + 50, c.row * 20 + 10);
        recorder.events.clear();
        mouse(t, SEL_LEFTBUTTONRELEASE, col * 100 + 50, c.row * 20 + 10, 0, c.clicks);
        EXPECT_EQ(recorder.events, c.events) << c.clicks;
    }

    // The target may take an event over before the table acts.
    recorder.takeOver = SEL_LEFTBUTTONPRESS;
    recorder.events.clear();
    mouse(t, SEL_LEFTBUTTONPRESS, 250, 90);
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_EQ(t->getCurrent().row, 3);
    // A press outside every cell is not handled.
    recorder.takeOver = 0;
    EXPECT_EQ(mouse(t, SEL_LEFTBUTTONPRESS, 350, 10), 0);
    mouse(t, SEL_LEFTBUTTONRELEASE, 350, 10);
}

TEST_F(TableInput, KeysMoveTheCurrentCell) {
    struct Case {
        FXint rows, row, col;
        FXuint code, state;
        FXint wantRow, wantCol;
    };
    const Case cases[] = {
        {5, 3, 1, KEY_Page_Down, 0, 4, 1},      {12, 7, 1, KEY_Page_Up, 0, 0, 1},
        {12, 1, 1, KEY_KP_Page_Down, 0, 11, 1}, {12, 11, 1, KEY_Page_Up, 0, 1, 1},
        {5, 2, 0, KEY_Left, 0, 2, 0},           {5, 2, 1, KEY_Right, 0, 2, 2},
        {5, 2, 2, KEY_KP_Right, 0, 2, 2},       {5, 2, 1, KEY_Up, 0, 1, 1},
        {5, 4, 1, KEY_Down, 0, 4, 1},           {5, 2, 2, KEY_Home, 0, 2, 0},
        {5, 2, 2, KEY_Home, CONTROLMASK, 0, 2}, {5, 2, 0, KEY_KP_End, 0, 2, 2},
        {5, 2, 0, KEY_End, CONTROLMASK, 4, 0},  {5, 2, 0, KEY_KP_Down, 0, 3, 0},
    };
    for (const Case& c : cases) {
        TestTable* t = grid(c.rows);
        t->setCurrentItem(c.row, c.col);
        press(t, c.code, c.state);
        EXPECT_EQ(t->getCurrent().row, c.wantRow) << std::hex << c.code;
        EXPECT_EQ(t->getCurrent().col, c.wantCol) << std::hex << c.code;
        EXPECT_EQ(t->getAnchor().row, c.wantRow) << std::hex << c.code;
        delete t;
    }
}

TEST_F(TableInput, ArrowsClearOrExtendTheSelection) {
    TestTable* t = grid();
    click(t, 1, 1);
    t->selectItem(0, 0);
    recorder.events.clear();
    press(t, KEY_Down);
    EXPECT_EQ(recorder.events, (Events{pos(SEL_DESELECTED, 0, 0), pos(SEL_DESELECTED, 1, 1),
                                       pos(SEL_CHANGED, 2, 1)}));
    EXPECT_TRUE(selected(*t).empty());

    click(t, 2, 1);
    press(t, KEY_Down, SHIFTMASK);
    press(t, KEY_Right, SHIFTMASK);
    EXPECT_EQ(selected(*t), (Cells{{2, 1}, {2, 2}, {3, 1}, {3, 2}}));
    EXPECT_EQ(t->getAnchor().row, 2);

    // Enter released is a double click on the current cell, even when there is none.
    t->setTableSize(0, 0);
    recorder.events.clear();
    EXPECT_EQ(key(t, SEL_KEYPRESS, KEY_Return), 1);
    EXPECT_EQ(key(t, SEL_KEYRELEASE, KEY_Return), 1);
    EXPECT_EQ(recorder.events, (Events{pos(SEL_DOUBLECLICKED, -1, -1)}));
    EXPECT_EQ(key(t, SEL_KEYPRESS, KEY_a), 0);

    // A key the target handles is its own.
    t->setTableSize(3, 3);
    t->setCurrentItem(0, 0);
    recorder.takeOver = SEL_KEYPRESS;
    press(t, KEY_Down);
    EXPECT_EQ(t->getCurrent().row, 0);
}

TEST_F(TableInput, CurrentCellIsToldOnlyWhenItMoves) {
    TestTable* t = grid();
    recorder.events.clear();
    t->setCurrentItem(9, -3, TRUE);  // clamped into the grid
    t->setCurrentItem(4, 0, TRUE);
    EXPECT_EQ(recorder.events, (Events{pos(SEL_CHANGED, 4, 0)}));
}

TEST_F(TableInput, DraggingSizesAndScrolls) {
    TestTable* t = grid(5, TFXTABLE_COL_SIZABLE | TFXTABLE_ROW_SIZABLE);
    mouse(t, SEL_LEFTBUTTONPRESS, 1, 10);  // boundary 0 is never dragged
    EXPECT_EQ(t->getMouseMode(), TFXTable::MOUSE_SELECT);
    mouse(t, SEL_LEFTBUTTONRELEASE, 1, 10);

    mouse(t, SEL_LEFTBUTTONPRESS, 101, 10);
    EXPECT_EQ(t->getMouseMode(), TFXTable::MOUSE_COL_SIZE);
    mouse(t, SEL_MOTION, 150, 10);
    EXPECT_EQ(t->getColumnWidth(0), 150);
    EXPECT_EQ(t->getColumnWidth(1), 100);
    recorder.events.clear();
    mouse(t, SEL_LEFTBUTTONRELEASE, 150, 10);
    EXPECT_EQ(recorder.events, (Events{pos(SEL_CLICKED, 0, 0), pos(SEL_COMMAND, 0, 0)}));

    mouse(t, SEL_LEFTBUTTONPRESS, 50, 41);
    EXPECT_EQ(t->getMouseMode(), TFXTable::MOUSE_ROW_SIZE);
    mouse(t, SEL_MOTION, 50, 45);
    EXPECT_EQ(t->getRowHeight(1), 25);
    mouse(t, SEL_LEFTBUTTONRELEASE, 50, 45);

    TestTable* big = shownTable(20, 10, 300, 100);
    mouse(big, SEL_RIGHTBUTTONPRESS, 200, 50);
    EXPECT_EQ(big->getMouseMode(), TFXTable::MOUSE_SCROLL);
    mouse(big, SEL_MOTION, 150, 30);
    EXPECT_EQ(big->getXPosition(), -50);  // the point under the pointer stays under it
    EXPECT_EQ(big->getYPosition(), -20);
    mouse(big, SEL_RIGHTBUTTONRELEASE, 150, 30);
    EXPECT_EQ(big->getMouseMode(), TFXTable::MOUSE_NONE);
}

TEST_F(TableInput, DragSelectsARectangle) {
    TestTable* t = grid();
    mouse(t, SEL_LEFTBUTTONPRESS, 50, 10);
    mouse(t, SEL_MOTION, 150, 50);
    mouse(t, SEL_LEFTBUTTONRELEASE, 150, 50);
    EXPECT_EQ(selected(*t), (Cells{{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}, {2, 1}}));
    EXPECT_EQ(t->getCurrent().row, 2);
}

TEST_F(TableInput, Commands) {
    TestTable* t = grid();
    t->setCurrentItem(2, 1);
    t->handle(t, FXSEL(SEL_COMMAND, TFXTable::ID_SELECT_ROW), nullptr);
    EXPECT_EQ(selected(*t), (Cells{{2, 0}, {2, 1}, {2, 2}}));
    t->handle(t, FXSEL(SEL_COMMAND, TFXTable::ID_DESELECT_ALL), nullptr);
    t->handle(t, FXSEL(SEL_COMMAND, TFXTable::ID_SELECT_COLUMN), nullptr);
    EXPECT_EQ(selected(*t), (Cells{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}}));
    t->handle(t, FXSEL(SEL_COMMAND, TFXTable::ID_SELECT_ALL), nullptr);
    EXPECT_EQ(selected(*t).size(), 15u);
    t->handle(t, FXSEL(SEL_COMMAND, TFXTable::ID_DESELECT_ALL), nullptr);
    EXPECT_TRUE(selected(*t).empty());
    t->handle(t, FXSEL(SEL_COMMAND, TFXTable::ID_SELECT_CELL), nullptr);
    EXPECT_EQ(selected(*t), (Cells{{2, 1}}));

    t->handle(t, FXSEL(SEL_COMMAND, TFXTable::ID_DELETE_ROW), nullptr);
    EXPECT_EQ(t->getNumRows(), 4);
    t->handle(t, FXSEL(SEL_COMMAND, TFXTable::ID_INSERT_COLUMN), nullptr);
    EXPECT_EQ(t->getNumCols(), 4);
    EXPECT_EQ(t->getCurrent().col, 2);
    t->handle(t, FXSEL(SEL_COMMAND, TFXTable::ID_HORZ_GRID), nullptr);
    EXPECT_FALSE(t->isHorzGridShown());

    FXCheckButton check(shell, "grid");
    t->handle(&check, FXSEL(SEL_UPDATE, TFXTable::ID_VERT_GRID), nullptr);
    EXPECT_EQ(check.getCheck(), TRUE);
    t->handle(&check, FXSEL(SEL_UPDATE, TFXTable::ID_HORZ_GRID), nullptr);
    EXPECT_EQ(check.getCheck(), FALSE);
    FXButton button(shell, "delete");
    t->handle(&button, FXSEL(SEL_UPDATE, TFXTable::ID_DELETE_ROW), nullptr);
    EXPECT_TRUE(button.isEnabled());
    t->setTableSize(0, 2);
    t->handle(&button, FXSEL(SEL_UPDATE, TFXTable::ID_DELETE_COLUMN), nullptr);
    EXPECT_FALSE(button.isEnabled());
}

}  // namespace
