// The New Map generation pipeline: what the dialog hands over, the check made
// before anything is reset, and the generation itself. Nothing here touches
// the editor: the New Map command resets, installs the terrain and names
// the new document.
#pragma once

#include <QImage>
#include <string>

#include "core/progress.h"
#include "core/random.h"
#include "core/result.h"
#include "core/settings_records.h"
#include "core/terrain.h"
#include "generate/generators.h"
#include "generate/image_file.h"

namespace vh {

// What the New Map dialog hands over: the New Map settings as its controls
// give them (see NewMapValuesFromForm), with the image its preview shows.
// Whole numbers are not yet limited to the 16 bits of the settings file, so
// CheckNewMapValues can report an out-of-range value instead of wrapping it.
// SmoothPassType and SlopeDir hold the selected option's code, "" when none
// of the group is selected.
struct NewMapValues : NewMapSettings {
    // The dialog's preview as painted (see LoadHeightImagePreview); a null
    // image is the blank preview, sampled as its background colour.
    QImage Preview;
    std::string PreviewError;  // why a BitMapPath gave no preview, when it did not
};

// Fails (Invalid, with a message for the user) when the values cannot be
// generated: more than 32767 points, a value that does not fit its 16-bit
// setting, a grid that cannot be built as asked with the height grid `grid`,
// or diamond-square on a grid it cannot fill. Called before anything is
// reset, so a rejected run leaves the editor untouched.
Status CheckNewMapValues(const NewMapValues& v, int grid);

// The settings a run uses: the stored ones replaced by the values (an option
// group with nothing selected keeps the stored code), then the corrections
// (fewer than 2 points become 3, a spacing below the height grid one grid step).
NewMapSettings NewMapSettingsFor(const NewMapSettings& stored, const NewMapValues& v, int grid);

// The terrain of the settings m (as NewMapSettingsFor gives them): the grid,
// the generators and the finishing passes, every height finite. v gives the
// preview image and the smoothing and slope options the dialog had selected.
// The values must have passed the check.
Terrain GenerateTerrain(const NewMapSettings& m, const NewMapValues& v, int grid, RandomSource& rnd,
                        Progress& progress);

// The values the dialog would show and hand over for the settings (the
// dialog's load followed by OK, with the height grid `grid`), including the
// preview of BitMapPath.
NewMapValues NewMapValuesFromSettings(const NewMapSettings& m, int grid);

// Side of the square preview in pixels.
constexpr int kPreviewSide = 289;

// The image at path (BMP, GIF or JPEG by its extension) stretched over the
// square preview; when the extension is not one of those or the file does
// not load, HeightImageUnreadableText, and for an image too large to use, a
// message with its size. The caller then keeps its preview as it was.
Result<QImage> LoadHeightImagePreview(const std::string& path);

// True when the path ends (case-insensitive) in .BMP, .GIF, .JPG or .JPEG.
bool IsHeightImagePath(const std::string& path);

// The preview before any image is painted: its background colour.
QImage BlankHeightImagePreview();

}  // namespace vh
