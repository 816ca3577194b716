#include "menus/command_outline.h"

#include "texts/text_catalogue.h"
#include "link/text_lines.h"

const char* outlineLabel(const OutlineEntry& entry) {
    if (entry.label != nullptr) return entry.label;
    if (entry.labelText != 0) return textById(entry.labelText);
    return "";
}

const char* outlineTreeLabel(const OutlineEntry& entry) {
    if (entry.label == nullptr && entry.labelText != 0)
        return stripTildes(textById(entry.labelText));
    return outlineLabel(entry);
}

void walkCommandOutline(IOutlineVisitor& visitor) {
    // Groups still open, outermost first; the outline is at most six levels deep.
    const OutlineEntry* open[8];
    std::size_t openCount = 0;
    for (const OutlineEntry& entry : kCommandOutline) {
        // An entry ends every open group at its own depth or deeper.
        while (openCount > 0 && open[openCount - 1]->depth >= entry.depth)
            visitor.closeGroup(*open[--openCount]);
        switch (entry.kind) {
            case OutlineKind::Group:
                visitor.openGroup(entry);
                if (openCount < sizeof open / sizeof open[0]) open[openCount++] = &entry;
                break;
            case OutlineKind::Command:
                visitor.command(entry);
                break;
            case OutlineKind::Separator:
                visitor.separator(entry);
                break;
        }
    }
    while (openCount > 0) visitor.closeGroup(*open[--openCount]);
}
