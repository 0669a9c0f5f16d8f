#include "cli/export_args.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/rules.h"
#include "export/export_options_rules.h"

namespace vhcli {

const char* const kExportUsage =
    "[--style STYLE] [--position 0|1] [--hint 0|1] [--sky 0|1] [--grid N] [--seed N] [--playable] [--seal] "
    "[--headroom N] [--spawn SQUARE|auto] [--lean] [--simplify UNITS] [--detail] [--wad PATH] [--no-light]";

bool ExportSwitches::Read(const std::vector<std::string>& args, size_t* i, std::string* error) {
    const std::string& a = args[*i];
    bool* flag = a == "--playable"   ? &playable_
                 : a == "--seal"     ? &seal_
                 : a == "--no-light" ? &noLight_
                 : a == "--lean"     ? &lean_
                 : a == "--detail"   ? &detail_
                                     : nullptr;
    if (flag) {
        *flag = true;
        return true;
    }
    static const char* const kValued[] = {"--style", "--position", "--hint",     "--sky",   "--grid",
                                          "--seed",  "--headroom", "--simplify", "--spawn", "--wad"};
    if (std::find(std::begin(kValued), std::end(kValued), a) == std::end(kValued)) return false;
    if (*i + 1 >= args.size()) {
        *error = a + " needs a value";
        return true;
    }
    const std::string& value = args[++*i];
    const auto number = vh::ReadNumberStrict(value);
    auto whole = [&](double lo, double hi) -> std::optional<double> {
        if (!number || *number < lo || *number > hi || *number != std::floor(*number)) return std::nullopt;
        return number;
    };
    auto zeroOrOne = [&](std::optional<int>* into) {
        if (auto v = whole(0, 1))
            *into = static_cast<int>(*v);
        else
            *error = a + " must be 0 or 1";
    };
    if (a == "--style") {
        if (vh::StyleButtonFor(value) == vh::ExportStyleButton::None)
            *error = "--style must be one of \"Best Fit\", \"//\", \"\\\", \"X\", \"Random\"";
        else
            style_ = value;
    } else if (a == "--position") {
        zeroOrOne(&position_);
    } else if (a == "--hint") {
        zeroOrOne(&hint_);
    } else if (a == "--sky") {
        zeroOrOne(&sky_);
    } else if (a == "--grid") {
        if (auto v = whole(1, 4096))
            grid_ = static_cast<int>(*v);
        else
            *error = "--grid must be a whole number from 1 to 4096";
    } else if (a == "--seed") {
        if (auto v = whole(0, 1e15))
            seed_ = static_cast<uint64_t>(*v);
        else
            *error = "--seed must be a whole number";
    } else if (a == "--headroom") {
        if (!number || *number < 0 || *number > 65536)
            *error = "--headroom must be a number of units from 0 to 65536";
        else
            headroom_ = static_cast<float>(*number);
    } else if (a == "--simplify") {
        if (!number || *number < 0 || *number > 65536)
            *error = "--simplify must be a number of units from 0 to 65536 (0 keeps the surface exact)";
        else
            simplify_ = static_cast<float>(*number);
    } else if (a == "--spawn") {
        if (value == "auto")
            spawnSquare_ = -1;
        else if (!whole(1, 1e9))
            *error = "--spawn must be \"auto\" or a square number from 1";
        else
            spawnSquare_ = static_cast<int>(*number) - 1;
    } else {
        if (value.find('"') != std::string::npos)
            *error = "--wad cannot hold a double quote";
        else
            wad_ = value;
    }
    return true;
}

void ExportSwitches::Apply(vh::EditorState& s) const {
    vh::ExportSettings& o = s.Export;
    if (style_) o.ExportType = *style_;
    if (position_) o.ExportPosition = *position_;
    if (hint_) o.AddHint = *hint_ != 0;
    if (sky_) o.AddSky = *sky_ != 0;
    s.Tools.Grid = grid_;
    if (seed_) s.Rnd.Seed(*seed_);
}

vh::CompileOptions ExportSwitches::Options(const vh::CompileOptions& base) const {
    vh::CompileOptions o = base;
    if (playable_) {
        o.Seal = o.Light = true;
        if (o.Spawn == vh::SpawnChoice::None) o.Spawn = vh::SpawnChoice::Auto;
    }
    if (seal_) o.Seal = true;
    if (noLight_) o.Light = false;
    if (lean_) o.Merge = true;
    if (detail_) o.Detail = true;
    if (headroom_) o.Headroom = *headroom_;
    if (simplify_) o.Simplify = *simplify_;
    if (wad_) o.Wad = *wad_;
    if (spawnSquare_) {
        o.Spawn = *spawnSquare_ < 0 ? vh::SpawnChoice::Auto : vh::SpawnChoice::Square;
        o.SpawnSquare = *spawnSquare_;
    }
    return o;
}

std::string DescribeCompileOptions(const vh::CompileOptions& o) {
    if (o.Documented()) return "documented export";
    std::string t;
    auto add = [&](const std::string& part) { t += (t.empty() ? "" : ", ") + part; };
    if (o.Seal) add("sealed with " + vh::NumberText(o.Headroom) + " units of headroom");
    if (o.Spawn == vh::SpawnChoice::Auto) add("spawn point chosen automatically");
    if (o.Spawn == vh::SpawnChoice::Square) add("spawn point at square " + std::to_string(o.SpawnSquare + 1));
    if (o.Light) add("light");
    if (!o.Wad.empty()) add("wad \"" + o.Wad + "\"");
    if (o.Merge) add("neighbouring brushes merged");
    if (o.Simplify > 0) add("simplified within " + vh::NumberText(o.Simplify) + " units");
    if (o.Detail) add("terrain as func_detail");
    return t;
}
}  // namespace vhcli
