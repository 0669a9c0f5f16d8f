#include "export/map_faces.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "export/surface_caps.h"

namespace vh {

namespace {

struct Corner {
    float x, y, h;
};

void Put(FacePoints& f, int i, Corner c, float h) {
    f.P[i][0] = c.x;
    f.P[i][1] = c.y;
    f.P[i][2] = h;
}

FacePoints Face(Corner a, float ha, Corner b, float hb, Corner c, float hc) {
    FacePoints f;
    Put(f, 0, a, ha);
    Put(f, 1, b, hb);
    Put(f, 2, c, hc);
    return f;
}

}  // namespace

void EmitTerrainBrushes(const TerrainExport& t, const MapPlan& plan, BrushSink& sink) {
    const HeightField& f = plan.Field;
    const bool hills = t.Position == 0;
    const float flat = hills ? plan.Levels.Low : plan.Levels.High;
    auto at = [&](int p) { return Corner{f.X(f.Column(p)), f.Z(f.Row(p)), f.H(p)}; };
    // Neighbours share a side's vertical plane, facing opposite ways: once is
    // enough where only planes count, from the side running towards +x (or
    // +z), or from a side on the outline, which has no neighbour.
    const bool once = sink.SharedPlanesOnce();
    auto shared = [&](int u, int w) {
        const int du = f.Column(w) - f.Column(u), dr = f.Row(w) - f.Row(u);
        const bool forward = du > 0 || (du == 0 && dr > 0);
        const bool outline = (du == 0 && (f.Column(u) == 0 || f.Column(u) == f.Columns - 1)) ||
                             (dr == 0 && (f.Row(u) == 0 || f.Row(u) == f.Rows - 1));
        return !forward && !outline;
    };
    std::vector<int> corners, own;
    std::vector<GridPlane> tops;
    for (size_t i = 0; i < plan.Brushes.Size(); ++i) {
        const auto members = plan.Brushes[i];
        plan.Brushes.Outline(f, plan.Surface, i, &corners);
        sink.BeginBrush();
        const bool flatFace = !once || i == 0;
        // Under caves the flat face comes first, over hills the surface.
        bool flatDone = hills;
        tops.clear();
        for (int m : members) {
            const auto poly = plan.Surface[static_cast<size_t>(m)];
            if (members.size() > 1) TurningCorners(f, poly, &own);
            int tri[3];
            const GridPlane plane = PlaneOfPolygon(f, members.size() > 1 ? own : corners, tri);
            // Members in one plane (neighbours merging left apart) share a face.
            if (std::any_of(tops.begin(), tops.end(), [&](const GridPlane& q) {
                    return std::fabs(q.A - plane.A) < 1e-9 && std::fabs(q.B - plane.B) < 1e-9 &&
                           std::fabs(q.D - plane.D) < 1e-6;
                }))
                continue;
            tops.push_back(plane);
            const Corner a = at(tri[0]), b = at(tri[1]), c = at(tri[2]);  // counter-clockwise from above
            if (!flatDone) {
                if (flatFace) sink.Face(Face(a, flat, c, flat, b, flat), FaceTexture::Side);
                flatDone = true;
            }
            sink.Face(hills ? Face(a, a.h, c, c.h, b, b.h) : Face(a, a.h, b, b.h, c, c.h), FaceTexture::Top);
            if (hills && tops.size() == 1 && flatFace)
                sink.Face(Face(a, flat, b, flat, c, flat), FaceTexture::Side);
        }
        size_t skipped = flatFace ? 0 : 1;
        for (size_t k = 0; k < corners.size(); ++k) {
            const int pu = corners[k], pw = corners[(k + 1) % corners.size()];
            if (once && shared(pu, pw)) {
                ++skipped;
                continue;
            }
            const Corner u = at(pu), w = at(pw);
            sink.Face(hills ? Face(u, u.h, w, w.h, w, flat) : Face(u, flat, w, flat, w, w.h),
                      FaceTexture::Side);
        }
        if (skipped) sink.Skipped(skipped);
        sink.EndBrush();
    }
}

void EmitHintBrushes(const MapPlan& plan, BrushSink& sink) {
    const HeightField& f = plan.Field;
    const float lo = plan.Levels.Low, hi = plan.Levels.High;
    // Where only planes count: the two levels once; with one box per square
    // in square order, the grid lines once each too.
    const bool once = sink.SharedPlanesOnce();
    const bool squares = plan.Hints.size() == static_cast<size_t>(f.Squares());
    for (size_t i = 0; i < plan.Hints.size(); ++i) {
        const MapPlan::HintBox& box = plan.Hints[i];
        const int c = box.C, r = box.R;
        const Corner c0{f.X(c), f.Z(r + box.H), 0}, c1{f.X(c + box.W), f.Z(r + box.H), 0},
            c2{f.X(c), f.Z(r), 0}, c3{f.X(c + box.W), f.Z(r), 0};
        const bool levels = !once || i == 0, rowLines = !once || !squares || c == 0,
                   columnLines = !once || !squares || r == 0;
        sink.BeginBrush();
        if (levels) {
            sink.Face(Face(c0, hi, c1, hi, c3, hi), FaceTexture::Skip);
            sink.Face(Face(c3, lo, c1, lo, c0, lo), FaceTexture::Skip);
        }
        if (rowLines) sink.Face(Face(c1, hi, c0, hi, c0, lo), FaceTexture::Hint);
        if (columnLines) sink.Face(Face(c3, hi, c1, hi, c1, lo), FaceTexture::Hint);
        if (rowLines) sink.Face(Face(c2, hi, c3, hi, c3, lo), FaceTexture::Hint);
        if (columnLines) sink.Face(Face(c0, hi, c2, hi, c2, lo), FaceTexture::Hint);
        if (once) sink.Skipped((levels ? 0 : 2) + (rowLines ? 0 : 2) + (columnLines ? 0 : 2));
        sink.EndBrush();
    }
}

void EmitBoxBrushes(const MapPlan& plan, BrushSink& sink) {
    for (const MapBox& b : plan.Boxes.Boxes) {
        // The sky box's own face order: top, bottom, low x, high x, high y, low y.
        const float x1 = b.XMin, x2 = b.XMax, y1 = b.YMax, y2 = b.YMin, z1 = b.ZMin, z2 = b.ZMax;
        const FacePoints faces[6] = {
            {{{x1, y1, z2}, {x2, y1, z2}, {x2, y2, z2}}}, {{{x2, y2, z1}, {x2, y1, z1}, {x1, y1, z1}}},
            {{{x1, y1, z2}, {x1, y2, z2}, {x1, y2, z1}}}, {{{x2, y2, z2}, {x2, y1, z2}, {x2, y1, z1}}},
            {{{x2, y1, z2}, {x1, y1, z2}, {x1, y1, z1}}}, {{{x1, y2, z2}, {x2, y2, z2}, {x2, y2, z1}}}};
        sink.BeginBrush();
        for (int i = 0; i < 6; ++i) {
            FaceTexture tex = b.Role == BoxRole::Sky ? FaceTexture::Sky : FaceTexture::Side;
            if (b.Role == BoxRole::Floor && i == 0) tex = FaceTexture::Top;
            sink.Face(faces[i], tex);
        }
        sink.EndBrush();
    }
}

}  // namespace vh
