#pragma once

#include <cstddef>
#include <cstdint>

// One element of a text's parameter-format list: the printf format of the
// placeholder %number. A list ends at the first element whose format is null.
struct STextParam {
    std::uint8_t number;
    const char* format;
};

// One numbered text of the catalogue (code page 1251). `prepared` is 0 in the
// static data and set to 1 by the first lookup of the entry.
struct STextEntry {
    std::int32_t id;
    const char* text;
    const STextParam* params;
    std::int32_t prepared;
};

// The catalogue as static data; its order is fixed by sortTextCatalogue().
extern STextEntry textCatalogue[];
extern const std::size_t textCatalogueSize;

// Titles of the operator commands, index = command id - kFirstCommandId.
constexpr int kFirstCommandId = 5001;
constexpr int kLastCommandId = 5599;
constexpr int kCommandNameCount = kLastCommandId - kFirstCommandId + 1;
extern const char* const commandNames[kCommandNameCount];

// Sorts the catalogue by id; the first step of start-up. Lookups sort it
// themselves if it has not been sorted yet.
void sortTextCatalogue();
// The entry of a text id, or null.
const STextEntry* findText(int id);
// The text of an id, or "???" when no entry has it. The text belongs to the
// catalogue: callers never change or free it.
const char* textById(int id);
// The printf format of parameter `number` of text `id`, or null when the text
// is missing, has no list or no element with that number.
const char* textParamFormat(int id, int number);
// Title of command 5001..5599, "???" for any other id.
const char* commandName(int id);
// Copies a text for display into out (size bytes with the terminator); the
// texts are stored as shown, so this is a plain bounded copy.
void convertText(char* out, std::size_t size, const char* text);
