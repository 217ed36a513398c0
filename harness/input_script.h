#pragma once

#include <set>
#include <string>
#include <vector>

// Input for a replayed game run (see harness/play_shim.cpp): events are keyed by the
// number of frames presented before the poll that receives them.
class InputScript {
  public:
    void down(long frame, int sym);
    void up(long frame, int sym);
    void motion(long frame, int dx, int dy);
    // Any other line, for a player of the script that has more than keys (the page's test).
    void action(long frame, const std::string& words);
    // Press in one frame, release in the next; returns the first frame free after it.
    long tap(long frame, int sym);
    // From frame on, exactly these keys are held of those that hold() holds.
    void hold(long frame, const std::set<int>& keys);
    void write(const std::string& path) const;

  private:
    std::vector<std::string> lines_;
    std::set<int> held_;
};

// One line of the shim's log, one per presented frame.
struct SwapRecord {
    long swap = 0;
    long microseconds = 0;  // CLOCK_MONOTONIC
};
std::vector<SwapRecord> ReadSwapLog(const std::string& path);

class GameProcess;
// Waits until the log at path records at least count swaps, the game ends or timeoutMs
// passes, and returns the log as it is then.
std::vector<SwapRecord> WaitForSwaps(GameProcess& game, const std::string& path, long count,
                                     int timeoutMs);

// Menu taps from frame on that open the menu (it must be closed) and choose a maze size,
// whatever line each page had highlighted before. Returns the frame of the new maze's
// first poll.
long ChooseSizeThroughMenu(InputScript& script, long frame, int size);
// Opens the menu (closed before) and chooses Quit. Returns how many frames the game will
// have presented in all when it ends.
long ChooseQuitThroughMenu(InputScript& script, long frame);
