#include "overlay/text.h"

#include "platform/draw.h"
#include "render/quad.h"

namespace {
char textBuffer[textBufferSize];
}

void DrawText(TextureId font, Vec3& origin, const Vec3& width, const Vec3& height,
              const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string_view text = FormatBounded(textBuffer, format, args);
    va_end(args);
    LayOutText(text, origin, width, height,
               [font](const Vec3& corner, const Vec3& step, const Vec3& up, const GlyphRect& r) {
                   DrawQuadRegion(corner, step, up, font, r.s0, r.t0, r.s1, r.t1);
               });
}

void DrawTextLine(TextureId font, const TextLine& line) {
    if (line.colour) {
        SetColour(line.colour->r, line.colour->g, line.colour->b);
    }
    Vec3 origin = line.origin;
    DrawText(font, origin, line.width, line.height, "%s", line.text.c_str());
}
