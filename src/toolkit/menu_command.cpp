#include "toolkit/menu_command.h"

#include <fox-1.6/fxkeys.h>

/*
  Notes:
  - The target always gets SEL_COMMAND with the item's selector and data 1.
  - A hot-key press is counted even while the item is disabled; the release
    then does nothing. Every release sets the count back to 0.
  - Key and hot-key handlers write trace lines at level 200.
*/

#define TRACE_LEVEL 200

FXDEFMAP(TFXMenuCommand)
TFXMenuCommandMap[] = {
    FXMAPFUNC(FX::SEL_PAINT, 0, TFXMenuCommand::onPaint),
    FXMAPFUNC(FX::SEL_ENTER, 0, TFXMenuCommand::onEnter),
    FXMAPFUNC(FX::SEL_LEAVE, 0, TFXMenuCommand::onLeave),
    FXMAPFUNC(FX::SEL_LEFTBUTTONPRESS, 0, TFXMenuCommand::onButtonPress),
    FXMAPFUNC(FX::SEL_LEFTBUTTONRELEASE, 0, TFXMenuCommand::onButtonRelease),
    FXMAPFUNC(FX::SEL_MIDDLEBUTTONPRESS, 0, TFXMenuCommand::onButtonPress),
    FXMAPFUNC(FX::SEL_MIDDLEBUTTONRELEASE, 0, TFXMenuCommand::onButtonRelease),
    FXMAPFUNC(FX::SEL_RIGHTBUTTONPRESS, 0, TFXMenuCommand::onButtonPress),
    FXMAPFUNC(FX::SEL_RIGHTBUTTONRELEASE, 0, TFXMenuCommand::onButtonRelease),
    FXMAPFUNC(FX::SEL_KEYPRESS, 0, TFXMenuCommand::onKeyPress),
    FXMAPFUNC(FX::SEL_KEYRELEASE, 0, TFXMenuCommand::onKeyRelease),
    FXMAPFUNC(FX::SEL_KEYPRESS, FX::FXWindow::ID_HOTKEY, TFXMenuCommand::onHotKeyPress),
    FXMAPFUNC(FX::SEL_KEYRELEASE, FX::FXWindow::ID_HOTKEY, TFXMenuCommand::onHotKeyRelease),
    FXMAPFUNC(FX::SEL_COMMAND, FX::FXWindow::ID_CHECK, TFXMenuCommand::onCmdCheck),
    FXMAPFUNC(FX::SEL_COMMAND, FX::FXWindow::ID_UNCHECK, TFXMenuCommand::onCmdUncheck),
    FXMAPFUNC(FX::SEL_COMMAND, FX::FXWindow::ID_SETVALUE, TFXMenuCommand::onCmdSetValue),
    FXMAPFUNC(FX::SEL_COMMAND, FX::FXWindow::ID_SETINTVALUE, TFXMenuCommand::onCmdSetIntValue),
    FXMAPFUNC(FX::SEL_COMMAND, FX::FXWindow::ID_GETINTVALUE, TFXMenuCommand::onCmdGetIntValue),
    FXMAPFUNC(FX::SEL_COMMAND, FX::FXWindow::ID_ACCEL, TFXMenuCommand::onCmdAccel),
};

FXIMPLEMENT(TFXMenuCommand, FX::FXMenuCaption, TFXMenuCommandMap, ARRAYNUMBER(TFXMenuCommandMap))

namespace {

bool isConfirmKey(FX::FXuint code) {
    return code == FX::KEY_space || code == FX::KEY_KP_Space || code == FX::KEY_Return ||
           code == FX::KEY_KP_Enter;
}

}  // namespace

TFXMenuCommand::TFXMenuCommand() {
    flags |= FLAG_ENABLED;
}

TFXMenuCommand::TFXMenuCommand(FX::FXComposite* parent, const FX::FXString& text, FX::FXIcon* icon,
                               FX::FXObject* target, FX::FXSelector selector, FX::FXuint options)
    : FX::FXMenuCaption(parent, text, icon, options), accelText(text.section('\t', 1)) {
    defaultCursor = getApp()->getDefaultCursor(FX::DEF_RARROW_CURSOR);
    this->target = target;
    message = selector;
    flags |= FLAG_ENABLED;
    accelKey = FX::parseAccel(accelText);
    if (accelKey == 0) return;
    if (FX::FXAccelTable* table = ownerAccelTable())
        table->addAccel(accelKey, this, FXSEL(FX::SEL_COMMAND, ID_ACCEL));
}

TFXMenuCommand::~TFXMenuCommand() {
    if (accelKey == 0) return;
    if (FX::FXAccelTable* table = ownerAccelTable()) table->removeAccel(accelKey);
}

FX::FXAccelTable* TFXMenuCommand::ownerAccelTable() const {
    FX::FXWindow* shell = getShell();
    FX::FXWindow* owner = shell != nullptr ? shell->getOwner() : nullptr;
    return owner != nullptr ? owner->getAccelTable() : nullptr;
}

void TFXMenuCommand::fire(bool closeMenu) {
    if (closeMenu) getParent()->handle(this, FXSEL(FX::SEL_COMMAND, ID_UNPOST), nullptr);
    if (target) target->tryHandle(this, FXSEL(FX::SEL_COMMAND, message), (void*)(FX::FXuval)1);
}

void TFXMenuCommand::check() {
    if (checkState == 1) return;
    checkState = 1;
    update();
}

void TFXMenuCommand::uncheck() {
    if (checkState == 0) return;
    checkState = 0;
    update();
}

bool TFXMenuCommand::canFocus() const {
    return true;
}

void TFXMenuCommand::setFocus() {
    FX::FXMenuCaption::setFocus();
    flags |= FLAG_ACTIVE;
    flags &= ~FLAG_UPDATE;
    update();
}

void TFXMenuCommand::killFocus() {
    FX::FXMenuCaption::killFocus();
    flags &= ~FLAG_ACTIVE;
    flags |= FLAG_UPDATE;
    update();
}

FX::FXint TFXMenuCommand::getDefaultWidth() {
    FX::FXint tw = label.empty() ? 0 : font->getTextWidth(label.text(), label.length());
    FX::FXint aw = accelText.empty() ? 0 : font->getTextWidth(accelText.text(), accelText.length());
    if (tw && aw) aw += kAccelGap;
    const FX::FXint lead = icon ? FXMAX(icon->getWidth() + kIconPadding, kLeadWidth) : kLeadWidth;
    return lead + tw + aw + kTrailSpace;
}

FX::FXint TFXMenuCommand::getDefaultHeight() {
    const FX::FXint th =
        (!label.empty() || !accelText.empty()) ? font->getFontHeight() + kIconPadding : 0;
    const FX::FXint ih = icon ? icon->getHeight() + kIconPadding : 0;
    return FXMAX(th, ih);
}

void TFXMenuCommand::save(FX::FXStream& store) const {
    FX::FXMenuCaption::save(store);
    store << checkState;
    store << accelText;
    store << accelKey;
}

void TFXMenuCommand::load(FX::FXStream& store) {
    FX::FXMenuCaption::load(store);
    store >> checkState;
    store >> accelText;
    store >> accelKey;
}

// Six one-pixel strokes from (x, y).
void TFXMenuCommand::drawCheckMark(FX::FXDC& dc, FX::FXint x, FX::FXint y) {
    for (int i = 0; i < 3; ++i) {
        dc.drawLine(x + 1, y + 3 + i, x + 3, y + 5 + i);
        dc.drawLine(x + 3, y + 5 + i, x + 7, y + 1 + i);
    }
}

long TFXMenuCommand::onPaint(FX::FXObject*, FX::FXSelector, void* ptr) {
    auto* ev = static_cast<FX::FXEvent*>(ptr);
    FX::FXDCWindow dc(this, ev);
    const FX::FXint xx = icon ? FXMAX(icon->getWidth() + kIconPadding, kLeadWidth) : kLeadWidth;
    const FX::FXint yy = font->getFontAscent() + (height - font->getFontHeight()) / 2;
    const FX::FXint accelX =
        width - kTrailSpace - font->getTextWidth(accelText.text(), accelText.length());
    dc.setFont(font);
    auto drawUnderline = [&](FX::FXint x, FX::FXint y) {
        if (hotoff < 0 || hotoff >= label.length()) return;
        dc.fillRectangle(x + font->getTextWidth(&label[0], hotoff), y + 1,
                         font->getTextWidth(&label[hotoff], FX::wclen(&label[hotoff])), 1);
    };
    const bool enabled = isEnabled();
    dc.setForeground(enabled && isActive() ? selbackColor : backColor);
    dc.fillRectangle(0, 0, width, height);
    if (!enabled) {
        if (icon) dc.drawIconSunken(icon, 3, (height - icon->getHeight()) / 2);
        dc.setForeground(hiliteColor);
        dc.drawText(xx + 1, yy + 1, label);
        dc.setForeground(shadowColor);
        dc.drawText(xx, yy, label);
        if (!accelText.empty()) dc.drawText(accelX, yy, accelText);
        drawUnderline(xx, yy);
        if (checkState) {
            dc.setForeground(hiliteColor);
            drawCheckMark(dc, 6, (height - 8) / 2 + 1);
            dc.setForeground(shadowColor);
            drawCheckMark(dc, 5, (height - 8) / 2);
        }
        return 1;
    }
    if (icon) dc.drawIcon(icon, 3, (height - icon->getHeight()) / 2);
    dc.setForeground(isActive() ? seltextColor : textColor);
    dc.drawText(xx, yy, label);
    if (!accelText.empty()) dc.drawText(accelX, yy, accelText);
    drawUnderline(xx, yy);
    if (checkState) drawCheckMark(dc, 5, (height - 8) / 2);
    return 1;
}

long TFXMenuCommand::onEnter(FX::FXObject* sender, FX::FXSelector sel, void* ptr) {
    FX::FXMenuCaption::onEnter(sender, sel, ptr);
    if (isEnabled() && canFocus()) setFocus();
    return 1;
}

long TFXMenuCommand::onLeave(FX::FXObject* sender, FX::FXSelector sel, void* ptr) {
    FX::FXMenuCaption::onLeave(sender, sel, ptr);
    if (isEnabled()) killFocus();
    return 1;
}

long TFXMenuCommand::onButtonPress(FX::FXObject*, FX::FXSelector, void*) {
    return isEnabled() ? 1 : 0;
}

// A release on an item that was not highlighted closes the menu without firing.
long TFXMenuCommand::onButtonRelease(FX::FXObject*, FX::FXSelector, void*) {
    const bool wasActive = isActive();
    if (!isEnabled()) return 0;
    getParent()->handle(this, FXSEL(FX::SEL_COMMAND, ID_UNPOST), nullptr);
    if (wasActive) fire(false);
    return 1;
}

long TFXMenuCommand::onKeyPress(FX::FXObject*, FX::FXSelector, void* ptr) {
    auto* ev = static_cast<FX::FXEvent*>(ptr);
    if (!isEnabled()) return 0;
    FX::fxtrace(TRACE_LEVEL, "%s::onKeyPress %p keysym=0x%04x state=%04x\n", getClassName(),
                (void*)this, ev->code, ev->state);
    return isConfirmKey(ev->code) ? 1 : 0;
}

long TFXMenuCommand::onKeyRelease(FX::FXObject*, FX::FXSelector, void* ptr) {
    auto* ev = static_cast<FX::FXEvent*>(ptr);
    if (!isEnabled()) return 0;
    FX::fxtrace(TRACE_LEVEL, "%s::onKeyRelease %p keysym=0x%04x state=%04x\n", getClassName(),
                (void*)this, ev->code, ev->state);
    if (!isConfirmKey(ev->code)) return 0;
    fire(true);
    return 1;
}

long TFXMenuCommand::onHotKeyPress(FX::FXObject*, FX::FXSelector, void* ptr) {
    FX::fxtrace(TRACE_LEVEL, "%s::onHotKeyPress %p\n", getClassName(), (void*)this);
    handle(this, FXSEL(FX::SEL_FOCUS_SELF, 0), ptr);
    ++hotKeyPresses;
    return 1;
}

long TFXMenuCommand::onHotKeyRelease(FX::FXObject*, FX::FXSelector, void*) {
    FX::fxtrace(TRACE_LEVEL, "%s::onHotKeyRelease %p\n", getClassName(), (void*)this);
    const bool onePress = hotKeyPresses == 1;
    hotKeyPresses = 0;
    if (!onePress) return 0;
    if (isEnabled()) fire(true);
    return 1;
}

long TFXMenuCommand::onCmdCheck(FX::FXObject*, FX::FXSelector, void*) {
    check();
    return 1;
}

long TFXMenuCommand::onCmdUncheck(FX::FXObject*, FX::FXSelector, void*) {
    uncheck();
    return 1;
}

long TFXMenuCommand::onCmdSetValue(FX::FXObject*, FX::FXSelector, void* ptr) {
    if ((FX::FXival)ptr != 0)
        check();
    else
        uncheck();
    return 1;
}

long TFXMenuCommand::onCmdSetIntValue(FX::FXObject*, FX::FXSelector, void* ptr) {
    if (*static_cast<FX::FXint*>(ptr) != 0)
        check();
    else
        uncheck();
    return 1;
}

long TFXMenuCommand::onCmdGetIntValue(FX::FXObject*, FX::FXSelector, void* ptr) {
    *static_cast<FX::FXint*>(ptr) = isChecked() ? 1 : 0;
    return 1;
}

// The accelerator fires without opening or closing any menu.
long TFXMenuCommand::onCmdAccel(FX::FXObject*, FX::FXSelector, void*) {
    if (!isEnabled()) return 0;
    fire(false);
    return 1;
}

void TLazyMenuPane::create() {
    if (wanted_) FX::FXMenuPane::create();
}

void TLazyMenuPane::popup(FX::FXWindow* grabTo, FX::FXint x, FX::FXint y, FX::FXint w,
                          FX::FXint h) {
    if (!wanted_) {
        wanted_ = true;
        create();
    }
    FX::FXMenuPane::popup(grabTo, x, y, w, h);
}
