#include <SDL.h>

#include <cstring>
#include <type_traits>

#include "platform/input.h"
#include "platform/quit_signal.h"

static_assert(key::Return == SDLK_RETURN && key::Escape == SDLK_ESCAPE);
static_assert(key::H == SDLK_h && key::I == SDLK_i && key::J == SDLK_j && key::K == SDLK_k &&
              key::L == SDLK_l && key::O == SDLK_o && key::U == SDLK_u && key::Y == SDLK_y);
static_assert(key::Up == SDLK_UP && key::Down == SDLK_DOWN && key::Right == SDLK_RIGHT &&
              key::Left == SDLK_LEFT);
static_assert(key::Last == SDLK_LAST);
static_assert(sizeof(InputState::keys) == SDLK_LAST);

namespace {

// Classic SDL reports the first motion it ever sees as a jump from (0, 0), so the pointer's
// start position would count as one huge turn of the view.
bool motionSeen = false;

// Read as a plain number: a symbol outside the enumeration must not be loaded as one.
long long Symbol(const SDL_keysym& keysym) {
    std::underlying_type_t<SDLKey> sym;
    std::memcpy(&sym, &keysym.sym, sizeof sym);
    return sym;
}

void AddMotion(const SDL_MouseMotionEvent& motion) {
    inputState.mouseX = motion.x;
    inputState.mouseY = motion.y;
    const bool startupJump = !motionSeen && motion.xrel == motion.x && motion.yrel == motion.y;
    motionSeen = true;
    if (!startupJump) {
        inputState.mouseDX += motion.xrel;
        inputState.mouseDY += motion.yrel;
    }
}

}  // namespace

void PollInput() {
    QuitIfSignalled();
    BeginPoll();
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        switch (event.type) {
            case SDL_KEYDOWN:
                PressKey(Symbol(event.key.keysym));
                break;
            case SDL_KEYUP:
                ReleaseKey(Symbol(event.key.keysym));
                break;
            case SDL_MOUSEMOTION:
                AddMotion(event.motion);
                break;
            case SDL_MOUSEBUTTONDOWN:
                PressButton(event.button.button);
                break;
            case SDL_MOUSEBUTTONUP:
                ReleaseButton(event.button.button);
                break;
            case SDL_ACTIVEEVENT:
                // Keys let go in another window would never be seen released here.
                if (event.active.gain == 0 && (event.active.state & SDL_APPINPUTFOCUS) != 0) {
                    ReleaseEverything();
                }
                break;
            default:  // SDL_QUIT included: closing the window does not end the game
                break;
        }
    }
}

void PauseBetweenPolls() { SDL_Delay(kPollPauseMs); }
