#pragma once

#include <cstdint>

class TTrnTabBase;
struct SEnumIndex;

// Field types of the table dictionaries.
enum TSubFieldType : int16_t {
    ftByte = 1,
    ftShort = 2,
    ftLong = 3,
    ftDate = 4,  // day number, 1 January 1980 is day 1
    ftTime = 5,  // seconds since midnight
    ftFloat = 6,
    ftDouble = 7,
    ftString = 8,  // zero-terminated, at most size - 1 characters
    ftBit = 9,     // one bit of a byte shared with the neighbouring bit fields
    ftEnum = 10,   // value of size bytes, little-endian, indexes the value names
    ftEnum8 = 11,  // value in the first byte
};

// Field flags.
enum : uint8_t {
    kFieldKey = 0x01,
    kFieldIndex = 0x02,  // unique secondary index
    kFieldBit = 0x04,    // compiled descriptors only: a bit field
};

constexpr int kFieldNameSize = 26;

// One field of a table dictionary. Key fields come first.
struct SSubFieldDef {
    uint8_t flags;
    int16_t type;
    int16_t size;  // declared size: string capacity, enumeration value bytes
    const char* const* enumNames;
    int32_t enumCount;
    char name[kFieldNameSize];
};

// A field as a table uses it: its place in the record image and its
// transaction masks.
struct SSubField {
    uint8_t flags;
    int16_t type;
    int16_t offset;     // in the record image
    int16_t size;       // storage size; a bit field: 1 for bit 0 of its byte, else 0
    uint8_t bitNumber;  // 0..7 for a bit field
    char name[kFieldNameSize];
    int16_t displayWidth;
    const char* const* enumNames;
    int32_t enumCount;
    uint8_t exclusiveMask;  // transaction holding the field exclusively
    uint8_t sharedMask;     // transactions holding the field shared
    uint8_t markMask;       // transactions changing this field record by record
    TTrnTabBase* indexTable;
    const SEnumIndex* enumIndex;  // names of the values for reading; null: searched in order
};

// Layout of a compiled dictionary.
struct SSubLayout {
    int16_t keyFieldCount;
    int16_t indexCount;
    int16_t keyLength;
    int16_t dataLength;
    int16_t recordLength;
};

int16_t fieldStorageSize(const SSubFieldDef* def);
int16_t fieldDisplayWidth(const SSubFieldDef* def);
// Length of the longest of the first count names; counting stops at a null entry.
int longestEnumName(const char* const* names, int32_t count);

// Offsets, bit packing and display widths of count fields; -1 when a pointer is null.
int compileFieldDefs(SSubField* out, SSubLayout* layout, const SSubFieldDef* dictionary,
                     int16_t count);

// Upper case of a..z only; every other byte stays as it is.
inline unsigned char upperAscii(unsigned char c) {
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}
// Names compare equal ignoring the case of a..z.
bool namesEqual(const char* a, const char* b);
