#pragma once

#include <string>

// Switches LC_NUMERIC to a Russian locale (decimal comma) for the life of
// the object and back afterwards. When the system has none installed, the
// locale is compiled once per process into a temporary folder with
// localedef. ok() is false only when neither worked.
class ScopedRussianNumericLocale {
public:
    ScopedRussianNumericLocale();
    ~ScopedRussianNumericLocale();
    bool ok() const { return ok_; }

private:
    std::string previous_;
    bool ok_ = false;
};
