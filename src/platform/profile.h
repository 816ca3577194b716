#pragma once

#include <string>

namespace platform {

// Private-profile (INI) files: sections "[name]" holding lines "key=value".
// Section and key names compare without regard to case; names and values are
// taken without the blanks around them. Lines may end in LF or CR LF; a
// write changes only the line it sets or adds (in the line end of the file's
// first line, LF for a new file) and puts back every other byte as it was.
// File names go through localPath().

// Stores the value of the key; false (value untouched) when the file, the
// section or the key is missing, or a name is null.
bool readProfileString(const char* file, const char* section, const char* key, std::string* value);

// Sets the key's value, creating the file, the section and the key when
// missing. The file is replaced whole (written beside it, synced, then
// renamed), so a failed write or a power loss leaves the old file. False when it could not be
// written, or when a name or the value cannot be stored as one line (a line break, an empty key,
// "=" in a key, "]" in a section name).
bool writeProfileString(const char* file, const char* section, const char* key, const char* value);

}  // namespace platform
