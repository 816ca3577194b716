#include "toolkit/file_chooser.h"

#include <cstring>

#include <fox-1.6/fx.h>

#include "texts/text_catalogue.h"
#include "toolkit/dialog_box.h"
#include "toolkit/text_codec.h"

namespace {

// FOX's file dialog with the focus in its file-name field, so that a name
// can be typed at once.
class TFileDialog : public FX::FXFileDialog {
public:
    using FX::FXFileDialog::FXFileDialog;
    void show(FX::FXuint placement) override {
        FX::FXFileDialog::show(placement);
        focusField(firstEditableField(this));
    }
};

class FoxFileNameChooser : public IFileNameChooser {
public:
    bool choose(const char* patterns, const char* initialName, int patternIndex,
                std::string& chosen) override {
        FX::FXApp* app = FX::FXApp::instance();
        if (app == nullptr) return false;
        const FX::FXString title = toUtf8(textById(23246));
        // Over the window that asks, so that it stays above it and the focus
        // goes back to that window's field.
        FX::FXWindow* owner = topDialogOwner();
        TFocusKeeper keeper;
        FX::FXFileDialog* dialog =
            owner != nullptr ? new TFileDialog(owner, title, FX::DECOR_ALL, 0, 0, kWidth, kHeight)
                             : new TFileDialog(app, title, FX::DECOR_ALL, 0, 0, kWidth, kHeight);
        const bool chose = run(*dialog, patterns, initialName, patternIndex, chosen);
        delete dialog;
        return chose;
    }

private:
    static constexpr FX::FXint kWidth = 500;
    static constexpr FX::FXint kHeight = 300;

    static bool run(FX::FXFileDialog& dialog, const char* patterns, const char* initialName,
                    int patternIndex, std::string& chosen) {
        dialog.setPatternList(toUtf8(patterns ? patterns : ""));
        dialog.setCurrentPattern(patternIndex);
        dialog.setFilename(toUtf8(initialName ? initialName : ""));
        if (!dialog.execute(FX::PLACEMENT_OWNER)) return false;
        // File names are used as the dialog gives them (UTF-8).
        chosen = dialog.getFilename().text();
        return true;
    }
};

FoxFileNameChooser foxChooser;
IFileNameChooser* chooser = &foxChooser;

}  // namespace

void setFileNameChooser(IFileNameChooser* c) {
    chooser = c ? c : &foxChooser;
}

int chooseFileName(const char* patterns, const char* initialName, int patternIndex, char* out,
                   int size) {
    if (out == nullptr || size < 1) return -1;
    std::string chosen;
    if (!chooser->choose(patterns, initialName, patternIndex, chosen) || chosen.empty()) return -1;
    const size_t n = chosen.size() < size_t(size) - 1 ? chosen.size() : size_t(size) - 1;
    std::memcpy(out, chosen.data(), n);
    out[n] = '\0';
    return 0;
}
