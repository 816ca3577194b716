#include <string>

#include <gtest/gtest.h>

#include "platform/paths.h"

namespace {

TEST(LocalPath, BackslashesAndDrives) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {{"./OR.ini", "./OR.ini"},
                 {".\\modem.ini", "./modem.ini"},
                 {"statistika\\dan\\x.dat", "statistika/dan/x.dat"},
                 {"D:\\arhiva\\x.dat", "D/arhiva/x.dat"},
                 {"c:/tmp", "c/tmp"},
                 {"E:", "E"},
                 {"E:\\", "E"},
                 {"F:rel", "F/rel"},
                 {"/tmp/abs", "/tmp/abs"},
                 {"1:\\x", "1:/x"},  // a digit names no drive
                 {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(platform::localPath(c.in), c.out) << c.in;
    EXPECT_EQ(platform::localPath(nullptr), "");
}

}  // namespace
