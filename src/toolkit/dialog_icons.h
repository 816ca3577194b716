#pragma once

#include <fox-1.6/fx.h>

// The small images of the program's dialogs, drawn on light grey (red, green
// and blue 192), which shows as transparent.

// Shared by the accept, cancel and help buttons of every dialog: each made on
// its first use and kept for the rest of the run.
FX::FXIcon* acceptIcon();
FX::FXIcon* cancelIcon();
FX::FXIcon* helpIcon();

// The images of the error, question and information boxes: a new icon for
// each box, which the caller deletes.
enum class EMessageIcon { Error, Question, Information };
FX::FXIcon* makeMessageIcon(EMessageIcon kind);
