#include "core/map_choices.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace vh {

namespace {

// "VHMC", a 16-bit payload length, then the payload: 16-bit flags, the
// tolerance as a 32-bit float and the spawn square as a 32-bit integer, all
// little-endian. A longer payload is allowed so later fields can follow.
constexpr char kTag[4] = {'V', 'H', 'M', 'C'};
constexpr size_t kPayloadBytes = 10;
constexpr uint16_t kCompileReady = 1, kMerge = 2, kDetail = 4, kKnownFlags = kCompileReady | kMerge | kDetail;

void PutLittle(std::string& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

uint32_t GetLittle(std::string_view b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= static_cast<uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}

}  // namespace

void AppendMapChoices(const MapChoices& c, std::string& out) {
    if (!c.Used()) return;
    out.append(kTag, sizeof kTag);
    PutLittle(out, kPayloadBytes, 2);
    PutLittle(out, (c.CompileReady ? kCompileReady : 0) | (c.Merge ? kMerge : 0) | (c.Detail ? kDetail : 0),
              2);
    uint32_t bits;
    std::memcpy(&bits, &c.Simplify, 4);
    PutLittle(out, bits, 4);
    PutLittle(out, static_cast<uint32_t>(c.SpawnSquare), 4);
}

bool ReadMapChoices(std::string_view rest, int squareCount, MapChoices* c, std::string* why) {
    *c = MapChoices{};
    if (rest.size() < sizeof kTag || std::memcmp(rest.data(), kTag, sizeof kTag) != 0) return true;
    const size_t start = sizeof kTag + 2;
    if (rest.size() < start) {
        *why = "its map choices are cut short";
        return false;
    }
    const size_t length = GetLittle(rest, sizeof kTag, 2);
    if (length < kPayloadBytes || rest.size() - start < length) {
        *why = "its map choices are cut short";
        return false;
    }
    const uint32_t flags = GetLittle(rest, start, 2);
    const uint32_t bits = GetLittle(rest, start + 2, 4);
    float simplify;
    std::memcpy(&simplify, &bits, 4);
    const int32_t spawn = static_cast<int32_t>(GetLittle(rest, start + 6, 4));
    if ((flags & ~uint32_t{kKnownFlags}) != 0) {
        *why = "its map choices hold an unknown option";
        return false;
    }
    if (!std::isfinite(simplify) || simplify < 0 || simplify > kMaxSimplify) {
        *why = "its map choices hold an impossible tolerance";
        return false;
    }
    if (spawn < 0 || spawn > squareCount) {
        *why = "its spawn square is not on the map";
        return false;
    }
    c->CompileReady = (flags & kCompileReady) != 0;
    c->Merge = (flags & kMerge) != 0;
    c->Detail = (flags & kDetail) != 0;
    c->Simplify = simplify;
    c->SpawnSquare = spawn;
    return true;
}

}  // namespace vh
