#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>

#include "harness/game_process.h"

// Game tests run once on each SDL 1.2 library the system has (harness/game_process.h).
class OnEachSdl : public testing::TestWithParam<SdlLibrary> {
  protected:
    void SetUp() override { std::printf("SDL 1.2 library: %s\n", GetParam().name.c_str()); }
};

inline void PrintTo(const SdlLibrary& library, std::ostream* out) { *out << library.name; }

#define ORR_ON_EACH_SDL(Suite)                         \
    INSTANTIATE_TEST_SUITE_P(                          \
        Sdl, Suite, testing::ValuesIn(SdlLibraries()), \
        [](const testing::TestParamInfo<SdlLibrary>& info) { return info.param.name; })
