#include "render/wall_pass.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <queue>
#include <tuple>
#include <utility>

#include "render/face_ties.h"
#include "render/lattice.h"
#include "render/sight.h"

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

// Per face: in view or not; per run: whether its draw can need clipping. The marker joins
// the last run's draw, so that run's rounding is never its own alone.
void LookAtFaces(const WallPass& pass, const View& view, WallPassStorage& scratch) {
    const int last = static_cast<int>(pass.runs.size()) - 1;
    scratch.inView.assign(pass.faces.size(), 0);
    scratch.exact.assign(pass.faces.size(), 0);
    scratch.runOf.resize(pass.faces.size());
    scratch.runs.assign(pass.runs.size(), RunFacts{});
    for (int r = 0; r <= last; ++r) {
        RunFacts& run = scratch.runs[r];
        run.exact = r != last;
        for (int i = pass.runs[r].first; i < pass.runs[r].last; ++i) {
            const WallFace& f = pass.faces[i];
            int outside = ~0;
            for (int k = 0; k < 4; ++k) {
                const ClipPoint p = ToClip(view, FaceCorner(f, k));
                outside &= OutsidePlanes(p);
                run.exact = run.exact && !MayNeedClipping(p);
            }
            scratch.inView[i] = outside == 0;
            const Vec3 toEye = view.eye - f.corner;
            run.facesAway = run.facesAway && dot(f.normal, toEye) <= 0;
            run.distance = std::min(run.distance, DistanceTo(f, view.eye));
        }
        std::fill(scratch.exact.begin() + pass.runs[r].first,
                  scratch.exact.begin() + pass.runs[r].last, run.exact);
        std::fill(scratch.runOf.begin() + pass.runs[r].first,
                  scratch.runOf.begin() + pass.runs[r].last, r);
    }
}

// Which faces may give a pixel: those in view that the eye sees first along some ray, and
// those that meet one of these where the two may tie (or where one wins by rounding).
// Without a flood from the eye, every face in view.
void FindShowingFaces(const Maze& maze, const CellRange& range, const View& view,
                      const WallPass& pass, WallPassStorage& scratch) {
    const std::size_t count = pass.faces.size();
    scratch.shows = scratch.inView;
    scratch.seen.assign(count, 0);
    if (!FindSeenFaces(maze, range, view, pass.faces, scratch.seen, scratch.sight)) {
        return;
    }
    // A face hidden along every ray can still win a pixel where it meets a seen face at equal
    // depth, drawn after it.
    std::vector<char>& shows = scratch.shows;
    const std::vector<char>& seen = scratch.seen;
    shows = seen;
    for (const auto& [a, b] : scratch.faceTies) {
        shows[a] = shows[a] || seen[b];
        shows[b] = shows[b] || seen[a];
    }
    for (std::size_t i = 0; i < count; ++i) {
        shows[i] = shows[i] && scratch.inView[i];
    }
}

// The runs to draw, nearest first (those facing away after the others), except that runs
// whose faces may tie keep the order of the faces, and the last run comes last.
void OrderRuns(WallPass& pass, WallPassStorage& scratch) {
    const int runCount = static_cast<int>(pass.runs.size());
    const int last = runCount - 1;
    for (int r = 0; r < runCount; ++r) {
        RunFacts& run = scratch.runs[r];
        run.drawn = r == last;
        for (int i = pass.runs[r].first; i < pass.runs[r].last; ++i) {
            run.drawn = run.drawn || scratch.shows[i];
        }
    }
    // Faces are in run order, so a tie of faces is one of runs in the same order.
    std::vector<std::pair<int, int>>& ties = scratch.runTies;
    ties.clear();
    for (const auto& [a, b] : scratch.faceTies) {
        const int from = scratch.runOf[a], to = scratch.runOf[b];
        if (from != to && scratch.runs[from].drawn && scratch.runs[to].drawn) {
            ties.emplace_back(from, to);
        }
    }
    std::sort(ties.begin(), ties.end());
    ties.erase(std::unique(ties.begin(), ties.end()), ties.end());

    // Tied pairs as edges earlier -> later, in the layout of a compressed adjacency list.
    std::vector<int>& waiting = scratch.waiting;
    std::vector<int>& start = scratch.start;
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
        if (r != last && scratch.runs[r].drawn && waiting[r] == 0) {
            ready.emplace(scratch.runs[r].facesAway, scratch.runs[r].distance, r);
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
            --waiting[ties[e].second];
            offer(ties[e].second);
        }
    }
    pass.order.push_back(last);
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
    WallPassStorage& scratch = pass.storage;
    LookAtFaces(pass, view, scratch);
    FindTies(pass.faces, scratch.exact, maze.cellSize(), view.eye, scratch.corners,
             scratch.faceTies);
    FindShowingFaces(maze, range, view, pass, scratch);
    OrderRuns(pass, scratch);
}
