#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <fox-1.6/fx.h>

#include "link/message_bus.h"
#include "link/timer_pool.h"
#include "menus/rights_tree.h"
#include "toolkit/dialog_box.h"

// What the two group rights dialogs share: the rights tree list of one
// group, filled from the group's rights that the dialog asks the management
// processor for as it opens (answer 101, awaited for 2 s).
class KPravaPristupaBase : public TDialogBox, public TTimerReceiver, public TMessageReceiver {
    FXDECLARE(KPravaPristupaBase)

public:
    ~KPravaPristupaBase() override;

    // Request 101 for the group (at most 19 characters) and its time-out.
    void requestRights(const char* group);

    void onTimer(const STimerEvent* event) override;
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;

    KStabloKomandi* rightsTree() const { return tree.get(); }
    const char* group() const { return groupName; }

    int32_t pendingTimer = -1;

protected:
    KPravaPristupaBase() : TMessageReceiver(0) {}
    KPravaPristupaBase(FX::FXWindow* owner, const char* title, FX::FXint w, FX::FXint h);
    // Makes the tree list in its frame, keeps the group name and asks for
    // the rights; called by each dialog once its frames stand.
    void begin(FX::FXComposite* treeFrame, const char* group);
    // The answer held no usable rights, or none came in time.
    virtual void noRightsData() {}
    virtual void rightsTimedOut() {}
    // The read request did not leave (see sendToLink); no time-out is armed.
    virtual void rightsNotSent() {}

    std::unique_ptr<KStabloKomandi> tree;
    char groupName[20] = {};
};

// The rights editor: the operator grants and revokes rights and, on OK,
// sends the group's rights (request 104) when anything changed.
class KPodesiPravaPristupa : public KPravaPristupaBase {
    FXDECLARE(KPodesiPravaPristupa)

public:
    enum { ID_GRANT = TDialogBox::ID_LAST, ID_REVOKE, ID_ACCEPT_RIGHTS, ID_LAST };

    KPodesiPravaPristupa(FX::FXWindow* owner, const char* title, const char* group);
    ~KPodesiPravaPristupa() override;

    void setStatusText(const char* text);
    std::string statusText() const;

    long onCmdGrant(FX::FXObject*, FX::FXSelector, void*);
    long onCmdRevoke(FX::FXObject*, FX::FXSelector, void*);
    long onCmdAccept(FX::FXObject*, FX::FXSelector, void*);

    int32_t changed = 0;

protected:
    KPodesiPravaPristupa() {}
    void noRightsData() override;
    void rightsTimedOut() override;
    void rightsNotSent() override;

private:
    FX::FXStatusBar* statusBar = nullptr;
};

// The read-only rights viewer.
class KPrikPravaPristupa : public KPravaPristupaBase {
    FXDECLARE(KPrikPravaPristupa)

public:
    KPrikPravaPristupa(FX::FXWindow* owner, const char* title, const char* group);

protected:
    KPrikPravaPristupa() {}
};
