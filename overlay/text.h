#pragma once

#include "overlay/text_layout.h"
#include "platform/texture.h"
#include "player/vec3.h"

// printf-style text drawn with the font sheet as one textured quad per character, stretched
// so that the characters exactly fill width. origin is the lower-left corner of the first
// glyph and is moved along the line (pass a fresh vector per line). The caller sets the
// colour and GL state; only the texture binding changes. Text past textBufferSize - 1
// characters is cut.
void DrawText(TextureId font, Vec3& origin, const Vec3& width, const Vec3& height,
              const char* format, ...) __attribute__((format(printf, 5, 6)));

// Sets the line's colour, if it has one, and draws its text verbatim.
void DrawTextLine(TextureId font, const TextLine& line);
