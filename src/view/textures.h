// Editor images (ground texture, sky faces) read from files, with a neutral
// placeholder when a file cannot be read, and the sky cube's face layout.
#pragma once

#include <QImage>
#include <array>
#include <string>

#include "core/settings_records.h"

namespace vh::view {

struct EditorImage {
    QImage Image;  // never null
    bool Placeholder = false;
    std::string Error;  // why the file was not used
};

// TGA through our reader, anything else through QImage. A missing or bad
// file gives the placeholder.
EditorImage LoadEditorImage(const std::string& path);

// Plain grey with a faint check, so a missing texture is visible but calm.
QImage PlaceholderImage();

// Sky faces in the order the sky box takes them: right, left, back, front,
// bottom, top ("SkyRight" .. "SkyTop").
enum class SkyFace { Right = 0, Left, Back, Front, Bottom, Top };
constexpr int kSkyFaces = 6;

// The settings path loaded as each face: SkyFT as right, SkyBK as left,
// SkyLF as back, SkyRT as front, SkyDN as bottom, SkyUP as top.
std::array<std::string, kSkyFaces> SkyFacePaths(const EditorTextures& x);

// Direction from the cube's centre to point (u, v) of a face image (u to the
// right, v downwards, both 0..1, as seen from inside). Right is +x, front +z,
// top +y. The default sky images and the renderer both use it, so the faces
// meet without seams.
void SkyDirection(SkyFace face, float u, float v, float out[3]);

}  // namespace vh::view
