#include "platform/profile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/paths.h"

namespace platform {

namespace {

using Lines = std::vector<std::string>;

std::string trim(const std::string& s) {
    const char* blanks = " \t";
    const size_t first = s.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

// Folds ASCII and CP1251 Cyrillic capitals to small letters.
unsigned char fold(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + ('a' - 'A'));
    if (c >= 0xC0 && c <= 0xDF) return static_cast<unsigned char>(c + 0x20);
    if (c == 0xA8) return 0xB8;  // Ё
    return c;
}

bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (fold(static_cast<unsigned char>(a[i])) != fold(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// True for a "[name]" line; stores the name.
bool sectionOf(const std::string& line, std::string* name) {
    const std::string t = trim(line);
    if (t.empty() || t[0] != '[') return false;
    const size_t close = t.find(']');
    *name = trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return true;
}

// True for a "key=value" line; stores key and value.
bool entryOf(const std::string& line, std::string* key, std::string* value) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    *key = trim(line.substr(0, eq));
    *value = trim(line.substr(eq + 1));
    return !key->empty();
}

// False when the file cannot be read; *missing tells whether it is absent.
bool load(const std::string& path, Lines* lines, bool* missing = nullptr) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (missing) *missing = f == nullptr && errno == ENOENT;
    if (f == nullptr) return false;
    std::string text;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) text.append(chunk, n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    if (!ok) return false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines->push_back(line);
        start = end + 1;
    }
    return true;
}

bool save(const std::string& path, const Lines& lines) {
    const std::string temp = path + ".new";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (f == nullptr) return false;
    bool ok = true;
    for (const std::string& line : lines)
        ok = ok && std::fputs(line.c_str(), f) >= 0 && std::fputc('\n', f) != EOF;
    ok = (std::fclose(f) == 0) && ok;
    if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
    return ok;
}

// Index of the first line of the section's header, or lines.size().
size_t findSection(const Lines& lines, const std::string& section) {
    std::string name;
    for (size_t i = 0; i < lines.size(); ++i)
        if (sectionOf(lines[i], &name) && sameName(name, section)) return i;
    return lines.size();
}

// One past the last line of the section whose header is at `header`.
size_t sectionEnd(const Lines& lines, size_t header) {
    std::string name;
    size_t i = header + 1;
    while (i < lines.size() && !sectionOf(lines[i], &name)) ++i;
    return i;
}

bool storable(const char* text) {
    return std::strpbrk(text, "\r\n") == nullptr;
}

}  // namespace

bool readProfileString(const char* file, const char* section, const char* key, std::string* value) {
    if (file == nullptr || section == nullptr || key == nullptr || value == nullptr) return false;
    Lines lines;
    if (!load(localPath(file), &lines)) return false;
    const size_t header = findSection(lines, trim(section));
    if (header == lines.size()) return false;
    const size_t end = sectionEnd(lines, header);
    const std::string wanted = trim(key);
    std::string k, v;
    for (size_t i = header + 1; i < end; ++i) {
        if (entryOf(lines[i], &k, &v) && sameName(k, wanted)) {
            *value = v;
            return true;
        }
    }
    return false;
}

bool writeProfileString(const char* file, const char* section, const char* key, const char* value) {
    if (file == nullptr || section == nullptr || key == nullptr || value == nullptr) return false;
    const std::string s = trim(section), k = trim(key);
    if (!storable(section) || !storable(key) || !storable(value)) return false;
    if (k.empty() || k.find('=') != std::string::npos || s.find(']') != std::string::npos)
        return false;
    const std::string line = k + "=" + trim(value);

    const std::string path = localPath(file);
    Lines lines;
    bool missing = false;
    // A missing file is created; one that exists but cannot be read is left alone.
    if (!load(path, &lines, &missing) && !missing) return false;
    const size_t header = findSection(lines, s);
    if (header == lines.size()) {
        lines.push_back("[" + s + "]");
        lines.push_back(line);
        return save(path, lines);
    }
    const size_t end = sectionEnd(lines, header);
    std::string ek, ev;
    size_t last = header;  // the section's last non-blank line
    for (size_t i = header + 1; i < end; ++i) {
        if (entryOf(lines[i], &ek, &ev) && sameName(ek, k)) {
            lines[i] = line;
            return save(path, lines);
        }
        if (!trim(lines[i]).empty()) last = i;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last + 1), line);
    return save(path, lines);
}

}  // namespace platform
