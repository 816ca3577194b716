#include "sub/trn_tab.h"

#include "sub/field_text.h"

TTrnTabBase::TTrnTabBase(int32_t capacity, int16_t fieldCount, const SSubFieldDef* dictionary)
    : capacity_(capacity), fieldCount_(fieldCount > 0 ? fieldCount : 0), fields_(fieldCount_) {
    compileFieldDefs(fields_.data(), &layout_, dictionary, fieldCount_);
}

TTrnTabBase::~TTrnTabBase() = default;

const SSubField* TTrnTabBase::field(int16_t field) const {
    return field >= 1 && field <= fieldCount_ ? &fields_[field - 1] : nullptr;
}

int TTrnTabBase::fieldText(int16_t field, char* buffer, int size, const void* record) const {
    return fieldTextOf(fields_.data(), fieldCount_, field, buffer, size, record);
}

int TTrnTabBase::recordText(char* buffer, int size, char separator, const uint8_t* record) const {
    return recordTextOf(fields_.data(), fieldCount_, buffer, size, separator, record);
}

int TTrnTabBase::headerText(char* buffer, int size, char separator) const {
    return headerTextOf(fields_.data(), fieldCount_, buffer, size, separator);
}

int TTrnTabBase::fieldFromText(int16_t field, void* record, const char* text) const {
    return fieldFromTextOf(fields_.data(), fieldCount_, field, record, text);
}

int TTrnTabBase::recordFromText(void* record, const char* line, const char* separators) const {
    return recordFromTextOf(fields_.data(), fieldCount_, record, line, separators);
}
