#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "peer/temp_dir.h"
#include "platform/disk_space.h"
#include "platform/local_clock.h"
#include "platform/profile.h"

namespace {

TEST(SystemDiskSpace, QueriesAFolderAndFailsForAMissingOne) {
    TempDir dir;
    platform::SystemDiskSpace disk;
    double bytes = -1;
    EXPECT_TRUE(disk.freeBytes(dir.path(), &bytes));
    EXPECT_GE(bytes, 0.0);
    bytes = 123;
    EXPECT_FALSE(disk.freeBytes(dir.file("missing"), &bytes));
    EXPECT_EQ(bytes, 123);  // untouched: a failure is not 0 bytes
}

// Reading only: tests never set the real clock.
TEST(SystemLocalClock, ReadsCalendarFields) {
    const platform::LocalTime t = platform::SystemLocalClock().now();
    EXPECT_GE(t.year, 1970);
    EXPECT_TRUE(t.month >= 1 && t.month <= 12);
    EXPECT_TRUE(t.day >= 1 && t.day <= 31);
    EXPECT_LE(t.hour, 23);
    EXPECT_LE(t.minute, 59);
    EXPECT_LE(t.second, 59);
    EXPECT_LE(t.millisecond, 999);
}

TEST(Profile, AnUnreadableFileIsNotReplaced) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    TempDir dir;
    const std::string name = dir.file("OR.ini");
    writeFileBytes(name, "[S]\nK=v\n");
    ASSERT_EQ(chmod(name.c_str(), 0200), 0);
    EXPECT_FALSE(platform::writeProfileString(name.c_str(), "S", "L", "w"));
    chmod(name.c_str(), 0600);
    EXPECT_EQ(readFileBytes(name), "[S]\nK=v\n");
}

TEST(Profile, MissingValueLeavesTheOutputAlone) {
    TempDir dir;
    const std::string name = dir.file("x.ini");
    std::string value = "keep";
    EXPECT_FALSE(platform::readProfileString(name.c_str(), "S", "K", &value));
    ASSERT_TRUE(platform::writeProfileString(name.c_str(), "S", "K", "v"));
    EXPECT_FALSE(platform::readProfileString(name.c_str(), "S", "L", &value));
    EXPECT_EQ(value, "keep");
    EXPECT_TRUE(platform::readProfileString(name.c_str(), "s", "k", &value));
    EXPECT_EQ(value, "v");
}

}  // namespace
