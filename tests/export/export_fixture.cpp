#include "export_fixture.h"

#include <gtest/gtest.h>

#include "export/map_export.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

namespace vhtest {

void MakeOneSquare(vh::EditorState& s, float h0, float h1, float h2, float h3) {
    MakeTerrain(s, 2, 2, 64);
    const vh::TerrainSquare& q = s.Squares[1];
    s.Points[static_cast<int>(q.CornerNextLeft)].Height = h0;
    s.Points[static_cast<int>(q.CornerNextRight)].Height = h1;
    s.Points[static_cast<int>(q.CornerLeft)].Height = h2;
    s.Points[static_cast<int>(q.CornerRight)].Height = h3;
    s.AddHint = 0;
    s.AddSky = 0;
    s.Grid = 16;
}

std::string ExportToText(vh::EditorState& s) {
    TempDir dir;
    std::string path = dir.File("out.map");
    std::string error;
    EXPECT_TRUE(vh::ExportMap(s, path, vh::NoProgress(), &error)) << error;
    return ReadFileBytes(path);
}

std::string CrLf(const std::vector<std::string>& lines) {
    std::string t;
    for (const auto& l : lines) t += l + "\r\n";
    return t;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace vhtest
