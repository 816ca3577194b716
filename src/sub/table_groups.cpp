#include "sub/table_groups.h"

// Each group is a row of table numbers as single bytes, ended by a zero.
const uint8_t tableGroups[kTableGroupCount][204] = {
    {172, 174, 173, 174, 124, 125, 126, 127, 128},
    {82, 81, 78, 86, 94, 103, 85, 84, 92},
    {74, 179, 75, 76, 72, 16, 89, 15, 87, 88, 90, 148, 92, 91, 11, 10},
    {108, 109, 111, 112, 110, 83, 84, 113, 114, 115, 116, 117, 179},
    {77, 78, 79, 73, 80, 86, 55, 81, 101, 83, 22, 23, 24, 54, 143, 144},
    {81, 82, 85, 79, 94, 86},
    {100, 101, 102, 103, 104, 105, 106},
};

int checkTableGroup(int32_t group) {
    return group >= 0 && group < kTableGroupCount ? 0 : -1;
}

int tableGroupSize(int32_t group, int32_t* size) {
    int n = 0;
    if (checkTableGroup(group) == 0)
        while (n < 204 && tableGroups[group][n] != 0) ++n;
    if (size != nullptr) *size = n;
    return n;
}

uint16_t tableGroupMember(int32_t group, int32_t index) {
    if (index < 0 || index >= tableGroupSize(group)) return 0;
    return tableGroups[group][index];
}
