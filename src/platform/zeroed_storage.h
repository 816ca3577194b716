#pragma once

#include <cstddef>

namespace platform {

// Zeroed memory that the system hands out page by page as it is first
// written: a table reserves the storage of all its slots at creation, and
// pages that never hold a record are never touched (a heap allocation of the
// same size is cleared at once, page by page). Null when the system refuses.
void* reserveZeroed(size_t bytes);
// Gives back what reserveZeroed reserved, with the same size.
void releaseZeroed(void* storage, size_t bytes);

}  // namespace platform
