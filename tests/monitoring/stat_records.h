#pragma once

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "monitoring/monitoring_fixtures.h"
#include "monitoring/stat_files.h"
#include "sub/sub_database.h"
#include "toolkit/small_dialogs.h"
#include "utils/bytes.h"

// Statistics files as the exchange writes them, for the tests of their readers.

// One event item: header, kind, optional delta, values.
inline constexpr int kNoDelta = INT32_MIN;
inline Bytes item(int8_t kind, const Bytes& values, int delta = kNoDelta) {
    Bytes b;
    const bool hasDelta = delta != kNoDelta;
    b.push_back(uint8_t((1 + (hasDelta ? 2 : 0) + values.size()) | (hasDelta ? 0x80 : 0)));
    b.push_back(uint8_t(kind));
    if (hasDelta) {
        b.push_back(uint8_t(delta));
        b.push_back(uint8_t(delta >> 8));
    }
    b.insert(b.end(), values.begin(), values.end());
    return b;
}
inline Bytes le32(int32_t v) {
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}
inline Bytes le16(int16_t v) {
    return {uint8_t(v), uint8_t(v >> 8)};
}
inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Bytes recordBytes(int16_t callNumber, const Bytes& events, int32_t timeOfDay,
                         uint8_t marker = 0, int eventBytes = -1) {
    Bytes r(kStatRecordSize, 0);
    ByteWriter w(r.data(), r.size());
    w.u16le(uint16_t(callNumber));
    w.zeros(11);
    w.bytes(events.data(), events.size());
    w.zeros(kStatEventAreaSize - events.size());
    w.u8(uint8_t(eventBytes >= 0 ? eventBytes : int(events.size())));
    w.u32le(uint32_t(timeOfDay));
    w.u8(marker);
    EXPECT_TRUE(w.ok());
    return r;
}

inline Bytes text(const char* s) {
    return Bytes(s, s + std::strlen(s) + 1);
}
inline Bytes real(double v) {
    Bytes b(8);
    std::memcpy(b.data(), &v, 8);
    return b;
}
// A party seizure or release (kinds 0..3, 26, 31): party kind and point.
inline Bytes party(uint8_t kind, int32_t point) {
    return Bytes{kind} + le32(point);
}
// The bytes of a file of these records.
inline std::string fileOf(const std::vector<Bytes>& records) {
    std::string s;
    for (const Bytes& r : records) s.append(r.begin(), r.end());
    return s;
}

inline constexpr int16_t kRoute = 3;
inline constexpr int32_t kRoutePoint = 70001;

// Route 3 "MOSKVA" owns connection point 70001.
class StatRouteTables {
public:
    StatRouteTables() {
        std::vector<uint8_t> route(tableRecordLength(77), 0);
        std::memcpy(route.data(), &kRoute, 2);
        std::memcpy(route.data() + 2, "MOSKVA", 6);
        uint8_t channel[8] = {};
        std::memcpy(channel, &kRoute, 2);
        std::memcpy(channel + 4, &kRoutePoint, 4);
        uint8_t conflict = 0;
        EXPECT_EQ(subDatabase.insertRecord(0, 77, route.data(), &conflict), tsOK);
        EXPECT_EQ(subDatabase.insertRecord(0, 80, channel, &conflict), tsOK);
    }
    ~StatRouteTables() {
        uint8_t conflict = 0;
        subDatabase.clearTable(0, 77, &conflict);
        subDatabase.clearTable(0, 80, &conflict);
    }
};
