// varnholm-cli info FILE.vhm: what a map document holds.
#include <cstdio>

#include "cli/verbs.h"
#include "core/document.h"
#include "core/document_info.h"

namespace {

int RunInfo(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "varnholm-cli info: expected exactly one FILE.vhm\n");
        return 2;
    }
    vh::EditorState s;
    vh::SetDefaults(s, vhcli::Paths());
    s.LogPath.clear();
    if (const vh::Status loaded = vh::LoadDocumentInto(s, args[0]); !loaded) {
        std::fprintf(stderr, "varnholm-cli info: %s\n", loaded.Message().c_str());
        return 1;
    }
    std::fputs(vh::DescribeDocument(s.Doc.DocPath, s.Terrain, vh::DocumentSettingsOf(s)).c_str(), stdout);
    return 0;
}

const vhcli::VerbRegistrar kInfo(
    {"info", "info FILE.vhm",
     "Print the counts, grid size, height range, export settings and texture paths "
     "of a map document.",
     RunInfo});

}  // namespace
