#pragma once

#include <cstddef>
#include <cstdint>

// Turns report HTML into plain text: tags are dropped and the entities
// "lt", "gt", "amp" and "nbsp" decoded; every other entity gives nothing.

constexpr std::size_t kMaxEntityName = 128;

// Writes the replacement of an entity name into out (size >= 2), cut to
// size - 1 characters; an unknown name gives an empty text.
void decodeHtmlEntity(const char* name, char* out, std::size_t size);

class KHtmlFilter {
public:
    void reset() { state_ = 0, nameLength_ = 0; }
    // Feeds one character; out (size bytes) receives what it produces, always
    // terminated. Returns 0, or -1 for malformed input.
    int put(char ch, char* out, std::size_t size);

private:
    std::uint8_t state_ = 0;  // 0 text, 1 inside a tag, 2 inside an entity
    char name_[kMaxEntityName + 1] = {};
    std::size_t nameLength_ = 0;
};

// The plain text of html in out (at most size - 1 characters and the
// terminator). Returns 0, or -1 for malformed input (out keeps what was
// converted before it).
int htmlToText(const char* html, char* out, std::size_t size);
