#include "platform/web/page.h"

#include <emscripten.h>

#include "platform/web/input.h"

// The page defines these on Module before the game starts (page/page.js).
EM_JS(void, CallShowFailure, (const char* kind, const char* line),
      { Module.orrShowFailure(UTF8ToString(kind), line ? UTF8ToString(line) : ""); });
EM_JS(void, CallShowEnded, (), { Module.orrShowEnded(); });
EM_JS(void, CallFirstFrameDrawn, (), { Module.orrFirstFrameDrawn(); });

void ShowFailure(const char* kind, const char* line) { CallShowFailure(kind, line); }

void ShowEnded() { CallShowEnded(); }

void FirstFrameDrawn() { CallFirstFrameDrawn(); }

void StopGame() {
    StopListening();
    emscripten_cancel_main_loop();
    // Unwinds to the browser's event loop, which the runtime expects, leaving no error behind.
    emscripten_exit_with_live_runtime();
}
