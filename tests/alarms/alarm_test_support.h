#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

// A catalogue-worded text with "%1", "%2"... replaced by the arguments.
inline std::string withArgs(const char* text, std::initializer_list<std::string> args) {
    std::string s = text;
    int n = 0;
    for (const std::string& value : args) {
        const std::string mark = "%" + std::to_string(++n);
        for (std::size_t at = s.find(mark); at != std::string::npos;
             at = s.find(mark, at + value.size()))
            s.replace(at, mark.size(), value);
    }
    return s;
}

// A number right-aligned in `width` places, as "%<width>d" prints it.
inline std::string padded(std::int64_t v, int width) {
    const std::string s = std::to_string(v);
    return std::string(s.size() < std::size_t(width) ? width - s.size() : 0, ' ') + s;
}
