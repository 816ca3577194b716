#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sub/sub_database.h"

using Bytes = std::vector<uint8_t>;

// One delivered event, as a subscriber sees it.
struct SeenEvent {
    uint32_t event;
    int32_t table;
    uint16_t trn;
    int16_t field;
    int32_t row;
    bool operator==(const SeenEvent& o) const {
        return event == o.event && table == o.table && trn == o.trn && field == o.field &&
               row == o.row;
    }
};

inline std::ostream& operator<<(std::ostream& os, const SeenEvent& e) {
    return os << "{0x" << std::hex << e.event << std::dec << ", t" << e.table << ", trn " << e.trn
              << ", f" << e.field << ", row " << e.row << "}";
}

// Records every event of the tables it subscribes to.
class RecordingSubscriber : public KSubNotifyReceiver {
public:
    explicit RecordingSubscriber(KSubNotifier* n) : KSubNotifyReceiver(n) {}
    void notify(uint32_t event, int32_t table, uint16_t trn, uint8_t, int16_t field, int32_t row,
                const void* record) override {
        seen.push_back({event, table, trn, field, row});
        records.push_back(record);
    }
    std::vector<SeenEvent> seen;
    std::vector<const void*> records;
};

// A database of its own with its own notifier.
struct OwnDatabase {
    KSubNotifier notifier;
    std::unique_ptr<KSub> db = std::make_unique<KSub>(&notifier);

    Bytes record(int16_t table, const char* line) const {
        Bytes r(size_t(db->table(table)->recordLength()), 0);
        EXPECT_EQ(db->recordFromText(table, r.data(), line, ","), 0) << line;
        return r;
    }
    std::string text(int16_t table, const Bytes& r) const {
        char line[2000];
        db->recordText(table, line, sizeof line, ',', r.data());
        std::string s;  // the values without their column blanks
        for (const char* p = line; *p != '\0'; ++p)
            if (*p != ' ') s.push_back(*p);
        return s;
    }
    // The committed records of a table, as text.
    std::vector<std::string> committed(int16_t table) const {
        std::vector<std::string> out;
        TTrnTabBase* t = db->table(table);
        Bytes r(size_t(t->recordLength()), 0);
        for (int32_t row = 0; row < t->recordCount(); ++row)
            if (t->readRow(0, row, r.data()) == tsOK) out.push_back(text(table, r));
        return out;
    }
};
