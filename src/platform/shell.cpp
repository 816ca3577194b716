#include "platform/shell.h"

#include <sys/wait.h>
#include <unistd.h>

namespace platform {

namespace {

const char kOpener[] = "xdg-open";

// Finds a program on PATH; the shell layer fails when the tool is missing.
bool onPath(const char* program) {
    const char* path = getenv("PATH");
    if (path == nullptr) return false;
    std::string dirs(path);
    size_t start = 0;
    while (start <= dirs.size()) {
        const size_t end = dirs.find(':', start);
        const std::string dir =
            dirs.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const std::string candidate = (dir.empty() ? "." : dir) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) return true;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return false;
}

// Runs the program through a short-lived child that forks the real one and
// exits at once, so the viewer is detached and no zombie is left behind.
bool spawnDetached(const char* program, const std::string& argument) {
    if (!onPath(program)) return false;
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        setsid();
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            execlp(program, program, argument.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

SystemShell systemShell;
IShell* current = &systemShell;

}  // namespace

OpenResult SystemShell::openDocument(const std::string& path) {
    // The opener's own failure is never seen once it runs detached: a
    // missing document is found here, before anything is started.
    if (access(path.c_str(), R_OK) != 0) return OpenResult::NoSuchDocument;
    if (!onPath(kOpener)) return OpenResult::NoOpener;
    return spawnDetached(kOpener, path) ? OpenResult::Started : OpenResult::Failed;
}

bool SystemShell::printDocument(const std::string& path) {
    return spawnDetached("lp", path);
}

IShell& shell() {
    return *current;
}

void setShell(IShell* s) {
    current = s ? s : &systemShell;
}

}  // namespace platform
