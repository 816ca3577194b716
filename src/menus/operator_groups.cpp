#include "menus/operator_groups.h"

#include <cstring>

#include "commands/executors/local_routines.h"
#include "texts/catalogue_message.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "menus/group_rights.h"
#include "menus/rights_tree.h"
#include "toolkit/accelerators.h"
#include "toolkit/combo_box.h"
#include "toolkit/text_codec.h"
#include "utils/bytes.h"

// Notes:
// - Every change is a request to the management processor; the window only
//   shows the answers in its status line and refreshes the list after them.
// - Each awaited answer code has its own time-out: an answer cancels only the
//   time-out of its own code, so that a request still waiting (the list after
//   a rename, say) keeps its time-out and a time-out text never follows the
//   answer it was armed for.
// - The small dialogs and the rights dialogs are modal; answers keep arriving
//   meanwhile, so each handler works with the name it took before opening one.

const char* const builtInOperatorGroups[4] = {"Administratori", "Strucnjaci", "Obicni", "Posada"};

int isBuiltInOperatorGroup(const char* name) {
    if (name == nullptr) return 0;
    for (const char* builtIn : builtInOperatorGroups)
        if (std::strcmp(name, builtIn) == 0) return 1;
    return 0;
}

KGrupeOperShell* operatorGroupsWindow = nullptr;

namespace {

constexpr std::size_t kMinNewNameLength = 5;
constexpr std::size_t kTitleSize = 257;  // a formatted title of at most 256 characters

FX::FXButton* captionButton(FX::FXComposite* parent, int textId, FX::FXObject* target,
                            FX::FXSelector id, FX::FXuint opts = 0) {
    return new FX::FXButton(parent, toUtf8(convertTildeAccel(textById(textId))), nullptr, target,
                            id, FX::BUTTON_NORMAL | opts);
}

// Cancel and accept of the small dialogs; accept is also Enter's button in
// a text field. The initial button is accept, or cancel for a question
// before deleting, so that a stray Enter deletes nothing.
void addSmallDialogButtons(TDialogBox& dialog, FX::FXComposite* parent, bool deleting = false) {
    FX::FXButton* cancel = captionButton(parent, 22019, &dialog, FX::FXDialogBox::ID_CANCEL,
                                         deleting ? FX::BUTTON_INITIAL | FX::BUTTON_DEFAULT : 0);
    dialog.setAcceptButton(
        captionButton(parent, 21401, &dialog, FX::FXDialogBox::ID_ACCEPT,
                      deleting ? FX::BUTTON_DEFAULT : FX::BUTTON_INITIAL | FX::BUTTON_DEFAULT));
    if (deleting) cancel->setFocus();
}

constexpr FX::FXuint kSmallDialogDecor = FX::DECOR_TITLE | FX::DECOR_CLOSE | FX::DECOR_BORDER;

FX::FXTextField* nameField(TDialogBox& dialog, FX::FXComposite* grid, int labelText) {
    new FX::FXLabel(grid, toUtf8(textById(labelText)));
    return new FX::FXTextField(grid, 20, &dialog, TDialogBox::ID_ENTER,
                               FX::TEXTFIELD_NORMAL | FX::FRAME_THICK | FX::FRAME_SUNKEN);
}

// The name dialog of rename (without a base group) and add (with one):
// true and the texts entered when accepted.
bool askGroupName(FX::FXWindow* owner, const char* title, int labelText, std::string& newName,
                  std::string* baseGroup) {
    TDialogBox dialog(owner, title, kSmallDialogDecor);
    auto* grid = new FX::FXMatrix(&dialog, 2, FX::MATRIX_BY_COLUMNS | FX::LAYOUT_FILL_X);
    FX::FXTextField* field = nameField(dialog, grid, labelText);
    FX::FXComboBox* base = nullptr;
    if (baseGroup != nullptr) {
        new FX::FXLabel(grid, toUtf8(textById(25285)));
        base = new TComboBox(
            grid, 20, nullptr, 0,
            FX::COMBOBOX_NORMAL | FX::FRAME_SUNKEN | FX::FRAME_THICK | FX::LAYOUT_FIX_WIDTH, 0, 0,
            130, 0);
        for (const char* name : builtInOperatorGroups) base->appendItem(toUtf8(name));
        base->setNumVisible(4);
        base->setCurrentItem(0);
    }
    addSmallDialogButtons(dialog, grid);
    if (!dialog.execute(FX::PLACEMENT_CURSOR)) return false;
    newName = fromUtf8(field->getText());
    if (base != nullptr) *baseGroup = fromUtf8(base->getText());
    return true;
}

bool confirmDelete(FX::FXWindow* owner, const char* text) {
    TDialogBox dialog(owner, text, kSmallDialogDecor);
    new FX::FXLabel(&dialog, toUtf8Literal(text));
    auto* row = new FX::FXHorizontalFrame(&dialog, FX::LAYOUT_FILL_X | FX::PACK_UNIFORM_WIDTH);
    addSmallDialogButtons(dialog, row, true);
    return dialog.execute(FX::PLACEMENT_CURSOR) != 0;
}

// Status-line texts of the answers: success, failure, and whether the list
// is asked for again after each.
struct AnswerTexts {
    uint8_t code;
    int success;
    int failure;
    bool listAfterSuccess;
    bool listAfterFailure;
};
constexpr AnswerTexts kAnswerTexts[] = {
    {kSetRights, 25275, 25279, false, false},
    {kGroupAdded, 25278, 25281, true, false},
    {kGroupDeleted, 25277, 25280, true, true},
    {kRenameGroup, 25273, 25274, true, false},
};

struct TimeoutText {
    uint8_t code;
    int text;
};
constexpr TimeoutText kTimeoutTexts[] = {
    {kGroupAdded, 25269},
    {kGroupDeleted, 25270},
    {kGroupList, 25271},
    {kRenameGroup, 25272},
};
constexpr int kUnknownTimeoutText = 25290;

}  // namespace

FXDEFMAP(KGrupeOperShell)
KGrupeOperShellMap[] = {
    FXMAPFUNC(FX::SEL_COMMAND, KGrupeOperShell::ID_SET_RIGHTS, KGrupeOperShell::onCmdSetRights),
    FXMAPFUNC(FX::SEL_COMMAND, KGrupeOperShell::ID_READ_RIGHTS, KGrupeOperShell::onCmdReadRights),
    FXMAPFUNC(FX::SEL_COMMAND, KGrupeOperShell::ID_RENAME_GROUP, KGrupeOperShell::onCmdRenameGroup),
    FXMAPFUNC(FX::SEL_COMMAND, KGrupeOperShell::ID_ADD_GROUP, KGrupeOperShell::onCmdAddGroup),
    FXMAPFUNC(FX::SEL_COMMAND, KGrupeOperShell::ID_DELETE_GROUP, KGrupeOperShell::onCmdDeleteGroup),
    FXMAPFUNC(FX::SEL_COMMAND, KGrupeOperShell::ID_ACCEPT_WINDOW, KGrupeOperShell::onCmdAccept),
    FXMAPFUNC(FX::SEL_COMMAND, KGrupeOperShell::ID_CANCEL_WINDOW, KGrupeOperShell::onCmdCancel),
};
FXIMPLEMENT(KGrupeOperShell, TDialogBox, KGrupeOperShellMap, ARRAYNUMBER(KGrupeOperShellMap))

KGrupeOperShell::KGrupeOperShell(FX::FXApp* app, const char* title, FX::FXint x, FX::FXint y,
                                 FX::FXint w, FX::FXint h)
    : TDialogBox(app, title,
                 FX::DECOR_TITLE | FX::DECOR_BORDER | FX::DECOR_CLOSE | FX::DECOR_RESIZE, x, y, w,
                 h),
      TMessageReceiver(kRightsMessageType) {
    statusBar = new FX::FXStatusBar(this, FX::LAYOUT_SIDE_BOTTOM | FX::LAYOUT_FILL_X);
    columns = new FX::FXHorizontalFrame(this, FX::LAYOUT_FILL_X | FX::LAYOUT_FILL_Y);
    listFrame = new FX::FXVerticalFrame(
        columns, FX::FRAME_THICK | FX::FRAME_SUNKEN | FX::LAYOUT_FILL_X | FX::LAYOUT_FILL_Y);
    new FX::FXLabel(listFrame, toUtf8(textById(25255)));
    list = new FX::FXList(listFrame, nullptr, 0,
                          FX::LIST_BROWSESELECT | FX::LAYOUT_FILL_X | FX::LAYOUT_FILL_Y);
    list->setBackColor(kRightsListColour);
    for (int i = 0; i < kOperatorGroupSlots; ++i) list->appendItem(FX::FXString());
    list->setCurrentItem(0);
    buttons =
        new FX::FXVerticalFrame(columns, FX::LAYOUT_FIX_WIDTH | FX::LAYOUT_FILL_Y, 0, 0, 200, 0);
    const struct {
        int text;
        FX::FXSelector id;
    } rows[] = {{25260, ID_SET_RIGHTS},   {25266, ID_READ_RIGHTS},  {25267, ID_RENAME_GROUP},
                {25263, ID_ADD_GROUP},    {25264, ID_DELETE_GROUP}, {25288, ID_ACCEPT_WINDOW},
                {25289, ID_CANCEL_WINDOW}};
    for (const auto& row : rows) captionButton(buttons, row.text, this, row.id, FX::LAYOUT_FILL_X);
    setStatusText("");
    for (uint8_t code : {kGroupList, kGroupAdded, kGroupDeleted, kSetRights, kRenameGroup})
        addCodeFilter(code);
    active = 1;
    requestGroupList();
}

KGrupeOperShell::~KGrupeOperShell() {
    killTimers(this);
    if (operatorGroupsWindow == this) operatorGroupsWindow = nullptr;
    delete columns;  // with the list frame, the list and the buttons
    delete statusBar;
}

void KGrupeOperShell::request(uint8_t code, uint8_t awaited, const std::vector<uint8_t>& payload) {
    // Nothing is awaited of a request that never left: its time-out text
    // would blame the exchange.
    if (sendRightsRequest(code, payload) < 0) {
        setStatusText(kMessageNotSentText);
        return;
    }
    pending.arm(this, awaited);
}

void KGrupeOperShell::requestGroupList() {
    request(kGroupList, kGroupList, {});
}

void KGrupeOperShell::setStatusText(const char* text) {
    statusBar->getStatusLine()->setNormalText(toUtf8(text));
    statusBar->getStatusLine()->setText(toUtf8(text));
}

std::string KGrupeOperShell::statusText() const {
    return fromUtf8(statusBar->getStatusLine()->getNormalText());
}

void KGrupeOperShell::showText(int textId) {
    setStatusText(textById(textId));
}

bool KGrupeOperShell::selectedGroup(std::string& name) const {
    const FX::FXint row = list->getCurrentItem();
    if (list->getNumItems() == 0 || row < 0) return false;
    name = fromUtf8(list->getItemText(row));
    return true;
}

bool KGrupeOperShell::changeableGroup(std::string& name) {
    if (!selectedGroup(name)) return false;
    if (!isBuiltInOperatorGroup(name.c_str())) return true;
    showText(25276);
    return false;
}

long KGrupeOperShell::onCmdSetRights(FX::FXObject*, FX::FXSelector, void*) {
    setStatusText("");
    std::string name;
    if (!changeableGroup(name)) return 1;
    char title[kTitleSize];
    formatMessage(title, sizeof title, 25257, name);
    KPodesiPravaPristupa editor(this, title, name.c_str());
    editor.execute(FX::PLACEMENT_CURSOR);
    return 1;
}

long KGrupeOperShell::onCmdReadRights(FX::FXObject*, FX::FXSelector, void*) {
    setStatusText("");
    std::string name;
    if (!selectedGroup(name)) return 1;
    KPrikPravaPristupa viewer(this, textById(25291), name.c_str());
    viewer.execute(FX::PLACEMENT_CURSOR);
    return 1;
}

long KGrupeOperShell::onCmdRenameGroup(FX::FXObject*, FX::FXSelector, void*) {
    setStatusText("");
    std::string name;
    if (!changeableGroup(name)) return 1;
    char title[kTitleSize];
    formatMessage(title, sizeof title, 25258, name);
    std::string newName;
    if (!askGroupName(this, title, 25259, newName, nullptr)) return 1;
    if (newName.size() < kMinNewNameLength) {
        showText(25287);
        return 1;
    }
    request(kRenameGroup, kRenameGroup, packGroupNames({name, newName}, kGroupNameMax));
    return 1;
}

long KGrupeOperShell::onCmdAddGroup(FX::FXObject*, FX::FXSelector, void*) {
    setStatusText("");
    std::string newName;
    std::string base;
    if (!askGroupName(this, textById(25283), 25284, newName, &base)) return 1;
    if (newName.size() < kMinNewNameLength) {
        showText(25287);
        return 1;
    }
    request(kAddGroup, kGroupAdded, packGroupNames({newName, base}, kGroupNameMax));
    return 1;
}

long KGrupeOperShell::onCmdDeleteGroup(FX::FXObject*, FX::FXSelector, void*) {
    setStatusText("");
    std::string name;
    if (!selectedGroup(name)) {
        showText(25282);
        return 1;
    }
    const FX::FXint row = list->getCurrentItem();
    char text[kTitleSize];
    formatMessage(text, sizeof text, 25286, name);
    if (!confirmDelete(this, text)) return 1;
    request(kDeleteGroup, kGroupDeleted, packGroupNames({name}, kGroupNameMax));
    // The row goes at once; the list asked for after the answer restores the
    // names of the rows left. A list answer in the dialog's loop may have
    // changed rows but never their number.
    if (row < list->getNumItems()) list->removeItem(row);
    --groupCount;
    return 1;
}

long KGrupeOperShell::onCmdAccept(FX::FXObject* sender, FX::FXSelector, void* ptr) {
    setStatusText("");
    FX::FXDialogBox::onCmdAccept(sender, FXSEL(FX::SEL_COMMAND, FX::FXDialogBox::ID_ACCEPT), ptr);
    return 1;
}

long KGrupeOperShell::onCmdCancel(FX::FXObject* sender, FX::FXSelector, void* ptr) {
    setStatusText("");
    FX::FXDialogBox::onCmdCancel(sender, FXSEL(FX::SEL_COMMAND, FX::FXDialogBox::ID_CANCEL), ptr);
    return 1;
}

void KGrupeOperShell::onTimer(const STimerEvent* event) {
    pending.expired(event->timerId);
    int text = kUnknownTimeoutText;
    for (const TimeoutText& t : kTimeoutTexts)
        if (t.code == event->data[0]) text = t.text;
    showText(text);
}

void KGrupeOperShell::onMessage(uint8_t, uint16_t, uint8_t code, const uint8_t* payload,
                                int length) {
    pending.answered(this, code);
    if (code == kGroupList) {
        readGroupList(payload, length);
        return;
    }
    for (const AnswerTexts& a : kAnswerTexts) {
        if (a.code != code) continue;
        const bool ok = answerStatus(payload, length) == 0;
        showText(ok ? a.success : a.failure);
        if (ok ? a.listAfterSuccess : a.listAfterFailure) requestGroupList();
        return;
    }
}

void KGrupeOperShell::readGroupList(const uint8_t* payload, int length) {
    ByteReader in(payload, length > 0 ? static_cast<std::size_t>(length) : 0);
    if (in.remaining() == 4) {
        groupCount = in.i32le();
        return;
    }
    // Entries: a 32-bit index, then the name up to its zero or the end.
    while (in.remaining() > 4) {
        const int32_t index = in.i32le();
        const auto* name = reinterpret_cast<const char*>(in.current());
        const std::size_t n = strnlen(name, in.remaining());
        in.skip(n < in.remaining() ? n + 1 : n);
        if (index < 0 || index >= kOperatorGroupSlots) continue;
        const std::size_t kept = n < kOperatorGroupNameSize - 1 ? n : kOperatorGroupNameSize - 1;
        std::memcpy(groupNames[index], name, kept);
        groupNames[index][kept] = '\0';
    }
    for (int32_t row = 0; row < groupCount && row < list->getNumItems(); ++row)
        list->setItemText(row, toUtf8(groupNames[row]));
}

void openOperatorGroupsDialog() {
    if (operatorGroupsWindow == nullptr) {
        FX::FXWindow* owner = mainDialogOwner();
        FX::FXApp* app = owner != nullptr ? owner->getApp() : FX::FXApp::instance();
        if (app == nullptr) return;
        operatorGroupsWindow = new KGrupeOperShell(app, textById(25256), 100, 20, 600, 250);
        operatorGroupsWindow->create();
    }
    operatorGroupsWindow->show();
}

void destroyOperatorGroupsWindow() {
    delete operatorGroupsWindow;
    operatorGroupsWindow = nullptr;
}

int installOperatorGroupsRoutine() {
    setLocalRoutine(LocalRoutine::openOperatorGroupsDialog,
                    [](const uint8_t*) { openOperatorGroupsDialog(); });
    return 0;
}
