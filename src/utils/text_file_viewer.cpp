#include "utils/text_file_viewer.h"

#include "platform/paths.h"
#include "platform/shell.h"

namespace {
void (*viewerHandler)(const char*) = nullptr;
}

int openTextFileViewer(const char* name) {
    if (name == nullptr) return 1;
    if (viewerHandler)
        viewerHandler(name);
    else
        platform::shell().openDocument(platform::localPath(name));
    return 1;
}

void setTextFileViewerHandler(void (*handler)(const char* name)) {
    viewerHandler = handler;
}
