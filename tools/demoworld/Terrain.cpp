#include "Terrain.h"

#include "Noise.h"
#include "ParallelRows.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <queue>

namespace orvd::demo {
namespace {

// A smooth field sampled every kStep pixels and read back bilinearly: the broad shapes (coast
// outline, mountain belts, climate) cost a few thousand noise samples instead of millions.
class CoarseField {
public:
    static constexpr int kStep = 8;

    CoarseField(int width, int height, const std::function<float(float, float)>& at)
        : columns_(width / kStep + 2), rows_(height / kStep + 2),
          values_(std::size_t(columns_) * std::size_t(rows_)) {
        for (int r = 0; r < rows_; ++r)
            for (int c = 0; c < columns_; ++c)
                values_[std::size_t(r * columns_ + c)] = at(float(c * kStep), float(r * kStep));
    }

    float At(int x, int y) const {
        const int c = x / kStep;
        const int r = y / kStep;
        const float fx = float(x % kStep) / kStep;
        const float fy = float(y % kStep) / kStep;
        const float* row = &values_[std::size_t(r * columns_ + c)];
        const float top = row[0] + fx * (row[1] - row[0]);
        const float bottom = row[columns_] + fx * (row[columns_ + 1] - row[columns_]);
        return top + fy * (bottom - top);
    }

private:
    int columns_;
    int rows_;
    std::vector<float> values_;
};

float EdgePull(float distance) {
    const float t = 1.f - Smoothstep(0.f, 0.42f, distance);
    return t * t;
}

struct Noises {
    explicit Noises(std::uint64_t seed)
        : continent(MixSeed(seed, 11)), detail(MixSeed(seed, 12)), fine(MixSeed(seed, 13)),
          belts(MixSeed(seed, 14)), ridges(MixSeed(seed, 15)), climate(MixSeed(seed, 16)) {}
    Noise continent, detail, fine, belts, ridges, climate;
};

void MakeElevation(const MapPlan& plan, Terrain& t) {
    const Noises n(plan.Seed);
    const float unit = 1.f / t.Scale;
    const float w = float(plan.Width);
    const float h = float(plan.Height);
    const CoarseField continent(t.Width, t.Height, [&](float x, float y) {
        const float u = x * unit;
        const float v = y * unit;
        const float nx = u / w;
        const float ny = v / h;
        const float pull = plan.SeaWest * EdgePull(nx) + plan.SeaEast * EdgePull(1.f - nx) +
                           plan.SeaNorth * EdgePull(ny) + plan.SeaSouth * EdgePull(1.f - ny);
        return 0.5f * n.continent.Fbm(u / 1500.f, v / 1500.f, 4) + plan.Land - 0.9f * pull + 0.1f +
               0.24f * n.detail.FbmPart(u / 300.f, v / 300.f, 0, 2, 6, 0.45f);
    });
    const CoarseField belts(t.Width, t.Height, [&](float x, float y) {
        return Smoothstep(0.05f, 0.45f,
                          n.belts.Fbm(x * unit / 1700.f, y * unit / 1700.f, 2) + plan.Mountains);
    });
    const CoarseField climate(t.Width, t.Height, [&](float x, float y) {
        return 0.5f + 0.4f * n.climate.Fbm(x * unit / 900.f, y * unit / 900.f, 3) + plan.Wetness;
    });

    ParallelRows(t.Height, [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y) {
            float* row = &t.Elevation[std::size_t(y) * std::size_t(t.Width)];
            float* wet = &t.Moisture[std::size_t(y) * std::size_t(t.Width)];
            const float v = float(y) * unit;
            for (int x = 0; x < t.Width; ++x) {
                const float u = float(x) * unit;
                const float broad = continent.At(x, y) +
                                    0.24f * n.detail.FbmPart(u / 300.f, v / 300.f, 2, 6, 6, 0.45f);
                float e = broad + 0.006f * n.fine.Fbm(u / 22.f, v / 22.f, 3);
                if (e > 0.f) {
                    const float mask = belts.At(x, y) * Smoothstep(0.02f, 0.22f, broad);
                    if (mask > 0.f) {
                        const float ridge = n.ridges.Ridged(u / 650.f, v / 650.f, 7);
                        e += mask * (1.05f * ridge * ridge + 0.2f * ridge);
                    }
                    e *= 0.8f;
                }
                row[x] = e;
                wet[x] = std::clamp(climate.At(x, y) - 0.3f * std::max(0.f, e - 0.45f), 0.f, 1.f);
            }
        }
    });
}

// Priority flood from the sea and the map's edges: every cell drains to the neighbour it was
// reached from, so water always finds the sea; the filled level above a cell marks a basin.
void MakeFlow(Terrain& t) {
    std::vector<float>& filled = t.GridLevel;
    const int gw = t.GridWidth;
    const int gh = t.GridHeight;
    const std::size_t count = std::size_t(gw) * std::size_t(gh);
    filled.assign(count, 0.f);
    t.Downstream.assign(count, -1);
    std::vector<std::uint8_t> done(count, 0);
    std::vector<int> order;
    order.reserve(count);
    using Entry = std::pair<float, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    for (int c = 0; c < int(count); ++c) {
        const int x = c % gw;
        const int y = c / gw;
        if (t.GridElevation[std::size_t(c)] < 0.f || x == 0 || y == 0 || x == gw - 1 ||
            y == gh - 1) {
            filled[std::size_t(c)] = t.GridElevation[std::size_t(c)];
            done[std::size_t(c)] = 1;
            open.emplace(filled[std::size_t(c)], c);
        }
    }
    static constexpr int kDx[8] = {1, -1, 0, 0, 1, 1, -1, -1};
    static constexpr int kDy[8] = {0, 0, 1, -1, 1, -1, 1, -1};
    while (!open.empty()) {
        const auto [level, c] = open.top();
        open.pop();
        order.push_back(c);
        const int x = c % gw;
        const int y = c / gw;
        for (int k = 0; k < 8; ++k) {
            const int nx = x + kDx[k];
            const int ny = y + kDy[k];
            if (nx < 0 || ny < 0 || nx >= gw || ny >= gh)
                continue;
            const int nc = ny * gw + nx;
            if (done[std::size_t(nc)])
                continue;
            done[std::size_t(nc)] = 1;
            filled[std::size_t(nc)] = std::max(t.GridElevation[std::size_t(nc)], level);
            t.Downstream[std::size_t(nc)] = c;
            open.emplace(filled[std::size_t(nc)], nc);
        }
    }
    const float cellArea = float(t.Cell) * float(t.Cell) / (t.Scale * t.Scale);
    t.Flow.assign(count, 0.f);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const int c = *it;
        if (t.GridElevation[std::size_t(c)] >= 0.f) {
            const int px = t.CellX(c);
            const int py = t.CellY(c);
            t.Flow[std::size_t(c)] +=
                cellArea *
                (0.3f + t.Moisture[std::size_t(py) * std::size_t(t.Width) + std::size_t(px)]);
        }
        if (t.Downstream[std::size_t(c)] >= 0)
            t.Flow[std::size_t(t.Downstream[std::size_t(c)])] += t.Flow[std::size_t(c)];
    }
}

// Basins deeper than a small margin somewhere become lakes, shallow rims included; the largest
// ones are kept.
void MakeLakes(const MapPlan& plan, Terrain& t) {
    const int gw = t.GridWidth;
    const std::vector<float>& filled = t.GridLevel;
    const std::size_t count = filled.size();
    const float depth = 0.012f - 0.01f * plan.Wetness;
    std::vector<std::uint8_t> basin(count, 0);
    for (std::size_t c = 0; c < count; ++c)
        basin[c] = t.GridElevation[c] >= 0.f && filled[c] - t.GridElevation[c] > 1e-6f;
    std::vector<Lake> lakes;
    std::vector<std::int32_t> seen(count, -1);
    for (std::size_t start = 0; start < count; ++start) {
        if (!basin[start] || seen[start] >= 0)
            continue;
        Lake lake;
        float deepest = 0.f;
        std::vector<int> stack{int(start)};
        seen[start] = 0;
        while (!stack.empty()) {
            const int c = stack.back();
            stack.pop_back();
            lake.Cells.push_back(c);
            deepest = std::max(deepest, filled[std::size_t(c)] - t.GridElevation[std::size_t(c)]);
            const int x = c % gw;
            const int y = c / gw;
            const int next[4] = {x > 0 ? c - 1 : -1, x + 1 < gw ? c + 1 : -1, y > 0 ? c - gw : -1,
                                 c + gw < int(count) ? c + gw : -1};
            for (const int nc : next) {
                if (nc >= 0 && basin[std::size_t(nc)] && seen[std::size_t(nc)] < 0) {
                    seen[std::size_t(nc)] = 0;
                    stack.push_back(nc);
                }
            }
        }
        std::sort(lake.Cells.begin(), lake.Cells.end());
        if (deepest > depth)
            lakes.push_back(std::move(lake));
    }
    std::stable_sort(lakes.begin(), lakes.end(),
                     [](const Lake& a, const Lake& b) { return a.Cells.size() > b.Cells.size(); });
    const float cellArea = float(t.Cell) * float(t.Cell) / (t.Scale * t.Scale);
    t.LakeOf.assign(count, -1);
    for (Lake& lake : lakes) {
        if (int(t.Lakes.size()) >= plan.MaxLakes || float(lake.Cells.size()) * cellArea < 2500.f)
            break;
        for (const int c : lake.Cells)
            t.LakeOf[std::size_t(c)] = std::int32_t(t.Lakes.size());
        t.Lakes.push_back(std::move(lake));
    }
}

// Anti-aliased round-capped stroke from (x0, y0) to (x1, y1) into the river coverage.
void StrokeRiver(Terrain& t, float x0, float y0, float x1, float y1, float width) {
    const float r = width * 0.5f;
    const int left = std::max(0, int(std::floor(std::min(x0, x1) - r - 1)));
    const int right = std::min(t.Width - 1, int(std::ceil(std::max(x0, x1) + r + 1)));
    const int top = std::max(0, int(std::floor(std::min(y0, y1) - r - 1)));
    const int bottom = std::min(t.Height - 1, int(std::ceil(std::max(y0, y1) + r + 1)));
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    const float length2 = std::max(1e-6f, dx * dx + dy * dy);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const float px = float(x) + 0.5f - x0;
            const float py = float(y) + 0.5f - y0;
            const float s = std::clamp((px * dx + py * dy) / length2, 0.f, 1.f);
            const float ex = px - s * dx;
            const float ey = py - s * dy;
            const float coverage = std::clamp(r + 0.5f - std::sqrt(ex * ex + ey * ey), 0.f, 1.f);
            std::uint8_t& cell = t.Water[std::size_t(y) * std::size_t(t.Width) + std::size_t(x)];
            cell = std::max(cell, std::uint8_t(coverage * 255.f + 0.5f));
        }
    }
}

void MakeRivers(const MapPlan& plan, Terrain& t) {
    const int gw = t.GridWidth;
    t.RiverFlow = 16000.f * (1.f - 0.5f * plan.Wetness);
    // River points wander smoothly off the grid, and each course is drawn as curves through
    // the midpoints between cells, so rivers meander instead of following the grid.
    const Noise wander(MixSeed(plan.Seed, 98));
    const float unit = 1.f / t.Scale;
    auto point = [&](int c, float& x, float& y) {
        const float cx = (float(c % gw) + 0.5f) * float(t.Cell);
        const float cy = (float(c / gw) + 0.5f) * float(t.Cell);
        x = cx + 7.f * t.Scale * wander.Fbm(cx * unit / 90.f, cy * unit / 90.f, 2);
        y = cy + 7.f * t.Scale * wander.Fbm(cx * unit / 90.f + 40.f, cy * unit / 90.f, 2);
    };
    auto isRiver = [&](int c) {
        return t.Downstream[std::size_t(c)] >= 0 && t.GridElevation[std::size_t(c)] >= 0.f &&
               t.LakeOf[std::size_t(c)] < 0 && t.Flow[std::size_t(c)] >= t.RiverFlow;
    };
    std::vector<std::uint8_t> fed(t.Flow.size(), 0);
    for (int c = 0; c < int(t.Flow.size()); ++c)
        if (isRiver(c))
            fed[std::size_t(t.Downstream[std::size_t(c)])] = 1;
    for (int c = 0; c < int(t.Flow.size()); ++c) {
        if (!isRiver(c))
            continue;
        const int down = t.Downstream[std::size_t(c)];
        const int next = t.Downstream[std::size_t(down)];
        const float strength = std::sqrt(t.Flow[std::size_t(c)] / t.RiverFlow) - 1.f;
        const float width = std::max(1.f, std::min(6.f, 1.6f + 0.9f * strength) * t.Scale);
        float x0, y0, x1, y1, x2, y2;
        point(c, x0, y0);
        point(down, x1, y1);
        if (next < 0) {
            StrokeRiver(t, x0, y0, x1, y1, width);
            continue;
        }
        point(next, x2, y2);
        // Quadratic curve from the midpoint (c, down) to the midpoint (down, next).
        float px = (x0 + x1) * 0.5f;
        float py = (y0 + y1) * 0.5f;
        const float ex = (x1 + x2) * 0.5f;
        const float ey = (y1 + y2) * 0.5f;
        if (!fed[std::size_t(c)])
            StrokeRiver(t, x0, y0, px, py, width);
        for (int k = 1; k <= 4; ++k) {
            const float s = float(k) / 4.f;
            const float a = (1 - s) * (1 - s);
            const float b = 2 * s * (1 - s);
            const float d = s * s;
            const float qx = a * (x0 + x1) * 0.5f + b * x1 + d * ex;
            const float qy = a * (y0 + y1) * 0.5f + b * y1 + d * ey;
            StrokeRiver(t, px, py, qx, qy, width);
            px = qx;
            py = qy;
        }
    }
}

void Classify(const MapPlan& plan, Terrain& t) {
    const Noise patches(MixSeed(plan.Seed, 21));
    const float unit = 1.f / t.Scale;
    const CoarseField woods(t.Width, t.Height, [&](float x, float y) {
        return 0.3f * patches.Fbm(x * unit / 140.f, y * unit / 140.f, 3);
    });
    const int gw = t.GridWidth;
    const int gh = t.GridHeight;
    // Highest lake level among a cell and its neighbours, so shores follow the pixel terrain
    // rather than the grid.
    std::vector<float> nearLevel(t.LakeOf.size(), -std::numeric_limits<float>::infinity());
    for (int c = 0; c < int(t.LakeOf.size()); ++c) {
        if (t.LakeOf[std::size_t(c)] < 0)
            continue;
        const float level = t.GridLevel[std::size_t(c)];
        const int x = c % gw;
        const int y = c / gw;
        for (int ny = std::max(0, y - 1); ny <= std::min(gh - 1, y + 1); ++ny)
            for (int nx = std::max(0, x - 1); nx <= std::min(gw - 1, x + 1); ++nx) {
                float& near = nearLevel[std::size_t(ny * gw + nx)];
                near = std::max(near, level);
            }
    }
    ParallelRows(t.Height, [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y) {
            const std::size_t row = std::size_t(y) * std::size_t(t.Width);
            const float* lakeRow = &nearLevel[std::size_t((y / t.Cell) * gw)];
            for (int x = 0; x < t.Width; ++x) {
                const float e = t.Elevation[row + std::size_t(x)];
                Ground g = Ground::Land;
                if (e < 0.f)
                    g = Ground::Sea;
                else if (e < lakeRow[x / t.Cell])
                    g = Ground::Lake;
                else if (t.Water[row + std::size_t(x)] >= 128)
                    g = Ground::River;
                t.Cover[row + std::size_t(x)] = g;
                float forest = 0.f;
                if (g == Ground::Land && e > 0.015f && e < 0.62f) {
                    const float wet = t.Moisture[row + std::size_t(x)] + woods.At(x, y);
                    forest = Smoothstep(0.54f, 0.58f, wet) * Smoothstep(0.015f, 0.04f, e) *
                             Smoothstep(0.62f, 0.5f, e);
                }
                t.Forest[row + std::size_t(x)] = std::uint8_t(forest * 255.f + 0.5f);
            }
        }
    });
}

} // namespace

Terrain MakeTerrain(const MapPlan& plan, float scale) {
    Terrain t;
    t.Scale = scale;
    t.Width = std::max(1, int(std::lround(float(plan.Width) * scale)));
    t.Height = std::max(1, int(std::lround(float(plan.Height) * scale)));
    const std::size_t pixels = std::size_t(t.Width) * std::size_t(t.Height);
    t.Elevation.resize(pixels);
    t.Moisture.resize(pixels);
    t.Water.assign(pixels, 0);
    t.Cover.resize(pixels);
    t.Forest.resize(pixels);
    MakeElevation(plan, t);

    t.Cell = std::max(2, int(std::lround(4.f * scale)));
    t.GridWidth = (t.Width + t.Cell - 1) / t.Cell;
    t.GridHeight = (t.Height + t.Cell - 1) / t.Cell;
    t.GridElevation.resize(std::size_t(t.GridWidth) * std::size_t(t.GridHeight));
    for (int c = 0; c < int(t.GridElevation.size()); ++c)
        t.GridElevation[std::size_t(c)] = t.ElevationAt(t.CellX(c), t.CellY(c));
    MakeFlow(t);
    MakeLakes(plan, t);
    MakeRivers(plan, t);
    Classify(plan, t);
    return t;
}

} // namespace orvd::demo
