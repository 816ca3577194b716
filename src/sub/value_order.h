#pragma once

#include <cstdint>
#include <cstring>

#include "sub/field_defs.h"

// The ordering of field values and keys in record images (numbers by
// value, strings ignoring the case of a..z, bits by the bit), written here
// inline: a table compares keys several times for every record it takes.
// compareFieldValues() and compareKeys() of sub/field_text.h are these.

template <typename T>
inline int orderOf(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Little-endian values stored in record images.
inline int16_t storedShort(const uint8_t* p) {
    return static_cast<int16_t>(uint16_t(p[0] | p[1] << 8));
}

inline int32_t storedLong(const uint8_t* p) {
    return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                                uint32_t(p[3]) << 24);
}

inline float storedFloat(const uint8_t* p) {
    const uint32_t bits = static_cast<uint32_t>(storedLong(p));
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

inline double storedDouble(const uint8_t* p) {
    const uint64_t bits = uint64_t(uint32_t(storedLong(p))) | uint64_t(uint32_t(storedLong(p + 4)))
                                                                  << 32;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

inline int orderOfStrings(const uint8_t* a, const uint8_t* b, int16_t size) {
    for (int16_t i = 0; i < size; ++i) {
        const unsigned char ca = upperAscii(a[i]);
        const unsigned char cb = upperAscii(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
    return 0;
}

// Integers of 1 (unsigned), 2 or 4 bytes (signed), as bytes, shorts, longs
// and enumeration values are stored; values of another size are equal.
inline int orderOfStoredIntegers(const uint8_t* a, const uint8_t* b, int16_t size) {
    switch (size) {
        case 1:
            return orderOf(a[0], b[0]);
        case 2:
            return orderOf(storedShort(a), storedShort(b));
        case 4:
            return orderOf(storedLong(a), storedLong(b));
        default:
            return 0;
    }
}

// -1, 0 or 1 as the field's value in a comes before, with or after its value in b.
inline int orderOfValues(const uint8_t* a, const uint8_t* b, const SSubField& field) {
    const uint8_t* pa = a + field.offset;
    const uint8_t* pb = b + field.offset;
    switch (field.type) {
        case ftByte:
            return orderOf(pa[0], pb[0]);
        case ftShort:
            return orderOf(storedShort(pa), storedShort(pb));
        case ftLong:
        case ftDate:
        case ftTime:
            return orderOf(storedLong(pa), storedLong(pb));
        case ftFloat:
            return orderOf(storedFloat(pa), storedFloat(pb));
        case ftDouble:
            return orderOf(storedDouble(pa), storedDouble(pb));
        case ftString:
            return orderOfStrings(pa, pb, field.size);
        case ftBit:
            return orderOf((pa[0] >> field.bitNumber) & 1, (pb[0] >> field.bitNumber) & 1);
        case ftEnum:
        case ftEnum8:
            return orderOfStoredIntegers(pa, pb, field.size);
    }
    return 0;
}

// The same over the first keyFieldCount fields, in their order.
inline int orderOfKeys(const uint8_t* a, const uint8_t* b, const SSubField* fields,
                       int16_t keyFieldCount) {
    for (int16_t i = 0; i < keyFieldCount; ++i) {
        const int c = orderOfValues(a, b, fields[i]);
        if (c != 0) return c;
    }
    return 0;
}
