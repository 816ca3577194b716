#include "sub/rec_cursor.h"

#include <cstring>

TTrnRecBase::TTrnRecBase(int16_t table, KSub* database)
    : database_(database),
      tab_(database != nullptr ? database->table(table) : nullptr),
      table_(table) {
    if (tab_ == nullptr) return;
    recordLength_ = tab_->recordLength();
    keyLength_ = tab_->keyLength();
}

bool TTrnRecBase::readVisible(int32_t at) {
    uint8_t mask = 0;
    if (database_->maskOfTransaction(transactionId, &mask) != tsOK) return false;
    if (!tab_->isVisible(mask, at)) return false;
    return tab_->readRow(mask, at, record) == tsOK;
}

int TTrnRecBase::read() {
    if (tab_ == nullptr) return tsNePostojiTabela;
    if (record == nullptr) return tsNePostojiSlog;
    int32_t found = -1;
    const int rc = database_->findRecord(transactionId, table_, record, searchMode, &found);
    if (rc == tsNePostojiSlog) row = -1;  // a following next() starts at row 0
    if (rc != tsOK) return rc;
    row = found;
    return readVisible(found) ? tsOK : tsNePostojiSlog;
}

int TTrnRecBase::readKey(const void* key) {
    if (tab_ == nullptr) return tsNePostojiTabela;
    if (record == nullptr || key == nullptr) return tsNePostojiSlog;
    std::memcpy(record, key, size_t(keyLength_));
    return read();
}

int TTrnRecBase::first() {
    if (tab_ == nullptr) return tsNePostojiTabela;
    for (int32_t at = 0; record != nullptr && at < tab_->recordCount(); ++at) {
        if (readVisible(at)) {
            row = at;
            return tsOK;
        }
    }
    row = 0;
    return tsPraznaTabela;
}

int TTrnRecBase::next() {
    if (tab_ == nullptr) return tsNePostojiTabela;
    for (int32_t at = row + 1; record != nullptr && at < tab_->recordCount(); ++at) {
        if (readVisible(at)) {
            row = at;
            return tsOK;
        }
    }
    if (record != nullptr) readVisible(row);  // the current record stays in the buffer
    return tsKrajTabele;
}

int TTrnRecBase::gotoRow(int32_t at) {
    if (tab_ == nullptr) return tsNePostojiTabela;
    if (record == nullptr || !readVisible(at)) return tsNePostojiSlog;
    row = at;
    return tsOK;
}

int32_t TTrnRecBase::rowCount() const {
    return tab_ != nullptr ? tab_->recordCount() : 0;
}

int16_t TTrnRecBase::keyFieldCount() const {
    return tab_ != nullptr ? tab_->keyFieldCount() : 0;
}

int TTrnRecBase::fieldText(int16_t field, char* buffer, int32_t size) const {
    if (tab_ == nullptr) return tsNePostojiTabela;
    if (record == nullptr) return tsNePostojiSlog;
    return tab_->fieldText(field, buffer, static_cast<int>(size), record);
}

TUniRec::TUniRec(int16_t table, KSub* database) : TTrnRecBase(table, database) {
    ownBuffer_.assign(size_t(recordLength()) + 1, 0);
    record = ownBuffer_.data();
    first();
}
