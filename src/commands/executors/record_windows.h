#pragma once

// Start step: the record dialog becomes the record chooser, the text viewer
// the handler of text files, and the viewer and script-export commands get
// their routines. Returns 0.
int installRecordWindows();
