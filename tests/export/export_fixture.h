// Helpers for the export tests: a one-square terrain and exporting to text.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/editor_state.h"
#include "export/map_export.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

namespace vhtest {

// A 2 x 2 point terrain with spacing 64 (x and z at -32 and 32) and the given
// heights of the square's corners C0 (x -32, z 32), C1 (32, 32), C2 (-32, -32)
// and C3 (32, -32). Hint and sky off, grid 16, default textures.
inline void MakeOneSquare(vh::EditorState& s, float h0, float h1, float h2, float h3) {
    MakeTerrain(s, 2, 2, 64);
    const vh::SquareCorners c = s.Terrain.Corners(1);
    s.Terrain.Points[c.c0].Height = h0;
    s.Terrain.Points[c.c1].Height = h1;
    s.Terrain.Points[c.c2].Height = h2;
    s.Terrain.Points[c.c3].Height = h3;
    s.Export.AddHint = false;
    s.Export.AddSky = false;
    s.Tools.Grid = 16;
}

// The .MAP export of the editor's terrain and settings.
inline vh::Status ExportMapOf(vh::EditorState& s, const std::string& path) {
    return vh::ExportMap(s.Terrain, s.Export, s.Brushes, s.Tools.Grid, s.Rnd, path, vh::NoProgress());
}

// Exports to a temporary file and returns its bytes; fails the test on error.
inline std::string ExportToText(vh::EditorState& s) {
    TempDir dir;
    const vh::Status written = ExportMapOf(s, dir.File("out.map"));
    EXPECT_TRUE(written) << vh::MessageOf(written);
    return ReadFileBytes(dir.File("out.map"));
}

// Lines joined, each ended by CR LF.
inline std::string CrLf(const std::vector<std::string>& lines) {
    std::string t;
    for (const auto& l : lines) t += l + "\r\n";
    return t;
}

// All lines of a CR LF text (without their ends).
inline std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace vhtest
