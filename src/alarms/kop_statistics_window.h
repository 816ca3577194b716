#pragma once

#include <cstdint>
#include <string>

#include <fox-1.6/fx.h>

#include "alarms/kop_statistics.h"

// The window of one card's link statistics: a free dialog of the
// application with a header area and a statistics area in the fixed-pitch
// font. It owns its receiver; closing it (close box or Escape) deletes both.
class KKOP_StatProzor : public FX::FXDialogBox, public IKopStatView {
    FXDECLARE(KKOP_StatProzor)

public:
    enum { ID_CLOSE_REQUEST = FX::FXDialogBox::ID_LAST, ID_DISPOSE, ID_LAST };

    KKOP_StatProzor(FX::FXApp* app, const char* title);
    ~KKOP_StatProzor() override;

    void setHeaderText(const std::string& text) override;
    void setStatisticsText(const std::string& text) override;
    void setReceiver(KKOP_StatPrijemnik* receiver) { receiver_ = receiver; }
    KKOP_StatPrijemnik* receiver() const { return receiver_; }
    FX::FXText* headerArea() const { return header_; }
    FX::FXText* statisticsArea() const { return statistics_; }

    long onClose(FX::FXObject*, FX::FXSelector, void*);
    long onKeyPress(FX::FXObject*, FX::FXSelector, void*);
    long onDispose(FX::FXObject*, FX::FXSelector, void*);

protected:
    KKOP_StatProzor() = default;

private:
    // Stops polling at once and deletes the window from the event loop.
    void removeLater();

    FX::FXText* header_ = nullptr;
    FX::FXText* statistics_ = nullptr;
    KKOP_StatPrijemnik* receiver_ = nullptr;  // owned
};

// Creates and shows the window with the title, then its receiver polling the
// card; the receiver, or null without a display.
KKOP_StatPrijemnik* openKopStatisticsView(const char* title, std::int16_t host,
                                          std::uint8_t cardNumber);
