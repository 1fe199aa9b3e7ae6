#include "PlaceFinder.h"

#include "Noise.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace orvd::demo {

bool OnLand(PlaceKind kind) {
    return kind != PlaceKind::Lake && kind != PlaceKind::Bay;
}

namespace {

struct Candidate {
    float Score;
    int X;
    int Y;
    PlaceKind Kind;
};

class Finder {
public:
    Finder(const MapPlan& plan, const Terrain& t)
        : plan_(plan), t_(t), random_(MixSeed(plan.Seed, 77)) {
        const std::size_t cells = t.Flow.size();
        river_.resize(cells);
        for (std::size_t c = 0; c < cells; ++c)
            river_[c] = t.GridElevation[c] >= 0.f && t.LakeOf[c] < 0 && t.Flow[c] >= t.RiverFlow;
    }

    std::vector<Place> Run() {
        const float area = float(plan_.Width) * float(plan_.Height);
        const float spacing = std::sqrt(area / 45.f);
        Take(Lakes(), 6, spacing * 0.5f);
        Take(Peaks(), 6, spacing * 0.9f);
        Take(Passes(), 4, spacing * 0.8f);
        Take(Capes(), 5, spacing * 0.8f);
        Take(Bays(), 3, spacing * 0.8f);
        Take(Forests(), 4, spacing * 0.9f);
        const std::vector<Candidate> towns = Towns();
        for (float factor = 0.6f; places_.size() < 48 && factor > 0.1f; factor *= 0.8f)
            Take(towns, 48 - int(places_.size()), spacing * factor);
        return places_;
    }

private:
    float Units(float units) const { return units * t_.Scale; }
    Ground CoverOfCell(int c) const { return t_.At(t_.CellX(c), t_.CellY(c)); }

    bool FreeLand(int x, int y) const {
        return t_.Inside(x, y) && t_.At(x, y) == Ground::Land &&
               t_.Water[std::size_t(y) * std::size_t(t_.Width) + std::size_t(x)] == 0;
    }

    using Ring = std::vector<Point>;

    // 16 points round a circle of `radius` units, as pixel offsets; made once per radius.
    const Ring& MakeRing(float radius) const {
        Ring& ring = rings_[radius];
        if (!ring.empty())
            return ring;
        for (int k = 0; k < 16; ++k) {
            const float a = float(k) * 0.392699f;
            ring.push_back({int(std::lround(std::cos(a) * Units(radius))),
                            int(std::lround(std::sin(a) * Units(radius)))});
        }
        return ring;
    }

    // Share of sea among the points of a ring of `radius` units and one of half that round
    // (x, y); outside the map counts as sea.
    float SeaShare(int x, int y, float radius) const {
        const Ring& outer = MakeRing(radius);
        const Ring& inner = MakeRing(radius * 0.5f);
        int sea = 0;
        for (const Ring* ring : {&outer, &inner})
            for (const Point& d : *ring) {
                const int px = x + d.x;
                const int py = y + d.y;
                sea += !t_.Inside(px, py) || t_.At(px, py) == Ground::Sea;
            }
        return float(sea) / 32.f;
    }

    // Any cell within `reach` cells satisfying `test`.
    template <typename Test> bool Near(int c, int reach, Test test) const {
        const int gx = c % t_.GridWidth;
        const int gy = c / t_.GridWidth;
        for (int y = std::max(0, gy - reach); y <= std::min(t_.GridHeight - 1, gy + reach); ++y)
            for (int x = std::max(0, gx - reach); x <= std::min(t_.GridWidth - 1, gx + reach); ++x)
                if (test(y * t_.GridWidth + x))
                    return true;
        return false;
    }

    // Greedy: best candidates first, each far enough from every place taken so far.
    void Take(std::vector<Candidate> list, int count, float spacing) {
        std::stable_sort(list.begin(), list.end(),
                         [](const Candidate& a, const Candidate& b) { return a.Score > b.Score; });
        const float apart = Units(spacing);
        const float any = Units(60.f);
        int taken = 0;
        for (const Candidate& c : list) {
            if (taken >= count)
                break;
            bool free = true;
            for (const Place& p : places_) {
                const float dx = float(p.Position.x - c.X);
                const float dy = float(p.Position.y - c.Y);
                const float d2 = dx * dx + dy * dy;
                const bool sameGroup = IsTown(p.Kind) == IsTown(c.Kind);
                const float limit = sameGroup ? apart : any;
                if (d2 < limit * limit) {
                    free = false;
                    break;
                }
            }
            if (free) {
                places_.push_back({c.Kind, {c.X, c.Y}});
                ++taken;
            }
        }
    }

    static bool IsTown(PlaceKind k) {
        return k == PlaceKind::CoastTown || k == PlaceKind::RiverTown || k == PlaceKind::LakeTown ||
               k == PlaceKind::Town;
    }

    std::vector<Candidate> Lakes() const {
        std::vector<Candidate> list;
        for (const Lake& lake : t_.Lakes) {
            double sx = 0, sy = 0;
            for (const int c : lake.Cells) {
                sx += t_.CellX(c);
                sy += t_.CellY(c);
            }
            sx /= double(lake.Cells.size());
            sy /= double(lake.Cells.size());
            // The lake pixel nearest the middle of the lake.
            int best = -1;
            double bestD = 1e30;
            for (const int c : lake.Cells) {
                const int x = t_.CellX(c);
                const int y = t_.CellY(c);
                const double d = (x - sx) * (x - sx) + (y - sy) * (y - sy);
                if (t_.At(x, y) == Ground::Lake && d < bestD) {
                    bestD = d;
                    best = c;
                }
            }
            if (best >= 0)
                list.push_back(
                    {float(lake.Cells.size()), t_.CellX(best), t_.CellY(best), PlaceKind::Lake});
        }
        return list;
    }

    std::vector<Candidate> Peaks() const {
        std::vector<Candidate> list;
        const int reach = std::max(2, int(Units(80.f)) / t_.Cell);
        for (int c = 0; c < int(t_.GridElevation.size()); ++c) {
            const float h = t_.GridElevation[std::size_t(c)];
            if (h < 0.5f)
                continue;
            if (Near(c, 1, [&](int n) { return t_.GridElevation[std::size_t(n)] > h; }) ||
                Near(c, reach, [&](int n) { return t_.GridElevation[std::size_t(n)] > h; }))
                continue;
            const int x = t_.CellX(c);
            const int y = t_.CellY(c);
            if (FreeLand(x, y))
                list.push_back({h, x, y, PlaceKind::Peak});
        }
        return list;
    }

    // A saddle: going round it, the ground rises twice and falls twice.
    std::vector<Candidate> Passes() const {
        std::vector<Candidate> list;
        const Ring& around = MakeRing(40.f);
        for (int c = 0; c < int(t_.GridElevation.size()); c += 2) {
            const float h = t_.GridElevation[std::size_t(c)];
            if (h < 0.3f)
                continue;
            const int x = t_.CellX(c);
            const int y = t_.CellY(c);
            float ring[16];
            bool inside = true;
            for (int k = 0; k < 16 && inside; ++k) {
                const int px = x + around[std::size_t(k)].x;
                const int py = y + around[std::size_t(k)].y;
                inside = t_.Inside(px, py);
                if (inside)
                    ring[k] = t_.ElevationAt(px, py) - h;
            }
            if (!inside)
                continue;
            int changes = 0;
            float high = 0.f;
            float low = 0.f;
            for (int k = 0; k < 16; ++k) {
                changes += (ring[k] > 0.f) != (ring[(k + 1) % 16] > 0.f);
                high = std::max(high, ring[k]);
                low = std::min(low, ring[k]);
            }
            if (changes >= 4 && high > 0.05f && low < -0.05f && FreeLand(x, y))
                list.push_back({std::min(high, -low) + 0.2f * h, x, y, PlaceKind::Pass});
        }
        return list;
    }

    std::vector<Candidate> Capes() const {
        std::vector<Candidate> list;
        for (int c = 0; c < int(t_.GridElevation.size()); ++c) {
            if (CoverOfCell(c) != Ground::Land ||
                !Near(c, 1, [&](int n) { return CoverOfCell(n) == Ground::Sea; }))
                continue;
            const int x = t_.CellX(c);
            const int y = t_.CellY(c);
            if (!FreeLand(x, y))
                continue;
            const float share = SeaShare(x, y, 70.f);
            if (share >= 0.62f && SeaShare(x, y, 160.f) >= 0.55f)
                list.push_back({share, x, y, PlaceKind::Cape});
        }
        return list;
    }

    std::vector<Candidate> Bays() const {
        std::vector<Candidate> list;
        for (int c = 0; c < int(t_.GridElevation.size()); c += 2) {
            if (CoverOfCell(c) != Ground::Sea)
                continue;
            const int x = t_.CellX(c);
            const int y = t_.CellY(c);
            const float share = SeaShare(x, y, 150.f);
            if (share <= 0.45f && share >= 0.2f && SeaShare(x, y, 30.f) > 0.9f &&
                Near(c, int(Units(60.f)) / t_.Cell,
                     [&](int n) { return CoverOfCell(n) == Ground::Land; }))
                list.push_back({1.f - share, x, y, PlaceKind::Bay});
        }
        return list;
    }

    std::vector<Candidate> Forests() const {
        std::vector<Candidate> list;
        const float r = Units(60.f);
        for (int c = 0; c < int(t_.GridElevation.size()); c += 3) {
            const int x = t_.CellX(c);
            const int y = t_.CellY(c);
            if (!FreeLand(x, y) || t_.ForestAt(x, y) < 200)
                continue;
            int sum = 0;
            int n = 0;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx) {
                    const int px = x + int(float(dx) * r * 0.5f);
                    const int py = y + int(float(dy) * r * 0.5f);
                    sum += t_.Inside(px, py) ? t_.ForestAt(px, py) : 0;
                    ++n;
                }
            const float density = float(sum) / float(n) / 255.f;
            if (density > 0.75f)
                list.push_back({density, x, y, PlaceKind::Forest});
        }
        return list;
    }

    std::vector<Candidate> Towns() {
        std::vector<Candidate> list;
        const int step = std::max(1, int(Units(8.f)) / t_.Cell);
        for (int c = 0; c < int(t_.GridElevation.size()); c += step) {
            const int x = t_.CellX(c);
            const int y = t_.CellY(c);
            if (!FreeLand(x, y) || t_.ElevationAt(x, y) > 0.35f)
                continue;
            const float luck = random_.Unit();
            const bool coast = Near(c, 1, [&](int n) { return CoverOfCell(n) == Ground::Sea; });
            const bool river = Near(c, 1, [&](int n) { return river_[std::size_t(n)] != 0; });
            const bool lake = Near(c, 1, [&](int n) { return t_.LakeOf[std::size_t(n)] >= 0; });
            const float low = 0.3f * (0.35f - t_.ElevationAt(x, y));
            if (coast)
                list.push_back(
                    {1.0f + luck + (river ? 0.8f : 0.f) + low, x, y, PlaceKind::CoastTown});
            else if (lake)
                list.push_back({0.9f + luck + low, x, y, PlaceKind::LakeTown});
            else if (river)
                list.push_back({1.1f + luck + low, x, y, PlaceKind::RiverTown});
            else if (luck > 0.9f)
                list.push_back({luck - 0.6f + low, x, y, PlaceKind::Town});
        }
        return list;
    }

    const MapPlan& plan_;
    const Terrain& t_;
    Random random_;
    std::vector<std::uint8_t> river_;
    std::vector<Place> places_;
    mutable std::map<float, Ring> rings_;
};

} // namespace

std::vector<Place> FindPlaces(const MapPlan& plan, const Terrain& terrain) {
    return Finder(plan, terrain).Run();
}

} // namespace orvd::demo
