#include <fox-1.6/fx.h>

#include "texts/text_catalogue.h"
#include "link/timer_pool.h"
#include "platform/numeric_locale.h"
#include "shell/main_window.h"
#include "shell/poll_loop.h"
#include "startup.h"
#include "shell/table_state.h"
#include "toolkit/dialog_box.h"

// Code of the Cyrillic character set that every font of the program asks for.
FX::FXuint programFontEncoding = 5;

int main(int argc, char** argv) {
    // Texts are looked up by binary search: order the catalogue before anything else.
    sortTextCatalogue();
    resetProgramClock();

    FX::FXApp* application = new FX::FXApp("RerOD", "TALVOR kick-off");
    application->init(argc, argv);
    // Numbers are read and printed in the "C" locale whatever the environment says.
    platform::useCNumericLocale();
    useToolkitMessageBoxes();

    // Texts are drawn as UTF-8, so the font asks for no particular encoding;
    // the program's encoding stays recorded for the windows that show it.
    FX::FXFont* normalFont = new FX::FXFont(application, "Arial", 10, FX::FXFont::Normal,
                                            FX::FXFont::Straight, FX::FONTENCODING_DEFAULT);
    normalFont->create();
    application->setNormalFont(normalFont);

    mainWindow = new TTalvor(application);
    application->create();

    if (runStartSteps(serviceStartSteps()) != 0) {
        delete mainWindow;
        delete normalFont;
        delete application;
        return -1;
    }

    lastPollTime = programClock();
    mainWindow->armSplashTimeout();
    mainWindow->startPolling();
    mainWindow->catchShutdownSignals();
    const int exitCode = application->run();
    TTalvor::ignoreShutdownSignals(application);
    mainWindow->stopPolling();

    runStopSteps(serviceStopSteps());
    saveTableState("orstate.dat");
    mainWindow->logSwitchOff();
    // The application does not own the normal font it was given: free it
    // after the main window and before the display goes away.
    delete mainWindow;
    delete normalFont;
    delete application;
    return exitCode;
}
