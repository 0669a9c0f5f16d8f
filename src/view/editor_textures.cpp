#include "view/editor_textures.h"

#include "core/rules.h"

namespace vh::view {

const char* const kGraphicsFilter =
    "Supported Images (*.tga;*.bmp;*.gif;*.jpg;*.jpeg)|*.tga;*.bmp;*.gif;*.jpg;*.jpeg|Targa Files "
    "(*.tga)|*.tga|Bitmap Files (*.bmp)|*.bmp|CompuServe GIF (*.gif)|*.gif|JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg";

SkyPaths SkyPathsOf(const EditorTextures& x) {
    return {x.SkyUP, x.SkyDN, x.SkyFT, x.SkyBK, x.SkyRT, x.SkyLF};
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

void ApplyEditorTextures(EditorTextures& x, const std::string& assetsFolder, const EditorTextureChoice& c) {
    const EditorTextures defaults = DefaultEditorTextures(assetsFolder);
    const std::string ground = Trim(c.Ground);
    x.GroundTexture = c.GroundDefault || ground.empty() ? defaults.GroundTexture : ground;

    SkyPaths sky = SkyPathsOf(defaults);
    if (!c.SkyDefault) {
        SkyPaths typed;
        bool complete = true;
        for (int i = 0; i < 6; ++i) {
            typed[i] = Trim(c.Sky[i]);
            complete = complete && !typed[i].empty();
        }
        if (complete) sky = typed;
    }
    x.SkyUP = sky[0], x.SkyDN = sky[1], x.SkyFT = sky[2];
    x.SkyBK = sky[3], x.SkyRT = sky[4], x.SkyLF = sky[5];
}

}  // namespace vh::view
