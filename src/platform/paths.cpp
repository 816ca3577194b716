#include "platform/paths.h"

#include <cctype>

namespace platform {

std::string localPath(const char* name) {
    if (name == nullptr) return std::string();
    std::string path(name);
    for (char& c : path)
        if (c == '\\') c = '/';
    const bool drive =
        path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
    if (!drive) return path;
    // "X:", "X:/rest" and "X:rest" all mean the folder X under the working directory.
    std::string rest = path.substr(2);
    while (!rest.empty() && rest[0] == '/') rest.erase(0, 1);
    std::string folder(1, path[0]);
    return rest.empty() ? folder : folder + "/" + rest;
}

}  // namespace platform
