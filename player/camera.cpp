#include "platform/draw.h"
#include "platform/video.h"
#include "player/camera_bob.h"
#include "player/player.h"

void Player::placeCamera() const {
    // Only the eye bobs: the pose, the collision box and the exit test never see it.
    Pose eye = pose_;
    eye.moveUp(CameraBob(Ticks()));
    ApplyCamera(eye);
}

void ApplyCamera(const Pose& pose) {
    LookAt(pose.position(), pose.position() - pose.back(), pose.up());
}
