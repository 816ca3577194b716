#pragma once

#include <cstddef>
#include <cstdint>

#include <fox-1.6/fx.h>

#include "monitoring/backup_window.h"

// Loading a stored, successful backup back into a central processor: the
// load window lists the successful backups of table 128, checks that the
// chosen backup holds every table the chosen load type needs, and asks the
// management processor (type 187, codes 33..35) to start the load, follows
// its progress answer by answer and can stop it.

// Targets of a load.
enum eLoadTarget : uint8_t { ltRunningCp = 0, ltCp1 = 1, ltCp2 = 2 };

// A load of this type may not go to the running processor.
inline constexpr char kLargeLoadType[] = "Veliko";

// Record filter of the window: rows whose Status is bstsUspesan.
bool isSuccessfulBackup(const uint8_t* record);

// The first table that the load type needs and the backup type lacks (its
// Ucesce has "." there), looking at tables 0..204; -1 when none.
int firstMissingTable(const STypeRow& loadType, const STypeRow& backupType);

// Request 33: target, the load type's name in 11 bytes (zero-padded), the
// backup's Datum and Vreme.
constexpr int kLoadStartRequestSize = 20;
int packLoadStart(uint8_t* out, std::size_t size, uint8_t target, const char* loadType,
                  const SBekap& backup);

// The load window: the successful backups, a start and a stop button, and
// the answers in the status line. Closing it only hides it.
class TLoadShell : public TRecShell {
    FXDECLARE(TLoadShell)

public:
    enum { ID_START = TDialogBox::ID_LAST, ID_STOP, ID_LAST };

    explicit TLoadShell(FX::FXWindow* owner);
    ~TLoadShell() override;

    // Both buttons: clear the status line, then run the action.
    long onCmdButton(FX::FXObject*, FX::FXSelector, void*);

    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
    // The window arms no timer.
    void onTimer(const STimerEvent* event) override;

    void startLoad();
    void stopLoad();

protected:
    TLoadShell() = default;
};

// The one load window, null until command 5017 first runs.
extern TLoadShell* loadWindow;

// Command 5017: makes the window on first use, then shows it.
void openLoadWindow();
