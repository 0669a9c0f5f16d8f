// The export switches shared by export-map and info: the document's export
// settings overridden, and the compile-ready options.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/editor_state.h"
#include "export/compile_budget.h"
#include "export/compile_options.h"

namespace vhcli {

extern const char* const kExportUsage;

class ExportSwitches {
public:
    // Reads the switch at args[*i], moving *i past its value. False when
    // args[*i] is not one of them; *error is set when it is but is malformed.
    bool Read(const std::vector<std::string>& args, size_t* i, std::string* error);
    // The document's export settings overridden by the switches given.
    void Apply(vh::EditorState& s) const;
    // The compile-ready options: the document's own (base) changed by the
    // switches, whatever the order they came in.
    vh::CompileOptions Options(const vh::CompileOptions& base) const;

private:
    std::optional<std::string> style_;
    std::optional<int> position_, hint_, sky_;
    std::optional<uint64_t> seed_;
    int grid_ = 16;
    bool playable_ = false, seal_ = false, noLight_ = false, lean_ = false, detail_ = false;
    std::optional<float> headroom_, simplify_;
    std::optional<int> spawnSquare_;  // 0-based; -1 for auto
    std::optional<std::string> wad_;
};

// "sealed, spawn at square 12, light, merged, simplified within 16 units, detail"
std::string DescribeCompileOptions(const vh::CompileOptions& o);

}  // namespace vhcli
