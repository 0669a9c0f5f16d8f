// Rules of the "Exportation Options" dialog: it edits a working copy of the
// export settings (a position other than 0 or 1 is kept as loaded until a
// button is chosen) and only "&Okey" writes it back to the editor state.
#pragma once

#include <string>

#include "core/settings_records.h"

namespace vh {

enum class ExportStyleButton { None, BestFit, Forward, Backward, X, Random };

// The style button shown selected for a style text; None for an unknown one.
ExportStyleButton StyleButtonFor(const std::string& style);

// The ExportType text of a style button ("" for None).
std::string StyleOf(ExportStyleButton button);

// A style button that ends up selected sets the working style.
void SelectStyle(ExportSettings& v, ExportStyleButton button);

// Which of the two position buttons shows selected: opTop for any non-zero.
inline bool TopSelected(const ExportSettings& v) {
    return v.ExportPosition != 0;
}

// opTop sets the working position to 1, opBottom to 0.
void SelectPosition(ExportSettings& v, bool top);

}  // namespace vh
