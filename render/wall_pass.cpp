#include "render/wall_pass.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <queue>
#include <tuple>
#include <utility>

#include "render/face_ties.h"

namespace {

// Distance from p to the face's square.
double DistanceTo(const WallFace& f, const Vec3& p) {
    const Vec3 far = f.corner + f.edge1 + f.edge2;
    double sum = 0;
    for (int a = 0; a < 3; ++a) {
        const double low = std::min(f.corner[a], far[a]);
        const double high = std::max(f.corner[a], far[a]);
        const double d = p[a] < low ? low - p[a] : (p[a] > high ? p[a] - high : 0.0);
        sum += d * d;
    }
    return std::sqrt(sum);
}

// What the order needs to know of a run.
struct RunView {
    bool drawn = false;       // some face may give a pixel
    bool exact = true;        // no corner needs clipping: its rounding is its own
    bool facesAway = true;    // the eye is behind every face: hidden but for ties
    double distance = 1e300;  // to its nearest face
};

void ViewRun(const WallPass& pass, const WallRun& run, const View& view, RunView& out) {
    out = RunView{};
    for (int i = run.first; i < run.last; ++i) {
        const WallFace& f = pass.faces[i];
        const Vec3 corners[4] = {f.corner, f.corner + f.edge1, f.corner + f.edge1 + f.edge2,
                                 f.corner + f.edge2};
        int outside = ~0;
        for (const Vec3& c : corners) {
            const ClipPoint p = ToClip(view, c);
            outside &= OutsidePlanes(p);
            out.exact = out.exact && !MayNeedClipping(p);
        }
        out.drawn = out.drawn || outside == 0;
        const Vec3 toEye = view.eye - f.corner;
        const double facing = f.normal.x * toEye.x + f.normal.y * toEye.y + f.normal.z * toEye.z;
        out.facesAway = out.facesAway && facing <= 0;
        out.distance = std::min(out.distance, DistanceTo(f, view.eye));
    }
}

}  // namespace

int WallPass::facesDrawn() const {
    int count = 0;
    for (int r : order) {
        count += runs[r].last - runs[r].first;
    }
    return count;
}

void PlanWallPass(const Maze& maze, const CellRange& range, const Vec3& ex, const Vec3& ey,
                  const Vec3& ez, const View& view, WallPass& pass) {
    pass.faces.clear();
    pass.runs.clear();
    pass.order.clear();
    ForEachWallFace(maze, range, ex, ey, ez,
                    [&pass](const WallFace& f) { pass.faces.push_back(f); });
    const std::vector<TextureId>& textures = maze.textures();
    for (int i = 0; i < static_cast<int>(pass.faces.size()); ++i) {
        const TextureId texture = textures[pass.faces[i].style.textureIndex];
        if (pass.runs.empty() || pass.runs.back().texture != texture) {
            pass.runs.push_back({i, i + 1, texture});
        } else {
            pass.runs.back().last = i + 1;
        }
    }
    if (pass.runs.empty()) {
        return;
    }
    const int runCount = static_cast<int>(pass.runs.size());
    const int last = runCount - 1;

    // Storage reused from frame to frame.
    static std::vector<RunView> runs;
    static std::vector<int> group;
    static std::vector<char> exact;
    static std::vector<std::pair<int, int>> ties;
    static std::vector<int> waiting, start;
    runs.resize(runCount);
    exact.resize(runCount);
    group.assign(pass.faces.size(), -1);
    for (int r = 0; r < runCount; ++r) {
        ViewRun(pass, pass.runs[r], view, runs[r]);
        // The marker joins the last run's draw, so its rounding is never its own alone.
        runs[r].drawn = runs[r].drawn || r == last;
        exact[r] = runs[r].exact && r != last;
        if (runs[r].drawn) {
            std::fill(group.begin() + pass.runs[r].first, group.begin() + pass.runs[r].last, r);
        }
    }
    FindTies(pass.faces, group, exact, maze.cellSize(), view.eye, ties);
    std::sort(ties.begin(), ties.end());
    ties.erase(std::unique(ties.begin(), ties.end()), ties.end());

    // The tied pairs as edges earlier -> later: runs go nearest first, but never before
    // a run they tie with that comes earlier in the rules' order.
    waiting.assign(runCount, 0);
    start.assign(runCount + 1, 0);
    for (const auto& [from, to] : ties) {
        ++waiting[to];
        ++start[from + 1];
    }
    for (int r = 0; r < runCount; ++r) {
        start[r + 1] += start[r];
    }
    using Key = std::tuple<bool, double, int>;
    std::priority_queue<Key, std::vector<Key>, std::greater<Key>> ready;
    const auto offer = [&](int r) {
        if (r != last && runs[r].drawn && waiting[r] == 0) {
            ready.emplace(runs[r].facesAway, runs[r].distance, r);
        }
    };
    for (int r = 0; r < runCount; ++r) {
        offer(r);
    }
    while (!ready.empty()) {
        const int r = std::get<2>(ready.top());
        ready.pop();
        pass.order.push_back(r);
        for (int e = start[r]; e < start[r + 1]; ++e) {
            const int next = ties[e].second;
            --waiting[next];
            offer(next);
        }
    }
    pass.order.push_back(last);
}
