#include "sub/table_catalogue.h"

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

}  // namespace

int32_t findTableBySingularName(const char* name) {
    return findTable(name, [](const STableDefinition& d) { return d.singularName; });
}

int32_t findTableByPluralName(const char* name) {
    return findTable(name, [](const STableDefinition& d) { return d.pluralName; });
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
