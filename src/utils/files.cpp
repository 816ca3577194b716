#include "utils/files.h"

#include <glob.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <zlib.h>

#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/disk_space.h"
#include "platform/file_sync.h"
#include "platform/paths.h"

namespace {

constexpr size_t kCopyChunk = 1024;
// The most memory a record reader may hold for its pages and their descriptors.
constexpr int64_t kMaxReaderMemory = 256 * 1024 * 1024;

bool hidden(const std::string& path) {
    const size_t slash = path.rfind('/');
    const size_t base = slash == std::string::npos ? 0 : slash + 1;
    return base < path.size() && path[base] == '.';
}

bool isPlainEntry(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode) && !hidden(path);
}

// Opens a file that is not a folder: -1 missing, -2 cannot be opened.
FILE* openFile(const char* name, const char* mode, int* code) {
    const std::string path = platform::localPath(name);
    struct stat st {};
    if (name == nullptr || stat(path.c_str(), &st) != 0) {
        *code = -1;
        return nullptr;
    }
    FILE* f = S_ISDIR(st.st_mode) ? nullptr : std::fopen(path.c_str(), mode);
    *code = f ? 0 : -2;
    return f;
}

int openText(FILE** out, const char* name, const char* mode) {
    if (out == nullptr) return 1;
    *out = name ? std::fopen(platform::localPath(name).c_str(), mode) : nullptr;
    return *out ? 0 : 1;
}

bool sameFile(FILE* a, const std::string& path) {
    struct stat sa {
    }, sb{};
    return fstat(fileno(a), &sa) == 0 && stat(path.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// Copies the source into the target opened with `mode` ("wb" or "ab").
int copyInto(const char* source, const char* target, const char* mode) {
    int code = 0;
    FILE* in = openFile(source, "rb", &code);
    if (in == nullptr) return 1;
    const std::string targetPath = platform::localPath(target);
    // Copying a file onto itself would empty it (or append to it endlessly).
    FILE* out =
        target && !sameFile(in, targetPath) ? std::fopen(targetPath.c_str(), mode) : nullptr;
    if (out == nullptr) {
        std::fclose(in);
        return 2;
    }
    char chunk[kCopyChunk];
    int result = 0;
    for (;;) {
        const size_t got = std::fread(chunk, 1, sizeof chunk, in);
        if (std::fwrite(chunk, 1, got, out) != got || std::ferror(in)) {
            result = 3;
            break;
        }
        if (got < sizeof chunk) break;
    }
    std::fclose(in);
    if (std::fclose(out) != 0) result = 3;  // the last bytes did not reach the disk
    return result;
}

}  // namespace

int fileExists(const char* name) {
    if (name == nullptr) return 0;
    const std::string path = platform::localPath(name);
    if (path.find_first_of("*?") == std::string::npos) return isPlainEntry(path) ? 1 : 0;
    glob_t found{};
    int result = 0;
    if (glob(path.c_str(), GLOB_NOSORT, nullptr, &found) == 0) {
        for (size_t i = 0; i < found.gl_pathc && result == 0; ++i)
            if (isPlainEntry(found.gl_pathv[i])) result = 1;
    }
    globfree(&found);
    return result;
}

int deleteFile(const char* name) {
    return name && std::remove(platform::localPath(name).c_str()) == 0 ? 0 : -1;
}

int makeDirectory(const char* name) {
    return name && mkdir(platform::localPath(name).c_str(), 0777) == 0 ? 0 : -1;
}

int32_t streamSize(FILE* file) {
    if (file == nullptr) return -1;
    const off_t position = ftello(file);
    if (position < 0) return -1;
    if (fseeko(file, 0, SEEK_END) != 0) return -2;
    const off_t end = ftello(file);
    if (fseeko(file, position, SEEK_SET) != 0) return -4;
    if (end < 0 || end > INT32_MAX) return -3;
    return static_cast<int32_t>(end);
}

int32_t fileSize(const char* name) {
    int code = 0;
    FILE* f = openFile(name, "rb", &code);
    if (f == nullptr) return code;
    const int32_t size = streamSize(f);
    std::fclose(f);
    return size;
}

int readWholeFile(char** data, const char* name, int32_t* size) {
    if (size) *size = 0;
    if (data == nullptr) return -5;
    *data = nullptr;
    int code = 0;
    FILE* f = openFile(name, "rb", &code);
    if (f == nullptr) return code;
    const int32_t length = streamSize(f);
    if (length < 0) code = -3;
    if (code == 0) heapAlloc(data, static_cast<uint32_t>(length));
    if (code == 0 && *data == nullptr) code = -5;  // also for an empty file
    if (code == 0 &&
        std::fread(*data, 1, static_cast<size_t>(length), f) != static_cast<size_t>(length))
        code = -6;
    std::fclose(f);
    if (code != 0) {
        heapFree(data);
        return code;
    }
    if (size) *size = length;
    return 0;
}

int openTextForWrite(FILE** out, const char* name) {
    return openText(out, name, "w");
}
int openTextForAppend(FILE** out, const char* name) {
    return openText(out, name, "a");
}
int openTextForRead(FILE** out, const char* name) {
    return openText(out, name, "r");
}

int readTextLine(FILE* file, char* buffer, int size) {
    // Fewer than two bytes hold no character: the caller would never get past the line.
    if (file == nullptr || buffer == nullptr || size < 2) return -1;
    if (std::fgets(buffer, size, file) == nullptr) {
        buffer[0] = '\0';
        return -1;
    }
    size_t n = std::strlen(buffer);
    const bool lineEnd = n > 0 && buffer[n - 1] == '\n';
    if (lineEnd) buffer[--n] = '\0';
    if (n > 0 && buffer[n - 1] == '\r') {
        // A CR LF line end, also when the piece stopped between the two.
        const int next = lineEnd ? '\n' : std::fgetc(file);
        if (next == '\n')
            buffer[--n] = '\0';
        else if (next != EOF)
            std::ungetc(next, file);
    }
    return 0;
}

int writeTextLine(FILE* file, const char* text, bool newline) {
    if (file == nullptr || text == nullptr) return 1;
    if (std::fputs(text, file) < 0) return 1;
    if (newline && std::fputc('\n', file) == EOF) return 1;
    return 0;
}

int closeTextFile(FILE* file) {
    return file && std::fclose(file) == 0 ? 0 : 1;
}

int copyFile(const char* source, const char* target) {
    return copyInto(source, target, "wb");
}

int appendFile(const char* source, const char* target) {
    return copyInto(source, target, "ab");
}

double freeDiskSpace(const char* path) {
    const bool drive = path && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
    const std::string folder = drive ? platform::localPath(std::string{path[0], ':'}.c_str()) : ".";
    double bytes = 0;
    return platform::diskSpace().freeBytes(folder, &bytes) ? bytes : -1.0;
}

void heapAlloc(char** out, uint32_t bytes) {
    if (out == nullptr) return;
    *out = bytes ? static_cast<char*>(std::malloc(bytes)) : nullptr;
}

void heapFree(char** block) {
    if (block == nullptr) return;
    std::free(*block);
    *block = nullptr;
}

uint32_t crc32Update(uint32_t crc, const uint8_t* data, int32_t length) {
    if (data == nullptr || length <= 0) return crc;
    return static_cast<uint32_t>(::crc32(crc, data, static_cast<uInt>(length)));
}

TBinFileWriteBuffer::TBinFileWriteBuffer(const char* name, int32_t capacity) {
    file_ = name ? std::fopen(platform::localPath(name).c_str(), "wb") : nullptr;
    // Our buffer is the only one, so that a flush knows how much reached the file.
    if (file_) std::setvbuf(file_, nullptr, _IONBF, 0);
    if (capacity > 0) buffer_ = static_cast<char*>(std::malloc(static_cast<size_t>(capacity)));
    if (buffer_ == nullptr && file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    capacity_ = buffer_ ? capacity : 0;
}

TBinFileWriteBuffer::~TBinFileWriteBuffer() {
    if (!isBad()) flush();
    std::free(buffer_);
    if (file_) std::fclose(file_);
}

int TBinFileWriteBuffer::isBad() const {
    return file_ == nullptr || buffer_ == nullptr ? 1 : 0;
}

int TBinFileWriteBuffer::write(const void* data, int32_t length) {
    if (isBad() || length < 0 || (data == nullptr && length > 0)) return -1;
    const char* p = static_cast<const char*>(data);
    while (length > capacity_ - fill_) {
        const int32_t room = capacity_ - fill_;
        std::memcpy(buffer_ + fill_, p, static_cast<size_t>(room));
        fill_ += room;
        p += room;
        length -= room;
        if (flush() != 0) return -1;
    }
    if (length > 0) std::memcpy(buffer_ + fill_, p, static_cast<size_t>(length));
    fill_ += length;
    return 0;
}

int TBinFileWriteBuffer::flush() {
    if (isBad()) return -1;
    if (fill_ == 0) return 0;
    const size_t written = std::fwrite(buffer_, 1, static_cast<size_t>(fill_), file_);
    if (written < static_cast<size_t>(fill_)) {
        std::memmove(buffer_, buffer_ + written, static_cast<size_t>(fill_) - written);
        fill_ -= static_cast<int32_t>(written);
        return -1;
    }
    fill_ = 0;
    return 0;
}

TBinFileLineReader::TBinFileLineReader(const char* name, int16_t recordSize, int32_t recordsPerPage,
                                       int32_t pageCount)
    : name_(name ? name : ""),
      recordSize_(recordSize),
      recordsPerPage_(recordsPerPage),
      pageCount_(pageCount) {
    // Sizes of 0 or less, or pages beyond the memory bound, give a reader with no pages.
    if (recordSize <= 0 || recordsPerPage <= 0 || pageCount <= 0) return;
    const int64_t pageBytes = static_cast<int64_t>(recordSize) * recordsPerPage;
    if (pageBytes > kMaxReaderMemory ||
        (pageBytes + static_cast<int64_t>(sizeof(tagBinBlockRec))) * pageCount > kMaxReaderMemory)
        return;
    pageBytes_ = static_cast<int32_t>(pageBytes);

    file_ = std::fopen(platform::localPath(name_.c_str()).c_str(), "rb");
    if (file_ == nullptr) return;
    std::setvbuf(file_, nullptr, _IONBF, 0);  // the pages are the only cache
    fileSize_ = streamSize(file_);
    if (fileSize_ < 0) {
        fileSize_ = 0;
        return;
    }
    recordCount_ =
        static_cast<int32_t>((static_cast<int64_t>(fileSize_) + recordSize - 1) / recordSize);

    pages_ = static_cast<uint8_t*>(std::malloc(static_cast<size_t>(pageBytes * pageCount)));
    blocks_ = new (std::nothrow) tagBinBlockRec[static_cast<size_t>(pageCount)];
    if (pages_ == nullptr || blocks_ == nullptr) {
        std::free(pages_);
        pages_ = nullptr;
        delete[] blocks_;
        blocks_ = nullptr;
        return;
    }
    for (int32_t i = 0; i < pageCount; ++i) {
        tagBinBlockRec& b = blocks_[i];
        b.data = pages_ + static_cast<size_t>(i) * static_cast<size_t>(pageBytes_);
        b.moreRecent = i > 0 ? &blocks_[i - 1] : nullptr;
        b.lessRecent = i + 1 < pageCount ? &blocks_[i + 1] : nullptr;
    }
    first_ = &blocks_[0];
    last_ = &blocks_[pageCount - 1];
}

TBinFileLineReader::~TBinFileLineReader() {
    std::free(pages_);
    delete[] blocks_;
    if (file_) std::fclose(file_);
}

const uint8_t* TBinFileLineReader::getRecord(int32_t index) {
    if (pages_ == nullptr || index < 0 || index >= recordCount_) return nullptr;
    tagBinBlockRec* block = getPage(index / recordsPerPage_);
    if (block == nullptr) return nullptr;
    return block->data +
           static_cast<size_t>(index % recordsPerPage_) * static_cast<size_t>(recordSize_);
}

tagBinBlockRec* TBinFileLineReader::findPage(int32_t page) {
    for (tagBinBlockRec* b = first_; b; b = b->lessRecent)
        if (b->page == page) return b;
    return nullptr;
}

tagBinBlockRec* TBinFileLineReader::loadPage(int32_t page) {
    tagBinBlockRec* b = last_;
    if (b == nullptr || file_ == nullptr) return nullptr;
    b->page = -1;  // its bytes are about to change
    if (fseeko(file_, static_cast<off_t>(page) * pageBytes_, SEEK_SET) != 0) {
        std::fclose(file_);  // from now on every load fails
        file_ = nullptr;
        return nullptr;
    }
    const size_t got = std::fread(b->data, 1, static_cast<size_t>(pageBytes_), file_);
    if (std::ferror(file_)) {
        std::clearerr(file_);
        return nullptr;
    }
    // The last page may be short: the rest reads as zeros.
    std::memset(b->data + got, 0, static_cast<size_t>(pageBytes_) - got);
    b->page = page;
    moveToFront(b);
    return b;
}

tagBinBlockRec* TBinFileLineReader::getPage(int32_t page) {
    tagBinBlockRec* b = findPage(page);
    if (b == nullptr) return loadPage(page);
    moveToFront(b);
    return b;
}

void TBinFileLineReader::moveToFront(tagBinBlockRec* block) {
    if (block == first_) return;
    block->moreRecent->lessRecent = block->lessRecent;
    if (block->lessRecent)
        block->lessRecent->moreRecent = block->moreRecent;
    else
        last_ = block->moreRecent;
    block->moreRecent = nullptr;
    block->lessRecent = first_;
    first_->moreRecent = block;
    first_ = block;
}

TReplacingFile::TReplacingFile(const char* name, int32_t bufferSize) {
    if (name == nullptr || *name == '\0') return;
    target_ = platform::localPath(name);
    temp_ = target_ + ".tmp";
    file_ = std::fopen(temp_.c_str(), "wb");
    if (file_ == nullptr) return;
    if (bufferSize > 0) {
        buffer_ = static_cast<char*>(std::malloc(static_cast<size_t>(bufferSize)));
        if (buffer_) std::setvbuf(file_, buffer_, _IOFBF, static_cast<size_t>(bufferSize));
    }
}

TReplacingFile::~TReplacingFile() {
    discard();
}

bool TReplacingFile::write(const void* data, size_t length) {
    if (!ok()) return false;
    if (length > 0 && (data == nullptr || std::fwrite(data, 1, length, file_) != length))
        ok_ = false;
    else
        written_ += static_cast<int64_t>(length);
    return ok_;
}

bool TReplacingFile::writeText(const char* text) {
    return write(text, text ? std::strlen(text) : 0);
}

int TReplacingFile::commit() {
    if (file_ == nullptr) return -1;
    bool good = ok_ && platform::syncStream(file_, temp_);
    good = std::fclose(file_) == 0 && good;
    file_ = nullptr;
    std::free(buffer_);
    buffer_ = nullptr;
    if (good && platform::renameSynced(temp_, target_)) return 0;
    std::remove(temp_.c_str());
    ok_ = false;
    return -1;
}

void TReplacingFile::discard() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
        std::remove(temp_.c_str());
    }
    std::free(buffer_);
    buffer_ = nullptr;
}
