#pragma once

#include <cstdint>
#include <memory>

#include <fox-1.6/fx.h>

#include "alarms/alarm_list.h"
#include "link/timer_pool.h"
#include "toolkit/dialog_box.h"
#include "toolkit/tabela.h"

class KSub;

// The table of the alarm list window: icon, time, level and description of
// each line of its model.
class KSpisakAlarma : public TTabela {
    FXDECLARE(KSpisakAlarma)

public:
    KSpisakAlarma(FX::FXComposite* parent, const char* layout, KSub& db);
    ~KSpisakAlarma() override;

    const char* getCellText(FX::FXint row, FX::FXint col) override;
    // Lines of the first n rows into the table; -1 when a row's state is
    // outside 0..2 (the table keeps its lines).
    int fillRows(int32_t n);
    // Grey back and the normal font on every data cell.
    void greyRows();
    int32_t dataRowCount() const;
    void setDataRowCount(int32_t rows);

    void setFonts(FX::FXFont* normal, FX::FXFont* bold);

    // A selected cell selects its whole line, so that the line the buttons
    // act on stands out in every cell.
    long onTableSelected(FX::FXObject*, FX::FXSelector, void*);
    long onTableDeselected(FX::FXObject*, FX::FXSelector, void*);
    FX::FXIcon* confirmedIcon() const { return confirmedIcon_; }
    FX::FXIcon* unconfirmedIcon() const { return unconfirmedIcon_; }

    KAlarmListModel model;

protected:
    KSpisakAlarma() : model(alarmDatabase()) {}

private:
    // Selects or deselects the other cells of the selected cell's line.
    void markLine(bool on);

    FX::FXIcon* confirmedIcon_ = nullptr;
    FX::FXIcon* unconfirmedIcon_ = nullptr;
    FX::FXFont* normal_ = nullptr;
    FX::FXFont* bold_ = nullptr;
    char cell_[1024] = {};
};

// The alarm list window: table 172 as a coloured list refreshed every
// second, with the counts per level, and the requests that confirm or
// delete alarms at the management processor. Closing it only hides it.
class KSpisakAlarmaShell : public TDialogBox, public TTimerReceiver {
    FXDECLARE(KSpisakAlarmaShell)

public:
    enum {
        ID_CONFIRM = TDialogBox::ID_LAST,
        ID_CONFIRM_ALL,
        ID_FILTER,
        ID_SORT,
        ID_DELETE,
        ID_LEGEND,
        ID_DETAILS,
        ID_LAST
    };

    explicit KSpisakAlarmaShell(FX::FXWindow* owner);
    ~KSpisakAlarmaShell() override;
    void create() override;

    void onTimer(const STimerEvent* event) override;
    // The refresh without re-arming: rows, lines and status.
    void refresh();
    void updateStatus();

    void confirmAlarm();
    void confirmAllOfType();
    void deleteAlarm();
    void editFilter();
    void editSortOrder();
    void showLegend();
    // The alarm of the selected line; null when none is selected or its
    // alarm is no longer shown (found: false then).
    const sListaAlarma* selectedAlarm(bool* found) const;

    long onCmdAction(FX::FXObject*, FX::FXSelector, void*);
    long onCmdDetails(FX::FXObject*, FX::FXSelector, void*);
    long onKeyPress(FX::FXObject*, FX::FXSelector, void*);
    long onKeyRelease(FX::FXObject*, FX::FXSelector, void*);

    KSpisakAlarma* table() const { return table_.get(); }
    FX::FXLabel* statusLine = nullptr;
    FX::FXLabel* sortLabel = nullptr;
    FX::FXLabel* filterLabel = nullptr;
    FX::FXLabel* positionLabel = nullptr;
    FX::FXLabel* levelLabels[4] = {};
    FX::FXLabel* unconfirmedLabel = nullptr;

protected:
    KSpisakAlarmaShell() : db_(nullptr) {}

private:
    void setStatus(const char* text, FX::FXColor colour);
    bool checkedSelection(const sListaAlarma** alarm, int inconsistentTextId);
    // Sends the committed record of the key with the code; false when the
    // key is no longer in table 172, or after showing kMessageNotSentText
    // when the link did not take the request.
    bool sendRequest(const sListaAlarma& key, uint8_t code);

    KSub* db_;
    std::unique_ptr<KSpisakAlarma> table_;
    FX::FXFont* ownBold_ = nullptr;
};

// Opens another alarm list window over the main window.
KSpisakAlarmaShell* openAlarmListWindow();
