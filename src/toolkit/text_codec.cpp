#include "toolkit/text_codec.h"

#include <fox-1.6/FXCP1251Codec.h>

namespace {
const FX::FXCP1251Codec& codec() {
    static const FX::FXCP1251Codec instance;
    return instance;
}
}  // namespace

FX::FXString toUtf8(const char* cp1251) {
    if (cp1251 == nullptr || *cp1251 == '\0') return FX::FXString();
    return codec().mb2utf(cp1251);
}

FX::FXString toUtf8(const std::string& cp1251) {
    if (cp1251.empty()) return FX::FXString();
    return codec().mb2utf(cp1251.data(), static_cast<FX::FXint>(cp1251.size()));
}

std::string fromUtf8(const FX::FXString& utf8) {
    if (utf8.empty()) return std::string();
    FX::FXString mb = codec().utf2mb(utf8);
    return std::string(mb.text(), static_cast<size_t>(mb.length()));
}

bool fromUtf8Checked(const FX::FXString& utf8, std::string& cp1251) {
    cp1251 = fromUtf8(utf8);
    return toUtf8(cp1251) == utf8;
}

FX::FXString toUtf8Literal(const std::string& cp1251) {
    std::string escaped;
    escaped.reserve(cp1251.size());
    for (const char c : cp1251) {
        escaped += c;
        if (c == '&') escaped += '&';
    }
    return toUtf8(escaped);
}
