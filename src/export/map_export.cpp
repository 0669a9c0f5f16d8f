#include "export/map_export.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/prompts.h"
#include "core/rules.h"
#include "core/save_file.h"
#include "export/compile_budget.h"
#include "export/compile_map.h"
#include "export/number_text.h"
#include "export/terrain_from_state.h"

namespace vh {

namespace {

// A face point: a square corner (0..3 for C0..C3) at its own height, at the
// floor level L or at the ceiling level H.
enum Level : uint8_t { kOwn, kLow, kHigh };
struct FacePoint {
    uint8_t corner;
    Level level;
};
struct Face {
    FacePoint p[3];
};
struct BrushTable {
    const Face* faces;
    int count;
    int topFace;        // the face written with the top texture and scales
    int nineSpaceFace;  // this face line starts with nine spaces; -1 for none
};

constexpr FacePoint O(int c) {
    return {static_cast<uint8_t>(c), kOwn};
}
constexpr FacePoint D(int c) {
    return {static_cast<uint8_t>(c), kLow};
}
constexpr FacePoint U(int c) {
    return {static_cast<uint8_t>(c), kHigh};
}

// Face tables exactly as the brushes have always been written, windings
// included; compilers and existing maps rely on them.
// Flatten bottom: the prism hangs from the surface down to L.
constexpr Face kBottomT1[] = {
    {O(3), O(2), O(0)}, {D(0), D(2), D(3)}, {O(2), O(3), D(3)}, {O(0), O(2), D(2)}, {O(3), O(0), D(0)}};
constexpr Face kBottomT2[] = {
    {O(0), O(1), O(3)}, {D(3), D(1), D(0)}, {O(1), O(0), D(0)}, {O(3), O(1), D(1)}, {O(0), O(3), D(3)}};
constexpr Face kBottomT3[] = {
    {O(2), O(0), O(1)}, {D(1), D(0), D(2)}, {O(1), O(0), D(0)}, {O(0), O(2), D(2)}, {O(2), O(1), D(1)}};
constexpr Face kBottomT4[] = {
    {O(1), O(3), O(2)}, {D(2), D(3), D(1)}, {O(2), O(3), D(3)}, {O(3), O(1), D(1)}, {O(1), O(2), D(2)}};
constexpr Face kBottomQuad[] = {{O(0), O(1), O(3)}, {D(3), D(1), D(0)}, {O(1), O(0), D(0)},
                                {O(3), O(1), D(1)}, {O(2), O(3), D(3)}, {O(0), O(2), D(2)}};
// Flatten top: the prism stands on the surface up to H.
constexpr Face kTopT1[] = {
    {U(3), U(2), U(0)}, {O(0), O(2), O(3)}, {U(2), U(3), O(3)}, {U(0), U(2), O(2)}, {U(3), U(0), O(0)}};
constexpr Face kTopT2[] = {
    {U(0), U(1), U(3)}, {O(3), O(1), O(0)}, {U(1), U(0), O(0)}, {U(3), U(1), O(1)}, {U(0), U(3), O(3)}};
constexpr Face kTopT3[] = {
    {U(2), U(0), U(1)}, {O(1), O(0), O(2)}, {U(1), U(0), O(0)}, {U(0), U(2), O(2)}, {U(2), U(1), O(1)}};
constexpr Face kTopT4[] = {
    {U(1), U(3), U(2)}, {O(2), O(3), O(1)}, {U(2), U(3), O(3)}, {U(3), U(1), O(1)}, {U(1), U(2), O(2)}};
constexpr Face kTopQuad[] = {{U(0), U(1), U(3)}, {O(3), O(1), O(0)}, {U(1), U(0), O(0)},
                             {U(3), U(1), O(1)}, {U(2), U(3), O(3)}, {U(0), U(2), O(2)}};
// Hint box over a square: faces 1 and 2 skip, 3 to 6 hint.
constexpr Face kHint[] = {{U(0), U(1), U(3)}, {D(3), D(1), D(0)}, {U(1), U(0), D(0)},
                          {U(3), U(1), D(1)}, {U(2), U(3), D(3)}, {U(0), U(2), D(2)}};

enum Variant { kT1, kT2, kT3, kT4, kQuad };

constexpr BrushTable kBottomTables[] = {{kBottomT1, 5, 0, -1},
                                        {kBottomT2, 5, 0, 4},
                                        {kBottomT3, 5, 0, -1},
                                        {kBottomT4, 5, 0, -1},
                                        {kBottomQuad, 6, 0, -1}};
constexpr BrushTable kTopTables[] = {
    {kTopT1, 5, 1, -1}, {kTopT2, 5, 1, 4}, {kTopT3, 5, 1, -1}, {kTopT4, 5, 1, -1}, {kTopQuad, 6, 1, -1}};

constexpr size_t kBlock = 1 << 20;
constexpr char kEight[] = "        ( ";
constexpr char kNine[] = "         ( ";
// Padded copies of the fixed pieces, so they copy in whole words.
constexpr char kEightPad[16] = "        ( ";
constexpr char kNinePad[16] = "         ( ";
constexpr char kBetweenPad[8] = " ) ( ";

// A point's text, formatted once: "x z " followed by the height. Copies of
// it and of the levels are fixed-size (the buffer has room past every line)
// and the write position then moves by the real length.
constexpr size_t kXzCopy = 32;     // "x z " is at most 2 * 13 + 2 chars
constexpr size_t kPointCopy = 48;  // and the height at most 13 more
static_assert(2 * kNumberTextLongest + 2 <= kXzCopy && 3 * kNumberTextLongest + 2 <= kPointCopy);
struct PointText {
    char text[kPointCopy];
    uint8_t xzLen;
    uint8_t len;
};

class MapWriter {
public:
    MapWriter(const Terrain& t, const BrushTextures& b, MapLevels levels, SaveFile& file) : file_(file) {
        const int np = t.PointCount;
        points_.resize(static_cast<size_t>(np) + 1);
        for (int i = 1; i <= np; ++i) {
            const TerrainPoint& p = t.Points[i];
            PointText& t = points_[i];
            size_t n = WriteNumberText(t.text, p.X);
            t.text[n++] = ' ';
            n += WriteNumberText(t.text + n, p.Z);
            t.text[n++] = ' ';
            t.xzLen = static_cast<uint8_t>(n);
            n += WriteNumberText(t.text + n, p.Height);
            t.len = static_cast<uint8_t>(n);
        }
        lowLen_ = WriteNumberText(low_, levels.Low);
        highLen_ = WriteNumberText(high_, levels.High);

        top_ = FaceSuffix(b.TopTexture, b.TopScaleX, b.TopScaleY);
        side_ = FaceSuffix(b.SideTexture, b.SideScaleX, b.SideScaleY);
        hint_ = FaceSuffix(b.HintTexture, 1, 1);
        skip_ = FaceSuffix(b.SkipTexture, 1, 1);
        sky_ = FaceSuffix(b.SkyTexture, 1, 1);
        size_t suffix = std::max({top_.size(), side_.size(), hint_.size(), skip_.size(), sky_.size()});
        // Prefix, three points with their separators and over-copies, suffix.
        lineMax_ = sizeof kNinePad + 3 * (kPointCopy + sizeof kBetweenPad) + kPointCopy + suffix + 64;
        buf_.resize(kBlock + lineMax_);
    }

    void Text(const char* text, size_t n) {
        std::memcpy(buf_.data() + pos_, text, n);
        pos_ += n;
        FlushIfFull();
    }
    void Line(const char* text) { Text(text, std::strlen(text)); }

    size_t Brushes() const { return brushes_; }

    void Brush(const BrushTable& t, const SquareCorners& c) {
        ++brushes_;
        const int corners[4] = {c.c0, c.c1, c.c2, c.c3};
        Line("    {\r\n");
        for (int f = 0; f < t.count; ++f) {
            const std::string& suffix = f == t.topFace ? top_ : side_;
            WriteFace(t.faces[f], corners, f == t.nineSpaceFace, suffix);
        }
        Line("    }\r\n");
    }

    void EmptyBrush() {
        ++brushes_;
        Line("    {\r\n    }\r\n");
    }

    void Hint(const SquareCorners& c) {
        ++brushes_;
        const int corners[4] = {c.c0, c.c1, c.c2, c.c3};
        Line("    {\r\n");
        for (int f = 0; f < 6; ++f) WriteFace(kHint[f], corners, false, f < 2 ? skip_ : hint_);
        Line("    }\r\n");
    }

    // Axis-aligned box in file coordinates; y1 > y2 (given from its high end).
    void Sky(float x1, float x2, float y1, float y2, float z1, float z2) {
        ++brushes_;
        const float faces[6][3][3] = {
            {{x1, y1, z2}, {x2, y1, z2}, {x2, y2, z2}}, {{x2, y2, z1}, {x2, y1, z1}, {x1, y1, z1}},
            {{x1, y1, z2}, {x1, y2, z2}, {x1, y2, z1}}, {{x2, y2, z2}, {x2, y1, z2}, {x2, y1, z1}},
            {{x2, y1, z2}, {x1, y1, z2}, {x1, y1, z1}}, {{x1, y2, z2}, {x2, y2, z2}, {x2, y2, z1}}};
        Line("    {\r\n");
        for (const auto& face : faces) {
            char* out = buf_.data() + pos_;
            char* p = Put(out, kEight, sizeof kEight - 1);
            for (int k = 0; k < 3; ++k) {
                if (k > 0) p = Put(p, " ) ( ", 5);
                p += WriteNumberText(p, face[k][0]);
                *p++ = ' ';
                p += WriteNumberText(p, face[k][1]);
                *p++ = ' ';
                p += WriteNumberText(p, face[k][2]);
            }
            p = Put(p, " ) ", 3);
            p = Put(p, sky_.data(), sky_.size());
            pos_ += static_cast<size_t>(p - out);
            FlushIfFull();
        }
        Line("    }\r\n");
    }

    void Finish() {
        if (pos_ > 0) file_.Write(buf_.data(), pos_);
        pos_ = 0;
    }

private:
    static char* Put(char* p, const char* text, size_t n) {
        std::memcpy(p, text, n);
        return p + n;
    }

    void WriteFace(const Face& face, const int corners[4], bool nine, const std::string& suffix) {
        char* out = buf_.data() + pos_;
        std::memcpy(out, nine ? kNinePad : kEightPad, sizeof kNinePad);
        char* p = out + (nine ? sizeof kNine - 1 : sizeof kEight - 1);
        for (int k = 0; k < 3; ++k) {
            if (k > 0) {
                std::memcpy(p, kBetweenPad, sizeof kBetweenPad);
                p += 5;
            }
            const FacePoint fp = face.p[k];
            const PointText& t = points_[corners[fp.corner]];
            if (fp.level == kOwn) {
                std::memcpy(p, t.text, kPointCopy);
                p += t.len;
            } else {
                std::memcpy(p, t.text, kXzCopy);
                p += t.xzLen;
                std::memcpy(p, fp.level == kLow ? low_ : high_, kNumberTextMax);
                p += fp.level == kLow ? lowLen_ : highLen_;
            }
        }
        p = Put(p, " ) ", 3);
        p = Put(p, suffix.data(), suffix.size());
        pos_ += static_cast<size_t>(p - out);
        FlushIfFull();
    }

    void FlushIfFull() {
        if (pos_ >= kBlock) Finish();
    }

    SaveFile& file_;
    std::vector<PointText> points_;
    char low_[kNumberTextMax], high_[kNumberTextMax];
    size_t lowLen_ = 0, highLen_ = 0;
    std::string top_, side_, hint_, skip_, sky_;
    size_t lineMax_ = 0;
    std::vector<char> buf_;
    size_t pos_ = 0;
    size_t brushes_ = 0;
};

// Checks that every square names existing points and that every number the
// file would hold is finite, before anything is written.
Status TerrainIsWhole(const Terrain& t, const BrushTextures& b) {
    auto invalid = [](std::string why) { return Fail(ErrorKind::Invalid, std::move(why)); };
    const int np = t.PointCount, nq = t.SquareCount;
    if (np < 1 || t.Points.size() < static_cast<size_t>(np) + 1 || t.PointsPerRow < 2)
        return invalid("There is no terrain to export.");
    for (int i = 1; i <= np; ++i) {
        const TerrainPoint& p = t.Points[i];
        if (!std::isfinite(p.X) || !std::isfinite(p.Z) || !std::isfinite(p.Height))
            return invalid("The terrain is damaged: point " + std::to_string(i) +
                           " is not at a finite place.");
    }
    for (float scale : {b.TopScaleX, b.TopScaleY, b.SideScaleX, b.SideScaleY})
        if (!std::isfinite(scale)) return invalid("A texture scale is not a finite number.");
    for (int i = 1; i <= nq; ++i) {
        const SquareCorners c = t.Corners(i);
        for (int p : {c.c0, c.c1, c.c2, c.c3})
            if (!(p >= 1 && p <= np))
                return invalid("The terrain is damaged: square " + std::to_string(i) +
                               " names a point that does not exist.");
    }
    return {};
}

}  // namespace

MapLevels ComputeMapLevels(const Terrain& t, int grid) {
    float lowest = 4096.0f, highest = -4096.0f;
    for (int i = 1; i <= t.PointCount; ++i) {
        const float h = t.Points[i].Height;
        if (h < lowest) lowest = h;
        if (h > highest) highest = h;
    }
    const float g = static_cast<float>(grid);
    return {lowest - g, highest + g};
}

SquareSplit BestFitSplit(float h0, float h1, float h2, float h3) {
    const float p = h0 * h3;
    const float q = h1 * h2;
    if (p > q) return SquareSplit::Backslash;
    if (p < q) return SquareSplit::Forward;
    if ((h0 == h1 && h2 == h3) || (h0 == h2 && h1 == h3)) return SquareSplit::Quad;
    return SquareSplit::Backslash;
}

std::string ExportedText(const ExportSummary& done, const std::string& path) {
    return "Exported " + GroupedCount(done.Brushes) + " brushes to " + FileTitleOf(path);
}

Status ExportMap(const Terrain& t, const ExportSettings& x, const BrushTextures& b, int grid,
                 RandomSource& rnd, const std::string& path, Progress& progress) {
    Result<ExportSummary> done = ExportMap(t, x, b, grid, rnd, CompileOptions{}, path, progress);
    if (!done) return done.Error();
    return {};
}

Result<ExportSummary> ExportMap(const Terrain& t, const ExportSettings& x, const BrushTextures& b, int grid,
                                RandomSource& rnd, const CompileOptions& options, const std::string& path,
                                Progress& progress) {
    const int nq = t.SquareCount;
    progress.Maximum(nq);
    progress.Value(0);
    progress.Status("Exporting Brushes...");
    rnd.Randomize();

    auto finish = [&](Result<ExportSummary> done) {
        progress.Status("No Selection.");
        return done;
    };

    if (Status whole = TerrainIsWhole(t, b); !whole) return finish(whole.Error());
    ExportSummary report;
    if (!options.Documented()) {
        TerrainExport terrain;
        std::string why;
        if (!MakeTerrainExport(t, x, b, grid, rnd, &terrain, &why))
            return finish(Fail(ErrorKind::Invalid, why));
        const MapPlan plan = PlanMap(terrain, options);
        if (!plan.Problem.empty()) return finish(Fail(ErrorKind::Invalid, plan.Problem));
        SaveFile file(path);
        if (Status opened = file.Open(); !opened) return finish(opened.Error());
        report.Brushes = WriteCompileMap(terrain, plan, options, file, progress);
        report.ExactTerrainBrushes = plan.ExactBrushes;
        report.TerrainBrushes = plan.Brushes.Size();
        report.Spawn = plan.Spawn;
        if (Status committed = file.Commit(); !committed) return finish(committed.Error());
        return finish(report);
    }

    const MapLevels levels = ComputeMapLevels(t, grid);
    const TerrainPoint& first = t.Points[1];
    const TerrainPoint& last = t.Points[t.PointCount];
    const float x0 = first.X, z0 = first.Z, xn = last.X, zn = last.Z;

    SaveFile file(path);
    if (Status opened = file.Open(); !opened) return finish(opened.Error());
    MapWriter w(t, b, levels, file);
    w.Line("{\r\n");
    w.Line("    \"classname\" \"worldspawn\"\r\n");

    const bool bottom = x.ExportPosition == 0;
    const bool top = x.ExportPosition == 1;
    auto brush = [&](Variant v, const SquareCorners& q) {
        if (bottom)
            w.Brush(kBottomTables[v], q);
        else if (top)
            w.Brush(kTopTables[v], q);
        else
            w.EmptyBrush();
    };
    auto pair = [&](SquareSplit split, const SquareCorners& q) {
        switch (split) {
            case SquareSplit::Backslash:
                brush(kT1, q);
                brush(kT2, q);
                break;
            case SquareSplit::Forward:
                brush(kT3, q);
                brush(kT4, q);
                break;
            case SquareSplit::Quad:
                brush(kQuad, q);
                break;
        }
    };

    const std::string& style = x.ExportType;
    if (style == "\\" || style == "//" || style == "Random" || style == "Best Fit") {
        for (int i = 1; i <= nq; ++i) {
            const SquareCorners q = t.Corners(i);
            SquareSplit split = SquareSplit::Backslash;
            if (style == "//") {
                split = SquareSplit::Forward;
            } else if (style == "Random") {
                const float r = rnd.Next() + 1.0f;
                split = RoundHalfEven(r) == 2.0 ? SquareSplit::Forward : SquareSplit::Backslash;
            } else if (style == "Best Fit") {
                const auto h = [&](int p) { return t.Points[p].Height; };
                split = BestFitSplit(h(q.c0), h(q.c1), h(q.c2), h(q.c3));
            }
            pair(split, q);
            progress.Value(i);
        }
    } else if (style == "X") {
        // Checkerboard: the pair flips after every square, and each row starts
        // opposite to the row before it.
        // Points per row of the terrain itself: after opening a document the
        // New Map setting X may describe another size.
        const int perRow = t.PointsPerRow - 1;
        bool backslash = true;
        for (int start = 1; perRow > 0 && start <= nq; start += perRow) {
            const bool rowStart = backslash;
            for (int i = start; i < start + perRow && i <= nq; ++i) {
                pair(backslash ? SquareSplit::Backslash : SquareSplit::Forward, t.Corners(i));
                backslash = !backslash;
                progress.Value(i);
            }
            backslash = !rowStart;
        }
    }

    if (x.AddHint) {
        progress.Status("Exporting Hint Brushes...");
        for (int i = 1; i <= nq; ++i) {
            w.Hint(t.Corners(i));
            progress.Value(i);
        }
    }

    if (x.AddSky) {
        const float g = static_cast<float>(grid);
        const float lo = levels.Low, hi = levels.High;
        w.Sky(x0 - g, x0, zn, z0, lo, hi);
        w.Sky(xn, xn + g, zn, z0, lo, hi);
        w.Sky(x0 - g, xn + g, zn + g, zn, lo, hi);
        w.Sky(x0 - g, xn + g, z0, z0 - g, lo, hi);
        w.Sky(x0 - g, xn + g, zn + g, z0 - g, hi, hi + g);
    }

    w.Line("}\r\n");
    w.Finish();
    report.Brushes = w.Brushes();
    report.TerrainBrushes = report.ExactTerrainBrushes =
        w.Brushes() - (x.AddHint ? static_cast<size_t>(nq) : 0) - (x.AddSky ? 5 : 0);
    if (Status committed = file.Commit(); !committed) return finish(committed.Error());
    return finish(report);
}

}  // namespace vh
