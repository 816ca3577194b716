#pragma once

#include <cstdint>
#include <vector>

#include "sub/field_defs.h"

// One table of the database, built from a dictionary.
class TTrnTabBase {
public:
    TTrnTabBase(int32_t capacity, int16_t fieldCount, const SSubFieldDef* dictionary);
    virtual ~TTrnTabBase();
    TTrnTabBase(const TTrnTabBase&) = delete;
    TTrnTabBase& operator=(const TTrnTabBase&) = delete;

    int32_t capacity() const { return capacity_; }
    int16_t fieldCount() const { return fieldCount_; }
    int16_t keyFieldCount() const { return layout_.keyFieldCount; }
    int16_t indexCount() const { return layout_.indexCount; }
    int16_t keyLength() const { return layout_.keyLength; }
    int16_t dataLength() const { return layout_.dataLength; }
    int16_t recordLength() const { return layout_.recordLength; }
    // Compiled descriptor of field 1..fieldCount; null outside.
    const SSubField* field(int16_t field) const;
    const SSubField* fields() const { return fields_.data(); }

    // Text forms of fields, records and the header (see sub/field_text.h).
    int fieldText(int16_t field, char* buffer, int size, const void* record) const;
    int recordText(char* buffer, int size, char separator, const uint8_t* record) const;
    int headerText(char* buffer, int size, char separator) const;
    int fieldFromText(int16_t field, void* record, const char* text) const;
    int recordFromText(void* record, const char* line, const char* separators) const;

protected:
    int32_t capacity_;
    int16_t fieldCount_;
    std::vector<SSubField> fields_;
    SSubLayout layout_{};
};
