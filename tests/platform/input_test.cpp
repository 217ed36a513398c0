// Input latches and mouse motion through SDL's own event queue (dummy video driver).
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <sstream>
#include <type_traits>

#include "platform/input.h"

namespace {

// Reads, then "=expected": kS KS key S, nI NI button index I (plain, clearing); a0-a3 dx dy x y.
const std::map<char, std::function<int(int)>> kReads = {
    {'k', [](int n) { return ReadKey(n, 0); }},
    {'K', [](int n) { return ReadKey(n, 1); }},
    {'n', [](int n) { return ReadMouseButton(n, 0); }},
    {'N', [](int n) { return ReadMouseButton(n, 1); }},
    {'a', [](int n) { return n % 2 == 0 ? MouseAxisX(n < 2) : MouseAxisY(n < 2); }},
};

// Events: dS uS key down / up, bN BN button down / up, mX,Y,DX,DY motion, q close request,
// f the keyboard's focus lost.
void Push(const std::string& token) {
    constexpr Uint8 kTypes[] = {SDL_KEYDOWN,     SDL_KEYUP, SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP,
                                SDL_MOUSEMOTION, SDL_QUIT,  SDL_ACTIVEEVENT};
    SDL_Event e = {};
    e.type = kTypes[std::string("dubBmqf").find(token[0])];
    int v[4] = {};
    std::sscanf(token.c_str() + 1, "%d,%d,%d,%d", &v[0], &v[1], &v[2], &v[3]);
    if (e.type == SDL_MOUSEMOTION) {
        e.motion = {e.type, 0, 0, Uint16(v[0]), Uint16(v[1]), Sint16(v[2]), Sint16(v[3])};
    } else if (e.type == SDL_ACTIVEEVENT) {
        e.active = {e.type, 0, SDL_APPINPUTFOCUS};
    } else if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) {
        // Copied as a number: symbols outside the enumeration cannot be cast to it.
        const auto sym = static_cast<std::underlying_type_t<SDLKey>>(v[0]);
        std::memcpy(&e.key.keysym.sym, &sym, sizeof sym);
    } else {
        e.button.button = static_cast<Uint8>(v[0]);
    }
    ASSERT_EQ(SDL_PushEvent(&e), 0);
}

bool finished = false;  // a poll that quits on the close request ends the test early

TEST(PollInputTest, LatchesMotionAndRanges) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    std::atexit([] { finished ? void() : std::_Exit(1); });
    for (const char* script : {
             // Classic SDL's first motion is the jump from (0, 0) to the pointer: only that
             // one is dropped. Motion of one poll is summed; the position is the last one.
             "m400,300,400,300 m10,20,10,20 m12,19,2,-1 P a0=12 a1=19 a2=12 a3=19",
             "m410,300,10,0 m405,310,-5,10 m407,302,2,-8 P a0=7 a1=2 a2=407 a3=302 P a0=0 a2=407",
             "m65000,2,-300,1 P a2=65000 a0=-300 a3=2 a1=1",
             // A clearing read reports a held key once; no repeat until pressed again.
             "d27 P k27=1 k27=1 K27=1 K27=0 P k27=0 u27 d27 P K27=1",
             "d273 P u273 P k273=0",  // released
             // A tap within one poll is down for exactly that poll, for clearing reads and
             // plain ones alike; a second tap is another press.
             "d13 u13 P K13=1 K13=0 P k13=0 d105 u105 P k105=1 P k105=0 d13 u13 d13 P P k13=1",
             "b2 B2 P n1=1 P n1=0 u13 P",
             // Focus lost: nothing stays held, a tap of that poll included.
             "d105 b3 P d106 f P k105=0 n2=0 k106=1 P k106=0",
             "q d274 P P k274=1",  // the close request changes nothing
             "b1 b3 b5 P N0=1 N0=0 n1=0 n2=1 n4=1 B3 P n2=0",
             // Symbols and buttons past the record are dropped: the record around the keys
             // stays intact. Reads out of range give 0.
             "d322 P k322=1 d323 d324 d341 d-1 b8 b255 P K323=0 K-1=0 N5=0 N-1=0 a2=65000 n0=0",
         }) {
        std::istringstream steps(script);
        for (std::string token; steps >> token;) {
            SCOPED_TRACE(std::string(script) + ": " + token);
            if (token[0] == 'P') {
                PollInput();
            } else if (const auto equals = token.find('='); equals != std::string::npos) {
                EXPECT_EQ(kReads.at(token[0])(std::atoi(token.c_str() + 1)),
                          std::atoi(token.c_str() + equals + 1));
            } else {
                Push(token);
            }
        }
    }
    finished = true;
}

}  // namespace
