#include "tests/player/flight.h"

#include <set>

#include "platform/video.h"
#include "player/player.h"
#include "tests/player/autopilot.h"

long FlyToExit(const Maze& maze, InputScript& script, long firstFrame, int frameMs,
               const std::function<void(long, const std::set<int>&)>& onChange) {
    Player player(maze, Pose());
    Autopilot pilot(maze);
    std::set<int> held;
    for (long frame = firstFrame; frame < firstFrame + 20000; ++frame) {
        const std::vector<int> keys = pilot.decide(player.pose(), frameMs);
        const std::set<int> wanted(keys.begin(), keys.end());
        script.hold(frame, wanted);
        if (onChange && wanted != held) {
            onChange(frame, wanted);
        }
        held = wanted;
        ApplyPilotInput(keys);
        videoState.lastSwapMs = static_cast<std::uint32_t>(frameMs);
        if (player.update()) {
            script.hold(frame + 1, {});  // let go while the end screen waits
            if (onChange && !held.empty()) {
                onChange(frame + 1, {});
            }
            return frame;
        }
    }
    return -1;
}
