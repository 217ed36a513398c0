#include <GL/gl.h>
#include <GL/glu.h>

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
    const Vec3 eye = pose.position();
    const Vec3 centre = pose.position() - pose.back();
    const Vec3 up = pose.up();
    gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, up.x, up.y, up.z);
}
