#include "tests/player/flight.h"

#include <set>

#include "platform/video.h"
#include "player/player.h"
#include "tests/player/autopilot.h"

long FlyToExit(const Maze& maze, InputScript& script, long firstFrame, int frameMs) {
    Player player(maze, Pose());
    Autopilot pilot(maze);
    for (long frame = firstFrame; frame < firstFrame + 20000; ++frame) {
        const std::vector<int> keys = pilot.decide(player.pose(), frameMs);
        script.hold(frame, std::set<int>(keys.begin(), keys.end()));
        ApplyPilotInput(keys);
        videoState.lastSwapMs = static_cast<std::uint32_t>(frameMs);
        if (player.update()) {
            script.hold(frame + 1, {});  // let go while the end screen waits
            return frame;
        }
    }
    return -1;
}
