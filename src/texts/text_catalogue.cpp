#include "texts/text_catalogue.h"

#include <algorithm>
#include <cstring>

namespace {

const char* const kMissingText = "???";
bool catalogueSorted = false;

bool byId(const STextEntry& a, const STextEntry& b) {
    return a.id < b.id;
}

}  // namespace

void sortTextCatalogue() {
    std::sort(textCatalogue, textCatalogue + textCatalogueSize, byId);
    catalogueSorted = true;
}

const STextEntry* findText(int id) {
    if (!catalogueSorted) sortTextCatalogue();
    STextEntry* const end = textCatalogue + textCatalogueSize;
    STextEntry* const it = std::lower_bound(
        textCatalogue, end, id, [](const STextEntry& e, int key) { return e.id < key; });
    return it != end && it->id == id ? it : nullptr;
}

const char* textById(int id) {
    const STextEntry* found = findText(id);
    if (found == nullptr) return kMissingText;
    // The stored text is already in display form: the first lookup only marks it prepared.
    STextEntry* entry = const_cast<STextEntry*>(found);
    if (entry->prepared == 0) entry->prepared = 1;
    return entry->text;
}

const char* textParamFormat(int id, int number) {
    const STextEntry* entry = findText(id);
    if (entry == nullptr || entry->params == nullptr) return nullptr;
    for (const STextParam* p = entry->params; p->format != nullptr; ++p) {
        if (p->number == number) return p->format;
    }
    return nullptr;
}

const char* commandName(int id) {
    if (id < kFirstCommandId || id > kLastCommandId) return kMissingText;
    return commandNames[id - kFirstCommandId];
}

void convertText(char* out, std::size_t size, const char* text) {
    if (out == nullptr || size == 0) return;
    if (text == nullptr) text = "";
    if (out == text) return;
    const std::size_t n = std::min(std::strlen(text), size - 1);
    std::memmove(out, text, n);
    out[n] = '\0';
}
