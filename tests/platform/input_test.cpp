#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "platform/input.h"

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

bool AllKeysAndButtonsClear() {
    for (std::int8_t k : inputState.keys) {
        if (k != 0) {
            return false;
        }
    }
    for (std::int8_t b : inputState.buttons) {
        if (b != 0) {
            return false;
        }
    }
    return true;
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
    EXPECT_EQ(ReadKey(key::Up, 0), 0);
}

TEST_F(PollInputTest, PressAndReleaseWithinOnePollIsNeverSeen) {
    PushKey(key::Return, true);
    PushKey(key::Return, false);
    PollInput();
    EXPECT_EQ(ReadKey(key::Return, 0), 0);
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
    EXPECT_EQ(MouseAxisY(0), 302);

    // Positions are unsigned 16-bit, relative motion signed 16-bit.
    PushMotion(65000, 2, -300, 1);
    PollInput();
    EXPECT_EQ(MouseAxisX(0), 65000);
    EXPECT_EQ(MouseAxisX(1), -300);
}

TEST_F(PollInputTest, MouseButtonsLatchAndOutOfRangeNumbersAreIgnored) {
    PushButton(SDL_BUTTON_LEFT, true);
    PushButton(SDL_BUTTON_RIGHT, true);
    PollInput();
    EXPECT_EQ(ReadMouseButton(mouse::Left, 1), 1);
    EXPECT_EQ(ReadMouseButton(mouse::Left, 1), 0);
    EXPECT_EQ(ReadMouseButton(mouse::Middle, 0), 0);
    EXPECT_EQ(ReadMouseButton(mouse::Right, 0), 1);
    PushButton(SDL_BUTTON_RIGHT, false);
    PollInput();
    EXPECT_EQ(ReadMouseButton(mouse::Right, 0), 0);

    // Buttons 4 and 5 are the wheel; 7 is the last slot of the record.
    PushButton(5, true);
    PushButton(7, true);
    PollInput();
    EXPECT_EQ(ReadMouseButton(4, 0), 1);
    EXPECT_EQ(inputState.buttons[7], 1);

    inputState = InputState{};
    PushButton(8, true);
    PushButton(9, true);
    PushButton(255, true);
    PollInput();
    EXPECT_TRUE(AllKeysAndButtonsClear());

    inputState.buttons[0] = 1;
    inputState.buttons[6] = 1;
    EXPECT_EQ(ReadMouseButton(5, 1), 0);
    EXPECT_EQ(ReadMouseButton(-1, 1), 0);
    EXPECT_EQ(inputState.buttons[0], 1) << "reads out of range touch nothing";
    EXPECT_EQ(inputState.buttons[6], 1);
}

TEST_F(PollInputTest, KeySymbolsOutsideTheTableAreIgnored) {
    PushKey(SDLK_LAST, true);
    PushKey(SDLK_LAST + 40, true);
    PushKey(-1, true);
    PushKey(SDLK_LAST - 1, true);
    PollInput();
    EXPECT_EQ(ReadKey(SDLK_LAST, 0), 0);
    EXPECT_EQ(ReadKey(-1, 0), 0);
    EXPECT_EQ(inputState.keys[SDLK_LAST - 1], 1) << "the last symbol of the table still works";
    inputState.keys[SDLK_LAST - 1] = 0;
    EXPECT_TRUE(AllKeysAndButtonsClear());
}

TEST_F(PollInputTest, WindowCloseRequestIsDropped) {
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&quit), 0);
    PushKey(key::Down, true);
    PollInput();
    EXPECT_EQ(ReadKey(key::Down, 0), 1) << "events after the close request are still read";
    SDL_Event left;
    EXPECT_EQ(SDL_PollEvent(&left), 0);
}

// Classic SDL reports its first motion as the jump from (0, 0) to the pointer. Whether that
// has happened is process-wide, so each case runs in a fresh process.
class FirstMotionTest : public PollInputTest {
  protected:
    void SetUp() override {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        PollInputTest::SetUp();
    }
};

TEST_F(FirstMotionTest, StartupJumpDoesNotTurnTheView) {
    EXPECT_EXIT(
        {
            PushMotion(400, 300, 400, 300);
            PushMotion(402, 299, 2, -1);
            PollInput();
            const bool jumpIgnored = MouseAxisX(1) == 2 && MouseAxisY(1) == -1 &&
                                     MouseAxisX(0) == 402 && MouseAxisY(0) == 299;
            // Only the very first event can be the jump.
            PushMotion(10, 20, 10, 20);
            PollInput();
            const bool laterKept = MouseAxisX(1) == 10 && MouseAxisY(1) == 20;
            std::exit(jumpIgnored && laterKept ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(FirstMotionTest, RealFirstMotionIsKept) {
    EXPECT_EXIT(
        {
            PushMotion(400, 300, 400, 7);
            PollInput();
            std::exit(MouseAxisX(1) == 400 && MouseAxisY(1) == 7 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            PushMotion(400, 300, 3, 300);
            PollInput();
            std::exit(MouseAxisX(1) == 3 && MouseAxisY(1) == 300 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
