#include "view/editor_textures.h"

#include "core/rules.h"

namespace vh::view {

const char* const kGraphicsFilter =
    "Supported Images (*.tga;*.bmp;*.gif;*.jpg;*.jpeg)|*.tga;*.bmp;*.gif;*.jpg;*.jpeg|Targa Files "
    "(*.tga)|*.tga|Bitmap Files (*.bmp)|*.bmp|CompuServe GIF (*.gif)|*.gif|JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg";

SkyPaths SkyPathsOf(const EditorState& s) {
    return {s.SkyUP, s.SkyDN, s.SkyFT, s.SkyBK, s.SkyRT, s.SkyLF};
}

SkyPaths DefaultSkyPaths(const std::string& folder) {
    return {folder + "/sky/top.bmp",  folder + "/sky/bottom.bmp", folder + "/sky/right.bmp",
            folder + "/sky/left.bmp", folder + "/sky/front.bmp",  folder + "/sky/back.bmp"};
}

std::string DefaultGroundPath(const std::string& folder) {
    return folder + "/tex/ground.jpg";
}

FileDialogRequest BrowseRequest(const std::string& currentText, const std::string& lastChosen) {
    FileDialogRequest r;
    r.Title = "Open Graphics File.";
    r.Filter = kGraphicsFilter;
    bool image = false;
    for (const char* ext : {".BMP", ".GIF", ".TGA", ".JPG", ".JPEG"})
        image = image || EndsWithNoCase(currentText, ext);
    r.InitialFolder = FolderOf(image ? currentText : lastChosen);
    return r;
}

bool AcceptChosenFile(const std::string& path) {
    return !path.empty() && !EndsWithNoCase(path, ".LNK");
}

std::optional<SkyPaths> AutoFillSkyPaths(const std::string& chosen) {
    if (chosen.size() < 6) return std::nullopt;
    const std::string base = chosen.substr(0, chosen.size() - 6);
    const std::string ext = chosen.substr(chosen.size() - 4);
    SkyPaths out;
    const char* suffix[6] = {"up", "dn", "ft", "bk", "rt", "lf"};
    for (int i = 0; i < 6; ++i) out[i] = base + suffix[i] + ext;
    return out;
}

void ApplyEditorTextures(EditorState& s, const EditorTextureChoice& c) {
    const std::string ground = Trim(c.Ground);
    s.GroundTexture = c.GroundDefault || ground.empty() ? DefaultGroundPath(s.Paths.AssetsFolder) : ground;

    SkyPaths sky = DefaultSkyPaths(s.Paths.AssetsFolder);
    if (!c.SkyDefault) {
        SkyPaths typed;
        bool complete = true;
        for (int i = 0; i < 6; ++i) {
            typed[i] = Trim(c.Sky[i]);
            complete = complete && !typed[i].empty();
        }
        if (complete) sky = typed;
    }
    s.SkyUP = sky[0], s.SkyDN = sky[1], s.SkyFT = sky[2];
    s.SkyBK = sky[3], s.SkyRT = sky[4], s.SkyLF = sky[5];
}

}  // namespace vh::view
