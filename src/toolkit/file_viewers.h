#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>

#include "link/timer_pool.h"
#include "toolkit/dialog_box.h"

// Bytes read per piece while a text file loads, and time between pieces.
constexpr int32_t kViewerPieceSize = 500000;
constexpr uint32_t kViewerLoadPeriod = 500;
// Most time one expiry spends reading, in ms.
constexpr int32_t kViewerPieceTime = 1000;

// The two halves of a hex dump line of n bytes: the bytes as characters with
// 0, 10 and 13 as blanks (out holds n + 1), and as "XX " each (3n + 1).
char* copyPrintable(char* out, const uint8_t* bytes, int n);
char* formatHexBytes(char* out, const uint8_t* bytes, int n);
// One dump line: "%08X %-48s %-24s\n" of the offset and the two halves.
std::string hexDumpLine(uint32_t offset, const uint8_t* bytes, int n);

// The file dialogs of the viewers; tests replace them.
class IViewerFileDialogs {
public:
    virtual ~IViewerFileDialogs() = default;
    // The chosen name, or false when cancelled. Texts are CP1251.
    virtual bool choose(FX::FXWindow* owner, bool save, const char* title, const char* initial,
                        const char* patterns, std::string& chosen) = 0;
};
// Installs dialogs (null restores FOX's file dialogs). Caller keeps ownership.
void setViewerFileDialogs(IViewerFileDialogs* dialogs);

// A modeless viewer of a text file that loads it piece by piece from a
// timer, so that large files open at once; with a menu to go to a line,
// find, find next, copy and delete the file, and a status line. The close
// box and Escape remove it; the menu's exit hides it.
class TTxtFileLineDial : public TDialogBox, public TTimerReceiver {
    FXDECLARE(TTxtFileLineDial)

public:
    enum {
        ID_GOTO_LINE = TDialogBox::ID_LAST,
        ID_FIND,
        ID_FIND_NEXT,
        ID_COPY_FILE,
        ID_DELETE_FILE,
        ID_TEXT,
        ID_CLOSE,
        ID_DISPOSE,
        ID_LAST
    };

    explicit TTxtFileLineDial(FX::FXWindow* owner);
    ~TTxtFileLineDial() override;

    // Asks for a name when none is given; shows the window and starts loading.
    virtual void openFile(const char* name);
    void onTimer(const STimerEvent* event) override;
    void loadChunk();

    long onCmdGotoLine(FX::FXObject*, FX::FXSelector, void*);
    long onCmdFind(FX::FXObject*, FX::FXSelector, void*);
    long onCmdFindNext(FX::FXObject*, FX::FXSelector, void*);
    long onCmdCopyFile(FX::FXObject*, FX::FXSelector, void*);
    long onCmdDeleteFile(FX::FXObject*, FX::FXSelector, void*);
    long onTextChanged(FX::FXObject*, FX::FXSelector, void*);
    long onKeyPress(FX::FXObject*, FX::FXSelector, void*);
    long onCmdClose(FX::FXObject*, FX::FXSelector, void*);
    long onDispose(FX::FXObject*, FX::FXSelector, void*);

    void setStatus(const char* text);
    void showPosition();

    FX::FXText* textArea() const { return text_; }
    FX::FXStatusBar* statusBar() const { return statusBar_; }
    const std::string& fileName() const { return fileName_; }
    int32_t readPosition() const { return readPosition_; }
    int loadTimer() const { return loadTimer_; }

protected:
    TTxtFileLineDial() = default;
    // Asks for a file to open: true with its name.
    bool askFileName(std::string& chosen);
    // Hides the window and deletes it from the next chore.
    void removeLater();
    void appendShown(const char* bytes, std::size_t n);

    int32_t gotoLine_ = 1;
    std::string searchText_;
    int32_t matchStart_ = 0;
    int32_t matchEnd_ = 0;
    FX::FXText* text_ = nullptr;
    FX::FXStatusBar* statusBar_ = nullptr;
    FX::FXMenuBar* menuBar_ = nullptr;
    FX::FXMenuPane* menuPane_ = nullptr;
    FX::FXVerticalFrame* mainFrame_ = nullptr;
    std::string fileName_;
    FX::FXWindow* owner_ = nullptr;
    int32_t loadTimer_ = -1;
    int32_t readPosition_ = 0;
    std::vector<char> loadBuffer_;
    std::vector<char> displayBuffer_;
    int32_t startTime_ = 0;

private:
    // Searches from `from`, wrapping; shows the match or text 26196.
    void findFrom(int32_t from);
};

// The same window showing any file as a hex dump of 16 bytes a line, read
// whole when opened.
class TBinFileLineDial : public TTxtFileLineDial {
    FXDECLARE(TBinFileLineDial)

public:
    explicit TBinFileLineDial(FX::FXWindow* owner);
    void openFile(const char* name) override;

protected:
    TBinFileLineDial() = default;
};

// A viewer over the main window with the file (null: the viewer asks).
int openBinaryFileViewer(const char* name);
void openEmptyBinaryFileViewer();
// Makes the text viewer the handler of openTextFileViewer.
void installTextFileViewer();
