#include "view/terrain_view.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QVBoxLayout>
#include <algorithm>

#include "core/spawn_square.h"
#include "tools/edit_pass.h"
#include "view/camera.h"
#include "view/input_reader.h"
#include "view/picking.h"
#include "view/renderer.h"
#include "view/status_text.h"
#include "view/textures.h"

namespace vh::view {

TerrainView::TerrainView(vh::EditorState& state, const vh::ToolBox& tools, QWidget* parent, SurfaceKind kind)
    : QWidget(parent), state_(state), tools_(tools), renderer_(std::make_unique<vh::view::Renderer>()) {
    surface_ = MakeViewSurface(
        kind, this, {[this] { InitializeGL(); }, [this] { PaintGL(); }, [this] { emit frameSwapped(); }});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(surface_->Widget());
    input_ = new vh::view::InputReader(this);
    state_.Observers.Add(this);
}

TerrainView::~TerrainView() {
    state_.Observers.Remove(this);
    if (glReady_) {
        surface_->MakeCurrent();
        CleanupGL();
        surface_->DoneCurrent();
    }
}

// The view's frames pace the main loop: the next one is drawn at the next
// turn of the event loop.
void TerrainView::RequestFrame() {
    if (framePosted_) return;
    framePosted_ = true;
    QMetaObject::invokeMethod(this, &TerrainView::DrawFrame, Qt::QueuedConnection);
}

void TerrainView::DrawFrame() {
    framePosted_ = false;
    surface_->Draw();
}

QImage TerrainView::grabFramebuffer() {
    return surface_->Grab();
}

QWindow* TerrainView::SurfaceWindow() const {
    return surface_->Window();
}

bool TerrainView::EmbedsSurface() const {
    return surface_->Embedded();
}

void TerrainView::WatchKeysOf(QObject* source) {
    input_->WatchKeysOf(source);
}

vh::InputState TerrainView::TakeInput() {
    return input_->Take();
}

void TerrainView::UpdateCamera(const vh::InputState& input) {
    vh::UpdateCamera(state_.Pose, state_.Camera, input);
    const int notches = input.DollyNotches + (vh::ToolUsesWheel(state_.CurrentTool) ? 0 : input.WheelNotches);
    if (notches != 0) vh::DollyCamera(state_.Pose, state_.Terrain, notches);
}

void TerrainView::SetWalkabilityOverlay(bool on) {
    state_.View.Walkability = on;
    RequestFrame();
}

void TerrainView::ResetCamera() {
    vh::ResetCamera(state_.Pose, state_.Terrain);
    RequestFrame();
}

void TerrainView::FrameTerrain() {
    vh::FrameTerrain(state_.Pose, state_.Terrain, static_cast<float>(width()) / std::max(1, height()),
                     state_.Camera.Inverse == 1);
    RequestFrame();
}

int TerrainView::PickSquare(int x, int y) const {
    if (mesh_.Empty() || x < 0 || y < 0 || x >= width() || y >= height()) return 0;
    return vh::view::PickSquareAt(state_.Terrain, state_.Pose, width(), height(), x, y);
}

void TerrainView::ClearSelection() {
    if (!state_.LoopRunning) return;
    vh::DropPick(state_.Stroke);
    RequestFrame();
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
    lod_ = vh::view::BuildTerrainLod(state_.Terrain);
    renderer_->SetMesh(&mesh_);
    renderer_->SetLod(&lod_);
    LoadGroundTexture();
    LoadSkyBox();
    RequestFrame();
}

void TerrainView::HeightsChanged(vh::PointRange changed) {
    if (mesh_.VertexCount() != state_.Terrain.PointCount) {
        TerrainReplaced();
        return;
    }
    renderer_->VerticesChanged(vh::view::UpdateTerrainMesh(mesh_, state_.Terrain, changed));
    vh::view::UpdateTerrainLod(lod_, changed);
    RequestFrame();
}

std::vector<float> TerrainView::UploadedVertices() {
    if (!glReady_) return {};
    surface_->MakeCurrent();
    std::vector<float> out = renderer_->UploadedVertices();
    surface_->DoneCurrent();
    return out;
}

void TerrainView::TerrainReset() {
    mesh_ = {};
    lod_ = {};
    renderer_->SetMesh(nullptr);
    renderer_->SetLod(nullptr);
    RequestFrame();
}

void TerrainView::LoadSkyBox() {
    const auto paths = vh::view::SkyFacePaths(state_.Textures);
    std::array<QImage, vh::view::kSkyFaces> images;
    for (int f = 0; f < vh::view::kSkyFaces; ++f) images[f] = vh::view::LoadEditorImage(paths[f]).Image;
    renderer_->SetSkyImages(images);
    RequestFrame();
}

void TerrainView::LoadGroundTexture() {
    renderer_->SetGroundImage(vh::view::LoadEditorImage(state_.Textures.GroundTexture).Image);
    RequestFrame();
}

void TerrainView::InitializeGL() {
    renderer_->Initialize();
    renderer_->SetMesh(mesh_.Empty() ? nullptr : &mesh_);
    renderer_->SetLod(&lod_);
    glReady_ = true;
    // The context can go before the widget's members (at exit): clean up then.
    connect(surface_->Context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        surface_->MakeCurrent();
        CleanupGL();
        surface_->DoneCurrent();
    });
}

void TerrainView::PaintGL() {
    vh::view::RefreshTerrainLod(lod_, state_.Terrain);
    renderer_->Draw(state_, tools_, fps_, width(), height(), devicePixelRatioF());
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
    if (surface_->Context())
        disconnect(surface_->Context(), &QOpenGLContext::aboutToBeDestroyed, this, nullptr);
    if (renderer_) renderer_->Release();
}

}  // namespace vh::view
