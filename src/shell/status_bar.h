#pragma once

#include <fox-1.6/fx.h>

#include "utils/status_cells.h"

// One cell of the status bar: a sunken label packed from the right of the
// status frame, with the three backgrounds the services switch between.
// Colour changes repaint by themselves; a changed text is laid out again
// only by refresh.
class TStatusInfoItem : public IStatusCell {
public:
    // With this mode the cell is 100 pixels wide and fills the height; any
    // other mode shares the width left over.
    static constexpr int kFixedWidthMode = 50;

    TStatusInfoItem(FX::FXComposite* frame, int mode, FX::FXColor base, FX::FXColor idle,
                    FX::FXColor active);

    void showBaseColour() override;
    void showIdleColour() override;
    void showActiveColour() override;
    void setBackColour(FX::FXColor colour);
    void setTextLeft(const char* text) override;
    void setText(const char* text) override;
    // Twelve blanks.
    void blank();
    void refresh() override;

    FX::FXLabel* label() const;
    FX::FXColor baseColour() const { return base_; }
    FX::FXColor idleColour() const { return idle_; }
    FX::FXColor activeColour() const { return active_; }

private:
    class TCellLabel;
    void setJustifiedText(const char* text, FX::FXuint justify);

    TCellLabel* label_;
    FX::FXColor base_;
    FX::FXColor idle_;
    FX::FXColor active_;
};

// A cell for one alarm level: grey until the level calls for its colour.
class TAlarmStatusItem : public TStatusInfoItem {
public:
    TAlarmStatusItem(FX::FXComposite* frame, const char* text, FX::FXColor active);
};

// A cell for short state messages.
class TMessageStatusItem : public TStatusInfoItem {
public:
    explicit TMessageStatusItem(FX::FXComposite* frame);
    void setMessage(const char* text);
};

// The five cells of the status bar, made into the main window's status frame
// and published through the cell pointers of utils/status_cells.h. On screen
// they read, from left to right: message, A1, A2, OK, traffic.
class TStatusInfo {
public:
    explicit TStatusInfo(FX::FXComposite* statusFrame);
    // Frees the cells (their labels belong to the frame) and clears the pointers.
    ~TStatusInfo();
    TStatusInfo(const TStatusInfo&) = delete;
    TStatusInfo& operator=(const TStatusInfo&) = delete;

    void createCells(FX::FXComposite* statusFrame);

    TStatusInfoItem* trafficCell = nullptr;
    TAlarmStatusItem* okItem = nullptr;
    TAlarmStatusItem* a2Item = nullptr;
    TAlarmStatusItem* a1Item = nullptr;
    TMessageStatusItem* messageItem = nullptr;
};

extern TStatusInfo* statusInfo;
