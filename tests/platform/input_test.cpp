#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <type_traits>
#include <vector>

#include "platform/input.h"
#include "platform/quit_signal.h"

namespace {

void PushKey(int sym, bool down) {
    SDL_Event event = {};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    // Copied as a number: symbols outside the enumeration cannot be cast to it.
    const std::underlying_type_t<SDLKey> raw = static_cast<std::underlying_type_t<SDLKey>>(sym);
    std::memcpy(&event.key.keysym.sym, &raw, sizeof raw);
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

void PushMotion(int x, int y, int xrel, int yrel) {
    SDL_Event event = {};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    event.motion.xrel = static_cast<Sint16>(xrel);
    event.motion.yrel = static_cast<Sint16>(yrel);
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

void PushButton(int button, bool down) {
    SDL_Event event = {};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = static_cast<Uint8>(button);
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

bool NothingLatched() {
    const auto zero = [](std::int8_t v) { return v == 0; };
    return std::ranges::all_of(inputState.keys, zero) &&
           std::ranges::all_of(inputState.buttons, zero);
}

class PollInputTest : public testing::Test {
  protected:
    void SetUp() override {
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0) {
        }
        inputState = InputState{};
    }
};

TEST_F(PollInputTest, KeyLatchesFollowDownUpAndClearingReads) {
    PushKey(key::Escape, true);
    PollInput();
    EXPECT_EQ(ReadKey(key::Escape, 0), 1);
    EXPECT_EQ(ReadKey(key::Escape, 0), 1) << "a plain read reports a held key every time";
    EXPECT_EQ(ReadKey(key::Escape, 1), 1);
    EXPECT_EQ(ReadKey(key::Escape, 1), 0) << "a clearing read reports a held key once";
    PollInput();
    EXPECT_EQ(ReadKey(key::Escape, 0), 0) << "no repeat while the key stays down";

    PushKey(key::Escape, false);
    PushKey(key::Escape, true);
    PollInput();
    EXPECT_EQ(ReadKey(key::Escape, 1), 1) << "pressed again after a release";

    PushKey(key::Up, true);
    PollInput();
    PushKey(key::Up, false);
    PollInput();
    EXPECT_EQ(ReadKey(key::Up, 0), 0) << "released";

    PushKey(key::Return, true);
    PushKey(key::Return, false);
    PollInput();
    EXPECT_EQ(ReadKey(key::Return, 0), 0) << "a press and release within one poll is never seen";
}

TEST_F(PollInputTest, MotionOfOnePollIsSummedAndPositionIsTheLastEvent) {
    PushMotion(410, 300, 10, 0);
    PushMotion(405, 310, -5, 10);
    PushMotion(407, 302, 2, -8);
    PollInput();
    EXPECT_EQ(MouseAxisX(1), 7);
    EXPECT_EQ(MouseAxisY(1), 2);
    EXPECT_EQ(MouseAxisX(0), 407);
    EXPECT_EQ(MouseAxisY(0), 302);

    PollInput();
    EXPECT_EQ(MouseAxisX(1), 0) << "a poll without motion moves nothing";
    EXPECT_EQ(MouseAxisY(1), 0);
    EXPECT_EQ(MouseAxisX(0), 407) << "but the pointer stays where it was";

    // Positions are unsigned 16-bit, relative motion signed 16-bit.
    PushMotion(65000, 2, -300, 1);
    PollInput();
    EXPECT_EQ(MouseAxisX(0), 65000);
    EXPECT_EQ(MouseAxisX(1), -300);
}

TEST_F(PollInputTest, MouseButtonsLatchUnderTheirGameIndex) {
    PushButton(SDL_BUTTON_LEFT, true);
    PushButton(SDL_BUTTON_RIGHT, true);
    PushButton(5, true);  // the wheel
    PollInput();
    EXPECT_EQ(ReadMouseButton(mouse::Left, 1), 1);
    EXPECT_EQ(ReadMouseButton(mouse::Left, 1), 0);
    EXPECT_EQ(ReadMouseButton(mouse::Middle, 0), 0);
    EXPECT_EQ(ReadMouseButton(mouse::Right, 0), 1);
    EXPECT_EQ(ReadMouseButton(4, 0), 1);
    PushButton(SDL_BUTTON_RIGHT, false);
    PollInput();
    EXPECT_EQ(ReadMouseButton(mouse::Right, 0), 0);
}

TEST_F(PollInputTest, OutOfRangeKeysAndButtonsAreIgnored) {
    PushKey(SDLK_LAST - 1, true);
    PushButton(7, true);
    PollInput();
    EXPECT_EQ(inputState.keys[SDLK_LAST - 1], 1) << "the last slots of the record still work";
    EXPECT_EQ(inputState.buttons[7], 1);

    inputState = InputState{};
    for (int sym : {static_cast<int>(SDLK_LAST), SDLK_LAST + 40, -1}) {
        PushKey(sym, true);
    }
    for (int button : {8, 9, 255}) {
        PushButton(button, true);
    }
    PollInput();
    EXPECT_TRUE(NothingLatched());

    inputState.buttons[0] = 1;
    inputState.buttons[6] = 1;
    EXPECT_EQ(ReadKey(SDLK_LAST, 1) + ReadKey(-1, 1), 0);
    EXPECT_EQ(ReadMouseButton(5, 1) + ReadMouseButton(-1, 1), 0);
    EXPECT_EQ(inputState.buttons[0] + inputState.buttons[6], 2)
        << "reads out of range touch nothing";
}

// Classic SDL reports its first motion as the jump from (0, 0) to the pointer. Whether that
// has happened is process-wide, so each case runs in a fresh process.
class FirstMotionTest : public PollInputTest {
  protected:
    void SetUp() override {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        PollInputTest::SetUp();
    }
    void TearDown() override { GTEST_FLAG_SET(death_test_style, "fast"); }

    static void ExpectFirstPollSums(const std::vector<std::array<int, 4>>& motions, int dx,
                                    int dy) {
        EXPECT_EXIT(
            {
                for (const auto& [x, y, xrel, yrel] : motions) {
                    PushMotion(x, y, xrel, yrel);
                }
                PollInput();
                std::exit(MouseAxisX(1) == dx && MouseAxisY(1) == dy ? 0 : 1);
            },
            testing::ExitedWithCode(0), "")
            << "expected (" << dx << ", " << dy << ")";
    }
};

TEST_F(FirstMotionTest, OnlyTheStartupJumpIsIgnored) {
    // Only the very first event can be the jump, even if a later one looks the same.
    ExpectFirstPollSums({{400, 300, 400, 300}, {10, 20, 10, 20}, {12, 19, 2, -1}}, 12, 19);
    // A real first motion matches its position in one axis at most.
    ExpectFirstPollSums({{400, 300, 400, 7}}, 400, 7);
    ExpectFirstPollSums({{400, 300, 3, 300}}, 3, 300);
}

// A game whose PollInput returns instead of ending the process.
constexpr int kStillRunning = 77;

TEST(QuitSignalDeathTest, InterruptAndTerminateEndTheGameCleanly) {
    for (int signalNumber : {SIGINT, SIGTERM}) {
        EXPECT_EXIT(
            {
                InstallQuitSignalHandlers();
                // Status 4 if SDL is still up at exit: the video mode would not be restored.
                std::atexit([] {
                    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
                        _exit(4);
                    }
                });
                std::raise(signalNumber);
                PollInput();
                std::exit(kStillRunning);
            },
            testing::ExitedWithCode(0), "")
            << "signal " << signalNumber;
    }
}

TEST(QuitSignalDeathTest, CloseRequestIsDroppedAndLaterEventsStillRead) {
    EXPECT_EXIT(
        {
            InstallQuitSignalHandlers();
            inputState = InputState{};
            SDL_Event quit = {};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
            PushKey(key::Down, true);
            PollInput();
            PollInput();
            std::exit(ReadKey(key::Down, 0) == 1 ? kStillRunning : 1);
        },
        testing::ExitedWithCode(kStillRunning), "");
}

TEST(QuitSignalDeathTest, SecondSignalBeforeAnyPollStopsAStuckGame) {
    EXPECT_EXIT(
        {
            InstallQuitSignalHandlers();
            std::raise(SIGTERM);
            std::raise(SIGTERM);
            std::exit(kStillRunning);
        },
        testing::KilledBySignal(SIGTERM), "");
}

}  // namespace
