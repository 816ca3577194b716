#include "sub/field_defs.h"

#include <cstring>

int16_t fieldStorageSize(const SSubFieldDef* def) {
    switch (def->type) {
        case ftByte:
            return 1;
        case ftShort:
            return 2;
        case ftLong:
        case ftDate:
        case ftTime:
        case ftFloat:
            return 4;
        case ftDouble:
            return 8;
        case ftString:
        case ftEnum:
        case ftEnum8:
            return def->size > 0 ? def->size : 0;
        case ftBit:
            return 0;
    }
    return 1;  // a type without text form still takes a byte
}

int longestEnumName(const char* const* names, int32_t count) {
    int longest = 0;
    for (int32_t i = 0; names != nullptr && i < count && names[i] != nullptr; ++i) {
        const int n = static_cast<int>(std::strlen(names[i]));
        if (n > longest) longest = n;
    }
    return longest;
}

static int16_t typeWidth(const SSubFieldDef* def) {
    switch (def->type) {
        case ftByte:
            return 4;
        case ftShort:
            return 5;
        case ftLong:
        case ftDate:
        case ftFloat:
        case ftDouble:
            return 10;
        case ftTime:
            return 8;
        case ftString:
            return def->size > 1 ? def->size - 1 : 0;
        case ftBit:
            return 1;
        case ftEnum:
        case ftEnum8:
            return static_cast<int16_t>(longestEnumName(def->enumNames, def->enumCount));
    }
    return 3;
}

int16_t fieldDisplayWidth(const SSubFieldDef* def) {
    const int16_t width = typeWidth(def);
    const int16_t nameLength = static_cast<int16_t>(strnlen(def->name, kFieldNameSize - 1));
    return width > nameLength ? width : nameLength;
}

int compileFieldDefs(SSubField* out, SSubLayout* layout, const SSubFieldDef* dictionary,
                     int16_t count) {
    if (out == nullptr || layout == nullptr || dictionary == nullptr) return -1;
    *layout = SSubLayout{};
    int16_t offset = 0;
    int bitCounter = 0;
    for (int16_t i = 0; i < count; ++i) {
        const SSubFieldDef& def = dictionary[i];
        SSubField& f = out[i];
        f = SSubField{};
        f.flags = def.flags & (kFieldKey | kFieldIndex);
        if (def.type == ftBit) f.flags |= kFieldBit;
        f.type = def.type;
        f.enumNames = def.enumNames;
        f.enumCount = def.enumCount;
        std::memcpy(f.name, def.name, kFieldNameSize - 1);
        f.name[kFieldNameSize - 1] = '\0';
        f.displayWidth = fieldDisplayWidth(&def);
        f.offset = offset;
        f.size = fieldStorageSize(&def);
        offset += f.size;
        if (def.type == ftBit) {
            if (bitCounter == 8) {  // a new byte begins
                bitCounter = 0;
                ++offset;
                ++f.offset;
            }
            f.bitNumber = static_cast<uint8_t>(bitCounter);
            if (bitCounter == 0) f.size = 1;  // this field carries the byte in the lengths
            ++bitCounter;
        } else if (bitCounter != 0) {  // the byte of the preceding bits ends
            bitCounter = 0;
            ++offset;
            ++f.offset;
        }
        if (f.flags & kFieldKey) {
            ++layout->keyFieldCount;
            layout->keyLength += f.size;
        } else {
            layout->dataLength += f.size;
        }
        if (f.flags & kFieldIndex) ++layout->indexCount;
    }
    layout->recordLength = layout->keyLength + layout->dataLength;
    return 0;
}

bool namesEqual(const char* a, const char* b) {
    if (a == nullptr || b == nullptr) return false;
    for (;; ++a, ++b) {
        const unsigned char ca = upperAscii(static_cast<unsigned char>(*a));
        const unsigned char cb = upperAscii(static_cast<unsigned char>(*b));
        if (ca != cb) return false;
        if (ca == 0) return true;
    }
}
