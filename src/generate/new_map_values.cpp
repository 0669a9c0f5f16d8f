// The values the New Map dialog hands over when it is opened on the current
// settings and confirmed at once, for runs without the dialog: its load, the
// size read-out refresh that ends the load, and the OK conversion.
#include "core/rules.h"
#include "generate/new_map_rules.h"
#include "generate/pipeline.h"

namespace vh {

NewMapValues NewMapValuesFromSettings(const NewMapSettings& m, int grid) {
    NewMapForm form = LoadNewMapForm(m);
    const SizeRefresh sizes = RefreshSizeLabels(form.X, form.Z, form.Length, grid);
    form.X = sizes.X;
    form.Z = sizes.Z;
    form.Length = sizes.Length;

    NewMapValues v;
    if (!NewMapValuesFromForm(form, v)) {
        // Limits that do not read as numbers (a hand-edited file): the
        // dialog's own texts stand in for them.
        const NewMapForm design;
        form.MinNormal = design.MinNormal;
        form.MaxNormal = design.MaxNormal;
        v = NewMapValues{};
        (void)NewMapValuesFromForm(form, v);
    }
    if (!v.BitMapPath.empty()) {
        const Result<QImage> preview = LoadHeightImagePreview(v.BitMapPath);
        if (preview.Ok())
            v.Preview = preview.Value();
        else
            v.PreviewError = preview.Message();
    }
    return v;
}

}  // namespace vh
