#include "menus/group_rights.h"

#include <cstring>

#include "link/router.h"
#include "texts/text_catalogue.h"
#include "menus/rights_protocol.h"
#include "toolkit/accelerators.h"
#include "toolkit/text_codec.h"

// Notes:
// - Both dialogs ask for the group's rights as they are built; the answer
//   arrives through the poll inside their modal loop and fills the tree.
// - A rights answer that does not fit the bitmap is refused like an answer
//   without data, so that no bitmap the exchange did not send can be sent
//   back to it from the editor.

namespace {

// The tree grows with the window, so the dialogs can be made larger as well.
constexpr FX::FXuint kRightsDialogDecor = FX::DECOR_TITLE | FX::DECOR_MINIMIZE |
                                          FX::DECOR_MAXIMIZE | FX::DECOR_CLOSE | FX::DECOR_BORDER |
                                          FX::DECOR_RESIZE;

FX::FXButton* captionButton(FX::FXComposite* parent, int textId, FX::FXObject* target,
                            FX::FXSelector id, FX::FXuint opts) {
    return new FX::FXButton(parent, toUtf8(convertTildeAccel(textById(textId))), nullptr, target,
                            id, FX::BUTTON_NORMAL | opts);
}

}  // namespace

FXIMPLEMENT(KPravaPristupaBase, TDialogBox, nullptr, 0)

KPravaPristupaBase::KPravaPristupaBase(FX::FXWindow* owner, const char* title, FX::FXint w,
                                       FX::FXint h)
    : TDialogBox(owner, title, kRightsDialogDecor, 200, 0, w, h),
      TMessageReceiver(kRightsMessageType) {}

KPravaPristupaBase::~KPravaPristupaBase() {
    killTimers(this);
}

void KPravaPristupaBase::begin(FX::FXComposite* treeFrame, const char* group) {
    tree = std::make_unique<KStabloKomandi>(treeFrame);
    addCodeFilter(kReadRights);
    active = 1;
    requestRights(group);
}

void KPravaPristupaBase::requestRights(const char* group) {
    const std::size_t n = group != nullptr ? strnlen(group, sizeof groupName - 1) : 0;
    std::memcpy(groupName, group != nullptr ? group : "", n);
    groupName[n] = '\0';
    if (sendRightsRequest(kReadRights, packReadRights(groupName)) < 0) {
        rightsNotSent();
        return;
    }
    STimerEvent event;
    event.data[0] = kReadRights;
    pendingTimer = setTimer(this, kRightsAnswerTimeoutMs, &event);
}

void KPravaPristupaBase::onTimer(const STimerEvent*) {
    pendingTimer = -1;
    rightsTimedOut();
}

void KPravaPristupaBase::onMessage(uint8_t, uint16_t, uint8_t code, const uint8_t* payload,
                                   int length) {
    if (pendingTimer != -1) {
        killTimer(this, pendingTimer);
        pendingTimer = -1;
    }
    if (code != kReadRights) return;
    if (length <= 0 || !tree->loadRights(payload, length)) {
        noRightsData();
        return;
    }
    tree->fill();
}

// The editor: its buttons in a row under the tree list, a status line at the
// bottom of the dialog.
FXDEFMAP(KPodesiPravaPristupa)
KPodesiPravaPristupaMap[] = {
    FXMAPFUNC(FX::SEL_COMMAND, KPodesiPravaPristupa::ID_GRANT, KPodesiPravaPristupa::onCmdGrant),
    FXMAPFUNC(FX::SEL_COMMAND, KPodesiPravaPristupa::ID_REVOKE, KPodesiPravaPristupa::onCmdRevoke),
    FXMAPFUNC(FX::SEL_COMMAND, KPodesiPravaPristupa::ID_ACCEPT_RIGHTS,
              KPodesiPravaPristupa::onCmdAccept),
};
FXIMPLEMENT(KPodesiPravaPristupa, KPravaPristupaBase, KPodesiPravaPristupaMap,
            ARRAYNUMBER(KPodesiPravaPristupaMap))

KPodesiPravaPristupa::KPodesiPravaPristupa(FX::FXWindow* owner, const char* title,
                                           const char* group)
    : KPravaPristupaBase(owner, title, 400, 300) {
    statusBar = new FX::FXStatusBar(
        this, FX::LAYOUT_SIDE_BOTTOM | FX::LAYOUT_FILL_X | FX::STATUSBAR_WITH_DRAGCORNER);
    auto* frame = new FX::FXVerticalFrame(this, FX::LAYOUT_FILL_X | FX::LAYOUT_FILL_Y);
    auto* row = new FX::FXHorizontalFrame(
        frame, FX::LAYOUT_BOTTOM | FX::LAYOUT_FILL_X | FX::PACK_UNIFORM_WIDTH);
    const struct {
        int text;
        FX::FXSelector id;
    } buttons[] = {{25261, ID_GRANT},
                   {25262, ID_REVOKE},
                   {25289, FX::FXDialogBox::ID_CANCEL},
                   {25288, ID_ACCEPT_RIGHTS}};
    for (const auto& b : buttons) captionButton(row, b.text, this, b.id, FX::LAYOUT_FILL_X);
    setStatusText("");
    begin(frame, group);
}

KPodesiPravaPristupa::~KPodesiPravaPristupa() {
    delete statusBar;
}

void KPodesiPravaPristupa::setStatusText(const char* text) {
    statusBar->getStatusLine()->setNormalText(toUtf8(text));
    statusBar->getStatusLine()->setText(toUtf8(text));
}

std::string KPodesiPravaPristupa::statusText() const {
    return fromUtf8(statusBar->getStatusLine()->getNormalText());
}

void KPodesiPravaPristupa::noRightsData() {
    setStatusText(textById(25293));
}

void KPodesiPravaPristupa::rightsTimedOut() {
    setStatusText(textById(25292));
}

void KPodesiPravaPristupa::rightsNotSent() {
    setStatusText(kMessageNotSentText);
}

long KPodesiPravaPristupa::onCmdGrant(FX::FXObject*, FX::FXSelector, void*) {
    if (tree->grantSelected() == 0) changed = 1;
    return 1;
}

long KPodesiPravaPristupa::onCmdRevoke(FX::FXObject*, FX::FXSelector, void*) {
    if (tree->revokeSelected() == 0) changed = 1;
    return 1;
}

long KPodesiPravaPristupa::onCmdAccept(FX::FXObject* sender, FX::FXSelector, void* ptr) {
    if (changed == 1) {
        uint8_t bitmap[kRightsBitmapSize];
        tree->storeRights(bitmap);
        sendRightsRequest(kSetRights, packSetRights(groupName, bitmap));
    }
    return FX::FXDialogBox::onCmdAccept(sender, FXSEL(FX::SEL_COMMAND, FX::FXDialogBox::ID_ACCEPT),
                                        ptr);
}

// The viewer: the tree list over one centred button.
FXIMPLEMENT(KPrikPravaPristupa, KPravaPristupaBase, nullptr, 0)

KPrikPravaPristupa::KPrikPravaPristupa(FX::FXWindow* owner, const char* title, const char* group)
    : KPravaPristupaBase(owner, title, 300, 500) {
    auto* frame = new FX::FXVerticalFrame(this, FX::LAYOUT_FILL_X | FX::LAYOUT_FILL_Y);
    captionButton(frame, 21403, this, FX::FXDialogBox::ID_ACCEPT,
                  FX::LAYOUT_BOTTOM | FX::LAYOUT_CENTER_X);
    begin(frame, group);
}
