#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <zlib.h>

#include "peer/temp_dir.h"
#include "platform/disk_space.h"
#include "utils/files.h"

namespace {

class Files : public ::testing::Test {
protected:
    std::string put(const std::string& name, const std::string& bytes) {
        writeFileBytes(dir.file(name), bytes);
        return dir.file(name);
    }
    TempDir dir;
};

TEST_F(Files, ExistsDeleteAndMakeDirectory) {
    const std::string file = put("a.log", "x");
    put(".hidden", "x");
    ASSERT_EQ(makeDirectory(dir.file("sub").c_str()), 0);
    EXPECT_EQ(makeDirectory(dir.file("sub").c_str()), -1);

    const struct {
        std::string name;
        int exists;
    } cases[] = {{file, 1},
                 {dir.file("*.log"), 1},
                 {dir.file("?.log"), 1},
                 {dir.file("*.txt"), 0},
                 {dir.file("sub"), 0},
                 {dir.file(".hidden"), 0},
                 {dir.file("missing"), 0}};
    for (const auto& c : cases) EXPECT_EQ(fileExists(c.name.c_str()), c.exists) << c.name;
    EXPECT_EQ(fileExists(nullptr), 0);

    EXPECT_EQ(deleteFile(file.c_str()), 0);
    EXPECT_EQ(fileExists(file.c_str()), 0);
    EXPECT_EQ(deleteFile(file.c_str()), -1);
}

TEST_F(Files, Sizes) {
    EXPECT_EQ(fileSize(put("ten", "0123456789").c_str()), 10);
    EXPECT_EQ(fileSize(put("empty", "").c_str()), 0);
    EXPECT_EQ(fileSize(dir.file("missing").c_str()), -1);
    EXPECT_EQ(fileSize(dir.path().c_str()), -2);  // a folder is not a file
    EXPECT_EQ(streamSize(nullptr), -1);

    FILE* f = std::fopen(dir.file("ten").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    std::fseek(f, 3, SEEK_SET);
    EXPECT_EQ(streamSize(f), 10);
    EXPECT_EQ(std::ftell(f), 3);  // position unchanged
    std::fclose(f);
}

TEST_F(Files, ReadWholeFile) {
    struct {
        std::string name;
        int result;
        int32_t size;
    } cases[] = {{put("data", std::string("ab\0c", 4)), 0, 4},
                 {put("empty", ""), -5, 0},
                 {dir.file("missing"), -1, 0},
                 {dir.path(), -2, 0}};
    for (const auto& c : cases) {
        char sentinel = 0;
        char* data = &sentinel;  // must be replaced
        int32_t size = -7;
        EXPECT_EQ(readWholeFile(&data, c.name.c_str(), &size), c.result) << c.name;
        EXPECT_EQ(size, c.size) << c.name;
        if (c.result == 0) {
            ASSERT_NE(data, nullptr);
            EXPECT_EQ(std::string(data, 4), std::string("ab\0c", 4));
            heapFree(&data);
        }
        EXPECT_EQ(data, nullptr) << c.name;
    }
}

TEST_F(Files, TextLines) {
    // A line of Windows origin (CR LF), a long line in pieces, a last line without LF.
    put("in.txt", "abc\nde\r\n0123456789\r\n\nlast");
    FILE* f = nullptr;
    ASSERT_EQ(openTextForRead(&f, dir.file("in.txt").c_str()), 0);
    char buf[5];
    std::vector<std::string> lines;
    while (readTextLine(f, buf, sizeof buf) == 0) lines.push_back(buf);
    EXPECT_EQ(closeTextFile(f), 0);
    const std::vector<std::string> expected = {"abc", "de", "0123", "4567", "89", "", "last"};
    EXPECT_EQ(lines, expected);

    // A CR LF cut between CR and LF by the buffer still ends the line.
    put("cut.txt", "abc\r\nx\n");
    ASSERT_EQ(openTextForRead(&f, dir.file("cut.txt").c_str()), 0);
    lines.clear();
    while (readTextLine(f, buf, sizeof buf) == 0) lines.push_back(buf);
    closeTextFile(f);
    EXPECT_EQ(lines, (std::vector<std::string>{"abc", "x"}));

    EXPECT_EQ(openTextForRead(&f, dir.file("missing").c_str()), 1);
    EXPECT_EQ(f, nullptr);
}

TEST_F(Files, WriteAndAppendTextWithLineFeeds) {
    const std::string name = dir.file("out.txt");
    FILE* f = nullptr;
    ASSERT_EQ(openTextForWrite(&f, name.c_str()), 0);
    EXPECT_EQ(writeTextLine(f, "Конец", true), 0);
    EXPECT_EQ(writeTextLine(f, "a", false), 0);
    EXPECT_EQ(closeTextFile(f), 0);
    ASSERT_EQ(openTextForAppend(&f, name.c_str()), 0);
    EXPECT_EQ(writeTextLine(f, "b", true), 0);
    EXPECT_EQ(closeTextFile(f), 0);
    EXPECT_EQ(readFileBytes(name), "Конец\nab\n");
    EXPECT_EQ(writeTextLine(nullptr, "x", true), 1);
}

std::string pattern(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>(i * 7 + i / 256);
    return s;
}

TEST_F(Files, CopyAndAppend) {
    for (size_t n :
         {size_t(0), size_t(1), size_t(1023), size_t(1024), size_t(2048), size_t(3000)}) {
        const std::string source = put("src", pattern(n));
        const std::string target = put("dst", "old");
        EXPECT_EQ(copyFile(source.c_str(), target.c_str()), 0) << n;
        EXPECT_EQ(readFileBytes(target), pattern(n)) << n;
        EXPECT_EQ(appendFile(source.c_str(), target.c_str()), 0) << n;
        EXPECT_EQ(readFileBytes(target), pattern(n) + pattern(n)) << n;
    }
    const std::string source = put("src", "abc");
    EXPECT_EQ(copyFile(dir.file("missing").c_str(), dir.file("t").c_str()), 1);
    EXPECT_EQ(fileExists(dir.file("t").c_str()), 0);
    EXPECT_EQ(copyFile(source.c_str(), dir.file("no/such/folder").c_str()), 2);
    EXPECT_EQ(appendFile(source.c_str(), dir.file("no/such/folder").c_str()), 2);
    // Onto itself: refused, the file keeps its bytes.
    EXPECT_EQ(copyFile(source.c_str(), source.c_str()), 2);
    EXPECT_EQ(appendFile(source.c_str(), source.c_str()), 2);
    EXPECT_EQ(readFileBytes(source), "abc");
    // A target that takes no bytes.
    EXPECT_EQ(copyFile(source.c_str(), "/dev/full"), 3);
}

TEST_F(Files, FreeDiskSpaceAsksTheDrivesFolder) {
    platform::TestDiskSpace disk;
    disk.bytes = 5e12;  // more than 32 bits hold
    platform::setDiskSpace(&disk);
    EXPECT_EQ(freeDiskSpace("D:\\arhiva\\x.dat"), 5e12);
    EXPECT_EQ(freeDiskSpace("statistika\\x.dat"), 5e12);
    EXPECT_EQ(freeDiskSpace(nullptr), 5e12);
    disk.fail = true;
    EXPECT_EQ(freeDiskSpace("C:"), -1.0);
    platform::setDiskSpace(nullptr);
    EXPECT_EQ(disk.asked, (std::vector<std::string>{"D", ".", ".", "C"}));

    // The real query: the working directory is there, an absent drive folder is not.
    EXPECT_GT(freeDiskSpace("x"), 0.0);
    EXPECT_EQ(freeDiskSpace("Q:\\"), -1.0);
}

TEST(Heap, AllocAndFree) {
    char* block = nullptr;
    heapAlloc(&block, 64);
    ASSERT_NE(block, nullptr);
    std::memset(block, 1, 64);
    heapFree(&block);
    EXPECT_EQ(block, nullptr);
    heapAlloc(&block, 0);
    EXPECT_EQ(block, nullptr);
    heapFree(&block);
}

TEST(Crc32, ContinuesAcrossPieces) {
    const uint8_t text[] = "123456789";
    EXPECT_EQ(crc32Update(0, text, 9), 0xCBF43926u);  // the standard check value
    EXPECT_EQ(crc32Update(crc32Update(0, text, 4), text + 4, 5), 0xCBF43926u);
    EXPECT_EQ(crc32Update(0x1234, text, 0), 0x1234u);
    EXPECT_EQ(crc32Update(0x1234, nullptr, 5), 0x1234u);
}

TEST_F(Files, WriteBufferFlushesWhenFull) {
    const std::string name = dir.file("out.bin");
    {
        TBinFileWriteBuffer out(name.c_str(), 4);
        ASSERT_EQ(out.isBad(), 0);
        EXPECT_EQ(out.write("abcd", 4), 0);  // exactly the free space: stays buffered
        EXPECT_EQ(readFileBytes(name), "");
        EXPECT_EQ(out.write("e", 1), 0);  // the next byte flushes the full buffer
        EXPECT_EQ(readFileBytes(name), "abcd");
        EXPECT_EQ(out.write("fghijklmn", 9), 0);  // larger than the buffer
        EXPECT_EQ(readFileBytes(name), "abcdefghijkl");
        EXPECT_EQ(out.flush(), 0);
        EXPECT_EQ(readFileBytes(name), "abcdefghijklmn");
        EXPECT_EQ(out.write("o", 1), 0);
    }  // the destructor flushes
    EXPECT_EQ(readFileBytes(name), "abcdefghijklmno");
}

TEST_F(Files, BadWriteBuffers) {
    const std::string name = put("out.bin", "old");
    {
        TBinFileWriteBuffer out(name.c_str(), 0);  // no buffer: the file is emptied and closed
        EXPECT_EQ(out.isBad(), 1);
        EXPECT_EQ(out.write("a", 1), -1);
        EXPECT_EQ(out.flush(), -1);
    }
    EXPECT_EQ(readFileBytes(name), "");
    TBinFileWriteBuffer noFile(dir.file("no/such/file").c_str(), 16);
    EXPECT_EQ(noFile.isBad(), 1);

    TBinFileWriteBuffer full("/dev/full", 8);  // a device that takes no bytes
    ASSERT_EQ(full.isBad(), 0);
    EXPECT_EQ(full.write("12345678", 8), 0);
    EXPECT_EQ(full.write("9", 1), -1);
    EXPECT_EQ(full.flush(), -1);
}

// Ten records of 16 bytes, four a page, two pages cached.
class RecordReader : public Files {
protected:
    void SetUp() override {
        std::string bytes;
        for (int r = 0; r < 10; ++r) bytes += std::string(16, static_cast<char>('A' + r));
        name = put("records.bin", bytes);
    }
    // Rewrites the file so that a page read from now on shows other bytes.
    void changeFile() { put("records.bin", std::string(160, 'z')); }
    std::string name;
};

TEST_F(RecordReader, ReplacesTheLeastRecentlyUsedPage) {
    TBinFileLineReader reader(name.c_str(), 16, 4, 2);
    EXPECT_EQ(reader.recordCount(), 10);
    const uint8_t* r9 = reader.getRecord(9);  // page 2, loaded short
    ASSERT_NE(r9, nullptr);
    EXPECT_EQ(r9[0], 'J');
    for (int i = 16; i < 48; ++i) EXPECT_EQ(r9[i], 0) << i;  // beyond the file: zeros
    const uint8_t* r0 = reader.getRecord(0);                 // page 0
    ASSERT_NE(r0, nullptr);
    EXPECT_EQ(r0[0], 'A');
    EXPECT_EQ(reader.getRecord(9)[0], 'J');  // cached: page 2 is most recent again

    changeFile();
    const uint8_t* r5 = reader.getRecord(5);  // page 1 replaces page 0
    ASSERT_NE(r5, nullptr);
    EXPECT_EQ(r5[0], 'z');
    EXPECT_EQ(r5 - 16, r0);                  // into the buffer page 0 had
    EXPECT_EQ(reader.getRecord(9)[0], 'J');  // page 2 still cached
    EXPECT_EQ(reader.getRecord(0)[0], 'z');  // page 0 loaded again, replacing page 1
    EXPECT_EQ(reader.getRecord(8)[0], 'I');  // page 2 was not replaced
}

TEST_F(RecordReader, LoadsInTheSpecifiedOrder) {
    // 9, 0, 5, 9 load pages 2, 0, 1, 2: the last load replaces page 0.
    TBinFileLineReader reader(name.c_str(), 16, 4, 2);
    const uint8_t* first9 = reader.getRecord(9);
    const uint8_t* r0 = reader.getRecord(0);
    reader.getRecord(5);
    changeFile();
    const uint8_t* again9 = reader.getRecord(9);
    ASSERT_NE(again9, nullptr);
    EXPECT_NE(again9, first9);
    EXPECT_EQ(again9, r0 + 16);  // page 0's buffer, slot 1
    EXPECT_EQ(again9[0], 'z');
    EXPECT_EQ(again9[16], 0);
}

TEST_F(Files, PartialLastRecordAndOutOfRange) {
    // A name longer than 254 characters is kept whole.
    const std::string folder = std::string(120, 'd') + "/" + std::string(120, 'e');
    ASSERT_TRUE(std::filesystem::create_directories(dir.file(folder)));
    const std::string name = put(folder + "/odd.bin", std::string(16, 'a') + "b");
    ASSERT_GT(name.size(), 254u);
    TBinFileLineReader reader(name.c_str(), 16, 4, 1);
    EXPECT_EQ(reader.recordCount(), 2);
    const uint8_t* last = reader.getRecord(1);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last[0], 'b');
    for (int i = 1; i < 16; ++i) EXPECT_EQ(last[i], 0) << i;
    EXPECT_EQ(reader.getRecord(2), nullptr);
    EXPECT_EQ(reader.getRecord(-1), nullptr);
}

TEST_F(Files, ReadersWithoutPages) {
    const std::string name = put("r.bin", std::string(64, 'a'));
    const struct {
        std::string file;
        int16_t recordSize;
        int32_t perPage, pages;
    } cases[] = {{name, 0, 4, 2},
                 {name, -16, 4, 2},
                 {name, 16, 0, 2},
                 {name, 16, -1, 2},
                 {name, 16, 4, 0},
                 {name, 16, 4, -3},
                 {name, 32767, INT32_MAX, 2},
                 {name, 16, 4, INT32_MAX},
                 {dir.file("missing"), 16, 4, 2}};
    for (const auto& c : cases) {
        TBinFileLineReader reader(c.file.c_str(), c.recordSize, c.perPage, c.pages);
        EXPECT_EQ(reader.getRecord(0), nullptr)
            << c.recordSize << " " << c.perPage << " " << c.pages;
    }
}

}  // namespace

namespace {

TEST_F(Files, ReplacingFileIsPutInPlaceOnlyWhenComplete) {
    const struct {
        const char* name;
        bool commit;
        bool failingTemp;  // the temporary file takes no bytes
        int result;
        const char* after;
    } cases[] = {
        {"committed", true, false, 0, "new"},
        {"dropped without commit", false, false, 0, "old"},
        {"a write that fails", true, true, -1, "old"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = put("r.txt", "old");
        std::remove((name + ".tmp").c_str());
        if (c.failingTemp) {
            ASSERT_EQ(symlink("/dev/full", (name + ".tmp").c_str()), 0);
        }
        {
            TReplacingFile file(name.c_str(), 64);
            ASSERT_TRUE(file.isOpen());
            file.writeText("new");
            if (!c.failingTemp) {
                EXPECT_EQ(file.written(), 3);
            }
            if (c.commit) {
                EXPECT_EQ(file.commit(), c.result);
            }
        }
        EXPECT_EQ(readFileBytes(name), c.after);
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(name + ".tmp")));
    }
    TReplacingFile nowhere(dir.file("no/such/r.txt").c_str());
    EXPECT_FALSE(nowhere.isOpen());
    EXPECT_FALSE(nowhere.write("x", 1));
    EXPECT_EQ(nowhere.commit(), -1);
}

}  // namespace
