#include "utils/status_cells.h"

IStatusCell* linkTrafficCell = nullptr;
IStatusCell* okCell = nullptr;
IStatusCell* a2Cell = nullptr;
IStatusCell* a1Cell = nullptr;
IStatusCell* messageCell = nullptr;

void setStatusCellText(IStatusCell* cell, const char* text) {
    if (cell) cell->setText(text);
}

void setStatusCellTextLeft(IStatusCell* cell, const char* text) {
    if (cell) cell->setTextLeft(text);
}
