#pragma once

#include <cstdio>
#include <string>

namespace platform {

// Files replaced through a temporary file beside them reach the disk in
// order: the new contents are synced before the rename puts them in place,
// and the folder after it, so that after a power loss the name holds the old
// contents or the whole new ones, never an empty file.
class IFileSync {
public:
    virtual ~IFileSync() = default;
    // Writes what the open file holds to the disk; true when it got there.
    virtual bool syncFile(int fd, const std::string& path) = 0;
    // Writes the folder's entries (a rename in it) to the disk.
    virtual bool syncFolder(const std::string& folder) = 0;
};

// fsync of the file and of the folder.
class SystemFileSync : public IFileSync {
public:
    bool syncFile(int fd, const std::string& path) override;
    bool syncFolder(const std::string& folder) override;
};

IFileSync& fileSync();
// Installs a file sync; null restores the system's. Caller keeps ownership.
void setFileSync(IFileSync* sync);

// Flushes the stream and syncs its file (named path); true when every byte
// reached the disk. The stream stays open.
bool syncStream(std::FILE* file, const std::string& path);
// Renames the synced temporary file over the target, then syncs the folder
// holding the target; false when the rename failed (the target is as it
// was). A folder that cannot be synced does not undo a rename that is done.
bool renameSynced(const std::string& temporary, const std::string& target);
// The folder of a path: "." for a bare name, "/" for a name in the root.
std::string folderOf(const std::string& path);

}  // namespace platform
