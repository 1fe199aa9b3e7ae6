#pragma once

#include "MapPlan.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace orvd::demo {

enum class Ground : std::uint8_t { Land, Sea, Lake, River };

// A lake of the flow grid: its cells, in index order.
struct Lake {
    std::vector<int> Cells;
};

// The generated land of one map: elevation per pixel (below 0 is sea), what covers each pixel,
// and the coarse flow grid that the rivers and lakes come from. Rows run top to bottom.
struct Terrain {
    int Width = 0;
    int Height = 0;
    float Scale = 1; // pixels per unit
    std::vector<float> Elevation;
    std::vector<float> Moisture;     // 0..1
    std::vector<std::uint8_t> Water; // river coverage, 0..255
    std::vector<Ground> Cover;
    std::vector<std::uint8_t> Forest; // tree cover of land, 0..255

    int Cell = 4; // flow-grid cell side in pixels
    int GridWidth = 0;
    int GridHeight = 0;
    std::vector<float> GridElevation;
    std::vector<float> GridLevel;         // water surface of a basin, else the elevation
    std::vector<float> Flow;              // catchment in units squared
    std::vector<std::int32_t> Downstream; // -1 where water leaves the grid
    std::vector<std::int32_t> LakeOf;     // index into Lakes, -1 for none
    std::vector<Lake> Lakes;
    float RiverFlow = 0; // the catchment at which a river starts

    Ground At(int x, int y) const {
        return Cover[std::size_t(y) * std::size_t(Width) + std::size_t(x)];
    }
    std::uint8_t ForestAt(int x, int y) const {
        return Forest[std::size_t(y) * std::size_t(Width) + std::size_t(x)];
    }
    float ElevationAt(int x, int y) const {
        return Elevation[std::size_t(y) * std::size_t(Width) + std::size_t(x)];
    }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
    // Pixel at the centre of a grid cell.
    int CellX(int cell) const { return std::min(Width - 1, (cell % GridWidth) * Cell + Cell / 2); }
    int CellY(int cell) const { return std::min(Height - 1, (cell / GridWidth) * Cell + Cell / 2); }
};

// Makes the terrain of `plan` at `scale` (1 gives the map's full size). Deterministic.
Terrain MakeTerrain(const MapPlan& plan, float scale);

} // namespace orvd::demo
