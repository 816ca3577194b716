#pragma once

#include <cstdint>
#include <memory>

#include "sub/field_defs.h"

class TTrnTabBase;

// Table number by name, ignoring the case of a..z; -1 when no table has it.
int32_t findTableBySingularName(const char* name);
int32_t findTableByPluralName(const char* name);
// Null for 0 and for numbers outside 1..204.
const char* getTableSingularName(int16_t table);
const char* getTablePluralName(int16_t table);

// The tables the database holds and replicates: 1..204 but 123 and 183.
int isValidTableNumber(int16_t table);
int isReplicableTableNumber(int16_t table);

// 0 and the definition for 1..204; 1 (outputs untouched) for any other number.
int getTableDefinition(int16_t table, int32_t* capacity, int16_t* fieldCount,
                       const SSubFieldDef** dictionary);

// A new empty table of the definition; null when there is none.
std::unique_ptr<TTrnTabBase> createTable(int16_t table);
