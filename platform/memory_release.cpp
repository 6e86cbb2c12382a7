// SPDX-License-Identifier: MIT
// Giving freed memory back to the system.
#include "platform/memory_release.h"

#if defined(__GLIBC__)
#include <malloc.h>

void releaseFreedMemory() { malloc_trim(0); }
#else
void releaseFreedMemory() {}
#endif
