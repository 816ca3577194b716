#pragma once

#include <string>

namespace platform {

// Turns a file name the program built into one for this system: every "\"
// is read as "/", and a drive path "X:\rest" becomes the folder "X/rest"
// under the working directory. Other names (".\x", "./x", plain names and
// absolute paths) are left as they are, relative names staying relative to
// the working directory.
std::string localPath(const char* name);

}  // namespace platform
