#include "view/textures.h"

#include "core/rules.h"
#include "generate/image_file.h"
#include "view/tga_reader.h"

namespace vh::view {

QImage PlaceholderImage() {
    QImage img(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const int shade = ((x / 16 + y / 16) % 2) ? 128 : 140;
            img.setPixel(x, y, qRgb(shade, shade, shade));
        }
    return img;
}

EditorImage LoadEditorImage(const std::string& path) {
    EditorImage out;
    if (Trim(path).empty()) {
        out.Error = "No image file given.";
    } else {
        const Result<QImage> read = EndsWithNoCase(path, ".tga") ? ReadTgaFile(path) : ReadImageFile(path);
        if (read.Ok())
            out.Image = read->convertToFormat(QImage::Format_ARGB32);
        else
            out.Error = read.Message();
    }
    if (out.Image.isNull()) {
        out.Image = PlaceholderImage();
        out.Placeholder = true;
    }
    return out;
}

std::array<std::string, kSkyFaces> SkyFacePaths(const EditorTextures& x) {
    return {x.SkyFT, x.SkyBK, x.SkyLF, x.SkyRT, x.SkyDN, x.SkyUP};
}

void SkyDirection(SkyFace face, float u, float v, float out[3]) {
    // Face normal n and its image's up axis; right = up x n (left-handed).
    static constexpr float kNormal[6][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 0, -1},
                                            {0, 0, 1}, {0, -1, 0}, {0, 1, 0}};
    static constexpr float kUp[6][3] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 0, 1}, {0, 0, 1}};
    const int f = static_cast<int>(face);
    const float* n = kNormal[f];
    const float* up = kUp[f];
    const float right[3] = {up[1] * n[2] - up[2] * n[1], up[2] * n[0] - up[0] * n[2],
                            up[0] * n[1] - up[1] * n[0]};
    const float a = 2 * u - 1, b = 1 - 2 * v;
    for (int i = 0; i < 3; ++i) out[i] = n[i] + a * right[i] + b * up[i];
}

}  // namespace vh::view
