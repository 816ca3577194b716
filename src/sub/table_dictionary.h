#pragma once

#include <cstdint>

#include "sub/field_defs.h"

constexpr int16_t kLastTableNumber = 204;
constexpr int kTableNumberLimit = kLastTableNumber + 1;

// One table of the exchange: its names, its fixed capacity in rows and its fields.
struct STableDefinition {
    const char* singularName;  // the table's name in table-contents files
    const char* pluralName;    // its caption in windows and messages
    int32_t capacity;
    int16_t fieldCount;
    const SSubFieldDef* fields;
};

// Indexed by table number; entry 0 is no table.
extern const STableDefinition kTableDefinitions[kTableNumberLimit];
