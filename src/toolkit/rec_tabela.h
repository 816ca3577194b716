#pragma once

#include <cstdint>

#include <fox-1.6/fx.h>

#include "link/timer_pool.h"
#include "sub/rec_cursor.h"
#include "sub/sub_notify.h"
#include "toolkit/dialog_box.h"
#include "toolkit/small_dialogs.h"
#include "toolkit/tabela.h"

// Bytes of the cell text buffer that all record tables share.
constexpr int kRecordCellTextSize = 1024;
// Least time between two refreshes of a record table, in ms.
constexpr uint32_t kRecordRefreshPeriod = 500;

// A table view over the records of one table of the database: one column
// per field (key fields fixed on the left), one row per record in the
// cursor's order. Cell texts are read from the table whenever they are
// drawn; the view keeps no copy. Its owner calls refresh() on every change
// of the table; refreshes are throttled to one per 500 ms.
class TRecTabela : public TTabela, public TTimerReceiver {
public:
    // The cursor stays its owner's.
    TRecTabela(FX::FXComposite* parent, TTrnRecBase* cursor);
    ~TRecTabela() override;

    // Text of field col + 1 of data row row - 1; null for the title row and
    // rows without a record. The text lives until the next cell text.
    const char* getCellText(FX::FXint row, FX::FXint col) override;
    // Data rows + 1, or -1 while a refresh is due.
    virtual int getRowCount();
    virtual int acceptRecord(const uint8_t* record);
    virtual int hasFilter();

    // Puts the cursor on data row i: 0, or -1 when there is no such record.
    int seekRow(int i);
    // The throttled refresh: the armed timer's id (+ 1 when a refresh was
    // only marked as wanted).
    int refresh();
    // Puts the cursor on the selected row's record: 0; -1 for several
    // cells, the title row or a row without a record; -2 for none.
    int selectRecord();
    void onTimer(const STimerEvent* event) override;

    TTrnRecBase* cursor() const { return cursor_; }
    int refreshTimer() const { return refreshTimer_; }
    bool refreshWanted() const { return refreshWanted_ != 0; }

private:
    void resizeToRecords(int rows);

    TTrnRecBase* cursor_;
    int32_t refreshTimer_ = -1;
    int32_t refreshWanted_ = 0;
};

// A record table that shows only the records its filter accepts (all
// without a filter).
class TFltRecTabela : public TRecTabela {
public:
    TFltRecTabela(FX::FXComposite* parent, TTrnRecBase* cursor, RecordFilter filter);
    int acceptRecord(const uint8_t* record) override;
    int hasFilter() override;

private:
    RecordFilter filter_;
};

// Modal choice of one record of a table: the filtered record table with
// OK and Cancel, following the table's changes while it is open.
class TRecDial : public TDialogBox, public KSubNotifyReceiver {
    FXDECLARE(TRecDial)

public:
    TRecDial(int16_t table, FX::FXWindow* owner, const char* title, RecordFilter filter);
    ~TRecDial() override;

    // 1 when OK ended the dialog, 0 otherwise.
    FX::FXuint execute(FX::FXuint placement = FX::PLACEMENT_CURSOR) override;
    // The selected record (key and data, in the cursor's buffer), or null
    // after a refused selection and its information box.
    const uint8_t* getSelectedRecord();
    void onTableChanged();
    void notify(uint32_t event, int32_t table, uint16_t trnId, uint8_t trnMask, int16_t field,
                int32_t row, const void* record) override;

    TFltRecTabela* recordTable() const { return tabela_; }
    TUniRec* cursor() const { return cursor_; }

protected:
    TRecDial() = default;

private:
    int16_t table_ = 0;
    TUniRec* cursor_ = nullptr;
    TFltRecTabela* tabela_ = nullptr;
};

// The record chooser of pickTableRecord built on TRecDial over the main
// window; installRecordDialogChooser makes it the installed one.
IRecordChooser& recordDialogChooser();
void installRecordDialogChooser();
