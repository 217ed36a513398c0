#pragma once

#include <sys/types.h>

#include <string>

// A private X server of exactly 800x600x24 (the game's full-screen mode; a larger screen
// gets a black border, a smaller one fails). It picks a free display number itself
// (-displayfd), so parallel tests never race for one.
class Xvfb {
  public:
    Xvfb();  // starts the server; aborts the test program when it cannot
    ~Xvfb();
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    const std::string& display() const { return display_; }  // e.g. ":7"

  private:
    pid_t pid_ = -1;
    std::string display_;
};
