// SPDX-License-Identifier: MIT
// The framebuffer entry points of the browser's WebGL 2 layer.
#pragma once

#include "platform/gl_proc_address.h"

// The layer's own entry point of that name, null for any other: the
// drawing paths that keep pixels off the canvas look them up by name, and
// each must first draw what the layer has gathered for the framebuffer
// bound until then.
GlProc webGl2FramebufferCall(const char* name);
