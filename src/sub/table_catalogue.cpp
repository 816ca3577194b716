#include "sub/table_catalogue.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sub/table_dictionary.h"
#include "sub/trn_tab.h"

namespace {

bool isDefined(int16_t table) {
    return table >= 1 && table <= kLastTableNumber;
}

template <typename NameOf>
int32_t findTable(const char* name, NameOf nameOf) {
    for (int16_t t = 0; t <= kLastTableNumber; ++t) {
        const char* candidate = nameOf(kTableDefinitions[t]);
        if (candidate != nullptr && namesEqual(candidate, name)) return t;
    }
    return -1;
}

// The names of the tables in upper case (a..z only), sorted, each with the
// first table that has it: a table-contents file names a table on every
// selector line, and a search of the sorted names costs a few comparisons.
using NameIndex = std::vector<std::pair<std::string, int32_t>>;

template <typename NameOf>
NameIndex buildNameIndex(NameOf nameOf) {
    NameIndex index;
    for (int16_t t = 0; t <= kLastTableNumber; ++t) {
        const char* name = nameOf(kTableDefinitions[t]);
        if (name == nullptr) continue;
        std::string upper(name);
        for (char& c : upper) c = char(upperAscii(static_cast<unsigned char>(c)));
        index.emplace_back(std::move(upper), t);
    }
    std::sort(index.begin(), index.end());  // equal names: the first table first
    return index;
}

template <typename NameOf>
int32_t findTableIndexed(const NameIndex& index, const char* name, NameOf nameOf) {
    if (name == nullptr) return -1;
    char upper[64];
    size_t length = 0;
    for (; name[length] != '\0'; ++length) {
        if (length == sizeof upper) return findTable(name, nameOf);  // longer than any name
        upper[length] = char(upperAscii(static_cast<unsigned char>(name[length])));
    }
    const std::string_view wanted(upper, length);
    const auto at = std::lower_bound(index.begin(), index.end(), wanted,
                                     [](const NameIndex::value_type& e, std::string_view w) {
                                         return std::string_view(e.first) < w;
                                     });
    return at != index.end() && std::string_view(at->first) == wanted ? at->second : -1;
}

const char* singularOf(const STableDefinition& d) {
    return d.singularName;
}

const char* pluralOf(const STableDefinition& d) {
    return d.pluralName;
}

}  // namespace

int32_t findTableBySingularName(const char* name) {
    static const NameIndex index = buildNameIndex(singularOf);
    return findTableIndexed(index, name, singularOf);
}

int32_t findTableByPluralName(const char* name) {
    static const NameIndex index = buildNameIndex(pluralOf);
    return findTableIndexed(index, name, pluralOf);
}

const char* getTableSingularName(int16_t table) {
    return isDefined(table) ? kTableDefinitions[table].singularName : nullptr;
}

const char* getTablePluralName(int16_t table) {
    return isDefined(table) ? kTableDefinitions[table].pluralName : nullptr;
}

int isValidTableNumber(int16_t table) {
    // Operator groups (123) and operators (183) are defined but never created.
    return isDefined(table) && table != 123 && table != 183 ? 1 : 0;
}

int isReplicableTableNumber(int16_t table) {
    return isValidTableNumber(table);
}

int getTableDefinition(int16_t table, int32_t* capacity, int16_t* fieldCount,
                       const SSubFieldDef** dictionary) {
    if (!isDefined(table)) return 1;
    const STableDefinition& d = kTableDefinitions[table];
    if (capacity != nullptr) *capacity = d.capacity;
    if (fieldCount != nullptr) *fieldCount = d.fieldCount;
    if (dictionary != nullptr) *dictionary = d.fields;
    return 0;
}

std::unique_ptr<TTrnTabBase> createTable(int16_t table) {
    int32_t capacity = 0;
    int16_t count = 0;
    const SSubFieldDef* fields = nullptr;
    if (getTableDefinition(table, &capacity, &count, &fields) != 0) return nullptr;
    return std::make_unique<TTrnTabBase>(capacity, count, fields);
}
