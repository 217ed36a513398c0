#pragma once

#include <gtest/gtest.h>

#include <string>

// Game tests run twice: on classic SDL 1.2 and on the SDL2-based compatibility library
// that newer distributions ship instead (the parameter is true for the latter).
class OnBothSdl : public testing::TestWithParam<bool> {};

inline std::string SdlLibraryName(const testing::TestParamInfo<bool>& info) {
    return info.param ? "compat" : "classic";
}

#define ORR_ON_BOTH_SDL(Suite) INSTANTIATE_TEST_SUITE_P(Sdl, Suite, testing::Bool(), SdlLibraryName)
