#include "alarms/alarm_details.h"

#include <fox-1.6/fx.h>

#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "sub/sub_database.h"
#include "toolkit/dialog_box.h"
#include "toolkit/text_codec.h"
#include "utils/code_mappers.h"
#include "utils/dates.h"

namespace {

constexpr std::size_t kLabelSize = 200;  // 199 characters and the terminator
constexpr int kTextTitle = 25681;
constexpr int kTextOk = 21403;

template <typename... Args>
std::string formatted(int textId, const Args&... args) {
    char text[kLabelSize];
    formatMessage(text, sizeof text, textId, args...);
    return text;
}

}  // namespace

std::vector<SAlarmDetailLine> alarmDetailLines(KSub& db, const sListaAlarma& row) {
    uint8_t day = 0, month = 0, minute = 0, second = 0;
    int32_t year = 0, hours = 0;
    splitDayNumber(&row.Datum, &day, &month, &year);
    splitSeconds(&row.Vreme, &hours, &minute, &second);
    char description[kLabelSize];
    alarmDescription(description, sizeof description, row);
    std::vector<SAlarmDetailLine> lines = {
        {formatted(26758, day, month, year), false},
        {formatted(26759, hours, minute, second), false},
        {formatted(26763, textById(alarmLevelTextId(row.Nivo))), false},
        {std::string(textById(26761)) + description, false},
        {formatted(26760, row.TipAlarma), false},
        {formatted(26764, textById(alarmStateTextId(row.Stanje))), false},
        {formatted(26765, row.OPC), false},
        {formatted(26766, row.AlarmIB), false},
        {textById(26762), false},
    };
    TTrnTabBase* pairs = db.table(kAlarmTypeClassTable);
    TTrnTabBase* classes = db.table(kAlarmClassTable);
    if (pairs == nullptr || classes == nullptr) return lines;
    uint8_t key[kAlarmTypeClassRecordSize] = {uint8_t(row.TipAlarma),
                                              uint8_t(uint16_t(row.TipAlarma) >> 8), 0, 0};
    int32_t at = -1;
    if (db.findRecord(0, kAlarmTypeClassTable, key, 2, &at) != tsOK) return lines;
    for (;; ++at) {
        uint8_t pair[kAlarmTypeClassRecordSize];
        if (pairs->readRow(0, at, pair) != tsOK) break;
        if (int16_t(pair[0] | pair[1] << 8) != row.TipAlarma) break;
        uint8_t klasa[kAlarmClassRecordSize];
        if (classes->readRow(0, classes->findKey(pair + 2), klasa) != tsOK) continue;
        lines.push_back({textById(int16_t(klasa[2] | klasa[3] << 8)), true});
    }
    return lines;
}

void showAlarmDetails(const sListaAlarma& row, FXWindow* owner) {
    const std::vector<SAlarmDetailLine> lines = alarmDetailLines(alarmDatabase(), row);
    TDialogBox dialog(owner, textById(kTextTitle), DECOR_TITLE | DECOR_BORDER | DECOR_RESIZE, 0, 0,
                      0, 0, 10, 10, 10, 10, 4, 4);
    // The button first, along the bottom, so the lines above never push it out.
    new FXButton(
        &dialog, toUtf8(textById(kTextOk)), nullptr, &dialog, FXDialogBox::ID_ACCEPT,
        BUTTON_DEFAULT | BUTTON_INITIAL | FRAME_RAISED | LAYOUT_SIDE_BOTTOM | LAYOUT_CENTER_X);
    auto* column =
        new FXVerticalFrame(&dialog, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0, 4, 4);
    for (const SAlarmDetailLine& l : lines)
        new FXLabel(column, toUtf8(l.text), nullptr,
                    (l.right ? JUSTIFY_RIGHT : JUSTIFY_LEFT) | LAYOUT_FILL_X);
    dialog.execute(PLACEMENT_CURSOR);
}
