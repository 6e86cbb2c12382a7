// SPDX-License-Identifier: MIT
// Gives the memory the allocator keeps after frees back to the system.
#pragma once

// Called once a frame. Every 600 frames (about ten seconds) it returns the
// free memory the allocator holds to the system. The software renderer
// allocates and frees megabytes a frame while it sorts many small quads;
// the C library keeps those freed chunks scattered through its heap, and in
// long play the resident size crept up by about half a megabyte a minute
// although the memory in use stayed flat.
void trimFreedMemory();
