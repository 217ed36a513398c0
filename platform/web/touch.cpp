// Each finger keeps the role of where it landed: a button holds its key, a finger in the left
// third of the viewport is a stick centred where it landed, any other looks around. Fingers
// that neither held a button nor moved 10 px, from the game back to the game, are taps.
#include "platform/web/touch.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <string>

#include "platform/web/controls.h"
#include "platform/web/page_events.h"
#include "platform/web/stick.h"

namespace {

constexpr double kStickZone = 1.0 / 3;  // of the viewport's width, from the left
constexpr double kStickDeadZone = 12;   // CSS px
constexpr double kTapTravel = 10;       // CSS px; a finger that moved as far looked or steered
// Below this width the game is too small to play: an upright phone.
constexpr double kNarrowestGame = 560;  // CSS px
// Mouse motion per CSS px dragged, over the game's width: a drag across it is half a turn
// (the game turns 300 motion units to the radian).
constexpr double kLookAcrossGame = 300 * std::numbers::pi;

enum class Role { Button, Stick, Look };

struct Finger {
    Role role;
    std::string button;  // a button's key name
    double startX, startY, lastX, lastY;
    double travel = 0;
    bool startedOnGame = false;
};

struct Touches {
    std::map<long, Finger> fingers;
    bool seen = false;
    bool askedFullScreen = false;
    bool upright = false;
};

Touches touches;

Source SourceOf(long id) { return {Device::Touch, id}; }

bool OnGame(const Viewport& v, double x, double y) {
    return x >= v.gameLeft && x < v.gameLeft + v.gameWidth && y >= v.gameTop &&
           y < v.gameTop + v.gameHeight;
}

// A phone held upright shows a note and opens the menu; turned back, the game goes on.
void CheckUpright() {
    const Viewport v = MeasureViewport();
    const bool upright = touches.seen && v.height > v.width && v.gameWidth < kNarrowestGame;
    if (upright && !touches.upright) {
        QueueLoss(true);  // forgets the fingers too
    }
    if (upright != touches.upright) {
        ShowTurnNote(upright);
    }
    touches.upright = upright;
}

void Land(const EmscriptenTouchPoint& t, const Viewport& v) {
    const double x = t.clientX;
    const double y = t.clientY;
    Finger finger{Role::Look, ButtonAt(x, y), x, y, x, y, 0, OnGame(v, x, y)};
    if (!finger.button.empty()) {
        finger.role = Role::Button;
        ShowButtonHeld(finger.button, true);
        KeySet keys;
        const int sym = finger.button == "Escape" ? key::Escape : finger.button[0];
        keys.set(sym);
        QueueHold(SourceOf(t.identifier), keys);
    } else if (x < v.width * kStickZone) {
        finger.role = Role::Stick;
        ShowStick(true, x, y, x, y);
    }
    touches.fingers[t.identifier] = finger;
}

void Move(Finger& finger, const EmscriptenTouchPoint& t, const Viewport& v) {
    const double x = t.clientX;
    const double y = t.clientY;
    finger.travel = std::max(finger.travel, std::hypot(x - finger.startX, y - finger.startY));
    if (finger.role == Role::Stick) {
        QueueHold(SourceOf(t.identifier),
                  StickKeys(x - finger.startX, y - finger.startY, kStickDeadZone));
        ShowStick(true, finger.startX, finger.startY, x, y);
    } else if (finger.role == Role::Look && v.gameWidth > 0) {
        const double scale = kLookAcrossGame / v.gameWidth;
        QueueLook((x - finger.lastX) * scale, (y - finger.lastY) * scale);
    }
    finger.lastX = x;
    finger.lastY = y;
}

void Lift(const Finger& finger, const EmscriptenTouchPoint& t, const Viewport& v, bool ended) {
    QueueHold(SourceOf(t.identifier), KeySet());
    if (finger.role == Role::Button) {
        ShowButtonHeld(finger.button, false);
        return;
    }
    if (finger.role == Role::Stick) {
        ShowStick(false, 0, 0, 0, 0);
    }
    if (ended && finger.travel < kTapTravel && finger.startedOnGame &&
        OnGame(v, t.clientX, t.clientY)) {
        QueueTap((t.clientX - v.gameLeft) / v.gameWidth, (t.clientY - v.gameTop) / v.gameHeight);
    }
}

EM_BOOL OnTouch(int type, const EmscriptenTouchEvent* e, void*) {
    if (!touches.seen) {
        touches.seen = true;
        ShowTouchControls();
        CheckUpright();
    }
    const Viewport v = MeasureViewport();
    for (int i = 0; i < e->numTouches; ++i) {
        const EmscriptenTouchPoint& t = e->touches[i];
        if (t.isChanged == 0) {
            continue;
        }
        const auto it = touches.fingers.find(t.identifier);
        if (type == EMSCRIPTEN_EVENT_TOUCHSTART) {
            Land(t, v);
        } else if (it == touches.fingers.end()) {
            continue;  // a finger that landed before everything was let go
        } else if (type == EMSCRIPTEN_EVENT_TOUCHMOVE) {
            Move(it->second, t, v);
        } else {
            if (type == EMSCRIPTEN_EVENT_TOUCHEND) {
                Move(it->second, t, v);
            }
            Lift(it->second, t, v, type == EMSCRIPTEN_EVENT_TOUCHEND);
            touches.fingers.erase(it);
        }
    }
    // The first lift is a gesture the browser lets ask for full screen.
    if (type == EMSCRIPTEN_EVENT_TOUCHEND && !touches.askedFullScreen) {
        touches.askedFullScreen = true;
        RequestFullScreen();
    }
    // No scrolling, zoom or mouse events made up from the touch; a cancel cannot be refused.
    return type == EMSCRIPTEN_EVENT_TOUCHCANCEL ? EM_FALSE : EM_TRUE;
}

EM_BOOL OnResize(int, const EmscriptenUiEvent*, void*) {
    CheckUpright();
    return EM_FALSE;
}

}  // namespace

void ListenToTouches() {
    // On the page's stage, not the document: the browser makes a document's touch listeners
    // passive, and they could not keep the gestures from the browser.
    const char* stage = "#stage";
    emscripten_set_touchstart_callback(stage, nullptr, EM_FALSE, OnTouch);
    emscripten_set_touchmove_callback(stage, nullptr, EM_FALSE, OnTouch);
    emscripten_set_touchend_callback(stage, nullptr, EM_FALSE, OnTouch);
    emscripten_set_touchcancel_callback(stage, nullptr, EM_FALSE, OnTouch);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, OnResize);
}

void ForgetFingers() {
    for (const auto& [id, finger] : touches.fingers) {
        if (finger.role == Role::Button) {
            ShowButtonHeld(finger.button, false);
        }
    }
    touches.fingers.clear();
    ShowStick(false, 0, 0, 0, 0);
}
