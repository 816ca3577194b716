#pragma once

#include <string>
#include <vector>

struct SStartupFigures {
    double mappedMs = 0;    // from the start of the process to its window mapped
    double residentMb = 0;  // resident memory 1.5 s later
};

// Starts `command` in `folder` and waits until a window titled `title`
// (UTF-8) is mapped on the display; the process is killed afterwards.
// False when no display is open or the window never appears.
bool measureStartup(const std::vector<std::string>& command, const std::string& folder,
                    const std::string& title, SStartupFigures* figures);
