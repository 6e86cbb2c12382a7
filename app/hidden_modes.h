// SPDX-License-Identifier: MIT
#pragma once

// Two hidden modes switched by typed letter sequences: an orange tint, and a
// free mouse camera in which the car takes no damage.
extern bool tintMode;
extern bool freeCameraMode;
