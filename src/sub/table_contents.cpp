#include "sub/table_contents.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_sync.h"
#include "platform/paths.h"
#include "sub/field_text.h"
#include "sub/sub_database.h"
#include "sub/table_catalogue.h"
#include "sub/trn_tab.h"

namespace {

constexpr int kRecordImageSize = 1024;
constexpr int kLineLimit = 1998;  // characters of a line the reader takes
constexpr int kRecordIndent = 2;  // blanks before each record line

// ' ', and '\t' '\n' '\v' '\f' '\r', which stand together in the code table.
bool isBlank(char c) {
    return c == ' ' || static_cast<unsigned char>(c - '\t') <= '\r' - '\t';
}

// Output gathered in blocks and written with one fwrite each: a record line
// costs a few copies, not a formatted write. ok() turns false at the first
// write that fails; nothing is written after it.
class BlockWriter {
public:
    explicit BlockWriter(FILE* f) : f_(f), block_(new char[kBlockSize]), size_(kBlockSize) {}
    // Room for n more characters at the end of the block, written by the caller.
    char* reserve(size_t n) {
        if (used_ + n > size_) flush();
        if (n > size_) {  // the block is empty after the flush
            block_.reset(new char[n]);
            size_ = n;
        }
        return block_.get() + used_;
    }
    void commit(size_t n) { used_ += n; }
    void put(const char* text, size_t n) {
        std::memcpy(reserve(n), text, n);
        commit(n);
    }
    void put(const char* text) { put(text, std::strlen(text)); }
    void flush() {
        if (ok_ && used_ > 0) ok_ = std::fwrite(block_.get(), 1, used_, f_) == used_;
        used_ = 0;
    }
    bool ok() const { return ok_; }

private:
    static constexpr size_t kBlockSize = 256 * 1024;
    FILE* f_;
    std::unique_ptr<char[]> block_;  // not cleared: only what is written to it is read
    size_t size_;
    size_t used_ = 0;
    bool ok_ = true;
};

// The blocks of one table: rule, number and name, selector, header, records.
bool writeTable(BlockWriter& out, SLinePlan& plan, KSub& db, int16_t table, char separator) {
    TTrnTabBase* t = db.table(table);
    const char* singular = getTableSingularName(table);
    const char* plural = getTablePluralName(table);
    if (t == nullptr || singular == nullptr) return true;
    out.put("\n\n//");
    out.put(std::string(52, '-').c_str());
    out.put("\n// ");
    out.put(std::to_string(table).c_str());
    out.put(" :: ");
    out.put(plural != nullptr ? plural : "");
    out.put("\n::");
    out.put(singular);
    out.put("\n//");
    char line[kLineWorkSize];
    db.headerText(table, line, sizeof line, separator);
    out.put(line);
    out.put("\n");
    planRecordLines(t->fields(), t->fieldCount(), separator, &plan);
    for (int32_t row = 0; row < t->recordCount() && out.ok(); ++row) {
        const uint8_t* record = t->readCommitted(row);
        if (record == nullptr) continue;
        // "  ", the line (kLineWorkSize - 1 characters at most), a blank, "\n"
        char* text = out.reserve(kLineWorkSize + 3);
        size_t n = size_t(recordLineByPlan(plan, t->fields(), t->fieldCount(), text + 2, record));
        if (separator == '\0') n = std::strlen(text + 2);  // the line ends at its first separator
        // The last character first: a line that ends with a value is not read
        // back in words, which would wait for the stores of its columns.
        if (n > 0 && text[2 + n - 1] == ' ') {
            static const char kSpaces[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
            while (n >= 8 && std::memcmp(text + 2 + n - 8, kSpaces, 8) == 0) n -= 8;
            while (n > 0 && text[2 + n - 1] == ' ') --n;
        }
        // An empty last column keeps one blank, so the line still holds a
        // value for every field when it is read back.
        if (n > 0 && text[2 + n - 1] == separator && n + 1 < kLineWorkSize) text[2 + n++] = ' ';
        text[0] = ' ';
        text[1] = ' ';
        text[2 + n] = '\n';
        out.commit(n + 3);
    }
    return out.ok();
}

// The lines of a file, read in large blocks and handed out in place. A
// line is what fgets into a buffer of kLineLimit + 3 characters takes: its
// end (LF, or CR LF) removed; more than kLineLimit characters make it one
// the reader does not take, and so does a NUL byte before its end, which
// marksOf() tells. A last line without its end ends at its first NUL byte.
// kLinePadding bytes before and after each line may be read, so records
// are read where they stand.
class LineReader {
public:
    static constexpr unsigned kMarkNul = 1;
    static constexpr unsigned kMarkSlash = 2;
    static constexpr unsigned kMarkColon = 4;

    explicit LineReader(FILE* f)
        : f_(f),
          storage_(new char[kLinePadding + kBlockSize + kWindow + 1 + kLinePadding]),
          block_(storage_.get() + kLinePadding) {
        std::memset(storage_.get(), 0, kLinePadding);
    }

    // 1 a line (terminated, in the reader's block until the next call), 0 the
    // end of the file, -1 a line longer than the reader takes.
    int next(char** line, size_t* length) {
        if (end_ - pos_ < kWindow && !atEnd_) refill();
        const size_t available = end_ - pos_;
        if (available == 0) return 0;
        char* begin = block_ + pos_;
        size_t n = findLineEnd(begin);
        if (n >= kWindow) {  // no end among the characters a line may hold
            pos_ += kWindow;
            return -1;
        }
        if (n < available) {
            pos_ += n + 1;
        } else {  // the LF after the block: the last line, without its end
            n = strnlen(begin, available);
            pos_ = end_;
        }
        if (n > 0 && begin[n - 1] == '\r') --n;
        begin[n] = '\0';
        if (n > size_t(kLineLimit)) return -1;
        *line = begin;
        *length = n;
        return 1;
    }

    // Which of NUL, '/' and ':' the n characters of a line hold.
    static unsigned marksOf(const char* line, size_t n) {
        unsigned marks = 0;
        size_t i = 0;
#if defined(__SSE2__)
        uint32_t nuls = 0;
        uint32_t slashes = 0;
        uint32_t colons = 0;
        for (; i < n; i += 16) {  // the padding after the line may be read
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + i));
            const uint32_t in = n - i >= 16 ? 0xFFFFu : (1u << (n - i)) - 1;
            nuls |= uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_setzero_si128()))) & in;
            slashes |= uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8('/')))) & in;
            colons |= uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(':')))) & in;
        }
        marks = (nuls != 0 ? kMarkNul : 0) | (slashes != 0 ? kMarkSlash : 0) |
                (colons != 0 ? kMarkColon : 0);
#endif
        for (; i < n; ++i)
            marks |= line[i] == '\0'  ? kMarkNul
                     : line[i] == '/' ? kMarkSlash
                     : line[i] == ':' ? kMarkColon
                                      : 0;
        return marks;
    }

private:
    static constexpr size_t kBlockSize = 256 * 1024;
    static constexpr size_t kWindow = kLineLimit + 2;  // a line and its CR LF

    // The place of the first LF from p: the one put after the block ends
    // the search at the latest. 64 characters are looked at in one step, so
    // that most lines end in the first one, without a branch on their length.
    static size_t findLineEnd(const char* p) {
#if defined(__SSE2__)
        const __m128i lf = _mm_set1_epi8('\n');
        for (size_t i = 0;; i += 64) {  // the LF and the padding after the block may be read
            const auto ends = [&](size_t at) {
                const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + at));
                return uint64_t(uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(v, lf))));
            };
            const uint64_t all = ends(0) | ends(16) << 16 | ends(32) << 32 | ends(48) << 48;
            if (all != 0) return i + size_t(__builtin_ctzll(all));
        }
#else
        size_t i = 0;
        while (p[i] != '\n') ++i;
        return i;
#endif
    }

    // Keeps the unread rest and reads after it: the block then holds a whole
    // window, or all the file has left.
    void refill() {
        const size_t rest = end_ - pos_;
        std::memmove(block_, block_ + pos_, rest);
        pos_ = 0;
        end_ = rest;
        const size_t wanted = kBlockSize + kWindow - end_;
        const size_t got = std::fread(block_ + end_, 1, wanted, f_);
        end_ += got;
        // What reads past the last line find: an LF that ends every search, then zeros.
        block_[end_] = '\n';
        std::memset(block_ + end_ + 1, 0, kLinePadding);
        atEnd_ = got < wanted;  // the end of the file, or a read that failed
    }

    FILE* f_;
    // The block between two paddings; not cleared: only what was read into
    // it is looked at.
    std::unique_ptr<char[]> storage_;
    char* block_;
    size_t pos_ = 0;
    size_t end_ = 0;
    bool atEnd_ = false;
};

// The first n bytes of a record image of kRecordImageSize bytes set to
// zero in whole blocks of 16: a few stores in place of a library call that
// starts slowly for the short lengths of records.
void clearRecord(uint8_t* record, size_t n) {
#if defined(__SSE2__)
    static_assert(kRecordImageSize % 16 == 0, "whole blocks");
    for (size_t at = 0; at < n; at += 16)
        _mm_store_si128(reinterpret_cast<__m128i*>(record + at), _mm_setzero_si128());
#else
    std::memset(record, 0, n);
#endif
}

// isBlankText for a line handed out by the reader: most lines end with a
// value, and the others start with a run of spaces.
bool isBlankLine(const char* line, size_t length) {
    if (length > 0 && !isBlank(line[length - 1])) return false;
    size_t at = 0;
#if defined(__SSE2__)
    for (;; at += 16) {  // the padding after the line may be read
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + at));
        const unsigned others = ~unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(' '))));
        if ((others & 0xFFFFu) != 0) {
            at += size_t(__builtin_ctz(others));
            break;
        }
    }
#else
    while (line[at] == ' ') ++at;
#endif
    return at >= length || (isBlank(line[at]) && isBlankText(line + at));
}

// The selector's table name as sscanf("::%s") takes it: "::" at the start,
// blanks, then the characters up to the next blank. False when there is none.
bool selectorName(const char* line, std::string* name) {
    if (line[0] != ':' || line[1] != ':') return false;
    const char* p = line + 2;
    while (*p != '\0' && std::isspace(static_cast<unsigned char>(*p))) ++p;
    const char* start = p;
    while (*p != '\0' && !std::isspace(static_cast<unsigned char>(*p))) ++p;
    name->assign(start, size_t(p - start));
    return p != start;
}

// The first place in the text where the character stands twice, or null.
char* findPair(char* text, size_t length, char c) {
    char* const end = text + length;
    for (char* p = text; end - p >= 2; ++p) {
        p = static_cast<char*>(std::memchr(p, c, size_t(end - p - 1)));
        if (p == nullptr) return nullptr;
        if (p[1] == c) return p;
    }
    return nullptr;
}

}  // namespace

bool isBlankText(const char* text) {
    if (text == nullptr) return true;
    for (; *text != '\0'; ++text)
        if (!isBlank(*text)) return false;
    return true;
}

int trimTrailingSpaces(char* text) {
    if (text == nullptr) return 1;
    size_t n = std::strlen(text);
    while (n > 0 && text[n - 1] == ' ') text[--n] = '\0';
    return 0;
}

int exportTableContents(KSub* database, const char* fileName, char separator) {
    if (database == nullptr || fileName == nullptr || *fileName == '\0')
        return tsNeuspesnoOtvaranje;
    const std::string target = platform::localPath(fileName);
    const std::string temporary = target + ".tmp";
    FILE* f = std::fopen(temporary.c_str(), "w");
    if (f == nullptr) return tsNeuspesnoOtvaranje;
    std::setvbuf(f, nullptr, _IONBF, 0);  // the writer's blocks go out as they are, one write each
    BlockWriter out(f);
    out.put("\n// Sadrzaj tabela, automatski generisan SUB modulom\n\n");
    bool ok = true;
    SLinePlan plan;  // each table's columns in turn
    for (int16_t t = 0; t < kTableNumberLimit && ok; ++t)
        ok = writeTable(out, plan, *database, t, separator);
    out.put("\n\n// Kraj");
    out.flush();
    ok = ok && out.ok() && platform::syncStream(f, temporary);
    ok = std::fclose(f) == 0 && ok;
    if (!ok || !platform::renameSynced(temporary, target)) {
        std::remove(temporary.c_str());
        return tsNeuspesnoOtvaranje;
    }
    return tsOK;
}

int importTableContents(KSub* database, const char* fileName, int32_t* linesRead,
                        int16_t* currentTable) {
    int32_t lines = 0;
    int16_t current = -1;
    if (linesRead != nullptr) *linesRead = 0;
    if (currentTable != nullptr) *currentTable = -1;
    if (database == nullptr || fileName == nullptr) return tsNeuspesnoOtvaranje;
    FILE* f = std::fopen(platform::localPath(fileName).c_str(), "r");
    if (f == nullptr) return tsNeuspesnoOtvaranje;
    std::setvbuf(f, nullptr, _IONBF, 0);  // the reader's blocks come in as they are, one read each
    LineReader reader(f);
    std::string name;
    int result = tsOK;
    const TTrnTabBase* planned = nullptr;
    SReadPlan plan;
    TTrnTabBase* plainTable = nullptr;  // the current table, once its plan is made
    alignas(16) uint8_t record[kRecordImageSize];
    for (;;) {
        char* line = nullptr;
        size_t length = 0;
        const int got = reader.next(&line, &length);
        if (got == 0) break;
        ++lines;
        if (got < 0) {
            result = tsSintaksnaGreska;  // never cut a record silently
            break;
        }
        // Most lines are records of the current table as the file is
        // written: read at once, without the checks for what else a line may be.
        bool read = false;
        if (plainTable != nullptr) {
            clearRecord(record, std::min(sizeof record, size_t(plainTable->recordLength())));
            read = recordFromPlainLine(plan, plainTable->fields(), plainTable->fieldCount(), record,
                                       line, length);
        }
        if (!read) {
            const unsigned marks = LineReader::marksOf(line, length);
            if (marks & LineReader::kMarkNul) {
                result = tsSintaksnaGreska;
                break;
            }
            const bool plain = (marks & (LineReader::kMarkSlash | LineReader::kMarkColon)) == 0;
            if (char* comment = plain ? nullptr : findPair(line, length, '/')) {
                *comment = '\0';
                length = size_t(comment - line);
            }
            if (isBlankLine(line, length)) continue;
            if (!plain && findPair(line, length, ':') != nullptr) {
                if (!selectorName(line, &name)) {
                    result = tsSintaksnaGreska;
                    break;
                }
                current = static_cast<int16_t>(findTableBySingularName(name.c_str()));
                plainTable = nullptr;
                if (current < 0) {
                    result = tsNePostojiTabela;
                    break;
                }
                continue;
            }
            TTrnTabBase* table = database->table(current);
            if (table == nullptr) {
                result = tsNePostojiTabela;
                break;
            }
            if (table != planned) {  // the columns of the table's lines, as the file is written
                planRecordReading(table->fields(), table->fieldCount(), ',', kRecordIndent, &plan);
                planned = table;
            }
            plainTable = plan.strict ? table : nullptr;
            clearRecord(record, std::min(sizeof record, size_t(table->recordLength())));
            if (recordFromPaddedLine(plan, table->fields(), table->fieldCount(), record, line,
                                     length) != 0) {
                result = tsSintaksnaGreska;
                break;
            }
        }
        uint8_t conflict = 0;
        result = database->insertRecord(0, current, record, &conflict);
        if (result != tsOK) break;
    }
    std::fclose(f);
    if (linesRead != nullptr) *linesRead = lines;
    if (currentTable != nullptr) *currentTable = current;
    return result;
}
