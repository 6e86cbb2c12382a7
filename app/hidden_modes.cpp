#include "app/hidden_modes.h"

bool tintMode = false;
bool freeCameraMode = false;
