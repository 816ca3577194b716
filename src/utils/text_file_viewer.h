#pragma once

// Shows a text file to the operator. The viewer window installs itself as
// the handler; until one is installed the file goes to the desktop's
// document viewer. A null name lets the viewer ask for the file (without a
// viewer it does nothing). Returns 1.
int openTextFileViewer(const char* name);
void openEmptyTextFileViewer();
void setTextFileViewerHandler(void (*handler)(const char* name));
