// What a compile-ready export will cost a map compiler, known before writing:
// brushes, distinct planes, and estimates of the compiled faces, clipnodes,
// nodes and leafs, against the limits of Quake's original BSP29 format.
#pragma once

#include <string>
#include <vector>

#include "export/compile_options.h"
#include "export/height_field.h"
#include "export/map_plan.h"

namespace vh {

constexpr size_t kBsp29MaxPlanes = 32767, kBsp29MaxClipnodes = 32767;
constexpr size_t kBsp29MaxFaces = 65535, kBsp29MaxMarksurfaces = 65535;
// Node children are signed 16-bit; the original engine keeps a leaf's bit in
// fixed arrays of 8,192 leafs.
constexpr size_t kBsp29MaxNodes = 32767, kBsp29MaxLeafs = 8192;

struct MapBudget {
    size_t Brushes = 0;              // every brush written
    size_t TerrainBrushes = 0;       // after the lean options
    size_t ExactTerrainBrushes = 0;  // before them
    size_t BrushFaces = 0;           // faces written, over all brushes
    size_t Planes = 0;               // distinct planes of the brushes (counted exactly)
    size_t BspPlanes = 0;            // estimate: planes in the compiled file (with the hulls')
    size_t Faces = 0;                // estimate: faces in the compiled file
    size_t Marksurfaces = 0;         // estimate
    size_t Clipnodes = 0;            // estimate
    size_t Nodes = 0;                // estimate: the drawn hull's nodes
    size_t Leafs = 0;                // estimate: its leafs
    bool Filled = false;             // sealed with a spawn point: the outside is removed
    bool NeedsBsp2 = false;          // some count is over a BSP29 limit
    std::string Problem;             // why the map cannot be written, if so
};

MapBudget CompileBudget(const TerrainExport& t, const CompileOptions& o);

// The same for a plan already made.
MapBudget BudgetOfPlan(const TerrainExport& t, const MapPlan& plan);

// The budget as "Name: value" lines: brushes (before and after the lean
// options), brush faces, planes, faces, marksurfaces, clipnodes, nodes and
// leafs against the BSP29 limits, whether the outside is filled, and the format it needs.
std::string DescribeBudget(const MapBudget& b);

// Counts with thousands separators: 8114 gives "8,114".
std::string GroupedCount(size_t n);

}  // namespace vh
