#include "app/window_placement.h"

platform::Rect restoredPlacement(const platform::Rect& desktop) {
    int width = desktop.right / 2;
    int height = desktop.bottom / 2;
    int left = desktop.left + (desktop.right - width) / 2;
    int top = desktop.top + (desktop.bottom - height) / 2;
    return {left, top, left + width, top + height};
}
