#pragma once

#include <string>

#include <fox-1.6/fx.h>

// The one crossing point between the program's CP1251 texts and the UTF-8
// that FOX draws and returns. Everything shown goes through toUtf8; every
// text read back from a widget goes through fromUtf8.
FX::FXString toUtf8(const char* cp1251);
FX::FXString toUtf8(const std::string& cp1251);
std::string fromUtf8(const FX::FXString& utf8);
// Converts and reports whether every character has a CP1251 form; a text
// with a character CP1251 cannot hold is refused (false).
bool fromUtf8Checked(const FX::FXString& utf8, std::string& cp1251);
// For a label that must show its text as it stands: "&" would otherwise mark
// a hot key, so each is doubled.
FX::FXString toUtf8Literal(const std::string& cp1251);
