#include "core/document_info.h"

#include <algorithm>

#include "core/rules.h"

namespace vh {

std::string DescribeDocument(const EditorState& s) {
    std::string out;
    auto line = [&](const std::string& name, const std::string& value) {
        out.append(name).append(": ").append(value).append("\n");
    };
    auto num = [](float v) { return NumberText(v); };
    auto yesNo = [](int16_t b) { return std::string(b ? "True" : "False"); };

    const int np = s.PointTotal(), ns = s.SquareTotal();
    const int perRow = static_cast<int>(s.PointsPerRow);
    const int rows = perRow > 0 ? np / perRow : 0;
    float lo = 0, hi = 0, spacing = 0;
    int locked = 0;
    if (np > 0 && static_cast<int>(s.Points.size()) > np) {
        lo = hi = s.Points[1].Height;
        for (int i = 1; i <= np; ++i) {
            lo = std::min(lo, s.Points[i].Height);
            hi = std::max(hi, s.Points[i].Height);
            if (s.Points[i].Locked) ++locked;
        }
        if (perRow > 1) spacing = s.Points[2].X - s.Points[1].X;
    }

    line("File", s.DocPath);
    line("Points", std::to_string(np));
    line("Squares", std::to_string(ns));
    line("Grid", std::to_string(perRow) + " points per row x " + std::to_string(rows) + " rows");
    line("Spacing", num(spacing));
    line("Height range", num(lo) + " to " + num(hi));
    line("Locked points", std::to_string(locked));
    line("Last export", s.LastExportPath.empty() ? "(none)" : s.LastExportPath);
    line("Export type", s.ExportType);
    line("Export position", std::to_string(s.ExportPosition));
    line("Add hint brushes", yesNo(s.AddHint));
    line("Add sky brushes", yesNo(s.AddSky));
    line("Top texture", s.TopTexture + " (scale " + num(s.TopScaleX) + " x " + num(s.TopScaleY) + ")");
    line("Side texture", s.SideTexture + " (scale " + num(s.SideScaleX) + " x " + num(s.SideScaleY) + ")");
    line("Hint texture", s.HintTexture);
    line("Skip texture", s.SkipTexture);
    line("Sky texture", s.SkyTexture);
    line("Sky up", s.SkyUP);
    line("Sky down", s.SkyDN);
    line("Sky front", s.SkyFT);
    line("Sky back", s.SkyBK);
    line("Sky right", s.SkyRT);
    line("Sky left", s.SkyLF);
    line("Ground texture", s.GroundTexture);
    return out;
}

}  // namespace vh
