#pragma once

// A cell of the status bar as the services see it: they set its text and
// colours, and the cell repaints itself. The status bar installs its cells
// at start-up; until then (and in tests) the pointers may be null or
// recording cells, which need not take the colours.
class IStatusCell {
public:
    virtual ~IStatusCell() = default;
    // Centred text.
    virtual void setText(const char* text) = 0;
    // Left-justified text.
    virtual void setTextLeft(const char* text) { setText(text); }
    // The cell's base colour, its idle colour, or its colour for a state that
    // needs attention.
    virtual void showBaseColour() {}
    virtual void showIdleColour() {}
    virtual void showActiveColour() {}
    // Lays the cell out again after a text that may need another size.
    virtual void refresh() {}
};

extern IStatusCell* linkTrafficCell;
extern IStatusCell* okCell;
extern IStatusCell* a2Cell;
extern IStatusCell* a1Cell;
extern IStatusCell* messageCell;

// Set the text of a cell that may be absent.
void setStatusCellText(IStatusCell* cell, const char* text);
void setStatusCellTextLeft(IStatusCell* cell, const char* text);
