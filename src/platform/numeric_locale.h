#pragma once

namespace platform {

// Numbers are read and printed in the "C" locale whatever the environment
// says; called once the toolkit has set up its own locale.
void useCNumericLocale();

}  // namespace platform
