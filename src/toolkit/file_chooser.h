#pragma once

#include <string>

// The file dialog titled "Выберите файл" (text 23246): patterns separated by
// new lines, the pattern index preselected and the initial name filled in;
// any name, existing or not, may be chosen. 0 with the path in out (cut to
// size - 1 characters), -1 when cancelled or the name is empty. It goes
// through a chooser that tests replace.
int chooseFileName(const char* patterns, const char* initialName, int patternIndex, char* out,
                   int size);

class IFileNameChooser {
public:
    virtual ~IFileNameChooser() = default;
    // The chosen name as the file system spells it, or false when cancelled.
    virtual bool choose(const char* patterns, const char* initialName, int patternIndex,
                        std::string& chosen) = 0;
};

// Installs a chooser (null restores the FOX file dialog). Caller keeps ownership.
void setFileNameChooser(IFileNameChooser* chooser);
