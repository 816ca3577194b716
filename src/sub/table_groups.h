#pragma once

#include <cstdint>

// The built-in groups of tables. Group 0 holds the tables replication follows
// from start-up; groups 1..6 are offered to the operator.
constexpr int kTableGroupCount = 7;
extern const uint8_t tableGroups[kTableGroupCount][204];

// 0 for a group 0..6, else -1.
int checkTableGroup(int32_t group);
// The number of tables of a valid group (also into *size when given); 0 for another.
int tableGroupSize(int32_t group, int32_t* size = nullptr);
// The table at an index of a valid group; 0 outside.
uint16_t tableGroupMember(int32_t group, int32_t index);
