#include "shell/main_window.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "commands/executors/local_routines.h"
#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "link/timer_pool.h"
#include "link/udp_transport.h"
#include "menus/menu_bar.h"
#include "shell/about_window.h"
#include "shell/command_gate.h"
#include "shell/message_windows.h"
#include "shell/poll_loop.h"
#include "shell/status_bar.h"
#include "link/text_streams.h"
#include "shell/toolbar_images.h"
#include "shell/visual_case.h"
#include "toolkit/dialog_box.h"
#include "toolkit/shared_fonts.h"
#include "toolkit/text_codec.h"
#include "utils/dates.h"
#include "utils/ini_file.h"
#include "utils/message_box.h"

#include <fox-1.6/fxkeys.h>

/*
  Notes:
  - Children are made in the order their places need: the menu bar first (it
    lies at the top), the groove, the toolbar's dock site, the status frame
    at the bottom, then the frame of the operator messages filling the rest.
  - Command ids 5000..5600 all go to onCmdCommand; the gate runs 5001..5599.
  - The menu panes and the toolbar's floating shell are no children of the
    window: the destructor frees them, with the fonts, icons and tooltip.
*/

TTalvor* mainWindow = nullptr;
FX::FXFont* fixedPitchFont = nullptr;

namespace {

constexpr int kSwitchLineBytes = 81;
constexpr int32_t kMessageListWidth = 800;
const char kMessageListTitle[] = "Glavni prozor za oporuke";
constexpr int kHelpPathBytes = 100;
constexpr FX::FXuint kSplashDelayMs = 10;
const char kOrIniName[] = "./OR.ini";
constexpr FX::FXSelector kExitCommandId = 5015;
// Log-out, system shutdown and kill end the program as an ordered exit does.
const int kShutdownSignals[] = {SIGTERM, SIGHUP, SIGINT};

// Text `id` formatted with the current local date and time.
std::string formatWithNow(int id) {
    SDateTime now;
    getCurrentDateTime(&now);
    char text[kSwitchLineBytes];
    formatMessage(text, sizeof text, id, now.date.day, now.date.month, now.date.year, now.time.hour,
                  now.time.minute, now.time.second);
    return text;
}

void postFramedLine(const std::string& text) {
    const std::string rule(68, '-');
    postTextLine(kLineLocal, rule.c_str(), kTypeOperator);
    postTextLine(kLineLocal, text.c_str(), kTypeOperator);
    postTextLine(kLineLocal, rule.c_str(), kTypeOperator);
}

// Remote menu commands reach the window as the command message a menu
// choice sends.
void sendCommandToMainWindow(uint16_t id) {
    if (mainWindow) mainWindow->handle(mainWindow, FXSEL(FX::SEL_COMMAND, id), nullptr);
}

// The toolbar, left to right; a command id of 0 is a separator. Only the
// first two buttons and the first separator stay on a reduced toolbar.
struct ToolbarSlot {
    uint16_t command;
    const unsigned char* picture;
};
constexpr int kReducedToolbarSlots = 3;
const ToolbarSlot kToolbarSlots[] = {
    {5576, kLogInGif},      {5577, kLogOutGif},     {0, nullptr},       {5162, kConnectGif},
    {5163, kDisconnectGif}, {5182, kSubscriberGif}, {0, nullptr},       {5328, kTrunkGif},
    {5518, kWatchCallGif},  {5430, kBAnalysisGif},  {0, nullptr},       {5273, kDiagnosticsGif},
    {5276, kDiagReportGif}, {0, nullptr},           {5016, kBackupGif}, {5043, kClockGif},
    {5020, kTableGif},      {5023, kAlarmsGif},     {0, nullptr},       {5598, kHelpGif},
};

// Keys bound in the window's accelerator table, in FOX's accelerator syntax.
struct AcceleratorRow {
    const char* key;
    uint16_t command;
};
const AcceleratorRow kAccelerators[] = {
    {"Ctl-Q", 5015}, {"Alt-X", 5015}, {"Alt-F4", 5015}, {"F1", 5598}};

// The help folder followed by a page, cut to the path buffer.
std::string helpIndexPath(const char* page) {
    std::string path = std::string(textById(26894)) + page;
    if (path.size() > kHelpPathBytes - 1) path.resize(kHelpPathBytes - 1);
    return path;
}

// The shell's commands as routine slots of the dispatcher and of MML.
struct ShellRoutine {
    LocalRoutine routine;
    void (TTalvor::*run)();
};
const ShellRoutine kShellRoutines[] = {
    {LocalRoutine::confirmClearOperatorLog, &TTalvor::confirmClearOperatorLog},
    {LocalRoutine::showDisplaySettings, &TTalvor::showDisplaySettings},
    {LocalRoutine::showAboutWindow, &TTalvor::showAboutWindow},
    {LocalRoutine::confirmExit, &TTalvor::confirmExit},
    {LocalRoutine::openHelpIndex, &TTalvor::openHelpIndex},
    {LocalRoutine::openHelpAlphaIndex, &TTalvor::openHelpAlphaIndex},
    {LocalRoutine::runVisualCaseDialog, &TTalvor::runVisualCaseDialog},
};

template <int Index>
void runShellRoutine(const uint8_t*) {
    if (mainWindow) (mainWindow->*kShellRoutines[Index].run)();
}

const LocalRoutineFn kShellRoutineFns[] = {
    runShellRoutine<0>, runShellRoutine<1>, runShellRoutine<2>, runShellRoutine<3>,
    runShellRoutine<4>, runShellRoutine<5>, runShellRoutine<6>};
static_assert(ARRAYNUMBER(kShellRoutineFns) == ARRAYNUMBER(kShellRoutines),
              "one slot function per shell routine");

void fillShellRoutines(bool fill) {
    for (size_t i = 0; i < ARRAYNUMBER(kShellRoutines); ++i)
        setLocalRoutine(kShellRoutines[i].routine, fill ? kShellRoutineFns[i] : nullptr);
}

}  // namespace

// The display-settings dialog: shows or hides the toolbar and the status
// bar at once. Each radio button's check comes from the bar's state, which
// keeps the two buttons of a group exclusive.
class TDisplaySettingsDialog : public FX::FXDialogBox {
    FXDECLARE(TDisplaySettingsDialog)

protected:
    TDisplaySettingsDialog() = default;

public:
    enum {
        ID_TOOLBAR_SHOW = FX::FXDialogBox::ID_LAST,
        ID_TOOLBAR_HIDE,
        ID_STATUS_SHOW,
        ID_STATUS_HIDE,
        ID_LAST
    };

    TDisplaySettingsDialog(FX::FXWindow* owner, FX::FXWindow* toolbar, FX::FXWindow* statusFrame);

    long onCmdBar(FX::FXObject*, FX::FXSelector, void*);
    long onUpdBar(FX::FXObject*, FX::FXSelector, void*);

private:
    FX::FXWindow* barOf(FX::FXSelector sel) const;
    static bool showsBar(FX::FXSelector sel);
    void addGroup(FX::FXComposite* parent, int titleText, FX::FXSelector showId);

    FX::FXWindow* toolbar_ = nullptr;
    FX::FXWindow* statusFrame_ = nullptr;
};

FXDEFMAP(TDisplaySettingsDialog)
TDisplaySettingsDialogMap[] = {
    FXMAPFUNCS(FX::SEL_COMMAND, TDisplaySettingsDialog::ID_TOOLBAR_SHOW,
               TDisplaySettingsDialog::ID_STATUS_HIDE, TDisplaySettingsDialog::onCmdBar),
    FXMAPFUNCS(FX::SEL_UPDATE, TDisplaySettingsDialog::ID_TOOLBAR_SHOW,
               TDisplaySettingsDialog::ID_STATUS_HIDE, TDisplaySettingsDialog::onUpdBar),
};

FXIMPLEMENT(TDisplaySettingsDialog, FX::FXDialogBox, TDisplaySettingsDialogMap,
            ARRAYNUMBER(TDisplaySettingsDialogMap))

TDisplaySettingsDialog::TDisplaySettingsDialog(FX::FXWindow* owner, FX::FXWindow* toolbar,
                                               FX::FXWindow* statusFrame)
    : FX::FXDialogBox(owner, toUtf8(textById(21110)), FX::DECOR_TITLE | FX::DECOR_BORDER, 0, 0, 0,
                      0, 10, 10, 10, 10, 4, 4),
      toolbar_(toolbar),
      statusFrame_(statusFrame) {
    auto* frame = new FX::FXVerticalFrame(this, FX::LAYOUT_FILL_X | FX::LAYOUT_FILL_Y, 0, 0, 0, 0,
                                          4, 4, 4, 4, 4, 4);
    addGroup(frame, 21111, ID_TOOLBAR_SHOW);
    addGroup(frame, 21114, ID_STATUS_SHOW);
    new FX::FXButton(
        frame, toUtf8(textById(21403)), nullptr, this, FX::FXDialogBox::ID_ACCEPT,
        FX::BUTTON_NORMAL | FX::BUTTON_DEFAULT | FX::BUTTON_INITIAL | FX::LAYOUT_CENTER_X);
}

void TDisplaySettingsDialog::addGroup(FX::FXComposite* parent, int titleText,
                                      FX::FXSelector showId) {
    auto* box = new FX::FXGroupBox(parent, toUtf8(textById(titleText)),
                                   FX::GROUPBOX_TITLE_CENTER | FX::FRAME_RIDGE | FX::LAYOUT_FILL_X);
    new FX::FXRadioButton(box, toUtf8(textById(21113)), this, showId);
    new FX::FXRadioButton(box, toUtf8(textById(21112)), this, showId + 1);
}

FX::FXWindow* TDisplaySettingsDialog::barOf(FX::FXSelector sel) const {
    return FXSELID(sel) <= ID_TOOLBAR_HIDE ? toolbar_ : statusFrame_;
}

bool TDisplaySettingsDialog::showsBar(FX::FXSelector sel) {
    return FXSELID(sel) == ID_TOOLBAR_SHOW || FXSELID(sel) == ID_STATUS_SHOW;
}

long TDisplaySettingsDialog::onCmdBar(FX::FXObject*, FX::FXSelector sel, void*) {
    FX::FXWindow* bar = barOf(sel);
    bar->handle(this, FXSEL(FX::SEL_COMMAND, showsBar(sel) ? ID_SHOW : ID_HIDE), nullptr);
    bar->getParent()->recalc();
    return 1;
}

long TDisplaySettingsDialog::onUpdBar(FX::FXObject* sender, FX::FXSelector sel, void*) {
    const bool checked = barOf(sel)->shown() == showsBar(sel);
    sender->handle(this, FXSEL(FX::SEL_COMMAND, checked ? ID_CHECK : ID_UNCHECK), nullptr);
    return 1;
}

FXDEFMAP(TTalvor)
TTalvorMap[] = {
    FXMAPFUNCS(FX::SEL_COMMAND, TTalvor::kFirstCommandId, TTalvor::kLastCommandId,
               TTalvor::onCmdCommand),
    FXMAPFUNC(FX::SEL_TIMEOUT, TTalvor::ID_TIMEOUT_POLL, TTalvor::onTimeoutPoll),
    FXMAPFUNC(FX::SEL_TIMEOUT, TTalvor::ID_TIMEOUT_SPLASH, TTalvor::onTimeoutSplash),
    FXMAPFUNC(FX::SEL_KEYPRESS, 0, TTalvor::onKeyPress),
    FXMAPFUNC(FX::SEL_KEYRELEASE, 0, TTalvor::onKeyRelease),
    FXMAPFUNC(FX::SEL_CHORE, TTalvor::ID_CHORE_POLL, TTalvor::onChorePoll),
    FXMAPFUNC(FX::SEL_IO_READ, TTalvor::ID_INPUT_LINK, TTalvor::onInputLink),
    FXMAPFUNC(FX::SEL_CLOSE, 0, TTalvor::onClose),
    FXMAPFUNC(FX::SEL_SIGNAL, TTalvor::ID_SIGNAL_SHUTDOWN, TTalvor::onSignalShutdown),
};

FXIMPLEMENT(TTalvor, FX::FXMainWindow, TTalvorMap, ARRAYNUMBER(TTalvorMap))

TTalvor::TTalvor(FX::FXApp* application)
    : FX::FXMainWindow(application, toUtf8(textById(26967)), nullptr, nullptr, FX::DECOR_ALL, 10,
                       10, 780, 550, 0, 0, 0, 0) {
    menuBar_ = buildMenuBar(this);
    new FX::FXHorizontalSeparator(this,
                                  FX::LAYOUT_SIDE_TOP | FX::LAYOUT_FILL_X | FX::SEPARATOR_GROOVE);
    appIcon = new FX::FXGIFIcon(application, kAppGif);
    buildToolbar();
    statusFrame = new FX::FXHorizontalFrame(this, FX::LAYOUT_SIDE_BOTTOM | FX::LAYOUT_FILL_X, 0, 0,
                                            0, 0, 4, 4, 4, 4, 4, 4);
    toolTip_ = new FX::FXToolTip(application);
    makeFonts();
    initTimers();
    statusInfo = new TStatusInfo(statusFrame);
    messageFrame_ = new FX::FXVerticalFrame(this, FX::LAYOUT_FILL_X | FX::LAYOUT_FILL_Y, 0, 0, 0, 0,
                                            0, 0, 0, 0, 0, 0);
    createOperatorMessageWindow();
    installAccelerators();
    setMainWindowCommandHandler(sendCommandToMainWindow);
    fillShellRoutines(true);
    setMainDialogOwner(this);  // the program's dialogs and message boxes belong to it
    setSharedFonts({normalFont, boldFont, boldItalicFont, italicFont, fixedPitchFont});
}

void TTalvor::makeFonts() {
    std::strncpy(fontDescription.face, "Arial", 48);
    fontDescription.size = 100;
    fontDescription.setwidth = 0;
    fontDescription.flags = 0;
    // Texts are drawn as UTF-8, so the fonts ask for no particular encoding.
    fontDescription.encoding = FX::FONTENCODING_DEFAULT;
    auto make = [this](FX::FXuint weight, FX::FXuint slant) {
        fontDescription.weight = static_cast<FX::FXushort>(weight);
        fontDescription.slant = static_cast<FX::FXushort>(slant);
        auto* font = new FX::FXFont(getApp(), fontDescription);
        font->create();
        return font;
    };
    normalFont = make(FX::FXFont::Normal, FX::FXFont::Straight);
    boldFont = make(FX::FXFont::Bold, FX::FXFont::Straight);
    boldItalicFont = make(FX::FXFont::Bold, FX::FXFont::Italic);
    italicFont = make(FX::FXFont::Normal, FX::FXFont::Italic);
    FX::FXFontDesc fixed = fontDescription;
    std::strncpy(fixed.face, "Courier New", sizeof fixed.face - 1);
    fixed.size = 80;
    fixed.weight = FX::FXFont::Normal;
    fixed.slant = FX::FXFont::Straight;
    fixed.flags = FX::FXFont::Fixed;
    fixedPitchFont = new FX::FXFont(getApp(), fixed);
    fixedPitchFont->create();
}

void TTalvor::buildToolbar() {
    toolbarDock_ =
        new FX::FXDockSite(this, FX::DOCKSITE_NO_WRAP | FX::LAYOUT_SIDE_TOP | FX::LAYOUT_FILL_X);
    toolbarShell_ = new FX::FXToolBarShell(this, FX::FRAME_RAISED);
    toolbar = new FX::FXToolBar(
        toolbarDock_, toolbarShell_,
        FX::LAYOUT_DOCK_NEXT | FX::LAYOUT_SIDE_TOP | FX::FRAME_RAISED | FX::LAYOUT_FILL_X, 0, 0, 0,
        0, 3, 3, 2, 2, 4, 4);
    new FX::FXToolBarGrip(toolbar, toolbar, FX::FXToolBar::ID_TOOLBARGRIP, FX::TOOLBARGRIP_DOUBLE);
    const bool full = KINIFile(kOrIniName).getInt("Prikaz", "Pun_ikonostas", 1) != 0;
    const int slots = full ? static_cast<int>(ARRAYNUMBER(kToolbarSlots)) : kReducedToolbarSlots;
    int button = 0;
    for (int i = 0; i < slots; ++i) {
        const ToolbarSlot& slot = kToolbarSlots[i];
        if (slot.command == 0) {
            new FX::FXVerticalSeparator(
                toolbar, FX::SEPARATOR_GROOVE | FX::LAYOUT_FIX_WIDTH | FX::LAYOUT_FIX_HEIGHT, 0, 0,
                1, 46);
            continue;
        }
        char tip[100];
        std::snprintf(tip, sizeof tip, "\t%s", commandName(slot.command));
        toolbarIcons[button] = new FX::FXGIFIcon(getApp(), slot.picture);
        new FX::FXButton(toolbar, toUtf8(tip), toolbarIcons[button], this, slot.command,
                         FX::BUTTON_TOOLBAR | FX::FRAME_RAISED, 0, 0, 0, 0, 2, 2, 2, 2);
        ++button;
    }
}

void TTalvor::installAccelerators() {
    FX::FXAccelTable* table = getAccelTable();
    for (const AcceleratorRow& row : kAccelerators)
        table->addAccel(FX::parseAccel(row.key), this, FXSEL(FX::SEL_COMMAND, row.command), 0);
    // F10 opens the menu bar at its first title, as that title's hot key would.
    if (FX::FXWindow* firstTitle = menuBar_->getFirst())
        table->addAccel(FX::KEY_F10, firstTitle, FXSEL(FX::SEL_KEYPRESS, ID_HOTKEY),
                        FXSEL(FX::SEL_KEYRELEASE, ID_HOTKEY));
}

void TTalvor::createOperatorMessageWindow() {
    operatorStream = new TOporMsgReceiver(kTypeOperator, 10000, "sys.log", 100);
    // The switch-on line heads the list's one column.
    const std::string switchOn = formatWithNow(25629);
    new TTxtMsgWindow(operatorStream, messageFrame_, kMessageListTitle, switchOn.c_str(),
                      kMessageListWidth, true, true, &mainMessageList);
    postFramedLine(switchOn);
}

void TTalvor::logSwitchOff() {
    if (operatorStream == nullptr) return;
    postFramedLine(formatWithNow(25630));
    operatorStream->flush();
    delete operatorStream;
    operatorStream = nullptr;
}

TTalvor::~TTalvor() {
    getApp()->removeTimeout(this, ID_TIMEOUT_POLL);
    getApp()->removeTimeout(this, ID_TIMEOUT_SPLASH);
    getApp()->removeChore(this, ID_CHORE_POLL);
    watchLink(false);
    // The list's grid lies in the window's frames: it goes before them.
    delete mainMessageList;
    delete operatorStream;
    if (mainDialogOwner() == this) setMainDialogOwner(nullptr);
    if (sharedFonts().normal == normalFont) setSharedFonts({});
    if (mainWindow == this) {
        mainWindow = nullptr;
        setMainWindowCommandHandler(nullptr);
        fillShellRoutines(false);
    }
    delete statusInfo;
    statusInfo = nullptr;
    destroyMenuPanes(menuBar_);
    // A floating toolbar lives in its shell; a docked one goes with the dock site.
    delete toolbarShell_;
    delete toolTip_;
    for (FX::FXIcon*& icon : toolbarIcons) {
        delete icon;
        icon = nullptr;
    }
    delete appIcon;
    delete fixedPitchFont;
    fixedPitchFont = nullptr;
    delete normalFont;
    delete boldFont;
    delete boldItalicFont;
    delete italicFont;
}

void TTalvor::create() {
    FX::FXMainWindow::create();
    // Wide enough for the whole toolbar, whatever width the window was made with.
    if (getDefaultWidth() > getWidth()) resize(getDefaultWidth(), getHeight());
    appIcon->create();
    show(FX::PLACEMENT_SCREEN);
}

bool TTalvor::poll(bool fromUdp) {
    return pollServices(fromUdp);
}

void TTalvor::startPolling() {
    armPollTimeout();
    armPollChore();
    watchLink(true);
}

void TTalvor::stopPolling() {
    watchLink(false);
    getApp()->removeTimeout(this, ID_TIMEOUT_POLL);
    getApp()->removeChore(this, ID_CHORE_POLL);
    chorePending_ = false;
}

// FOX replaces a pending timeout of the same target and id.
void TTalvor::armPollTimeout() {
    getApp()->addTimeout(this, ID_TIMEOUT_POLL,
                         static_cast<FX::FXuint>(pollDueInMs(programClock())));
}

void TTalvor::armPollChore() {
    if (chorePending_) return;
    chorePending_ = true;
    getApp()->addChore(this, ID_CHORE_POLL);
}

void TTalvor::watchLink(bool on) {
    const int socket = on ? udpDescriptor() : -1;
    if (socket == watchedLink_) return;
    if (watchedLink_ >= 0) getApp()->removeInput(watchedLink_, FX::INPUT_READ);
    watchedLink_ = -1;
    if (socket >= 0 && getApp()->addInput(socket, FX::INPUT_READ, this, ID_INPUT_LINK))
        watchedLink_ = socket;
}

// A handler inside the poll may open a box or a form, whose nested loop
// must go on polling: the timeout is pending before the poll starts, due one
// period on. After the poll it is counted from the poll's end. When the
// router's budget left frames waiting, the rest is taken by the chore, which
// runs once the loop has repainted; the socket is not watched till then, so
// that a flood cannot keep the window from being drawn.
void TTalvor::runPoll(bool fromUdp) {
    getApp()->addTimeout(this, ID_TIMEOUT_POLL, kPollPeriodMs + 1);
    poll(fromUdp);
    armPollTimeout();
    if (pollLeftFramesWaiting()) {
        watchLink(false);
        armPollChore();
    } else {
        watchLink(true);
    }
}

void TTalvor::confirmClearOperatorLog() {
    if (!confirmDeletion(textById(21096), this)) return;
    if (operatorStream != nullptr) operatorStream->clearAndDeleteLog();
}

void TTalvor::showDisplaySettings() {
    TDisplaySettingsDialog dialog(this, toolbar, statusFrame);
    dialog.execute(FX::PLACEMENT_CURSOR);
}

void TTalvor::showAboutWindow() {
    runAboutWindow(this);
}

// A second close request while the question is open asks nothing more.
void TTalvor::confirmExit() {
    if (exitQuestionOpen_) return;
    exitQuestionOpen_ = true;
    const bool yes = confirm(textById(21119), this) != 0;
    exitQuestionOpen_ = false;
    if (yes) getApp()->stop(0);
}

void TTalvor::runVisualCaseDialog() {
    ::runVisualCaseDialog();
}

// A page that cannot be opened is told as every help page is.
void TTalvor::openHelpIndex() {
    openHelpDocument(helpIndexPath("/index.htm"));
}
void TTalvor::openHelpAlphaIndex() {
    openHelpDocument(helpIndexPath("/aindex.htm"));
}

// The gate is made on the first command and kept to the end; the message is
// handled whatever the gate did with it.
long TTalvor::onCmdCommand(FX::FXObject*, FX::FXSelector sel, void*) {
    if (commandGate == nullptr) commandGate = new TSecurity();
    commandGate->runCommand(static_cast<int16_t>(FXSELID(sel)));
    return 1;
}

// The poll handlers never report "handled": FOX would then send update
// messages to the whole widget tree. What a poll changes repaints itself.
long TTalvor::onTimeoutPoll(FX::FXObject*, FX::FXSelector, void*) {
    if (pollIsDue(programClock()))
        runPoll(watchedLink_ < 0);  // a watched socket's frames start a poll themselves
    else
        armPollTimeout();
    return 0;
}

// Frames are waiting on the link: they are taken at once.
long TTalvor::onInputLink(FX::FXObject*, FX::FXSelector, void*) {
    runPoll();
    return 0;
}

void TTalvor::armSplashTimeout() {
    getApp()->addTimeout(this, ID_TIMEOUT_SPLASH, kSplashDelayMs);
}

// The timeout fires once: the splash is shown once, and the poll goes on
// inside its modal loop.
long TTalvor::onTimeoutSplash(FX::FXObject*, FX::FXSelector, void*) {
    runAboutWindow(this);
    return 1;
}

// F1 that no accelerator took opens the help contents.
long TTalvor::onKeyPress(FX::FXObject* sender, FX::FXSelector sel, void* ptr) {
    if (FX::FXMainWindow::onKeyPress(sender, sel, ptr)) return 1;
    if (static_cast<FX::FXEvent*>(ptr)->code != FX::KEY_F1) return 0;
    openHelpPage(0);
    return 1;
}

long TTalvor::onKeyRelease(FX::FXObject* sender, FX::FXSelector sel, void* ptr) {
    return FX::FXMainWindow::onKeyRelease(sender, sel, ptr) ? 1 : 0;
}

long TTalvor::onChorePoll(FX::FXObject*, FX::FXSelector, void*) {
    chorePending_ = false;
    if (pollLeftFramesWaiting() || pollIsDue(programClock())) runPoll();
    return 0;
}

// The window manager's close box (and its close request, which Alt-F4 may
// become) runs the exit command: the question, then the ordered shutdown.
// The window stays until the application is destroyed.
long TTalvor::onClose(FX::FXObject*, FX::FXSelector, void*) {
    handle(this, FXSEL(FX::SEL_COMMAND, kExitCommandId), nullptr);
    return 1;
}

void TTalvor::catchShutdownSignals() {
    for (int sig : kShutdownSignals) getApp()->addSignal(sig, this, ID_SIGNAL_SHUTDOWN);
}

void TTalvor::ignoreShutdownSignals(FX::FXApp* application) {
    for (int sig : kShutdownSignals) {
        application->removeSignal(sig);
        std::signal(sig, SIG_IGN);
    }
}

// Ends every running loop, modal ones included; the shutdown runs once the
// outermost loop has returned. Further signals change nothing.
long TTalvor::onSignalShutdown(FX::FXObject*, FX::FXSelector, void*) {
    if (shutdownSignalled_) return 1;
    shutdownSignalled_ = true;
    getApp()->stop(0);
    return 1;
}
