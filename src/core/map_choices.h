// The choices a map keeps for its compile-ready export: whether it is sealed
// with a spawn point and light, the lean-brush options and the square the
// designer picked for the spawn point. A document stores them in a tagged
// block after its last square record, and only when one is used, so that
// every other document keeps its layout byte for byte.
#pragma once

#include <string>
#include <string_view>

namespace vh {

struct MapChoices {
    bool CompileReady = false;  // sealed, with a spawn point and light keys
    bool Merge = false;         // neighbours one convex brush can hold become one brush
    float Simplify = 0;         // surface tolerance in units; 0 exact
    bool Detail = false;        // terrain brushes in a func_detail entity
    int SpawnSquare = 0;        // 1-based square for the spawn point; 0 lets the export choose

    bool Used() const { return CompileReady || Merge || Simplify > 0 || Detail || SpawnSquare > 0; }
    bool operator==(const MapChoices&) const = default;
};

// The largest tolerance a document keeps: well past any terrain's relief.
constexpr float kMaxSimplify = 65536;

// Appends the block to a document's bytes; nothing when no choice is used.
void AppendMapChoices(const MapChoices& c, std::string& out);

// Reads the bytes after the last square record. No block there (nothing, or
// bytes without the tag, which older files may carry) gives the defaults. A
// block that is cut short or holds impossible values is refused: false with
// the reason in *why. squareCount bounds the spawn square.
bool ReadMapChoices(std::string_view rest, int squareCount, MapChoices* c, std::string* why);

}  // namespace vh
