#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "sub/field_defs.h"

// Text forms of field values, record lines and header lines. A record line
// holds every field in a column of its display width; columns are joined by
// the column separator. All numbers are read and written in the "C" form
// whatever the locale says. Nothing here allocates but the building of an
// enumeration's index.

constexpr int kLineWorkSize = 2000;  // record and header lines, and lines read into records
constexpr int kStringValueLimit = 999;
constexpr int kEnumWordLimit = 99;

void setColumnSeparator(char separator);
char getColumnSeparator();

char* skipLeadingBlanks(char* text);
char* trimRight(char* text);
char* trimBoth(char* text);

// The text in exactly width characters (cut or padded); the number written.
// out must hold width + 1 characters.
int padLeftAligned(char* out, const char* text, int width);
int padRightAligned(char* out, const char* text, int width);
int padCentred(char* out, const char* text, int width);

// Readers: set one field in a record image from text. 0 is success; the
// refusals are the codes of each type.
int parseByteField(uint8_t* target, const char* text);    // -1 not one integer, -2 above 255
int parseShortField(uint8_t* target, const char* text);   // 1 refused
int parseLongField(uint8_t* target, const char* text);    // 1 refused
int parseDateField(uint8_t* target, const char* text);    // -1 not d.m.y, -2 no such date
int parseTimeField(uint8_t* target, const char* text);    // -1 not h[:m[:s]], -2 no such time
int parseFloatField(uint8_t* target, const char* text);   // 1 refused
int parseDoubleField(uint8_t* target, const char* text);  // 1 refused
int parseStringField(uint8_t* target, int16_t capacity, const char* text);  // 1 too long
int parseBitField(uint8_t* target, uint8_t bitNumber, const char* text);    // -1 refused
// -1 not one word, -2 not a number, -3 no such value, -4 no such name.
int parseEnumField(uint8_t* target, int16_t size, const char* const* names, int32_t count,
                   const char* text);
int parseEnum8Field(uint8_t* target, int16_t size, const char* const* names, int32_t count,
                    const char* text);
// The names of an enumeration in upper case (a..z only), sorted, each with
// the first value that has it; the values without a name are left out. A
// table builds one per enumeration field, so reading a value by its name
// takes a search, not a comparison with every name.
struct SEnumIndex {
    std::vector<std::pair<std::string, int32_t>> names;
    size_t longest = 0;
    // Positions in names plus 1 (0 is an empty place), each at the hash of
    // its name or after it (linear probing); a power of two places, at most
    // half of them taken.
    std::vector<uint32_t> places;
    // The names as the dictionary spells them (up to 31 characters, no blank
    // or control character, not starting with a digit), each with the value
    // the search above finds for it: a name written as the file writer puts
    // it is found by comparing 32 bytes. A power of two places (length 0 is
    // an empty place), at most half of them taken.
    struct SSpelling {
        uint8_t bytes[32] = {};  // the name, then zeros
        uint32_t length = 0;
        int32_t value = 0;
    };
    std::vector<SSpelling> spellings;
    bool marksInSpellings = false;  // a spelling holds '/', ':' or ','
    // The same names as a column of a width (up to 32) after a separator
    // shows them: each spelling that fits, then spaces to the column's end,
    // then zeros to 32 bytes, so a column is found by one comparison of its
    // bytes. Built for a width when a reading plan first asks for it.
    struct SColumnName {
        uint8_t bytes[32] = {};
        int32_t value = 0;
        uint32_t used = 0;
    };
    struct SColumnNames {
        int width = 0;
        uint8_t kept[32] = {};            // 0xFF over the width, then zeros
        uint64_t factor = 0;              // of the hash, under which no two names share a place
        std::vector<SColumnName> places;  // a power of two, at most half of them used
        uint64_t mask = 0;                // places - 1
    };
    mutable std::vector<std::unique_ptr<SColumnNames>> columns;  // by width
};
std::unique_ptr<SEnumIndex> buildEnumIndex(const char* const* names, int32_t count);
// The index's names as a column of the width shows them; null for a width
// over 32, and when two of the names are alike in their first 24 bytes (no
// factor gives them places of their own).
const SEnumIndex::SColumnNames* columnNamesOf(const SEnumIndex& index, int width);
// As parseEnumField, with the names found through the index when there is one.
int parseEnumFieldIndexed(uint8_t* target, int16_t size, const char* const* names, int32_t count,
                          const SEnumIndex* index, const char* text);
// The number of an enumeration value ("%i" rules, whole word); 0 or -1.
int parseIntValue(int32_t* value, const char* word);
// 0 and the index of the first name equal to the text, -1 when none.
int findEnumName(int32_t* value, const char* text, const char* const* names, int32_t count);

// Writers: the text form into out, cut to size - 1 characters; the number of
// characters written, -1 when out is null or size is 0 or less.
int formatByteField(char* out, int size, uint8_t value);
int formatShortField(char* out, int size, int16_t value);
int formatLongField(char* out, int size, int32_t value);
int formatDateField(char* out, int size, int32_t dayNumber);
int formatTimeField(char* out, int size, int32_t seconds);
int formatFloatField(char* out, int size, float value);
int formatDoubleField(char* out, int size, double value);
// value holds at most capacity bytes; a missing terminator ends it there.
int formatStringField(char* out, int size, const uint8_t* value, int16_t capacity);
int formatBitField(char* out, int size, uint8_t byte, uint8_t bitNumber);
int formatEnumField(char* out, int size, uint32_t value, const char* const* names, int32_t count);
int formatEnum8Field(char* out, int size, uint8_t value, const char* const* names, int32_t count);

// Column writers: at position > 0 the separator at position and the padded
// text after it, else the padded text at the start of the line; the number of
// characters written. The line holds capacity characters with its terminator;
// a column that does not fit is cut.
int appendCentredText(char* line, int capacity, int16_t position, int16_t width, const char* text);
int appendByteColumn(char* line, int capacity, int16_t position, int16_t width, uint8_t value);
int appendShortColumn(char* line, int capacity, int16_t position, int16_t width, int16_t value);
int appendLongColumn(char* line, int capacity, int16_t position, int16_t width, int32_t value);
int appendDateColumn(char* line, int capacity, int16_t position, int16_t width, int32_t value);
int appendTimeColumn(char* line, int capacity, int16_t position, int16_t width, int32_t value);
int appendFloatColumn(char* line, int capacity, int16_t position, int16_t width, float value);
int appendDoubleColumn(char* line, int capacity, int16_t position, int16_t width, double value);
int appendStringColumn(char* line, int capacity, int16_t position, int16_t width,
                       const uint8_t* value, int16_t valueCapacity);
int appendEnumColumn(char* line, int capacity, int16_t position, int16_t width, uint32_t value,
                     const char* const* names, int32_t count);
int appendEnum8Column(char* line, int capacity, int16_t position, int16_t width, uint8_t value,
                      const char* const* names, int32_t count);
int appendBitColumn(char* line, int capacity, int16_t position, int16_t width, uint8_t byte,
                    uint8_t bitNumber);

// The operations of a table on its compiled fields (numbered from 1).
// Text of one field without column blanks: 8 bad field, -1 no buffer, else 0.
int fieldTextOf(const SSubField* fields, int16_t count, int16_t field, char* buffer, int size,
                const void* record);
// Record and header lines with the given separator: -1 no buffer, else 0.
int recordTextOf(const SSubField* fields, int16_t count, char* buffer, int size, char separator,
                 const uint8_t* record);
int headerTextOf(const SSubField* fields, int16_t count, char* buffer, int size, char separator);
// The record line into line, which holds kLineWorkSize characters; its length.
int recordLineOf(const SSubField* fields, int16_t count, char* line, char separator,
                 const uint8_t* record);
// The blank line of a table with its separators in place and where each
// column starts, worked out once for all its record lines. whole is false
// when the columns do not fit a line (the line is then built column by column).
struct SLineColumn {
    uint8_t kind;   // how the value is written
    uint8_t bit;    // bit number of a bit field
    int16_t start;  // in the line
    int16_t width;
    int16_t offset;  // of the value in the record image
    int16_t size;    // enumeration value bytes; characters of a string that may show
    int16_t field;   // place in the fields
    uint32_t names;  // first length in nameLengths (enumerations)
    int32_t count;   // of enumeration values
    const char* const* enumNames;
};
struct SLinePlan {
    bool whole = false;
    char separator = ',';
    std::string blank;  // the line, then spaces to a whole number of blocks of 16
    size_t length = 0;  // of the line
    std::vector<SLineColumn> columns;
    // For each enumeration column, the length of each value's name as it
    // shows in the column; 0 for a value without a name.
    std::vector<uint16_t> nameLengths;
};
void planRecordLines(const SSubField* fields, int16_t count, char separator, SLinePlan* plan);
// recordLineOf through the plan of the same fields: the same line.
int recordLineByPlan(const SLinePlan& plan, const SSubField* fields, int16_t count, char* line,
                     const uint8_t* record);
// A table's record lines as the table-contents file holds them (indent
// blanks, then the columns of planRecordLines), worked out once for reading
// them: where the separators stand and how each column is read. A line in
// this layout is read column by column, any other split at its separators.
struct SReadColumn {
    uint8_t kind;
    uint8_t bit;      // bit number of a bit field
    uint8_t numbers;  // how a number fills the column's width (not the last column's)
    int16_t start;    // of the value in the line (the first column from 0)
    int16_t end;  // the separator after it; the last column's, kLineWorkSize: it ends with the line
    int16_t offset;  // of the value in the record image
    int16_t size;    // storage size of an enumeration value or a string
    int16_t field;
    const SEnumIndex* enumIndex;
    const SEnumIndex::SColumnNames* columnNames;  // an enumeration after a separator, or null
};
struct SReadPlan {
    bool usable = false;  // false: every line is split at its separators
    // Every column is one whose planned reader can refuse NUL, '/', the
    // separator, which is ',', and a ':' other than a time's, between two
    // digits (no name that holds them): recordFromPlainLine may read lines.
    bool strict = false;
    char separator = ',';
    int32_t longest = 0;  // characters of a full line
    int32_t lastSeparator = -1;
    std::vector<uint64_t> separators;  // bit i % 64 of word i / 64: a separator at i
    std::vector<SReadColumn> columns;
};
void planRecordReading(const SSubField* fields, int16_t count, char separator, int indent,
                       SReadPlan* plan);
// recordFromLineOf(fields, count, record, line, length, separator) through
// the plan of the same fields: the same record and answer.
int recordFromPlannedLine(const SReadPlan& plan, const SSubField* fields, int16_t count,
                          void* record, char* line, size_t length);
// Bytes before a line and after its end that recordFromPaddedLine may read.
constexpr size_t kLinePadding = 64;
// recordFromPlannedLine on the line where it stands, without a copy: line[length]
// is '\0', and kLinePadding bytes before the line and after that zero may be
// read, whatever they hold.
int recordFromPaddedLine(const SReadPlan& plan, const SSubField* fields, int16_t count,
                         void* record, char* line, size_t length);
// recordFromPaddedLine for a line not yet known to be a record line: true
// when the plan is strict, the line fits it, each separator stands where the
// plan has it, and the planned readers take every column, none of which
// then holds NUL, '/', a separator, or a ':' but a time's between two
// digits (the line is no comment, selector or blank line). False, with the
// line as it was and the record partly set, for anything else.
bool recordFromPlainLine(const SReadPlan& plan, const SSubField* fields, int16_t count,
                         void* record, char* line, size_t length);
// One field from text: -1 bad field, -2 no text, -3 type without text form, else the reader's code.
int fieldFromTextOf(const SSubField* fields, int16_t count, int16_t field, void* record,
                    const char* text);
// A line of values split at any of the separators: -1 no line or separators, -2 too few
// values, -3 a value refused (the fields before it are set), -4 too many values.
int recordFromTextOf(const SSubField* fields, int16_t count, void* record, const char* line,
                     const char* separators);
// The same on a line of length characters (no NUL among them, fewer than
// kLineWorkSize) that is cut apart in place.
int recordFromLineOf(const SSubField* fields, int16_t count, void* record, char* line,
                     size_t length, const char* separators);

// Ordering of field values and keys in record images.
int compareFieldValues(const uint8_t* a, const uint8_t* b, const SSubField* field);
int compareKeys(const uint8_t* a, const uint8_t* b, const SSubField* fields, int16_t keyFieldCount);
// Sets or clears the bit of target to match the same bit of source.
void copyBit(uint8_t* target, const uint8_t* source, int bitNumber);
