// varnholm-cli info FILE.vhm: what a map document holds.
#include <cstdio>

#include "cli/export_args.h"
#include "cli/verbs.h"
#include "core/document.h"
#include "core/document_info.h"
#include "export/terrain_from_state.h"

namespace {

int RunInfo(const std::vector<std::string>& args) {
    std::vector<std::string> files;
    vhcli::ExportSwitches switches;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string bad;
        if (switches.Read(args, &i, &bad)) {
            if (bad.empty()) continue;
            std::fprintf(stderr, "varnholm-cli info: %s (try --help)\n", bad.c_str());
            return 2;
        }
        if (args[i].rfind("--", 0) == 0) {
            std::fprintf(stderr, "varnholm-cli info: unknown option %s (try --help)\n", args[i].c_str());
            return 2;
        }
        files.push_back(args[i]);
    }
    if (files.size() != 1) {
        std::fprintf(stderr, "varnholm-cli info: expected exactly one FILE.vhm\n");
        return 2;
    }
    vh::EditorState s;
    vh::SetDefaults(s, vhcli::Paths());
    s.LogPath.clear();
    if (const vh::Status loaded = vh::LoadDocumentInto(s, files[0]); !loaded) {
        std::fprintf(stderr, "varnholm-cli info: %s\n", loaded.Message().c_str());
        return 1;
    }
    std::fputs(vh::DescribeDocument(s.Doc.DocPath, s.Terrain, vh::DocumentSettingsOf(s)).c_str(), stdout);

    switches.Apply(s);
    const vh::CompileOptions options = switches.Options(vh::CompileOptionsOf(s.Choices, s.Export));
    vh::TerrainExport terrain;
    std::string error;
    if (!vh::TerrainExportFromState(s, s.Rnd, &terrain, &error)) {
        std::printf("Compile budget: %s\n", error.c_str());
        return 0;
    }
    std::printf("Compile budget (%s):\n", vhcli::DescribeCompileOptions(options).c_str());
    std::string budget = vh::DescribeBudget(vh::CompileBudget(terrain, options));
    for (size_t at = 0; at < budget.size();) {
        const size_t end = budget.find('\n', at);
        std::printf("  %s\n", budget.substr(at, end - at).c_str());
        at = end + 1;
    }
    return 0;
}

const vhcli::VerbRegistrar kInfo(
    {"info", std::string("info FILE.vhm ") + vhcli::kExportUsage,
     "Print the counts, grid size, height range, export settings and texture paths of a map document, "
     "and the compile budget of its .MAP export with the switches of export-map: brushes, "
     "distinct planes and estimates of the compiled faces, marksurfaces, clipnodes, nodes and leafs "
     "against the BSP29 limits.",
     RunInfo});

}  // namespace
