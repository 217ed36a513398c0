// The page's input: the browser's events are queued as they come and fed, in order, to the
// same record and latches as the desktop's SDL events. Touches and pads speak as keys held
// by a source of their own, taps and mouse motion (page_events.h).
#include "platform/web/input.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/input.h"
#include "platform/video.h"
#include "platform/web/controls.h"
#include "platform/web/gamepad.h"
#include "platform/web/page.h"
#include "platform/web/page_events.h"
#include "platform/web/touch.h"

namespace {

enum class Kind {
    KeyDown,
    KeyUp,
    ButtonDown,
    ButtonUp,
    Motion,
    Look,
    Hold,
    Tap,
    LoseEverything,
    LosePointer
};

struct Event {
    Kind kind;
    long long value = 0;  // key symbol or button number
    long dx = 0;
    long dy = 0;
    long x = 0;
    long y = 0;
    double ms = 0;
    double fx = 0;  // a look's motion, a tap's place
    double fy = 0;
    Source source{Device::Keyboard};
    KeySet keys{};
};

// A browser that leaves pointer lock on Escape may also pass the Escape on, just before or
// after: within this time the two are one keystroke.
constexpr double kSameEscapeMs = 250;

struct PageInput {
    std::vector<Event> queue;
    ScreenForInput screen;
    HeldKeys held;
    bool pointerLocked = false;
    bool fullscreen = false;
    double lastEscapeMs = -1e9;
    double lastLossMs = -1e9;
    double lookCarryX = 0;  // look motion not yet whole units
    double lookCarryY = 0;
    int menuTarget = 0;  // the menu line a tap chose, reached one Up or Down per poll
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
    const bool down = type == EMSCRIPTEN_EVENT_KEYDOWN;
    // Keys with Ctrl, Alt or Meta are the browser's (reload, find, close); a release always
    // counts, so that nothing stays held.
    if (symbol < 0 || (down && (e->ctrlKey || e->altKey || e->metaKey))) {
        return EM_FALSE;
    }
    if (down && symbol == 'f' && !e->repeat) {
        RequestFullScreen();
    }
    if (!e->repeat) {  // SDL 1.2 repeats no key unless asked to
        Push({down ? Kind::KeyDown : Kind::KeyUp, symbol});
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
    QueueLoss(false);
    return EM_FALSE;
}

EM_BOOL OnVisibility(int, const EmscriptenVisibilityChangeEvent* e, void*) {
    if (e->hidden) {
        QueueLoss(true);
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

// A phone may drop the drawing context in the background: the game cannot go on.
EM_BOOL OnContextLost(int, const void*, void*) {
    emscripten_cancel_main_loop();
    StopListening();
    ShowFailure("context", nullptr);
    return EM_TRUE;
}

void TapKey(int sym) {
    PressKey(sym);
    ReleaseKey(sym);
}

void Look(double dx, double dy) {
    page.lookCarryX += dx;
    page.lookCarryY += dy;
    const double wholeX = std::trunc(page.lookCarryX);
    const double wholeY = std::trunc(page.lookCarryY);
    page.lookCarryX -= wholeX;
    page.lookCarryY -= wholeY;
    inputState.mouseDX += static_cast<std::int32_t>(wholeX);
    inputState.mouseDY += static_cast<std::int32_t>(wholeY);
}

void Apply(const Event& e) {
    switch (e.kind) {
        case Kind::KeyDown:
        case Kind::KeyUp:
            if (e.value == key::Escape) {
                if (e.ms - page.lastLossMs < kSameEscapeMs) {
                    // The browser's Escape already counted as the loss; its release still
                    // lets go.
                    page.held.letGo(e.source, key::Escape);
                    return;
                }
                page.lastEscapeMs = e.ms;
            }
            if (e.kind == Kind::KeyDown) {
                page.held.hold(e.source, static_cast<int>(e.value));
            } else {
                page.held.letGo(e.source, static_cast<int>(e.value));
            }
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
        case Kind::Look:
            Look(e.fx, e.fy);
            break;
        case Kind::Hold:
            page.held.holdOnly(e.source, e.keys);
            break;
        case Kind::Tap:
            if (page.screen.endScreen) {
                TapKey(key::Return);
            } else if (page.screen.menuOpen && page.screen.menuLineAt) {
                page.menuTarget = page.screen.menuLineAt(e.fx, e.fy);
            }
            break;
        case Kind::LoseEverything:
            page.held.letGoAll();
            ReleaseEverything();
            page.menuTarget = 0;
            break;
        case Kind::LosePointer:
            if (page.screen.playing && e.ms - page.lastEscapeMs >= kSameEscapeMs) {
                page.lastLossMs = e.ms;
                TapKey(key::Escape);
            }
            break;
    }
}

// A tapped menu line is reached as the keys reach it: Up or Down once per poll, each seen by
// the frame that follows, then Return on it.
void StepTowardMenuTarget() {
    if (page.menuTarget == 0) {
        return;
    }
    const int highlighted = page.screen.menuHighlighted;
    if (!page.screen.menuOpen) {
        page.menuTarget = 0;
    } else if (page.menuTarget < highlighted) {
        TapKey(key::Up);
    } else if (page.menuTarget > highlighted) {
        TapKey(key::Down);
    } else {
        TapKey(key::Return);
        page.menuTarget = 0;
    }
}

}  // namespace

void QueueHold(Source source, const KeySet& keys) {
    Event e{Kind::Hold};
    e.source = source;
    e.keys = keys;
    Push(e);
}

void QueueLook(double dx, double dy) {
    Event e{Kind::Look};
    e.fx = dx;
    e.fy = dy;
    Push(e);
}

void QueueTap(double x, double y) {
    Event e{Kind::Tap};
    e.fx = x;
    e.fy = y;
    Push(e);
}

void QueueLoss(bool opensMenu) {
    ForgetFingers();
    Push({Kind::LoseEverything});
    if (opensMenu) {
        Push({Kind::LosePointer});
    }
}

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
    emscripten_set_webglcontextlost_callback("#canvas", nullptr, EM_TRUE, OnContextLost);
    ListenToTouches();
}

void StopListening() {
    emscripten_html5_remove_all_event_listeners();
    page.queue.clear();
}

// For the page's script: an abort of the runtime ends the game without a step.
extern "C" EMSCRIPTEN_KEEPALIVE void orr_stop_listening() { StopListening(); }

void TellScreen(ScreenForInput screen) { page.screen = std::move(screen); }

void PollInput() {
    BeginPoll();
    for (const Event& e : page.queue) {
        Apply(e);
    }
    page.queue.clear();
    const PadLook look = PollPads(page.held, page.screen.menuOpen, LastSwapMs());
    Look(look.dx, look.dy);
    StepTowardMenuTarget();
}

// The page never waits: the browser calls the next step when the next frame is due.
void PauseBetweenPolls() {}
