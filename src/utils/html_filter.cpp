#include "utils/html_filter.h"

#include <cstring>

void decodeHtmlEntity(const char* name, char* out, std::size_t size) {
    if (out == nullptr || size == 0) return;
    struct Entity {
        const char* name;
        const char* text;
    };
    static const Entity kEntities[] = {{"lt", "<"}, {"gt", ">"}, {"amp", "&"}, {"nbsp", " "}};
    out[0] = '\0';
    if (name == nullptr) return;
    for (const Entity& e : kEntities) {
        if (std::strcmp(name, e.name) != 0) continue;
        const std::size_t n = std::strlen(e.text) < size - 1 ? std::strlen(e.text) : size - 1;
        std::memcpy(out, e.text, n);
        out[n] = '\0';
        return;
    }
}

int KHtmlFilter::put(char ch, char* out, std::size_t size) {
    if (out != nullptr && size > 0) out[0] = '\0';
    switch (state_) {
        case 0:
            if (ch == '&') {
                nameLength_ = 0;
                state_ = 2;
            } else if (ch == '<') {
                state_ = 1;
            } else if (out != nullptr && size >= 2) {
                out[0] = ch;
                out[1] = '\0';
            }
            return 0;
        case 1:
            if (ch == '>') state_ = 0;
            return ch == '&' || ch == '<' ? -1 : 0;
        default:
            if (ch == ';') {
                name_[nameLength_] = '\0';
                if (out != nullptr && size >= 2) decodeHtmlEntity(name_, out, size);
                state_ = 0;
                return 0;
            }
            if (ch == '<' || ch == '>') return -1;
            if (nameLength_ >= kMaxEntityName) return -1;
            name_[nameLength_++] = ch;
            return 0;
    }
}

int htmlToText(const char* html, char* out, std::size_t size) {
    if (out == nullptr || size == 0) return 0;
    out[0] = '\0';
    if (html == nullptr) return 0;
    KHtmlFilter filter;
    std::size_t pos = 0;
    for (const char* p = html; *p != '\0'; ++p) {
        if (size - pos <= 1) return 0;  // no room left
        const int r = filter.put(*p, out + pos, size - pos);
        pos += std::strlen(out + pos);
        if (r < 0) return -1;
    }
    return 0;
}
