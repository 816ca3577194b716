#pragma once

#include <string>
#include <vector>

#include "utils/message_box.h"

// Records every message box and answers questions as told; installed for
// the life of the object.
class RecordingBoxes : public IMessageBoxPresenter {
public:
    struct Box {
        Kind kind;
        std::string caption;
        std::string text;
        FX::FXWindow* owner;  // as given by the caller: null for the default
    };
    RecordingBoxes() { setMessageBoxPresenter(this); }
    ~RecordingBoxes() override { setMessageBoxPresenter(nullptr); }
    int show(Kind kind, const char* caption, const char* text, FX::FXWindow* owner) override {
        boxes.push_back({kind, caption ? caption : "", text ? text : "", owner});
        return answer;
    }
    std::vector<Box> boxes;
    int answer = 1;
};
