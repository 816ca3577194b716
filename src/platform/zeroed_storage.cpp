#include "platform/zeroed_storage.h"

#include <sys/mman.h>

namespace platform {

void* reserveZeroed(size_t bytes) {
    void* p = ::mmap(nullptr, bytes > 0 ? bytes : 1, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return p == MAP_FAILED ? nullptr : p;
}

void releaseZeroed(void* storage, size_t bytes) {
    if (storage != nullptr) ::munmap(storage, bytes > 0 ? bytes : 1);
}

}  // namespace platform
