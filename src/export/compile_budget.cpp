#include "export/compile_budget.h"

#include <algorithm>
#include <cmath>

#include "export/plane_count.h"
#include "export/surface_merge.h"

namespace vh {

std::string GroupedCount(size_t n) {
    std::string digits = std::to_string(n), out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

MapBudget BudgetOfPlan(const TerrainExport& t, const MapPlan& plan) {
    MapBudget b;
    b.Problem = plan.Problem;
    b.TerrainBrushes = plan.Brushes.Size();
    b.ExactTerrainBrushes = plan.ExactBrushes;
    PlaneCounter planes(b.TerrainBrushes / 2 + 64);
    EmitTerrainBrushes(t, plan, planes);
    EmitHintBrushes(plan, planes);
    EmitBoxBrushes(plan, planes);
    b.Planes = planes.Count();
    b.BrushFaces = planes.Faces();
    b.Brushes = b.TerrainBrushes + plan.Hints.size() + plan.Boxes.Boxes.size();
    b.Filled = plan.Boxes.Sealed && plan.Spawn.Found;

    // Estimates fitted to qbsp's counts (scripts/calibrate-budget.py, two
    // seeds; nodes and leafs on one, up to 129 x 129) on terrains from 17 x 17
    // to 65 x 65, flat, terraced and rough, merged, simplified, with and
    // without hint brushes, hills and caves; checked again with brushes that
    // carry several surface faces and gathered hint boxes. What drives
    // them: the surface's distinct planes and the edges where it bends (the
    // compiler's hulls wrap these), the map's size, and whether the outside is
    // filled (then only the surface facing the open space counts).
    const double surface = static_cast<double>(planes.SurfacePlanes());
    const double creases =
        static_cast<double>(plan.Creases ? *plan.Creases : CountCreases(plan.Field, plan.Surface));
    const double squares = std::max(t.Field.Squares(), 1);
    // Surface polygons: what the fits below were made with.
    const double terrain = static_cast<double>(plan.Surface.Size()), distinct = static_cast<double>(b.Planes);
    const double caves = t.Position == 1 ? 1 : 0, hint = plan.Hints.empty() ? 0 : 1;
    // Hint boxes: one per square, as the fits were made, or fewer and larger
    // ones. Their sides cut the surface's faces: their length (half of each
    // box's outline, in squares) counts where their number did.
    const double hints = std::max(static_cast<double>(plan.Hints.size()), 1.0);
    double cuts = 0;
    for (const MapPlan::HintBox& h : plan.Hints) cuts += h.W + h.H;
    cuts = std::max(cuts / 2, 1.0);
    const double area = squares * t.Field.Spacing * t.Field.Spacing / (480.0 * 480.0);  // in subdivided faces
    double clipnodes, faces, marks, bspPlanes;
    if (b.Filled) {
        // Brushes that carry several surface faces leave the hulls a few
        // bevels fewer (5-8 % with more than half of the faces shared).
        const double shared = terrain > 0 ? 1 - static_cast<double>(b.TerrainBrushes) / terrain : 0;
        clipnodes =
            (surface * (7.901 + 0.4702 * std::log2(squares)) + 0.3988 * creases + 1.999 * caves * surface) *
            (1 - 0.1 * shared);
        // Large boxes leave the compiler's own subdivision of large faces.
        faces = hint ? std::max(0.9277 * surface + 1.659 * cuts, 1.491 * area)
                     : 2.421 * surface + 0.5506 * creases + 1.491 * area;
        marks = hint ? std::max(0.2185 * surface + 2.871 * std::sqrt(hints * cuts), 1.486 * area)
                     : 2.965 * surface + 0.5746 * creases + 1.486 * area;
        bspPlanes = 0.6993 * distinct + 2.516 * surface + 0.5095 * caves * surface - 21.49;
    } else {
        clipnodes = 20.42 * terrain + 26.91 * surface + 5.052 * creases + 10.15 * caves * surface;
        faces = std::max(-1.468 * surface + 3.069 * terrain - 0.477 * hint * hints, terrain);
        marks = std::max(-2.359 * surface + 4.517 * terrain - 1.136 * hint * hints, terrain);
        bspPlanes = 3.687 * distinct - 0.114 * surface;
    }
    // The drawn hull's tree: hint brushes cut the world into a cell per
    // square (with more cuts near the walls), and every terrain brush adds
    // its own; without them the surface's tilted planes drive it. Leafs come
    // to about half the nodes, fewer over a cave ceiling.
    double nodes, leafRatio;
    if (b.Filled) {
        nodes = hint ? 2.545 * hints + 14.1 * std::sqrt(hints) + 1.347 * terrain - 0.2743 * surface
                     : 0.7751 * terrain + 2.386 * surface;
        nodes += 19.24;
        leafRatio = hint ? 0.4828 + 0.09817 * std::min(surface / hints, 1.0) - 0.3228 * caves : 0.4556;
    } else {
        nodes = 2.778 * squares + 0.9093 * creases;
        leafRatio = 0.6445;
    }
    auto count = [](double v) { return static_cast<size_t>(std::llround(std::max(v, 0.0))); };
    b.Clipnodes = count(clipnodes);
    b.Faces = count(faces);
    b.Marksurfaces = count(marks);
    b.Nodes = count(nodes);
    b.Leafs = count(nodes * leafRatio);
    b.BspPlanes = std::max(count(bspPlanes), b.Planes);
    b.NeedsBsp2 = b.Clipnodes > kBsp29MaxClipnodes || b.BspPlanes > kBsp29MaxPlanes ||
                  b.Faces > kBsp29MaxFaces || b.Marksurfaces > kBsp29MaxMarksurfaces ||
                  b.Nodes > kBsp29MaxNodes || b.Leafs > kBsp29MaxLeafs;
    return b;
}

MapBudget CompileBudget(const TerrainExport& t, const CompileOptions& o) {
    return BudgetOfPlan(t, PlanMap(t, o));
}

std::string DescribeBudget(const MapBudget& b) {
    std::string t;
    auto line = [&](const std::string& name, const std::string& value) { t += name + ": " + value + "\n"; };
    auto about = [&](size_t n, size_t limit) {
        return "about " + GroupedCount(n) + " (BSP29 limit " + GroupedCount(limit) + ")";
    };
    line("Brushes", GroupedCount(b.Brushes) + " (terrain " + GroupedCount(b.TerrainBrushes) + ", " +
                        GroupedCount(b.ExactTerrainBrushes) + " without the lean options)");
    line("Brush faces", GroupedCount(b.BrushFaces));
    line("Planes", GroupedCount(b.Planes) + " distinct, about " + GroupedCount(b.BspPlanes) +
                       " in the compiled map (BSP29 limit " + GroupedCount(kBsp29MaxPlanes) + ")");
    line("Faces", about(b.Faces, kBsp29MaxFaces));
    line("Marksurfaces", about(b.Marksurfaces, kBsp29MaxMarksurfaces));
    line("Clipnodes", about(b.Clipnodes, kBsp29MaxClipnodes));
    line("Nodes", about(b.Nodes, kBsp29MaxNodes));
    line("Leafs", about(b.Leafs, kBsp29MaxLeafs));
    line("Outside filled", b.Filled ? "yes" : "no (it needs a sealed map with a spawn point)");
    line("Format", b.NeedsBsp2 ? "needs BSP2 (over a BSP29 limit)" : "fits BSP29");
    if (!b.Problem.empty()) line("Problem", b.Problem);
    return t;
}

}  // namespace vh
