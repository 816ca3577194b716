#include "peer/russian_locale.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

bool trySet() {
    return std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") != nullptr ||
           std::setlocale(LC_NUMERIC, "ru_RU.CP1251") != nullptr;
}

// Compiles ru_RU.UTF-8 into a private folder and points glibc at it.
bool compileLocale() {
    static bool done = false;
    static bool compiled = false;
    if (done) return compiled;
    done = true;
    std::string dir = (std::filesystem::temp_directory_path() / "kelm-locale-XXXXXX").string();
    if (mkdtemp(dir.data()) == nullptr) return false;
    const std::string command =
        "localedef -i ru_RU -f UTF-8 '" + dir + "/ru_RU.UTF-8' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return false;
    setenv("LOCPATH", dir.c_str(), 1);
    compiled = true;
    return compiled;
}

}  // namespace

ScopedRussianNumericLocale::ScopedRussianNumericLocale() {
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    previous_ = current ? current : "C";
    ok_ = trySet() || (compileLocale() && trySet());
}

ScopedRussianNumericLocale::~ScopedRussianNumericLocale() {
    std::setlocale(LC_NUMERIC, previous_.c_str());
}
