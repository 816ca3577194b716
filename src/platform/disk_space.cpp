#include "platform/disk_space.h"

#include <sys/statvfs.h>

namespace platform {

bool SystemDiskSpace::freeBytes(const std::string& folder, double* bytes) {
    struct statvfs fs {};
    if (statvfs(folder.c_str(), &fs) != 0) return false;
    // In floating point, so that large file systems do not overflow.
    *bytes = static_cast<double>(fs.f_bavail) * static_cast<double>(fs.f_frsize);
    return true;
}

namespace {
SystemDiskSpace systemDiskSpace;
IDiskSpace* currentDiskSpace = &systemDiskSpace;
}  // namespace

IDiskSpace& diskSpace() {
    return *currentDiskSpace;
}

void setDiskSpace(IDiskSpace* source) {
    currentDiskSpace = source ? source : &systemDiskSpace;
}

}  // namespace platform
