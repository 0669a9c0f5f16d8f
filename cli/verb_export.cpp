// varnholm-cli export-map / export-bmp: the export commands without a window.
#include <cstdio>
#include <filesystem>
#include <optional>

#include "cli/export_args.h"
#include "cli/verbs.h"
#include "core/document.h"
#include "core/rules.h"
#include "export/height_image.h"
#include "export/map_export.h"

namespace {

bool LoadDocument(vh::EditorState& s, const std::string& verb, const std::string& path) {
    vh::SetDefaults(s, vhcli::Paths());
    s.LogPath.clear();
    if (const vh::Status loaded = vh::LoadDocumentInto(s, path); !loaded) {
        std::fprintf(stderr, "varnholm-cli %s: %s\n", verb.c_str(), loaded.Message().c_str());
        return false;
    }
    return true;
}

// Any other position writes every terrain brush empty.
std::string PositionText(int position) {
    if (position == 0) return "flatten bottom";
    if (position == 1) return "flatten top";
    return "position " + std::to_string(position) + ", empty terrain brushes";
}

int Usage(const std::string& verb, const std::string& message) {
    std::fprintf(stderr, "varnholm-cli %s: %s (try --help)\n", verb.c_str(), message.c_str());
    return 2;
}

int RunExportMap(const std::vector<std::string>& args) {
    const std::string verb = "export-map";
    std::vector<std::string> files;
    vhcli::ExportSwitches switches;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string bad;
        if (switches.Read(args, &i, &bad)) {
            if (!bad.empty()) return Usage(verb, bad);
        } else if (args[i].rfind("--", 0) == 0) {
            return Usage(verb, "unknown option " + args[i]);
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) return Usage(verb, "expected FILE.vhm and OUT.map");

    vh::EditorState s;
    if (!LoadDocument(s, verb, files[0])) return 1;
    switches.Apply(s);
    const vh::CompileOptions options = switches.Options(vh::CompileOptionsOf(s.Choices, s.Export));
    const vh::Result<vh::ExportSummary> done = vh::ExportMap(s.Terrain, s.Export, s.Brushes, s.Tools.Grid,
                                                             s.Rnd, options, files[1], vh::NoProgress());
    if (!done) {
        std::fprintf(stderr, "varnholm-cli %s: %s\n", verb.c_str(), done.Message().c_str());
        return 1;
    }
    std::error_code ec;
    const auto bytes = std::filesystem::file_size(files[1], ec);
    std::printf("Exported %s brushes to %s (style \"%s\", %s%s%s; %s; %s bytes)\n",
                vh::GroupedCount(done->Brushes).c_str(), files[1].c_str(), s.Export.ExportType.c_str(),
                PositionText(s.Export.ExportPosition).c_str(), s.Export.AddHint ? ", hint" : "",
                s.Export.AddSky ? ", sky" : "", vhcli::DescribeCompileOptions(options).c_str(),
                vh::GroupedCount(ec ? 0 : bytes).c_str());
    if (options.Merge || options.Simplify > 0)
        std::printf("Terrain brushes: %s before the lean options, %s after\n",
                    vh::GroupedCount(done->ExactTerrainBrushes).c_str(),
                    vh::GroupedCount(done->TerrainBrushes).c_str());
    if (done->Spawn.Found)
        std::printf("Spawn point: square %d, origin %s %s %s%s\n", done->Spawn.Square + 1,
                    vh::NumberText(done->Spawn.X).c_str(), vh::NumberText(done->Spawn.Y).c_str(),
                    vh::NumberText(done->Spawn.Z).c_str(),
                    done->Spawn.LargeHullClear ? "" : " (too tight for large monsters' hull)");
    return 0;
}

int RunExportBmp(const std::vector<std::string>& args) {
    const std::string verb = "export-bmp";
    if (args.size() != 2) return Usage(verb, "expected FILE.vhm and OUT.bmp");
    vh::EditorState s;
    if (!LoadDocument(s, verb, args[0])) return 1;
    if (const vh::Status written = vh::ExportHeightImage(s.Terrain, args[1]); !written) {
        std::fprintf(stderr, "varnholm-cli %s: %s\n", verb.c_str(), written.Message().c_str());
        return 1;
    }
    const int width = s.Terrain.PointsPerRow;
    std::printf("Exported a %d x %d height image to %s\n", width,
                width > 0 ? s.Terrain.PointCount / width : 0, args[1].c_str());
    return 0;
}

const vhcli::VerbRegistrar kExportMap(
    {"export-map", std::string("export-map FILE.vhm OUT.map ") + vhcli::kExportUsage,
     "Write the terrain of a map document as Quake .MAP brushes; the options override the document's "
     "export settings (style \"Best Fit\", \"//\", \"\\\", \"X\" or \"Random\"; grid 16 by default). "
     "Without the compile switches the documented export is written. --playable seals the map, places "
     "a spawn point and adds light keys; --seal closes it with walls and a roof (a floor under Flatten "
     "Top) --headroom units over the highest point (256); --spawn places the player over a square "
     "(numbered from 1) or the most level open square near the centre; --lean merges neighbouring "
     "brushes that one convex brush can hold (one plane, or a ridge or hilltop); --simplify keeps the "
     "surface within that many units of the exact one with fewer brushes, raising or lowering the "
     "points it keeps onto grid steps where that lets larger triangles fit; --detail writes the terrain as "
     "func_detail; --wad names the texture wad; "
     "--no-light leaves out the light keys.",
     RunExportMap});

const vhcli::VerbRegistrar kExportBmp({"export-bmp", "export-bmp FILE.vhm OUT.bmp",
                                       "Write the heights of a map document as a grey-scale bitmap, one "
                                       "pixel per point.",
                                       RunExportBmp});

}  // namespace
