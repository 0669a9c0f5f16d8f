// varnholm-cli pass smooth|noise|scale IN.vhm OUT.vhm [options]: one
// whole-map pass, the same code as the Map menu's commands.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "cli/verbs.h"
#include "core/document.h"
#include "core/rules.h"
#include "tools/map_passes.h"

namespace {

constexpr const char* kUsage =
    "pass smooth|noise|scale IN.vhm OUT.vhm [--grid N] [--threshold T] [--linear] "
    "[--max-noise M] [--factor F] [--ignore-locked] [--seed N]";

int Fail(const std::string& text, int code = 2) {
    std::fprintf(stderr, "varnholm-cli pass: %s\n", text.c_str());
    return code;
}

struct PassOptions {
    std::string Kind, In, Out;
    std::optional<double> Grid, Threshold, MaxNoise, Factor, Seed;
    bool Linear = false, IgnoreLocked = false;
};

// Parses the arguments; an error text when they are not usable.
std::optional<std::string> Parse(const std::vector<std::string>& args, PassOptions& o) {
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::optional<double>& target) -> std::optional<std::string> {
            if (i + 1 >= args.size()) return a + " needs a value";
            const auto v = vh::ReadNumberStrict(args[++i]);
            if (!v) return a + ": \"" + args[i] + "\" is not a number";
            target = *v;
            return std::nullopt;
        };
        std::optional<std::string> err;
        if (a == "--grid")
            err = value(o.Grid);
        else if (a == "--threshold")
            err = value(o.Threshold);
        else if (a == "--max-noise")
            err = value(o.MaxNoise);
        else if (a == "--factor")
            err = value(o.Factor);
        else if (a == "--seed")
            err = value(o.Seed);
        else if (a == "--linear")
            o.Linear = true;
        else if (a == "--ignore-locked")
            o.IgnoreLocked = true;
        else if (a.size() > 1 && a[0] == '-' && a[1] == '-')
            return "unknown option " + a;
        else
            positional.push_back(a);
        if (err) return err;
    }
    if (positional.size() != 3) return std::string("expected a pass kind, IN.vhm and OUT.vhm");
    o.Kind = positional[0];
    o.In = positional[1];
    o.Out = positional[2];
    if (o.Kind != "smooth" && o.Kind != "noise" && o.Kind != "scale")
        return "unknown pass \"" + o.Kind + "\" (smooth, noise or scale)";
    if ((o.Threshold || o.Linear) && o.Kind != "smooth")
        return std::string("--threshold and --linear are for smooth");
    if (o.MaxNoise && o.Kind != "noise") return std::string("--max-noise is for noise");
    if (o.Factor && o.Kind != "scale") return std::string("--factor is for scale");
    if (o.Grid && (*o.Grid < 1 || *o.Grid > 32767 || *o.Grid != static_cast<int>(*o.Grid)))
        return std::string("--grid must be a whole number from 1 to 32767");
    if (o.Seed && (*o.Seed < 0 || *o.Seed != static_cast<double>(static_cast<uint64_t>(*o.Seed))))
        return std::string("--seed must be a whole number of at least 0");
    return std::nullopt;
}

int RunPass(const std::vector<std::string>& args) {
    PassOptions o;
    if (auto err = Parse(args, o)) return Fail(*err + "\nusage: varnholm-cli " + kUsage);

    vh::EditorState s;
    vh::SetDefaults(s, vhcli::Paths());
    s.LogPath.clear();
    if (const vh::Status loaded = vh::LoadDocumentInto(s, o.In); !loaded) return Fail(loaded.Message(), 1);

    // The dialogs store magnitudes for the threshold and the noise; so does the CLI.
    if (o.Grid) s.Tools.Grid = static_cast<int>(*o.Grid);
    if (o.Threshold) s.Tools.SmoothToolThreshold = static_cast<float>(std::abs(*o.Threshold));
    s.Tools.SmoothType = o.Linear ? 1 : 0;
    if (o.MaxNoise) s.Tools.MaxNoise = static_cast<float>(std::abs(*o.MaxNoise));
    if (o.Factor) s.Tools.ScalePassFactor = static_cast<float>(*o.Factor);
    s.Tools.IgnoreLocked = o.IgnoreLocked;
    if (o.Seed) s.Rnd.Seed(static_cast<uint64_t>(*o.Seed));

    std::vector<float> before;
    for (int i = 1; i <= s.Terrain.PointCount; ++i) before.push_back(s.Terrain.Points[i].Height);

    if (o.Kind == "smooth")
        vh::SmoothingPass(s);
    else if (o.Kind == "noise")
        vh::NoisePass(s);
    else
        vh::ScalingPass(s);

    int changed = 0;
    for (int i = 1; i <= s.Terrain.PointCount; ++i)
        if (s.Terrain.Points[i].Height != before[static_cast<size_t>(i - 1)]) ++changed;

    if (const vh::Status written = vh::SaveDocumentFile(o.Out, s.Terrain, vh::DocumentSettingsOf(s));
        !written)
        return Fail(written.Message(), 1);
    std::printf("%s pass: %d of %d points changed, written to %s\n", o.Kind.c_str(), changed,
                s.Terrain.PointCount, o.Out.c_str());
    return 0;
}

const vhcli::VerbRegistrar kPass({"pass", kUsage,
                                  "Run one whole-map pass (smoothing, random noise or scaling) on a map "
                                  "document and write the result; defaults as in a fresh settings file.",
                                  RunPass});

}  // namespace
