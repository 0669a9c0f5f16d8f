// varnholm-cli export-map / export-bmp: the export commands without a window.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "cli/verbs.h"
#include "core/document.h"
#include "core/rules.h"
#include "export/export_options.h"
#include "export/height_image.h"
#include "export/map_export.h"

namespace {

std::optional<long long> WholeNumber(const std::string& text) {
    long long v = 0;
    auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size()) return std::nullopt;
    return v;
}

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
    std::optional<std::string> style;
    std::optional<long long> position, hint, sky, seed;
    long long grid = 16;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) {
            files.push_back(a);
            continue;
        }
        if (i + 1 >= args.size()) return Usage(verb, a + " needs a value");
        const std::string& value = args[++i];
        auto number = [&](long long lo, long long hi) -> std::optional<long long> {
            auto v = WholeNumber(value);
            if (!v || *v < lo || *v > hi) return std::nullopt;
            return v;
        };
        if (a == "--style") {
            if (vh::StyleButtonFor(value) == vh::ExportStyleButton::None)
                return Usage(verb, "--style must be one of \"Best Fit\", \"//\", \"\\\", \"X\", \"Random\"");
            style = value;
        } else if (a == "--position") {
            if (!(position = number(0, 1))) return Usage(verb, "--position must be 0 or 1");
        } else if (a == "--hint") {
            if (!(hint = number(0, 1))) return Usage(verb, "--hint must be 0 or 1");
        } else if (a == "--sky") {
            if (!(sky = number(0, 1))) return Usage(verb, "--sky must be 0 or 1");
        } else if (a == "--grid") {
            auto g = number(1, 4096);
            if (!g) return Usage(verb, "--grid must be a whole number from 1 to 4096");
            grid = *g;
        } else if (a == "--seed") {
            if (!(seed = number(0, (1LL << 62)))) return Usage(verb, "--seed must be a whole number");
        } else {
            return Usage(verb, "unknown option " + a);
        }
    }
    if (files.size() != 2) return Usage(verb, "expected FILE.vhm and OUT.map");

    vh::EditorState s;
    if (!LoadDocument(s, verb, files[0])) return 1;
    // The document's own export settings, overridden by the options given.
    vh::ExportSettings& o = s.Export;
    if (style) o.ExportType = *style;
    if (position) o.ExportPosition = static_cast<int>(*position);
    if (hint) o.AddHint = *hint != 0;
    if (sky) o.AddSky = *sky != 0;
    s.Tools.Grid = static_cast<int>(grid);
    if (seed) s.Rnd.Seed(static_cast<uint64_t>(*seed));

    const vh::Status written =
        vh::ExportMap(s.Terrain, s.Export, s.Brushes, s.Tools.Grid, s.Rnd, files[1], vh::NoProgress());
    if (!written) {
        std::fprintf(stderr, "varnholm-cli %s: %s\n", verb.c_str(), written.Message().c_str());
        return 1;
    }
    std::error_code ec;
    const auto bytes = std::filesystem::file_size(files[1], ec);
    std::printf("Exported %d squares (style \"%s\", %s%s%s) to %s, %llu bytes\n", s.Terrain.SquareCount,
                s.Export.ExportType.c_str(), PositionText(s.Export.ExportPosition).c_str(),
                s.Export.AddHint ? ", hint" : "", s.Export.AddSky ? ", sky" : "", files[1].c_str(),
                static_cast<unsigned long long>(ec ? 0 : bytes));
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
    {"export-map",
     "export-map FILE.vhm OUT.map [--style STYLE] [--position 0|1] [--hint 0|1] [--sky 0|1] [--grid N] "
     "[--seed N]",
     "Write the terrain of a map document as Quake .MAP brushes; the options override the document's "
     "export settings (style \"Best Fit\", \"//\", \"\\\", \"X\" or \"Random\"; grid 16 by default).",
     RunExportMap});

const vhcli::VerbRegistrar kExportBmp({"export-bmp", "export-bmp FILE.vhm OUT.bmp",
                                       "Write the heights of a map document as a grey-scale bitmap, one "
                                       "pixel per point.",
                                       RunExportBmp});

}  // namespace
