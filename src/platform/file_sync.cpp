#include "platform/file_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace platform {

namespace {

SystemFileSync systemFileSync;
IFileSync* installed = nullptr;

}  // namespace

bool SystemFileSync::syncFile(int fd, const std::string&) {
    return fd >= 0 && ::fsync(fd) == 0;
}

bool SystemFileSync::syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

IFileSync& fileSync() {
    return installed != nullptr ? *installed : systemFileSync;
}

void setFileSync(IFileSync* sync) {
    installed = sync;
}

bool syncStream(std::FILE* file, const std::string& path) {
    if (file == nullptr || std::fflush(file) != 0 || std::ferror(file) != 0) return false;
    return fileSync().syncFile(::fileno(file), path);
}

bool renameSynced(const std::string& temporary, const std::string& target) {
    if (std::rename(temporary.c_str(), target.c_str()) != 0) return false;
    fileSync().syncFolder(folderOf(target));
    return true;
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace platform
