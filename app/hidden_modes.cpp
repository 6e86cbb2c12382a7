// SPDX-License-Identifier: MIT
// The two hidden-mode switches.
#include "app/hidden_modes.h"

bool tintMode = false;
bool freeCameraMode = false;
