#pragma once

#include <cstdint>

#include <fox-1.6/fx.h>

#include "alarms/alarm_list.h"
#include "toolkit/dialog_box.h"

class KSub;

// The filter of the alarm list: one class, the levels, on or off, the states.
class KAlarmFilterDialog : public TDialogBox {
    FXDECLARE(KAlarmFilterDialog)

public:
    KAlarmFilterDialog(FX::FXWindow* owner, const char* title, const SAlarmFilter& filter,
                       KSub& db);
    // Shows the filter; a class table 173 does not have shows as "all classes".
    void setFilter(const SAlarmFilter& filter);
    void getFilter(SAlarmFilter& out) const;

    FX::FXComboBox* classes = nullptr;
    FX::FXCheckButton* levels[4] = {};  // A1, A2, A3, A0
    FX::FXRadioButton* on = nullptr;
    FX::FXRadioButton* off = nullptr;
    FX::FXCheckButton* confirmed = nullptr;
    FX::FXCheckButton* unconfirmed = nullptr;
    FX::FXCheckButton* inactive = nullptr;

protected:
    KAlarmFilterDialog() : db_(nullptr) {}

private:
    KSub* db_;
    TRadioExclusion exclusion_;
};

// The sort key of the alarm list; it starts with no key chosen.
class KAlarmUredjDialog : public TDialogBox {
    FXDECLARE(KAlarmUredjDialog)

public:
    KAlarmUredjDialog(FX::FXWindow* owner, const char* title);
    // The first checked key 0..5, 6 when none is checked.
    int8_t getSortKey() const;

    FX::FXRadioButton* keys[6] = {};

protected:
    KAlarmUredjDialog() = default;

private:
    TRadioExclusion exclusion_;
};

// The button row that ends both dialogs: cancel, then accept (default, and
// pressed by Enter).
void addAlarmDialogButtons(TDialogBox* dialog);
