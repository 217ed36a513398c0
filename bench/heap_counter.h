#pragma once

#include <cstddef>

// Bytes held through operator new by the whole program, counted by the replacement
// operators in heap_counter.cpp (linked only into benchmark programs).
std::size_t HeapLiveBytes();
std::size_t HeapPeakBytes();
// Starts a new peak from the bytes live now.
void ResetHeapPeak();
