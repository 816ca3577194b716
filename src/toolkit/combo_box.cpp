/*
  Notes:
  - FXComboBox passes Tab from its text to its arrow button, a second stop
    that takes no typing. Here focus moving on from inside the box leaves it,
    and focus moving in lands in the text.
  - Enter in the text first reaches the box's own target, then the dialog.
*/
#include "toolkit/combo_box.h"

#include <fox-1.6/fxkeys.h>

#include "toolkit/dialog_box.h"

FXDEFMAP(TComboBox)
TComboBoxMap[] = {
    FXMAPFUNC(FX::SEL_FOCUS_NEXT, 0, TComboBox::onFocusNext),
    FXMAPFUNC(FX::SEL_FOCUS_PREV, 0, TComboBox::onFocusPrev),
    FXMAPFUNC(FX::SEL_KEYPRESS, 0, TComboBox::onKeyPress),
};
FXIMPLEMENT(TComboBox, FX::FXComboBox, TComboBoxMap, ARRAYNUMBER(TComboBoxMap))

TComboBox::TComboBox(FX::FXComposite* parent, FX::FXint columns, FX::FXObject* target,
                     FX::FXSelector sel, FX::FXuint opts, FX::FXint x, FX::FXint y, FX::FXint w,
                     FX::FXint h, FX::FXint pl, FX::FXint pr, FX::FXint pt, FX::FXint pb)
    : FX::FXComboBox(parent, columns, target, sel, opts, x, y, w, h, pl, pr, pt, pb) {}

long TComboBox::onFocusNext(FX::FXObject*, FX::FXSelector, void* ptr) {
    if (getFocus() != nullptr) return 0;  // from the text on: the next field
    return field->handle(this, FXSEL(FX::SEL_FOCUS_SELF, 0), ptr);
}

long TComboBox::onFocusPrev(FX::FXObject* sender, FX::FXSelector sel, void* ptr) {
    return onFocusNext(sender, sel, ptr);
}

long TComboBox::onKeyPress(FX::FXObject* sender, FX::FXSelector sel, void* ptr) {
    const auto* event = static_cast<const FX::FXEvent*>(ptr);
    const bool enter =
        event != nullptr && (event->code == KEY_Return || event->code == KEY_KP_Enter);
    if (!enter || isPaneShown() || !isEnabled())
        return FX::FXComboBox::onKeyPress(sender, sel, ptr);
    FX::FXComboBox::onKeyPress(sender, sel, ptr);
    FX::FXWindow* shell = getShell();
    if (shell != nullptr && shell->isMemberOf(FXMETACLASS(TDialogBox)))
        shell->handle(this, FXSEL(FX::SEL_COMMAND, TDialogBox::ID_ENTER), nullptr);
    return 1;
}
