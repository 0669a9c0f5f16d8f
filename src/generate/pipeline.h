// The New Map generation pipeline: what the dialog hands over, the check made
// before anything is reset, and the run itself.
#pragma once

#include <QImage>
#include <optional>
#include <string>

#include "core/editor_state.h"
#include "core/progress.h"
#include "generate/generators.h"
#include "generate/image_file.h"

namespace vh {

// Everything the pipeline reads from the New Map dialog, already converted
// the way the dialog converts its controls (see the comments). Whole numbers
// that end up in 16-bit settings are held as int so that an out-of-range
// value can be reported by CheckNewMapValues instead of wrapping.
struct NewMapValues {
    // General
    int X = 17;      // points: whole number of (triangles + 1)
    int Y = 17;      // points: whole number of (triangles + 1)
    int Size = 256;  // triangle length in map units

    // Smoothing, normalisation, flattening
    bool chkSmooth = false;
    SmoothOption Smoothing = SmoothOption::Radial;  // None: no option selected
    float SmoothThreshold = 48;                     // absolute value of the text
    int SmoothPasses = 2;                           // slider 1..45
    bool chkNormal = false;
    float MinNormal = -4032;
    float MaxNormal = 4032;
    bool chkFlatten = false;
    int FlattenToZeroFactor = 2;  // slider 1..10

    // Fractal
    bool chkFractal = false;
    float MaxSeed = 48;
    int HeightMulti = 1;  // slider 1..32
    bool chkDiamond = false;
    std::string DiamondSquareStyle = "Augment";  // the combo's text
    float DiamondSquarePercentLimiter = 1.75f;   // percent text / 100
    bool chkFault = false;
    int FaultLines = 2;  // whole number of the combo's text
    float FaultMaxChange = 256;
    int FaultIterations = 128;  // slider 1..512
    bool chkParticle = false;
    std::string ParticleStyle = "Random";
    float ParticlePercentLimiter = 1.75f;  // percent text / 100
    int particleIterations = 2048;         // slider 1..8192
    bool chkCircle = false;
    float CircleMaxChange = 512;
    int CircleMaxRad = 16;       // whole number, triangles
    int CircleIterations = 256;  // slider 1..1024

    // Slope
    bool chkSlope = false;
    SlopeOption SlopeDirection = SlopeOption::PX;  // None: no option selected
    int SlopeSteepness = 800;                      // slider x 16

    // Height image
    bool chkBM = false;
    std::string txtBM;               // image path as typed or browsed
    float BitMapHeightMulti = 8;     // slider / 8
    int16_t BitMapInvertColors = 1;  // -1 "Invert Colors" checked, +1 not
    // The dialog's preview as painted (see LoadHeightImagePreview); a null
    // image is the blank preview, sampled as its background colour.
    QImage Preview;
    std::string PreviewError;  // why a non-empty txtBM gave no preview, when it did not
};

// A message when the values cannot be generated (more than 32767 points, a
// value that does not fit its 16-bit setting, a grid that cannot be built as
// asked with the height grid `grid`, or diamond-square on a grid it cannot
// fill); nullopt when fine. Called before
// anything is reset, so a rejected run leaves the editor untouched.
std::optional<std::string> CheckNewMapValues(const NewMapValues& v, int grid);

// The whole generation: reset, copy into the settings, corrections, grid,
// generators, passes, "Building Mesh..." (s.OnTerrainReplaced), and the new
// unsaved "newmap.vhm" document. The values must have passed the check.
void RunNewMap(EditorState& s, const NewMapValues& v, Progress& progress);

// The values the dialog would show and hand over for the current settings
// (the dialog's load followed by OK), including the preview of BitMapPath.
NewMapValues NewMapValuesFromSettings(const EditorState& s);

// Side of the square preview in pixels.
constexpr int kPreviewSide = 289;

// The image at path (BMP, GIF or JPEG by its extension) stretched over the
// square preview; when the extension is not one of those or the file does
// not load, HeightImageUnreadableText, and for an image too large to use, a
// message with its size. The caller then keeps its preview as it was.
ImageRead LoadHeightImagePreview(const std::string& path);

// True when the path ends (case-insensitive) in .BMP, .GIF, .JPG or .JPEG.
bool IsHeightImagePath(const std::string& path);

// The preview before any image is painted: its background colour.
QImage BlankHeightImagePreview();

}  // namespace vh
