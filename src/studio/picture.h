#pragma once

#include "studio/command_line.h"

class Studio;

// Puts a viewer that has just started where the picture asks: the camera moved by the keys' own steps,
// the drawing mode cycled as W cycles it, and the scene stepped to the picture's time as frames step it.
void applyPictureView(Studio& studio, const PictureRequest& picture);

// Draws one frame of the viewer at the picture's size into a framebuffer of its own, with the window's
// own drawing, and writes it as a PNG file. Throws std::runtime_error when it cannot.
void writePicture(Studio& studio, const PictureRequest& picture);
