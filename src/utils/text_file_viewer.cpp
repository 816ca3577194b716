#include "utils/text_file_viewer.h"

#include "platform/paths.h"
#include "platform/shell.h"

namespace {
void (*viewerHandler)(const char*) = nullptr;
}

int openTextFileViewer(const char* name) {
    if (viewerHandler)
        viewerHandler(name);
    else if (name != nullptr)
        platform::shell().openDocument(platform::localPath(name));
    return 1;
}

void setTextFileViewerHandler(void (*handler)(const char* name)) {
    viewerHandler = handler;
}

void openEmptyTextFileViewer() {
    openTextFileViewer(nullptr);
}
