// Choices for a map that compiles and plays as it is: sealing, a spawn point,
// light keys and fewer brushes. Everything off writes the documented export.
#pragma once

#include <string>

#include "core/map_choices.h"
#include "core/settings_records.h"

namespace vh {

enum class SpawnChoice { None, Auto, Square };

struct CompileOptions {
    // Close the map on every side with the fewest brushes.
    bool Seal = false;
    // Room kept above the highest point (below the lowest under a cave floor).
    float Headroom = 256;
    SpawnChoice Spawn = SpawnChoice::None;
    int SpawnSquare = -1;  // 0-based square index, for SpawnChoice::Square

    // Worldspawn light keys for compilers that read them.
    bool Light = false;
    float LightLevel = 20;              // "light": the least light anywhere
    float Sunlight = 200;               // "_sunlight": light from the sky faces
    float SunYaw = 45, SunPitch = -60;  // "_sun_mangle"

    std::string Wad;  // "wad" key; empty writes none

    // Lean brushes: neighbours merged into convex brushes (coplanar ones
    // into one polygon first), and a surface simplified within this many
    // units (0 = exact).
    bool Merge = false;
    float Simplify = 0;
    // Terrain brushes in a func_detail entity; a structural box seals.
    bool Detail = false;

    // True when nothing differs from the documented export.
    bool Documented() const {
        return !Seal && Spawn == SpawnChoice::None && !Light && Wad.empty() && !Merge && !(Simplify > 0) &&
               !Detail;
    }
};

// Seal, automatic spawn point and light: a map ready to compile and play.
inline CompileOptions PlayableOptions() {
    CompileOptions o;
    o.Seal = true;
    o.Spawn = SpawnChoice::Auto;
    o.Light = true;
    return o;
}

// The options a map's choices and the export settings ask for. Headroom,
// wad and light only matter to a compile-ready map, so a documented export
// stays documented whatever the settings hold.
inline CompileOptions CompileOptionsOf(const MapChoices& c, const ExportSettings& x) {
    CompileOptions o;
    o.Headroom = x.Headroom;
    if (c.CompileReady) {
        o.Seal = true;
        o.Spawn = c.SpawnSquare > 0 ? SpawnChoice::Square : SpawnChoice::Auto;
        o.SpawnSquare = c.SpawnSquare - 1;
        o.Light = x.Light;
        o.Wad = x.Wad;
    }
    o.Merge = c.Merge;
    o.Simplify = c.Simplify;
    o.Detail = c.Detail;
    return o;
}

}  // namespace vh
