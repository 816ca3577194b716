#pragma once

#include <cstddef>
#include <cstdint>

// The command hierarchy: the one outline of roots, groups, commands and
// separators in which the operator finds the commands. The menu bar and the
// command tree are both built by walking it, so that a command stands at the
// same place, with the same id and label, in both. Fixed data of the program.

// A root is a group at depth 0.
enum class OutlineKind : uint8_t { Group, Command, Separator };

struct OutlineEntry {
    uint8_t depth;  // 0 for a root; the entries of a group lie one level deeper
    OutlineKind kind;
    uint16_t command;   // command id 5001..5599 of a command; 0 otherwise
    int32_t labelText;  // catalogue text that labels a report command; 0 otherwise
    const char* label;  // a label of its own (code page 1251); null for a
                        // separator and for a command labelled by a catalogue text
};

constexpr std::size_t kOutlineRootCount = 8;
constexpr std::size_t kOutlineGroupCount = 134;  // below the roots
constexpr std::size_t kOutlineCommandCount = 590;
constexpr std::size_t kOutlineSeparatorCount = 12;
constexpr std::size_t kOutlineEntryCount =
    kOutlineRootCount + kOutlineGroupCount + kOutlineCommandCount + kOutlineSeparatorCount;

// In outline order (pre-order): each group is followed by its entries.
// Command ids increase strictly along it.
extern const OutlineEntry kCommandOutline[kOutlineEntryCount];

// The label as it stands: a label of its own, or the catalogue text with its
// "~" marks around the mnemonic letter; "" for a separator.
const char* outlineLabel(const OutlineEntry& entry);
// The label as the command tree shows it: a label of its own unchanged, a
// catalogue text without its "~" marks (in the buffer of stripTildes, which
// the next call overwrites); "" for a separator.
const char* outlineTreeLabel(const OutlineEntry& entry);

// What a walk over the outline reports, in outline order: a group opens
// before its entries and closes after the last of them.
class IOutlineVisitor {
public:
    virtual ~IOutlineVisitor() = default;
    virtual void openGroup(const OutlineEntry& group) = 0;
    virtual void closeGroup(const OutlineEntry& group) = 0;
    virtual void command(const OutlineEntry& command) = 0;
    virtual void separator(const OutlineEntry& separator) = 0;
};

void walkCommandOutline(IOutlineVisitor& visitor);
