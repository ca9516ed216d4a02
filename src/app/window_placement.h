#pragma once

#include "platform/window.h"

// The window's restored place: half the desktop's right and bottom coordinates, centred on it.
platform::Rect restoredPlacement(const platform::Rect& desktop);
