#include "sub/table_contents.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/file_sync.h"
#include "platform/paths.h"
#include "sub/field_text.h"
#include "sub/sub_database.h"
#include "sub/table_catalogue.h"

namespace {

constexpr int kRecordImageSize = 1024;
constexpr int kLineLimit = 1998;  // characters of a line the reader takes

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Output gathered in blocks and written with one fwrite each: a record line
// costs a few copies, not a formatted write. ok() turns false at the first
// write that fails; nothing is written after it.
class BlockWriter {
public:
    explicit BlockWriter(FILE* f) : f_(f), block_(kBlockSize) {}
    // Room for n more characters at the end of the block, written by the caller.
    char* reserve(size_t n) {
        if (used_ + n > block_.size()) flush();
        if (n > block_.size()) block_.resize(n);
        return block_.data() + used_;
    }
    void commit(size_t n) { used_ += n; }
    void put(const char* text, size_t n) {
        std::memcpy(reserve(n), text, n);
        commit(n);
    }
    void put(const char* text) { put(text, std::strlen(text)); }
    void flush() {
        if (ok_ && used_ > 0) ok_ = std::fwrite(block_.data(), 1, used_, f_) == used_;
        used_ = 0;
    }
    bool ok() const { return ok_; }

private:
    static constexpr size_t kBlockSize = 64 * 1024;
    FILE* f_;
    std::vector<char> block_;
    size_t used_ = 0;
    bool ok_ = true;
};

// The blocks of one table: rule, number and name, selector, header, records.
bool writeTable(BlockWriter& out, KSub& db, int16_t table, char separator) {
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
    uint8_t record[kRecordImageSize];
    for (int32_t row = 0; row < t->recordCount() && out.ok(); ++row) {
        if (t->readRow(0, row, record) != tsOK) continue;
        // "  ", the line (kLineWorkSize - 1 characters at most), a blank, "\n"
        char* text = out.reserve(kLineWorkSize + 3);
        size_t n = size_t(recordLineOf(t->fields(), t->fieldCount(), text + 2, separator, record));
        if (separator == '\0') n = std::strlen(text + 2);  // the line ends at its first separator
        while (n > 0 && text[2 + n - 1] == ' ') --n;
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

// One line without its end (LF or CR LF): 1 read, 0 end of the file, -1 a
// line longer than the reader takes.
int readLine(FILE* f, char* line, int size) {
    if (std::fgets(line, size, f) == nullptr) return 0;
    size_t n = std::strlen(line);
    const bool complete = n > 0 && line[n - 1] == '\n';
    if (complete) line[--n] = '\0';
    if (n > 0 && line[n - 1] == '\r') line[--n] = '\0';
    if (n > size_t(kLineLimit)) return -1;
    if (!complete && !std::feof(f)) return -1;
    return 1;
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
    BlockWriter out(f);
    out.put("\n// Sadrzaj tabela, automatski generisan SUB modulom\n\n");
    bool ok = true;
    for (int16_t t = 0; t < kTableNumberLimit && ok; ++t)
        ok = writeTable(out, *database, t, separator);
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
    char line[kLineLimit + 3];
    int result = tsOK;
    for (;;) {
        const int got = readLine(f, line, sizeof line);
        if (got == 0) break;
        ++lines;
        if (got < 0) {
            result = tsSintaksnaGreska;  // never cut a record silently
            break;
        }
        if (char* comment = std::strstr(line, "//")) *comment = '\0';
        if (isBlankText(line)) continue;
        if (std::strstr(line, "::") != nullptr) {
            char name[kLineLimit + 3];
            if (std::sscanf(line, "::%s", name) != 1) {
                result = tsSintaksnaGreska;
                break;
            }
            current = static_cast<int16_t>(findTableBySingularName(name));
            if (current < 0) {
                result = tsNePostojiTabela;
                break;
            }
            continue;
        }
        if (database->table(current) == nullptr) {
            result = tsNePostojiTabela;
            break;
        }
        uint8_t record[kRecordImageSize] = {};
        if (database->recordFromText(current, record, line, ",") != 0) {
            result = tsSintaksnaGreska;
            break;
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
