#include "player/player.h"

#include <algorithm>
#include <cmath>

#include "platform/input.h"
#include "platform/keys.h"
#include "platform/video.h"

namespace {

constexpr double kRateStep = 0.05;
constexpr double kDamping = 0.8333333333333334;      // 5/6 per frame without a key
constexpr double kTimeFactor = 0.06666666666666667;  // rates are tuned for 15 ms frames
constexpr double kMoveSpeed = 0.3;
constexpr double kTurnSpeed = 0.03;
constexpr double kMouseScale = 0.0033333333333333335;  // 300 pixels to the radian or unit
constexpr double kHalfBox = 1.2;
constexpr int kStepAttempts = 11;

// Longest piece of a frame's displacement that the collision step resolves at once. Much
// shorter than a wall cell plus the box, so no piece can jump a wall.
constexpr double kMaxPiece = 1.0;

struct RateKeys {
    int add;
    int subtract;
};
constexpr RateKeys kRateKeys[6] = {
    {key::I, key::K},         // forward
    {key::L, key::J},         // right
    {key::Y, key::H},         // up
    {key::Left, key::Right},  // yaw
    {key::Down, key::Up},     // pitch
    {key::U, key::O},         // roll
};

}  // namespace

Player::Player(const Maze& maze, const Pose& start) : pose_(start), maze_(maze) {
    pose_.position() = maze_.startPosition();
}

bool Player::update() {
    const double k = LastSwapMs() * kTimeFactor;
    const bool middle = ReadMouseButton(mouse::Middle, 0) != 0;
    const bool left = ReadMouseButton(mouse::Left, 0) != 0;
    const bool right = ReadMouseButton(mouse::Right, 0) != 0;
    const double mouseDX = MouseAxisX(1);
    const double mouseDY = MouseAxisY(1);

    for (int i = 0; i < 6; ++i) {
        const bool add = ReadKey(kRateKeys[i].add, 0) != 0;
        const bool subtract = ReadKey(kRateKeys[i].subtract, 0) != 0;
        const bool middleForward = i == 0 && middle;
        if (add || middleForward) {
            velocity_[i] += kRateStep;
        }
        if (subtract) {
            velocity_[i] -= kRateStep;
        }
        if (!add && !subtract && !middleForward) {
            velocity_[i] *= kDamping;
        }
    }
    for (double& rate : velocity_) {
        rate = std::min(rate, 1.0);
    }
    for (double& rate : velocity_) {
        rate = std::max(rate, -1.0);
    }

    // Translation uses the orientation from before this frame's turns.
    Pose moved = pose_;
    moved.moveForward(k * velocity_[0] * kMoveSpeed);
    moved.moveRight(k * velocity_[1] * kMoveSpeed);
    moved.moveUp(k * velocity_[2] * kMoveSpeed);
    if (!left && right) {
        moved.moveRight(mouseDX * kMouseScale);
        moved.moveUp(-mouseDY * kMouseScale);
    }
    moveWithCollision(moved.position() - pose_.position());

    pose_.yaw(k * velocity_[3] * kTurnSpeed);
    if (!left && !right) {
        pose_.yaw(-mouseDX * kMouseScale);
        pose_.pitch(-mouseDY * kMouseScale);
    }
    pose_.pitch(k * velocity_[4] * kTurnSpeed);
    pose_.roll(k * velocity_[5] * kTurnSpeed);
    if (left && !right) {
        pose_.roll(-mouseDX * kMouseScale);
    }
    pose_.orthonormalize(true);

    return ReachesExit(maze_, pose_.position());
}

void Player::moveWithCollision(const Vec3& displacement) {
    const double distance = length(displacement);
    if (!std::isfinite(distance)) {
        return;
    }

    // Only the part of a move that fits inside the maze can ever be travelled, so a longer
    // one is shortened (keeping its direction) to bound the number of pieces.
    const double extent[3] = {maze_.sizeX() * maze_.cellSize(), maze_.sizeY() * maze_.cellSize(),
                              maze_.sizeZ() * maze_.cellSize()};
    double scale = 1.0;
    for (int axis = 0; axis < 3; ++axis) {
        if (std::abs(displacement[axis]) * scale > extent[axis]) {
            scale = extent[axis] / std::abs(displacement[axis]);
        }
    }
    const Vec3 move = scale < 1.0 ? displacement * scale : displacement;

    // Each piece is resolved on its own, so a wall can stop the move but never be skipped.
    const int pieces = std::max(1, static_cast<int>(std::ceil(length(move) / kMaxPiece)));
    const Vec3 piece = pieces == 1 ? move : move / pieces;
    for (int i = 0; i < pieces; ++i) {
        movePieceWithCollision(piece);
    }
}

void Player::movePieceWithCollision(const Vec3& displacement) {
    for (int axis = 0; axis < 3; ++axis) {
        Vec3 step;
        step[axis] = displacement[axis];
        const Vec3 before = pose_.position();
        for (int attempt = 1; attempt <= kStepAttempts; ++attempt) {
            pose_.position() += step;
            step /= 2.0;
            if (!touchesWall()) {
                break;
            }
            pose_.position() = before;
        }
    }
}

bool Player::touchesWall() const {
    const Vec3 half(kHalfBox, kHalfBox, kHalfBox);
    return maze_.boxTouchesWall(pose_.position() - half, pose_.position() + half);
}

bool ReachesExit(const Maze& maze, const Vec3& position) {
    return length(position - maze.exitPoint()) < 0.5 * maze.cellSize();
}
