#include "export/export_options_rules.h"

#include "core/rules.h"

namespace vh {

ExportStyleButton StyleButtonFor(const std::string& style) {
    if (style == "Best Fit") return ExportStyleButton::BestFit;
    if (style == "//") return ExportStyleButton::Forward;
    if (style == "\\") return ExportStyleButton::Backward;
    if (style == "X") return ExportStyleButton::X;
    if (style == "Random") return ExportStyleButton::Random;
    return ExportStyleButton::None;
}

std::string StyleOf(ExportStyleButton button) {
    switch (button) {
        case ExportStyleButton::BestFit:
            return "Best Fit";
        case ExportStyleButton::Forward:
            return "//";
        case ExportStyleButton::Backward:
            return "\\";
        case ExportStyleButton::X:
            return "X";
        case ExportStyleButton::Random:
            return "Random";
        case ExportStyleButton::None:
            break;
    }
    return {};
}

void SelectStyle(ExportSettings& v, ExportStyleButton button) {
    if (button != ExportStyleButton::None) v.ExportType = StyleOf(button);
}

void SelectPosition(ExportSettings& v, bool top) {
    v.ExportPosition = top ? 1 : 0;
}

}  // namespace vh
