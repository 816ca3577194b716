#pragma once

#include <cstdint>

class KSub;

// Table-contents text files: the committed records of every table, one line
// per record in the column layout of its table, under a selector line per
// table ("::" and the table's singular name), with comment lines ("//").

// Writes the file: 0, or 28 when there is no name, the file cannot be
// created or a write fails. The file is written under a temporary name and
// put in place only when complete, so a failed write keeps the old file.
int exportTableContents(KSub* database, const char* fileName, char separator);

// Reads a file into the database, inserting every record without a
// transaction: 0 at the end of the file, else the first error (28 cannot be
// opened, 19 no such table, 29 a bad line, or the insert's own code).
// linesRead ends at the offending line (counted from 1); currentTable is the
// last table selected, -1 before any or after a selector naming none.
int importTableContents(KSub* database, const char* fileName, int32_t* linesRead,
                        int16_t* currentTable);

// True when the text holds only blanks, or nothing.
bool isBlankText(const char* text);
// Removes trailing space characters in place; 1 for a null text, else 0.
int trimTrailingSpaces(char* text);
