#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Read-back of the game's 800x600 frame, for tests and benchmarks that draw.

constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 600;

// The back buffer as RGB bytes, top row first (the orientation of a screenshot).
std::vector<std::uint8_t> ReadFrameRgb();

// Writes RGB bytes (top row first) as a PNG, for looking at.
void SaveRgbPng(const std::string& path, const std::vector<std::uint8_t>& rgb,
                int width = kFrameWidth, int height = kFrameHeight);
