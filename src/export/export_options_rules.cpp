#include "export/export_options_rules.h"

#include "core/rules.h"

namespace vh {

namespace {

// Each style button with the ExportType text it stands for.
struct StyleName {
    ExportStyleButton button;
    const char* text;
};
constexpr StyleName kStyles[] = {{ExportStyleButton::BestFit, "Best Fit"},
                                 {ExportStyleButton::Forward, "//"},
                                 {ExportStyleButton::Backward, "\\"},
                                 {ExportStyleButton::X, "X"},
                                 {ExportStyleButton::Random, "Random"}};

}  // namespace

ExportStyleButton StyleButtonFor(const std::string& style) {
    for (const StyleName& s : kStyles)
        if (style == s.text) return s.button;
    return ExportStyleButton::None;
}

std::string StyleOf(ExportStyleButton button) {
    for (const StyleName& s : kStyles)
        if (button == s.button) return s.text;
    return {};
}

void SelectStyle(ExportSettings& v, ExportStyleButton button) {
    if (button != ExportStyleButton::None) v.ExportType = StyleOf(button);
}

void SelectPosition(ExportSettings& v, bool top) {
    v.ExportPosition = top ? 1 : 0;
}

}  // namespace vh
