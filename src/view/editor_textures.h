// Rules of the "Specify Editor Textures" dialog, free of widgets: the browse
// dialog's request, which chosen names count, Auto Fill, and what OK stores.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/prompts.h"
#include "core/settings_records.h"

namespace vh::view {

// The sky text boxes top to bottom: Up, Down, Front, Back, Right, Left
// (SkyUP, SkyDN, SkyFT, SkyBK, SkyRT, SkyLF).
using SkyPaths = std::array<std::string, 6>;

SkyPaths SkyPathsOf(const EditorTextures& x);

extern const char* const kGraphicsFilter;

// The open-file request of a browse button: the folder of the box's path
// when it names an image, else the folder of the last file chosen.
FileDialogRequest BrowseRequest(const std::string& currentText, const std::string& lastChosen);

// A chosen name is used unless empty or a shortcut (".LNK", any case).
bool AcceptChosenFile(const std::string& path);

// Auto Fill: base (the path less its last 6 characters) + "up"/"dn"/"ft"/
// "bk"/"rt"/"lf" + the last 4 characters. Nothing for paths under 6 long.
std::optional<SkyPaths> AutoFillSkyPaths(const std::string& chosen);

struct EditorTextureChoice {
    SkyPaths Sky;
    bool SkyDefault = false;
    std::string Ground;
    bool GroundDefault = false;
};

// "&Okey": the ground path (trimmed, or the default under assetsFolder when
// ticked or empty); the six sky paths (trimmed, or all six defaults when
// ticked or any empty).
void ApplyEditorTextures(EditorTextures& x, const std::string& assetsFolder,
                         const EditorTextureChoice& choice);

}  // namespace vh::view
