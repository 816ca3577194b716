#include "platform/numeric_locale.h"

#include <clocale>

namespace platform {

void useCNumericLocale() { std::setlocale(LC_NUMERIC, "C"); }

}  // namespace platform
