#pragma once

#include <string>

namespace art {

// Writes every wall texture as dir/t1.bmp..., dir/u1.bmp... (catalogue.h), and removes a file
// just past each family that a longer list left. False, with a line on stderr, when a file
// cannot be written. The build writes them for the desktop; the page writes them into its
// own memory at start-up instead of downloading them.
bool WriteTextures(const std::string& dir);

}  // namespace art
