// SPDX-License-Identifier: MIT
#pragma once

// Hands the memory the allocator keeps after frees back to the system. With
// glibc that lowers the resident size after busy scenes; the Windows heap
// gives back its free blocks by itself, so there it does nothing.
void releaseFreedMemory();
