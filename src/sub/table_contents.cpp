#include "sub/table_contents.h"

#include <cstdio>
#include <cstring>
#include <string>

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

// The blocks of one table: rule, number and name, selector, header, records.
bool writeTable(FILE* f, KSub& db, int16_t table, char separator) {
    TTrnTabBase* t = db.table(table);
    const char* singular = getTableSingularName(table);
    const char* plural = getTablePluralName(table);
    if (t == nullptr || singular == nullptr) return true;
    char line[kLineWorkSize];
    std::fprintf(f, "\n\n//%s\n", std::string(52, '-').c_str());
    std::fprintf(f, "// %d :: %s\n::%s\n", int(table), plural != nullptr ? plural : "", singular);
    db.headerText(table, line, sizeof line, separator);
    std::fprintf(f, "//%s\n", line);
    uint8_t record[kRecordImageSize];
    for (int32_t row = 0; row < t->recordCount(); ++row) {
        if (t->readRow(0, row, record) != tsOK) continue;
        db.recordText(table, line, sizeof line, separator, record);
        trimTrailingSpaces(line);
        // An empty last column keeps one blank, so the line still holds a
        // value for every field when it is read back.
        const size_t n = std::strlen(line);
        if (n > 0 && line[n - 1] == separator && n + 1 < sizeof line) {
            line[n] = ' ';
            line[n + 1] = '\0';
        }
        std::fprintf(f, "  %s\n", line);
    }
    return std::ferror(f) == 0;
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
    std::fprintf(f, "\n// Sadrzaj tabela, automatski generisan SUB modulom\n\n");
    bool ok = true;
    for (int16_t t = 0; t < kTableNumberLimit && ok; ++t)
        ok = writeTable(f, *database, t, separator);
    std::fprintf(f, "\n\n// Kraj");
    ok = ok && platform::syncStream(f, temporary);
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
