#include "export/terrain_from_state.h"

#include <cmath>

#include "core/rules.h"
#include "export/compile_budget.h"
#include "export/map_plan.h"

namespace vh {

bool MakeTerrainExport(const Terrain& t, const ExportSettings& x, const BrushTextures& b, int grid,
                       RandomSource& rnd, TerrainExport* out, std::string* why) {
    const int np = t.PointCount;
    const int columns = t.PointsPerRow;
    if (np < 4 || columns < 2 || np % columns != 0 || np / columns < 2 ||
        t.Points.size() < static_cast<size_t>(np) + 1) {
        *why = "There is no terrain to export.";
        return false;
    }
    HeightField& f = out->Field;
    f.Columns = columns;
    f.Rows = np / columns;
    f.X0 = t.Points[1].X;
    f.Z0 = t.Points[1].Z;
    f.Spacing = t.Points[2].X - t.Points[1].X;
    f.Heights.resize(static_cast<size_t>(np));
    f.Locked.resize(static_cast<size_t>(np));
    for (int p = 0; p < np; ++p) {
        const TerrainPoint& q = t.Points[static_cast<size_t>(p) + 1];
        if (!std::isfinite(q.Height)) {
            *why = "The terrain is damaged: point " + std::to_string(p + 1) + " is not at a finite place.";
            return false;
        }
        if (q.X != f.X(f.Column(p)) || q.Z != f.Z(f.Row(p)) || !(f.Spacing > 0)) {
            *why = "The terrain's points are not evenly spaced, so it cannot be written this way.";
            return false;
        }
        f.Heights[static_cast<size_t>(p)] = q.Height;
        f.Locked[static_cast<size_t>(p)] = q.Locked ? 1 : 0;
    }

    const std::string& style = x.ExportType;
    out->Splits.clear();
    const int perRow = f.SquaresPerRow();
    if (style == "\\" || style == "//" || style == "Random" || style == "Best Fit" || style == "X") {
        out->Splits.reserve(static_cast<size_t>(f.Squares()));
        for (int q = 0; q < f.Squares(); ++q) {
            const int c = q % perRow, r = q / perRow;
            SquareSplit split = SquareSplit::Backslash;
            if (style == "//") {
                split = SquareSplit::Forward;
            } else if (style == "Random") {
                split =
                    RoundHalfEven(rnd.Next() + 1.0f) == 2.0 ? SquareSplit::Forward : SquareSplit::Backslash;
            } else if (style == "X") {
                split = (c + r) % 2 == 0 ? SquareSplit::Backslash : SquareSplit::Forward;
            } else if (style == "Best Fit") {
                split = BestFitSplit(f.H(c, r + 1), f.H(c + 1, r + 1), f.H(c, r), f.H(c + 1, r));
            }
            out->Splits.push_back(split);
        }
    }
    out->Position = x.ExportPosition;
    out->Hint = x.AddHint;
    out->Sky = x.AddSky;
    out->Grid = static_cast<float>(grid);
    out->Textures = b;
    return true;
}

namespace {

// The editor's terrain with the settings x, "Random" drawing from a copy of
// the editor's random source so that counting does not change the map.
bool BudgetTerrain(const EditorState& s, const ExportSettings& x, TerrainExport* out, std::string* why) {
    RandomSource rnd = s.Rnd;
    return MakeTerrainExport(s.Terrain, x, s.Brushes, s.Tools.Grid, rnd, out, why);
}

}  // namespace

std::string BudgetText(const EditorState& s, const ExportSettings& x, const MapChoices& c) {
    TerrainExport terrain;
    std::string why;
    if (!BudgetTerrain(s, x, &terrain, &why)) return why;
    std::string text = DescribeBudget(CompileBudget(terrain, CompileOptionsOf(c, x)));
    text.pop_back();  // the last line's break
    return text;
}

bool PrepareBudget(const EditorState& s, const ExportSettings& x, const MapChoices& c,
                   std::chrono::microseconds slice) {
    const CompileOptions o = CompileOptionsOf(c, x);
    if (!(o.Simplify > 0)) return true;
    TerrainExport terrain;
    std::string why;
    return !BudgetTerrain(s, x, &terrain, &why) || PrepareSurface(terrain, o, slice);
}

}  // namespace vh
