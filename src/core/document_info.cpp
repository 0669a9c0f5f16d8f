#include "core/document_info.h"

#include <algorithm>

#include "core/rules.h"

namespace vh {

std::string DescribeDocument(const std::string& path, const Terrain& t, const DocumentSettings& d) {
    std::string out;
    auto line = [&](const std::string& name, const std::string& value) {
        out.append(name).append(": ").append(value).append("\n");
    };
    auto num = [](float v) { return NumberText(v); };
    auto yesNo = [](bool b) { return std::string(b ? "True" : "False"); };

    const int np = t.PointCount, ns = t.SquareCount;
    const int perRow = t.PointsPerRow;
    const int rows = perRow > 0 ? np / perRow : 0;
    float lo = 0, hi = 0, spacing = 0;
    int locked = 0;
    if (np > 0 && static_cast<int>(t.Points.size()) > np) {
        lo = hi = t.Points[1].Height;
        for (int i = 1; i <= np; ++i) {
            lo = std::min(lo, t.Points[i].Height);
            hi = std::max(hi, t.Points[i].Height);
            if (t.Points[i].Locked) ++locked;
        }
        if (perRow > 1) spacing = t.Points[2].X - t.Points[1].X;
    }

    line("File", path);
    line("Points", std::to_string(np));
    line("Squares", std::to_string(ns));
    line("Grid", std::to_string(perRow) + " points per row x " + std::to_string(rows) + " rows");
    line("Spacing", num(spacing));
    line("Height range", num(lo) + " to " + num(hi));
    line("Locked points", std::to_string(locked));
    line("Last export", d.LastExportPath.empty() ? "(none)" : d.LastExportPath);
    line("Export type", d.Export.ExportType);
    line("Export position", std::to_string(d.Export.ExportPosition));
    line("Add hint brushes", yesNo(d.Export.AddHint));
    line("Add sky brushes", yesNo(d.Export.AddSky));
    line("Top texture", d.Brushes.TopTexture + " (scale " + num(d.Brushes.TopScaleX) + " x " +
                            num(d.Brushes.TopScaleY) + ")");
    line("Side texture", d.Brushes.SideTexture + " (scale " + num(d.Brushes.SideScaleX) + " x " +
                             num(d.Brushes.SideScaleY) + ")");
    line("Hint texture", d.Brushes.HintTexture);
    line("Skip texture", d.Brushes.SkipTexture);
    line("Sky texture", d.Brushes.SkyTexture);
    line("Sky up", d.Textures.SkyUP);
    line("Sky down", d.Textures.SkyDN);
    line("Sky front", d.Textures.SkyFT);
    line("Sky back", d.Textures.SkyBK);
    line("Sky right", d.Textures.SkyRT);
    line("Sky left", d.Textures.SkyLF);
    line("Ground texture", d.Textures.GroundTexture);
    return out;
}

}  // namespace vh
