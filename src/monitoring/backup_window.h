#pragma once

#include <cstddef>
#include <cstdint>

#include <fox-1.6/fx.h>

#include "toolkit/rec_shell.h"

// Backups of the exchange's data: the exchange lists them in its table 128,
// which the workstation holds as a replica; the backup window asks the
// management processor, by requests of message type 187, to make, stop,
// describe, delete, release, mark and unmark them and to run automatic
// backups. Answers carry the request's code plus 128. Neither window writes
// table 128: its rows change when replication brings the exchange's change.

constexpr uint8_t kTypeBackup = 187;
constexpr uint16_t kBackupDestination = 16408;

constexpr int16_t kTableBackupTypes = 124;     // TipBekapa
constexpr int16_t kTableBackupSchedule = 125;  // VremeAutomatskogBekapa
constexpr int16_t kTableLoadTypes = 126;       // TipPunjenja
constexpr int16_t kTableBackups = 128;         // Bekap

// Values of Bekap.Status.
enum eBekapStatus : uint8_t {
    bstsPrazan = 0,
    bstsNeuspesan = 1,
    bstsUspesan = 2,
    bstsNepoznat = 3,  // taken as storage already released
};

constexpr std::size_t kBackupTypeNameSize = 11;  // names of backup and load types
constexpr std::size_t kBackupDescriptionSize = 81;
constexpr std::size_t kBackupFileNameSize = 31;
constexpr std::size_t kBekapRecordSize = 135;
// Character t of an Ucesce field tells about table t; "." means it takes no part.
constexpr std::size_t kUcesceSize = 206;
constexpr std::size_t kTypeOpisSize = 81;
constexpr std::size_t kTypeRecordSize = kBackupTypeNameSize + kTypeOpisSize + kUcesceSize;

// One row of table 128; its texts end within their fields.
struct SBekap {
    int32_t datum = 0;  // day number
    int32_t vreme = 0;  // seconds since midnight
    char tipBekapa[kBackupTypeNameSize] = {};
    uint8_t a = 0;
    uint8_t markiran = 0;
    uint8_t status = 0;
    uint8_t dobar = 0;
    char opis[kBackupDescriptionSize] = {};
    char fileName[kBackupFileNameSize] = {};
};
// Decodes a record of table 128; false for one shorter than a record.
bool readBekap(const uint8_t* record, std::size_t length, SBekap& out);

// One row of table 124 or 126: the type's name and its Ucesce characters
// (all 206 kept as they are; the name ends within its field).
struct STypeRow {
    char name[kBackupTypeNameSize] = {};
    char ucesce[kUcesceSize] = {};
};
bool readTypeRow(const uint8_t* record, std::size_t length, STypeRow& out);

// The selected row of a shell over table 128, decoded; false when the
// selection is refused (the shell's information box has been shown).
bool selectedBackup(TRecShell& shell, SBekap& out);

// Request bodies; each returns the bytes written.
// 1: the type's name and its terminating zero (at most 11 bytes).
int packBackupStart(uint8_t* out, std::size_t size, const char* typeName);
// 8..11: Datum and Vreme.
constexpr int kBackupKeyRequestSize = 8;
int packBackupKey(uint8_t* out, std::size_t size, const SBekap& backup);
// 4: Datum, Vreme and the description in 81 bytes, zero-padded.
constexpr int kBackupDescriptionRequestSize = 89;
int packBackupDescription(uint8_t* out, std::size_t size, const SBekap& backup,
                          const char* description);
// The description as it is sent: the last 80 characters of the text, each
// "," replaced by ";".
void makeBackupDescription(const char* text, char (&out)[kBackupDescriptionSize]);

// A request of type 187 to the management processor; false when the link
// did not take it (see sendToLink).
bool sendBackupRequest(uint8_t code, const uint8_t* payload, int length);

// The backup window: table 128 with eight buttons, the status line showing
// each request sent and each answer, and the polling of a running backup's
// state every 300 ms. Closing it only hides it; answers and polling go on.
class TBekapShell : public TRecShell {
    FXDECLARE(TBekapShell)

public:
    enum {
        ID_START = TDialogBox::ID_LAST,
        ID_STOP,
        ID_DELETE,
        ID_RELEASE,
        ID_MARK,
        ID_UNMARK,
        ID_DESCRIBE,
        ID_AUTOMATIC,
        ID_LAST
    };

    explicit TBekapShell(FX::FXWindow* owner);
    ~TBekapShell() override;

    // Every button: clears the status line, then runs its action.
    long onCmdButton(FX::FXObject*, FX::FXSelector, void*);

    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
    void onTimer(const STimerEvent* event) override;

    void startBackup();
    void stopBackup();
    void deleteBackup();
    void releaseBackup();
    void markBackup();
    void unmarkBackup();
    void describeBackup();
    void setAutomaticBackup();

    // 1 while a backup is known to run and its state is asked for.
    int32_t pollingStatus = 0;

protected:
    TBekapShell() = default;

private:
    // Delete, release, mark and unmark: checks, question, request.
    void runOnSelected(FX::FXSelector id);
    void answerState(const uint8_t* payload, int length);
};

// The one backup window, null until command 5016 first runs.
extern TBekapShell* backupWindow;

// Command 5016: makes the window on first use, then shows it.
void openBackupWindow();
