#pragma once

#include <cstdint>
#include <string>

#include <fox-1.6/fx.h>

#include "link/message_bus.h"
#include "link/timer_pool.h"
#include "menus/rights_protocol.h"
#include "toolkit/dialog_box.h"

// The four groups the management processor always has, in this order.
extern const char* const builtInOperatorGroups[4];
// 1 when the name is one of them exactly (case-sensitive, whole name), else 0.
int isBuiltInOperatorGroup(const char* name);

constexpr int kOperatorGroupSlots = 20;
constexpr std::size_t kOperatorGroupNameSize = 20;  // 19 characters and a zero

// The window in which the operator administers the operator groups of the
// management processor: the list of groups, renaming, adding and deleting a
// group, and reading or setting a group's command rights. It keeps no group
// data of its own: each change is a request, each answer a status-line text.
// Not modal; its close box, OK and Cancel only hide it.
class KGrupeOperShell : public TDialogBox, public TTimerReceiver, public TMessageReceiver {
    FXDECLARE(KGrupeOperShell)

public:
    enum {
        ID_SET_RIGHTS = TDialogBox::ID_LAST,
        ID_READ_RIGHTS,
        ID_RENAME_GROUP,
        ID_ADD_GROUP,
        ID_DELETE_GROUP,
        ID_ACCEPT_WINDOW,
        ID_CANCEL_WINDOW,
        ID_LAST
    };

    // Builds the window and asks for the group list.
    KGrupeOperShell(FX::FXApp* app, const char* title, FX::FXint x, FX::FXint y, FX::FXint w,
                    FX::FXint h);
    ~KGrupeOperShell() override;

    void requestGroupList();
    void setStatusText(const char* text);
    std::string statusText() const;

    long onCmdSetRights(FX::FXObject*, FX::FXSelector, void*);
    long onCmdReadRights(FX::FXObject*, FX::FXSelector, void*);
    long onCmdRenameGroup(FX::FXObject*, FX::FXSelector, void*);
    long onCmdAddGroup(FX::FXObject*, FX::FXSelector, void*);
    long onCmdDeleteGroup(FX::FXObject*, FX::FXSelector, void*);
    long onCmdAccept(FX::FXObject*, FX::FXSelector, void*);
    long onCmdCancel(FX::FXObject*, FX::FXSelector, void*);

    void onTimer(const STimerEvent* event) override;
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;

    FX::FXList* groupList() const { return list; }
    int32_t groupCount = 0;
    char groupNames[kOperatorGroupSlots][kOperatorGroupNameSize] = {};
    TPendingAnswers pending;

protected:
    KGrupeOperShell() : TMessageReceiver(kRightsMessageType) {}

private:
    // The current row's text; false when the list has no rows.
    bool selectedGroup(std::string& name) const;
    // The current row's text when its group may be changed; a built-in group
    // is refused with its status text.
    bool changeableGroup(std::string& name);
    void request(uint8_t code, uint8_t awaited, const std::vector<uint8_t>& payload);
    void readGroupList(const uint8_t* payload, int length);
    void showText(int textId);

    FX::FXHorizontalFrame* columns = nullptr;
    FX::FXVerticalFrame* listFrame = nullptr;
    FX::FXVerticalFrame* buttons = nullptr;
    FX::FXStatusBar* statusBar = nullptr;
    FX::FXList* list = nullptr;
};

// The one window; null until command 5597 first runs.
extern KGrupeOperShell* operatorGroupsWindow;

// Command 5597: makes the window on first use (which asks for the list),
// then shows it.
void openOperatorGroupsDialog();
// Deletes the window (at exit, before the application's windows go).
void destroyOperatorGroupsWindow();

// Start step: fills the local-routine slot of command 5597; 0.
int installOperatorGroupsRoutine();
