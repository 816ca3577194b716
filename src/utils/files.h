#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// File helpers. Names are relative to the working directory and go through
// platform::localPath ("\" read as "/", "X:\rest" as the folder X/rest).
// Results are small codes, 0 for success; nothing is shown to the operator.

// 1 when the name (which may hold the wildcards * and ?) matches an entry that
// is neither a folder nor hidden; else 0.
int fileExists(const char* name);
// 0 removed, -1 not.
int deleteFile(const char* name);
// 0 created, -1 not.
int makeDirectory(const char* name);
// Size of an open file, its position left unchanged; -1 reading the position
// failed (or no file), -2 seeking to the end failed, -3 reading the end
// position failed (or the size exceeds 32 bits), -4 seeking back failed.
int32_t streamSize(FILE* file);
// Size in bytes; -1 missing, -2 cannot be opened, else the codes of streamSize.
int32_t fileSize(const char* name);
// 0 with *data a new block (free it with heapFree) holding the whole file and
// *size its length. On failure *data is null: -1 missing, -2 cannot be opened,
// -3 size unknown, -5 no block (also for an empty file), -6 short read.
int readWholeFile(char** data, const char* name, int32_t* size);

// Text files: 0 ok, 1 failed.
int openTextForWrite(FILE** out, const char* name);
int openTextForAppend(FILE** out, const char* name);
int openTextForRead(FILE** out, const char* name);
// Reads one line of at most size - 1 characters without its line end (LF or
// CR LF); a longer line comes in pieces. 0, or -1 at the end of the file.
int readTextLine(FILE* file, char* buffer, int size);
// Writes the text, then a line feed when asked; 0 ok, 1 failed.
int writeTextLine(FILE* file, const char* text, bool newline);
int closeTextFile(FILE* file);

// Copy the source over the target, or append it to the target, in chunks of
// 1,024 bytes: 0 ok, 1 source cannot be opened, 2 target cannot be created
// (or is the source itself), 3 a chunk was not read or written whole.
int copyFile(const char* source, const char* target);
int appendFile(const char* source, const char* target);

// Free bytes of the drive of the path ("X:..." the folder X under the working
// directory, otherwise the working directory's file system); -1 when the
// query failed.
double freeDiskSpace(const char* path);

// Raw heap blocks: *out is a new block of `bytes` (null when none can be had
// or bytes is 0); heapFree frees it and nulls the pointer.
void heapAlloc(char** out, uint32_t bytes);
void heapFree(char** block);

// CRC-32 of IEEE 802.3 (zlib's crc32) continued from crc; start with 0.
uint32_t crc32Update(uint32_t crc, const uint8_t* data, int32_t length);

// Buffered writer of one binary file (created or emptied).
class TBinFileWriteBuffer {
public:
    TBinFileWriteBuffer(const char* name, int32_t capacity);
    ~TBinFileWriteBuffer();
    TBinFileWriteBuffer(const TBinFileWriteBuffer&) = delete;
    TBinFileWriteBuffer& operator=(const TBinFileWriteBuffer&) = delete;

    // 1 when the file or the buffer is missing: callers stop.
    int isBad() const;
    // 0, or -1 when a flush failed (or the writer is bad).
    int write(const void* data, int32_t length);
    // 0, or -1 when not everything could be written (the rest stays buffered).
    int flush();

private:
    FILE* file_ = nullptr;
    char* buffer_ = nullptr;
    int32_t capacity_ = 0;
    int32_t fill_ = 0;
};

// Writes a file under a temporary name beside it ("<name>.tmp") and puts it
// in place only when every byte was written, synced to the disk and the file
// closed, so that a failed write (or a power loss) leaves the old file (or
// none) and never a partial one.
class TReplacingFile {
public:
    // bufferSize > 0 gives the stream a buffer of that many bytes.
    explicit TReplacingFile(const char* name, int32_t bufferSize = 0);
    // An uncommitted file is discarded.
    ~TReplacingFile();
    TReplacingFile(const TReplacingFile&) = delete;
    TReplacingFile& operator=(const TReplacingFile&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // False once anything failed (the file could not be made or a write fell short).
    bool ok() const { return file_ != nullptr && ok_; }
    bool write(const void* data, size_t length);
    bool writeText(const char* text);
    // Bytes handed to write so far.
    int64_t written() const { return written_; }
    // 0 when the file is complete and in place; -1 after any failure, the
    // temporary file removed and an older file of the name left as it was.
    int commit();
    // Drops the temporary file.
    void discard();

private:
    std::string target_;
    std::string temp_;
    FILE* file_ = nullptr;
    char* buffer_ = nullptr;
    int64_t written_ = 0;
    bool ok_ = true;
};

// One cached page of a TBinFileLineReader.
struct tagBinBlockRec {
    int32_t page = -1;                     // page number, -1 while empty
    uint8_t* data = nullptr;               // its part of the page buffer
    tagBinBlockRec* moreRecent = nullptr;  // towards the most recently used
    tagBinBlockRec* lessRecent = nullptr;  // towards the least recently used
};

// Random access to the fixed-size records of a binary file through a few
// cached pages, replaced least recently used first. A final partial record
// counts, its missing bytes read as zeros.
class TBinFileLineReader {
public:
    TBinFileLineReader(const char* name, int16_t recordSize, int32_t recordsPerPage,
                       int32_t pageCount);
    ~TBinFileLineReader();
    TBinFileLineReader(const TBinFileLineReader&) = delete;
    TBinFileLineReader& operator=(const TBinFileLineReader&) = delete;

    // The record inside its cached page, valid until that page is replaced;
    // null for an index out of range or a failed load.
    const uint8_t* getRecord(int32_t index);
    int32_t recordCount() const { return recordCount_; }

private:
    tagBinBlockRec* findPage(int32_t page);
    tagBinBlockRec* loadPage(int32_t page);
    tagBinBlockRec* getPage(int32_t page);
    void moveToFront(tagBinBlockRec* block);

    tagBinBlockRec* first_ = nullptr;  // most recently used
    tagBinBlockRec* last_ = nullptr;   // least recently used
    tagBinBlockRec* blocks_ = nullptr;
    uint8_t* pages_ = nullptr;
    std::string name_;
    FILE* file_ = nullptr;
    int16_t recordSize_ = 0;
    int32_t recordsPerPage_ = 0;
    int32_t pageCount_ = 0;
    int32_t pageBytes_ = 0;
    int32_t fileSize_ = 0;
    int32_t recordCount_ = 0;
};
