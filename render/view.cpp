#include "render/view.h"

#include <cmath>

namespace {

Vec3 Row(const Matrix4& m, int i) { return {m[i], m[4 + i], m[8 + i]}; }

}  // namespace

View MakeView(const Matrix4& projection, const Matrix4& modelview) {
    View view{projection * modelview, {}};
    // The eye is the point the model-view maps to the origin: solve R e = -t.
    const Vec3 r0 = Row(modelview, 0), r1 = Row(modelview, 1), r2 = Row(modelview, 2);
    const Vec3 t{modelview[12], modelview[13], modelview[14]};
    const double det = dot(r0, cross(r1, r2));
    view.eye = -(t.x * cross(r1, r2) + t.y * cross(r2, r0) + t.z * cross(r0, r1)) / det;
    return view;
}

ClipPoint ToClip(const View& view, const Vec3& p) {
    const auto& m = view.clip;
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
            m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14],
            m[3] * p.x + m[7] * p.y + m[11] * p.z + m[15]};
}

int OutsidePlanes(const ClipPoint& p) {
    const double slack = -kScreenMargin * std::abs(p.w);
    return (p.w + p.x < slack ? 1 : 0) | (p.w - p.x < slack ? 2 : 0) | (p.w + p.y < slack ? 4 : 0) |
           (p.w - p.y < slack ? 8 : 0) | (p.w + p.z < slack ? 16 : 0);
}

bool MayNeedClipping(const ClipPoint& p) {
    const double inner = kScreenMargin * p.w;
    return !(p.w > 0 && p.w + p.x > inner && p.w - p.x > inner && p.w + p.y > inner &&
             p.w - p.y > inner && p.w + p.z > inner);
}
