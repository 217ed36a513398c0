#pragma once

#include <functional>
#include <string>

// Runs body in a forked copy of the test process and reports how that copy ended.
struct ChildResult {
    int exitStatus = -1;  // -1 when the child did not exit normally
    int signal = 0;       // the signal that ended it, if any
    std::string out;      // everything it wrote on standard output
};

// A body that returns instead of exiting ends the child with kFellThrough.
constexpr int kFellThrough = 77;
ChildResult RunInChild(const std::function<void()>& body);
