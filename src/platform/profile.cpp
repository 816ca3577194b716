#include "platform/profile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/file_sync.h"
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

// The lines of a file as they are, each with its own line end (LF, CR LF,
// or none for a last line without one), so that a rewrite puts back every
// line it does not change byte for byte.
struct RawLines {
    Lines lines;
    std::string end = "\n";  // for lines written anew: the file's first line end
};

// A line without its line end: the LF and one CR before it.
std::string contentOf(const std::string& raw) {
    size_t n = raw.size();
    if (n > 0 && raw[n - 1] == '\n') --n;
    if (n > 0 && raw[n - 1] == '\r') --n;
    return raw.substr(0, n);
}

// The line end of a raw line ("" for none).
std::string endOf(const std::string& raw) {
    return raw.substr(contentOf(raw).size());
}

// False when the file cannot be read; *missing tells whether it is absent.
bool load(const std::string& path, RawLines* file, bool* missing = nullptr) {
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
        end = end == std::string::npos ? text.size() : end + 1;
        file->lines.push_back(text.substr(start, end - start));
        start = end;
    }
    // A lone CR is no line end for the reader: new lines end as the first
    // line does only when that one ends in LF.
    if (!file->lines.empty() && file->lines.front().back() == '\n')
        file->end = endOf(file->lines.front());
    return true;
}

bool save(const std::string& path, const Lines& lines) {
    const std::string temp = path + ".new";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (f == nullptr) return false;
    bool ok = true;
    for (const std::string& line : lines)
        ok = ok && std::fwrite(line.data(), 1, line.size(), f) == line.size();
    ok = ok && syncStream(f, temp);
    ok = (std::fclose(f) == 0) && ok;
    if (ok) ok = renameSynced(temp, path);
    if (!ok) std::remove(temp.c_str());
    return ok;
}

// Index of the first line of the section's header, or lines.size().
size_t findSection(const Lines& lines, const std::string& section) {
    std::string name;
    for (size_t i = 0; i < lines.size(); ++i)
        if (sectionOf(contentOf(lines[i]), &name) && sameName(name, section)) return i;
    return lines.size();
}

// One past the last line of the section whose header is at `header`.
size_t sectionEnd(const Lines& lines, size_t header) {
    std::string name;
    size_t i = header + 1;
    while (i < lines.size() && !sectionOf(contentOf(lines[i]), &name)) ++i;
    return i;
}

bool storable(const char* text) {
    return std::strpbrk(text, "\r\n") == nullptr;
}

}  // namespace

bool readProfileString(const char* file, const char* section, const char* key, std::string* value) {
    if (file == nullptr || section == nullptr || key == nullptr || value == nullptr) return false;
    RawLines raw;
    if (!load(localPath(file), &raw)) return false;
    const Lines& lines = raw.lines;
    const size_t header = findSection(lines, trim(section));
    if (header == lines.size()) return false;
    const size_t end = sectionEnd(lines, header);
    const std::string wanted = trim(key);
    std::string k, v;
    for (size_t i = header + 1; i < end; ++i) {
        if (entryOf(contentOf(lines[i]), &k, &v) && sameName(k, wanted)) {
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
    RawLines raw;
    bool missing = false;
    // A missing file is created; one that exists but cannot be read is left alone.
    if (!load(path, &raw, &missing) && !missing) return false;
    Lines& lines = raw.lines;
    // Only the line set or added changes; a last line without an LF gets a
    // line end when a line follows it.
    const auto insertAt = [&](size_t at, const std::string& text) {
        if (at > 0 && lines[at - 1].back() != '\n') lines[at - 1] += raw.end;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), text + raw.end);
    };
    const size_t header = findSection(lines, s);
    if (header == lines.size()) {
        insertAt(lines.size(), "[" + s + "]");
        insertAt(lines.size(), line);
        return save(path, lines);
    }
    const size_t end = sectionEnd(lines, header);
    std::string ek, ev;
    size_t last = header;  // the section's last non-blank line
    for (size_t i = header + 1; i < end; ++i) {
        const std::string content = contentOf(lines[i]);
        if (entryOf(content, &ek, &ev) && sameName(ek, k)) {
            lines[i] = line + endOf(lines[i]);
            return save(path, lines);
        }
        if (!trim(content).empty()) last = i;
    }
    insertAt(last + 1, line);
    return save(path, lines);
}

}  // namespace platform
