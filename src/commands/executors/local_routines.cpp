#include "commands/executors/local_routines.h"

#include <string>

#include "link/text_lines.h"

namespace {

LocalRoutineFn slots[kLocalRoutineSlotCount] = {};

std::size_t slotIndex(LocalRoutine routine) {
    return static_cast<std::size_t>(routine);
}

}  // namespace

void setLocalRoutine(LocalRoutine routine, LocalRoutineFn fn) {
    if (slotIndex(routine) < kLocalRoutineSlotCount) slots[slotIndex(routine)] = fn;
}

LocalRoutineFn localRoutineSlot(LocalRoutine routine) {
    return slotIndex(routine) < kLocalRoutineSlotCount ? slots[slotIndex(routine)] : nullptr;
}

std::string unavailableRoutineText(LocalRoutine routine) {
    const char* title = localRoutineName(routine);
    for (const CommandRow& command : kCommands)
        if (command.routine == routine) {
            title = command.title;
            break;
        }
    return unavailableFunctionText(title);
}

std::string unavailableFunctionText(const char* title) {
    return std::string("Функция \"") + (title != nullptr ? title : "") + "\" пока недоступна";
}

void runLocalRoutine(LocalRoutine routine, const uint8_t* record) {
    static const uint8_t kEmptyRecord[1] = {0};
    const LocalRoutineFn fn = localRoutineSlot(routine);
    if (fn != nullptr) {
        fn(record != nullptr ? record : kEmptyRecord);
        return;
    }
    postTextLine(kLineLocal, unavailableRoutineText(routine).c_str(), kTypeOperator);
}
