#include "ui/new_map_command.h"

#include <utility>

#include "core/document.h"
#include "core/lifecycle.h"

namespace vh::ui {

void RunNewMap(EditorState& s, const NewMapValues& v, Progress& progress) {
    s.Rnd.Randomize();
    ResetEditor(s);
    s.NewMap = NewMapSettingsFor(s.NewMap, v, s.Tools.Grid);
    Terrain terrain = GenerateTerrain(s.NewMap, v, s.Tools.Grid, s.Rnd, progress);
    progress.Status("Building Mesh...");
    ReplaceTerrain(s, std::move(terrain));

    // The dialog shows a stored -1 as 0 again.
    if (s.NewMap.SmoothThreshold == 0) s.NewMap.SmoothThreshold = -1;
    s.Doc.DocTitle = "newmap.vhm";
    s.Doc.DocPath.clear();
    s.Doc.Caption = DocumentCaption(s.Doc.DocTitle);
    LogLine(s, "NEW MAP : New Map Started");
    MarkDocumentChanged(s);
}

}  // namespace vh::ui
