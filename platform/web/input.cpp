// The page's input: the browser's events are queued as they come and fed, in order, to the
// same record and latches as the desktop's SDL events.
#include "platform/web/input.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <cctype>
#include <cstring>
#include <vector>

#include "platform/input.h"

namespace {

enum class Kind { KeyDown, KeyUp, ButtonDown, ButtonUp, Motion, LoseEverything, LosePointer };

struct Event {
    Kind kind;
    long long value = 0;  // key symbol or button number
    long dx = 0;
    long dy = 0;
    long x = 0;
    long y = 0;
    double ms = 0;
};

// A browser that leaves pointer lock on Escape may also pass the Escape on, just before or
// after: within this time the two are one keystroke.
constexpr double kSameEscapeMs = 250;

struct PageInput {
    std::vector<Event> queue;
    bool lossOpensMenu = false;
    bool pointerLocked = false;
    bool fullscreen = false;
    double lastEscapeMs = -1e9;
    double lastLossMs = -1e9;
};

PageInput page;

// The key symbols of keys.h (SDL 1.2's) for the browser's key names; -1 for keys the game
// does not know.
long long Symbol(const char* key) {
    struct Named {
        const char* name;
        long long symbol;
    };
    constexpr Named kNamed[] = {{"Enter", key::Return},     {"Escape", key::Escape},
                                {"ArrowUp", key::Up},       {"ArrowDown", key::Down},
                                {"ArrowRight", key::Right}, {"ArrowLeft", key::Left}};
    for (const Named& n : kNamed) {
        if (std::strcmp(key, n.name) == 0) {
            return n.symbol;
        }
    }
    // A printable ASCII key is its lower-case character, as SDL 1.2 names it.
    const auto c = static_cast<unsigned char>(key[0]);
    if (c != 0 && key[1] == 0 && c < 128) {
        return std::tolower(c);
    }
    return -1;
}

void Push(Event e) {
    e.ms = emscripten_get_now();
    page.queue.push_back(e);
}

EM_BOOL OnKey(int type, const EmscriptenKeyboardEvent* e, void*) {
    const long long symbol = Symbol(e->key);
    if (type == EMSCRIPTEN_EVENT_KEYDOWN && symbol == 'f' && !e->repeat) {
        emscripten_request_fullscreen("#canvas", EM_TRUE);
    }
    if (symbol < 0) {
        return EM_FALSE;  // the browser's own keys stay the browser's
    }
    if (!e->repeat) {  // SDL 1.2 repeats no key unless asked to
        Push({type == EMSCRIPTEN_EVENT_KEYDOWN ? Kind::KeyDown : Kind::KeyUp, symbol});
    }
    return EM_TRUE;  // arrows must not scroll the page
}

EM_BOOL OnMouseButton(int type, const EmscriptenMouseEvent* e, void*) {
    if (type == EMSCRIPTEN_EVENT_MOUSEDOWN && !page.pointerLocked) {
        emscripten_request_pointerlock("#canvas", EM_TRUE);
    }
    // SDL numbers the buttons from 1: left, middle, right.
    const long long button = e->button + 1;
    Push({type == EMSCRIPTEN_EVENT_MOUSEDOWN ? Kind::ButtonDown : Kind::ButtonUp, button});
    return EM_TRUE;
}

EM_BOOL OnMotion(int, const EmscriptenMouseEvent* e, void*) {
    Push({Kind::Motion, 0, e->movementX, e->movementY, e->targetX, e->targetY});
    return EM_TRUE;
}

EM_BOOL OnWheel(int, const EmscriptenWheelEvent* e, void*) {
    // SDL 1.2 gives the wheel as a tap of button 4 (up) or 5 (down).
    if (e->deltaY != 0) {
        const long long button = e->deltaY < 0 ? 4 : 5;
        Push({Kind::ButtonDown, button});
        Push({Kind::ButtonUp, button});
    }
    return EM_TRUE;
}

EM_BOOL OnBlur(int, const EmscriptenFocusEvent*, void*) {
    Push({Kind::LoseEverything});
    return EM_FALSE;
}

EM_BOOL OnVisibility(int, const EmscriptenVisibilityChangeEvent* e, void*) {
    if (e->hidden) {
        Push({Kind::LoseEverything});
    }
    return EM_FALSE;
}

// Pointer lock and full screen alike: leaving either while it was held is a loss.
void Hold(bool& held, bool now) {
    if (held && !now) {
        Push({Kind::LosePointer});
    }
    held = now;
}

EM_BOOL OnPointerLock(int, const EmscriptenPointerlockChangeEvent* e, void*) {
    Hold(page.pointerLocked, e->isActive);
    return EM_FALSE;
}

EM_BOOL OnFullscreen(int, const EmscriptenFullscreenChangeEvent* e, void*) {
    Hold(page.fullscreen, e->isFullscreen);
    return EM_FALSE;
}

void Apply(const Event& e) {
    switch (e.kind) {
        case Kind::KeyDown:
        case Kind::KeyUp:
            if (e.value == key::Escape) {
                if (e.ms - page.lastLossMs < kSameEscapeMs) {
                    return;  // the browser's Escape already counted as the loss
                }
                page.lastEscapeMs = e.ms;
            }
            e.kind == Kind::KeyDown ? PressKey(e.value) : ReleaseKey(e.value);
            break;
        case Kind::ButtonDown:
            PressButton(static_cast<int>(e.value));
            break;
        case Kind::ButtonUp:
            ReleaseButton(static_cast<int>(e.value));
            break;
        case Kind::Motion:
            inputState.mouseX = static_cast<std::int32_t>(e.x);
            inputState.mouseY = static_cast<std::int32_t>(e.y);
            if (page.pointerLocked) {  // the view turns only once a click took the pointer
                inputState.mouseDX += static_cast<std::int32_t>(e.dx);
                inputState.mouseDY += static_cast<std::int32_t>(e.dy);
            }
            break;
        case Kind::LoseEverything:
            ReleaseEverything();
            break;
        case Kind::LosePointer:
            if (page.lossOpensMenu && e.ms - page.lastEscapeMs >= kSameEscapeMs) {
                page.lastLossMs = e.ms;
                PressKey(key::Escape);
                ReleaseKey(key::Escape);
            }
            break;
    }
}

}  // namespace

void ListenToPage() {
    const char* window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    const char* document = EMSCRIPTEN_EVENT_TARGET_DOCUMENT;
    emscripten_set_keydown_callback(window, nullptr, EM_TRUE, OnKey);
    emscripten_set_keyup_callback(window, nullptr, EM_TRUE, OnKey);
    emscripten_set_mousedown_callback("#canvas", nullptr, EM_TRUE, OnMouseButton);
    emscripten_set_mouseup_callback(window, nullptr, EM_TRUE, OnMouseButton);
    emscripten_set_mousemove_callback(window, nullptr, EM_TRUE, OnMotion);
    emscripten_set_wheel_callback("#canvas", nullptr, EM_TRUE, OnWheel);
    emscripten_set_blur_callback(window, nullptr, EM_TRUE, OnBlur);
    emscripten_set_visibilitychange_callback(nullptr, EM_TRUE, OnVisibility);
    emscripten_set_pointerlockchange_callback(document, nullptr, EM_TRUE, OnPointerLock);
    emscripten_set_fullscreenchange_callback(document, nullptr, EM_TRUE, OnFullscreen);
}

void SetLossOpensMenu(bool opens) { page.lossOpensMenu = opens; }

void PollInput() {
    BeginPoll();
    for (const Event& e : page.queue) {
        Apply(e);
    }
    page.queue.clear();
}

// The page never waits: the browser calls the next step when the next frame is due.
void PauseBetweenPolls() {}
