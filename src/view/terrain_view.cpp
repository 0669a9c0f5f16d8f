#include "view/terrain_view.h"

#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <algorithm>

#include "core/spawn_square.h"
#include "view/camera.h"
#include "view/input_reader.h"
#include "view/picking.h"
#include "view/renderer.h"
#include "view/status_text.h"
#include "view/textures.h"

namespace vh::view {

TerrainView::TerrainView(vh::EditorState& state, const vh::ToolBox& tools, QWidget* parent)
    : QOpenGLWidget(parent),
      state_(state),
      tools_(tools),
      renderer_(std::make_unique<vh::view::Renderer>(this)) {
    QSurfaceFormat fmt = format();
    fmt.setVersion(3, 3);
    fmt.setProfile(QSurfaceFormat::CoreProfile);
    fmt.setDepthBufferSize(24);
    setFormat(fmt);
    input_ = new vh::view::InputReader(this);
    state_.Observers.Add(this);
}

TerrainView::~TerrainView() {
    state_.Observers.Remove(this);
    if (glReady_) {
        makeCurrent();
        CleanupGL();
        doneCurrent();
    }
}

void TerrainView::WatchKeysOf(QObject* source) {
    input_->WatchKeysOf(source);
}

vh::InputState TerrainView::TakeInput() {
    return input_->Take();
}

void TerrainView::UpdateCamera(const vh::InputState& input) {
    vh::UpdateCamera(state_.Pose, state_.Camera, input);
    const vh::Tool tool = state_.CurrentTool;
    const bool toolWheel = tool == vh::Tool::Mountain || tool == vh::Tool::TouchUp;
    const int notches = input.DollyNotches + (toolWheel ? 0 : input.WheelNotches);
    if (notches != 0) vh::DollyCamera(state_.Pose, state_.Terrain, notches);
}

void TerrainView::SetWalkabilityOverlay(bool on) {
    state_.View.Walkability = on;
    update();
}

void TerrainView::ResetCamera() {
    vh::ResetCamera(state_.Pose, state_.Terrain);
    update();
}

void TerrainView::FrameTerrain() {
    vh::FrameTerrain(state_.Pose, state_.Terrain, static_cast<float>(width()) / std::max(1, height()),
                     state_.Camera.Inverse == 1);
    update();
}

int TerrainView::PickSquare(int x, int y) const {
    if (mesh_.Empty() || x < 0 || y < 0 || x >= width() || y >= height()) return 0;
    return vh::view::PickSquareAt(state_.Terrain, state_.Pose, width(), height(), x, y);
}

void TerrainView::ClearSelection() {
    if (!state_.LoopRunning) return;
    vh::DropPick(state_.Stroke);
    update();
}

std::string TerrainView::StatusLineText() const {
    const std::string slope = vh::view::SlopeText(state_);
    return vh::view::StatusLineText(state_, tools_) + (slope.empty() ? "" : "   " + slope);
}

void TerrainView::TerrainReplaced() {
    // Clicks made on the old terrain do not carry over.
    input_->ReleaseAll();
    vh::LiftAboveSurface(state_.Pose, state_.Terrain);
    mesh_ = vh::view::BuildTerrainMeshes(state_.Terrain);
    renderer_->SetMesh(&mesh_);
    LoadGroundTexture();
    LoadSkyBox();
    update();
}

void TerrainView::HeightsChanged(vh::PointRange changed) {
    if (mesh_.VertexCount() != state_.Terrain.PointCount) {
        TerrainReplaced();
        return;
    }
    renderer_->VerticesChanged(vh::view::UpdateTerrainMesh(mesh_, state_.Terrain, changed));
    update();
}

std::vector<float> TerrainView::UploadedVertices() {
    if (!glReady_) return {};
    makeCurrent();
    std::vector<float> out = renderer_->UploadedVertices();
    doneCurrent();
    return out;
}

void TerrainView::TerrainReset() {
    mesh_ = {};
    renderer_->SetMesh(nullptr);
    update();
}

void TerrainView::LoadSkyBox() {
    const auto paths = vh::view::SkyFacePaths(state_.Textures);
    std::array<QImage, vh::view::kSkyFaces> images;
    for (int f = 0; f < vh::view::kSkyFaces; ++f) images[f] = vh::view::LoadEditorImage(paths[f]).Image;
    renderer_->SetSkyImages(images);
    update();
}

void TerrainView::LoadGroundTexture() {
    renderer_->SetGroundImage(vh::view::LoadEditorImage(state_.Textures.GroundTexture).Image);
    update();
}

void TerrainView::initializeGL() {
    renderer_->Initialize();
    renderer_->SetMesh(mesh_.Empty() ? nullptr : &mesh_);
    glReady_ = true;
    // The context can go before the widget's members (at exit): clean up then.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        makeCurrent();
        CleanupGL();
        doneCurrent();
    });
}

void TerrainView::paintGL() {
    renderer_->Draw(state_, tools_, fps_);
    ++framesCounted_;
    if (!fpsClock_.isValid()) fpsClock_.start();
    const qint64 ms = fpsClock_.elapsed();
    if (ms >= 1000) {
        fps_ = framesCounted_ * 1000.0 / ms;
        framesCounted_ = 0;
        fpsClock_.restart();
    }
}

void TerrainView::CleanupGL() {
    if (!glReady_) return;
    glReady_ = false;
    if (context()) disconnect(context(), &QOpenGLContext::aboutToBeDestroyed, this, nullptr);
    if (renderer_) renderer_->Release();
}

}  // namespace vh::view
