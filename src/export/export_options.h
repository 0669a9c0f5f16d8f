// Working copy of the "Exportation Options" dialog: the dialog edits this
// plain copy and only "&Okey" writes it back to the editor state.
#pragma once

#include <cstdint>
#include <string>

#include "core/editor_state.h"

namespace vh {

enum class ExportStyleButton { None, BestFit, Forward, Backward, X, Random };

struct ExportOptionsValues {
    std::string Style;     // the ExportType text
    int16_t Position = 0;  // 0 flatten bottom, 1 flatten top; others kept as loaded
    bool Hint = true;
    bool Sky = true;
};

// Copy of the four fields on load.
ExportOptionsValues LoadExportOptions(const EditorState& s);

// "&Okey": the working copy into the state.
void ApplyExportOptions(const ExportOptionsValues& v, EditorState& s);

// The style button shown selected for a style text; None for an unknown one.
ExportStyleButton StyleButtonFor(const std::string& style);

// The ExportType text of a style button ("" for None).
std::string StyleOf(ExportStyleButton button);

// A style button that ends up selected sets the working style.
void SelectStyle(ExportOptionsValues& v, ExportStyleButton button);

// Which of the two position buttons shows selected: opTop for any non-zero.
inline bool TopSelected(const ExportOptionsValues& v) {
    return v.Position != 0;
}

// opTop sets the working position to 1, opBottom to 0.
void SelectPosition(ExportOptionsValues& v, bool top);

}  // namespace vh
