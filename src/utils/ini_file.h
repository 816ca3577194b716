#pragma once

#include <string>

// One INI configuration file, by name ("./OR.ini"). Nothing is held open:
// every read and write goes to the file as it is now, so a value written is
// read back at once, also through another object of the same file. Missing
// files, sections and keys read as the caller's default.
class KINIFile {
public:
    explicit KINIFile(const char* fileName);

    // Always 0; nothing is opened.
    int open();
    // The key as a decimal integer kept to 32 bits (so "4294967295", as
    // writeInt writes -1, and "-1" both read as -1); the default when the
    // file, section or key is missing or the value starts with no number.
    int getInt(const char* section, const char* key, int defaultValue);
    // Copies the value (or the default) into the buffer, cut to size - 1
    // characters; returns the number of characters copied.
    int getString(const char* section, const char* key, const char* defaultText, char* buffer,
                  int size);
    // Sets the key, creating file, section and key; non-zero on success.
    int writeString(const char* section, const char* key, const char* text);
    // Writes the unsigned decimal of the value's 32 bits (-1 as 4294967295).
    int writeInt(const char* section, const char* key, int value);

private:
    std::string fileName_;
};
