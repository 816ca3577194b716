#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "peer/temp_dir.h"
#include "platform/file_sync.h"
#include "platform/profile.h"
#include "sub/sub_database.h"
#include "sub/table_contents.h"
#include "utils/files.h"

namespace {

bool exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// Records each sync with what the synced file and the target hold at that
// moment, and fails the file sync when told.
class RecordingFileSync : public platform::IFileSync {
public:
    struct Event {
        std::string what;    // "file <path>" or "folder <path>"
        std::string synced;  // the synced file's bytes (file syncs)
        std::string target;  // the target's bytes, "missing" when there is none
    };
    explicit RecordingFileSync(std::string target) : target_(std::move(target)) {
        platform::setFileSync(this);
    }
    ~RecordingFileSync() override { platform::setFileSync(nullptr); }
    bool syncFile(int fd, const std::string& path) override {
        events.push_back({"file " + path, fd >= 0 ? readFileBytes(path) : "", targetNow()});
        return fileSucceeds;
    }
    bool syncFolder(const std::string& folder) override {
        events.push_back({"folder " + folder, "", targetNow()});
        return true;
    }
    std::vector<Event> events;
    bool fileSucceeds = true;

private:
    std::string targetNow() const { return exists(target_) ? readFileBytes(target_) : "missing"; }
    std::string target_;
};

// Each writer that replaces a file through a temporary one: its target, the
// temporary file it syncs, and the write (true on success).
struct Writer {
    const char* name;
    const char* target;
    const char* temporary;
    std::function<bool()> write;
};

// The new contents are synced under the temporary name while the target
// still holds the old ones; the rename comes next, then the folder's sync.
// A file that cannot be synced is not put in place: the write fails and the
// old contents stay.
TEST(FileSync, ReplacedFilesAreSyncedBeforeAndAfterTheRename) {
    TempDir dir;
    WorkingDirectory here{dir.path()};
    const Writer writers[] = {
        {"table state", "orstate.dat", "orstate.dat.tmp",
         [] { return exportTableContents(&subDatabase, "orstate.dat", ',') == 0; }},
        {"INI file", "OR.ini", "./OR.ini.new",
         [] { return platform::writeProfileString("./OR.ini", "S", "K", "new"); }},
        {"replacing file", "out.dat", "out.dat.tmp",
         [] {
             TReplacingFile file("out.dat");
             return file.writeText("new contents") && file.commit() == 0;
         }},
    };
    for (const Writer& w : writers) {
        SCOPED_TRACE(w.name);
        const std::string old = "[S]\nK=old\n";
        for (bool fileSyncs : {true, false}) {
            writeFileBytes(dir.file(w.target), old);
            RecordingFileSync sync(dir.file(w.target));
            sync.fileSucceeds = fileSyncs;
            EXPECT_EQ(w.write(), fileSyncs);
            EXPECT_FALSE(exists(dir.file(w.temporary)));
            const std::string now = readFileBytes(dir.file(w.target));
            if (!fileSyncs) {
                EXPECT_EQ(now, old);
                ASSERT_EQ(sync.events.size(), 1u);
                continue;
            }
            EXPECT_NE(now, old);
            ASSERT_EQ(sync.events.size(), 2u);
            EXPECT_EQ(sync.events[0].what, std::string("file ") + w.temporary);
            EXPECT_EQ(sync.events[0].synced, now);  // every byte written before the sync
            EXPECT_EQ(sync.events[0].target, old);  // and before the rename
            EXPECT_EQ(sync.events[1].what, "folder .");
            EXPECT_EQ(sync.events[1].target, now);  // the folder after the rename
        }
    }
}

TEST(FileSync, FolderOfAPath) {
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {{"orstate.dat", "."},
                 {"./OR.ini", "."},
                 {"C/watch.ini", "C"},
                 {"/orstate.dat", "/"},
                 {"/a/b/c.ini", "/a/b"}};
    for (const auto& c : cases) EXPECT_EQ(platform::folderOf(c.path), c.folder) << c.path;
}

}  // namespace
