#include "harness/frame.h"

#include <GL/gl.h>

#include <algorithm>

#include "tools/png/png_writer.h"

std::vector<std::uint8_t> ReadFrameRgb() {
    std::vector<std::uint8_t> bottomUp(kFrameWidth * kFrameHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kFrameWidth, kFrameHeight, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<std::uint8_t> frame(bottomUp.size());
    const int row = kFrameWidth * 3;
    for (int y = 0; y < kFrameHeight; ++y) {
        std::copy_n(bottomUp.begin() + (kFrameHeight - 1 - y) * row, row, frame.begin() + y * row);
    }
    return frame;
}

void SaveRgbPng(const std::string& path, const std::vector<std::uint8_t>& rgb, int width,
                int height) {
    WritePng(path, width, height, 3, rgb.data());
}
