#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/text_layout.h"

// Status text drawn over the scene with GL: a shader program (GLSL 3.30, ES 3.00 on the web), one texture of
// the built-in font (app/font_image.h), and a vertex array with a buffer per text. Text is laid out in font
// pixels (app/text_layout.h) and placed in window pixels by the projection that textViewport sets.

// One text with its GL vertex array and buffer. The names are deleted with the record, so the context that
// createText ran in must still be current then.
struct Text {
    std::string chars;  // empty when there is no text
    bool dirty = false;
    std::int32_t vertexCount = 0;
    std::vector<float> vertices;  // the last vertices built, kept after upload
    unsigned int vertexArray = 0;
    unsigned int vertexBuffer = 0;
    unsigned generation = 0;  // platform::glContextGeneration when the names were made

    Text() = default;
    ~Text();
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
};

// Builds the program and the font texture once; false when the shaders do not build, whose log then goes
// to the standard error stream.
bool textInit();
void textTerminate();

// Null without the program (textInit failed) or when the vertex array or buffer cannot be made.
std::unique_ptr<Text> createText();
void deleteText(std::unique_ptr<Text> text);

// A null or empty string clears the text. Setting the text it already holds changes nothing.
bool setText(Text* text, const char* string);

void textViewport(std::uint32_t width, std::uint32_t height);
// Texts are drawn between beginText and endText, once a frame: beginText draws what the scene has recorded
// (platform::drawRecordedGl) and sets the overlay's GL state, endText gives the scene's back.
void beginText();
void endText();
void setTextColor(float r, float g, float b, float a);

float textWidth(const Text* text, float scale);
float textHeight(const Text* text, float scale);

// The text's top-left corner goes to (x, y) in window pixels, y downward; scale is window pixels per font
// pixel.
void drawText(Text* text, float x, float y, float scale);
// The text's point that horizontal and vertical (TextAlignment values) name goes to (x, y).
void drawTextAligned(Text* text, float x, float y, float scale, int horizontal, int vertical);
