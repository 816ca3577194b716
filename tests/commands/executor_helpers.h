#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Small builders of expected request bodies and MML values.

using Bytes = std::vector<uint8_t>;

// A text as a body carries it: its characters and the zero.
inline Bytes textBytes(const std::string& s) {
    Bytes b(s.begin(), s.end());
    b.push_back(0);
    return b;
}

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Keywords of a check group joined by "&".
inline std::string joined(std::initializer_list<const char*> parts) {
    std::string s;
    for (const char* p : parts) s += (s.empty() ? "" : "&") + std::string(p);
    return s;
}
