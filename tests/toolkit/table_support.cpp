#include "toolkit/table_support.h"

#include <ostream>

using namespace FX;

FXDEFMAP(TableRecorder)
TableRecorderMap[] = {
    FXMAPTYPES(SEL_NONE, SEL_LAST, TableRecorder::onMessage),
};
FXIMPLEMENT(TableRecorder, FXObject, TableRecorderMap, ARRAYNUMBER(TableRecorderMap))

std::ostream& operator<<(std::ostream& os, const TableEvent& e) {
    return os << "{type " << e.type << ", (" << e.first.row << "," << e.first.col << ") ("
              << e.last.row << "," << e.last.col << ")}";
}

long TableRecorder::onMessage(FXObject*, FXSelector sel, void* ptr) {
    const FXuint type = FXSELTYPE(sel);
    switch (type) {
        case SEL_INSERTED:
        case SEL_DELETED: {
            const auto* r = static_cast<const TFXTableRange*>(ptr);
            events.push_back({type, r->first, r->last});
            return 1;
        }
        case SEL_CHANGED:
        case SEL_SELECTED:
        case SEL_DESELECTED: {
            const auto* p = static_cast<const TFXTablePos*>(ptr);
            events.push_back(pos(type, p->row, p->col));
            return 1;
        }
        case SEL_CLICKED:
        case SEL_DOUBLECLICKED:
        case SEL_TRIPLECLICKED:
        case SEL_COMMAND: {
            const auto* p = static_cast<const TFXTablePos*>(ptr);
            events.push_back(pos(type, p->row, p->col));
            return handleForwarded ? 1 : 0;
        }
        default:
            inputs.push_back(type);
            return type == takeOver ? 1 : 0;
    }
}
