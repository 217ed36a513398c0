#include "platform/web/controls.h"

#include <emscripten.h>

// clang-format off
EM_JS(void, MeasureInto, (double* out), {
    // The canvas fills the stage and shows the game contained in it, at 4:3.
    const box = document.getElementById('canvas').getBoundingClientRect();
    const width = Math.min(box.width, box.height * 4 / 3);
    const height = width * 3 / 4;
    const values = [innerWidth, innerHeight, box.left + (box.width - width) / 2,
                    box.top + (box.height - height) / 2, width, height];
    values.forEach((v, i) => { HEAPF64[(out >> 3) + i] = v; });
});
EM_JS(void, CallShowTouchControls, (), { document.body.classList.add('touch'); });
EM_JS(int, ButtonInto, (double x, double y, char* name, int size), {
    const hit = document.elementFromPoint(x, y);
    const button = hit && hit.closest('[data-key]');
    if (!button) return 0;
    stringToUTF8(button.dataset.key, name, size);
    return 1;
});
EM_JS(void, CallShowButtonHeld, (const char* name, int held), {
    const button = document.querySelector(`[data-key="${UTF8ToString(name)}"]`);
    if (button) button.classList.toggle('held', held !== 0);
});
EM_JS(void, CallShowStick, (int shown, double cx, double cy, double fx, double fy), {
    const stick = document.getElementById('stick');
    stick.hidden = !shown;
    stick.style.transform = `translate(${cx}px, ${cy}px)`;
    const knob = stick.firstElementChild;
    // The knob stays on the ring however far the finger goes.
    const reach = stick.offsetWidth / 2;
    const dx = fx - cx;
    const dy = fy - cy;
    const scale = Math.min(1, reach / (Math.hypot(dx, dy) || 1));
    knob.style.transform = `translate(${dx * scale}px, ${dy * scale}px)`;
});
EM_JS(void, CallShowTurnNote, (int shown), { document.getElementById('turn').hidden = !shown; });
EM_JS(void, CallRequestFullScreen, (), {
    const root = document.documentElement;
    if (document.fullscreenEnabled && !document.fullscreenElement && root.requestFullscreen) {
        root.requestFullscreen().catch(() => {});
    }
});
// clang-format on

Viewport MeasureViewport() {
    double v[6] = {};
    MeasureInto(v);
    return {v[0], v[1], v[2], v[3], v[4], v[5]};
}

void ShowTouchControls() { CallShowTouchControls(); }

std::string ButtonAt(double x, double y) {
    char name[32] = {};
    return ButtonInto(x, y, name, sizeof name) != 0 ? name : "";
}

void ShowButtonHeld(const std::string& keyName, bool held) {
    CallShowButtonHeld(keyName.c_str(), held ? 1 : 0);
}

void ShowStick(bool shown, double centreX, double centreY, double fingerX, double fingerY) {
    CallShowStick(shown ? 1 : 0, centreX, centreY, fingerX, fingerY);
}

void ShowTurnNote(bool shown) { CallShowTurnNote(shown ? 1 : 0); }

void RequestFullScreen() { CallRequestFullScreen(); }
