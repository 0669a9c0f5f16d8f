#include "export/export_options.h"

#include "core/rules.h"

namespace vh {

ExportOptionsValues LoadExportOptions(const EditorState& s) {
    ExportOptionsValues v;
    v.Style = s.ExportType;
    v.Position = s.ExportPosition;
    v.Hint = FromBool16(s.AddHint);
    v.Sky = FromBool16(s.AddSky);
    return v;
}

void ApplyExportOptions(const ExportOptionsValues& v, EditorState& s) {
    s.ExportType = v.Style;
    s.ExportPosition = v.Position;
    s.AddHint = ToBool16(v.Hint);
    s.AddSky = ToBool16(v.Sky);
}

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

void SelectStyle(ExportOptionsValues& v, ExportStyleButton button) {
    if (button != ExportStyleButton::None) v.Style = StyleOf(button);
}

void SelectPosition(ExportOptionsValues& v, bool top) {
    v.Position = top ? 1 : 0;
}

}  // namespace vh
