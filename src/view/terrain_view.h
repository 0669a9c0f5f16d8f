// The 3D view: a widget that draws the terrain, sky box and overlays with
// OpenGL, reads the user's input and picks the square under the cursor.
//
// The main window calls, once per pass: TakeInput -> UpdateCamera ->
// PickSquare(cursor) -> RunEditPass -> StatusLineText -> RequestFrame().
//
// The frames go to a ViewSurface inside the widget (view_surface.h); it only
// shows and takes neither focus nor input, so keys, shortcuts and focus work
// as in any other widget.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>
#include <memory>
#include <string>

#include "core/editor_state.h"
#include "core/input_state.h"
#include "core/terrain_edit.h"
#include "core/view_options.h"
#include "tools/brush_tool.h"
#include "view/terrain_lod.h"
#include "view/terrain_mesh.h"
#include "view/view_surface.h"

namespace vh::view {
class InputReader;
class Renderer;

class TerrainView : public QWidget, public vh::TerrainObserver {
    Q_OBJECT
public:
    // Watches the state's terrain (one of its observers) while it lives.
    TerrainView(vh::EditorState& state, const vh::ToolBox& tools, QWidget* parent = nullptr,
                SurfaceKind surface = DefaultSurfaceKind());
    ~TerrainView() override;

    // Key events of `source` (e.g. the main window) count as view input too.
    void WatchKeysOf(QObject* source);

    // This pass's input with the frame time: clicks, taps and wheel notches
    // made between passes come one pass each (see InputLatch).
    vh::InputState TakeInput();
    // Moves the camera (vh::UpdateCamera on the view's state); Ctrl+wheel,
    // and the plain wheel while the tool has no use for it, dolly.
    void UpdateCamera(const vh::InputState& input);
    // "Reset Camera" and "Frame Terrain" (for this view's aspect).
    void ResetCamera();
    void FrameTerrain();

    // Square under the view pixel (x, y) for the current camera; 0 = miss.
    int PickSquare(int x, int y) const;
    // Nothing picked (mouse left the view or moved onto the toolbar).
    void ClearSelection();
    // The status line text for the current selection ("No Selection.", ...)
    // and the picked square's slope.
    std::string StatusLineText() const;

    // A new or opened terrain: build the meshes, load "Ground" and the sky,
    // lift the camera out of the ground.
    void TerrainReplaced() override;
    // Heights changed: the vertices of the changed points and the normals
    // around them move, and only those go to the GPU at the next frame.
    void HeightsChanged(vh::PointRange changed) override;
    // Drop the terrain's drawing objects (editor reset).
    void TerrainReset() override;
    // Reload the six sky images / the ground image from the settings.
    void LoadSkyBox();
    void LoadGroundTexture();

    // The walkability overlay over the terrain (a view setting).
    void SetWalkabilityOverlay(bool on);

    // The drawing data of the current terrain (empty before one exists).
    const TerrainMesh& Mesh() const { return mesh_; }
    // The vertex data the GPU holds for it (after the last frame's uploads).
    std::vector<float> UploadedVertices();

    // Draw a frame soon (frameSwapped follows once it is shown).
    void RequestFrame();
    // Draws a frame now and returns it (empty before the first frame).
    QImage grabFramebuffer();
    // The window the frames show in: the embedded one, or the view's own
    // window when the frames go through a QOpenGLWidget.
    QWindow* SurfaceWindow() const;
    bool EmbedsSurface() const;

signals:
    void frameSwapped();

private:
    void InitializeGL();
    void PaintGL();
    void DrawFrame();
    void CleanupGL();

    vh::EditorState& state_;
    const vh::ToolBox& tools_;
    InputReader* input_ = nullptr;
    std::unique_ptr<Renderer> renderer_;
    std::unique_ptr<ViewSurface> surface_;
    TerrainMesh mesh_;
    TerrainLod lod_;
    bool glReady_ = false;
    bool framePosted_ = false;
    double fps_ = 0;
    int framesCounted_ = 0;
    QElapsedTimer fpsClock_;
};

}  // namespace vh::view
