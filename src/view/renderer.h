// OpenGL drawing of one frame: the terrain in the checked render mode (lit
// by a sun, with the walkability overlay when asked), the sky box behind it,
// overlay lines, and the texts (locked-point coordinates, info panel, FPS,
// or the hint of an empty view). Lives only while the view's GL context
// does; images and meshes handed in at any time are uploaded at the next
// frame.
#pragma once

#include <QImage>
#include <array>
#include <memory>
#include <vector>

#include "core/editor_state.h"
#include "core/view_options.h"
#include "tools/brush_tool.h"
#include "view/terrain_lod.h"
#include "view/terrain_mesh.h"
#include "view/textures.h"

namespace vh::view {

using vh::RenderMode;

// Clear colour of a render mode.
struct SceneColour {
    float r, g, b;
};
SceneColour SceneColourOf(RenderMode mode);

// What the view shows before a terrain exists.
inline constexpr const char* kEmptyViewHint = "File \u203a New or File \u203a Open to start";

class Renderer {
public:
    Renderer();
    ~Renderer();

    // The view's context must be current for these three. Draw fills a
    // `width` x `height` view (logical pixels; `dpr` device pixels each).
    void Initialize();
    void Draw(const EditorState& s, const ToolBox& tools, double fps, int width, int height, double dpr);
    void Release();  // safe to call twice

    // The mesh to draw (owned by the caller, kept alive while set); nullptr
    // draws no terrain. Geometry and vertices upload at the next frame.
    void SetMesh(const TerrainMesh* mesh);
    // Coarser triangles for far blocks of that mesh (owned by the caller,
    // kept alive while set); nullptr or an empty one draws every triangle.
    // Its errors may change at any time; its triangles only with the mesh.
    void SetLod(const TerrainLod* lod);
    // The mesh's vertices in `changed` have new data: only they are uploaded
    // at the next frame (with whatever else changed before it); the
    // walkability overlay's data follows.
    void VerticesChanged(VertexRange changed);
    // The vertex data the GL buffer holds now (the context must be current):
    // what the frames draw, for checking the uploads.
    std::vector<float> UploadedVertices();
    void SetGroundImage(const QImage& image);
    void SetSkyImages(const std::array<QImage, kSkyFaces>& images);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace vh::view
