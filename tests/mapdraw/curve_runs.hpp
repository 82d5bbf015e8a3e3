#pragma once
// A line of the map as the projection places it, in device points: its pieces, each in runs of
// 32 chords with their bounding boxes, so that a point is found on it or not quickly.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

namespace tensova::test {

using DevicePoint = std::array<double, 2>;

// How far p lies from the segment ab.
inline double toSegment(const DevicePoint& p, const DevicePoint& a, const DevicePoint& b) {
    const double dx = b[0] - a[0], dy = b[1] - a[1], len2 = dx * dx + dy * dy;
    const double t =
        len2 > 0 ? std::clamp(((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(p[0] - a[0] - t * dx, p[1] - a[1] - t * dy);
}

struct Curve {
    struct Run {
        std::vector<DevicePoint> points;
        double xmin = 1e30, xmax = -1e30, ymin = 1e30, ymax = -1e30;
        bool near(const DevicePoint& p, double tol) const {
            return p[0] >= xmin - tol && p[0] <= xmax + tol && p[1] >= ymin - tol &&
                   p[1] <= ymax + tol;
        }
    };
    std::vector<Run> runs;
    Run all;  // the box of them all

    // A piece of the curve, its points in order.
    void add(const std::vector<DevicePoint>& piece) {
        for (std::size_t start = 0; start + 1 < piece.size(); start += 32) {
            Run r;
            for (std::size_t k = start; k < std::min(piece.size(), start + 33); ++k) {
                const DevicePoint& p = piece[k];
                r.points.push_back(p);
                r.xmin = std::min(r.xmin, p[0]), r.xmax = std::max(r.xmax, p[0]);
                r.ymin = std::min(r.ymin, p[1]), r.ymax = std::max(r.ymax, p[1]);
            }
            all.xmin = std::min(all.xmin, r.xmin), all.xmax = std::max(all.xmax, r.xmax);
            all.ymin = std::min(all.ymin, r.ymin), all.ymax = std::max(all.ymax, r.ymax);
            runs.push_back(std::move(r));
        }
    }
    // Whether p lies within tol of one of its chords.
    bool holds(const DevicePoint& p, double tol) const {
        if (!all.near(p, tol)) return false;
        for (const Run& r : runs) {
            if (!r.near(p, tol)) continue;
            for (std::size_t k = 1; k < r.points.size(); ++k)
                if (toSegment(p, r.points[k - 1], r.points[k]) <= tol) return true;
        }
        return false;
    }
};

}  // namespace tensova::test
