// varnholm-cli generate --out FILE.vhm [...]: a new terrain from the New Map
// settings, through the same pipeline as the New Map dialog's OK.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/verbs.h"
#include "core/document.h"
#include "core/rules.h"
#include "core/settings.h"
#include "generate/new_map_rules.h"
#include "generate/pipeline.h"

namespace {

constexpr const char* kUsage =
    "generate --out FILE.vhm [--settings FILE.ini] [--set KEY=VALUE]... [--seed N]";

int Fail(const std::string& text, int code = 2) {
    std::fprintf(stderr, "varnholm-cli generate: %s\n", text.c_str());
    return code;
}

struct GenerateOptions {
    std::string Out, Settings;
    std::vector<std::pair<std::string, std::string>> Sets;
    std::optional<uint64_t> Seed;
};

std::optional<std::string> Parse(const std::vector<std::string>& args, GenerateOptions& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a != "--out" && a != "--settings" && a != "--set" && a != "--seed")
            return "unknown argument " + a;
        if (i + 1 >= args.size()) return a + " needs a value";
        const std::string& value = args[++i];
        if (a == "--out") {
            o.Out = value;
        } else if (a == "--settings") {
            o.Settings = value;
        } else if (a == "--set") {
            const size_t eq = value.find('=');
            if (eq == std::string::npos || vh::Trim(value.substr(0, eq)).empty())
                return "--set needs KEY=VALUE, got \"" + value + "\"";
            o.Sets.emplace_back(value.substr(0, eq), value.substr(eq + 1));
        } else {
            const auto n = vh::ReadNumberStrict(value);
            if (!n || *n < 0 || *n > 1e15 || *n != static_cast<double>(static_cast<uint64_t>(*n)))
                return "--seed must be a whole number of at least 0";
            o.Seed = static_cast<uint64_t>(*n);
        }
    }
    if (o.Out.empty()) return std::string("--out FILE.vhm is required");
    if (!vh::EndsWithNoCase(o.Out, ".vhm")) return "the output \"" + o.Out + "\" must end in .vhm";
    return std::nullopt;
}

// One line per stage on stderr; the point-by-point values are not shown.
class StageLines : public vh::Progress {
public:
    void Status(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
};

int RunGenerate(const std::vector<std::string>& args) {
    GenerateOptions o;
    if (auto err = Parse(args, o)) return Fail(*err + "\nusage: varnholm-cli " + kUsage);

    vh::EditorState s;
    vh::SetDefaults(s, vhcli::Paths());
    s.LogPath.clear();
    if (!o.Settings.empty()) {
        // The reader would create a missing file; a typo should not do that.
        std::error_code ec;
        if (!std::filesystem::is_regular_file(o.Settings, ec))
            return Fail("settings file \"" + o.Settings + "\" not found", 1);
        if (const vh::Status read = vh::ReadSettingsFile(s, o.Settings); !read) return Fail(read.Message(), 1);
    }
    for (const auto& [key, value] : o.Sets)
        if (!vh::ApplySetting(s, key, value, false)) return Fail("unknown setting \"" + vh::Trim(key) + "\"");
    if (o.Seed) s.Rnd.Seed(*o.Seed);

    const vh::NewMapValues values = vh::NewMapValuesFromSettings(s.NewMap, s.Tools.Grid);
    if (const vh::Status usable = vh::CheckNewMapValues(values, s.Tools.Grid); !usable)
        return Fail(usable.Message(), 1);
    if (values.BitMap && !values.BitMapPath.empty() && values.Preview.isNull())
        return Fail(values.PreviewError, 1);

    StageLines progress;
    s.Rnd.Randomize();
    s.NewMap = vh::NewMapSettingsFor(s.NewMap, values, s.Tools.Grid);
    s.Terrain = vh::GenerateTerrain(s.NewMap, values, s.Tools.Grid, s.Rnd, progress);
    progress.Status("Building Mesh...");  // the stages as the New Map dialog shows them

    if (const vh::Status written = vh::SaveDocumentFile(o.Out, s.Terrain, vh::DocumentSettingsOf(s));
        !written)
        return Fail(written.Message(), 1);
    float lo = 0, hi = 0;
    for (int i = 1; i <= s.Terrain.PointCount; ++i) {
        lo = i == 1 ? s.Terrain.Points[i].Height : std::min(lo, s.Terrain.Points[i].Height);
        hi = i == 1 ? s.Terrain.Points[i].Height : std::max(hi, s.Terrain.Points[i].Height);
    }
    std::printf("generated %d x %d points (%d units apart), heights %s to %s, written to %s\n", s.NewMap.X,
                s.NewMap.Y, s.NewMap.Size, vh::NumberText(lo).c_str(), vh::NumberText(hi).c_str(),
                o.Out.c_str());
    return 0;
}

const vhcli::VerbRegistrar kGenerate(
    {"generate", kUsage,
     "Generate a new terrain with the New Map pipeline from the built-in defaults, an optional "
     "settings file and KEY=VALUE overrides (keys as in the settings file, e.g. --set Fractal=1 "
     "--set DiamondSquare=1 --set X=129 --set Y=129) and write it as a map document.",
     RunGenerate});

}  // namespace
