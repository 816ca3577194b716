#include "mml/mml_statement.h"

#include <cstring>

namespace {

constexpr char kQuote = '"';

// Copies the first size - 1 characters of a token into a field.
void keepField(char* field, const char* token) {
    const size_t n = strnlen(token, kMmlFieldSize - 1);
    std::memcpy(field, token, n);
    field[n] = '\0';
}

const char* skipWhiteSpace(const char* text) {
    while (isMmlWhiteSpace(static_cast<uint8_t>(*text))) ++text;
    return text;
}

}  // namespace

bool isMmlDelimiter(uint8_t c) {
    return c == ',' || c == ':' || c == ';' || c == '=';
}

bool isMmlWhiteSpace(uint8_t c) {
    return c == ' ' || (c >= 9 && c <= 13);
}

const char* readMmlToken(const char* text, char* out, int limit) {
    if (text == nullptr) text = "";
    if (limit <= 0) {
        out[0] = '\0';
        return text;
    }
    text = skipWhiteSpace(text);
    int stored = 0;
    bool quoted = false;
    for (;; ++text) {
        const uint8_t c = static_cast<uint8_t>(*text);
        if (c == 0) break;
        if (!quoted && isMmlDelimiter(c)) break;
        if (c == kQuote) {
            quoted = !quoted;  // the quote itself is never stored, also in a full token
            continue;
        }
        if (stored == limit) break;  // full: the character stays for the caller
        out[stored++] = static_cast<char>(c);
    }
    // Blanks before the delimiter go, also those that stood inside quotes.
    while (stored > 0 && isMmlWhiteSpace(static_cast<uint8_t>(out[stored - 1]))) --stored;
    out[stored] = '\0';
    return text;
}

const char* readMmlArgument(const char* text, int& count, SMML_Argument& arg) {
    ++count;
    char token[kMmlTokenLimit + 1];
    const char* pos = readMmlToken(text, token, kMmlTokenLimit);
    if (*pos == '=') {
        keepField(arg.name, token);
        pos = readMmlToken(pos + 1, token, kMmlTokenLimit);
    } else {
        arg.name[0] = '\0';
    }
    keepField(arg.value, token);
    return pos;
}

const char* readMmlArgumentList(const char* text, int maxCount, int& count, SMML_Argument* args) {
    count = 0;
    if (maxCount <= 0) return text;  // no room: the caller finds no ";" here
    const char* pos = readMmlArgument(text, count, args[0]);
    while (*pos == ',' && count < maxCount) pos = readMmlArgument(pos + 1, count, args[count]);
    return pos;
}

int parseMmlStatement(const char* text, char* name, int nameLimit, int maxCount, int& count,
                      SMML_Argument* args) {
    if (text == nullptr) text = "";
    if (nameLimit > kMmlTokenLimit) nameLimit = kMmlTokenLimit;
    char token[kMmlTokenLimit + 1];
    const char* pos = readMmlToken(text, token, nameLimit);
    keepField(name, token);
    count = 0;
    if (*pos == ';') return 0;
    if (*pos != ':' || maxCount < 1) return -1;
    pos = readMmlArgumentList(pos + 1, maxCount, count, args);
    return *pos == ';' ? 0 : -1;
}
