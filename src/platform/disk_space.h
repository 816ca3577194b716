#pragma once

#include <string>
#include <vector>

namespace platform {

// Free space of the file system that holds a folder.
class IDiskSpace {
public:
    virtual ~IDiskSpace() = default;
    // Stores the free bytes available to the program; false when the query
    // failed (the folder is missing or unreadable).
    virtual bool freeBytes(const std::string& folder, double* bytes) = 0;
};

// statvfs of the folder.
class SystemDiskSpace : public IDiskSpace {
public:
    bool freeBytes(const std::string& folder, double* bytes) override;
};

// Test double: records every folder asked and answers `bytes`, or fails.
class TestDiskSpace : public IDiskSpace {
public:
    bool freeBytes(const std::string& folder, double* out) override {
        asked.push_back(folder);
        if (fail) return false;
        *out = bytes;
        return true;
    }
    std::vector<std::string> asked;
    double bytes = 0;
    bool fail = false;
};

// The disk-space source in use; the system one unless a test installed another.
IDiskSpace& diskSpace();
// Installs a source; null restores the system one. The caller keeps ownership.
void setDiskSpace(IDiskSpace* source);

}  // namespace platform
