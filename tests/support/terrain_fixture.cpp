#include "support/terrain_fixture.h"

#include <gtest/gtest.h>

#include "core/document.h"
#include "core/grid.h"
#include "core/lifecycle.h"

namespace vhtest {

void MakeTerrain(vh::EditorState& s, int x, int y, int size) {
    vh::SetDefaults(s, "/nonexistent-program-folder");
    s.LogPath.clear();
    vh::ResetEditor(s);
    s.NewMap.X = static_cast<int16_t>(x);
    s.NewMap.Y = static_cast<int16_t>(y);
    s.NewMap.Size = static_cast<int16_t>(size);
    vh::BuildGrid(s);
}

bool SaveDocument(const vh::EditorState& s, const std::string& path) {
    const vh::Status saved = vh::SaveDocumentFile(path, s.Terrain, vh::DocumentSettingsOf(s));
    if (!saved) ADD_FAILURE() << saved.Message();
    return saved.Ok();
}

}  // namespace vhtest
