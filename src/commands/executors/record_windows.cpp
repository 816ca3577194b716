#include "commands/executors/record_windows.h"

#include "commands/executors/local_routines.h"
#include "toolkit/file_viewers.h"
#include "toolkit/rec_shell.h"
#include "toolkit/rec_tabela.h"
#include "utils/text_file_viewer.h"

namespace {

void runOpenEmptyTextFileViewer(const uint8_t*) {
    openEmptyTextFileViewer();
}
void runOpenEmptyBinaryFileViewer(const uint8_t*) {
    openEmptyBinaryFileViewer();
}
void runSaveTablesToScript(const uint8_t*) {
    saveTablesToScript();
}

}  // namespace

int installRecordWindows() {
    installRecordDialogChooser();
    installTextFileViewer();
    setLocalRoutine(LocalRoutine::openEmptyTextFileViewer, runOpenEmptyTextFileViewer);
    setLocalRoutine(LocalRoutine::openEmptyBinaryFileViewer, runOpenEmptyBinaryFileViewer);
    setLocalRoutine(LocalRoutine::saveTablesToScript, runSaveTablesToScript);
    return 0;
}
