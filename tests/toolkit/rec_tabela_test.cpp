#include <cstring>
#include <string>
#include <vector>

#include "texts/text_catalogue.h"
#include "peer/modal_driver.h"
#include "sub/rec_cursor.h"
#include "toolkit/rec_tabela.h"
#include "toolkit/record_fixtures.h"
#include "toolkit/small_dialogs.h"
#include "toolkit/text_codec.h"

using namespace FX;

namespace {

// Keys KOORX and DTI, then Stanje and the string verzija.
constexpr int16_t kTable = 12;
const char* const kSeveralCells = "Vise od jednog polja je selektovano";

bool idAtLeast2(const uint8_t* r) {
    return r[0] >= 2;
}
bool acceptsNone(const uint8_t*) {
    return false;
}

class RecordTable : public RecordWindowTest {
protected:
    void SetUp() override {
        RecordWindowTest::SetUp();
        tables.insert(kTable, "1,1,10,v1");
        tables.insert(kTable, "2,1,20,v22");
        tables.insert(kTable, "3,1,30,v333");
    }
    TFltRecTabela* view(RecordFilter filter) {
        auto* t = new TFltRecTabela(host, &cursor, std::move(filter));
        t->getTable()->create();
        return t;
    }
    ScopedTables tables{kTable};
    TUniRec cursor{kTable};
};

TEST_F(RecordTable, ColumnsAreTheFieldsWithKeysFixed) {
    TFltRecTabela* t = view(nullptr);
    ASSERT_EQ(t->getColumnCount(), 4);
    const char* titles[] = {"KOORX ", "DTI ", "Stanje ", "verzija"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(t->getColumnTitle(i), titles[i]);
        EXPECT_EQ(t->getColumnWidthChars(i), static_cast<int>(std::strlen(titles[i])));
    }
    EXPECT_EQ(t->getTable()->getLeadingCols(), 2);
    // Record cells are right-justified; a longer text widens its column.
    EXPECT_EQ(t->getTable()->getItem(1, 1)->state & TFXTableItem::RIGHT, TFXTableItem::RIGHT);
    elapse(1);
    ASSERT_STREQ(t->getCellText(3, 3), "v333");
    EXPECT_EQ(t->getColumnWidthChars(3), 7);
    ASSERT_STREQ(t->getCellText(2, 1), "  1");  // in the field's display width
    EXPECT_EQ(t->getColumnWidthChars(1), 4);

    delete t;
}

TEST_F(RecordTable, RowsFollowTheFilter) {
    const struct {
        const char* name;
        RecordFilter filter;
        int rows;
        const char* firstKey;  // text of cell (1, 0), null for none
    } cases[] = {
        {"no filter", nullptr, 4, "  1"},
        {"filter", idAtLeast2, 3, "  2"},
        {"filter accepting none", acceptsNone, 1, nullptr},
    };
    for (const auto& c : cases) {
        TFltRecTabela* t = view(c.filter);
        EXPECT_EQ(t->getRowCount(), -1) << c.name;  // the first refresh is due
        elapse(1);
        EXPECT_EQ(t->getRowCount(), c.rows) << c.name;
        EXPECT_EQ(t->TTabela::getRowCount(), c.rows) << c.name;
        const char* key = t->getCellText(1, 0);
        if (c.firstKey == nullptr)
            EXPECT_EQ(key, nullptr) << c.name;
        else
            EXPECT_STREQ(key, c.firstKey) << c.name;
        EXPECT_EQ(t->getCellText(0, 0), nullptr) << c.name;
        EXPECT_EQ(t->getCellText(c.rows, 0), nullptr) << c.name;
        EXPECT_EQ(t->seekRow(-1), -1) << c.name;
        EXPECT_EQ(t->seekRow(c.rows - 1), -1) << c.name;
        delete t;
        elapse(kRecordRefreshPeriod);
    }
}

TEST_F(RecordTable, GrowingARecordViewNeedsTheCursor) {
    TFltRecTabela* t = view(nullptr);
    EXPECT_EQ(t->setRecordRowCount(9, 1, nullptr), -1);
    EXPECT_EQ(t->setRecordRowCount(2, 1, nullptr), 2);
    EXPECT_EQ(t->setRecordRowCount(2, 1, nullptr), 0);
    EXPECT_EQ(t->setRecordRowCount(5, 1, &cursor), 1);
    EXPECT_EQ(t->TTabela::getRowCount(), 5);
    TTabela unbuilt(host);
    EXPECT_EQ(unbuilt.setRecordRowCount(1, 0, &cursor), -1);
    delete t;
}

// A burst of changes: one refresh at once, one more 500 ms later.
TEST_F(RecordTable, RefreshesAreThrottled) {
    TFltRecTabela* t = view(nullptr);
    elapse(1);
    elapse(kRecordRefreshPeriod);  // the start-up period has ended
    ASSERT_EQ(t->refreshTimer(), -1);
    ASSERT_EQ(t->TTabela::getRowCount(), 4);
    for (int i = 0; i < 10; ++i) {
        tables.insert(kTable, (std::to_string(10 + i) + ",1,0,y").c_str());
        t->refresh();
        // Only the first change was applied at once.
        EXPECT_EQ(t->TTabela::getRowCount(), 5) << i;
        EXPECT_EQ(t->refreshWanted(), i > 0) << i;
        elapse(10);
    }
    elapse(kRecordRefreshPeriod - 100);
    EXPECT_EQ(t->TTabela::getRowCount(), 14);
    EXPECT_GE(t->refreshTimer(), 0);  // the new period runs
    EXPECT_FALSE(t->refreshWanted());
    elapse(kRecordRefreshPeriod);
    EXPECT_EQ(t->refreshTimer(), -1);
    delete t;
}

TEST_F(RecordTable, SelectionGivesTheRecord) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> cells;  // selected, the first one remembered
        int expected;
        const char* box;
        uint8_t key;
    };
    const Case cases[] = {
        {"nothing selected", {}, -2, textById(21120), 0},
        {"title row", {{0, 1}}, -1, nullptr, 0},
        {"a row whose record is gone", {{3, 1}}, -1, nullptr, 0},
        {"two neighbouring cells", {{2, 2}, {2, 1}}, -1, kSeveralCells, 0},
        {"a record", {{2, 1}}, 0, nullptr, 2},
    };
    for (bool filtered : {false, true}) {
        for (const Case& c : cases) {
            TFltRecTabela* t =
                view(filtered ? RecordFilter([](const uint8_t*) { return true; }) : RecordFilter());
            elapse(1);
            for (std::size_t i = 0; i < c.cells.size(); ++i)
                t->getTable()->selectItem(c.cells[i].first, c.cells[i].second, i == 0);
            boxes.boxes.clear();
            if (c.cells.size() == 1 && c.cells[0].first == 3) {
                uint8_t conflict = 0;
                const Bytes key = recordOf(kTable, "3,1,30,v333");
                ASSERT_EQ(subDatabase.deleteRecord(0, kTable, key.data(), &conflict), tsOK);
            }
            EXPECT_EQ(t->selectRecord(), c.expected) << c.name;
            if (c.cells.size() == 1 && c.cells[0].first == 3) tables.insert(kTable, "3,1,30,v333");
            if (c.box == nullptr) {
                EXPECT_TRUE(boxes.boxes.empty()) << c.name;
            } else {
                ASSERT_EQ(boxes.boxes.size(), 1u) << c.name;
                EXPECT_EQ(boxes.boxes[0].text, c.box) << c.name;
            }
            if (c.expected == 0) EXPECT_EQ(cursor.record[0], c.key) << c.name;
            delete t;
            elapse(kRecordRefreshPeriod);
        }
    }
}

// The record dialog as the chooser of pickTableRecord.
TEST_F(RecordTable, RecordDialogChoosesARecord) {
    installRecordDialogChooser();
    const struct {
        const char* name;
        int row;  // row selected, 0 for none
        bool accept;
        bool insertWhileOpen;
        int expected;
        uint8_t key;
    } cases[] = {
        {"the filter's first record", 1, true, false, 0, 2},
        {"a later record", 2, true, false, 0, 3},
        {"OK without a selection", 0, true, false, kPickNoRecord, 0},
        {"cancelled", 1, false, false, kPickCancelled, 0},
        {"follows changes while open", 3, true, true, 0, 4},
    };
    for (const auto& c : cases) {
        boxes.boxes.clear();
        ModalDriver driver;
        driver.then([&](FXWindow* modal) {
            ASSERT_TRUE(modal->isMemberOf(FXMETACLASS(TRecDial)));
            auto* dialog = static_cast<TRecDial*>(modal);
            EXPECT_EQ(fromUtf8(dialog->getTitle()), "Выбор");
            elapse(1);
            if (c.insertWhileOpen) {
                tables.insert(kTable, "4,1,40,v4");
                elapse(kRecordRefreshPeriod);
            }
            EXPECT_EQ(dialog->recordTable()->TTabela::getRowCount(), c.insertWhileOpen ? 4 : 3)
                << c.name;
            if (c.row > 0) dialog->recordTable()->getTable()->selectItem(c.row, 1, TRUE);
            sendCommand(modal, c.accept ? FXDialogBox::ID_ACCEPT : FXDialogBox::ID_CANCEL);
        });
        driver.start();
        uint8_t record[64] = {};
        EXPECT_EQ(pickTableRecord("Выбор", kTable, record, sizeof record, idAtLeast2), c.expected)
            << c.name;
        if (c.expected == 0) EXPECT_EQ(record[0], c.key) << c.name;
        if (c.expected == kPickNoRecord) {
            ASSERT_EQ(boxes.boxes.size(), 1u) << c.name;
            EXPECT_EQ(boxes.boxes[0].text, textById(21120)) << c.name;
        }
        elapse(kRecordRefreshPeriod);
    }
    setRecordChooser(nullptr);
}

}  // namespace
