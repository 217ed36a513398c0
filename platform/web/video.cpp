// The page's video: a WebGL 2 context on the page's canvas, frames that end when the step
// returns to the browser, and the browser's clock.
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <GLES3/gl3.h>

#include "platform/frame_time.h"
#include "platform/video.h"
#include "platform/web/page.h"
#include "platform/web/webgl_draw.h"

namespace {
double startMs = 0;
std::uint32_t previousFrameEnd = 0;
bool frameDrawn = false;
}  // namespace

void InitVideo(int width, int height, int /*bitsPerPixel*/, int /*fullscreen*/) {
    startMs = emscripten_get_now();
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.majorVersion = 2;
    attributes.minorVersion = 0;
    attributes.alpha = EM_FALSE;
    attributes.antialias = EM_FALSE;  // the desktop's mode has no multisampling either
    attributes.depth = EM_TRUE;
    // WebGL 2 itself is all the drawing uses: switching on every extension the browser offers,
    // as the context would by default, took a seventh of the page's start-up on a software
    // renderer.
    attributes.enableExtensionsByDefault = EM_FALSE;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
        emscripten_webgl_create_context("#canvas", &attributes);
    if (context <= 0 ||
        emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS) {
        ShowFailure("webgl", nullptr);
        StopGame();
    }
    emscripten_set_canvas_element_size("#canvas", width, height);
    glViewport(0, 0, width, height);
    if (!InitDrawing(PerspectiveMatrix(kFieldOfViewY, kAspect, kNearPlane, kFarPlane))) {
        ShowFailure("webgl", "Orrindel: the drawing program did not build");
        StopGame();
    }
    glEnable(GL_DEPTH_TEST);
    videoState.lastSwapMs = 0;
    previousFrameEnd = Ticks();
}

void EndFrame() {
    PresentFrame();
    const std::uint32_t now = Ticks();
    videoState.lastSwapMs = FrameDurationMs(previousFrameEnd, now);
    previousFrameEnd = now;
    if (!frameDrawn) {
        frameDrawn = true;
        FirstFrameDrawn();
    }
}

// The page hides the pointer over the canvas and locks it on a click.
void HideCursor() {}

std::uint32_t Ticks() { return static_cast<std::uint32_t>(emscripten_get_now() - startMs); }
