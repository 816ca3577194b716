#include "platform/zeroed_storage.h"

#include <sys/mman.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define KELM_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define KELM_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define KELM_POISON(p, n) ((void)(p), (void)(n))
#define KELM_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace platform {

namespace {

// The whole pages that hold bytes (at least one).
size_t mappedSize(size_t bytes) {
    const size_t page = size_t(::sysconf(_SC_PAGESIZE));
    return bytes == 0 ? page : (bytes + page - 1) / page * page;
}

}  // namespace

void* reserveZeroed(size_t bytes) {
    const size_t mapped = mappedSize(bytes);
    void* p = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return nullptr;
    // A sanitized build still catches a read or write past the end, as it
    // would on the heap.
    KELM_POISON(static_cast<char*>(p) + bytes, mapped - bytes);
    return p;
}

void releaseZeroed(void* storage, size_t bytes) {
    if (storage == nullptr) return;
    const size_t mapped = mappedSize(bytes);
    KELM_UNPOISON(storage, mapped);
    ::munmap(storage, mapped);
}

}  // namespace platform
