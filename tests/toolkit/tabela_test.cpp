#include <string>
#include <vector>

#include "peer/recording_boxes.h"
#include "toolkit/table_support.h"
#include "toolkit/tabela.h"
#include "toolkit/text_codec.h"

using namespace FX;

namespace {

// A view whose data cells show their row and column.
class LabelledView : public TTabela {
public:
    using TTabela::TTabela;
    const char* getCellText(FXint row, FXint col) override {
        if (row == 0) return nullptr;
        text_ = "Ячейка " + std::to_string(row) + "," + std::to_string(col);
        return text_.c_str();
    }
    void remember(int col, int chars) { columnWidths[col] = chars; }

private:
    std::string text_;
};

class TableView : public TableTest {};

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

TEST_F(TableView, LayoutStringsBecomeTitledColumns) {
    const std::string box(1, static_cast<char>(0xB3));
    std::string many;
    for (int i = 0; i < 130; ++i) many += (i ? "|" : "") + std::string("t");
    struct Case {
        std::string layout;
        int columns;
        std::vector<int> widths;  // pixel widths of the first columns
        int visible;
        std::vector<std::string> titles;  // the first titles
    };
    const Case cases[] = {
        {"A|B|C", 3, {12, 12, 12}, 3, {"A", "B", "C"}},
        {"A" + box + "B" + box + "C", 3, {12, 12, 12}, 3, {"A", "B", "C"}},
        {"A|B" + box + "C", 3, {12, 12, 12}, 3, {"A", "B", "C"}},
        {"Номер абонента", 1, {768}, 8, {"Номер абонента"}},
        {"a|b|c|d|e|f|g|h|i", 9, {12}, 8, {"a"}},
        {"A||B", 3, {12, 0, 12}, 3, {"A", "", "B"}},
        {"", 1, {768}, 8, {""}},
        {"Имя|Тип", 2, {36, 36}, 2, {"Имя", "Тип"}},
        {"A|" + repeat("x", 300) + "|B", 2, {12, 255 * 12}, 2, {"A", repeat("x", 255)}},
    };
    for (const Case& c : cases) {
        TTabela view(shell, c.layout.c_str(), 10);
        OrTable* t = view.getTable();
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(view.getColumnCount(), c.columns) << c.layout;
        EXPECT_EQ(t->getNumCols(), c.columns) << c.layout;
        EXPECT_EQ(t->getVisibleCols(), c.visible) << c.layout;
        for (size_t i = 0; i < c.widths.size(); ++i)
            EXPECT_EQ(t->getColumnWidth(static_cast<FXint>(i)), c.widths[i]) << c.layout << i;
        for (size_t i = 0; i < c.titles.size(); ++i) {
            const TFXTableItem* title = t->getItem(0, static_cast<FXint>(i));
            ASSERT_NE(title, nullptr);
            EXPECT_EQ(fromUtf8(title->label), c.titles[i]) << c.layout;
            EXPECT_TRUE(title->isButton());
            EXPECT_EQ(title->state & TFXTableItem::JUSTIFY_MASK, TFXTableItem::LEFT);
        }
        EXPECT_EQ(t->getNumRows(), 3);
        EXPECT_EQ(t->getLeadingRows(), 1);
        EXPECT_EQ(t->getLeadingCols(), 0);
        EXPECT_EQ(view.getRowCount(), 1);
        EXPECT_EQ(view.getState(), TTabela::BUILT);
    }

    std::vector<std::string> titles;
    EXPECT_EQ(splitLayout(many.c_str(), titles), 128);
    ASSERT_EQ(titles.size(), 128u);
    EXPECT_EQ(titles[126], "t");
    EXPECT_EQ(titles[127], "");
}

TEST_F(TableView, RowCountFollowsTheItems) {
    TTabela none(shell);
    EXPECT_EQ(none.getRowCount(), -1);
    EXPECT_EQ(none.setRowCount(3), -1);
    none.fitColumns();
    none.clearSelection();
    EXPECT_FALSE(none.isMultiSelection());

    TTabela view(shell, "A|B", 10);
    OrTable* t = view.getTable();
    EXPECT_EQ(view.setRowCount(1), 0);
    EXPECT_EQ(view.setRowCount(4), 1);
    EXPECT_EQ(t->getNumRows(), 6);
    for (FXint r = 1; r <= 3; ++r) {
        ASSERT_NE(t->getItem(r, 1), nullptr) << r;
        EXPECT_EQ(t->getItem(r, 1)->state, TFXTableItem::LEFT);
        EXPECT_EQ(t->getItem(r, 1)->font, nullptr);
    }
    EXPECT_EQ(t->getItem(4, 0), nullptr);  // the two rows at the end stay empty
    EXPECT_EQ(view.setRowCount(2), 2);
    EXPECT_EQ(t->getNumRows(), 4);
    EXPECT_TRUE(t->getItem(0, 0)->isButton());
    view.setRowCount(5);
    view.clearRows();
    EXPECT_EQ(t->getNumRows(), 3);
    EXPECT_EQ(view.getRowCount(), 1);
    EXPECT_EQ(view.setRowCount(-7), 2);  // never below the title row
    EXPECT_EQ(t->getNumRows(), 1);
    EXPECT_TRUE(report.errors.empty());
}

TEST_F(TableView, RemembersOneSelectedCell) {
    TTabela view(shell, "A|B|C|D", 10);
    OrTable* t = view.getTable();
    view.setRowCount(6);
    t->selectItem(3, 2, TRUE);
    EXPECT_EQ(view.getSelectedRow(), 3);
    EXPECT_FALSE(view.isMultiSelection());
    t->selectItem(5, 1, TRUE);
    EXPECT_FALSE(t->isItemSelected(3, 2));
    EXPECT_EQ(view.getSelectedRow(), 5);
    EXPECT_EQ(view.getSelectedCol(), 1);

    t->selectItem(3, 2, TRUE);
    t->selectItem(3, 3, FALSE);
    EXPECT_TRUE(view.isMultiSelection());
    t->deselectItem(3, 2, TRUE);
    EXPECT_EQ(view.getSelectedRow(), -1);
    EXPECT_FALSE(view.isMultiSelection());
    t->selectItem(4, 0, TRUE);
    view.clearSelection();
    EXPECT_FALSE(t->isItemSelected(4, 0));
    EXPECT_EQ(view.getSelectedCol(), -1);
}

TEST_F(TableView, LayoutIsGivenOnce) {
    RecordingBoxes boxes;
    shell->create();
    LabelledView view(shell);
    view.setLayout("A|B|C", 1);
    OrTable* t = view.getTable();
    ASSERT_NE(t, nullptr);
    EXPECT_NE(t->id(), 0u);  // made after its parent went on screen
    EXPECT_EQ(t->getVisibleRows(), 20);
    EXPECT_EQ(t->getLeadingCols(), 1);
    EXPECT_STREQ(t->getCellText(2, 1), "Ячейка 2,1");
    EXPECT_EQ(t->getCellText(0, 1), nullptr);

    view.setLayout("X", 0);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Greska u pravljenu TTabele");
    EXPECT_EQ(boxes.boxes[0].text, "Nema layout-a");
    EXPECT_EQ(view.getTable(), t);
    EXPECT_EQ(t->getNumCols(), 3);

    view.remember(0, 10);
    view.fitColumns();
    EXPECT_EQ(t->getColumnWidth(0), 120);
    EXPECT_EQ(t->getColumnWidth(1), 12);
}

}  // namespace

namespace {

TEST_F(TableView, PaintsTitlesAndCellsInEveryBand) {
    LabelledView view(shell, "Номер|Имя|Тип|Состояние", 10);
    OrTable* t = view.getTable();
    view.setRowCount(40);
    t->setLeadingCols(1);
    t->setTrailingCols(1);
    t->setTrailingRows(1);
    t->getItem(2, 1)->state |= TFXTableItem::LBORDER | TFXTableItem::BBORDER | (3u << 8);
    t->getItem(3, 1)->font = testApp().getNormalFont();
    t->getItem(3, 1)->backColor = FXRGB(0, 128, 0);
    t->selectItem(4, 2);
    shell->create();
    shell->resize(300, 200);
    shell->show();
    shell->layout();
    t->setFocus();
    t->setCurrentItem(5, 2);
    t->update();
    t->repaint();
    t->setPosition(-40, -100);
    t->repaint();
    EXPECT_EQ(t->getYPosition(), -100);
    EXPECT_TRUE(report.errors.empty());
}

}  // namespace
