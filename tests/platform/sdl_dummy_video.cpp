// SDL with the dummy video driver (set by the test runner) for the whole test program, so
// that the event queue and surfaces work without a display.
#include <SDL.h>
#include <gtest/gtest.h>

namespace {

class DummyVideo : public testing::Environment {
  public:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_NE(SDL_SetVideoMode(64, 64, 32, SDL_SWSURFACE), nullptr) << SDL_GetError();
    }
    void TearDown() override { SDL_Quit(); }
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new DummyVideo);

}  // namespace
