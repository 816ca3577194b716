#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "peer/recording_toolkit_report.h"
#include "peer/test_app.h"
#include "toolkit/fx_table.h"

#include <fox-1.6/fx.h>

#include <gtest/gtest.h>

// One message a table sent its target, with its data copied.
struct TableEvent {
    FX::FXuint type;
    TFXTablePos first;  // the position, or the range's first cell
    TFXTablePos last;   // the range's last cell; {-9, -9} for a position
    bool operator==(const TableEvent& o) const {
        return type == o.type && first.row == o.first.row && first.col == o.first.col &&
               last.row == o.last.row && last.col == o.last.col;
    }
};

inline TableEvent pos(FX::FXuint type, FX::FXint r, FX::FXint c) {
    return {type, {r, c}, {-9, -9}};
}
inline TableEvent range(FX::FXuint type, FX::FXint r0, FX::FXint c0, FX::FXint r1, FX::FXint c1) {
    return {type, {r0, c0}, {r1, c1}};
}

std::ostream& operator<<(std::ostream& os, const TableEvent& e);

// Target of a table under test: records what it is told and may take over
// the input events it is offered.
class TableRecorder : public FX::FXObject {
    FXDECLARE(TableRecorder)

public:
    enum { ID_TABLE = 1 };
    long onMessage(FX::FXObject*, FX::FXSelector sel, void* ptr);
    std::vector<TableEvent> events;
    std::vector<FX::FXuint> inputs;  // event types offered first
    FX::FXuint takeOver = 0;         // an input type answered as handled
    bool handleForwarded = false;    // answer for clicks and commands
};

// Items that count their destruction, and a grid that makes them and can
// put one item into a rectangle of cells.
struct CountingItem : public TFXTableItem {
    explicit CountingItem(int** counter) : TFXTableItem(FX::FXString()), counter_(counter) {}
    ~CountingItem() override { ++**counter_; }
    int** counter_;
};

class TestTable : public TFXTable {
public:
    TestTable(FX::FXComposite* p, FX::FXObject* tgt, FX::FXuint opts = 0)
        : TFXTable(p, 0, 0, tgt, TableRecorder::ID_TABLE, opts) {}
    TFXTableItem* createItem(const FX::FXString& text, FX::FXIcon* icon, void* ptr) override {
        auto* item = new CountingItem(&counter);
        item->label = text;
        item->icon = icon;
        item->data = ptr;
        item->state = TFXTableItem::RIGHT;
        return item;
    }
    // Puts a new item into rows [r0, r1) x columns [c0, c1).
    // The items it replaces are deleted.
    TFXTableItem* span(FX::FXint r0, FX::FXint r1, FX::FXint c0, FX::FXint c1) {
        TFXTableItem* item = createItem(FX::FXString(), nullptr, nullptr);
        std::vector<TFXTableItem*> old;
        for (FX::FXint r = r0; r < r1; ++r) {
            for (FX::FXint c = c0; c < c1; ++c) {
                TFXTableItem*& cell = cellRef(r, c);
                if (cell != nullptr && std::find(old.begin(), old.end(), cell) == old.end())
                    old.push_back(cell);
                cell = item;
            }
        }
        for (TFXTableItem* o : old)
            if (std::find(cells.begin(), cells.end(), o) == cells.end()) delete o;
        return item;
    }
    int deaths = 0;
    int* counter = &deaths;  // where item deaths are counted
};

// A shell window for the grids of one test; deletes them with it.
class TableTest : public ::testing::Test {
protected:
    void SetUp() override {
        testApp();
        shell = new FX::FXMainWindow(&testApp(), "table", nullptr, nullptr, FX::DECOR_NONE, 0, 0,
                                     640, 480);
    }
    void TearDown() override {
        delete shell;
        EXPECT_TRUE(report.assertions.empty()) << report.assertions.front();
    }
    // A created grid of the given size, laid out at w x h pixels without
    // scroll bars so that the viewport is the whole widget.
    TestTable* shownTable(FX::FXint nr, FX::FXint nc, FX::FXint w, FX::FXint h,
                          FX::FXuint opts = 0) {
        auto* t = new TestTable(shell, &recorder, opts | FX::HSCROLLER_NEVER | FX::VSCROLLER_NEVER);
        t->setTableSize(nr, nc);
        t->createItems(0, nr, 0, nc, TFXTableItem::RIGHT, nullptr);
        shell->create();
        t->position(0, 0, w, h);
        t->layout();
        return t;
    }
    RecordingToolkitReport report;
    TableRecorder recorder;
    FX::FXMainWindow* shell = nullptr;
};
