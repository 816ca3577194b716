#include <sys/stat.h>

#include <climits>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "peer/temp_dir.h"
#include "utils/ini_file.h"

namespace {

class IniFile : public ::testing::Test {
protected:
    TempDir dir;
    WorkingDirectory here{dir.path()};
};

TEST_F(IniFile, MissingFileSectionOrKeyGivesTheDefault) {
    writeFileBytes(dir.file("OR.ini"), "[Prozor]\r\nSirina=640\r\n");
    const struct {
        const char* file;
        const char* section;
        const char* key;
    } cases[] = {{"./nema.ini", "Prozor", "Sirina"},
                 {"./OR.ini", "Drugi", "Sirina"},
                 {"./OR.ini", "Prozor", "Visina"},
                 {"./OR.ini", nullptr, "Sirina"}};
    for (const auto& c : cases) {
        KINIFile ini(c.file);
        EXPECT_EQ(ini.open(), 0);
        EXPECT_EQ(ini.getInt(c.section, c.key, 77), 77) << c.file << c.key;
        char buf[16];
        EXPECT_EQ(ini.getString(c.section, c.key, "dflt", buf, sizeof buf), 4);
        EXPECT_STREQ(buf, "dflt");
    }
    EXPECT_EQ(KINIFile("./OR.ini").getInt("Prozor", "Sirina", 0), 640);
}

TEST_F(IniFile, ReadsAsWindowsDoes) {
    writeFileBytes(dir.file("modem.ini"),
                   "; comment\r\n"
                   "[Usmeravanja]\r\n"
                   "  BrojORa =  12  \r\n"
                   "Ime=Операторское место\r\n"
                   "Prazno=\r\n"
                   "Slova=abc\r\n"
                   "Veliki=99999999999\r\n"
                   "[Drugo]\n"
                   "BrojORa=5\n");
    KINIFile ini(".\\modem.ini");
    const struct {
        const char* section;
        const char* key;
        int value;
    } ints[] = {{"Usmeravanja", "BrojORa", 12},
                {"USMERAVANJA", "brojora", 12},  // names compare without case
                {"Drugo", "BROJORA", 5},
                {"Usmeravanja", "Prazno", -3},  // no number: the default
                {"Usmeravanja", "Slova", -3},
                {"Usmeravanja", "Veliki", 1215752191}};  // kept to 32 bits
    for (const auto& c : ints) EXPECT_EQ(ini.getInt(c.section, c.key, -3), c.value) << c.key;

    char buf[64];
    EXPECT_EQ(ini.getString("usmeravanja", "IME", "", buf, sizeof buf), 18);
    EXPECT_STREQ(buf, "Операторское место");
    EXPECT_EQ(ini.getString("Usmeravanja", "Prazno", "x", buf, sizeof buf), 0);  // present, empty
    EXPECT_STREQ(buf, "");
}

TEST_F(IniFile, StringsAreCutToTheBuffer) {
    KINIFile ini("./OR.ini");
    ASSERT_NE(ini.writeString("Prozor", "Naslov", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 0);
    char buf[20];
    std::memset(buf, '#', sizeof buf);
    EXPECT_EQ(ini.getString("Prozor", "Naslov", "", buf, 20), 19);
    EXPECT_STREQ(buf, "ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(ini.getString("Prozor", "Nema", "0123456789012345678901", buf, 20), 19);
    EXPECT_STREQ(buf, "0123456789012345678");
    EXPECT_EQ(ini.getString("Prozor", "Naslov", "", buf, 1), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(ini.getString("Prozor", "Naslov", "", buf, 0), 0);
    EXPECT_EQ(ini.getString("Prozor", "Naslov", "", nullptr, 20), 0);
}

TEST_F(IniFile, IntegersWrittenReadBack) {
    KINIFile ini("./alp.ini");
    for (int value : {0, 1, 640, -5, -1, INT32_MIN, INT32_MAX}) {
        ASSERT_NE(ini.writeInt("Panel", "Vrednost", value), 0);
        EXPECT_EQ(KINIFile("./alp.ini").getInt("Panel", "Vrednost", 3), value);
    }
    EXPECT_EQ(readFileBytes(dir.file("alp.ini")), "[Panel]\nVrednost=2147483647\n");
    ini.writeInt("Panel", "Vrednost", -5);
    EXPECT_EQ(readFileBytes(dir.file("alp.ini")), "[Panel]\nVrednost=4294967291\n");
    ini.writeString("Panel", "Vrednost", "-5");  // a negative decimal reads alike
    EXPECT_EQ(ini.getInt("Panel", "Vrednost", 3), -5);
}

TEST_F(IniFile, WritesCreateAndReplaceInPlace) {
    writeFileBytes(dir.file("visual.ini"), "[Prozor]\r\nX=1\r\n\r\n[Boje]\r\nPozadina=7\r\n");
    KINIFile ini("./visual.ini");
    ASSERT_NE(ini.writeInt("prozor", "x", 2), 0);          // replaced in place
    ASSERT_NE(ini.writeString("Prozor", "Y", " 3 "), 0);   // added to its section
    ASSERT_NE(ini.writeString("Novi", "Kljuc", "da"), 0);  // a new section at the end
    EXPECT_EQ(readFileBytes(dir.file("visual.ini")),
              "[Prozor]\r\nx=2\r\nY=3\r\n\r\n[Boje]\r\nPozadina=7\r\n[Novi]\r\nKljuc=da\r\n");

    // A file written under a drive path lands in that folder of the working directory.
    ASSERT_EQ(mkdir(dir.file("C").c_str(), 0777), 0);
    ASSERT_NE(KINIFile("C:\\watch.ini").writeString("Prozor", "Naziv", "Trunk"), 0);
    EXPECT_EQ(readFileBytes(dir.file("C/watch.ini")), "[Prozor]\nNaziv=Trunk\n");
}

// A write changes only the line it sets or adds: every other line comes back
// byte for byte (a NUL inside, stray CRs, a last line without a line end),
// and what was written reads back.
TEST_F(IniFile, RewritesOnlyTheLineItChanges) {
    using namespace std::string_literals;
    const struct {
        const char* name;
        std::string before;
        const char* section;
        const char* key;
        std::string after;
    } cases[] = {
        {"a NUL inside a line", "[A]\nX=1\0tail\nY=2\n"s, "A", "Y", "[A]\nX=1\0tail\nY=v\n"s},
        {"a header with two CRs", "[Red_1\r\r\nK=1\r\n", "Red_1", "K",
         "[Red_1\r\r\nK=1\r\n[Red_1]\r\nK=v\r\n"},
        {"a value line with two CRs", "[S]\r\nX=1\r\r\nK=1\r\n", "S", "K",
         "[S]\r\nX=1\r\r\nK=v\r\n"},
        {"no line end at the end", "[S]\nX=1", "S", "K", "[S]\nX=1\nK=v\n"},
        {"a new section after a line without its end", "[S]\nX=1", "T", "K",
         "[S]\nX=1\n[T]\nK=v\n"},
        {"a lone CR is no line end", "\r", "S", "K", "\r\n[S]\nK=v\n"},
        {"a CR-LF file whose last line has no end", "[S]\r\nX=1", "T", "K",
         "[S]\r\nX=1\r\n[T]\r\nK=v\r\n"},
        {"blanks and comments kept", "; note \n[S]  \n  X = 1 \n\n[T]\n", "S", "K",
         "; note \n[S]  \n  X = 1 \nK=v\n\n[T]\n"},
    };
    for (const auto& c : cases) {
        writeFileBytes(dir.file("OR.ini"), c.before);
        KINIFile ini("./OR.ini");
        ASSERT_NE(ini.writeString(c.section, c.key, "v"), 0) << c.name;
        EXPECT_EQ(readFileBytes(dir.file("OR.ini")), c.after) << c.name;
        char value[16] = "";
        ini.getString(c.section, c.key, "missing", value, sizeof value);
        EXPECT_STREQ(value, "v") << c.name;
    }
}

TEST_F(IniFile, RefusesWhatCannotBeStored) {
    KINIFile ini("./OR.ini");
    ASSERT_NE(ini.writeString("S", "K", "v"), 0);
    const struct {
        const char* section;
        const char* key;
        const char* text;
    } cases[] = {{"S", "K", "two\nlines"}, {"S", "K", "cr\r"},  {"S", "", "v"},
                 {"S", " ", "v"},          {"S", "a=b", "v"},   {"S]", "K", "v"},
                 {nullptr, "K", "v"},      {"S", nullptr, "v"}, {"S", "K", nullptr}};
    for (const auto& c : cases) EXPECT_EQ(ini.writeString(c.section, c.key, c.text), 0);
    EXPECT_EQ(readFileBytes(dir.file("OR.ini")), "[S]\nK=v\n");
    EXPECT_EQ(KINIFile("./no/such/folder.ini").writeString("S", "K", "v"), 0);
}

}  // namespace
