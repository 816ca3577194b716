#include "shell/status_bar.h"

#include "toolkit/text_codec.h"

TStatusInfo* statusInfo = nullptr;

namespace {

const FX::FXColor kGrey192 = FXRGB(192, 192, 192);
const FX::FXColor kGrey200 = FXRGB(200, 200, 200);
const FX::FXColor kRed = FXRGB(255, 0, 0);
const char kTwelveBlanks[] = "            ";

FX::FXuint cellLayout(int mode) {
    const FX::FXuint common = FX::FRAME_SUNKEN | FX::LAYOUT_RIGHT | FX::LAYOUT_FILL_Y;
    return mode == TStatusInfoItem::kFixedWidthMode ? common | FX::LAYOUT_FIX_WIDTH
                                                    : common | FX::LAYOUT_FILL_X;
}

}  // namespace

// FXLabel lays the whole window out again at every new text. A cell of fixed
// width keeps its size whatever it shows, so its new text only repaints it:
// the traffic cell changes every second.
class TStatusInfoItem::TCellLabel : public FX::FXLabel {
public:
    using FX::FXLabel::FXLabel;
    void setTextInPlace(const FX::FXString& text) {
        inPlace_ = true;
        setText(text);
        inPlace_ = false;
    }
    void recalc() override {
        if (!inPlace_) FX::FXLabel::recalc();
    }

private:
    bool inPlace_ = false;
};

TStatusInfoItem::TStatusInfoItem(FX::FXComposite* frame, int mode, FX::FXColor base,
                                 FX::FXColor idle, FX::FXColor active)
    : label_(new TCellLabel(frame, "    ", nullptr, cellLayout(mode), 0, 0,
                            mode == kFixedWidthMode ? 100 : 0, 0, 2, 2, 2, 2)),
      base_(base),
      idle_(idle),
      active_(active) {
    showBaseColour();
    blank();
}

FX::FXLabel* TStatusInfoItem::label() const {
    return label_;
}

void TStatusInfoItem::showBaseColour() {
    setBackColour(base_);
}
void TStatusInfoItem::showIdleColour() {
    setBackColour(idle_);
}
void TStatusInfoItem::showActiveColour() {
    setBackColour(active_);
}
void TStatusInfoItem::setBackColour(FX::FXColor colour) {
    label_->setBackColor(colour);
}

void TStatusInfoItem::setJustifiedText(const char* text, FX::FXuint justify) {
    const FX::FXString utf8 = toUtf8(text != nullptr ? text : "");
    if (label_->getLayoutHints() & FX::LAYOUT_FIX_WIDTH)
        label_->setTextInPlace(utf8);
    else
        label_->setText(utf8);
    label_->setJustify(justify | FX::JUSTIFY_CENTER_Y);
}

void TStatusInfoItem::setTextLeft(const char* text) {
    setJustifiedText(text, FX::JUSTIFY_LEFT);
}
void TStatusInfoItem::setText(const char* text) {
    setJustifiedText(text, FX::JUSTIFY_CENTER_X);
}
void TStatusInfoItem::blank() {
    setText(kTwelveBlanks);
}
void TStatusInfoItem::refresh() {
    label_->recalc();
}

TAlarmStatusItem::TAlarmStatusItem(FX::FXComposite* frame, const char* text, FX::FXColor active)
    : TStatusInfoItem(frame, 0, kGrey200, kGrey200, active) {
    setText(text);
    showIdleColour();
    refresh();
}

TMessageStatusItem::TMessageStatusItem(FX::FXComposite* frame)
    : TStatusInfoItem(frame, 0, kGrey192, kGrey192, kRed) {
    setMessage(" ");
}

void TMessageStatusItem::setMessage(const char* text) {
    setText(text);
    refresh();
}

TStatusInfo::TStatusInfo(FX::FXComposite* statusFrame) {
    createCells(statusFrame);
}

void TStatusInfo::createCells(FX::FXComposite* statusFrame) {
    trafficCell = new TStatusInfoItem(statusFrame, TStatusInfoItem::kFixedWidthMode, kGrey192,
                                      kGrey192, kRed);
    okItem = new TAlarmStatusItem(statusFrame, "OK", FXRGB(128, 255, 128));
    a2Item = new TAlarmStatusItem(statusFrame, "A2", FXRGB(255, 255, 128));
    a1Item = new TAlarmStatusItem(statusFrame, "A1", FXRGB(255, 128, 128));
    messageItem = new TMessageStatusItem(statusFrame);
    linkTrafficCell = trafficCell;
    okCell = okItem;
    a2Cell = a2Item;
    a1Cell = a1Item;
    messageCell = messageItem;
}

TStatusInfo::~TStatusInfo() {
    // Only the pointers that still name our cells are cleared: a test may
    // have put a recording cell in their place.
    IStatusCell** globals[] = {&linkTrafficCell, &okCell, &a2Cell, &a1Cell, &messageCell};
    IStatusCell* ours[] = {trafficCell, okItem, a2Item, a1Item, messageItem};
    for (int i = 0; i < 5; ++i) {
        if (*globals[i] == ours[i]) *globals[i] = nullptr;
        delete ours[i];
    }
}
