// The terrain generators of the New Map pipeline. Each works in place on the
// heights of the built grid, reads its parameters from the New Map settings,
// draws its random numbers from rnd in a fixed order and reports its
// progress. `grid` is the height grid that results snap to.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/progress.h"
#include "core/random.h"
#include "core/settings_records.h"
#include "core/terrain.h"

namespace vh {

enum class SmoothOption { None, Radial, Linear, RadialOver, LinearOver };
enum class SlopeOption { None, PX, NX, PY, NY };

// The option a code names: "RAD", "LIN", "RADOVER", "LINOVER"; "PX", "NX",
// "PY", "NY". Any other text (also in other letter case) names None.
SmoothOption SmoothOptionOf(std::string_view code);
SlopeOption SlopeOptionOf(std::string_view code);

// ---- random seeding and diamond-square ----

// Every point gets r x MaxSeed with a random sign (replacing its height).
void RandomSeedPoints(Terrain& t, const NewMapSettings& m, RandomSource& rnd);

// Square grid whose side minus one is a power of two.
bool IsDiamondSquareGrid(int x, int y);

// The random multiplier shared by diamond-square and particle deposition.
// styleUpper is the style upper-cased; an unknown style gives 0 without a
// draw. lim is the percent limiter as a factor (1.75 for 175 %).
float StyleFactor(RandomSource& rnd, const std::string& styleUpper, float lim);

// StyleFactor with DiamondSquareStyle and DiamondSquarePercentLimiter.
float DiamondSquareFactor(const NewMapSettings& m, RandomSource& rnd);

// One subdivision: centre and four edge midpoints of the cell with corners
// p1 (low x, low z), p2 (high x, low z), p3 (high x, high z), p4 (low x, high z).
void DiamondSquareCell(Terrain& t, const NewMapSettings& m, RandomSource& rnd, int p1, int p2, int p3,
                       int p4);

// The whole generator; does nothing on a grid that does not qualify.
void DiamondSquare(Terrain& t, const NewMapSettings& m, RandomSource& rnd, Progress& progress);

// ---- fault lines, particles, circles ----

// Side of each line (+1 above, -1 below) that region s of n lines needs.
// Returns nullptr for n outside 1..3 or s outside 0..2^n-1.
const int8_t* FaultRegionSides(int n, int s);

void FaultLines(Terrain& t, const NewMapSettings& m, RandomSource& rnd, Progress& progress);

// Change of the square number for a walk direction 0..7 (x points per row).
int ParticleWalkStep(int direction, int x);

void ParticleDeposition(Terrain& t, const NewMapSettings& m, int grid, RandomSource& rnd, Progress& progress);

void Circles(Terrain& t, const NewMapSettings& m, RandomSource& rnd, Progress& progress);

// ---- slope and height image ----

void SlopeTerrain(Terrain& t, const NewMapSettings& m, int grid, SlopeOption option, Progress& progress);

// Bytes of a colour in 0x00BBGGRR form.
inline int ExtractR(uint32_t colour) {
    return static_cast<int>(colour % 256);
}
inline int ExtractG(uint32_t colour) {
    return static_cast<int>((colour / 256) & 255);
}
inline int ExtractB(uint32_t colour) {
    return static_cast<int>((colour / 65536) & 255);
}

// Adds the greys of the preview, one sampled pixel per point.
void HeightImage(Terrain& t, const NewMapSettings& m, int grid, const QImage& preview, Progress& progress);

}  // namespace vh
