#include "alarms/alarm_list_dialogs.h"

#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "sub/sub_database.h"
#include "toolkit/accelerators.h"
#include "toolkit/combo_box.h"
#include "toolkit/text_codec.h"

namespace {

constexpr int kTextAllClasses = 21269;
constexpr int kTextClass = 21286;
constexpr int kTextLevels = 21287;
constexpr int kTextFilter = 21239;
constexpr int kTextOn = 21288;
constexpr int kTextOff = 21289;
constexpr int kTextSort = 21240;
constexpr int kTextFirstSortKey = 21241;  // 21241..21246 for keys 0..5
constexpr int kLevelTexts[4] = {20001, 20002, 20003, 20004};
constexpr int kTextConfirmed = 20404;
constexpr int kTextUnconfirmed = 20403;
constexpr int kTextInactive = 20405;

constexpr FXuint kDialogDecor = DECOR_TITLE | DECOR_BORDER;

FXString labelOf(int textId) {
    return toUtf8(convertTildeAccel(textById(textId)));
}

}  // namespace

void addAlarmDialogButtons(TDialogBox* dialog) {
    auto* row =
        new FXHorizontalFrame(dialog, LAYOUT_SIDE_BOTTOM | LAYOUT_FILL_X | PACK_UNIFORM_WIDTH);
    new FXButton(row, labelOf(22019), nullptr, dialog, FXDialogBox::ID_CANCEL, FRAME_RAISED);
    dialog->setAcceptButton(new FXButton(row, labelOf(21401), nullptr, dialog,
                                         FXDialogBox::ID_ACCEPT,
                                         BUTTON_DEFAULT | BUTTON_INITIAL | FRAME_RAISED));
}

// ------------------------------------------------------------- filter

FXIMPLEMENT(KAlarmFilterDialog, TDialogBox, nullptr, 0)

KAlarmFilterDialog::KAlarmFilterDialog(FXWindow* owner, const char* title,
                                       const SAlarmFilter& filter, KSub& db)
    : TDialogBox(owner, title, kDialogDecor, 0, 0, 0, 0, 10, 10, 10, 10, 4, 4), db_(&db) {
    addAlarmDialogButtons(this);
    auto* column =
        new FXVerticalFrame(this, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0, 4, 4);
    new FXLabel(column, toUtf8(textById(kTextClass)));
    TTrnTabBase* table = db.table(kAlarmClassTable);
    const int32_t count = table != nullptr ? table->recordCount() : 0;
    classes = new TComboBox(column, count + 1, nullptr, 0,
                            COMBOBOX_STATIC | FRAME_SUNKEN | FRAME_THICK | LAYOUT_FILL_X);
    classes->setNumVisible(count + 1);
    classes->appendItem(toUtf8(textById(kTextAllClasses)));
    FXString previous = classes->getItemText(0);
    for (int32_t i = 0; i < count; ++i) {
        uint8_t record[kAlarmClassRecordSize];
        if (table->readRow(0, i, record) == tsOK)
            previous = toUtf8(textById(int16_t(record[2] | record[3] << 8)));
        classes->appendItem(previous);
    }
    new FXLabel(column, toUtf8(textById(kTextLevels)));
    for (int i = 0; i < 4; ++i) levels[i] = new FXCheckButton(column, labelOf(kLevelTexts[i]));
    auto* group = new FXGroupBox(column, toUtf8(stripTildes(textById(kTextFilter))),
                                 GROUPBOX_TITLE_LEFT | FRAME_GROOVE | LAYOUT_FILL_X);
    on = new FXRadioButton(group, labelOf(kTextOn), &exclusion_, TRadioExclusion::ID_RADIO);
    off = new FXRadioButton(group, labelOf(kTextOff), &exclusion_, TRadioExclusion::ID_RADIO);
    confirmed = new FXCheckButton(column, labelOf(kTextConfirmed));
    unconfirmed = new FXCheckButton(column, labelOf(kTextUnconfirmed));
    inactive = new FXCheckButton(column, labelOf(kTextInactive));
    setFilter(filter);
}

void KAlarmFilterDialog::setFilter(const SAlarmFilter& f) {
    TRadioExclusion::select(f.on != 0 ? on : off);
    const uint8_t shown[4] = {f.showA1, f.showA2, f.showA3, f.showA0};
    for (int i = 0; i < 4; ++i) levels[i]->setCheck(shown[i] != 0);
    confirmed->setCheck(f.showConfirmed != 0);
    unconfirmed->setCheck(f.showUnconfirmed != 0);
    inactive->setCheck(f.showInactive != 0);
    FXint item = 0;
    if (f.klasa != -1) {
        uint8_t key[2] = {uint8_t(f.klasa), uint8_t(uint16_t(f.klasa) >> 8)};
        int32_t row = -1;
        if (db_->findRecord(0, kAlarmClassTable, key, 0, &row) == tsOK &&
            row + 1 < classes->getNumItems())
            item = row + 1;
    }
    classes->setCurrentItem(item);
}

void KAlarmFilterDialog::getFilter(SAlarmFilter& out) const {
    out.on = on->getCheck() == TRUE ? 1 : 0;
    uint8_t* shown[4] = {&out.showA1, &out.showA2, &out.showA3, &out.showA0};
    for (int i = 0; i < 4; ++i) *shown[i] = levels[i]->getCheck() == TRUE ? 1 : 0;
    out.showConfirmed = confirmed->getCheck() == TRUE ? 1 : 0;
    out.showUnconfirmed = unconfirmed->getCheck() == TRUE ? 1 : 0;
    out.showInactive = inactive->getCheck() == TRUE ? 1 : 0;
    out.klasa = -1;
    const FXint item = classes->getCurrentItem();
    TTrnTabBase* table = db_->table(kAlarmClassTable);
    uint8_t record[kAlarmClassRecordSize];
    if (item > 0 && table != nullptr && table->readRow(0, item - 1, record) == tsOK)
        out.klasa = int16_t(record[0] | record[1] << 8);
}

// --------------------------------------------------------------- sort

FXIMPLEMENT(KAlarmUredjDialog, TDialogBox, nullptr, 0)

KAlarmUredjDialog::KAlarmUredjDialog(FXWindow* owner, const char* title)
    : TDialogBox(owner, title, kDialogDecor, 0, 0, 0, 0, 10, 10, 10, 10, 4, 4) {
    addAlarmDialogButtons(this);
    auto* group =
        new FXGroupBox(this, toUtf8(stripTildes(textById(kTextSort))),
                       GROUPBOX_TITLE_LEFT | FRAME_GROOVE | LAYOUT_FILL_X | LAYOUT_FILL_Y);
    for (int i = 0; i < 6; ++i)
        keys[i] = new FXRadioButton(group, labelOf(kTextFirstSortKey + i), &exclusion_,
                                    TRadioExclusion::ID_RADIO);
}

int8_t KAlarmUredjDialog::getSortKey() const {
    for (int8_t i = 0; i < 6; ++i)
        if (keys[i]->getCheck() == TRUE) return i;
    return kAlarmSortNone;
}
