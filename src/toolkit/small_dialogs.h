#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace FX {
class FXWindow;
}
class TTrnRecBase;

// Small modal helpers shared by many windows, each run over the main window.
// Texts are CP1251.

// One radio button per catalogue text, the one at `preselected` checked (an
// index outside 0..count-1 checks none). The index of the checked button on
// accept, `count` when none is checked, -1 when cancelled.
int chooseOption(const char* title, int count, const uint16_t* textIds, int preselected);

// A one-line prompt with an empty start value: 0 and the text entered in
// buffer, or -1 and an empty text when cancelled. A text longer than size - 1
// characters keeps its last size - 1 characters. A typed character that
// CP1251 cannot hold is refused and the prompt stays open.
int askString(const char* caption, const char* label, char* buffer, std::size_t size);

// A one-line prompt over `owner` (the topmost dialog when null) that starts
// with `text`, selected; its label may mark a mnemonic with tildes. True and
// the text entered, false when cancelled. A typed character that CP1251
// cannot hold is refused and the prompt stays open.
bool promptText(FX::FXWindow* owner, const char* caption, const char* label, std::string& text);

// chooseFileName with an empty initial name and the first pattern current:
// the chosen name as given by the file system, in one buffer shared by all
// calls (at most 254 characters), or null when the dialog was cancelled or
// the name is empty; null leaves the buffer as it was.
const char* chooseFileNameStatic(const char* patterns);

// Decides which records of a table the record chooser offers.
using RecordFilter = std::function<bool(const uint8_t* record)>;

// Results of pickTableRecord.
constexpr int kPickBadTable = -1;
constexpr int kPickCancelled = -2;
constexpr int kPickNoDialog = -3;
constexpr int kPickNoRecord = -4;

// The record window that lets the operator choose one record of a table.
class IRecordChooser {
public:
    virtual ~IRecordChooser() = default;
    // 0 with the chosen record (key followed by data) in `chosen`, or
    // kPickCancelled, kPickNoDialog or kPickNoRecord.
    virtual int choose(const char* title, int16_t table, const RecordFilter& filter,
                       std::vector<uint8_t>& chosen) = 0;
};
// Installs the chooser (null: none, and pickTableRecord answers kPickNoDialog).
void setRecordChooser(IRecordChooser* chooser);

// The operator chooses a record of the table; 0 and the record (the table's
// key and data lengths together) copied into record, whose size must hold it.
// kPickBadTable for a number outside 0..204 or one the database has no table
// for, before anything is shown; kPickNoRecord when the chooser gave no
// record of the table's length or the buffer cannot hold it.
int pickTableRecord(const char* title, int32_t table, uint8_t* record, std::size_t size,
                    const RecordFilter& filter);
// As pickTableRecord for the cursor's table, into the cursor's record; the
// cursor is then read again by the chosen key, and a failed read gives
// kPickNoRecord.
int pickRecordIntoCursor(const char* title, TTrnRecBase& cursor, const RecordFilter& filter);
// Bytes of a record of the table (key and data); 0 for a number without a table.
std::size_t tableRecordLength(int32_t table);

// Replaces replication control's answer whether a table is consistent (null
// restores it); for tests.
void setTableConsistencyTest(int (*isConsistent)(int16_t table));
// 0 when the table is consistent; else the error box of catalogue text 22018
// with the table's plural name, and -1.
int requireConsistentTable(int16_t table);
